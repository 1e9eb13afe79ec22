#include "extractor.h"

#include <errno.h>
#include <fcntl.h>
#include <locale.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <memory>
#include <optional>
#include <string>

#include <archive.h>
#include <archive_entry.h>

#include <QString>

#include "adapter.h"
#include "file/scoped.h"
#include "log.h"
#include "texts/strtab.h"
#include "package/utf8_names.h"

namespace {

const char kComponent[] = "extractor_debug";
// libarchive's ARCHIVE_ERRNO_FILE_FORMAT on Linux: bytes it read but could not
// make out. Its other code of its own, ARCHIVE_ERRNO_MISC, is -1.

// Owners, permissions and times are not restored (modes pass through the
// umask). SECURE_NODOTDOT refuses ".." in entry names and hard-link targets.
// SECURE_SYMLINKS with UNLINK keeps an archive from writing through a link it
// made itself ("x -> /elsewhere" followed by "x/file"): the writer removes the
// link and creates a real directory instead. Absolute entry names need no flag
// of their own, as every name is put under the target.
const int kWriteOptions = ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_SYMLINKS |
                          ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_MAC_METADATA;

struct WriteFree {
    void operator()(struct archive *a) const { archive_write_free(a); }
};
typedef std::unique_ptr<struct archive, WriteFree> Writer;

const char *ErrorText(struct archive *a) {
    const char *s = archive_error_string(a);
    return s ? s : "";
}

// Whether the entry name `name` names the directory it is unpacked into:
// nothing but "/" and "." components ("", ".", "./", "/").
bool NamesTarget(const char *name) {
    for (const char *p = name; *p; ++p) {
        if (*p == '/') continue;
        if (*p == '.' && (p[1] == '/' || p[1] == '\0')) continue;
        return false;
    }
    return true;
}

// Why `entry` must not be written, or null. A package carries files,
// directories and links only: for anything else the disk writer makes a
// device node (which opens the device to whoever may read the copy, and the
// launcher may run with the privilege to make one), a FIFO, or an empty file
// in place of a socket. An entry naming the target itself may only be a
// directory: the writer would replace the whole target, which is removed
// first while it is still empty, by a file or by a link to elsewhere.
const char *Refusal(struct archive_entry *entry, const char *name) {
    const mode_t type = archive_entry_filetype(entry);
    const bool hardlink = archive_entry_hardlink(entry) != nullptr;
    if (!hardlink && type != AE_IFREG && type != AE_IFDIR && type != AE_IFLNK)
        return "not a file, directory or link";
    if (NamesTarget(name) && (hardlink || type != AE_IFDIR))
        return "it would replace the target directory";
    return nullptr;
}

// Changes the process's working directory to `dir` while it lives and puts
// the old one back, on every path. The working directory is process-wide:
// only the worker thread extracts, and while it does, nothing else in the
// launcher names a relative path (the log and the package are opened by
// absolute paths).
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const char *dir)
        : old_(open(".", O_PATH | O_DIRECTORY | O_CLOEXEC)), error_(Enter(old_, dir)) {}
    // A working directory that can no longer be entered (its permissions
    // changed meanwhile) gives way to "/", which nothing after depends on.
    ~ScopedWorkingDirectory() {
        if (error_ == 0 && fchdir(old_.get()) != 0 && chdir("/") != 0) {
        }
    }
    ScopedWorkingDirectory(const ScopedWorkingDirectory &) = delete;
    ScopedWorkingDirectory &operator=(const ScopedWorkingDirectory &) = delete;

    // 0 when `dir` was entered, else the errno of the call that failed.
    int error() const { return error_; }

private:
    // Enters `dir` once the old directory is held: 0, or the failing call's errno.
    static int Enter(const ScopedFd &old, const char *dir) {
        if (!old.valid()) return errno;
        return chdir(dir) == 0 ? 0 : errno;
    }

    ScopedFd old_;
    const int error_;
};

// An entry's name relative to the target: without leading slashes (an
// absolute name lands inside the target too); "." for the target itself.
std::string RelativeName(const char *name) {
    while (*name == '/') ++name;
    return *name ? name : ".";
}

// The cause of a system call's failure on the target's side (entering it, or
// writing under it). What belongs to the run itself may be gone at the next
// try: an interrupted call, a busy file, memory or descriptors running out, a
// directory that vanished under the run (the target is made just before, and
// the writer makes every missing parent itself). Everything else is the
// disk's, also what is not known here: a disk-side failure is tried again at
// the next login, a package-side one not until the package changes.
FailureCause CauseOfSystemError(int error) {
    switch (error) {
        case EINTR:
        case EAGAIN:
        case EBUSY:
        case ETXTBSY:
        case ENOMEM:
        case EMFILE:
        case ENFILE:
        case ENOENT:
            return FailureCause::kEnvironment;
        default:
            return FailureCause::kDisk;
    }
}

// The cause of a failure of archive_read_extract2() or of finishing `entry`
// read from `file`. The writer clears its error number at every header, so a
// failure of the reader on the entry's data leaves it at 0: a failed read of
// the file is the machine's (CauseOfReadError), anything else the reader met
// (damaged data) the package's, like the writer's own refusals.
FailureCause CauseOfFailedEntry(struct archive *writer, struct archive_entry *entry,
                                const PackageSource &file) {
    if (file.read_error != 0) return CauseOfReadError(file.read_error);
    return CauseOfWriterError(archive_errno(writer), archive_entry_hardlink(entry) != nullptr);
}

// Logs that reading the package at `path` failed with the system's `error`.
void LogReadFailure(const ustring &path, int error) {
    Logger::LogMsg(Logger::L_WARNING, kComponent,
                   "[WARNING] extractor(%d): reading the package '%s' failed: %s; it is tried "
                   "again at the next run\n",
                   __LINE__, path.c_str_utf8(), strerror(error));
}

// Logs why the source could not be opened for counting or listing its
// entries: `why`.
void LogScanFailure(const char *why) {
    Logger::LogMsg(Logger::L_ERR, kComponent,
                   "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n", __LINE__,
                   why);
}

// The archive a pass reads: the open file `fd` when there is one (from its
// start), else the file at `path`, which names it in the log either way.
struct Source {
    const ustring &path;
    int fd;
};

// A reader over a source and, when it is null, why: the cause, and whether
// the reader was made (then `why` holds libarchive's text) or not. `file`
// notes a failed read of the source while `reader` reads it.
struct OpenedReader {
    ScopedFd owned;  // the source opened by its path, when it had no descriptor
    std::unique_ptr<PackageSource> file;
    PackageReader reader;
    FailureCause cause = FailureCause::kEnvironment;
    bool made = false;
    std::string why;
};

// A reader over `source` as every reading of a package has it
// (NewPackageReader), reading the open file `fd` when there is one (from its
// start), else the file at `path`, which names it in the log either way.
// Nothing is logged: each pass logs its own texts.
OpenedReader OpenReader(const Source &source) {
    OpenedReader opened;
    PackageReader reader = NewPackageReader();
    if (!reader) return opened;
    opened.made = true;
    if (source.fd < 0) opened.owned = ScopedFd(open64(source.path.c_str(), O_RDONLY | O_CLOEXEC));
    if (source.fd < 0 && !opened.owned.valid()) {
        const int error = errno;
        opened.cause = CauseOfOpenError(error);
        opened.why =
            std::string("Failed to open '") + source.path.c_str() + "': " + strerror(error);
        return opened;
    }
    opened.file = std::make_unique<PackageSource>(source.fd < 0 ? opened.owned.get() : source.fd);
    if (OpenPackageSource(reader.get(), opened.file.get()) != ARCHIVE_OK) {
        opened.cause = CauseOfOpenError(archive_errno(reader.get()));
        opened.why = ErrorText(reader.get());
        return opened;
    }
    opened.reader = std::move(reader);
    opened.cause = FailureCause::kNone;
    return opened;
}

// Logs why listing the entries has no reader (`opened`).
void LogListFailure(const OpenedReader &opened) {
    if (opened.made) {
        LogScanFailure(opened.why.c_str());
        return;
    }
    Logger::LogMsg(Logger::L_ERR, kComponent, "[ERROR] extractor(%d): Allocate archive failed\n",
                   __LINE__);
}

// Logs why the extraction has no reader (`opened`) over the source at `path`.
void LogExtractFailure(const ustring &path, const OpenedReader &opened) {
    if (opened.made) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): Failed to read file '%s' ('%s')\n", __LINE__,
                       path.c_str_utf8(), opened.why.c_str());
        return;
    }
    Logger::LogMsg(Logger::L_ERR, kComponent, "[ERROR] extractor(%d): Allocate extractor failed\n",
                   __LINE__);
}

// A disk writer with kWriteOptions, or null (logged).
Writer NewWriter() {
    Writer writer(archive_write_disk_new());
    if (!writer) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): Allocate extractor failed\n", __LINE__);
        return nullptr;
    }
    archive_write_disk_set_options(writer.get(), kWriteOptions);
    return writer;
}

// What a pass over the source found and, when it found no entry, why.
struct ScanOutcome {
    PackageScan scan;
    FailureCause cause;
};

ScanOutcome ScanSource(const Source &source) {
    const ScopedFd opened(source.fd < 0 ? open64(source.path.c_str(), O_RDONLY | O_CLOEXEC) : -1);
    const int fd = source.fd < 0 ? opened.get() : source.fd;
    if (fd < 0) {
        const int error = errno;
        const std::string why =
            std::string("Failed to open '") + source.path.c_str() + "': " + strerror(error);
        LogScanFailure(why.c_str());
        return {PackageScan(), CauseOfOpenError(error)};
    }
    const HeaderRead read = ReadHeaders(fd);
    if (read.read_error != 0) {
        LogReadFailure(source.path, read.read_error);
        return {read.scan, CauseOfReadError(read.read_error)};
    }
    if (read.scan.entries < 0) {
        LogScanFailure(read.open_text.c_str());
        return {read.scan, CauseOfOpenError(read.open_error)};
    }
    // No entry: empty, or damaged before the first one.
    return {read.scan, read.scan.entries > 0 ? FailureCause::kNone : FailureCause::kPackage};
}

// Checks `entry`, puts its names under the working directory and writes it
// with its data. Returns kNone, or the cause of the failure (logged).
FailureCause WriteEntry(struct archive *reader, const PackageSource &file, struct archive *writer,
                        struct archive_entry *entry) {
    const char *name = archive_entry_pathname(entry);
    if (!name) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): archive_entry_pathname failed", __LINE__);
        return FailureCause::kPackage;
    }
    if (const char *why = Refusal(entry, name)) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): refusing entry '%s': %s\n", __LINE__, name, why);
        return FailureCause::kPackage;
    }
    archive_entry_set_pathname(entry, RelativeName(name).c_str());
    // A hard link names another entry of the archive, relative to the
    // target as well. Symbolic-link bodies stay as they are.
    if (const char *link = archive_entry_hardlink(entry))
        archive_entry_set_hardlink(entry, RelativeName(link).c_str());

    if (archive_read_extract2(reader, entry, writer) != ARCHIVE_OK) {
        const FailureCause cause = CauseOfFailedEntry(writer, entry, file);
        // The reader carries its own failure (a damaged package), or a
        // copy of the writer's; the writer's own text is the last resort.
        const char *why = ErrorText(reader);
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n", __LINE__,
                       *why ? why : ErrorText(writer));
        return cause;
    }
    return FailureCause::kNone;
}

// Reads the entries of `reader` to the end and writes each through `writer`,
// reporting progress against `total`, the entries counted before. More
// entries than that mean the source changed since it was counted (and its
// reading was proven to end): the extraction stops there.
FailureCause WriteEntries(const OpenedReader &opened, struct archive *writer, int total) {
    struct archive *reader = opened.reader.get();
    // The dialog shows whole percents: an entry is reported only when it
    // moves the bar, so a package of 50,000 small files sends about a
    // hundred signals to the main thread instead of one per entry.
    int progress = 0;
    int shown_percent = -1;
    for (;;) {
        struct archive_entry *entry = nullptr;
        const int r = archive_read_next_header(reader, &entry);
        if (r == ARCHIVE_EOF) return FailureCause::kNone;
        if (r != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] extractor(%d): archive_read_next_header failed: '%s'\n",
                           __LINE__, ErrorText(reader));
            return CauseOfReadError(opened.file->read_error);
        }
        if (progress == total) {
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] extractor(%d): the package holds more than the %d entries "
                           "counted before; it changed while it was read\n",
                           __LINE__, total);
            return FailureCause::kPackage;
        }
        const FailureCause written = WriteEntry(reader, *opened.file, writer, entry);
        if (written != FailureCause::kNone) return written;

        ++progress;
        const int percent = static_cast<int>(int64_t{progress} * 100 / total);
        if (percent != shown_percent) {
            shown_percent = percent;
            Notify_Adapter::GetInstance().UpdateProgress(total, progress);
        }

        if (archive_write_finish_entry(writer) != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] extractor(%d): archive_write_finish_entry failed: '%s'\n",
                           __LINE__, ErrorText(writer));
            return CauseOfFailedEntry(writer, entry, *opened.file);
        }
    }
}

// Opens the source, enters `dir` (the target's canonical path) and writes
// every entry there by its relative name.
FailureCause Unpack(const Source &source, const char *dir, int total) {
    // Declared first so that it is left last: the reader goes first, then the
    // writer, which sets the deferred directory modes as it is freed, by
    // their relative names, then the working directory is put back.
    std::optional<ScopedWorkingDirectory> inside;
    Writer writer = NewWriter();
    if (!writer) return FailureCause::kEnvironment;
    const OpenedReader opened = OpenReader(source);
    if (!opened.reader) {
        LogExtractFailure(source.path, opened);
        return opened.cause;
    }

    // The source is open: a relative source path was taken where it stood.
    inside.emplace(dir);
    if (const int error = inside->error()) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): Failed to enter target '%s' (%s)\n", __LINE__, dir,
                       strerror(error));
        return CauseOfSystemError(error);
    }
    return WriteEntries(opened, writer.get(), total);
}

}  // namespace

// The writer's own refusals (a ".." element, a path through a link) carry no
// system error. Of the system's errors, those about a name are the package's:
// it asks for a name the file system cannot take (a component over 255 bytes)
// or that cannot be converted. So is a non-directory on an entry's way
// (ENOTDIR): the writer walks names only inside the target, which the caller
// makes afresh and which is itself entered as a directory, so what stands in
// the way is an earlier entry of the package ("a" a file, then "a/b"). A hard
// link must name an entry written before: one that names nothing (ENOENT)
// names what the package does not hold.
FailureCause CauseOfWriterError(int error, bool hardlink) {
    if (error <= 0) return FailureCause::kPackage;
    switch (error) {
        case ENAMETOOLONG:
        case EILSEQ:
        case ENOTDIR:
            return FailureCause::kPackage;
        case ENOENT:
            if (hardlink) return FailureCause::kPackage;
            return CauseOfSystemError(error);
        default:
            return CauseOfSystemError(error);
    }
}

Extractor::Extractor() {}

void Extractor::SetTarget(const ustring &path) { target = path; }

void Extractor::SetSource(const ustring &path) { source = path; }

void Extractor::SetSourceFile(int fd) { source_fd = fd; }

int Extractor::copy_data(struct archive *ar, struct archive *aw) const {
    if (!ar || !aw) {
        Logger::LogMsg(Logger::L_ERR, kComponent, "[ERROR] extractor(%d): Invalid Argument\n",
                       __LINE__);
        return -1;
    }
    for (;;) {
        const void *buff = nullptr;
        size_t size = 0;
        int64_t offset = 0;
        const int r = archive_read_data_block(ar, &buff, &size, &offset);
        if (r == ARCHIVE_EOF) return 0;
        if (r != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] extractor(%d): archive_read_data_block failed: '%s'\n",
                           __LINE__, ErrorText(ar));
            return -1;
        }
        if (archive_write_data_block(aw, buff, size, offset) != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] extractor(%d): archive_write_data_block failed: '%s'\n",
                           __LINE__, ErrorText(aw));
            return -1;
        }
    }
}

PackageScan Extractor::Scan() const {
    if (target.empty() || source.empty()) {
        Logger::LogMsg(Logger::L_ERR, kComponent, "[ERROR] extractor(%d): Invalid argument\n",
                       __LINE__);
        return PackageScan();
    }
    const ScopedUtf8Names names;
    return ScanSource({source, source_fd}).scan;
}

int Extractor::Count() const { return Scan().entries; }

int Extractor::List() const {
    if (target.empty() || source.empty()) {
        Logger::LogMsg(Logger::L_ERR, kComponent, "[ERROR] extractor(%d): Invalid argument\n",
                       __LINE__);
        return -1;
    }
    const ScopedUtf8Names names;
    const OpenedReader opened = OpenReader({source, source_fd});
    if (!opened.reader) {
        LogListFailure(opened);
        return -1;
    }

    struct archive_entry *entry = nullptr;
    while (archive_read_next_header(opened.reader.get(), &entry) == ARCHIVE_OK) {
        const char *name = archive_entry_pathname(entry);
        printf("%s\n", name ? name : "");
        fflush(stdout);
        archive_read_data_skip(opened.reader.get());
    }
    archive_read_close(opened.reader.get());
    return 0;
}

FailureCause Extractor::Extract(const PackageScan *scan) {
    if (source.empty() || target.empty()) {
        Logger::LogMsg(Logger::L_ERR, kComponent, "[ERROR] extractor(%d): Invalid Argument\n",
                       __LINE__);
        // The caller's mistake: nothing to hold against the package.
        return FailureCause::kEnvironment;
    }
    const ScopedUtf8Names names;
    Logger::LogMsg(Logger::L_DEBUG, kComponent,
                   "[DEBUG] extractor(%d): decompress from '%s' to '%s'\n", __LINE__,
                   source.c_str_utf8(), target.c_str_utf8());
    Notify_Adapter::GetInstance().UpdateDialogText(
        StrTable::LoadStr(StrTable::desc_trwd_env_preparing));

    const ScanOutcome counted = scan && scan->entries > 0 ? ScanOutcome{*scan, FailureCause::kNone}
                                                          : ScanSource({source, source_fd});
    const int total = counted.scan.entries;
    if (total <= 0) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): Failed to calculate total file numbers, ret: %d\n",
                       __LINE__, total);
        return counted.cause;
    }
    // Read in part only: the file failed to be read (logged).
    if (counted.cause != FailureCause::kNone) return counted.cause;

    // Entries are written by names relative to the target, from inside it,
    // as bsdtar does with -C: the writer checks every component of a name
    // for symbolic links (and with UNLINK removes them), so it then checks
    // only what lies inside the target, never the home directory's own path
    // (a home reached through a link keeps its link), and once per component
    // instead of from "/" down. The target's canonical path is entered, so
    // it holds no links of its own.
    const ScopedMalloc<char> resolved(realpath(target.c_str_utf8(), nullptr));
    if (!resolved) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): Failed to resolve target '%s' (%s)\n", __LINE__,
                       target.c_str_utf8(), strerror(errno));
        return CauseOfSystemError(errno);
    }
    return Unpack({source, source_fd}, resolved.get(), total);
}

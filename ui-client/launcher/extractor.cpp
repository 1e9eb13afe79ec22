#include "extractor.h"

#include <errno.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <memory>
#include <string>

#include <archive.h>
#include <archive_entry.h>

#include <QString>

#include "adapter.h"
#include "file/scoped.h"
#include "log.h"
#include "texts/strtab.h"

namespace {

const char kComponent[] = "extractor_debug";
const size_t kBlockSize = 10240;

// Owners, permissions and times are not restored (modes pass through the
// umask). SECURE_NODOTDOT refuses ".." in entry names and hard-link targets.
// SECURE_SYMLINKS with UNLINK keeps an archive from writing through a link it
// made itself ("x -> /elsewhere" followed by "x/file"): the writer removes the
// link and creates a real directory instead. Absolute entry names need no flag
// of their own, as every name is put under the target.
const int kWriteOptions = ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_SYMLINKS |
                          ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_MAC_METADATA;

struct ReadFree {
    void operator()(struct archive *a) const { archive_read_free(a); }
};
struct WriteFree {
    void operator()(struct archive *a) const { archive_write_free(a); }
};
typedef std::unique_ptr<struct archive, ReadFree> Reader;
typedef std::unique_ptr<struct archive, WriteFree> Writer;

const char *ErrorText(struct archive *a) {
    const char *s = archive_error_string(a);
    return s ? s : "";
}

// The older name of archive_read_support_filter_all, kept by libarchive for
// compatibility and marked deprecated there.
void SupportAllCompressions(struct archive *a) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    archive_read_support_compression_all(a);
#pragma GCC diagnostic pop
}

// A reader over `source` with every filter and format, or null (logged).
Reader OpenForScan(const ustring &source) {
    Reader reader(archive_read_new());
    if (!reader) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): Allocate archive failed\n", __LINE__);
        return nullptr;
    }
    archive_read_support_filter_all(reader.get());
    archive_read_support_format_all(reader.get());
    if (archive_read_open_filename(reader.get(), source.c_str_utf8(), kBlockSize) != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n", __LINE__,
                       ErrorText(reader.get()));
        return nullptr;
    }
    return reader;
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
        : old_(open(".", O_PATH | O_DIRECTORY | O_CLOEXEC)) {
        entered_ = old_.valid() && chdir(dir) == 0;
    }
    // A working directory that can no longer be entered (its permissions
    // changed meanwhile) gives way to "/", which nothing after depends on.
    ~ScopedWorkingDirectory() {
        if (entered_ && fchdir(old_.get()) != 0 && chdir("/") != 0) {
        }
    }
    ScopedWorkingDirectory(const ScopedWorkingDirectory &) = delete;
    ScopedWorkingDirectory &operator=(const ScopedWorkingDirectory &) = delete;

    bool entered() const { return entered_; }

private:
    ScopedFd old_;
    bool entered_;
};

// An entry's name relative to the target: without leading slashes (an
// absolute name lands inside the target too); "." for the target itself.
std::string RelativeName(const char *name) {
    while (*name == '/') ++name;
    return *name ? name : ".";
}

// Whether the disk writer failed on the target's side: a system call that
// failed (no space, no permission, a file-size limit, an I/O error). Its own
// refusals of what an entry asks for (a ".." element, a path through a
// link) carry no system error number.
bool WriterFailedOnItsSide(struct archive *writer) { return archive_errno(writer) > 0; }

ExtractResult Failed(bool package_at_fault) {
    ExtractResult r;
    r.rc = -1;
    r.cause = package_at_fault ? FailureCause::kPackage : FailureCause::kDisk;
    return r;
}

}  // namespace

FailureCause CauseOfWriterError(int error, bool) {
    return error > 0 ? FailureCause::kDisk : FailureCause::kPackage;
}

Extractor::Extractor() {}

void Extractor::SetTarget(const ustring &path) { target = path; }

void Extractor::SetSource(const ustring &path) { source = path; }

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

int Extractor::Count() const { return Scan().entries; }

PackageScan Extractor::Scan() const {
    PackageScan scan;
    if (target.empty() || source.empty()) {
        Logger::LogMsg(Logger::L_ERR, kComponent, "[ERROR] extractor(%d): Invalid argument\n",
                       __LINE__);
        return scan;
    }
    Reader reader = OpenForScan(source);
    if (!reader) return scan;

    scan.entries = 0;
    struct archive_entry *entry = nullptr;
    while (archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK) {
        ++scan.entries;
        if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > 0)
            scan.bytes += archive_entry_size(entry);
        archive_read_data_skip(reader.get());
    }
    return scan;
}

int Extractor::List() const {
    if (target.empty() || source.empty()) {
        Logger::LogMsg(Logger::L_ERR, kComponent, "[ERROR] extractor(%d): Invalid argument\n",
                       __LINE__);
        return -1;
    }
    Reader reader = OpenForScan(source);
    if (!reader) return -1;

    struct archive_entry *entry = nullptr;
    while (archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK) {
        const char *name = archive_entry_pathname(entry);
        printf("%s\n", name ? name : "");
        fflush(stdout);
        archive_read_data_skip(reader.get());
    }
    archive_read_close(reader.get());
    return 0;
}

ExtractResult Extractor::Extract(const PackageScan *known) {
    bool package_at_fault = true;
    if (source.empty() || target.empty()) {
        Logger::LogMsg(Logger::L_ERR, kComponent, "[ERROR] extractor(%d): Invalid Argument\n",
                       __LINE__);
        return Failed(package_at_fault);
    }
    Logger::LogMsg(Logger::L_DEBUG, kComponent,
                   "[DEBUG] extractor(%d): decompress from '%s' to '%s'\n", __LINE__,
                   source.c_str_utf8(), target.c_str_utf8());
    Notify_Adapter::GetInstance().UpdateDialogText(
        StrTable::LoadStr(StrTable::desc_trwd_env_preparing));

    package_at_fault = true;
    const int total = known ? known->entries : Count();
    if (total <= 0) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): Failed to calculate total file numbers, ret: %d\n",
                       __LINE__, total);
        return Failed(package_at_fault);
    }

    // Entries are written by names relative to the target, from inside it,
    // as bsdtar does with -C: the writer checks every component of a name
    // for symbolic links (and with UNLINK removes them), so it then checks
    // only what lies inside the target, never the home directory's own path
    // (a home reached through a link keeps its link), and once per component
    // instead of from "/" down. The target's canonical path is entered, so
    // it holds no links of its own.
    ScopedMalloc<char> resolved(realpath(target.c_str_utf8(), nullptr));
    package_at_fault = false;
    if (!resolved) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): Failed to resolve target '%s' (%s)\n", __LINE__,
                       target.c_str_utf8(), strerror(errno));
        return Failed(package_at_fault);
    }

    // Declared first so that it is left last: the reader goes first, then the
    // writer, which sets the deferred directory modes as it is freed, by
    // their relative names, then the working directory is put back.
    std::unique_ptr<ScopedWorkingDirectory> inside;
    Writer writer;
    Reader reader(archive_read_new());
    if (!reader) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): Allocate extractor failed\n", __LINE__);
        return Failed(package_at_fault);
    }
    writer.reset(archive_write_disk_new());
    if (!writer) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): Allocate extractor failed\n", __LINE__);
        return Failed(package_at_fault);
    }

    archive_write_disk_set_options(writer.get(), kWriteOptions);
    SupportAllCompressions(reader.get());
    archive_read_support_format_all(reader.get());

    if (archive_read_open_filename(reader.get(), source.c_str_utf8(), kBlockSize) != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): Failed to read file '%s' ('%s')\n", __LINE__,
                       source.c_str_utf8(), ErrorText(reader.get()));
        return Failed(package_at_fault);
    }
    // The source is open: a relative source path was taken where it stood.
    inside.reset(new ScopedWorkingDirectory(resolved.get()));
    if (!inside->entered()) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] extractor(%d): Failed to enter target '%s' (%s)\n", __LINE__,
                       resolved.get(), strerror(errno));
        return Failed(package_at_fault);
    }

    // The dialog shows whole percents: an entry is reported only when it
    // moves the bar, so a package of 50,000 small files sends about a
    // hundred signals to the main thread instead of one per entry.
    int progress = 0;
    int shown_percent = -1;
    for (;;) {
        struct archive_entry *entry = nullptr;
        package_at_fault = true;
        const int r = archive_read_next_header(reader.get(), &entry);
        if (r == ARCHIVE_EOF) {
            ExtractResult ok;
            ok.rc = 0;
            ok.cause = FailureCause::kNone;
            return ok;
        }
        if (r != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] extractor(%d): archive_read_next_header failed: '%s'\n",
                           __LINE__, ErrorText(reader.get()));
            return Failed(package_at_fault);
        }

        const char *name = archive_entry_pathname(entry);
        if (!name) {
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] extractor(%d): archive_entry_pathname failed", __LINE__);
            return Failed(package_at_fault);
        }
        if (const char *why = Refusal(entry, name)) {
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] extractor(%d): refusing entry '%s': %s\n", __LINE__, name, why);
            return Failed(package_at_fault);
        }
        archive_entry_set_pathname(entry, RelativeName(name).c_str());
        // A hard link names another entry of the archive, relative to the
        // target as well. Symbolic-link bodies stay as they are.
        if (const char *link = archive_entry_hardlink(entry))
            archive_entry_set_hardlink(entry, RelativeName(link).c_str());

        if (archive_read_extract2(reader.get(), entry, writer.get()) != ARCHIVE_OK) {
            package_at_fault = !WriterFailedOnItsSide(writer.get());
            // The reader carries its own failure (a damaged package), or a
            // copy of the writer's; the writer's own text is the last resort.
            const char *why = ErrorText(reader.get());
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n", __LINE__,
                           *why ? why : ErrorText(writer.get()));
            return Failed(package_at_fault);
        }

        ++progress;
        const int percent = static_cast<int>(int64_t{progress} * 100 / total);
        if (percent != shown_percent) {
            shown_percent = percent;
            Notify_Adapter::GetInstance().UpdateProgress(total, progress);
        }

        if (archive_write_finish_entry(writer.get()) != ARCHIVE_OK) {
            package_at_fault = !WriterFailedOnItsSide(writer.get());
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] extractor(%d): archive_write_finish_entry failed: '%s'\n",
                           __LINE__, ErrorText(writer.get()));
            return Failed(package_at_fault);
        }
    }
}

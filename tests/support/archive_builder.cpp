#include "archive_builder.h"

#include <dirent.h>
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <memory>
#include <stdexcept>

#include <archive.h>
#include <archive_entry.h>

#include "test_support.h"

namespace testing_support {

namespace {

struct WriteFree {
    void operator()(struct archive *a) const { archive_write_free(a); }
};
struct EntryFree {
    void operator()(struct archive_entry *e) const { archive_entry_free(e); }
};
struct ResolverFree {
    void operator()(struct archive_entry_linkresolver *r) const {
        archive_entry_linkresolver_free(r);
    }
};
typedef std::unique_ptr<struct archive_entry, EntryFree> Entry;

bool Fail(struct archive *a, const char *what) {
    fprintf(stderr, "WriteArchive: %s: %s\n", what, archive_error_string(a));
    return false;
}

bool WriteOne(struct archive *a, struct archive_entry *e, const std::string *data) {
    if (archive_write_header(a, e) != ARCHIVE_OK) return Fail(a, "header");
    if (data && archive_entry_size(e) > 0 &&
        archive_write_data(a, data->data(), data->size()) != static_cast<ssize_t>(data->size()))
        return Fail(a, "data");
    return true;
}

}  // namespace

bool WriteArchive(const std::string &path, ArchiveFormat format,
                  const std::vector<ArchiveEntry> &entries) {
    std::unique_ptr<struct archive, WriteFree> a(archive_write_new());
    switch (format) {
        case ArchiveFormat::kTar:
            archive_write_set_format_pax_restricted(a.get());
            break;
        case ArchiveFormat::kTarGz:
            archive_write_set_format_pax_restricted(a.get());
            archive_write_add_filter_gzip(a.get());
            break;
        case ArchiveFormat::kZip:
            archive_write_set_format_zip(a.get());
            break;
        case ArchiveFormat::kCpio:
            archive_write_set_format_cpio_newc(a.get());
            break;
    }
    if (archive_write_open_filename(a.get(), path.c_str()) != ARCHIVE_OK)
        return Fail(a.get(), "open");

    std::unique_ptr<struct archive_entry_linkresolver, ResolverFree> resolver(
        archive_entry_linkresolver_new());
    archive_entry_linkresolver_set_strategy(resolver.get(), archive_format(a.get()));

    // Every file gets its own inode number; a hard link shares its target's,
    // and the link resolver turns that into what the format expects.
    std::map<std::string, int64_t> inodes;
    std::map<std::string, int> links;
    for (const ArchiveEntry &spec : entries)
        if (spec.type == ArchiveEntry::kHardlink) ++links[spec.body];
    std::map<const void *, const std::string *> data_of;

    int64_t next_ino = 100;
    for (const ArchiveEntry &spec : entries) {
        Entry e(archive_entry_new());
        archive_entry_set_pathname(e.get(), spec.path.c_str());
        archive_entry_set_mtime(e.get(), 1700000000, 0);
        archive_entry_set_dev(e.get(), 1);
        archive_entry_set_size(e.get(), 0);  // cpio wants a size on every entry
        const std::string *data = nullptr;
        switch (spec.type) {
            case ArchiveEntry::kFile:
                archive_entry_set_filetype(e.get(), AE_IFREG);
                archive_entry_set_perm(e.get(), spec.mode);
                archive_entry_set_size(e.get(), spec.body.size());
                inodes[spec.path] = next_ino;
                archive_entry_set_ino64(e.get(), next_ino++);
                archive_entry_set_nlink(e.get(), 1 + links[spec.path]);
                data = &spec.body;
                break;
            case ArchiveEntry::kDir:
                archive_entry_set_filetype(e.get(), AE_IFDIR);
                archive_entry_set_perm(e.get(), spec.mode);
                archive_entry_set_ino64(e.get(), next_ino++);
                archive_entry_set_nlink(e.get(), 2);
                break;
            case ArchiveEntry::kSymlink:
                archive_entry_set_filetype(e.get(), AE_IFLNK);
                archive_entry_set_perm(e.get(), 0777);
                archive_entry_set_symlink(e.get(), spec.body.c_str());
                archive_entry_set_ino64(e.get(), next_ino++);
                archive_entry_set_nlink(e.get(), 1);
                break;
            case ArchiveEntry::kHardlink: {
                const ArchiveEntry *target = nullptr;
                for (const ArchiveEntry &t : entries)
                    if (t.type == ArchiveEntry::kFile && t.path == spec.body) target = &t;
                if (!target || !inodes.count(spec.body)) {
                    // A link to a name the archive does not hold: stored as a
                    // bare link entry, which only tar can express.
                    archive_entry_set_filetype(e.get(), AE_IFREG);
                    archive_entry_set_perm(e.get(), 0644);
                    archive_entry_set_hardlink(e.get(), spec.body.c_str());
                    archive_entry_set_size(e.get(), 0);
                    if (!WriteOne(a.get(), e.get(), nullptr)) return false;
                    continue;
                }
                archive_entry_set_filetype(e.get(), AE_IFREG);
                archive_entry_set_perm(e.get(), target->mode);
                archive_entry_set_size(e.get(), target->body.size());
                archive_entry_set_ino64(e.get(), inodes[spec.body]);
                archive_entry_set_nlink(e.get(), 1 + links[spec.body]);
                data = &target->body;
                break;
            }
        }

        // The resolver may hold an entry back (cpio stores the data with the
        // last name of a file) and hand it out later as `sparse`.
        struct archive_entry *cur = e.release();
        struct archive_entry *deferred = nullptr;
        data_of[cur] = data;
        archive_entry_linkify(resolver.get(), &cur, &deferred);
        Entry owned_cur(cur), owned_deferred(deferred);
        if (cur && !WriteOne(a.get(), cur, data_of[cur])) return false;
        if (deferred && !WriteOne(a.get(), deferred, data_of[deferred])) return false;
    }
    for (;;) {
        struct archive_entry *cur = nullptr, *deferred = nullptr;
        archive_entry_linkify(resolver.get(), &cur, &deferred);
        Entry owned(deferred);
        if (!deferred) break;
        if (!WriteOne(a.get(), deferred, data_of[deferred])) return false;
    }
    if (archive_write_close(a.get()) != ARCHIVE_OK) return Fail(a.get(), "close");
    return true;
}

std::vector<ArchiveEntry> TreeEntries(const std::string &dir) {
    std::vector<ArchiveEntry> entries;
    std::vector<std::string> pending{""};
    while (!pending.empty()) {
        const std::string rel = pending.back();
        pending.pop_back();
        const std::string here = rel.empty() ? dir : dir + "/" + rel;
        std::unique_ptr<DIR, int (*)(DIR *)> d(opendir(here.c_str()), closedir);
        if (!d) throw std::runtime_error("opendir " + here);
        while (const dirent *e = readdir(d.get())) {
            const std::string name = e->d_name;
            if (name == "." || name == "..") continue;
            const std::string child = rel.empty() ? name : rel + "/" + name;
            const std::string full = dir + "/" + child;
            struct stat st;
            if (lstat(full.c_str(), &st) != 0) throw std::runtime_error("lstat " + full);
            const int mode = static_cast<int>(st.st_mode & 07777);
            if (S_ISDIR(st.st_mode)) {
                entries.push_back(DirEntry(child, mode));
                pending.push_back(child);
            } else if (S_ISLNK(st.st_mode)) {
                entries.push_back(SymlinkEntry(child, LinkText(full)));
            } else if (S_ISREG(st.st_mode)) {
                entries.push_back(FileEntry(child, ReadFile(full), mode));
            }
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const ArchiveEntry &a, const ArchiveEntry &b) { return a.path < b.path; });
    return entries;
}

std::vector<ArchiveEntry> ReadArchive(const std::string &path) {
    std::unique_ptr<struct archive, int (*)(struct archive *)> a(archive_read_new(),
                                                                 archive_read_free);
    archive_read_support_filter_all(a.get());
    archive_read_support_format_all(a.get());
    if (archive_read_open_filename(a.get(), path.c_str(), 10240) != ARCHIVE_OK)
        throw std::runtime_error("ReadArchive " + path + ": " + archive_error_string(a.get()));
    std::vector<ArchiveEntry> entries;
    struct archive_entry *e = nullptr;
    int r;
    while ((r = archive_read_next_header(a.get(), &e)) == ARCHIVE_OK) {
        std::string path_name = archive_entry_pathname(e);
        if (path_name.compare(0, 2, "./") == 0) path_name.erase(0, 2);
        if (path_name.empty() || path_name == ".") continue;
        if (!path_name.empty() && path_name.back() == '/') path_name.pop_back();
        const int mode = static_cast<int>(archive_entry_perm(e));
        if (archive_entry_filetype(e) == AE_IFDIR) {
            entries.push_back(DirEntry(path_name, mode));
        } else if (archive_entry_filetype(e) == AE_IFLNK) {
            entries.push_back(SymlinkEntry(path_name, archive_entry_symlink(e)));
        } else {
            std::string data;
            char buf[65536];
            ssize_t n;
            while ((n = archive_read_data(a.get(), buf, sizeof buf)) > 0)
                data.append(buf, static_cast<size_t>(n));
            entries.push_back(FileEntry(path_name, data, mode));
        }
    }
    if (r != ARCHIVE_EOF)
        throw std::runtime_error("ReadArchive " + path + ": " + archive_error_string(a.get()));
    return entries;
}

void WritePackage(const std::string &path, std::vector<ArchiveEntry> entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ArchiveEntry &a, const ArchiveEntry &b) { return a.path < b.path; });
    if (!WriteArchive(path, ArchiveFormat::kTarGz, entries))
        throw std::runtime_error("cannot write the package " + path);
}

}  // namespace testing_support

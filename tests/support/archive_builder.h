#ifndef TESTS_SUPPORT_ARCHIVE_BUILDER_H
#define TESTS_SUPPORT_ARCHIVE_BUILDER_H

#include <string>
#include <vector>

namespace testing_support {

// One entry of a fixture archive. The path is stored exactly as given, so
// hostile names ("../x", "/etc/x") can be written too.
struct ArchiveEntry {
    enum Type { kFile, kDir, kSymlink, kHardlink };
    Type type;
    std::string path;
    // File contents, or the target of a symbolic or hard link.
    std::string body;
    int mode;  // permission bits; ignored for links
};

inline ArchiveEntry FileEntry(const std::string &path, const std::string &data, int mode = 0644) {
    return {ArchiveEntry::kFile, path, data, mode};
}
inline ArchiveEntry DirEntry(const std::string &path, int mode = 0755) {
    return {ArchiveEntry::kDir, path, "", mode};
}
inline ArchiveEntry SymlinkEntry(const std::string &path, const std::string &target) {
    return {ArchiveEntry::kSymlink, path, target, 0777};
}
// A second name of the earlier file entry `target`; a target that is no
// file entry of the archive is stored as a bare tar link entry.
inline ArchiveEntry HardlinkEntry(const std::string &path, const std::string &target) {
    return {ArchiveEntry::kHardlink, path, target, 0};
}

enum class ArchiveFormat { kTar, kTarGz, kZip, kCpio };

// Writes `entries` in order to a new archive at `path` with libarchive's
// writer. Hard links are stored the way the format stores them (a link entry
// in tar, a shared inode number in cpio). Returns false, with the reason on
// standard error, when libarchive refuses.
bool WriteArchive(const std::string &path, ArchiveFormat format,
                  const std::vector<ArchiveEntry> &entries);

// The files, directories and symbolic links below `dir` (itself left out) as
// entries with paths relative to it, sorted by path, so that parents come
// before their children. Throws when the tree cannot be read.
std::vector<ArchiveEntry> TreeEntries(const std::string &dir);
// The entries of the archive at `path` with their data, in archive order.
// Throws when it cannot be read.
std::vector<ArchiveEntry> ReadArchive(const std::string &path);
// Writes `entries`, sorted by path, to a new gzip-compressed tar at `path`.
// Throws when libarchive refuses.
void WritePackage(const std::string &path, std::vector<ArchiveEntry> entries);

}  // namespace testing_support

#endif

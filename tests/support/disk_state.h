#ifndef TESTS_SUPPORT_DISK_STATE_H
#define TESTS_SUPPORT_DISK_STATE_H

#include <string>
#include <vector>

#include "test_support.h"

namespace testing_support {

// One sorted line per entry below `dir` (`dir` itself left out): the path
// relative to `dir`, the type, the permission and set-id bits; for regular
// files also the link count, size, modification time and a checksum of the
// contents; for symbolic links their target. Directory times and link counts
// are left out, as they change whenever an entry inside comes and goes.
// Entries at the absolute paths in `skip` are left out with everything below
// them. Two equal snapshots mean that nothing was written, replaced, linked
// to or changed in mode. With `times` false, link counts and modification
// times are left out: what a copy of the tree (an extracted one gets new
// times) must reproduce.
std::string TreeSnapshot(const std::string &dir, const std::vector<std::string> &skip = {},
                         bool times = true);

// Paths below `dir`, relative to it, of entries with the set-user-id or the
// set-group-id bit.
std::vector<std::string> SetIdEntries(const std::string &dir);

// Paths below `dir`, relative to it, of device nodes, FIFOs and sockets.
std::vector<std::string> SpecialFiles(const std::string &dir);

// A tmpfs of a given size mounted on an existing directory for the object's
// lifetime. The mount is made in a mount namespace of this process's own
// (when the system lets it make one), so that it goes away with the process
// even if the test dies, and other processes never see it; child processes
// started afterwards do.
class ScopedTmpfs {
public:
    // `size` as mount(8) takes it ("2m"); `inodes`: how many it holds, or
    // empty for the default.
    ScopedTmpfs(const std::string &dir, const std::string &size, const std::string &inodes = "");
    ~ScopedTmpfs();
    ScopedTmpfs(const ScopedTmpfs &) = delete;
    ScopedTmpfs &operator=(const ScopedTmpfs &) = delete;

    bool mounted() const { return mounted_; }
    // Why the mount failed; empty when mounted.
    const std::string &error() const { return error_; }

private:
    std::string dir_;
    bool mounted_;
    std::string error_;
};

// Points TMPDIR at a fresh tmpfs for the object's lifetime, so that the
// TempDirs made meanwhile, and launcher installations inside them, live in
// memory: tests with thousands of files then depend neither on the disk's
// speed nor on other writers' dirty data. Where mounting is not allowed,
// TMPDIR points at a plain directory instead.
class MemoryScratch {
public:
    MemoryScratch();
    MemoryScratch(const MemoryScratch &) = delete;
    MemoryScratch &operator=(const MemoryScratch &) = delete;

    bool in_memory() const { return tmpfs_.mounted(); }

private:
    TempDir base_;
    ScopedTmpfs tmpfs_;
    ScopedEnv tmpdir_;
};

}  // namespace testing_support

#endif

#include "disk_state.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <sched.h>
#include <string.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <stdexcept>

#include "file/scoped.h"
#include "test_support.h"

namespace testing_support {

namespace {

// FNV-1a over the file's bytes; "-" when it cannot be read.
std::string Checksum(const std::string &path) {
    const ScopedFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) return "-";
    uint64_t h = 1469598103934665603ull;
    char buf[65536];
    ssize_t n;
    while ((n = read(fd.get(), buf, sizeof buf)) > 0)
        for (ssize_t i = 0; i < n; ++i)
            h = (h ^ static_cast<unsigned char>(buf[i])) * 1099511628211ull;
    char text[17];
    snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

char TypeLetter(mode_t mode) {
    if (S_ISREG(mode)) return 'f';
    if (S_ISDIR(mode)) return 'd';
    if (S_ISLNK(mode)) return 'l';
    if (S_ISCHR(mode)) return 'c';
    if (S_ISBLK(mode)) return 'b';
    if (S_ISFIFO(mode)) return 'p';
    if (S_ISSOCK(mode)) return 's';
    return '?';
}

// Calls `visit(relative path, lstat)` for every entry below `dir`, parents
// before children, without following symbolic links.
void Walk(const std::string &dir, const std::string &rel, const std::vector<std::string> &skip,
          const std::function<void(const std::string &, const struct stat &)> &visit) {
    std::vector<std::string> names;
    const std::string here = rel.empty() ? dir : dir + "/" + rel;
    ScopedDir d(opendir(here.c_str()));
    while (const dirent *e = d ? readdir(d.get()) : nullptr) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    for (const std::string &name : names) {
        const std::string child_rel = rel.empty() ? name : rel + "/" + name;
        const std::string child = dir + "/" + child_rel;
        if (std::find(skip.begin(), skip.end(), child) != skip.end()) continue;
        struct stat st;
        if (lstat(child.c_str(), &st) != 0) continue;
        visit(child_rel, st);
        if (S_ISDIR(st.st_mode)) Walk(dir, child_rel, skip, visit);
    }
}

}  // namespace

std::string TreeSnapshot(const std::string &dir, const std::vector<std::string> &skip, bool times) {
    std::string snapshot;
    Walk(dir, "", skip, [&](const std::string &rel, const struct stat &st) {
        char line[256];
        snprintf(line, sizeof line, " %c %05o", TypeLetter(st.st_mode),
                 static_cast<unsigned>(st.st_mode & 07777));
        snapshot += rel + line;
        if (S_ISREG(st.st_mode)) {
            if (times) {
                snprintf(line, sizeof line, " n%lu t%lld.%09ld",
                         static_cast<unsigned long>(st.st_nlink),
                         static_cast<long long>(st.st_mtim.tv_sec), st.st_mtim.tv_nsec);
                snapshot += line;
            }
            snprintf(line, sizeof line, " s%lld ", static_cast<long long>(st.st_size));
            snapshot += line + Checksum(dir + "/" + rel);
        } else if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n = readlink((dir + "/" + rel).c_str(), target, sizeof target);
            snapshot += " -> " + std::string(target, n > 0 ? static_cast<size_t>(n) : 0);
        } else if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) {
            snprintf(line, sizeof line, " %u,%u", major(st.st_rdev), minor(st.st_rdev));
            snapshot += line;
        }
        snapshot += "\n";
    });
    return snapshot;
}

std::vector<std::string> SetIdEntries(const std::string &dir) {
    std::vector<std::string> found;
    Walk(dir, "", {}, [&](const std::string &rel, const struct stat &st) {
        if (st.st_mode & (S_ISUID | S_ISGID)) found.push_back(rel);
    });
    return found;
}

std::vector<std::string> SpecialFiles(const std::string &dir) {
    std::vector<std::string> found;
    Walk(dir, "", {}, [&](const std::string &rel, const struct stat &st) {
        if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) || S_ISFIFO(st.st_mode) ||
            S_ISSOCK(st.st_mode))
            found.push_back(rel);
    });
    return found;
}

ScopedTmpfs::ScopedTmpfs(const std::string &dir, const std::string &size, const std::string &inodes)
    : dir_(dir), mounted_(false) {
    // Once per process: a mount namespace of its own whose mounts do not
    // propagate back to the system's.
    static const bool private_namespace =
        unshare(CLONE_NEWNS) == 0 && mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    (void)private_namespace;
    const std::string options =
        "size=" + size + ",mode=0755" + (inodes.empty() ? "" : ",nr_inodes=" + inodes);
    if (mount("tmpfs", dir.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0)
        mounted_ = true;
    else
        error_ = "mount -t tmpfs on " + dir + ": " + strerror(errno);
}

ScopedTmpfs::~ScopedTmpfs() {
    if (mounted_ && umount2(dir_.c_str(), MNT_DETACH) != 0)
        fprintf(stderr, "ScopedTmpfs: umount %s: %s\n", dir_.c_str(), strerror(errno));
}

MemoryScratch::MemoryScratch() : tmpfs_(base_.path(), "2g"), tmpdir_("TMPDIR", base_.path()) {}

}  // namespace testing_support

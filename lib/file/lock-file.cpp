#include "file/lock-file.h"

#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <thread>
#include <utility>

#include "file/file-op.h"
#include "file/scoped.h"

namespace {

// How long a folder's lock is waited for: its holders only replace one entry.
const std::chrono::milliseconds kFolderLockWait(2000);

bool IsOwnFile(const struct stat64 &st) { return S_ISREG(st.st_mode) && st.st_uid == geteuid(); }

// What stands at a lock file's name.
enum class AtName { kNothing, kOwnFile, kOther, kUnknown };

AtName LookAt(int dirfd, const char *name) {
    struct stat64 st;
    if (fstatat64(dirfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? AtName::kNothing : AtName::kUnknown;
    if (!IsOwnFile(st)) return AtName::kOther;
    // A file of the caller's that the caller cannot open is opened up
    // rather than replaced: another process may hold it.
    if ((st.st_mode & 0600) != 0600)
        fchmodat(dirfd, name, (st.st_mode & 07777) | 0600, AT_SYMLINK_NOFOLLOW);
    return AtName::kOwnFile;
}

// Opens the regular file of the caller's own at `name`, creating it when
// missing. -1 with errno; EEXIST when something else stands there.
int OpenOwnFile(int dirfd, const char *name) {
    ScopedFd fd(openat(dirfd, name,
                       O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600));
    struct stat64 st;
    if (!fd.valid() || fstat64(fd.get(), &st) != 0) return -1;
    if (!IsOwnFile(st)) {
        errno = EEXIST;
        return -1;
    }
    return fd.release();
}

// Removes what stands at `name` in `dir` unless, under the folder's lock,
// it has become a lock file of the caller's own meanwhile. 0, or -1 with
// errno.
int ReplaceOther(int dirfd, const std::string &dir, const char *name) {
    ScopedFd guard(openat(dirfd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // A file system without locks on folders (some network file systems)
    // leaves the replacement unguarded.
    if (guard.valid() && TakeLock(guard.get(), kFolderLockWait) == LockTake::kHeld) {
        errno = EWOULDBLOCK;
        return -1;
    }
    struct stat64 st;
    if (fstatat64(dirfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) return errno == ENOENT ? 0 : -1;
    if (IsOwnFile(st)) return 0;
    if (S_ISDIR(st.st_mode)) return FSRemove((dir + "/" + name).c_str()) == 0 ? 0 : -1;
    return unlinkat(dirfd, name, 0);
}

}  // namespace

OpenedLockFile OpenLockFile(const std::string &dir, const std::string &name) {
    const std::string path = dir + "/" + name;
    ScopedFd dirfd(open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dirfd.valid()) return {ScopedFd(), dir + ": " + strerror(errno)};
    // Another caller may replace the same object at the same time: a few
    // rounds settle it.
    std::string error;
    for (int round = 0; round < 3; ++round) {
        const AtName at = LookAt(dirfd.get(), name.c_str());
        if (at == AtName::kOther && ReplaceOther(dirfd.get(), dir, name.c_str()) != 0)
            return {ScopedFd(), path + ": cannot replace it: " + strerror(errno)};
        ScopedFd fd(OpenOwnFile(dirfd.get(), name.c_str()));
        if (fd.valid()) return {std::move(fd), std::string()};
        const int why = errno;
        error = path + ": " + strerror(why);
        // Anything but something else standing at the name will not pass.
        if (why != EEXIST && why != ELOOP && why != EISDIR && why != EACCES) break;
    }
    return {ScopedFd(), error};
}

LockTake TakeLock(int fd, std::chrono::milliseconds wait) {
    const auto end = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) return LockTake::kTaken;
        if (errno != EWOULDBLOCK) return LockTake::kFailed;
        if (std::chrono::steady_clock::now() >= end) return LockTake::kHeld;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

#ifndef LIB_FILE_SCOPED_H
#define LIB_FILE_SCOPED_H

#include <dirent.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

// Owners of C handles: each closes or frees what it holds when it goes away,
// on every path, and keeps errno as it was, so that the failure that made a
// caller return stays reportable. Where the result of a sync or a close
// matters (data that must be on disk), call Sync() or Close() and check it:
// a destructor cannot report.

// Owns one file descriptor (-1: none).
class ScopedFd {
public:
    explicit ScopedFd(int fd = -1) : fd_(fd) {}
    ~ScopedFd() {
        if (fd_ < 0) return;
        const int saved_errno = errno;
        close(fd_);
        errno = saved_errno;
    }
    ScopedFd(const ScopedFd &) = delete;
    ScopedFd &operator=(const ScopedFd &) = delete;
    // Moving hands the descriptor over; the source then holds none.
    ScopedFd(ScopedFd &&other) noexcept : fd_(other.release()) {}
    ScopedFd &operator=(ScopedFd &&other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Gives the descriptor up to the caller, who then owns it.
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    // Closes what it holds (keeping errno) and takes `fd` instead.
    void reset(int fd = -1) {
        if (fd_ >= 0) {
            const int saved_errno = errno;
            close(fd_);
            errno = saved_errno;
        }
        fd_ = fd;
    }
    // fsync(2): 0, or -1 with errno.
    int Sync() const { return fsync(fd_); }
    // Closes now: 0, or -1 with errno (the descriptor is gone either way).
    int Close() {
        const int rc = close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

// Releases a handle with `Release`, keeping errno.
template <typename T, int (*Release)(T *)>
struct ErrnoKeepingCloser {
    void operator()(T *handle) const {
        const int saved_errno = errno;
        Release(handle);
        errno = saved_errno;
    }
};
// Owns a directory stream.
typedef std::unique_ptr<DIR, ErrnoKeepingCloser<DIR, closedir>> ScopedDir;
// Owns a stdio stream that nothing else closes.
typedef std::unique_ptr<FILE, ErrnoKeepingCloser<FILE, fclose>> ScopedFile;

struct FreeDeleter {
    void operator()(void *p) const { free(p); }
};
// Owns a buffer from malloc, strdup or realpath(path, nullptr).
template <typename T>
using ScopedMalloc = std::unique_ptr<T, FreeDeleter>;

// Sets the process umask and puts the old one back when it goes away. The
// umask is process-wide: only for code that no other thread races.
class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : old_(umask(mask)) {}
    ~ScopedUmask() { umask(old_); }
    ScopedUmask(const ScopedUmask &) = delete;
    ScopedUmask &operator=(const ScopedUmask &) = delete;

private:
    mode_t old_;
};

#endif

#ifndef LIB_FILE_LOCK_FILE_H
#define LIB_FILE_LOCK_FILE_H

#include <chrono>
#include <string>

#include "file/scoped.h"

// Lock files in a folder of the caller's own, held with flock(2).

// An opened lock file, or why there is none.
struct OpenedLockFile {
    ScopedFd fd;        // close-on-exec; invalid when the file could not be opened
    std::string error;  // why not, naming the path; empty when `fd` is valid
};

// Opens the lock file `name` in the folder `dir` (a link to a folder
// counts), creating it as a regular file of the caller's with mode 0600.
// What stands at the name and is not a regular file of the caller's own (a
// link, dangling or not, a FIFO, a folder, a device, a file of another user)
// is replaced, never followed or opened. A file of the caller's own is kept
// whatever its mode (a closed one is opened up), since a live process may
// hold it. Replacements are made under a lock of the folder itself, so that
// two callers never replace what the other has just made.
OpenedLockFile OpenLockFile(const std::string &dir, const std::string &name);

// How TakeLock ended.
enum class LockTake {
    kTaken,   // the caller holds the lock until it closes the descriptor
    kHeld,    // another process held it throughout the wait
    kFailed,  // the lock cannot be taken at all: errno says why
};

// Takes an exclusive flock on `fd`, trying again until `wait` has passed
// while another process holds it.
LockTake TakeLock(int fd, std::chrono::milliseconds wait);

#endif

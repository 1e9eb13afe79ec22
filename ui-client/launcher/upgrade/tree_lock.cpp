#include "upgrade/tree_lock.h"

#include <errno.h>
#include <string.h>

#include <utility>

#include "file/file-op.h"
#include "file/lock-file.h"

TreeLock::TreeLock(const ustring &user_dir, std::chrono::milliseconds wait) {
    if (FSMKDirP(user_dir) != 0) {
        error_ = std::string("cannot create ") + user_dir.c_str() + ": " + strerror(errno);
        return;
    }
    OpenedLockFile opened = OpenLockFile(user_dir.c_str(), ".tree.lock");
    if (!opened.fd.valid()) {
        error_ = opened.error;
        return;
    }
    switch (TakeLock(opened.fd.get(), wait)) {
        case LockTake::kTaken:
            fd_ = std::move(opened.fd);
            return;
        case LockTake::kHeld:
            error_ = "another launcher has held it for " +
                     std::to_string(static_cast<long long>(wait.count() / 1000)) + " seconds";
            return;
        case LockTake::kFailed:
            error_ = strerror(errno);
            return;
    }
}

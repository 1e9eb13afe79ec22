#ifndef UI_CLIENT_LAUNCHER_UPGRADE_TREE_LOCK_H
#define UI_CLIENT_LAUNCHER_UPGRADE_TREE_LOCK_H

#include <chrono>
#include <string>

#include "file/scoped.h"
#include "ustring/ustring.h"

// The lock of a user's tree, "<user install>/.tree.lock": every change to
// the tree (an upgrade, backups and aged folders removed) is made while it
// is held, so that launchers that are not one instance of each other (the
// same installation reached by two paths, a second copy of the launcher)
// never change one tree at once. The kernel drops it when the process ends
// in any way.
class TreeLock {
public:
    // Takes the lock of the tree `user_dir` (created when missing), waiting
    // at most `wait` while another launcher holds it.
    TreeLock(const ustring &user_dir, std::chrono::milliseconds wait);
    TreeLock(const TreeLock &) = delete;
    TreeLock &operator=(const TreeLock &) = delete;

    // Whether this object holds the lock; it does until it goes away.
    bool held() const { return fd_.valid(); }
    // Why it does not; empty when it does.
    const std::string &error() const { return error_; }

private:
    ScopedFd fd_;
    std::string error_;
};

#endif

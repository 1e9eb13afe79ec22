#ifndef UI_CLIENT_LAUNCHER_QTSINGLEAPPLICATION_H
#define UI_CLIENT_LAUNCHER_QTSINGLEAPPLICATION_H

#include <QApplication>

// A QApplication that knows whether another process of the same user already
// runs the same executable (its resolved file path).
//
// The first instance holds an exclusive flock on a per-user lock file; the
// kernel drops the lock when the process ends in any way, so a crashed or
// killed instance never blocks the next one. The lock file lives in
// $XDG_RUNTIME_DIR, or, when that is unset or unusable, in a 0700 directory
// /tmp/tarrowind-launcher-<uid>. Symbolic links are never followed there, and
// a directory or file that belongs to another user is never trusted: the
// instance then counts as the only one.
class QtSingleApplication : public QApplication {
    Q_OBJECT

public:
    // Takes the lock. `GUIenabled` must be true.
    QtSingleApplication(int &argc, char **argv, bool GUIenabled = true);
    ~QtSingleApplication() override;

    // True when another instance held the lock at construction.
    bool isRunning() const;

private:
    int lock_fd_;
    bool running_;
};

#endif

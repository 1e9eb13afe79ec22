#ifndef UI_CLIENT_LAUNCHER_STARTUP_QTSINGLEAPPLICATION_H
#define UI_CLIENT_LAUNCHER_STARTUP_QTSINGLEAPPLICATION_H

#include <memory>
#include <string>

#include <QApplication>

class ScopedFd;

// A QApplication that knows whether another process of the same user already
// runs the same executable (its resolved file path).
//
// The first instance holds an exclusive flock on the lock file of its user
// and executable, <home>/.TarrowindBackup/.launcher-<digest>.lock; the kernel
// drops the lock when the process ends in any way, so a crashed or killed
// instance never blocks the next one. The file lies in the user's own folder,
// so launchers whose environments differ (a desktop session, su, cron) find
// the same lock, and no other user can take it away. Whatever else stands at
// the lock's name (a link, a FIFO, a folder, a file of another user) is
// replaced, never used (OpenLockFile).
class QtSingleApplication : public QApplication {
    Q_OBJECT

public:
    // Takes the lock. `GUIenabled` must be true.
    QtSingleApplication(int &argc, char **argv, bool GUIenabled = true);
    ~QtSingleApplication() override;

    // True when another instance held the lock at construction.
    bool isRunning() const;
    // Why the lock could not be taken at all (neither this instance nor
    // another holds it); empty when it could.
    const std::string &lockError() const;

private:
    // The lock file, held open while the lock is ours; null when not.
    std::unique_ptr<ScopedFd> lock_fd_;
    bool running_;
    std::string lock_error_;
};

#endif

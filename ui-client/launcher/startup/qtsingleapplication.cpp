#include "startup/qtsingleapplication.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>
#include <utility>

#include <QByteArray>
#include <QCryptographicHash>

#include "file/file-op.h"
#include "file/lock-file.h"
#include "file/scoped.h"
#include "tarrowind-service.h"

namespace {

// The name of the lock file of this user and executable, ".launcher-<digest>.lock".
std::string InstanceLockName(const QString &executable) {
    const QByteArray id =
        QCryptographicHash::hash(executable.toUtf8() + "\n" + QByteArray::number(getuid()),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return std::string(".launcher-") + id.constData() + ".lock";
}

// Opens (creating it and its folder) the lock file `name` in `dir`, the
// folder that only this user owns, whatever the environment says about
// runtime folders.
OpenedLockFile OpenInstanceLock(const ustring &dir, const std::string &name) {
    if (FSMKDirP(dir) != 0)
        return {ScopedFd(), std::string("cannot create ") + dir.c_str() + ": " + strerror(errno)};
    return OpenLockFile(dir.c_str(), name);
}

}  // namespace

// Qt 5's QApplication is always a GUI application; `GUIenabled` is kept for
// callers written against the older interface and must be true.
QtSingleApplication::QtSingleApplication(int &argc, char **argv, bool GUIenabled)
    : QApplication(argc, argv), running_(false) {
    Q_ASSERT(GUIenabled);
    Q_UNUSED(GUIenabled);
    const ustring dir = Service::GetUserTarrowindInstallPath();
    const std::string name = InstanceLockName(applicationFilePath());
    OpenedLockFile opened = OpenInstanceLock(dir, name);
    lock_error_ = std::move(opened.error);
    lock_fd_.reset(new ScopedFd(std::move(opened.fd)));
    if (!lock_fd_->valid()) return;
    switch (TakeLock(lock_fd_->get(), std::chrono::milliseconds(0))) {
        case LockTake::kTaken:
            break;
        case LockTake::kHeld:
            running_ = true;
            break;
        case LockTake::kFailed:
            lock_error_ = std::string(dir.c_str()) + "/" + name + ": " + strerror(errno);
            lock_fd_.reset();
            break;
    }
}

QtSingleApplication::~QtSingleApplication() {}

bool QtSingleApplication::isRunning() const { return running_; }

const std::string &QtSingleApplication::lockError() const { return lock_error_; }

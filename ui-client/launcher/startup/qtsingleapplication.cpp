#include "startup/qtsingleapplication.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <string>

#include <QByteArray>
#include <QCryptographicHash>

#include "file/file-op.h"
#include "file/lock-file.h"
#include "file/scoped.h"
#include "tarrowind-service.h"

namespace {

// Opens (creating it) the lock file of this user and executable, and returns
// its descriptor for the application object to own:
// <home>/.TarrowindBackup/.launcher-<digest>.lock, in the folder that only
// this user owns, whatever the environment says about runtime folders. Its
// path goes to `path`. -1 with `error` set when it cannot be opened safely.
int OpenInstanceLock(const QString &executable, std::string &path, std::string &error) {
    const ustring dir = Service::GetUserTarrowindInstallPath();
    const QByteArray id =
        QCryptographicHash::hash(executable.toUtf8() + "\n" + QByteArray::number(getuid()),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    const std::string name = std::string(".launcher-") + id.constData() + ".lock";
    path = std::string(dir.c_str()) + "/" + name;
    if (FSMKDirP(dir) != 0) {
        error = std::string("cannot create ") + dir.c_str() + ": " + strerror(errno);
        return -1;
    }
    return OpenLockFile(dir.c_str(), name, error);
}

}  // namespace

// Qt 5's QApplication is always a GUI application; `GUIenabled` is kept for
// callers written against the older interface and must be true.
QtSingleApplication::QtSingleApplication(int &argc, char **argv, bool GUIenabled)
    : QApplication(argc, argv), running_(false) {
    Q_ASSERT(GUIenabled);
    Q_UNUSED(GUIenabled);
    std::string path;
    lock_fd_.reset(new ScopedFd(OpenInstanceLock(applicationFilePath(), path, lock_error_)));
    if (!lock_fd_->valid()) return;
    switch (TakeLock(lock_fd_->get(), std::chrono::milliseconds(0))) {
        case LockTake::kTaken:
            break;
        case LockTake::kHeld:
            running_ = true;
            break;
        case LockTake::kFailed:
            lock_error_ = path + ": " + strerror(errno);
            lock_fd_.reset();
            break;
    }
}

QtSingleApplication::~QtSingleApplication() {}

bool QtSingleApplication::isRunning() const { return running_; }

const std::string &QtSingleApplication::lockError() const { return lock_error_; }

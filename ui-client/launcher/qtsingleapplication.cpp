#include "qtsingleapplication.h"

#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include <QByteArray>
#include <QCryptographicHash>

namespace {

// Whether `dir` is a real directory (not a link) of this user that nobody
// else may write to.
bool IsPrivateDirectory(const std::string &dir) {
    struct stat st;
    return lstat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() &&
           (st.st_mode & 0022) == 0;
}

// The directory for the lock file; empty when none can be trusted.
std::string LockDirectory() {
    const char *runtime = getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/' && IsPrivateDirectory(runtime)) return runtime;
    const std::string dir = "/tmp/tarrowind-launcher-" + std::to_string(getuid());
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return std::string();
    return IsPrivateDirectory(dir) ? dir : std::string();
}

// Opens (creating it) the lock file of this user and executable. -1 when it
// cannot be opened safely.
int OpenLockFile(const QString &executable) {
    const std::string dir = LockDirectory();
    if (dir.empty()) return -1;
    const QByteArray id =
        QCryptographicHash::hash(executable.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const std::string path = dir + "/tarrowind-launcher-" + std::to_string(getuid()) + "-" +
                             id.constData() + ".lock";
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != getuid()) {
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

// Qt 5's QApplication is always a GUI application; `GUIenabled` is kept for
// callers written against the older interface and must be true.
QtSingleApplication::QtSingleApplication(int &argc, char **argv, bool GUIenabled)
    : QApplication(argc, argv), lock_fd_(-1), running_(false) {
    Q_ASSERT(GUIenabled);
    Q_UNUSED(GUIenabled);
    lock_fd_ = OpenLockFile(applicationFilePath());
    if (lock_fd_ >= 0 && flock(lock_fd_, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        running_ = true;
}

QtSingleApplication::~QtSingleApplication() {
    if (lock_fd_ >= 0) close(lock_fd_);
}

bool QtSingleApplication::isRunning() const { return running_; }

// A stand-in for the Tarrowind Backup client, for the launcher's demo and
// end-to-end tests. It records its pid in <home>/.TarrowindBackup/ui.pid as
// "pid=N", shows a small window with its build number when a display is
// available (runs without one otherwise), and ends cleanly on SIGTERM.
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QSettings>
#include <QSocketNotifier>
#include <memory>

namespace {

int g_term_pipe[2];

void OnTerm(int) {
    const char c = 1;
    ssize_t ignored = write(g_term_pipe[1], &c, 1);
    (void)ignored;
}

bool HasDisplay() {
    const char *platform = getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    return (getenv("DISPLAY") && *getenv("DISPLAY")) ||
           (getenv("WAYLAND_DISPLAY") && *getenv("WAYLAND_DISPLAY"));
}

// By the bytes of HOME: a home directory's name need not be UTF-8.
std::string UserDir() {
    const char *home = getenv("HOME");
    return std::string(home && *home ? home : "") + "/.TarrowindBackup";
}
std::string PidFile() { return UserDir() + "/ui.pid"; }

// Replaces the pid file; anything but a regular file there goes first, so
// that the client never blocks on a FIFO or writes through a link.
void WritePidFile() {
    mkdir(UserDir().c_str(), 0777);
    struct stat st;
    if (lstat(PidFile().c_str(), &st) == 0 && !S_ISREG(st.st_mode)) unlink(PidFile().c_str());
    const int fd =
        open(PidFile().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0) return;
    const std::string text = "pid=" + std::to_string(getpid()) + "\n";
    ssize_t ignored = write(fd, text.data(), text.size());
    (void)ignored;
    close(fd);
}

}  // namespace

int main(int argc, char **argv) {
    // A DISPLAY naming no server must not abort the client: it then runs
    // without its window.
    const bool display = HasDisplay();
    if (display && !getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "xcb;offscreen", 1);
    std::unique_ptr<QCoreApplication> app;
    if (display)
        app.reset(new QApplication(argc, argv));
    else
        app.reset(new QCoreApplication(argc, argv));

    const QString build =
        QSettings(QCoreApplication::applicationDirPath() + "/../INFO", QSettings::IniFormat)
            .value("Version/build_version", "?")
            .toString();

    if (socketpair(AF_UNIX, SOCK_STREAM, 0, g_term_pipe) != 0) return 1;
    QSocketNotifier term(g_term_pipe[0], QSocketNotifier::Read);
    QObject::connect(&term, &QSocketNotifier::activated, [] { QCoreApplication::quit(); });
    signal(SIGTERM, OnTerm);

    WritePidFile();

    std::unique_ptr<QLabel> window;
    if (qobject_cast<QApplication *>(app.get())) {
        window.reset(new QLabel(QString("Tarrowind Backup is running.\nBuild %1").arg(build)));
        window->setWindowTitle("Tarrowind Backup");
        window->setMargin(24);
        window->show();
    }
    printf("tarrowind-backup-ui: build %s running as pid %d\n", build.toUtf8().constData(),
           static_cast<int>(getpid()));
    fflush(stdout);

    const int ret = app->exec();
    unlink(PidFile().c_str());
    return ret;
}

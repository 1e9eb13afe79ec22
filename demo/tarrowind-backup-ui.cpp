// A stand-in for the Tarrowind Backup client, for the launcher's demo and
// end-to-end tests. It records its pid in <home>/.TarrowindBackup/ui.pid as
// "pid=N", shows a small window with its build number when a display is
// available (runs without one otherwise), and ends cleanly on SIGTERM.
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

QString PidFile() { return QDir::homePath() + "/.TarrowindBackup/ui.pid"; }

}  // namespace

int main(int argc, char **argv) {
    std::unique_ptr<QCoreApplication> app;
    if (HasDisplay())
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

    QFile pid(PidFile());
    if (QDir().mkpath(QDir::homePath() + "/.TarrowindBackup") &&
        pid.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        pid.write(QString("pid=%1\n").arg(getpid()).toUtf8());
        pid.close();
    }

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
    QFile::remove(PidFile());
    return ret;
}

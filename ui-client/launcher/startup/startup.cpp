#include "startup/startup.h"

#include <errno.h>
#include <limits.h>
#include <locale.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include "VeltLocale.h"
#include "startup/command_line.h"
#include "file/file-op.h"
#include "launcher.h"
#include "linux/linux-service.h"
#include "log.h"
#include "startup/platform_choice.h"
#include "startup/qtsingleapplication.h"
#include "tarrowind-service.h"
#include "texts/strtab.h"

int qInitResources_texts();

QString ExecutablePath(const char *bin) {
    struct stat st;
    const bool bare = strchr(bin, '/') == nullptr;
    if (bare || (lstat(bin, &st) == 0 && S_ISLNK(st.st_mode))) {
        char real[PATH_MAX];
        if (realpath("/proc/self/exe", real)) return QString::fromUtf8(real);
    }
    return QString::fromUtf8(bin);
}

namespace {

void initialize_resources(const char *bin) {
    setlocale(LC_ALL, "");
    qInitResources_texts();
    // The first ".." cancels the file name, the second leaves bin/.
    const QString path = QDir::cleanPath(ExecutablePath(bin) + "/../../lib/plugins");
    QStringList paths{path};
    // Without bundled platform plugins the toolkit's own stay usable, so the
    // launcher can still start.
    if (!QFileInfo(path + "/platforms").isDir())
        paths << QLibraryInfo::location(QLibraryInfo::PluginsPath);
    QCoreApplication::setLibraryPaths(paths);
    printf("lib path = '%s'\n", path.toUtf8().constData());
    fflush(stdout);
}

void initialize_logger() {
    const ustring log_level = Service::GetRootTarrowindInstallPath() + "/log/launcher.debug";
    const ustring log_folder_path = Service::GetUserTarrowindInstallPath() + "/log";
    // By its bytes: the home directory's name need not be UTF-8.
    if (FSMKDirP(log_folder_path) != 0) return;
    Logger::Initialize(Logger::FILE_LOGGER, log_folder_path + "/launcher.log", log_level, 50);
}

// Writes past a file-size limit (ulimit -f) must fail as ordinary write
// errors (EFBIG), which the upgrade rolls back, instead of killing the
// launcher halfway. A caught signal, unlike an ignored one, is back at its
// default action in the programs the launcher starts.
void OnFileSizeLimit(int) {}

void CatchFileSizeLimit() {
    struct sigaction action;
    memset(&action, 0, sizeof action);
    action.sa_handler = OnFileSizeLimit;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGXFSZ, &action, nullptr);
}

}  // namespace

namespace {

// Why the entry `path`, as `st` describes it, lets someone but root change
// what lies below it; empty when nothing does.
std::string UnsafeLevel(const std::string &path, const struct stat64 &st) {
    if (st.st_uid != 0) return "'" + path + "' belongs to uid " + std::to_string(st.st_uid);
    const bool others_write =
        (st.st_mode & S_IWOTH) != 0 || ((st.st_mode & S_IWGRP) != 0 && st.st_gid != 0);
    if (S_ISDIR(st.st_mode) && others_write && (st.st_mode & S_ISVTX) == 0)
        return "'" + path + "' may be written by other users";
    return "";
}

std::string ParentOf(const std::string &path) {
    const size_t slash = path.rfind('/');
    return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

// UnsafeLevel of `path` and of every folder above it up to "/", each looked
// at itself (a link is not followed); missing levels are skipped.
std::string UnsafeChain(std::string path) {
    for (;;) {
        struct stat64 st;
        if (lstat64(path.c_str(), &st) == 0) {
            const std::string reason = UnsafeLevel(path, st);
            if (!reason.empty()) return reason;
        }
        if (path == "/" || path.empty()) return "";
        path = ParentOf(path);
    }
}

}  // namespace

std::string ForeignHomeReason(const ustring &home) {
    if (geteuid() != 0) return "";
    const std::string reason = UnsafeChain(home.c_str());
    if (!reason.empty()) return reason;
    // Links on the way lead elsewhere: the folders they lead to count too.
    std::string existing = home.c_str();
    struct stat64 st;
    while (lstat64(existing.c_str(), &st) != 0 && existing != "/") existing = ParentOf(existing);
    char real[PATH_MAX];
    if (!realpath(existing.c_str(), real) || existing == real) return "";
    return UnsafeChain(real);
}

namespace {

// The platform plugin is loaded while the application object is built, and
// a plugin that cannot start (no DISPLAY, a DISPLAY naming no server, no
// compositor) aborts the process. The platforms of PlatformsToTry are tried
// in turn, "offscreen" last, so the launcher still does its work without a
// window. The environment is put back afterwards: the client inherits it.
class PlatformFallback {
public:
    PlatformFallback()
        : had_value_(getenv(kVariable) != nullptr), session_(CurrentSessionDisplays()) {
        setenv(kVariable, PlatformsToTry(session_).c_str(), 1);
    }
    // Puts the environment back. REQUIRES: the application object exists.
    void Restore() const {
        if (had_value_)
            setenv(kVariable, session_.requested.c_str(), 1);
        else
            unsetenv(kVariable);
    }
    // Whether the toolkit had to fall back to "offscreen".
    bool FellBack() const {
        return !NamesOffscreen(session_.requested) &&
               QGuiApplication::platformName() == "offscreen";
    }

private:
    static constexpr const char *kVariable = "QT_QPA_PLATFORM";
    bool had_value_;  // set, if only to an empty text
    SessionDisplays session_;
};

QString getCurrentLanguageFileName() {
    return QString(":/") + VeltLocale::getDefaultLanguage() + ".qm";
}

}  // namespace

int RunLauncher(int argc, char **argv, const StartupHooks &hooks) {
    // Asked from a terminal: answered before anything is touched.
    const CommandLineRequest request = ReadCommandLine(argc, argv);
    if (request != CommandLineRequest::kRun) {
        fputs(RequestText(request).c_str(), stdout);
        return 0;
    }
    CatchFileSizeLimit();
    initialize_resources(argv[0]);
    const ustring home = Service::GetUserInstallPath();
    const std::string unsafe = ForeignHomeReason(home);
    if (!unsafe.empty()) {
        fprintf(stderr,
                "tarrowind-launcher: running as root, but the home directory '%s' is not root's "
                "alone: %s; leaving it untouched\n",
                home.c_str(), unsafe.c_str());
        return 1;
    }
    PlatformFallback platform;
    QtSingleApplication app(argc, argv, true);
    platform.Restore();
    initialize_logger();
    InstanceLock instance = InstanceLock::kHeld;
    if (platform.FellBack()) {
        Logger::LogMsg(Logger::L_WARNING, "launcher_debug",
                       "[WARNING] startup(%d): no usable display, working without a window\n",
                       __LINE__);
    }
    if (!app.lockError().empty()) {
        Logger::LogMsg(Logger::L_WARNING, "launcher_debug",
                       "[WARNING] startup(%d): cannot take the single-instance lock (%s): starting "
                       "the client without upgrading it\n",
                       __LINE__, app.lockError().c_str());
        instance = InstanceLock::kNotHeld;
    }
    if (app.isRunning()) {
        // 80 is part of the message: it stays whatever line the call is on.
        Logger::LogMsg(Logger::L_DEBUG, "launcher_debug",
                       "[DEBUG] main(%d): app has already launched, return\n", 80);
        return 0;
    }

    QTranslator trans;
    const QString strLan = getCurrentLanguageFileName();
    trans.load(strLan, "", "", "");
    if (!trans.isEmpty()) QCoreApplication::installTranslator(&trans);

    StrTable::InitStrTable();

    if (hooks.before_start) hooks.before_start();
    const Display display =
        QGuiApplication::platformName() == "offscreen" ? Display::kAbsent : Display::kPresent;
    Launcher *launcher = new Launcher(Service::Setup(), instance, display);
    launcher->Run();
    launcher->Start();
    const int ret = QApplication::exec();
    if (hooks.after_loop) hooks.after_loop();
    delete launcher;
    return ret;
}

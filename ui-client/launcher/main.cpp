#include <limits.h>
#include <locale.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include "VeltLocale.h"
#include "launcher.h"
#include "log.h"
#include "qtsingleapplication.h"
#include "tarrowind-service.h"
#include "texts/strtab.h"

int qInitResources_texts();

namespace {

// The path that names the executable: argv[0] as given, unless it is a bare
// name found through PATH or a symbolic link (an autostart entry, a link in
// /usr/bin), whose text says nothing about where the program lies.
QString ExecutablePath(const char *bin) {
    struct stat st;
    const bool bare = strchr(bin, '/') == nullptr;
    if (bare || (lstat(bin, &st) == 0 && S_ISLNK(st.st_mode))) {
        char real[PATH_MAX];
        if (realpath("/proc/self/exe", real)) return QString::fromUtf8(real);
    }
    return QString::fromUtf8(bin);
}

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
    if (!QDir().mkpath(QString::fromUtf8(log_folder_path.c_str()))) return;
    Logger::Initialize(Logger::FILE_LOGGER, log_folder_path + "/launcher.log", log_level, 50);
}

QString getCurrentLanguageFileName() {
    return QString(":/") + VeltLocale::getDefaultLanguage() + ".qm";
}

}  // namespace

int main(int argc, char **argv) {
    initialize_resources(argv[0]);
    QtSingleApplication app(argc, argv, true);
    initialize_logger();
    if (app.isRunning()) {
        Logger::LogMsg(Logger::L_DEBUG, "launcher_debug",
                       "[DEBUG] main(%d): app has already launched, return\n", 80);
        return 0;
    }

    QTranslator trans;
    const QString strLan = getCurrentLanguageFileName();
    trans.load(strLan, "", "", "");
    if (!trans.isEmpty()) QCoreApplication::installTranslator(&trans);

    StrTable::InitStrTable();

    Launcher *launcher = new Launcher;
    launcher->Run();
    launcher->Start();
    const int ret = QApplication::exec();
    delete launcher;
    return ret;
}

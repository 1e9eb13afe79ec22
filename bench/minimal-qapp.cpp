// The smallest widgets program: creates the application object (which loads
// the platform plugin), runs the event loop once and quits. The reference
// for the launcher's start-up cost when it has nothing to upgrade.
//
//   bench-minimal-qapp [PLUGIN_DIR]
//
// With PLUGIN_DIR, plugins are looked up there only, as the launcher does
// with its bundled directory.
#include <QApplication>
#include <QString>
#include <QTimer>

int main(int argc, char **argv) {
    if (argc > 1) QCoreApplication::setLibraryPaths({QString::fromLocal8Bit(argv[1])});
    QApplication app(argc, argv);
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}

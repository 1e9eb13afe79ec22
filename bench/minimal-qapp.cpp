// The smallest widgets program that does what the launcher must do when it
// has nothing to upgrade: creates the application object (which loads the
// platform plugin), runs the event loop, starts the client's start script as
// the launcher does (by its bytes, "start" its one argument) and waits for it
// within the launcher's bound, then quits. The reference for the launcher's
// own start-up cost.
//
//   bench-minimal-qapp [PLUGIN_DIR [START_SCRIPT]]
//
// With PLUGIN_DIR, plugins are looked up there only, as the launcher does
// with its bundled directory. With START_SCRIPT (the copy's
// package/start-stop), the script is run; exits 1 when it cannot be started
// or does not return within the bound.
#include <chrono>
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QString>
#include <QTimer>

#include "process/child.h"

namespace {

// The launcher's bound on the start script.
const std::chrono::milliseconds kStartScriptLimit(10000);

int RunStartScript(char *script) {
    char *const argv[] = {script, const_cast<char *>("start"), nullptr};
    const StartedChild child = StartChild(argv, ChildStreams());
    if (child.pid < 0) {
        fprintf(stderr, "bench-minimal-qapp: cannot run %s: %s\n", script, strerror(child.error));
        return 1;
    }
    if (!WaitForChild(child.pid, kStartScriptLimit).ended) {
        fprintf(stderr, "bench-minimal-qapp: %s start has not returned\n", script);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc > 1) QCoreApplication::setLibraryPaths({QString::fromLocal8Bit(argv[1])});
    char *const script = argc > 2 ? argv[2] : nullptr;
    QApplication app(argc, argv);
    QTimer::singleShot(0, &app,
                       [script] { QCoreApplication::exit(script ? RunStartScript(script) : 0); });
    return QApplication::exec();
}

#ifndef UI_CLIENT_LAUNCHER_STARTUP_H
#define UI_CLIENT_LAUNCHER_STARTUP_H

#include <functional>

#include <QString>

// Optional steps for a program that runs the launcher's sequence with
// something of its own around it (the event-loop benchmark). Both run on the
// main thread.
struct StartupHooks {
    // The application object, the log, the translator and the texts are
    // ready; the controller does not exist yet.
    std::function<void()> before_start;
    // The event loop has ended; the controller still exists.
    std::function<void()> after_loop;
};

// The launcher's process, in its fixed order: locale, translation resource,
// plugin directory from argv[0], the application object (without a usable
// display the "offscreen" platform), the root and home checks, the log, the
// single-instance check, the translator, the texts, the controller and its
// worker thread, the event loop. Returns the process exit status: 0, or 1
// when root was started with the home directory of another user.
int RunLauncher(int argc, char **argv, const StartupHooks &hooks = StartupHooks());

// The path that names the executable: `bin` (argv[0]) as given, unless it is
// a bare name found through PATH or a symbolic link (an autostart entry, a
// link in /usr/bin), whose text says nothing about where the program lies;
// then the running executable's resolved path.
QString ExecutablePath(const char *bin);

#endif

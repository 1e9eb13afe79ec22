#ifndef UI_CLIENT_LAUNCHER_STARTUP_H
#define UI_CLIENT_LAUNCHER_STARTUP_H

#include <sys/types.h>

#include <functional>

#include <QString>

#include "ustring/ustring.h"

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

// Root started with the HOME of another user (sudo keeping HOME) would leave
// folders there that the user can no longer write. Returns the uid of the
// owner of `home`, or of its nearest existing ancestor when `home` is
// missing, when the process runs as root and that owner is not root; 0
// otherwise (not root, a home of root's, or nothing of it can be examined).
uid_t ForeignHomeOwner(const ustring &home);

#endif

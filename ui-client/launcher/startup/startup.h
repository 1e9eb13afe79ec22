#ifndef UI_CLIENT_LAUNCHER_STARTUP_STARTUP_H
#define UI_CLIENT_LAUNCHER_STARTUP_STARTUP_H

#include <sys/types.h>

#include <functional>
#include <string>

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

// Root started with the HOME of another user (sudo keeping HOME), or with a
// home inside a folder that another user can change, would leave folders
// that the user can no longer write, or work in a tree that can be swapped
// for a link at any moment. Returns why root must leave `home` alone: the
// home or a folder above it up to "/" (from the nearest existing level when
// the home is missing) belongs to another uid, or is a folder that other
// users may write without the sticky bit. Each level is looked at itself,
// never through a link; the folders that links on the way lead to are
// checked as well. Empty when the process does not run as root or nothing
// is wrong.
std::string ForeignHomeReason(const ustring &home);

#endif

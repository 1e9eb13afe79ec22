#ifndef UI_CLIENT_LAUNCHER_STARTUP_COMMAND_LINE_H
#define UI_CLIENT_LAUNCHER_STARTUP_COMMAND_LINE_H

#include <string>

// What a user at a terminal can ask of the launcher. Started at login or
// from the menu it gets no arguments; every argument but these two is
// ignored, as the toolkit's own are.
enum class CommandLineRequest {
    kRun,      // the whole sequence: upgrade if due, start the client
    kUsage,    // "--help"
    kVersion,  // "--version"
};

// The first of "--help" and "--version" among argv[1] to argv[argc - 1];
// kRun when neither is there.
CommandLineRequest ReadCommandLine(int argc, char **argv);

// What `request` prints to standard output, ending in a line feed; empty
// for kRun.
std::string RequestText(CommandLineRequest request);

#endif

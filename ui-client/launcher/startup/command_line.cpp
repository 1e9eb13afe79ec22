#include "startup/command_line.h"

#include <string.h>

CommandLineRequest ReadCommandLine(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--help") == 0) return CommandLineRequest::kUsage;
        if (strcmp(argv[i], "--version") == 0) return CommandLineRequest::kVersion;
    }
    return CommandLineRequest::kRun;
}

std::string RequestText(CommandLineRequest request) {
    switch (request) {
        case CommandLineRequest::kUsage:
            return "Usage: tarrowind-launcher [--help | --version]\n"
                   "\n"
                   "Brings your copy of Tarrowind Backup in ~/.TarrowindBackup up to date\n"
                   "from the system-wide installation, then starts it. Desktop sessions run\n"
                   "it at login; it needs no arguments.\n"
                   "\n"
                   "  --help     print this text and exit\n"
                   "  --version  print the launcher's version and exit\n";
        case CommandLineRequest::kVersion:
            return "tarrowind-launcher " TARROWIND_LAUNCHER_VERSION "\n";
        case CommandLineRequest::kRun:
            break;
    }
    return "";
}

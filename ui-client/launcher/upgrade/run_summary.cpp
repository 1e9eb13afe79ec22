#include "upgrade/run_summary.h"

#include <syslog.h>
#include <unistd.h>

namespace {

const char *WhatHappened(Shortfall what) {
    switch (what) {
        case Shortfall::kUpgradeFailed:
            return "the upgrade of the user's copy failed";
        case Shortfall::kPackageRefused:
            return "the package was not installed";
        case Shortfall::kNoRoom:
            return "the package was not installed for want of room on the user's disk";
        case Shortfall::kNoLock:
            return "no upgrade was tried without the single-instance lock";
        case Shortfall::kNoTreeLock:
            return "no upgrade was tried without the lock of the user's folder";
        case Shortfall::kNone:
            break;
    }
    return "";
}

std::string BuildOrNone(const ustring &build) { return build.empty() ? "none" : build.c_str(); }

}  // namespace

std::string ShortfallLine(Shortfall what, const ustring &installed_build,
                          const ustring &package_build, const ustring &user_log) {
    if (what == Shortfall::kNone) return "";
    return std::string(WhatHappened(what)) + ": installed build " + BuildOrNone(installed_build) +
           ", package build " + BuildOrNone(package_build) + "; uid " + std::to_string(getuid()) +
           ", details in " + user_log.c_str();
}

void ReportShortfall(Shortfall what, const ustring &installed_build, const ustring &package_build,
                     const ustring &user_log) {
    if (what == Shortfall::kNone) return;
    const std::string line = ShortfallLine(what, installed_build, package_build, user_log);
    const int priority = what == Shortfall::kUpgradeFailed ? LOG_ERR : LOG_WARNING;
    openlog("tarrowind-launcher", LOG_PID, LOG_USER);
    syslog(priority, "%s", line.c_str());
    closelog();
}

#ifndef UI_CLIENT_LAUNCHER_UPGRADE_RUN_SUMMARY_H
#define UI_CLIENT_LAUNCHER_UPGRADE_RUN_SUMMARY_H

#include <string>

#include "ustring/ustring.h"

// How a run fell short of its work. The per-user log says why in detail; the
// administrator, who cannot read every user's log, gets one line in the
// system log.
enum class Shortfall {
    kNone,
    kUpgradeFailed,     // an upgrade was tried and did not put the new copy in place
    kPackageRefused,    // an upgrade was due, but the package was not worth trying
    kNoRoom,            // an upgrade was due, but its copy does not fit on the disk
    kNoLock,            // no upgrade could be tried without the single-instance lock
    kNoTreeLock,        // ... nor without the lock of the user's tree
    kClientNotStarted,  // nothing else fell short, but the client could not be started
};

// The system log's line for `what`: what happened, the build of the user's
// copy ("none" when there is none) and the build of the system's package,
// the user's uid and where the details are. Empty for kNone.
std::string ShortfallLine(Shortfall what, const ustring &installed_build,
                          const ustring &package_build, const ustring &user_log);

// Sends ShortfallLine to the system log (/dev/log) as syslog(3) would, as
// "tarrowind-launcher" with its pid, facility user, but never waits: a line
// the socket does not take at once is dropped. An error for a failed
// upgrade or a client that could not be started, a warning otherwise.
// Nothing for kNone. Any thread may call it.
void ReportShortfall(Shortfall what, const ustring &installed_build, const ustring &package_build,
                     const ustring &user_log);

#endif

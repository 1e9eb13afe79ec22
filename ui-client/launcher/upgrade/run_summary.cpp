#include "upgrade/run_summary.h"

#include <string.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <syslog.h>
#include <time.h>
#include <unistd.h>

#include "file/scoped.h"

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
        case Shortfall::kClientNotStarted:
            return "the client could not be started";
        case Shortfall::kNone:
            break;
    }
    return "";
}

// `text` as syslog(3) sends it, facility user: "<PRI>Mmm dd hh:mm:ss
// tarrowind-launcher[pid]: text", the time local and the month in English
// whatever the locale.
std::string SystemLogDatagram(int severity, const std::string &text) {
    static const char *const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const time_t now = time(nullptr);
    struct tm local;
    char stamp[32] = "";
    if (localtime_r(&now, &local))
        snprintf(stamp, sizeof stamp, "%s %2d %02d:%02d:%02d", kMonths[local.tm_mon % 12],
                 local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return "<" + std::to_string(LOG_USER | severity) + ">" + stamp + " tarrowind-launcher[" +
           std::to_string(getpid()) + "]: " + text;
}

// Sends `datagram` to the system log's socket, /dev/log, without ever
// waiting: syslog(3) blocks while the journal's queue is full or the journal
// is stuck, and the launcher would then never end. A line the socket does not
// take at once (a full queue, no socket, nobody listening) is dropped.
void SendWithoutWaiting(const std::string &datagram) {
    const ScopedFd fd(socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd.valid()) return;
    struct sockaddr_un addr;
    memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    strncpy(addr.sun_path, "/dev/log", sizeof addr.sun_path - 1);
    sendto(fd.get(), datagram.data(), datagram.size(), MSG_DONTWAIT | MSG_NOSIGNAL,
           reinterpret_cast<const struct sockaddr *>(&addr), sizeof addr);
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
    const int priority = what == Shortfall::kUpgradeFailed || what == Shortfall::kClientNotStarted
                             ? LOG_ERR
                             : LOG_WARNING;
    SendWithoutWaiting(SystemLogDatagram(priority, line));
}

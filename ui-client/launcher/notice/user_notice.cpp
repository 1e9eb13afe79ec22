#include "notice/user_notice.h"

#include <errno.h>
#include <string.h>

#include "file/durable.h"
#include "file/file-op.h"
#include "log.h"
#include "notice/desktop_notification.h"

namespace {

const char kComponent[] = "launcher_debug";
// The record holds a few lines of one package.
const size_t kMaxRecordBytes = 4096;

ustring RecordPath(const ustring &user) { return user + "/.told-package"; }

// The package's part of a record line.
std::string PackageOf(const RunOutcome &outcome) {
    if (!outcome.package_identity.empty()) return outcome.package_identity;
    return std::string("build=") + outcome.package_build.c_str() + "\n";
}

// The record's lines whose package part is `package`.
std::string LinesOf(const std::string &told, const std::string &package) {
    std::string kept;
    for (size_t start = 0; start < told.size();) {
        size_t end = told.find('\n', start);
        end = end == std::string::npos ? told.size() : end + 1;
        const std::string line = told.substr(start, end - start);
        const size_t space = line.find(' ');
        if (space != std::string::npos && line.compare(space + 1, std::string::npos, package) == 0)
            kept += line;
        start = end;
    }
    return kept;
}

bool Told(const std::string &told, const std::string &line) {
    return ("\n" + told).find("\n" + line) != std::string::npos;
}

void RecordTold(const ustring &user, const std::string &told, const UserNotice &notice) {
    const std::string package = notice.line.substr(notice.line.find(' ') + 1);
    if (FSReplaceFile(RecordPath(user), LinesOf(told, package) + notice.line) != 0) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] user_notice(%d): cannot write '%s': %s; the user may be told "
                       "again\n",
                       __LINE__, RecordPath(user).c_str(), strerror(errno));
    }
}

}  // namespace

UserNotice NoticeFor(const RunOutcome &outcome, const std::string &told) {
    UserNotice notice;
    const char *word = nullptr;
    switch (outcome.shortfall) {
        case Shortfall::kNoRoom:
            notice.text = NoticeText::kDiskFull;
            word = "err_diskfull";
            break;
        case Shortfall::kUpgradeFailed:
        case Shortfall::kPackageRefused:
            notice.text = NoticeText::kUpgradeFailed;
            word = "upgrade_failed";
            break;
        default:
            return UserNotice();
    }
    notice.line = std::string(word) + " " + PackageOf(outcome);
    return Told(told, notice.line) ? UserNotice() : notice;
}

std::string ReadToldNotices(const ustring &user) {
    const SmallFile record = FSReadSmallFile(RecordPath(user), kMaxRecordBytes, false);
    return record.status == SmallFile::kRead ? record.text : std::string();
}

void TellUser(const ustring &user, const RunOutcome &outcome, const NoticeWords &words,
              const ustring &notifier) {
    const std::string told = ReadToldNotices(user);
    const UserNotice notice = NoticeFor(outcome, told);
    if (notice.text == NoticeText::kNone) return;
    DesktopNotification notification;
    notification.title = words.title;
    notification.body =
        notice.text == NoticeText::kDiskFull ? words.disk_full : words.upgrade_failed;
    notification.icon = words.icon;
    const NotifyResult result = ShowDesktopNotification(notifier, notification, kTellUserLimit);
    if (result.delivery == NotifyResult::Delivery::kShown) {
        Logger::LogMsg(Logger::L_DEBUG, kComponent, "[DEBUG] user_notice(%d): told the user: %s\n",
                       __LINE__, notification.body.c_str());
        RecordTold(user, told, notice);
        return;
    }
    Logger::LogMsg(Logger::L_DEBUG, kComponent,
                   "[DEBUG] user_notice(%d): the user could not be told on the desktop: %s\n",
                   __LINE__, result.why.c_str());
}

#ifndef UI_CLIENT_LAUNCHER_NOTICE_USER_NOTICE_H
#define UI_CLIENT_LAUNCHER_NOTICE_USER_NOTICE_H

#include <chrono>
#include <string>

#include "upgrade/run.h"
#include "ustring/ustring.h"

// What the user is told on their desktop of a run that fell short in a way
// they should know of: their copy stays old, and the log that says why is
// not where they look. Each package is told of once per cause: the record
// "<user>/.told-package", beside the memo of a failed package, holds what
// was told of the latest package, and only this unit reads or writes it.

// What a run's outcome tells the user.
enum class NoticeText {
    kNone,           // nothing: the run did its work, lacked only a lock, or it was told before
    kDiskFull,       // the user's disk lacks the room or the inodes that the package needs
    kUpgradeFailed,  // the upgrade failed, the old copy kept, or the package cannot be installed
};

struct UserNotice {
    NoticeText text = NoticeText::kNone;
    // The record's line for it: the cause's word, then the package's
    // identity (its memo line, or its announced build when it was not
    // opened), newline-terminated.
    std::string line;
};

// The notice that `outcome` calls for, given the record's lines `told`
// (ReadToldNotices): kNone when the outcome calls for none, or when the same
// package was told of the same cause before.
UserNotice NoticeFor(const RunOutcome &outcome, const std::string &told);

// The record's lines; empty when there is none or it cannot be read.
std::string ReadToldNotices(const ustring &user);

// What the desktop is asked to show.
struct NoticeWords {
    std::string title;           // UTF-8
    std::string disk_full;       // UTF-8: the text of kDiskFull
    std::string upgrade_failed;  // UTF-8: the text of kUpgradeFailed
    ustring icon;                // an image file
};

// How long telling the user may take, a bus that never answers included.
const std::chrono::milliseconds kTellUserLimit{2000};

// Tells the user of `outcome` through the program `notifier` when the
// outcome calls for it and they were not told before, and records it once
// it is shown. A notice that cannot be shown costs one DEBUG line, and it is
// shown at a later login. Waits at most kTellUserLimit.
void TellUser(const ustring &user, const RunOutcome &outcome, const NoticeWords &words,
              const ustring &notifier);

#endif

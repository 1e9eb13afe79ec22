// What the user is told on the desktop, and when not again: the decision
// for every way a run can end, what the record keeps, and how a notifier
// that fails or never ends is taken.
#include "notice/user_notice.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "notice/desktop_notification.h"
#include "test_support.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

const char kP1[] = "dev=1 ino=2 size=3 mtime=4.0 ctime=5.0 build=1001\n";
const char kP2[] = "dev=1 ino=9 size=3 mtime=4.0 ctime=5.0 build=1002\n";

RunOutcome Outcome(Shortfall shortfall, const std::string &identity = kP1) {
    RunOutcome outcome;
    outcome.shortfall = shortfall;
    outcome.package_build = "1001";
    outcome.package_identity = identity;
    return outcome;
}

struct DecisionRow {
    const char *name;
    RunOutcome outcome;
    std::string told;  // the record's lines
    NoticeText text;
    std::string line;  // the record's line for it
};

void PrintTo(const DecisionRow &row, std::ostream *os) { *os << row.name; }

class NoticeForTest : public ::testing::TestWithParam<DecisionRow> {};

TEST_P(NoticeForTest, TellsEachPackageOncePerCause) {
    const DecisionRow &row = GetParam();
    const UserNotice notice = NoticeFor(row.outcome, row.told);
    EXPECT_EQ(row.text, notice.text);
    EXPECT_EQ(row.line, notice.line);
}

const std::string kDiskFullP1 = std::string("err_diskfull ") + kP1;
const std::string kFailedP1 = std::string("upgrade_failed ") + kP1;

INSTANTIATE_TEST_SUITE_P(
    Rows, NoticeForTest,
    ::testing::Values(
        DecisionRow{"NoRoom", Outcome(Shortfall::kNoRoom), "", NoticeText::kDiskFull, kDiskFullP1},
        DecisionRow{"UpgradeFailed", Outcome(Shortfall::kUpgradeFailed), "",
                    NoticeText::kUpgradeFailed, kFailedP1},
        DecisionRow{"PackageRefused", Outcome(Shortfall::kPackageRefused), "",
                    NoticeText::kUpgradeFailed, kFailedP1},
        DecisionRow{"NeverOpenedNamedByItsBuild", Outcome(Shortfall::kPackageRefused, ""), "",
                    NoticeText::kUpgradeFailed, "upgrade_failed build=1001\n"},
        DecisionRow{"Done", Outcome(Shortfall::kNone), "", NoticeText::kNone, ""},
        DecisionRow{"NoLock", Outcome(Shortfall::kNoLock), "", NoticeText::kNone, ""},
        DecisionRow{"NoTreeLock", Outcome(Shortfall::kNoTreeLock), "", NoticeText::kNone, ""},
        DecisionRow{"OnlyTheClientNotStarted", Outcome(Shortfall::kClientNotStarted), "",
                    NoticeText::kNone, ""},
        DecisionRow{"ToldBefore", Outcome(Shortfall::kNoRoom), kFailedP1 + kDiskFullP1,
                    NoticeText::kNone, ""},
        DecisionRow{"ToldOfAnotherCause", Outcome(Shortfall::kUpgradeFailed), kDiskFullP1,
                    NoticeText::kUpgradeFailed, kFailedP1},
        DecisionRow{"ToldOfAnotherPackage", Outcome(Shortfall::kNoRoom, kP2), kDiskFullP1,
                    NoticeText::kDiskFull, std::string("err_diskfull ") + kP2}),
    [](const ::testing::TestParamInfo<DecisionRow> &info) { return std::string(info.param.name); });

NoticeWords Words() {
    NoticeWords words;
    words.title = "Tarrowind Backup";
    words.disk_full = "full";
    words.upgrade_failed = "failed";
    return words;
}

// The record keeps what was told of the latest package, and only once it
// was shown.
TEST(TellUserTest, RecordsWhatWasShownOfTheLatestPackage) {
    const TempDir user;
    TellUser(user.path(), Outcome(Shortfall::kNoRoom), Words(), "/bin/false");
    EXPECT_EQ("", ReadToldNotices(user.path())) << "recorded though not shown";
    TellUser(user.path(), Outcome(Shortfall::kNoRoom), Words(), "/bin/true");
    TellUser(user.path(), Outcome(Shortfall::kUpgradeFailed), Words(), "/bin/true");
    EXPECT_EQ(kDiskFullP1 + kFailedP1, ReadToldNotices(user.path()));
    TellUser(user.path(), Outcome(Shortfall::kNoRoom, kP2), Words(), "/bin/true");
    EXPECT_EQ(std::string("err_diskfull ") + kP2, ReadToldNotices(user.path()));
}

struct NotifierRow {
    const char *name;
    std::string script;  // the notifier's shell text; empty: no such program
    NotifyResult::Delivery delivery;
    std::string why;
};

void PrintTo(const NotifierRow &row, std::ostream *os) { *os << row.name; }

class NotifierTest : public ::testing::TestWithParam<NotifierRow> {};

TEST_P(NotifierTest, SaysWhetherItWasShownWithinItsLimit) {
    const NotifierRow &row = GetParam();
    const TempDir tmp;
    const std::string notifier = tmp.sub("notifier");
    if (!row.script.empty()) WriteFile(notifier, "#!/bin/sh\n" + row.script + "\n", 0755);
    DesktopNotification notification;
    notification.title = "t";
    const NotifyResult result =
        ShowDesktopNotification(notifier, notification, std::chrono::milliseconds(500));
    EXPECT_EQ(row.delivery, result.delivery);
    EXPECT_EQ(0u, result.why.find(row.why)) << result.why;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NotifierTest,
    ::testing::Values(NotifierRow{"Shown", "exit 0", NotifyResult::Delivery::kShown, ""},
                      NotifierRow{"SaysWhyNot", "echo 'no session bus: refused'; exit 1",
                                  NotifyResult::Delivery::kNotShown, "no session bus: refused"},
                      NotifierRow{"EndsSilently", "exit 1", NotifyResult::Delivery::kNotShown,
                                  "the notifier ended with status 1"},
                      NotifierRow{"NeverEnds", "exec sleep 60", NotifyResult::Delivery::kNotShown,
                                  "the session bus did not answer within 500 ms"},
                      NotifierRow{"Missing", "", NotifyResult::Delivery::kNotShown,
                                  "cannot start"}),
    [](const ::testing::TestParamInfo<NotifierRow> &info) { return std::string(info.param.name); });

}  // namespace

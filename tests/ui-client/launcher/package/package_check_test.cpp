#include "package/package_check.h"

#include <errno.h>
#include <time.h>

#include <string>

#include <gtest/gtest.h>

#include "package/package_memo.h"
#include "service_tree.h"
#include "test_support.h"

namespace {

using testing_support::HasLogLine;
using testing_support::ServiceTree;

typedef PackageVerdict::Finding Finding;

PackagePlace PlaceOf(const ServiceTree &tree, const std::string &build) {
    PackagePlace place;
    place.package = (tree.root() + "/package/tarrowind.qpk").c_str();
    place.user = tree.user().c_str();
    place.home = tree.home().c_str();
    place.build = build.c_str();
    place.reader = testing_support::PackageReader().c_str();
    return place;
}

// A package remembered as failed is refused until it, or the build the
// system's version file announces, changes.
TEST(CheckPackage, TheMemoHoldsUntilThePackageOrTheAnnouncedBuildChanges) {
    ServiceTree tree;
    tree.MakePackage("3400");
    const PackageVerdict first = CheckPackage(PlaceOf(tree, "3400"), "");
    ASSERT_EQ(Finding::kWorth, first.finding);
    const std::string memo = first.file->identity;
    EXPECT_EQ(Finding::kRemembered, CheckPackage(PlaceOf(tree, "3400"), memo).finding);
    EXPECT_TRUE(HasLogLine(tree.Log(), "[WARNING]", "package_check",
                           "package '" + tree.root() +
                               "/package/tarrowind.qpk' failed to install before and has not "
                               "changed since; keeping the installed copy"));
    EXPECT_EQ(Finding::kWorth, CheckPackage(PlaceOf(tree, "3401"), memo).finding)
        << "only the system INFO changed";

    const std::string package = tree.root() + "/package/tarrowind.qpk";
    testing_support::WriteFile(package, testing_support::ReadFile(package));
    EXPECT_EQ(Finding::kWorth, CheckPackage(PlaceOf(tree, "3400"), memo).finding)
        << "the package was written anew";
}

// A memo holds within the boot that wrote it and for a day: a failure
// misjudged once is tried again at the latest the next day or after a boot.
TEST(CheckPackage, TheMemoHoldsWithinItsBootForADay) {
    const std::string boot = testing_support::ReadFile("/proc/sys/kernel/random/boot_id");
    if (boot.empty()) GTEST_SKIP() << "the kernel tells no boot id";
    const long long now = static_cast<long long>(time(nullptr));
    const struct {
        const char *name;
        std::string boot;  // null: the memo has no date line (an older memo)
        long long age;     // seconds since it was written
        Finding finding;
    } rows[] = {
        {"written a minute ago", boot, 60, Finding::kRemembered},
        {"written almost a day ago", boot, kPackageMemoSeconds - 60, Finding::kRemembered},
        {"written more than a day ago", boot, kPackageMemoSeconds + 60, Finding::kWorth},
        {"written in another boot", "00000000-0000-0000-0000-000000000000\n", 60, Finding::kWorth},
        {"written later than now", boot, -3600, Finding::kWorth},
        {"without a date", "", 0, Finding::kWorth},
    };
    ServiceTree tree;
    tree.MakePackage("3400");
    const std::string identity = CheckPackage(PlaceOf(tree, "3400"), "").file->identity;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string when = row.boot.empty()
                                     ? std::string()
                                     : "boot=" + row.boot.substr(0, row.boot.find('\n')) +
                                           " written=" + std::to_string(now - row.age) + "\n";
        testing_support::WriteFile(tree.user() + "/.failed-package", identity + when);
        EXPECT_EQ(
            row.finding,
            CheckPackage(PlaceOf(tree, "3400"), ReadPackageMemo(tree.user().c_str())).finding);
    }
    ChangePackageMemo(tree.user().c_str(), MemoChange::kRemember, identity);
    EXPECT_EQ(identity, ReadPackageMemo(tree.user().c_str())) << "as a run writes it";
}

// Only what libarchive made of bytes that were read without error is held
// against the package; a read or an opening that the system failed is not.
TEST(JudgeHeaders, TheSystemsFailuresAreNeverThePackages) {
    const struct {
        const char *name;
        int entries;
        int open_error;
        int read_error;
        Finding finding;
    } rows[] = {
        {"Entries", 3, 0, 0, Finding::kWorth},
        {"ReadFailedAfterSomeEntries", 3, 0, EIO, Finding::kUnreachable},
        {"ReadFailedBeforeAnyEntry", 0, 0, EIO, Finding::kUnreachable},
        {"OpenFailedForTheSystem", -1, EACCES, 0, Finding::kUnreachable},
        {"NoFormatItKnows", -1, EILSEQ, 0, Finding::kFaulty},
        {"HoldsNothing", 0, 0, 0, Finding::kFaulty},
    };
    ServiceTree tree;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        HeaderRead read;
        read.scan.entries = row.entries;
        read.open_error = row.open_error;
        read.read_error = row.read_error;
        EXPECT_EQ(row.finding, JudgeHeaders(PlaceOf(tree, "3400"), read));
    }
}

TEST(CheckPackage, TheVerdictCarriesWhatThePackageHolds) {
    ServiceTree tree;
    tree.MakePackage("3400");
    const PackageVerdict verdict = CheckPackage(PlaceOf(tree, "3400"), "");
    ASSERT_EQ(Finding::kWorth, verdict.finding);
    EXPECT_GT(verdict.scan.entries, 3);
    EXPECT_GT(verdict.scan.bytes, 0);
}

}  // namespace

#include "tarrowind-service.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "archive_builder.h"
#include "client_package.h"
#include "disk_state.h"
#include "service_tree.h"
#include "test_support.h"

namespace {

using testing_support::ArchiveEntry;
using testing_support::CountOccurrences;
using testing_support::FileEntry;
using testing_support::HardlinkEntry;
using testing_support::HasLogLine;
using testing_support::Leftovers;
using testing_support::PathExists;
using testing_support::ReadFile;
using testing_support::RunCommand;
using testing_support::ServiceTree;
using testing_support::TreeSnapshot;
using testing_support::WriteFile;

TEST(PrepareUserEnv, UpgradeReplacesTheOldCopyAndRemovesTheBackup) {
    ServiceTree tree;
    tree.InstallApp("3320");
    WriteFile(tree.app() + "/old-only", "old");
    tree.MakePackage("3400");
    EXPECT_EQ(RunOutcome::Did::kUpgraded, tree.Run().did) << tree.Log();
    EXPECT_NE(std::string::npos, ReadFile(tree.app() + "/INFO").find("build_version=3400"));
    EXPECT_FALSE(PathExists(tree.app() + "/old-only")) << "the new copy is not merged into the old";
    EXPECT_EQ(std::vector<std::string>{}, Leftovers(tree.user()));
}

// Leftovers of earlier runs no longer hold the only complete copy when the
// application directory is complete: they go before a backup name is chosen,
// so the names never run out.
TEST(PrepareUserEnv, LeftoverBackupsAreRemovedBeforeTheBackup) {
    ServiceTree tree;
    tree.InstallApp("3320");
    for (int i = 0; i <= 9; ++i)
        WriteFile(tree.app() + "_tmp" + (i ? std::to_string(i) : "") + "/left", "x");
    tree.MakePackage("3400");
    tree.EnableDebugLog();
    EXPECT_EQ(RunOutcome::Did::kUpgraded, tree.Run().did) << tree.Log();
    EXPECT_EQ(0, CountOccurrences(tree.Log(), "failed to backup app from")) << tree.Log();
    EXPECT_EQ(10, CountOccurrences(tree.Log(), "left by an interrupted upgrade")) << tree.Log();
    EXPECT_EQ(std::vector<std::string>{}, Leftovers(tree.user()));
}

// Names that the user cannot free (files of another user) are skipped; when
// none is left, the copy stays as it was and every failure says why.
TEST(PrepareUserEnv, AllBackupNamesTakenLeavesTheCopyAlone) {
    if (geteuid() != 0) GTEST_SKIP() << "files of another user need root to make";
    ServiceTree tree;
    tree.InstallApp("3320");
    tree.MakePackage("3400");
    const std::string before = TreeSnapshot(tree.app(), {}, false);
    for (int i = 0; i <= 9; ++i) {
        const std::string name = tree.app() + "_tmp" + (i ? std::to_string(i) : "");
        WriteFile(name + "/left", "x");
        ASSERT_EQ(0, RunCommand("chmod 755 '" + name + "'"));
    }
    tree.HandHomeOver();
    ASSERT_EQ(0, RunCommand("chown -R root: '" + tree.app() + "'_tmp*"));
    EXPECT_EQ(static_cast<int>(Shortfall::kUpgradeFailed), testing_support::RunUnprivileged([&] {
                  return static_cast<int>(tree.Run().shortfall);
              }));
    const std::string log = tree.Log();
    EXPECT_EQ(10, CountOccurrences(log, "[WARNING] recovery(")) << log;
    EXPECT_EQ(11, CountOccurrences(log, "failed to backup app from")) << log;
    EXPECT_TRUE(HasLogLine(log, "[ERROR]", "tarrowind-service",
                           "failed to backup app from '" + tree.app() + "' -> '" + tree.app() +
                               "_tmp9' at max retries, exiting"));
    EXPECT_EQ(before, TreeSnapshot(tree.app(), {}, false));
    EXPECT_FALSE(PathExists(tree.app() + ".incomplete"));
}

TEST(PrepareUserEnv, FailedExtractionRestoresTheOldCopy) {
    ServiceTree tree;
    tree.InstallApp("3320");
    WriteFile(tree.app() + "/old-only", "old data");
    tree.MakeCorruptPackage();
    const std::string before = TreeSnapshot(tree.app(), {}, false);
    EXPECT_EQ(Shortfall::kUpgradeFailed, tree.Run().shortfall);
    EXPECT_TRUE(HasLogLine(tree.Log(), "[ERROR]", "tarrowind-service",
                           "Failed to extract package, rollback to old installation"));
    EXPECT_EQ(before, TreeSnapshot(tree.app(), {}, false));
    EXPECT_EQ(std::vector<std::string>{}, Leftovers(tree.user()));
}

TEST(PrepareUserEnv, FailedFirstInstallKeepsThePartialCopyAndRedoesIt) {
    ServiceTree tree;
    tree.MakeCorruptPackage();
    EXPECT_EQ(Shortfall::kUpgradeFailed, tree.Run().shortfall);
    EXPECT_TRUE(HasLogLine(tree.Log(), "[ERROR]", "tarrowind-service",
                           "Failed to extract package, and no old installation to rollback"));
    // The partial copy already carries the package's INFO and executable.
    ASSERT_TRUE(PathExists(tree.app() + "/bin/tarrowind-backup-ui"));
    const auto service = tree.Service();
    service->PreUpgrade();
    EXPECT_TRUE(service->IsNeedUpgrade());
    EXPECT_TRUE(
        HasLogLine(tree.Log(), "[WARNING]", "linux/linux-service",
                   "an earlier upgrade of '" + tree.app() + "' did not finish, installing again"));
}

// Which failures are held against the package: those of the package itself,
// never those of the disk.
struct CauseRow {
    const char *name;
    std::vector<ArchiveEntry> entries;  // besides a client tree
    bool remembered;
};

void PrintTo(const CauseRow &row, std::ostream *os) { *os << row.name; }

class FailureCauses : public testing::TestWithParam<CauseRow> {};

TEST_P(FailureCauses, OnlyThePackagesOwnFaultsAreRemembered) {
    const CauseRow &row = GetParam();
    ServiceTree tree;
    tree.InstallApp("3320");
    const std::string client = tree.scratch("client");
    testing_support::WriteClientTree(client, {"3400"});
    std::vector<ArchiveEntry> entries = testing_support::TreeEntries(client);
    entries.insert(entries.end(), row.entries.begin(), row.entries.end());
    testing_support::WritePackage(tree.root() + "/package/tarrowind.qpk", entries);
    ServiceTree::WriteInfo(tree.root() + "/INFO", "3400");
    EXPECT_EQ(Shortfall::kUpgradeFailed, tree.Run().shortfall) << tree.Log();
    EXPECT_NE(std::string::npos, ReadFile(tree.app() + "/INFO").find("build_version=3320"));
    EXPECT_EQ(row.remembered, PathExists(tree.user() + "/.failed-package")) << tree.Log();
    if (row.remembered) {
        EXPECT_EQ(Shortfall::kPackageRefused, tree.Run().shortfall)
            << "refused until the package changes";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FailureCauses,
    testing::Values(
        CauseRow{"RefusedByTheWriter", {FileEntry("../escape.txt", "x")}, true},
        CauseRow{"HardLinkToAnEntryItDoesNotHold", {HardlinkEntry("share/link", "missing")}, true},
        CauseRow{"NameComponentTooLong", {FileEntry("share/" + std::string(300, 'n'), "x")}, true}),
    [](const testing::TestParamInfo<CauseRow> &info) { return std::string(info.param.name); });

TEST(RemoveAgedFolders, RemovesTheFolderAndLogsEveryRun) {
    ServiceTree tree;
    WriteFile(tree.user() + "/app/bin/old", "x");
    tree.EnableDebugLog();
    for (int run = 0; run < 2; ++run) {
        tree.Service()->RemoveAgedFolders();
        EXPECT_NE(std::string::npos,
                  tree.Log().find("removing aged app folder " + tree.user() + "/app\n"))
            << "run " << run << ": " << tree.Log();
        EXPECT_FALSE(PathExists(tree.user() + "/app"));
    }
}

TEST(FSCopyPath, CopiesFilesAndTreesAndStopsAtAFailingChild) {
    ServiceTree tree;
    const auto service = tree.Service();
    const std::string src = tree.scratch("src");
    WriteFile(src + "/a.txt", "alpha");
    WriteFile(src + "/sub/deeper/b.txt", "beta");

    EXPECT_EQ(0, service->FSCopyPath((src + "/a.txt").c_str(), tree.scratch("single.txt").c_str()));
    EXPECT_EQ("alpha", ReadFile(tree.scratch("single.txt")));

    EXPECT_EQ(0, service->FSCopyPath(src.c_str(), tree.scratch("copy").c_str()));
    EXPECT_EQ("beta", ReadFile(tree.scratch("copy/sub/deeper/b.txt")));

    EXPECT_EQ(-1, service->FSCopyPath(tree.scratch("missing").c_str(), tree.scratch("x").c_str()));
    EXPECT_TRUE(
        HasLogLine(tree.Log(), "[ERROR]", "tarrowind-service",
                   "FSCopyPath: source path '" + tree.scratch("missing") + "' does not exist"));

    // A dangling link cannot be opened for copying.
    ASSERT_EQ(0, symlink("nowhere", (src + "/sub/broken").c_str()));
    EXPECT_EQ(-1, service->FSCopyPath(src.c_str(), tree.scratch("copy2").c_str()));
    EXPECT_TRUE(HasLogLine(tree.Log(), "[ERROR]", "tarrowind-service",
                           "FSCopyPath: failed to copy from '" + src + "/sub/broken' to '" +
                               tree.scratch("copy2") + "/sub/broken'"));
}

TEST(LeftoverBackups, GoBeforeTheDecisionUnlessTheyMayHoldTheCompleteCopy) {
    ServiceTree tree;
    tree.InstallApp("3320");
    tree.MakePackage("3320");
    WriteFile(tree.app() + "_tmp/bin/old", "x");
    WriteFile(tree.app() + "_tmp3/bin/old", "x");
    tree.EnableDebugLog();
    EXPECT_EQ(RunOutcome::Did::kStarted, tree.Run().did);
    EXPECT_EQ(std::vector<std::string>{}, Leftovers(tree.user()));
    EXPECT_EQ(2, CountOccurrences(tree.Log(), "left by an interrupted upgrade")) << tree.Log();

    // A marker without a record: any of them may hold the only complete copy.
    WriteFile(tree.app() + "_tmp/bin/old", "x");
    WriteFile(tree.app() + ".incomplete", "");
    testing_support::RecordingObserver observer;
    bool kept = false;
    observer.at = [&](RunStep step) {
        if (step == RunStep::kDecided) kept = PathExists(tree.app() + "_tmp");
    };
    EXPECT_EQ(RunOutcome::Did::kUpgraded, tree.Run(*tree.Service(), RunSetup(), &observer).did);
    EXPECT_TRUE(kept);
}

}  // namespace

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "service_tree.h"
#include "disk_state.h"
#include "test_support.h"

namespace {

using testing_support::CountOccurrences;
using testing_support::Leftovers;
using testing_support::PathExists;
using testing_support::ReadFile;
using testing_support::RunCommand;
using testing_support::ServiceTree;
using testing_support::TreeSnapshot;
using testing_support::WriteFile;

struct VersionRow {
    const char *name;
    const char *installed_info;  // contents of A/INFO, or null for none
    const char *package_info;    // contents of R/INFO, or null for none
    bool executable;             // A/bin/tarrowind-backup-ui present
    int need;
};

const VersionRow kVersionRows[] = {
    {"EqualBuilds", "[Version]\nbuild_version=3320\n", "[Version]\nbuild_version=3320\n", true, 0},
    {"HigherPackage", "[Version]\nbuild_version=3320\n", "[Version]\nbuild_version=3400\n", true,
     1},
    {"LowerPackage", "[Version]\nbuild_version=3400\n", "[Version]\nbuild_version=3320\n", true, 0},
    {"MajorIgnored", "[Version]\nmajor_version=2\nbuild_version=500\n",
     "[Version]\nmajor_version=3\nbuild_version=400\n", true, 0},
    {"NoUserInfo", nullptr, "[Version]\nbuild_version=3320\n", true, 1},
    {"NoSystemInfo", "[Version]\nbuild_version=3320\n", nullptr, true, 0},
    {"MissingExecutable", "[Version]\nbuild_version=3320\n", "[Version]\nbuild_version=3320\n",
     false, 1},
    {"MissingExecutableNoSystemInfo", "[Version]\nbuild_version=3320\n", nullptr, false, 1},
    {"TrailingLettersIgnored", "[Version]\nbuild_version=3320abc\n",
     "[Version]\nbuild_version=3320\n", true, 0},
    {"QuotedValue", "[Version]\nbuild_version=\"3320\"\n", "[Version]\nbuild_version=3321\n", true,
     1},
    {"KeyOutsideSection", "build_version=9000\n[Version]\nmajor_version=3\n",
     "[Version]\nbuild_version=3320\n", true, 1},
    {"HugePackageBuildClamped", "[Version]\nbuild_version=3320\n",
     "[Version]\nbuild_version=99999999999\n", true, 1},
    {"HugeInstalledBuildClamped", "[Version]\nbuild_version=99999999999\n",
     "[Version]\nbuild_version=3320\n", true, 0},
};

class UpgradeDecision : public testing::TestWithParam<VersionRow> {};

TEST_P(UpgradeDecision, ComparesBuildNumbersOnly) {
    const VersionRow &row = GetParam();
    ServiceTree tree;
    tree.InstallApp("1");
    tree.MakePackage("1");
    remove((tree.root() + "/INFO").c_str());
    if (row.installed_info)
        WriteFile(tree.app() + "/INFO", row.installed_info);
    else
        remove((tree.app() + "/INFO").c_str());
    if (row.package_info) WriteFile(tree.root() + "/INFO", row.package_info);
    if (!row.executable) remove((tree.app() + "/bin/tarrowind-backup-ui").c_str());
    tree.EnableDebugLog();

    const auto r = tree.Run("versions");
    ASSERT_EQ(0, r.status) << r.log;
    EXPECT_NE(std::string::npos, r.out.find("need=" + std::to_string(row.need))) << r.out << r.log;
    EXPECT_EQ(row.installed_info == nullptr,
              r.log.find("): source does not exist\n") != std::string::npos)
        << r.log;
}

INSTANTIATE_TEST_SUITE_P(Rows, UpgradeDecision, testing::ValuesIn(kVersionRows),
                         [](const testing::TestParamInfo<VersionRow> &info) {
                             return std::string(info.param.name);
                         });

TEST(UpgradeDecisionLog, FirstRunLogsPackageAndMissingSource) {
    ServiceTree tree;
    tree.MakePackage("3400");
    tree.EnableDebugLog();
    const auto r = tree.Run("versions");
    EXPECT_NE(std::string::npos, r.log.find("target_version = (3, 1, 3400, 8)")) << r.log;
    EXPECT_NE(std::string::npos, r.log.find("[INFO] tarrowind-service(")) << r.log;
    EXPECT_NE(std::string::npos, r.log.find("): source does not exist\n")) << r.log;
    EXPECT_NE(std::string::npos, r.log.find("Source version: ('', '')")) << r.log;
    EXPECT_NE(std::string::npos, r.log.find("source version = 0, target version = 3400")) << r.log;
    EXPECT_NE(std::string::npos, r.out.find("need=1"));
}

TEST(PrepareUserEnv, FirstInstall) {
    ServiceTree tree;
    tree.MakePackage("3400");
    const auto r = tree.Run("prepare");
    EXPECT_NE(std::string::npos, r.out.find("result=0")) << r.log;
    EXPECT_NE(std::string::npos, ReadFile(tree.app() + "/INFO").find("build_version=3400"));
    struct stat st;
    ASSERT_EQ(0, stat((tree.app() + "/bin/tarrowind-backup-ui").c_str(), &st));
    EXPECT_TRUE(st.st_mode & S_IXUSR) << "the client must stay executable";
    ASSERT_EQ(0, lstat((tree.app() + "/lib/libclient.so").c_str(), &st));
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_FALSE(PathExists(tree.app() + "_tmp"));
}

TEST(PrepareUserEnv, UpgradeReplacesTheOldCopyAndRemovesTheBackup) {
    ServiceTree tree;
    tree.InstallApp("3320");
    WriteFile(tree.app() + "/old-only", "old");
    tree.MakePackage("3400");
    const auto r = tree.Run("prepare");
    EXPECT_NE(std::string::npos, r.out.find("result=0")) << r.log;
    EXPECT_NE(std::string::npos, ReadFile(tree.app() + "/INFO").find("build_version=3400"));
    EXPECT_FALSE(PathExists(tree.app() + "/old-only")) << "the new copy is not merged into the old";
    EXPECT_FALSE(PathExists(tree.app() + "_tmp"));
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
    const auto r = tree.Run("prepare");
    EXPECT_NE(std::string::npos, r.out.find("result=0")) << r.log;
    EXPECT_EQ(0, CountOccurrences(r.log, "failed to backup app from")) << r.log;
    EXPECT_EQ(10, CountOccurrences(r.log, "left by an interrupted upgrade")) << r.log;
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
    const auto r = tree.RunUnprivileged("prepare");
    EXPECT_NE(std::string::npos, r.out.find("result=-1")) << r.log;
    EXPECT_EQ(10, CountOccurrences(r.log, "[WARNING] tarrowind-service(")) << r.log;
    EXPECT_EQ(11, CountOccurrences(r.log, "failed to backup app from")) << r.log;
    EXPECT_EQ(1, CountOccurrences(r.log, "' at max retries, exiting\n")) << r.log;
    EXPECT_EQ(before, TreeSnapshot(tree.app(), {}, false));
    EXPECT_FALSE(PathExists(tree.app() + ".incomplete"));
}

TEST(PrepareUserEnv, FailedExtractionRestoresTheOldCopy) {
    ServiceTree tree;
    tree.InstallApp("3320");
    WriteFile(tree.app() + "/old-only", "old data");
    tree.MakeCorruptPackage();
    const std::string before = TreeSnapshot(tree.app(), {}, false);
    const auto r = tree.Run("prepare");
    EXPECT_NE(std::string::npos, r.out.find("result=-1")) << r.log;
    EXPECT_NE(std::string::npos,
              r.log.find("Failed to extract package, rollback to old installation\n"))
        << r.log;
    EXPECT_EQ(before, TreeSnapshot(tree.app(), {}, false));
    EXPECT_FALSE(PathExists(tree.app() + "_tmp"));
}

TEST(PrepareUserEnv, FailedFirstInstallKeepsThePartialCopy) {
    ServiceTree tree;
    tree.MakeCorruptPackage();
    const auto r = tree.Run("prepare");
    EXPECT_NE(std::string::npos, r.out.find("result=-1")) << r.log;
    EXPECT_NE(std::string::npos,
              r.log.find("Failed to extract package, and no old installation to rollback\n"))
        << r.log;
    EXPECT_TRUE(PathExists(tree.app() + "/INFO")) << "entries before the damage stay";
}

TEST(RemoveAgedFolders, RemovesTheFolderAndLogsEveryRun) {
    ServiceTree tree;
    WriteFile(tree.user() + "/app/bin/old", "x");
    tree.EnableDebugLog();
    for (int run = 0; run < 2; ++run) {
        const auto r = tree.Run("aged");
        EXPECT_NE(std::string::npos,
                  r.log.find("removing aged app folder " + tree.user() + "/app\n"))
            << "run " << run << ": " << r.log;
        EXPECT_FALSE(PathExists(tree.user() + "/app"));
    }
}

TEST(FSCopyPath, CopiesFilesAndTreesAndStopsAtAFailingChild) {
    ServiceTree tree;
    const std::string src = tree.scratch("src");
    WriteFile(src + "/a.txt", "alpha");
    WriteFile(src + "/sub/deeper/b.txt", "beta");

    auto r = tree.Run("copy '" + src + "/a.txt' '" + tree.scratch("single.txt") + "'");
    EXPECT_NE(std::string::npos, r.out.find("result=0")) << r.log;
    EXPECT_EQ("alpha", ReadFile(tree.scratch("single.txt")));

    r = tree.Run("copy '" + src + "' '" + tree.scratch("copy") + "'");
    EXPECT_NE(std::string::npos, r.out.find("result=0")) << r.log;
    EXPECT_EQ("beta", ReadFile(tree.scratch("copy/sub/deeper/b.txt")));

    r = tree.Run("copy '" + tree.scratch("missing") + "' '" + tree.scratch("x") + "'");
    EXPECT_NE(std::string::npos, r.out.find("result=-1"));
    EXPECT_NE(std::string::npos, r.log.find("FSCopyPath: source path '")) << r.log;

    // A dangling link cannot be opened for copying.
    ASSERT_EQ(0, symlink("nowhere", (src + "/sub/broken").c_str()));
    r = tree.Run("copy '" + src + "' '" + tree.scratch("copy2") + "'");
    EXPECT_NE(std::string::npos, r.out.find("result=-1")) << r.log;
    EXPECT_NE(std::string::npos,
              r.log.find("FSCopyPath: failed to copy from '" + src + "/sub/broken' to '" +
                         tree.scratch("copy2") + "/sub/broken'"))
        << r.log;
}

}  // namespace

namespace {

// An upgrade interrupted at any moment must be redone by the next run; the
// marker beside the application directory records that one is under way.
class InterruptedUpgrade : public testing::Test {
protected:
    std::string marker() const { return tree.app() + ".incomplete"; }
    ServiceTree tree;
};

TEST_F(InterruptedUpgrade, NoMarkerAfterSuccessOrAfterRestoringACompleteCopy) {
    tree.InstallApp("3320");
    tree.MakePackage("3400");
    EXPECT_NE(std::string::npos, tree.Run("prepare").out.find("result=0"));
    EXPECT_FALSE(PathExists(marker()));

    tree.MakeCorruptPackage();
    EXPECT_NE(std::string::npos, tree.Run("prepare").out.find("result=-1"));
    EXPECT_FALSE(PathExists(marker())) << "the restored copy was complete";
    EXPECT_NE(std::string::npos, ReadFile(tree.app() + "/INFO").find("build_version=3400"));
}

TEST_F(InterruptedUpgrade, PartialFirstInstallIsRedoneAlthoughItsBuildMatches) {
    tree.MakeCorruptPackage();
    EXPECT_NE(std::string::npos, tree.Run("prepare").out.find("result=-1"));
    ASSERT_TRUE(PathExists(marker()));
    // The partial copy already carries the package's INFO and executable.
    ASSERT_TRUE(PathExists(tree.app() + "/bin/tarrowind-backup-ui"));
    const auto r = tree.Run("versions");
    EXPECT_NE(std::string::npos, r.out.find("need=1")) << r.out;
    EXPECT_NE(std::string::npos, r.log.find("did not finish, installing again")) << r.log;
}

TEST_F(InterruptedUpgrade, CrashAfterTheBackupIsRepairedByTheNextRun) {
    // The state a run killed during extraction leaves: the old copy under
    // the first backup name, a partial new copy, the marker.
    tree.InstallApp("3320");
    ASSERT_EQ(0, RunCommand("mv '" + tree.app() + "' '" + tree.app() + "_tmp'"));
    WriteFile(tree.app() + "/INFO", "[Version]\nbuild_version=3400\n");
    WriteFile(marker(), "");
    tree.MakePackage("3400");

    EXPECT_NE(std::string::npos, tree.Run("versions").out.find("need=1"));
    const auto r = tree.Run("prepare");
    EXPECT_NE(std::string::npos, r.out.find("result=0")) << r.log;
    EXPECT_FALSE(PathExists(marker()));
    EXPECT_FALSE(PathExists(tree.app() + "_tmp"));
    EXPECT_FALSE(PathExists(tree.app() + "_tmp1"));
    EXPECT_TRUE(PathExists(tree.app() + "/package/start-stop"));
}

TEST_F(InterruptedUpgrade, RestoringAPartialCopyKeepsTheMarker) {
    WriteFile(tree.app() + "/INFO", "[Version]\nbuild_version=3400\n");
    WriteFile(marker(), "");
    tree.MakeCorruptPackage();
    EXPECT_NE(std::string::npos, tree.Run("prepare").out.find("result=-1"));
    EXPECT_TRUE(PathExists(marker()));
}

// The marker records which backup holds the complete copy, so that a run
// after an interrupted upgrade, even a failing one, puts that copy back and
// frees every other name.
TEST_F(InterruptedUpgrade, RecordedBackupIsTheCopyPutBack) {
    const struct {
        const char *name;
        const char *setup;           // shell, with $A the application directory
        const char *restored_build;  // build in A after a failing upgrade; null: none
        std::vector<std::string> left;
    } rows[] = {
        {"copy moved aside, partial new copy",
         "mkdir $A && echo partial > $A/INFO && mv $OLD ${A}_tmp1 && mkdir ${A}_tmp && "
         "echo 'backup=Tarrowind.app_tmp1' > $A.incomplete",
         "3320",
         {}},
        {"backup recorded, not yet made",
         "mv $OLD $A && mkdir ${A}_tmp2 && echo 'backup=Tarrowind.app_tmp' > $A.incomplete",
         "3320",
         {}},
        {"partial first installation",
         "mkdir $A ${A}_tmp3 && echo partial > $A/INFO && echo 'backup=' > $A.incomplete",
         nullptr,
         {"Tarrowind.app.incomplete"}},
        {"record of an unknown name",
         "mv $OLD ${A}_tmp && echo 'backup=../../x' > $A.incomplete",
         nullptr,
         {"Tarrowind.app.incomplete", "Tarrowind.app_tmp"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ServiceTree t;
        WriteFile(t.scratch("old/INFO"), "");
        t.InstallApp("3320");
        ASSERT_EQ(0, RunCommand("mv '" + t.app() + "' '" + t.scratch("old/app") + "' && A='" +
                                t.app() + "' OLD='" + t.scratch("old/app") + "'; " + row.setup));
        t.MakeCorruptPackage();
        const auto r = t.Run("prepare");
        EXPECT_NE(std::string::npos, r.out.find("result=-1")) << r.log;
        if (row.restored_build) {
            EXPECT_NE(std::string::npos,
                      ReadFile(t.app() + "/INFO")
                          .find(std::string("build_version=") + row.restored_build))
                << r.log;
        }
        EXPECT_EQ(row.left, Leftovers(t.user())) << r.log;
    }
}

TEST_F(InterruptedUpgrade, LeftoverBackupsGoWhenNoUpgradeIsDue) {
    tree.InstallApp("3320");
    tree.MakePackage("3320");
    WriteFile(tree.app() + "_tmp/bin/old", "x");
    WriteFile(tree.app() + "_tmp3/bin/old", "x");
    tree.EnableDebugLog();
    const auto r = tree.Run("versions");
    EXPECT_NE(std::string::npos, r.out.find("need=0"));
    EXPECT_FALSE(PathExists(tree.app() + "_tmp"));
    EXPECT_FALSE(PathExists(tree.app() + "_tmp3"));
    EXPECT_EQ(2, CountOccurrences(r.log, "left by an interrupted upgrade")) << r.log;

    // While an upgrade is due they may still hold the only complete copy.
    WriteFile(tree.app() + "_tmp/bin/old", "x");
    WriteFile(marker(), "");
    EXPECT_NE(std::string::npos, tree.Run("versions").out.find("need=1"));
    EXPECT_TRUE(PathExists(tree.app() + "_tmp"));
}

}  // namespace

// Crash safety of the installed launcher: killed at many moments of an
// upgrade, out of disk space in the middle of one, or started ten times at
// once, it must always leave a complete copy of the client behind, without
// markers or backups, and start it.
#include <signal.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "child_process.h"
#include "client_package.h"
#include "disk_state.h"
#include "launcher_install.h"
#include "log_lines.h"
#include "test_support.h"

namespace {

using testing_support::ChildProcess;
using testing_support::ClientTreeSpec;
using testing_support::CountOccurrences;
using testing_support::InstallPackage;
using testing_support::kAlreadyLaunched;
using testing_support::KillProcessesWithEnvironment;
using testing_support::kRunning;
using testing_support::kUpgradeFailed;
using testing_support::LastStartCall;
using testing_support::LauncherInstall;
using testing_support::Leftovers;
using testing_support::MemoryScratch;
using testing_support::PathExists;
using testing_support::ReadFile;
using testing_support::RunCommand;
using testing_support::ScopedTmpfs;
using testing_support::StartCalls;
using testing_support::TreeSnapshot;
using testing_support::WaitUntil;
using testing_support::WriteClientTree;

const char kInstalled[] = "user installation is ready, removing backup app";

// The package trees: share/dNN/{o,f}MMM for NN < kDirs, MMM < kFiles.
const int kDirs = 30;
const int kFiles = 100;

std::string ShareFile(int dir, char prefix, int file) {
    char name[64];
    snprintf(name, sizeof name, "/share/d%02d/%c%03d", dir, prefix, file);
    return name;
}

class CrashSafetyTest : public ::testing::Test {
protected:
    std::string app() const { return install_.app(); }
    std::string marker() const { return install_.app() + ".incomplete"; }
    std::string backup() const { return install_.app() + "_tmp"; }

    // Writes the tree of `spec` below the scratch directory and makes it the
    // system-wide package. Returns the tree's path.
    std::string MakePackage(const ClientTreeSpec &spec) {
        const std::string tree = install_.scratch("tree-" + spec.build);
        WriteClientTree(tree, spec);
        InstallPackage(tree, install_.root());
        return tree;
    }

    // The end state every run must reach: A is the tree `tree` byte for byte,
    // no marker and no backup remain.
    void ExpectCompleteCopyOf(const std::string &tree, const std::string &digest) {
        EXPECT_EQ(digest, TreeSnapshot(app(), {}, false)) << "copy differs from " << tree;
        EXPECT_FALSE(PathExists(marker())) << "marker left";
        EXPECT_EQ(std::vector<std::string>{}, Leftovers(install_.user()));
    }

    MemoryScratch scratch_;
    LauncherInstall install_;
};

// Whether a moment of the upgrade has come, judged from the disk and the
// time since the launcher started. Every predicate stays true once it holds,
// until the run ends, so that a moment passed between two looks is still
// taken at the next one.
struct Moment {
    std::string name;
    std::function<bool(double elapsed_ms)> reached;
};

TEST_F(CrashSafetyTest, KilledAtAnyMomentOfAnUpgradeTheNextRunCompletesIt) {
    ClientTreeSpec old_spec{"1000", kDirs, kFiles, 'o'};
    const std::string old_tree = MakePackage(old_spec);
    ASSERT_EQ("exit 0", install_.Run().status);
    ASSERT_EQ(TreeSnapshot(old_tree, {}, false), TreeSnapshot(app(), {}, false));
    const std::string pristine = install_.scratch("pristine-old");
    ASSERT_EQ(0, RunCommand("cp -a '" + app() + "' '" + pristine + "'"));

    ClientTreeSpec new_spec{"1001", kDirs, kFiles, 'f'};
    const std::string new_tree = MakePackage(new_spec);
    const std::string new_digest = TreeSnapshot(new_tree, {}, false);

    // The old copy holds share/dNN/oMMM, the new one share/dNN/fMMM, so a file
    // of the new copy in A means that its extraction has reached it.
    auto extracted = [this](int dir, int file) {
        return PathExists(app() + ShareFile(dir, 'f', file));
    };
    auto complete = [=]() { return extracted(kDirs - 1, kFiles - 1); };
    // Directories of the backup's share/ already removed by the clean-up.
    auto removed = [this]() {
        int gone = 0;
        for (int d = 0; d < kDirs; ++d) {
            char sub[32];
            snprintf(sub, sizeof sub, "/share/d%02d", d);
            gone += !PathExists(backup() + sub);
        }
        return gone;
    };

    // The run's own steps (before the upgrade, the client's start) are ended
    // in-process at their names; these are the moments inside its steps.
    std::vector<Moment> moments;
    moments.push_back({"first file extracted", [=](double) { return extracted(0, 0); }});
    for (int d = 0; d < kDirs; d += 2)
        moments.push_back({"extraction at share/d" + std::to_string(d),
                           [=](double) { return extracted(d, kFiles / 2); }});
    moments.push_back({"last file extracted", [=](double) { return complete(); }});
    // The client is started before the old copy and the aged folder go.
    int starts_before = 0;
    auto started = [&]() { return StartCalls(install_.home()) > starts_before; };
    for (int gone : {0, 1, 3, 6, 10, 15, 20, 25, 29, 30})
        moments.push_back(
            {"clean-up, " + std::to_string(gone) + " backup directories removed",
             [=](double) { return complete() && !PathExists(marker()) && removed() >= gone; }});
    moments.push_back({"backup removed", [=](double) {
                           return complete() && !PathExists(marker()) && !PathExists(backup());
                       }});
    // The aged folder of older releases, removed last.
    const std::string aged = install_.user() + "/app";
    const std::string pristine_aged = install_.scratch("pristine-aged");
    WriteClientTree(pristine_aged, {"900", kDirs, kFiles / 4, 'a'});
    auto aged_removed = [=]() {
        int gone = 0;
        for (int d = 0; d < kDirs; ++d) gone += !PathExists(aged + ShareFile(d, 'a', 0));
        return gone;
    };
    for (int gone : {1, 10, 25})
        moments.push_back(
            {"aged folder, " + std::to_string(gone) + " directories removed",
             [=](double) { return !PathExists(backup()) && aged_removed() >= gone; }});

    int killed = 0;
    std::map<std::string, int> states;  // what was on disk after each kill
    for (const Moment &moment : moments) {
        SCOPED_TRACE(moment.name);
        ASSERT_EQ(0, RunCommand("rm -rf '" + app() + "' '" + marker() + "' '" + backup() + "'* '" +
                                aged + "' && cp -a '" + pristine + "' '" + app() + "' && cp -a '" +
                                pristine_aged + "' '" + aged + "'"));

        starts_before = StartCalls(install_.home());
        std::unique_ptr<ChildProcess> launcher = install_.Start();
        const auto start = std::chrono::steady_clock::now();
        bool signalled = false;
        WaitUntil(
            [&] {
                const double elapsed = std::chrono::duration<double, std::milli>(
                                           std::chrono::steady_clock::now() - start)
                                           .count();
                signalled = launcher->Running() && moment.reached(elapsed);
                return signalled || !launcher->Running();
            },
            60000, 200);
        if (signalled) launcher->Signal(SIGKILL);
        ASSERT_TRUE(launcher->Wait(30000));
        if (signalled && launcher->StatusText() == "signal 9") {
            ++killed;
            states[std::string(PathExists(marker()) ? "marker " : "") +
                   (PathExists(backup()) ? "backup " : "") + (complete() ? "new-copy" : "") +
                   (started() ? " started" : "")]++;
        } else {
            EXPECT_EQ("exit 0", launcher->StatusText()) << launcher->Errors();
        }
        // A start script the killed launcher had begun must not write later.
        // One caught inside its exec shows no environment yet: look again
        // once it has one.
        KillProcessesWithEnvironment("HOME=" + install_.home());
        usleep(50000);
        KillProcessesWithEnvironment("HOME=" + install_.home());

        const int starts = StartCalls(install_.home());
        const LauncherInstall::Result r = install_.Run();
        ASSERT_EQ("exit 0", r.status) << r.err;
        ExpectCompleteCopyOf(new_tree, new_digest);
        EXPECT_EQ(starts + 1, StartCalls(install_.home()));
        EXPECT_EQ("start 1001", LastStartCall(install_.home()));
        if (HasFailure()) break;
    }

    std::string summary;
    for (const auto &s : states) summary += "[" + s.first + "]: " + std::to_string(s.second) + "  ";
    RecordProperty("kill_states", summary);
    EXPECT_GE(killed, 25) << "states at the kills: " << summary;
    // The kills fell inside the extraction, after the client's start with
    // the old copy still there, and in the clean-up that follows.
    EXPECT_GE(states["marker backup "], 1) << summary;
    EXPECT_GE(states["backup new-copy started"], 1) << summary;
    EXPECT_GE(states["new-copy started"], 1) << summary;
}

// States that last from one system call of the launcher to the next, too
// briefly to be hit by a signal from outside, made by hand. $A is the
// application directory, $OLD and $NEW are the old and the new copy.
TEST_F(CrashSafetyTest, StatesBetweenTwoSystemCallsAreRepairedByTheNextRun) {
    install_.SetLogLevels("service_debug=6\n");
    const std::string old_tree = MakePackage({"1000", 3, 20, 'o'});
    const std::string new_tree = MakePackage({"1001", 3, 20, 'f'});
    const std::string new_digest = TreeSnapshot(new_tree, {}, false);
    const std::string kLeftover = "left by an interrupted upgrade";
    const struct {
        const char *name;
        const char *setup;
        bool leftover_line;  // the run removes a backup without an upgrade
    } rows[] = {
        {"marker made, old copy not yet moved", "cp -a $OLD $A && : > $A.incomplete", false},
        {"old copy moved, no new directory yet", "cp -a $OLD ${A}_tmp && : > $A.incomplete", false},
        {"new directory made, nothing extracted",
         "cp -a $OLD ${A}_tmp && mkdir $A && : > $A.incomplete", false},
        {"partial new copy, two backups",
         "cp -a $OLD ${A}_tmp && cp -a $OLD ${A}_tmp1 && cp -a $NEW $A && rm -r $A/share/d02 "
         "$A/bin && : > $A.incomplete",
         false},
        {"partial first installation", "cp -a $NEW $A && rm $A/INFO && : > $A.incomplete", false},
        {"new copy complete, marker still there",
         "cp -a $OLD ${A}_tmp && cp -a $NEW $A && : > $A.incomplete", false},
        {"marker removed, backup not yet", "cp -a $OLD ${A}_tmp && cp -a $NEW $A", true},
        {"backup partly removed", "cp -a $OLD ${A}_tmp && rm -r ${A}_tmp/share && cp -a $NEW $A",
         true},
        {"backups under several names", "cp -a $NEW $A && mkdir ${A}_tmp3 ${A}_tmp9", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string log_before = install_.Log();
        ASSERT_EQ(0, RunCommand("A='" + app() + "' OLD='" + old_tree + "' NEW='" + new_tree +
                                "'; rm -rf $A ${A}_tmp* $A.incomplete && mkdir -p \"${A%/*}\" && " +
                                row.setup));
        const int starts = StartCalls(install_.home());
        const LauncherInstall::Result r = install_.Run();
        ASSERT_EQ("exit 0", r.status) << r.err;
        ExpectCompleteCopyOf(new_tree, new_digest);
        EXPECT_EQ(starts + 1, StartCalls(install_.home()));
        const std::string log = install_.Log().substr(log_before.size());
        EXPECT_EQ(row.leftover_line, log.find(kLeftover) != std::string::npos) << log;
        EXPECT_EQ(!row.leftover_line, log.find(kInstalled) != std::string::npos) << log;
    }
}

// A package that does not fit, with room to spare, in bytes or in inodes, is
// not started on: the old copy is left as it is (its client is not stopped)
// and the disk never fills up.
TEST_F(CrashSafetyTest, PackageLargerThanTheFreeRoomLeavesTheOldClientRunning) {
    const struct {
        const char *name;
        const char *inodes;            // the home file system's; empty: plenty
        int files;                     // per folder of the new package
        unsigned long long big_bytes;  // one more file of the new package
        const char *line;
    } rows[] = {
        // Fits the free space, but not with the room kept to spare.
        {"bytes", "", 20, 16 * 1024 * 1024, "KiB of files and 32768 KiB to spare), but only "},
        // The old copy's 50 inodes fit with 256 to spare, the new one's 500
        // only without.
        {"inodes", "720", 250, 0, " entries and 256 to spare), but only "},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ScopedTmpfs tmpfs(install_.home(), "40m", row.inodes);
        if (!tmpfs.mounted()) GTEST_SKIP() << "needs a tmpfs as home directory; " << tmpfs.error();

        const std::string old_tree = MakePackage({"1000", 2, 20, 'o'});
        ASSERT_EQ("exit 0", install_.Run().status);
        const std::string before = TreeSnapshot(app(), {}, false);
        ASSERT_EQ(TreeSnapshot(old_tree, {}, false), before);

        ClientTreeSpec next{"1001", 2, row.files, 'f'};
        next.big_file_bytes = row.big_bytes;
        MakePackage(next);
        struct statvfs fs;
        ASSERT_EQ(0, statvfs(install_.home().c_str(), &fs));
        const unsigned long long free_before = fs.f_bavail;
        const LauncherInstall::Result r = install_.Run();
        EXPECT_EQ("exit 0", r.status) << r.err;

        const std::string log = install_.Log();
        EXPECT_EQ(1, CountOccurrences(log, "\n")) << log;
        EXPECT_NE(std::string::npos, log.find("[WARNING] package_check(")) << log;
        EXPECT_NE(std::string::npos, log.find(row.line)) << log;
        EXPECT_EQ(before, TreeSnapshot(app(), {}, false));
        EXPECT_FALSE(PathExists(marker()));
        EXPECT_EQ(std::vector<std::string>{}, Leftovers(install_.user()));
        EXPECT_EQ("start 1000", LastStartCall(install_.home()));
        ASSERT_EQ(0, statvfs(install_.home().c_str(), &fs));
        EXPECT_GE(fs.f_bavail + 16, free_before) << "something was written beyond the log";
        KillProcessesWithEnvironment("HOME=" + install_.home());
        install_.Shell("rm -rf \"$T\"/tree-*");
    }
}

// Read-only folders in both copies, run as an unprivileged user: a launcher
// killed during the upgrade, or one whose writes fail past a file-size limit,
// leaves what one normal run turns into a complete copy without leftovers.
TEST_F(CrashSafetyTest, ReadOnlyFoldersSurviveAKillOrAFailedWrite) {
    install_.RunUnprivileged();
    ClientTreeSpec old_spec{"1000", 4, 50, 'o'};
    old_spec.read_only_dirs = true;
    MakePackage(old_spec);
    ASSERT_EQ("exit 0", install_.Run().status);
    const std::string pristine = install_.scratch("pristine-old");
    ASSERT_EQ(0, RunCommand("cp -a '" + app() + "' '" + pristine + "'"));
    ClientTreeSpec new_spec{"1001", 4, 50, 'f'};
    new_spec.read_only_dirs = true;
    new_spec.big_file_bytes = 2 * 1024 * 1024;
    const std::string new_tree = MakePackage(new_spec);
    const std::string new_digest = TreeSnapshot(new_tree, {}, false);

    const struct {
        const char *name;
        std::function<bool()> kill_when;  // null: no kill
        std::vector<std::string> wrapper;
    } rows[] = {
        {"killed once the backup is made", [this] { return PathExists(backup()); }, {}},
        {"killed in the extraction",
         [this] { return PathExists(app() + ShareFile(1, 'f', 0)); },
         {}},
        {"writes fail past a file-size limit", nullptr, {"prlimit", "--fsize=1048576", "--"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(0, RunCommand("chmod -R u+w '" + install_.user() + "' && rm -rf '" + app() +
                                "' '" + marker() + "' '" + backup() + "'* && cp -a '" + pristine +
                                "' '" + app() + "'"));
        install_.SetWrapper(row.wrapper);
        std::unique_ptr<ChildProcess> launcher = install_.Start();
        if (row.kill_when)
            WaitUntil([&] { return !launcher->Running() || row.kill_when(); }, 60000, 200);
        if (row.kill_when) launcher->Signal(SIGKILL);
        ASSERT_TRUE(launcher->Wait(30000));
        KillProcessesWithEnvironment("HOME=" + install_.home());

        install_.SetWrapper({});
        const LauncherInstall::Result r = install_.Run();
        ASSERT_EQ("exit 0", r.status) << r.err;
        ExpectCompleteCopyOf(new_tree, new_digest);
        if (HasFailure()) break;
    }
}

// Also as a user without a runtime folder, where another user has made the
// folder a launcher could fall back to in /tmp.
class LaunchersAtOnceTest : public CrashSafetyTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LaunchersAtOnceTest, TenLaunchersAtOnceUpgradeOnce) {
    const std::string taken =
        "/tmp/tarrowind-launcher-" + std::to_string(testing_support::kUnprivilegedUid);
    bool made = false;
    if (GetParam()) {
        if (geteuid() != 0) GTEST_SKIP() << "a folder of another user needs root to make";
        install_.RunUnprivileged();
        made = mkdir(taken.c_str(), 0700) == 0;
        install_.SetWrapper({"env", "-u", "XDG_RUNTIME_DIR"});
    }
    install_.SetLogLevels("launcher_debug=7\nservice_debug=6\n");
    MakePackage({"1000", 10, 100, 'o'});
    ASSERT_EQ("exit 0", install_.Run().status);
    const std::string new_tree = MakePackage({"1001", kDirs, kFiles, 'f'});
    const std::string before = install_.Log();
    const int starts = StartCalls(install_.home());

    std::vector<std::unique_ptr<ChildProcess>> launchers;
    for (int i = 0; i < 10; ++i) launchers.push_back(install_.Start());
    for (auto &launcher : launchers) {
        ASSERT_TRUE(launcher->Wait(60000));
        EXPECT_EQ("exit 0", launcher->StatusText()) << launcher->Errors();
    }

    const std::string log = install_.Log().substr(before.size());
    EXPECT_EQ(1, CountOccurrences(log, kInstalled)) << log;
    // Every launcher either ran the sequence, and started the client once,
    // or left at once.
    const int ran = CountOccurrences(log, kRunning);
    EXPECT_GE(ran, 1);
    EXPECT_EQ(10, ran + CountOccurrences(log, kAlreadyLaunched)) << log;
    EXPECT_EQ(starts + ran, StartCalls(install_.home()));
    ExpectCompleteCopyOf(new_tree, TreeSnapshot(new_tree, {}, false));
    if (made) rmdir(taken.c_str());
}

INSTANTIATE_TEST_SUITE_P(Users, LaunchersAtOnceTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool> &info) {
                             return std::string(info.param ? "UnprivilegedWithoutRuntimeFolder"
                                                           : "SameUser");
                         });

}  // namespace

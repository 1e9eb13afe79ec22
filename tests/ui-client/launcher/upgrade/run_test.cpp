// One run against the user's tree: what it does, what it starts and what
// stays on disk, for each state of the tree, package and locks. Every row
// runs as an ordinary user, in a child process, on a tree of its own.
#include "upgrade/run.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "archive_builder.h"
#include "client_package.h"
#include "file/durable.h"
#include "service_tree.h"
#include "test_support.h"
#include "upgrade/tree_lock.h"

namespace {

using testing_support::Leftovers;
using testing_support::PathExists;
using testing_support::ReadFile;
using testing_support::RecordingObserver;
using testing_support::ServiceTree;
using testing_support::WriteFile;

typedef RunOutcome::Did Did;

enum class Tree {
    kNone,
    kComplete,           // a complete copy of build 1000
    kClientRuns,         // the same, and its client runs
    kScriptNotRunnable,  // the same, but its start script is not executable
    kHalfWritten,        // a partial Tarrowind.app, the complete 1000 recorded as its backup
    kHalfWrittenFirst,   // a partial Tarrowind.app and no complete copy anywhere
    kUnrecorded,         // a partial Tarrowind.app and a marker that records nothing
};

enum class Package {
    kMissing,
    kSame,           // build 1000
    kNewer,          // build 1001
    kEmpty,          // not an archive at all
    kBreaksPartWay,  // damaged after its first entries
    kOtherBuild,     // holds build 1002 while the system's version file says 1001
};

const char kMarker[] = "Tarrowind.app.incomplete";
const char kBackup[] = "Tarrowind.app_tmp";

struct RunRow {
    const char *name;
    Tree tree;
    Package package;
    InstanceLock instance;
    bool tree_lock_taken;  // another launcher holds the tree's lock throughout
    Did did;
    Shortfall shortfall;
    const char *started;    // the build the client was started from; "": none
    const char *installed;  // what Tarrowind.app holds after (InstalledBuild)
    std::vector<std::string> left;
    bool memo;                      // the package is remembered as failed
    std::vector<std::string> told;  // what the observer heard; then whether
                                    // a running client was "stopped"
    const char *logged;             // a line the log must hold; "": none checked
};

void PrintTo(const RunRow &row, std::ostream *os) { *os << row.name; }

// "partial" for the remains of a failed copy, with "+stray" while a file of
// that copy is still there; the build of a complete one; "" for none.
std::string InstalledBuild(const ServiceTree &tree) {
    if (!PathExists(tree.app())) return "";
    const std::string info = ReadFile(tree.app() + "/INFO");
    const size_t at = info.find("build_version=");
    std::string build =
        at == std::string::npos ? "?" : info.substr(at + 14, info.find('\n', at) - at - 14);
    if (PathExists(tree.app() + "/stray")) build += "+stray";
    return build;
}

void WritePartialCopy(const ServiceTree &tree) {
    WriteFile(tree.app() + "/INFO", "[Version]\nbuild_version=partial\n");
    WriteFile(tree.app() + "/stray", "of the failed copy");
}

void MakeTree(const ServiceTree &tree, Tree kind) {
    if (kind == Tree::kComplete || kind == Tree::kClientRuns) tree.InstallApp("1000");
    // A client that runs until it is stopped: /proc shows its program in the copy.
    if (kind == Tree::kClientRuns)
        testing_support::MustRun("cp \"$(command -v sleep)\" " +
                                 testing_support::Quote(tree.app() + "/bin/tarrowind-backup-ui"));
    if (kind == Tree::kHalfWritten) {
        testing_support::WriteClientTree(tree.app() + "_tmp", {"1000"});
        WriteFile(tree.app() + ".incomplete", std::string("backup=") + kBackup + "\n");
    }
    if (kind == Tree::kScriptNotRunnable) {
        tree.InstallApp("1000");
        chmod((tree.app() + "/package/start-stop").c_str(), 0644);
    }
    if (kind == Tree::kHalfWrittenFirst) WriteFile(tree.app() + ".incomplete", "backup=\n");
    if (kind == Tree::kUnrecorded) WriteFile(tree.app() + ".incomplete", "");
    if (kind >= Tree::kHalfWritten) WritePartialCopy(tree);
}

void MakePackage(const ServiceTree &tree, Package kind) {
    const std::string info = tree.root() + "/INFO";
    if (kind == Package::kSame) tree.MakePackage("1000");
    if (kind == Package::kNewer) tree.MakePackage("1001");
    if (kind == Package::kBreaksPartWay) tree.MakeCorruptPackage();
    if (kind == Package::kEmpty) WriteFile(tree.root() + "/package/tarrowind.qpk", "not one");
    if (kind == Package::kOtherBuild) {
        const std::string client = tree.scratch("client-1002");
        testing_support::WriteClientTree(client, {"1002"});
        testing_support::InstallPackage(client, tree.root());
    }
    if (kind == Package::kMissing || kind == Package::kEmpty || kind == Package::kOtherBuild)
        ServiceTree::WriteInfo(info, "1001");
}

// Starts the copy's client, as the pid file names it. Returns its pid.
pid_t StartClient(const ServiceTree &tree) {
    const std::string exe = tree.app() + "/bin/tarrowind-backup-ui";
    const pid_t pid = fork();
    if (pid == 0) {
        execl(exe.c_str(), exe.c_str(), "60", static_cast<char *>(nullptr));
        _exit(127);
    }
    WriteFile(tree.user() + "/ui.pid", "pid=" + std::to_string(pid) + "\n");
    const std::string self = testing_support::LinkText("/proc/self/exe");
    testing_support::WaitUntil(
        [&] { return testing_support::LinkText("/proc/" + std::to_string(pid) + "/exe") != self; },
        5000);
    return pid;
}

// Whether the client `pid` was stopped; ends it when not.
std::string ClientEnd(pid_t pid) {
    int status;
    if (waitpid(pid, &status, WNOHANG) == pid) return "stopped";
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return "running";
}

// The run of `row` as kUnprivilegedUid (when this is root): its outcome as
// did * 8 + shortfall, what the observer heard and whether a running client
// was stopped in <home>/told.
int RunAsUser(const ServiceTree &tree, const RunRow &row) {
    tree.HandHomeOver();
    testing_support::RunCommand("chown -R " + std::to_string(testing_support::kUnprivilegedUid) +
                                " " + testing_support::Quote(tree.scratch("launcher.log")));
    return testing_support::RunUnprivileged([&] {
        RecordingObserver observer;
        RunSetup setup;
        setup.instance = row.instance;
        setup.tree_lock_wait = std::chrono::milliseconds(200);
        const pid_t client = row.tree == Tree::kClientRuns ? StartClient(tree) : 0;
        const RunOutcome outcome = tree.Run(*tree.Service(), setup, &observer);
        if (client > 0) observer.told.push_back(ClientEnd(client));
        std::string told;
        for (const std::string &word : observer.told) told += word + "\n";
        WriteFile(tree.home() + "/told", told);
        return static_cast<int>(outcome.did) * 8 + static_cast<int>(outcome.shortfall);
    });
}

std::vector<std::string> Told(const ServiceTree &tree) {
    std::vector<std::string> told;
    const std::string text = ReadFile(tree.home() + "/told");
    for (size_t at = 0; at < text.size();) {
        const size_t end = text.find('\n', at);
        told.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return told;
}

class RunTable : public testing::TestWithParam<RunRow> {};

TEST_P(RunTable, DoesStartsAndLeaves) {
    const RunRow &row = GetParam();
    ServiceTree tree;
    tree.EnableDebugLog();
    MakeTree(tree, row.tree);
    MakePackage(tree, row.package);
    testing_support::MakeDirs(tree.user());
    std::unique_ptr<TreeLock> other;
    if (row.tree_lock_taken) other.reset(new TreeLock(tree.user().c_str(), {}));
    const int status = RunAsUser(tree, row);
    if (status == 77) GTEST_SKIP() << "cannot switch to uid " << testing_support::kUnprivilegedUid;
    const std::string log = tree.Log();
    EXPECT_EQ(static_cast<int>(row.did), status / 8) << log;
    EXPECT_EQ(static_cast<int>(row.shortfall), status % 8) << log;
    const std::string started = row.started[0] ? std::string("start ") + row.started : "";
    EXPECT_EQ(started, testing_support::LastStartCall(tree.home())) << log;
    EXPECT_EQ(row.installed, InstalledBuild(tree)) << log;
    EXPECT_EQ(row.left, Leftovers(tree.user())) << log;
    EXPECT_EQ(row.memo, PathExists(tree.user() + "/.failed-package")) << log;
    EXPECT_EQ(row.told, Told(tree)) << log;
    if (row.logged[0]) {
        EXPECT_NE(std::string::npos, log.find(row.logged)) << log;
    }
}

const InstanceLock kHeld = InstanceLock::kHeld;
const std::vector<std::string> kSilent;
const std::vector<std::string> kDueDone{"due", "done"};
const std::vector<std::string> kDueDropped{"due", "dropped"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, RunTable, testing::Values(
    RunRow{"NotDue", Tree::kComplete, Package::kSame, kHeld, false,
           Did::kStarted, Shortfall::kNone, "1000", "1000", {}, false, kSilent,
           "no need to upgrade"},
    RunRow{"Upgrade", Tree::kClientRuns, Package::kNewer, kHeld, false,
           Did::kUpgraded, Shortfall::kNone, "1001", "1001", {}, false, {"due", "done", "stopped"},
           "removing backup app"},
    RunRow{"FirstInstall", Tree::kNone, Package::kNewer, kHeld, false,
           Did::kUpgraded, Shortfall::kNone, "1001", "1001", {}, false, kDueDone,
           ""},
    RunRow{"PackageHoldsNothing", Tree::kClientRuns, Package::kEmpty, kHeld, false,
           Did::kStarted, Shortfall::kPackageRefused, "1000", "1000", {}, true, {"due", "dropped", "running"},
           ""},
    RunRow{"PackageBreaksPartWay", Tree::kComplete, Package::kBreaksPartWay, kHeld, false,
           Did::kStarted, Shortfall::kUpgradeFailed, "1000", "1000", {}, true, {"due"},
           "Failed to upgrade package"},
    RunRow{"PackageOfAnotherBuild", Tree::kComplete, Package::kOtherBuild, kHeld, false,
           Did::kUpgraded, Shortfall::kNone, "1002", "1002", {}, true, kDueDone,
           "installed build '1002', but the system's version file says '1001'"},
    RunRow{"HalfWrittenAndARefusedPackage", Tree::kHalfWritten, Package::kEmpty, kHeld, false,
           Did::kStarted, Shortfall::kPackageRefused, "1000", "1000", {}, true, kDueDropped,
           ""},
    RunRow{"HalfWrittenAndNoPackage", Tree::kHalfWritten, Package::kMissing, kHeld, false,
           Did::kStarted, Shortfall::kPackageRefused, "1000", "1000", {}, false, kDueDropped,
           ""},
    RunRow{"HalfWrittenFirstInstallAgain", Tree::kHalfWrittenFirst, Package::kNewer, kHeld, false,
           Did::kUpgraded, Shortfall::kNone, "1001", "1001", {}, false, kDueDone,
           ""},
    RunRow{"HalfWrittenFirstInstallAndNoPackage", Tree::kHalfWrittenFirst, Package::kMissing, kHeld, false,
           Did::kStartedNothing, Shortfall::kPackageRefused, "", "", {}, false, kDueDropped,
           "holds no copy known complete"},
    RunRow{"UnrecordedAndNoPackage", Tree::kUnrecorded, Package::kMissing, kHeld, false,
           Did::kStartedNothing, Shortfall::kPackageRefused, "", "partial+stray", {kMarker}, false, kDueDropped,
           ""},
    RunRow{"WithoutTheSingleInstanceLock", Tree::kClientRuns, Package::kNewer, InstanceLock::kNotHeld, false,
           Did::kStarted, Shortfall::kNoLock, "1000", "1000", {}, false, {"running"},
           ""},
    RunRow{"WithoutTheTreeLock", Tree::kClientRuns, Package::kNewer, kHeld, true,
           Did::kStarted, Shortfall::kNoTreeLock, "1000", "1000", {}, false, {"running"},
           "starting the client without upgrading it"},
    RunRow{"WithoutTheTreeLockHalfWritten", Tree::kHalfWritten, Package::kNewer, kHeld, true,
           Did::kStartedNothing, Shortfall::kNoTreeLock, "", "partial+stray", {kMarker, kBackup}, false, kSilent,
           "its copy is not known complete"},
    RunRow{"StartScriptNotExecutable", Tree::kScriptNotRunnable, Package::kSame, kHeld, false,
           Did::kStartedNothing, Shortfall::kClientNotStarted, "", "1000", {}, false, kSilent,
           "/package/start-stop': Permission denied"}),
    [](const testing::TestParamInfo<RunRow> &info) { return std::string(info.param.name); });
// clang-format on

// A run that upgrades, ended at one of its steps (a logout, a power cut): the
// next run starts a complete copy, the new one where it got that far, and
// leaves nothing behind.
TEST(RunEndedAtAStep, TheNextRunStartsACompleteCopyAndLeavesNothing) {
    const struct {
        RunStep step;
        Did next;  // what the next run does
    } rows[] = {
        {RunStep::kRecovered, Did::kUpgraded},      {RunStep::kDecided, Did::kUpgraded},
        {RunStep::kPackageChecked, Did::kUpgraded}, {RunStep::kCopyReplaced, Did::kStarted},
        {RunStep::kClientStarted, Did::kStarted},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(static_cast<int>(row.step));
        ServiceTree tree;
        tree.InstallApp("1000");
        tree.MakePackage("1001");
        const int status = testing_support::RunInChild([&] {
            RecordingObserver observer;
            observer.at = [&](RunStep step) {
                if (step == row.step) _exit(9);
            };
            tree.Run(*tree.Service(), RunSetup(), &observer);
            return 0;
        });
        ASSERT_EQ(9, status) << tree.Log();
        EXPECT_EQ(row.next, tree.Run().did) << tree.Log();
        EXPECT_EQ("start 1001", testing_support::LastStartCall(tree.home()));
        EXPECT_EQ("1001", InstalledBuild(tree));
        EXPECT_EQ(std::vector<std::string>{}, Leftovers(tree.user())) << tree.Log();
    }
}

std::vector<std::string> *g_durable_steps = nullptr;

void RecordDurableStep(const char *step, const ustring &path) {
    g_durable_steps->push_back(std::string(step) + " " + path.c_str());
}

size_t IndexOf(const std::vector<std::string> &steps, const std::string &step) {
    return std::find(steps.begin(), steps.end(), step) - steps.begin();
}

// The marker goes only once the new copy has reached the disk: before, a
// power cut could leave a copy that is only half on disk and unmarked.
TEST(RunDurability, TheMarkerGoesOnlyOnceTheNewCopyIsOnDisk) {
    ServiceTree tree;
    tree.InstallApp("1000");
    tree.MakePackage("1001");
    std::vector<std::string> steps;
    g_durable_steps = &steps;
    SetDurableStepRecorder(RecordDurableStep);
    const Did did = tree.Run().did;
    SetDurableStepRecorder(nullptr);
    ASSERT_EQ(Did::kUpgraded, did) << tree.Log();
    const std::string marker = tree.app() + ".incomplete";
    const size_t marked = IndexOf(steps, "replace " + marker);
    const size_t flushed = IndexOf(steps, "sync-fs " + tree.app());
    const size_t unmarked = IndexOf(steps, "remove " + marker);
    ASSERT_LT(unmarked, steps.size()) << testing::PrintToString(steps);
    EXPECT_LT(marked, flushed) << testing::PrintToString(steps);
    EXPECT_LT(flushed, unmarked) << testing::PrintToString(steps);
}

// The system log's line says which lock a run lacked.
TEST(RunSummary, EachLockHasItsOwnLine) {
    EXPECT_NE(std::string::npos, ShortfallLine(Shortfall::kNoTreeLock, "1000", "", "/l")
                                     .find("without the lock of the user's folder: installed "
                                           "build 1000, package build none"));
    EXPECT_NE(std::string::npos,
              ShortfallLine(Shortfall::kNoLock, "", "", "/l").find("single-instance lock"));
    EXPECT_EQ(0u, ShortfallLine(Shortfall::kClientNotStarted, "1000", "1000", "/l")
                      .find("the client could not be started: installed build 1000"));
}

}  // namespace

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "child_process.h"
#include "linux/package_info.h"
#include "service_tree.h"
#include "test_support.h"

using testing_support::RunCommand;
using testing_support::TempDir;

namespace {

// Runs the path printer from <root>/bin with the given environment prefix and
// returns its "name=value" lines as a map.
std::map<std::string, std::string> PathsFromInstall(const TempDir &tmp, const std::string &root,
                                                    const std::string &env,
                                                    const std::string &arg = "") {
    std::string bin = tmp.path() + root + "/bin";
    std::string copy = "mkdir -p '" + bin + "' && cp '" PRINT_SERVICE_PATHS "' '" + bin + "/'";
    EXPECT_EQ(0, RunCommand(copy));
    std::string out;
    EXPECT_EQ(0, RunCommand(env + " '" + bin + "/print_service_paths' " + arg, &out));
    std::map<std::string, std::string> paths;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        auto eq = line.find('=');
        if (eq != std::string::npos) paths[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return paths;
}

TEST(ServicePaths, StandardInstallForUser) {
    TempDir tmp;
    auto p = PathsFromInstall(tmp, "/opt/Veltrona/Tarrowind", "HOME=/home/user");
    const std::string root = tmp.path() + "/opt/Veltrona/Tarrowind";
    EXPECT_EQ("/home/user", p["GetUserInstallPath"]);
    EXPECT_EQ(root, p["GetRootTarrowindInstallPath"]);
    EXPECT_EQ(root, p["GetRootTarrowindResourceInstallPath"]);
    EXPECT_EQ("/home/user/.TarrowindBackup", p["GetUserTarrowindInstallPath"]);
    EXPECT_EQ("/home/user/.TarrowindBackup/Tarrowind.app", p["GetUserTarrowindAppInstallPath"]);
    EXPECT_EQ("/home/user/.TarrowindBackup/data", p["GetUserTarrowindDataInstallPath"]);
    EXPECT_EQ("/home/user/.TarrowindBackup/Tarrowind.app", p["per_user_install_path"]);
    EXPECT_EQ("10000", p["timeout"]);
}

TEST(ServicePaths, RootFollowsTheExecutable) {
    TempDir tmp;
    auto p = PathsFromInstall(tmp, "/elsewhere/D", "HOME=/home/user");
    EXPECT_EQ(tmp.path() + "/elsewhere/D", p["GetRootTarrowindInstallPath"]);
}

TEST(ServicePaths, UnsetHomeGivesDoubleSlash) {
    TempDir tmp;
    auto p = PathsFromInstall(tmp, "/opt/Veltrona/Tarrowind", "env -u HOME");
    EXPECT_EQ("/", p["GetUserInstallPath"]);
    EXPECT_EQ("//.TarrowindBackup", p["GetUserTarrowindInstallPath"]);
}

TEST(ServicePaths, HomeChangedAfterConstructionKeepsPerUserPath) {
    TempDir tmp;
    auto p = PathsFromInstall(tmp, "/opt/Veltrona/Tarrowind", "HOME=/home/user", "rehome");
    EXPECT_EQ("/home/other/.TarrowindBackup/Tarrowind.app", p["GetUserTarrowindAppInstallPath"]);
    EXPECT_EQ("/home/user/.TarrowindBackup/Tarrowind.app", p["per_user_install_path"]);
}

TEST(PackageInfo, FixedPathsAndHomeLogFolder) {
    TempDir home;
    testing_support::ScopedEnv env("HOME", home.path());
    PackageInfo info;
    EXPECT_EQ("/opt/Veltrona/Tarrowind/images", std::string(info.GetImageFolder().c_str()));
    EXPECT_EQ(home.path() + "/.Tarrowind", std::string(info.GetLogFolder().c_str()));
    EXPECT_EQ("/opt/Veltrona/Tarrowind/log/launcher.debug",
              std::string(info.GetLogLevelPath().c_str()));
    EXPECT_EQ("/opt/Veltrona/Tarrowind/package/tarrowind.qpk",
              std::string(info.GetPackagePath().c_str()));
    EXPECT_EQ("/opt/Veltrona/Tarrowind/conf", std::string(info.GetConfigFolder().c_str()));
}

}  // namespace

namespace {

using testing_support::ChildOptions;
using testing_support::ChildProcess;
using testing_support::HasLogLine;
using testing_support::LinkText;
using testing_support::ReadFile;
using testing_support::ServiceTree;
using testing_support::WaitUntil;
using testing_support::WriteFile;

// Starts argv as a client would run, reaped the moment it ends (a zombie
// would still answer signal 0), and waits until the program has replaced the
// forked test process, so that /proc shows its executable and arguments.
std::unique_ptr<ChildProcess> StartProcess(const std::vector<std::string> &argv, bool ignore_term,
                                           const std::string &cwd = "", bool unprivileged = false,
                                           bool reap_at_once = true) {
    ChildOptions options;
    options.ignore_term = ignore_term;
    options.cwd = cwd;
    options.unprivileged = unprivileged;
    options.reap_at_once = reap_at_once;
    std::unique_ptr<ChildProcess> process(new ChildProcess(argv[0], argv, options));
    const std::string self = LinkText("/proc/self/exe");
    const std::string exe = "/proc/" + std::to_string(process->pid()) + "/exe";
    WaitUntil([&] { return LinkText(exe) != self; }, 5000);
    return process;
}

// The signals StopService sends, one line each, answered as if the process
// had already ended or, with `alive`, as if it were alive and took every
// signal.
std::string StopObserved(const ServiceTree &tree, bool alive = false) {
    std::string sent;
    ServiceSetup setup;
    setup.kill = [&sent, alive](pid_t pid, int sig) {
        sent += "signal " + std::to_string(sig) + " to " + std::to_string(pid) + "\n";
        errno = alive ? 0 : ESRCH;
        return alive ? 0 : -1;
    };
    tree.Service(setup)->StopService();
    return sent;
}

void WritePid(const ServiceTree &tree, const std::string &value) {
    WriteFile(tree.user() + "/ui.pid", "pid=" + value + "\n");
}

// The client executable: a copy of sleep(1), so that /proc shows it inside
// the application directory.
std::string InstallSleepingClient(const ServiceTree &tree) {
    tree.InstallApp("3320");
    const std::string exe = tree.app() + "/bin/tarrowind-backup-ui";
    EXPECT_EQ(0, RunCommand("cp \"$(command -v sleep)\" '" + exe + "'"));
    return exe;
}

TEST(StopService, NoPidFileSignalsNothing) {
    ServiceTree tree;
    tree.EnableDebugLog();
    EXPECT_EQ("", StopObserved(tree));
    EXPECT_TRUE(
        HasLogLine(tree.Log(), "[DEBUG]", "linux/linux-service",
                   "pid file '" + tree.user() + "/ui.pid' does not exist, no need to terminate"));
}

TEST(StopService, UnusablePidValuesAreNeverSignalled) {
    // 0 and negative numbers address process groups, 1 is init. Each row
    // says why nothing was signalled.
    const char kUnusable[] = "holds no usable pid";
    const char kUnreadable[] = "Failed to read pid file";
    const struct {
        const char *value;
        const char *line;
    } rows[] = {{"", kUnreadable},
                {"abc", kUnusable},
                {"0", kUnusable},
                {"-1", kUnusable},
                {"-42", kUnusable},
                {"1", kUnusable},
                {"+1", kUnusable},
                {"99999999999", kUnusable},
                // Reads as pid 12, which is no client of this user, if it exists.
                {"\"12 13\"", "[NOTE] linux/linux-service("}};
    for (const auto &row : rows) {
        ServiceTree tree;
        tree.InstallApp("3320");
        tree.EnableDebugLog();
        WritePid(tree, row.value);
        EXPECT_EQ("", StopObserved(tree)) << "pid=" << row.value;
        EXPECT_NE(std::string::npos, tree.Log().find(row.line))
            << "pid=" << row.value << ": " << tree.Log();
    }
    ServiceTree tree;
    WriteFile(tree.user() + "/ui.pid", "other=1\n");
    EXPECT_EQ("", StopObserved(tree)) << "no pid key";
}

TEST(StopService, MalformedPidFileIsReported) {
    ServiceTree tree;
    tree.EnableDebugLog();
    WriteFile(tree.user() + "/ui.pid", "pid=12 13\n");
    EXPECT_EQ("", StopObserved(tree));
    EXPECT_TRUE(HasLogLine(tree.Log(), "[NOTE]", "linux/linux-service",
                           "Failed to read pid file '" + tree.user() + "/ui.pid', not exist ?"));
}

// How a client answers SIGTERM, and how the stop must end: the client's end
// noticed at once, SIGKILL only when five seconds have passed.
struct StopRow {
    const char *name;
    const char *script;  // null: the sleeping client, which SIGTERM ends
    bool ignore_term;
    const char *ends_with;  // the client's end as StatusText() words it
    int min_ms;             // the least time StopService may take
    int max_ms;             // the most, beyond which its end went unnoticed
    ProcessWatch watch = ProcessWatch::kDescriptors;
    bool zombie = false;  // once ended, the client stays unreaped until the stop is done
};

void PrintTo(const StopRow &row, std::ostream *os) { *os << row.name; }

class StopSequence : public testing::TestWithParam<StopRow> {};

TEST_P(StopSequence, NoticesTheEndAtOnceAndKillsAfterFiveSeconds) {
    const StopRow &row = GetParam();
    ServiceTree tree;
    tree.EnableDebugLog();
    const std::string exe = InstallSleepingClient(tree);
    std::vector<std::string> argv{exe, "60"};
    if (row.script) {
        WriteFile(tree.app() + "/bin/client.sh", row.script);
        ASSERT_EQ(0, chmod((tree.app() + "/bin/client.sh").c_str(), 0755));
        argv = {"/bin/sh", tree.app() + "/bin/client.sh"};
    }
    const auto client = StartProcess(argv, row.ignore_term, "", false, !row.zombie);
    // A script's SIGTERM must come after its trap.
    const std::string ready = tree.app() + "/bin/client.sh.ready";
    if (row.script) WaitUntil([&] { return access(ready.c_str(), F_OK) == 0; }, 5000);
    WritePid(tree, std::to_string(client->pid()));
    ServiceSetup setup;
    setup.watch = row.watch;
    // The signals go out as sent, and are counted: signal 0, a probe, only
    // where the end cannot be watched through a descriptor.
    int probes = 0;
    setup.kill = [&probes](pid_t pid, int sig) {
        probes += sig == 0;
        return kill(pid, sig);
    };
    const auto service = tree.Service(setup);
    const auto start = std::chrono::steady_clock::now();
    service->StopService();
    const auto done = std::chrono::steady_clock::now();
    ASSERT_TRUE(client->Wait(2000)) << tree.Log();
    EXPECT_EQ(row.ends_with, client->StatusText());
    const auto ms = [](std::chrono::steady_clock::duration d) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(d).count();
    };
    EXPECT_GE(ms(done - start), row.min_ms) << tree.Log();
    EXPECT_LE(ms(done - start), row.max_ms) << tree.Log();
    // Noticed well within the one second that a probe a second apart takes.
    if (!row.zombie) {
        EXPECT_LE(ms(done - client->EndedAt()), 400) << "the client's end was noticed late";
    }
    EXPECT_EQ(row.watch == ProcessWatch::kProbes, probes > 0) << probes << " probes";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StopSequence,
    testing::Values(StopRow{"ExitsAtOnce", nullptr, false, "signal 15", 0, 500},
                    StopRow{"ExitsAfterTwoSeconds",
                            "trap 'sleep 2; exit 0' TERM\n: >\"$0.ready\"\n"
                            "while :; do sleep 0.05; done\n",
                            false, "exit 0", 1900, 2600},
                    StopRow{"IgnoresTerm", nullptr, true, "signal 9", 4900, 5600},
                    // A zombie answers signal 0: where there are no process
                    // descriptors it must still count as ended, and where
                    // there are, they, not signal 0, must tell.
                    StopRow{"ZombieWithoutDescriptors", nullptr, false, "signal 15", 0, 500,
                            ProcessWatch::kProbes, true},
                    StopRow{"ZombieWithDescriptors", nullptr, false, "signal 15", 0, 500,
                            ProcessWatch::kDescriptors, true},
                    StopRow{"IgnoresTermWithoutDescriptors", nullptr, true, "signal 9", 4900, 5600,
                            ProcessWatch::kProbes}),
    [](const testing::TestParamInfo<StopRow> &info) { return std::string(info.param.name); });

TEST(StopService, StalePidOfAnEndedProcessReturnsQuietly) {
    ServiceTree tree;
    tree.EnableDebugLog();
    pid_t gone;
    {
        const auto ended = StartProcess({"/bin/true"}, false);
        gone = ended->pid();
        ended->Wait(10000);
    }
    WritePid(tree, std::to_string(gone));
    EXPECT_EQ("", StopObserved(tree));
    EXPECT_EQ(std::string::npos, tree.Log().find("[ERROR]")) << tree.Log();
    EXPECT_TRUE(HasLogLine(tree.Log(), "[NOTE]", "linux/linux-service",
                           "process " + std::to_string(gone) + " named by pid file '" +
                               tree.user() + "/ui.pid' does not exist, nothing to stop"));
}

// Without /proc nothing tells whether the pid file names the client: it is
// left alone, and the log says why.
TEST(StopService, WithoutProcNothingIsSignalledAndTheLogSaysWhy) {
    if (geteuid() != 0) GTEST_SKIP() << "hiding /proc needs root";
    ServiceTree tree;
    const auto client = StartProcess({InstallSleepingClient(tree), "60"}, false);
    WritePid(tree, std::to_string(client->pid()));
    const int status = testing_support::RunInChild([&] {
        if (unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("none", "/proc", "tmpfs", 0, nullptr) != 0)
            return 77;
        return StopObserved(tree, true).empty() ? 0 : 1;
    });
    if (status == 77) GTEST_SKIP() << "cannot mount over /proc here";
    EXPECT_EQ(0, status) << tree.Log();
    EXPECT_NE(std::string::npos, tree.Log().find("/proc does not show it")) << tree.Log();
}

// Which process the pid file names decides everything: every real client
// gets SIGTERM, and no other process gets anything. The service runs as an
// unprivileged user, as users do (root may see what they cannot).
enum class Started {
    kProgram,           // the client's program by its absolute path
    kProgramRelative,   // ... from the copy, by a relative path
    kScript,            // an interpreter running a script of the copy
    kScriptRelative,    // ... given by a relative path
    kNonDumpable,       // a program that hides its executable
    kOtherUser,         // the client's program, run by another user
    kNamingAFile,       // tail -f on a file of the copy
    kUnrelated,         // some other program of the user
    kAfterThePidFile,   // the client's program, started after the pid file
    kClockStepped,      // ... started, the clock then set an hour forward
    kMovedAside,        // ... whose copy an upgrade moved to a backup name and deleted
    kDeletedElsewhere,  // ... of a copy at another name, deleted
};

struct ClientRow {
    const char *name;
    Started how;
    const char *pid_prefix;
    const char *refusal;  // null: the process is the client and gets SIGTERM
};

void PrintTo(const ClientRow &row, std::ostream *os) { *os << row.name; }

class StopClient : public testing::TestWithParam<ClientRow> {};

TEST_P(StopClient, SignalsTheClientAndNothingElse) {
    const ClientRow &row = GetParam();
    if (row.how == Started::kOtherUser && geteuid() != 0)
        GTEST_SKIP() << "a process of another user needs root";
    ServiceTree tree;
    tree.EnableDebugLog();
    const std::string exe = InstallSleepingClient(tree);
    WriteFile(tree.app() + "/bin/client.sh", "sleep 60\n");
    ASSERT_EQ(0, chmod((tree.app() + "/bin/client.sh").c_str(), 0755));
    if (row.how == Started::kNonDumpable) {
        ASSERT_EQ(0, RunCommand("cp '" NONDUMPABLE_CLIENT "' '" + exe + "'"));
    }
    tree.HandHomeOver();

    std::vector<std::string> argv{exe, "60"};
    std::string cwd;
    switch (row.how) {
        case Started::kProgramRelative:
            argv = {"bin/tarrowind-backup-ui", "60"};
            cwd = tree.app();
            break;
        case Started::kScript:
            argv = {"/bin/sh", tree.app() + "/bin/client.sh"};
            break;
        case Started::kScriptRelative:
            argv = {"/bin/sh", "bin/client.sh"};
            cwd = tree.app();
            break;
        case Started::kNamingAFile:
            argv = {"/usr/bin/tail", "-f", tree.app() + "/INFO"};
            break;
        case Started::kUnrelated:
            argv = {"/bin/sleep", "60"};
            break;
        case Started::kDeletedElsewhere:
            ASSERT_EQ(0, RunCommand("cp -a '" + tree.app() + "' '" + tree.app() + ".old'"));
            argv = {tree.app() + ".old/bin/tarrowind-backup-ui", "60"};
            break;
        default:
            break;
    }
    const auto process = StartProcess(argv, false, cwd, row.how != Started::kOtherUser);
    switch (row.how) {
        case Started::kMovedAside:
            ASSERT_EQ(0, RunCommand("mv '" + tree.app() + "' '" + tree.app() + "_tmp3' && rm -r '" +
                                    tree.app() + "_tmp3'"));
            break;
        case Started::kDeletedElsewhere:
            ASSERT_EQ(0, RunCommand("rm -r '" + tree.app() + ".old'"));
            break;
        default:
            break;
    }
    WritePid(tree, row.pid_prefix + std::to_string(process->pid()));
    if (row.how == Started::kAfterThePidFile) {
        const struct timeval hour_ago[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
        ASSERT_EQ(0, utimes((tree.user() + "/ui.pid").c_str(), hour_ago));
    }
    if (row.how == Started::kClockStepped) {
        // As a step of the wall clock shows them: the pid file, written after
        // the client started, an hour older than the client's start.
        struct timespec stepped[2];
        ASSERT_EQ(0, clock_gettime(CLOCK_REALTIME, &stepped[0]));
        stepped[0].tv_sec -= 3600;
        stepped[1] = stepped[0];
        ASSERT_EQ(0, utimensat(AT_FDCWD, (tree.user() + "/ui.pid").c_str(), stepped, 0));
    }
    testing_support::RunUnprivileged([&] {
        tree.Service()->StopService();
        return 0;
    });
    const std::string log = tree.Log();
    if (row.refusal) {
        EXPECT_TRUE(process->Running());
        EXPECT_NE(std::string::npos, log.find(std::string("[NOTE] linux/linux-service("))) << log;
        EXPECT_NE(std::string::npos, log.find(row.refusal)) << log;
    } else {
        ASSERT_TRUE(process->Wait(10000)) << log;
        EXPECT_EQ(SIGTERM, process->TermSignal()) << log;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StopClient,
    testing::Values(ClientRow{"ProgramByAbsolutePath", Started::kProgram, "", nullptr},
                    ClientRow{"PidWithPlusSign", Started::kProgram, "+", nullptr},
                    ClientRow{"ProgramByRelativePath", Started::kProgramRelative, "", nullptr},
                    ClientRow{"ScriptByAbsolutePath", Started::kScript, "", nullptr},
                    ClientRow{"ScriptByRelativePath", Started::kScriptRelative, "", nullptr},
                    ClientRow{"NonDumpableProgram", Started::kNonDumpable, "", nullptr},
                    ClientRow{"ProcessOfAnotherUser", Started::kOtherUser, "",
                              "belongs to another user"},
                    ClientRow{"TailOfAFileOfTheCopy", Started::kNamingAFile, "",
                              "neither its program nor its script lies in the copy"},
                    ClientRow{"UnrelatedProgram", Started::kUnrelated, "",
                              "neither its program nor its script lies in the copy"},
                    // Where its program lies tells the client; when it
                    // started does not, since the wall clock steps.
                    ClientRow{"StartedAfterThePidFile", Started::kAfterThePidFile, "", nullptr},
                    ClientRow{"ClockSetForwardAfterTheStart", Started::kClockStepped, "", nullptr},
                    ClientRow{"ProgramOfADeletedBackup", Started::kMovedAside, "", nullptr},
                    ClientRow{"DeletedProgramOfAnotherName", Started::kDeletedElsewhere, "",
                              "neither its program nor its script lies in the copy"}),
    [](const testing::TestParamInfo<ClientRow> &info) { return std::string(info.param.name); });

TEST(HandlePackageUpgrade, MissingClientStopsNothing) {
    ServiceTree tree;
    tree.MakePackage("3400");
    WritePid(tree, "4711");
    std::string sent;
    ServiceSetup setup;
    setup.kill = [&sent](pid_t, int) {
        sent += "signal";
        return 0;
    };
    EXPECT_EQ(RunOutcome::Did::kUpgraded, tree.Run(*tree.Service(setup)).did) << tree.Log();
    EXPECT_EQ("", sent);
}

// A start script that cannot run a program, or cannot run itself because
// the copy's file system forbids it, starts no client, and the log says why
// in plain words.
TEST(PostUpgrade, AClientThatCannotStartIsReportedWithWhy) {
    const struct {
        const char *name;
        bool noexec;         // the copy lies on a file system mounted noexec
        const char *script;  // the start script; null: the client tree's own
        const char *why;
    } rows[] = {
        {"ScriptCannotRunTheClient", false, "#!/bin/sh\nexit 126\n",
         "cannot be executed (status 126)"},
        {"HomeMountedNoexec", true, nullptr, "does not let programs run (it is mounted noexec)"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.noexec && geteuid() != 0) GTEST_SKIP() << "mounting needs root";
        ServiceTree tree;
        const int status = testing_support::RunInChild([&] {
            if (row.noexec &&
                (unshare(CLONE_NEWNS) != 0 ||
                 mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                 mount("none", tree.home().c_str(), "tmpfs", MS_NOEXEC, nullptr) != 0))
                return 77;
            tree.InstallApp("3320");
            if (row.script) WriteFile(tree.app() + "/package/start-stop", row.script, 0755);
            return static_cast<int>(tree.Service()->PostUpgrade());
        });
        if (status == 77) GTEST_SKIP() << "cannot mount a file system here";
        EXPECT_EQ(static_cast<int>(ClientStart::kNotStarted), status) << tree.Log();
        EXPECT_NE(std::string::npos, tree.Log().find(row.why)) << tree.Log();
    }
}

TEST(PostUpgrade, RunsTheStartScriptWithStart) {
    for (const char *home : {"home", "my home"}) {
        ServiceTree tree(home);
        tree.InstallApp("3320");
        tree.Service()->PostUpgrade();
        EXPECT_EQ("start 3320\n", ReadFile(tree.home() + "/start-stop.calls")) << home;
    }
}

}  // namespace

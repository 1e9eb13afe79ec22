// End-to-end tests: the launcher installed by `cmake --install` into a
// scratch prefix, run with a scratch home directory, checked by what a user
// sees: the per-user copy, the running client, the log, the exit status and
// the windows on a virtual X display.
#include <locale.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "child_process.h"
#include "launcher_install.h"
#include "log_lines.h"
#include "notification_bus.h"
#include "disk_state.h"
#include "system_log.h"
#include "test_support.h"
#include "wayland_display.h"
#include "x_display.h"

namespace {

using testing_support::ArchiveEntry;
using testing_support::BlockingStartScript;
using testing_support::ChildProcess;
using testing_support::CountOccurrences;
using testing_support::DirEntry;
using testing_support::FileEntry;
using testing_support::kAlreadyLaunched;
using testing_support::kDone;
using testing_support::KillProcessesWithEnvironment;
using testing_support::kNoUpgrade;
using testing_support::kRunning;
using testing_support::kUpgradeFailed;
using testing_support::LauncherInstall;
using testing_support::Leftovers;
using testing_support::NotificationBus;
using testing_support::PathExists;
using testing_support::ProcessAlive;
using testing_support::ProcessExecutable;
using testing_support::ReadFile;
using testing_support::ReadHead;
using testing_support::RunCommand;
using testing_support::SystemLogSocket;
using testing_support::TreeSnapshot;
using testing_support::WaitForFile;
using testing_support::WaitForText;
using testing_support::WaitUntil;
using testing_support::WestonServer;
using testing_support::WriteFile;
using testing_support::XvfbServer;

const char kDialogTitle[] = "Tarrowind Backup";
const char kLauncherClass[] = "tarrowind-launcher";
const char kDebugLevels[] = "launcher_debug=7\nservice_debug=7\n";
const int kTimeoutMs = 30000;

bool IsExecutableFile(const std::string &path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR);
}

// The level words of the log lines ("ERROR", "DEBUG", ...), in order.
std::vector<std::string> LevelWords(const std::string &log) {
    std::vector<std::string> words;
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t open = line.find('[');
        const size_t close = line.find(']', open);
        words.push_back(open == std::string::npos || close == std::string::npos
                            ? line
                            : line.substr(open + 1, close - open - 1));
    }
    return words;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class LauncherE2eTest : public ::testing::Test {
protected:
    std::string LibPathLine() const { return "lib path = '" + install_.root() + "/lib/plugins'\n"; }
    std::string Entered() const { return install_.home() + "/start-stop.entered"; }
    void Release() const { WriteFile(install_.home() + "/start-stop.release", ""); }

    // A first run that installs the client copy; the client it starts is
    // stopped again.
    void InstallClientCopy() {
        const LauncherInstall::Result r = install_.Run();
        ASSERT_EQ("exit 0", r.status) << r.err;
        const pid_t client = install_.WaitForClient();
        ASSERT_NE(0, client) << "no client after the first run";
        ASSERT_TRUE(LauncherInstall::StopClient(client));
    }

    // With the debug lines of the sequence on and the client copy
    // installed, starts a launcher whose start script blocks until
    // Release(), and waits until the script has begun.
    void StartBlockedLauncher(std::unique_ptr<ChildProcess> *launcher) {
        install_.SetLogLevels("launcher_debug=7\n");
        ASSERT_NO_FATAL_FAILURE(InstallClientCopy());
        install_.SetUserStartScript(BlockingStartScript());
        *launcher = install_.Start();
        ASSERT_TRUE(WaitForFile(Entered(), kTimeoutMs)) << (*launcher)->Errors();
    }

    LauncherInstall install_;
};

TEST_F(LauncherE2eTest, FirstRunInstallsTheUserCopyAndStartsTheClient) {
    const LauncherInstall::Result r = install_.Run();
    EXPECT_EQ("exit 0", r.status) << r.err;
    EXPECT_EQ(LibPathLine(), r.out);

    EXPECT_EQ(ReadFile(install_.root() + "/INFO"), ReadFile(install_.app() + "/INFO"));
    EXPECT_NE(std::string::npos, ReadFile(install_.app() + "/INFO").find("build_version=1000\n"));
    EXPECT_TRUE(IsExecutableFile(install_.app() + "/bin/tarrowind-backup-ui"));
    EXPECT_TRUE(IsExecutableFile(install_.app() + "/package/start-stop"));
    EXPECT_EQ(std::vector<std::string>{}, Leftovers(install_.user()));

    const pid_t client = install_.WaitForClient();
    ASSERT_NE(0, client) << "ui.pid: " << ReadFile(install_.user() + "/ui.pid");
    EXPECT_EQ(install_.app() + "/bin/tarrowind-backup-ui", ProcessExecutable(client));

    // Under the default thresholds only errors and warnings are logged.
    EXPECT_TRUE(WaitForFile(install_.user() + "/log/launcher.log", 0));
    EXPECT_EQ("", install_.Log());
    EXPECT_TRUE(LauncherInstall::StopClient(client));
}

TEST_F(LauncherE2eTest, LevelFileLetsTheSequenceDebugLinesThrough) {
    install_.SetLogLevels(kDebugLevels);
    ASSERT_NO_FATAL_FAILURE(InstallClientCopy());
    const std::string first = install_.Log();
    EXPECT_EQ(1, CountOccurrences(first, kRunning)) << first;
    EXPECT_EQ(1, CountOccurrences(first, kDone)) << first;
    EXPECT_EQ(0, CountOccurrences(first, kNoUpgrade)) << first;
    EXPECT_LT(first.find(kRunning), first.find("source version = 0, target version = 1000"));
    EXPECT_LT(first.find("source version = 0, target version = 1000"), first.find(kDone));
    EXPECT_EQ(0, CountOccurrences(first, "[ERROR]")) << first;

    const LauncherInstall::Result r = install_.Run();
    EXPECT_EQ("exit 0", r.status) << r.err;
    const pid_t client = install_.WaitForClient();
    EXPECT_NE(0, client);
    const std::string second = install_.Log().substr(first.size());
    EXPECT_LT(second.find(kRunning), second.find("source version = 1000, target version = 1000"));
    EXPECT_LT(second.find("source version = 1000, target version = 1000"), second.find(kNoUpgrade));
    EXPECT_LT(second.find(kNoUpgrade), second.find(kDone));
    EXPECT_NE(std::string::npos, second.find(kDone)) << second;
    EXPECT_TRUE(LauncherInstall::StopClient(client));
}

TEST_F(LauncherE2eTest, UpgradeStopsTheRunningClientAndStartsTheNewOne) {
    ASSERT_EQ("exit 0", install_.Run().status);
    const pid_t old_client = install_.WaitForClient();
    ASSERT_NE(0, old_client);

    install_.RepackPackage("1001");
    const LauncherInstall::Result r = install_.Run();
    EXPECT_EQ("exit 0", r.status) << r.err;
    EXPECT_FALSE(ProcessAlive(old_client)) << "the old client still runs";

    EXPECT_NE(std::string::npos, ReadFile(install_.app() + "/INFO").find("build_version=1001\n"));
    EXPECT_TRUE(IsExecutableFile(install_.app() + "/bin/tarrowind-backup-ui"));
    EXPECT_EQ(std::vector<std::string>{}, Leftovers(install_.user()));
    const pid_t new_client = install_.WaitForClient(10000, old_client);
    ASSERT_NE(0, new_client) << "no new client";
    // The stand-in client prints the build of the copy it was started from.
    EXPECT_TRUE(WaitForText(install_.user() + "/log/client.log",
                            "build 1001 running as pid " + std::to_string(new_client) + "\n",
                            10000))
        << ReadFile(install_.user() + "/log/client.log");
    EXPECT_EQ("", install_.Log());
    EXPECT_TRUE(LauncherInstall::StopClient(new_client));
}

// A Wayland session without an X server: during an upgrade the dialog is a
// window of the compositor, and the client gets the session's environment
// as it was, without a platform setting.
TEST_F(LauncherE2eTest, WaylandSessionShowsTheDialogOnTheCompositor) {
    if (!WestonServer::Missing().empty()) GTEST_SKIP() << "needs " << WestonServer::Missing();
    std::unique_ptr<WestonServer> weston;
    try {
        weston.reset(new WestonServer(install_.runtime()));
    } catch (const std::exception &e) {
        GTEST_SKIP() << "weston cannot start here: " << e.what();
    }
    // The start script records the environment it was given, then blocks.
    install_.RepackPackage("1000", "#!/bin/sh\nenv > \"$HOME/client.env\"\n" +
                                       BlockingStartScript().substr(strlen("#!/bin/sh\n")));
    std::unique_ptr<ChildProcess> launcher = install_.Start(
        {"QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "WAYLAND_DISPLAY=" + weston->socket()});
    ASSERT_TRUE(WaitForFile(Entered(), kTimeoutMs)) << launcher->Errors();
    EXPECT_TRUE(WaitUntil([&] { return weston->ShowsToplevel(kDialogTitle); }, 10000, 100000))
        << launcher->Errors();
    Release();
    ASSERT_TRUE(launcher->Wait(kTimeoutMs));
    EXPECT_EQ("exit 0", launcher->StatusText()) << launcher->Errors();
    EXPECT_EQ("", install_.Log());
    const std::string env = "\n" + ReadFile(install_.home() + "/client.env");
    EXPECT_EQ(std::string::npos, env.find("\nQT_QPA_PLATFORM=")) << env;
    EXPECT_NE(std::string::npos, env.find("\nWAYLAND_DISPLAY=" + weston->socket() + "\n")) << env;
}

// Asked from a terminal, the launcher answers on standard output and touches
// nothing: no copy, no log, no client. "--help" and "--version" count
// wherever they stand, the first of them answers; any other argument is
// ignored, as the desktop's are.
TEST_F(LauncherE2eTest, HelpAndVersionAnswerWithoutTouchingAnything) {
    const std::string usage = "Usage: tarrowind-launcher [--help | --version]\n";
    const std::string version = "tarrowind-launcher " LAUNCHER_VERSION "\n";
    const struct {
        std::vector<std::string> arguments;
        std::string out_begins;
        bool runs;
    } rows[] = {
        {{"--help"}, usage, false},
        {{"--version"}, version, false},
        {{"--verbose", "--help"}, usage, false},
        {{"-style", "fusion", "--version"}, version, false},
        {{"--version", "--help"}, version, false},
        {{"--verbose"}, LibPathLine(), true},
    };
    for (const auto &row : rows) {
        std::vector<std::string> argv = {install_.launcher()};
        std::string shown;
        for (const std::string &argument : row.arguments) {
            argv.push_back(argument);
            shown += " " + argument;
        }
        SCOPED_TRACE(shown);
        ChildProcess child(install_.launcher(), argv, install_.Environment(),
                           install_.scratch("out"), install_.scratch("err"));
        ASSERT_TRUE(child.Wait(kTimeoutMs));
        EXPECT_EQ("exit 0", child.StatusText()) << child.Errors();
        EXPECT_EQ(0u, child.Output().find(row.out_begins)) << child.Output();
        EXPECT_EQ(row.runs, PathExists(install_.app() + "/INFO"));
        EXPECT_EQ(row.runs, PathExists(install_.user() + "/log"));
    }
    EXPECT_TRUE(LauncherInstall::StopClient(install_.WaitForClient()));
}

// Regression: a package with names outside ASCII failed to install in a
// session without a UTF-8 locale, and was then refused in every session.
TEST_F(LauncherE2eTest, NamesOutsideAsciiInstallWhateverTheSessionsLocale) {
    const std::string resume = "share/r\xc3\xa9sum\xc3\xa9.txt";
    const std::vector<std::vector<std::string>> sessions = {
        {"LANG=C", "LC_ALL", "LC_CTYPE"},
        {"LANG", "LC_ALL=POSIX"},
        {"LANG", "LC_ALL", "LC_CTYPE"},
        {"LC_ALL=C.UTF-8"},
    };
    // The package is made where names are UTF-8.
    const std::string old_locale = setlocale(LC_CTYPE, nullptr);
    ASSERT_NE(nullptr, setlocale(LC_CTYPE, "C.UTF-8"));
    int build = 1001;
    for (const auto &session : sessions) {
        SCOPED_TRACE(session.front());
        install_.RepackPackage(std::to_string(build), "", {FileEntry(resume, "cv")});
        const LauncherInstall::Result r = install_.Run(session);
        EXPECT_EQ("exit 0", r.status) << r.err;
        EXPECT_EQ("cv", ReadFile(install_.app() + "/" + resume)) << install_.Log();
        EXPECT_NE(std::string::npos, ReadFile(install_.app() + "/INFO")
                                         .find("build_version=" + std::to_string(build++) + "\n"));
        EXPECT_FALSE(PathExists(install_.user() + "/.failed-package"));
    }
    setlocale(LC_CTYPE, old_locale.c_str());
}

TEST_F(LauncherE2eTest, CorruptPackageLeavesTheOldCopyAndStillStartsTheClient) {
    ASSERT_EQ("exit 0", install_.Run().status);
    const pid_t old_client = install_.WaitForClient();
    ASSERT_NE(0, old_client);
    const std::string before = TreeSnapshot(install_.app(), {}, false);

    install_.RepackPackage("1001");
    const std::string package = install_.root() + "/package/tarrowind.qpk";
    struct stat st;
    ASSERT_EQ(0, stat(package.c_str(), &st));
    ASSERT_EQ(0, truncate(package.c_str(), st.st_size / 2));

    const LauncherInstall::Result r = install_.Run();
    EXPECT_EQ("exit 0", r.status) << r.err;
    const std::string log = install_.Log();
    EXPECT_EQ(1, CountOccurrences(log, kUpgradeFailed)) << log;
    for (const std::string &word : LevelWords(log))
        EXPECT_TRUE(word == "ERROR" || word == "WARNING") << word << " in\n" << log;

    EXPECT_EQ(before, TreeSnapshot(install_.app(), {}, false));
    EXPECT_EQ(std::vector<std::string>{}, Leftovers(install_.user()));
    EXPECT_FALSE(ProcessAlive(old_client));
    const pid_t client = install_.WaitForClient(10000, old_client);
    EXPECT_NE(0, client) << "the restored client was not started";
    EXPECT_TRUE(LauncherInstall::StopClient(client));
}

// One launcher per user and executable, whatever the environment of the
// second one says (a desktop session and su, cron or ssh differ).
class SecondLauncherTest : public LauncherE2eTest,
                           public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(SecondLauncherTest, LeavesAtOnceWhileTheFirstRuns) {
    std::unique_ptr<ChildProcess> first;
    ASSERT_NO_FATAL_FAILURE(StartBlockedLauncher(&first));

    std::vector<std::string> env = GetParam();
    for (std::string &change : env) {
        const size_t at = change.find("$SCRATCH");
        if (at != std::string::npos) change.replace(at, 8, install_.scratch(""));
    }
    const LauncherInstall::Result second = install_.Run(env);
    EXPECT_EQ("exit 0", second.status) << second.err;
    EXPECT_EQ(LibPathLine(), second.out);
    EXPECT_TRUE(first->Running()) << "the second launcher waited for the first";
    const std::string log = install_.Log();
    EXPECT_EQ(1, CountOccurrences(log, kAlreadyLaunched)) << log;
    // Only the installing run and the first launcher ran the sequence.
    EXPECT_EQ(2, CountOccurrences(log, kRunning)) << log;

    Release();
    ASSERT_TRUE(first->Wait(kTimeoutMs));
    EXPECT_EQ("exit 0", first->StatusText()) << first->Errors();
}

INSTANTIATE_TEST_SUITE_P(Environments, SecondLauncherTest,
                         ::testing::Values(std::vector<std::string>{},
                                           std::vector<std::string>{"XDG_RUNTIME_DIR=$SCRATCH"},
                                           std::vector<std::string>{"XDG_RUNTIME_DIR"}),
                         [](const ::testing::TestParamInfo<std::vector<std::string>> &info) {
                             return info.param.empty() ? std::string("SameEnvironment")
                                    : info.param[0].find('=') != std::string::npos
                                        ? std::string("OtherRuntimeFolder")
                                        : std::string("NoRuntimeFolder");
                         });

TEST_F(LauncherE2eTest, CopyAtAnotherPathIsNotASecondInstance) {
    std::unique_ptr<ChildProcess> first;
    ASSERT_NO_FATAL_FAILURE(StartBlockedLauncher(&first));
    ASSERT_EQ(0, unlink(Entered().c_str()));

    const std::string other_root = install_.scratch("other/Tarrowind");
    ASSERT_EQ(0, RunCommand("mkdir -p '" + install_.scratch("other") + "' && cp -a '" +
                            install_.root() + "' '" + other_root + "'"));
    std::unique_ptr<ChildProcess> other =
        install_.Start({}, other_root + "/bin/tarrowind-launcher");
    // The copy runs its own sequence up to the same blocking start script.
    EXPECT_TRUE(WaitForFile(Entered(), kTimeoutMs)) << other->StatusText() << other->Errors();

    Release();
    ASSERT_TRUE(first->Wait(kTimeoutMs));
    ASSERT_TRUE(other->Wait(kTimeoutMs));
    EXPECT_EQ("exit 0", first->StatusText()) << first->Errors();
    EXPECT_EQ("exit 0", other->StatusText()) << other->Errors();
    const std::string log = install_.Log();
    EXPECT_EQ(0, CountOccurrences(log, kAlreadyLaunched)) << log;
    EXPECT_EQ(3, CountOccurrences(log, kDone)) << log;
}

// Regression: two launchers of one installation, reached by two paths,
// upgraded one copy at the same time, and the copy was often lost.
TEST_F(LauncherE2eTest, TwoPathsOfOneInstallationUpgradeTheCopyOnce) {
    install_.RunUnprivileged();
    install_.SetLogLevels("service_debug=6\n");
    ASSERT_NO_FATAL_FAILURE(InstallClientCopy());
    const std::string other = install_.root() + "/bin/tarrowind-launcher.copy";
    ASSERT_EQ(0, RunCommand("cp -p '" + install_.launcher() + "' '" + other + "'"));
    for (int round = 1; round <= 20; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::string build = std::to_string(1000 + round);
        install_.RepackPackage(build);
        const size_t seen = install_.Log().size();
        std::unique_ptr<ChildProcess> first = install_.Start();
        std::unique_ptr<ChildProcess> second = install_.Start({}, other);
        ASSERT_TRUE(first->Wait(kTimeoutMs) && second->Wait(kTimeoutMs));
        EXPECT_EQ("exit 0", first->StatusText()) << first->Errors();
        EXPECT_EQ("exit 0", second->StatusText()) << second->Errors();
        const std::string log = install_.Log().substr(seen);
        EXPECT_EQ(1, CountOccurrences(log, "extract package: ")) << log;
        EXPECT_NE(std::string::npos,
                  ReadHead(install_.app() + "/INFO", 4096).find("build_version=" + build));
        EXPECT_TRUE(IsExecutableFile(install_.app() + "/bin/tarrowind-backup-ui"));
        EXPECT_EQ(std::vector<std::string>{}, Leftovers(install_.user()));
        EXPECT_EQ(std::string::npos, log.find("[ERROR]")) << log;
        KillProcessesWithEnvironment("HOME=" + install_.home());
    }
}

TEST_F(LauncherE2eTest, KilledLauncherDoesNotBlockTheNextOne) {
    install_.SetLogLevels("launcher_debug=7\n");
    ASSERT_NO_FATAL_FAILURE(InstallClientCopy());
    const std::string script = install_.app() + "/package/start-stop";
    const std::string original = ReadFile(script);
    install_.SetUserStartScript(BlockingStartScript());
    std::unique_ptr<ChildProcess> killed = install_.Start();
    ASSERT_TRUE(WaitForFile(Entered(), kTimeoutMs)) << killed->Errors();
    killed->Signal(SIGKILL);
    ASSERT_TRUE(killed->Wait(kTimeoutMs));
    ASSERT_EQ("signal 9", killed->StatusText());

    // The killed launcher's start script still runs: it must hold nothing
    // that turns the next launcher away.
    install_.SetUserStartScript(original);
    const LauncherInstall::Result r = install_.Run();
    EXPECT_EQ("exit 0", r.status) << r.err;
    const pid_t client = install_.WaitForClient();
    EXPECT_NE(0, client);
    const std::string log = install_.Log();
    EXPECT_EQ(0, CountOccurrences(log, kAlreadyLaunched)) << log;
    EXPECT_EQ(2, CountOccurrences(log, kDone)) << log;
    Release();
    EXPECT_TRUE(LauncherInstall::StopClient(client));
}

enum class StartedAs { kAbsolutePath, kBareNameThroughPath, kSymbolicLink };

struct StartRow {
    const char *name;
    StartedAs how;
};

void PrintTo(const StartRow &row, std::ostream *os) { *os << row.name; }

class LauncherStartTest : public LauncherE2eTest, public ::testing::WithParamInterface<StartRow> {};

TEST_P(LauncherStartTest, FindsItsInstallationAndStartsTheClient) {
    LauncherInstall::Result r;
    switch (GetParam().how) {
        case StartedAs::kAbsolutePath:
            r = install_.Run();
            break;
        case StartedAs::kBareNameThroughPath: {
            const char *path = getenv("PATH");
            r = install_.Run(
                {"PATH=" + install_.root() + "/bin:" + (path ? path : "/usr/bin:/bin")},
                "tarrowind-launcher", "tarrowind-launcher");
            break;
        }
        case StartedAs::kSymbolicLink: {
            const std::string link = install_.scratch("links/tarrowind-launcher");
            ASSERT_EQ(0, RunCommand("mkdir -p '" + install_.scratch("links") + "'"));
            ASSERT_EQ(0, symlink(install_.launcher().c_str(), link.c_str()));
            r = install_.Run({}, link, link);
            break;
        }
    }
    EXPECT_EQ("exit 0", r.status) << r.err;
    EXPECT_EQ(LibPathLine(), r.out);
    const pid_t client = install_.WaitForClient();
    EXPECT_NE(0, client) << "no client started";
    EXPECT_EQ("", install_.Log());
    EXPECT_TRUE(LauncherInstall::StopClient(client));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, LauncherStartTest,
    ::testing::Values(StartRow{"AbsolutePath", StartedAs::kAbsolutePath},
                      StartRow{"BareNameThroughPath", StartedAs::kBareNameThroughPath},
                      StartRow{"SymbolicLink", StartedAs::kSymbolicLink}),
    [](const ::testing::TestParamInfo<StartRow> &info) { return std::string(info.param.name); });

TEST_F(LauncherE2eTest, UnwritableHomeRunsWithoutALog) {
    // Below a regular file no directory can be made, not even by root.
    WriteFile(install_.scratch("file"), "not a directory\n");
    const std::string home = install_.scratch("file/home");
    const LauncherInstall::Result r = install_.Run({"HOME=" + home});
    KillProcessesWithEnvironment("HOME=" + home);
    EXPECT_EQ("exit 0", r.status) << r.err;
    EXPECT_EQ(LibPathLine(), r.out);
    // Without a log file the warnings go to standard error: not even the
    // locks could be taken, and there is no copy known complete to start.
    EXPECT_NE(std::string::npos, r.err.find("cannot take the single-instance lock")) << r.err;
    EXPECT_NE(std::string::npos, r.err.find("its copy is not known complete")) << r.err;
}

// Writes the package of hostile_packages.py's `kind` in place of the
// installation's package, which announces build 1001.
void WriteHostilePackage(LauncherInstall &i, const std::string &kind) {
    i.RepackPackage("1001");
    i.Shell(std::string("python3 '") + HOSTILE_PACKAGES + "' " + kind +
            " \"$R/package/tarrowind.qpk\" \"$A\" \"$T\"");
}

// A package that takes a while to extract (128 MiB of zeros, then many small
// files), cut off before its end.
void WriteDamagedPackageOfManyFiles(LauncherInstall &i) {
    std::vector<ArchiveEntry> files = {FileEntry("share/big", std::string(128 << 20, '\0'))};
    for (int n = 0; n < 3000; ++n)
        files.push_back(FileEntry("share/f" + std::to_string(n), std::string(512, 'a' + n % 26)));
    i.RepackPackage("1001", "", files);
    i.Shell("P=\"$R/package/tarrowind.qpk\"; truncate -s $(($(stat -c %s \"$P\") * 7 / 8)) \"$P\"");
}

// A package that cannot be installed is never a reason to stop the running
// client: one that cannot be read is not started on, and one that failed on
// its own is tried once and then left alone, with one WARNING per login,
// until it changes.
struct PackageRow {
    const char *name;
    std::function<void(LauncherInstall &)> spoil;
    bool tried;              // the first login stops the client and tries
    const char *first_line;  // the first login's log holds this
    const char *later_line;  // ... and each later login's one line this
};

void PrintTo(const PackageRow &row, std::ostream *os) { *os << row.name; }

class UnusablePackageTest : public ::testing::TestWithParam<PackageRow> {};

TEST_P(UnusablePackageTest, LeavesTheRunningClientAloneUntilThePackageChanges) {
    const PackageRow &row = GetParam();
    LauncherInstall install;
    install.RunUnprivileged();
    ASSERT_EQ("exit 0", install.Run().status);
    pid_t client = install.WaitForClient();
    ASSERT_NE(0, client);
    install.Shell("cp \"$R/package/tarrowind.qpk\" \"$T/good.qpk\"");
    row.spoil(install);

    size_t seen = 0;
    for (int login = 1; login <= 3; ++login) {
        SCOPED_TRACE("login " + std::to_string(login));
        const LauncherInstall::Result r = install.Run();
        EXPECT_EQ("exit 0", r.status) << r.err;
        const std::string log = install.Log().substr(seen);
        seen += log.size();
        if (login == 1) {
            EXPECT_EQ(1, CountOccurrences(log, row.first_line)) << log;
            EXPECT_EQ(!row.tried, ProcessAlive(client)) << log;
            if (row.tried) client = install.WaitForClient(10000, client);
            EXPECT_NE(0, client);
        } else {
            EXPECT_EQ(1, CountOccurrences(log, "\n")) << log;
            EXPECT_EQ(1, CountOccurrences(log, row.later_line)) << log;
            EXPECT_TRUE(ProcessAlive(client)) << "the client was stopped again";
        }
        for (const std::string &word : LevelWords(log))
            EXPECT_TRUE(word == "ERROR" || word == "WARNING") << word << " in\n" << log;
    }

    // A new package is tried again, and installs.
    install.Shell(
        "rm -f \"$R/package/tarrowind.qpk\" && cp \"$T/good.qpk\" \"$R/package/tarrowind.qpk\"");
    install.RepackPackage("1002");
    EXPECT_EQ("exit 0", install.Run().status);
    EXPECT_NE(std::string::npos,
              ReadHead(install.app() + "/INFO", 4096).find("build_version=1002"));
    EXPECT_FALSE(PathExists(install.user() + "/.failed-package"));
    LauncherInstall::StopClient(install.WaitForClient(10000, client));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UnusablePackageTest,
    ::testing::Values(
        PackageRow{"Damaged",
                   [](LauncherInstall &i) {
                       i.RepackPackage("1001");
                       i.Shell(
                           "P=\"$R/package/tarrowind.qpk\"; truncate -s $(($(stat -c %s "
                           "\"$P\") / 2)) \"$P\"");
                   },
                   true, kUpgradeFailed, "failed to install before and has not changed since"},
        PackageRow{"Missing",
                   [](LauncherInstall &i) {
                       i.RepackPackage("1001");
                       i.Shell("rm \"$R/package/tarrowind.qpk\"");
                   },
                   false, "cannot be installed: No such file or directory",
                   "cannot be installed: No such file or directory"},
        PackageRow{
            "NotAFile",
            [](LauncherInstall &i) {
                i.RepackPackage("1001");
                i.Shell("rm \"$R/package/tarrowind.qpk\" && mkfifo \"$R/package/tarrowind.qpk\"");
            },
            false, "cannot be installed: not a regular file",
            "cannot be installed: not a regular file"},
        PackageRow{"ReadingNeverEnds",
                   [](LauncherInstall &i) { WriteHostilePackage(i, "endless_bzip2"); }, false,
                   "cannot be installed: reading it ",
                   "failed to install before and has not changed since"},
        PackageRow{"BuildOtherThanTheSystemSays",
                   [](LauncherInstall &i) {
                       i.RepackPackage("1001");
                       i.Shell("sed -i s/1001/1005/ \"$R/INFO\"");
                   },
                   true, "installed build '1001', but the system's version file says '1005'",
                   "failed to install before and has not changed since"}),
    [](const ::testing::TestParamInfo<PackageRow> &info) { return std::string(info.param.name); });

// How a user's machine differs from the test bench. Each row ends the same
// way a login must: the launcher exits within seconds, the best copy it has
// is installed and running, no backups or markers are left, nothing in the
// home belongs to root, and launcher.log holds exactly the one line that
// says what fell short (nothing when nothing did). The launcher runs as an
// unprivileged user, as users do; CI's root ignores the permissions that
// strand them.
struct StrandRow {
    const char *name;
    const char *home_name;
    bool installed;  // a first run installs build 1000 before `setup`
    std::function<void(LauncherInstall &)> setup;
    std::vector<std::string> env;
    std::vector<std::string> wrapper;  // the launcher runs under this command
    const char *build;                 // in the copy afterwards; null: no copy at all
    const char *log;                   // the log's one line holds this; "": empty log
    std::function<void(LauncherInstall &)> check = nullptr;
    bool as_root = false;                     // root, with a home of the unprivileged user
    std::vector<std::string> leftovers = {};  // in the user's folder afterwards
};

void PrintTo(const StrandRow &row, std::ostream *os) { *os << row.name; }

// Entries below `dir` (itself included) owned by another uid than `dir`.
std::string EntriesOfAnotherOwner(const std::string &dir) {
    std::string out;
    RunCommand("find '" + dir + "' ! -uid \"$(stat -c %u '" + dir + "')\"", &out);
    return out;
}

// A read-only folder in the package.
const std::vector<ArchiveEntry> kReadOnly = {DirEntry("bin/ro", 0555),
                                             FileEntry("bin/ro/file", "x\n")};

// Puts what `make` makes (its command, the name follows) at the names of
// both locks in the user's folder, and a newer package in place.
std::function<void(LauncherInstall &)> AtTheLockNames(const std::string &make) {
    return [make](LauncherInstall &i) {
        i.Shell("for f in \"$U\"/.launcher-*.lock \"$U/.tree.lock\"; do rm \"$f\" && " + make +
                " \"$f\"; done");
        i.RepackPackage("1001");
    };
}

// A folder at the name of the single-instance lock, which cannot be replaced
// while something else holds the lock of the user's folder (for 15 seconds),
// and a newer package.
void LockNameThatCannotBeReplaced(LauncherInstall &i) {
    i.Shell(
        "for f in \"$U\"/.launcher-*.lock; do rm \"$f\" && mkdir \"$f\"; done; "
        "flock \"$U\" sh -c ': > \"$T/held\"; exec sleep 15' >/dev/null 2>&1 & "
        "n=0; until [ -e \"$T/held\" ] || [ $n -ge 100 ]; do sleep 0.05; n=$((n + 1)); done");
    i.RepackPackage("1001");
}

// An entry about 6,000 bytes below the copy, deeper than PATH_MAX.
const std::vector<ArchiveEntry> kDeep = {FileEntry(
    "share/" +
        [] {
            std::string dirs;
            for (int i = 0; i < 60; ++i) dirs += std::string(99, 'd') + "/";
            return dirs;
        }() +
        "end",
    "x\n")};

// A folder of the user's, $T/mounted, holding a file, the folder of the
// copy that BindMountInTheCopy mounts it on, and a newer package.
void BindMountSource(LauncherInstall &i) {
    if (RunCommand("unshare -m true") != 0) GTEST_SKIP() << "mounting is refused here (unshare -m)";
    i.Shell(
        "mkdir -p \"$T/mounted\" \"$A/share/mnt\" && echo keep > \"$T/mounted/file\" && "
        "{ [ $(id -u) != 0 ] || chown -R 65534:65534 \"$T/mounted\"; }");
    i.RepackPackage("1001");
}

// Runs the launcher in a mount namespace of its own with $T/mounted
// mounted on Tarrowind.app/share/mnt.
const std::vector<std::string> kBindMountInTheCopy = {
    "unshare",
    "-m",
    "sh",
    "-c",
    "mount --bind \"$HOME/../mounted\" \"$HOME/.TarrowindBackup/Tarrowind.app/share/mnt\" && "
    "exec \"$@\"",
    "wrapper"};

// Two upgrades of a copy with an entry deeper than PATH_MAX, each leaving no
// backup, and a third package of that kind.
void UpgradedTwiceWithADeepEntry(LauncherInstall &i) {
    for (const char *build : {"1001", "1002"}) {
        i.RepackPackage(build, "", kDeep);
        ASSERT_EQ("exit 0", i.Run().status);
        LauncherInstall::StopClient(i.WaitForClient());
        EXPECT_EQ(std::vector<std::string>{}, Leftovers(i.user()));
    }
    i.RepackPackage("1003", "", kDeep);
}

// The client of build 1000 keeps running while its copy is moved to a backup
// name and deleted, as one that survived an upgrade does; its pid goes to
// $T/old.pid.
void ClientOfADeletedCopy(LauncherInstall &i) {
    i.Shell(
        "S=; [ \"$(id -u)\" != 0 ] || S='setpriv --reuid=65534 --regid=65534 --clear-groups'; "
        "HOME=\"$H\" $S \"$A/bin/tarrowind-backup-ui\" >/dev/null 2>&1 </dev/null & "
        "echo $! > \"$T/old.pid\"; n=0; "
        "until grep -qx \"pid=$!\" \"$U/ui.pid\" 2>/dev/null || [ $n -ge 100 ]; do "
        "sleep 0.1; n=$((n + 1)); done; "
        "cp -a \"$A\" \"$T/copy\" && mv \"$A\" \"$A\"_tmp && rm -r \"$A\"_tmp && "
        "mv \"$T/copy\" \"$A\"");
    i.RepackPackage("1001");
}

class StrandedUserTest : public ::testing::TestWithParam<StrandRow> {};

TEST_P(StrandedUserTest, EndsWithTheBestCopyRunning) {
    const StrandRow &row = GetParam();
    if (row.as_root && geteuid() != 0) GTEST_SKIP() << "needs root";
    LauncherInstall install(row.home_name);
    if (row.as_root) {
        install.Shell("chown -R " + std::to_string(testing_support::kUnprivilegedUid) + " \"$H\"");
    } else {
        install.RunUnprivileged();
    }
    if (row.installed) {
        ASSERT_EQ("exit 0", install.Run().status);
        const pid_t client = install.WaitForClient();
        ASSERT_NE(0, client);
        ASSERT_TRUE(LauncherInstall::StopClient(client));
    }
    if (row.setup) row.setup(install);
    if (IsSkipped()) return;
    install.SetWrapper(row.wrapper);
    std::vector<std::string> env = row.env;
    for (std::string &change : env)
        if (change.find("=$H/") != std::string::npos)
            change.replace(change.find("$H"), 2, install.home());

    const auto start = std::chrono::steady_clock::now();
    const LauncherInstall::Result r = install.Run(env);
    EXPECT_LT(SecondsSince(start), 20.0) << "a login must not wait this long";
    EXPECT_EQ(row.as_root ? "exit 1" : "exit 0", r.status) << r.err;
    if (row.as_root) {
        EXPECT_NE(std::string::npos, r.err.find("; leaving it untouched\n")) << r.err;
    }
    if (row.build) {
        EXPECT_NE(
            std::string::npos,
            ReadHead(install.app() + "/INFO", 4096).find(std::string("build_version=") + row.build))
            << r.err;
        const pid_t client = install.WaitForClient();
        EXPECT_NE(0, client) << "no client running";
        if (client) {
            EXPECT_TRUE(LauncherInstall::StopClient(client));
        }
    } else {
        EXPECT_FALSE(PathExists(install.user())) << r.err;
    }
    EXPECT_EQ(row.leftovers, Leftovers(install.user()));
    EXPECT_EQ("", EntriesOfAnotherOwner(install.home()));
    const std::string log = install.Log();
    if (*row.log) {
        EXPECT_EQ(1, CountOccurrences(log, row.log)) << log;
        for (const std::string &word : LevelWords(log))
            EXPECT_TRUE(word == "ERROR" || word == "WARNING") << word << " in\n" << log;
    } else {
        EXPECT_EQ("", log);
    }
    if (row.check) row.check(install);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StrandedUserTest,
    ::testing::Values(
        StrandRow{"ReadOnlyFoldersInTheCopy",
                  "home",
                  true,
                  [](LauncherInstall &i) {
                      i.Shell("chmod 555 \"$A/bin\" \"$A/package\"");
                      i.RepackPackage("1001", "", kReadOnly);
                  },
                  {},
                  {},
                  "1001",
                  ""},
        StrandRow{"ReadOnlyFoldersInTwoUpgrades",
                  "home",
                  true,
                  [](LauncherInstall &i) {
                      i.RepackPackage("1001", "", kReadOnly);
                      ASSERT_EQ("exit 0", i.Run().status);
                      LauncherInstall::StopClient(i.WaitForClient());
                      i.RepackPackage("1002", "", kReadOnly);
                  },
                  {},
                  {},
                  "1002",
                  ""},
        StrandRow{"ClosedCopyFolder",
                  "home",
                  true,
                  [](LauncherInstall &i) { i.Shell("chmod 000 \"$A\""); },
                  {},
                  {},
                  "1000",
                  ""},
        StrandRow{"FailedUpgradeOverReadOnlyFolders",
                  "home",
                  true,
                  [](LauncherInstall &i) {
                      i.Shell("chmod 555 \"$A/bin\"");
                      i.RepackPackage("1001", "", kReadOnly);
                      i.Shell(
                          "P=\"$R/package/tarrowind.qpk\"; truncate -s $(($(stat -c %s \"$P\") "
                          "/ 2)) \"$P\"");
                  },
                  {},
                  {},
                  "1000",
                  kUpgradeFailed},
        StrandRow{"NoDisplayAtAll",
                  "home",
                  true,
                  nullptr,
                  {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"},
                  {},
                  "1000",
                  "no usable display, working without a window\n"},
        StrandRow{"DisplayWithoutServer",
                  "home",
                  false,
                  nullptr,
                  {"QT_QPA_PLATFORM", "DISPLAY=:97"},
                  {},
                  "1000",
                  "no usable display, working without a window\n"},
        StrandRow{"FileSizeLimit",
                  "home",
                  true,
                  [](LauncherInstall &i) {
                      i.RepackPackage("1001", "",
                                      {FileEntry("bin/big", std::string(3145728, '\0'))});
                  },
                  {},
                  {"prlimit", "--fsize=1048576", "--"},
                  "1000",
                  kUpgradeFailed},
        StrandRow{"PidFileIsAFifo",
                  "home",
                  true,
                  [](LauncherInstall &i) {
                      i.Shell("mkfifo \"$U/ui.pid\"");
                      i.RepackPackage("1001");
                  },
                  {},
                  {},
                  "1001",
                  ""},
        StrandRow{"PidFileLinksToDevZero",
                  "home",
                  true,
                  [](LauncherInstall &i) {
                      i.Shell("ln -s /dev/zero \"$U/ui.pid\"");
                      i.RepackPackage("1001");
                  },
                  {},
                  {},
                  "1001",
                  ""},
        StrandRow{"SparseHugePidFile",
                  "home",
                  true,
                  [](LauncherInstall &i) {
                      i.Shell("truncate -s 20G \"$U/ui.pid\"");
                      i.RepackPackage("1001");
                  },
                  {},
                  {},
                  "1001",
                  ""},
        StrandRow{"InfoIsAFifo",
                  "home",
                  true,
                  [](LauncherInstall &i) { i.Shell("rm \"$A/INFO\" && mkfifo \"$A/INFO\""); },
                  {},
                  {},
                  "1000",
                  ""},
        StrandRow{"MarkerIsAFifo",
                  "home",
                  true,
                  [](LauncherInstall &i) {
                      i.Shell("mkfifo \"$A.incomplete\"");
                      i.RepackPackage("1001");
                  },
                  {},
                  {},
                  "1001",
                  ""},
        StrandRow{
            "MarkerLinksToAFile",
            "home",
            true,
            [](LauncherInstall &i) {
                i.Shell("echo keep > \"$T/victim\" && ln -s \"$T/victim\" \"$A.incomplete\"");
                i.RepackPackage("1001");
            },
            {},
            {},
            "1001",
            "",
            [](const LauncherInstall &i) { EXPECT_EQ("keep\n", ReadFile(i.scratch("victim"))); }},
        StrandRow{"HomeNameNotUtf8", "h\xe9me", false, nullptr, {}, {}, "1000", ""},
        StrandRow{"UserFolderIsALink",
                  "home",
                  false,
                  [](LauncherInstall &i) {
                      i.Shell(
                          "mkdir \"$T/disk2\" && ln -s \"$T/disk2\" \"$U\" && "
                          "{ [ $(id -u) != 0 ] || chown 65534:65534 \"$T/disk2\"; }");
                  },
                  {},
                  {},
                  "1000",
                  "",
                  [](const LauncherInstall &i) {
                      struct stat st;
                      EXPECT_TRUE(lstat(i.user().c_str(), &st) == 0 && S_ISLNK(st.st_mode));
                      EXPECT_TRUE(PathExists(i.scratch("disk2/Tarrowind.app/INFO")));
                  }},
        StrandRow{
            "RootWithTheHomeOfAUser", "home", false, nullptr, {}, {}, nullptr, "", nullptr, true},
        StrandRow{"PackageReadingNeverEnds",
                  "home",
                  true,
                  [](LauncherInstall &i) { WriteHostilePackage(i, "endless_bzip2"); },
                  {},
                  {},
                  "1000",
                  "cannot be installed: reading it ",
                  [](const LauncherInstall &i) {
                      EXPECT_TRUE(PathExists(i.user() + "/.failed-package"));
                  }},
        StrandRow{"StartScriptNeverReturns",
                  "home",
                  true,
                  [](LauncherInstall &i) {
                      i.Shell("cp \"$A/package/start-stop\" \"$A/package/start-stop.real\"");
                      i.SetUserStartScript("#!/bin/sh\n\"$0.real\" \"$@\"\nexec sleep 3600\n");
                  },
                  {},
                  {},
                  "1000",
                  "start' has not returned after 10 seconds; leaving it running\n",
                  [](LauncherInstall &i) {
                      i.RepackPackage("1001");
                      EXPECT_EQ("exit 0", i.Run().status);
                      EXPECT_NE(std::string::npos,
                                ReadHead(i.app() + "/INFO", 4096).find("build_version=1001"));
                  }},
        // The package is replaced by a good one while the damaged one is
        // being extracted: only the damaged one is remembered as failed.
        StrandRow{"PackageSwappedDuringAFailedUpgrade",
                  "home",
                  true,
                  [](LauncherInstall &i) {
                      i.RepackPackage("1001");
                      i.Shell(
                          "cp \"$R/package/tarrowind.qpk\" \"$H/good.qpk\" && "
                          "chmod 777 \"$R/package\"");
                      WriteDamagedPackageOfManyFiles(i);
                  },
                  {},
                  {"sh", "-c",
                   "for l; do :; done; (while [ ! -e \"$HOME/.TarrowindBackup/Tarrowind.app."
                   "incomplete\" ]; do sleep 0.005; done; mv \"$HOME/good.qpk\" "
                   "\"${l%/bin/*}/package/tarrowind.qpk\") & exec \"$@\"",
                   "wrapper"},
                  "1000",
                  kUpgradeFailed,
                  [](LauncherInstall &i) {
                      EXPECT_EQ("exit 0", i.Run().status);
                      EXPECT_NE(std::string::npos,
                                ReadHead(i.app() + "/INFO", 4096).find("build_version=1001"));
                  }},
        StrandRow{"NoLockCanBeTaken",
                  "home",
                  true,
                  LockNameThatCannotBeReplaced,
                  {},
                  {},
                  "1000",
                  "starting the client without upgrading it\n"},
        // What stands at a lock's name is replaced: the next login upgrades.
        StrandRow{"LockNameIsADanglingLink",
                  "home",
                  true,
                  AtTheLockNames("ln -s \"$T/nowhere\""),
                  {},
                  {},
                  "1001",
                  ""},
        StrandRow{"LockNameIsAFifo", "home", true, AtTheLockNames("mkfifo"), {}, {}, "1001", ""},
        StrandRow{"LockNameIsAFolder", "home", true, AtTheLockNames("mkdir"), {}, {}, "1001", ""},
        StrandRow{"LockNameIsAClosedFile",
                  "home",
                  true,
                  AtTheLockNames("install -m 000 /dev/null"),
                  {},
                  {},
                  "1001",
                  ""},
        // Regression: removal descended into a file system mounted in the old
        // copy and deleted its files.
        StrandRow{
            "BindMountInsideTheOldCopy",
            "home",
            true,
            BindMountSource,
            {},
            kBindMountInTheCopy,
            "1001",
            "Tarrowind.app_tmp/share/mnt' is the mount point of another file system",
            [](LauncherInstall &i) { EXPECT_EQ("keep\n", ReadFile(i.scratch("mounted/file"))); },
            false,
            {"Tarrowind.app_tmp"}},
        // Regression: a copy deeper than PATH_MAX could never be removed, and
        // every upgrade left one more backup.
        StrandRow{
            "CopyDeeperThanPathMax", "home", true, UpgradedTwiceWithADeepEntry, {}, {}, "1003", ""},
        // Regression: a client that survived an upgrade runs its deleted old
        // copy, was never stopped again and ran beside the new one.
        StrandRow{"ClientRunsADeletedOldCopy",
                  "home",
                  true,
                  ClientOfADeletedCopy,
                  {},
                  {},
                  "1001",
                  "",
                  [](LauncherInstall &i) {
                      EXPECT_FALSE(ProcessAlive(atoi(ReadFile(i.scratch("old.pid")).c_str())));
                  }},
        StrandRow{"RootWithAHomeInAFolderOfAUser",
                  "home",
                  false,
                  [](LauncherInstall &i) {
                      i.Shell("mkdir -p \"$T/alice/roothome\" && chown 65534 \"$T/alice\"");
                  },
                  {"HOME=$H/../alice/roothome"},
                  {},
                  nullptr,
                  "",
                  [](LauncherInstall &i) {
                      std::string created;
                      EXPECT_EQ(
                          0, RunCommand("ls -A '" + i.scratch("alice/roothome") + "'", &created));
                      EXPECT_EQ("", created);
                  },
                  true}),
    [](const ::testing::TestParamInfo<StrandRow> &info) { return std::string(info.param.name); });

// How the system log's reader behaves.
enum class Journal {
    kReads,
    kStuck,  // never reads, and its socket's queue is full
};

// A run that falls short of its work sends one line to the system log, which
// the administrator reads; one that does its work sends nothing. The
// launcher reaches a stand-in socket as /dev/log. A stuck system log never
// holds the launcher up: its line is dropped.
struct SummaryRow {
    const char *name;
    std::function<void(LauncherInstall &)> setup;
    const char *priority;  // "<11>" error, "<12>" warning; "": nothing is sent
    const char *text;
    std::function<std::string(const LauncherInstall &)> inside = nullptr;  // in the namespace
    Journal journal = Journal::kReads;
};

void PrintTo(const SummaryRow &row, std::ostream *os) { *os << row.name; }

class SystemLogSummaryTest : public ::testing::TestWithParam<SummaryRow> {};

TEST_P(SystemLogSummaryTest, OneLineForARunThatFellShort) {
    const SummaryRow &row = GetParam();
    const std::string missing = SystemLogSocket::Missing();
    if (!missing.empty()) GTEST_SKIP() << "a stand-in for /dev/log needs " << missing;
    LauncherInstall install;
    install.RunUnprivileged();
    ASSERT_EQ("exit 0", install.Run().status);
    ASSERT_TRUE(LauncherInstall::StopClient(install.WaitForClient()));
    row.setup(install);
    SystemLogSocket system_log(install.scratch("syslog"));
    install.SetWrapper(system_log.Wrapper(row.inside ? row.inside(install) : ""));
    const size_t queued = row.journal == Journal::kStuck ? system_log.Fill() : 0;

    const auto start = std::chrono::steady_clock::now();
    const LauncherInstall::Result r = install.Run();
    EXPECT_EQ("exit 0", r.status) << r.err;
    std::vector<std::string> messages = system_log.Messages();
    if (row.journal == Journal::kStuck) {
        EXPECT_LT(SecondsSince(start), 10.0) << "the launcher waited for the system log";
        EXPECT_EQ(queued, messages.size()) << "the launcher's line was not dropped";
        // Nothing about the system log reaches the user's log either.
        EXPECT_EQ(std::string::npos, install.Log().find("/dev/log")) << install.Log();
        EXPECT_EQ(std::string::npos, install.Log().find("system log")) << install.Log();
        messages.clear();
    }
    if (!*row.priority) {
        EXPECT_EQ(std::vector<std::string>{}, messages);
        return;
    }
    ASSERT_EQ(1u, messages.size()) << r.err;
    EXPECT_EQ(0u, messages[0].find(row.priority)) << messages[0];
    EXPECT_NE(std::string::npos, messages[0].find(" tarrowind-launcher[")) << messages[0];
    EXPECT_NE(std::string::npos,
              messages[0].find("]: " + std::string(row.text) + "; uid 65534, details in " +
                               install.user() + "/log/launcher.log"))
        << messages[0];
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SystemLogSummaryTest,
    ::testing::Values(
        SummaryRow{"Upgraded", [](LauncherInstall &i) { i.RepackPackage("1001"); }, "", ""},
        SummaryRow{"UpgradeFailed",
                   [](LauncherInstall &i) {
                       i.RepackPackage("1001");
                       i.Shell(
                           "P=\"$R/package/tarrowind.qpk\"; truncate -s $(($(stat -c %s "
                           "\"$P\") / 2)) \"$P\"");
                   },
                   "<11>",
                   "the upgrade of the user's copy failed: installed build 1000, package build "
                   "1001"},
        SummaryRow{"PackageRefused",
                   [](LauncherInstall &i) {
                       i.RepackPackage("1001");
                       i.Shell("rm \"$R/package/tarrowind.qpk\"");
                   },
                   "<12>",
                   "the package was not installed: installed build 1000, package build 1001"},
        SummaryRow{"NoRoom", [](LauncherInstall &) {}, "<12>",
                   "the package was not installed for want of room on the user's disk: "
                   "installed build none, package build 1000",
                   [](const LauncherInstall &i) {
                       return "mount -t tmpfs -o size=16m,uid=65534,gid=65534 tmpfs " +
                              testing_support::Quote(i.user());
                   }},
        SummaryRow{"NoLock", LockNameThatCannotBeReplaced, "<12>",
                   "no upgrade was tried without the single-instance lock: installed build 1000, "
                   "package build 1001"},
        SummaryRow{"SystemLogStuck", LockNameThatCannotBeReplaced, "", "", nullptr,
                   Journal::kStuck}),
    [](const ::testing::TestParamInfo<SummaryRow> &info) { return std::string(info.param.name); });

// The translation of `source` in the catalogue `code` (texts/<code>.ts).
std::string CatalogueText(const std::string &code, const std::string &source) {
    const std::string ts = ReadFile(std::string(TEXTS_DIR) + "/" + code + ".ts");
    const size_t at = ts.find("<source>" + source + "</source>");
    const size_t open = ts.find("<translation>", at);
    const size_t close = ts.find("</translation>", open);
    if (at == std::string::npos || close == std::string::npos) return "(not in " + code + ".ts)";
    return ts.substr(open + 13, close - open - 13);
}

// A run that falls short in a way the user should know of tells them on
// the desktop, in their language, through the notification service of
// their session bus: once per package and cause. Nothing else is shown, and
// a bus or service that fails them never holds the launcher up.
enum class Desktop { kService, kNoService, kSilentService, kNoBus, kNoDisplay };

struct NoticeRow {
    const char *name;
    std::function<void(LauncherInstall &)> setup;
    const char *inside;  // shell text run in a mount namespace of the launcher's
    Desktop desktop;
    const char *language;  // the catalogue's code
    const char *text;      // the body's English text; nullptr: nothing is shown
    // Given: the package is spoiled anew after the second login, which
    // tells the user again.
    std::function<void(LauncherInstall &)> renew = nullptr;
};

void PrintTo(const NoticeRow &row, std::ostream *os) { *os << row.name; }

// Announces `build` in a package cut in half, made from the good one.
void FailedUpgrade(LauncherInstall &i, const std::string &build) {
    i.Shell(
        "P=\"$R/package/tarrowind.qpk\"; if [ -e \"$T/good.qpk\" ]; then cp \"$T/good.qpk\" "
        "\"$P\"; else cp \"$P\" \"$T/good.qpk\"; fi");
    i.RepackPackage(build);
    i.Shell("P=\"$R/package/tarrowind.qpk\"; truncate -s $(($(stat -c %s \"$P\") / 2)) \"$P\"");
}

class DesktopNoticeTest : public ::testing::TestWithParam<NoticeRow> {
protected:
    // The launcher's environment for `row`.
    std::vector<std::string> Environment(const NoticeRow &row, const std::string &display,
                                         const NotificationBus *bus) const {
        const std::string locale = std::string(row.language) == "deu"   ? "de_DE.UTF-8"
                                   : std::string(row.language) == "jpn" ? "ja_JP.UTF-8"
                                                                        : "en_US.UTF-8";
        std::vector<std::string> env{"LC_ALL=" + locale, "LANG=" + locale};
        if (bus) env.push_back(bus->Environment());
        if (row.desktop == Desktop::kNoDisplay) return env;
        env.insert(env.end(),
                   {"QT_QPA_PLATFORM=xcb", "DISPLAY=" + display, "QT_XCB_GL_INTEGRATION=none"});
        return env;
    }
    // The line the stand-in records for `text` in `row`'s language.
    std::string Notification(const NoticeRow &row, const std::string &text) const {
        const std::string title = CatalogueText(row.language, kDialogTitle);
        const std::string icon = "file://" + install_.root() + "/images/ico_72_tarrowind.png";
        return title + "|" + icon + "|" + title + "|" + CatalogueText(row.language, text) + "|" +
               icon;
    }

    LauncherInstall install_;
};

TEST_P(DesktopNoticeTest, TellsTheUserOncePerPackageAndCause) {
    const NoticeRow &row = GetParam();
    if (!XvfbServer::Missing().empty()) GTEST_SKIP() << "needs " << XvfbServer::Missing();
    if (!NotificationBus::Missing().empty()) GTEST_SKIP() << "needs " << NotificationBus::Missing();
    if (*row.inside && RunCommand("unshare -m true") != 0)
        GTEST_SKIP() << "mounting is refused here (unshare -m)";
    ASSERT_EQ("exit 0", install_.Run().status);
    ASSERT_TRUE(LauncherInstall::StopClient(install_.WaitForClient()));
    row.setup(install_);
    install_.SetLogLevels(kDebugLevels);
    if (*row.inside)
        install_.SetWrapper({"unshare", "--mount", "--", "sh", "-c",
                             std::string(row.inside) + " && exec \"$@\"", "sh"});
    XvfbServer xvfb;
    std::unique_ptr<NotificationBus> bus;
    if (row.desktop != Desktop::kNoBus) {
        bus.reset(new NotificationBus(
            install_.scratch("bus"),
            row.desktop == Desktop::kNoService       ? NotificationBus::Service::kNone
            : row.desktop == Desktop::kSilentService ? NotificationBus::Service::kSilent
                                                     : NotificationBus::Service::kRecords));
    }
    const std::vector<std::string> env = Environment(row, xvfb.display(), bus.get());
    std::vector<std::string> expected;
    if (row.text) expected.push_back(Notification(row, row.text));

    const auto start = std::chrono::steady_clock::now();
    LauncherInstall::Result r = install_.Run(env);
    EXPECT_EQ("exit 0", r.status) << r.err;
    EXPECT_LT(SecondsSince(start), 15.0) << "the launcher waited for the desktop";
    const bool fails_the_user = row.desktop == Desktop::kNoService ||
                                row.desktop == Desktop::kSilentService ||
                                row.desktop == Desktop::kNoBus;
    EXPECT_EQ(fails_the_user ? 1 : 0,
              CountOccurrences(install_.Log(), "could not be told on the desktop"))
        << install_.Log();
    if (!bus) return;
    EXPECT_EQ(expected, bus->Received()) << install_.Log();
    if (row.desktop != Desktop::kService || *row.inside) return;
    // The same package at the next login: nothing more.
    LauncherInstall::StopClient(install_.WaitForClient(2000));
    EXPECT_EQ("exit 0", install_.Run(env).status);
    EXPECT_EQ(expected, bus->Received()) << install_.Log();
    if (!row.renew) return;
    row.renew(install_);
    LauncherInstall::StopClient(install_.WaitForClient(2000));
    EXPECT_EQ("exit 0", install_.Run(env).status);
    expected.push_back(Notification(row, row.text));
    EXPECT_EQ(expected, bus->Received()) << install_.Log();
}

const char kFailed[] = "Failed to upgrade Tarrowind Backup.";
const char kDiskFull[] = "The disk is full. Please free some space and try again.";
const char kTmpfsAtTheUserFolder[] = "mount -t tmpfs -o size=16m tmpfs \"$HOME/.TarrowindBackup\"";

INSTANTIATE_TEST_SUITE_P(
    Rows, DesktopNoticeTest,
    ::testing::Values(
        NoticeRow{"UpgradeFailed", [](LauncherInstall &i) { FailedUpgrade(i, "1001"); }, "",
                  Desktop::kService, "enu", kFailed,
                  [](LauncherInstall &i) { FailedUpgrade(i, "1002"); }},
        NoticeRow{"UpgradeFailedInGerman", [](LauncherInstall &i) { FailedUpgrade(i, "1001"); }, "",
                  Desktop::kService, "deu", kFailed},
        NoticeRow{"NoRoom", [](LauncherInstall &) {}, kTmpfsAtTheUserFolder, Desktop::kService,
                  "enu", kDiskFull},
        NoticeRow{"NoRoomInJapanese", [](LauncherInstall &) {}, kTmpfsAtTheUserFolder,
                  Desktop::kService, "jpn", kDiskFull},
        NoticeRow{"NothingToUpgrade", [](LauncherInstall &) {}, "", Desktop::kService, "enu",
                  nullptr},
        NoticeRow{"NoServiceOnTheBus", [](LauncherInstall &i) { FailedUpgrade(i, "1001"); }, "",
                  Desktop::kNoService, "enu", nullptr},
        NoticeRow{"ServiceNeverAnswers", [](LauncherInstall &i) { FailedUpgrade(i, "1001"); }, "",
                  Desktop::kSilentService, "enu", nullptr},
        NoticeRow{"NoSessionBus", [](LauncherInstall &i) { FailedUpgrade(i, "1001"); }, "",
                  Desktop::kNoBus, "enu", nullptr},
        NoticeRow{"NoDisplay", [](LauncherInstall &i) { FailedUpgrade(i, "1001"); }, "",
                  Desktop::kNoDisplay, "enu", nullptr}),
    [](const ::testing::TestParamInfo<NoticeRow> &info) { return std::string(info.param.name); });

// Runs under a private Xvfb, where the launcher's windows can be watched.
class LauncherDisplayTest : public LauncherE2eTest {
protected:
    void SetUp() override {
        const std::string missing = XvfbServer::Missing();
        if (!missing.empty()) GTEST_SKIP() << "needs" << missing;
        xvfb_.reset(new XvfbServer);
    }

    // No OpenGL: the dialog is a raster widget, and Mesa's software driver,
    // which the toolkit's GLX integration loads for the first window, leaks
    // and is unloaded before the leak checker can name it.
    std::unique_ptr<ChildProcess> StartOnDisplay() {
        return install_.Start(
            {"QT_QPA_PLATFORM=xcb", "DISPLAY=" + xvfb_->display(), "QT_XCB_GL_INTEGRATION=none"});
    }
    std::vector<std::string> MappedDialogs() const {
        return xvfb_->MappedWindows(kDialogTitle, kLauncherClass);
    }
    // Starts an upgrade whose start script blocks and waits for the
    // launcher's dialog to be mapped; its window id, empty if none came.
    std::string StartBlockedUpgrade(std::unique_ptr<ChildProcess> *launcher) {
        install_.RepackPackage("1000", BlockingStartScript());
        *launcher = StartOnDisplay();
        if (!WaitForFile(Entered(), kTimeoutMs)) return "";
        std::vector<std::string> dialogs;
        WaitUntil([&] { return !(dialogs = MappedDialogs()).empty(); }, 10000, 100000);
        return dialogs.empty() ? "" : dialogs.front();
    }

    std::unique_ptr<XvfbServer> xvfb_;
};

// QProgressDialog shows itself after four seconds of its own accord; a run
// without an upgrade must not show anything, however long the client's start
// script takes.
TEST_F(LauncherDisplayTest, NoUpgradeNeverShowsTheDialog) {
    ASSERT_NO_FATAL_FAILURE(InstallClientCopy());
    install_.SetUserStartScript("#!/bin/sh\nsleep 6\n");

    const auto start = std::chrono::steady_clock::now();
    std::unique_ptr<ChildProcess> launcher = StartOnDisplay();
    std::set<std::string> seen;
    WaitUntil(
        [&] {
            for (const std::string &id : MappedDialogs()) seen.insert(id);
            return !launcher->Running();
        },
        60000, 100000);
    ASSERT_TRUE(launcher->Wait(0))
        << "the launcher did not end; its threads:\n"
        << testing_support::ThreadStates(launcher->pid()) << launcher->Errors();
    EXPECT_EQ("exit 0", launcher->StatusText()) << launcher->Errors();
    // The launcher waited for the script, so the windows were watched
    // throughout the six seconds.
    EXPECT_GE(SecondsSince(start), 6.0);
    EXPECT_TRUE(seen.empty()) << "dialog mapped: " << *seen.begin();
    EXPECT_EQ("", install_.Log()) << launcher->Errors();
}

TEST_F(LauncherDisplayTest, UpgradeShowsTheDialogUntilTheSequenceIsDone) {
    std::unique_ptr<ChildProcess> launcher;
    const std::string dialog = StartBlockedUpgrade(&launcher);
    EXPECT_NE("", dialog) << "no mapped dialog during the upgrade; " << launcher->Errors();
    EXPECT_TRUE(launcher->Running());

    Release();
    ASSERT_TRUE(launcher->Wait(kTimeoutMs));
    EXPECT_EQ("exit 0", launcher->StatusText()) << launcher->Errors();
    EXPECT_EQ("", install_.Log());
}

// The dialog appears while the user types in another window: the keyboard
// stays there.
TEST_F(LauncherDisplayTest, UpgradeLeavesTheKeyboardWhereItWas) {
    if (RunCommand("command -v xdotool >/dev/null && command -v xmessage >/dev/null") != 0)
        GTEST_SKIP() << "needs xdotool (Debian package xdotool) and xmessage (x11-utils)";
    const std::string xdotool = "DISPLAY=" + xvfb_->display() + " xdotool ";
    ChildProcess typing("xmessage",
                        {"xmessage", "-display", xvfb_->display(), "-title", "Typing", "here"}, {},
                        "", "");
    std::string window;
    ASSERT_EQ(0, RunCommand(xdotool + "search --sync --onlyvisible --name '^Typing$'", &window));
    ASSERT_EQ(0, RunCommand(xdotool + "windowfocus --sync " + window));
    const auto focus = [&] {
        std::string id;
        RunCommand(xdotool + "getwindowfocus", &id);
        return id;
    };
    ASSERT_EQ(window, focus());

    std::unique_ptr<ChildProcess> launcher;
    ASSERT_NE("", StartBlockedUpgrade(&launcher)) << launcher->Errors();
    // A window activated when mapped has the focus a moment later.
    WaitUntil([&] { return focus() != window; }, 2000);
    EXPECT_EQ(window, focus());
    Release();
    ASSERT_TRUE(launcher->Wait(kTimeoutMs));
    EXPECT_EQ("exit 0", launcher->StatusText()) << launcher->Errors();
}

}  // namespace

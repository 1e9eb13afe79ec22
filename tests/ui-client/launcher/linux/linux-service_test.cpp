#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

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

using testing_support::ReadFile;
using testing_support::ServiceTree;
using testing_support::WriteFile;

std::string LinkText(const std::string &path) {
    char buf[4096];
    const ssize_t n = readlink(path.c_str(), buf, sizeof buf);
    return n > 0 ? std::string(buf, n) : std::string();
}

// A process started by the test, reaped by a thread of its own as soon as it
// ends, so that it never lingers as a zombie that still answers signal 0.
class ChildProcess {
public:
    // Runs argv; with ignore_term the process ignores SIGTERM.
    ChildProcess(const std::vector<std::string> &argv, bool ignore_term) {
        pid_ = fork();
        if (pid_ == 0) {
            setpgid(0, 0);  // so that the test can end the process with its children
            if (ignore_term) signal(SIGTERM, SIG_IGN);
            std::vector<char *> args;
            for (const auto &a : argv) args.push_back(const_cast<char *>(a.c_str()));
            args.push_back(nullptr);
            execv(args[0], args.data());
            _exit(127);
        }
        reaper_ = std::thread([this] { waitpid(pid_, &status_, 0); });
        // Wait until the program has replaced the forked test process, so
        // /proc shows its executable and arguments.
        const std::string self = LinkText("/proc/self/exe");
        for (int i = 0; i < 500 && LinkText("/proc/" + std::to_string(pid_) + "/exe") == self; ++i)
            usleep(10000);
    }
    ~ChildProcess() {
        kill(-pid_, SIGKILL);
        reaper_.join();
    }
    pid_t pid() const { return pid_; }
    // Waits for the end of the process; the signal that ended it, or 0.
    int TermSignal() {
        reaper_.join();
        reaper_ = std::thread([] {});
        return WIFSIGNALED(status_) ? WTERMSIG(status_) : 0;
    }
    bool Running() const { return kill(pid_, 0) == 0; }

private:
    pid_t pid_;
    int status_ = 0;
    std::thread reaper_;
};

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
    const auto r = tree.Run("stop", "OBSERVE_SIGNALS=1");
    EXPECT_EQ("", r.out);
    EXPECT_NE(std::string::npos, r.log.find("does not exist, no need to terminate\n")) << r.log;
}

TEST(StopService, UnusablePidValuesAreNeverSignalled) {
    // 0 and negative numbers address process groups, 1 is init.
    const char *values[] = {"", "abc", "0", "-1", "-42", "1", "99999999999", "\"12 13\""};
    for (const char *value : values) {
        ServiceTree tree;
        tree.InstallApp("3320");
        WritePid(tree, value);
        const auto r = tree.Run("stop", "OBSERVE_SIGNALS=1");
        EXPECT_EQ("", r.out) << "pid=" << value;
    }
    ServiceTree tree;
    WriteFile(tree.user() + "/ui.pid", "other=1\n");
    EXPECT_EQ("", tree.Run("stop", "OBSERVE_SIGNALS=1").out) << "no pid key";
}

TEST(StopService, MalformedPidFileIsReported) {
    ServiceTree tree;
    tree.EnableDebugLog();
    WriteFile(tree.user() + "/ui.pid", "pid=12 13\n");
    const auto r = tree.Run("stop", "OBSERVE_SIGNALS=1");
    EXPECT_EQ("", r.out);
    EXPECT_NE(std::string::npos, r.log.find("[NOTE] linux/linux-service(")) << r.log;
    EXPECT_NE(std::string::npos, r.log.find("Failed to read pid file '" + tree.user() + "/ui.pid'"));
}

TEST(StopService, ClientEndingOnTermIsNotKilled) {
    ServiceTree tree;
    ChildProcess client({InstallSleepingClient(tree), "60"}, false);
    WritePid(tree, std::to_string(client.pid()));
    tree.Run("stop");
    EXPECT_EQ(SIGTERM, client.TermSignal());
}

TEST(StopService, ClientIgnoringTermIsKilledAfterTheGracePeriod) {
    ServiceTree tree;
    ChildProcess client({InstallSleepingClient(tree), "60"}, true);
    WritePid(tree, std::to_string(client.pid()));
    const time_t start = time(nullptr);
    tree.Run("stop");
    EXPECT_EQ(SIGKILL, client.TermSignal());
    EXPECT_GE(time(nullptr) - start, 4);
}

TEST(StopService, ClientRunByAnInterpreterIsRecognisedByItsScript) {
    ServiceTree tree;
    tree.InstallApp("3320");
    WriteFile(tree.app() + "/bin/client.sh", "sleep 60\n");
    ChildProcess client({"/bin/sh", tree.app() + "/bin/client.sh"}, false);
    WritePid(tree, std::to_string(client.pid()));
    tree.Run("stop");
    EXPECT_EQ(SIGTERM, client.TermSignal());
}

TEST(StopService, StalePidOfAnEndedProcessReturnsQuietly) {
    ServiceTree tree;
    tree.EnableDebugLog();
    pid_t gone;
    {
        ChildProcess ended({"/bin/true"}, false);
        gone = ended.pid();
        ended.TermSignal();
    }
    WritePid(tree, std::to_string(gone));
    const auto r = tree.Run("stop", "OBSERVE_SIGNALS=1");
    EXPECT_EQ("", r.out);
    EXPECT_EQ(std::string::npos, r.log.find("[ERROR]")) << r.log;
}

TEST(StopService, UnrelatedProcessOfTheSameUserIsLeftAlone) {
    ServiceTree tree;
    tree.EnableDebugLog();
    InstallSleepingClient(tree);
    std::string sleep_path;
    RunCommand("printf %s \"$(command -v sleep)\"", &sleep_path);
    ChildProcess editor({sleep_path, "60"}, false);
    WritePid(tree, std::to_string(editor.pid()));
    const auto r = tree.Run("stop");
    EXPECT_NE(std::string::npos, r.log.find("is stale")) << r.log;
    EXPECT_TRUE(editor.Running());
}

TEST(HandlePackageUpgrade, MissingClientStopsNothing) {
    ServiceTree tree;
    tree.MakePackage("3400");
    WritePid(tree, "4711");
    const auto r = tree.Run("handle", "OBSERVE_SIGNALS=1");
    EXPECT_EQ(std::string::npos, r.out.find("signal")) << r.out;
    EXPECT_NE(std::string::npos, r.out.find("result=0")) << r.log;
}

TEST(PostUpgrade, RunsTheStartScriptWithStart) {
    for (const char *home : {"home", "my home"}) {
        ServiceTree tree(home);
        tree.InstallApp("3320");
        tree.Run("post");
        EXPECT_EQ("start\n", ReadFile(tree.home() + "/start-stop.calls")) << home;
    }
}

TEST(PostUpgrade, StartsTheRestoredCopyAfterAFailedUpgrade) {
    ServiceTree tree;
    tree.InstallApp("3320");
    tree.MakeCorruptPackage();
    EXPECT_NE(std::string::npos, tree.Run("handle").out.find("result=-1"));
    tree.Run("post");
    EXPECT_EQ("start\n", ReadFile(tree.home() + "/start-stop.calls"));
    EXPECT_NE(std::string::npos, ReadFile(tree.app() + "/INFO").find("build_version=3320"));
}

}  // namespace

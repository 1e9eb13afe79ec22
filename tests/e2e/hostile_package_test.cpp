// Packages made to escape or abuse the application directory, given to the
// installed launcher as an upgrade. Whatever a package holds, nothing outside
// the application directory may be written or changed, no set-id bit may
// reach the disk, and a refused package leaves the old copy as it was.
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "client_package.h"
#include "disk_state.h"
#include "launcher_install.h"
#include "log_lines.h"
#include "test_support.h"

namespace {

using testing_support::ClientTreeSpec;
using testing_support::InstallPackage;
using testing_support::kUpgradeFailed;
using testing_support::LastStartCall;
using testing_support::LauncherInstall;
using testing_support::MemoryScratch;
using testing_support::ReadFile;
using testing_support::RunCommand;
using testing_support::SetIdEntries;
using testing_support::SpecialFiles;
using testing_support::StartCalls;
using testing_support::TreeSnapshot;
using testing_support::WaitUntil;
using testing_support::WriteClientTree;
using testing_support::WriteFile;

bool Exists(const std::string &path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

std::string Join(const std::vector<std::string> &items) {
    std::string text;
    for (const std::string &item : items) text += item + " ";
    return text;
}

const long kMaxPeakKib = 200 * 1024;

enum class Outcome {
    kRefused,     // the upgrade fails and the old copy stays
    kInstalled,   // the package's client tree is the new copy
    kNotStarted,  // nothing to install: the old copy is never touched
};

struct HostileCase {
    const char *name;  // a case of hostile_packages.py
    Outcome outcome;
    // kNotStarted: what the log says instead of the package holding nothing.
    const char *refusal = "holds nothing to install";
    bool needs_memory_limit = false;  // refused for the memory its reading takes
};

void PrintTo(const HostileCase &c, std::ostream *os) { *os << c.name; }

class HostilePackageTest : public ::testing::TestWithParam<HostileCase> {
protected:
    // The launcher's run: status, and its peak resident memory from wait4.
    struct Run {
        std::string status;
        long peak_kib = 0;
    };

    Run RunLauncher() {
        // A small quarantine, so that a sanitizer build's peak stays near
        // what the program itself holds.
        const char *asan = getenv("ASAN_OPTIONS");
        const std::vector<std::string> env = install_.Environment(
            {"ASAN_OPTIONS=" + std::string(asan ? asan : "") + ":quarantine_size_mb=16"});
        const std::string out = install_.scratch("hostile.out");
        const pid_t pid = fork();
        if (pid == 0) {
            for (const std::string &entry : env) {
                const size_t eq = entry.find('=');
                if (eq == std::string::npos)
                    unsetenv(entry.c_str());
                else
                    setenv(entry.substr(0, eq).c_str(), entry.substr(eq + 1).c_str(), 1);
            }
            const int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0) _exit(126);
            dup2(fd, 1);
            dup2(fd, 2);
            const std::string exe = install_.launcher();
            execl(exe.c_str(), exe.c_str(), static_cast<char *>(nullptr));
            _exit(127);
        }
        Run run;
        if (pid < 0) return {"fork failed", 0};
        int status = 0;
        struct rusage usage;
        pid_t r = 0;
        WaitUntil([&] { return (r = wait4(pid, &status, WNOHANG, &usage)) != 0; }, 300000);
        if (r != pid) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return {"no end after five minutes", 0};
        }
        run.peak_kib = usage.ru_maxrss;
        if (WIFEXITED(status))
            run.status = "exit " + std::to_string(WEXITSTATUS(status));
        else
            run.status = "signal " + std::to_string(WTERMSIG(status));
        if (run.status != "exit 0") run.status += "\n" + ReadFile(out);
        return run;
    }

    // What must not change: the home directory without the application
    // directory, the log and the client's start records; the system-wide
    // installation.
    std::string Snapshot() const {
        // A refused package is remembered in .failed-package.
        return TreeSnapshot(install_.home(), {install_.app(), install_.user() + "/log",
                                              install_.user() + "/.failed-package",
                                              install_.home() + "/start-stop.calls"}) +
               "--- root\n" + TreeSnapshot(install_.root());
    }

    MemoryScratch scratch_;
    LauncherInstall install_;
};

TEST_P(HostilePackageTest, NothingOutsideTheCopyChanges) {
    const HostileCase &c = GetParam();
#if defined(__SANITIZE_ADDRESS__)
    if (c.needs_memory_limit)
        GTEST_SKIP() << "AddressSanitizer's shadow memory leaves the package reader unlimited";
#endif
    const std::string old_tree = install_.scratch("old-tree");
    WriteClientTree(old_tree, ClientTreeSpec{"1000", 2, 10, 'o'});
    InstallPackage(old_tree, install_.root());
    ASSERT_EQ("exit 0", install_.Run().status);
    const std::string old_digest = TreeSnapshot(install_.app(), {}, false);
    ASSERT_EQ(TreeSnapshot(old_tree, {}, false), old_digest);

    // Targets of the package's escapes, beside the user's install directory.
    const std::string outside = install_.home() + "/outside";
    WriteFile(outside + "/victim.txt", "the user's own file\n");
    ASSERT_EQ(0, RunCommand("mkdir -p '" + outside + "/dir'"));
    std::string out;
    ASSERT_EQ(0, RunCommand(std::string("python3 '") + HOSTILE_PACKAGES + "' " + c.name + " '" +
                                install_.root() + "/package/tarrowind.qpk' '" + install_.app() +
                                "' '" + outside + "' 2>&1",
                            &out))
        << out;
    WriteFile(install_.root() + "/INFO", "[Version]\nbuild_version=1001\n");

    const std::string before = Snapshot();
    const int starts = StartCalls(install_.home());
    const Run run = RunLauncher();
    ASSERT_EQ("exit 0", run.status);
    RecordProperty("peak_kib", std::to_string(run.peak_kib));
    EXPECT_LT(run.peak_kib, kMaxPeakKib);

    EXPECT_EQ(before, Snapshot());
    EXPECT_EQ("", Join(SetIdEntries(install_.app())));
    EXPECT_EQ("", Join(SpecialFiles(install_.app())));
    EXPECT_FALSE(Exists(install_.app() + ".incomplete"));
    EXPECT_FALSE(Exists(install_.app() + "_tmp"));
    EXPECT_EQ(starts + 1, StartCalls(install_.home()));

    const std::string log = install_.Log();
    if (c.outcome != Outcome::kInstalled) {
        EXPECT_NE(std::string::npos,
                  log.find(c.outcome == Outcome::kRefused ? kUpgradeFailed : c.refusal))
            << log;
        EXPECT_EQ(old_digest, TreeSnapshot(install_.app(), {}, false));
        EXPECT_EQ("start 1000", LastStartCall(install_.home()));
    } else {
        EXPECT_EQ("", log);
        EXPECT_NE(std::string::npos,
                  ReadFile(install_.app() + "/INFO").find("build_version=1001\n"));
        EXPECT_EQ("start 1001", LastStartCall(install_.home()));
    }
}

const HostileCase kCases[] = {
    {"dotdot", Outcome::kRefused},
    {"absolute", Outcome::kInstalled},
    {"symlink_then_write", Outcome::kInstalled},
    {"symlink_to_outside_dir", Outcome::kInstalled},
    {"hardlink_outside", Outcome::kRefused},
    {"hardlink_with_data", Outcome::kRefused},
    {"hardlink_relative_with_data", Outcome::kRefused},
    {"hardlink_to_symlink_with_data", Outcome::kInstalled},
    {"dot_names", Outcome::kRefused},
    {"empty_name_first", Outcome::kRefused},
    {"only_empty_name", Outcome::kRefused},
    {"dot_symlink", Outcome::kRefused},
    {"special_files", Outcome::kRefused},
    {"socket", Outcome::kRefused},
    {"setuid", Outcome::kInstalled},
    {"long_path", Outcome::kInstalled},
    {"many_entries", Outcome::kInstalled},
    {"zip_slip", Outcome::kRefused},
    {"truncated_gzip", Outcome::kRefused},
    {"empty_tar", Outcome::kNotStarted},
    {"empty_gzip", Outcome::kNotStarted},
    {"zero_bytes", Outcome::kNotStarted},
    {"duplicates", Outcome::kInstalled},
    {"duplicate_full_dir", Outcome::kRefused},
    {"endless_bzip2", Outcome::kNotStarted, "cannot be installed: reading it "},
    {"huge_dictionary", Outcome::kNotStarted, "cannot be installed: reading it needed more than",
     true},
};

INSTANTIATE_TEST_SUITE_P(Packages, HostilePackageTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<HostileCase> &info) {
                             return std::string(info.param.name);
                         });

}  // namespace

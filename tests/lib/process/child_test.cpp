// What a started program inherits from the launcher: the default action of
// every signal, no blocked signal, and none of the launcher's own files.
#include "process/child.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <string>

#include <sys/wait.h>

#include <gtest/gtest.h>

#include "log.h"
#include "test_support.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempDir;

// The launcher's state while the program starts.
enum class Launcher {
    kBlocksTermIgnoresHup,  // SIGTERM blocked, SIGHUP ignored
    kLogsToAFile,           // the logger has its file open
};

struct SlateRow {
    const char *name;
    Launcher state;
    const char *command;  // run by /bin/sh -c
    const char *shows;    // what the program must print
    const char *hides;    // what it must not print; "": nothing checked
};

void PrintTo(const SlateRow &row, std::ostream *os) { *os << row.name; }

class CleanSlate : public testing::TestWithParam<SlateRow> {};

// Runs `command` through StartChild, its output to a file; returns it.
std::string Started(const TempDir &dir, const char *command) {
    const std::string out_path = dir.sub("out");
    const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    char *const argv[] = {const_cast<char *>("/bin/sh"), const_cast<char *>("-c"),
                          const_cast<char *>(command), nullptr};
    ChildStreams streams;
    streams.out = out;
    const StartedChild child = StartChild(argv, streams);
    close(out);
    EXPECT_LT(0, child.pid) << strerror(child.error);
    const ChildExit exit = WaitForChild(child.pid, std::chrono::milliseconds(10000));
    EXPECT_TRUE(exit.ended && WIFEXITED(exit.status) && WEXITSTATUS(exit.status) == 0);
    return ReadFile(out_path);
}

TEST_P(CleanSlate, StartedProgramInheritsNothingOfTheLauncher) {
    const SlateRow &row = GetParam();
    TempDir dir;
    sigset_t term, old_mask;
    sigemptyset(&term);
    sigaddset(&term, SIGTERM);
    struct sigaction ignore = {}, old_hup = {};
    ignore.sa_handler = SIG_IGN;
    if (row.state == Launcher::kBlocksTermIgnoresHup) {
        ASSERT_EQ(0, pthread_sigmask(SIG_BLOCK, &term, &old_mask));
        ASSERT_EQ(0, sigaction(SIGHUP, &ignore, &old_hup));
    }
    if (row.state == Launcher::kLogsToAFile) {
        ASSERT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, dir.sub("launcher.log").c_str(),
                                        ustring(), 2));
        Logger::LogMsg(Logger::L_ERR, "launcher_debug", "[ERROR] child_test(%d): open\n", 1);
    }
    const std::string shown = Started(dir, row.command);
    if (row.state == Launcher::kBlocksTermIgnoresHup) {
        pthread_sigmask(SIG_SETMASK, &old_mask, nullptr);
        sigaction(SIGHUP, &old_hup, nullptr);
    }
    if (row.state == Launcher::kLogsToAFile) {
        EXPECT_NE("", ReadFile(dir.sub("launcher.log")));
        Logger::Destroy();
    }
    EXPECT_NE(std::string::npos, shown.find(row.shows)) << shown;
    if (row.hides[0]) {
        EXPECT_EQ(std::string::npos, shown.find(row.hides)) << shown;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, CleanSlate, testing::Values(
    // The last seven digits of each mask: signals 1 to 28. glibc keeps
    // its own real-time signals, 32 and 33, as the launcher found them.
    SlateRow{"NoSignalBlockedOrIgnored", Launcher::kBlocksTermIgnoresHup,
             "grep -E '^Sig(Blk|Ign)' /proc/self/status | cut -c1-7,18-",
             "SigBlk:0000000\nSigIgn:0000000\n", ""},
    SlateRow{"NotTheLogFile", Launcher::kLogsToAFile,
             "exec ls -l /proc/self/fd/", " 0 -> ", "launcher.log"}),
    [](const testing::TestParamInfo<SlateRow> &info) { return std::string(info.param.name); });
// clang-format on

}  // namespace

#include "log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using testing_support::PathExists;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

// "%b %d %H:%M:%S " in the C locale is always 16 bytes.
const char kStampPattern[] = "[A-Z][a-z][a-z] [0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9] ";
const size_t kStampLen = 16;
const int kRecordLen = 1024;        // timestamp + message
const int kRecordsToRotate = 1025;  // 1025 * 1024 is the first count above 1 MiB

long long FileSize(const std::string &path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? st.st_size : -1;
}

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

// Logs record n: a message that takes kRecordLen bytes with its timestamp.
void LogRecord(int n) {
    char head[64];
    snprintf(head, sizeof head, "[ERROR] log_test(%d): record %05d ", __LINE__, n);
    std::string msg = head;
    msg.append(kRecordLen - kStampLen - msg.size() - 1, 'x');
    msg += '\n';
    Logger::LogMsg(Logger::L_ERR, "launcher_debug", "%s", msg.c_str());
}

void LogRecords(int first, int last) {
    for (int n = first; n <= last; ++n) LogRecord(n);
}

bool LastLineIsRecord(const std::string &path, int n) {
    const std::vector<std::string> lines = Lines(ReadFile(path));
    char want[32];
    snprintf(want, sizeof want, " record %05d ", n);
    return !lines.empty() && lines.back().find(want) != std::string::npos;
}

// Sends standard error to a file for the lifetime of the object.
class StderrCapture {
public:
    explicit StderrCapture(const std::string &path) : path_(path) {
        fflush(stderr);
        saved_ = dup(2);
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, 2);
        close(fd);
    }
    ~StderrCapture() {
        fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
    }
    std::string Text() const {
        fflush(stderr);
        return ReadFile(path_);
    }

private:
    std::string path_;
    int saved_;
};

class LoggerFileTest : public ::testing::Test {
protected:
    void TearDown() override { Logger::Destroy(); }

    std::string LogPath() const { return dir.sub("launcher.log"); }
    std::string Rotated(int i) const { return LogPath() + "_" + std::to_string(i); }
    int Init(int rotate_cnt) {
        return Logger::Initialize(Logger::FILE_LOGGER, LogPath(), ustring(), rotate_cnt);
    }

    TempDir dir;
};

TEST_F(LoggerFileTest, LinesCarryTimestampAndCallerText) {
    ASSERT_EQ(0, Init(50));
    Logger::LogMsg(Logger::L_ERR, "launcher_debug", "[ERROR] log_test(%d): %s\n", 12, "hello");
    Logger::LogMsg(Logger::L_WARNING, "service_debug", "[WARNING] log_test(%d): no newline", 13);
    const std::string text = ReadFile(LogPath());
    EXPECT_TRUE(std::regex_match(
        text,
        std::regex(std::string("^") + kStampPattern + "\\[ERROR\\] log_test\\(12\\): hello\n" +
                   kStampPattern + "\\[WARNING\\] log_test\\(13\\): no newline$")))
        << text;
}

TEST_F(LoggerFileTest, CrossingMessageEndsUpInRotatedFile) {
    ASSERT_EQ(0, Init(50));
    LogRecords(1, kRecordsToRotate - 1);
    EXPECT_EQ(1048576, FileSize(LogPath()));
    EXPECT_FALSE(PathExists(Rotated(0)));

    LogRecord(kRecordsToRotate);
    EXPECT_EQ(1LL * kRecordsToRotate * kRecordLen, FileSize(Rotated(0)));
    EXPECT_TRUE(LastLineIsRecord(Rotated(0), kRecordsToRotate));
    EXPECT_EQ(0, FileSize(LogPath()));

    LogRecord(kRecordsToRotate + 1);
    EXPECT_EQ(1u, Lines(ReadFile(LogPath())).size());
    EXPECT_TRUE(LastLineIsRecord(LogPath(), kRecordsToRotate + 1));
    EXPECT_FALSE(PathExists(Rotated(1)));
}

TEST_F(LoggerFileTest, ContentFromBeforeStartIsNotCounted) {
    const long long before = 900 * 1024;
    WriteFile(LogPath(), std::string(before - 1, 'o') + "\n");
    ASSERT_EQ(0, Init(50));
    LogRecords(1, kRecordsToRotate - 1);
    EXPECT_FALSE(PathExists(Rotated(0)));
    EXPECT_EQ(before + 1048576, FileSize(LogPath()));

    LogRecord(kRecordsToRotate);
    EXPECT_EQ(before + 1LL * kRecordsToRotate * kRecordLen, FileSize(Rotated(0)));
}

TEST_F(LoggerFileTest, RotationShiftsOlderFilesAndDropsTheLastIndex) {
    for (int i = 0; i < 50; ++i) WriteFile(Rotated(i), "old " + std::to_string(i) + "\n");
    ASSERT_EQ(0, Init(50));
    LogRecords(1, kRecordsToRotate);

    EXPECT_TRUE(LastLineIsRecord(Rotated(0), kRecordsToRotate));
    for (int i = 1; i <= 48; ++i)
        EXPECT_EQ("old " + std::to_string(i - 1) + "\n", ReadFile(Rotated(i))) << i;
    EXPECT_FALSE(PathExists(Rotated(49)));
    EXPECT_FALSE(PathExists(Rotated(50)));
}

TEST_F(LoggerFileTest, RotationCountOneKeepsOnlyIndexZero) {
    WriteFile(Rotated(0), "old 0\n");
    ASSERT_EQ(0, Init(1));
    LogRecords(1, kRecordsToRotate);
    EXPECT_TRUE(LastLineIsRecord(Rotated(0), kRecordsToRotate));
    EXPECT_FALSE(PathExists(Rotated(1)));
}

TEST_F(LoggerFileTest, FailedRotationDropsLaterMessagesSilently) {
    // A non-empty directory in the slot of index 0 can be neither removed nor
    // replaced by the log file, even by root.
    WriteFile(Rotated(0) + "/keep", "x");
    StderrCapture capture(dir.sub("stderr"));
    ASSERT_EQ(0, Init(1));
    LogRecords(1, kRecordsToRotate);
    EXPECT_EQ(1LL * kRecordsToRotate * kRecordLen, FileSize(LogPath()));

    LogRecord(kRecordsToRotate + 1);
    Logger::LogMsg(Logger::L_EMERG, "launcher_debug", "[ERROR] log_test(%d): after\n", __LINE__);
    EXPECT_EQ(1LL * kRecordsToRotate * kRecordLen, FileSize(LogPath()));
    EXPECT_EQ("", capture.Text());
}

TEST_F(LoggerFileTest, DestroyDropsMessagesUntilInitialize) {
    StderrCapture capture(dir.sub("stderr"));
    ASSERT_EQ(0, Init(50));
    LogRecord(1);
    Logger::Destroy();
    LogRecord(2);
    EXPECT_EQ(kRecordLen, FileSize(LogPath()));
    EXPECT_EQ("", capture.Text());

    ASSERT_EQ(0, Init(50));
    LogRecord(3);
    EXPECT_EQ(2 * kRecordLen, FileSize(LogPath()));
    EXPECT_TRUE(LastLineIsRecord(LogPath(), 3));
}

void CallLogMsgC(int level, const char *comp, const char *fmt, ...) {
    va_list args;
    va_start(args, fmt);
    LogMSG_c(level, comp, fmt, args);
    va_end(args);
}

TEST_F(LoggerFileTest, CEntryPointAppliesTheComponentThreshold) {
    ASSERT_EQ(0, Init(50));
    CallLogMsgC(Logger::L_WARNING, "file_op_debug", "[WARNING] log_test(%d): %s\n", 1, "kept");
    CallLogMsgC(Logger::L_NOTICE, "file_op_debug", "[NOTE] log_test(%d): %s\n", 2, "dropped");
    const std::vector<std::string> lines = Lines(ReadFile(LogPath()));
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ("[WARNING] log_test(1): kept", lines[0].substr(kStampLen));
}

struct ErrnoRow {
    const char *log_file;  // null: a fresh file in the test's directory
    Logger::Level level;
    bool c_entry;  // through LogMSG_c instead of LogMsg
};

const ErrnoRow kErrnoRows[] = {
    {nullptr, Logger::L_ERR, false},
    {nullptr, Logger::L_DEBUG, false},    // below the threshold: dropped
    {"/dev/full", Logger::L_ERR, false},  // every write fails with ENOSPC
    {"/dev/full", Logger::L_ERR, true},
};

TEST_F(LoggerFileTest, LoggingLeavesErrnoAsTheCallerLeftIt) {
    for (const ErrnoRow &row : kErrnoRows) {
        SCOPED_TRACE(std::string(row.log_file ? row.log_file : "file") + " level " +
                     std::to_string(row.level) + (row.c_entry ? " C" : ""));
        const std::string path = row.log_file ? row.log_file : LogPath();
        ASSERT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, path, ustring(), 50));
        errno = EACCES;
        if (row.c_entry)
            CallLogMsgC(row.level, "launcher_debug", "[ERROR] log_test(%d): %s\n", __LINE__, "x");
        else
            Logger::LogMsg(row.level, "launcher_debug", "[ERROR] log_test(%d): x\n", __LINE__);
        EXPECT_EQ(EACCES, errno) << strerror(errno);
        Logger::Destroy();
    }
}

TEST_F(LoggerFileTest, LinesOfTwoThreadsNeverInterleave) {
    const int kLines = 10000;
    ASSERT_EQ(0, Init(50));
    auto writer = [](char id) {
        const std::string body(60, id);
        for (int n = 0; n < kLines; ++n)
            Logger::LogMsg(Logger::L_ERR, "launcher_debug", "[ERROR] log_test(%d): %c %05d %s\n",
                           __LINE__, id, n, body.c_str());
    };
    std::thread a(writer, 'A');
    std::thread b(writer, 'B');
    a.join();
    b.join();

    // Oldest first: the highest rotated index, down to the live file.
    std::string all;
    for (int i = 48; i >= 0; --i)
        if (PathExists(Rotated(i))) all += ReadFile(Rotated(i));
    all += ReadFile(LogPath());
    EXPECT_TRUE(PathExists(Rotated(0))) << "two million bytes should have rotated the log";

    const std::regex line_re(std::string("^") + kStampPattern +
                             "\\[ERROR\\] log_test\\([0-9]+\\): ([AB]) ([0-9]{5}) (A{60}|B{60})$");
    int next[2] = {0, 0};
    int bad = 0;
    for (const std::string &line : Lines(all)) {
        std::smatch m;
        if (!std::regex_match(line, m, line_re) || m[3].str()[0] != m[1].str()[0]) {
            if (++bad <= 3) ADD_FAILURE() << "garbled line: " << line;
            continue;
        }
        const int who = m[1].str()[0] - 'A';
        EXPECT_EQ(next[who], std::stoi(m[2].str()));
        next[who] = std::stoi(m[2].str()) + 1;
    }
    EXPECT_EQ(0, bad);
    EXPECT_EQ(kLines, next[0]);
    EXPECT_EQ(kLines, next[1]);
}

// The tests below need the logger's state as the program starts, or thresholds
// no other test has touched, so each case runs in a freshly executed copy of
// this test program.
class LoggerFreshProcessTest : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(LoggerFreshProcessTest, BeforeInitializeMessagesGoToStderrWithTimestamp) {
    EXPECT_EXIT(
        {
            Logger::LogMsg(Logger::L_ERR, "launcher_debug", "[ERROR] log_test(%d): early\n", 7);
            Logger::LogMsg(Logger::L_NOTICE, "launcher_debug", "[NOTE] log_test(%d): quiet\n", 8);
            fflush(stderr);
            exit(0);
        },
        ::testing::ExitedWithCode(0),
        std::string("^") + kStampPattern + "\\[ERROR\\] log_test\\(7\\): early\n$");
}

TEST_F(LoggerFreshProcessTest, UnopenableLogFileKeepsTheEarlierStream) {
    EXPECT_EXIT(
        {
            const int r = Logger::Initialize(Logger::FILE_LOGGER, "/nonexistent-dir/launcher.log",
                                             ustring(), 50);
            Logger::LogMsg(Logger::L_ERR, "launcher_debug", "[ERROR] log_test(%d): still\n", 9);
            fflush(stderr);
            exit(r == -1 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0),
        std::string("^") + kStampPattern + "\\[ERROR\\] log_test\\(9\\): still\n$");
}

struct ThresholdRow {
    const char *level_file;  // null: no level file
    const char *comp;
    Logger::Level level;
    bool written;
};

const ThresholdRow kThresholdRows[] = {
    {nullptr, "launcher_debug", Logger::L_EMERG, true},
    {nullptr, "launcher_debug", Logger::L_ERR, true},
    {nullptr, "service_debug", Logger::L_WARNING, true},
    {nullptr, "extractor_debug", Logger::L_NOTICE, false},
    {nullptr, "file_op_debug", Logger::L_INFO, false},
    {nullptr, "launcher_debug", Logger::L_DEBUG, false},
    {"service_debug=7\n", "service_debug", Logger::L_DEBUG, true},
    {"service_debug=7\n", "extractor_debug", Logger::L_NOTICE, false},
    {"service_debug=7\n", "extractor_debug", Logger::L_WARNING, true},
    {"default_component=7\n", "launcher_debug", Logger::L_NOTICE, false},
    {"default_component=7\n", "no_such_component", Logger::L_NOTICE, false},
    {"service_debug=5\n", "service_debug", Logger::L_NOTICE, true},
    {"service_debug=5\n", "service_debug", Logger::L_INFO, false},
    {"service_debug=verbose\n", "service_debug", Logger::L_ERR, false},
    {"service_debug=verbose\n", "service_debug", Logger::L_EMERG, true},
    {"launcher_debug=2\n", "launcher_debug", Logger::L_ERR, false},
    // A rejected level file contributes nothing.
    {"service_debug=7\nbroken line\n", "service_debug", Logger::L_DEBUG, false},
};

// Exit code 10: the message reached the log file; 11: it did not.
int RunThresholdCase(const ThresholdRow &row) {
    TempDir dir;
    ustring level_path;
    if (row.level_file) {
        WriteFile(dir.sub("launcher.debug"), row.level_file);
        level_path = dir.sub("launcher.debug");
    }
    if (Logger::Initialize(Logger::FILE_LOGGER, dir.sub("launcher.log"), level_path, 50) != 0)
        return 2;
    Logger::LogMsg(row.level, row.comp, "log_test(%d): probe\n", __LINE__);
    Logger::Destroy();
    return ReadFile(dir.sub("launcher.log")).empty() ? 11 : 10;
}

TEST_F(LoggerFreshProcessTest, ComponentThresholds) {
    for (const ThresholdRow &row : kThresholdRows) {
        SCOPED_TRACE(std::string(row.level_file ? row.level_file : "(no level file)") + " " +
                     row.comp + " level " + std::to_string(row.level));
        EXPECT_EXIT(exit(RunThresholdCase(row)), ::testing::ExitedWithCode(row.written ? 10 : 11),
                    "");
    }
}

}  // namespace

#include "startup/qtsingleapplication.h"

#include <fcntl.h>
#include <glob.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using testing_support::PathExists;
using testing_support::ReadFile;
using testing_support::ScopedEnv;
using testing_support::TempDir;
using testing_support::WriteFile;

// What a launcher started now finds of the lock.
enum LockResult { kTaken, kHeldByAnother, kCannotTake, kChildFailed };

// Builds the application object in a child, as one launcher process would.
LockResult TryLock() {
    fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) return kChildFailed;
    if (pid == 0) {
        static int argc = 1;
        static char name[] = "qtsingleapplication_test";
        static char *argv[] = {name, nullptr};
        QtSingleApplication app(argc, argv);
        if (app.isRunning()) _exit(kHeldByAnother);
        _exit(app.lockError().empty() ? kTaken : kCannotTake);
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return kChildFailed;
    return static_cast<LockResult>(WEXITSTATUS(status));
}

// The lock file a first launcher left in the home; empty when none.
std::string LockFile() {
    const std::string pattern = std::string(getenv("HOME")) + "/.TarrowindBackup/.launcher-*.lock";
    glob_t found;
    std::string path;
    if (glob(pattern.c_str(), 0, nullptr, &found) == 0 && found.gl_pathc == 1)
        path = found.gl_pathv[0];
    globfree(&found);
    return path;
}

time_t MtimeOf(const std::string &path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? st.st_mtime : -1;
}

ino_t InodeOf(const std::string &path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? st.st_ino : 0;
}

// Whatever lies at the lock's name instead of a file of this user is
// replaced, never followed: nothing it points to is created or written, and
// the next launcher takes the lock. A file of this user's own is kept,
// whatever its mode, and so is the lock of a live launcher.
TEST(QtSingleApplication, ReplacesWhatStandsAtTheLocksNameButNeverALiveLock) {
    TempDir dir;
    ASSERT_EQ(0, mkdir(dir.sub("runtime").c_str(), 0700));
    ScopedEnv runtime("XDG_RUNTIME_DIR", dir.sub("runtime"));
    const std::string target = dir.sub("target");
    int held = -1;
    const struct {
        const char *name;
        std::function<void(const std::string &lock)> replace;
        LockResult result;
    } rows[] = {
        {"directory", [](const std::string &lock) { ASSERT_EQ(0, mkdir(lock.c_str(), 0700)); },
         kTaken},
        {"dangling symbolic link",
         [&](const std::string &lock) { ASSERT_EQ(0, symlink(target.c_str(), lock.c_str())); },
         kTaken},
        {"symbolic link to a file",
         [&](const std::string &lock) {
             WriteFile(target, "keep\n");
             const struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
             ASSERT_EQ(0, utimensat(AT_FDCWD, target.c_str(), old, 0));
             ASSERT_EQ(0, symlink(target.c_str(), lock.c_str()));
         },
         kTaken},
        {"FIFO", [](const std::string &lock) { ASSERT_EQ(0, mkfifo(lock.c_str(), 0600)); }, kTaken},
        {"closed file", [](const std::string &lock) { WriteFile(lock, "", 0); }, kTaken},
        {"closed file held by a live launcher",
         [&](const std::string &lock) {
             WriteFile(lock, "", 0600);
             held = open(lock.c_str(), O_RDWR);
             ASSERT_EQ(0, flock(held, LOCK_EX));
             ASSERT_EQ(0, chmod(lock.c_str(), 0));
         },
         kHeldByAnother},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(kTaken, TryLock());
        const std::string lock = LockFile();
        ASSERT_FALSE(lock.empty()) << "no lock file after a first launcher";
        ASSERT_EQ(0, unlink(lock.c_str()));
        row.replace(lock);
        const ino_t before = InodeOf(lock);
        const bool target_made = PathExists(target);

        EXPECT_EQ(row.result, TryLock());
        EXPECT_NE(0u, InodeOf(lock)) << "not a regular file";
        if (before) {
            EXPECT_EQ(before, InodeOf(lock)) << "a file of this user's was replaced";
        }
        if (target_made) {
            EXPECT_EQ("keep\n", ReadFile(target));
            EXPECT_EQ(1000000000, MtimeOf(target));
        } else {
            EXPECT_FALSE(PathExists(target));
        }
        if (held >= 0) close(held);
        held = -1;
        ASSERT_EQ(0, remove(lock.c_str()));
        remove(target.c_str());
    }
}

}  // namespace

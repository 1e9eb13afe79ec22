#include "startup/startup.h"

#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using testing_support::MakeDirs;
using testing_support::TempDir;

std::string RealExecutable() {
    char real[PATH_MAX];
    return realpath("/proc/self/exe", real) ? real : "";
}

// The plugin directory follows the name the program was started by, unless
// that name says nothing about where the program lies.
TEST(ExecutablePath, TakesArgv0UnlessItIsABareNameOrALink) {
    TempDir dir;
    const std::string link = dir.sub("tarrowind-launcher");
    ASSERT_EQ(0, symlink(RealExecutable().c_str(), link.c_str()));
    const struct {
        const char *name;
        std::string argv0;
        std::string expected;
    } rows[] = {
        {"absolute path", "/opt/Veltrona/Tarrowind/bin/tarrowind-launcher",
         "/opt/Veltrona/Tarrowind/bin/tarrowind-launcher"},
        {"relative path", "bin/tarrowind-launcher", "bin/tarrowind-launcher"},
        {"bare name found through PATH", "tarrowind-launcher", RealExecutable()},
        {"symbolic link", link, RealExecutable()},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, ExecutablePath(row.argv0.c_str()).toStdString());
    }
}

// Root leaves a home alone when anyone else can change it or what leads to
// it: the owner of the home, of any folder above it, or of a folder a link
// on the way leads to, and folders that others may write without the
// sticky bit. A missing home counts from its nearest existing level.
TEST(ForeignHomeReason, NamesTheLevelThatAnotherUserCanChange) {
    if (geteuid() != 0) GTEST_SKIP() << "only root refuses a home; this runs as uid " << geteuid();
    TempDir dir;
    const uid_t user = testing_support::kUnprivilegedUid;
    for (const char *sub : {"user/roothome", "root", "open/home", "sticky/home"})
        MakeDirs(dir.sub(sub));
    ASSERT_EQ(0, chown(dir.sub("user").c_str(), user, user));
    ASSERT_EQ(0, chmod(dir.sub("open").c_str(), 0777));
    ASSERT_EQ(0, chmod(dir.sub("sticky").c_str(), 01777));
    ASSERT_EQ(0, symlink(dir.sub("user/roothome").c_str(), dir.sub("root/link").c_str()));
    const std::string of_user = "'" + dir.sub("user") + "' belongs to uid " + std::to_string(user);
    const struct {
        const char *name;
        std::string home;
        std::string reason;  // empty: the home is used
    } rows[] = {
        {"home of a user", dir.sub("user"), of_user},
        {"missing home in a folder of a user", dir.sub("user/missing/deeper"), of_user},
        {"missing home in a folder of root", dir.sub("root/missing/deeper"), ""},
        {"home of root's in a folder of a user", dir.sub("user/roothome"), of_user},
        {"link of root's into a folder of a user", dir.sub("root/link"), of_user},
        {"folder that others may write", dir.sub("open/home"),
         "'" + dir.sub("open") + "' may be written by other users"},
        {"sticky folder that others may write", dir.sub("sticky/home"), ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.reason, ForeignHomeReason(row.home.c_str()));
    }
}

}  // namespace

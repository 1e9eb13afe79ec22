#include "startup.h"

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

// Root refuses a missing home that would be made inside a folder of another
// user: the owner that counts is that of the nearest existing ancestor.
TEST(ForeignHomeOwner, IsTheOwnerOfTheNearestExistingAncestor) {
    if (geteuid() != 0) GTEST_SKIP() << "only root refuses a home; this runs as uid " << geteuid();
    TempDir dir;
    const uid_t user = testing_support::kUnprivilegedUid;
    MakeDirs(dir.sub("user"));
    MakeDirs(dir.sub("root"));
    ASSERT_EQ(0, chown(dir.sub("user").c_str(), user, user));
    const struct {
        const char *name;
        std::string home;
        uid_t owner;
    } rows[] = {
        {"existing home of a user", dir.sub("user"), user},
        {"missing home in a folder of a user", dir.sub("user/missing/deeper"), user},
        {"missing home in a folder of root", dir.sub("root/missing/deeper"), 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.owner, ForeignHomeOwner(row.home.c_str()));
    }
}

}  // namespace

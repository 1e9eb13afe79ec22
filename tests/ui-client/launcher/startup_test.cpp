#include "startup.h"

#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

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

}  // namespace

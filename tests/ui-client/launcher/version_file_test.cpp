#include "version_file.h"

#include <sys/stat.h>

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "service_tree.h"
#include "test_support.h"

namespace {

using testing_support::HasLogLine;
using testing_support::ServiceTree;
using testing_support::WriteFile;

struct VersionRow {
    const char *name;
    const char *installed_info;  // contents of A/INFO, or null for none
    const char *package_info;    // contents of R/INFO, or null for none
    bool executable;             // A/bin/tarrowind-backup-ui present
    bool need;
};

void PrintTo(const VersionRow &row, std::ostream *os) { *os << row.name; }

const VersionRow kVersionRows[] = {
    {"EqualBuilds", "[Version]\nbuild_version=3320\n", "[Version]\nbuild_version=3320\n", true,
     false},
    {"HigherPackage", "[Version]\nbuild_version=3320\n", "[Version]\nbuild_version=3400\n", true,
     true},
    {"LowerPackage", "[Version]\nbuild_version=3400\n", "[Version]\nbuild_version=3320\n", true,
     false},
    {"MajorIgnored", "[Version]\nmajor_version=2\nbuild_version=500\n",
     "[Version]\nmajor_version=3\nbuild_version=400\n", true, false},
    {"NoUserInfo", nullptr, "[Version]\nbuild_version=3320\n", true, true},
    {"NoSystemInfo", "[Version]\nbuild_version=3320\n", nullptr, true, false},
    {"MissingExecutable", "[Version]\nbuild_version=3320\n", "[Version]\nbuild_version=3320\n",
     false, true},
    {"MissingExecutableNoSystemInfo", "[Version]\nbuild_version=3320\n", nullptr, false, true},
    {"TrailingLettersIgnored", "[Version]\nbuild_version=3320abc\n",
     "[Version]\nbuild_version=3320\n", true, false},
    {"QuotedValue", "[Version]\nbuild_version=\"3320\"\n", "[Version]\nbuild_version=3321\n", true,
     true},
    {"CommentAfterTheValue", "[Version]\nbuild_version=3320 ; old\n",
     "\xEF\xBB\xBF[Version]\r\nbuild_version=3321\r\n", true, true},
    {"KeyOutsideSection", "build_version=9000\n[Version]\nmajor_version=3\n",
     "[Version]\nbuild_version=3320\n", true, true},
    // Builds beyond int are clamped, never wrapped (4294967296 would wrap to
    // 0, 3000000000 to a negative number).
    {"HugePackageBuildClamped", "[Version]\nbuild_version=3320\n",
     "[Version]\nbuild_version=99999999999\n", true, true},
    {"HugeInstalledBuildClamped", "[Version]\nbuild_version=99999999999\n",
     "[Version]\nbuild_version=3320\n", true, false},
    {"PackageBuildTwoToTheThirtyTwo", "[Version]\nbuild_version=3320\n",
     "[Version]\nbuild_version=4294967296\n", true, true},
    {"InstalledBuildTwoToTheThirtyTwo", "[Version]\nbuild_version=4294967296\n",
     "[Version]\nbuild_version=3320\n", true, false},
    {"PackageBuildThreeBillion", "[Version]\nbuild_version=3320\n",
     "[Version]\nbuild_version=3000000000\n", true, true},
    {"InstalledBuildThreeBillion", "[Version]\nbuild_version=3000000000\n",
     "[Version]\nbuild_version=3320\n", true, false},
};

class UpgradeDecision : public testing::TestWithParam<VersionRow> {};

TEST_P(UpgradeDecision, ComparesBuildNumbersOnly) {
    const VersionRow &row = GetParam();
    ServiceTree tree;
    tree.InstallApp("1");
    tree.MakePackage("1");
    remove((tree.root() + "/INFO").c_str());
    if (row.installed_info)
        WriteFile(tree.app() + "/INFO", row.installed_info);
    else
        remove((tree.app() + "/INFO").c_str());
    if (row.package_info) WriteFile(tree.root() + "/INFO", row.package_info);
    if (!row.executable) remove((tree.app() + "/bin/tarrowind-backup-ui").c_str());
    tree.EnableDebugLog();

    const auto service = tree.Service();
    service->PreUpgrade();
    EXPECT_EQ(row.need, service->IsNeedUpgrade()) << tree.Log();
    EXPECT_EQ(row.installed_info == nullptr,
              HasLogLine(tree.Log(), "[INFO]", "tarrowind-service", "source does not exist"));
}

INSTANTIATE_TEST_SUITE_P(Rows, UpgradeDecision, testing::ValuesIn(kVersionRows),
                         [](const testing::TestParamInfo<VersionRow> &info) {
                             return std::string(info.param.name);
                         });

TEST(UpgradeDecisionLog, FirstRunLogsPackageAndMissingSource) {
    ServiceTree tree;
    tree.MakePackage("3400");
    tree.EnableDebugLog();
    EXPECT_TRUE(tree.Decide().worth);
    const std::string log = tree.Log();
    EXPECT_TRUE(HasLogLine(log, "[INFO]", "tarrowind-service", "target_version = (3, 1, 3400, 8)"));
    EXPECT_TRUE(HasLogLine(log, "[INFO]", "tarrowind-service", "source does not exist"));
    EXPECT_TRUE(HasLogLine(log, "[DEBUG]", "linux/linux-service", "Source version: ('', '')"));
    EXPECT_TRUE(HasLogLine(log, "[DEBUG]", "linux/linux-service",
                           "source version = 0, target version = 3400"));
}

// Anything but a regular file at a version file's name reads as no file.
TEST(ReadVersionFile, OnlyARegularFileIsRead) {
    ServiceTree tree;
    tree.EnableDebugLog();
    const std::string fifo = tree.scratch("INFO");
    ASSERT_EQ(0, mkfifo(fifo.c_str(), 0644));
    Service::VersionInfo info;
    info.build_version = "kept";
    ReadVersionFile(fifo.c_str(), info);
    EXPECT_EQ(std::string("kept"), info.build_version.c_str());
    EXPECT_TRUE(HasLogLine(tree.Log(), "[NOTE]", "tarrowind-service",
                           "'" + fifo + "' is not a regular file, treating it as absent"));
}

}  // namespace

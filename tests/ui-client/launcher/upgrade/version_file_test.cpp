#include "upgrade/version_file.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include <QSettings>
#include <QString>
#include <gtest/gtest.h>

#include "file/scoped.h"
#include "service_tree.h"
#include "test_support.h"

namespace {

using testing_support::HasLogLine;
using testing_support::MakeDirs;
using testing_support::ServiceTree;
using testing_support::WriteFile;

// How the version files of a row are put in place.
enum class Placing {
    kFiles,  // A/INFO and R/INFO are the files
    kLinks,  // they are links to files elsewhere, as a packager's links into /etc
};

struct VersionRow {
    const char *name;
    const char *installed_info;  // contents of A/INFO, or null for none
    const char *package_info;    // contents of R/INFO, or null for none
    bool executable;             // A/bin/tarrowind-backup-ui present
    bool need;
    Placing placing = Placing::kFiles;
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
    {"LinkedInfoFiles", "[Version]\nbuild_version=3320\n", "[Version]\nbuild_version=3400\n", true,
     true, Placing::kLinks},
};

// Writes a version file at `path`, or a link there to one written at
// `elsewhere` in the scratch folder.
void PlaceInfo(const ServiceTree &tree, const std::string &path, const std::string &elsewhere,
               const char *text, Placing placing) {
    if (placing == Placing::kFiles) {
        WriteFile(path, text);
        return;
    }
    WriteFile(tree.scratch(elsewhere), text);
    ASSERT_EQ(0, symlink(tree.scratch(elsewhere).c_str(), path.c_str()));
}

class UpgradeDecision : public testing::TestWithParam<VersionRow> {};

TEST_P(UpgradeDecision, ComparesBuildNumbersOnly) {
    const VersionRow &row = GetParam();
    ServiceTree tree;
    tree.InstallApp("1");
    tree.MakePackage("1");
    remove((tree.root() + "/INFO").c_str());
    remove((tree.app() + "/INFO").c_str());
    if (row.installed_info)
        PlaceInfo(tree, tree.app() + "/INFO", "etc/app-INFO", row.installed_info, row.placing);
    if (row.package_info)
        PlaceInfo(tree, tree.root() + "/INFO", "etc/root-INFO", row.package_info, row.placing);
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
    EXPECT_EQ(RunOutcome::Did::kUpgraded, tree.Run().did);
    const std::string log = tree.Log();
    EXPECT_TRUE(HasLogLine(log, "[INFO]", "tarrowind-service", "target_version = (3, 1, 3400, 8)"));
    EXPECT_TRUE(HasLogLine(log, "[INFO]", "tarrowind-service", "source does not exist"));
    EXPECT_TRUE(HasLogLine(log, "[DEBUG]", "linux/linux-service", "Source version: ('', '')"));
    EXPECT_TRUE(HasLogLine(log, "[DEBUG]", "linux/linux-service",
                           "source version = 0, target version = 3400"));
}

// Anything but a regular file at a version file's name, or where a link
// there leads, reads as no file.
TEST(ReadVersionFile, OnlyARegularFileIsRead) {
    ServiceTree tree;
    tree.EnableDebugLog();
    const std::string fifo = tree.scratch("fifo"), socket_path = tree.scratch("socket");
    ASSERT_EQ(0, mkfifo(fifo.c_str(), 0644));
    MakeDirs(tree.scratch("folder"));
    const ScopedFd listener(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    struct sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socket_path.size(), sizeof address.sun_path);
    socket_path.copy(address.sun_path, socket_path.size());
    ASSERT_EQ(0,
              bind(listener.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address));
    const struct {
        const char *name;
        std::string link_target;  // empty: a FIFO at the name itself
    } rows[] = {
        {"FIFO", ""},
        {"link to a FIFO", fifo},
        {"link to a device", "/dev/null"},
        {"link to a folder", tree.scratch("folder")},
        {"link to a socket", socket_path},
    };
    int n = 0;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string info = tree.scratch("INFO" + std::to_string(n++));
        if (row.link_target.empty()) {
            ASSERT_EQ(0, mkfifo(info.c_str(), 0644));
        } else {
            ASSERT_EQ(0, symlink(row.link_target.c_str(), info.c_str()));
        }
        Service::VersionInfo version;
        version.build_version = "kept";
        ReadVersionFile(info.c_str(), version);
        EXPECT_EQ(std::string("kept"), version.build_version.c_str());
        EXPECT_TRUE(HasLogLine(tree.Log(), "[NOTE]", "version_file",
                               "'" + info + "' is not a regular file, treating it as absent"));
    }
}

// Version files read as the toolkit's own INI reader reads them from their
// path. Rows of one size follow each other, as a reader that kept what it
// parsed of an earlier file would then give the earlier build.
TEST(ReadVersionFile, ReadsWhatTheToolkitReads) {
    const struct {
        const char *text;
        const char *build;  // what both give; null: not checked beyond equality
    } rows[] = {
        {"[Version]\nbuild_version=3320\n", "3320"},
        {"[Version]\nbuild_version=3321\n", "3321"},
        {"[Version]\nbuild_version=33\\\n20\n", "3320"},
        {"[Version]\nbuild%5Fversion=3320\n", "3320"},
        {"[Version]\nbuild_version=\\x263a\n", nullptr},
        {"[Version]\nbuild_version=3320,3321\n", ""},
        {"[Version]\nbuild_version=a \"b\" c\n", nullptr},
        {"[Version]\nbuild_version=\"3320\"\n", "3320"},
        {"[Version]\nbuild_version = 3320 ; old\n", "3320"},
        {"\xEF\xBB\xBF[Version]\r\nbuild_version=3320\r\n", "3320"},
        {"build_version=9000\n[Version]\nmajor_version=3\n", nullptr},
        {"[Version]\nbuild_version=1\n[Other]\nbuild_version=2\n[Version]\nminor_version=4\n", "1"},
        {"[Version]\nbuild_version=\n", ""},
        {"[version]\nbuild_version=3320\n", nullptr},
        {"[Version]\nmajor_version=3\nminor_version=1\nbuild_version=3320\n"
         "icon_overlay_version=8\n",
         "3320"},
    };
    const testing_support::TempDir dir;
    int n = 0;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        // A file of its own for the toolkit, which keeps what it parsed by name.
        const std::string path = dir.sub("INFO" + std::to_string(n++));
        WriteFile(path, row.text);
        Service::VersionInfo info;
        ReadVersionFile(path.c_str(), info);
        const QSettings reference(QString::fromStdString(path), QSettings::IniFormat);
        const auto expected = [&](const char *key) {
            return reference.value(QString("Version/") + key).toString().toStdString();
        };
        EXPECT_EQ(expected("major_version"), info.major_version.c_str());
        EXPECT_EQ(expected("minor_version"), info.minor_version.c_str());
        EXPECT_EQ(expected("build_version"), info.build_version.c_str());
        EXPECT_EQ(expected("icon_overlay_version"), info.icon_overlay_version.c_str());
        if (row.build) {
            EXPECT_EQ(row.build, std::string(info.build_version.c_str()));
        }
    }
}

}  // namespace

#include <stdlib.h>

#include <map>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "linux/package_info.h"
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

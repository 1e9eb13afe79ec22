// The Debian package as cpack makes it from this build tree: its control
// fields, its files unpacked with dpkg-deb -x into a scratch root, the
// launcher run from there for a scratch user against the demo client's
// package, and lintian's verdict.
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "child_process.h"
#include "test_support.h"

namespace {

using testing_support::ChildProcess;
using testing_support::KillProcessesWithEnvironment;
using testing_support::LinkText;
using testing_support::MakeDirs;
using testing_support::ProcessAlive;
using testing_support::ProcessExecutable;
using testing_support::Quote;
using testing_support::ReadFile;
using testing_support::RunCommand;
using testing_support::TempDir;
using testing_support::WriteFile;

const char kPackageName[] = "tarrowind-launcher";
const std::string kPrefix = "/opt/Veltrona/Tarrowind";
const std::string kLevelFile = "/etc/opt/Veltrona/Tarrowind/launcher.debug";

std::string Trim(const std::string &s) {
    const size_t b = s.find_first_not_of(" \n");
    const size_t e = s.find_last_not_of(" \n");
    return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

// The package names of a Depends field, alternatives included.
std::vector<std::string> DependNames(const std::string &depends) {
    std::vector<std::string> names;
    std::string name;
    bool in_version = false;
    for (const char c : depends + ",") {
        if (c == '(') in_version = true;
        if (c == ')') in_version = false;
        if (in_version) continue;
        if (c == ',' || c == '|' || c == ' ') {
            if (!name.empty()) names.push_back(name);
            name.clear();
        } else if (c != ')') {
            name += c;
        }
    }
    return names;
}

bool Contains(const std::vector<std::string> &v, const std::string &s) {
    for (const std::string &x : v)
        if (x == s) return true;
    return false;
}

bool IsExecutableFile(const std::string &path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR);
}

bool IsNonEmptyFile(const std::string &path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0;
}

bool IsDirectory(const std::string &path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The value of `key` in a desktop entry.
std::string DesktopValue(const std::string &entry, const std::string &key) {
    for (const std::string &line : Lines(entry))
        if (line.compare(0, key.size() + 1, key + "=") == 0) return line.substr(key.size() + 1);
    return "";
}

// Builds the .deb with cpack into a scratch directory once per test.
class DebPackageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(deb_ = BuildPackage(tmp_.sub("deb"))); }

    // The package cpack makes in `dir`, with `version` instead of the
    // project's when given.
    std::string BuildPackage(const std::string &dir, const std::string &version = "") {
        std::string out;
        const int rc =
            RunCommand(Quote(CPACK_COMMAND) + " -G DEB --config " +
                           Quote(std::string(BUILD_DIR) + "/CPackConfig.cmake") + " -B " +
                           Quote(dir) + (version.empty() ? "" : " -R " + Quote(version)) + " 2>&1",
                       &out);
        EXPECT_EQ(0, rc) << out;
        RunCommand("ls " + Quote(dir) + "/*.deb", &out);
        const std::string deb = Trim(out);
        EXPECT_EQ(1u, Lines(deb).size()) << "expected one package, found: " << deb;
        return deb;
    }

    void TearDown() override {
        if (!home_.empty()) KillProcessesWithEnvironment("HOME=" + home_);
    }

    std::string Field(const std::string &name) const {
        std::string out;
        RunCommand("dpkg-deb -f " + Quote(deb_) + " " + name, &out);
        return Trim(out);
    }

    // Unpacks the package into <tmp>/root; returns that root, free of
    // symbolic links.
    std::string Unpack() {
        char real[PATH_MAX];
        EXPECT_TRUE(realpath(tmp_.path().c_str(), real) != nullptr);
        const std::string root = std::string(real) + "/root";
        std::string out;
        EXPECT_EQ(0, RunCommand("dpkg-deb -x " + Quote(deb_) + " " + Quote(root) + " 2>&1", &out))
            << out;
        return root;
    }

    TempDir tmp_;
    std::string deb_;
    std::string home_;
};

TEST_F(DebPackageTest, ControlFields) {
    EXPECT_EQ(kPackageName, Field("Package"));
    EXPECT_EQ(PACKAGE_VERSION "-1", Field("Version"));
    EXPECT_EQ("utils", Field("Section"));
    EXPECT_EQ("optional", Field("Priority"));
    EXPECT_EQ(0u, Field("Maintainer").find("Veltrona <")) << Field("Maintainer");
    EXPECT_FALSE(Field("Description").empty());
    // The autostart entry and the level file are conffiles, so an
    // administrator's change survives upgrades.
    std::string conffiles;
    RunCommand("dpkg-deb --ctrl-tarfile " + Quote(deb_) + " | tar -xOf - ./conffiles", &conffiles);
    EXPECT_EQ(
        "/etc/opt/Veltrona/Tarrowind/launcher.debug\n/etc/xdg/autostart/tarrowind-launcher.desktop",
        Trim(conffiles));
}

// Every shared library that the launcher or a bundled plugin needs comes from
// a package named in Depends; the xcb platform plugin is the one a desktop
// session loads.
TEST_F(DebPackageTest, DependsCoversTheLibrariesOfEveryProgramAndPlugin) {
    const std::string root = Unpack();
    const std::vector<std::string> depends = DependNames(Field("Depends"));
    ASSERT_FALSE(depends.empty()) << Field("Depends");
    std::string multiarch;
    ASSERT_EQ(0, RunCommand("dpkg-architecture -qDEB_HOST_MULTIARCH", &multiarch));
    multiarch = Trim(multiarch);

    std::string elves;
    RunCommand("cd " + Quote(root) + " && find . -type f \\( -name '*.so' -o -perm -u+x \\) | sort",
               &elves);
    const std::vector<std::string> files = Lines(elves);
    ASSERT_TRUE(Contains(files, "." + kPrefix + "/bin/tarrowind-launcher")) << elves;
    ASSERT_TRUE(Contains(files, "." + kPrefix + "/bin/tarrowind-notifier")) << elves;
    ASSERT_TRUE(Contains(files, "." + kPrefix + "/lib/plugins/platforms/libqxcb.so")) << elves;
    std::map<std::string, std::vector<std::string>> needed_by;  // soname -> files
    for (const std::string &file : files) {
        std::string needed;
        RunCommand("readelf -d " + Quote(root + "/" + file) +
                       " | sed -n 's/.*Shared library: \\[\\(.*\\)\\]/\\1/p'",
                   &needed);
        for (const std::string &soname : Lines(needed)) needed_by[soname].push_back(file);
    }
    ASSERT_FALSE(needed_by.empty());
    // One dpkg -S for all libraries, each under both spellings of the
    // multiarch directory (/lib is /usr/lib, but dpkg records one of them):
    // "package:arch: /path/soname" lines.
    std::string paths;
    for (const auto &entry : needed_by)
        for (const char *dir : {"/lib/", "/usr/lib/"})
            paths += " " + Quote(dir + multiarch + "/" + entry.first);
    std::string owners_text;
    RunCommand("dpkg -S" + paths + " 2>/dev/null", &owners_text);
    std::map<std::string, std::string> owner_of;  // soname -> package
    for (const std::string &line : Lines(owners_text)) {
        const size_t colon = line.find(':');
        const size_t slash = line.rfind('/');
        if (colon == std::string::npos || slash == std::string::npos) continue;
        owner_of.emplace(line.substr(slash + 1), line.substr(0, colon));
    }
    for (const auto &entry : needed_by) {
        const std::string &soname = entry.first;
        const std::string &file = entry.second.front();
        const auto owner = owner_of.find(soname);
        if (owner == owner_of.end()) {
            ADD_FAILURE() << file << " needs " << soname << ", which no package provides";
            continue;
        }
        EXPECT_TRUE(Contains(depends, owner->second))
            << file << " needs " << soname << " from " << owner->second
            << ", not in Depends: " << Field("Depends");
    }
}

TEST_F(DebPackageTest, UnpackedPackageInstallsTheUsersCopyAndStartsTheClient) {
    const std::string root = Unpack();
    const std::string opt = root + kPrefix;

    EXPECT_TRUE(IsExecutableFile(opt + "/bin/tarrowind-launcher"));
    for (const char *plugin : {"platforms/libqxcb.so", "platforms/libqoffscreen.so"})
        EXPECT_TRUE(IsNonEmptyFile(opt + "/lib/plugins/" + plugin)) << plugin;
    EXPECT_TRUE(IsNonEmptyFile(opt + "/images/ico_72_tarrowind.png"));
    EXPECT_EQ(kLevelFile, LinkText(opt + "/log/launcher.debug"));
    EXPECT_NE(std::string::npos, ReadFile(root + kLevelFile).find("# launcher_debug="));
    EXPECT_TRUE(IsNonEmptyFile(root + "/usr/share/doc/tarrowind-launcher/copyright"));
    EXPECT_TRUE(IsNonEmptyFile(root + "/usr/share/doc/tarrowind-launcher/changelog.Debian.gz"));
    // The client's package and version file are not the launcher's to ship.
    ASSERT_TRUE(IsDirectory(opt + "/package"));
    EXPECT_FALSE(IsNonEmptyFile(opt + "/package/tarrowind.qpk"));
    EXPECT_FALSE(IsNonEmptyFile(opt + "/INFO"));

    for (const char *entry : {"/etc/xdg/autostart/tarrowind-launcher.desktop",
                              "/usr/share/applications/tarrowind-launcher.desktop"}) {
        SCOPED_TRACE(entry);
        const std::string text = ReadFile(root + entry);
        EXPECT_EQ("Application", DesktopValue(text, "Type"));
        EXPECT_EQ(kPrefix + "/bin/tarrowind-launcher", DesktopValue(text, "Exec"));
        const std::string icon = DesktopValue(text, "Icon");
        EXPECT_EQ(0u, icon.find(kPrefix + "/")) << icon;
        EXPECT_TRUE(IsNonEmptyFile(root + icon)) << "icon not in the package: " << icon;
    }

    // The client's vendor build provides package/tarrowind.qpk and INFO.
    const std::string info = ReadFile(std::string(BUILD_DIR) + "/INFO");
    ASSERT_FALSE(info.empty());
    ASSERT_EQ(0, RunCommand("cp " + Quote(std::string(BUILD_DIR) + "/package/tarrowind.qpk") + " " +
                            Quote(opt + "/package/") + " && cp " +
                            Quote(std::string(BUILD_DIR) + "/INFO") + " " + Quote(opt + "/")));

    home_ = root + "/home";
    const std::string runtime = root + "/run";
    ASSERT_EQ(0, mkdir(home_.c_str(), 0755));
    ASSERT_EQ(0, mkdir(runtime.c_str(), 0700));
    const std::string launcher = opt + "/bin/tarrowind-launcher";
    ChildProcess child(launcher, {launcher},
                       {"HOME=" + home_, "XDG_RUNTIME_DIR=" + runtime, "QT_QPA_PLATFORM=offscreen",
                        "DISPLAY", "WAYLAND_DISPLAY"},
                       tmp_.sub("launcher.out"), tmp_.sub("launcher.err"));
    ASSERT_TRUE(child.Wait(60000)) << "launcher still running after a minute";
    EXPECT_EQ("exit 0", child.StatusText()) << child.Errors();
    EXPECT_EQ("lib path = '" + opt + "/lib/plugins'\n", child.Output());

    const std::string app = home_ + "/.TarrowindBackup/Tarrowind.app";
    EXPECT_EQ(info, ReadFile(app + "/INFO"));
    EXPECT_TRUE(IsExecutableFile(app + "/bin/tarrowind-backup-ui"));
    EXPECT_TRUE(IsExecutableFile(app + "/package/start-stop"));
    // The shipped level file sets nothing: only errors and warnings are logged.
    EXPECT_EQ(std::string::npos,
              ReadFile(home_ + "/.TarrowindBackup/log/launcher.log").find("[DEBUG]"));

    // The start script starts the client in the background.
    const std::string pid_file = home_ + "/.TarrowindBackup/ui.pid";
    pid_t pid = 0;
    for (int waited = 0; waited < 10000 && pid == 0; waited += 50) {
        const std::string text = ReadFile(pid_file);
        if (text.compare(0, 4, "pid=") == 0) pid = static_cast<pid_t>(atoi(text.c_str() + 4));
        if (pid <= 1 || !ProcessAlive(pid)) pid = 0;
        if (pid == 0) usleep(50 * 1000);
    }
    ASSERT_NE(0, pid) << "no client started; ui.pid: " << ReadFile(pid_file);
    EXPECT_EQ(app + "/bin/tarrowind-backup-ui", ProcessExecutable(pid));
}

TEST_F(DebPackageTest, LintianReportsNoErrors) {
    if (RunCommand("command -v lintian >/dev/null") != 0)
        GTEST_SKIP() << "lintian is not installed; scripts/install-deps installs it";
    std::string out;
    const int rc = RunCommand("lintian --tag-display-limit 0 " + Quote(deb_) + " 2>&1", &out);
    std::string errors;
    for (const std::string &line : Lines(out))
        if (line.compare(0, 3, "E: ") == 0) errors += line + "\n";
    EXPECT_EQ("", errors);
    EXPECT_EQ(0, rc) << out;
}

// The level file is the administrator's: an edit survives the upgrade to a
// newer package and a reinstall, as dpkg (which apt-get runs) keeps a
// changed conffile. dpkg installs into a scratch root with a database of
// its own.
TEST_F(DebPackageTest, EditedLevelFileSurvivesUpgradeAndReinstall) {
    if (geteuid() != 0) GTEST_SKIP() << "dpkg installs files owned by root; needs root";
    const std::string newer = BuildPackage(tmp_.sub("newer"), "99.0");
    const std::string root = tmp_.sub("system");
    MakeDirs(root + "/var/lib/dpkg/info");
    MakeDirs(root + "/var/lib/dpkg/updates");
    WriteFile(root + "/var/lib/dpkg/status", "");
    const std::string dpkg = "dpkg --root=" + Quote(root) + " --log=/dev/null --force-depends ";
    const std::string edit = "launcher_debug=7\nservice_debug=6\n";
    std::string out;
    ASSERT_EQ(0, RunCommand(dpkg + "-i " + Quote(deb_) + " 2>&1", &out)) << out;
    ASSERT_NE(std::string::npos, ReadFile(root + kLevelFile).find("# launcher_debug="));
    WriteFile(root + kLevelFile, edit);

    for (const char *step : {"upgrade", "reinstall"}) {
        SCOPED_TRACE(step);
        ASSERT_EQ(0, RunCommand(dpkg + "-i " + Quote(newer) + " 2>&1", &out)) << out;
        EXPECT_EQ(edit, ReadFile(root + kLevelFile));
        EXPECT_EQ(kLevelFile, LinkText(root + kPrefix + "/log/launcher.debug"));
        RunCommand(dpkg + "-s " + kPackageName, &out);
        EXPECT_NE(std::string::npos, out.find("\nVersion: 99.0-1\n")) << out;
    }
}

}  // namespace

#ifndef TESTS_SUPPORT_SERVICE_TREE_H
#define TESTS_SUPPORT_SERVICE_TREE_H

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "linux/linux-service.h"
#include "upgrade/run.h"
#include "log_capture.h"
#include "test_support.h"

namespace testing_support {

// The build's package reader, as this test program can start it: through the
// emulator a cross build's tests run under, when there is one.
std::string PackageReader();

// A scratch system-wide installation and a scratch home directory, both
// inside one TempDir. While it lives, HOME names the home directory and the
// logger writes to a file of the tree's own, with the thresholds of
// <root>/log/launcher.debug. One tree at a time.
class ServiceTree {
public:
    // `home_name` is the home directory's name below the scratch directory.
    explicit ServiceTree(const std::string &home_name = "home");

    const std::string &root() const { return root_; }
    const std::string &home() const { return home_; }
    // <home>/.TarrowindBackup
    std::string user() const { return home_ + "/.TarrowindBackup"; }
    // <home>/.TarrowindBackup/Tarrowind.app
    std::string app() const { return user() + "/Tarrowind.app"; }
    std::string scratch(const std::string &rel) const { return tmp_.sub(rel); }

    // Writes an "INFO" version file with the given build number.
    static void WriteInfo(const std::string &path, const std::string &build,
                          const std::string &major = "3");
    // Installs a client copy with `build` into the application directory:
    // INFO, bin/tarrowind-backup-ui and package/start-stop.
    void InstallApp(const std::string &build) const;
    // Makes <root>/package/tarrowind.qpk, a tar.gz of a client tree with
    // `build`, and <root>/INFO with the same build.
    void MakePackage(const std::string &build) const;
    // Makes a package that fails to extract part-way.
    void MakeCorruptPackage() const;
    // Lets every service_debug and launcher_debug message through.
    void EnableDebugLog();

    // What a service of this tree works with: root() its system-wide
    // installation, PackageReader() its package reader.
    ServiceSetup Setup(ServiceSetup setup = ServiceSetup()) const;
    // A service of this tree with Setup(setup), home() its home directory.
    std::unique_ptr<LinuxService> Service(ServiceSetup setup = ServiceSetup()) const;
    // One run of the launcher against this tree (RunAgainstTree) with
    // `service`, or a service of Setup(), and `run`, whose user folder is
    // this tree's; `observer` sees it, when given.
    RunOutcome Run(RunSetup run = RunSetup()) const;
    RunOutcome Run(::Service &service, RunSetup run = RunSetup(),
                   RunObserver *observer = nullptr) const;
    // Everything logged so far.
    std::string Log() const { return log_->Text(); }

    // When this process is root: gives the home directory, with everything
    // in it, to kUnprivilegedUid.
    void HandHomeOver() const;

private:
    TempDir tmp_;
    std::string root_;
    std::string home_;
    ScopedEnv home_env_;
    std::unique_ptr<LogCapture> log_;
};

// Records what a run tells the user, in order ("due", "dropped", "done"),
// and calls `at` at every step it passes.
class RecordingObserver : public RunObserver {
public:
    void UpgradeDue() override { told.push_back("due"); }
    void UpgradeDropped() override { told.push_back("dropped"); }
    void UpgradeDone() override { told.push_back("done"); }
    void Passed(RunStep step) override {
        if (at) at(step);
    }

    std::vector<std::string> told;
    std::function<void(RunStep)> at;
};

}  // namespace testing_support

#endif

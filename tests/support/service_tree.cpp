#include "service_tree.h"

#include <unistd.h>

#include <stdexcept>

#include "archive_builder.h"
#include "client_package.h"

namespace testing_support {

ServiceTree::ServiceTree(const std::string &home_name)
    : root_(tmp_.sub("opt/Veltrona/Tarrowind")),
      home_(tmp_.sub(home_name)),
      home_env_("HOME", home_) {
    for (const std::string &dir : {root_ + "/package", root_ + "/log", home_}) MakeDirs(dir);
    log_.reset(new LogCapture(tmp_.sub("launcher.log"), root_ + "/log/launcher.debug"));
}

void ServiceTree::WriteInfo(const std::string &path, const std::string &build,
                            const std::string &major) {
    WriteFile(path, "[Version]\nmajor_version=" + major +
                        "\nminor_version=1\nbuild_version=" + build + "\nicon_overlay_version=8\n");
}

void ServiceTree::InstallApp(const std::string &build) const {
    WriteClientTree(app(), ClientTreeSpec{build});
}

void ServiceTree::MakePackage(const std::string &build) const {
    const std::string tree = tmp_.sub("package-tree-" + build);
    WriteClientTree(tree, ClientTreeSpec{build});
    InstallPackage(tree, root_);
}

void ServiceTree::MakeCorruptPackage() const {
    const std::string tree = tmp_.sub("package-tree-corrupt");
    WriteClientTree(tree, ClientTreeSpec{"9999"});
    WriteFile(tree + "/zz-big", std::string(256 * 1024, 'z'));
    // An uncompressed tar cut in the middle of its last member: the first
    // entries extract, then reading fails.
    const std::string tar = tmp_.sub("corrupt.tar");
    if (!WriteArchive(tar, ArchiveFormat::kTar, TreeEntries(tree)))
        throw std::runtime_error("cannot write " + tar);
    WriteFile(root_ + "/package/tarrowind.qpk", ReadFile(tar).substr(0, 200000));
    WriteInfo(root_ + "/INFO", "9999");
}

void ServiceTree::EnableDebugLog() {
    WriteFile(root_ + "/log/launcher.debug", "service_debug=7\nlauncher_debug=7\n");
    log_->Reload();
}

std::string PackageReader() { return PACKAGE_READER; }

ServiceSetup ServiceTree::Setup(ServiceSetup setup) const {
    setup.root = root_.c_str();
    if (setup.reader.empty()) setup.reader = PackageReader().c_str();
    return setup;
}

std::unique_ptr<LinuxService> ServiceTree::Service(ServiceSetup setup) const {
    return std::unique_ptr<LinuxService>(new LinuxService(Setup(setup)));
}

RunOutcome ServiceTree::Run(RunSetup run) const { return Run(*Service(), run); }

RunOutcome ServiceTree::Run(::Service &service, RunSetup run, RunObserver *observer) const {
    RecordingObserver quiet;
    ServiceSteps steps(service);
    run.user = user().c_str();
    return RunAgainstTree(run, steps, observer ? *observer : quiet);
}

void ServiceTree::HandHomeOver() const {
    if (geteuid() != 0) return;
    MustRun("chmod 755 " + Quote(tmp_.path()) + " && chown -R " + std::to_string(kUnprivilegedUid) +
            ":" + std::to_string(kUnprivilegedUid) + " " + Quote(home_));
}

}  // namespace testing_support

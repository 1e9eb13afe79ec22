#include "service_tree.h"

#include <unistd.h>

#include <stdexcept>

#include "archive_builder.h"
#include "client_package.h"

namespace testing_support {

ServiceTree::ServiceTree(const std::string &home_name)
    : root_(tmp_.sub("opt/Veltrona/Tarrowind")), home_(tmp_.sub(home_name)) {
    for (const std::string &dir : {root_ + "/package", root_ + "/log", home_}) MakeDirs(dir);
    WriteFile(root_ + "/bin/service_driver", ReadFile(SERVICE_DRIVER), 0755);
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

void ServiceTree::EnableDebugLog() const {
    WriteFile(root_ + "/log/launcher.debug", "service_debug=7\n");
}

ServiceTree::Result ServiceTree::Run(const std::string &args, const std::string &env) const {
    Result r;
    const std::string err = tmp_.sub("driver.log");
    r.status =
        RunCommand(env + " env HOME=" + Quote(home_) + " " + Quote(root_ + "/bin/service_driver") +
                       " " + args + " 2>" + Quote(err),
                   &r.out);
    r.log = ReadFile(err);
    return r;
}

void ServiceTree::HandHomeOver() const {
    if (geteuid() != 0) return;
    MustRun("chmod 755 " + Quote(tmp_.path()) + " && chown -R " + std::to_string(kUnprivilegedUid) +
            ":" + std::to_string(kUnprivilegedUid) + " " + Quote(home_));
}

ServiceTree::Result ServiceTree::RunUnprivileged(const std::string &args) const {
    if (geteuid() != 0) return Run(args);
    const std::string id = std::to_string(kUnprivilegedUid);
    return Run(args, "setpriv --reuid=" + id + " --regid=" + id + " --clear-groups");
}

}  // namespace testing_support

#include "service_tree.h"

#include <unistd.h>

#include <stdexcept>

namespace testing_support {

namespace {

// A client tree as the package carries it, in `dir`.
void MakeClientTree(const std::string &dir, const std::string &build) {
    ServiceTree::WriteInfo(dir + "/INFO", build);
    WriteFile(dir + "/bin/tarrowind-backup-ui", "#!/bin/sh\nexec sleep 60\n");
    WriteFile(dir + "/package/start-stop",
              "#!/bin/sh\necho \"$1\" >> \"$HOME/start-stop.calls\"\n");
    WriteFile(dir + "/lib/libclient.so.1", std::string(4096, 'x'));
    MustRun("chmod 755 " + Quote(dir + "/bin/tarrowind-backup-ui") + " " +
            Quote(dir + "/package/start-stop") + " && ln -s libclient.so.1 " +
            Quote(dir + "/lib/libclient.so"));
}

}  // namespace

ServiceTree::ServiceTree(const std::string &home_name)
    : root_(tmp_.sub("opt/Veltrona/Tarrowind")), home_(tmp_.sub(home_name)) {
    MustRun("mkdir -p " + Quote(root_ + "/bin") + " " + Quote(root_ + "/package") + " " +
            Quote(root_ + "/log") + " " + Quote(home_) + " && cp " SERVICE_DRIVER " " +
            Quote(root_ + "/bin/"));
}

void ServiceTree::WriteInfo(const std::string &path, const std::string &build,
                            const std::string &major) {
    WriteFile(path, "[Version]\nmajor_version=" + major +
                        "\nminor_version=1\nbuild_version=" + build + "\nicon_overlay_version=8\n");
}

void ServiceTree::InstallApp(const std::string &build) const { MakeClientTree(app(), build); }

void ServiceTree::MakePackage(const std::string &build) const {
    const std::string tree = tmp_.sub("package-tree-" + build);
    MakeClientTree(tree, build);
    MustRun("tar --sort=name -czf " + Quote(root_ + "/package/tarrowind.qpk") + " -C " +
            Quote(tree) + " .");
    WriteInfo(root_ + "/INFO", build);
}

void ServiceTree::MakeCorruptPackage() const {
    const std::string tree = tmp_.sub("package-tree-corrupt");
    MakeClientTree(tree, "9999");
    WriteFile(tree + "/zz-big", std::string(256 * 1024, 'z'));
    const std::string tar = tmp_.sub("corrupt.tar");
    // An uncompressed tar cut in the middle of its last member: the first
    // entries extract, then reading fails.
    MustRun("tar --sort=name -cf " + Quote(tar) + " -C " + Quote(tree) + " . && head -c 200000 " +
            Quote(tar) + " > " + Quote(root_ + "/package/tarrowind.qpk"));
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

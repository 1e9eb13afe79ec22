#ifndef TESTS_SUPPORT_SERVICE_TREE_H
#define TESTS_SUPPORT_SERVICE_TREE_H

#include <string>

#include "test_support.h"

namespace testing_support {

// A scratch system-wide installation (root()/bin holds a copy of the service
// driver program) and a scratch home directory, both inside one TempDir.
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
    // Lets every service_debug message through.
    void EnableDebugLog() const;

    struct Result {
        int status;
        std::string out;  // standard output
        std::string log;  // standard error: the log
    };
    // Runs the driver with `args`, HOME set to home(), and `env` (assignments
    // such as "A=1 B=2") in front.
    Result Run(const std::string &args, const std::string &env = "") const;
    // When this process is root: gives the home directory, with everything
    // in it, to kUnprivilegedUid.
    void HandHomeOver() const;
    // Run() as kUnprivilegedUid when this process is root.
    Result RunUnprivileged(const std::string &args) const;

private:
    TempDir tmp_;
    std::string root_;
    std::string home_;
};

}  // namespace testing_support

#endif

#ifndef UI_CLIENT_LAUNCHER_TARROWIND_SERVICE_H
#define UI_CLIENT_LAUNCHER_TARROWIND_SERVICE_H

#include <sys/types.h>

#include <functional>

#include <optional>

#include "extractor.h"
#include "package/package_check.h"
#include "upgrade/recovery_plan.h"
#include "upgrade/run.h"
#include "upgrade/upgrade_marker.h"
#include "upgrade/version_file.h"
#include "ustring/ustring.h"

// How a service watches a process it waits for.
enum class ProcessWatch {
    kDescriptors,  // through process descriptors, where the kernel has them
    kProbes,       // by probing it every 20 ms, as on a kernel without them
};

// What a service works with besides the home directory.
struct ServiceSetup {
    // The system-wide installation; empty: the launcher's own
    // (GetRootTarrowindInstallPath()).
    ustring root;
    // How processes are signalled; empty: kill(2).
    std::function<int(pid_t pid, int sig)> kill;
    // How processes are watched.
    ProcessWatch watch = ProcessWatch::kDescriptors;
    // The program that reads a package's headers under limits; empty:
    // Service::GetPackageReaderPath().
    ustring reader;
};

// The installation service: where the client is installed, system-wide and
// per user, and how the user's copy is brought up to date. The operating
// system's part lives in LinuxService.
//
// Threading: an object is used by one thread at a time (the launcher's worker
// thread). The static path getters keep no state and may be called from any
// thread; they compute their result afresh on every call.
class Service {
public:
    // Version of an installation, as read from its "INFO" file.
    typedef ::VersionInfo VersionInfo;

    // What a service works with besides the home directory.
    typedef ServiceSetup Setup;

    // Backups of the application directory are tried under this many names:
    // A_tmp, A_tmp1 ... A_tmp9.
    static const int MAX_RENAME_COUNT = kBackupNames;

    explicit Service(const Setup &setup = Setup());
    virtual ~Service();

    // Stops the running client named by the pid file. Never fails.
    virtual void StopService() = 0;
    virtual void SetTimeout(int t);
    // Stops the client and replaces the per-user copy from the package that
    // `verdict` found worth installing. kNone when the new copy is in place
    // (PrepareUserEnv), else whose fault the failure was.
    virtual FailureCause HandlePackageUpgrade(const PackageVerdict &verdict) = 0;
    // Starts the per-user client; kNotStarted (logged) when its start script
    // could not run it.
    virtual ClientStart PostUpgrade() = 0;
    // Reads and logs both version files.
    virtual void PreUpgrade() = 0;
    // Whether the per-user copy must be (re)installed. A query: it changes
    // nothing.
    virtual bool IsNeedUpgrade() = 0;
    // Unpacks the package file that `verdict` found worth installing into the
    // per-user application directory, creating it first. The result says
    // whose fault a failure is; what was written stays.
    virtual FailureCause ExtractPackage(const PackageVerdict &verdict);
    // Read the "Version" section of the per-user / system-wide "INFO" file
    // into source_version / target_version. Absent keys leave their member
    // as it was.
    virtual void LoadSourceVersion();
    virtual void LoadTargetVersion();
    // Moves the old copy aside under a free backup name, extracts the
    // package, and puts the old copy back when that fails; how it starts
    // from what earlier runs left is PlanRecovery's. REQUIRES: the tree was
    // recovered (RecoverTree) under the lock still held. On success the old copy
    // stays under its backup name until RemoveReplacedCopies, so that the
    // client can be started first. Returns kNone when the new copy is in
    // place, complete and on disk, else whose fault the failure was. While
    // it runs, "<application directory>.incomplete" exists on disk; it is
    // removed once the new copy has been flushed to disk, or once a copy
    // that was complete has been put back.
    virtual FailureCause PrepareUserEnv(const PackageVerdict &verdict);

    // Where the package is and where its copy goes, as the versions last
    // read announce it.
    PackagePlace Place() const;
    // The version records as the last Load*Version read them.
    const VersionInfo &GetSourceVersion() const { return source_version; }
    const VersionInfo &GetTargetVersion() const { return target_version; }
    // After a successful PrepareUserEnv: removes every backup name, the old
    // copy among them.
    void RemoveReplacedCopies();
    // Removes <user install>/app, the application folder of older releases.
    void RemoveAgedFolders();
    // Copies a file, or a directory tree, from `src` to `dest`. Returns 0, or
    // -1 at the first entry that cannot be copied (what was copied stays).
    int FSCopyPath(const ustring &src, const ustring &dest);

    // The home directory's bytes from HOME, cleaned ("/" when unset).
    static ustring GetUserInstallPath();
    // The parent of the directory that holds the launcher's executable.
    // REQUIRES: the application object exists.
    static ustring GetRootTarrowindInstallPath();
    // Where the package archive, the system version file and the images are.
    static ustring GetRootTarrowindResourceInstallPath();
    // The program that reads a package's headers under limits: bin/ of the
    // installation that holds the running program (the build tree's for its
    // tests), found by the program's own bytes.
    static ustring GetPackageReaderPath();
    // The program that shows a notification on the user's desktop, in the
    // same bin/.
    static ustring GetNotifierPath();
    // <home>/.TarrowindBackup
    static ustring GetUserTarrowindInstallPath();
    // <home>/.TarrowindBackup/Tarrowind.app
    static ustring GetUserTarrowindAppInstallPath();
    // <home>/.TarrowindBackup/data
    static ustring GetUserTarrowindDataInstallPath();

protected:
    // Whether an upgrade of the application directory began and did not
    // finish: the directory may hold a partial copy.
    bool IsAppIncomplete() const;
    // The system-wide installation this service works with.
    const ustring &Root() const { return root; }

    int timeout;
    ustring per_user_install_path;
    VersionInfo target_version;
    VersionInfo source_version;

private:
    // The copy a failure puts back.
    struct Rollback {
        ustring copy;           // empty: nothing to put back
        bool complete = false;  // known complete: putting it back ends the marker
    };
    // The first steps of `plan`: a partial copy cleared, the marker
    // written, the complete copy moved aside. What a failure puts
    // back; nothing (logged) when the upgrade must not go on.
    std::optional<Rollback> BeginUpgrade(const RecoveryPlan &plan);
    // The extraction, made durable.
    FailureCause ExtractDurably(const PackageVerdict &verdict);
    // Puts `rollback` back after a failure of `cause`. Returns `cause`.
    FailureCause RollBack(const Rollback &rollback, FailureCause cause);

    ustring root;
    ustring reader;  // the package reader program
};

// Presents a service to the run (RunAgainstTree): each step is the service's
// operation of the same name.
class ServiceSteps : public RunSteps {
public:
    explicit ServiceSteps(Service &service) : service_(service) {}

    void PreUpgrade() override { service_.PreUpgrade(); }
    const VersionInfo &InstalledVersion() const override { return service_.GetSourceVersion(); }
    const VersionInfo &PackageVersion() const override { return service_.GetTargetVersion(); }
    bool IsNeedUpgrade() override { return service_.IsNeedUpgrade(); }
    PackagePlace Place() const override { return service_.Place(); }
    FailureCause HandlePackageUpgrade(const PackageVerdict &verdict) override {
        return service_.HandlePackageUpgrade(verdict);
    }
    ClientStart PostUpgrade() override { return service_.PostUpgrade(); }
    void RemoveReplacedCopies() override { service_.RemoveReplacedCopies(); }
    void RemoveAgedFolders() override { service_.RemoveAgedFolders(); }

private:
    Service &service_;
};

#endif

#ifndef UI_CLIENT_LAUNCHER_TARROWIND_SERVICE_H
#define UI_CLIENT_LAUNCHER_TARROWIND_SERVICE_H

#include "extractor.h"
#include "ustring/ustring.h"

// The installation service: where the client is installed, system-wide and
// per user, and how the user's copy is brought up to date. The operating
// system's part lives in LinuxService.
//
// Threading: an object is used by one thread at a time (the launcher's worker
// thread). The static path getters keep no state and may be called from any
// thread; they compute their result afresh on every call.
class Service {
public:
    // Version of an installation, as read from its "INFO" file. Every member
    // is empty until a version file has been read.
    struct VersionInfo {
        ustring major_version;
        ustring minor_version;
        ustring build_version;
        ustring icon_overlay_version;
    };

    // Backups of the application directory are tried under this many names:
    // A_tmp, A_tmp1 ... A_tmp9.
    static const int MAX_RENAME_COUNT = 10;

    Service();
    virtual ~Service();

    // Stops the running client named by the pid file. Never fails.
    virtual void StopService() = 0;
    virtual void SetTimeout(int t);
    // Stops the client and replaces the per-user copy from the package.
    // Returns 0 when the new copy is in place, -1 otherwise.
    virtual int HandlePackageUpgrade() = 0;
    // Starts the per-user client.
    virtual void PostUpgrade() = 0;
    // Reads and logs both version files.
    virtual void PreUpgrade() = 0;
    // Whether the per-user copy must be (re)installed.
    virtual bool IsNeedUpgrade() = 0;
    // Unpacks the package into the per-user application directory, creating
    // it first. Returns 0, or -1 when the directory cannot be created or the
    // extraction fails (what was written stays).
    virtual int ExtractPackage();
    // Read the "Version" section of the per-user / system-wide "INFO" file
    // into source_version / target_version. Absent keys leave their member
    // as it was.
    virtual void LoadSourceVersion();
    virtual void LoadTargetVersion();
    // Moves the old copy aside under a free backup name, extracts the
    // package, and puts the old copy back when that fails. On success every
    // backup name tried is removed. Returns 0 when the new copy is in place.
    // While it runs, "<application directory>.incomplete" exists on disk; it
    // is removed once the new copy has been flushed to disk, or once a copy
    // that was complete has been put back.
    virtual int PrepareUserEnv();

    // Removes <user install>/app, the application folder of older releases.
    void RemoveAgedFolders();
    // Removes every backup name (A_tmp ... A_tmp9) that exists. Only for when
    // the application directory is known to be complete.
    void RemoveLeftoverBackups();
    // Copies a file, or a directory tree, from `src` to `dest`. Returns 0, or
    // -1 at the first entry that cannot be copied (what was copied stays).
    int FSCopyPath(const ustring &src, const ustring &dest);

    // The home directory as the toolkit reports it ("/" when HOME is unset).
    static ustring GetUserInstallPath();
    // The parent of the directory that holds the launcher's executable.
    // REQUIRES: the application object exists.
    static ustring GetRootTarrowindInstallPath();
    // Where the package archive, the system version file and the images are.
    static ustring GetRootTarrowindResourceInstallPath();
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
    // Whether the package can be installed now, decided before anything is
    // stopped, renamed or written: it is a readable regular file, it did not
    // fail on its own before (unchanged since), it holds entries, and its
    // files fit on the home's file system with room to spare. When not, one
    // WARNING line says why. Reads the package's headers once; ExtractPackage
    // uses what this pass counted.
    bool IsPackageWorthInstalling();
    // After a successful installation: when the new copy's build is not the
    // one the system's version file announces, the package is remembered
    // as failed (one WARNING line), else any such record is dropped.
    void CheckInstalledBuild();

    int timeout;
    ustring per_user_install_path;
    // The package as IsPackageWorthInstalling scanned it; no entries (-1)
    // when it has not.
    PackageScan package_scan;
    // Whether the last ExtractPackage failed because of the package itself.
    bool package_at_fault = false;
    VersionInfo target_version;
    VersionInfo source_version;
};

#endif

#ifndef UI_CLIENT_LAUNCHER_TARROWIND_SERVICE_H
#define UI_CLIENT_LAUNCHER_TARROWIND_SERVICE_H

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

    Service();
    virtual ~Service();

    virtual void SetTimeout(int t);

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
    int timeout;
    ustring per_user_install_path;
    VersionInfo target_version;
    VersionInfo source_version;
};

#endif

#ifndef UI_CLIENT_LAUNCHER_LINUX_LINUX_SERVICE_H
#define UI_CLIENT_LAUNCHER_LINUX_LINUX_SERVICE_H

#include <stdio.h>
#include <sys/types.h>

#include <string>

#include "config.h"
#include "file/file-op.h"
#include "tarrowind-service.h"
#include "ustring/ustring.h"

// The installation service on Linux.
class LinuxService : public Service {
public:
    // Reads the home directory once, for per_user_install_path.
    explicit LinuxService(const Setup &setup = Setup());
    ~LinuxService() override;

    // Sends SIGTERM to the client named by "<user install>/ui.pid", waits
    // five seconds at most for it to end, noticing its end at once (within
    // about 20 ms where the kernel lacks process descriptors, a zombie
    // counting as ended), then sends SIGKILL. Signals nothing when the file
    // holds no usable pid or names a process that is not this user's client,
    // whatever the clock says of when either began. Blocks the calling
    // thread while it waits.
    void StopService() override;
    FailureCause HandlePackageUpgrade(const PackageVerdict &verdict) override;
    ClientStart PostUpgrade() override;
    void PreUpgrade() override;
    // True when the package's build number is higher than the installed one,
    // when the per-user client executable is missing, or when an earlier
    // upgrade did not finish. Changes nothing.
    bool IsNeedUpgrade() override;

    // The process-wide instance, built on first use.
    static LinuxService &GetInstace();

    // Whether <app>/bin/tarrowind-backup-ui exists (a dangling link does not).
    bool PerUserBinPathExist();
    // Runs "<app>/package/start-stop start" and waits, ten seconds at most,
    // until it ends. kNotStarted (one WARNING says why) when the script
    // cannot be run, or exits 126 or 127: it could not run the client's
    // program. Any other end counts as started.
    ClientStart LaunchPerUserBin();
    void LoadTargetVerInfo();
    void LoadSourceVerInfo();

    int GetTimeout() const { return timeout; }
    const ustring &GetPerUserInstallPath() const { return per_user_install_path; }

private:
    // Signals `pid` through the setup's kill function where there is one,
    // else through its process descriptor `pidfd` where there is one, so that
    // a process that took over the id of an ended client is never signalled.
    int SendSignal(pid_t pid, int pidfd, int sig) const;

    std::function<int(pid_t pid, int sig)> kill_;
    const ProcessWatch watch_;
};

#endif

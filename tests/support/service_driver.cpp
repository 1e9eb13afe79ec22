// Runs one operation of the installation service, as the launcher's worker
// would, and prints what it returned. Tests copy this program into a scratch
// system-wide tree (<root>/bin), because the service finds the package and
// the system version file relative to the running executable.
//
//   service_driver versions      PreUpgrade, IsNeedUpgrade
//   service_driver prepare       PrepareUserEnv
//   service_driver handle        HandlePackageUpgrade
//   service_driver stop          StopService
//   service_driver post          PostUpgrade
//   service_driver aged          RemoveAgedFolders
//   service_driver copy S D      FSCopyPath(S, D)
//
// The log goes to standard error, with the thresholds of
// <root>/log/launcher.debug. With OBSERVE_SIGNALS in the environment, the
// signals that StopService would send are printed instead of sent, and
// answered as if the process had already ended (OBSERVE_SIGNALS=1) or as if
// it were alive and took every signal (OBSERVE_SIGNALS=alive).
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>

#include <QCoreApplication>

#include "linux/linux-service.h"
#include "log.h"

namespace {

int PrintSignal(pid_t pid, int sig) {
    printf("signal %d to %d\n", sig, static_cast<int>(pid));
    fflush(stdout);
    errno = ESRCH;
    return -1;
}

int PrintSignalToALiveProcess(pid_t pid, int sig) {
    printf("signal %d to %d\n", sig, static_cast<int>(pid));
    fflush(stdout);
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    Logger::Initialize(Logger::STDERR_LOGGER, "",
                       Service::GetRootTarrowindInstallPath() + "/log/launcher.debug", 50);
    const char *observe = getenv("OBSERVE_SIGNALS");
    if (observe && strcmp(observe, "1") == 0) LinuxService::SetKillFunctionForTesting(PrintSignal);
    if (observe && strcmp(observe, "alive") == 0)
        LinuxService::SetKillFunctionForTesting(PrintSignalToALiveProcess);

    LinuxService service;
    const char *op = argc > 1 ? argv[1] : "";
    if (strcmp(op, "versions") == 0) {
        service.PreUpgrade();
        printf("source=%s\n", service.GetSourceVersion().build_version.c_str());
        printf("target=%s\n", service.GetTargetVersion().build_version.c_str());
        printf("need=%d\n", service.IsNeedUpgrade() ? 1 : 0);
    } else if (strcmp(op, "prepare") == 0) {
        printf("result=%d\n", service.PrepareUserEnv());
    } else if (strcmp(op, "handle") == 0) {
        printf("result=%d\n", service.HandlePackageUpgrade());
    } else if (strcmp(op, "stop") == 0) {
        service.StopService();
    } else if (strcmp(op, "post") == 0) {
        service.PostUpgrade();
    } else if (strcmp(op, "aged") == 0) {
        service.RemoveAgedFolders();
    } else if (strcmp(op, "copy") == 0 && argc == 4) {
        printf("result=%d\n", service.FSCopyPath(argv[2], argv[3]));
    } else {
        fprintf(stderr, "usage: %s versions|prepare|handle|stop|post|aged|copy SRC DST\n", argv[0]);
        return 2;
    }
    return 0;
}

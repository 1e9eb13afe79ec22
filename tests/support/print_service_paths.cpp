// Prints every installation path the service derives, one "name=value" line
// each. Tests copy this program into a scratch install tree and run it there,
// because the root path follows the location of the running executable.
// With the argument "rehome", it changes HOME after creating the service.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <QCoreApplication>

#include "linux/linux-service.h"

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    LinuxService service;
    if (argc > 1 && strcmp(argv[1], "rehome") == 0) setenv("HOME", "/home/other", 1);
    printf("GetUserInstallPath=%s\n", Service::GetUserInstallPath().c_str());
    printf("GetRootTarrowindInstallPath=%s\n", Service::GetRootTarrowindInstallPath().c_str());
    printf("GetRootTarrowindResourceInstallPath=%s\n",
           Service::GetRootTarrowindResourceInstallPath().c_str());
    printf("GetUserTarrowindInstallPath=%s\n", Service::GetUserTarrowindInstallPath().c_str());
    printf("GetUserTarrowindAppInstallPath=%s\n",
           Service::GetUserTarrowindAppInstallPath().c_str());
    printf("GetUserTarrowindDataInstallPath=%s\n",
           Service::GetUserTarrowindDataInstallPath().c_str());
    printf("per_user_install_path=%s\n", service.GetPerUserInstallPath().c_str());
    printf("timeout=%d\n", service.GetTimeout());
    return 0;
}

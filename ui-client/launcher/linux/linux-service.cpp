#include "linux/linux-service.h"

LinuxService::LinuxService() {
    timeout = 10000;
    per_user_install_path = GetUserTarrowindAppInstallPath();
}

LinuxService::~LinuxService() {}

LinuxService &LinuxService::GetInstace() {
    static LinuxService instance;
    return instance;
}

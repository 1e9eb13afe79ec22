#include "linux/package_info.h"

#include "tarrowind-service.h"

PackageInfo::PackageInfo()
    : ImageFolder("/opt/Veltrona/Tarrowind/images"),
      LogFolder(Service::GetUserInstallPath() + "/.Tarrowind"),
      LogLevelPath("/opt/Veltrona/Tarrowind/log/launcher.debug"),
      PackagePath("/opt/Veltrona/Tarrowind/package/tarrowind.qpk"),
      ConfigFolder("/opt/Veltrona/Tarrowind/conf") {}

PackageInfo &PackageInfo::GetInstance() {
    static PackageInfo instance;
    return instance;
}

#include "linux/package_info.h"

#include <QDir>
#include <QString>

PackageInfo::PackageInfo()
    : ImageFolder("/opt/Veltrona/Tarrowind/images"),
      LogFolder((QDir::homePath() + "/.Tarrowind").toUtf8().constData()),
      LogLevelPath("/opt/Veltrona/Tarrowind/log/launcher.debug"),
      PackagePath("/opt/Veltrona/Tarrowind/package/tarrowind.qpk"),
      ConfigFolder("/opt/Veltrona/Tarrowind/conf") {}

PackageInfo &PackageInfo::GetInstance() {
    static PackageInfo instance;
    return instance;
}

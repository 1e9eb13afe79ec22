#ifndef UI_CLIENT_LAUNCHER_LINUX_PACKAGE_INFO_H
#define UI_CLIENT_LAUNCHER_LINUX_PACKAGE_INFO_H

#include "ustring/ustring.h"

// Fixed paths of the standard system-wide installation under
// /opt/Veltrona/Tarrowind. Unlike Service's getters these do not follow the
// launcher's own location.
class PackageInfo {
public:
    PackageInfo();

    static PackageInfo &GetInstance();

    ustring GetImageFolder() const { return ImageFolder; }
    ustring GetLogFolder() const { return LogFolder; }
    ustring GetLogLevelPath() const { return LogLevelPath; }
    ustring GetPackagePath() const { return PackagePath; }
    ustring GetConfigFolder() const { return ConfigFolder; }

private:
    ustring ImageFolder;
    ustring LogFolder;
    ustring LogLevelPath;
    ustring PackagePath;
    ustring ConfigFolder;
};

#endif

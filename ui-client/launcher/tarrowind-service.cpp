#include "tarrowind-service.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>

namespace {

ustring FromQString(const QString &s) { return ustring(s.toUtf8().constData()); }

}  // namespace

// `timeout` stays unset here; LinuxService gives it its value.
Service::Service() {}

Service::~Service() {}

void Service::SetTimeout(int t) { timeout = t; }

ustring Service::GetUserInstallPath() { return FromQString(QDir::homePath()); }

ustring Service::GetRootTarrowindInstallPath() {
    return FromQString(QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" + ".."));
}

ustring Service::GetRootTarrowindResourceInstallPath() {
    return GetRootTarrowindInstallPath() + "";
}

ustring Service::GetUserTarrowindInstallPath() {
    return GetUserInstallPath() + "/" + ".TarrowindBackup";
}

ustring Service::GetUserTarrowindAppInstallPath() {
    return GetUserTarrowindInstallPath() + "/" + "Tarrowind.app";
}

ustring Service::GetUserTarrowindDataInstallPath() {
    return GetUserTarrowindInstallPath() + "/" + "data";
}

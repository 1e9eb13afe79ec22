#include "tarrowind-service.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QString>

#include "extractor.h"
#include "file/file-op.h"
#include "log.h"

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

namespace {

const char kComponent[] = "service_debug";

// "<app_dir>_tmp" for tries 0, "<app_dir>_tmp<tries>" after that.
ustring GetAppBackupDir(const ustring &app_dir, int tries) {
    ustring base = app_dir + "_tmp";
    if (tries == 0) return base;
    char tries_str[8];
    if (snprintf(tries_str, sizeof tries_str, "%d", tries) < 0) {
        Logger::LogMsg(
            Logger::L_ERR, kComponent,
            "[ERROR] tarrowind-service(%d): snprintf failed (continuing without postfix)",
            __LINE__);
        tries_str[0] = '\0';
    }
    return base + tries_str;
}

// Reads the "Version" section of the INI file at `path` into `info`; keys
// that are absent leave their member unchanged.
void ReadVersionFile(const ustring &path, Service::VersionInfo &info) {
    QSettings settings(QString::fromUtf8(path.c_str()), QSettings::IniFormat);
    settings.beginGroup("Version");
    const struct {
        const char *key;
        ustring Service::VersionInfo::*member;
    } fields[] = {
        {"major_version", &Service::VersionInfo::major_version},
        {"minor_version", &Service::VersionInfo::minor_version},
        {"build_version", &Service::VersionInfo::build_version},
        {"icon_overlay_version", &Service::VersionInfo::icon_overlay_version},
    };
    for (const auto &f : fields) {
        if (settings.contains(f.key))
            info.*f.member = FromQString(settings.value(f.key).toString());
    }
    settings.endGroup();
}

// "<app_dir>.incomplete": exists exactly while the application directory may
// hold a partial copy, so that an upgrade interrupted at any moment (logout,
// power loss, a killed process) is redone by the next run.
ustring IncompleteMarker(const ustring &app_dir) { return app_dir + ".incomplete"; }

// Flushes a directory's entries (renames, creations, removals) to disk.
int SyncDirectory(const ustring &dir) {
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    const int rc = fsync(fd);
    close(fd);
    return rc;
}

// Flushes everything written to the file system that holds `path`.
int SyncFileSystem(const ustring &path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    const int rc = syncfs(fd);
    close(fd);
    return rc;
}

// Creates the marker and makes it durable. Returns 0 / -1.
int CreateMarker(const ustring &marker) {
    const int fd = open(marker.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return -1;
    const int rc = fsync(fd);
    close(fd);
    if (rc != 0) return -1;
    return SyncDirectory(FSParentPath(marker));
}

// Removes the marker and makes the removal durable.
void RemoveMarker(const ustring &marker) {
    FSRemove(marker, false);
    SyncDirectory(FSParentPath(marker));
}

}  // namespace

bool Service::IsAppIncomplete() const {
    return IsFileExist(IncompleteMarker(per_user_install_path), false);
}

void Service::RemoveLeftoverBackups() {
    for (int i = 0; i < MAX_RENAME_COUNT; ++i) {
        const ustring backup = GetAppBackupDir(per_user_install_path, i);
        if (!IsFileExist(backup, false)) continue;
        Logger::LogMsg(Logger::L_INFO, kComponent,
                       "[INFO] tarrowind-service(%d): removing backup '%s' left by an interrupted "
                       "upgrade\n",
                       __LINE__, backup.c_str());
        FSRemove(backup, false);
    }
}

void Service::LoadSourceVersion() {
    ustring path = GetUserTarrowindAppInstallPath() + "" + "/" + "INFO";
    if (!IsFileExist(path, false)) {
        Logger::LogMsg(Logger::L_INFO, kComponent,
                       "[INFO] tarrowind-service(%d): source does not exist\n", __LINE__);
        return;
    }
    ReadVersionFile(path, source_version);
    Logger::LogMsg(Logger::L_INFO, kComponent,
                   "[INFO] tarrowind-service(%d): source_version = (%s, %s, %s, %s)\n", __LINE__,
                   source_version.major_version.c_str(), source_version.minor_version.c_str(),
                   source_version.build_version.c_str(),
                   source_version.icon_overlay_version.c_str());
}

void Service::LoadTargetVersion() {
    // A missing system-wide file reads as a file without keys.
    ReadVersionFile(GetRootTarrowindResourceInstallPath() + "/" + "INFO", target_version);
    Logger::LogMsg(Logger::L_INFO, kComponent,
                   "[INFO] tarrowind-service(%d): target_version = (%s, %s, %s, %s)\n", __LINE__,
                   target_version.major_version.c_str(), target_version.minor_version.c_str(),
                   target_version.build_version.c_str(),
                   target_version.icon_overlay_version.c_str());
}

int Service::PrepareUserEnv() {
    int rename_count = 0;
    const ustring app_dir = per_user_install_path;
    const ustring marker = IncompleteMarker(app_dir);
    ustring backup_dir;

    // A copy that carries no marker was complete before this upgrade began;
    // only such a copy may lose the marker again when it is put back.
    const bool was_complete = IsFileExist(app_dir, false) && !IsFileExist(marker, false);
    if (FSMKDir(FSParentPath(app_dir), true) < 0 || CreateMarker(marker) != 0) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] tarrowind-service(%d): failed to create '%s': %s\n", __LINE__,
                       marker.c_str(), strerror(errno));
        return -1;
    }

    if (IsFileExist(app_dir, false)) {
        for (;;) {
            backup_dir = GetAppBackupDir(app_dir, rename_count);
            if (FSRename(app_dir, backup_dir, false) == 0) break;
            Logger::LogMsg(
                Logger::L_ERR, kComponent,
                "[ERROR] tarrowind-service(%d): failed to backup app from '%s' -> '%s'\n", __LINE__,
                app_dir.c_str(), backup_dir.c_str());
            ++rename_count;
            if (rename_count >= MAX_RENAME_COUNT) {
                Logger::LogMsg(Logger::L_ERR, kComponent,
                               "[ERROR] tarrowind-service(%d): failed to backup app from '%s' -> "
                               "'%s' at max retries, exiting\n",
                               __LINE__, app_dir.c_str(), backup_dir.c_str());
                if (was_complete) RemoveMarker(marker);
                return -1;
            }
        }
        SyncDirectory(FSParentPath(app_dir));
    }

    // The new copy must be on disk before the old one may be deleted.
    int rc = ExtractPackage();
    if (rc == 0 && (SyncFileSystem(app_dir) != 0 || SyncDirectory(FSParentPath(app_dir)) != 0)) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] tarrowind-service(%d): failed to flush '%s' to disk: %s\n",
                       __LINE__, app_dir.c_str(), strerror(errno));
        rc = -1;
    }
    if (rc != 0) {
        if (backup_dir.empty()) {
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] tarrowind-service(%d): Failed to extract package, and no old "
                           "installation to rollback\n",
                           __LINE__);
        } else {
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] tarrowind-service(%d): Failed to extract package, rollback to "
                           "old installation\n",
                           __LINE__);
            FSRemove(app_dir, false);
            if (FSRename(backup_dir, app_dir, false) == 0 &&
                SyncDirectory(FSParentPath(app_dir)) == 0 && was_complete)
                RemoveMarker(marker);
        }
        return -1;
    }

    RemoveMarker(marker);
    Logger::LogMsg(
        Logger::L_INFO, kComponent,
        "[INFO] tarrowind-service(%d): user installation is ready, removing backup app\n",
        __LINE__);
    // Also removes lower-numbered names whose rename failed: leftovers of an
    // earlier run that stopped before its clean-up.
    for (int i = 0; i <= rename_count; ++i) FSRemove(GetAppBackupDir(app_dir, i), false);
    return 0;
}

int Service::ExtractPackage() {
    const ustring source = GetRootTarrowindResourceInstallPath() + "/package/tarrowind.qpk";
    const ustring target = GetUserTarrowindAppInstallPath();
    if (FSMKDir(target, true) < 0) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] tarrowind-service(%d): failed to create folder: '%s'\n", __LINE__,
                       target.c_str());
        return -1;
    }
    Logger::LogMsg(Logger::L_INFO, kComponent,
                   "[INFO] tarrowind-service(%d): extract package: '%s' -> '%s'\n", __LINE__,
                   source.c_str(), target.c_str());
    Extractor extractor;
    extractor.SetSource(source);
    extractor.SetTarget(target);
    return extractor.Extract();
}

void Service::RemoveAgedFolders() {
    const ustring aged_app_dir = GetUserTarrowindInstallPath() + "/app";
    Logger::LogMsg(Logger::L_INFO, kComponent,
                   "[INFO] tarrowind-service(%d): removing aged app folder %s\n", __LINE__,
                   aged_app_dir.c_str());
    FSRemove(aged_app_dir, false);
}

int Service::FSCopyPath(const ustring &src, const ustring &dest) {
    Logger::LogMsg(Logger::L_DEBUG, kComponent,
                   "[DEBUG] tarrowind-service(%d): copy from '%s' to '%s'\n", __LINE__, src.c_str(),
                   dest.c_str());
    FILE_INFO info;
    if (FSStat(src, info, false) < 0) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] tarrowind-service(%d): FSCopyPath: failed to stat source '%s'\n",
                       __LINE__, src.c_str());
        return -1;
    }
    if (!info.isExist) {
        Logger::LogMsg(
            Logger::L_ERR, kComponent,
            "[ERROR] tarrowind-service(%d): FSCopyPath: source path '%s' does not exist\n",
            __LINE__, src.c_str());
        return -1;
    }
    if (info.type != FT_DIR) return FSCopy(src, dest, false) == 0 ? 0 : -1;

    if (FSMKDir(dest, true) < 0) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] tarrowind-service(%d): FSCopyPath: failed to create dest folder "
                       "'%s'\n",
                       __LINE__, dest.c_str());
        return -1;
    }
    DIR_HANDLE dh;
    if (FSOpenDir(src, 0, dh) < 0) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] tarrowind-service(%d): FSCopyPath: failed to create handle  for "
                       "src '%s' failed\n",
                       __LINE__, src.c_str());
        return 0;
    }
    int result = -1;
    DIR_ENTRY entry;
    for (;;) {
        if (FSReadDir(dh, entry) <= 0) {
            result = 0;
            break;
        }
        if (entry.name == ustring(".") || entry.name == ustring("..")) continue;
        const ustring child_src = src + "/" + entry.name;
        const ustring child_dest = dest + "/" + entry.name;
        const int child = entry.type == FT_DIR ? FSCopyPath(child_src, child_dest)
                                               : FSCopy(child_src, child_dest, false);
        if (child < 0) {
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] tarrowind-service(%d): FSCopyPath: failed to copy from '%s' to "
                           "'%s'\n",
                           __LINE__, child_src.c_str(), child_dest.c_str());
            break;
        }
    }
    FSCloseDir(dh);
    return result;
}

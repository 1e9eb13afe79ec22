#include "tarrowind-service.h"

#include <errno.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QString>

#include "file/durable.h"
#include "file/file-op.h"
#include "log.h"
#include "upgrade/recovery.h"
#include "upgrade/version_file.h"

namespace {

ustring FromQString(const QString &s) { return ustring(s.toUtf8().constData()); }

// `path` with repeated and trailing slashes, "." and resolvable ".." parts
// taken out, as QDir::cleanPath does, but on bytes: a home directory whose
// name is not valid UTF-8 keeps its exact name.
ustring CleanPath(const std::string &path) {
    const bool absolute = !path.empty() && path[0] == '/';
    std::vector<std::string> parts;
    for (size_t at = 0; at <= path.size();) {
        size_t slash = path.find('/', at);
        if (slash == std::string::npos) slash = path.size();
        const std::string part = path.substr(at, slash - at);
        at = slash + 1;
        if (part.empty() || part == ".") continue;
        if (part == ".." && !parts.empty() && parts.back() != "..") {
            parts.pop_back();
        } else if (part != ".." || !absolute) {
            parts.push_back(part);
        }
    }
    std::string clean = absolute ? "/" : "";
    for (size_t i = 0; i < parts.size(); ++i) clean += (i ? "/" : "") + parts[i];
    return ustring(clean.empty() ? "." : clean.c_str());
}

}  // namespace

// `timeout` stays unset here; LinuxService gives it its value.
Service::Service(const Setup &setup)
    : root(setup.root.empty() ? GetRootTarrowindInstallPath() : setup.root),
      reader(setup.reader.empty() ? GetPackageReaderPath() : setup.reader) {}

Service::~Service() {}

void Service::SetTimeout(int t) { timeout = t; }

ustring Service::GetUserInstallPath() {
    const char *home = getenv("HOME");
    return CleanPath(home && *home ? home : "/");
}

ustring Service::GetRootTarrowindInstallPath() {
    return FromQString(QDir::cleanPath(QCoreApplication::applicationDirPath() + "/" + ".."));
}

ustring Service::GetRootTarrowindResourceInstallPath() {
    return GetRootTarrowindInstallPath() + "";
}

namespace {

// The program `name` in bin/ of the installation that holds the running
// program, found by the program's own bytes; empty when they cannot be read.
ustring InstalledProgram(const char *name) {
    char exe[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) return ustring();
    const std::string program(exe, static_cast<size_t>(n));
    const std::string dir = program.substr(0, program.rfind('/'));
    const std::string root = dir.substr(0, dir.rfind('/'));
    return ustring((root + "/bin/" + name).c_str());
}

}  // namespace

ustring Service::GetPackageReaderPath() { return InstalledProgram("tarrowind-package-reader"); }

ustring Service::GetNotifierPath() { return InstalledProgram("tarrowind-notifier"); }

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

void LogMarkerFailure(int line, const ustring &app_dir, int error) {
    Logger::LogMsg(Logger::L_ERR, kComponent,
                   "[ERROR] tarrowind-service(%d): failed to create '%s': %s\n", line,
                   IncompleteMarker(app_dir).c_str(), strerror(error));
}

// One try of moving `app_dir` to `backup`. A complete A must go to a free
// name (a name still taken after the clean-up holds what this user cannot
// remove, and the marker must never name it), recorded in the marker first;
// a partial one goes to the first name that takes it. 0; -1 with errno when
// the name did not take it; -2 (logged) when the marker could not be written.
int TryBackupName(const ustring &app_dir, const ustring &backup, RecoveryPlan::Aside how) {
    if (how == RecoveryPlan::Aside::kUnrecorded)
        return FSRename(app_dir, backup, false) == 0 ? 0 : -1;
    if (IsFileExist(backup, false)) {
        errno = EEXIST;
        return -1;
    }
    Marker marker;
    marker.state = Marker::kRecorded;
    marker.backup = backup;
    if (WriteMarker(app_dir, marker) != 0) {
        LogMarkerFailure(__LINE__, app_dir, errno);
        return -2;
    }
    return FSRename(app_dir, backup, false) == 0 ? 0 : -1;
}

// Moves `app_dir` as `how` says to the first backup name that takes it,
// logging every name that did not, and returns that name. After the last
// name fails, A stays where it is, and a marker written here goes again.
std::optional<ustring> MoveAppAside(const ustring &app_dir, RecoveryPlan::Aside how) {
    ustring backup;
    for (int n = 0; n < kBackupNames; ++n) {
        backup = GetAppBackupDir(app_dir, n);
        const int rc = TryBackupName(app_dir, backup, how);
        if (rc == 0) {
            FSSyncDirectory(FSParentPath(app_dir));
            return backup;
        }
        if (rc == -2) return std::nullopt;
        Logger::LogMsg(
            Logger::L_ERR, kComponent,
            "[ERROR] tarrowind-service(%d): failed to backup app from '%s' -> '%s': %s\n", __LINE__,
            app_dir.c_str(), backup.c_str(), strerror(errno));
    }
    Logger::LogMsg(Logger::L_ERR, kComponent,
                   "[ERROR] tarrowind-service(%d): failed to backup app from '%s' -> "
                   "'%s' at max retries, exiting\n",
                   __LINE__, app_dir.c_str(), backup.c_str());
    if (how == RecoveryPlan::Aside::kRecorded) RemoveMarker(app_dir);
    return std::nullopt;
}

}  // namespace

bool Service::IsAppIncomplete() const { return HasMarker(per_user_install_path); }

PackagePlace Service::Place() const {
    PackagePlace place;
    place.package = root + "/package/tarrowind.qpk";
    place.user = GetUserTarrowindInstallPath();
    place.home = GetUserInstallPath();
    place.build = target_version.build_version;
    place.reader = reader;
    return place;
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
    ReadVersionFile(root + "/" + "INFO", target_version);
    Logger::LogMsg(Logger::L_INFO, kComponent,
                   "[INFO] tarrowind-service(%d): target_version = (%s, %s, %s, %s)\n", __LINE__,
                   target_version.major_version.c_str(), target_version.minor_version.c_str(),
                   target_version.build_version.c_str(),
                   target_version.icon_overlay_version.c_str());
}

FailureCause Service::PrepareUserEnv(const PackageVerdict &verdict) {
    const ustring &app_dir = per_user_install_path;
    if (FSMKDir(FSParentPath(app_dir), true) < 0) {
        LogMarkerFailure(__LINE__, app_dir, errno);
        return FailureCause::kDisk;
    }
    const std::optional<Rollback> rollback = BeginUpgrade(PlanRecovery(ReadTreeState(app_dir)));
    if (!rollback) return FailureCause::kDisk;
    const FailureCause cause = ExtractDurably(verdict);
    if (cause != FailureCause::kNone) return RollBack(*rollback, cause);
    RemoveMarker(app_dir);
    return FailureCause::kNone;
}

std::optional<Service::Rollback> Service::BeginUpgrade(const RecoveryPlan &plan) {
    const ustring &app_dir = per_user_install_path;
    // Debris went when the run recovered the tree; what is left of it
    // could not be removed.
    if (plan.clear_app && ClearAppDir(app_dir, plan.rollback) != 0) return std::nullopt;
    if (plan.mark.state != Marker::kAbsent && WriteMarker(app_dir, plan.mark) != 0) {
        LogMarkerFailure(__LINE__, app_dir, errno);
        return std::nullopt;
    }
    Rollback rollback;
    rollback.copy = plan.rollback;
    rollback.complete = plan.rollback_complete;
    if (plan.aside == RecoveryPlan::Aside::kNone) return rollback;
    const std::optional<ustring> backup = MoveAppAside(app_dir, plan.aside);
    if (!backup) return std::nullopt;
    rollback.copy = *backup;
    rollback.complete = plan.aside == RecoveryPlan::Aside::kRecorded;
    return rollback;
}

FailureCause Service::ExtractDurably(const PackageVerdict &verdict) {
    const ustring &app_dir = per_user_install_path;
    const FailureCause cause = ExtractPackage(verdict);
    if (cause != FailureCause::kNone) return cause;
    // The new copy must be on disk before the old one may be deleted.
    if (FSSyncFileSystem(app_dir) != 0 || FSSyncDirectory(FSParentPath(app_dir)) != 0) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] tarrowind-service(%d): failed to flush '%s' to disk: %s\n",
                       __LINE__, app_dir.c_str(), strerror(errno));
        return FailureCause::kDisk;
    }
    return FailureCause::kNone;
}

void Service::RemoveReplacedCopies() {
    Logger::LogMsg(
        Logger::L_INFO, kComponent,
        "[INFO] tarrowind-service(%d): user installation is ready, removing backup app\n",
        __LINE__);
    // The new copy is complete: every backup name, also those of earlier
    // runs that stopped before their clean-up, holds debris.
    RemoveBackupNames(ExistingBackups(per_user_install_path));
}

FailureCause Service::RollBack(const Rollback &rollback, FailureCause cause) {
    const ustring &app_dir = per_user_install_path;
    if (rollback.copy.empty()) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] tarrowind-service(%d): Failed to extract package, and no old "
                       "installation to rollback\n",
                       __LINE__);
        return cause;
    }
    Logger::LogMsg(Logger::L_ERR, kComponent,
                   "[ERROR] tarrowind-service(%d): Failed to extract package, rollback to "
                   "old installation\n",
                   __LINE__);
    // When the copy cannot be put back, the marker stays and records where
    // it is, so the next run still finds it.
    if (ClearAppDir(app_dir, rollback.copy) != 0) return cause;
    if (FSRename(rollback.copy, app_dir, false) != 0) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] tarrowind-service(%d): failed to restore '%s' -> '%s': %s\n",
                       __LINE__, rollback.copy.c_str(), app_dir.c_str(), strerror(errno));
        return cause;
    }
    if (FSSyncDirectory(FSParentPath(app_dir)) == 0 && rollback.complete) RemoveMarker(app_dir);
    return cause;
}

FailureCause Service::ExtractPackage(const PackageVerdict &verdict) {
    const ustring source = verdict.file ? verdict.file->path : Place().package;
    const ustring target = GetUserTarrowindAppInstallPath();
    if (FSMKDir(target, true) < 0) {
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] tarrowind-service(%d): failed to create folder: '%s'\n", __LINE__,
                       target.c_str());
        return FailureCause::kDisk;
    }
    Logger::LogMsg(Logger::L_INFO, kComponent,
                   "[INFO] tarrowind-service(%d): extract package: '%s' -> '%s'\n", __LINE__,
                   source.c_str(), target.c_str());
    Extractor extractor;
    extractor.SetSource(source);
    extractor.SetTarget(target);
    if (verdict.file) extractor.SetSourceFile(verdict.file->fd.get());
    return extractor.Extract(verdict.scan.entries > 0 ? &verdict.scan : nullptr);
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

#include "tarrowind-service.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QString>

#include "extractor.h"
#include "file/file-op.h"
#include "file/scoped.h"
#include "log.h"

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
Service::Service() {}

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

// FSReadSmallFile, with a NOTE when `path` names something other than a
// regular file, which then counts as absent.
int ReadSmallFileLogged(const ustring &path, size_t limit, std::string &text, bool follow_link) {
    const int rc = FSReadSmallFile(path, limit, text, follow_link);
    if (rc == -2) {
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] tarrowind-service(%d): '%s' is not a regular file, treating it as "
                       "absent\n",
                       __LINE__, path.c_str());
    }
    return rc;
}

// The most of a version file that is read: it holds a few short lines.
const size_t kMaxVersionFileBytes = 64 * 1024;

std::string Trimmed(const std::string &s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// A value of an INI line as the toolkit's INI reader gives a plain value:
// trimmed, without its double quotes, and ending at a ";" comment outside
// them.
std::string IniValue(const std::string &raw) {
    std::string value;
    bool quoted = false;
    for (const char c : raw) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ';' && !quoted) {
            break;
        } else {
            value += c;
        }
    }
    return raw.find('"') == std::string::npos ? Trimmed(value) : value;
}

// Reads the "Version" section of the INI file at `path` into `info`; keys
// that are absent leave their member unchanged. The file is read by its
// bytes, never through text, so a home directory whose name is not UTF-8 is
// read where it is; only a regular file is read, and only its first 64 KiB.
void ReadVersionFile(const ustring &path, Service::VersionInfo &info) {
    std::string text;
    if (ReadSmallFileLogged(path, kMaxVersionFileBytes, text, true) != 0) return;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    const struct {
        const char *key;
        ustring Service::VersionInfo::*member;
    } fields[] = {
        {"major_version", &Service::VersionInfo::major_version},
        {"minor_version", &Service::VersionInfo::minor_version},
        {"build_version", &Service::VersionInfo::build_version},
        {"icon_overlay_version", &Service::VersionInfo::icon_overlay_version},
    };
    bool in_section = false;
    for (size_t at = 0; at < text.size();) {
        size_t eol = text.find_first_of("\r\n", at);
        if (eol == std::string::npos) eol = text.size();
        const std::string line = Trimmed(text.substr(at, eol - at));
        at = eol + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line[0] == '[') {
            in_section = line == "[Version]";
            continue;
        }
        const size_t eq = line.find('=');
        if (!in_section || eq == std::string::npos) continue;
        const std::string key = Trimmed(line.substr(0, eq));
        for (const auto &f : fields)
            if (key == f.key) info.*f.member = ustring(IniValue(line.substr(eq + 1)).c_str());
    }
}

// "<app_dir>.incomplete": exists exactly while the application directory may
// hold a partial copy, so that an upgrade interrupted at any moment (logout,
// power loss, a killed process) is redone by the next run. It records where
// the last complete copy is, in one line "backup=<name>": the backup of that
// name if it exists, else the application directory; "backup=" when there is
// no complete copy at all (a first installation).
ustring IncompleteMarker(const ustring &app_dir) { return app_dir + ".incomplete"; }

enum class MarkerState {
    kAbsent,   // no upgrade under way: the application directory is complete
    kNone,     // a first installation under way: no complete copy exists
    kBackup,   // the complete copy is the recorded backup, or else A
    kUnknown,  // no record (an older launcher's marker): any backup may hold it
};

// Reads the marker of `app_dir`; with kBackup, `backup` is the recorded
// backup's path. Anything but a regular file at the marker's name counts as
// no marker and is removed (a link goes, never what it points to).
MarkerState ReadMarker(const ustring &app_dir, ustring &backup) {
    const ustring marker = IncompleteMarker(app_dir);
    std::string text;
    const int rc = ReadSmallFileLogged(marker, 256, text, false);
    if (rc == -1 && errno == ENOENT) return MarkerState::kAbsent;
    if (rc == -2) {
        FSRemove(marker, false);
        return MarkerState::kAbsent;
    }
    if (rc != 0) return MarkerState::kUnknown;
    if (text == "backup=\n") return MarkerState::kNone;
    for (int i = 0; i < Service::MAX_RENAME_COUNT; ++i) {
        backup = GetAppBackupDir(app_dir, i);
        if (text == "backup=" + std::string(FSBaseName(backup).c_str()) + "\n")
            return MarkerState::kBackup;
    }
    return MarkerState::kUnknown;
}

// Flushes a directory's entries (renames, creations, removals) to disk.
int SyncDirectory(const ustring &dir) {
    ScopedFd fd(open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.valid() ? fd.Sync() : -1;
}

// Flushes everything written to the file system that holds `path`.
int SyncFileSystem(const ustring &path) {
    ScopedFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    return fd.valid() ? syncfs(fd.get()) : -1;
}

// Writes `text` to `path` as a new file and makes it durable. Whatever stood
// at the name (a link, a FIFO, a file with other names) is removed first,
// never written through. Returns 0 / -1 with errno.
int ReplaceFile(const ustring &path, const std::string &text) {
    if (FSRemove(path, false) != 0) return -1;
    ScopedFd fd(open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (!fd.valid()) return -1;
    if (write(fd.get(), text.data(), text.size()) != static_cast<ssize_t>(text.size()) ||
        fd.Sync() != 0 || fd.Close() != 0)
        return -1;
    return SyncDirectory(FSParentPath(path));
}

// Writes the marker of `app_dir` anew, recording `backup` (empty: no complete
// copy). REQUIRES: the application directory, if any, is complete, since the
// marker is briefly absent. Returns 0 / -1 with errno.
int WriteMarker(const ustring &app_dir, const ustring &backup) {
    return ReplaceFile(
        IncompleteMarker(app_dir),
        "backup=" + std::string(backup.empty() ? "" : FSBaseName(backup).c_str()) + "\n");
}

// Removes the marker and makes the removal durable.
void RemoveMarker(const ustring &app_dir) {
    const ustring marker = IncompleteMarker(app_dir);
    FSRemove(marker, false);
    SyncDirectory(FSParentPath(marker));
}

// Removes `path`, a copy of thousands of files, with a thread per core (at
// most four: unlinking is bound by the file system, not the processor); a
// failure is logged with the reason. Returns FSRemove's result.
int RemoveLogged(const ustring &path) {
    const unsigned threads = std::min(4u, std::max(1u, std::thread::hardware_concurrency()));
    const int rc = FSRemoveParallel(path, threads);
    if (rc != 0) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] tarrowind-service(%d): failed to remove '%s': %s\n", __LINE__,
                       path.c_str(), strerror(errno));
    }
    return rc;
}

// Removes every backup name of `app_dir` but `keep`, with an INFO line for
// each when `announce` is set.
void RemoveBackups(const ustring &app_dir, const ustring &keep, bool announce) {
    for (int i = 0; i < Service::MAX_RENAME_COUNT; ++i) {
        const ustring backup = GetAppBackupDir(app_dir, i);
        if (backup == keep || !IsFileExist(backup, false)) continue;
        if (announce) {
            Logger::LogMsg(Logger::L_INFO, kComponent,
                           "[INFO] tarrowind-service(%d): removing backup '%s' left by an "
                           "interrupted upgrade\n",
                           __LINE__, backup.c_str());
        }
        RemoveLogged(backup);
    }
}

// Clears `app_dir` of a copy that is of no further use. What cannot be
// removed (files of another user) is moved to a free backup name other than
// `keep`, which a later run removes. Returns 0 when `app_dir` is gone, -1
// (logged) when it is still there.
int ClearAppDir(const ustring &app_dir, const ustring &keep) {
    if (RemoveLogged(app_dir) == 0) return 0;
    for (int i = 0; i < Service::MAX_RENAME_COUNT; ++i) {
        const ustring aside = GetAppBackupDir(app_dir, i);
        if (aside == keep || IsFileExist(aside, false)) continue;
        if (FSRename(app_dir, aside, false) == 0) return 0;
    }
    Logger::LogMsg(Logger::L_ERR, kComponent,
                   "[ERROR] tarrowind-service(%d): failed to move '%s' out of the way: %s\n",
                   __LINE__, app_dir.c_str(), strerror(errno));
    return -1;
}

ustring PackagePath() {
    return Service::GetRootTarrowindResourceInstallPath() + "/package/tarrowind.qpk";
}

// Where a package that failed on its own is remembered, so that it is not
// tried again at every login until it changes.
ustring FailedPackageRecord() {
    return Service::GetUserTarrowindInstallPath() + "/.failed-package";
}

// One line that changes whenever the package does: its file's identity and
// times, and the build that the system's version file announces.
std::string PackageIdentity(const struct stat64 &st, const ustring &build) {
    char text[256];
    snprintf(text, sizeof text, "dev=%llu ino=%llu size=%lld mtime=%lld.%09ld ctime=%lld.%09ld",
             static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino),
             static_cast<long long>(st.st_size), static_cast<long long>(st.st_mtim.tv_sec),
             st.st_mtim.tv_nsec, static_cast<long long>(st.st_ctim.tv_sec), st.st_ctim.tv_nsec);
    return std::string(text) + " build=" + build.c_str() + "\n";
}

// The identity of the package now; empty when it cannot be read.
std::string CurrentPackageIdentity(const ustring &build) {
    struct stat64 st;
    if (stat64(PackagePath().c_str(), &st) != 0) return std::string();
    return PackageIdentity(st, build);
}

void RememberFailedPackage(const ustring &build) {
    const std::string identity = CurrentPackageIdentity(build);
    if (!identity.empty()) ReplaceFile(FailedPackageRecord(), identity);
}

// Room kept free beyond the new copy, so that the user's other programs can
// still save what they are writing while the old copy waits as a backup: 1 %
// of the file system, at least 32 MiB, at most 1 GiB.
unsigned long long ReserveFor(unsigned long long file_system_bytes) {
    const unsigned long long kMiB = 1024 * 1024;
    return std::max(32 * kMiB, std::min(file_system_bytes / 100, 1024 * kMiB));
}

void LogMarkerFailure(int line, const ustring &app_dir) {
    Logger::LogMsg(Logger::L_ERR, kComponent,
                   "[ERROR] tarrowind-service(%d): failed to create '%s': %s\n", line,
                   IncompleteMarker(app_dir).c_str(), strerror(errno));
}

}  // namespace

bool Service::IsAppIncomplete() const {
    ustring backup;
    return ReadMarker(per_user_install_path, backup) != MarkerState::kAbsent;
}

void Service::RemoveLeftoverBackups() { RemoveBackups(per_user_install_path, ustring(), true); }

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
    ustring backup_dir;
    // Whether the copy that a failure puts back is known to be complete; the
    // marker then goes with it.
    bool restores_complete_copy = true;
    // Whether the backup name is recorded in the marker before the rename.
    bool record_backup = true;

    if (FSMKDir(FSParentPath(app_dir), true) < 0) {
        LogMarkerFailure(__LINE__, app_dir);
        return -1;
    }
    ustring recorded;
    const MarkerState state = ReadMarker(app_dir, recorded);
    if (state == MarkerState::kBackup && IsFileExist(recorded, false)) {
        // An earlier upgrade stopped after the complete copy was moved aside:
        // the application directory holds at most a partial copy.
        if (ClearAppDir(app_dir, recorded) != 0) return -1;
        RemoveBackups(app_dir, recorded, true);
        backup_dir = recorded;
    } else if (state == MarkerState::kUnknown) {
        // Any backup may hold the complete copy, and the application
        // directory may be partial: keep them all.
        restores_complete_copy = false;
        record_backup = false;
    } else {
        // Only the application directory can hold a complete copy, so the
        // backups are of no further use; free their names first.
        if (state == MarkerState::kNone && ClearAppDir(app_dir, ustring()) != 0) return -1;
        RemoveBackups(app_dir, ustring(), true);
        if (!IsFileExist(app_dir, false) && WriteMarker(app_dir, ustring()) != 0) {
            LogMarkerFailure(__LINE__, app_dir);
            return -1;
        }
    }

    if (backup_dir.empty() && IsFileExist(app_dir, false)) {
        for (;;) {
            backup_dir = GetAppBackupDir(app_dir, rename_count);
            // A name still taken after the clean-up holds what this user
            // cannot remove; the marker must never name it.
            if (record_backup && IsFileExist(backup_dir, false)) {
                errno = EEXIST;
            } else {
                if (record_backup && WriteMarker(app_dir, backup_dir) != 0) {
                    LogMarkerFailure(__LINE__, app_dir);
                    return -1;
                }
                if (FSRename(app_dir, backup_dir, false) == 0) break;
            }
            Logger::LogMsg(
                Logger::L_ERR, kComponent,
                "[ERROR] tarrowind-service(%d): failed to backup app from '%s' -> '%s': %s\n",
                __LINE__, app_dir.c_str(), backup_dir.c_str(), strerror(errno));
            ++rename_count;
            if (rename_count >= MAX_RENAME_COUNT) {
                Logger::LogMsg(Logger::L_ERR, kComponent,
                               "[ERROR] tarrowind-service(%d): failed to backup app from '%s' -> "
                               "'%s' at max retries, exiting\n",
                               __LINE__, app_dir.c_str(), backup_dir.c_str());
                if (record_backup) RemoveMarker(app_dir);
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
        // A package that failed on its own fails the same way at the next
        // login: it waits until it changes.
        if (package_at_fault) RememberFailedPackage(target_version.build_version);
        if (backup_dir.empty()) {
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] tarrowind-service(%d): Failed to extract package, and no old "
                           "installation to rollback\n",
                           __LINE__);
            return -1;
        }
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] tarrowind-service(%d): Failed to extract package, rollback to "
                       "old installation\n",
                       __LINE__);
        // When the copy cannot be put back, the marker stays and records
        // where it is, so the next run still finds it.
        if (ClearAppDir(app_dir, backup_dir) != 0) return -1;
        if (FSRename(backup_dir, app_dir, false) != 0) {
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] tarrowind-service(%d): failed to restore '%s' -> '%s': %s\n",
                           __LINE__, backup_dir.c_str(), app_dir.c_str(), strerror(errno));
            return -1;
        }
        if (SyncDirectory(FSParentPath(app_dir)) == 0 && restores_complete_copy)
            RemoveMarker(app_dir);
        return -1;
    }

    RemoveMarker(app_dir);
    Logger::LogMsg(
        Logger::L_INFO, kComponent,
        "[INFO] tarrowind-service(%d): user installation is ready, removing backup app\n",
        __LINE__);
    // The new copy is complete: every backup name, also those of earlier
    // runs that stopped before their clean-up, holds debris.
    RemoveBackups(app_dir, ustring(), false);
    CheckInstalledBuild();
    return 0;
}

bool Service::IsPackageWorthInstalling() {
    const ustring package = PackagePath();
    struct stat64 st;
    const ScopedFd fd(open64(package.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    const char *why = nullptr;
    if (!fd.valid()) {
        why = strerror(errno);
    } else if (fstat64(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        why = "not a regular file";
    }
    if (why) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] tarrowind-service(%d): package '%s' cannot be installed: %s; "
                       "keeping the installed copy\n",
                       __LINE__, package.c_str(), why);
        return false;
    }
    const std::string identity = PackageIdentity(st, target_version.build_version);
    std::string recorded;
    if (FSReadSmallFile(FailedPackageRecord(), 4096, recorded, false) == 0 &&
        recorded == identity) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] tarrowind-service(%d): package '%s' failed to install before and "
                       "has not changed since; keeping the installed copy\n",
                       __LINE__, package.c_str());
        return false;
    }

    Extractor extractor;
    extractor.SetSource(package);
    extractor.SetTarget(per_user_install_path);
    const PackageScan scan = extractor.Scan();
    const int entries = scan.entries;
    if (entries <= 0) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] tarrowind-service(%d): package '%s' holds nothing to install; "
                       "keeping the installed copy\n",
                       __LINE__, package.c_str());
        ReplaceFile(FailedPackageRecord(), identity);
        return false;
    }

    // Measured where the copy goes: the per-user folder, or the home folder
    // before the first run has made it.
    ustring where = GetUserTarrowindInstallPath();
    struct statvfs64 fs;
    if (statvfs64(where.c_str(), &fs) != 0) {
        where = GetUserInstallPath();
        if (statvfs64(where.c_str(), &fs) != 0) fs.f_bavail = fs.f_blocks = fs.f_frsize = 0;
    }
    if (fs.f_frsize > 0) {
        const unsigned long long block = fs.f_frsize;
        const unsigned long long kKiB = 1024;
        // Every file takes at least a block of its own.
        const unsigned long long files = static_cast<unsigned long long>(scan.bytes) +
                                         static_cast<unsigned long long>(entries) * block;
        const unsigned long long reserve = ReserveFor(fs.f_blocks * block);
        const unsigned long long free = fs.f_bavail * block;
        if (files + reserve > free) {
            Logger::LogMsg(Logger::L_WARNING, kComponent,
                           "[WARNING] tarrowind-service(%d): package '%s' needs %llu KiB (%llu KiB "
                           "of files and %llu KiB to spare), but only %llu KiB are free in '%s'; "
                           "keeping the installed copy\n",
                           __LINE__, package.c_str(), (files + reserve) / kKiB, files / kKiB,
                           reserve / kKiB, free / kKiB, where.c_str());
            return false;
        }
    }
    package_scan = scan;
    return true;
}

void Service::CheckInstalledBuild() {
    if (target_version.build_version.empty()) return;
    VersionInfo installed;
    ReadVersionFile(per_user_install_path + "/INFO", installed);
    if (installed.build_version == target_version.build_version) {
        FSRemove(FailedPackageRecord(), false);
        return;
    }
    // Otherwise every login would find the copy older than the package and
    // install it again.
    Logger::LogMsg(Logger::L_WARNING, kComponent,
                   "[WARNING] tarrowind-service(%d): package '%s' installed build '%s', but the "
                   "system's version file says '%s'; it is not installed again until it changes\n",
                   __LINE__, PackagePath().c_str(), installed.build_version.c_str(),
                   target_version.build_version.c_str());
    RememberFailedPackage(target_version.build_version);
}

int Service::ExtractPackage() {
    const ustring source = PackagePath();
    const ustring target = GetUserTarrowindAppInstallPath();
    package_at_fault = false;
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
    const ExtractResult result = extractor.Extract(&package_scan);
    package_at_fault = result.cause == FailureCause::kPackage;
    return result.rc;
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

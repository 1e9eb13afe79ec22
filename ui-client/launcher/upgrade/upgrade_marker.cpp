#include "upgrade/upgrade_marker.h"

#include <errno.h>
#include <stdio.h>
#include <sys/stat.h>

#include <string>

#include "file/durable.h"
#include "file/file-op.h"
#include "log.h"
#include "upgrade/version_file.h"

namespace {

const char kComponent[] = "service_debug";

// A marker holds one short line.
const size_t kMaxMarkerBytes = 256;

std::string RecordOf(const ustring &backup) {
    return "backup=" + std::string(backup.empty() ? "" : FSBaseName(backup).c_str()) + "\n";
}

}  // namespace

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

std::vector<ustring> ExistingBackups(const ustring &app_dir) {
    std::vector<ustring> backups;
    for (int i = 0; i < kBackupNames; ++i) {
        const ustring backup = GetAppBackupDir(app_dir, i);
        if (IsFileExist(backup, false)) backups.push_back(backup);
    }
    return backups;
}

ustring IncompleteMarker(const ustring &app_dir) { return app_dir + ".incomplete"; }

Marker ReadMarker(const ustring &app_dir) {
    const ustring path = IncompleteMarker(app_dir);
    const SmallFile file = ReadSmallFileNoted(path, kMaxMarkerBytes, false);
    Marker marker;
    if (file.status == SmallFile::kMissing || file.status == SmallFile::kNotRegular) return marker;
    marker.state = Marker::kUnrecorded;
    if (file.status != SmallFile::kRead) return marker;
    if (file.text == RecordOf(ustring())) {
        marker.state = Marker::kNoCopy;
        return marker;
    }
    for (int i = 0; i < kBackupNames; ++i) {
        const ustring backup = GetAppBackupDir(app_dir, i);
        if (file.text != RecordOf(backup)) continue;
        marker.state = Marker::kRecorded;
        marker.backup = backup;
        break;
    }
    return marker;
}

int WriteMarker(const ustring &app_dir, const Marker &marker) {
    std::string text;
    if (marker.state == Marker::kNoCopy) text = RecordOf(ustring());
    if (marker.state == Marker::kRecorded) text = RecordOf(marker.backup);
    return FSReplaceFile(IncompleteMarker(app_dir), text);
}

void RemoveOddMarker(const ustring &app_dir) {
    struct stat64 st;
    const ustring path = IncompleteMarker(app_dir);
    if (lstat64(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) FSRemoveDurably(path);
}

bool HasMarker(const ustring &app_dir) {
    struct stat64 st;
    // What cannot be looked at may be a marker.
    return lstat64(IncompleteMarker(app_dir).c_str(), &st) == 0 || errno != ENOENT;
}

void RemoveMarker(const ustring &app_dir) { FSRemoveDurably(IncompleteMarker(app_dir)); }

#include "upgrade/recovery.h"

#include <errno.h>
#include <string.h>
#include <sys/stat.h>

#include <algorithm>
#include <thread>

#include "file/durable.h"
#include "file/file-op.h"
#include "file/parallel-remove.h"
#include "log.h"
#include "upgrade/recovery_plan.h"
#include "upgrade/upgrade_marker.h"

namespace {

const char kComponent[] = "service_debug";

// Removes `path`, a copy of thousands of files, with a thread per core (at
// most four: unlinking is bound by the file system, not the processor); a
// failure is logged with the reason. Returns FSRemove's result, with errno
// as the removal left it.
int RemoveLogged(const ustring &path) {
    const unsigned threads = std::min(4u, std::max(1u, std::thread::hardware_concurrency()));
    const int rc = FSRemoveParallel(path, threads);
    if (rc != 0) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] recovery(%d): failed to remove '%s': %s\n", __LINE__,
                       path.c_str(), strerror(errno));
    }
    return rc;
}

// Puts the complete backup `backup` back as `app_dir`. 0, or -1 (logged).
int Restore(const ustring &backup, const ustring &app_dir) {
    if (FSRename(backup, app_dir, false) == 0) return 0;
    Logger::LogMsg(Logger::L_ERR, kComponent,
                   "[ERROR] recovery(%d): failed to restore '%s' -> '%s': %s\n", __LINE__,
                   backup.c_str(), app_dir.c_str(), strerror(errno));
    return -1;
}

}  // namespace

void RemoveDebris(const std::vector<ustring> &backups) {
    for (const ustring &backup : backups) {
        Logger::LogMsg(Logger::L_INFO, kComponent,
                       "[INFO] recovery(%d): removing backup '%s' left by an interrupted "
                       "upgrade\n",
                       __LINE__, backup.c_str());
        RemoveLogged(backup);
    }
}

void RemoveBackupNames(const std::vector<ustring> &backups) {
    for (const ustring &backup : backups) RemoveLogged(backup);
}

int ClearAppDir(const ustring &app_dir, const ustring &keep) {
    if (RemoveLogged(app_dir) == 0) return 0;
    int error = errno;
    for (int i = 0; i < kBackupNames; ++i) {
        const ustring aside = GetAppBackupDir(app_dir, i);
        if (aside == keep || IsFileExist(aside, false)) continue;
        if (FSRename(app_dir, aside, false) == 0) return 0;
        error = errno;
    }
    Logger::LogMsg(Logger::L_ERR, kComponent,
                   "[ERROR] recovery(%d): failed to move '%s' out of the way: %s\n", __LINE__,
                   app_dir.c_str(), strerror(error));
    return -1;
}

void RecoverTree(const ustring &app_dir) {
    RemoveOddMarker(app_dir);
    const RestPlan plan = PlanRest(ReadTreeState(app_dir));
    RemoveDebris(plan.debris);
    if (plan.clear_app && ClearAppDir(app_dir, plan.restore) != 0) return;
    if (!plan.restore.empty() && Restore(plan.restore, app_dir) != 0) return;
    if (!plan.restore.empty() && FSSyncDirectory(FSParentPath(app_dir)) != 0) return;
    if (plan.end_marker) RemoveMarker(app_dir);
}

bool IsCopyKnownComplete(const ustring &app_dir) {
    struct stat64 st;
    if (HasMarker(app_dir)) return false;
    return stat64(app_dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

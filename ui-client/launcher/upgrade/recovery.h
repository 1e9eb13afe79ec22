#ifndef UI_CLIENT_LAUNCHER_UPGRADE_RECOVERY_H
#define UI_CLIENT_LAUNCHER_UPGRADE_RECOVERY_H

#include <vector>

#include "ustring/ustring.h"

// Changes to the tree around the application directory A that the recovery
// and the upgrade make. REQUIRES: the caller holds the tree's lock.

// Applies PlanRest to the tree as it is now: debris goes, a partial A goes,
// a complete backup becomes A again, and the marker goes last. Stops at the
// first change that fails (logged), leaving the marker where it was, so that
// nothing partial is ever taken for complete.
void RecoverTree(const ustring &app_dir);

// Whether A holds a copy known complete: it exists and nothing stands at the
// marker's name. Reads only, and follows no link at the marker's name.
bool IsCopyKnownComplete(const ustring &app_dir);

// Removes each of `backups`, with an INFO line for each: what an interrupted
// upgrade left.
void RemoveDebris(const std::vector<ustring> &backups);
// Removes each of `backups` without a line of its own (failures are logged).
void RemoveBackupNames(const std::vector<ustring> &backups);

// Clears `app_dir` of a copy that is of no further use. What cannot be
// removed (files of another user) is moved to a free backup name other than
// `keep`, which a later run removes. Returns 0 when `app_dir` is gone, -1
// (logged) when it is still there.
int ClearAppDir(const ustring &app_dir, const ustring &keep);

#endif

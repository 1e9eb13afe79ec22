#ifndef UI_CLIENT_LAUNCHER_UPGRADE_UPGRADE_MARKER_H
#define UI_CLIENT_LAUNCHER_UPGRADE_UPGRADE_MARKER_H

#include <vector>

#include "ustring/ustring.h"

// The names an upgrade of the application directory A uses beside it.
//
// Backups: A_tmp, A_tmp1 ... A_tmp9 (kBackupNames of them).
//
// The marker "A.incomplete" exists exactly while A may hold a partial copy,
// so that an upgrade interrupted at any moment (logout, power loss, a killed
// process) is redone by the next run. It records where the last complete
// copy is, in one line "backup=<name>": the backup of that name if it
// exists, else A; "backup=" when there is no complete copy at all (a first
// installation). A marker without a record (one written by an older
// launcher, or one that cannot be read) leaves open which backup is
// complete.

const int kBackupNames = 10;

// "<app_dir>_tmp" for tries 0, "<app_dir>_tmp<tries>" after that.
ustring GetAppBackupDir(const ustring &app_dir, int tries);
// The backup names of `app_dir` that exist, in name order.
std::vector<ustring> ExistingBackups(const ustring &app_dir);
// "<app_dir>.incomplete"
ustring IncompleteMarker(const ustring &app_dir);

struct Marker {
    enum State {
        kAbsent,      // no upgrade under way: A is complete
        kNoCopy,      // "backup=": no complete copy exists
        kRecorded,    // the complete copy is `backup` if it exists, else A
        kUnrecorded,  // no usable record: any backup may hold the complete copy
    };
    State state = kAbsent;
    ustring backup;  // with kRecorded: the recorded backup's path
};

// Reads the marker of `app_dir`. Anything but a regular file at the marker's
// name counts as no marker. Reads only.
Marker ReadMarker(const ustring &app_dir);
// Removes anything but a regular file at the marker's name (a link goes,
// never what it points to), so that it is neither read nor taken for one.
void RemoveOddMarker(const ustring &app_dir);
// Whether anything stands at the marker's name of `app_dir`, or it cannot be
// told. Reads only.
bool HasMarker(const ustring &app_dir);
// Writes the marker of `app_dir` anew: kNoCopy, kRecorded with
// `marker.backup`, or kUnrecorded (an empty marker). REQUIRES: A, if any, is
// complete or already marked, since the marker is briefly absent while it is
// replaced. Returns 0 / -1 with errno.
int WriteMarker(const ustring &app_dir, const Marker &marker);
// Removes the marker and makes the removal durable.
void RemoveMarker(const ustring &app_dir);

#endif

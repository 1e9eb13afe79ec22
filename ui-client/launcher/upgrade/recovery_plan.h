#ifndef UI_CLIENT_LAUNCHER_UPGRADE_RECOVERY_PLAN_H
#define UI_CLIENT_LAUNCHER_UPGRADE_RECOVERY_PLAN_H

#include <vector>

#include "upgrade/upgrade_marker.h"
#include "ustring/ustring.h"

// How an upgrade of the application directory A starts from whatever an
// earlier run left: which copy a failure puts back, which names hold debris,
// and what the marker says meanwhile. A complete copy is never debris.

// What lies in the per-user folder before an upgrade starts.
struct TreeState {
    Marker marker;
    bool app_exists = false;
    std::vector<ustring> backups;  // the backup names that exist, in name order
};

// Reads the state of the tree around `app_dir`.
TreeState ReadTreeState(const ustring &app_dir);

struct RecoveryPlan {
    // How A is moved aside before the package is extracted.
    enum class Aside {
        kNone,        // A is absent or cleared
        kRecorded,    // A is complete: to a free name, recorded in the marker first
        kUnrecorded,  // A may be partial: to the first name that takes it,
                      // the marker left without a record
    };
    // Backup names of no further use, removed first.
    std::vector<ustring> debris;
    // A holds a partial copy that is removed (or moved out of the way) first.
    bool clear_app = false;
    Aside aside = Aside::kNone;
    // An existing backup that a failure puts back; empty when there is none,
    // or when the copy put back is the one that `aside` makes.
    ustring rollback;
    // Whether the copy put back is known complete, so that restoring it ends
    // the marker.
    bool rollback_complete = false;
    // Written before the first change; kAbsent: the marker stays as it is.
    Marker mark;
};

// The plan for `state`. Pure: it reads nothing and changes nothing.
RecoveryPlan PlanRecovery(const TreeState &state);

// How a run puts the tree into a known state before it decides anything,
// whether or not an upgrade follows: a half-written A is replaced by the
// complete copy it was to replace, and debris goes. Where nothing tells which
// copy is complete, everything stays.
struct RestPlan {
    std::vector<ustring> debris;  // backup names of no further use
    bool clear_app = false;       // A holds a partial copy that goes
    ustring restore;              // the complete backup that becomes A; empty: none
    bool end_marker = false;      // once the above is done, nothing is partial
};

// The rest plan for `state`. Pure.
RestPlan PlanRest(const TreeState &state);

#endif

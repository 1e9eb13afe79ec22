#include "upgrade/recovery_plan.h"

#include <algorithm>

#include "file/file-op.h"

namespace {

Marker MarkerOf(Marker::State state, const ustring &backup = ustring()) {
    Marker marker;
    marker.state = state;
    marker.backup = backup;
    return marker;
}

// The marker names a backup that exists: it is the complete copy, A holds at
// most a partial one, and every other backup is debris.
RecoveryPlan FromRecordedBackup(const TreeState &state) {
    RecoveryPlan plan;
    for (const ustring &backup : state.backups)
        if (backup != state.marker.backup) plan.debris.push_back(backup);
    plan.clear_app = state.app_exists;
    plan.rollback = state.marker.backup;
    plan.rollback_complete = true;
    return plan;
}

// Nothing says which copy is complete: keep them all. A is moved aside, not
// removed; a lone backup is what a failure puts back.
RecoveryPlan KeepingEveryCopy(const TreeState &state) {
    RecoveryPlan plan;
    if (state.app_exists) {
        plan.aside = RecoveryPlan::Aside::kUnrecorded;
    } else if (state.backups.size() == 1) {
        plan.rollback = state.backups.front();
    }
    return plan;
}

// No upgrade was under way, or the recorded backup was never made: A, if it
// exists, is the complete copy. Without A, a lone backup is the complete
// copy (the user's last one, never removed before the new copy is good);
// of several, nothing tells which, so all of them stay.
RecoveryPlan FromCompleteApp(const TreeState &state) {
    RecoveryPlan plan;
    const bool unmarked = state.marker.state == Marker::kAbsent;
    if (!state.app_exists && unmarked && state.backups.size() == 1) {
        plan.rollback = state.backups.front();
        plan.rollback_complete = true;
        plan.mark = MarkerOf(Marker::kRecorded, plan.rollback);
        return plan;
    }
    if (!state.app_exists && unmarked && state.backups.size() > 1) {
        plan.mark = MarkerOf(Marker::kUnrecorded);
        return plan;
    }
    plan.debris = state.backups;
    if (state.app_exists) {
        plan.aside = RecoveryPlan::Aside::kRecorded;
    } else {
        plan.mark = MarkerOf(Marker::kNoCopy);
    }
    return plan;
}

// No complete copy exists: A is partial and every backup is debris.
RecoveryPlan WithoutCompleteCopy(const TreeState &state) {
    RecoveryPlan plan;
    plan.debris = state.backups;
    plan.clear_app = state.app_exists;
    plan.mark = MarkerOf(Marker::kNoCopy);
    return plan;
}

bool Holds(const std::vector<ustring> &names, const ustring &name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

TreeState ReadTreeState(const ustring &app_dir) {
    TreeState state;
    state.marker = ReadMarker(app_dir);
    state.app_exists = IsFileExist(app_dir, false);
    state.backups = ExistingBackups(app_dir);
    return state;
}

RestPlan PlanRest(const TreeState &state) {
    const RecoveryPlan plan = PlanRecovery(state);
    RestPlan rest;
    rest.debris = plan.debris;
    rest.clear_app = plan.clear_app;
    // A complete backup and no A, or a partial A: the backup goes back.
    if (plan.rollback_complete && (plan.clear_app || !state.app_exists))
        rest.restore = plan.rollback;
    const bool unknown = plan.aside == RecoveryPlan::Aside::kUnrecorded ||
                         plan.mark.state == Marker::kUnrecorded ||
                         (state.marker.state == Marker::kUnrecorded && !state.backups.empty());
    rest.end_marker = state.marker.state != Marker::kAbsent && !unknown;
    return rest;
}

RecoveryPlan PlanRecovery(const TreeState &state) {
    switch (state.marker.state) {
        case Marker::kRecorded:
            if (Holds(state.backups, state.marker.backup)) return FromRecordedBackup(state);
            return FromCompleteApp(state);
        case Marker::kUnrecorded:
            return KeepingEveryCopy(state);
        case Marker::kNoCopy:
            return WithoutCompleteCopy(state);
        case Marker::kAbsent:
            break;
    }
    return FromCompleteApp(state);
}

#include "upgrade/run.h"

#include "log.h"
#include "package/package_memo.h"
#include "upgrade/recovery.h"
#include "upgrade/tree_lock.h"

namespace {

const char kComponent[] = "launcher_debug";

typedef PackageVerdict::Finding Finding;

// How the upgrade part of a run ended.
struct UpgradeEnd {
    enum class Copy { kKept, kReplaced };
    Copy copy = Copy::kKept;
    Shortfall shortfall = Shortfall::kNone;
    MemoChange memo = MemoChange::kKeep;
    std::string identity;  // the package's memo line, once it was opened
};

UpgradeEnd Ended(Shortfall shortfall, MemoChange memo) {
    UpgradeEnd end;
    end.shortfall = shortfall;
    end.memo = memo;
    return end;
}

// What a refused package costs: the package itself is remembered only for a
// fault of its own.
UpgradeEnd Refused(Finding finding) {
    if (finding == Finding::kNoRoom) return Ended(Shortfall::kNoRoom, MemoChange::kKeep);
    const MemoChange memo = finding == Finding::kFaulty ? MemoChange::kRemember : MemoChange::kKeep;
    return Ended(Shortfall::kPackageRefused, memo);
}

// After a replacement: whether the new copy is the build the system's
// version file announces. When not, every login would find the copy older
// than the package and install it again, so the package is remembered.
MemoChange CheckInstalledBuild(const ustring &app_dir, const PackagePlace &place) {
    if (place.build.empty()) return MemoChange::kKeep;
    VersionInfo installed;
    ReadVersionFile(app_dir + "/INFO", installed);
    if (installed.build_version == place.build) return MemoChange::kForget;
    Logger::LogMsg(Logger::L_WARNING, "service_debug",
                   "[WARNING] run(%d): package '%s' installed build '%s', but the system's "
                   "version file says '%s'; it is not installed again until it changes\n",
                   __LINE__, place.package.c_str(), installed.build_version.c_str(),
                   place.build.c_str());
    return MemoChange::kRemember;
}

// Has the copy replaced from the package that `verdict` found worth it.
UpgradeEnd Replace(const ustring &app_dir, const PackagePlace &place, const PackageVerdict &verdict,
                   RunSteps &steps, RunObserver &observer) {
    const FailureCause cause = steps.HandlePackageUpgrade(verdict);
    observer.Passed(RunStep::kCopyReplaced);
    if (cause != FailureCause::kNone) {
        // 98 is part of the message: it stays whatever line the call is on.
        Logger::LogMsg(Logger::L_ERR, kComponent,
                       "[ERROR] launcher(%d): Failed to upgrade package\n", 98);
        // The disk's and the run's own faults may be gone at the next login.
        const MemoChange memo =
            cause == FailureCause::kPackage ? MemoChange::kRemember : MemoChange::kKeep;
        return Ended(Shortfall::kUpgradeFailed, memo);
    }
    observer.UpgradeDone();
    UpgradeEnd end = Ended(Shortfall::kNone, CheckInstalledBuild(app_dir, place));
    end.copy = UpgradeEnd::Copy::kReplaced;
    return end;
}

// Checks the package of `place` and, when it is worth it, has the copy
// replaced. REQUIRES: an upgrade is due and the dialog shows.
UpgradeEnd Upgrade(const ustring &app_dir, const PackagePlace &place, RunSteps &steps,
                   RunObserver &observer) {
    const PackageVerdict verdict = CheckPackage(place, ReadPackageMemo(place.user));
    observer.Passed(RunStep::kPackageChecked);
    UpgradeEnd end;
    if (verdict.finding == Finding::kWorth) {
        end = Replace(app_dir, place, verdict, steps, observer);
    } else {
        observer.UpgradeDropped();
        end = Refused(verdict.finding);
    }
    if (verdict.file) end.identity = verdict.file->identity;
    return end;
}

// The decision and, when one is due, the upgrade, with the memo changed once
// from how it ended.
UpgradeEnd UpgradeIfDue(const RunSetup &setup, const ustring &app_dir, RunSteps &steps,
                        RunObserver &observer) {
    if (setup.instance == InstanceLock::kNotHeld) {
        observer.Passed(RunStep::kDecided);
        return Ended(Shortfall::kNoLock, MemoChange::kKeep);
    }
    const bool due = steps.IsNeedUpgrade();
    observer.Passed(RunStep::kDecided);
    if (!due) {
        // 91 is part of the message: it stays whatever line the call is on.
        Logger::LogMsg(Logger::L_DEBUG, kComponent, "[DEBUG] launcher(%d): no need to upgrade\n",
                       91);
        return UpgradeEnd();
    }
    observer.UpgradeDue();
    const PackagePlace place = steps.Place();
    const UpgradeEnd end = Upgrade(app_dir, place, steps, observer);
    if (end.memo != MemoChange::kKeep) ChangePackageMemo(place.user, end.memo, end.identity);
    return end;
}

// `outcome` once the client could not be started: nothing runs, and the
// administrator hears of it unless the run fell short before.
RunOutcome NotStarted(RunOutcome outcome) {
    outcome.did = RunOutcome::Did::kStartedNothing;
    if (outcome.shortfall == Shortfall::kNone) outcome.shortfall = Shortfall::kClientNotStarted;
    return outcome;
}

// `outcome` once the client was started when its copy is known complete; a
// copy that may be half-written is never started.
RunOutcome StartIfComplete(const ustring &app_dir, RunSteps &steps, UpgradeEnd::Copy copy,
                           RunOutcome outcome) {
    if (!IsCopyKnownComplete(app_dir)) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] run(%d): '%s' holds no copy known complete: not starting the "
                       "client\n",
                       __LINE__, app_dir.c_str());
        outcome.did = RunOutcome::Did::kStartedNothing;
        return outcome;
    }
    if (steps.PostUpgrade() == ClientStart::kNotStarted) return NotStarted(outcome);
    outcome.did = copy == UpgradeEnd::Copy::kReplaced ? RunOutcome::Did::kUpgraded
                                                      : RunOutcome::Did::kStarted;
    return outcome;
}

// The versions as PreUpgrade read them, for the outcome.
RunOutcome ReadVersions(RunSteps &steps) {
    steps.PreUpgrade();
    RunOutcome outcome;
    outcome.installed_build = steps.InstalledVersion().build_version;
    outcome.package_build = steps.PackageVersion().build_version;
    return outcome;
}

// Another launcher keeps the tree: nothing is changed, and the client is
// started only from a copy known complete.
RunOutcome WithoutTreeLock(const ustring &app_dir, const std::string &why, RunSteps &steps) {
    RunOutcome outcome = ReadVersions(steps);
    outcome.shortfall = Shortfall::kNoTreeLock;
    const bool complete = IsCopyKnownComplete(app_dir);
    Logger::LogMsg(Logger::L_WARNING, kComponent,
                   "[WARNING] run(%d): cannot take the lock of the user's folder (%s): %s\n",
                   __LINE__, why.c_str(),
                   complete ? "starting the client without upgrading it"
                            : "its copy is not known complete, so no client is started");
    if (!complete) return outcome;
    if (steps.PostUpgrade() == ClientStart::kNotStarted) return NotStarted(outcome);
    outcome.did = RunOutcome::Did::kStarted;
    return outcome;
}

}  // namespace

void RunObserver::Passed(RunStep) {}

RunOutcome RunAgainstTree(const RunSetup &setup, RunSteps &steps, RunObserver &observer) {
    const ustring app_dir = setup.user + "/Tarrowind.app";
    // Taken before anything is read: a launcher that waited for another's
    // upgrade decides on the tree that upgrade left.
    const TreeLock lock(setup.user, setup.tree_lock_wait);
    if (!lock.held()) return WithoutTreeLock(app_dir, lock.error(), steps);
    observer.Passed(RunStep::kTreeLocked);
    RecoverTree(app_dir);
    observer.Passed(RunStep::kRecovered);
    RunOutcome outcome = ReadVersions(steps);
    observer.Passed(RunStep::kVersionsRead);
    const UpgradeEnd end = UpgradeIfDue(setup, app_dir, steps, observer);
    outcome.shortfall = end.shortfall;
    outcome.package_identity = end.identity;
    // The user gets the client as soon as its copy is complete and on disk;
    // the old copy and the aged folder go while it starts.
    outcome = StartIfComplete(app_dir, steps, end.copy, outcome);
    observer.Passed(RunStep::kClientStarted);
    if (end.copy == UpgradeEnd::Copy::kReplaced) steps.RemoveReplacedCopies();
    steps.RemoveAgedFolders();
    observer.Passed(RunStep::kCleanedUp);
    return outcome;
}

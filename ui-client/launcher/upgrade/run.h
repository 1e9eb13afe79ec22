#ifndef UI_CLIENT_LAUNCHER_UPGRADE_RUN_H
#define UI_CLIENT_LAUNCHER_UPGRADE_RUN_H

#include <chrono>

#include "package/package_check.h"
#include "upgrade/failure_cause.h"
#include "upgrade/run_summary.h"
#include "upgrade/version_file.h"
#include "ustring/ustring.h"

// One run of the launcher against the user's tree, in this order: take the
// tree's lock, recover the tree, read the versions, decide, check the
// package, stop the client and replace the copy, start the client, remove
// what was replaced and the aged folder. Every decision of the run is made
// here, once; the service only carries out its steps.

// Whether this launcher holds the single-instance lock: decided once, at
// start-up. Without it the copy is never upgraded, since another launcher of
// the same user may be about to.
enum class InstanceLock { kHeld, kNotHeld };

// How starting the client went.
enum class ClientStart {
    kStarted,     // its start script ran (what it then did is in the log)
    kNotStarted,  // its start script could not run the client (logged)
};

// The service's operations that a run calls, in the order it calls them.
// Called on the run's thread only.
class RunSteps {
public:
    virtual ~RunSteps() = default;
    // Reads and logs both version files.
    virtual void PreUpgrade() = 0;
    // The versions as PreUpgrade read them: the user's copy's, the package's.
    virtual const VersionInfo &InstalledVersion() const = 0;
    virtual const VersionInfo &PackageVersion() const = 0;
    // Whether the copy must be (re)installed: the package is newer, the
    // client's program is missing, or an upgrade did not finish. A query.
    virtual bool IsNeedUpgrade() = 0;
    // Where the package is and where its copy goes. REQUIRES: PreUpgrade.
    virtual PackagePlace Place() const = 0;
    // Stops the client and replaces the copy from the package `verdict`
    // found worth it. kNone: the new copy is in place, complete and on disk,
    // and the old one waits under a backup name; otherwise whose fault the
    // failure was, the old copy put back where it could be.
    virtual FailureCause HandlePackageUpgrade(const PackageVerdict &verdict) = 0;
    // Starts the client from the copy, and says how that went.
    virtual ClientStart PostUpgrade() = 0;
    // After a replacement: removes the old copy (every backup name).
    virtual void RemoveReplacedCopies() = 0;
    // Removes the aged application folder.
    virtual void RemoveAgedFolders() = 0;
};

// The points a run passes, in order; a run that upgrades passes them all.
enum class RunStep {
    kTreeLocked,
    kRecovered,
    kVersionsRead,
    kDecided,
    kPackageChecked,
    kCopyReplaced,
    kClientStarted,
    kCleanedUp,
};

// What a run tells the user, and whoever watches it. Called on the run's
// thread.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // An upgrade is due: the dialog shows, with its first status line.
    virtual void UpgradeDue() = 0;
    // The package is not worth it after all: the dialog goes again.
    virtual void UpgradeDropped() = 0;
    // The new copy is in place: 100 % and the "ready" status line.
    virtual void UpgradeDone() = 0;
    // The run has passed `step`. Nothing unless overridden (tests end the
    // process at a step of their choice).
    virtual void Passed(RunStep step);
};

// What a run works with besides its steps.
struct RunSetup {
    ustring user;  // <home>/.TarrowindBackup
    InstanceLock instance = InstanceLock::kHeld;
    // How long a run waits for another's changes to the tree: an upgrade of
    // a large package on a slow disk, with room to spare.
    std::chrono::milliseconds tree_lock_wait{60000};
};

// What a run did and, when it fell short, why.
struct RunOutcome {
    enum class Did {
        kStarted,         // started the copy it found (recovered where needed)
        kUpgraded,        // replaced the copy and started the new one
        kStartedNothing,  // no copy known complete, or its client could not be started
    };
    Did did = Did::kStartedNothing;
    // Why the run fell short (the system log's line); kNone: it did not.
    Shortfall shortfall = Shortfall::kNone;
    ustring installed_build;  // the user's copy's before the run; empty: none
    ustring package_build;    // the one the system's version file announces
    // The package's memo line (OpenedPackage::identity) when the run opened
    // it; empty otherwise.
    std::string package_identity;
};

// The run. Every wait in it is bounded; it never throws.
RunOutcome RunAgainstTree(const RunSetup &setup, RunSteps &steps, RunObserver &observer);

#endif

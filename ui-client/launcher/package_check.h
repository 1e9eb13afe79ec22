#ifndef UI_CLIENT_LAUNCHER_PACKAGE_CHECK_H
#define UI_CLIENT_LAUNCHER_PACKAGE_CHECK_H

#include <string>

#include "extractor.h"
#include "ustring/ustring.h"

// Whether the package is worth starting an upgrade on, decided before the
// client is stopped or anything in the user's tree is moved, and the memo of
// packages that failed on their own.

// What checking the package found.
struct PackageVerdict {
    bool worth = false;  // an upgrade may start
    PackageScan scan;    // what the package holds; set when `worth`
};

// Where the package is and where its copy goes.
struct PackagePlace {
    ustring package;  // the package archive
    ustring user;     // the per-user folder, which may not exist yet
    ustring home;     // measured instead while the per-user folder is missing
    ustring build;    // the build that the system's version file announces
};

// Worth installing: a readable regular file, not remembered as failed
// (unchanged since), holding entries, whose files fit on the per-user file
// system with room to spare. When not, one WARNING line says why. Reads the
// package's headers once. A package that holds nothing is remembered.
PackageVerdict CheckPackage(const PackagePlace &place);

// Whether a failure of `cause` is held against the package: only its own
// faults are, as the disk's and the environment's may be gone at the next
// login.
bool IsHeldAgainstThePackage(FailureCause cause);
// Remembers the package as it is now as failed, until it or the announced
// build changes.
void RememberFailedPackage(const PackagePlace &place);
// Drops the memo: the package installed as announced.
void ForgetFailedPackage(const PackagePlace &place);

// A file system's figures, as statvfs gives them.
struct FileSystemRoom {
    unsigned long long block = 0;   // f_frsize
    unsigned long long blocks = 0;  // f_blocks
    unsigned long long free = 0;    // f_bavail
};

// Room kept free beyond the new copy, so that the user's other programs can
// still save what they are writing while the old copy waits as a backup: 1 %
// of the file system, at least 32 MiB, at most 1 GiB.
unsigned long long ReserveFor(unsigned long long file_system_bytes);

struct RoomVerdict {
    bool fits = true;
    unsigned long long files = 0;    // bytes the new copy takes
    unsigned long long reserve = 0;  // bytes kept free beyond it
    unsigned long long free = 0;     // bytes free now
};
// Whether `scan`'s files, every one taking at least a block of its own, fit
// on `fs` with the reserve to spare. Figures of 0 block size always fit.
RoomVerdict CheckRoom(const PackageScan &scan, const FileSystemRoom &fs);

#endif

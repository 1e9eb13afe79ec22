#ifndef UI_CLIENT_LAUNCHER_PACKAGE_PACKAGE_CHECK_H
#define UI_CLIENT_LAUNCHER_PACKAGE_PACKAGE_CHECK_H

#include <memory>
#include <string>

#include "extractor.h"
#include "file/scoped.h"
#include "ustring/ustring.h"

// Whether the package is worth starting an upgrade on, decided before the
// client is stopped or anything in the user's tree is moved, and the memo of
// packages that failed on their own.

// The package's file as it was opened and checked. Every later pass reads
// this descriptor, and a memo names this file, whatever is renamed to the
// package's path meanwhile.
struct OpenedPackage {
    explicit OpenedPackage(int descriptor) : fd(descriptor) {}
    ScopedFd fd;
    std::string identity;  // the memo's line for this file and announced build
};

// What checking the package found.
struct PackageVerdict {
    // Why a checked package is not worth it.
    enum class Refusal {
        kNone,     // worth it, or not checked
        kPackage,  // the package itself: unreadable, remembered, empty, endless
        kNoRoom,   // its copy does not fit with room to spare, in bytes or inodes
    };
    Refusal refusal = Refusal::kNone;
    bool worth = false;                         // an upgrade may start
    PackageScan scan;                           // what the package holds; set when `worth`
    std::shared_ptr<const OpenedPackage> file;  // set when `worth`
};

// Where the package is and where its copy goes.
struct PackagePlace {
    ustring package;  // the package archive
    ustring user;     // the per-user folder, which may not exist yet
    ustring home;     // measured instead while the per-user folder is missing
    ustring build;    // the build that the system's version file announces
    ustring reader;   // the program that reads the package's headers
};

// Worth installing: a readable regular file, not remembered as failed
// (unchanged since), holding entries, whose files fit on the per-user file
// system with room to spare, in bytes and in inodes. When not, one WARNING
// line says why. Reads the package's headers once, in the reader program under
// LimitsFor() the package's size. A package that holds nothing, or whose
// reading passes its limits, is remembered.
PackageVerdict CheckPackage(const PackagePlace &place);

// Whether a failure of `cause` is held against the package: only its own
// faults are, as the disk's and the environment's may be gone at the next
// login.
bool IsHeldAgainstThePackage(FailureCause cause);
// Remembers the package file that `identity` names (OpenedPackage) as
// failed, until it or the announced build changes.
void RememberFailedPackage(const PackagePlace &place, const std::string &identity);
// Drops the memo: the package installed as announced.
void ForgetFailedPackage(const PackagePlace &place);

// A file system's figures, as statvfs gives them.
struct FileSystemRoom {
    unsigned long long block = 0;        // f_frsize
    unsigned long long blocks = 0;       // f_blocks
    unsigned long long free = 0;         // f_bavail
    unsigned long long inodes = 0;       // f_files; 0: no fixed number
    unsigned long long free_inodes = 0;  // f_favail
};

// Room kept free beyond the new copy, so that the user's other programs can
// still save what they are writing while the old copy waits as a backup: 1 %
// of the file system, at least 32 MiB, at most 1 GiB.
unsigned long long ReserveFor(unsigned long long file_system_bytes);

// Inodes kept free beyond the new copy's, for the same reason: 1 % of the
// file system's, at least 256, at most 65,536.
unsigned long long InodeReserveFor(unsigned long long file_system_inodes);

struct RoomVerdict {
    enum Shortage { kNone, kBytes, kInodes };
    Shortage shortage = kNone;             // what is short; bytes are checked first
    unsigned long long files = 0;          // bytes the new copy takes
    unsigned long long reserve = 0;        // bytes kept free beyond it
    unsigned long long free = 0;           // bytes free now
    unsigned long long entries = 0;        // inodes the new copy takes
    unsigned long long inode_reserve = 0;  // inodes kept free beyond them
    unsigned long long free_inodes = 0;    // inodes free now
    bool fits() const { return shortage == kNone; }
};
// Whether `scan`'s files, every one taking at least a block and an inode of
// its own, fit on `fs` with the reserves to spare. Figures of 0 block size
// always fit; so do inodes on a file system without a fixed number of them.
RoomVerdict CheckRoom(const PackageScan &scan, const FileSystemRoom &fs);

#endif

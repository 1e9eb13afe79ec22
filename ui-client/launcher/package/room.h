#ifndef UI_CLIENT_LAUNCHER_PACKAGE_ROOM_H
#define UI_CLIENT_LAUNCHER_PACKAGE_ROOM_H

#include "package/package_reading.h"
#include "ustring/ustring.h"

// Whether a package's copy fits on the file system it goes to, with room to
// spare for the user's other programs.

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
// The figures of the file system that holds `dir`, or of `fallback`'s when
// `dir` cannot be measured (the per-user folder before the first run has made
// it); `where` names the folder measured. Zeros when neither can be.
struct MeasuredRoom {
    FileSystemRoom room;
    ustring where;
};
MeasuredRoom MeasureRoom(const ustring &dir, const ustring &fallback);

// Whether `scan`'s files, every one taking at least a block and an inode of
// its own, fit on `fs` with the reserves to spare. Figures of 0 block size
// always fit; so do inodes on a file system without a fixed number of them.
RoomVerdict CheckRoom(const PackageScan &scan, const FileSystemRoom &fs);

#endif

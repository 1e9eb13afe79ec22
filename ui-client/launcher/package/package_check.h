#ifndef UI_CLIENT_LAUNCHER_PACKAGE_PACKAGE_CHECK_H
#define UI_CLIENT_LAUNCHER_PACKAGE_PACKAGE_CHECK_H

#include <memory>
#include <string>

#include "file/scoped.h"
#include "package/package_reading.h"
#include "ustring/ustring.h"

// Whether the package is worth starting an upgrade on, decided before the
// client is stopped or anything in the user's tree is moved.

// The package's file as it was opened and checked. Every later pass reads
// this descriptor, and a memo names this file, whatever is renamed to the
// package's path meanwhile.
struct OpenedPackage {
    OpenedPackage(int descriptor, const ustring &where) : fd(descriptor), path(where) {}
    ScopedFd fd;
    ustring path;          // the path it was opened by, for the log
    std::string identity;  // the memo's line for this file and announced build
    long long size = 0;    // its size when it was checked
};

// What checking the package found.
struct PackageVerdict {
    enum class Finding {
        kWorth,        // an upgrade may start: `scan` and `file` are set
        kUnreachable,  // it cannot be opened or read in this run (missing, not a
                       // regular file, a reader that cannot start, a read error)
        kRemembered,   // it failed before and has not changed since
        kFaulty,       // its own fault: it holds nothing, is damaged before its
                       // first entry, or its reading passes its limits
        kNoRoom,       // its copy does not fit with room to spare, in bytes or inodes
    };
    Finding finding = Finding::kUnreachable;
    PackageScan scan;                           // what it holds; set with kWorth
    std::shared_ptr<const OpenedPackage> file;  // set once it was opened as a regular file
};

// Where the package is and where its copy goes.
struct PackagePlace {
    ustring package;  // the package archive
    ustring user;     // the per-user folder, which may not exist yet
    ustring home;     // measured instead while the per-user folder is missing
    ustring build;    // the build that the system's version file announces
    ustring reader;   // the program that reads the package's headers
};

// Worth installing: a readable regular file, not the one `memo` names
// (ReadPackageMemo), holding entries, whose files fit on the per-user file
// system with room to spare, in bytes and in inodes. When not, one WARNING
// line says why. Reads the package's headers once, in the reader program under
// LimitsFor() the package's size. Changes nothing on disk.
PackageVerdict CheckPackage(const PackagePlace &place, const std::string &memo);

// What the headers that the reader program read (and reported) say of the
// package: kWorth when it holds entries; kUnreachable when a read of its file
// or its opening failed for a reason of the system (logged); kFaulty (logged)
// when it holds nothing or libarchive could not make out its bytes.
PackageVerdict::Finding JudgeHeaders(const PackagePlace &place, const HeaderRead &read);

#endif

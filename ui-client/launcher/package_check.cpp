#include "package_check.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>

#include "file/durable.h"
#include "file/file-op.h"
#include "file/scoped.h"
#include "log.h"

namespace {

const char kComponent[] = "service_debug";
const unsigned long long kKiB = 1024;
const unsigned long long kMiB = 1024 * kKiB;
// A memo holds one line.
const size_t kMaxMemoBytes = 4096;

// Where a package that failed on its own is remembered, so that it is not
// tried again at every login until it changes.
ustring MemoPath(const PackagePlace &place) { return place.user + "/.failed-package"; }

// One line that changes whenever the package does: its file's identity and
// times, and the build that the system's version file announces.
std::string PackageIdentity(const struct stat64 &st, const ustring &build) {
    char text[256];
    snprintf(text, sizeof text, "dev=%llu ino=%llu size=%lld mtime=%lld.%09ld ctime=%lld.%09ld",
             static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino),
             static_cast<long long>(st.st_size), static_cast<long long>(st.st_mtim.tv_sec),
             st.st_mtim.tv_nsec, static_cast<long long>(st.st_ctim.tv_sec), st.st_ctim.tv_nsec);
    return std::string(text) + " build=" + build.c_str() + "\n";
}

void LogRefusal(int line, const PackagePlace &place, const char *why) {
    Logger::LogMsg(Logger::L_WARNING, kComponent,
                   "[WARNING] tarrowind-service(%d): package '%s' cannot be installed: %s; "
                   "keeping the installed copy\n",
                   line, place.package.c_str(), why);
}

// The figures of the file system the copy goes to: the per-user folder's, or
// the home folder's before the first run has made it; zeros when neither can
// be measured. `where` receives the folder measured.
FileSystemRoom MeasureRoom(const PackagePlace &place, ustring &where) {
    struct statvfs64 fs;
    FileSystemRoom room;
    where = place.user;
    if (statvfs64(where.c_str(), &fs) != 0) {
        where = place.home;
        if (statvfs64(where.c_str(), &fs) != 0) return room;
    }
    room.block = fs.f_frsize;
    room.blocks = fs.f_blocks;
    room.free = fs.f_bavail;
    return room;
}

bool FitsOnDisk(const PackagePlace &place, const PackageScan &scan) {
    ustring where;
    const RoomVerdict room = CheckRoom(scan, MeasureRoom(place, where));
    if (room.fits) return true;
    Logger::LogMsg(Logger::L_WARNING, kComponent,
                   "[WARNING] tarrowind-service(%d): package '%s' needs %llu KiB (%llu KiB "
                   "of files and %llu KiB to spare), but only %llu KiB are free in '%s'; "
                   "keeping the installed copy\n",
                   __LINE__, place.package.c_str(), (room.files + room.reserve) / kKiB,
                   room.files / kKiB, room.reserve / kKiB, room.free / kKiB, where.c_str());
    return false;
}

// Whether the memo names the package as it is now.
bool RememberedAsFailed(const PackagePlace &place, const std::string &identity) {
    const SmallFile memo = FSReadSmallFile(MemoPath(place), kMaxMemoBytes, false);
    if (memo.status != SmallFile::kRead || memo.text != identity) return false;
    Logger::LogMsg(Logger::L_WARNING, kComponent,
                   "[WARNING] tarrowind-service(%d): package '%s' failed to install before and "
                   "has not changed since; keeping the installed copy\n",
                   __LINE__, place.package.c_str());
    return true;
}

// What the package's headers say about it, with a WARNING (and the memo)
// when it holds nothing.
PackageScan ScanPackage(const PackagePlace &place, const std::string &identity) {
    Extractor extractor;
    extractor.SetSource(place.package);
    extractor.SetTarget(place.user);
    const PackageScan scan = extractor.Scan();
    if (scan.entries > 0) return scan;
    Logger::LogMsg(Logger::L_WARNING, kComponent,
                   "[WARNING] tarrowind-service(%d): package '%s' holds nothing to install; "
                   "keeping the installed copy\n",
                   __LINE__, place.package.c_str());
    FSReplaceFile(MemoPath(place), identity);
    return scan;
}

}  // namespace

PackageVerdict CheckPackage(const PackagePlace &place) {
    PackageVerdict verdict;
    struct stat64 st;
    const ScopedFd fd(open64(place.package.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid()) {
        LogRefusal(__LINE__, place, strerror(errno));
        return verdict;
    }
    if (fstat64(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        LogRefusal(__LINE__, place, "not a regular file");
        return verdict;
    }
    const std::string identity = PackageIdentity(st, place.build);
    if (RememberedAsFailed(place, identity)) return verdict;
    const PackageScan scan = ScanPackage(place, identity);
    if (scan.entries <= 0 || !FitsOnDisk(place, scan)) return verdict;
    verdict.worth = true;
    verdict.scan = scan;
    return verdict;
}

bool IsHeldAgainstThePackage(FailureCause cause) { return cause == FailureCause::kPackage; }

void RememberFailedPackage(const PackagePlace &place) {
    struct stat64 st;
    if (stat64(place.package.c_str(), &st) != 0) return;
    FSReplaceFile(MemoPath(place), PackageIdentity(st, place.build));
}

void ForgetFailedPackage(const PackagePlace &place) { FSRemove(MemoPath(place), false); }

unsigned long long ReserveFor(unsigned long long file_system_bytes) {
    return std::max(32 * kMiB, std::min(file_system_bytes / 100, 1024 * kMiB));
}

RoomVerdict CheckRoom(const PackageScan &scan, const FileSystemRoom &fs) {
    RoomVerdict room;
    if (fs.block == 0) return room;
    room.files = static_cast<unsigned long long>(std::max(0LL, scan.bytes)) +
                 static_cast<unsigned long long>(std::max(0, scan.entries)) * fs.block;
    room.reserve = ReserveFor(fs.blocks * fs.block);
    room.free = fs.free * fs.block;
    room.fits = room.files + room.reserve <= room.free;
    return room;
}

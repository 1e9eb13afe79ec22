#include "package/package_check.h"

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
#include "package/package_reading.h"

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
    room.inodes = fs.f_files;
    room.free_inodes = fs.f_favail;
    return room;
}

bool FitsOnDisk(const PackagePlace &place, const PackageScan &scan) {
    ustring where;
    const RoomVerdict room = CheckRoom(scan, MeasureRoom(place, where));
    if (room.shortage == RoomVerdict::kBytes) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] tarrowind-service(%d): package '%s' needs %llu KiB (%llu KiB "
                       "of files and %llu KiB to spare), but only %llu KiB are free in '%s'; "
                       "keeping the installed copy\n",
                       __LINE__, place.package.c_str(), (room.files + room.reserve) / kKiB,
                       room.files / kKiB, room.reserve / kKiB, room.free / kKiB, where.c_str());
    } else if (room.shortage == RoomVerdict::kInodes) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] tarrowind-service(%d): package '%s' needs %llu inodes (%llu "
                       "entries and %llu to spare), but only %llu are free in '%s'; keeping the "
                       "installed copy\n",
                       __LINE__, place.package.c_str(), room.entries + room.inode_reserve,
                       room.entries, room.inode_reserve, room.free_inodes, where.c_str());
    }
    return room.fits();
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

// What the package's headers say about it, read in the reader program, with a
// WARNING (and the memo) when it holds nothing or its reading passes its
// limits, and with entries -1 when it cannot be read now.
PackageScan ScanPackage(const PackagePlace &place, const OpenedPackage &file, long long size) {
    const ReadLimits limits = LimitsFor(size);
    const BoundedRead read = ReadHeadersInChild(place.reader.c_str(), file.fd.get(), limits);
    if (read.outcome == BoundedRead::kNotStarted) {
        const std::string why =
            std::string("cannot run '") + place.reader.c_str() + "': " + strerror(read.error);
        LogRefusal(__LINE__, place, why.c_str());
        return PackageScan();
    }
    if (read.outcome == BoundedRead::kOverLimits) {
        LogRefusal(__LINE__, place, read.why.c_str());
        RememberFailedPackage(place, file.identity);
        return PackageScan();
    }
    const PackageScan scan = read.read.scan;
    if (scan.entries > 0) return scan;
    if (scan.entries < 0) {
        Logger::LogMsg(Logger::L_ERR, "extractor_debug",
                       "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n", __LINE__,
                       read.read.open_text.c_str());
        // The file could not be read in this run: nothing against its contents.
        if (CauseOfOpenError(read.read.open_error) != FailureCause::kPackage) {
            LogRefusal(__LINE__, place, read.read.open_text.c_str());
            return scan;
        }
    }
    Logger::LogMsg(Logger::L_WARNING, kComponent,
                   "[WARNING] tarrowind-service(%d): package '%s' holds nothing to install; "
                   "keeping the installed copy\n",
                   __LINE__, place.package.c_str());
    RememberFailedPackage(place, file.identity);
    return scan;
}

}  // namespace

PackageVerdict CheckPackage(const PackagePlace &place) {
    PackageVerdict verdict;
    verdict.refusal = PackageVerdict::Refusal::kPackage;
    auto file = std::make_shared<OpenedPackage>(
        open64(place.package.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat64 st;
    if (!file->fd.valid()) {
        LogRefusal(__LINE__, place, strerror(errno));
        return verdict;
    }
    if (fstat64(file->fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        LogRefusal(__LINE__, place, "not a regular file");
        return verdict;
    }
    file->identity = PackageIdentity(st, place.build);
    if (RememberedAsFailed(place, file->identity)) return verdict;
    const PackageScan scan = ScanPackage(place, *file, st.st_size);
    if (scan.entries <= 0) return verdict;
    if (!FitsOnDisk(place, scan)) {
        verdict.refusal = PackageVerdict::Refusal::kNoRoom;
        return verdict;
    }
    verdict.worth = true;
    verdict.refusal = PackageVerdict::Refusal::kNone;
    verdict.scan = scan;
    verdict.file = std::move(file);
    return verdict;
}

bool IsHeldAgainstThePackage(FailureCause cause) { return cause == FailureCause::kPackage; }

void RememberFailedPackage(const PackagePlace &place, const std::string &identity) {
    if (!identity.empty()) FSReplaceFile(MemoPath(place), identity);
}

void ForgetFailedPackage(const PackagePlace &place) { FSRemove(MemoPath(place), false); }

unsigned long long ReserveFor(unsigned long long file_system_bytes) {
    return std::max(32 * kMiB, std::min(file_system_bytes / 100, 1024 * kMiB));
}

unsigned long long InodeReserveFor(unsigned long long file_system_inodes) {
    return std::max(256ULL, std::min(file_system_inodes / 100, 65536ULL));
}

RoomVerdict CheckRoom(const PackageScan &scan, const FileSystemRoom &fs) {
    RoomVerdict room;
    if (fs.block == 0) return room;
    room.entries = static_cast<unsigned long long>(std::max(0, scan.entries));
    room.files =
        static_cast<unsigned long long>(std::max(0LL, scan.bytes)) + room.entries * fs.block;
    room.reserve = ReserveFor(fs.blocks * fs.block);
    room.free = fs.free * fs.block;
    room.inode_reserve = InodeReserveFor(fs.inodes);
    room.free_inodes = fs.free_inodes;
    if (room.files + room.reserve > room.free)
        room.shortage = RoomVerdict::kBytes;
    else if (fs.inodes != 0 && room.entries + room.inode_reserve > room.free_inodes)
        room.shortage = RoomVerdict::kInodes;
    return room;
}

#include "package/package_check.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>

#include "log.h"
#include "package/room.h"

namespace {

const char kComponent[] = "service_debug";
const unsigned long long kKiB = 1024;

typedef PackageVerdict::Finding Finding;

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
                   "[WARNING] package_check(%d): package '%s' cannot be installed: %s; "
                   "keeping the installed copy\n",
                   line, place.package.c_str(), why);
}

bool FitsOnDisk(const PackagePlace &place, const PackageScan &scan) {
    const MeasuredRoom measured = MeasureRoom(place.user, place.home);
    const RoomVerdict room = CheckRoom(scan, measured.room);
    if (room.shortage == RoomVerdict::kBytes) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] package_check(%d): package '%s' needs %llu KiB (%llu KiB "
                       "of files and %llu KiB to spare), but only %llu KiB are free in '%s'; "
                       "keeping the installed copy\n",
                       __LINE__, place.package.c_str(), (room.files + room.reserve) / kKiB,
                       room.files / kKiB, room.reserve / kKiB, room.free / kKiB,
                       measured.where.c_str());
    } else if (room.shortage == RoomVerdict::kInodes) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] package_check(%d): package '%s' needs %llu inodes (%llu "
                       "entries and %llu to spare), but only %llu are free in '%s'; keeping the "
                       "installed copy\n",
                       __LINE__, place.package.c_str(), room.entries + room.inode_reserve,
                       room.entries, room.inode_reserve, room.free_inodes, measured.where.c_str());
    }
    return room.fits();
}

// What the headers read in the reader program say of a package that could be
// opened by the reader: kWorth when it holds entries.
}  // namespace

Finding JudgeHeaders(const PackagePlace &place, const HeaderRead &read) {
    if (CauseOfReadError(read.read_error) != FailureCause::kPackage) {
        // The file could not be read to its end in this run: what was read
        // says nothing about the rest.
        const std::string why = std::string("reading it failed: ") + strerror(read.read_error);
        LogRefusal(__LINE__, place, why.c_str());
        return Finding::kUnreachable;
    }
    if (read.scan.entries > 0) return Finding::kWorth;
    if (read.scan.entries < 0) {
        Logger::LogMsg(Logger::L_ERR, "extractor_debug",
                       "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n", __LINE__,
                       read.open_text.c_str());
        // The file could not be read in this run: nothing against its contents.
        if (CauseOfOpenError(read.open_error) != FailureCause::kPackage) {
            LogRefusal(__LINE__, place, read.open_text.c_str());
            return Finding::kUnreachable;
        }
    }
    Logger::LogMsg(Logger::L_WARNING, kComponent,
                   "[WARNING] package_check(%d): package '%s' holds nothing to install; "
                   "keeping the installed copy\n",
                   __LINE__, place.package.c_str());
    return Finding::kFaulty;
}

namespace {

// Reads the package's headers in the reader program and judges them: the
// verdict without its file.
PackageVerdict ScanPackage(const PackagePlace &place, const OpenedPackage &file) {
    PackageVerdict verdict;
    const BoundedRead read =
        ReadHeadersInChild(place.reader.c_str(), file.fd.get(), LimitsFor(file.size));
    if (read.outcome == BoundedRead::kNotStarted) {
        const std::string why =
            std::string("cannot run '") + place.reader.c_str() + "': " + strerror(read.error);
        LogRefusal(__LINE__, place, why.c_str());
        return verdict;
    }
    if (read.outcome != BoundedRead::kRead) {
        // Only an end on its own limits is the package's; a stalled or
        // interrupted reading is the machine's, tried again at the next run.
        LogRefusal(__LINE__, place, read.why.c_str());
        if (read.outcome == BoundedRead::kOverLimits) verdict.finding = Finding::kFaulty;
        return verdict;
    }
    verdict.scan = read.read.scan;
    verdict.finding = JudgeHeaders(place, read.read);
    if (verdict.finding == Finding::kWorth && !FitsOnDisk(place, verdict.scan))
        verdict.finding = Finding::kNoRoom;
    return verdict;
}

// The package opened without blocking and checked to be a regular file, with
// its identity; null (logged) when it is not one.
std::shared_ptr<OpenedPackage> OpenPackage(const PackagePlace &place) {
    struct stat64 st;
    auto file = std::make_shared<OpenedPackage>(
        open64(place.package.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC), place.package);
    if (!file->fd.valid()) {
        LogRefusal(__LINE__, place, strerror(errno));
        return nullptr;
    }
    if (fstat64(file->fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        LogRefusal(__LINE__, place, "not a regular file");
        return nullptr;
    }
    file->identity = PackageIdentity(st, place.build);
    file->size = st.st_size;
    return file;
}

}  // namespace

PackageVerdict CheckPackage(const PackagePlace &place, const std::string &memo) {
    std::shared_ptr<OpenedPackage> file = OpenPackage(place);
    if (!file) return PackageVerdict();
    PackageVerdict verdict;
    if (memo == file->identity) {
        Logger::LogMsg(Logger::L_WARNING, kComponent,
                       "[WARNING] package_check(%d): package '%s' failed to install before and "
                       "has not changed since; keeping the installed copy\n",
                       __LINE__, place.package.c_str());
        verdict.finding = Finding::kRemembered;
    } else {
        verdict = ScanPackage(place, *file);
    }
    verdict.file = std::move(file);
    return verdict;
}

#include "package/room.h"

#include <sys/statvfs.h>

#include <algorithm>

namespace {

const unsigned long long kMiB = 1024 * 1024;

}  // namespace

unsigned long long ReserveFor(unsigned long long file_system_bytes) {
    return std::max(32 * kMiB, std::min(file_system_bytes / 100, 1024 * kMiB));
}

unsigned long long InodeReserveFor(unsigned long long file_system_inodes) {
    return std::max(256ULL, std::min(file_system_inodes / 100, 65536ULL));
}

MeasuredRoom MeasureRoom(const ustring &dir, const ustring &fallback) {
    struct statvfs64 fs;
    MeasuredRoom measured;
    measured.where = dir;
    if (statvfs64(dir.c_str(), &fs) != 0) {
        measured.where = fallback;
        if (statvfs64(fallback.c_str(), &fs) != 0) return measured;
    }
    measured.room.block = fs.f_frsize;
    measured.room.blocks = fs.f_blocks;
    measured.room.free = fs.f_bavail;
    measured.room.inodes = fs.f_files;
    measured.room.free_inodes = fs.f_favail;
    return measured;
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

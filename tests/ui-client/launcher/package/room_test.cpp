#include "package/room.h"

#include <gtest/gtest.h>

namespace {

const unsigned long long kMiB = 1024 * 1024;
const unsigned long long kGiB = 1024 * kMiB;

// Room kept beyond the new copy: 1 % of the file system between a floor of
// 32 MiB and a cap of 1 GiB.
TEST(CheckRoom, TheReserveScalesWithTheFileSystemBetweenFloorAndCap) {
    const struct {
        const char *name;
        unsigned long long file_system;
        unsigned long long reserve;
    } rows[] = {
        {"small disk: the floor", 1 * kGiB, 32 * kMiB},
        {"just above the floor", 4 * kGiB, 4 * kGiB / 100},
        {"a tenth of the cap", 10 * kGiB, 10 * kGiB / 100},
        {"just below the cap", 100 * kGiB, 1 * kGiB},
        {"large disk: the cap", 200 * kGiB, 1 * kGiB},
        {"huge disk: the cap", 20000 * kGiB, 1 * kGiB},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.reserve, ReserveFor(row.file_system));
        // The package's files take 10 MiB and 100 blocks of 4 KiB.
        PackageScan scan;
        scan.entries = 100;
        scan.bytes = 10 * kMiB;
        const unsigned long long files = 10 * kMiB + 100 * 4096;
        FileSystemRoom fs;
        fs.block = 4096;
        fs.blocks = row.file_system / 4096;
        fs.free = (files + row.reserve + 4095) / 4096;
        EXPECT_TRUE(CheckRoom(scan, fs).fits()) << "exactly enough";
        fs.free -= 1;
        const RoomVerdict short_by_a_block = CheckRoom(scan, fs);
        EXPECT_FALSE(short_by_a_block.fits());
        EXPECT_EQ(files, short_by_a_block.files);
        EXPECT_EQ(row.reserve, short_by_a_block.reserve);
    }
}

// Inodes kept beyond the new copy's: 1 % of the file system's between 256
// and 65,536; none asked of a file system without a fixed number.
TEST(CheckRoom, InodesAreCheckedWithTheirOwnReserveAfterTheBytes) {
    const struct {
        unsigned long long inodes;
        unsigned long long reserve;
    } rows[] = {{1500, 256}, {25600, 256}, {100000, 1000}, {6553600, 65536}, {100000000, 65536}};
    PackageScan scan;
    scan.entries = 900;
    scan.bytes = kMiB;
    FileSystemRoom fs;
    fs.block = 4096;
    fs.blocks = 10 * kGiB / 4096;
    fs.free = fs.blocks;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.inodes);
        EXPECT_EQ(row.reserve, InodeReserveFor(row.inodes));
        fs.inodes = row.inodes;
        fs.free_inodes = 900 + row.reserve;
        EXPECT_TRUE(CheckRoom(scan, fs).fits()) << "exactly enough";
        fs.free_inodes -= 1;
        const RoomVerdict short_by_one = CheckRoom(scan, fs);
        EXPECT_EQ(RoomVerdict::kInodes, short_by_one.shortage);
        EXPECT_EQ(900u, short_by_one.entries);
        EXPECT_EQ(row.reserve, short_by_one.inode_reserve);
        EXPECT_EQ(899 + row.reserve, short_by_one.free_inodes);
        fs.free = 1;
        EXPECT_EQ(RoomVerdict::kBytes, CheckRoom(scan, fs).shortage) << "bytes come first";
        fs.free = fs.blocks;
    }
    fs.inodes = 0;
    fs.free_inodes = 0;
    EXPECT_TRUE(CheckRoom(scan, fs).fits()) << "no fixed number of inodes";
}

}  // namespace

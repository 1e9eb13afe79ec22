#include "package/package_reading.h"

#include <errno.h>
#include <fcntl.h>

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "archive_builder.h"
#include "file/scoped.h"
#include "service_tree.h"
#include "test_support.h"

namespace {

using testing_support::ArchiveFormat;
using testing_support::FileEntry;
using testing_support::TempDir;

const std::string kReader = testing_support::PackageReader();

// How the reader program ends on each kind of package, and within which
// limit. The limits are small so that the rows end quickly.
TEST(ReadHeadersInChild, EndsWithinItsLimitsWhateverThePackage) {
    const struct {
        const char *name;
        const char *hostile;  // a case of hostile_packages.py; null: a sound tar.gz
        const char *reader;   // null: the built reader
        const char *signal;   // a signal sent to the reader 0.3 s after its start; null: none
        long long cpu_seconds;
        long long wall_ms;
        BoundedRead::Outcome outcome;
        const char *why;  // kOverLimits, kStalled, kInterrupted: the start of the reason
        int entries;      // kRead
        // More than 0: only the package's first bytes, that many, are read,
        // through a descriptor whose next read fails (FailingReadDescriptor).
        size_t failing_read = 0;
    } rows[] = {
        {"sound package", nullptr, nullptr, nullptr, 5, 10000, BoundedRead::kRead, "", 2},
        {"empty file", "zero_bytes", nullptr, nullptr, 5, 10000, BoundedRead::kRead, "", 0},
        {"endless, processor time", "endless_bzip2", nullptr, nullptr, 1, 10000,
         BoundedRead::kOverLimits, "reading it took more than 1 seconds of processor time", 0},
        {"endless, clock short of the processor time", "endless_bzip2", nullptr, nullptr, 30, 700,
         BoundedRead::kStalled, "reading it did not end within 1 seconds, while it got only", 0},
        {"endless, busy when the clock ran out", "endless_bzip2", nullptr, nullptr, 2, 1900,
         BoundedRead::kOverLimits, "reading it did not end within 2 seconds, busy for", 0},
        {"stopped past its clock", "endless_bzip2", nullptr, "STOP", 1, 2000, BoundedRead::kStalled,
         "reading it did not end within 2 seconds, while it got only 0.", 0},
        // The first entry and half the second header: the same bytes in a
        // file of their own are a truncated package.
        {"read fails after the first entry", nullptr, nullptr, nullptr, 5, 10000,
         BoundedRead::kRead, "", 1, 1280},
        {"killed from outside", "endless_bzip2", nullptr, "KILL", 5, 10000,
         BoundedRead::kInterrupted, "reading it was ended by signal 9 (Killed) from outside", 0},
#if !defined(__SANITIZE_ADDRESS__) && !defined(EMULATED)
        // Not where AddressSanitizer's shadow memory or an emulator (which
        // keeps data limits for itself) leaves the reader unlimited.
        {"dictionary beyond the memory", "huge_dictionary", nullptr, nullptr, 5, 10000,
         BoundedRead::kOverLimits, "reading it needed more than 96 MiB of memory", 0},
#endif
#if !defined(EMULATED)
        // An emulator reports a program it could not start as one that
        // exited with 127.
        {"no reader program", nullptr, "/nonexistent/reader", nullptr, 5, 10000,
         BoundedRead::kNotStarted, "", 0},
#endif
    };
    const TempDir dir;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string package = dir.sub(std::string(row.name) + ".qpk");
        if (row.hostile) {
            ASSERT_EQ(0, testing_support::RunCommand(std::string("python3 '") + HOSTILE_PACKAGES +
                                                     "' " + row.hostile + " '" + package +
                                                     "' /nonexistent /nonexistent"));
        } else {
            ASSERT_TRUE(testing_support::WriteArchive(
                package, row.failing_read ? ArchiveFormat::kTar : ArchiveFormat::kTarGz,
                {FileEntry("INFO", "[Version]\n"), FileEntry("bin/x", std::string(100, 'x'))}));
        }
        const ScopedFd fd(row.failing_read
                              ? testing_support::FailingReadDescriptor(
                                    testing_support::ReadFile(package).substr(0, row.failing_read))
                              : open(package.c_str(), O_RDONLY | O_CLOEXEC));
        if (row.failing_read && !fd.valid()) GTEST_SKIP() << "no terminal to fail a read";
        ASSERT_TRUE(fd.valid());
        if (!row.failing_read) {
            ASSERT_EQ(5, lseek(fd.get(), 5, SEEK_SET)) << "read from the start whatever the offset";
        }
        ReadLimits limits = LimitsFor(0);
        limits.cpu = std::chrono::seconds(row.cpu_seconds);
        limits.wall = std::chrono::milliseconds(row.wall_ms);
        std::string reader = row.reader ? row.reader : kReader;
        if (row.signal) {
            // The reader itself, signalled by a shell that started as it.
            reader = dir.sub(std::string(row.name) + ".sh");
            testing_support::WriteFile(reader,
                                       std::string("#!/bin/sh\n( sleep 0.3; kill -") + row.signal +
                                           " $$ ) >/dev/null 2>&1 &\nexec " +
                                           testing_support::Quote(kReader) + " \"$@\"\n",
                                       0755);
        }
        const BoundedRead read = ReadHeadersInChild(reader, fd.get(), limits);
        EXPECT_EQ(row.outcome, read.outcome) << read.why;
        EXPECT_EQ(0u, read.why.find(row.why)) << read.why;
        if (row.outcome == BoundedRead::kRead) {
            EXPECT_EQ(row.entries, read.read.scan.entries);
            EXPECT_EQ(row.failing_read ? EIO : 0, read.read.read_error);
        }
        if (row.outcome == BoundedRead::kNotStarted) {
            EXPECT_EQ(ENOENT, read.error);
        }
    }
}

// The bound grows with the package: eight seconds of processor time and one
// more per 2 MiB, four more on the clock.
TEST(LimitsFor, GrowWithThePackageFromAFloor) {
    const struct {
        long long bytes;
        long long cpu;
    } rows[] = {{0, 8}, {-1, 8}, {2 << 20, 9}, {150LL << 20, 83}, {4LL << 30, 2056}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.bytes);
        const ReadLimits limits = LimitsFor(row.bytes);
        EXPECT_EQ(row.cpu, limits.cpu.count());
        EXPECT_EQ((row.cpu + 4) * 1000, limits.wall.count());
        EXPECT_EQ(96u << 20, limits.memory);
    }
}

// What the reader prints is read back unchanged; anything else is refused.
TEST(ParseReport, ReadsBackWhatWasFormattedAndNothingElse) {
    HeaderRead sent;
    sent.scan.entries = 12;
    sent.scan.bytes = 1LL << 40;
    sent.stop_error = EILSEQ;
    sent.read_error = EIO;
    sent.open_error = 0;
    sent.open_text = "two\nlines";
    const std::optional<HeaderRead> got = ParseReport(FormatReport(sent));
    ASSERT_TRUE(got);
    EXPECT_EQ(12, got->scan.entries);
    EXPECT_EQ(1LL << 40, got->scan.bytes);
    EXPECT_EQ(EILSEQ, got->stop_error);
    EXPECT_EQ(EIO, got->read_error);
    EXPECT_EQ("two lines", got->open_text);
    for (const char *bad :
         {"", "read 1 2 3\n", "read 1 2 3 4", "12 0 0 0 \n", "read -2 0 0 0 0 \n"})
        EXPECT_FALSE(ParseReport(bad)) << bad;
}

}  // namespace

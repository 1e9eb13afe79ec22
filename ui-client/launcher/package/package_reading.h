#ifndef UI_CLIENT_LAUNCHER_PACKAGE_PACKAGE_READING_H
#define UI_CLIENT_LAUNCHER_PACKAGE_PACKAGE_READING_H

#include <stddef.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "upgrade/failure_cause.h"

// Reading a package's headers where it can be stopped. libarchive cannot be
// interrupted inside a call, and some archives keep it busy for good (a
// compressed stream that decompresses into itself, a directory that contains
// itself): the headers are read by a program of their own,
// "tarrowind-package-reader", under limits of time, processor time and
// memory, and killed when it passes them.

struct archive;

// Frees a libarchive reader.
struct PackageReaderFree {
    void operator()(struct archive *reader) const;
};
// Owns a libarchive reader.
typedef std::unique_ptr<struct archive, PackageReaderFree> PackageReader;

// The block size every reading of a package opens it with.
const size_t kPackageBlockSize = 10240;

// A reader set up as every reading of a package is: every filter and every
// format libarchive has. The check (ReadHeaders) and the extraction both take
// theirs from here, so that an archive one of them accepts the other reads
// alike. Null when it cannot be allocated.
PackageReader NewPackageReader();

// The package's file as a reader reads it: read(2) on `fd`, the system error
// of a read that fails noted in `read_error`. libarchive's own error number
// cannot tell a file that cannot be read (a failing disk, a stale network
// file) from bytes it cannot make out: it reports a truncated archive with
// EIO too. A reader's failure is the machine's only when `read_error` says so.
struct PackageSource {
    explicit PackageSource(int descriptor) : fd(descriptor) {}
    PackageSource(const PackageSource &) = delete;
    PackageSource &operator=(const PackageSource &) = delete;
    int fd;              // the caller's
    int read_error = 0;  // errno of the read(2) that failed; 0: none failed
    char buffer[kPackageBlockSize];
};

// Opens `reader` over `source` from the file's start (a descriptor that
// cannot seek, a pipe or a terminal, from where it stands): ARCHIVE_OK or
// libarchive's error. `source` must outlive the reading.
int OpenPackageSource(struct archive *reader, PackageSource *source);

// The cause of a reader's failure after `read_error` (PackageSource): none
// (0 or less) leaves libarchive's own verdict on the bytes, the package's; any system
// error of reading the file (EIO, ESTALE, ETIMEDOUT, ENXIO, EACCES...) is the
// machine's, kEnvironment: the package's storage is not the per-user disk
// (kDisk), and either is tried again at the next run.
FailureCause CauseOfReadError(int read_error);

// What a reading pass over a package found. `entries` counts every header read
// before the end or the damage; -1 when the package could not be opened.
struct PackageScan {
    int entries = -1;
    long long bytes = 0;  // sum of the entries' sizes, without file-system overhead
};

// What reading every header of a package found.
struct HeaderRead {
    PackageScan scan;
    // When it could not be opened (scan.entries -1): libarchive's error
    // number (a system errno, or one of its own) and text.
    int open_error = 0;
    std::string open_text;
    // When reading stopped before the end of the package: libarchive's error
    // number then (0: the end was reached).
    int stop_error = 0;
    // When a read of the file failed, which stopped (or kept from opening)
    // the reading: its errno (PackageSource::read_error).
    int read_error = 0;
};

// Reads every header of the package open at `fd` from its start, skipping the
// data, with every filter and format libarchive has; names are read as UTF-8.
HeaderRead ReadHeaders(int fd);

// The reader program's report of `read` on its standard output: one line.
std::string FormatReport(const HeaderRead &read);
// What the report `text` of FormatReport says; nothing when `text` is not one.
std::optional<HeaderRead> ParseReport(const std::string &text);

// How long and how much a reading of the package may take.
struct ReadLimits {
    std::chrono::seconds cpu{0};        // processor time
    std::chrono::milliseconds wall{0};  // time on the clock
    unsigned long long memory = 0;      // bytes of data (heap and mappings)
};

// The limits for a package of `package_bytes`. Reading the headers of a
// sound package takes a fraction of a second per MiB on any machine the
// client runs on; the bound allows 8 seconds of processor time plus one per
// 2 MiB of package (a reading rate twenty times below a slow core's), and 4
// seconds more on the clock for a loaded machine. Memory: 96 MiB, what the
// largest dictionaries of the formats in use (xz -9: 64 MiB) need with room.
ReadLimits LimitsFor(long long package_bytes);

// The reader program's exit status when it ran out of memory under its limit
// outside libarchive (which reports ENOMEM instead).
const int kReaderOutOfMemory = 3;

// How reading a package in the reader program ended. Only an end that proves
// the package kept the reader busy is held against it: the reader ended on
// its own processor-time limit (the processor time it used, as the kernel
// accounts it, reached the limit) or on its memory limit. A reader that ran
// out of time on the clock while it got less than its processor time, or
// that was ended otherwise, says nothing about the package.
struct BoundedRead {
    enum Outcome {
        kRead,         // read: `read` holds what was found (maybe unopened)
        kOverLimits,   // ended on its processor-time or memory limit: the package's fault
        kStalled,      // did not end on the clock, short of its processor time:
                       // the machine or the file's storage stalled it
        kInterrupted,  // ended by a signal from outside, or without a report for
                       // a reason other than its limits: the machine's
        kNotStarted,   // the reader could not be started: `error`
    };
    Outcome outcome = kNotStarted;
    HeaderRead read;
    int error = 0;
    std::string why;  // kOverLimits, kStalled, kInterrupted: what happened, for the log
};

// Runs `reader` (the reader program) over the package open at `fd` with
// `limits`; the package is read from its start whatever `fd`'s offset.
BoundedRead ReadHeadersInChild(const std::string &reader, int fd, const ReadLimits &limits);

// The reader program's main: sets `limits` on itself, reads the package on its
// standard input and prints the report. Returns the exit status.
int RunPackageReader(const ReadLimits &limits);

// The cause of a failure of the reader to open the source. libarchive passes
// on the system's errno when open(2), fstat(2) or read(2) fail on the file:
// the package could not be reached in this run (it was being replaced, or its
// permissions changed, after the caller checked it), which says nothing about
// its contents. Bytes it read but could not make out (no format it knows, a
// damaged compression header) carry its own codes: the package's fault.
FailureCause CauseOfOpenError(int error);

#endif

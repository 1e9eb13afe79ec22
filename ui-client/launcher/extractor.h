#ifndef UI_CLIENT_LAUNCHER_EXTRACTOR_H
#define UI_CLIENT_LAUNCHER_EXTRACTOR_H

#include <string>

#include "package/package_reading.h"
#include "upgrade/failure_cause.h"
#include "ustring/ustring.h"

struct archive;

// Whose fault a failed extraction is (FailureCause):
// - kPackage: the reader opened the source but cannot make out its format, or
//   fails on a header or on data without a failed read of the file; an entry refused by the
//   extractor's own checks or by the writer's (a ".." element); a name the file system cannot take
//   or that cannot be converted; a hard link to an entry the package does not hold; a non-directory
//   of the package's own on an entry's way; no entries at all.
// - kDisk: the target cannot be written (see CauseOfWriterError), entered or
//   resolved, for any reason not listed under the other two.
// - kEnvironment: the source cannot be opened or read as a file (it vanished
//   or its permissions changed after the caller checked it: that says nothing
//   about its contents), a read of it fails (EIO, ESTALE, ETIMEDOUT: its
//   storage, not its bytes; CauseOfReadError), the target vanished, a busy file, an interrupted
//   call, memory or descriptors running out, or missing paths (the caller's
//   mistake).

// The cause of a failure that the disk writer reported with `error` (its
// archive_errno; 0 or less: a refusal of its own, which carries no system
// error). `hardlink`: the failing entry was a hard link, whose target must be
// an entry of the package.
FailureCause CauseOfWriterError(int error, bool hardlink);

// Unpacks a package archive (any format and compression libarchive reads)
// into a directory. Every operation creates its libarchive handles and frees
// them before it returns; between calls the object holds only the two paths.
// Failures are logged once under "extractor_debug". Nothing is thrown.
// Names are bytes: entry names are read and written the same whatever the
// session's locale (the extracting thread reads them as UTF-8).
//
// Threading: runs on the launcher's worker thread; progress and the status
// line reach the dialog only through Notify_Adapter's signals.
class Extractor {
public:
    Extractor();

    // The directory to unpack into, without a trailing slash.
    void SetTarget(const ustring &path);
    // The archive file to read.
    void SetSource(const ustring &path);
    // Reads the archive already open at `fd` instead of opening the source's
    // path again (which then only names it in the log), from its start in
    // every pass: what is read is the file that was checked, whatever has
    // been renamed to its path since. `fd` stays the caller's.
    void SetSourceFile(int fd);

    // Unpacks every entry of the source under the target: entry "a/b" goes to
    // <target>/a/b, an absolute entry "/a/b" as well, and hard-link targets
    // are placed under the target the same way. While it writes, the
    // process's working directory is the target (it is put back afterwards).
    // An entry or link target with a ".." element fails the extraction.
    // Nothing is written through a symbolic link: a link met on an entry's
    // way (one the archive made earlier) is removed and a real directory
    // takes its place. Existing files are removed before they are written;
    // owners, times and set-id bits are not restored, modes pass through the
    // umask. Sets the dialog's status line once and reports (total, n) after
    // the n-th entry's data is written, whenever n moves the whole percent.
    // `scan`: what an earlier Scan() of the same source found, so that the
    // source is not read twice; without it, or when it found no entries,
    // Extract() scans first. A source that yields more entries than `scan`
    // counted has changed since: the extraction fails, the package's fault. Runs with a UTF-8
    // character type on the calling thread (the process's locale is left alone). On failure
    // whatever was written stays on disk; roll-back is the caller's business.
    // REQUIRES: the target directory exists (its canonical path is used).
    FailureCause Extract(const PackageScan *scan = nullptr);
    // Reads every header of the source once, counting entries (every type)
    // and adding up their sizes. A damaged archive counts the entries before
    // the damage. Both paths must be set although only the source is read.
    // Names are read as UTF-8, as in Extract().
    PackageScan Scan() const;
    // Scan().entries: the number of entries, or -1.
    int Count() const;
    // Prints every entry's path name, one per line, to standard output.
    // Returns 0, or -1 when the paths are unset or the source cannot be opened.
    int List() const;
    // Copies the current entry's data blocks from reader `ar` to writer `aw`.
    // Returns 0 at the end of the entry's data, -1 on a null handle or an
    // error of either side.
    int copy_data(struct archive *ar, struct archive *aw) const;

private:
    ustring target;
    ustring source;
    int source_fd = -1;
};

#endif

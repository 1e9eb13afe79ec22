#ifndef UI_CLIENT_LAUNCHER_EXTRACTOR_H
#define UI_CLIENT_LAUNCHER_EXTRACTOR_H

#include "ustring/ustring.h"

struct archive;

// Unpacks a package archive (any format and compression libarchive reads)
// into a directory. Every operation creates its libarchive handles and frees
// them before it returns; between calls the object holds only the two paths.
// Results: 0 (or a count) for success, -1 for every failure, each failure
// logged once under "extractor_debug". Nothing is thrown.
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

    // Unpacks every entry of the source under the target: entry "a/b" goes to
    // <target>/a/b, an absolute entry "/a/b" as well, and hard-link targets
    // are placed under the target the same way. While it writes, the
    // process's working directory is the target (it is put back afterwards). An entry or link
    // target with a ".." element fails the extraction. Nothing is written
    // through a symbolic link: a link met on an entry's way (one the archive
    // made earlier) is removed and a real directory takes its place.
    // Existing files are removed before they are written; owners, times and
    // set-id bits are not restored, modes pass through the umask.
    // Sets the dialog's status line once and reports (total, n) after the
    // n-th entry's data is written. On failure whatever was written stays on
    // disk; roll-back is the caller's business.
    // REQUIRES: the target directory exists (its canonical path is used).
    int Extract();
    // The number of entries of the source (every type counts), or -1 when it
    // cannot be opened. A damaged archive counts the entries before the
    // damage. Both paths must be set although only the source is read. The
    // same pass adds up the entries' sizes: see UnpackedBytes().
    int Count();
    // The sum of the sizes of the entries the last Count() saw: what the
    // unpacked files hold, without the file system's own overhead.
    long long UnpackedBytes() const { return unpacked_bytes; }
    // The number of entries when it is already known (a Count() made before
    // the caller prepared the target), so that Extract() need not read the
    // archive twice; 0 or less: Extract() counts.
    void SetTotal(int total) { known_total = total; }
    // After Extract() failed: whether the package itself is at fault (it
    // cannot be read, it is damaged, or it holds an entry that is refused),
    // rather than the target (no space, no permission, a write that failed).
    bool PackageAtFault() const { return package_at_fault; }
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
    long long unpacked_bytes = 0;
    int known_total = 0;
    bool package_at_fault = false;
};

#endif

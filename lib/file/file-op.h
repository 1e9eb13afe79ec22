#ifndef LIB_FILE_FILE_OP_H
#define LIB_FILE_FILE_OP_H

#include <dirent.h>
#include <stdint.h>
#include <sys/types.h>
#include <time.h>

#include <string>

#include "ustring/ustring.h"

// File-system operations over POSIX calls (64-bit sizes and offsets).
//
// Paths are passed to the system as their UTF-8 bytes. Operations return 0 on
// success and a negative code on failure (codes per operation below), or a
// bool / ustring. Nothing throws except ustring's allocation errors. errno is
// left as the failing call set it. Failures are logged under the component
// "file_op_debug". No function keeps shared state, except that FSMKDirP with
// an explicit mode changes the process umask while it runs.

enum _FILE_TYPE_tag {
    FT_ERR = 0,  // missing or unrecognised
    FT_FILE = 1,
    FT_DIR = 2,
    FT_SLINK = 3,  // symbolic link
    FT_HLINK = 4,  // never produced
    FT_DEV = 5,    // character or block device
    FT_FIFO = 6,
    FT_SOCK = 7,
};
typedef enum _FILE_TYPE_tag FILE_TYPE;

typedef struct _FILE_INFO_tag {
    ustring path;    // as passed in
    ustring name;    // FSBaseName(path)
    FILE_TYPE type;  // of the entry itself; links are not followed
    uint32_t mtime;  // seconds since the epoch
    uint64_t size;
    bool isExist;
    uint32_t uid;
    uint32_t gid;
    uint32_t mode;  // full mode word, type bits included
    uint64_t dev_id;

    _FILE_INFO_tag();
    // Compares isExist, size, mtime, type, path and name only.
    bool operator==(const _FILE_INFO_tag &other) const;
    bool operator!=(const _FILE_INFO_tag &other) const;
} FILE_INFO;

// An open directory listing. Plain record: the stream is released only by
// FSCloseDir, never by going out of scope.
typedef struct _DIR_HANDLE_tag {
    ustring path;  // the directory
    int flag;      // bit 0 set: FSReadDir fills mtime and size of each entry
    DIR *dp;       // null when closed

    _DIR_HANDLE_tag() : flag(0), dp(nullptr) {}
} DIR_HANDLE;

typedef struct _DIR_ENTRY_tag {
    ustring name;  // entry name only
    FILE_TYPE type;
    uint32_t mtime;
    uint64_t size;

    _DIR_ENTRY_tag() : type(FT_ERR), mtime(0), size(0) {}
} DIR_ENTRY;

// Describes the entry itself (lstat). A missing path is described as
// isExist false, type FT_ERR, and gives 0. Returns -1, `info` untouched, for
// any other failure; -1 with `info` filled for an unknown type.
int GetFileInfo(const ustring &path, FILE_INFO &info);
// 0; -1 empty path; -2 GetFileInfo failed. `do_case_check` has no effect.
int FSStat(const ustring &path, FILE_INFO &info, bool do_case_check = false);
// True when the entry exists; a dangling symbolic link exists.
bool IsFileExist(const ustring &path, bool do_case_check = false);

// 0 when created or already a directory (or a symbolic link to one); -1 for
// an empty path, an information failure or an existing non-directory; -2 when
// creation failed. Without `isCreateParent` the parent must exist.
int FSMKDir(const ustring &path, bool isCreateParent = false);
// Creates every missing level of `path`. `mode` with all bits set means 0777
// under the current umask; any other mode is applied exactly (the umask is 0
// while this runs). With `blForceCreate` a non-directory in the way is
// replaced by a directory. When `endptr` is given it receives a pointer into
// path.c_str(): its terminator on success, else the character that ends the
// failing level. Returns 0 / -1.
int FSMKDirP(const ustring &path, const char **endptr = nullptr, bool blForceCreate = false,
             mode_t mode = static_cast<mode_t>(-1));
// Creates the levels of `path` below the existing root `from`, one at a time.
// -1 when `from` is not a parent folder of `path`.
int FSMKDirFromRoot(const ustring &path, const ustring &from);

// Copies the bytes of a regular file (no mode, owner or times) in 32 MiB
// blocks and syncs the destination. With `isDelOrigin` the source is removed
// after a complete copy. 0; -2 when the destination ran out of space or
// quota; -1 any other failure. A failed copy leaves the partial destination.
int FSCopy(const ustring &src, const ustring &dst, bool isDelOrigin = false);
// Moves `from` to `to`, across file systems by copying files (with their
// permission bits), re-creating directories and symbolic links and removing
// the sources. 0; -1 an empty argument; -2 source missing or not readable;
// -100 name too long; -3 any other failure (what was moved stays moved).
int FSRename(const ustring &from, const ustring &to, bool do_case_check = false);
// Removes a file, link (not its target) or whole directory tree. Directories
// of the tree that the caller owns get the owner's read, write and search
// bits first, so read-only ones can be emptied. A tree is removed by
// descriptors at any depth and never beyond its own file system: a mount
// point inside it stays, with what it holds (RemoveTree). 0 also when
// nothing was there; -1 empty path or information failure; -3 failure, with
// errno from the first entry that could not be removed, or EBUSY when mount
// points were left (the tree then still exists).
int FSRemove(const ustring &path, bool allowundo = false);

// What FSReadSmallFile found at a path.
struct SmallFile {
    enum Status {
        kRead,        // `text` holds the file's first bytes
        kMissing,     // nothing at the path
        kNotRegular,  // a FIFO, a device, a socket, a directory (or a link, when
                      // links are not followed)
        kError,       // it could not be opened or read: `error` says why
    };
    Status status = kError;
    int error = 0;  // errno of the failing call, for kError
    std::string text;
};
// Reads at most `limit` bytes of the regular file `path` without ever
// blocking: anything but a regular file is refused before anything is read.
// With `follow_link` false a symbolic link at `path` is refused too.
SmallFile FSReadSmallFile(const ustring &path, size_t limit, bool follow_link = true);

// 0 / -1. On success `dh` owns an open stream that FSCloseDir must release.
int FSOpenDir(const ustring &path, int flag, DIR_HANDLE &dh);
// 1 entry filled ("." and ".." included); 0 end of directory; -1 failure.
// The type comes from the directory entry alone (FT_ERR when it has none).
int FSReadDir(DIR_HANDLE &dh, DIR_ENTRY &entry);
// Closes the stream if open and clears the handle.
void FSCloseDir(DIR_HANDLE &dh);

// Creates a new empty file with mode 0644 in directory `prefix`; its path
// goes to `path`. 0 / -1.
int FSMktemp(const ustring &prefix, ustring &path);
// `path` = prefix + "/" + a random 8-character name; nothing is created.
int FSCreateTempPath(const ustring &prefix, ustring &path);
// Sets access and modification time of the entry itself (links too). 0 / -1.
int FSUTime(const ustring &path, time_t atime, time_t mtime);

// Bytes before the last "/"; "/" when there is none or it is the first byte.
ustring FSParentPath(const ustring &path);
// Bytes after the last "/"; the whole path without one; empty after a final
// "/".
ustring FSBaseName(const ustring &path);
// True when `child` is `parent` or lies below it, compared byte-wise.
// "/a/" is not a parent of "/a/b".
bool FSIsParentFolder(const ustring &parent, const ustring &child);
// Replaces `path` by its canonical absolute form. 0; -1 with `path` unchanged.
int FSGetRealPath(ustring &path);

int FSCreateSymbolicLink(const ustring &target_path, const ustring &link_path);
int FSReadSymbolicLink(const ustring &link_path, ustring &target_path);
// Changes the owner of the entry itself (a link is not followed). 0 / -1.
int FSChown(const ustring &path, uid_t owner, gid_t group);
bool FSTimeEqual(time_t a, time_t b);

// True only when access(path, flag) is denied (EPERM or EACCES); a missing
// file is not locked.
bool isFileLocked(const ustring &path, int flag);
// !isFileLocked(path, flag); true for a missing file.
bool hasFilePermission(const ustring &path, int flag);
// True when `path` lies on an NFS or CIFS share.
bool isMountPoint(const ustring &path);
// True when `path` lies on an MS-DOS (FAT) file system.
bool IsMSDOS(const ustring &path);

#endif

#ifndef LIB_FILE_REMOVE_TREE_H
#define LIB_FILE_REMOVE_TREE_H

#include <stdint.h>
#include <sys/types.h>

#include <string>

// What the removals need to know of an entry; a link is never followed.
struct EntryStat {
    mode_t mode = 0;
    uid_t uid = 0;
    uint64_t dev = 0;
    uint64_t ino = 0;
    uint64_t mount = 0;  // the mount's id; 0 where the kernel does not tell it

    // Whether both lie on one mounted file system: the same device, and the
    // same mount where the kernel names mounts (a bind mount of a folder of
    // the same device differs only there).
    bool SameMount(const EntryStat &other) const {
        return dev == other.dev && (mount == 0 || other.mount == 0 || mount == other.mount);
    }
};

// Whether a directory entry's name is "." or "..".
inline bool IsDotOrDotDot(const char *name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Describes `name` in the directory `dirfd`; an empty `name` describes
// `dirfd` itself. 0, or -1 with errno.
int StatAt(int dirfd, const char *name, EntryStat &st);

// Removes the directory `path` and everything below it, by descriptors, so
// that no depth is too deep, and without leaving the file system that holds
// `path`: a mount point inside the tree is left with what it holds (a
// WARNING names it) and so are the folders above it. Folders of the caller's
// own that are read-only or closed get the owner's bits first. The first
// other failure ends the removal. 0 when `path` is gone; -3 with errno from
// that failure (EBUSY when only mount points were left).
int RemoveTree(const std::string &path);

#endif

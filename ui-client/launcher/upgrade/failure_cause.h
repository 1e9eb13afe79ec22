#ifndef UI_CLIENT_LAUNCHER_UPGRADE_FAILURE_CAUSE_H
#define UI_CLIENT_LAUNCHER_UPGRADE_FAILURE_CAUSE_H

// Whose fault a failed installation is. Only a package's own fault is
// remembered against it: the disk's and the environment's may be gone at the
// next login.
enum class FailureCause {
    kNone,         // nothing failed
    kPackage,      // the package: bytes that cannot be made out, damaged data, a refused entry,
                   // a hard link to an entry it does not hold, a name the file
                   // system cannot take, nothing in it, a build other than the
                   // system's version file announces
    kDisk,         // the target: no space, no inodes, quota, permissions, an
                   // I/O error, a read-only file system, a file-size limit
    kEnvironment,  // the run itself: an interrupted call, a busy file, a lock,
                   // a package file that cannot be read (an I/O error of its
                   // storage, a stale network file)
};

#endif

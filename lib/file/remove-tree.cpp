#include "file/remove-tree.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <set>
#include <vector>

#include "file/scoped.h"
#include "log.h"

namespace {

// One folder on the way down from the tree's root.
struct Level {
    EntryStat st;                // to know it again when climbing back through ".."
    std::string name;            // its name in the level above
    std::set<std::string> kept;  // entries left because they are, or hold, mount points
};

// What one pass over a folder found.
struct Pass {
    int error = 0;     // errno of a failure that ends the removal
    std::string down;  // a subfolder to empty next; empty: the folder is done
    EntryStat st;      // the subfolder's
};

void WarnMountPoint(const std::string &path) {
    Logger::LogMsg(Logger::L_WARNING, "file_op_debug",
                   "[WARNING] remove-tree(%d): '%s' is the mount point of another file system; "
                   "leaving it and what it holds\n",
                   __LINE__, path.c_str());
}

// Unlinks `name`, a non-directory in `level`'s folder `fd`. 0, or errno.
int UnlinkEntry(int fd, const char *name, Level &level, const std::string &path) {
    if (unlinkat(fd, name, 0) == 0 || errno == ENOENT) return 0;
    if (errno != EBUSY) return errno;
    // A file mounted over a file.
    WarnMountPoint(path + "/" + name);
    level.kept.insert(name);
    return 0;
}

// Unlinks the non-directories of `level`'s folder `fd` (whose path is
// `path`) up to its first subfolder on the mount of `root`, which it
// returns. The pass reads the folder from its start: what earlier passes
// removed is no longer there.
Pass ScanLevel(int fd, Level &level, const EntryStat &root, const std::string &path) {
    Pass pass;
    const int copy = fcntl(fd, F_DUPFD_CLOEXEC, 0);
    ScopedDir stream(copy >= 0 ? fdopendir(copy) : nullptr);
    if (!stream) {
        pass.error = errno;
        if (copy >= 0) close(copy);
        return pass;
    }
    rewinddir(stream.get());  // the copy shares the offset of earlier passes
    for (;;) {
        errno = 0;
        const struct dirent64 *ent = readdir64(stream.get());
        if (!ent) {
            pass.error = errno;
            return pass;
        }
        const char *name = ent->d_name;
        if (IsDotOrDotDot(name) || level.kept.count(name)) continue;
        EntryStat st;
        const bool maybe_dir = ent->d_type == DT_DIR || ent->d_type == DT_UNKNOWN;
        if (maybe_dir && StatAt(fd, name, st) != 0) {
            if (errno == ENOENT) continue;
            pass.error = errno;
            return pass;
        }
        if (!maybe_dir || !S_ISDIR(st.mode)) {
            pass.error = UnlinkEntry(fd, name, level, path);
            if (pass.error) return pass;
        } else if (!st.SameMount(root)) {
            WarnMountPoint(path + "/" + name);
            level.kept.insert(name);
        } else {
            pass.down = name;
            pass.st = st;
            return pass;
        }
    }
}

// Opens the subfolder that `pass` found below `cur` and makes it the
// current level. 0, or errno.
int Descend(ScopedFd &cur, std::vector<Level> &levels, const Pass &pass, std::string &path) {
    const char *name = pass.down.c_str();
    // A package or an earlier copy may hold read-only (0555) or closed (000)
    // folders; their owner may open them up to empty them. The change does
    // not follow a link.
    if (pass.st.uid == geteuid() && (pass.st.mode & S_IRWXU) != S_IRWXU)
        fchmodat(cur.get(), name, (pass.st.mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW);
    const int fd = openat(cur.get(), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return errno;
    cur.reset(fd);
    Level level;
    if (StatAt(fd, "", level.st) != 0) return errno;
    // Replaced between the look and the opening: not the folder that was
    // checked.
    if (level.st.dev != pass.st.dev || level.st.ino != pass.st.ino) return ESTALE;
    level.name = pass.down;
    levels.push_back(level);
    path += "/" + pass.down;
    return 0;
}

// Leaves the finished level for the one above, through "..", and removes
// the finished folder unless it holds a mount point. 0, or errno.
int Climb(ScopedFd &cur, std::vector<Level> &levels, std::string &path) {
    const Level done = levels.back();
    levels.pop_back();
    const int up = openat(cur.get(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (up < 0) return errno;
    cur.reset(up);
    EntryStat st;
    if (StatAt(up, "", st) != 0) return errno;
    // The tree was moved meanwhile: ".." is no longer the folder it was.
    if (st.dev != levels.back().st.dev || st.ino != levels.back().st.ino) return ESTALE;
    path.resize(path.size() - done.name.size() - 1);
    if (!done.kept.empty()) {
        levels.back().kept.insert(done.name);
        return 0;
    }
    return unlinkat(up, done.name.c_str(), AT_REMOVEDIR) == 0 ? 0 : errno;
}

int Failed(int error) {
    errno = error;
    return -3;
}

}  // namespace

int StatAt(int dirfd, const char *name, EntryStat &st) {
    struct statx x;
    const int flags = AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT | (*name ? 0 : AT_EMPTY_PATH);
    if (statx(dirfd, name, flags, STATX_TYPE | STATX_MODE | STATX_UID | STATX_INO | STATX_MNT_ID,
              &x) != 0)
        return -1;
    st.mode = x.stx_mode;
    st.uid = x.stx_uid;
    st.dev = makedev(x.stx_dev_major, x.stx_dev_minor);
    st.ino = x.stx_ino;
    st.mount = (x.stx_mask & STATX_MNT_ID) ? x.stx_mnt_id : 0;
    return 0;
}

int RemoveTree(const std::string &path) {
    ScopedFd cur(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!cur.valid()) return Failed(errno);
    std::vector<Level> levels(1);
    if (StatAt(cur.get(), "", levels[0].st) != 0) return Failed(errno);
    const EntryStat root = levels[0].st;
    std::string shown = path;
    for (;;) {
        const Pass pass = ScanLevel(cur.get(), levels.back(), root, shown);
        if (pass.error) return Failed(pass.error);
        int error = 0;
        if (!pass.down.empty()) {
            error = Descend(cur, levels, pass, shown);
        } else if (levels.size() > 1) {
            error = Climb(cur, levels, shown);
        } else {
            break;
        }
        if (error) return Failed(error);
    }
    cur.reset();
    if (!levels[0].kept.empty()) return Failed(EBUSY);
    return rmdir(path.c_str()) == 0 ? 0 : Failed(errno);
}

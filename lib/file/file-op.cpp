#include "file/file-op.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

#include "file/remove-tree.h"
#include "file/scoped.h"
#include "log.h"
#include "tmp_name_gen.h"

namespace {

const ustring &Component() {
    static const ustring component("file_op_debug");
    return component;
}

// The format's first value must be __LINE__.
#define FILE_OP_LOG(level, ...) Logger::LogMsg(level, Component(), __VA_ARGS__)

const size_t kCopyBufferSize = 32 * 1024 * 1024;
const mode_t kDefaultMode = static_cast<mode_t>(-1);
const uint32_t kNfsMagic = 0x6969;
const uint32_t kCifsMagic = 0xFF534D42;
const uint32_t kMsdosMagic = 0x4D44;

FILE_TYPE TypeFromMode(mode_t mode) {
    if (S_ISREG(mode)) return FT_FILE;
    if (S_ISDIR(mode)) return FT_DIR;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return FT_DEV;
    if (S_ISLNK(mode)) return FT_SLINK;
    if (S_ISFIFO(mode)) return FT_FIFO;
    if (S_ISSOCK(mode)) return FT_SOCK;
    return FT_ERR;
}

FILE_TYPE TypeFromDirent(unsigned char d_type) {
    switch (d_type) {
        case DT_FIFO:
            return FT_FIFO;
        case DT_CHR:
        case DT_BLK:
            return FT_DEV;
        case DT_DIR:
            return FT_DIR;
        case DT_REG:
            return FT_FILE;
        case DT_LNK:
            return FT_SLINK;
        case DT_SOCK:
            return FT_SOCK;
        default:
            return FT_ERR;
    }
}

// Writes the `size` bytes at `data` to `fd`. 0, or -1 when a write failed
// or put nothing (errno as the write left it).
int WriteAll(int fd, const char *data, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t put = write(fd, data + done, size - done);
        if (put <= 0) return -1;
        done += static_cast<size_t>(put);
    }
    return 0;
}

// Copies the rest of the open file `in` to `out`. 0; -2 when the
// destination's disk or quota is full; -1 on any other failure. Failures are
// logged.
int CopyBytes(int in, int out) {
    ScopedMalloc<char> buffer(static_cast<char *>(malloc(kCopyBufferSize)));
    if (!buffer) {
        FILE_OP_LOG(Logger::L_ERR, "[ERROR] file-op(%d): FSCopy: malloc(%d): %s (%d)\n", __LINE__,
                    static_cast<int>(kCopyBufferSize), strerror(errno), errno);
        return -1;
    }
    for (;;) {
        const ssize_t got = read(in, buffer.get(), kCopyBufferSize);
        if (got == 0) return 0;
        if (got < 0) {
            FILE_OP_LOG(Logger::L_ERR, "[ERROR] file-op(%d): CopyFile: read: %s (%d)\n", __LINE__,
                        strerror(errno), errno);
            return -1;
        }
        if (WriteAll(out, buffer.get(), static_cast<size_t>(got)) != 0) {
            FILE_OP_LOG(Logger::L_ERR, "[ERROR] file-op(%d): CopyFile: write: %s (%d)\n", __LINE__,
                        strerror(errno), errno);
            return (errno == ENOSPC || errno == EDQUOT) ? -2 : -1;
        }
    }
}

// Copies the bytes of `src` to `dst`. When `dst_mode` is not kDefaultMode the
// destination gets exactly those permission bits before it is closed (and
// before the source is removed). Results as FSCopy.
int CopyFile(const ustring &src, const ustring &dst, bool isDelOrigin, mode_t dst_mode) {
    ScopedFd in(open64(src.c_str(), O_RDONLY));
    if (!in.valid()) {
        FILE_OP_LOG(Logger::L_ERR, "[ERROR] file-op(%d): CopyFile: open(%s): %s (%d)\n", __LINE__,
                    src.c_str(), strerror(errno), errno);
        return -1;
    }
    // Opening the destination truncates it: it must not be the source under
    // this or another name.
    struct stat64 src_st, dst_st;
    if (fstat64(in.get(), &src_st) == 0 && stat64(dst.c_str(), &dst_st) == 0 &&
        src_st.st_dev == dst_st.st_dev && src_st.st_ino == dst_st.st_ino) {
        FILE_OP_LOG(Logger::L_ERR,
                    "[ERROR] file-op(%d): CopyFile: '%s' and '%s' are the same file\n", __LINE__,
                    src.c_str(), dst.c_str());
        return -1;
    }
    ScopedFd out(open64(dst.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666));
    if (!out.valid()) {
        FILE_OP_LOG(Logger::L_ERR, "[ERROR] file-op(%d): CopyFile: open(%s): %s (%d)\n", __LINE__,
                    dst.c_str(), strerror(errno), errno);
        return -1;
    }
    const int copied = CopyBytes(in.get(), out.get());
    if (copied != 0) return copied;

    if (dst_mode != kDefaultMode && fchmod(out.get(), dst_mode) != 0) return -1;
    // The copy is on disk before its source goes; when that is not sure,
    // the source stays.
    if (out.Sync() != 0 || out.Close() != 0) {
        FILE_OP_LOG(Logger::L_ERR, "[ERROR] file-op(%d): CopyFile: sync of '%s': %s (%d)\n",
                    __LINE__, dst.c_str(), strerror(errno), errno);
        return -1;
    }
    if (!isDelOrigin) return 0;
    return remove(src.c_str()) != 0 ? -1 : 0;
}

// Calls fn(name) for every entry of directory `dir` but "." and "..", until
// fn returns non-zero. Returns 0, or -1 when the directory cannot be read or
// fn fails. The stream is closed on every path.
template <typename Fn>
int ForEachChild(const ustring &dir, Fn fn) {
    ScopedDir stream(opendir(dir.c_str()));
    if (!stream) return -1;
    for (;;) {
        errno = 0;
        // One stream per call and thread: readdir is re-entrant for that use.
        const struct dirent64 *ent = readdir64(stream.get());
        if (!ent) return errno != 0 ? -1 : 0;
        if (IsDotOrDotDot(ent->d_name)) continue;
        if (fn(ent->d_name) != 0) return -1;
    }
}

// Cross-device move of the symbolic link `from`: a new link with its target
// at `to`, then the old one goes. 0, or -3.
int MoveLinkAcrossDevices(const ustring &from, const ustring &to) {
    ustring target;
    if (FSReadSymbolicLink(from, target) != 0) return -3;
    if (FSCreateSymbolicLink(target, to) != 0) return -3;
    return remove(from.c_str()) != 0 ? -3 : 0;
}

// Cross-device move of the directory `from`: a new directory at `to` with
// `permissions`, every child moved into it, then the old one goes. 0, or -3.
int MoveDirectoryAcrossDevices(const ustring &from, const ustring &to, mode_t permissions,
                               bool do_case_check) {
    if (FSMKDir(to, true) != 0) return -3;
    const int moved = ForEachChild(from, [&](const char *name) {
        return FSRename(from + "/" + name, to + "/" + name, do_case_check);
    });
    if (moved != 0) return -3;
    // Applied last, so a read-only source directory could be filled.
    if (chmod(to.c_str(), permissions) != 0) return -3;
    return remove(from.c_str()) != 0 ? -3 : 0;
}

// Cross-device move of one entry whose type is already known.
int MoveAcrossDevices(const ustring &from, const ustring &to, const FILE_INFO &info,
                      bool do_case_check) {
    const mode_t permissions = info.mode & 07777;
    switch (info.type) {
        case FT_FILE:
            return CopyFile(from, to, true, permissions) < 0 ? -3 : 0;
        case FT_SLINK:
            return MoveLinkAcrossDevices(from, to);
        case FT_DIR:
            return MoveDirectoryAcrossDevices(from, to, permissions, do_case_check);
        default:
            // Devices, FIFOs and sockets are not moved.
            return 0;
    }
}

}  // namespace

_FILE_INFO_tag::_FILE_INFO_tag()
    : type(FT_ERR), mtime(0), size(0), isExist(false), uid(0), gid(0), mode(0), dev_id(0) {}

bool _FILE_INFO_tag::operator==(const _FILE_INFO_tag &other) const {
    return isExist == other.isExist && size == other.size && mtime == other.mtime &&
           type == other.type && path == other.path && name == other.name;
}

bool _FILE_INFO_tag::operator!=(const _FILE_INFO_tag &other) const { return !(*this == other); }

int GetFileInfo(const ustring &path, FILE_INFO &info) {
    struct stat64 st;
    if (lstat64(path.c_str(), &st) != 0) {
        if (errno != ENOENT) return -1;
        info.isExist = false;
        info.mtime = 0;
        info.name = FSBaseName(path);
        info.path = path;
        info.size = 0;
        info.type = FT_ERR;
        info.uid = 0;
        info.gid = 0;
        info.mode = 0;
        info.dev_id = 0;
        return 0;
    }
    info.isExist = true;
    info.mtime = static_cast<uint32_t>(st.st_mtime);
    info.name = FSBaseName(path);
    info.path = path;
    info.size = static_cast<uint64_t>(st.st_size);
    info.mode = st.st_mode;
    info.uid = st.st_uid;
    info.gid = st.st_gid;
    info.dev_id = st.st_dev;
    info.type = TypeFromMode(st.st_mode);
    return info.type == FT_ERR ? -1 : 0;
}

int FSStat(const ustring &path, FILE_INFO &info, bool /*do_case_check*/) {
    if (path.empty()) return -1;
    return GetFileInfo(path, info) != 0 ? -2 : 0;
}

bool IsFileExist(const ustring &path, bool /*do_case_check*/) {
    if (path.empty()) return false;
    FILE_INFO info;
    if (GetFileInfo(path, info) != 0) return false;
    return info.isExist;
}

int FSMKDir(const ustring &path, bool isCreateParent) {
    if (path.empty()) return -1;
    FILE_INFO info;
    if (GetFileInfo(path, info) != 0) {
        FILE_OP_LOG(Logger::L_ERR, "[ERROR] file-op(%d): FSMKDir: Failed to to file info '%s'\n",
                    __LINE__, path.c_str());
        return -1;
    }
    if (info.isExist) {
        // A link to a directory (a folder moved to another disk) counts as
        // the directory, and stays a link.
        struct stat64 st;
        if (info.type == FT_DIR ||
            (info.type == FT_SLINK && stat64(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)))
            return 0;
        FILE_OP_LOG(Logger::L_ERR,
                    "[ERROR] file-op(%d): FSMKDir: Create a folder but local file system is not "
                    "directory '%s' (%d)\n",
                    __LINE__, path.c_str(), static_cast<int>(info.type));
        return -1;
    }
    const int rc =
        isCreateParent ? FSMKDirP(path, nullptr, false, kDefaultMode) : mkdir(path.c_str(), 0777);
    if (rc != 0) {
        FILE_OP_LOG(Logger::L_ERR, "[ERROR] file-op(%d): path = %s errno : %s\n", __LINE__,
                    path.c_str(), strerror(errno));
        return -2;
    }
    return 0;
}

int FSMKDirP(const ustring &path, const char **endptr, bool blForceCreate, mode_t mode) {
    if (path.empty()) return -1;
    ScopedMalloc<char> copy(strdup(path.c_str()));
    if (!copy) return -1;

    std::unique_ptr<ScopedUmask> umask_guard;
    if (mode == kDefaultMode) {
        mode = 0777;
    } else {
        umask_guard.reset(new ScopedUmask(0));
    }

    char *const buf = copy.get();
    char *p = buf;
    if (*p == '/') ++p;
    int result = 0;
    for (;; ++p) {
        if (*p != '/' && *p != '\0') continue;
        const char saved = *p;
        const bool last = saved == '\0' || p[1] == '\0';
        *p = '\0';

        struct stat64 st;
        bool ok = true;
        if (stat64(buf, &st) != 0) {
            ok = mkdir(buf, mode) == 0;
        } else if (S_ISDIR(st.st_mode)) {
            // A link to a directory counts as the directory.
        } else if (blForceCreate) {
            ok = remove(buf) == 0 && mkdir(buf, mode) == 0;
        } else if (last) {
            FILE_OP_LOG(Logger::L_INFO,
                        "[INFO] file-op(%d): FSMKDirP: path: %s is existing file or symbolic link "
                        "pointed to file\n",
                        __LINE__, buf);
            errno = EEXIST;
            ok = false;
        } else {
            FILE_OP_LOG(Logger::L_INFO,
                        "[INFO] file-op(%d): FSMKDirP: path: %s is symbolic link pointed to "
                        "folder\n",
                        __LINE__, buf);
        }
        if (!ok) {
            if (endptr) *endptr = path.c_str() + (p - buf);
            result = -1;
            break;
        }
        if (last) {
            if (endptr) *endptr = path.c_str() + path.length();
            break;
        }
        *p = saved;
    }
    return result;
}

int FSMKDirFromRoot(const ustring &path, const ustring &from) {
    if (path.length() < from.length()) {
        FILE_OP_LOG(Logger::L_ERR,
                    "[ERROR] file-op(%d): Giving a root '%s' whose length is larger then target's "
                    "'%s'.\n",
                    __LINE__, from.c_str(), path.c_str());
        return -1;
    }
    if (!FSIsParentFolder(from, path)) {
        FILE_OP_LOG(Logger::L_ERR,
                    "[ERROR] file-op(%d): root '%s' is not a parent folder of target '%s'\n",
                    __LINE__, from.c_str(), path.c_str());
        return -1;
    }
    const ustring relative = path.substr(from.length(), ustring::npos);
    ustring prefix;
    while (prefix != relative) {
        const size_t slash = relative.find('/', prefix.length() + 1);
        prefix = relative.substr(0, slash);
        FILE_OP_LOG(Logger::L_DEBUG, "[DEBUG] file-op(%d): FSMKDirFromRoot: create %s\n", __LINE__,
                    prefix.c_str());
        if (FSMKDir(from + prefix, false) < 0) return -1;
    }
    return 0;
}

int FSCopy(const ustring &src, const ustring &dst, bool isDelOrigin) {
    return CopyFile(src, dst, isDelOrigin, kDefaultMode);
}

int FSRename(const ustring &from, const ustring &to, bool do_case_check) {
    if (from.empty() || to.empty()) return -1;
    FILE_INFO info;
    if (FSStat(from, info, do_case_check) != 0 || !info.isExist) return -2;
    if (rename(from.c_str(), to.c_str()) == 0) return 0;
    if (errno == ENAMETOOLONG) return -100;
    if (errno != EXDEV) return -3;
    return MoveAcrossDevices(from, to, info, do_case_check);
}

int FSRemove(const ustring &path, bool /*allowundo*/) {
    if (path.empty()) return -1;
    FILE_INFO info;
    if (GetFileInfo(path, info) != 0) return -1;
    if (!info.isExist) return 0;
    if (info.type != FT_DIR) return remove(path.c_str()) != 0 ? -3 : 0;
    // The type came from lstat and the change does not follow a link, so
    // nothing outside the tree is touched.
    if (info.uid == geteuid() && (info.mode & S_IRWXU) != S_IRWXU)
        fchmodat(AT_FDCWD, path.c_str(), (info.mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW);
    return RemoveTree(path.c_str());
}

namespace {

SmallFile SmallFileFailure(SmallFile::Status status, int error) {
    SmallFile result;
    result.status = status;
    result.error = error;
    return result;
}

}  // namespace

SmallFile FSReadSmallFile(const ustring &path, size_t limit, bool follow_link) {
    const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (follow_link ? 0 : O_NOFOLLOW);
    ScopedFd fd(open64(path.c_str(), flags));
    if (!fd.valid()) {
        if (errno == ENOENT) return SmallFileFailure(SmallFile::kMissing, errno);
        if (errno == ELOOP) return SmallFileFailure(SmallFile::kNotRegular, errno);
        return SmallFileFailure(SmallFile::kError, errno);
    }
    struct stat64 st;
    if (fstat64(fd.get(), &st) != 0) return SmallFileFailure(SmallFile::kError, errno);
    if (!S_ISREG(st.st_mode)) return SmallFileFailure(SmallFile::kNotRegular, 0);
    SmallFile result;
    result.status = SmallFile::kRead;
    char buf[4096];
    while (result.text.size() < limit) {
        const ssize_t got = read(fd.get(), buf, std::min(sizeof buf, limit - result.text.size()));
        if (got == 0) break;
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return SmallFileFailure(SmallFile::kError, errno);
        result.text.append(buf, static_cast<size_t>(got));
    }
    return result;
}

int FSOpenDir(const ustring &path, int flag, DIR_HANDLE &dh) {
    DIR *dp = opendir(path.c_str());
    if (!dp) {
        FILE_OP_LOG(Logger::L_ERR,
                    "[ERROR] file-op(%d): FSOpenDir: Failed to open directory '%s'. %s\n", __LINE__,
                    path.c_str(), strerror(errno));
        return -1;
    }
    dh.dp = dp;
    dh.path = path;
    dh.flag = flag;
    return 0;
}

int FSReadDir(DIR_HANDLE &dh, DIR_ENTRY &entry) {
    errno = 0;
    const struct dirent64 *ent = nullptr;
    if (!dh.dp) {
        errno = EBADF;
    } else {
        // A DIR_HANDLE is read by one thread at a time, which makes readdir
        // as safe as the deprecated readdir_r.
        ent = readdir64(dh.dp);
    }
    if (!ent) {
        if (errno == 0) return 0;
        FILE_OP_LOG(Logger::L_ERR,
                    "[ERROR] file-op(%d): FSOpenDir: Failed to read directory '%s'. %s\n", __LINE__,
                    dh.path.c_str(), strerror(errno));
        return -1;
    }
    if (dh.flag & 1) {
        const ustring full = dh.path + "/" + ent->d_name;
        FILE_INFO info;
        if (FSStat(full, info) != 0) {
            FILE_OP_LOG(Logger::L_ERR,
                        "[ERROR] file-op(%d): FSOpenDir: Failed to get info for '%s'\n", __LINE__,
                        full.c_str());
            return -1;
        }
        entry.mtime = info.mtime;
        entry.size = info.size;
    } else {
        entry.mtime = 0;
        entry.size = 0;
    }
    entry.name = ent->d_name;
    entry.type = TypeFromDirent(ent->d_type);
    return 1;
}

void FSCloseDir(DIR_HANDLE &dh) {
    if (dh.dp) closedir(dh.dp);
    dh.dp = nullptr;
    dh.path.clear();
}

int FSMktemp(const ustring &prefix, ustring &path) {
    char templ[4096];
    snprintf(templ, sizeof templ, "%s/XXXXXX", prefix.c_str());
    ScopedFd fd(mkstemp64(templ));
    if (!fd.valid()) {
        FILE_OP_LOG(Logger::L_ERR, "[ERROR] file-op(%d): mkstemp(%s): %s\n", __LINE__, templ,
                    strerror(errno));
        return -1;
    }
    fchmod(fd.get(), 0644);
    path = templ;
    return 0;
}

int FSCreateTempPath(const ustring &prefix, ustring &path) {
    path = TmpNameGen::getInstance().getTmpPath(prefix);
    return path.empty() ? -1 : 0;
}

int FSUTime(const ustring &path, time_t atime, time_t mtime) {
    struct timeval times[2];
    times[0].tv_sec = atime;
    times[0].tv_usec = 0;
    times[1].tv_sec = mtime;
    times[1].tv_usec = 0;
    return lutimes(path.c_str(), times) != 0 ? -1 : 0;
}

ustring FSParentPath(const ustring &path) {
    const size_t slash = path.rfind('/', ustring::npos);
    if (slash == ustring::npos || slash == 0) return ustring("/");
    return path.substr(0, slash);
}

ustring FSBaseName(const ustring &path) {
    const size_t slash = path.rfind('/', ustring::npos);
    if (slash == ustring::npos) return path;
    return path.substr(slash + 1, ustring::npos);
}

bool FSIsParentFolder(const ustring &parent, const ustring &child) {
    const size_t len = parent.length();
    if (child.length() < len) return false;
    const char next = child.c_str()[len];
    if (next != '\0' && next != '/') return false;
    return memcmp(parent.c_str(), child.c_str(), len) == 0;
}

int FSGetRealPath(ustring &path) {
    FILE_OP_LOG(Logger::L_DEBUG, "[DEBUG] file-op(%d):  org path [%s]\n", __LINE__, path.c_str());
    // realpath writes at most PATH_MAX bytes; the buffer is larger.
    char resolved[8192];
    if (!realpath(path.c_str(), resolved)) return -1;
    path = resolved;
    FILE_OP_LOG(Logger::L_DEBUG, "[DEBUG] file-op(%d):  get full path [%s]\n", __LINE__,
                path.c_str());
    return 0;
}

int FSCreateSymbolicLink(const ustring &target_path, const ustring &link_path) {
    if (symlink(target_path.c_str(), link_path.c_str()) != 0) {
        FILE_OP_LOG(Logger::L_ERR,
                    "[ERROR] file-op(%d): FSCreateSymbolicLink: Failed to create symbolic link "
                    "'%s' -> '%s' (code: %d, msg: %s)\n",
                    __LINE__, target_path.c_str(), link_path.c_str(), errno, strerror(errno));
        return -1;
    }
    return 0;
}

int FSReadSymbolicLink(const ustring &link_path, ustring &target_path) {
    char buf[4096];
    memset(buf, 0, sizeof buf);
    // One byte stays zero so that the text is always terminated.
    if (readlink(link_path.c_str(), buf, sizeof buf - 1) < 0) {
        FILE_OP_LOG(Logger::L_ERR,
                    "[ERROR] file-op(%d): FSReadSymbolicLink: Failed to read symbolic link '%s' "
                    "(code: %d, msg: %s)\n",
                    __LINE__, link_path.c_str(), errno, strerror(errno));
        return -1;
    }
    target_path = buf;
    return 0;
}

int FSChown(const ustring &path, uid_t owner, gid_t group) {
    // A relative path is taken relative to the working directory.
    if (fchownat(AT_FDCWD, path.c_str(), owner, group, AT_SYMLINK_NOFOLLOW) != 0) {
        FILE_OP_LOG(Logger::L_ERR,
                    "[ERROR] file-op(%d): FSChown: Failed to chown '%s' (code: %d, msg: %s)\n",
                    __LINE__, path.c_str(), errno, strerror(errno));
        return -1;
    }
    return 0;
}

bool FSTimeEqual(time_t a, time_t b) { return a == b; }

bool isFileLocked(const ustring &path, int flag) {
    if (access(path.c_str(), flag) == 0) return false;
    return errno == EPERM || errno == EACCES;
}

bool hasFilePermission(const ustring &path, int flag) { return !isFileLocked(path, flag); }

bool isMountPoint(const ustring &path) {
    struct statfs64 fs;
    if (statfs64(path.c_str(), &fs) != 0) {
        FILE_OP_LOG(Logger::L_ERR,
                    "[ERROR] file-op(%d): isMountPoint: Failed to get file system info '%s'. %s\n",
                    __LINE__, path.c_str(), strerror(errno));
        return false;
    }
    // f_type is signed on some ABIs; the magic numbers are 32-bit values.
    const uint32_t type = static_cast<uint32_t>(fs.f_type);
    return type == kNfsMagic || type == kCifsMagic;
}

bool IsMSDOS(const ustring &path) {
    struct statfs64 fs;
    if (statfs64(path.c_str(), &fs) != 0) {
        FILE_OP_LOG(Logger::L_ERR,
                    "[ERROR] file-op(%d): IsSupportLargeFile: Failed to get file system info "
                    "'%s'. %s\n",
                    __LINE__, path.c_str(), strerror(errno));
        return false;
    }
    if (static_cast<uint32_t>(fs.f_type) != kMsdosMagic) return false;
    FILE_OP_LOG(Logger::L_WARNING,
                "[WARNING] file-op(%d): Detect a MSDOS platform for path '%s'.\n", __LINE__,
                path.c_str());
    return true;
}

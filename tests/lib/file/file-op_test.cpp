#include "file/file-op.h"

#include <ctype.h>
#include <errno.h>
#include <fcntl.h>
#include <grp.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "disk_state.h"
#include "file/durable.h"
#include "file/parallel-remove.h"
#include "log.h"
#include "test_support.h"

using testing_support::LinkText;
using testing_support::OpenDescriptorCount;
using testing_support::PathExists;
using testing_support::ReadFile;
using testing_support::RunCommand;
using testing_support::RunUnprivileged;
using testing_support::ScopedEnv;
using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

const uid_t kNobody = testing_support::kUnprivilegedUid;

mode_t ModeOf(const std::string &path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return static_cast<mode_t>(-1);
    return st.st_mode & 07777;
}

void MakeFile(const std::string &path, const std::string &contents, mode_t mode) {
    WriteFile(path, contents);
    ASSERT_EQ(0, chmod(path.c_str(), mode));
}

// The two ways to remove a tree, which must agree on every result.
const struct Remover {
    const char *name;
    int (*remove)(const ustring &path);
} kRemovers[] = {
    {"one thread", [](const ustring &path) { return FSRemove(path); }},
    {"two threads", [](const ustring &path) { return FSRemoveParallel(path, 2); }},
};

// Every test logs into its own file with all file-op messages enabled.
class FileOpTest : public ::testing::Test {
protected:
    void SetUp() override {
        log_path_ = dir_.sub("file-op.log");
        WriteFile(dir_.sub("levels"), "file_op_debug=7\n");
        ASSERT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, log_path_.c_str(),
                                        dir_.sub("levels").c_str(), 50));
    }
    void TearDown() override { Logger::Destroy(); }

    std::string Log() const { return ReadFile(log_path_); }
    // True when the log holds "<level> file-op(<number>): <text>"; `text`
    // includes the line end where it matters.
    bool Logged(const std::string &level, const std::string &text) const {
        const std::string log = Log();
        const std::string head = level + " file-op(";
        for (size_t at = log.find(head); at != std::string::npos; at = log.find(head, at + 1)) {
            size_t end = at + head.size();
            while (end < log.size() && isdigit(static_cast<unsigned char>(log[end]))) ++end;
            if (end == at + head.size() || log.compare(end, 3, "): ") != 0) continue;
            if (log.compare(end + 3, text.size(), text) == 0) return true;
        }
        return false;
    }
    std::string Sub(const std::string &rel) const { return dir_.sub(rel); }

    TempDir dir_;
    std::string log_path_;
};

TEST_F(FileOpTest, GetFileInfoDescribesEachKindOfEntry) {
    MakeFile(Sub("file"), "12345", 0640);
    ASSERT_EQ(0, mkdir(Sub("dir").c_str(), 0755));
    ASSERT_EQ(0, mkfifo(Sub("fifo").c_str(), 0600));
    ASSERT_EQ(0, symlink("missing-target", Sub("dangling").c_str()));
    ASSERT_EQ(0, symlink("dir", Sub("dirlink").c_str()));
    struct Row {
        std::string path;
        FILE_TYPE type;
        bool exists;
    } rows[] = {
        {Sub("file"), FT_FILE, true},      {Sub("dir"), FT_DIR, true},
        {Sub("fifo"), FT_FIFO, true},      {"/dev/null", FT_DEV, true},
        {Sub("dangling"), FT_SLINK, true}, {Sub("dirlink"), FT_SLINK, true},
        {Sub("missing"), FT_ERR, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.path);
        FILE_INFO info;
        ASSERT_EQ(0, GetFileInfo(row.path.c_str(), info));
        EXPECT_EQ(row.type, info.type);
        EXPECT_EQ(row.exists, info.isExist);
        EXPECT_EQ(row.exists, IsFileExist(row.path.c_str()));
        EXPECT_STREQ(row.path.c_str(), info.path.c_str());
        EXPECT_STREQ(row.path.substr(row.path.rfind('/') + 1).c_str(), info.name.c_str());
    }
    FILE_INFO info;
    ASSERT_EQ(0, GetFileInfo(Sub("file").c_str(), info));
    EXPECT_EQ(5u, info.size);
    EXPECT_EQ(static_cast<uint32_t>(S_IFREG | 0640), info.mode);
    EXPECT_EQ(getuid(), info.uid);
}

TEST_F(FileOpTest, PathBelowRegularFileIsAnError) {
    MakeFile(Sub("a"), "x", 0644);
    FILE_INFO info;
    info.path = "untouched";
    EXPECT_EQ(-1, GetFileInfo(Sub("a/b").c_str(), info));
    EXPECT_STREQ("untouched", info.path.c_str());
    EXPECT_EQ(-2, FSStat(Sub("a/b").c_str(), info));
    EXPECT_EQ(-1, FSStat("", info));
    EXPECT_FALSE(IsFileExist(Sub("a/b").c_str()));
    EXPECT_FALSE(IsFileExist(""));
}

TEST_F(FileOpTest, FileInfoEqualityIgnoresOwnerModeAndDevice) {
    MakeFile(Sub("f"), "abc", 0644);
    FILE_INFO a, b;
    ASSERT_EQ(0, GetFileInfo(Sub("f").c_str(), a));
    b = a;
    b.mode = 0;
    b.uid = 1;
    b.dev_id = 2;
    EXPECT_TRUE(a == b);
    b.size = 4;
    EXPECT_TRUE(a != b);
}

TEST_F(FileOpTest, MkdirOnExistingEntries) {
    ASSERT_EQ(0, mkdir(Sub("dir").c_str(), 0755));
    MakeFile(Sub("file"), "", 0644);
    ASSERT_EQ(0, symlink("dir", Sub("link").c_str()));

    EXPECT_EQ(0, FSMKDir(Sub("dir").c_str()));
    EXPECT_EQ("", Log());

    EXPECT_EQ(-1, FSMKDir(Sub("file").c_str()));
    EXPECT_TRUE(
        Logged("[ERROR]", "FSMKDir: Create a folder but local file system is not directory '" +
                              Sub("file") + "' (1)\n"))
        << Log();
    // A folder moved elsewhere and linked back counts as the folder.
    EXPECT_EQ(0, FSMKDir(Sub("link").c_str()));
    EXPECT_EQ(0, FSMKDir(Sub("link/sub").c_str()));
    EXPECT_TRUE(PathExists(Sub("dir/sub")));
    EXPECT_EQ("dir", LinkText(Sub("link")));
    ASSERT_EQ(0, symlink("file", Sub("file-link").c_str()));
    EXPECT_EQ(-1, FSMKDir(Sub("file-link").c_str()));
    EXPECT_TRUE(
        Logged("[ERROR]", "FSMKDir: Create a folder but local file system is not directory '" +
                              Sub("file-link") + "' (3)\n"));
    EXPECT_EQ(-1, FSMKDir(""));
}

TEST_F(FileOpTest, MkdirCreatesParentsOnlyWhenAsked) {
    EXPECT_EQ(-2, FSMKDir(Sub("p/q").c_str(), false));
    EXPECT_TRUE(Logged("[ERROR]", "path = " + Sub("p/q") + " errno : No such file or directory\n"));
    EXPECT_EQ(0, FSMKDir(Sub("p/q").c_str(), true));
    EXPECT_EQ(FT_DIR, [&] {
        FILE_INFO info;
        GetFileInfo(Sub("p/q").c_str(), info);
        return info.type;
    }());
}

TEST_F(FileOpTest, MkdirPWithRegularFileInTheWay) {
    struct Row {
        const char *rel;
        bool force;
        int result;
        const char *rest_after_endptr;  // what the end pointer points at
        const char *log_line;           // expected INFO text, or null
    } rows[] = {
        {"a/b/c", false, 0, "", nullptr},
        {"x/y", false, -1, "", " is symbolic link pointed to folder\n"},
        {"x/y/z", false, -1, "/z", " is symbolic link pointed to folder\n"},
        {"x", false, -1, "", " is existing file or symbolic link pointed to file\n"},
        {"x/y/z", true, 0, "", nullptr},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.rel);
        MakeFile(Sub("x"), "file", 0644);
        const ustring path(Sub(row.rel).c_str());
        const char *end = nullptr;
        errno = 0;
        EXPECT_EQ(row.result, FSMKDirP(path, &end, row.force));
        const int err = errno;
        ASSERT_NE(nullptr, end);
        ASSERT_GE(end, path.c_str());
        ASSERT_LE(end, path.c_str() + path.length());
        EXPECT_STREQ(row.rest_after_endptr, end);
        struct stat st;
        EXPECT_EQ(row.result == 0, stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
        if (row.log_line) {
            EXPECT_TRUE(Logged("[INFO]", "FSMKDirP: path: " + Sub("x") + row.log_line));
        }
        if (std::string(row.rel) == "x") {
            EXPECT_EQ(EEXIST, err);
        }
        ASSERT_EQ(0, system(("rm -rf '" + Sub("x") + "'").c_str()));
    }
    FILE_INFO info;
    ASSERT_EQ(0, GetFileInfo(Sub("a/b/c").c_str(), info));
    EXPECT_EQ(FT_DIR, info.type);
}

TEST_F(FileOpTest, MkdirPAppliesAnExplicitModeExactlyAndRestoresTheUmask) {
    const mode_t old = umask(027);
    EXPECT_EQ(0, FSMKDirP(Sub("exact/inner").c_str(), nullptr, false, 0775));
    EXPECT_EQ(027u, umask(027));
    EXPECT_EQ(0, FSMKDirP(Sub("masked").c_str()));
    umask(old);
    EXPECT_EQ(0775u, ModeOf(Sub("exact")));
    EXPECT_EQ(0775u, ModeOf(Sub("exact/inner")));
    EXPECT_EQ(0750u, ModeOf(Sub("masked")));
}

TEST_F(FileOpTest, MkdirFromRoot) {
    const std::string root = Sub("root");
    ASSERT_EQ(0, mkdir(root.c_str(), 0755));

    EXPECT_EQ(0, FSMKDirFromRoot((root + "/a/b/c").c_str(), root.c_str()));
    EXPECT_TRUE(IsFileExist((root + "/a/b/c").c_str()));
    EXPECT_TRUE(Logged("[DEBUG]", "FSMKDirFromRoot: create /a/b\n"));
    EXPECT_EQ(0, FSMKDirFromRoot(root.c_str(), root.c_str()));

    EXPECT_EQ(-1, FSMKDirFromRoot(Sub("r").c_str(), root.c_str()));
    EXPECT_TRUE(Logged(
        "[ERROR]",
        "Giving a root '" + root + "' whose length is larger then target's '" + Sub("r") + "'.\n"));

    EXPECT_EQ(-1, FSMKDirFromRoot(Sub("rootless/a").c_str(), root.c_str()));
    EXPECT_TRUE(Logged("[ERROR]", "root '" + root + "' is not a parent folder of target '" +
                                      Sub("rootless/a") + "'\n"));
    EXPECT_FALSE(IsFileExist(Sub("rootless").c_str()));

    MakeFile(root + "/file", "", 0644);
    EXPECT_EQ(-1, FSMKDirFromRoot((root + "/file/sub").c_str(), root.c_str()));
}

TEST(FilePathTest, ParentBaseAndParentFolder) {
    struct PathRow {
        const char *path, *parent, *base;
    } paths[] = {
        {"/a", "/", "a"},      {"a", "/", "a"}, {"/a/b", "/a", "b"}, {"a/b/", "a/b", ""},
        {"/a/b/", "/a/b", ""}, {"/", "/", ""},  {"", "/", ""},
    };
    for (const PathRow &row : paths) {
        SCOPED_TRACE(row.path);
        EXPECT_STREQ(row.parent, FSParentPath(row.path).c_str());
        EXPECT_STREQ(row.base, FSBaseName(row.path).c_str());
    }
    struct ParentRow {
        const char *parent, *child;
        bool expected;
    } parents[] = {
        {"/a", "/a", true},     {"/a", "/a/b", true},  {"/a", "/ab", false},
        {"/a/", "/a/b", false}, {"/a/b", "/a", false}, {"/a", "/b/c", false},
    };
    for (const ParentRow &row : parents) {
        SCOPED_TRACE(std::string(row.parent) + " / " + row.child);
        EXPECT_EQ(row.expected, FSIsParentFolder(row.parent, row.child));
    }
}

TEST_F(FileOpTest, CopySpanningSeveralBuffersAndDeletingTheOrigin) {
    std::string data(32 * 1024 * 1024 + 3, '\0');
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7 + i / 4096);
    MakeFile(Sub("src"), data, 0644);
    EXPECT_EQ(0, FSCopy(Sub("src").c_str(), Sub("dst").c_str(), false));
    EXPECT_TRUE(PathExists(Sub("src")));
    EXPECT_TRUE(data == ReadFile(Sub("dst")));
    EXPECT_EQ(0, FSCopy(Sub("src").c_str(), Sub("moved").c_str(), true));
    EXPECT_FALSE(PathExists(Sub("src")));
    EXPECT_TRUE(data == ReadFile(Sub("moved")));
}

// A failed copy used to leave the source descriptor open, and a copy that
// could not be synced or that truncated its own source lost the data.
TEST_F(FileOpTest, FailedCopyReleasesDescriptorsAndKeepsTheSource) {
    MakeFile(Sub("src"), "payload", 0644);
    ASSERT_EQ(0, mkdir(Sub("srcdir").c_str(), 0755));
    struct Row {
        const char *name;
        std::string src, dst;
        int result;
        std::string log_text;
    } rows[] = {
        {"source missing", Sub("missing"), Sub("out1"), -1, "CopyFile: open("},
        {"destination unopenable", Sub("src"), Sub("no/such/dir"), -1, "CopyFile: open("},
        {"read error", Sub("srcdir"), Sub("out2"), -1, "CopyFile: read: Is a directory (21)\n"},
        {"disk full", Sub("src"), "/dev/full", -2,
         "CopyFile: write: No space left on device (28)\n"},
        // A device cannot be synced: the copy is not known to be on disk.
        {"sync fails", Sub("src"), "/dev/null", -1, "CopyFile: sync of '/dev/null': "},
        {"onto itself", Sub("src"), Sub("src"), -1,
         "CopyFile: '" + Sub("src") + "' and '" + Sub("src") + "' are the same file\n"},
        {"onto another name of itself", Sub("src"), Sub("src-link"), -1,
         "CopyFile: '" + Sub("src") + "' and '" + Sub("src-link") + "' are the same file\n"},
    };
    ASSERT_EQ(0, link(Sub("src").c_str(), Sub("src-link").c_str()));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const int before = OpenDescriptorCount();
        EXPECT_EQ(row.result, FSCopy(row.src.c_str(), row.dst.c_str(), true));
        EXPECT_EQ(before, OpenDescriptorCount());
        EXPECT_TRUE(Logged("[ERROR]", row.log_text));
    }
    EXPECT_EQ("payload", ReadFile(Sub("src")));
    EXPECT_TRUE(PathExists(Sub("srcdir")));
    EXPECT_TRUE(PathExists(Sub("out2"))) << "the partial destination stays";
}

TEST_F(FileOpTest, RenameResults) {
    MakeFile(Sub("f"), "data", 0644);
    ASSERT_EQ(0, mkdir(Sub("d1").c_str(), 0755));
    MakeFile(Sub("d2/occupant"), "", 0644);
    const int before = OpenDescriptorCount();

    EXPECT_EQ(-1, FSRename("", Sub("g").c_str()));
    EXPECT_EQ(-1, FSRename(Sub("f").c_str(), ""));
    EXPECT_EQ(-2, FSRename(Sub("missing").c_str(), Sub("g").c_str()));
    EXPECT_EQ(-100, FSRename(Sub("f").c_str(), Sub(std::string(300, 'n')).c_str()));
    EXPECT_EQ(-3, FSRename(Sub("d1").c_str(), Sub("d2").c_str()));
    EXPECT_EQ(before, OpenDescriptorCount());

    EXPECT_EQ(0, FSRename(Sub("f").c_str(), Sub("g").c_str()));
    EXPECT_FALSE(PathExists(Sub("f")));
    EXPECT_EQ("data", ReadFile(Sub("g")));
}

// What stands at the name goes; nothing is written through it.
TEST_F(FileOpTest, ReplaceFileWritesANewFileWhateverStoodAtTheName) {
    const TempDir elsewhere;
    const std::string outside = elsewhere.sub("outside");
    const struct Row {
        const char *name;
        int (*make)(const char *outside, const char *at);  // null: nothing there
    } rows[] = {
        {"nothing", nullptr},
        {"a file",
         [](const char *, const char *at) {
             WriteFile(at, "old\n");
             return 0;
         }},
        {"a link to a file elsewhere",
         [](const char *o, const char *at) { return symlink(o, at); }},
        {"a second name of a file elsewhere",
         [](const char *o, const char *at) { return link(o, at); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string at = Sub("INFO");
        WriteFile(outside, "kept\n");
        if (row.make) {
            ASSERT_EQ(0, row.make(outside.c_str(), at.c_str()));
        }
        EXPECT_EQ(0, FSReplaceFile(at.c_str(), "new\n"));
        struct stat st;
        ASSERT_EQ(0, lstat(at.c_str(), &st));
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(1u, st.st_nlink);
        EXPECT_EQ("new\n", ReadFile(at));
        EXPECT_EQ("kept\n", ReadFile(outside));
        ASSERT_EQ(0, unlink(at.c_str()));
    }
}

TEST_F(FileOpTest, RemoveLinkTreeAndMissing) {
    for (const Remover &remover : kRemovers) {
        SCOPED_TRACE(remover.name);
        MakeFile(Sub("target/keep"), "k", 0644);
        ASSERT_EQ(0, symlink(Sub("target").c_str(), Sub("link").c_str()));
        EXPECT_EQ(0, remover.remove(Sub("link").c_str()));
        EXPECT_FALSE(PathExists(Sub("link")));
        EXPECT_TRUE(PathExists(Sub("target/keep")));

        MakeFile(Sub("tree/a/b/file"), "x", 0644);
        MakeFile(Sub("tree/top"), "y", 0400);
        ASSERT_EQ(0, mkfifo(Sub("tree/a/fifo").c_str(), 0600));
        ASSERT_EQ(0, symlink(Sub("target").c_str(), Sub("tree/a/b/link").c_str()));
        // Wider than the threads' queue of directories.
        for (int i = 0; i < 100; ++i)
            MakeFile(Sub("tree/wide/" + std::to_string(i) + "/f"), "", 0644);
        const int before = OpenDescriptorCount();
        EXPECT_EQ(0, remover.remove(Sub("tree").c_str()));
        EXPECT_EQ(before, OpenDescriptorCount());
        EXPECT_FALSE(PathExists(Sub("tree")));
        EXPECT_TRUE(PathExists(Sub("target/keep")));

        EXPECT_EQ(0, remover.remove(Sub("missing").c_str()));
        EXPECT_EQ(-1, remover.remove(""));
    }
}

// Regression: a tree deeper than PATH_MAX could never be removed ("File name
// too long"). The removal holds one descriptor, whatever the depth.
TEST_F(FileOpTest, RemovesATreeDeeperThanPathMax) {
    const std::string name(200, 'd');
    for (const Remover &remover : kRemovers) {
        SCOPED_TRACE(remover.name);
        int fd = open(dir_.path().c_str(), O_RDONLY | O_DIRECTORY);
        ASSERT_GE(fd, 0);
        for (size_t length = dir_.path().size(); length < 4096 + 400; length += 1 + name.size()) {
            ASSERT_EQ(0, mkdirat(fd, name.c_str(), length % 3 ? 0755 : 0555));
            const int next = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
            close(fd);
            ASSERT_GE(next, 0);
            fd = next;
        }
        const int file = openat(fd, "file", O_WRONLY | O_CREAT, 0644);
        EXPECT_EQ(0, close(file));
        close(fd);
        const int before = OpenDescriptorCount();
        EXPECT_EQ(0, remover.remove(Sub(name).c_str())) << strerror(errno);
        EXPECT_EQ(before, OpenDescriptorCount());
        EXPECT_FALSE(PathExists(Sub(name)));
    }
}

// Regression: removing a tree with a file system mounted inside it deleted
// that file system's files before failing with "Device or resource busy".
// A tmpfs has a device of its own; a bind mount of a folder of the same
// device differs only in its mount; a file bind-mounted over a file of the
// tree is kept as a folder is.
TEST_F(FileOpTest, RemovalLeavesMountPointsInsideTheTree) {
    MakeFile(Sub("elsewhere/file"), "keep", 0644);
    enum class Bind { kNone, kFolder, kFile };
    for (const Remover &remover : kRemovers)
        for (const Bind bind : {Bind::kNone, Bind::kFolder, Bind::kFile}) {
            const char *const kinds[] = {"tmpfs", "bind mount of a folder", "bind mount of a file"};
            SCOPED_TRACE(std::string(remover.name) + ", " + kinds[static_cast<int>(bind)]);
#if defined(EMULATED)
            // qemu's statx gives no mount id, which alone tells a bind mount
            // of the same device apart.
            if (bind == Bind::kFolder) continue;
#endif
            ASSERT_EQ(0, truncate(log_path_.c_str(), 0));
            const std::string mount_point = Sub("tree/share/mnt");
            const std::string bound = bind == Bind::kFile ? Sub("tree/etc/file") : mount_point;
            MakeFile(Sub("tree/share/other/file"), "x", 0644);
            MakeFile(Sub("tree/top"), "x", 0644);
            MakeFile(Sub("tree/etc/file"), "x", 0644);
            testing_support::MakeDirs(mount_point);
            testing_support::ScopedTmpfs tmpfs(mount_point, "1m");
            if (!tmpfs.mounted()) GTEST_SKIP() << "mounting is refused here: " << tmpfs.error();
            if (bind != Bind::kFolder) WriteFile(mount_point + "/file", "keep");
            if (bind != Bind::kNone) {
                const std::string source =
                    Sub(bind == Bind::kFile ? "elsewhere/file" : "elsewhere");
                ASSERT_EQ(0, mount(source.c_str(), bound.c_str(), nullptr, MS_BIND, nullptr));
            }

            EXPECT_EQ(-3, remover.remove(Sub("tree").c_str()));
            EXPECT_EQ(EBUSY, errno);
            EXPECT_EQ("keep", ReadFile(mount_point + "/file"));
            EXPECT_EQ("keep", ReadFile(bound + (bind == Bind::kFile ? "" : "/file")));
            EXPECT_FALSE(PathExists(Sub("tree/top")));
            EXPECT_FALSE(PathExists(Sub("tree/share/other")));
            for (const std::string &kept : {mount_point, bound}) {
                EXPECT_NE(std::string::npos,
                          Log().find("'" + kept + "' is the mount point of another file system"))
                    << Log();
            }
            if (bind != Bind::kNone) {
                ASSERT_EQ(0, umount2(bound.c_str(), MNT_DETACH));
            }
        }
    EXPECT_EQ("keep", ReadFile(Sub("elsewhere/file")));
}

TEST_F(FileOpTest, ReadDirWithAndWithoutInfo) {
    MakeFile(Sub("list/f"), "12345", 0644);
    ASSERT_EQ(0, FSUTime(Sub("list/f").c_str(), 1000000000, 1000000000));
    const int before = OpenDescriptorCount();
    for (int flag : {0, 1}) {
        SCOPED_TRACE(flag);
        DIR_HANDLE dh;
        ASSERT_EQ(0, FSOpenDir(Sub("list").c_str(), flag, dh));
        EXPECT_STREQ(Sub("list").c_str(), dh.path.c_str());
        std::set<std::string> names;
        DIR_ENTRY entry;
        int rc;
        while ((rc = FSReadDir(dh, entry)) == 1) {
            names.insert(entry.name.c_str());
            if (std::string(entry.name.c_str()) == "f") {
                EXPECT_EQ(FT_FILE, entry.type);
                EXPECT_EQ(flag ? 5u : 0u, entry.size);
                EXPECT_EQ(flag ? 1000000000u : 0u, entry.mtime);
            } else {
                EXPECT_EQ(FT_DIR, entry.type);
                if (!flag) {
                    EXPECT_EQ(0u, entry.mtime);
                }
            }
        }
        EXPECT_EQ(0, rc);
        EXPECT_EQ((std::set<std::string>{".", "..", "f"}), names);
        FSCloseDir(dh);
        EXPECT_EQ(nullptr, dh.dp);
        EXPECT_TRUE(dh.path.empty());
        EXPECT_EQ(-1, FSReadDir(dh, entry));
    }
    EXPECT_EQ(before, OpenDescriptorCount());

    DIR_HANDLE never;
    FSCloseDir(never);
    EXPECT_EQ(-1, FSOpenDir(Sub("missing").c_str(), 0, never));
    EXPECT_TRUE(Logged("[ERROR]", "FSOpenDir: Failed to open directory '" + Sub("missing") +
                                      "'. No such file or directory\n"));
}

TEST_F(FileOpTest, TemporaryFilesAndNames) {
    ustring path;
    const mode_t old = umask(077);
    ASSERT_EQ(0, FSMktemp(dir_.path().c_str(), path));
    umask(old);
    const std::string created = path.c_str();
    EXPECT_EQ(dir_.path() + "/", created.substr(0, dir_.path().size() + 1));
    EXPECT_EQ(dir_.path().size() + 7, created.size());
    EXPECT_EQ(0644u, ModeOf(created));
    EXPECT_EQ(-1, FSMktemp(Sub("missing").c_str(), path));
    EXPECT_TRUE(Logged("[ERROR]", "mkstemp(" + Sub("missing") + "/"));

    ustring first, second;
    ASSERT_EQ(0, FSCreateTempPath("/tmp", first));
    ASSERT_EQ(0, FSCreateTempPath("/tmp", second));
    EXPECT_NE(first, second);
    const std::string name = first.c_str();
    ASSERT_EQ(13u, name.size());
    EXPECT_EQ("/tmp/", name.substr(0, 5));
    EXPECT_EQ(std::string::npos,
              name.find_first_not_of(
                  "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_", 5));
    EXPECT_FALSE(PathExists(name));
}

TEST_F(FileOpTest, LinksTimesAndRealPath) {
    MakeFile(Sub("target"), "t", 0644);
    EXPECT_EQ(0, FSCreateSymbolicLink("target", Sub("link").c_str()));
    ustring text;
    EXPECT_EQ(0, FSReadSymbolicLink(Sub("link").c_str(), text));
    EXPECT_STREQ("target", text.c_str());
    EXPECT_EQ(-1, FSCreateSymbolicLink("other", Sub("link").c_str()));
    EXPECT_TRUE(
        Logged("[ERROR]", "FSCreateSymbolicLink: Failed to create symbolic link 'other' -> '" +
                              Sub("link") + "' (code: 17, msg: File exists)\n"));
    EXPECT_EQ(-1, FSReadSymbolicLink(Sub("target").c_str(), text));
    EXPECT_STREQ("target", text.c_str());

    // The link's own time changes, not the target's.
    ASSERT_EQ(0, FSUTime(Sub("target").c_str(), 500, 500));
    ASSERT_EQ(0, FSUTime(Sub("link").c_str(), 1000, 2000));
    struct stat st;
    ASSERT_EQ(0, lstat(Sub("link").c_str(), &st));
    EXPECT_EQ(2000, st.st_mtime);
    EXPECT_EQ(1000, st.st_atime);
    ASSERT_EQ(0, stat(Sub("link").c_str(), &st));
    EXPECT_EQ(500, st.st_mtime);
    EXPECT_EQ(-1, FSUTime(Sub("missing").c_str(), 1, 1));

    char resolved[PATH_MAX];
    ASSERT_NE(nullptr, realpath(Sub("target").c_str(), resolved));
    ustring path(Sub("./link").c_str());
    EXPECT_EQ(0, FSGetRealPath(path));
    EXPECT_STREQ(resolved, path.c_str());
    ustring missing(Sub("missing").c_str());
    EXPECT_EQ(-1, FSGetRealPath(missing));
    EXPECT_STREQ(Sub("missing").c_str(), missing.c_str());
}

TEST_F(FileOpTest, ChownChangesTheLinkItself) {
    if (geteuid() != 0) GTEST_SKIP() << "changing an owner to another uid needs root";
    MakeFile(Sub("target"), "t", 0644);
    ASSERT_EQ(0, symlink("target", Sub("link").c_str()));
    EXPECT_EQ(0, FSChown(Sub("link").c_str(), kNobody, kNobody));
    struct stat st;
    ASSERT_EQ(0, lstat(Sub("link").c_str(), &st));
    EXPECT_EQ(kNobody, st.st_uid);
    ASSERT_EQ(0, stat(Sub("target").c_str(), &st));
    EXPECT_EQ(0u, st.st_uid);
    EXPECT_EQ(-1, FSChown(Sub("missing").c_str(), 0, 0));
    EXPECT_TRUE(Logged("[ERROR]", "FSChown: Failed to chown '" + Sub("missing") +
                                      "' (code: 2, msg: No such file or directory)\n"));
}

TEST_F(FileOpTest, FileSystemProbesOnLocalAndMissingPaths) {
    EXPECT_FALSE(isMountPoint(dir_.path().c_str()));
    EXPECT_FALSE(IsMSDOS(dir_.path().c_str()));
    EXPECT_EQ("", Log());
    EXPECT_FALSE(isMountPoint(Sub("missing").c_str()));
    EXPECT_TRUE(Logged("[ERROR]", "isMountPoint: Failed to get file system info '" +
                                      Sub("missing") + "'. No such file or directory\n"));
    EXPECT_FALSE(IsMSDOS(Sub("missing").c_str()));
    EXPECT_TRUE(Logged("[ERROR]", "IsSupportLargeFile: Failed to get file system info '" +
                                      Sub("missing") + "'. No such file or directory\n"));
}

TEST_F(FileOpTest, AccessProbesAsUnprivilegedUser) {
    ASSERT_EQ(0, chmod(dir_.path().c_str(), 0755));
    struct Row {
        const char *name;
        mode_t mode;
        int flag;
        bool locked;
    } rows[] = {
        {"unreadable", 0000, R_OK, true},
        {"readable", 0644, R_OK, false},
        {"read-only", 0444, W_OK, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        MakeFile(Sub(row.name), "secret", row.mode);
        const ustring path(Sub(row.name).c_str());
        const int status = RunUnprivileged([&] {
            return (isFileLocked(path, row.flag) ? 1 : 0) |
                   (hasFilePermission(path, row.flag) ? 2 : 0);
        });
        if (status == 77) GTEST_SKIP() << "cannot switch to uid " << kNobody;
        EXPECT_EQ(row.locked ? 1 : 2, status);
    }
    EXPECT_FALSE(isFileLocked(Sub("missing").c_str(), R_OK));
    EXPECT_TRUE(hasFilePermission(Sub("missing").c_str(), R_OK));
}

// What a user may remove of a tree: directories of theirs that are read-only
// or closed are opened up and emptied; an entry of another user stops the
// removal, which must then fail at any depth with that entry's EACCES (not a
// later "Directory not empty") and keep the tree's root.
TEST_F(FileOpTest, RemoveAsUnprivilegedOwner) {
    ASSERT_EQ(0, chmod(dir_.path().c_str(), 0755));
    const std::string deep = "d/" + std::string(100, 'x') + "/" + std::string(100, 'y');
    struct Row {
        const char *name;
        std::string foreign;  // a root-owned directory holding a file; none when empty
        int error;            // errno of the failed removal; 0: removed
    } rows[] = {
        {"read-only and closed directories", "", 0},
        {"foreign child", "locked", EACCES},
        {"foreign child deep down", deep + "/locked", EACCES},
    };
    for (const Remover &remover : kRemovers)
        for (const Row &row : rows) {
            SCOPED_TRACE(std::string(row.name) + ", " + remover.name);
            if (!row.foreign.empty() && geteuid() != 0)
                GTEST_SKIP() << "a file of another user needs root to make";
            // The tree lies in a folder of its owner, as in a home directory.
            const std::string tree =
                Sub(std::string("owner/tree-") + row.name + ", " + remover.name);
            MakeFile(tree + "/" + deep + "/file", "x", 0444);
            MakeFile(tree + "/closed/file", "x", 0644);
            MakeFile(Sub("outside/keep"), "k", 0644);
            ASSERT_EQ(0, symlink(Sub("outside").c_str(), (tree + "/" + deep + "/link").c_str()));
            ASSERT_EQ(0, chmod(Sub("outside").c_str(), 0555));
            if (geteuid() == 0) {
                ASSERT_EQ(0, RunCommand("chown -R nobody: '" + Sub("owner") + "'"));
            }
            if (!row.foreign.empty()) MakeFile(tree + "/" + row.foreign + "/file", "x", 0644);
            ASSERT_EQ(0, RunCommand("chmod 0555 '" + tree + "/" + deep + "' '" + tree + "/d' && " +
                                    "chmod 0000 '" + tree + "/closed'"));
            const ustring path(tree.c_str());
            const int status = RunUnprivileged([&] {
                if (remover.remove(path) == 0) return 0;
                return errno != 0 ? errno : 255;
            });
            if (status == 77) GTEST_SKIP() << "cannot switch to uid " << kNobody;
            EXPECT_EQ(row.error, status) << strerror(status);
            EXPECT_EQ(row.error != 0, PathExists(tree));
            EXPECT_TRUE(PathExists(Sub("outside/keep")));
            EXPECT_EQ(0555u, ModeOf(Sub("outside"))) << "changed through a link";
            ASSERT_EQ(0, chmod(Sub("outside").c_str(), 0755));
            ASSERT_EQ(0, RunCommand("rm -rf '" + Sub("outside") + "'"));
        }
}

// Moves between /tmp and /dev/shm, which are different file systems here.
class CrossDeviceTest : public FileOpTest {
protected:
    void SetUp() override {
        FileOpTest::SetUp();
        struct stat shm, tmp;
        if (stat("/dev/shm", &shm) != 0 || access("/dev/shm", W_OK) != 0)
            GTEST_SKIP() << "/dev/shm is not available for a cross-device move";
        ScopedEnv tmpdir("TMPDIR", "/dev/shm");
        other_.reset(new TempDir);
        ASSERT_EQ(0, stat(dir_.path().c_str(), &tmp));
        if (shm.st_dev == tmp.st_dev)
            GTEST_SKIP() << "/dev/shm and " << dir_.path()
                         << " are on the same device; no cross-device move to test";
    }
    std::string Other(const std::string &rel) const { return other_->sub(rel); }

    std::unique_ptr<TempDir> other_;
};

// A moved file used to lose its permission bits.
TEST_F(CrossDeviceTest, MovedFileKeepsContentsAndMode) {
    MakeFile(Sub("tool"), "#!/bin/sh\n", 0751);
    EXPECT_EQ(0, FSRename(Sub("tool").c_str(), Other("tool").c_str()));
    EXPECT_FALSE(PathExists(Sub("tool")));
    EXPECT_EQ("#!/bin/sh\n", ReadFile(Other("tool")));
    EXPECT_EQ(0751u, ModeOf(Other("tool")));
}

// A moved tree used to lose its executable bits and its symbolic links.
TEST_F(CrossDeviceTest, MovedTreeKeepsModesAndLinks) {
    MakeFile(Sub("app/bin/run"), "#!/bin/sh\nexit 0\n", 0755);
    MakeFile(Sub("app/data/nested/secret"), "s", 0600);
    ASSERT_EQ(0, chmod(Sub("app/data").c_str(), 0750));
    ASSERT_EQ(0, mkdir(Sub("app/lib").c_str(), 0755));
    ASSERT_EQ(0, symlink("../bin/run", Sub("app/lib/current").c_str()));
    ASSERT_EQ(0, symlink("/nowhere/at/all", Sub("app/lib/dangling").c_str()));

    EXPECT_EQ(0, FSRename(Sub("app").c_str(), Other("app").c_str()));

    EXPECT_FALSE(PathExists(Sub("app")));
    EXPECT_EQ("#!/bin/sh\nexit 0\n", ReadFile(Other("app/bin/run")));
    EXPECT_EQ("s", ReadFile(Other("app/data/nested/secret")));
    struct ModeRow {
        const char *rel;
        mode_t mode;
    } modes[] = {
        {"app/bin/run", 0755},
        {"app/data/nested/secret", 0600},
        {"app/data", 0750},
    };
    for (const ModeRow &row : modes) EXPECT_EQ(row.mode, ModeOf(Other(row.rel))) << row.rel;
    EXPECT_EQ("../bin/run", LinkText(Other("app/lib/current")));
    EXPECT_EQ("/nowhere/at/all", LinkText(Other("app/lib/dangling")));
    EXPECT_EQ(0, access(Other("app/lib/current").c_str(), X_OK));
}

TEST_F(CrossDeviceTest, FailedTreeMoveReleasesDescriptorsAndKeepsUnmovedSources) {
    MakeFile(Sub("app/file"), "f", 0644);
    ASSERT_EQ(0, mkdir(Other("app").c_str(), 0755));
    ASSERT_EQ(0, mkdir(Other("app/file").c_str(), 0755));  // blocks the copy of "file"
    const int before = OpenDescriptorCount();
    EXPECT_EQ(-3, FSRename(Sub("app").c_str(), Other("app").c_str()));
    EXPECT_EQ(before, OpenDescriptorCount());
    EXPECT_EQ("f", ReadFile(Sub("app/file")));
}

}  // namespace

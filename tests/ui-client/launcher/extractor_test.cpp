#include "extractor.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <locale.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <QMetaObject>
#include <QObject>
#include <QString>

#include "adapter.h"
#include "archive_builder.h"
#include "file/scoped.h"
#include "log.h"
#include "test_support.h"
#include "texts/strtab.h"

using testing_support::ArchiveEntry;
using testing_support::ArchiveFormat;
using testing_support::DirEntry;
using testing_support::FileEntry;
using testing_support::HardlinkEntry;
using testing_support::LinkText;
using testing_support::PathExists;
using testing_support::ReadFile;
using testing_support::SymlinkEntry;
using testing_support::TempDir;
using testing_support::WriteArchive;
using testing_support::WriteFile;

// Names the cause in failure messages.
static void PrintTo(FailureCause cause, std::ostream *os) {
    static const char *const kNames[] = {"kNone", "kPackage", "kDisk", "kEnvironment"};
    *os << kNames[static_cast<int>(cause)];
}

namespace {

// What the extractor told the dialog, in order.
struct Report {
    std::string text;  // set for a status-text report
    int total;
    int step;
    bool entry_done;  // for progress: the step-th entry was complete on disk
};

bool IsLink(const std::string &path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

class ScopedCwd {
public:
    explicit ScopedCwd(const std::string &dir) {
        char buf[4096];
        if (getcwd(buf, sizeof(buf))) old_ = buf;
        if (chdir(dir.c_str()) != 0) ADD_FAILURE() << "chdir " << dir;
    }
    ~ScopedCwd() {
        if (!old_.empty() && chdir(old_.c_str()) != 0) ADD_FAILURE() << "chdir back";
    }

private:
    std::string old_;
};

class ExtractorTest : public ::testing::Test {
protected:
    void SetUp() override {
        StrTable::InitStrTable();
        WriteFile(dir_.sub("launcher.debug"), "extractor_debug=7\n");
        ASSERT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, dir_.sub("launcher.log"),
                                        dir_.sub("launcher.debug"), 50));
        NewTarget();
        archive_ = dir_.sub("tarrowind.qpk");

        Notify_Adapter &ad = Notify_Adapter::GetInstance();
        text_conn_ = QObject::connect(
            &ad, &Notify_Adapter::sigUpdateDialogText, &ad,
            [this](QString text) {
                reports_.push_back({text.toStdString(), 0, 0, false});
            },
            Qt::DirectConnection);
        progress_conn_ = QObject::connect(
            &ad, &Notify_Adapter::sigUpdateProgress, &ad,
            [this](int total, int step) {
                reports_.push_back({"", total, step, EntryComplete(step)});
            },
            Qt::DirectConnection);
    }

    void TearDown() override {
        QObject::disconnect(text_conn_);
        QObject::disconnect(progress_conn_);
        Logger::Destroy();
    }

    // Whether the step-th entry of entries_ is on disk with all its data.
    bool EntryComplete(int step) const {
        if (step < 1 || step > static_cast<int>(entries_.size())) return false;
        const ArchiveEntry &e = entries_[step - 1];
        const std::string path = target_ + "/" + e.path;
        switch (e.type) {
            case ArchiveEntry::kFile:
                return ReadFile(path) == e.body;
            case ArchiveEntry::kDir:
                return PathExists(path);
            case ArchiveEntry::kSymlink:
                return LinkText(path) == e.body;
            case ArchiveEntry::kHardlink:
                return PathExists(path);
        }
        return false;
    }

    // Switches to a fresh, empty target directory.
    void NewTarget() {
        target_ = dir_.sub("app" + std::to_string(++targets_));
        ASSERT_EQ(0, mkdir(target_.c_str(), 0755));
    }

    void Build(ArchiveFormat format, const std::vector<ArchiveEntry> &entries) {
        entries_ = entries;
        ASSERT_TRUE(WriteArchive(archive_, format, entries));
    }

    // `fd`: a descriptor to read the package through instead of its path.
    FailureCause Extract(const PackageScan *scan = nullptr, int fd = -1) {
        Extractor ex;
        ex.SetSource(archive_.c_str());
        if (fd >= 0) ex.SetSourceFile(fd);
        ex.SetTarget(target_.c_str());
        return ex.Extract(scan);
    }

    // The log's messages without timestamps, with line numbers as "N".
    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        std::istringstream in(ReadFile(dir_.sub("launcher.log")));
        const std::regex line_number("^(\\[[A-Z]+\\] extractor)\\(\\d+\\)");
        for (std::string line; std::getline(in, line);) {
            const size_t start = line.find('[');
            if (start == std::string::npos) continue;
            lines.push_back(std::regex_replace(line.substr(start), line_number, "$1(N)"));
        }
        return lines;
    }

    std::vector<Report> Progress() const {
        std::vector<Report> out;
        for (const Report &r : reports_)
            if (r.text.empty()) out.push_back(r);
        return out;
    }

    int TextReports() const {
        int n = 0;
        for (const Report &r : reports_) n += !r.text.empty();
        return n;
    }

    TempDir dir_;
    std::string target_;
    int targets_ = 0;
    std::string archive_;
    std::vector<ArchiveEntry> entries_;
    std::vector<Report> reports_;
    QMetaObject::Connection text_conn_, progress_conn_;
};

const char kPreparing[] = "Tarrowind Backup is initializing...";

struct FormatCase {
    const char *name;
    ArchiveFormat format;
};

class ExtractFormatTest : public ExtractorTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(ExtractFormatTest, WritesFilesDirectoriesAndLinksUnderTheTarget) {
    ScopedUmask mask(022);
    Build(GetParam().format, {
                                 DirEntry("bin", 0755),
                                 FileEntry("bin/tarrowind-backup-ui", "#!/bin/sh\n", 0755),
                                 FileEntry("share/doc/readme.txt", "read me", 0644),
                                 FileEntry("lib/libfoo.so.1", "ELF", 0644),
                                 SymlinkEntry("lib/libfoo.so", "libfoo.so.1"),
                                 FileEntry("INFO", "[Version]\nbuild=1\n", 0600),
                             });
    ASSERT_EQ(FailureCause::kNone, Extract());

    struct stat st;
    ASSERT_EQ(0, stat((target_ + "/bin").c_str(), &st));
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(0755u, st.st_mode & 07777);
    const struct {
        const char *path;
        const char *data;
        mode_t mode;
    } files[] = {
        {"bin/tarrowind-backup-ui", "#!/bin/sh\n", 0755},
        {"share/doc/readme.txt", "read me", 0644},
        {"lib/libfoo.so.1", "ELF", 0644},
        {"INFO", "[Version]\nbuild=1\n", 0600},
    };
    for (const auto &f : files) {
        const std::string path = target_ + "/" + f.path;
        EXPECT_EQ(f.data, ReadFile(path)) << f.path;
        ASSERT_EQ(0, lstat(path.c_str(), &st)) << f.path;
        EXPECT_TRUE(S_ISREG(st.st_mode)) << f.path;
        EXPECT_EQ(f.mode, st.st_mode & 07777) << f.path;
    }
    EXPECT_TRUE(IsLink(target_ + "/lib/libfoo.so"));
    EXPECT_EQ("libfoo.so.1", LinkText(target_ + "/lib/libfoo.so"));
    EXPECT_EQ("ELF", ReadFile(target_ + "/lib/libfoo.so"));
}

INSTANTIATE_TEST_SUITE_P(Formats, ExtractFormatTest,
                         ::testing::Values(FormatCase{"TarGz", ArchiveFormat::kTarGz},
                                           FormatCase{"Zip", ArchiveFormat::kZip},
                                           FormatCase{"Cpio", ArchiveFormat::kCpio}),
                         [](const ::testing::TestParamInfo<FormatCase> &info) {
                             return std::string(info.param.name);
                         });

TEST_F(ExtractorTest, ModesPassThroughTheUmaskWithoutSetIdBits) {
    const struct {
        int archived;
        mode_t mask;
        mode_t expected;
    } rows[] = {
        {0755, 022, 0755},  {0666, 022, 0644}, {0666, 077, 0600},
        {04755, 022, 0755}, {02755, 0, 0755},  {01777, 0, 0777},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.archived);
        ScopedUmask mask(row.mask);
        Build(ArchiveFormat::kTar, {FileEntry("f", "x", row.archived)});
        ASSERT_EQ(FailureCause::kNone, Extract());
        struct stat st;
        ASSERT_EQ(0, lstat((target_ + "/f").c_str(), &st));
        EXPECT_EQ(row.expected, st.st_mode & 07777);
    }
}

// Hard-link targets used to be handed on as stored, so they were looked up
// relative to the working directory instead of the target.
TEST_F(ExtractorTest, HardLinksPointIntoTheTargetWhateverTheWorkingDirectory) {
    const std::string decoy = dir_.sub("cwd");
    WriteFile(decoy + "/bin/tool", "decoy");
    ScopedCwd cwd(decoy);
    for (const ArchiveFormat format : {ArchiveFormat::kTar, ArchiveFormat::kCpio}) {
        SCOPED_TRACE(format == ArchiveFormat::kTar ? "tar" : "cpio");
        Build(format, {
                          FileEntry("bin/tool", "the tool", 0755),
                          HardlinkEntry("bin/tool-alias", "bin/tool"),
                          FileEntry("after", "after"),
                      });
        ASSERT_EQ(FailureCause::kNone, Extract());
        struct stat a, b, d;
        ASSERT_EQ(0, stat((target_ + "/bin/tool").c_str(), &a));
        ASSERT_EQ(0, stat((target_ + "/bin/tool-alias").c_str(), &b));
        ASSERT_EQ(0, stat((decoy + "/bin/tool").c_str(), &d));
        EXPECT_EQ(a.st_ino, b.st_ino);
        EXPECT_EQ(2u, a.st_nlink);
        EXPECT_EQ("the tool", ReadFile(target_ + "/bin/tool-alias"));
        EXPECT_EQ(1u, d.st_nlink);
        EXPECT_EQ("decoy", ReadFile(decoy + "/bin/tool"));
        EXPECT_EQ("after", ReadFile(target_ + "/after"));
    }
}

TEST_F(ExtractorTest, NothingIsWrittenOutsideTheTarget) {
    const std::string outside = dir_.sub("outside");
    WriteFile(outside + "/secret", "secret");
    const struct {
        const char *name;
        std::vector<ArchiveEntry> entries;
        bool succeeds;
    } rows[] = {
        {"write through an absolute symlink",
         {SymlinkEntry("x", outside), FileEntry("x/file", "pwned")},
         true},
        {"write through a relative symlink",
         {SymlinkEntry("x", "../outside"), FileEntry("x/file", "pwned")},
         true},
        {"dot-dot entry", {FileEntry("../outside/file", "pwned")}, false},
        {"dot-dot inside the name",
         {DirEntry("a"), FileEntry("a/../../outside/file", "pwned")},
         false},
        {"hard link up the tree", {HardlinkEntry("file", "../outside/secret")}, false},
        {"hard link to an absolute path", {HardlinkEntry("file", outside + "/secret")}, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        NewTarget();
        Build(ArchiveFormat::kTar, row.entries);
        const FailureCause cause = Extract();
        EXPECT_EQ(row.succeeds, cause == FailureCause::kNone);
        EXPECT_EQ(row.succeeds ? FailureCause::kNone : FailureCause::kPackage, cause);
        EXPECT_FALSE(PathExists(outside + "/file"));
        unlink((outside + "/file").c_str());
        if (row.succeeds) {
            // The archive's own link is replaced by a real directory.
            EXPECT_FALSE(IsLink(target_ + "/x"));
            EXPECT_EQ("pwned", ReadFile(target_ + "/x/file"));
        }
        EXPECT_EQ("secret", ReadFile(outside + "/secret"));
        struct stat st;
        ASSERT_EQ(0, stat((outside + "/secret").c_str(), &st));
        EXPECT_EQ(1u, st.st_nlink);
    }
}

// Three good entries followed by a header block that fails its checksum.
TEST_F(ExtractorTest, DamagedHeaderStopsAfterTheGoodEntries) {
    Build(ArchiveFormat::kTar, {FileEntry("a", "a"), FileEntry("b", "b"), FileEntry("c", "c")});
    std::string bytes = ReadFile(archive_);
    const size_t end = 3 * 1024;  // three headers with one data block each
    ASSERT_GT(bytes.size(), end);
    bytes.replace(end, 512, std::string(512, 'Z'));
    WriteFile(archive_, bytes);

    Extractor ex;
    ex.SetSource(archive_.c_str());
    ex.SetTarget(target_.c_str());
    EXPECT_EQ(3, ex.Count());
    const int descriptors = testing_support::OpenDescriptorCount();
    const FailureCause cause = ex.Extract();
    EXPECT_EQ(FailureCause::kPackage, cause);
    EXPECT_EQ(descriptors, testing_support::OpenDescriptorCount());

    const std::vector<Report> progress = Progress();
    ASSERT_EQ(3u, progress.size());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(3, progress[i].total);
        EXPECT_EQ(i + 1, progress[i].step);
    }
    EXPECT_EQ("c", ReadFile(target_ + "/c"));
    const std::vector<std::string> log = LogLines();
    ASSERT_EQ(2u, log.size());
    EXPECT_TRUE(std::regex_match(
        log[1], std::regex("\\[ERROR\\] extractor\\(N\\): archive_read_next_header failed: '.+'")))
        << log[1];
}

TEST_F(ExtractorTest, TruncatedCompressedArchiveFailsAndReleasesEverything) {
    std::string big;
    for (int i = 0; big.size() < 200000; ++i) big += std::to_string(i * 7919) + "\n";
    Build(ArchiveFormat::kTarGz, {FileEntry("first", "1"), FileEntry("big", big)});
    std::string bytes = ReadFile(archive_);
    WriteFile(archive_, bytes.substr(0, bytes.size() / 2));

    const int descriptors = testing_support::OpenDescriptorCount();
    const FailureCause cause = Extract();
    EXPECT_EQ(FailureCause::kPackage, cause);
    EXPECT_EQ(descriptors, testing_support::OpenDescriptorCount());
    EXPECT_EQ("1", ReadFile(target_ + "/first"));
    const std::vector<Report> progress = Progress();
    ASSERT_EQ(1u, progress.size());
    EXPECT_EQ(2, progress[0].total);
    // The data error belongs to the reader, and its text must reach the log.
    const std::vector<std::string> log = LogLines();
    ASSERT_EQ(2u, log.size());
    EXPECT_TRUE(std::regex_match(
        log[1], std::regex("\\[ERROR\\] extractor\\(N\\): archive_read_extract2 failed: '.+'")))
        << log[1];
}

TEST_F(ExtractorTest, AbsoluteNamesLandInsideTheTarget) {
    Build(ArchiveFormat::kTar, {FileEntry("/etc/tarrowind-test", "inside")});
    ASSERT_EQ(FailureCause::kNone, Extract());
    EXPECT_EQ("inside", ReadFile(target_ + "/etc/tarrowind-test"));
}

// The disk writer removes every symbolic link it meets on an absolute path,
// so a target reached through a link must not be handed to it as it is.
TEST_F(ExtractorTest, TargetReachedThroughASymlinkKeepsTheLink) {
    const std::string real_home = dir_.sub("real-home");
    ASSERT_EQ(0, mkdir(real_home.c_str(), 0755));
    ASSERT_EQ(0, mkdir((real_home + "/app").c_str(), 0755));
    ASSERT_EQ(0, symlink(real_home.c_str(), dir_.sub("home").c_str()));
    target_ = dir_.sub("home") + "/app";
    Build(ArchiveFormat::kTarGz, {DirEntry("bin"), FileEntry("bin/run", "run", 0755)});
    ASSERT_EQ(FailureCause::kNone, Extract());
    EXPECT_TRUE(IsLink(dir_.sub("home")));
    EXPECT_EQ("run", ReadFile(real_home + "/app/bin/run"));
}

TEST_F(ExtractorTest, ExistingFilesAreReplacedNotWrittenInto) {
    const std::string kept = dir_.sub("kept");
    WriteFile(kept, "old");
    ASSERT_EQ(0, link(kept.c_str(), (target_ + "/INFO").c_str()));
    WriteFile(target_ + "/bin/stale", "stale");
    Build(ArchiveFormat::kTar, {FileEntry("INFO", "new"), DirEntry("bin")});
    ASSERT_EQ(FailureCause::kNone, Extract());
    EXPECT_EQ("new", ReadFile(target_ + "/INFO"));
    EXPECT_EQ("old", ReadFile(kept));
    EXPECT_EQ("stale", ReadFile(target_ + "/bin/stale"));
}

// Each entry that moves the dialog's whole percent is reported, with all of
// it on disk: each of a few entries, and about a hundred of many.
TEST_F(ExtractorTest, ReportsStatusOnceAndProgressWhenThePercentMoves) {
    Build(ArchiveFormat::kTarGz, {
                                     DirEntry("bin"),
                                     FileEntry("bin/run", std::string(100000, 'r'), 0755),
                                     SymlinkEntry("run", "bin/run"),
                                     FileEntry("INFO", "[Version]\n"),
                                 });
    ASSERT_EQ(FailureCause::kNone, Extract());
    ASSERT_FALSE(reports_.empty());
    EXPECT_EQ(kPreparing, reports_.front().text);
    EXPECT_EQ(1, TextReports());
    const std::vector<Report> progress = Progress();
    ASSERT_EQ(entries_.size(), progress.size());
    for (size_t i = 0; i < progress.size(); ++i) {
        EXPECT_EQ(4, progress[i].total);
        EXPECT_EQ(static_cast<int>(i) + 1, progress[i].step);
        EXPECT_TRUE(progress[i].entry_done) << "entry " << i + 1;
    }
    EXPECT_EQ(std::vector<std::string>{"[DEBUG] extractor(N): decompress from '" + archive_ +
                                       "' to '" + target_ + "'"},
              LogLines());

    std::vector<ArchiveEntry> many;
    for (int i = 0; i < 250; ++i) many.push_back(FileEntry("f" + std::to_string(i), "x"));
    Build(ArchiveFormat::kTar, many);
    NewTarget();
    reports_.clear();
    ASSERT_EQ(FailureCause::kNone, Extract());
    const std::vector<Report> fewer = Progress();
    ASSERT_EQ(101u, fewer.size());
    for (size_t i = 0; i < fewer.size(); ++i) {
        EXPECT_EQ(static_cast<int>(i), fewer[i].step * 100 / 250) << "report " << i;
        EXPECT_TRUE(fewer[i].entry_done) << "report " << i;
    }
    EXPECT_EQ(250, fewer.back().step);
}

TEST_F(ExtractorTest, CountAndListSeeEveryEntry) {
    Build(ArchiveFormat::kCpio, {
                                    DirEntry("bin"),
                                    FileEntry("bin/run", "run"),
                                    SymlinkEntry("lib/libfoo.so", "libfoo.so.1"),
                                    FileEntry("lib/libfoo.so.1", "so"),
                                    FileEntry("INFO", ""),
                                });
    Extractor ex;
    ex.SetSource(archive_.c_str());
    ex.SetTarget(target_.c_str());
    EXPECT_EQ(5, ex.Count());
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(0, ex.List());
    EXPECT_EQ("bin\nbin/run\nlib/libfoo.so\nlib/libfoo.so.1\nINFO\n",
              ::testing::internal::GetCapturedStdout());

    Build(ArchiveFormat::kTar, {});
    EXPECT_EQ(0, ex.Count());
    EXPECT_FALSE(PathExists(target_ + "/bin"));
}

TEST_F(ExtractorTest, ArchiveWithoutEntriesFails) {
    Build(ArchiveFormat::kTarGz, {});
    const FailureCause cause = Extract();
    EXPECT_EQ(FailureCause::kPackage, cause);
    EXPECT_EQ(1, TextReports());
    EXPECT_TRUE(Progress().empty());
    const std::vector<std::string> log = LogLines();
    ASSERT_EQ(2u, log.size());
    EXPECT_EQ("[ERROR] extractor(N): Failed to calculate total file numbers, ret: 0", log[1]);
}

TEST_F(ExtractorTest, MissingArchiveFails) {
    archive_ = dir_.sub("no-such.qpk");
    Extractor ex;
    ex.SetSource(archive_.c_str());
    ex.SetTarget(target_.c_str());
    EXPECT_EQ(-1, ex.Count());
    EXPECT_EQ(-1, ex.List());
    const FailureCause cause = ex.Extract();
    // Not the package's fault: it may be back, unchanged, at the next login.
    EXPECT_EQ(FailureCause::kEnvironment, cause);
    EXPECT_EQ(1, TextReports());
    EXPECT_TRUE(Progress().empty());

    const std::vector<std::string> log = LogLines();
    ASSERT_EQ(5u, log.size());
    const std::regex open_failed(
        "\\[ERROR\\] extractor\\(N\\): archive_read_open_filename failed: '.*no-such\\.qpk.*'");
    EXPECT_TRUE(std::regex_match(log[0], open_failed)) << log[0];
    EXPECT_TRUE(std::regex_match(log[1], open_failed)) << log[1];
    EXPECT_EQ("[DEBUG] extractor(N): decompress from '" + archive_ + "' to '" + target_ + "'",
              log[2]);
    EXPECT_TRUE(std::regex_match(log[3], open_failed)) << log[3];
    EXPECT_EQ("[ERROR] extractor(N): Failed to calculate total file numbers, ret: -1", log[4]);
}

TEST_F(ExtractorTest, MissingTargetDirectoryFailsWithoutCreatingIt) {
    Build(ArchiveFormat::kTar, {FileEntry("INFO", "x")});
    target_ = dir_.sub("not-created/app");
    const FailureCause cause = Extract();
    EXPECT_EQ(FailureCause::kEnvironment, cause);
    EXPECT_FALSE(PathExists(dir_.sub("not-created")));
    EXPECT_TRUE(Progress().empty());
    EXPECT_TRUE(std::regex_match(LogLines().back(),
                                 std::regex("\\[ERROR\\] extractor\\(N\\): Failed to resolve "
                                            "target '.*/not-created/app' \\(.+\\)")))
        << LogLines().back();
}

TEST_F(ExtractorTest, MissingPathsAreRejectedUntouched) {
    const struct {
        const char *source;
        const char *target;
    } rows[] = {{"", "/tmp/x"}, {"/tmp/x.qpk", ""}, {"", ""}};
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.source) + " -> " + row.target);
        Extractor ex;
        ex.SetSource(row.source);
        ex.SetTarget(row.target);
        const FailureCause cause = ex.Extract();
        EXPECT_NE(FailureCause::kNone, cause);
        EXPECT_NE(FailureCause::kPackage, cause);
        EXPECT_EQ(-1, ex.Count());
        EXPECT_EQ(-1, ex.List());
    }
    EXPECT_TRUE(reports_.empty());
    std::vector<std::string> expected;
    for (int i = 0; i < 3; ++i) {
        expected.push_back("[ERROR] extractor(N): Invalid Argument");
        expected.push_back("[ERROR] extractor(N): Invalid argument");
        expected.push_back("[ERROR] extractor(N): Invalid argument");
    }
    EXPECT_EQ(expected, LogLines());

    Extractor ex;
    EXPECT_EQ(-1, ex.copy_data(nullptr, nullptr));
    EXPECT_EQ("[ERROR] extractor(N): Invalid Argument", LogLines().back());
}
// An entry naming the target itself used to be written as what it was: a file
// or a link took the place of the whole, still empty, target directory, and
// the extraction succeeded.
TEST_F(ExtractorTest, EntryNamingTheTargetMayOnlyBeADirectory) {
    const std::string outside = dir_.sub("outside");
    ASSERT_EQ(0, mkdir(outside.c_str(), 0755));
    const struct {
        const char *name;
        std::vector<ArchiveEntry> entries;
        bool succeeds;
    } rows[] = {
        {"link named .", {SymlinkEntry(".", outside)}, false},
        {"file named .", {FileEntry(".", "file")}, false},
        {"file named ./.", {FileEntry("./.", "file")}, false},
        {"hard link named .", {FileEntry("a", "a"), HardlinkEntry(".", "a")}, false},
        {"directory named .", {DirEntry(".", 0755), FileEntry("a", "a")}, true},
        {"file named .hidden", {FileEntry(".hidden", "hidden")}, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        NewTarget();
        Build(ArchiveFormat::kTar, row.entries);
        const FailureCause cause = Extract();
        EXPECT_EQ(row.succeeds, cause == FailureCause::kNone);
        EXPECT_EQ(row.succeeds ? FailureCause::kNone : FailureCause::kPackage, cause);
        struct stat st;
        ASSERT_EQ(0, lstat(target_.c_str(), &st));
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        if (!row.succeeds) {
            EXPECT_NE(std::string::npos, LogLines().back().find("refusing entry"))
                << LogLines().back();
        }
    }
}

// Device nodes, FIFOs and sockets used to be made as the package said; run
// as root, the launcher put a device node readable by everyone into the copy.
TEST_F(ExtractorTest, SpecialFilesAreRefused) {
    const mode_t types[] = {AE_IFCHR, AE_IFBLK, AE_IFIFO, AE_IFSOCK};
    for (const mode_t type : types) {
        SCOPED_TRACE(type);
        NewTarget();
        // cpio, as tar has no place for a socket.
        struct archive *a = archive_write_new();
        archive_write_set_format_cpio_newc(a);
        ASSERT_EQ(ARCHIVE_OK, archive_write_open_filename(a, archive_.c_str()));
        struct archive_entry *e = archive_entry_new();
        archive_entry_set_pathname(e, "first");
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_perm(e, 0644);
        archive_entry_set_size(e, 5);
        ASSERT_EQ(ARCHIVE_OK, archive_write_header(a, e));
        ASSERT_EQ(5, archive_write_data(a, "first", 5));
        archive_entry_clear(e);
        archive_entry_set_pathname(e, "special");
        archive_entry_set_filetype(e, type);
        archive_entry_set_perm(e, 0666);
        archive_entry_set_rdev(e, makedev(1, 3));
        archive_entry_set_size(e, 0);
        ASSERT_EQ(ARCHIVE_OK, archive_write_header(a, e)) << archive_error_string(a);
        archive_entry_free(e);
        archive_write_free(a);

        const FailureCause cause = Extract();
        EXPECT_EQ(FailureCause::kPackage, cause);
        EXPECT_EQ("first", ReadFile(target_ + "/first"));
        EXPECT_FALSE(PathExists(target_ + "/special"));
        EXPECT_NE(std::string::npos, LogLines().back().find("refusing entry 'special'"))
            << LogLines().back();
    }
}

TEST(CauseOfWriterErrorTest, MapsEachErrorToWhoseFaultItIs) {
    const struct {
        int error;
        bool hardlink;
        FailureCause cause;
    } rows[] = {
        // The writer's own refusals: a ".." element, a path through a link.
        {0, false, FailureCause::kPackage},
        {-1, false, FailureCause::kPackage},
        {-1, true, FailureCause::kPackage},
        {ENAMETOOLONG, false, FailureCause::kPackage},
        {ENAMETOOLONG, true, FailureCause::kPackage},
        {EILSEQ, false, FailureCause::kPackage},
        {ENOENT, true, FailureCause::kPackage},
        {ENOENT, false, FailureCause::kEnvironment},
        {ENOTDIR, true, FailureCause::kPackage},
        {ENOTDIR, false, FailureCause::kPackage},
        {ENOSPC, false, FailureCause::kDisk},
        {ENOSPC, true, FailureCause::kDisk},
        {EDQUOT, false, FailureCause::kDisk},
        {EACCES, false, FailureCause::kDisk},
        {EACCES, true, FailureCause::kDisk},
        {EPERM, false, FailureCause::kDisk},
        {EIO, false, FailureCause::kDisk},
        {EROFS, false, FailureCause::kDisk},
        {EFBIG, false, FailureCause::kDisk},
        {EMLINK, true, FailureCause::kDisk},
        {EEXIST, false, FailureCause::kDisk},
        {EINVAL, false, FailureCause::kDisk},
        {EINTR, false, FailureCause::kEnvironment},
        {EAGAIN, false, FailureCause::kEnvironment},
        {EBUSY, false, FailureCause::kEnvironment},
        {ETXTBSY, false, FailureCause::kEnvironment},
        {ETXTBSY, true, FailureCause::kEnvironment},
        {ENOMEM, false, FailureCause::kEnvironment},
        {EMFILE, false, FailureCause::kEnvironment},
        {ENFILE, false, FailureCause::kEnvironment},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.error > 0 ? strerror(row.error) : "no system error") +
                     (row.hardlink ? ", hard link" : ""));
        EXPECT_EQ(row.cause, CauseOfWriterError(row.error, row.hardlink));
    }
}

// The same error number says a different thing on each side: opening the
// package, reading it on (a failed read(2) of its file) and writing its copy.
TEST(CauseOfErrorsTest, EachSideMapsAnErrorToWhoseFaultItIs) {
    const struct {
        int error;
        FailureCause open, read, write;
    } rows[] = {
        // libarchive's own codes: bytes it cannot make out, or no system error.
        {0, FailureCause::kPackage, FailureCause::kPackage, FailureCause::kPackage},
        {-1, FailureCause::kPackage, FailureCause::kPackage, FailureCause::kPackage},
        {EILSEQ, FailureCause::kPackage, FailureCause::kEnvironment, FailureCause::kPackage},
        {EIO, FailureCause::kEnvironment, FailureCause::kEnvironment, FailureCause::kDisk},
        {ESTALE, FailureCause::kEnvironment, FailureCause::kEnvironment, FailureCause::kDisk},
        {ETIMEDOUT, FailureCause::kEnvironment, FailureCause::kEnvironment, FailureCause::kDisk},
        {ENXIO, FailureCause::kEnvironment, FailureCause::kEnvironment, FailureCause::kDisk},
        {EACCES, FailureCause::kEnvironment, FailureCause::kEnvironment, FailureCause::kDisk},
        {ENOSPC, FailureCause::kEnvironment, FailureCause::kEnvironment, FailureCause::kDisk},
        {EDQUOT, FailureCause::kEnvironment, FailureCause::kEnvironment, FailureCause::kDisk},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.error > 0 ? strerror(row.error) : "no system error");
        EXPECT_EQ(row.open, CauseOfOpenError(row.error));
        EXPECT_EQ(row.read, CauseOfReadError(row.error));
        EXPECT_EQ(row.write, CauseOfWriterError(row.error, false));
    }
}

// Changes made to a fixture package or its target before an extraction.
void DamageSecondHeader(const std::string &archive, const std::string &) {
    std::string bytes = ReadFile(archive);
    WriteFile(archive, bytes.replace(1024, 512, std::string(512, 'Z')));
}
void CutInHalf(const std::string &archive, const std::string &) {
    const std::string bytes = ReadFile(archive);
    WriteFile(archive, bytes.substr(0, bytes.size() / 2));
}
// The first entry and half the second one's header.
const size_t kIntoTheSecondHeader = 1280;
void CutIntoTheSecondHeader(const std::string &archive, const std::string &) {
    WriteFile(archive, ReadFile(archive).substr(0, kIntoTheSecondHeader));
}
void Garble(const std::string &archive, const std::string &) {
    std::string bytes;
    for (int i = 0; i < 4096; ++i) bytes += static_cast<char>(i * 37 % 251);
    WriteFile(archive, bytes);
}
void RemovePackage(const std::string &archive, const std::string &) {
    ASSERT_EQ(0, unlink(archive.c_str()));
}
void ClosePackage(const std::string &archive, const std::string &) {
    ASSERT_EQ(0, chmod(archive.c_str(), 0));
}
void CloseTarget(const std::string &, const std::string &target) {
    ASSERT_EQ(0, chmod(target.c_str(), 0555));
}
void RemoveTarget(const std::string &, const std::string &target) {
    ASSERT_EQ(0, rmdir(target.c_str()));
}
void FileAsTarget(const std::string &, const std::string &target) {
    ASSERT_EQ(0, rmdir(target.c_str()));
    WriteFile(target, "not a directory");
}

std::string BigText() {
    std::string big;
    for (int i = 0; big.size() < 200000; ++i) big += std::to_string(i * 7919) + "\n";
    return big;
}

const PackageScan kOneEntry{1, 1};
const PackageScan kTwoEntries{2, 2};

const struct CauseRow {
    const char *name;
    ArchiveFormat format;
    std::vector<ArchiveEntry> entries;
    void (*setup)(const std::string &archive, const std::string &target);  // or null
    const PackageScan *scan;  // handed to Extract; null: it scans itself
    FailureCause cause;       // of the failure every row ends in
    // More than 0: only the package's first bytes, that many, are read,
    // through a descriptor whose next read fails (FailingReadDescriptor).
    size_t failing_read = 0;
} kCauseRows[] = {
    {"a file on the way of a later entry",
     ArchiveFormat::kTar,
     {FileEntry("a", "x"), FileEntry("a/b", "y")},
     nullptr,
     nullptr,
     FailureCause::kPackage},
    {"hard link to an entry not in the package",
     ArchiveFormat::kTar,
     {FileEntry("a", "a"), HardlinkEntry("alias", "missing")},
     nullptr,
     nullptr,
     FailureCause::kPackage},
    {"name component of 300 bytes",
     ArchiveFormat::kTar,
     {FileEntry("share/" + std::string(300, 'n'), "x")},
     nullptr,
     nullptr,
     FailureCause::kPackage},
    {"dot-dot element",
     ArchiveFormat::kTar,
     {FileEntry("../escape.txt", "x")},
     nullptr,
     nullptr,
     FailureCause::kPackage},
    {"damaged header",
     ArchiveFormat::kTar,
     {FileEntry("a", "a"), FileEntry("b", "b")},
     DamageSecondHeader,
     nullptr,
     FailureCause::kPackage},
    {"truncated compressed data",
     ArchiveFormat::kTarGz,
     {FileEntry("first", "1"), FileEntry("big", BigText())},
     CutInHalf,
     nullptr,
     FailureCause::kPackage},
    {"no archive at all",
     ArchiveFormat::kTar,
     {FileEntry("a", "a")},
     Garble,
     nullptr,
     FailureCause::kPackage},
    {"no archive after the scan",
     ArchiveFormat::kTar,
     {FileEntry("a", "a")},
     Garble,
     &kOneEntry,
     FailureCause::kPackage},
    {"more entries than the scan counted",
     ArchiveFormat::kTar,
     {FileEntry("a", "a"), FileEntry("b", "b")},
     nullptr,
     &kOneEntry,
     FailureCause::kPackage},
    {"empty package", ArchiveFormat::kTarGz, {}, nullptr, nullptr, FailureCause::kPackage},
    {"target not writable",
     ArchiveFormat::kTar,
     {FileEntry("a", "a")},
     CloseTarget,
     nullptr,
     FailureCause::kDisk},
    {"target not a directory",
     ArchiveFormat::kTar,
     {FileEntry("a", "a")},
     FileAsTarget,
     nullptr,
     FailureCause::kDisk},
    {"target vanished",
     ArchiveFormat::kTar,
     {FileEntry("a", "a")},
     RemoveTarget,
     nullptr,
     FailureCause::kEnvironment},
    {"package vanished",
     ArchiveFormat::kTar,
     {FileEntry("a", "a")},
     RemovePackage,
     nullptr,
     FailureCause::kEnvironment},
    {"package vanished after the scan",
     ArchiveFormat::kTar,
     {FileEntry("a", "a")},
     RemovePackage,
     &kOneEntry,
     FailureCause::kEnvironment},
    {"package unreadable",
     ArchiveFormat::kTar,
     {FileEntry("a", "a")},
     ClosePackage,
     nullptr,
     FailureCause::kEnvironment},
    // The first entry, then a read that fails: the same bytes in a file of
    // their own are a truncated package, the package's fault.
    {"read of the package fails while it is written",
     ArchiveFormat::kTar,
     {FileEntry("a", "a"), FileEntry("b", "b")},
     nullptr,
     &kTwoEntries,
     FailureCause::kEnvironment,
     kIntoTheSecondHeader},
    {"the same bytes, truncated in a file",
     ArchiveFormat::kTar,
     {FileEntry("a", "a"), FileEntry("b", "b")},
     CutIntoTheSecondHeader,
     &kTwoEntries,
     FailureCause::kPackage},
};

// Whose fault a failure is decides whether the package is tried again at the
// next login. The extractions run as an unprivileged user, as users do.
TEST_F(ExtractorTest, FailuresNameTheirCause) {
    ASSERT_EQ(0, chmod(dir_.path().c_str(), 0755));
    ScopedUmask mask(022);
    for (const CauseRow &row : kCauseRows) {
        SCOPED_TRACE(row.name);
        NewTarget();
        if (geteuid() == 0) {
            ASSERT_EQ(0, chown(target_.c_str(), testing_support::kUnprivilegedUid,
                               testing_support::kUnprivilegedUid));
        }
        unlink(archive_.c_str());
        Build(row.format, row.entries);
        if (row.setup) row.setup(archive_, target_);
        const ScopedFd source(row.failing_read ? testing_support::FailingReadDescriptor(
                                                     ReadFile(archive_).substr(0, row.failing_read))
                                               : -1);
        if (row.failing_read && !source.valid()) GTEST_SKIP() << "no terminal to fail a read";
        const int status = testing_support::RunUnprivileged(
            [&] { return static_cast<int>(Extract(row.scan, source.get())); });
        if (status == 77)
            GTEST_SKIP() << "cannot switch to uid " << testing_support::kUnprivilegedUid;
        ASSERT_LE(0, status);
        const std::vector<std::string> log = LogLines();
        EXPECT_NE(FailureCause::kNone, row.cause) << "every row fails";
        EXPECT_EQ(row.cause, static_cast<FailureCause>(status))
            << (log.empty() ? "no log" : log.back());
        EXPECT_FALSE(PathExists(dir_.sub("escape.txt")));
    }
}

// A scan handed to Extract spares it the second pass; one that found nothing
// does not count.
TEST_F(ExtractorTest, ExtractReadsTheSourceOnceWhenGivenItsScan) {
    Build(ArchiveFormat::kTar, {FileEntry("a", "a"), FileEntry("b", "b"), FileEntry("c", "c")});
    const PackageScan scans[] = {{3, 3}, {6, 3}, {0, 0}, {-1, 0}};
    const struct {
        const PackageScan *scan;
        int total;  // what the progress reports show
    } rows[] = {{nullptr, 3}, {&scans[0], 3}, {&scans[1], 6}, {&scans[2], 3}, {&scans[3], 3}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.scan ? row.scan->entries : 99);
        NewTarget();
        reports_.clear();
        const FailureCause cause = Extract(row.scan);
        EXPECT_EQ(FailureCause::kNone, cause);
        const std::vector<Report> progress = Progress();
        ASSERT_FALSE(progress.empty());
        EXPECT_EQ(row.total, progress.back().total);
        EXPECT_EQ(3, progress.back().step);
    }
}

// The check (ReadHeaders) and the extraction read a package alike: what one
// accepts the other writes, what one refuses the other refuses.
TEST_F(ExtractorTest, CheckAndExtractionAcceptTheSameArchives) {
    const std::vector<ArchiveEntry> entries = {FileEntry("INFO", "[Version]\n")};
    const struct {
        const char *name;
        std::function<void(const std::string &path)> make;
        bool accepted;
    } rows[] = {
        {"tar", [&](const std::string &p) { WriteArchive(p, ArchiveFormat::kTar, entries); }, true},
        {"zip", [&](const std::string &p) { WriteArchive(p, ArchiveFormat::kZip, entries); }, true},
        {"tar.xz",
         [](const std::string &p) {
             testing_support::MustRun(
                 "python3 -c 'import io,sys,tarfile\n"
                 "t=tarfile.open(sys.argv[1],\"w:xz\")\n"
                 "i=tarfile.TarInfo(\"INFO\");i.size=1\n"
                 "t.addfile(i,io.BytesIO(b\"x\"));t.close()' " +
                 testing_support::Quote(p));
         },
         true},
        {"no archive", [](const std::string &p) { WriteFile(p, std::string(4096, 'x')); }, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        NewTarget();
        row.make(archive_);
        const ScopedFd fd(open(archive_.c_str(), O_RDONLY | O_CLOEXEC));
        ASSERT_TRUE(fd.valid());
        const PackageScan checked = ReadHeaders(fd.get()).scan;
        EXPECT_EQ(row.accepted, checked.entries > 0);
        // Given a count, the extraction reads the package only once, itself.
        const PackageScan one = {1, 0};
        EXPECT_EQ(row.accepted, Extract(&one) == FailureCause::kNone);
    }
}

TEST_F(ExtractorTest, ScanCountsEntriesAndAddsUpTheirSizes) {
    Build(ArchiveFormat::kTarGz, {DirEntry("bin"), FileEntry("bin/run", std::string(1000, 'r')),
                                  SymlinkEntry("run", "bin/run"), FileEntry("INFO", "12345")});
    Extractor ex;
    ex.SetSource(archive_.c_str());
    ex.SetTarget(target_.c_str());
    const PackageScan scan = ex.Scan();
    EXPECT_EQ(4, scan.entries);
    EXPECT_EQ(1005, scan.bytes);
    EXPECT_EQ(4, ex.Count());
}

// The sorted names in `dir`, without "." and "..".
std::vector<std::string> DirNames(const std::string &dir) {
    std::vector<std::string> names;
    ScopedDir d(opendir(dir.c_str()));
    if (!d) return names;
    while (const dirent *e = readdir(d.get()))
        if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0) names.push_back(e->d_name);
    std::sort(names.begin(), names.end());
    return names;
}

// Sets the process's locale and puts the old one back when it goes away.
class ScopedProcessLocale {
public:
    explicit ScopedProcessLocale(const char *name) : old_(setlocale(LC_ALL, nullptr)) {
        set_ = setlocale(LC_ALL, name) != nullptr;
    }
    ~ScopedProcessLocale() { setlocale(LC_ALL, old_.c_str()); }
    ScopedProcessLocale(const ScopedProcessLocale &) = delete;
    ScopedProcessLocale &operator=(const ScopedProcessLocale &) = delete;

    bool set() const { return set_; }

private:
    const std::string old_;
    bool set_;
};

// Names outside ASCII used to fail in a session without a UTF-8 locale
// (LANG=C): libarchive could not convert a pax or zip name from UTF-8 to it.
class ExtractLocaleTest : public ExtractorTest,
                          public ::testing::WithParamInterface<const char *> {};

TEST_P(ExtractLocaleTest, NamesReachTheDiskAsTheirBytes) {
    const std::string resume = "r\xc3\xa9sum\xc3\xa9.txt";
    const std::string japan = "\xe6\x97\xa5\xe6\x9c\xac";
    const std::string file = "\xe3\x83\x95\xe3\x82\xa1\xe3\x82\xa4\xe3\x83\xab.txt";
    const struct {
        const char *name;
        ArchiveFormat format;
    } formats[] = {
        {"pax", ArchiveFormat::kTar}, {"zip", ArchiveFormat::kZip}, {"cpio", ArchiveFormat::kCpio}};
    {
        // The package is made where names are UTF-8.
        const ScopedProcessLocale utf8("C.UTF-8");
        ASSERT_TRUE(utf8.set());
        for (const auto &f : formats)
            ASSERT_TRUE(WriteArchive(
                archive_ + "." + f.name, f.format,
                {FileEntry("share/" + resume, "cv"), FileEntry(japan + "/" + file, "file")}));
    }
    const ScopedProcessLocale session(GetParam());
    if (!session.set()) GTEST_SKIP() << "locale " << GetParam() << " is not installed";
    const std::string before = setlocale(LC_ALL, nullptr);
    for (const auto &f : formats) {
        SCOPED_TRACE(f.name);
        NewTarget();
        Extractor ex;
        ex.SetSource((archive_ + "." + f.name).c_str());
        ex.SetTarget(target_.c_str());
        EXPECT_EQ(2, ex.Count());
        const FailureCause cause = ex.Extract();
        EXPECT_EQ(FailureCause::kNone, cause);
        EXPECT_EQ(before, setlocale(LC_ALL, nullptr));
        EXPECT_EQ((std::vector<std::string>{"share", japan}), DirNames(target_));
        EXPECT_EQ(std::vector<std::string>{resume}, DirNames(target_ + "/share"));
        EXPECT_EQ(std::vector<std::string>{file}, DirNames(target_ + "/" + japan));
        EXPECT_EQ("cv", ReadFile(target_ + "/share/" + resume));
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, ExtractLocaleTest,
                         ::testing::Values("C", "POSIX", "C.UTF-8", "en_US.ISO-8859-1"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             std::string name = info.param;
                             for (char &c : name)
                                 if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace

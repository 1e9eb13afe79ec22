#include "upgrade/upgrade_marker.h"

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using testing_support::PathExists;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

TEST(UpgradeMarker, ReadsEveryRecordAndNothingElse) {
    const struct {
        const char *text;  // null: no marker
        Marker::State state;
        const char *backup;  // the recorded backup's name
    } rows[] = {
        {nullptr, Marker::kAbsent, ""},
        {"backup=\n", Marker::kNoCopy, ""},
        {"backup=Tarrowind.app_tmp\n", Marker::kRecorded, "Tarrowind.app_tmp"},
        {"backup=Tarrowind.app_tmp1\n", Marker::kRecorded, "Tarrowind.app_tmp1"},
        {"backup=Tarrowind.app_tmp9\n", Marker::kRecorded, "Tarrowind.app_tmp9"},
        {"backup=Tarrowind.app_tmp10\n", Marker::kUnrecorded, ""},
        {"backup=Tarrowind.app_tmp", Marker::kUnrecorded, ""},
        {"backup=../../x\n", Marker::kUnrecorded, ""},
        {"", Marker::kUnrecorded, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text ? row.text : "(none)");
        TempDir dir;
        const std::string app = dir.sub("Tarrowind.app");
        if (row.text) WriteFile(app + ".incomplete", row.text);
        const Marker marker = ReadMarker(app.c_str());
        EXPECT_EQ(row.state, marker.state);
        const std::string backup = *row.backup ? dir.sub(row.backup) : "";
        EXPECT_EQ(backup, marker.backup.c_str());
        if (marker.state == Marker::kAbsent) continue;
        // What is written reads back the same.
        ASSERT_EQ(0, WriteMarker(app.c_str(), marker));
        const Marker again = ReadMarker(app.c_str());
        EXPECT_EQ(marker.state, again.state);
        EXPECT_EQ(backup, again.backup.c_str());
    }
}

// Anything but a regular file at the marker's name is no marker, yet may be
// one: it goes before the tree is recovered, and what a link points to stays.
TEST(UpgradeMarker, OtherFilesAtItsNameAreRemovedNeverFollowed) {
    TempDir dir;
    const std::string app = dir.sub("Tarrowind.app");
    const std::string marker = app + ".incomplete";
    WriteFile(dir.sub("elsewhere"), "backup=\n");
    ASSERT_EQ(0, symlink(dir.sub("elsewhere").c_str(), marker.c_str()));
    EXPECT_EQ(Marker::kAbsent, ReadMarker(app.c_str()).state);
    EXPECT_TRUE(HasMarker(app.c_str()));
    RemoveOddMarker(app.c_str());
    EXPECT_FALSE(PathExists(marker));
    EXPECT_EQ("backup=\n", ReadFile(dir.sub("elsewhere")));

    ASSERT_EQ(0, mkfifo(marker.c_str(), 0644));
    EXPECT_EQ(Marker::kAbsent, ReadMarker(app.c_str()).state);
    RemoveOddMarker(app.c_str());
    EXPECT_FALSE(PathExists(marker));
}

}  // namespace

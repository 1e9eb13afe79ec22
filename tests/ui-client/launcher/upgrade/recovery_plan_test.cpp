// Every state an earlier run can leave the user's tree in, crossed with how
// the upgrade then ends: the new copy, or the user's last complete copy, is
// what remains, and nothing else stays behind that is not needed.
#include "upgrade/recovery_plan.h"

#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "child_process.h"
#include "client_package.h"
#include "service_tree.h"
#include "test_support.h"

namespace {

using testing_support::Leftovers;
using testing_support::PathExists;
using testing_support::ReadFile;
using testing_support::ServiceTree;
using testing_support::WriteFile;

enum class Outcome { kSuccess, kPackageFailure, kDiskFailure, kKill };

// A service whose extraction is scripted: a complete new copy, or a partial
// one followed by a failure of the given cause, or by the end of the process.
class ScriptedService : public LinuxService {
public:
    ScriptedService(const ServiceTree &tree, Outcome outcome)
        : LinuxService(tree.Setup()), outcome_(outcome) {}

    FailureCause ExtractPackage(const PackageVerdict &) override {
        const std::string target = GetUserTarrowindAppInstallPath().c_str();
        if (outcome_ == Outcome::kSuccess) {
            testing_support::WriteClientTree(target, {"3400"});
            return FailureCause::kNone;
        }
        WriteFile(target + "/INFO", "[Version]\nbuild_version=new-partial\n");
        if (outcome_ == Outcome::kKill) _exit(9);
        return outcome_ == Outcome::kDiskFailure ? FailureCause::kDisk : FailureCause::kPackage;
    }

private:
    Outcome outcome_;
};

struct StateRow {
    const char *name;
    const char *marker;  // contents of the marker; null: none
    const char *app;     // "complete", "partial" or null (absent)
    // Backups: "<n>:complete" or "<n>:partial", n the name's number.
    std::vector<std::string> backups;
    // After a failed upgrade: the build in Tarrowind.app ("3320" for the
    // complete copy, "old-partial", "new-partial"; empty: no Tarrowind.app)
    // and the entries left beside it.
    const char *app_after_failure;
    std::vector<std::string> left_after_failure;
};

void PrintTo(const StateRow &row, std::ostream *os) { *os << row.name; }

const char kMarker[] = "Tarrowind.app.incomplete";
const char kCopy[] = "3320";
const char kNewPartial[] = "new-partial";

void WriteCopy(const std::string &dir, const std::string &kind) {
    if (kind == "complete")
        testing_support::WriteClientTree(dir, {"3320"});
    else
        WriteFile(dir + "/INFO", "[Version]\nbuild_version=old-partial\n");
}

void MakeState(const ServiceTree &tree, const StateRow &row) {
    if (row.app) WriteCopy(tree.app(), row.app);
    for (const std::string &backup : row.backups) {
        const size_t colon = backup.find(':');
        const std::string n = backup.substr(0, colon);
        WriteCopy(tree.app() + "_tmp" + (n == "0" ? "" : n), backup.substr(colon + 1));
    }
    if (row.marker) WriteFile(tree.app() + ".incomplete", row.marker);
    tree.MakePackage("3400");
}

std::string InstalledBuild(const ServiceTree &tree) {
    if (!PathExists(tree.app())) return "";
    const std::string info = ReadFile(tree.app() + "/INFO");
    const size_t at = info.find("build_version=");
    return at == std::string::npos ? "?" : info.substr(at + 14, info.find('\n', at) - at - 14);
}

// One run of the launcher whose extraction ends as `outcome` says: how it fell
// short.
Shortfall RunUpgrade(const ServiceTree &tree, Outcome outcome) {
    ScriptedService service(tree, outcome);
    return tree.Run(service).shortfall;
}

class RecoveryTable : public testing::TestWithParam<StateRow> {
protected:
    void ExpectCleanSuccess(const ServiceTree &tree) {
        EXPECT_EQ(Shortfall::kNone, RunUpgrade(tree, Outcome::kSuccess)) << tree.Log();
        EXPECT_EQ("3400", InstalledBuild(tree));
        EXPECT_EQ(std::vector<std::string>{}, Leftovers(tree.user())) << tree.Log();
    }
};

TEST_P(RecoveryTable, Success) {
    ServiceTree tree;
    MakeState(tree, GetParam());
    ExpectCleanSuccess(tree);
}

TEST_P(RecoveryTable, FailureKeepsTheCompleteCopy) {
    const StateRow &row = GetParam();
    for (const Outcome outcome : {Outcome::kPackageFailure, Outcome::kDiskFailure}) {
        SCOPED_TRACE(outcome == Outcome::kDiskFailure ? "disk" : "package");
        ServiceTree tree;
        MakeState(tree, row);
        EXPECT_EQ(Shortfall::kUpgradeFailed, RunUpgrade(tree, outcome));
        EXPECT_EQ(row.app_after_failure, InstalledBuild(tree)) << tree.Log();
        EXPECT_EQ(row.left_after_failure, Leftovers(tree.user())) << tree.Log();
        EXPECT_EQ(outcome == Outcome::kPackageFailure, PathExists(tree.user() + "/.failed-package"))
            << "only the package's own failure is held against it";
    }
}

// Whether Tarrowind.app or a backup name holds the complete copy.
bool CompleteCopyKept(const ServiceTree &tree) {
    for (const std::string &name : Leftovers(tree.user()))
        if (ReadFile(tree.user() + "/" + name + "/INFO").find("build_version=3320\n") !=
            std::string::npos)
            return true;
    return InstalledBuild(tree) == "3320";
}

// Killed while extracting, then a failing run and a good one: the complete
// copy is still there after the first (back in place where the marker knew
// it), and nothing is left after the second.
TEST_P(RecoveryTable, KillThenFailureThenSuccess) {
    const StateRow &row = GetParam();
    ServiceTree tree;
    MakeState(tree, row);
    const int status = testing_support::RunInChild(
        [&] { return static_cast<int>(RunUpgrade(tree, Outcome::kKill)); });
    ASSERT_EQ(9, status) << tree.Log();
    EXPECT_EQ(Shortfall::kUpgradeFailed, RunUpgrade(tree, Outcome::kDiskFailure));
    if (std::string(row.app_after_failure) == kCopy) {
        EXPECT_TRUE(CompleteCopyKept(tree)) << tree.Log();
        // Where the marker knew the copy, a failure puts it back in place.
        if (row.left_after_failure.empty()) {
            EXPECT_EQ(kCopy, InstalledBuild(tree)) << tree.Log();
        }
    }
    ExpectCleanSuccess(tree);
}

INSTANTIATE_TEST_SUITE_P(
    States, RecoveryTable,
    testing::Values(
        StateRow{"NoMarkerCompleteApp", nullptr, "complete", {}, kCopy, {}},
        StateRow{"NoMarkerCompleteAppWithDebris",
                 nullptr,
                 "complete",
                 {"0:partial", "3:complete"},
                 kCopy,
                 {}},
        StateRow{"NoMarkerNothing", nullptr, nullptr, {}, kNewPartial, {kMarker}},
        StateRow{"NoMarkerLoneBackup", nullptr, nullptr, {"0:complete"}, kCopy, {}},
        StateRow{"NoMarkerLoneLastBackup", nullptr, nullptr, {"9:complete"}, kCopy, {}},
        StateRow{"NoMarkerSeveralBackups",
                 nullptr,
                 nullptr,
                 {"0:complete", "2:complete"},
                 kNewPartial,
                 {kMarker, "Tarrowind.app_tmp", "Tarrowind.app_tmp2"}},
        StateRow{"RecordedBackupPartialApp",
                 "backup=Tarrowind.app_tmp1\n",
                 "partial",
                 {"0:partial", "1:complete"},
                 kCopy,
                 {}},
        StateRow{"RecordedTenthBackup",
                 "backup=Tarrowind.app_tmp9\n",
                 nullptr,
                 {"9:complete"},
                 kCopy,
                 {}},
        StateRow{"RecordedBackupNotYetMade",
                 "backup=Tarrowind.app_tmp\n",
                 "complete",
                 {"2:partial"},
                 kCopy,
                 {}},
        StateRow{"RecordedBackupGone",
                 "backup=Tarrowind.app_tmp\n",
                 nullptr,
                 {"4:partial"},
                 kNewPartial,
                 {kMarker}},
        StateRow{
            "FirstInstallPartial", "backup=\n", "partial", {"3:partial"}, kNewPartial, {kMarker}},
        StateRow{"NoRecordPartialApp", "", "partial", {}, "old-partial", {kMarker}},
        StateRow{"NoRecordPartialAppAndBackup",
                 "",
                 "partial",
                 {"0:complete"},
                 "old-partial",
                 {kMarker, "Tarrowind.app_tmp"}},
        StateRow{"NoRecordLoneBackup", "", nullptr, {"0:complete"}, kCopy, {kMarker}},
        StateRow{"DamagedRecordLoneBackup",
                 "backup=../../x\n",
                 nullptr,
                 {"0:complete"},
                 kCopy,
                 {kMarker}},
        StateRow{"DamagedRecordCompleteApp",
                 "backup=Tarrowind.app_tmp10\n",
                 "complete",
                 {},
                 kCopy,
                 {kMarker}}),
    [](const testing::TestParamInfo<StateRow> &info) { return std::string(info.param.name); });

}  // namespace

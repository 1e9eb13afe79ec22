#include "package/package_check.h"

#include <string>

#include <gtest/gtest.h>

#include "service_tree.h"
#include "test_support.h"

namespace {

using testing_support::HasLogLine;
using testing_support::ServiceTree;

typedef PackageVerdict::Finding Finding;

PackagePlace PlaceOf(const ServiceTree &tree, const std::string &build) {
    PackagePlace place;
    place.package = (tree.root() + "/package/tarrowind.qpk").c_str();
    place.user = tree.user().c_str();
    place.home = tree.home().c_str();
    place.build = build.c_str();
    place.reader = testing_support::PackageReader().c_str();
    return place;
}

// A package remembered as failed is refused until it, or the build the
// system's version file announces, changes.
TEST(CheckPackage, TheMemoHoldsUntilThePackageOrTheAnnouncedBuildChanges) {
    ServiceTree tree;
    tree.MakePackage("3400");
    const PackageVerdict first = CheckPackage(PlaceOf(tree, "3400"), "");
    ASSERT_EQ(Finding::kWorth, first.finding);
    const std::string memo = first.file->identity;
    EXPECT_EQ(Finding::kRemembered, CheckPackage(PlaceOf(tree, "3400"), memo).finding);
    EXPECT_TRUE(HasLogLine(tree.Log(), "[WARNING]", "package_check",
                           "package '" + tree.root() +
                               "/package/tarrowind.qpk' failed to install before and has not "
                               "changed since; keeping the installed copy"));
    EXPECT_EQ(Finding::kWorth, CheckPackage(PlaceOf(tree, "3401"), memo).finding)
        << "only the system INFO changed";

    const std::string package = tree.root() + "/package/tarrowind.qpk";
    testing_support::WriteFile(package, testing_support::ReadFile(package));
    EXPECT_EQ(Finding::kWorth, CheckPackage(PlaceOf(tree, "3400"), memo).finding)
        << "the package was written anew";
}

TEST(CheckPackage, TheVerdictCarriesWhatThePackageHolds) {
    ServiceTree tree;
    tree.MakePackage("3400");
    const PackageVerdict verdict = CheckPackage(PlaceOf(tree, "3400"), "");
    ASSERT_EQ(Finding::kWorth, verdict.finding);
    EXPECT_GT(verdict.scan.entries, 3);
    EXPECT_GT(verdict.scan.bytes, 0);
}

}  // namespace

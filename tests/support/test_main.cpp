// main() of every test program. Tests never reach a real display or the
// developer's home directory, whatever the environment they were started
// from: every test runs with a fresh, empty HOME of its own, removed after
// it (ctest may run many at once).
#include <stdlib.h>

#include <memory>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

class FreshHome : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo &) override {
        home_.reset(new testing_support::TempDir);
        setenv("HOME", home_->path().c_str(), 1);
    }
    void OnTestEnd(const testing::TestInfo &) override { home_.reset(); }

    std::unique_ptr<testing_support::TempDir> home_;
};

}  // namespace

int main(int argc, char **argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshHome);
    return RUN_ALL_TESTS();
}

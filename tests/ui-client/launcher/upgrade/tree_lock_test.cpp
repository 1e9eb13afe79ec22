#include "upgrade/tree_lock.h"

#include <chrono>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using testing_support::PathExists;
using testing_support::TempDir;

// A second launcher waits for the first one's lock as long as it is told to,
// and no longer.
TEST(TreeLock, WaitsForAnotherHolderWithinItsBound) {
    const struct {
        long long wait_ms;
        bool held;
        const char *error;  // the start of the reason when not held
    } rows[] = {
        {5000, true, ""},
        {0, false, "another launcher has held it"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.wait_ms);
        const TempDir dir;
        const std::string holding = dir.sub("holding");
        // The holder: another process with the lock for 300 ms, from the
        // moment `holding` exists.
        int holder_status = -1;
        std::thread holder([&] {
            holder_status = testing_support::RunInChild([&] {
                const TreeLock lock(dir.path(), std::chrono::milliseconds(0));
                if (!lock.held()) return 1;
                testing_support::WriteFile(holding, "");
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                return 0;
            });
        });
        ASSERT_TRUE(testing_support::WaitUntil([&] { return PathExists(holding); }, 5000));

        const TreeLock second(dir.path(), std::chrono::milliseconds(row.wait_ms));
        EXPECT_EQ(row.held, second.held());
        EXPECT_EQ(0u, second.error().find(row.error)) << second.error();
        holder.join();
        EXPECT_EQ(0, holder_status);
    }
}

}  // namespace

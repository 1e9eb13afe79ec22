// main() of every unit-test program. Tests never reach a real display,
// whatever the environment they were started from.
#include <stdlib.h>

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// The level-file sample installed as <root>/log/launcher.debug: as shipped it
// sets nothing, and each of its commented component lines, once uncommented,
// raises that component's threshold.
#include <algorithm>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config.h"
#include "log.h"
#include "test_support.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

// Every component that logs, as the launcher's sources name them.
const char *const kComponents[] = {"launcher_debug", "service_debug", "extractor_debug",
                                   "file_op_debug"};

bool Logged(const std::string &log, const std::string &what, const char *comp) {
    return log.find(what + " from " + comp + "\n") != std::string::npos;
}

std::string Sample() { return ReadFile(LEVEL_FILE_SAMPLE); }

// The sample with the "# " taken off the lines of the form "# name=number".
std::string Uncommented(const std::string &text) {
    return std::regex_replace(text, std::regex("^# ([a-z_]+=[0-9])$", std::regex::multiline), "$1");
}

class LevelFileSampleTest : public ::testing::Test {
protected:
    void TearDown() override { Logger::Destroy(); }

    // Logs one notice and one warning per component with `levels` as the
    // level file; returns the log.
    std::string LogWith(const std::string &levels) {
        WriteFile(dir.sub("launcher.debug"), levels);
        EXPECT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, dir.sub("launcher.log"),
                                        dir.sub("launcher.debug"), 2));
        for (const char *comp : kComponents) {
            Logger::LogMsg(Logger::L_NOTICE, comp,
                           "[NOTE] launcher_debug_test(%d): notice from %s\n", __LINE__, comp);
            Logger::LogMsg(Logger::L_WARNING, comp,
                           "[WARNING] launcher_debug_test(%d): warning from %s\n", __LINE__, comp);
        }
        Logger::Destroy();
        return ReadFile(dir.sub("launcher.log"));
    }

    TempDir dir;
};

TEST_F(LevelFileSampleTest, ReadsAsCommentsOnly) {
    const std::string sample = Sample();
    ASSERT_FALSE(sample.empty()) << "cannot read " << LEVEL_FILE_SAMPLE;
    Config config;
    EXPECT_EQ(0, config.read(LEVEL_FILE_SAMPLE));
    EXPECT_TRUE(config.begin() == config.end());
}

TEST_F(LevelFileSampleTest, AsShippedKeepsTheDefaultThresholds) {
    const std::string log = LogWith(Sample());
    for (const char *comp : kComponents) {
        EXPECT_TRUE(Logged(log, "warning", comp)) << log;
        EXPECT_FALSE(Logged(log, "notice", comp)) << log;
    }
}

TEST_F(LevelFileSampleTest, EachComponentLineTakesEffectWhenUncommented) {
    const std::string uncommented = Uncommented(Sample());
    WriteFile(dir.sub("uncommented"), uncommented);
    Config config;
    ASSERT_EQ(0, config.read(dir.sub("uncommented"))) << uncommented;
    std::vector<std::string> keys;
    for (Config::const_iterator it = config.begin(); it != config.end(); ++it)
        keys.push_back(it->first.c_str());
    std::vector<std::string> want(std::begin(kComponents), std::end(kComponents));
    std::sort(want.begin(), want.end());
    EXPECT_EQ(want, keys);

    const std::string log = LogWith(uncommented);
    for (const char *comp : kComponents) {
        EXPECT_TRUE(Logged(log, "warning", comp)) << log;
        EXPECT_TRUE(Logged(log, "notice", comp)) << log;
    }
}

}  // namespace

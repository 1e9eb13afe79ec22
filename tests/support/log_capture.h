#ifndef TESTS_SUPPORT_LOG_CAPTURE_H
#define TESTS_SUPPORT_LOG_CAPTURE_H

#include <string>

#include <gtest/gtest.h>

namespace testing_support {

// Sends the process-wide logger to a file of its own for the object's
// lifetime, with the thresholds of the level file `level_path` (may be
// missing). Only one capture may live at a time.
class LogCapture {
public:
    LogCapture(const std::string &log_path, const std::string &level_path);
    ~LogCapture();
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    // Starts anew with the thresholds the level file holds now.
    void Reload();
    // Everything logged so far.
    std::string Text() const;

private:
    std::string log_path_;
    std::string level_path_;
};

// Whether `log` holds a whole line "<level> <source>(<line number>): <text>"
// after its time stamp, for example HasLogLine(log, "[WARNING]",
// "tarrowind-service", "failed to remove 'x': Permission denied"), `text`
// without its line feed. On
// failure it names the line of the log nearest to the one expected.
testing::AssertionResult HasLogLine(const std::string &log, const std::string &level,
                                    const std::string &source, const std::string &text);

}  // namespace testing_support

#endif

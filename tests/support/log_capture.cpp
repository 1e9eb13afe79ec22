#include "log_capture.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "log.h"
#include "test_support.h"

namespace testing_support {

namespace {

// A line without the logger's time stamp ("%b %d %H:%M:%S ", 16 bytes).
std::string WithoutTimeStamp(const std::string &line) {
    const size_t bracket = line.find('[');
    return bracket == std::string::npos ? line : line.substr(bracket);
}

// `line` with the number in "(123): " taken out, so that lines compare
// whatever line of the source they were logged from.
std::string WithoutLineNumber(const std::string &line) {
    const size_t open = line.find('(');
    const size_t close = line.find("): ", open);
    if (open == std::string::npos || close == std::string::npos) return line;
    return line.substr(0, open + 1) + line.substr(close);
}

size_t EditDistance(const std::string &a, const std::string &b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = up;
        }
    }
    return row[b.size()];
}

}  // namespace

LogCapture::LogCapture(const std::string &log_path, const std::string &level_path)
    : log_path_(log_path), level_path_(level_path) {
    Reload();
}

LogCapture::~LogCapture() { Logger::Destroy(); }

void LogCapture::Reload() {
    Logger::Destroy();
    if (Logger::Initialize(Logger::FILE_LOGGER, log_path_.c_str(), level_path_.c_str(), 50) != 0)
        ADD_FAILURE() << "cannot log to " << log_path_;
}

std::string LogCapture::Text() const { return ReadFile(log_path_); }

testing::AssertionResult HasLogLine(const std::string &log, const std::string &level,
                                    const std::string &source, const std::string &text) {
    const std::string wanted = level + " " + source + "(): " + text;
    std::istringstream lines(log);
    std::string nearest;
    size_t nearest_distance = std::string::npos;
    for (std::string line; std::getline(lines, line);) {
        const std::string seen = WithoutLineNumber(WithoutTimeStamp(line));
        if (seen == wanted) return testing::AssertionSuccess();
        const size_t distance = EditDistance(seen, wanted);
        if (distance < nearest_distance) {
            nearest_distance = distance;
            nearest = line;
        }
    }
    return testing::AssertionFailure() << "no log line \"" << level << " " << source
                                       << "(N): " << text << "\"; nearest: \"" << nearest << "\"";
}

}  // namespace testing_support

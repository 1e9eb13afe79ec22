#ifndef TESTS_SUPPORT_LOG_LINES_H
#define TESTS_SUPPORT_LOG_LINES_H

// Lines of launcher.log that tests look for, without their time stamps. The
// launcher's own lines carry fixed line numbers.
namespace testing_support {

const char kAlreadyLaunched[] = "[DEBUG] main(80): app has already launched, return\n";
const char kRunning[] = "[DEBUG] launcher(86): running\n";
const char kNoUpgrade[] = "[DEBUG] launcher(91): no need to upgrade\n";
const char kUpgradeFailed[] = "[ERROR] launcher(98): Failed to upgrade package\n";
const char kDone[] = "[DEBUG] launcher(114): done\n";

}  // namespace testing_support

#endif

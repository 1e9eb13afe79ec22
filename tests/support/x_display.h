#ifndef TESTS_SUPPORT_X_DISPLAY_H
#define TESTS_SUPPORT_X_DISPLAY_H

#include <memory>
#include <string>
#include <vector>

#include "child_process.h"
#include "test_support.h"

namespace testing_support {

// An Xvfb server on a display number the server picks itself (so parallel
// tests never share one), ended when the object goes away. No window
// manager runs on it.
class XvfbServer {
public:
    // Empty when Xvfb and the window tools the tests use (xwininfo) are
    // installed; otherwise what is missing.
    static std::string Missing();
    // Throws when the server does not come up.
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer &) = delete;
    XvfbServer &operator=(const XvfbServer &) = delete;

    // ":N"
    const std::string &display() const { return display_; }

    // Ids of the top-level windows titled `title` whose WM_CLASS names
    // `wm_class` and that are mapped and viewable, as `xwininfo` sees them.
    std::vector<std::string> MappedWindows(const std::string &title,
                                           const std::string &wm_class) const;
    // Whether window `id` still exists and is viewable.
    bool WindowViewable(const std::string &id) const;

private:
    TempDir tmp_;
    std::unique_ptr<ChildProcess> server_;
    std::string display_;
};

}  // namespace testing_support

#endif

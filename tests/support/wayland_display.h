#ifndef TESTS_SUPPORT_WAYLAND_DISPLAY_H
#define TESTS_SUPPORT_WAYLAND_DISPLAY_H

#include <memory>
#include <string>

#include "child_process.h"
#include "test_support.h"

namespace testing_support {

// A headless weston with a socket of its own in a runtime directory, which
// logs every request its clients make; ended when the object goes away.
class WestonServer {
public:
    // Empty when weston is installed; otherwise what is missing.
    static std::string Missing();
    // Throws, with weston's own words, when it does not come up.
    explicit WestonServer(const std::string &runtime_dir);
    ~WestonServer();
    WestonServer(const WestonServer &) = delete;
    WestonServer &operator=(const WestonServer &) = delete;

    // The socket's name, for WAYLAND_DISPLAY.
    const std::string &socket() const { return socket_; }
    // Whether a client has made a toplevel titled `title` and attached a
    // buffer to a surface: a window on the display.
    bool ShowsToplevel(const std::string &title) const;

private:
    TempDir tmp_;
    std::string socket_;
    std::unique_ptr<ChildProcess> server_;
};

}  // namespace testing_support

#endif

#include "wayland_display.h"

#include <signal.h>

#include <stdexcept>

namespace testing_support {

std::string WestonServer::Missing() {
    if (RunCommand("command -v weston >/dev/null 2>&1") != 0)
        return "weston (Debian package weston)";
    return "";
}

WestonServer::WestonServer(const std::string &runtime_dir) : socket_("wayland-tarrowind-test") {
    server_.reset(new ChildProcess(
        "weston",
        {"weston", "--backend=headless-backend.so", "--socket=" + socket_, "--idle-time=0",
         "--logger-scopes=proto", "--log=" + tmp_.sub("weston.log")},
        {"XDG_RUNTIME_DIR=" + runtime_dir, "WAYLAND_DISPLAY", "DISPLAY"}, tmp_.sub("weston.out"),
        tmp_.sub("weston.err")));
    WaitUntil([&] { return PathExists(runtime_dir + "/" + socket_) || !server_->Running(); },
              20000);
    if (!server_->Running() || !PathExists(runtime_dir + "/" + socket_))
        throw std::runtime_error("weston did not start: " + server_->Errors() +
                                 ReadFile(tmp_.sub("weston.log")));
}

WestonServer::~WestonServer() {
    server_->Signal(SIGTERM);
    server_->Wait(5000);
}

bool WestonServer::ShowsToplevel(const std::string &title) const {
    const std::string log = ReadFile(tmp_.sub("weston.log"));
    return log.find(".set_title(\"" + title + "\")") != std::string::npos &&
           log.find(".attach(wl_buffer@") != std::string::npos;
}

}  // namespace testing_support

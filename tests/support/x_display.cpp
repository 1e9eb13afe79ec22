#include "x_display.h"

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <sstream>
#include <stdexcept>

namespace testing_support {

namespace {

bool HasProgram(const std::string &name) {
    return RunCommand("command -v " + name + " >/dev/null 2>&1") == 0;
}

}  // namespace

std::string XvfbServer::Missing() {
    std::string missing;
    if (!HasProgram("Xvfb")) missing += " Xvfb (Debian package xvfb)";
    if (!HasProgram("xwininfo")) missing += " xwininfo (Debian package x11-utils)";
    return missing;
}

XvfbServer::XvfbServer() {
    // With -displayfd the server picks a free display and writes its number
    // to the descriptor once it accepts connections. -noreset: by default
    // the server resets when its last client leaves, and a client that
    // connects during the reset (a launcher starting while xwininfo is
    // polling) is turned away.
    server_.reset(new ChildProcess(
        "Xvfb",
        {"Xvfb", "-displayfd", "1", "-noreset", "-nolisten", "tcp", "-screen", "0", "1024x768x24"},
        {}, tmp_.sub("xvfb.out"), tmp_.sub("xvfb.err")));
    std::string out;
    WaitUntil(
        [&] {
            out = server_->Output();
            return out.find('\n') != std::string::npos || !server_->Running();
        },
        20000);
    if (out.find('\n') == std::string::npos)
        throw std::runtime_error("Xvfb did not start: " + server_->Errors());
    display_ = ":" + out.substr(0, out.find('\n'));
}

XvfbServer::~XvfbServer() {
    server_->Signal(SIGTERM);
    server_->Wait(5000);
}

std::vector<std::string> XvfbServer::MappedWindows(const std::string &title,
                                                   const std::string &wm_class) const {
    std::string tree;
    RunCommand("xwininfo -display " + display_ + " -root -tree 2>/dev/null", &tree);
    std::vector<std::string> ids;
    std::istringstream lines(tree);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string id;
        fields >> id;
        if (id.compare(0, 2, "0x") != 0) continue;
        // 0x400006 "Title": ("instance" "class")  400x120+0+0  +0+0
        if (line.find(id + " \"" + title + "\": (") == std::string::npos) continue;
        if (line.find("\"" + wm_class + "\"") == std::string::npos) continue;
        if (WindowViewable(id)) ids.push_back(id);
    }
    return ids;
}

bool XvfbServer::WindowViewable(const std::string &id) const {
    std::string info;
    return RunCommand("xwininfo -display " + display_ + " -id " + id + " 2>/dev/null", &info) ==
               0 &&
           info.find("Map State: IsViewable") != std::string::npos;
}

}  // namespace testing_support

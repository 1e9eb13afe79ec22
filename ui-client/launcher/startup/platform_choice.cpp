#include "startup/platform_choice.h"

#include <ctype.h>
#include <stdlib.h>

#include <sstream>

namespace {

std::string Variable(const char *name) {
    const char *value = getenv(name);
    return value ? value : "";
}

std::string Lower(std::string text) {
    for (char &c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

// What the toolkit picks when QT_QPA_PLATFORM is unset: its default, xcb,
// unless the session says it is Wayland's; GNOME's Wayland session is left
// to xcb (through Xwayland), as the toolkit leaves it.
const char *ToolkitChoice(const SessionDisplays &session) {
    const bool gnome = Lower(session.desktops).find("gnome") != std::string::npos;
    return session.session_type == "wayland" && !gnome ? "wayland" : "xcb";
}

}  // namespace

SessionDisplays CurrentSessionDisplays() {
    SessionDisplays session;
    session.requested = Variable("QT_QPA_PLATFORM");
    session.display = Variable("DISPLAY");
    session.wayland_display = Variable("WAYLAND_DISPLAY");
    session.session_type = Variable("XDG_SESSION_TYPE");
    session.desktops = Variable("XDG_CURRENT_DESKTOP") + ":" + Variable("XDG_SESSION_DESKTOP");
    return session;
}

bool NamesOffscreen(const std::string &platforms) {
    std::istringstream names(platforms);
    for (std::string name; std::getline(names, name, ';');)
        if (name == "offscreen") return true;
    return false;
}

std::string PlatformsToTry(const SessionDisplays &session) {
    if (!session.requested.empty()) {
        return NamesOffscreen(session.requested) ? session.requested
                                                 : session.requested + ";offscreen";
    }
    const bool x11 = !session.display.empty();
    const bool wayland = !session.wayland_display.empty();
    const std::string first = wayland && !x11 ? "wayland" : ToolkitChoice(session);
    std::string list = first;
    if (first == "wayland" && x11) list += ";xcb";
    if (first == "xcb" && wayland) list += ";wayland";
    return list + ";offscreen";
}

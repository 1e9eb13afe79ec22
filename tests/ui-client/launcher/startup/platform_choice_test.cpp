#include "startup/platform_choice.h"

#include <gtest/gtest.h>

namespace {

// The session's own display first, then the other one it names, then
// "offscreen"; the user's request stays first as it is.
TEST(PlatformsToTry, TriesTheSessionsDisplayFirstAndOffscreenLast) {
    const struct {
        const char *name;
        SessionDisplays session;
        const char *expected;
    } rows[] = {
        {"nothing set", {"", "", "", "", ""}, "xcb;offscreen"},
        {"X11", {"", ":0", "", "x11", ""}, "xcb;offscreen"},
        {"Wayland without X server", {"", "", "wayland-0", "", ""}, "wayland;offscreen"},
        {"Xwayland, no session type", {"", ":0", "wayland-0", "", ""}, "xcb;wayland;offscreen"},
        {"Plasma on Wayland",
         {"", ":0", "wayland-0", "wayland", "KDE:plasmawayland"},
         "wayland;xcb;offscreen"},
        {"GNOME on Wayland",
         {"", ":0", "wayland-0", "wayland", "ubuntu:GNOME:gnome"},
         "xcb;wayland;offscreen"},
        {"user asks for wayland", {"wayland", ":0", "", "", ""}, "wayland;offscreen"},
        {"user lists offscreen",
         {"xcb;offscreen;minimal", "", "", "", ""},
         "xcb;offscreen;minimal"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(row.expected, PlatformsToTry(row.session)) << row.name;
    }
}

}  // namespace

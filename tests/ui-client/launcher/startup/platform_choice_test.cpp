#include "startup/platform_choice.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using testing_support::ScopedEnv;

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
        {"Ubuntu's GNOME on Wayland, no session desktop",
         {"", ":0", "wayland-0", "wayland", "ubuntu:GNOME:"},
         "xcb;wayland;offscreen"},
        {"GNOME on Wayland, session desktop only",
         {"", ":0", "wayland-0", "wayland", ":gnome"},
         "xcb;wayland;offscreen"},
        {"GNOME Classic on Wayland",
         {"", ":0", "wayland-0", "wayland", "GNOME-Classic:Gnome:"},
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

// GNOME is named by either variable of the session, in any case, anywhere
// in its colon-separated list.
TEST(PlatformsToTry, FindsGnomeInEitherDesktopVariable) {
    const struct {
        const char *current;  // XDG_CURRENT_DESKTOP, null: unset
        const char *session;  // XDG_SESSION_DESKTOP, null: unset
    } rows[] = {{"ubuntu:GNOME", nullptr}, {nullptr, "gnome"}, {"ubuntu:GNOME", "ubuntu"}};
    const ScopedEnv requested("QT_QPA_PLATFORM"), display("DISPLAY", ":0"),
        wayland("WAYLAND_DISPLAY", "wayland-0"), type("XDG_SESSION_TYPE", "wayland");
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.current ? row.current : "-") + " / " +
                     (row.session ? row.session : "-"));
        const auto set = [](const char *name, const char *value) {
            return value ? std::make_unique<ScopedEnv>(name, value)
                         : std::make_unique<ScopedEnv>(name);
        };
        const auto current = set("XDG_CURRENT_DESKTOP", row.current);
        const auto session = set("XDG_SESSION_DESKTOP", row.session);
        EXPECT_EQ("xcb;wayland;offscreen", PlatformsToTry(CurrentSessionDisplays()));
    }
}

}  // namespace

#ifndef UI_CLIENT_LAUNCHER_STARTUP_PLATFORM_CHOICE_H
#define UI_CLIENT_LAUNCHER_STARTUP_PLATFORM_CHOICE_H

#include <string>

// The variables of the session that decide where a window can appear; empty
// when unset.
struct SessionDisplays {
    std::string requested;        // QT_QPA_PLATFORM
    std::string display;          // DISPLAY
    std::string wayland_display;  // WAYLAND_DISPLAY
    std::string session_type;     // XDG_SESSION_TYPE
    std::string desktops;         // XDG_CURRENT_DESKTOP and XDG_SESSION_DESKTOP
};

// This process's session.
SessionDisplays CurrentSessionDisplays();

// The platform plugins to try, in order, as a value of QT_QPA_PLATFORM: the
// platform plugin that cannot start aborts the process unless another one is
// listed after it. The user's own request comes first and stays as it is;
// without one, the platform the session offers: wayland when only
// WAYLAND_DISPLAY is set, otherwise the toolkit's own choice (wayland in a
// Wayland session other than GNOME's, xcb everywhere else), then the other
// display the session names. "offscreen" always comes last, so that the
// launcher still does its work when no display works.
std::string PlatformsToTry(const SessionDisplays &session);

// Whether the ";"-separated `platforms` name "offscreen".
bool NamesOffscreen(const std::string &platforms);

#endif

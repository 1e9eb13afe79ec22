#ifndef UI_CLIENT_LAUNCHER_NOTICE_DESKTOP_NOTIFICATION_H
#define UI_CLIENT_LAUNCHER_NOTICE_DESKTOP_NOTIFICATION_H

#include <chrono>
#include <string>

#include "ustring/ustring.h"

// A notification on the user's desktop, through the notification service of
// their session bus (org.freedesktop.Notifications). It is sent by a program
// of its own, "tarrowind-notifier", which the launcher kills when it takes
// too long: the connection to a bus that never answers cannot be cut short
// from within.

struct DesktopNotification {
    std::string title;  // UTF-8
    std::string body;   // UTF-8
    ustring icon;       // an image file; empty: none
};

// How sending went.
struct NotifyResult {
    enum class Delivery {
        kShown,     // the service took it
        kNotShown,  // no session bus, no service, no answer, or no notifier
    };
    Delivery delivery = Delivery::kNotShown;
    std::string why;  // kNotShown: the reason, in words
};

// Has `notification` sent through the program `notifier`, waiting at most
// `limit` for it; a notifier still running then is killed.
NotifyResult ShowDesktopNotification(const ustring &notifier,
                                     const DesktopNotification &notification,
                                     std::chrono::milliseconds limit);

// The notifier's exit statuses.
const int kNotifierShown = 0;
const int kNotifierNotShown = 1;
const int kNotifierUsage = 2;

#endif

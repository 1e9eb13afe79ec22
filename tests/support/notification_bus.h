#ifndef TESTS_SUPPORT_NOTIFICATION_BUS_H
#define TESTS_SUPPORT_NOTIFICATION_BUS_H

#include <memory>
#include <string>
#include <vector>

#include "child_process.h"
#include "test_support.h"

namespace testing_support {

// A private session bus (dbus-daemon) with, on request, the stand-in
// notification service on it; both ended when the object goes away. The
// bus starts no service of its own accord, so that a notification daemon
// installed on the machine never answers in the stand-in's place, and it
// lets every user connect.
class NotificationBus {
public:
    enum class Service {
        kNone,     // nobody owns the notification service's name
        kRecords,  // the stand-in answers and records
        kSilent,   // the stand-in owns the name but never answers
    };
    // Empty when dbus-daemon is installed; otherwise what is missing.
    static std::string Missing();
    // Listens at the socket `socket`. Throws when the bus or the service
    // does not come up.
    NotificationBus(const std::string &socket, Service service);
    ~NotificationBus();
    NotificationBus(const NotificationBus &) = delete;
    NotificationBus &operator=(const NotificationBus &) = delete;

    // "DBUS_SESSION_BUS_ADDRESS=..."
    std::string Environment() const;
    // The notifications received so far, one line each (see the stand-in).
    std::vector<std::string> Received() const;

private:
    TempDir tmp_;
    std::string socket_;
    std::unique_ptr<ChildProcess> daemon_;
    std::unique_ptr<ChildProcess> service_;
};

}  // namespace testing_support

#endif

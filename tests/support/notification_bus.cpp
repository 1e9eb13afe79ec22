#include "notification_bus.h"

#include <signal.h>
#include <unistd.h>

#include <sstream>
#include <stdexcept>

#include "launcher_install.h"

namespace testing_support {

namespace {

const int kStartMs = 10000;

// A session bus that starts nothing itself and lets every user connect.
std::string Config(const std::string &socket) {
    return "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
           "<busconfig>\n"
           "  <type>session</type>\n"
           "  <listen>unix:path=" +
           socket +
           "</listen>\n"
           "  <auth>EXTERNAL</auth>\n"
           "  <policy context=\"default\">\n"
           "    <allow user=\"*\"/>\n"
           "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
           "    <allow eavesdrop=\"true\"/>\n"
           "    <allow own=\"*\"/>\n"
           "  </policy>\n"
           "</busconfig>\n";
}

}  // namespace

std::string NotificationBus::Missing() {
    return access("/usr/bin/dbus-daemon", X_OK) == 0 ? "" : "dbus-daemon";
}

NotificationBus::NotificationBus(const std::string &socket, Service service) : socket_(socket) {
    WriteFile(tmp_.sub("bus.conf"), Config(socket));
    daemon_.reset(
        new ChildProcess("/usr/bin/dbus-daemon",
                         {"dbus-daemon", "--nofork", "--config-file=" + tmp_.sub("bus.conf")}, {},
                         "", tmp_.sub("daemon.err")));
    if (!WaitForFile(socket, kStartMs))
        throw std::runtime_error("dbus-daemon did not start: " + ReadFile(tmp_.sub("daemon.err")));
    if (service == Service::kNone) return;
    WriteFile(tmp_.sub("received"), "");
    service_.reset(
        new ChildProcess(STAND_IN_NOTIFICATIONS, {"stand-in-notifications", tmp_.sub("received")},
                         {Environment()}, tmp_.sub("service.out"), tmp_.sub("service.err")));
    if (!WaitForText(tmp_.sub("service.out"), "ready", kStartMs))
        throw std::runtime_error("the stand-in did not start: " +
                                 ReadFile(tmp_.sub("service.err")));
    if (service == Service::kSilent) service_->Signal(SIGSTOP);
}

NotificationBus::~NotificationBus() {
    if (service_) service_->Signal(SIGCONT);
}

std::string NotificationBus::Environment() const {
    return "DBUS_SESSION_BUS_ADDRESS=unix:path=" + socket_;
}

std::vector<std::string> NotificationBus::Received() const {
    std::vector<std::string> lines;
    if (!service_) return lines;
    std::istringstream text(ReadFile(tmp_.sub("received")));
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
}

}  // namespace testing_support

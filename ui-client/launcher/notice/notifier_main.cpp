// Sends one notification to the notification service of the user's session
// bus and says how that went.
//
//   tarrowind-notifier TITLE BODY ICON
//
// TITLE and BODY are UTF-8; ICON is an image file's path (any bytes), or
// empty. Exit status 0 once the service took the notification; 1, with the
// reason on standard output, when it was not shown: no session bus, no
// service, or no answer within a second. Only the bus that the session names
// is used: DBUS_SESSION_BUS_ADDRESS, else $XDG_RUNTIME_DIR/bus; a bus is
// never started.
#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#include <string>

#include <QByteArray>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include "notice/desktop_notification.h"

namespace {

// How long the service may take to answer.
const int kCallTimeoutMs = 1000;

// `bytes` as the value of a D-Bus address: every byte but the few that may
// stand as they are is written %XX.
std::string AddressValue(const std::string &bytes) {
    static const char kPlain[] = "-_/.\\*";
    std::string value;
    char hex[4];
    for (const unsigned char c : bytes) {
        if (isalnum(c) || strchr(kPlain, c)) {
            value += static_cast<char>(c);
        } else {
            snprintf(hex, sizeof hex, "%%%02x", c);
            value += hex;
        }
    }
    return value;
}

// The session's bus address; empty when the session names none.
QString SessionBusAddress() {
    const char *address = getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address && *address) return QString::fromUtf8(address);
    const char *runtime = getenv("XDG_RUNTIME_DIR");
    if (!runtime || !*runtime) return QString();
    const std::string socket = std::string(runtime) + "/bus";
    struct stat st;
    if (stat(socket.c_str(), &st) != 0 || !S_ISSOCK(st.st_mode)) return QString();
    return QString::fromStdString("unix:path=" + AddressValue(socket));
}

// The Notify call; the icon as a file URI.
QDBusMessage NotifyCall(const char *title, const char *body, const QByteArray &icon) {
    const QString uri =
        icon.isEmpty() ? QString() : "file://" + QString::fromLatin1(icon.toPercentEncoding("/"));
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.Notifications",
                                                       "/org/freedesktop/Notifications",
                                                       "org.freedesktop.Notifications", "Notify");
    QVariantMap hints;
    if (!uri.isEmpty()) hints.insert("image-path", uri);
    call << QString::fromUtf8(title) << 0u << uri << QString::fromUtf8(title)
         << QString::fromUtf8(body) << QStringList() << hints << -1;
    return call;
}

int NotShown(const QString &why) {
    printf("%s\n", why.toUtf8().constData());
    return kNotifierNotShown;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: tarrowind-notifier TITLE BODY ICON\n");
        return kNotifierUsage;
    }
    QCoreApplication app(argc, argv);
    const QString address = SessionBusAddress();
    if (address.isEmpty()) return NotShown("the session names no bus");
    QDBusConnection bus = QDBusConnection::connectToBus(address, "tarrowind-notifier");
    if (!bus.isConnected()) return NotShown("no session bus: " + bus.lastError().message());
    const QDBusMessage reply =
        bus.call(NotifyCall(argv[1], argv[2], QByteArray(argv[3])), QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return NotShown("the notification service: " + reply.errorName() + ": " +
                        reply.errorMessage());
    return kNotifierShown;
}

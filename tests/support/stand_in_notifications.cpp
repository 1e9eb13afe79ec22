// A stand-in for the desktop's notification service, for tests.
//
//   stand-in-notifications RECORD
//
// Takes the name org.freedesktop.Notifications on the session bus of
// DBUS_SESSION_BUS_ADDRESS, prints "ready" once it has it, and appends one
// line to the file RECORD for every notification it receives:
// "<app name>|<icon>|<summary>|<body>|<image-path hint>". A test that wants a
// service that never answers stops the process (SIGSTOP) after "ready".
#include <stdio.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QFile>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class StandInNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit StandInNotifications(const QString &record) : record_(record) {}

public slots:
    uint Notify(const QString &app_name, uint, const QString &app_icon, const QString &summary,
                const QString &body, const QStringList &, const QVariantMap &hints, int) {
        QFile file(record_);
        if (file.open(QIODevice::Append)) {
            const QStringList fields = {app_name, app_icon, summary, body,
                                        hints.value("image-path").toString()};
            file.write((fields.join('|') + "\n").toUtf8());
        }
        return ++count_;
    }
    QStringList GetCapabilities() { return {"body"}; }
    void CloseNotification(uint) {}

private:
    QString record_;
    uint count_ = 0;
};

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    StandInNotifications service(QString::fromLocal8Bit(argv[1]));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject("/org/freedesktop/Notifications", &service,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService("org.freedesktop.Notifications")) {
        fprintf(stderr, "stand-in-notifications: %s\n",
                bus.lastError().message().toLocal8Bit().constData());
        return 1;
    }
    printf("ready\n");
    fflush(stdout);
    return QCoreApplication::exec();
}

#include "stand_in_notifications.moc"

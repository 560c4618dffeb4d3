#pragma once
// A D-Bus session bus of the test's own, and a record of every message sent on it.
//
// The bus starts no service on demand (a test decides which servers run), lets any user of
// the machine connect (a desktop session run as an ordinary user beside a test run as
// root) and lets a monitor see every message.

#include "support/background_process.h"

#include <QDBusConnection>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <vector>

namespace nudgery::testing {

class PrivateSessionBus {
public:
    // Starts dbus-daemon; on failure, `why` says what went wrong.
    bool Start(QString& why);
    // For DBUS_SESSION_BUS_ADDRESS.
    const QString& Address() const { return address_; }
    // The system's environment with this bus as the session bus.
    QProcessEnvironment Environment() const;
    // A connection of the test's own to the bus.
    QDBusConnection Observer() const;
    // Whether some client holds `name` now.
    bool HasOwner(const QString& name) const;

private:
    QTemporaryDir folder_;
    BackgroundProcess daemon_;
    QString address_;
};

// Every message on a bus as busctl's monitor records it (one JSON object a message), from
// Start on: an independent record of what a program sent, its arguments with their D-Bus
// types.
class BusRecord {
public:
    bool Start(const PrivateSessionBus& bus, QString& why);
    // Waits until what the test process sent before is in the record, so that what is not
    // there was not sent: a call made now goes after it on the bus.
    bool Sync(const PrivateSessionBus& bus);
    // The messages recorded so far whose `field` is `value`: "member" for a method or a
    // signal, "error_name" for an error.
    std::vector<QJsonObject> Messages(const QString& value,
                                      const QString& field = QStringLiteral("member"));
    // The arguments of a recorded message, in order.
    static QJsonArray Arguments(const QJsonObject& message);
    // A value of an a{sv} argument: {"type": ..., "data": ...}.
    static QJsonObject Hint(const QJsonObject& message, int argument, const QString& key);

private:
    BackgroundProcess monitor_;
    QByteArray unread_;
    std::vector<QJsonObject> messages_;
};

} // namespace nudgery::testing

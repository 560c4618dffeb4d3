#include "support/session_bus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QTest>

namespace nudgery::testing {

namespace {

constexpr char kBusConfig[] = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
  </policy>
</busconfig>
)";

} // namespace

bool PrivateSessionBus::Start(QString& why) {
    if (!Installed(QStringLiteral("dbus-daemon"))) {
        why = QStringLiteral("dbus-daemon is not installed");
        return false;
    }
    // The socket's folder must be open to the other user too.
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther | QFile::ExeGroup);
    const QString config = folder_.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QString::fromLatin1(kBusConfig).arg(folder_.path()).toUtf8()) < 0) {
        why = QStringLiteral("cannot write the bus configuration");
        return false;
    }
    file.close();
    if (!daemon_.Start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                        QStringLiteral("--print-address=1")},
                       QProcessEnvironment::systemEnvironment(), why))
        return false;
    QProcess& process = daemon_.Process();
    const QDeadlineTimer deadline(BackgroundProcess::StartMs);
    while (!process.canReadLine() && !deadline.hasExpired() && daemon_.Running())
        process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    address_ = QString::fromLatin1(process.readLine()).trimmed();
    if (address_.isEmpty()) {
        why = QStringLiteral("dbus-daemon gave no address: ") +
              QString::fromLocal8Bit(daemon_.Output());
        return false;
    }
    return true;
}

QProcessEnvironment PrivateSessionBus::Environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
    return environment;
}

QDBusConnection PrivateSessionBus::Observer() const {
    // One connection of the test's to each bus, kept for the run.
    return QDBusConnection::connectToBus(address_, QStringLiteral("test-observer ") + address_);
}

bool PrivateSessionBus::HasOwner(const QString& name) const {
    const QDBusConnection bus = Observer();
    return bus.isConnected() && bus.interface()->isServiceRegistered(name).value();
}

bool BusRecord::Start(const PrivateSessionBus& bus, QString& why) {
    if (!Installed(QStringLiteral("busctl"))) {
        why = QStringLiteral("busctl (systemd) is not installed");
        return false;
    }
    if (!monitor_.Start(QStringLiteral("busctl"),
                        {QStringLiteral("--address=") + bus.Address(), QStringLiteral("monitor"),
                         QStringLiteral("--json=short")},
                        bus.Environment(), why))
        return false;
    // Recording has begun once a call made now shows in the record.
    if (!Sync(bus)) {
        why =
            QStringLiteral("busctl recorded nothing: ") + QString::fromLocal8Bit(monitor_.Output());
        return false;
    }
    return true;
}

bool BusRecord::Sync(const PrivateSessionBus& bus) {
    const QDBusMessage probe = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId"));
    const size_t before = Messages(QStringLiteral("GetId")).size();
    return QTest::qWaitFor(
        [&] {
            // Again each time: before the monitor has begun, a call goes unrecorded.
            bus.Observer().call(probe);
            return Messages(QStringLiteral("GetId")).size() > before;
        },
        BackgroundProcess::StartMs);
}

std::vector<QJsonObject> BusRecord::Messages(const QString& value, const QString& field) {
    unread_ += monitor_.Process().readAllStandardOutput();
    qsizetype end;
    while ((end = unread_.indexOf('\n')) >= 0) {
        const QJsonDocument line = QJsonDocument::fromJson(unread_.left(end));
        unread_.remove(0, end + 1);
        if (line.isObject())
            messages_.push_back(line.object());
    }
    std::vector<QJsonObject> found;
    for (const QJsonObject& message : messages_)
        if (message.value(field).toString() == value)
            found.push_back(message);
    return found;
}

QJsonArray BusRecord::Arguments(const QJsonObject& message) {
    return message.value(QLatin1String("payload"))
        .toObject()
        .value(QLatin1String("data"))
        .toArray();
}

QJsonObject BusRecord::Hint(const QJsonObject& message, int argument, const QString& key) {
    return Arguments(message).at(argument).toObject().value(key).toObject();
}

} // namespace nudgery::testing

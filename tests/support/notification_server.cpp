#include "support/notification_server.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace nudgery::testing {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");

bool WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QString ControlProgram(NotificationServer::Kind kind) {
    switch (kind) {
    case NotificationServer::Kind::Dunst:
        return QStringLiteral("dunstctl");
    case NotificationServer::Kind::Mako:
        return QStringLiteral("makoctl");
    case NotificationServer::Kind::NotificationDaemon:
        break;
    }
    return {};
}

} // namespace

QString NotificationServer::Program(Kind kind) {
    switch (kind) {
    case Kind::Dunst:
        return QStringLiteral("dunst");
    case Kind::NotificationDaemon:
        // Not on the path: the desktop session starts it.
        return QStringLiteral("/usr/lib/notification-daemon/notification-daemon");
    case Kind::Mako:
        return QStringLiteral("mako");
    }
    return {};
}

bool NotificationServer::Installed(Kind kind) {
    const QString control = ControlProgram(kind);
    return testing::Installed(Program(kind)) && (control.isEmpty() || testing::Installed(control));
}

bool NotificationServer::Start(Kind kind, const PrivateSessionBus& bus,
                               const QProcessEnvironment& display, std::optional<UserIds> user,
                               QString& why) {
    kind_ = kind;
    bus_ = &bus;
    user_ = user;
    environment_ = display;
    environment_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.Address());
    if (!Installed(kind)) {
        why = Program(kind) + QStringLiteral(" or its control program is not installed");
        return false;
    }
    QStringList arguments;
    if (kind == Kind::Dunst) {
        // The context menu goes through a chooser program (dmenu by default); this one
        // takes the line of the action named in the file "pick".
        const QString chooser = folder_.filePath(QStringLiteral("choose.sh"));
        const QString config = folder_.filePath(QStringLiteral("dunstrc"));
        if (!WriteFile(chooser, "grep -m1 -F \",$(cat \"$(dirname \"$0\")/pick\")]\"\n") ||
            !WriteFile(config, "[global]\n"
                               // As in the distribution's own configuration.
                               "markup = full\n"
                               "dmenu = /bin/sh " +
                                   chooser.toUtf8() + "\n")) {
            why = QStringLiteral("cannot write dunst's configuration");
            return false;
        }
        arguments = {QStringLiteral("-conf"), config};
    }
    if (!process_.Start(Program(kind), arguments, environment_, why, user_))
        return false;
    if (!QTest::qWaitFor([&] { return !process_.Running() || bus.HasOwner(kService); },
                         BackgroundProcess::StartMs) ||
        !process_.Running()) {
        why = Program(kind) + QStringLiteral(" did not take the service's name: ") +
              QString::fromLocal8Bit(process_.Output());
        return false;
    }
    return true;
}

bool NotificationServer::Stop() {
    process_.Stop();
    return !bus_ || QTest::qWaitFor([this] { return !bus_->HasOwner(kService); },
                                    BackgroundProcess::StartMs);
}

std::optional<QByteArray> NotificationServer::Control(const QStringList& arguments) const {
    return RunToEnd(ControlProgram(kind_), arguments, environment_, user_);
}

void NotificationServer::PickFromMenu(const QString& actionKey) {
    WriteFile(folder_.filePath(QStringLiteral("pick")), actionKey.toUtf8());
}

QJsonArray NotificationServer::MakoList() const {
    const auto list = Control({QStringLiteral("list")});
    return list ? QJsonDocument::fromJson(*list).object().value("data").toArray().at(0).toArray()
                : QJsonArray();
}

} // namespace nudgery::testing

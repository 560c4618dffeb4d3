#include "support/wayland_session.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <pwd.h>
#include <unistd.h>

namespace nudgery::testing {

namespace {

constexpr char kTestUser[] = "nudgery-test";

std::optional<UserIds> Lookup(const char* name) {
    if (const passwd* entry = getpwnam(name))
        return UserIds{entry->pw_uid, entry->pw_gid};
    return std::nullopt;
}

} // namespace

std::optional<UserIds> OrdinaryUser(QString& why) {
    if (geteuid() != 0)
        return UserIds{geteuid(), getegid()};
    if (auto user = Lookup(kTestUser))
        return user;
    if (!Installed(QStringLiteral("useradd"))) {
        why = QStringLiteral("useradd is not installed, so no ordinary user can be made");
        return std::nullopt;
    }
    RunToEnd(QStringLiteral("useradd"),
             {QStringLiteral("--system"), QStringLiteral("--no-create-home"),
              QStringLiteral("--home-dir"), QStringLiteral("/nonexistent"),
              QStringLiteral("--shell"), QStringLiteral("/usr/sbin/nologin"),
              QLatin1String(kTestUser)},
             QProcessEnvironment::systemEnvironment());
    if (auto user = Lookup(kTestUser))
        return user;
    why = QStringLiteral("no ordinary user could be made with useradd");
    return std::nullopt;
}

bool WaylandSession::Start(const Options& options, QString& why) {
    if (!Installed(QStringLiteral("sway"))) {
        why = QStringLiteral("sway is not installed");
        return false;
    }
    user_ = OrdinaryUser(why);
    if (!user_)
        return false;
    // Its own runtime folder, where the sockets go, given to the user.
    if (chown(QFile::encodeName(runtime_.path()).constData(), user_->uid, user_->gid) != 0) {
        why = QStringLiteral("cannot give the runtime folder to the test user");
        return false;
    }
    const QString config = runtime_.filePath(QStringLiteral("sway.conf"));
    QByteArray settings = "output HEADLESS-1 resolution 800x600\n";
    if (options.bar)
        settings += "bar {\n  position top\n  tray_output *\n}\n";
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(settings) < 0) {
        why = QStringLiteral("cannot write sway's configuration");
        return false;
    }
    file.close();
    QFile::setPermissions(config, QFile::ReadOwner | QFile::ReadOther);
    QProcessEnvironment environment = ClientEnvironment();
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    if (!options.busAddress.isEmpty())
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), options.busAddress);
    if (!compositor_.Start(QStringLiteral("sway"), {QStringLiteral("--config"), config},
                           environment, why, user_))
        return false;
    return WaitForSocket(why);
}

bool WaylandSession::WaitForSocket(QString& why) {
    const QDir runtime(runtime_.path());
    const bool listening = QTest::qWaitFor(
        [&] {
            if (!compositor_.Running())
                return false;
            // sway names its socket itself: the first free "wayland-N".
            for (const QString& name :
                 runtime.entryList({QStringLiteral("wayland-*")}, QDir::System))
                display_ = name;
            return !display_.isEmpty() && QFile::exists(runtime.filePath(display_));
        },
        BackgroundProcess::StartMs);
    if (!listening)
        why = QStringLiteral("the compositor did not open its socket: ") +
              QString::fromLocal8Bit(compositor_.Output());
    return listening;
}

QString WaylandSession::IpcSocket() const {
    const QStringList found =
        QDir(runtime_.path()).entryList({QStringLiteral("sway-ipc.*")}, QDir::System);
    return found.isEmpty() ? QString() : runtime_.filePath(found.front());
}

QProcessEnvironment WaylandSession::ClientEnvironment(QProcessEnvironment base) const {
    base.remove(QStringLiteral("DISPLAY"));
    base.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    base.insert(QStringLiteral("WAYLAND_DISPLAY"), display_);
    base.insert(QStringLiteral("HOME"), runtime_.path());
    return base;
}

namespace {

void Collect(const QJsonObject& node, bool floating, std::vector<SwayWindow>& found) {
    if (node.contains(QLatin1String("app_id")) && !node.value("app_id").isNull()) {
        const QJsonObject rect = node.value("rect").toObject();
        found.push_back({node.value("name").toString(), node.value("app_id").toString(), floating,
                         node.value("focused").toBool(),
                         QRect(rect.value("x").toInt(), rect.value("y").toInt(),
                               rect.value("width").toInt(), rect.value("height").toInt())});
    }
    for (const QJsonValue child : node.value("nodes").toArray())
        Collect(child.toObject(), false, found);
    for (const QJsonValue child : node.value("floating_nodes").toArray())
        Collect(child.toObject(), true, found);
}

} // namespace

std::vector<SwayWindow> WaylandSession::Windows() const {
    QProcessEnvironment environment = ClientEnvironment();
    environment.insert(QStringLiteral("SWAYSOCK"), IpcSocket());
    const auto tree =
        RunToEnd(QStringLiteral("swaymsg"), {QStringLiteral("-t"), QStringLiteral("get_tree")},
                 environment, user_);
    std::vector<SwayWindow> found;
    if (tree)
        Collect(QJsonDocument::fromJson(*tree).object(), false, found);
    return found;
}

bool WaylandSession::Command(const QString& command) const {
    QProcessEnvironment environment = ClientEnvironment();
    environment.insert(QStringLiteral("SWAYSOCK"), IpcSocket());
    const auto answer = RunToEnd(QStringLiteral("swaymsg"), {command}, environment, user_);
    return answer && !answer->contains("\"success\": false");
}

} // namespace nudgery::testing

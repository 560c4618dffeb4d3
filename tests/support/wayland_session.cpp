#include "support/wayland_session.h"

#include <QDir>
#include <QFile>
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

bool WaylandSession::Start(Compositor compositor, QString& why) {
    const QString program =
        compositor == Compositor::Sway ? QStringLiteral("sway") : QStringLiteral("weston");
    if (!Installed(program)) {
        why = program + QStringLiteral(" is not installed");
        return false;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    QStringList arguments;
    if (compositor == Compositor::Sway) {
        user_ = OrdinaryUser(why);
        if (!user_)
            return false;
        // Its own runtime folder, where the socket goes; no input devices, no GPU.
        if (chown(QFile::encodeName(runtime_.path()).constData(), user_->uid, user_->gid) != 0) {
            why = QStringLiteral("cannot give the runtime folder to the test user");
            return false;
        }
        environment.insert(QStringLiteral("HOME"), runtime_.path());
        environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        const QString config = runtime_.filePath(QStringLiteral("sway.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write("output HEADLESS-1 resolution 800x600\n") < 0) {
            why = QStringLiteral("cannot write sway's configuration");
            return false;
        }
        file.close();
        QFile::setPermissions(config, QFile::ReadOwner | QFile::ReadOther);
        arguments = {QStringLiteral("--config"), config};
    } else {
        display_ = QStringLiteral("wayland-nudgery");
        arguments = {QStringLiteral("--backend=headless-backend.so"),
                     QStringLiteral("--use-pixman"),
                     QStringLiteral("--width=800"),
                     QStringLiteral("--height=600"),
                     QStringLiteral("--no-config"),
                     QStringLiteral("--idle-time=0"),
                     QStringLiteral("--socket=") + display_};
    }
    if (!compositor_.Start(program, arguments, environment, why, user_))
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
            if (display_.isEmpty())
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

QProcessEnvironment WaylandSession::ClientEnvironment(QProcessEnvironment base) const {
    base.remove(QStringLiteral("DISPLAY"));
    base.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    base.insert(QStringLiteral("WAYLAND_DISPLAY"), display_);
    base.insert(QStringLiteral("HOME"), runtime_.path());
    return base;
}

} // namespace nudgery::testing

#pragma once
// A real notification server (org.freedesktop.Notifications) from the distribution, run
// by the test on its own bus: dunst or notification-daemon on an X display, mako in a
// Wayland session. Their control programs (dunstctl, makoctl) list what they show and
// invoke actions as the user would.

#include "support/background_process.h"
#include "support/session_bus.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <optional>

namespace nudgery::testing {

class NotificationServer {
public:
    enum class Kind { Dunst, NotificationDaemon, Mako };

    // The server's program; for a test's message when it is missing.
    static QString Program(Kind kind);
    // Whether the server and its control program are installed.
    static bool Installed(Kind kind);

    // Starts the server on `bus`, showing its notifications where `display` says (DISPLAY
    // for an X server, the Wayland session's variables for mako), as `user` when given,
    // and waits until it holds the service's name.
    bool Start(Kind kind, const PrivateSessionBus& bus, const QProcessEnvironment& display,
               std::optional<UserIds> user, QString& why);
    // Ends the server and waits until the name is free; false when it stays taken.
    bool Stop();
    bool Running() const { return process_.Running(); }
    qint64 Pid() const { return process_.Pid(); }

    // Runs the server's control program (dunstctl, makoctl) with `arguments`: its output,
    // or nothing when it failed.
    std::optional<QByteArray> Control(const QStringList& arguments) const;
    // dunst: which action its context menu ("dunstctl context") takes, by the action's
    // key, as a user picking from the menu would.
    void PickFromMenu(const QString& actionKey);
    // mako: the notifications it shows now, as "makoctl list" gives them (each field an
    // object of "type" and "data"); none when that fails.
    QJsonArray MakoList() const;

private:
    Kind kind_ = Kind::Dunst;
    const PrivateSessionBus* bus_ = nullptr;
    QProcessEnvironment environment_;
    std::optional<UserIds> user_;
    QTemporaryDir folder_;
    BackgroundProcess process_;
};

} // namespace nudgery::testing

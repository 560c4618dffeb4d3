#pragma once
// A headless Wayland session of the test's own: sway, which runs only as an ordinary user,
// with no input devices and no GPU. Clients join it with ClientEnvironment, as its user.

#include "support/background_process.h"

#include <QRect>
#include <QTemporaryDir>
#include <optional>
#include <vector>

namespace nudgery::testing {

// An ordinary user of the machine: the test's own when it is not root; as root, a system
// user made for the tests (with useradd, once) and kept. Nothing when none can be had,
// and then `why` says why.
std::optional<UserIds> OrdinaryUser(QString& why);

// A window of the session as sway lists it.
struct SwayWindow {
    QString title;
    QString appId;
    bool floating = false;
    bool focused = false;
    // Where sway lays it out, borders included.
    QRect rect;
};

class WaylandSession {
public:
    struct Options {
        // The session bus of the session's programs (sway's bar among them); empty: the
        // test's own environment says.
        QString busAddress;
        // A bar along the top with a notification area (swaybar, a StatusNotifierItem
        // host), as sway starts it.
        bool bar = false;
    };

    // Starts sway with one 800 by 600 output and waits for its socket.
    bool Start(QString& why) { return Start(Options{}, why); }
    bool Start(const Options& options, QString& why);
    // `base` with what a client needs to reach the compositor.
    QProcessEnvironment
    ClientEnvironment(QProcessEnvironment base = QProcessEnvironment::systemEnvironment()) const;
    // Who the clients run as: the runtime folder, which holds the socket, is this user's
    // alone.
    std::optional<UserIds> User() const { return user_; }
    // sway's IPC socket, for swaymsg.
    QString IpcSocket() const;
    // The compositor's log so far.
    QByteArray Log() { return compositor_.Output(); }
    // The windows of the session's clients, from sway's own listing.
    std::vector<SwayWindow> Windows() const;
    // Runs a sway command (swaymsg); false when sway refuses it.
    bool Command(const QString& command) const;

private:
    bool WaitForSocket(QString& why);

    QTemporaryDir runtime_;
    QString display_;
    std::optional<UserIds> user_;
    BackgroundProcess compositor_;
};

} // namespace nudgery::testing

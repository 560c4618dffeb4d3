#pragma once
// A headless Wayland session of the test's own: sway, which runs only as an ordinary user,
// with no input devices and no GPU. Clients join it with ClientEnvironment, as its user.

#include "support/background_process.h"

#include <QTemporaryDir>
#include <optional>

namespace nudgery::testing {

// An ordinary user of the machine: the test's own when it is not root; as root, a system
// user made for the tests (with useradd, once) and kept. Nothing when none can be had,
// and then `why` says why.
std::optional<UserIds> OrdinaryUser(QString& why);

class WaylandSession {
public:
    // Starts sway with one 800 by 600 output and waits for its socket.
    bool Start(QString& why);
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

private:
    bool WaitForSocket(QString& why);

    QTemporaryDir runtime_;
    QString display_;
    std::optional<UserIds> user_;
    BackgroundProcess compositor_;
};

} // namespace nudgery::testing

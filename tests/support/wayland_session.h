#pragma once
// A headless Wayland compositor of the test's own: sway, which runs only as an ordinary
// user, or weston's headless back end, which also runs as root. Clients join it with
// ClientEnvironment and, for sway, as its user.

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
    enum class Compositor { Sway, Weston };

    // Starts the compositor with one 800 by 600 output and waits for its socket.
    bool Start(Compositor compositor, QString& why);
    // `base` with what a client needs to reach the compositor.
    QProcessEnvironment
    ClientEnvironment(QProcessEnvironment base = QProcessEnvironment::systemEnvironment()) const;
    // Who the clients run as: the runtime folder, which holds the socket, is this user's
    // alone. Nothing: the test's own user.
    std::optional<UserIds> User() const { return user_; }
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

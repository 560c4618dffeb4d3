#pragma once
// The desktop's notification service: a reminder shown by the desktop itself, besides the
// program's own notification window, and what the user answers there.

#include "platform/desktop_notice.h"

#include <QIcon>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QDBusConnection;
class QDBusPendingCallWatcher;
class QDBusServiceWatcher;

namespace nudgery {

// Why a notification went away.
enum class NoticeCloseReason {
    Expired,
    // Closed by the user without choosing an action: that answers nothing.
    Dismissed,
    // Closed by the program (Close).
    ClosedByProgram,
    Other,
};

class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    // Names one notification for the program's run; never 0.
    using Notice = quint64;

    using QObject::QObject;
    ~DesktopNotifications() override;

    // Asks the desktop to show the reminder `message`, due at `dueTime` (in the user's
    // format). Returns at once, whatever the desktop does: a notification that cannot be
    // shown simply never shows, and no signal comes for it.
    virtual Notice Show(const QString& message, const QString& dueTime) = 0;
    // Takes the notification away; nothing when it is gone already.
    virtual void Close(Notice notice) = 0;
    // Gets ready for the first notification, so that it need not wait for the desktop; the
    // first Show does it otherwise. Only once the program's first window is on the screen:
    // the desktop's services are not needed to show it.
    virtual void Prepare() = 0;

signals:
    // The user chose an action of the notification. `activationToken`: the desktop's leave
    // to bring a window forward that came with the choice (Wayland's xdg-activation); empty
    // when none came.
    void Answered(nudgery::DesktopNotifications::Notice notice, nudgery::NoticeAnswer answer,
                  const QString& activationToken);
    // The notification went away.
    void Closed(nudgery::DesktopNotifications::Notice notice, nudgery::NoticeCloseReason reason);
};

// The freedesktop.org notification service (org.freedesktop.Notifications) over D-Bus.
// Every call is asynchronous: nothing waits for the server, and a missing, failing or slow
// server only means that nothing is shown. The server's capabilities are asked once and
// kept until another server takes the name, which is watched, so a server started or
// restarted later is found. Nothing touches the bus before Prepare or the first Show.
class DBusDesktopNotifications final : public DesktopNotifications {
    Q_OBJECT
public:
    // How long a call may take before the server counts as not answering.
    static constexpr int CallTimeoutMs = 10000;

    // `desktopEntry`: the program's desktop-entry id, which also names its icon in the icon
    // theme; `icon` is sent as a picture when the theme has no such icon (a program that is
    // not installed). `busAddress`: a bus of its own; empty for the session bus.
    DBusDesktopNotifications(QString desktopEntry, QIcon icon, QString busAddress = {});
    ~DBusDesktopNotifications() override;

    // Starts watching the service and asks for its capabilities. Calling it again does
    // nothing.
    void Prepare() override;

    Notice Show(const QString& message, const QString& dueTime) override;
    void Close(Notice notice) override;

private slots:
    // The service's signals, from whichever server holds its name.
    void OnActionInvoked(uint id, const QString& actionKey);
    void OnActivationToken(uint id, const QString& token);
    void OnNotificationClosed(uint id, uint reason);

private:
    enum class Server {
        // Not asked yet, or asked again at the next notification.
        Unknown,
        Asking,
        Ready,
        // None on the bus; the watcher tells when one comes.
        Absent,
    };
    struct Waiting {
        Notice notice;
        QString message;
        QString dueTime;
    };
    struct Sent {
        // The server's id, once its reply has come.
        std::optional<uint> id;
        // Close was asked before the id came.
        bool closeWhenKnown = false;
        // What the server sent just before an action, for that action.
        QString activationToken;
    };

    void AskCapabilities();
    void OnCapabilities(QDBusPendingCallWatcher& reply);
    void OnOwnerChanged(const QString& newOwner);
    void Send(const Waiting& notice);
    void OnNotifyReply(Notice notice, QDBusPendingCallWatcher& reply);
    void CloseOnServer(uint id);
    // Runs `handle` on the reply of `call` if the server that holds the name then is the
    // one that was called.
    template <typename Handle> void OnReply(QDBusPendingCallWatcher* watcher, Handle handle);
    std::optional<Notice> NoticeOfId(uint id) const;
    QVariantMap Hints();

    QString desktopEntry_;
    QIcon icon_;
    QString busAddress_;
    // Made by Prepare.
    std::unique_ptr<QDBusConnection> bus_;
    std::unique_ptr<QDBusServiceWatcher> watcher_;
    // Counts the changes of the name's owner: a reply from before the last change is stale.
    quint64 ownerGeneration_ = 0;
    Server server_ = Server::Unknown;
    NoticeCapabilities capabilities_;
    // Until the capabilities are known.
    std::vector<Waiting> waiting_;
    std::map<Notice, Sent> sent_;
    Notice lastNotice_ = 0;
    // The icon's theme name, or the picture in the hints, worked out with the first hints.
    std::optional<QString> appIcon_;
    QVariantMap iconHints_;
};

} // namespace nudgery

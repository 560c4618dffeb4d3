#include "platform/desktop_notifications.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QImage>
#include <QStandardPaths>
#include <algorithm>
#include <utility>

namespace nudgery {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kAppName = QStringLiteral("Nudgery!");
// The size of the picture sent in place of a theme icon.
constexpr int kIconPixels = 48;
// Critical notifications stay until they are answered; 0 says so to servers that look at
// the time-out rather than the urgency.
constexpr qint32 kNeverExpires = 0;
constexpr uchar kUrgencyCritical = 2;

// Whether the icon theme that notification servers search holds the program's icon, as it
// does once the program is installed.
bool IconThemeHas(const QString& name) {
    for (const QString& file : {QStringLiteral("icons/hicolor/scalable/apps/%1.svg"),
                                QStringLiteral("icons/hicolor/48x48/apps/%1.png")})
        if (!QStandardPaths::locate(QStandardPaths::GenericDataLocation, file.arg(name)).isEmpty())
            return true;
    return false;
}

// The "image-data" hint: width, height, row stride, alpha, bits per sample, channels and
// the pixels, RGBA.
QVariant ImageData(const QIcon& icon) {
    const QImage image = icon.pixmap(QSize(kIconPixels, kIconPixels))
                             .toImage()
                             .convertToFormat(QImage::Format_RGBA8888);
    QDBusArgument data;
    data.beginStructure();
    data << image.width() << image.height() << static_cast<int>(image.bytesPerLine()) << true << 8
         << 4
         << QByteArray(reinterpret_cast<const char*>(image.constBits()),
                       static_cast<qsizetype>(image.sizeInBytes()));
    data.endStructure();
    return QVariant::fromValue(data);
}

NoticeCloseReason CloseReason(uint reason) {
    switch (reason) {
    case 1:
        return NoticeCloseReason::Expired;
    case 2:
        return NoticeCloseReason::Dismissed;
    case 3:
        return NoticeCloseReason::ClosedByProgram;
    default:
        return NoticeCloseReason::Other;
    }
}

QDBusMessage Call(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}

} // namespace

DesktopNotifications::~DesktopNotifications() = default;

DBusDesktopNotifications::DBusDesktopNotifications(QString desktopEntry, QIcon icon,
                                                   QString busAddress)
    : desktopEntry_(std::move(desktopEntry)), icon_(std::move(icon)),
      busAddress_(std::move(busAddress)) {}

DBusDesktopNotifications::~DBusDesktopNotifications() {
    // A notification left on the desktop would offer answers that no one receives.
    for (const auto& [notice, sent] : sent_)
        if (sent.id)
            bus_->send(Call(QStringLiteral("CloseNotification")) << *sent.id);
    watcher_.reset();
    if (bus_ && !busAddress_.isEmpty()) {
        const QString name = bus_->name();
        bus_.reset();
        QDBusConnection::disconnectFromBus(name);
    }
}

void DBusDesktopNotifications::Prepare() {
    if (bus_)
        return;
    bus_ = std::make_unique<QDBusConnection>(
        busAddress_.isEmpty()
            ? QDBusConnection::sessionBus()
            : QDBusConnection::connectToBus(
                  busAddress_,
                  QStringLiteral("nudgery-notices-%1").arg(reinterpret_cast<quintptr>(this))));
    if (!bus_->isConnected()) {
        server_ = Server::Absent;
        return;
    }
    watcher_ = std::make_unique<QDBusServiceWatcher>(kService, *bus_,
                                                     QDBusServiceWatcher::WatchForOwnerChange);
    connect(watcher_.get(), &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                OnOwnerChanged(newOwner);
            });
    bus_->connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                  SLOT(OnActionInvoked(uint, QString)));
    bus_->connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                  SLOT(OnNotificationClosed(uint, uint)));
    // Sent by the servers that have one (KDE, GNOME) just before ActionInvoked.
    bus_->connect(kService, kPath, kInterface, QStringLiteral("ActivationToken"), this,
                  SLOT(OnActivationToken(uint, QString)));
    AskCapabilities();
}

DesktopNotifications::Notice DBusDesktopNotifications::Show(const QString& message,
                                                            const QString& dueTime) {
    const Notice notice = ++lastNotice_;
    Prepare();
    switch (server_) {
    case Server::Ready:
        Send({notice, message, dueTime});
        break;
    case Server::Absent:
        break;
    case Server::Unknown:
        AskCapabilities();
        [[fallthrough]];
    case Server::Asking:
        waiting_.push_back({notice, message, dueTime});
        break;
    }
    return notice;
}

void DBusDesktopNotifications::Close(Notice notice) {
    std::erase_if(waiting_, [notice](const Waiting& w) { return w.notice == notice; });
    const auto sent = sent_.find(notice);
    if (sent == sent_.end())
        return;
    if (sent->second.id) {
        CloseOnServer(*sent->second.id);
        sent_.erase(sent);
    } else {
        sent->second.closeWhenKnown = true;
    }
}

template <typename Handle>
void DBusDesktopNotifications::OnReply(QDBusPendingCallWatcher* watcher, Handle handle) {
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, handle, generation = ownerGeneration_](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                if (generation == ownerGeneration_)
                    handle(*finished);
            });
}

void DBusDesktopNotifications::AskCapabilities() {
    server_ = Server::Asking;
    OnReply(new QDBusPendingCallWatcher(
                bus_->asyncCall(Call(QStringLiteral("GetCapabilities")), CallTimeoutMs), this),
            [this](QDBusPendingCallWatcher& reply) { OnCapabilities(reply); });
}

void DBusDesktopNotifications::OnCapabilities(QDBusPendingCallWatcher& call) {
    const QDBusPendingReply<QStringList> reply = call;
    if (reply.isError()) {
        // With no server on the bus the watcher tells when one comes; after any other
        // failure the next notification asks again.
        server_ =
            reply.error().type() == QDBusError::ServiceUnknown ? Server::Absent : Server::Unknown;
        waiting_.clear();
        return;
    }
    capabilities_ = NoticeCapabilities::FromAnnounced(reply.value());
    server_ = Server::Ready;
    for (const Waiting& notice : std::exchange(waiting_, {}))
        Send(notice);
}

void DBusDesktopNotifications::OnOwnerChanged(const QString& newOwner) {
    ++ownerGeneration_;
    // The notifications of a server that has gone went with it.
    sent_.clear();
    if (!newOwner.isEmpty() || !waiting_.empty())
        AskCapabilities();
    else
        server_ = Server::Unknown;
}

QVariantMap DBusDesktopNotifications::Hints() {
    if (!appIcon_) {
        if (IconThemeHas(desktopEntry_)) {
            appIcon_ = desktopEntry_;
        } else {
            appIcon_ = QString();
            iconHints_.insert(QStringLiteral("image-data"), ImageData(icon_));
        }
    }
    QVariantMap hints = iconHints_;
    hints.insert(QStringLiteral("desktop-entry"), desktopEntry_);
    hints.insert(QStringLiteral("category"), QStringLiteral("x-nudgery.reminder"));
    // The program plays the reminder's own sound.
    hints.insert(QStringLiteral("suppress-sound"), true);
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(kUrgencyCritical));
    return hints;
}

void DBusDesktopNotifications::Send(const Waiting& notice) {
    const NoticeText text =
        ComposeNoticeText(notice.message, notice.dueTime, capabilities_.bodyMarkup);
    const QVariantMap hints = Hints();
    QDBusMessage call = Call(QStringLiteral("Notify"));
    call << kAppName << uint(0) << *appIcon_ << text.summary << text.body
         << NoticeActions(capabilities_) << hints << kNeverExpires;
    sent_[notice.notice] = Sent{};
    OnReply(
        new QDBusPendingCallWatcher(bus_->asyncCall(call, CallTimeoutMs), this),
        [this, id = notice.notice](QDBusPendingCallWatcher& reply) { OnNotifyReply(id, reply); });
}

void DBusDesktopNotifications::OnNotifyReply(Notice notice, QDBusPendingCallWatcher& call) {
    const auto sent = sent_.find(notice);
    if (sent == sent_.end())
        return;
    const QDBusPendingReply<uint> reply = call;
    if (reply.isError()) {
        sent_.erase(sent);
    } else if (sent->second.closeWhenKnown) {
        CloseOnServer(reply.value());
        sent_.erase(sent);
    } else {
        sent->second.id = reply.value();
    }
}

void DBusDesktopNotifications::CloseOnServer(uint id) {
    // Nothing is done with the answer: a notification already gone is no failure.
    bus_->send(Call(QStringLiteral("CloseNotification")) << id);
}

std::optional<DesktopNotifications::Notice> DBusDesktopNotifications::NoticeOfId(uint id) const {
    const auto found = std::find_if(sent_.begin(), sent_.end(),
                                    [id](const auto& entry) { return entry.second.id == id; });
    if (found == sent_.end())
        return std::nullopt;
    return found->first;
}

void DBusDesktopNotifications::OnActionInvoked(uint id, const QString& actionKey) {
    const std::optional<Notice> notice = NoticeOfId(id);
    const std::optional<NoticeAnswer> answer = AnswerOfAction(actionKey);
    if (!notice)
        return;
    const QString token = std::exchange(sent_[*notice].activationToken, {});
    if (answer)
        emit Answered(*notice, *answer, token);
}

void DBusDesktopNotifications::OnActivationToken(uint id, const QString& token) {
    if (const std::optional<Notice> notice = NoticeOfId(id))
        sent_[*notice].activationToken = token;
}

void DBusDesktopNotifications::OnNotificationClosed(uint id, uint reason) {
    const std::optional<Notice> notice = NoticeOfId(id);
    if (!notice)
        return;
    sent_.erase(*notice);
    emit Closed(*notice, CloseReason(reason));
}

} // namespace nudgery

#include "platform/tray_area.h"

#include <QCursor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QMenu>
#include <QSystemTrayIcon>

namespace nudgery {

namespace {

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
// A host that has not answered by then is taken for none.
constexpr int kAskMs = 2000;

// Whether a StatusNotifierItem host is on the session bus, as QSystemTrayIcon looks for one
// before it falls back to the XEmbed tray.
bool StatusNotifierHostOnTheBus() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kWatcher))
        return false;
    QDBusMessage ask = QDBusMessage::createMethodCall(
        kWatcher, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    ask << kWatcher << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusReply<QDBusVariant> reply = bus.call(ask, QDBus::Block, kAskMs);
    return reply.isValid() && reply.value().variant().toBool();
}

} // namespace

TrayArea::~TrayArea() = default;

DesktopTrayArea::DesktopTrayArea(QObject* parent)
    : TrayArea(parent), icon_(std::make_unique<QSystemTrayIcon>()) {
    // No context menu is given to QSystemTrayIcon: the program pops its own menu up on the
    // context request, so both kinds of tray behave alike.
    connect(icon_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                const QPoint position = QCursor::pos();
                switch (reason) {
                case QSystemTrayIcon::Trigger:
                    emit Pressed(TrayButton::Left, position);
                    break;
                case QSystemTrayIcon::MiddleClick:
                    emit Pressed(TrayButton::Middle, position);
                    break;
                case QSystemTrayIcon::DoubleClick:
                    emit DoubleClicked(TrayButton::Left, position);
                    break;
                case QSystemTrayIcon::Context:
                    emit ContextRequested(position);
                    break;
                case QSystemTrayIcon::Unknown:
                    break;
                }
            });
}

DesktopTrayArea::~DesktopTrayArea() = default;

void DesktopTrayArea::ShowIcon(const QIcon& icon, const QString& tooltip) {
    ReplaceIcon(icon, tooltip);
    if (!statusNotifierHost_) {
        statusNotifierHost_ = StatusNotifierHostOnTheBus();
        OfferMenu();
    }
    icon_->show();
}

void DesktopTrayArea::SetMenu(QMenu* menu) {
    menu_ = menu;
    OfferMenu();
}

void DesktopTrayArea::OfferMenu() {
    // An XEmbed tray's icon would pop a menu given to it up itself, besides the program's.
    if (!statusNotifierHost_.value_or(false))
        return;
    icon_->setContextMenu(nullptr);
    offered_.reset();
    if (!menu_)
        return;
    offered_ = std::make_unique<QMenu>();
    offered_->addActions(menu_->actions());
    icon_->setContextMenu(offered_.get());
}

void DesktopTrayArea::ReplaceIcon(const QIcon& icon, const QString& tooltip) {
    icon_->setIcon(icon);
    icon_->setToolTip(tooltip);
}

void DesktopTrayArea::RemoveIcon() {
    icon_->hide();
}

QPoint DesktopTrayArea::PointerPosition() const {
    return QCursor::pos();
}

} // namespace nudgery

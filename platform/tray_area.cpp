#include "platform/tray_area.h"

#include <QCursor>
#include <QSystemTrayIcon>

namespace nudgery {

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
    icon_->show();
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

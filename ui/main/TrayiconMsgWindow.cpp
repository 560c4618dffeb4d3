#include "TrayiconMsgWindow.h"

#include "Trayicon.h"
#include "core/clock.h"

#include <QMenu>
#include <cstdlib>
#include <utility>

namespace nudgery {

TTrayIconMsgWindow::TTrayIconMsgWindow(TTrayIcon95& owner, TrayArea& area, TTimerManager& timers,
                                       const Clock& clock)
    : owner_(owner), area_(area), clock_(clock),
      ClickTimer(timers.AddTimer(false, DoubleClickWait, [this] { FireClick(); })),
      LeaveTimer(timers.AddTimer(false, LeaveCheckInterval, [this] { PollMouse(); })) {}

void TTrayIconMsgWindow::TrayMouseMessage(TrayMouseKind kind, TrayButton button, QPoint position) {
    // Every report carries the pointer's position: the desktop's notification area here
    // reports no movement before a press, so a press must not rely on an earlier move.
    LastMousePos = position;
    switch (kind) {
    case TrayMouseKind::Move:
        if (!owner_.OnMouseEnter && !owner_.OnMouseExit) {
            MouseInside = true;
        } else if (!MouseInside) {
            MouseEnter();
            return;
        }
        if (owner_.OnMouseMove && !ClickTimer.Enabled() && MouseInside)
            owner_.OnMouseMove(LastMousePos);
        return;
    case TrayMouseKind::Press:
        LastButton = button;
        if (LastButton == TrayButton::Right && owner_.AutoPopup() && owner_.PopupMenu()) {
            menuPoppedAt_ = clock_.TickCount();
            owner_.PopupMenu()->popup(LastMousePos);
            return;
        }
        if (owner_.OnDblClick) {
            StartClickWait();
        } else {
            IsDouble = false;
            owner_.PostDeferred([this] { FireClick(); });
        }
        return;
    case TrayMouseKind::DoubleClick:
        IsDouble = true;
        FireClick();
        return;
    }
}

bool TTrayIconMsgWindow::MenuRightPressed(QPoint position) {
    // Only the first press on the menu can be the icon's second one.
    const std::optional<std::uint32_t> poppedAt = std::exchange(menuPoppedAt_, std::nullopt);
    const bool onTheIcon = std::abs(position.x() - LastMousePos.x()) <= LeaveDistance &&
                           std::abs(position.y() - LastMousePos.y()) <= LeaveDistance;
    if (!poppedAt || !onTheIcon || clock_.TickCount() - *poppedAt > DoubleClickWait)
        return false;
    owner_.PopupMenu()->close();
    TrayMouseMessage(TrayMouseKind::DoubleClick, TrayButton::Right, position);
    return true;
}

void TTrayIconMsgWindow::StartClickWait() {
    IsDouble = false;
    ClickTimer.SetInterval(DoubleClickWait);
    ClickTimer.SetEnabled(true);
}

void TTrayIconMsgWindow::FireClick() {
    ClickTimer.SetEnabled(false);
    // A copy: the handler may set the event anew while it runs.
    const std::function<void()> handler = IsDouble ? owner_.OnDblClick : owner_.OnClick;
    if (handler)
        handler();
}

void TTrayIconMsgWindow::MouseEnter() {
    MouseInside = true;
    LeaveTimer.SetEnabled(true);
    if (owner_.OnMouseEnter)
        owner_.OnMouseEnter(LastMousePos);
}

void TTrayIconMsgWindow::PollMouse() {
    const QPoint now = area_.PointerPosition();
    if (std::abs(now.x() - LastMousePos.x()) > LeaveDistance ||
        std::abs(now.y() - LastMousePos.y()) > LeaveDistance)
        MouseExit();
}

void TTrayIconMsgWindow::MouseExit() {
    MouseInside = false;
    if (owner_.OnMouseExit)
        owner_.OnMouseExit(LastMousePos);
    LeaveTimer.SetEnabled(false);
}

} // namespace nudgery

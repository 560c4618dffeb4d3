#pragma once
// What the tray icon does with the notification area's reports: a press waits for a
// possible double click before it counts as a click, the right button pops the menu up,
// and the pointer's arrival over the icon and its leaving are reported.
//
// The menu takes the pointer while it is open, so the second press of a right double click
// on the icon comes to the menu, not to the notification area: the menu hands such a press
// on as the double click.

#include "TrayiconTimers.h"
#include "platform/tray_area.h"

#include <QPoint>
#include <cstdint>
#include <optional>

namespace nudgery {

class Clock;
class TTrayIcon95;

enum class TrayMouseKind { Move, Press, DoubleClick };

class TTrayIconMsgWindow {
public:
    static constexpr TTimerInterval DoubleClickWait = 400;
    // How often the pointer is looked for while it is over the icon.
    static constexpr TTimerInterval LeaveCheckInterval = 70;
    // How far the pointer may be from where it was last seen over the icon, in pixels.
    static constexpr int LeaveDistance = 2;

    TTrayIconMsgWindow(TTrayIcon95& owner, TrayArea& area, TTimerManager& timers,
                       const Clock& clock);
    TTrayIconMsgWindow(const TTrayIconMsgWindow&) = delete;
    TTrayIconMsgWindow& operator=(const TTrayIconMsgWindow&) = delete;

    // One report of the area: `button` counts for presses and double clicks only.
    void TrayMouseMessage(TrayMouseKind kind, TrayButton button, QPoint position);
    // A right press on the open menu, at `position` on the screen. True when it is the
    // second press of a right double click on the icon, which closes the menu and is
    // handled as the double click; false when it is the menu's own.
    bool MenuRightPressed(QPoint position);
    void StartClickWait();
    // The wait is over, or a double click came: OnDblClick or OnClick.
    void FireClick();
    void MouseEnter();
    // While the pointer is over the icon: has it gone?
    void PollMouse();
    void MouseExit();

private:
    TTrayIcon95& owner_;
    TrayArea& area_;
    const Clock& clock_;
    TTimerItem& ClickTimer;
    TTimerItem& LeaveTimer;
    TrayButton LastButton = TrayButton::Left;
    bool IsDouble = false;
    bool MouseInside = false;
    QPoint LastMousePos;
    // The tick count when the right button last popped the menu up.
    std::optional<std::uint32_t> menuPoppedAt_;
};

} // namespace nudgery

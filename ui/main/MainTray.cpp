// The main window's tray icon: made with the window, still or ticking, and its clicks and
// menu, which bring the window back from the tray.
#include "Main.h"
#include "MainPrivate.h"
#include "Trayicon.h"
#include "art/ProgramArt.h"
#include "platform/tray_area.h"

namespace nudgery {

namespace {

// How long each frame of the ticking clock stays.
constexpr TTimerInterval AnimationInterval = 600;

} // namespace

void MainPrivate::CreateTrayIcon() {
    TrayIcon = new TTrayIcon95(q, services.trayArea(), services.clock);
    TrayIcon->setObjectName(QStringLiteral("TrayIcon"));
    TrayIcon->SetIcon(ProgramIcon());
    TrayIcon->Animation().SetOptions(aoIconsInExe);
    TrayIcon->SetAutoPopup(true);
    TrayIcon->SetPopupMenu(TrayMenu);
    TrayIcon->OnClick = [this] { RestoreApplication(); };
    TrayIcon->OnDblClick = [this] { RestoreApplication(); };
}

void MainPrivate::LoadAndAnimateIcons() {
    TTrayIconAnimation& animation = TrayIcon->Animation();
    animation.SetOptions(aoIconsInExe);
    animation.SetIcons(TrayAnimationFrameNames());
    animation.SetInterval(AnimationInterval);
}

void MainPrivate::RestoreApplication() {
    TrayIcon->RestoreApplication();
}

} // namespace nudgery

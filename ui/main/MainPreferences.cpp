// The preferences: the Preferences dialog opened from the File menu, and the settings
// that act on the running program put in force.
#include "Main.h"
#include "MainPrivate.h"
#include "PopupHints.h"
#include "TimerPause.h"
#include "Trayicon.h"
#include "alerts/Settings.h"
#include "platform/profile_file.h"
#include "platform/startup_info.h"
#include "ui/editors/Pref.h"

namespace nudgery {

void MainPrivate::mnuSetPreferencesClick() {
    const TimerPause pause(*Timer1);
    ProfileFile file(SettingsFileName(services.programFolder));
    // The dialog starts from what the file holds now.
    services.settings = ReadSettings(file);
    TPreferences dialog({services.sound, services.files, services.help, services.programFolder},
                        &q);
    q.CenterForm(dialog);
    dialog.FillFrom(services.settings);
    dialog.SetAnimateIconOffered(services.startup.HasNotificationArea());
    if (dialog.exec() != TPreferences::ResultOk)
        return;
    dialog.CopyTo(services.settings);
    try {
        WriteSettings(services.settings, file);
    } catch (const ProfileWriteError& error) {
        // The new values stay in memory, but nothing changes on screen.
        ReportError(error);
        return;
    }
    ApplySettings();
}

void MainPrivate::ApplySettings() {
    const Settings& settings = services.settings;
    hints_->SetShown(settings.ShowHintsOn);
    // Only where the desktop has a notification area: without one the icon could not be
    // seen, and minimising would hide the window with nothing to bring it back.
    TrayIcon->SetActive(settings.UseTray && services.startup.HasNotificationArea());
    if (settings.AnimateTrayIcon) {
        LoadAndAnimateIcons();
        TrayIcon->SetState(tsAnimated);
    } else {
        TrayIcon->SetState(tsEnabled);
    }
}

} // namespace nudgery

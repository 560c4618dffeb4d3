// The preferences: the Preferences dialog opened from the File menu, and the settings
// that act on the running program put in force.
#include "Main.h"
#include "PopupHints.h"
#include "TimerPause.h"
#include "Trayicon.h"
#include "ui/editors/Pref.h"
#include "alerts/Settings.h"
#include "platform/profile_file.h"
#include "platform/startup_info.h"

namespace nudgery {

void TMainForm::mnuSetPreferencesClick() {
    const TimerPause pause(*Timer1);
    ProfileFile file(SettingsFileName(services_.programFolder));
    // The dialog starts from what the file holds now.
    services_.settings = ReadSettings(file);
    TPreferences dialog({services_.sound, services_.files, services_.help, services_.programFolder},
                        this);
    CenterForm(dialog);
    dialog.FillFrom(services_.settings);
    dialog.SetAnimateIconOffered(services_.startup.HasNotificationArea());
    if (dialog.exec() != TPreferences::ResultOk)
        return;
    dialog.CopyTo(services_.settings);
    try {
        WriteSettings(services_.settings, file);
    } catch (const ProfileWriteError& error) {
        // The new values stay in memory, but nothing changes on screen.
        ReportError(error);
        return;
    }
    ApplySettings();
}

void TMainForm::ApplySettings() {
    const Settings& settings = services_.settings;
    hints_->SetShown(settings.ShowHintsOn);
    // Only where the desktop has a notification area: without one the icon could not be
    // seen, and minimising would hide the window with nothing to bring it back.
    TrayIcon->SetActive(settings.UseTray && services_.startup.HasNotificationArea());
    if (settings.AnimateTrayIcon) {
        LoadAndAnimateIcons();
        TrayIcon->SetState(tsAnimated);
    } else {
        TrayIcon->SetState(tsEnabled);
    }
}

} // namespace nudgery

#pragma once
// A main window whose settings come from a settings file the test writes, with a look at
// its tray icon, a way through the Preferences dialog, and a look at the windows it opens.

#include "art/ProgramArt.h"
#include "main_form_fixture.h"
#include "ui/editors/Pref.h"
#include "ui/main/MainAbout.h"
#include "ui/main/MissedReminders.h"
#include "ui/main/Trayicon.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <cstdint>
#include <functional>

namespace nudgery::testing {

class MainSettingsTest : public MainFormTest {
protected:
    MainSettingsTest() { startup.notificationArea = true; }

    QString SettingsFile() const { return Folder() + "NUDGERY.INI"; }
    void WriteSettingsFile(const QByteArray& text) {
        QFile file(SettingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    QByteArray SettingsFileBytes() const {
        QFile file(SettingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A window made and activated, as the program shows it.
    TMainForm& MakeActivated() {
        TMainForm& f = Make();
        f.FormActivate();
        return f;
    }
    static TTrayIcon95& Tray(TMainForm& f) { return Find<TTrayIcon95>(f, "TrayIcon"); }
    // The picture in the notification area, compared with the program's pictures.
    bool TrayShows(const QIcon& icon) const {
        return trayArea->shown && trayArea->icon.pixmap(32).toImage() == icon.pixmap(32).toImage();
    }
    bool TrayShowsFrame(int frame) const {
        return TrayShows(ResourceIcon(QStringLiteral("ICON%1").arg(frame)));
    }
    // The tray's shared timer beats after `ms` milliseconds.
    void Beat(TMainForm& f, std::uint32_t ms) {
        clock.AdvanceMilliseconds(ms);
        Tray(f).Timers().ManagerTick();
    }

    // Opens "Set Preferences" from the File menu; `answer` runs in the open dialog and
    // must close it. Whether Timer1 was running meanwhile goes to timerRanMeanwhile.
    void SetPreferences(TMainForm& f, std::function<void(TPreferences&)> answer) {
        QTimer::singleShot(0, &f, [this, &f, answer = std::move(answer)] {
            auto* dialog = qobject_cast<TPreferences*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr) << "the Preferences dialog is not open";
            timerRanMeanwhile = Timer1(f).isActive();
            answer(*dialog);
        });
        Find<QAction>(f, "mnuSetPreferences").trigger();
    }
    // Answers with OK after setting the two tray boxes.
    void SetTray(TMainForm& f, bool useTray, bool animate) {
        SetPreferences(f, [&](TPreferences& dialog) {
            Find<QCheckBox>(dialog, "MiniMizeToTray").setChecked(useTray);
            Find<QCheckBox>(dialog, "AnimateIcon").setChecked(animate);
            Find<QPushButton>(dialog, "Okbutton").click();
        });
    }

    // Runs `look` on the main window (shown, so laid out at the size it opens with), the
    // notification, the About box and the Missed Reminders window with a line, then on
    // what `more` shows over the main window, and last on the Preferences dialog.
    void LookAtTheMainWindows(const std::function<void(const QWidget&)>& look,
                              const std::function<void(TMainForm&)>& more = {}) {
        TMainForm& f = Make();
        f.show();
        look(f);
        look(NotificationWindow());
        look(TAboutBox(&f));
        TMissedReminders missed(formats, clock);
        missed.AddBatch(
            {{ListKind::Repeating, "Water the plants", clock.Now() - 0.1, clock.Now() - 0.05, 3}});
        look(missed);
        if (more)
            more(f);
        bool opened = false;
        SetPreferences(f, [&](TPreferences& dialog) {
            opened = true;
            look(dialog);
            dialog.reject();
        });
        EXPECT_TRUE(opened);
    }

    bool timerRanMeanwhile = false;
};

} // namespace nudgery::testing

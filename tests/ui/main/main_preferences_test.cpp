// "Set Preferences" driven through the real dialog: what OK writes and puts in force, what
// Cancel leaves alone, a settings file that cannot be written, the check timer around the
// dialog; and popup hints switched off for every window of the program.
#include "main_settings_fixture.h"
#include "platform/profile_file.h"
#include "ui/controls/SpinEdit.h"
#include "ui/main/PopupHints.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QHelpEvent>
#include <QRadioButton>
#include <QTest>
#include <QToolTip>

namespace nudgery::testing {
namespace {

using MainPreferences = MainSettingsTest;

TEST_F(MainPreferences, OkWritesEveryChoiceAndPutsItInForce) {
    TMainForm& f = MakeActivated();
    // Changed by hand while the program runs: the dialog starts from the file.
    WriteSettingsFile("[Timeout]\nSeconds=90\nAction=-15\n");
    bool startedFromTheFile = false;
    SetPreferences(f, [&](TPreferences& dialog) {
        startedFromTheFile = Find<QRadioButton>(dialog, "WaitFor").isChecked() &&
                             Find<TSpinEdit>(dialog, "Minutes").Value() == 1 &&
                             Find<QComboBox>(dialog, "Action").currentIndex() == -1;
        Find<TSpinEdit>(dialog, "Minutes").SetValue(10);
        Find<QComboBox>(dialog, "Action").setCurrentIndex(3);
        Find<QComboBox>(dialog, "EventTypeCombo").setCurrentIndex(2);
        Find<QCheckBox>(dialog, "ShowHints").setChecked(false);
        Find<QCheckBox>(dialog, "MiniMizeToTray").setChecked(true);
        Find<QCheckBox>(dialog, "AnimateIcon").setChecked(true);
        Find<QPushButton>(dialog, "Okbutton").click();
    });
    EXPECT_TRUE(startedFromTheFile);
    EXPECT_FALSE(timerRanMeanwhile);
    EXPECT_TRUE(Timer1(f).isActive());

    Settings expected;
    expected.TimeoutSeconds = 600;
    expected.TimeoutAction = -30;
    expected.DefaultEventType = 2;
    expected.ShowHintsOn = false;
    expected.UseTray = true;
    expected.AnimateTrayIcon = true;
    EXPECT_EQ(ReadSettings(ProfileFile(SettingsFile())), expected);
    EXPECT_EQ(settings, expected);
    EXPECT_TRUE(TrayShowsFrame(1));
    EXPECT_EQ(Tray(f).State(), tsAnimated);
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(MainPreferences, CancelChangesNothing) {
    WriteSettingsFile("[Tray]\nUse=1\n[Timeout]\nSeconds=300\nAction=-5\n");
    TMainForm& f = MakeActivated();
    // With the window's placement, stored at the first activation.
    const QByteArray before = SettingsFileBytes();
    const Settings kept = settings;
    SetPreferences(f, [&](TPreferences& dialog) {
        Find<QRadioButton>(dialog, "Continue").click();
        Find<QCheckBox>(dialog, "ShowHints").setChecked(false);
        Find<QCheckBox>(dialog, "MiniMizeToTray").setChecked(false);
        Find<QCheckBox>(dialog, "AnimateIcon").setChecked(true);
        Find<QPushButton>(dialog, "CancelButton").click();
    });
    EXPECT_EQ(SettingsFileBytes(), before);
    EXPECT_EQ(settings, kept);
    EXPECT_TRUE(TrayShows(ProgramIcon()));
    EXPECT_FALSE(timerRanMeanwhile);
    EXPECT_TRUE(Timer1(f).isActive());
}

TEST_F(MainPreferences, ASettingsFileThatCannotBeWrittenIsReportedAndNothingIsApplied) {
    TMainForm& f = MakeActivated();
    // Not a file, so it reads as empty and cannot be written.
    ASSERT_TRUE(QFile::remove(SettingsFile()));
    ASSERT_TRUE(QDir(folder.path()).mkdir("NUDGERY.INI"));
    SetTray(f, true, true);
    EXPECT_EQ(messages.errors, QStringList{"Unable to write to " + SettingsFile()});
    // The new values are kept in memory, but the tray stays as it was.
    EXPECT_TRUE(settings.UseTray);
    EXPECT_FALSE(trayArea->shown);
    EXPECT_FALSE(timerRanMeanwhile);
    EXPECT_TRUE(Timer1(f).isActive());
}

TEST_F(MainPreferences, AnimateTrayIconIsOfferedOnlyWhereThereIsANotificationArea) {
    for (const bool area : {true, false}) {
        startup.notificationArea = area;
        WriteSettingsFile("[Misc]\nAnimateIcon=1\n");
        TMainForm& f = MakeActivated();
        bool offered = !area;
        SetPreferences(f, [&](TPreferences& dialog) {
            offered = Find<QCheckBox>(dialog, "AnimateIcon").isVisible();
            Find<QPushButton>(dialog, "Okbutton").click();
        });
        EXPECT_EQ(offered, area);
        // Hidden, the box keeps its value.
        EXPECT_TRUE(ReadSettings(ProfileFile(SettingsFile())).AnimateTrayIcon) << area;
    }
}

// Whether asking `control` for its hint shows it.
bool ShowsHint(QWidget& control) {
    QToolTip::hideText();
    // A hint that is going keeps showing for a moment.
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 5000));
    const QPoint where(2, 2);
    QHelpEvent request(QEvent::ToolTip, where, control.mapToGlobal(where));
    QApplication::sendEvent(&control, &request);
    return QToolTip::isVisible() && QToolTip::text() == control.toolTip();
}

TEST_F(MainPreferences, HintsOffHidesTheHintsOfEveryWindow) {
    TMainForm& f = MakeActivated();
    QPushButton* notificationOk = nullptr;
    for (auto* button : NotificationWindow().findChildren<QPushButton*>())
        if (button->text() == "Ok")
            notificationOk = button;
    ASSERT_NE(notificationOk, nullptr);
    QWidget* const controls[] = {&Find<QPushButton>(f, "AddAlarmButton"), notificationOk};

    bool inForce = true;
    for (const bool hints : {false, true}) {
        // The dialog's own box is asked while the dialog is open, under the choice before.
        bool dialogShowedHint = !inForce;
        SetPreferences(f, [&](TPreferences& dialog) {
            auto& box = Find<QCheckBox>(dialog, "ShowHints");
            dialogShowedHint = ShowsHint(box);
            box.setChecked(hints);
            Find<QPushButton>(dialog, "Okbutton").click();
        });
        EXPECT_EQ(dialogShowedHint, inForce) << hints;
        inForce = hints;
        for (QWidget* control : controls) {
            ASSERT_FALSE(control->toolTip().isEmpty());
            EXPECT_EQ(ShowsHint(*control), hints) << control->toolTip().toStdString();
        }
        // A window made after the change follows it too.
        QDialog later;
        QPushButton button(QStringLiteral("later"), &later);
        button.setToolTip(QStringLiteral("made later"));
        EXPECT_EQ(ShowsHint(button), hints) << hints;
    }
}

TEST(PopupHintsSwitch, TurningHintsOffTakesAwayAHintThatIsShowing) {
    PopupHints hints;
    QPushButton button(QStringLiteral("button"));
    button.setToolTip(QStringLiteral("a hint"));
    ASSERT_TRUE(ShowsHint(button));
    hints.SetShown(false);
    // Left alone, the hint would stay for ten seconds.
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 5000));
}

} // namespace
} // namespace nudgery::testing

// The main window's tray icon through a fake notification area: the settings put in force
// when the window is made and after the Preferences dialog, minimising into the tray, the
// ways back, and Exit from the tray menu.
#include "main_settings_fixture.h"
#include "platform/profile_file.h"
#include "ui/main/Justone.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace nudgery::testing {
namespace {

using MainTray = MainSettingsTest;

TEST_F(MainTray, TheSettingsFileIsPutInForceWhenTheWindowIsMade) {
    const struct {
        const char* settings;
        bool notificationArea;
        bool inTray;
        TTrayIconState state;
    } cases[] = {
        {"", true, false, tsEnabled},
        {"[Tray]\nUse=1\n", true, true, tsEnabled},
        {"[Tray]\nUse=1\n[Misc]\nAnimateIcon=1\n", true, true, tsAnimated},
        // Animated, but not in the tray, so nothing runs.
        {"[Misc]\nAnimateIcon=1\n", true, false, tsAnimated},
        // A desktop without a notification area has no tray to minimise into.
        {"[Tray]\nUse=1\n[Misc]\nAnimateIcon=1\n", false, false, tsAnimated},
    };
    for (const auto& c : cases) {
        const std::string what = std::string(c.settings) + (c.notificationArea ? "" : "no area");
        WriteSettingsFile(c.settings);
        startup.notificationArea = c.notificationArea;
        TMainForm& f = Make();
        EXPECT_EQ(Tray(f).Active(), c.inTray) << what;
        EXPECT_EQ(trayArea->shown, c.inTray) << what;
        EXPECT_EQ(Tray(f).State(), c.state) << what;
        if (c.inTray) {
            // The clock starts at its first frame.
            EXPECT_TRUE(c.state == tsAnimated ? TrayShowsFrame(1) : TrayShows(ProgramIcon()))
                << what;
        }
        // Only a ticking clock in the tray keeps a timer running.
        EXPECT_EQ(Tray(f).Timers().IsTicking(), c.inTray && c.state == tsAnimated) << what;
        // The icon has no tooltip.
        EXPECT_EQ(trayArea->tooltip, QString()) << what;
    }
}

TEST_F(MainTray, PreferencesPutTheTrayChoicesInForceAtOnce) {
    TMainForm& f = MakeActivated();
    const struct {
        bool useTray;
        bool animate;
    } steps[] = {
        // The animation waits for the tray...
        {false, true},
        // ...and starts with it, at its first frame.
        {true, true},
        // Still again: the program's icon at once.
        {true, false},
        // Animated again: from the first frame, not from where it stopped.
        {true, true},
        {false, false},
    };
    for (const auto& step : steps) {
        const std::string what = std::string(step.useTray ? "tray" : "no tray") +
                                 (step.animate ? ", animated" : ", still");
        SetTray(f, step.useTray, step.animate);
        EXPECT_EQ(trayArea->shown, step.useTray) << what;
        EXPECT_EQ(Tray(f).Timers().IsTicking(), step.useTray && step.animate) << what;
        if (step.useTray && step.animate) {
            EXPECT_TRUE(TrayShowsFrame(1)) << what;
            // The clock ticks on every 600 ms. Its first frame may stay for two: the frames
            // are loaded again after the icon came into the tray already animated.
            for (int beat = 0; beat < 2 && !TrayShowsFrame(2); ++beat)
                Beat(f, 600);
            EXPECT_TRUE(TrayShowsFrame(2)) << what;
        } else if (step.useTray) {
            EXPECT_TRUE(TrayShows(ProgramIcon())) << what;
        }
    }
}

TEST_F(MainTray, MinimizingHidesIntoTheTrayOnlyWhileTheIconIsThere) {
    for (const bool useTray : {true, false}) {
        WriteSettingsFile(useTray ? "[Tray]\nUse=1\n" : "");
        TMainForm& f = MakeActivated();
        Find<QPushButton>(f, "Minimizebutton").click();
        QApplication::processEvents();
        // Hidden, the window has no task-bar button; the icon is the way back. It is not
        // minimised as well: shown again, a minimised window could come back minimised.
        EXPECT_EQ(f.isVisible(), !useTray) << useTray;
        EXPECT_EQ(f.isMinimized(), !useTray) << useTray;
        EXPECT_EQ(trayArea->shown, useTray) << useTray;
    }
}

TEST_F(MainTray, EachWayBackFromTheTrayShowsTheWindowAgain) {
    // How the window went into the tray: the program hides it without minimising it; the
    // window manager minimises it first. Its state says minimised, or not, either way.
    const struct {
        const char* name;
        std::function<void(TMainForm&)> act;
    } intoTheTray[] = {
        {"the Minimize button",
         [](TMainForm& f) { Find<QPushButton>(f, "Minimizebutton").click(); }},
        {"the window manager's minimise", [](TMainForm& f) { f.showMinimized(); }},
    };
    // Each acts on the icon of the window hidden in the tray, on its menu, or as a later
    // copy of the program does.
    const QPoint at(600, 5);
    const struct {
        const char* name;
        std::function<void(FakeTrayArea&, QMenu&, SettableClock&)> act;
    } ways[] = {
        {"a click, after the double-click wait",
         [&](FakeTrayArea& area, QMenu&, SettableClock& clock) {
             emit area.Pressed(TrayButton::Left, at);
             clock.AdvanceMilliseconds(400);
         }},
        {"a double click",
         [&](FakeTrayArea& area, QMenu&, SettableClock&) {
             emit area.Pressed(TrayButton::Left, at);
             emit area.DoubleClicked(TrayButton::Left, at);
         }},
        {"a right double click",
         [&](FakeTrayArea& area, QMenu& menu, SettableClock&) {
             emit area.Pressed(TrayButton::Right, at);
             menu.close();
             emit area.DoubleClicked(TrayButton::Right, at);
         }},
        {"a right double click whose second press the open menu takes",
         [&](FakeTrayArea& area, QMenu& menu, SettableClock& clock) {
             emit area.ContextRequested(at);
             clock.AdvanceMilliseconds(150);
             RightPressOnMenu(menu, at, QEvent::MouseButtonDblClick);
             EXPECT_FALSE(menu.isVisible());
         }},
        {"Show Nudgery in the icon's menu",
         [&](FakeTrayArea& area, QMenu& menu, SettableClock&) {
             emit area.ContextRequested(at);
             ASSERT_TRUE(menu.isVisible());
             EXPECT_EQ(menu.pos(), at);
             QTest::keyClick(&menu, Qt::Key_S);
             EXPECT_FALSE(menu.isVisible());
         }},
    };
    WriteSettingsFile("[Tray]\nUse=1\n");
    for (const auto& into : intoTheTray) {
        for (const auto& way : ways) {
            const std::string what = std::string(into.name) + ", back by " + way.name;
            TMainForm& f = MakeActivated();
            into.act(f);
            QApplication::processEvents();
            ASSERT_FALSE(f.isVisible()) << what;
            way.act(*trayArea, Find<QMenu>(f, "TrayMenu"), clock);
            EXPECT_TRUE(QTest::qWaitFor([&] { return f.isVisible() && !f.isMinimized(); }, 5000))
                << what;
            // The icon stays in the tray.
            EXPECT_TRUE(trayArea->shown) << what;
        }
    }
}

TEST_F(MainTray, ALaterCopysRequestBringsTheWindowBackFromTheTray) {
    WriteSettingsFile("[Tray]\nUse=1\n");
    TMainForm& f = MakeActivated();
    Find<QPushButton>(f, "Minimizebutton").click();
    QApplication::processEvents();
    ASSERT_FALSE(f.isVisible());
    BringWindowForward(f);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.isVisible() && !f.isMinimized(); }, 5000));
    // Minimised again, it goes back into the tray.
    Find<QPushButton>(f, "Minimizebutton").click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.isVisible(); }, 5000));
}

TEST_F(MainTray, ExitFromTheTrayMenuSavesAsFileExitDoes) {
    WriteSettingsFile("[Tray]\nUse=1\n");
    TMainForm& f = MakeActivated();
    f.setGeometry(40, 50, 620, 410);
    Append(AlarmGrid(f), OneTime("from the tray", TestNow(), StatusDone));
    Find<QPushButton>(f, "Minimizebutton").click();
    QApplication::processEvents();
    ASSERT_FALSE(f.isVisible());
    QSignalSpy closed(&f, &TMainForm::Closed);

    emit trayArea->ContextRequested(QPoint(600, 5));
    QTest::keyClick(&Find<QMenu>(f, "TrayMenu"), Qt::Key_X);

    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(ProfileFile(SettingsFile()).ReadInteger("TMainForm_Placement", "Left", 0), 40);
    TMainForm& loaded = Make();
    EXPECT_EQ(Descriptions(AlarmGrid(loaded)), std::vector<std::string>{"from the tray"});
    EXPECT_EQ(AlarmGrid(loaded).Object(1)->Status, StatusDone);
}

// A notification area that shows the menus of its icons itself (a StatusNotifierItem host)
// is given the icon's menu: Show Nudgery and Exit, which act as in the program's own.
TEST_F(MainTray, TheNotificationAreaIsGivenTheIconsMenu) {
    WriteSettingsFile("[Tray]\nUse=1\n");
    TMainForm& f = MakeActivated();
    ASSERT_NE(trayArea->menu, nullptr);
    QStringList items;
    for (const QAction* action : trayArea->menu->actions())
        items << action->text();
    EXPECT_EQ(items, QStringList({"&Show Nudgery", "E&xit"}));
    Find<QPushButton>(f, "Minimizebutton").click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.isVisible(); }));
    trayArea->menu->actions().front()->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.isVisible(); }));
}

} // namespace
} // namespace nudgery::testing

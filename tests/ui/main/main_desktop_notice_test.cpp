// The desktop notification beside the real notification window of the main window: sent as
// a reminder falls due, its actions answer the window and the answer reaches the data file,
// a click on it brings the window forward, the Preferences turn it off, and the desktop's
// service is not asked for anything until the window is on the screen.
#include "check_cycle_fixture.h"
#include "core/reminder_lists.h"

#include <QApplication>

namespace nudgery::testing {
namespace {

class DesktopNotice : public CheckCycle {
protected:
    // The data file loaded back as the program would load it now.
    std::unique_ptr<ReminderLists> Saved() const {
        auto lists = std::make_unique<ReminderLists>();
        DataFileStore(folder.filePath("Nudgery.dat")).Load(*lists, clock);
        return lists;
    }
    // The desktop notification open now; the test fails when there is not exactly one.
    DesktopNotifications::Notice TheOneOpen() const {
        EXPECT_EQ(desktopNotices.Open().size(), 1u);
        return desktopNotices.Open().empty() ? 0 : desktopNotices.Open().front();
    }
};

TEST_F(DesktopNotice, ItsOkAndSnoozeAnswerTheWindowAndTheAnswerIsSaved) {
    const struct {
        NoticeAnswer chosen;
        std::uint8_t status;
        TDateTime when;
    } cases[] = {
        {NoticeAnswer::Ok, StatusDone, On15th(9, 58)},
        {NoticeAnswer::Snooze5Minutes, StatusPending, On15th(10, 5)},
    };
    for (const auto& c : cases) {
        QFile::remove(folder.filePath("Nudgery.dat"));
        desktopNotices.shown.clear();
        TMainForm& f = Start();
        Append(AlarmGrid(f), OneTime("Pay <b>Tom</b> & Jerry", On15th(9, 58)));
        answerer->Then([&](TAlarmShow&) { desktopNotices.UserAnswers(TheOneOpen(), c.chosen); });
        Check(f);

        ASSERT_EQ(answerer->shown.size(), 1u);
        EXPECT_FALSE(NotificationWindow().isVisible());
        ASSERT_EQ(desktopNotices.shown.size(), 1u);
        EXPECT_EQ(desktopNotices.shown.front().message, "Pay <b>Tom</b> & Jerry");
        EXPECT_EQ(desktopNotices.shown.front().dueTime, "9:58 AM");
        // Some desktops leave it up after the action: the program takes it away.
        EXPECT_TRUE(desktopNotices.Open().empty());
        const auto saved = Saved();
        ASSERT_EQ(saved->oneTime.size(), 1u);
        EXPECT_EQ(saved->oneTime.front().reminder->Status, c.status);
        EXPECT_NEAR(saved->oneTime.front().reminder->When, c.when, kOneSecond);
    }
}

TEST_F(DesktopNotice, AClickOnItBringsTheWindowForwardAndLeavesTheAnswerToTheUser) {
    TMainForm& f = Start();
    Append(AlarmGrid(f), OneTime("Call Anna", On15th(9, 58)));
    bool cameForward = false;
    bool stillOpen = false;
    answerer->Then([&](TAlarmShow& window) {
        // The user went on working in the main window.
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &f; }));
        desktopNotices.UserAnswers(TheOneOpen(), NoticeAnswer::ShowWindow);
        cameForward = QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; });
        stillOpen = window.isVisible();
        window.b10min->click();
    });
    Check(f);
    EXPECT_TRUE(cameForward);
    EXPECT_TRUE(stillOpen) << "a click on the desktop notification is no answer";
    EXPECT_NEAR(AlarmGrid(f).Object(1)->When, On15th(10, 10), kOneSecond);
    EXPECT_TRUE(desktopNotices.Open().empty());
}

TEST_F(DesktopNotice, ClosedOnTheDesktopItAnswersNothingAndTheWindowWaits) {
    TMainForm& f = Start();
    Append(AlarmGrid(f), OneTime("Water the plants", On15th(9, 58)));
    bool stillOpen = false;
    answerer->Then([&](TAlarmShow& window) {
        desktopNotices.UserCloses(TheOneOpen());
        stillOpen = window.isVisible();
        window.OkButton->click();
    });
    Check(f);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(AlarmGrid(f).Object(1)->Status, StatusDone);
}

TEST_F(DesktopNotice, ThePreferencesTurnItOff) {
    WriteSettingsFile("[Notifications]\nDesktop=0\n");
    TMainForm& f = Start();
    Append(AlarmGrid(f), OneTime("Feed the cat", On15th(9, 58)));
    answerer->Then(&TAlarmShow::OkButton);
    Check(f);
    EXPECT_EQ(answerer->shown.size(), 1u);
    EXPECT_TRUE(desktopNotices.shown.empty());
}

TEST_F(DesktopNotice, TheDesktopIsAskedNothingUntilTheWindowIsOnTheScreen) {
    TMainForm& f = Make();
    f.FormActivate();
    EXPECT_EQ(desktopNotices.prepared, 0) << "before the window's first picture";
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktopNotices.prepared > 0; }));
    EXPECT_TRUE(f.windowHandle()->isExposed());
    // Exposed again, hidden and shown: once is enough.
    f.hide();
    f.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(desktopNotices.prepared, 1);

    // Started in the tray there is no window to wait for: ready once the program is up.
    desktopNotices.prepared = 0;
    startup.minimized = true;
    startup.notificationArea = true;
    WriteSettingsFile("[Tray]\nUse=1\n");
    TMainForm& inTray = Make();
    inTray.FormActivate();
    EXPECT_EQ(desktopNotices.prepared, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktopNotices.prepared > 0; }));
    EXPECT_FALSE(inTray.isVisible());
}

} // namespace
} // namespace nudgery::testing

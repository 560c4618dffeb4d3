// The built program on an X server of the test's own, with a reminder due at start: an
// answer given in its notification is in the data file at once, so killing the program
// right after it (SIGKILL, no chance to save) keeps it; and a notification still open when
// the program is asked to end leaves its reminder as it was.
#include "core/data_file.h"
#include "core/datetime.h"
#include "core/reminder.h"
#include "platform/data_file_store.h"
#include "platform/system_clock.h"
#include "program_process.h"
#include "window_manager.h"
#include "x_display.h"

#include <QStandardPaths>
#include <csignal>

namespace nudgery {
namespace {

class NotificationProcess : public ProgramProcess {
protected:
    void SetUp() override {
        for (const char* tool : {"Xvfb", "xdotool"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        // A new day during the test would judge the reminder afresh.
        if (SystemClock().TimeOfDay() > EncodeTime(23, 58))
            GTEST_SKIP() << "too close to midnight";
        ProgramProcess::SetUp();
        QString why;
        ASSERT_TRUE(display_.Start(why)) << why.toStdString();
    }

    // Saves `due` (due now, so that it fires at the first check, five seconds after the
    // start) and starts the program on the display; true once its notification is shown.
    bool StartUntilNotified(const TReminder& due) {
        DataFileStore(DataFile()).Save(std::vector<const TReminder*>{&due}, {});
        program_ = &StartOnDisplay(display_.Name());
        return QTest::qWaitFor([this] { return NotificationShown(); }, kWaitMs);
    }
    bool NotificationShown() const {
        for (const auto& window : display_.WindowsOf(program_->processId()))
            if (window.viewable && window.topLevel && window.name == "Reminder Notification")
                return true;
        return false;
    }
    std::vector<std::uint8_t> SavedBytes() const {
        QFile saved(DataFile());
        if (!saved.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = saved.readAll();
        return {bytes.begin(), bytes.end()};
    }
    static std::vector<std::uint8_t> FileOf(const TReminder& reminder) {
        return EncodeDataFile(std::vector<const TReminder*>{&reminder}, {});
    }

    VirtualDisplay display_;
    QProcess* program_ = nullptr;
};

TEST_F(NotificationProcess, TheMissedRemindersWindowLeavesTheKeyboardWithTheMainWindow) {
    if (QStandardPaths::findExecutable("openbox").isEmpty())
        GTEST_SKIP() << "openbox is not installed";
    // A window manager, which gives new windows the focus unless they ask it not to.
    testing::WindowManager manager;
    QString why;
    ASSERT_TRUE(manager.Start(display_.Name(), FolderFile("window-manager-ready"), why))
        << why.toStdString();

    const SystemClock clock;
    const auto missed = TReminder::CreateNormal(KindOneTime, clock.Now() - 1,
                                                "Water the plants & the garden", "", EventShowOnly);
    const auto later = TReminder::CreateNormal(KindOneTime, clock.Now() - 1.5, "Call the dentist",
                                               "", EventShowOnly);
    DataFileStore(DataFile()).Save(std::vector<const TReminder*>{later.get(), missed.get()}, {});
    program_ = &StartOnDisplay(display_.Name());
    // Once the window manager has taken in both windows, it has given the keyboard to each
    // one that wanted it; the main window keeps it.
    const auto managed = [&](const QString& name) -> std::uint32_t {
        for (const auto& window : display_.WindowsOf(program_->processId()))
            if (window.viewable && window.managed && window.name == name)
                return window.id;
        return 0;
    };
    std::uint32_t mainWindow = 0;
    const bool settled = QTest::qWaitFor(
        [&] {
            mainWindow = managed("Nudgery!");
            return mainWindow != 0 && managed("Missed Reminders") != 0 &&
                   display_.FocusedWindow() == mainWindow;
        },
        kWaitMs);
    display_.Screenshot().save(QT_TESTCASE_BUILDDIR "/missed_reminders_window.png");
    EXPECT_TRUE(settled) << "main window " << mainWindow << ", missed reminders "
                         << managed("Missed Reminders") << ", the keyboard with "
                         << display_.FocusedWindow();
    ::kill(static_cast<pid_t>(program_->processId()), SIGTERM);
    EXPECT_TRUE(program_->waitForFinished(kWaitMs));
}

TEST_F(NotificationProcess, AnAnswerSurvivesAKillRightAfterIt) {
    const auto due =
        TReminder::CreateNormal(KindOneTime, SystemClock().Now(), "answer me", "", EventShowOnly);
    ASSERT_TRUE(StartUntilNotified(*due));
    // Enter gives the notification's default answer, Ok.
    QProcess key;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_.Name());
    key.setProcessEnvironment(env);
    key.start("xdotool", {"key", "Return"});
    ASSERT_TRUE(key.waitForFinished(kWaitMs));

    due->Status = StatusDone;
    ASSERT_TRUE(QTest::qWaitFor([&] { return SavedBytes() == FileOf(*due); }, kWaitMs))
        << "the answer did not reach the data file while the program ran";
    ASSERT_EQ(program_->state(), QProcess::Running);
    ::kill(static_cast<pid_t>(program_->processId()), SIGKILL);
    ASSERT_TRUE(program_->waitForFinished(kWaitMs));
    EXPECT_EQ(program_->exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(SavedBytes(), FileOf(*due));
}

TEST_F(NotificationProcess, AnEndAskedWhileTheNotificationIsOpenLeavesItsReminderPending) {
    const auto due =
        TReminder::CreateNormal(KindOneTime, SystemClock().Now(), "unanswered", "", EventShowOnly);
    ASSERT_TRUE(StartUntilNotified(*due));
    ::kill(static_cast<pid_t>(program_->processId()), SIGTERM);
    ASSERT_TRUE(program_->waitForFinished(kWaitMs));
    EXPECT_EQ(program_->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_->exitCode(), 0) << program_->readAllStandardError().toStdString();
    // Saved as it was: Pending, its time unchanged, to fire at the next start.
    EXPECT_EQ(SavedBytes(), FileOf(*due));
}

} // namespace
} // namespace nudgery

// The built program on an X server of the test's own, with a reminder due at start: an
// answer given in its notification is in the data file at once, so killing the program
// right after it (SIGKILL, no chance to save) keeps it; and a notification still open when
// the program is asked to end leaves its reminder as it was. With a bus of the test's own,
// dunst shows the reminder's desktop notification, with the user's markup as typed, and an
// action chosen there is the answer saved; a notification server that never answers holds
// nothing up.
#include "core/data_file.h"
#include "core/datetime.h"
#include "core/reminder.h"
#include "core/reminder_lists.h"
#include "platform/data_file_store.h"
#include "platform/system_clock.h"
#include "program_process.h"
#include "support/notification_server.h"
#include "support/process_signal.h"
#include "support/session_bus.h"
#include "support/shown_markup.h"
#include "support/silent_notification_server.h"
#include "window_manager.h"
#include "x_display.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QJsonArray>
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
    testing::SendSignal(*program_, SIGTERM);
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
    testing::SendSignal(*program_, SIGKILL);
    ASSERT_TRUE(program_->waitForFinished(kWaitMs));
    EXPECT_EQ(program_->exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(SavedBytes(), FileOf(*due));
}

TEST_F(NotificationProcess, AnEndAskedWhileTheNotificationIsOpenLeavesItsReminderPending) {
    const auto due =
        TReminder::CreateNormal(KindOneTime, SystemClock().Now(), "unanswered", "", EventShowOnly);
    ASSERT_TRUE(StartUntilNotified(*due));
    testing::SendSignal(*program_, SIGTERM);
    ASSERT_TRUE(program_->waitForFinished(kWaitMs));
    EXPECT_EQ(program_->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_->exitCode(), 0) << program_->readAllStandardError().toStdString();
    // Saved as it was: Pending, its time unchanged, to fire at the next start.
    EXPECT_EQ(SavedBytes(), FileOf(*due));
}

TEST_F(NotificationProcess, DunstShowsTheReminderAndAnActionChosenThereIsTheAnswerSaved) {
    using testing::NotificationServer;
    if (!NotificationServer::Installed(NotificationServer::Kind::Dunst))
        GTEST_SKIP() << "dunst or dunstctl is not installed";
    testing::PrivateSessionBus bus;
    testing::BusRecord record;
    QString why;
    if (!bus.Start(why) || !record.Start(bus, why))
        GTEST_SKIP() << why.toStdString();
    QProcessEnvironment display = QProcessEnvironment::systemEnvironment();
    display.insert("DISPLAY", display_.Name());
    NotificationServer dunst;
    ASSERT_TRUE(dunst.Start(NotificationServer::Kind::Dunst, bus, display, std::nullopt, why))
        << why.toStdString();

    const auto due = TReminder::CreateNormal(
        KindOneTime, SystemClock().Now(),
        "Pay <b>Tom</b> & Jerry\n<a href=\"x\">Bring</a> &amp; the keys", "", EventShowOnly);
    DataFileStore(DataFile()).Save(std::vector<const TReminder*>{due.get()}, {});
    program_ = &StartOnDisplay(display_.Name(), {}, bus.Address());
    const auto displayed = [&] {
        const auto count = dunst.Control({"count", "displayed"});
        return count ? count->trimmed().toInt() : -1;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return displayed() == 1; }, kWaitMs))
        << program_->readAllStandardError().toStdString();
    EXPECT_TRUE(NotificationShown()) << "the program's own window shows too";

    // What went to dunst: the message's first line as the summary, the rest as markup whose
    // text is what the user typed, critical, with the answers as actions.
    std::vector<QJsonObject> notify;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            notify = record.Messages("Notify");
            return !notify.empty();
        },
        kWaitMs));
    const QJsonArray arguments = testing::BusRecord::Arguments(notify.front());
    EXPECT_EQ(arguments[0].toString(), "Nudgery!");
    EXPECT_EQ(arguments[3].toString(), "Pay <b>Tom</b> & Jerry");
    EXPECT_TRUE(testing::ShownText(arguments[4].toString())
                    .startsWith("<a href=\"x\">Bring</a> &amp; the keys\n"))
        << arguments[4].toString().toStdString();
    EXPECT_EQ(testing::BusRecord::Hint(notify.front(), 6, "urgency").value("data").toInt(), 2);
    QStringList actions;
    for (qsizetype i = 0; i < arguments[5].toArray().size(); i += 2)
        actions << arguments[5].toArray()[i].toString();
    EXPECT_EQ(actions, QStringList({"default", "ok", "snooze-5"}));

    // Snoozed from dunst's menu of actions, as the user picks it.
    dunst.PickFromMenu("snooze-5");
    ASSERT_TRUE(dunst.Control({"context"}));
    const TDateTime snoozedAt = SystemClock().Now();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !NotificationShown(); }, kWaitMs));
    // dunst keeps a notification after an action; the program takes it away.
    EXPECT_TRUE(QTest::qWaitFor([&] { return displayed() == 0; }, kWaitMs));
    // Saved at once, five minutes on.
    const auto savedWhen = [&]() -> std::optional<TDateTime> {
        ReminderLists saved;
        DataFileStore(DataFile()).Load(saved, SystemClock());
        if (saved.oneTime.size() != 1 || saved.oneTime.front().reminder->Status != StatusPending)
            return std::nullopt;
        return saved.oneTime.front().reminder->When;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return savedWhen() > due->When + 1.0 / 1440; }, kWaitMs));
    EXPECT_NEAR(savedWhen().value_or(0), snoozedAt + 5.0 / 1440, 20.0 / 86400);
    testing::SendSignal(*program_, SIGTERM);
    ASSERT_TRUE(program_->waitForFinished(kWaitMs));
    EXPECT_EQ(program_->exitCode(), 0);
}

// How long a start takes until the notification of a reminder due at start shows.
class NotificationDelay : public NotificationProcess {
protected:
    qint64 MsUntilNotified(const QString& busAddress) {
        const auto due =
            TReminder::CreateNormal(KindOneTime, SystemClock().Now(), "on time", "", EventShowOnly);
        DataFileStore(DataFile()).Save(std::vector<const TReminder*>{due.get()}, {});
        QElapsedTimer elapsed;
        elapsed.start();
        program_ = &StartOnDisplay(display_.Name(), {}, busAddress);
        if (!QTest::qWaitFor([this] { return NotificationShown(); }, kWaitMs))
            return -1;
        const qint64 ms = elapsed.elapsed();
        program_->kill();
        program_->waitForFinished(kWaitMs);
        return ms;
    }
};

TEST_F(NotificationDelay, ANotificationServerThatNeverAnswersHoldsNothingUp) {
    testing::PrivateSessionBus bus;
    QString why;
    if (!bus.Start(why))
        GTEST_SKIP() << why.toStdString();
    // As the program works without a desktop notification service.
    const qint64 alone = MsUntilNotified("disabled:");
    ASSERT_GT(alone, 0);
    testing::SilentServer server(bus.Address());
    const qint64 beside = MsUntilNotified(bus.Address());
    ASSERT_GT(beside, 0);
    EXPECT_FALSE(server.Held("GetCapabilities").empty()) << "the program never asked";
    // A call that waited for the server would take its whole time-out, ten seconds; a busy
    // machine makes starts differ by a second or two.
    EXPECT_LT(std::abs(beside - alone), 5000) << "alone " << alone << " ms, beside " << beside;
}

} // namespace
} // namespace nudgery

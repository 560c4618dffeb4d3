// Reminders that fell due unseen (the program not running, the computer asleep) are listed in
// the "Missed Reminders" window: one-time reminders after the start and after each change of
// date, the occurrences of repeating reminders after the start (since the program was last
// running) and after a sleep, through the real load and the real check cycle; the window only
// reports, and the history records each line once.
#include "check_cycle_fixture.h"
#include "core/data_file.h"
#include "core/reminder_lists.h"

#include <QApplication>
#include <QTreeWidget>
#include <stdexcept>

namespace nudgery::testing {
namespace {

inline TDateTime On14th(int hour, int minute) {
    return EncodeDate(2024, 3, 14) + EncodeTime(hour, minute);
}

using Rows = std::vector<std::pair<std::string, std::string>>;

class MissedReminders : public CheckCycle {
protected:
    QString DataFile() const { return folder.filePath("Nudgery.dat"); }
    // Writes the data file with the one-time reminders as they are, statuses included, and
    // one repeating reminder due every day at 23:30 that does nothing when due, which is never
    // listed as missed.
    void WriteFile(const std::vector<std::unique_ptr<TReminder>>& oneTime) const {
        std::vector<std::unique_ptr<TReminder>> repeating;
        repeating.push_back(Daily("daily", EncodeTime(23, 30), 0, EventDoNothing));
        WriteLists(oneTime, repeating);
    }
    void WriteLists(const std::vector<std::unique_ptr<TReminder>>& oneTime,
                    const std::vector<std::unique_ptr<TReminder>>& repeating) const {
        const auto view = [](const std::vector<std::unique_ptr<TReminder>>& list) {
            std::vector<const TReminder*> pointers;
            for (const auto& reminder : list)
                pointers.push_back(reminder.get());
            return pointers;
        };
        DataFileStore(DataFile()).Save(view(oneTime), view(repeating));
    }
    static std::vector<std::unique_ptr<TReminder>>
    Reminders(std::initializer_list<std::tuple<const char*, TDateTime, std::uint8_t>> items) {
        std::vector<std::unique_ptr<TReminder>> list;
        for (const auto& [text, when, status] : items)
            list.push_back(OneTime(text, when, status));
        return list;
    }
    bool Shown(TMainForm& f) {
        QWidget* window = MainFormAccess(f).MissedReminders();
        return window && window->isVisible();
    }
    QWidget& Window(TMainForm& f) {
        QWidget* window = MainFormAccess(f).MissedReminders();
        if (!window)
            throw std::logic_error("no window of missed reminders yet");
        return *window;
    }
    // What the window lists: each reminder's message and when it was due.
    Rows Listed(TMainForm& f) {
        const auto& list = Find<QTreeWidget>(Window(f), "MissedList");
        Rows rows;
        for (int i = 0; i < list.topLevelItemCount(); ++i)
            rows.emplace_back(list.topLevelItem(i)->text(0).toStdString(),
                              list.topLevelItem(i)->text(1).toStdString());
        return rows;
    }
    // The main window started, its first activation run and its reports shown.
    TMainForm& StartShown() {
        TMainForm& f = Start();
        QApplication::processEvents();
        return f;
    }
    // The first tick on a new day.
    void NewDay(TMainForm& f, TDateTime now) {
        clock.SetNow(now);
        MainFormAccess(f).Tick();
    }
    std::vector<std::uint8_t> FileBytes() const {
        QFile file(DataFile());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        return {bytes.begin(), bytes.end()};
    }
    // The data file as a plain load at the clock's time and a save give it: what the
    // program writes when it only loads the lists, with no window of missed reminders.
    std::vector<std::uint8_t> PlainLoadAndSave() const {
        ReminderLists lists;
        DataFileStore(DataFile()).Load(lists, clock);
        return EncodeDataFile(ReminderLists::View(lists.oneTime),
                              ReminderLists::View(lists.repeating));
    }
};

TEST_F(MissedReminders, AtStartOnlyThoseThatExpiredUnseenAreListedNewestFirst) {
    WriteFile(Reminders({
        {"yesterday, pending", On14th(9, 0), StatusPending},
        {"yesterday, done", On14th(9, 30), StatusDone},
        {"yesterday, expired", On14th(10, 0), StatusExpired},
        // Saved on an earlier day, before its own.
        {"yesterday, saved the day before", On14th(18, 0), StatusNotToday},
        {"this morning", On15th(8, 0), StatusPending},
        {"five minutes ago", On15th(9, 55), StatusPending},
        {"tomorrow", On16th(9, 0), StatusNotToday},
    }));
    TMainForm& f = Make();
    // Not before the window is shown.
    EXPECT_FALSE(Shown(f));
    f.FormActivate();
    answerer = std::make_unique<Answerer>(NotificationWindow(), player);
    QApplication::processEvents();
    ASSERT_TRUE(Shown(f));
    EXPECT_EQ(Window(f).windowTitle(), "Missed Reminders");
    EXPECT_EQ(Listed(f), (Rows{{"this morning", "Today at 8:00am"},
                               {"yesterday, saved the day before", "Mar 14, 2024 6:00pm"},
                               {"yesterday, pending", "Mar 14, 2024 9:00am"}}));
    // Still in the grace minutes, it is not missed: it fires at the first check, the window
    // of missed reminders open meanwhile.
    answerer->Then(&TAlarmShow::OkButton);
    Check(f);
    ASSERT_EQ(answerer->shown.size(), 1u);
    EXPECT_EQ(answerer->shown[0].message, "five minutes ago");
    EXPECT_TRUE(Shown(f));
    // Ok closes it.
    Find<QPushButton>(Window(f), "OkButton").click();
    EXPECT_FALSE(Shown(f));
}

TEST_F(MissedReminders, NothingIsShownWhenNothingWasMissed) {
    WriteFile(Reminders({{"done", On14th(9, 0), StatusDone},
                         {"expired", On14th(9, 0), StatusExpired},
                         {"later", On15th(11, 0), StatusPending}}));
    TMainForm& f = StartShown();
    EXPECT_FALSE(Shown(f));
    // Nor at a change of date that expires nothing unseen.
    answerer->Then(&TAlarmShow::OkButton);
    clock.SetNow(On15th(11, 0, 30));
    Check(f);
    ASSERT_EQ(answerer->shown.size(), 1u);
    NewDay(f, On16th(0, 0, 1));
    QApplication::processEvents();
    EXPECT_FALSE(Shown(f));
}

TEST_F(MissedReminders, AMachineSuspendedOverMidnightAndASecondNewDayAddToTheOpenWindow) {
    clock.SetNow(On15th(18, 0));
    WriteFile(Reminders({{"answered at six", On15th(18, 0), StatusPending},
                         {"at eight in the evening", On15th(20, 0), StatusPending},
                         {"at seven next morning", On16th(7, 0), StatusNotToday},
                         {"at nine next morning", On16th(9, 0), StatusNotToday},
                         {"the evening after", On16th(21, 0), StatusNotToday}}));
    TMainForm& f = StartShown();
    EXPECT_FALSE(Shown(f));
    answerer->Then(&TAlarmShow::OkButton);
    Check(f);
    ASSERT_EQ(answerer->shown.size(), 1u);

    // Asleep from 18:00 until 08:00 the next day.
    NewDay(f, On16th(8, 0));
    ASSERT_TRUE(Shown(f));
    EXPECT_EQ(Listed(f), (Rows{{"at seven next morning", "Today at 7:00am"},
                               {"at eight in the evening", "Mar 15, 2024 8:00pm"}}));
    // The one at nine still fires.
    answerer->Then(&TAlarmShow::OkButton);
    clock.SetNow(On16th(9, 0, 30));
    Check(f);
    ASSERT_EQ(answerer->shown.size(), 2u);
    EXPECT_EQ(answerer->shown[1].message, "at nine next morning");

    // Asleep again over the next midnight: the new one goes to the top of the same window.
    NewDay(f, On16th(8, 0) + 1);
    EXPECT_EQ(Listed(f), (Rows{{"the evening after", "Mar 16, 2024 9:00pm"},
                               {"at seven next morning", "Mar 16, 2024 7:00am"},
                               {"at eight in the evening", "Mar 15, 2024 8:00pm"}}));
    int windows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows += window->windowTitle() == "Missed Reminders";
    EXPECT_EQ(windows, 1);

    // Once closed, the next batch starts a fresh list.
    Find<QPushButton>(Window(f), "OkButton").click();
    Append(AlarmGrid(f), OneTime("the third evening", On16th(20, 0) + 1));
    ASSERT_TRUE(MainFormAccess(f).SaveToDisk());
    NewDay(f, On16th(8, 0) + 2);
    EXPECT_EQ(Listed(f), (Rows{{"the third evening", "Mar 17, 2024 8:00pm"}}));
}

TEST_F(MissedReminders, AFailedSaveAtTheNewDayStillListsThoseInMemory) {
    clock.SetNow(On15th(18, 0));
    TMainForm& f = StartShown();
    Append(AlarmGrid(f), OneTime("done", On15th(17, 0), StatusDone));
    Append(AlarmGrid(f), OneTime("in memory only", On15th(20, 0)));
    // The data file's name taken by a folder: the lists cannot be saved, nor loaded again.
    ASSERT_TRUE(QDir(folder.path()).mkdir("Nudgery.dat"));
    NewDay(f, On16th(8, 0));
    EXPECT_EQ(messages.errors.size(), 1);
    EXPECT_EQ(Listed(f), (Rows{{"in memory only", "Mar 15, 2024 8:00pm"}}));
}

TEST_F(MissedReminders, StartedIntoTheTrayTheWindowAppearsAnyway) {
    WriteSettingsFile("[Tray]\nUse=1\n");
    startup.minimized = true;
    startup.notificationArea = true;
    WriteFile(Reminders({{"missed", On14th(9, 0), StatusPending}}));
    TMainForm& f = StartShown();
    ASSERT_TRUE(f.StartsInTray());
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(Shown(f));
    EXPECT_FALSE(Window(f).isMinimized());
}

TEST_F(MissedReminders, TheSavedFileIsTheSameAsWithoutTheWindow) {
    // At the start: the program's save on closing equals a plain load and save.
    WriteFile(Reminders({{"yesterday", On14th(9, 0), StatusPending},
                         {"this morning", On15th(8, 0), StatusPending},
                         {"done", On14th(9, 0), StatusDone},
                         {"tomorrow", On16th(9, 0), StatusNotToday},
                         {"tonight", On15th(22, 0), StatusPending}}));
    const std::vector<std::uint8_t> atStart = PlainLoadAndSave();
    TMainForm& f = StartShown();
    ASSERT_EQ(Listed(f).size(), 2u);
    ASSERT_TRUE(f.close());
    EXPECT_EQ(FileBytes(), atStart);

    // At the change of date: the same again for the next day.
    clock.SetNow(On16th(8, 0));
    const std::vector<std::uint8_t> nextDay = PlainLoadAndSave();
    clock.SetNow(On15th(10, 0));
    TMainForm& g = StartShown();
    NewDay(g, On16th(8, 0));
    ASSERT_EQ(Listed(g).size(), 1u);
    ASSERT_TRUE(g.close());
    EXPECT_EQ(FileBytes(), nextDay);
}

// The program last ran on Friday 15 March 2024 at 17:00 and starts again on Monday at 9:00.
class MissedRepeating : public MissedReminders {
protected:
    static TDateTime Friday(int hour, int minute) { return On15th(hour, minute); }
    static TDateTime Monday(int hour, int minute, int second = 0) {
        return EncodeDate(2024, 3, 18) + EncodeTime(hour, minute, second);
    }
    // Weekday evenings at 7:00pm, and every quarter hour from 8:00am to 6:00pm every day.
    void WriteWeekReminders() const {
        std::vector<std::unique_ptr<TReminder>> repeating;
        repeating.push_back(TReminder::CreateRepeating(KindRepeating, EncodeTime(19, 0), false, 0,
                                                       "12345", 0, "weekday evenings", "",
                                                       EventShowAndPlay));
        repeating.push_back(TReminder::CreateRepeating(KindRepeating, EncodeTime(8, 0), true,
                                                       EncodeTime(18, 0), "0123456", 15,
                                                       "every quarter hour", "", EventShowOnly));
        WriteLists({}, repeating);
    }
    void LastRanAt(TDateTime moment) const {
        ASSERT_TRUE(LastRunningFile(LastRunningFile::BesideDataFile(DataFile())).Write(moment));
    }
    // The missed entries of the history, oldest first: message, when and how many more.
    static std::vector<std::tuple<std::string, std::string, int>> MissedEntries(TMainForm& f) {
        std::vector<std::tuple<std::string, std::string, int>> missed;
        DateFormats formats;
        for (const HistoryEntry& entry : MainFormAccess(f).Journal().Newest({}, std::nullopt, 100))
            if (entry.outcome == HistoryOutcome::Missed)
                missed.insert(
                    missed.begin(),
                    {entry.message, formats.Format("mmm dd h:mmam/pm", entry.due), entry.result});
        return missed;
    }
};

// A line per reminder per day, the one still pending at the start left to fire; the weekend
// is left out of the weekday rule.
TEST_F(MissedRepeating, AfterAWeekendTheWeekdayEveningAndEachDayOfTheQuarterHoursAreListed) {
    WriteWeekReminders();
    LastRanAt(Friday(17, 0));
    clock.SetNow(Monday(9, 0));
    TMainForm& f = StartShown();
    ASSERT_TRUE(Shown(f));
    // The program's minute is a shade long: 17:00 came a hair after the program last ran,
    // and 9:00 a hair after it started again, so that one is still to fire.
    EXPECT_EQ(Listed(f),
              (Rows{{"every quarter hour", "Today at 8:00am and 3 more until 8:45am"},
                    {"every quarter hour", "Mar 17, 2024 8:00am and 40 more until 6:00pm"},
                    {"every quarter hour", "Mar 16, 2024 8:00am and 40 more until 6:00pm"},
                    {"weekday evenings", "Mar 15, 2024 7:00pm"},
                    {"every quarter hour", "Mar 15, 2024 5:00pm and 4 more until 6:00pm"}}));
    using Entry = std::tuple<std::string, std::string, int>;
    const std::vector<Entry> missed{{"every quarter hour", "Mar 15 5:00pm", 4},
                                    {"weekday evenings", "Mar 15 7:00pm", 0},
                                    {"every quarter hour", "Mar 16 8:00am", 40},
                                    {"every quarter hour", "Mar 17 8:00am", 40},
                                    {"every quarter hour", "Mar 18 8:00am", 3}};
    EXPECT_EQ(MissedEntries(f), missed);

    answerer->Then(&TAlarmShow::OkButton);
    clock.SetNow(Monday(9, 0, 10));
    Check(f);
    ASSERT_EQ(answerer->shown.size(), 1u);
    EXPECT_EQ(answerer->shown[0].message, "every quarter hour");
    ASSERT_TRUE(f.close());

    // Started again ten minutes later, nothing is missed, and nothing is told twice.
    clock.SetNow(Monday(9, 10));
    TMainForm& g = StartShown();
    EXPECT_FALSE(Shown(g));
    EXPECT_EQ(MissedEntries(g), missed);
}

// After a crash the moment kept is a few minutes old: what the history says fired since is
// not missed.
TEST_F(MissedRepeating, WhatFiredAfterTheLastRunningMomentIsNotListed) {
    WriteWeekReminders();
    clock.SetNow(Monday(8, 59, 50));
    TMainForm& f = StartShown();
    answerer->Then(&TAlarmShow::OkButton);
    answerer->Then(&TAlarmShow::OkButton);
    clock.SetNow(Monday(9, 0, 10));
    Check(f);
    clock.SetNow(Monday(9, 15, 10));
    Check(f);
    ASSERT_EQ(answerer->shown.size(), 2u);
    form.reset();
    // Last written at 9:02, the program stopped at 9:17.
    LastRanAt(Monday(9, 2));

    clock.SetNow(Monday(10, 0));
    TMainForm& g = StartShown();
    EXPECT_EQ(Listed(g), (Rows{{"every quarter hour", "Today at 9:30am and 1 more until 9:45am"}}));
}

// Asleep from 10:00 to 13:00: the sleep's occurrences are listed as the computer wakes, the one
// pending at 10:15 fires late and once, and the next at its time.
TEST_F(MissedRepeating, AWakeFromSleepListsTheSleepAndFiresNothingTwice) {
    WriteWeekReminders();
    clock.SetNow(On15th(10, 0, 30));
    TMainForm& f = StartShown();
    for (int tick = 0; tick < 4; ++tick) {
        clock.AdvanceMilliseconds(1000);
        MainFormAccess(f).Tick();
    }
    EXPECT_FALSE(Shown(f));
    answerer->Then(&TAlarmShow::OkButton);
    // The wall clock moves on three hours, the steady clock not at all.
    clock.SetNow(On15th(13, 0, 30));
    MainFormAccess(f).Tick();
    ASSERT_TRUE(Shown(f));
    EXPECT_EQ(Listed(f),
              (Rows{{"every quarter hour", "Today at 10:30am and 10 more until 1:00pm"}}));
    ASSERT_EQ(answerer->shown.size(), 1u);

    for (int second = 0; second < 15 * 60; ++second) {
        clock.AdvanceMilliseconds(1000);
        MainFormAccess(f).Tick();
    }
    EXPECT_EQ(answerer->shown.size(), 2u);
    EXPECT_EQ(Listed(f).size(), 1u);
    using Entry = std::tuple<std::string, std::string, int>;
    EXPECT_EQ(MissedEntries(f), (std::vector<Entry>{{"every quarter hour", "Mar 15 10:30am", 10}}));
}

TEST_F(MissedRepeating, TheSavedFileIsTheSameAsWithoutTheListing) {
    WriteWeekReminders();
    LastRanAt(Friday(17, 0));
    clock.SetNow(Monday(9, 0));
    const std::vector<std::uint8_t> plain = PlainLoadAndSave();
    TMainForm& f = StartShown();
    ASSERT_EQ(Listed(f).size(), 5u);
    ASSERT_TRUE(f.close());
    EXPECT_EQ(FileBytes(), plain);
}

} // namespace
} // namespace nudgery::testing

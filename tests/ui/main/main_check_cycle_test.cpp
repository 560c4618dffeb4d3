// The check cycle of the main window with the real notification window, answered by the
// test: the clock panel, the fifth-tick checks, every event type and answer, several
// reminders in one pass, snoozes, and the first tick of a new day.
#include "check_cycle_fixture.h"
#include "ui/controls/Graphp.h"

#include <QDir>
#include <algorithm>

namespace nudgery::testing {
namespace {

TEST_F(CheckCycle, ClockTextOnTheTwelveHourClock) {
    const struct {
        TDateTime now;
        const char* text;
    } cases[] = {
        {On15th(12, 0), "12:00:00pm"},      {On15th(0, 0), "12:00:00am"},
        {On15th(21, 5, 7), "09:05:07pm"},   {On15th(9, 5, 7), "09:05:07am"},
        {On15th(11, 59, 59), "11:59:59am"}, {On15th(12, 0, 1), "12:00:01pm"},
    };
    clock.SetNow(EncodeDate(2024, 3, 15));
    TMainForm& f = Start();
    for (const auto& c : cases) {
        clock.SetNow(c.now);
        MainFormAccess(f).Tick();
        EXPECT_EQ(Find<TGraphicPanel>(f, "TimePanel").Caption(), c.text);
    }
}

TEST_F(CheckCycle, EveryFifthTickChecksAndTheTimerRunsOn) {
    TMainForm& f = Start();
    Append(AlarmGrid(f), OneTime("Due", On15th(10, 0)));
    AlarmGrid(f).Object(1)->EventType = EventDoNothing;
    for (int tick = 1; tick <= 4; ++tick) {
        MainFormAccess(f).Tick();
        EXPECT_EQ(MainFormAccess(f).CheckCounter(), tick);
        EXPECT_EQ(AlarmGrid(f).Object(1)->Status, StatusPending) << tick;
        EXPECT_TRUE(Timer1(f).isActive());
    }
    MainFormAccess(f).Tick();
    EXPECT_EQ(MainFormAccess(f).CheckCounter(), 0);
    EXPECT_EQ(AlarmGrid(f).Object(1)->Status, StatusDone);
    EXPECT_TRUE(Timer1(f).isActive());
}

TEST_F(CheckCycle, TheTimerIsStoppedWhileANotificationIsOpen) {
    TMainForm& f = Start();
    Append(AlarmGrid(f), OneTime("Due", On15th(10, 0)));
    bool timerActive = true;
    answerer->Then([&](TAlarmShow& w) {
        timerActive = Timer1(f).isActive();
        w.OkButton->click();
    });
    Check(f);
    ASSERT_EQ(answerer->shown.size(), 1u);
    EXPECT_FALSE(timerActive);
    EXPECT_TRUE(Timer1(f).isActive());
}

TEST_F(CheckCycle, EveryEventTypeOfAOneTimeReminder) {
    const struct {
        std::uint8_t type;
        bool sound;
        bool window;
    } cases[] = {{EventShowAndPlay, true, true},
                 {EventShowOnly, false, true},
                 {EventPlayOnly, true, false},
                 {EventDoNothing, false, false}};
    for (const auto& c : cases) {
        // Each case starts from an empty list, not from the answer saved by the one before.
        QFile::remove(folder.filePath("Nudgery.dat"));
        TMainForm& f = Start();
        const std::size_t opened = player.opened.size();
        const int closed = player.closes;
        Append(AlarmGrid(f), OneTime("Call Ann & Bob", On15th(9, 58)));
        AlarmGrid(f).Object(1)->EventType = c.type;
        AlarmGrid(f).Object(1)->SoundFile = SoundFile("ring.wav");
        answerer->Then(&TAlarmShow::OkButton);
        Check(f);
        const int type = c.type;
        EXPECT_EQ(player.opened.size() - opened, c.sound ? 1u : 0u) << type;
        ASSERT_EQ(answerer->shown.size(), c.window ? 1u : 0u) << type;
        if (c.window) {
            EXPECT_EQ(answerer->shown[0].message, "Call Ann & Bob");
            EXPECT_TRUE(answerer->shown[0].deleteVisible);
            // The window's answer stops the sound.
            EXPECT_EQ(player.closes - closed, c.sound ? 1 : 0) << type;
        } else {
            // A sound without a window plays on.
            EXPECT_EQ(player.IsOpen(), c.sound) << type;
        }
        EXPECT_EQ(AlarmGrid(f).Object(1)->Status, StatusDone) << type;
        EXPECT_EQ(AlarmGrid(f).Object(1)->When, On15th(9, 58)) << type;
        sound.Shutup();
    }
}

TEST_F(CheckCycle, EveryEventTypeOfARepeatingReminderMovesItOn) {
    for (std::uint8_t type : {EventShowAndPlay, EventShowOnly, EventPlayOnly, EventDoNothing}) {
        QFile::remove(folder.filePath("Nudgery.dat"));
        TMainForm& f = Start();
        Append(RepeatingAlarmGrid(f), Daily("Stretch", EncodeTime(8, 0), 30, type));
        TReminder& r = *RepeatingAlarmGrid(f).Object(1);
        r.SoundFile = SoundFile("ring.mid");
        r.When = On15th(10, 0);
        answerer->Then(&TAlarmShow::OkButton);
        const std::size_t opened = player.opened.size();
        // A few seconds late, as a check on the five-second beat is.
        clock.SetNow(On15th(10, 0, 3));
        Check(f);
        const bool window = type == EventShowAndPlay || type == EventShowOnly;
        const bool plays = type == EventShowAndPlay || type == EventPlayOnly;
        ASSERT_EQ(answerer->shown.size(), window ? 1u : 0u) << int{type};
        if (window) {
            EXPECT_FALSE(answerer->shown[0].deleteVisible);
        }
        EXPECT_EQ(player.opened.size() - opened, plays ? 1u : 0u) << int{type};
        EXPECT_EQ(r.Status, StatusPending);
        EXPECT_NEAR(r.When, On15th(10, 30), 1e-6) << int{type};
        sound.Shutup();
    }
}

TEST_F(CheckCycle, OnlyPendingRemindersOfTodayWhoseTimeHasComeFire) {
    TMainForm& f = Start();
    const struct {
        const char* text;
        TDateTime when;
        std::uint8_t status;
    } rows[] = {
        {"yesterday", EncodeDate(2024, 3, 14) + EncodeTime(10, 0), StatusPending},
        {"done", On15th(9, 0), StatusDone},
        {"expired", On15th(8, 0), StatusExpired},
        {"later", On15th(10, 1), StatusPending},
        {"tomorrow", On16th(9, 0), StatusPending},
        {"now", On15th(10, 0), StatusPending},
    };
    for (const auto& r : rows)
        Append(AlarmGrid(f), OneTime(r.text, r.when, r.status));
    answerer->Then(&TAlarmShow::OkButton);
    Check(f);
    ASSERT_EQ(answerer->shown.size(), 1u);
    EXPECT_EQ(answerer->shown[0].message, "now");
}

TEST_F(CheckCycle, TwoDueRemindersOneAfterTheOther) {
    TMainForm& f = Start();
    Append(AlarmGrid(f), OneTime("first", On15th(9, 59)));
    Append(AlarmGrid(f), OneTime("second", On15th(9, 59)));
    Append(RepeatingAlarmGrid(f), Daily("third", EncodeTime(9, 0), 60));
    for (int row = 1; row <= 2; ++row)
        AlarmGrid(f).Object(row)->SoundFile = SoundFile("ring.wav");
    RepeatingAlarmGrid(f).Object(1)->When = On15th(10, 0);
    RepeatingAlarmGrid(f).Object(1)->SoundFile = SoundFile("ring.wav");
    for (int i = 0; i < 3; ++i)
        answerer->Then(&TAlarmShow::OkButton);
    Check(f);
    ASSERT_EQ(answerer->shown.size(), 3u);
    // Each sound starts only after the window before it was answered; the one-time list
    // comes first.
    const char* order[] = {"first", "second", "third"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(answerer->shown[i].message, order[i]);
        EXPECT_EQ(answerer->shown[i].soundsOpened, i + 1);
    }
}

TEST_F(CheckCycle, ASnoozedRowMovingDownTheListLeavesTheOthersTheirTurn) {
    TMainForm& f = Start();
    Append(AlarmGrid(f), OneTime("snoozed", On15th(9, 58)));
    Append(AlarmGrid(f), OneTime("answered", On15th(9, 59)));
    Append(AlarmGrid(f), OneTime("deleted", On15th(10, 0)));
    Append(AlarmGrid(f), OneTime("later", On15th(10, 20)));
    // Each reminder gets its own answer, whichever order they come in.
    for (int i = 0; i < 3; ++i)
        answerer->Then([](TAlarmShow& w) {
            const QString message = w.AlarmMsg->text();
            (message == "snoozed"   ? w.b10min
             : message == "deleted" ? w.DeleteButton
                                    : w.OkButton)
                ->click();
        });
    Check(f);
    clock.SetNow(On15th(10, 0, 5));
    Check(f);
    std::vector<std::string> shown;
    for (const Shown& s : answerer->shown)
        shown.push_back(s.message);
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::string>{"answered", "deleted", "snoozed"}));
    EXPECT_EQ(Descriptions(AlarmGrid(f)),
              (std::vector<std::string>{"answered", "snoozed", "later"}));
    EXPECT_EQ(AlarmGrid(f).Object(1)->Status, StatusDone);
    EXPECT_EQ(AlarmGrid(f).Object(2)->Status, StatusPending);
    EXPECT_NEAR(AlarmGrid(f).Object(2)->When, On15th(10, 10), kOneSecond);
}

TEST_F(CheckCycle, SnoozeOfOneWeekMovesTheReminderAndShowsItNotToday) {
    TMainForm& f = Start();
    Append(AlarmGrid(f), OneTime("snoozed", On15th(10, 0)));
    Append(AlarmGrid(f), OneTime("tomorrow", On16th(9, 0), StatusNotToday));
    Append(AlarmGrid(f), OneTime("in a month", EncodeDate(2024, 4, 15), StatusNotToday));
    AlarmGrid(f).SetRow(1);
    answerer->Then(&TAlarmShow::OneWeek);
    Check(f);
    EXPECT_EQ(Descriptions(AlarmGrid(f)),
              (std::vector<std::string>{"tomorrow", "snoozed", "in a month"}));
    const TReminder& r = *AlarmGrid(f).Object(2);
    EXPECT_NEAR(r.When, EncodeDate(2024, 3, 22) + EncodeTime(10, 0), kOneSecond);
    EXPECT_EQ(r.Status, StatusNotToday);
    // The selection does not follow the moved row.
    EXPECT_EQ(AlarmGrid(f).Row(), 1);
}

TEST_F(CheckCycle, SnoozeOfTenMinutesFiresAgainTenMinutesLater) {
    TMainForm& f = Start();
    Append(AlarmGrid(f), OneTime("tea", On15th(10, 0)));
    answerer->Then(&TAlarmShow::b10min);
    Check(f);
    EXPECT_NEAR(AlarmGrid(f).Object(1)->When, On15th(10, 10), kOneSecond);
    EXPECT_EQ(AlarmGrid(f).Object(1)->Status, StatusPending);
    clock.SetNow(On15th(10, 9, 59));
    Check(f);
    EXPECT_EQ(answerer->shown.size(), 1u);
    clock.SetNow(On15th(10, 10, 1));
    answerer->Then(&TAlarmShow::OkButton);
    Check(f);
    EXPECT_EQ(answerer->shown.size(), 2u);
    EXPECT_EQ(AlarmGrid(f).Object(1)->Status, StatusDone);
}

TEST_F(CheckCycle, RepeatingSnoozeOfTwentyFourHoursHoldsUntilTheNewDay) {
    TMainForm& f = Start();
    Append(RepeatingAlarmGrid(f), Daily("once a day", EncodeTime(10, 0), 0));
    Append(RepeatingAlarmGrid(f), Daily("other", EncodeTime(23, 0), 0));
    RepeatingAlarmGrid(f).Object(1)->When = On15th(10, 0);
    answerer->Then(&TAlarmShow::b24hr);
    Check(f);
    TReminder& r = *RepeatingAlarmGrid(f).Object(1);
    EXPECT_NEAR(r.When, On16th(10, 0), kOneSecond);
    EXPECT_EQ(r.Status, StatusPending);
    EXPECT_EQ(Descriptions(RepeatingAlarmGrid(f)),
              (std::vector<std::string>{"once a day", "other"}));
    clock.SetNow(On15th(22, 0));
    Check(f);
    EXPECT_EQ(answerer->shown.size(), 1u);
    // The new day's schedule follows the day rule.
    clock.SetNow(On16th(0, 0, 1));
    MainFormAccess(f).Tick();
    clock.SetNow(On16th(10, 0, 2));
    answerer->Then(&TAlarmShow::OkButton);
    Check(f);
    ASSERT_EQ(answerer->shown.size(), 2u);
    EXPECT_EQ(answerer->shown[1].message, "once a day");
}

TEST_F(CheckCycle, OkOnTheLastTimeOfTheDayLeavesARepeatingReminderQuietUntilTomorrow) {
    TMainForm& f = Start();
    // Every 40 minutes from 9:00 until 20:00: 19:40 is the last time of the day.
    Append(RepeatingAlarmGrid(f), Daily("stretch", EncodeTime(9, 0), 40));
    RepeatingAlarmGrid(f).Object(1)->When = On15th(19, 40);
    clock.SetNow(On15th(19, 40, 3));
    answerer->Then(&TAlarmShow::OkButton);
    Check(f);
    ASSERT_EQ(answerer->shown.size(), 1u);
    for (TDateTime later : {On15th(19, 40, 8), On15th(19, 59), On15th(20, 20), On15th(23, 59)}) {
        clock.SetNow(later);
        Check(f);
    }
    EXPECT_EQ(answerer->shown.size(), 1u);
    EXPECT_EQ(Cell(RepeatingAlarmGrid(f), 4, 1).Text, "Not today");
}

TEST_F(CheckCycle, DeleteFromTheNotificationRemovesOnlyThatReminder) {
    TMainForm& f = Start();
    Append(AlarmGrid(f), OneTime("keep", On15th(9, 0), StatusDone));
    Append(AlarmGrid(f), OneTime("drop one", On15th(10, 0)));
    Append(AlarmGrid(f), OneTime("drop two", On15th(10, 0)));
    Append(AlarmGrid(f), OneTime("keep too", On15th(10, 0)));
    answerer->Then(&TAlarmShow::DeleteButton);
    answerer->Then(&TAlarmShow::DeleteButton);
    answerer->Then(&TAlarmShow::OkButton);
    Check(f);
    EXPECT_EQ(answerer->shown.size(), 3u);
    EXPECT_EQ(Descriptions(AlarmGrid(f)), (std::vector<std::string>{"keep", "keep too"}));
}

TEST_F(CheckCycle, TheTimeOutAnswersWithTheSettingsAction) {
    TMainForm& f = Start();
    // After the window read the (empty) settings file.
    settings.TimeoutSeconds = 2;
    settings.TimeoutAction = -30;
    Append(AlarmGrid(f), OneTime("unattended", On15th(10, 0)));
    answerer->Then([&](TAlarmShow& w) {
        EXPECT_EQ(w.TimeoutSeconds, 2);
        // The countdown reads the tick count, which the test moves past the time-out.
        clock.SetTickCount(clock.TickCount() + 2001);
    });
    Check(f);
    ASSERT_EQ(answerer->shown.size(), 1u);
    EXPECT_NEAR(AlarmGrid(f).Object(1)->When, On15th(10, 30), kOneSecond);
}

class NewDay : public CheckCycle {
protected:
    // A window started on the 15th whose lists were saved, ticking first at 00:00:01 on
    // the 16th with four ticks counted.
    TMainForm& StartAndSave() {
        TMainForm& f = Start();
        Append(AlarmGrid(f), OneTime("answered", On15th(10, 0)));
        Append(AlarmGrid(f), OneTime("deleted", On15th(10, 0)));
        Append(AlarmGrid(f), OneTime("snoozed", On15th(10, 0)));
        Append(AlarmGrid(f), OneTime("tomorrow", On16th(0, 0), StatusNotToday));
        EXPECT_TRUE(MainFormAccess(f).SaveToDisk());
        return f;
    }
    void AnswerBeforeMidnight(TMainForm& f) {
        answerer->Then(&TAlarmShow::OkButton);
        answerer->Then(&TAlarmShow::DeleteButton);
        answerer->Then(&TAlarmShow::b4hr);
        Check(f);
        ASSERT_EQ(answerer->shown.size(), 3u);
    }
};

TEST_F(NewDay, TheFirstTickReloadsWithoutCheckingAndKeepsTheCounter) {
    TMainForm& f = StartAndSave();
    for (int tick = 0; tick < 4; ++tick)
        MainFormAccess(f).Tick();
    ASSERT_EQ(MainFormAccess(f).CheckCounter(), 4);
    clock.SetNow(On16th(0, 0, 1));
    MainFormAccess(f).Tick();
    EXPECT_EQ(MainFormAccess(f).LoadedDate(), EncodeDate(2024, 3, 16));
    EXPECT_EQ(MainFormAccess(f).CheckCounter(), 4);
    EXPECT_TRUE(answerer->shown.empty());
    EXPECT_TRUE(Timer1(f).isActive());
    // Judged afresh: yesterday's pending reminders expired, today's now pending.
    EXPECT_EQ(AlarmGrid(f).Object(1)->Status, StatusExpired);
    EXPECT_EQ(AlarmGrid(f).Object(4)->Status, StatusPending);
    // The next tick is the fifth: it checks.
    answerer->Then(&TAlarmShow::OkButton);
    MainFormAccess(f).Tick();
    ASSERT_EQ(answerer->shown.size(), 1u);
    EXPECT_EQ(answerer->shown[0].message, "tomorrow");
    EXPECT_EQ(MainFormAccess(f).CheckCounter(), 0);
}

TEST_F(NewDay, AnswersGivenBeforeMidnightSurviveTheReload) {
    TMainForm& f = StartAndSave();
    AnswerBeforeMidnight(f);
    clock.SetNow(On16th(0, 0, 1));
    MainFormAccess(f).Tick();
    EXPECT_TRUE(messages.errors.isEmpty());
    EXPECT_EQ(MainFormAccess(f).LoadedDate(), EncodeDate(2024, 3, 16));
    EXPECT_EQ(Descriptions(AlarmGrid(f)),
              (std::vector<std::string>{"answered", "snoozed", "tomorrow"}));
    EXPECT_EQ(AlarmGrid(f).Object(1)->Status, StatusDone);
    EXPECT_NEAR(AlarmGrid(f).Object(2)->When, On15th(14, 0), kOneSecond);
    EXPECT_EQ(AlarmGrid(f).Object(2)->Status, StatusExpired);
    // And the file holds them too.
    EXPECT_EQ(Descriptions(AlarmGrid(Make())),
              (std::vector<std::string>{"answered", "snoozed", "tomorrow"}));
}

TEST_F(NewDay, AFailedSaveKeepsTheAnswersAndJudgesTheListsAfresh) {
    TMainForm& f = StartAndSave();
    Append(RepeatingAlarmGrid(f), Daily("daily", EncodeTime(8, 0), 0));
    RepeatingAlarmGrid(f).Object(1)->When = On15th(8, 0);
    RepeatingAlarmGrid(f).Object(1)->Status = StatusNotToday;
    AnswerBeforeMidnight(f);
    // The data file's name taken by a folder: the file cannot be created.
    ASSERT_TRUE(QFile::remove(folder.filePath("Nudgery.dat")));
    ASSERT_TRUE(QDir(folder.path()).mkdir("Nudgery.dat"));
    clock.SetNow(On16th(0, 0, 1));
    MainFormAccess(f).Tick();
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_EQ(messages.errors[0], "Cannot create file " + folder.filePath("Nudgery.dat"));
    EXPECT_EQ(Descriptions(AlarmGrid(f)),
              (std::vector<std::string>{"answered", "snoozed", "tomorrow"}));
    EXPECT_EQ(AlarmGrid(f).Object(1)->Status, StatusDone);
    EXPECT_NEAR(AlarmGrid(f).Object(2)->When, On15th(14, 0), kOneSecond);
    EXPECT_EQ(AlarmGrid(f).Object(2)->Status, StatusExpired);
    EXPECT_EQ(AlarmGrid(f).Object(3)->Status, StatusPending);
    EXPECT_EQ(RepeatingAlarmGrid(f).Object(1)->When, On16th(8, 0));
    EXPECT_EQ(RepeatingAlarmGrid(f).Object(1)->Status, StatusPending);
    EXPECT_EQ(MainFormAccess(f).LoadedDate(), EncodeDate(2024, 3, 16));
    EXPECT_TRUE(Timer1(f).isActive());
    // Not again on the next tick.
    MainFormAccess(f).Tick();
    EXPECT_EQ(messages.errors.size(), 1);
}

TEST_F(CheckCycle, SettingTheDateBackDoesNotReload) {
    TMainForm& f = Start();
    Append(AlarmGrid(f), OneTime("in memory only", On15th(9, 0), StatusDone));
    clock.SetNow(EncodeDate(2024, 3, 14) + EncodeTime(10, 0));
    MainFormAccess(f).Tick();
    EXPECT_EQ(Descriptions(AlarmGrid(f)), std::vector<std::string>{"in memory only"});
    EXPECT_EQ(MainFormAccess(f).LoadedDate(), EncodeDate(2024, 3, 15));
}

TEST_F(CheckCycle, AMissingSoundFileFiresSilentlyAndABadOneBeeps) {
    TMainForm& f = Start();
    Append(AlarmGrid(f), OneTime("missing", On15th(10, 0)));
    Append(AlarmGrid(f), OneTime("bad", On15th(10, 0)));
    AlarmGrid(f).Object(1)->SoundFile = folder.filePath("none.wav").toStdString();
    AlarmGrid(f).Object(2)->SoundFile = SoundFile("noise.bad");
    answerer->Then(&TAlarmShow::OkButton);
    answerer->Then(&TAlarmShow::OkButton);
    Check(f);
    EXPECT_EQ(answerer->shown.size(), 2u);
    EXPECT_EQ(player.opened.size(), 1u);
    EXPECT_EQ(beeper.beeps, 1);
}

} // namespace
} // namespace nudgery::testing

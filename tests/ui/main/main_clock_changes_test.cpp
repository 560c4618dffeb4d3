// The wall clock moving under the running check cycle: a machine suspended for hours, a
// jump across midnight, the clock set back at the end of summer time and jumping over the
// hour at its start. Every reminder fires once, at the first check that finds it due.
#include "check_cycle_fixture.h"

namespace nudgery::testing {
namespace {

class ClockChanges : public CheckCycle {
protected:
    // Checks every five minutes from `from` to `to`, answering every notification Ok.
    void RunChecks(TMainForm& f, TDateTime from, TDateTime to) {
        const TDateTime step = 5.0 / 1440;
        for (TDateTime now = from; now <= to + kOneSecond; now += step) {
            clock.SetNow(now);
            Check(f);
        }
    }
    std::vector<std::string> ShownMessages() const {
        std::vector<std::string> messages;
        for (const Shown& s : answerer->shown)
            messages.push_back(s.message);
        return messages;
    }
    // Pending one-time reminders, in list order.
    void AppendPending(TMainForm& f,
                       std::initializer_list<std::pair<const char*, TDateTime>> reminders) {
        for (const auto& [text, when] : reminders)
            Append(AlarmGrid(f), OneTime(text, when));
    }
    // The tick before a check, so that the next tick checks.
    void CountFourTicks(TMainForm& f) {
        for (int i = 0; i < 4; ++i)
            MainFormAccess(f).Tick();
        ASSERT_EQ(MainFormAccess(f).CheckCounter(), 4);
    }
};

// The checks come half a minute past: a repeating reminder's times drift a few milliseconds
// past the minute (the program's minute is a shade long), and no check lands on them.
TEST_F(ClockChanges, ThreeHoursForwardBetweenTwoTicksFiresEachDueReminderOnceInListOrder) {
    clock.SetNow(On15th(10, 0, 30));
    TMainForm& f = Start();
    AppendPending(f, {{"10:30", On15th(10, 30)},
                      {"11:00", On15th(11, 0)},
                      {"12:59", On15th(12, 59, 59)},
                      {"13:00", On15th(13, 0)},
                      {"13:30", On15th(13, 30)}});
    // Every hour from 9:00: next due at 11:00.
    Append(RepeatingAlarmGrid(f), Daily("hourly", EncodeTime(9, 0), 60));
    RepeatingAlarmGrid(f).Object(1)->ScheduleTodayAfresh(clock);
    ASSERT_NEAR(RepeatingAlarmGrid(f).Object(1)->When, On15th(11, 0), kOneSecond);
    CountFourTicks(f);
    EXPECT_TRUE(answerer->shown.empty());

    clock.SetNow(On15th(13, 0, 30));
    MainFormAccess(f).Tick();
    EXPECT_EQ(ShownMessages(),
              (std::vector<std::string>{"10:30", "11:00", "12:59", "13:00", "hourly"}));
    // Not again at the following checks; the repeating reminder waits for its next hour.
    RunChecks(f, On15th(13, 0, 35), On15th(13, 25, 35));
    EXPECT_EQ(answerer->shown.size(), 5u);
    EXPECT_NEAR(RepeatingAlarmGrid(f).Object(1)->When, On15th(14, 0), kOneSecond);
    RunChecks(f, On15th(13, 30, 35), On15th(13, 30, 35));
    EXPECT_EQ(ShownMessages().back(), "13:30");
}

TEST_F(ClockChanges, AJumpAcrossMidnightStartsTheNewDayOnce) {
    clock.SetNow(On15th(22, 0));
    TMainForm& f = Start();
    Append(AlarmGrid(f), OneTime("tonight", On15th(23, 0)));
    Append(AlarmGrid(f), OneTime("after the jump", On16th(2, 0), StatusNotToday));
    ASSERT_TRUE(MainFormAccess(f).SaveToDisk());
    CountFourTicks(f);

    clock.SetNow(On16th(1, 0));
    MainFormAccess(f).Tick();
    EXPECT_EQ(MainFormAccess(f).LoadedDate(), EncodeDate(2024, 3, 16));
    EXPECT_TRUE(answerer->shown.empty());
    EXPECT_EQ(AlarmGrid(f).Object(1)->Status, StatusExpired);
    EXPECT_EQ(AlarmGrid(f).Object(2)->Status, StatusPending);
    // A reminder only in memory would go with a second reload.
    Append(AlarmGrid(f), OneTime("in memory", On16th(9, 0), StatusNotToday));
    RunChecks(f, On16th(1, 0, 30), On16th(2, 0, 30));
    EXPECT_EQ(ShownMessages(), std::vector<std::string>{"after the jump"});
    EXPECT_EQ(Descriptions(AlarmGrid(f)),
              (std::vector<std::string>{"tonight", "after the jump", "in memory"}));
    EXPECT_EQ(MainFormAccess(f).LoadedDate(), EncodeDate(2024, 3, 16));
}

TEST_F(ClockChanges, TheClockSetBackAnHourFiresNothingTwice) {
    clock.SetNow(On15th(9, 25, 30));
    TMainForm& f = Start();
    AppendPending(
        f,
        {{"9:30", On15th(9, 30)}, {"10:00", On15th(10, 0)}, {"snoozed at 10:00", On15th(10, 0)}});
    // Every 30 minutes from 9:00: next due at 9:30.
    Append(RepeatingAlarmGrid(f), Daily("half-hourly", EncodeTime(9, 0), 30));
    RepeatingAlarmGrid(f).Object(1)->ScheduleTodayAfresh(clock);
    for (int i = 0; i < 3; ++i)
        answerer->Then(&TAlarmShow::OkButton);
    answerer->Then(&TAlarmShow::b10min);
    RunChecks(f, On15th(9, 25, 30), On15th(10, 0, 30));
    EXPECT_EQ(ShownMessages(), (std::vector<std::string>{"9:30", "half-hourly", "10:00",
                                                         "snoozed at 10:00", "half-hourly"}));

    // Summer time ends at 10:05: the hour from 9:05 comes again, and nothing fires in it.
    RunChecks(f, On15th(9, 5, 30), On15th(10, 5, 30));
    EXPECT_EQ(answerer->shown.size(), 5u);
    // Then only what falls due anew: the snooze, and the next half hour.
    RunChecks(f, On15th(10, 10, 30), On15th(10, 30, 30));
    EXPECT_EQ(ShownMessages(),
              (std::vector<std::string>{"9:30", "half-hourly", "10:00", "snoozed at 10:00",
                                        "half-hourly", "snoozed at 10:00", "half-hourly"}));
}

TEST_F(ClockChanges, RemindersInTheSkippedHourFireAtTheFirstCheckAfterIt) {
    clock.SetNow(On15th(1, 59, 50));
    TMainForm& f = Start();
    AppendPending(f, {{"2:00", On15th(2, 0)},
                      {"2:30", On15th(2, 30)},
                      {"3:00", On15th(3, 0)},
                      {"3:30", On15th(3, 30)}});
    // Every 20 minutes from 1:00: next due at 2:00.
    Append(RepeatingAlarmGrid(f), Daily("every 20 minutes", EncodeTime(1, 0), 20));
    RepeatingAlarmGrid(f).Object(1)->ScheduleTodayAfresh(clock);
    CountFourTicks(f);

    // Summer time starts: 2:00 is followed by 3:00.
    clock.SetNow(On15th(3, 0, 1));
    MainFormAccess(f).Tick();
    EXPECT_EQ(ShownMessages(),
              (std::vector<std::string>{"2:00", "2:30", "3:00", "every 20 minutes"}));
    EXPECT_NEAR(RepeatingAlarmGrid(f).Object(1)->When, On15th(3, 20), kOneSecond);
    RunChecks(f, On15th(3, 5, 1), On15th(3, 15, 1));
    EXPECT_EQ(answerer->shown.size(), 4u);
}

} // namespace
} // namespace nudgery::testing

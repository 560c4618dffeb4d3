#include "core/clock.h"
#include "core/date_formats.h"
#include "core/reminder.h"
#include "regional_samples.h"
#include "running_clock.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace nudgery {
namespace {

const TDateTime Today = EncodeDate(2026, 12, 7); // a Monday
const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

TDateTime At(int hour, int minute, int second = 0) {
    return EncodeTime(hour, minute, second);
}

TEST(ReminderConstruction, CreateAndTheTwoMakers) {
    const auto blank = TReminder::Create();
    EXPECT_EQ(blank->Kind, KindOneTime);
    EXPECT_EQ(blank->When, 0);
    EXPECT_EQ(blank->Status, StatusPending);
    EXPECT_FALSE(blank->HasUntil);
    EXPECT_FALSE(blank->ReservedFlag);
    EXPECT_TRUE(blank->Description.empty() && blank->SoundFile.empty() && blank->DaySpec.empty());

    const auto normal = TReminder::CreateNormal(0, Today + 0.5, "Lunch", "C:\\bell.wav", 2);
    TReminder expectedNormal;
    expectedNormal.When = Today + 0.5;
    expectedNormal.Description = "Lunch";
    expectedNormal.SoundFile = "C:\\bell.wav";
    expectedNormal.EventType = EventPlayOnly;
    EXPECT_EQ(*normal, expectedNormal);

    const auto repeating =
        TReminder::CreateRepeating(1, At(8, 0), true, At(17, 0), "12345", 30, "Stretch", "", 1);
    TReminder expectedRepeating;
    expectedRepeating.Kind = KindRepeating;
    expectedRepeating.FirstTime = At(8, 0);
    expectedRepeating.HasUntil = true;
    expectedRepeating.UntilTime = At(17, 0);
    expectedRepeating.DaySpec = "12345";
    expectedRepeating.RepeatMinutes = 30;
    expectedRepeating.Description = "Stretch";
    expectedRepeating.EventType = EventShowOnly;
    EXPECT_EQ(*repeating, expectedRepeating);
}

TEST(ReminderConstruction, CloneCopiesEveryFieldIntoAnIndependentReminder) {
    auto original = TReminder::CreateNormal(0, Today + 0.25, "Call", "a.mid", 0);
    original->Status = StatusDone;
    original->ReservedFlag = true;
    const auto clone = original->Clone();
    EXPECT_EQ(*clone, *original);
    EXPECT_EQ(clone->Status, StatusDone);
    EXPECT_TRUE(clone->ReservedFlag);
    original->Description = "changed";
    EXPECT_EQ(clone->Description, "Call");
}

TEST(ReminderConstruction, DateAndTimeParts) {
    TReminder r;
    r.When = Today + 0.75;
    EXPECT_EQ(r.DatePart(), Today);
    EXPECT_EQ(r.TimePart(), 0.75);
}

struct NormalCase {
    const char* name;
    TDateTime when;
    TDateTime now;
    std::uint8_t before;
    std::uint8_t after;
};

TEST(ReminderNormalStatus, Table) {
    const NormalCase cases[] = {
        {"within grace", Today + At(9, 0), Today + At(9, 8), StatusPending, StatusPending},
        {"at ten minutes", Today + At(9, 0), Today + At(9, 10), StatusPending, StatusPending},
        {"after grace", Today + At(9, 0), Today + At(9, 15), StatusPending, StatusExpired},
        {"still ahead", Today + At(9, 0), Today + At(8, 0), StatusExpired, StatusPending},
        {"near midnight early", Today + At(0, 5), Today + At(0, 3), StatusPending, StatusPending},
        {"near midnight late", Today + At(0, 5), Today + At(0, 7), StatusPending, StatusPending},
        {"midnight clamp", Today, Today + At(0, 9, 59), StatusPending, StatusPending},
        {"yesterday", Today - 1 + At(23, 59), Today + At(0, 1), StatusPending, StatusExpired},
        {"tomorrow", Today + 1 + At(0, 1), Today + At(23, 59), StatusPending, StatusNotToday},
        {"done yesterday", Today - 1, Today + 0.5, StatusDone, StatusDone},
        {"done tomorrow", Today + 1, Today + 0.5, StatusDone, StatusDone},
        {"done today", Today + 0.6, Today + 0.5, StatusDone, StatusDone},
        {"not a number", NaN, Today + 0.5, StatusPending, StatusExpired},
    };
    for (const auto& c : cases) {
        SettableClock clock(c.now);
        TReminder r;
        r.When = c.when;
        r.Status = c.before;
        r.UpdateNormalStatus(clock);
        EXPECT_EQ(r.Status, c.after) << c.name;
    }
}

struct ScheduleCase {
    const char* name;
    const char* daySpec;
    TDateTime firstTime;
    std::int32_t repeatMinutes;
    bool hasUntil;
    TDateTime untilTime;
    TDateTime now;
    std::uint8_t status;
    TDateTime when; // today's time of day, or 0 when When stays 0
};

TEST(ReminderSchedule, Table) {
    const ScheduleCase cases[] = {
        {"once before", "1", At(8, 0), 0, false, 0, At(7, 59), StatusPending, At(8, 0)},
        {"once exactly", "1", At(8, 0), 0, false, 0, At(8, 0), StatusPending, At(8, 0)},
        {"once after", "1", At(8, 0), 0, false, 0, At(8, 1), StatusNotToday, 0},
        {"every 30 before end", "1", At(9, 0), 30, true, At(17, 0), At(16, 45), StatusPending,
         At(17, 0)},
        {"every 30 at end", "1", At(9, 0), 30, true, At(17, 0), At(17, 0), StatusNotToday, 0},
        {"every 30 before first", "1", At(9, 0), 30, true, At(17, 0), At(6, 0), StatusPending,
         At(9, 0)},
        // The program's minute is a little long, so the 09:30 slot falls just after 09:30.
        {"every 30 on a slot", "1", At(9, 0), 30, true, At(17, 0), At(9, 30), StatusPending,
         At(9, 30)},
        {"every 30 past a slot", "1", At(9, 0), 30, true, At(17, 0), At(9, 30, 1), StatusPending,
         At(10, 0)},
        {"every 40 past end", "1", At(8, 10), 40, true, At(17, 0), At(16, 55), 77, 0},
        {"hourly to midnight", "1", 0, 60, false, 0, At(23, 30), 77, 0},
        {"half-hourly late", "1", 0, 30, false, 0, At(23, 20), StatusPending, At(23, 30)},
        {"other day", "2", At(8, 0), 0, false, 0, At(7, 0), StatusNotToday, 0},
        {"empty code", "", At(8, 0), 30, false, 0, At(7, 0), StatusNotToday, 0},
        {"unreadable code", "#abc", At(8, 0), 30, false, 0, At(7, 0), StatusNotToday, 0},
    };
    for (const auto& c : cases) {
        SettableClock clock(Today + c.now);
        auto r = TReminder::CreateRepeating(1, c.firstTime, c.hasUntil, c.untilTime, c.daySpec,
                                            c.repeatMinutes, "", "", 0);
        r->Status = c.status == 77 ? StatusDone : StatusPending;
        r->ScheduleToday(clock);
        if (c.status == 77) { // the rule leaves both fields alone
            EXPECT_EQ(r->Status, StatusDone) << c.name;
            EXPECT_EQ(r->When, 0) << c.name;
            continue;
        }
        EXPECT_EQ(r->Status, c.status) << c.name;
        if (c.when == 0)
            EXPECT_EQ(r->When, 0) << c.name;
        else // the program's minute is a little long, so slots drift by milliseconds
            EXPECT_NEAR(r->When, Today + c.when, 1e-6) << c.name;
    }
}

TEST(ReminderSchedule, DayThatDoesNotMatchKeepsWhen) {
    SettableClock clock(Today + At(7, 0));
    auto r = TReminder::CreateRepeating(1, At(8, 0), false, 0, "06", 0, "", "", 0);
    r->When = Today - 3 + At(8, 0);
    r->ScheduleToday(clock);
    EXPECT_EQ(r->Status, StatusNotToday);
    EXPECT_EQ(r->When, Today - 3 + At(8, 0));
}

TEST(ReminderSchedule, TheRuleReadsTheClockTwiceWhateverTheSteps) {
    // Readings at 09:05 (today) and 09:25 (the time of day): the next slot after 09:25 is
    // 09:30, however many slots lie before it.
    RunningClock clock(Today + At(9, 5), At(0, 20));
    auto r = TReminder::CreateRepeating(1, At(9, 0), true, At(17, 0), "1", 30, "", "", 0);
    r->ScheduleToday(clock);
    EXPECT_EQ(r->Status, StatusPending);
    EXPECT_NEAR(r->When, Today + At(9, 30), 1e-6);
    EXPECT_EQ(clock.readings, 2);
    RunningClock late(Today + At(23, 58), 0);
    auto everyMinute = TReminder::CreateRepeating(1, 0, false, 0, "1", 1, "", "", 0);
    everyMinute->ScheduleToday(late);
    EXPECT_EQ(late.readings, 2);
}

TEST(ReminderSchedule, DamagedIntervalsEnd) {
    const struct {
        std::int32_t minutes;
        TDateTime now;
        std::uint8_t status;
        TDateTime when;
    } cases[] = {
        {1, At(23, 58, 30), StatusPending, At(23, 59)},
        {1, At(23, 59, 59), StatusDone, 0}, // past 23:59 plus a minute: left alone
        {1, At(12, 0, 30), StatusPending, At(12, 1)},
        {INT32_MAX, At(12, 0), StatusDone, 0},
        {INT32_MAX, At(7, 0), StatusPending, At(8, 0)},
        {-5, At(7, 0), StatusPending, At(8, 0)}, // as once a day
        {-5, At(9, 0), StatusNotToday, 0},
        {INT32_MIN, At(7, 0), StatusPending, At(8, 0)},
        {INT32_MIN, At(9, 0), StatusNotToday, 0},
    };
    for (const auto& c : cases) {
        SettableClock clock(Today + c.now);
        auto r = TReminder::CreateRepeating(1, At(8, 0), false, 0, "1", c.minutes, "", "", 0);
        r->Status = StatusDone;
        r->ScheduleToday(clock);
        EXPECT_EQ(r->Status, c.status) << c.minutes;
        if (c.when == 0)
            EXPECT_EQ(r->When, 0) << c.minutes;
        else // one-minute slots drift by up to 0.8 ms a minute
            EXPECT_NEAR(r->When, Today + c.when, 1e-5) << c.minutes;
    }
}

TEST(ReminderSchedule, DamagedTimesGiveNotToday) {
    for (const std::int32_t minutes : {0, 1, 30}) {
        for (const TDateTime first : {NaN, Inf, -Inf, -0.5, 1.0, 1.5, -1e300, 1e300}) {
            SettableClock clock(Today + At(12, 0));
            auto r = TReminder::CreateRepeating(1, first, false, 0, "1", minutes, "", "", 0);
            r->ScheduleToday(clock);
            EXPECT_EQ(r->Status, StatusNotToday) << minutes << " " << first;
            EXPECT_EQ(r->When, 0) << minutes << " " << first;
        }
        for (const TDateTime until : {NaN, Inf, -Inf, -0.5}) {
            SettableClock clock(Today + At(12, 0));
            auto r = TReminder::CreateRepeating(1, At(8, 0), true, until, "1", minutes, "", "", 0);
            if (minutes == 0)
                continue; // once a day ignores the end time
            r->ScheduleToday(clock);
            EXPECT_EQ(r->Status, StatusNotToday) << minutes << " " << until;
        }
    }
    // An end time beyond the day lets the interval run past midnight; it cannot fire today.
    SettableClock clock(Today + At(12, 10));
    auto r = TReminder::CreateRepeating(1, At(8, 0), true, 1.5, "1", 30, "", "", 0);
    r->ScheduleToday(clock);
    EXPECT_EQ(r->Status, StatusPending);
    EXPECT_NEAR(r->When, Today + At(12, 30), 1e-6);
    // The end time counts only when it is in use.
    auto unused = TReminder::CreateRepeating(1, At(8, 0), false, NaN, "1", 30, "", "", 0);
    unused->ScheduleToday(clock);
    EXPECT_EQ(unused->Status, StatusPending);
}

TEST(ReminderTexts, WhenTexts) {
    DateFormats formats;
    formats.SaveUserDateFormats(test::TwelveHourSettings());
    const SettableClock clock(Today + 0.3);
    const struct {
        TDateTime when;
        const char* compact;
        const char* text;
    } cases[] = {
        {Today + At(9, 5), "2026120709:05", "Today at 9:05am"},
        {Today + At(12, 0), "2026120712:00", "Today at 12:00pm"},
        {EncodeDate(2026, 12, 24) + At(18, 30), "2026122418:30", "Dec 24, 2026 6:30pm"},
        {Today - 1, "2026120600:00", "Dec 06, 2026 12:00am"},
        {0, "1899123000:00", ""},
        {At(15, 0), "1899123015:00", ""},
        {NaN, "1899123000:00", ""},
    };
    for (const auto& c : cases) {
        TReminder r;
        r.When = c.when;
        EXPECT_EQ(r.CompactWhenText(formats), c.compact) << c.compact;
        EXPECT_EQ(r.WhenText(formats, clock), c.text) << c.compact;
    }
    TReminder r;
    r.When = EncodeDate(2026, 3, 2) + At(7, 0);
    formats.SaveUserDateFormats(test::TwentyFourHourSettings());
    EXPECT_EQ(r.WhenText(formats, clock), "Mär 02, 2026 7:00am");
}

TEST(ReminderTexts, IntervalText) {
    const struct {
        std::int32_t minutes;
        const char* text;
    } cases[] = {
        {45, "45 min"},
        {60, "Hour"},
        {120, "2 hrs"},
        {90, "1 hrs 30 mins"},
        {0, "0 min"},
        {-5, "-5 min"},
        {59, "59 min"},
        {61, "1 hrs 1 mins"},
        {1440, "24 hrs"},
        {INT32_MAX, "35791394 hrs 7 mins"},
        {INT32_MIN, "-2147483648 min"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IntervalText(c.minutes), c.text) << c.minutes;
}

TEST(ReminderTexts, RepeatFirstTimeDaySpecAndStatus) {
    const DateFormats formats;
    auto r = TReminder::CreateRepeating(1, At(13, 5), true, At(17, 0), "135", 30, "", "", 0);
    EXPECT_EQ(r->FirstTimeText(formats), "1:05pm");
    EXPECT_EQ(r->RepeatText(formats), "30 min until 5:00pm");
    EXPECT_EQ(r->DaySpecText(), "On Days: MWF");
    r->HasUntil = false;
    r->RepeatMinutes = 90;
    EXPECT_EQ(r->RepeatText(formats), "1 hrs 30 mins");
    r->RepeatMinutes = 0;
    r->HasUntil = true;
    EXPECT_EQ(r->RepeatText(formats), "");
    r->FirstTime = 0;
    EXPECT_EQ(r->FirstTimeText(formats), "12:00am");
    r->DaySpec = "@x y";
    EXPECT_EQ(r->DaySpecText(), "");

    const struct {
        std::uint8_t status;
        const char* text;
    } statuses[] = {{0, "Pending"},   {1, "Done"},      {2, "Expired"},
                    {3, "Not Today"}, {4, "unchanged"}, {255, "unchanged"}};
    for (const auto& s : statuses) {
        r->Status = s.status;
        std::string text = "unchanged";
        r->StatusText(text);
        EXPECT_EQ(text, s.text) << int{s.status};
    }
}

} // namespace
} // namespace nudgery

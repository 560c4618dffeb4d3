#include "core/clock.h"
#include "core/datetime.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace nudgery {
namespace {

// The calendar counted day by day, written without the library's formulas.
struct DayCounter {
    int year = 1900, month = 1, day = 1;
    int dayOfYear = 1;
    double serial = 2; // 30 December 1899 is day 0
    int weekday = 1;   // 1 January 1900 was a Monday

    static bool Leap(int y) { return y % 400 == 0 || (y % 4 == 0 && y % 100 != 0); }
    int MonthLength() const {
        static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        return month == 2 && Leap(year) ? 29 : lengths[month - 1];
    }
    void Next() {
        ++serial;
        weekday = (weekday + 1) % 7;
        ++dayOfYear;
        if (++day > MonthLength()) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
                dayOfYear = 1;
            }
        }
    }
};

TEST(DateTime, EveryDayFrom1900To2100MatchesAnIndependentCounter) {
    for (DayCounter c; c.year <= 2100; c.Next()) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        ASSERT_EQ(EncodeDate(c.year, c.month, c.day), c.serial);
        const CalendarDate decoded = DecodeDate(c.serial + 0.75);
        ASSERT_EQ(decoded.year, c.year);
        ASSERT_EQ(decoded.month, c.month);
        ASSERT_EQ(decoded.day, c.day);
        ASSERT_EQ(WeekdayOf(c.serial), c.weekday);
        ASSERT_EQ(DayOfYear(c.serial), c.dayOfYear);
        ASSERT_EQ(LastDayOfMonth(c.serial), c.serial - c.day + c.MonthLength());
    }
}

TEST(DateTime, LeapYearsFollowTheGregorianRule) {
    const struct {
        int year;
        bool leap;
    } cases[] = {{1900, false}, {2000, true}, {2024, true}, {2023, false},
                 {2100, false}, {1600, true}, {4, true},    {1, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
        EXPECT_EQ(DaysInMonth(c.year, 2), c.leap ? 29 : 28) << c.year;
    }
    EXPECT_EQ(DaysInMonth(2026, 0), 0);
    EXPECT_EQ(DaysInMonth(2026, 13), 0);
}

TEST(DateTime, KnownWeekdays) {
    EXPECT_EQ(WeekdayOf(0), 6);                       // 30 Dec 1899, Saturday
    EXPECT_EQ(WeekdayOf(EncodeDate(2000, 1, 1)), 6);  // Saturday
    EXPECT_EQ(WeekdayOf(EncodeDate(2026, 12, 7)), 1); // Monday
    EXPECT_EQ(WeekdayOf(EncodeDate(1969, 7, 20)), 0); // Sunday
    EXPECT_EQ(WeekdayOf(EncodeDate(1899, 12, 29)), 5);
}

TEST(DateTime, TimeFieldsRoundToTheMillisecond) {
    const ClockTime t = DecodeTime(EncodeTime(18, 30, 15, 250));
    EXPECT_EQ(t.hour, 18);
    EXPECT_EQ(t.minute, 30);
    EXPECT_EQ(t.second, 15);
    EXPECT_EQ(t.millisecond, 250);
    // Just short of midnight reads as the next day's midnight.
    const double almost = EncodeDate(2026, 12, 7) + 0.9999999999;
    EXPECT_EQ(DecodeTime(almost).hour, 0);
    EXPECT_EQ(DecodeDate(almost).day, 8);
    EXPECT_EQ(DatePartOf(-1.25), -1);
    EXPECT_EQ(TimePartOf(-1.25), -0.25);
}

TEST(DateTime, ADateAndATimeCombineIntoTheDayAndTimeTheyName) {
    for (const CalendarDate date :
         {CalendarDate{1, 1, 2}, CalendarDate{1850, 6, 1}, CalendarDate{1899, 12, 29},
          CalendarDate{1899, 12, 30}, CalendarDate{2024, 7, 1}, CalendarDate{9999, 12, 31}}) {
        const TDateTime combined =
            CombineDateAndTime(EncodeDate(date), EncodeTime(14, 37, 50, 125));
        const CalendarDate day = DecodeDate(combined);
        const ClockTime time = DecodeTime(combined);
        EXPECT_EQ(std::tuple(day.year, day.month, day.day),
                  std::tuple(date.year, date.month, date.day));
        EXPECT_EQ(std::tuple(time.hour, time.minute, time.second, time.millisecond),
                  std::tuple(14, 37, 50, 125));
        EXPECT_EQ(DatePartOf(combined), EncodeDate(date)) << date.year;
    }
}

TEST(DateTime, ClockReadsTheTimeOfDayAsItsClockFields) {
    for (const int minute : {1, 8 * 60, 12 * 60 + 34, 23 * 60 + 59}) {
        const TDateTime time = EncodeTime(minute / 60, minute % 60);
        const SettableClock clock(EncodeDate(2026, 12, 7) + time);
        EXPECT_EQ(clock.TimeOfDay(), time) << minute;
        EXPECT_EQ(clock.Today(), EncodeDate(2026, 12, 7)) << minute;
    }
}

TEST(DateTime, MillisecondsSince1970AndBack) {
    const struct {
        TDateTime value;
        std::int64_t milliseconds;
    } cases[] = {
        {EncodeDate(1970, 1, 1), 0},
        {EncodeDate(1970, 1, 1) - EncodeTime(0, 0, 0, 1), -1},
        {EncodeDate(1969, 12, 31), -86400000},
        {EncodeDate(2024, 3, 31) + EncodeTime(1, 0), 1711846800000},
        {EncodeDate(2038, 1, 19) + EncodeTime(3, 14, 8), 2147483648000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MillisecondsSince1970(c.value), c.milliseconds) << c.value;
        EXPECT_EQ(FromMillisecondsSince1970(c.milliseconds), c.value) << c.milliseconds;
    }
    // Every millisecond of a minute, and the minutes of a day, come back as they were made.
    const TDateTime day = EncodeDate(2027, 3, 14);
    for (int ms = 0; ms < 60000; ms += 7) {
        const TDateTime value = day + EncodeTime(23, 59, ms / 1000, ms % 1000);
        ASSERT_EQ(FromMillisecondsSince1970(MillisecondsSince1970(value)), value) << ms;
    }
    for (int minute = 0; minute < 1440; ++minute) {
        const TDateTime value = day + EncodeTime(minute / 60, minute % 60);
        ASSERT_EQ(FromMillisecondsSince1970(MillisecondsSince1970(value)), value) << minute;
    }
}

TEST(DateTime, AddMinutesUsesTheProgramsMinute) {
    EXPECT_EQ(AddMinutes(-10, 0.003), 0);
    const double day = AddMinutes(1440, 0);
    const double expected = static_cast<double>(1440.0L * 0.000694445L);
    EXPECT_NEAR(day, expected, 4 * std::numeric_limits<double>::epsilon());
    EXPECT_NEAR(day, 1.0000008, 1e-12);
    EXPECT_NE(day, 1.0);
    EXPECT_NEAR(AddMinutes(30, 0.5), 0.5 + 30 * 0.000694445, 1e-15);
    EXPECT_EQ(AddMinutes(-1440, 0.5), 0);
    EXPECT_EQ(AddMinutes(0, -0.0), 0);
}

TEST(DateTime, AddMinutesGivesZeroForFailingArithmetic) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double max = std::numeric_limits<double>::max();
    EXPECT_EQ(AddMinutes(10, nan), 0);
    EXPECT_EQ(AddMinutes(10, inf), 0);
    EXPECT_EQ(AddMinutes(10, -inf), 0);
    EXPECT_EQ(AddMinutes(10, -max), 0);
    EXPECT_EQ(AddMinutes(INT32_MIN, 1e6), 0);
    EXPECT_EQ(AddMinutes(INT32_MAX, max), max); // lost in rounding, never a trap
    EXPECT_NEAR(AddMinutes(INT32_MAX, 0), 2147483647.0L * 0.000694445L, 1e-6);
}

} // namespace
} // namespace nudgery

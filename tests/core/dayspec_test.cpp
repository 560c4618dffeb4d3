#include "core/clock.h"
#include "core/dayspec.h"
#include "walked_calendar.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nudgery {
namespace {

using test::WalkCalendar;
using test::WalkedDay;

TDateTime D(int y, int m, int d) {
    return EncodeDate(y, m, d);
}

TEST(DaySpecEncoding, FieldsArePaddedAndCut) {
    EXPECT_EQ(EncodeDayOfYear(45), "#45 ");
    EXPECT_EQ(EncodeDayOfYear(366), "#366");
    EXPECT_EQ(EncodeDayOfYear(1234), "#123");
    EXPECT_EQ(EncodeDayOfYear(-5), "#-5 ");
    EXPECT_EQ(EncodeDayOfMonth(5, 0), "@ 5 0");
    EXPECT_EQ(EncodeDayOfMonth(15, 3), "@15 3");
    EXPECT_EQ(EncodeDayOfMonth(1, 12), "@ 112");
    EXPECT_EQ(EncodeDayOfMonth(123, 4), "@12 4");
    EXPECT_EQ(EncodeNthWeekday(5, 5, 0), "$5 5 0 ");
    EXPECT_EQ(EncodeNthWeekday(1, 1, 11), "$1 1 11");
    EXPECT_EQ(EncodeNthWeekday(0, 7, 0), "$0 7 0 ");
    EXPECT_EQ(EncodeNthWeekday(-1, 100, INT32_MIN), "$-110-2");
}

TEST(DaySpecEncoding, EncodedCodesDecodeToTheSameNumbers) {
    for (std::int32_t day = 1; day <= 366; ++day) {
        std::int32_t decoded = 0;
        ASSERT_TRUE(DecodeDayOfYear(EncodeDayOfYear(day), decoded));
        ASSERT_EQ(decoded, day);
    }
    for (std::int32_t day = 1; day <= 31; ++day)
        for (std::int32_t month = 0; month <= 12; ++month) {
            std::int32_t d = 0, m = 0;
            ASSERT_TRUE(DecodeDayOfMonth(EncodeDayOfMonth(day, month), d, m));
            ASSERT_EQ(d, day);
            ASSERT_EQ(m, month);
        }
    for (std::int32_t o = 0; o <= 5; ++o)
        for (std::int32_t w = 0; w <= 7; ++w)
            for (std::int32_t m = 0; m <= 12; ++m) {
                std::int32_t a = -1, b = -1, c = -1;
                ASSERT_TRUE(DecodeNthWeekday(EncodeNthWeekday(o, w, m), a, b, c));
                ASSERT_EQ(a, o);
                ASSERT_EQ(b, w);
                ASSERT_EQ(c, m);
            }
}

TEST(DaySpecDecoding, FieldsReadAsSignedDecimalIntegers) {
    const struct {
        const char* code;
        bool ok;
        std::int32_t day;
    } cases[] = {
        {"#45 ", true, 45}, {"# 45", true, 45},  {"#+45", true, 45}, {"#-45", true, -45},
        {"#045", true, 45}, {"#45", true, 45},   {"#4", true, 4},    {"#4567", true, 456},
        {"#", false, 0},    {"", false, 0},      {"#   ", false, 0}, {"#abc", false, 0},
        {"#4 5", false, 0}, {"#\t45", false, 0}, {"#+", false, 0},   {"#-", false, 0},
        {"#+-4", false, 0}, {"#++4", false, 0},  {"#0x1", false, 0}, {"#1e2", false, 0},
        {"#4.5", false, 0}, {"# -0", true, 0},
    };
    for (const auto& c : cases) {
        std::int32_t day = 999;
        EXPECT_EQ(DecodeDayOfYear(c.code, day), c.ok) << '"' << c.code << '"';
        EXPECT_EQ(day, c.ok ? c.day : 999) << '"' << c.code << '"';
    }
}

TEST(DaySpecDecoding, FieldsBeforeTheFailingOneKeepTheirValues) {
    std::int32_t day = -1, month = -1;
    EXPECT_FALSE(DecodeDayOfMonth("@15x3", day, month));
    EXPECT_EQ(day, 15);
    EXPECT_EQ(month, -1);
    EXPECT_FALSE(DecodeDayOfMonth("@x y", day, month));
    EXPECT_EQ(day, 15);

    std::int32_t o = -1, w = -1, m = -1;
    EXPECT_FALSE(DecodeNthWeekday("$2 3 ", o, w, m)); // month field missing
    EXPECT_EQ(o, 2);
    EXPECT_EQ(w, 3);
    EXPECT_EQ(m, -1);
    EXPECT_FALSE(DecodeNthWeekday("$1 ?? 4", o, w, m));
    EXPECT_EQ(o, 1);
    EXPECT_EQ(w, 3);
}

TEST(DaySpecTrim, OnlySpacesAreTrimmed) {
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("    "), "");
    EXPECT_EQ(TrimBlanks(""), "");
    EXPECT_EQ(TrimBlanks("\ta\t "), "\ta\t");
}

TEST(DaySpecMatching, EdgeCases) {
    const struct {
        const char* code;
        TDateTime date;
        bool matches;
    } cases[] = {
        {"#45 ", D(2026, 2, 14), true},
        {"#45 ", D(2026, 2, 15), false},
        {"#60 ", D(2026, 3, 1), true},
        {"#60 ", D(2024, 2, 29), true},
        {"#60 ", D(2024, 3, 1), false},
        {"#366", D(2024, 12, 31), true},
        {"#366", D(2026, 12, 31), false},
        {"#366", D(2027, 1, 1), false},
        {"@31 0", D(2026, 1, 31), true},
        {"@31 0", D(2026, 4, 30), false},
        {"@31 0", D(2026, 5, 1), false},
        {"@29 2", D(2024, 2, 29), true},
        {"@29 2", D(2026, 3, 1), false},
        {"@29 2", D(2025, 3, 29), false},
        {"@15 3", D(2026, 3, 15), true},
        {"@ 5 0", D(2026, 7, 5), true},
        {"@ 112", D(2026, 12, 1), true},
        {"$0 1 0 ", D(2026, 12, 7), true}, // Monday the 7th
        {"$0 1 0 ", D(2026, 12, 14), false},
        {"$4 1 0 ", D(2026, 11, 30), true}, // November 2026 has five Mondays
        {"$5 1 0 ", D(2026, 11, 30), true},
        {"$5 1 0 ", D(2026, 11, 23), false},
        {"$4 1 0 ", D(2026, 12, 28), false}, // December 2026 has four
        {"$5 1 0 ", D(2026, 12, 28), true},
        {"$5 5 0 ", D(2026, 12, 25), true},
        {"$5 5 0 ", D(2026, 12, 18), false},
        {"$1 1 11", D(2026, 11, 9), true},
        {"$1 1 11", D(2026, 12, 14), false},
        {"$0 7 0 ", D(2026, 8, 1), true},
        {"$0 7 0 ", D(2026, 8, 2), false},
        {"$5 7 2 ", D(2026, 2, 28), true},
        {"$5 7 2 ", D(2024, 2, 28), false},
        {"$5 7 2 ", D(2024, 2, 29), true},
        {"60", D(2026, 12, 5), true}, // Saturday
        {"60", D(2026, 12, 6), true}, // Sunday
        {"60", D(2026, 12, 7), false},
        {"x1y", D(2026, 12, 7), true},
        {"12345", D(2026, 12, 6), false},
        {"", D(2026, 12, 6), false},
        {"#abc", D(2026, 1, 1), false},
        {"@x y", D(2026, 1, 1), false},
        {"$", D(2026, 1, 1), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DaySpecMatchesDate(c.code, c.date), c.matches) << '"' << c.code << '"';
        EXPECT_EQ(DaySpecMatchesDate(c.code, c.date + 0.75), c.matches) << c.code;
    }
}

TEST(DaySpecMatching, TodayComesFromTheClock) {
    SettableClock clock(D(2026, 12, 25) + 0.99);
    EXPECT_TRUE(DaySpecMatchesToday("$5 5 0 ", clock));
    EXPECT_TRUE(DaySpecMatchesToday("5", clock));
    clock.SetNow(D(2026, 12, 26) + 0.01);
    EXPECT_FALSE(DaySpecMatchesToday("$5 5 0 ", clock));
    EXPECT_TRUE(DaySpecMatchesToday("6", clock));
}

TEST(DaySpecDescription, Texts) {
    const struct {
        const char* code;
        const char* text;
    } cases[] = {
        {"#45 ", "45th day of year"},
        {"#1  ", "1st day of year"},
        {"#0  ", "0th day of year"},
        {"$5 5 0 ", "Last Fri/Month"},
        {"$1 1 11", "2nd Mon/Nov"},
        {"$0 7 0 ", "1st Day/Month"},
        {"$2 0 12", "3rd Sun/Dec"},
        {"@15 3", "15th of Mar"},
        {"@ 5 0", "5th of Month"},
        {"@22 0", "22nd of Month"},
        {"0123456", "All Days"},
        {"12345", "Weekdays"},
        {"06", "Weekends"},
        {"60", "On Days: SS"},
        {"135", "On Days: MWF"},
        {"6543210", "On Days: SMTWTFS"},
        {"024", "On Days: STT"},
        {"x", "On Days: "},
        {"", ""},
        {"#abc", ""},
        {"@x y", ""},
        {"$1 1 ", ""},
        // Indexes outside the name tables, possible only in a damaged file.
        {"$6 1 0 ", ""},
        {"$-11 0 ", ""},
        {"$1 8 0 ", ""},
        {"$1 1 13", ""},
        {"$1 1 -1", ""},
        {"@ 113", ""},
        {"@ 1-1", ""},
        {"$991 99", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DescribeDaySpec(c.code), c.text) << '"' << c.code << '"';
}

TEST(DaySpecDescription, OrdinalSuffixes) {
    const struct {
        std::int32_t n;
        const char* text;
    } cases[] = {
        {1, "1st"},
        {2, "2nd"},
        {3, "3rd"},
        {4, "4th"},
        {10, "10th"},
        {11, "11th"},
        {12, "12th"},
        {13, "13th"},
        {19, "19th"},
        {20, "20th"},
        {21, "21st"},
        {22, "22nd"},
        {23, "23rd"},
        {101, "101st"},
        {111, "111st"},
        {112, "112nd"},
        {0, "0th"},
        {-1, "-1st"},
        {-12, "-12nd"},
        {INT32_MIN, "-2147483648th"},
        {INT32_MAX, "2147483647th"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OrdinalText(c.n), c.text) << c.n;
}

TEST(DaySpecOracle, NthWeekdayAgainstCountingEveryMonth) {
    const std::vector<WalkedDay> days = WalkCalendar();
    for (std::size_t i = 0; i < days.size(); ++i) {
        const WalkedDay& d = days[i];
        // Count the same weekday earlier in the month, and look for one later in it.
        int earlier = 0;
        for (std::size_t k = i - (d.day - 1); k < i; ++k)
            earlier += days[k].weekday == d.weekday;
        bool laterExists = false;
        for (std::size_t k = i + 1; k < days.size() && days[k].month == d.month; ++k)
            laterExists |= days[k].weekday == d.weekday;
        for (std::int32_t month = 0; month <= 12; ++month)
            for (std::int32_t weekday = 0; weekday <= 7; ++weekday)
                for (std::int32_t occurrence = 0; occurrence <= 5; ++occurrence) {
                    bool expected = false;
                    if (month == 0 || month == d.month) {
                        if (weekday == 7)
                            expected =
                                occurrence == 5 ? d.day == d.monthLength : d.day == occurrence + 1;
                        else if (weekday == d.weekday)
                            expected = occurrence == earlier || (occurrence == 5 && !laterExists);
                    }
                    if (MatchesNthWeekday(occurrence, weekday, month, d.date) != expected)
                        FAIL() << "day " << d.date << " occurrence " << occurrence << " weekday "
                               << weekday << " month " << month;
                }
    }
}

TEST(DaySpecOracle, DayOfYearAndDayOfMonthAgainstTheCalendarFields) {
    for (const WalkedDay& d : WalkCalendar()) {
        for (std::int32_t n : {d.dayOfYear - 1, d.dayOfYear, d.dayOfYear + 1, 366})
            ASSERT_EQ(MatchesDayOfYear(n, d.date), n == d.dayOfYear) << d.date << " " << n;
        for (std::int32_t day : {d.day - 1, d.day, d.day + 1, 31})
            for (std::int32_t month = -1; month <= 13; ++month)
                ASSERT_EQ(MatchesDayOfMonth(day, month, d.date),
                          day == d.day && (month == 0 || month == d.month))
                    << d.date << " " << day << " " << month;
        const std::string weekdayDigit(1, static_cast<char>('0' + d.weekday));
        ASSERT_TRUE(DaySpecMatchesDate(weekdayDigit, d.date));
        std::string otherDays = "0123456";
        otherDays.erase(static_cast<std::size_t>(d.weekday), 1);
        ASSERT_FALSE(DaySpecMatchesDate(otherDays, d.date));
    }
}

} // namespace
} // namespace nudgery

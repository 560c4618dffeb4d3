// The month calendar's date rules: where the days of a month sit in the grid, and the steps
// and writes that move the date.
#include "core/datetime.h"
#include "core/month_calendar.h"

#include <gtest/gtest.h>
#include <optional>

namespace nudgery {
namespace {

// Every month from 1899 to 2101 under every first weekday, checked against the weekday of
// each day: its column is its weekday's place in the week, and a week row ends after the
// last column.
TEST(MonthLayout, EveryDaySitsUnderItsWeekdayAndTheWeeksFollowRowByRow) {
    for (int year = 1899; year <= 2101; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int startOfWeek = 0; startOfWeek < 7; ++startOfWeek) {
                SCOPED_TRACE(::testing::Message()
                             << year << "-" << month << " start " << startOfWeek);
                const TDateTime first = EncodeDate(year, month, 1);
                const MonthLayout layout(first + 9, startOfWeek);
                ASSERT_EQ(layout.MonthLength(), DaysInMonth(year, month));
                int row = 1;
                int shown = 0;
                for (int day = 1; day <= layout.MonthLength(); ++day) {
                    const int col = (WeekdayOf(first + day - 1) - startOfWeek + 7) % 7;
                    if (day > 1 && col == 0)
                        ++row;
                    ASSERT_EQ(layout.CellOf(day), (GridCell{col, row}));
                    ASSERT_EQ(layout.DayAt({col, row}), day);
                    ASSERT_EQ(HeaderWeekday(col, startOfWeek), WeekdayOf(first + day - 1));
                }
                ASSERT_LE(row, 6);
                for (int r = 0; r < CalendarRows; ++r)
                    for (int c = 0; c < CalendarColumns; ++c)
                        shown += layout.DayAt({c, r}) > 0;
                ASSERT_EQ(shown, layout.MonthLength()) << "cells outside the month are empty";
            }
        }
    }
}

TEST(MonthLayout, TheFirstDayInTheFirstOrLastColumnGivesTheOffsetsOfTheRebuild) {
    const struct {
        int year, month, startOfWeek;
        GridCell firstCell;
        int offset;
    } cases[] = {
        {2024, 9, 0, {0, 1}, 1},  // 1 September 2024 was a Sunday
        {2024, 6, 0, {6, 1}, -5}, // 1 June 2024 was a Saturday
        {2024, 4, 1, {0, 1}, 1},  // 1 April 2024 was a Monday
        {2024, 9, 1, {6, 1}, -5}, // a Sunday is the last day of a week starting Monday
    };
    for (const auto& c : cases) {
        const MonthLayout layout(EncodeDate(c.year, c.month, 15), c.startOfWeek);
        EXPECT_EQ(layout.CellOf(1), c.firstCell) << c.year << "-" << c.month;
        EXPECT_EQ(layout.FirstDayOffset(), c.offset) << c.year << "-" << c.month;
    }
    EXPECT_EQ(HeaderWeekday(0, 1), 1) << "a week starting Monday shows Monday first";
    EXPECT_EQ(HeaderWeekday(6, 1), 0);
}

std::optional<TDateTime> Date(int year, int month, int day) {
    return EncodeDate(year, month, day);
}

TEST(MonthCalendarSteps, MonthsKeepTheDayOrTakeTheTargetMonthsLastDay) {
    const struct {
        TDateTime from;
        int months;
        std::optional<TDateTime> to;
    } cases[] = {
        {EncodeDate(2023, 1, 31), 1, Date(2023, 2, 28)},
        {EncodeDate(2024, 1, 31), 1, Date(2024, 2, 29)},
        {EncodeDate(2023, 3, 31), -1, Date(2023, 2, 28)},
        {EncodeDate(2024, 3, 31), -1, Date(2024, 2, 29)},
        {EncodeDate(2024, 12, 15), 1, Date(2025, 1, 15)},
        {EncodeDate(2025, 1, 15), -1, Date(2024, 12, 15)},
        {EncodeDate(2024, 5, 31), 1, Date(2024, 6, 30)},
        {EncodeDate(2024, 2, 29), 1, Date(2024, 3, 29)},
        {EncodeDate(9999, 12, 1), 1, std::nullopt},
        {EncodeDate(1, 1, 31), -1, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepMonth(c.from, c.months), c.to) << c.from << " by " << c.months;
}

TEST(MonthCalendarSteps, YearsTurnTheLeapDayInto28February) {
    EXPECT_EQ(StepYear(EncodeDate(2024, 2, 29), 1), Date(2025, 2, 28));
    EXPECT_EQ(StepYear(EncodeDate(2024, 2, 29), -1), Date(2023, 2, 28));
    EXPECT_EQ(StepYear(EncodeDate(2024, 2, 29), 4), Date(2028, 2, 28));
    EXPECT_EQ(StepYear(EncodeDate(2023, 2, 28), 1), Date(2024, 2, 28));
    EXPECT_EQ(StepYear(EncodeDate(2024, 12, 31), 1), Date(2025, 12, 31));
    EXPECT_EQ(StepYear(EncodeDate(9999, 6, 1), 1), std::nullopt);
    EXPECT_EQ(StepYear(EncodeDate(1, 6, 1), -1), std::nullopt);
}

TEST(MonthCalendarWrites, IgnoredValuesGiveNothingAndOthersReplaceTheirPart) {
    const TDateTime date = EncodeDate(2024, 3, 31);
    const struct {
        const char* write;
        std::optional<TDateTime> (*replace)(TDateTime, int);
        int value;
        std::optional<TDateTime> result;
    } cases[] = {
        {"year 0", WithYear, 0, std::nullopt},
        {"year -5", WithYear, -5, std::nullopt},
        {"same year", WithYear, 2024, std::nullopt},
        {"year 10000", WithYear, 10000, std::nullopt},
        {"year 2030", WithYear, 2030, Date(2030, 3, 31)},
        {"month 0", WithMonth, 0, std::nullopt},
        {"month 13", WithMonth, 13, std::nullopt},
        {"same month", WithMonth, 3, std::nullopt},
        {"month 12", WithMonth, 12, Date(2024, 12, 31)},
        {"month 4 has no 31st", WithMonth, 4, Date(2024, 4, 30)},
        {"day 0", WithDay, 0, std::nullopt},
        {"day 32", WithDay, 32, std::nullopt},
        {"same day", WithDay, 31, std::nullopt},
        {"day 1", WithDay, 1, Date(2024, 3, 1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.replace(date, c.value), c.result) << c.write;
    EXPECT_EQ(WithDay(EncodeDate(2023, 2, 1), 29), std::nullopt) << "beyond February's length";
    EXPECT_EQ(WithYear(EncodeDate(2024, 2, 29), 2023), Date(2023, 2, 28));
}

} // namespace
} // namespace nudgery

#include "month_calendar.h"

#include <algorithm>

namespace nudgery {

namespace {

constexpr int FirstYear = 1;
constexpr int LastYear = 9999;

// The date of the given year and month with the day cut to that month's length.
std::optional<TDateTime> ClampedDate(int year, int month, int day) {
    if (year < FirstYear || year > LastYear)
        return std::nullopt;
    return EncodeDate(year, month, std::min(day, DaysInMonth(year, month)));
}

} // namespace

MonthLayout::MonthLayout(TDateTime date, int startOfWeek) {
    const CalendarDate d = DecodeDate(date);
    const int firstColumn = (WeekdayOf(EncodeDate(d.year, d.month, 1)) - startOfWeek + 14) % 7;
    firstDayOffset_ = 1 - firstColumn;
    monthLength_ = DaysInMonth(d.year, d.month);
}

int MonthLayout::DayAt(GridCell cell) const {
    if (cell.row < 1 || cell.row >= CalendarRows || cell.col < 0 || cell.col >= CalendarColumns)
        return 0;
    const int day = firstDayOffset_ + cell.col + (cell.row - 1) * CalendarColumns;
    return day >= 1 && day <= monthLength_ ? day : 0;
}

GridCell MonthLayout::CellOf(int day) const {
    const int position = day - firstDayOffset_;
    return {position % CalendarColumns, position / CalendarColumns + 1};
}

int HeaderWeekday(int col, int startOfWeek) {
    return (col + startOfWeek) % 7;
}

std::optional<TDateTime> StepMonth(TDateTime date, int months) {
    const CalendarDate d = DecodeDate(date);
    // Months counted from January of year 0; anything before year 1 is refused below.
    const int target = d.year * 12 + (d.month - 1) + months;
    if (target < 0)
        return std::nullopt;
    return ClampedDate(target / 12, target % 12 + 1, d.day);
}

std::optional<TDateTime> StepYear(TDateTime date, int years) {
    const CalendarDate d = DecodeDate(date);
    const bool leapDay = d.month == 2 && d.day == 29;
    return ClampedDate(d.year + years, d.month, leapDay ? 28 : d.day);
}

std::optional<TDateTime> WithYear(TDateTime date, int year) {
    const CalendarDate d = DecodeDate(date);
    if (year < FirstYear || year == d.year)
        return std::nullopt;
    return ClampedDate(year, d.month, d.day);
}

std::optional<TDateTime> WithMonth(TDateTime date, int month) {
    const CalendarDate d = DecodeDate(date);
    if (month < 1 || month > 12 || month == d.month)
        return std::nullopt;
    return ClampedDate(d.year, month, d.day);
}

std::optional<TDateTime> WithDay(TDateTime date, int day) {
    const CalendarDate d = DecodeDate(date);
    if (day < 1 || day > DaysInMonth(d.year, d.month) || day == d.day)
        return std::nullopt;
    return EncodeDate(d.year, d.month, day);
}

} // namespace nudgery

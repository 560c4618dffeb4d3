#pragma once
// The date rules of the month calendar: where each day of a month sits in a grid of seven
// columns under a header row of weekday names, and the steps between months and years.
// Dates are whole day numbers (see datetime.h) of the years 1 to 9999.

#include "datetime.h"

#include <optional>

namespace nudgery {

// A cell of the month grid: column 0..6, row 0 the header, rows 1..6 the weeks.
struct GridCell {
    int col = 0;
    int row = 0;
    bool operator==(const GridCell&) const = default;
};

inline constexpr int CalendarColumns = 7;
inline constexpr int CalendarRows = 7;

// The month of `date` laid out with `startOfWeek` (0 Sunday .. 6 Saturday) in column 0.
class MonthLayout {
public:
    MonthLayout(TDateTime date, int startOfWeek);

    // Added to a body cell's position (col + (row - 1) * 7) to give its day number.
    int FirstDayOffset() const { return firstDayOffset_; }
    int MonthLength() const { return monthLength_; }
    // The day number shown in a cell, or 0 for the header row and the cells outside
    // the month.
    int DayAt(GridCell cell) const;
    // The cell that shows a day of the month.
    GridCell CellOf(int day) const;

private:
    int firstDayOffset_;
    int monthLength_;
};

// The weekday (0 Sunday .. 6 Saturday) named in a header column.
int HeaderWeekday(int col, int startOfWeek);

// The same day `months` months on (or back), or the target month's last day when it is
// shorter; nothing when the target lies outside the years 1 to 9999.
std::optional<TDateTime> StepMonth(TDateTime date, int months);
// The same date `years` years on (or back); 29 February becomes 28 February. Nothing
// outside the years 1 to 9999.
std::optional<TDateTime> StepYear(TDateTime date, int years);

// The date with one part replaced, or nothing when the write is to be ignored: a value
// below 1, a month above 12, a day beyond the month's length, a year above 9999, or the
// value the date already has. A day missing from the resulting month (31 March to
// February) becomes that month's last day.
std::optional<TDateTime> WithYear(TDateTime date, int year);
std::optional<TDateTime> WithMonth(TDateTime date, int month);
std::optional<TDateTime> WithDay(TDateTime date, int day);

} // namespace nudgery

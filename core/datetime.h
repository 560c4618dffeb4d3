#pragma once
// Date-time values: a day count from 30 December 1899 held in a double. The integer
// part is the date, the fraction the time of day (0.5 is noon). Times of day are
// stored as bare fractions without a date.

#include <cstdint>

namespace nudgery {

using TDateTime = double;

struct CalendarDate {
    int year = 1899;
    int month = 12; // 1..12
    int day = 30;   // 1..31
};

struct ClockTime {
    int hour = 0; // 0..23
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Date part by truncation toward zero; time part is what remains.
TDateTime DatePartOf(TDateTime value);
TDateTime TimePartOf(TDateTime value);
// A date and a time of day in one value. Before 30 December 1899 the date part counts down
// from zero and the time of day away from it (-1.25 is 29 December, 6:00), so there the
// time is subtracted.
TDateTime CombineDateAndTime(TDateTime date, TDateTime timeOfDay);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Whole day number of a calendar date (30 December 1899 is 0). The date must be valid.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeDate(const CalendarDate& date);
// Fraction of a day for a time of day.
TDateTime EncodeTime(int hour, int minute, int second = 0, int millisecond = 0);

// Calendar fields of a value's date part (for values from year 1 to 9999).
CalendarDate DecodeDate(TDateTime value);
// Clock fields of a value's time part, rounded to the nearest millisecond.
ClockTime DecodeTime(TDateTime value);

// The value as milliseconds since 1 January 1970 on the same clock (a local time stays
// local), rounded to the millisecond as the clock fields are; and back, summed as the date
// and the time of day are encoded from the clock's fields.
std::int64_t MillisecondsSince1970(TDateTime value);
TDateTime FromMillisecondsSince1970(std::int64_t milliseconds);

// 0 Sunday .. 6 Saturday.
int WeekdayOf(TDateTime value);
// 1 for 1 January.
int DayOfYear(TDateTime value);
// The date of the last day of the value's month.
TDateTime LastDayOfMonth(TDateTime value);

// Value plus the given minutes, one minute being 0.000694445 day, the sum taken in
// extended precision. A negative, NaN or otherwise failing result gives 0.
TDateTime AddMinutes(std::int32_t minutes, TDateTime value) noexcept;

// The first of start, AddMinutes(minutes, start), AddMinutes(minutes, AddMinutes(minutes,
// start)), ... that is later than `after`: bit for bit what stepping with AddMinutes gives,
// in a number of steps that does not grow with the distance covered. `minutes` must be
// positive and `start` a finite value of 0 or more.
TDateTime FirstStepAfter(TDateTime start, std::int32_t minutes, TDateTime after) noexcept;

} // namespace nudgery

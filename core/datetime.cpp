#include "datetime.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace nudgery {
namespace {

constexpr std::int64_t MsPerDay = 86400000;
// 1 January 1970 in the program's day count.
constexpr std::int64_t UnixEpochDay = 25569;
// Days of the year 1 to 9999 range, the values the calendar helpers decode.
constexpr double FirstDecodableDay = -693593.0;
constexpr double LastDecodableDay = 2958465.0;

// Days from 1 January 1970 to a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

CalendarDate CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

struct DayAndMs {
    std::int64_t day = 0;
    std::int64_t msOfDay = 0;
};

// Splits a value into its day and its millisecond of the day, rounding the whole value to
// the millisecond first (so 23:59:59.9996 reads as the next day's midnight). Values outside
// the years 1 to 9999, infinities and NaN read as day 0 at midnight.
DayAndMs Split(TDateTime value) {
    if (!(value >= FirstDecodableDay && value < LastDecodableDay + 1))
        return {};
    const auto total = static_cast<std::int64_t>(std::llround(value * MsPerDay));
    return {total / MsPerDay, (total < 0 ? -total : total) % MsPerDay};
}

} // namespace

TDateTime DatePartOf(TDateTime value) {
    return std::trunc(value);
}

TDateTime TimePartOf(TDateTime value) {
    return value - std::trunc(value);
}

TDateTime CombineDateAndTime(TDateTime date, TDateTime timeOfDay) {
    return date < 0 ? date - timeOfDay : date + timeOfDay;
}

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : Days[month - 1];
}

TDateTime EncodeDate(int year, int month, int day) {
    return static_cast<TDateTime>(
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
        UnixEpochDay);
}

TDateTime EncodeDate(const CalendarDate& date) {
    return EncodeDate(date.year, date.month, date.day);
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
    const std::int64_t ms =
        ((static_cast<std::int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
    return static_cast<TDateTime>(ms) / MsPerDay;
}

CalendarDate DecodeDate(TDateTime value) {
    return CivilFromDays(Split(value).day - UnixEpochDay);
}

ClockTime DecodeTime(TDateTime value) {
    std::int64_t ms = Split(value).msOfDay;
    ClockTime t;
    t.millisecond = static_cast<int>(ms % 1000);
    ms /= 1000;
    t.second = static_cast<int>(ms % 60);
    ms /= 60;
    t.minute = static_cast<int>(ms % 60);
    t.hour = static_cast<int>(ms / 60);
    return t;
}

std::int64_t MillisecondsSince1970(TDateTime value) {
    return std::llround(value * MsPerDay) - UnixEpochDay * MsPerDay;
}

TDateTime FromMillisecondsSince1970(std::int64_t milliseconds) {
    std::int64_t day = milliseconds / MsPerDay;
    if (day * MsPerDay > milliseconds)
        --day; // toward the earlier day for times before 1970
    return static_cast<TDateTime>(day + UnixEpochDay) +
           static_cast<TDateTime>(milliseconds - day * MsPerDay) / MsPerDay;
}

int WeekdayOf(TDateTime value) {
    // Day 0, 30 December 1899, was a Saturday.
    const std::int64_t day = Split(value).day;
    return static_cast<int>(((day + 6) % 7 + 7) % 7);
}

int DayOfYear(TDateTime value) {
    const CalendarDate date = DecodeDate(value);
    return static_cast<int>(std::trunc(value - EncodeDate(date.year, 1, 1))) + 1;
}

TDateTime LastDayOfMonth(TDateTime value) {
    const CalendarDate date = DecodeDate(value);
    const TDateTime firstOfNext = date.month == 12 ? EncodeDate(date.year + 1, 1, 1)
                                                   : EncodeDate(date.year, date.month + 1, 1);
    return firstOfNext - 1;
}

TDateTime AddMinutes(std::int32_t minutes, TDateTime value) noexcept {
    // Slightly more than 1/1440 day: 1440 such minutes make 1.0000008 days. Stored data and
    // schedules depend on this exact constant.
    constexpr long double DayPerMinute = 0.000694445L;
    const long double sum = static_cast<long double>(minutes) * DayPerMinute + value;
    if (!(sum >= 0))
        return 0; // negative or unordered (NaN)
    // A sum beyond double's range is an arithmetic error, which gives 0 like the others.
    if (sum > std::numeric_limits<double>::max())
        return 0;
    return static_cast<double>(sum);
}

namespace {

// The end 2^e of the binade [2^(e-1), 2^e) that holds a positive value: within it, every
// double is a whole multiple of the same unit in the last place.
double BinadeEnd(double value) {
    int exponent = 0;
    std::frexp(value, &exponent);
    return std::ldexp(1.0, exponent);
}

// The largest j with from + j * step at or before `limit` and below `end`, where `from`
// meets both and the values from + j * step are exact (multiples of the binade's unit).
std::int64_t LastMultipleWithin(double from, double step, double limit, double end) {
    const auto within = [&](std::int64_t j) {
        const double value = from + static_cast<double>(j) * step;
        return value <= limit && value < end;
    };
    // An estimate, exact but for rounding, then corrected by single steps.
    const double estimate = std::floor((std::min(limit, end) - from) / step);
    std::int64_t j = static_cast<std::int64_t>(std::clamp(estimate, 0.0, 1e15));
    while (j > 0 && !within(j))
        --j;
    while (within(j + 1))
        ++j;
    return j;
}

} // namespace

TDateTime FirstStepAfter(TDateTime start, std::int32_t minutes, TDateTime after) noexcept {
    // AddMinutes rounds the sum of a value and the same extended-precision step to a double.
    // Within one binade all doubles are multiples of one unit, so that rounding adds the same
    // increment to every value, except where the step's excess over whole units is exactly
    // half a unit: the tie then goes to the even neighbour, and once a value is even every
    // later increment is the same even one. So after two steps inside a binade the third
    // step's increment holds for every further step inside it, and the steps can be counted
    // instead of taken; only the first steps in each binade are taken one by one.
    TDateTime t = start;
    while (after >= t) {
        const TDateTime first = AddMinutes(minutes, t);
        if (!(after >= first))
            return first;
        const TDateTime second = AddMinutes(minutes, first);
        if (!(after >= second))
            return second;
        const TDateTime third = AddMinutes(minutes, second);
        if (!(after >= third))
            return third;
        t = third;
        const double end = BinadeEnd(first);
        const double step = third - second;
        if (third < end && step > 0)
            t = second + static_cast<double>(LastMultipleWithin(second, step, after, end)) * step;
    }
    return t;
}

} // namespace nudgery

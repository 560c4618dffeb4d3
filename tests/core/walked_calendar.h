#pragma once
// Every date from 1900 to 2100, with its fields found by walking the calendar day by day:
// an oracle for the day rules written without the library's date formulas.

#include "core/datetime.h"

#include <cstddef>
#include <vector>

namespace nudgery::test {

struct WalkedDay {
    TDateTime date;
    int month, day, dayOfYear, weekday, monthLength;
    // Which of its weekday in the month the day is (1 for the first Monday), counted as the
    // walk passes, and whether it is the month's last of its weekday.
    int weekdayCount = 0;
    bool lastOfWeekday = false;
};

inline std::vector<WalkedDay> WalkCalendar() {
    std::vector<WalkedDay> days;
    TDateTime date = 2; // 1 January 1900, a Monday
    int weekday = 1;
    for (int year = 1900; year <= 2100; ++year) {
        const bool leap = year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
        const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        int dayOfYear = 0;
        for (int month = 1; month <= 12; ++month) {
            int seen[7] = {};
            std::size_t lastSeen[7] = {};
            for (int day = 1; day <= lengths[month - 1]; ++day) {
                lastSeen[weekday] = days.size();
                days.push_back(
                    {date, month, day, ++dayOfYear, weekday, lengths[month - 1], ++seen[weekday]});
                date += 1;
                weekday = (weekday + 1) % 7;
            }
            for (const std::size_t last : lastSeen)
                days[last].lastOfWeekday = true;
        }
    }
    return days;
}

} // namespace nudgery::test

#pragma once
// Every day rule the editor can make, days of months that have none of them among them, and
// some codes only a damaged file holds.

#include "core/dayspec.h"

#include <string>
#include <vector>

namespace nudgery::testing {

inline std::vector<std::string> AllDayRuleCodes() {
    std::vector<std::string> codes;
    for (int set = 1; set < 128; ++set) {
        std::string code;
        for (int day = 6; day >= 0; --day) // backwards: the order does not count
            if (set & (1 << day))
                code += static_cast<char>('0' + day);
        codes.push_back(code);
    }
    for (int day = 1; day <= 366; ++day)
        codes.push_back(EncodeDayOfYear(day));
    for (int month = 0; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day)
            codes.push_back(EncodeDayOfMonth(day, month));
        for (int occurrence = 0; occurrence <= 5; ++occurrence)
            for (int weekday = 0; weekday <= 7; ++weekday)
                codes.push_back(EncodeNthWeekday(occurrence, weekday, month));
    }
    for (const char* odd : {"$1 3 -1", "$9 7 0", "$30 7 0", "9x1", "#0", "#400"})
        codes.push_back(odd);
    return codes;
}

} // namespace nudgery::testing

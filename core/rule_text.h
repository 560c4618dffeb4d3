#pragma once
// The rule of a repeating reminder typed as a text, as the command line takes it, and the
// text that describes a rule so that it reads back as the same rule.
//   days   "daily" ("every day"), "weekdays", "weekends", "mon,wed,fri", "mon-fri";
//          "2nd tue", "last fri", "1st day" (of each month), "last day of feb" (of one month);
//          "day 15", "day 15 of mar" (of one month: once a year), "yearly 03-14" (the same as
//          "day 14 of mar"), "day 74 of year"
//   time   "7:00" once a day; "every 30m 9:00" from then to the end of the day; "every 30m
//          9:00-17:00" ("9:00 until 17:00", "from 9:00 to 17:00") until an ending time, which
//          comes later; "at" may come before a time, "on" before the days
// The parts come in any order: "weekdays 8:30", "every 30m 9:00-17:00 weekdays". Intervals
// run from 10 minutes to 12 hours ("30m", "1h30m", "2 hours"). Times and names are read as
// for a one-time reminder (when_text.h).

#include "date_formats.h"
#include "datetime.h"
#include "read_result.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace nudgery {

class TReminder;

// What the repeating reminder editor makes of a rule.
struct RepeatRule {
    std::string daySpec;
    TDateTime firstTime = 0;
    std::int32_t repeatMinutes = 0; // 0 once a day
    bool hasUntil = false;          // only with an interval
    TDateTime untilTime = 0;        // 0 without an ending time

    bool operator==(const RepeatRule&) const = default;
};

// The reminder's rule. An ending time counts only with an interval, and a negative interval
// (a damaged data file) fires once a day, as the schedule has it; the rule says so.
RepeatRule RepeatRuleOf(const TReminder& reminder);

ReadResult<RepeatRule> ReadRule(std::string_view text, const RegionalSettings& user);

// "weekdays 8:30", "every 30m 9:00-17:00 mon,wed,fri": the rule in the reader's words, in
// English, read back as the same rule under any user's settings. Of a rule the editor cannot
// make (a damaged data file) it says what it can, and the reader may refuse that.
std::string DescribeRule(const RepeatRule& rule);

} // namespace nudgery

#pragma once
// Recurrence rules of calendar files, as far as day rules are made of them, and the day rule
// that selects the very days a rule selects, both ways. No calendar library here: the codec
// copies its rules into and out of RecurrenceRule.

#include "datetime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nudgery {

enum class RecurrenceFrequency : std::uint8_t {
    Secondly,
    Minutely,
    Hourly,
    Daily,
    Weekly,
    Monthly,
    Yearly,
};

// One entry of BYDAY: a weekday, and which of its kind in the month or year (0 every one,
// 1 the first, 2 the second, ..., -1 the last, -2 the one before the last, ...).
struct WeekdayPosition {
    int position = 0;
    int weekday = 0; // 0 Sunday .. 6 Saturday
    bool operator==(const WeekdayPosition&) const = default;
};

struct RecurrenceRule {
    RecurrenceFrequency frequency = RecurrenceFrequency::Daily;
    int interval = 1;
    int count = 0; // 0: no COUNT
    bool hasUntil = false;
    std::vector<WeekdayPosition> byDay;
    std::vector<int> byMonthDay;
    std::vector<int> byYearDay;
    std::vector<int> byMonth;
    std::vector<int> bySetPos;
    // BYSECOND, BYMINUTE, BYHOUR, BYWEEKNO or a calendar scale: nothing a day rule has.
    bool hasOtherParts = false;
    bool operator==(const RecurrenceRule&) const = default;
};

// The rule that selects exactly the days the day-spec code selects; nothing for a code that
// selects no day at all (an unreadable one among them).
std::optional<RecurrenceRule> RuleForDaySpec(std::string_view code);

// Whether the rule's months hold none of its days of the month (the 30th of February): such a
// rule selects no day at all, which a calendar library finds out only by searching centuries.
bool RuleSelectsNoDay(const RecurrenceRule& rule);

// The day-spec code that selects exactly the days `rule` selects when its first occurrence
// is on `startDate`, or, when no code does, why not in a few words for the user ("a rule
// with COUNT=10"). The codes are the editor's own forms.
struct DaySpecForRuleResult {
    std::string code;   // empty when there is none
    std::string reason; // why there is none
};
DaySpecForRuleResult DaySpecForRule(const RecurrenceRule& rule, TDateTime startDate);

} // namespace nudgery

#include "calendar_rule.h"

#include "dayspec.h"

#include <algorithm>
#include <array>

namespace nudgery {
namespace {

constexpr std::int32_t LastOccurrence = 5;
constexpr std::int32_t AnyWeekday = 7;
// A leap year: a day rule of one month may name 29 February.
constexpr int SomeLeapYear = 2000;

using Frequency = RecurrenceFrequency;

RecurrenceRule Rule(Frequency frequency) {
    RecurrenceRule rule;
    rule.frequency = frequency;
    return rule;
}

// A day of a month (1..31) that some year has, in every month when month is 0.
bool DayExistsInMonth(std::int32_t day, std::int32_t month) {
    const int days = month == 0 ? 31 : DaysInMonth(SomeLeapYear, month);
    return day >= 1 && day <= days;
}

// "Every month", or the one month the rule is limited to.
void LimitToMonth(RecurrenceRule& rule, std::int32_t month) {
    if (month != 0)
        rule.byMonth = {month};
}

std::optional<RecurrenceRule> WeekdaySetRule(std::string_view code) {
    RecurrenceRule rule = Rule(Frequency::Weekly);
    for (int weekday = 0; weekday < 7; ++weekday)
        if (code.find(static_cast<char>('0' + weekday)) != std::string_view::npos)
            rule.byDay.push_back({0, weekday});
    if (rule.byDay.empty())
        return std::nullopt;
    return rule;
}

std::optional<RecurrenceRule> DayOfYearRule(std::string_view code) {
    std::int32_t day = 0;
    if (!DecodeDayOfYear(code, day) || day < 1 || day > 366)
        return std::nullopt;
    // Up to 28 February a day of the year is one date in every year, which every calendar
    // program reads; from the 60th on only the day number keeps leap years right.
    const TDateTime date = EncodeDate(SomeLeapYear + 1, 1, 1) + (day - 1);
    const CalendarDate fields = DecodeDate(date);
    if (day < 60) {
        RecurrenceRule rule = Rule(Frequency::Yearly);
        rule.byMonth = {fields.month};
        rule.byMonthDay = {fields.day};
        return rule;
    }
    RecurrenceRule rule = Rule(Frequency::Yearly);
    rule.byYearDay = {day};
    return rule;
}

std::optional<RecurrenceRule> DayOfMonthRule(std::string_view code) {
    std::int32_t day = 0, month = 0;
    // A month index outside 0..12 matches no date.
    if (!DecodeDayOfMonth(code, day, month) || month < 0 || month > 12 ||
        !DayExistsInMonth(day, month))
        return std::nullopt;
    RecurrenceRule rule = Rule(month == 0 ? Frequency::Monthly : Frequency::Yearly);
    LimitToMonth(rule, month);
    rule.byMonthDay = {day};
    return rule;
}

std::optional<RecurrenceRule> NthWeekdayRule(std::string_view code) {
    std::int32_t occurrence = 0, weekday = 0, month = 0;
    if (!DecodeNthWeekday(code, occurrence, weekday, month) || month > 12)
        return std::nullopt;
    // Below 1 the month index limits nothing.
    month = std::max(month, 0);
    RecurrenceRule rule = Rule(Frequency::Monthly);
    LimitToMonth(rule, month);
    if (weekday == AnyWeekday) {
        // Any day: the occurrence counts the days of the month.
        const std::int32_t day = occurrence == LastOccurrence ? -1 : occurrence + 1;
        if (day != -1 && !DayExistsInMonth(day, month))
            return std::nullopt;
        rule.byMonthDay = {day};
        return rule;
    }
    if (weekday < 0 || weekday > 6 || occurrence < 0 || occurrence > LastOccurrence)
        return std::nullopt;
    rule.byDay = {{occurrence == LastOccurrence ? -1 : occurrence + 1, weekday}};
    return rule;
}

// The rule's one value of a BY part, when it has exactly one.
std::optional<int> Single(const std::vector<int>& values) {
    if (values.size() != 1)
        return std::nullopt;
    return values.front();
}

// Which day rule the month of a rule limited to one month (or to none) uses: 0 for every
// month; nothing when several months are named.
std::optional<std::int32_t> MonthIndex(const RecurrenceRule& rule) {
    if (rule.byMonth.empty())
        return 0;
    const auto month = Single(rule.byMonth);
    if (!month || *month < 1 || *month > 12)
        return std::nullopt;
    return *month;
}

DaySpecForRuleResult Code(std::string code) {
    return {std::move(code), {}};
}

DaySpecForRuleResult NoCode(std::string reason) {
    return {{}, std::move(reason)};
}

const DaySpecForRuleResult Unsupported = NoCode("a rule no day rule matches");

// Weekdays only, each of them every week: the weekday set of a daily, weekly or yearly rule.
DaySpecForRuleResult WeekdaySet(const std::vector<WeekdayPosition>& days) {
    std::array<bool, 7> chosen{};
    for (const WeekdayPosition& day : days) {
        if (day.position != 0 || day.weekday < 0 || day.weekday > 6)
            return Unsupported;
        chosen[static_cast<std::size_t>(day.weekday)] = true;
    }
    std::string code;
    for (int weekday = 0; weekday < 7; ++weekday)
        if (chosen[static_cast<std::size_t>(weekday)])
            code += static_cast<char>('0' + weekday);
    return Code(code);
}

// A day of the month in the month index's months: 1..31, or -1 for the last day.
DaySpecForRuleResult MonthDay(int day, std::int32_t month) {
    if (day == -1)
        return Code(EncodeNthWeekday(LastOccurrence, AnyWeekday, month));
    if (!DayExistsInMonth(day, month))
        return Unsupported;
    return Code(EncodeDayOfMonth(day, month));
}

// The n-th (1..5, or -1 for the last) weekday of the month index's months.
DaySpecForRuleResult NthWeekday(int position, int weekday, std::int32_t month) {
    if (weekday < 0 || weekday > 6 || position == 0 || position < -1 || position > 5)
        return Unsupported;
    return Code(EncodeNthWeekday(position == -1 ? LastOccurrence : position - 1, weekday, month));
}

// Monthly rules, and yearly ones limited to one month: a day of the month, the n-th weekday,
// or the n-th of a set of days given by BYSETPOS.
DaySpecForRuleResult DayInMonth(const RecurrenceRule& rule, std::int32_t month,
                                const CalendarDate& start) {
    if (!rule.byYearDay.empty())
        return Unsupported;
    const bool byDay = !rule.byDay.empty();
    const bool byMonthDay = !rule.byMonthDay.empty();
    if (byDay && byMonthDay)
        return Unsupported;
    if (!rule.bySetPos.empty()) {
        const auto position = Single(rule.bySetPos);
        if (!position || !byDay)
            return Unsupported;
        if (rule.byDay.size() == 1 && rule.byDay.front().position == 0)
            return NthWeekday(*position, rule.byDay.front().weekday, month);
        // All seven weekdays: the n-th day of the month.
        const DaySpecForRuleResult everyDay = WeekdaySet(rule.byDay);
        if (everyDay.code != "0123456" || *position == 0 || *position < -1 || *position > 5)
            return Unsupported;
        return MonthDay(*position, month);
    }
    if (byMonthDay) {
        const auto day = Single(rule.byMonthDay);
        return day ? MonthDay(*day, month) : Unsupported;
    }
    if (byDay) {
        if (rule.byDay.size() != 1)
            return Unsupported;
        return NthWeekday(rule.byDay.front().position, rule.byDay.front().weekday, month);
    }
    return MonthDay(start.day, month);
}

DaySpecForRuleResult Monthly(const RecurrenceRule& rule, const CalendarDate& start) {
    const auto month = MonthIndex(rule);
    if (!month)
        return Unsupported;
    return DayInMonth(rule, *month, start);
}

DaySpecForRuleResult Yearly(const RecurrenceRule& rule, const CalendarDate& start) {
    if (!rule.byYearDay.empty()) {
        const auto day = Single(rule.byYearDay);
        if (!day || *day < 1 || *day > 366 || !rule.byMonth.empty() || !rule.byDay.empty() ||
            !rule.byMonthDay.empty() || !rule.bySetPos.empty())
            return Unsupported;
        return Code(EncodeDayOfYear(*day));
    }
    if (rule.byMonth.empty()) {
        // Without a month a yearly rule's days are those of every month or every week.
        if (!rule.byMonthDay.empty() && rule.byDay.empty() && rule.bySetPos.empty())
            return DayInMonth(rule, 0, start);
        if (!rule.byDay.empty() && rule.byMonthDay.empty() && rule.bySetPos.empty())
            return WeekdaySet(rule.byDay);
        if (!rule.byDay.empty() || !rule.byMonthDay.empty() || !rule.bySetPos.empty())
            return Unsupported;
        return MonthDay(start.day, start.month);
    }
    const auto month = MonthIndex(rule);
    if (!month)
        return Unsupported;
    return DayInMonth(rule, *month, start);
}

} // namespace

bool RuleSelectsNoDay(const RecurrenceRule& rule) {
    if (rule.byMonth.empty() || rule.byMonthDay.empty())
        return false;
    const auto longest =
        std::max_element(rule.byMonth.begin(), rule.byMonth.end(), [](int a, int b) {
            return DaysInMonth(SomeLeapYear, a) < DaysInMonth(SomeLeapYear, b);
        });
    // Days counted from the end of the month always exist.
    return std::all_of(rule.byMonthDay.begin(), rule.byMonthDay.end(), [&](int day) {
        return day > DaysInMonth(SomeLeapYear, *longest) || day == 0;
    });
}

std::optional<RecurrenceRule> RuleForDaySpec(std::string_view code) {
    if (code.empty())
        return std::nullopt;
    switch (code.front()) {
    case '#':
        return DayOfYearRule(code);
    case '@':
        return DayOfMonthRule(code);
    case '$':
        return NthWeekdayRule(code);
    default:
        return WeekdaySetRule(code);
    }
}

DaySpecForRuleResult DaySpecForRule(const RecurrenceRule& rule, TDateTime startDate) {
    // A day rule has no end and no gaps, and selects whole days.
    constexpr const char* NoDayRule = " and no day rule for it";
    if (rule.count > 0)
        return NoCode("a rule with COUNT=" + std::to_string(rule.count) + NoDayRule);
    if (rule.hasUntil)
        return NoCode(std::string("a rule with UNTIL") + NoDayRule);
    if (rule.interval != 1)
        return NoCode("a rule with INTERVAL=" + std::to_string(rule.interval) + NoDayRule);
    if (rule.hasOtherParts || rule.frequency < Frequency::Daily)
        return NoCode(std::string("a rule for times of the day") + NoDayRule);
    const CalendarDate start = DecodeDate(startDate);
    switch (rule.frequency) {
    case Frequency::Daily:
        if (!rule.byMonth.empty() || !rule.byMonthDay.empty() || !rule.byYearDay.empty() ||
            !rule.bySetPos.empty())
            return Unsupported;
        return rule.byDay.empty() ? Code("0123456") : WeekdaySet(rule.byDay);
    case Frequency::Weekly:
        if (!rule.byMonth.empty() || !rule.byMonthDay.empty() || !rule.byYearDay.empty() ||
            !rule.bySetPos.empty())
            return Unsupported;
        if (rule.byDay.empty())
            return Code(std::string(1, static_cast<char>('0' + WeekdayOf(startDate))));
        return WeekdaySet(rule.byDay);
    case Frequency::Monthly:
        return Monthly(rule, start);
    default:
        return Yearly(rule, start);
    }
}

} // namespace nudgery

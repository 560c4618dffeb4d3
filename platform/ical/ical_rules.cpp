#include "ical_rules.h"

#include <algorithm>
#include <array>

namespace nudgery::ical {
namespace {

constexpr std::array<std::pair<RecurrenceFrequency, icalrecurrencetype_frequency>, 7> Frequencies{{
    {RecurrenceFrequency::Secondly, ICAL_SECONDLY_RECURRENCE},
    {RecurrenceFrequency::Minutely, ICAL_MINUTELY_RECURRENCE},
    {RecurrenceFrequency::Hourly, ICAL_HOURLY_RECURRENCE},
    {RecurrenceFrequency::Daily, ICAL_DAILY_RECURRENCE},
    {RecurrenceFrequency::Weekly, ICAL_WEEKLY_RECURRENCE},
    {RecurrenceFrequency::Monthly, ICAL_MONTHLY_RECURRENCE},
    {RecurrenceFrequency::Yearly, ICAL_YEARLY_RECURRENCE},
}};

// libical numbers weekdays from 1 (Sunday), the program from 0.
constexpr int WeekdayOffset = 1;

template <std::size_t N> void Fill(short (&target)[N], const std::vector<int>& values) {
    std::size_t i = 0;
    for (; i < values.size() && i < N; ++i)
        target[i] = static_cast<short>(values[i]);
    if (i < N)
        target[i] = ICAL_RECURRENCE_ARRAY_MAX;
}

template <std::size_t N> std::vector<int> Values(const short (&source)[N]) {
    std::vector<int> values;
    for (std::size_t i = 0; i < N && source[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        values.push_back(source[i]);
    return values;
}

template <std::size_t N> bool Used(const short (&source)[N]) {
    return source[0] != ICAL_RECURRENCE_ARRAY_MAX;
}

} // namespace

icalrecurrencetype ToIcal(const RecurrenceRule& rule) {
    icalrecurrencetype ical;
    icalrecurrencetype_clear(&ical);
    for (const auto& [ours, theirs] : Frequencies)
        if (ours == rule.frequency)
            ical.freq = theirs;
    ical.interval = static_cast<short>(rule.interval);
    ical.count = rule.count;
    std::vector<int> days;
    for (const WeekdayPosition& day : rule.byDay) {
        // libical keeps a position and a weekday in one number: 8 * |position| + weekday,
        // negative for a position counted from the end.
        const int weekday = day.weekday + WeekdayOffset;
        const int magnitude = day.position < 0 ? -day.position : day.position;
        const int code = magnitude * 8 + weekday;
        days.push_back(day.position < 0 ? -code : code);
    }
    Fill(ical.by_day, days);
    Fill(ical.by_month_day, rule.byMonthDay);
    Fill(ical.by_year_day, rule.byYearDay);
    Fill(ical.by_month, rule.byMonth);
    Fill(ical.by_set_pos, rule.bySetPos);
    return ical;
}

RecurrenceRule FromIcal(const icalrecurrencetype& ical) {
    RecurrenceRule rule;
    bool knownFrequency = false;
    for (const auto& [ours, theirs] : Frequencies)
        if (theirs == ical.freq) {
            rule.frequency = ours;
            knownFrequency = true;
        }
    rule.interval = ical.interval;
    rule.count = ical.count;
    rule.hasUntil = !icaltime_is_null_time(ical.until);
    for (const int day : Values(ical.by_day))
        rule.byDay.push_back(
            {icalrecurrencetype_day_position(static_cast<short>(day)),
             static_cast<int>(icalrecurrencetype_day_day_of_week(static_cast<short>(day))) -
                 WeekdayOffset});
    rule.byMonthDay = Values(ical.by_month_day);
    rule.byYearDay = Values(ical.by_year_day);
    for (const int month : Values(ical.by_month))
        rule.byMonth.push_back(icalrecurrencetype_month_is_leap(static_cast<short>(month))
                                   ? 0 // a leap month of another calendar: no month of ours
                                   : icalrecurrencetype_month_month(static_cast<short>(month)));
    rule.bySetPos = Values(ical.by_set_pos);
    // libical lists the weekdays from the start of the week; the program's rules list every
    // part in ascending order, Sunday first.
    std::sort(rule.byDay.begin(), rule.byDay.end(),
              [](const WeekdayPosition& a, const WeekdayPosition& b) {
                  return std::pair(a.weekday, a.position) < std::pair(b.weekday, b.position);
              });
    for (std::vector<int>* values :
         {&rule.byMonthDay, &rule.byYearDay, &rule.byMonth, &rule.bySetPos})
        std::sort(values->begin(), values->end());
    rule.hasOtherParts = Used(ical.by_second) || Used(ical.by_minute) || Used(ical.by_hour) ||
                         Used(ical.by_week_no) || ical.rscale != nullptr || !knownFrequency;
    return rule;
}

} // namespace nudgery::ical

// The days the exported rules select, as libical expands them, are the days the program's
// own rules select: for every form of day rule and across a leap day.

#include "../../core/day_rule_codes.h"
#include "core/calendar_entry.h"
#include "core/dayspec.h"
#include "core/reminder.h"
#include "platform/ical/calendar_reader.h"
#include "platform/ical/calendar_writer.h"

#include <gtest/gtest.h>
#include <set>

namespace nudgery {
namespace {

class CalendarRuleDays : public ::testing::TestWithParam<TDateTime> {};

TEST_P(CalendarRuleDays, LibicalSelectsTheDaysOfEachDayRule) {
    const TDateTime today = GetParam();
    std::vector<std::unique_ptr<TReminder>> reminders;
    std::vector<const TReminder*> repeating;
    for (const std::string& code : testing::AllDayRuleCodes()) {
        reminders.push_back(TReminder::CreateRepeating(KindRepeating, EncodeTime(9, 30), false, 0,
                                                       code, 0, code, "", EventShowOnly));
        repeating.push_back(reminders.back().get());
    }
    const std::string text = ical::WriteCalendar(CalendarEntries({}, repeating, today),
                                                 {"", 1'800'000'000, "-//Nudgery!//Test//EN"});
    const ical::CalendarRead read = ical::ReadCalendar(text, {"", today});
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.items.size(), repeating.size());
    for (std::size_t i = 0; i < repeating.size(); ++i) {
        const std::string code = repeating[i]->DaySpec;
        const CalendarItem& item = read.items[i];
        std::set<TDateTime> expected;
        for (int day = 0; day < ImportWindowDays; ++day)
            if (DaySpecMatchesDate(code, today + day))
                expected.insert(today + day + EncodeTime(9, 30));
        if (!item.entry.rule) {
            // Only a rule that selects no day has none.
            EXPECT_TRUE(expected.empty()) << code;
            EXPECT_FALSE(RuleForDaySpec(code)) << code;
            continue;
        }
        ASSERT_EQ(item.alarms.size(), 1u) << code;
        const std::set<TDateTime> rung(item.alarms[0].times.begin(), item.alarms[0].times.end());
        EXPECT_EQ(rung, expected) << code;
    }
}

// A window with 29 February 2028 in it, and one without a leap day.
INSTANTIATE_TEST_SUITE_P(AroundLeapDays, CalendarRuleDays,
                         ::testing::Values(EncodeDate(2027, 6, 1), EncodeDate(2026, 12, 8)));

} // namespace
} // namespace nudgery

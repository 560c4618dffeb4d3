// Day rules as recurrence rules and back. Whether a rule selects the days its code selects is
// checked against libical and python-dateutil in the platform tests; here, which rule stands
// for each code, which codes the rules of other programs give, and why some give none.

#include "core/calendar_rule.h"
#include "core/dayspec.h"
#include "day_rule_codes.h"

#include <gtest/gtest.h>

namespace nudgery {
namespace {

using F = RecurrenceFrequency;

RecurrenceRule Rule(F frequency, std::vector<WeekdayPosition> byDay = {},
                    std::vector<int> byMonthDay = {}, std::vector<int> byMonth = {},
                    std::vector<int> byYearDay = {}, std::vector<int> bySetPos = {}) {
    RecurrenceRule rule;
    rule.frequency = frequency;
    rule.byDay = std::move(byDay);
    rule.byMonthDay = std::move(byMonthDay);
    rule.byMonth = std::move(byMonth);
    rule.byYearDay = std::move(byYearDay);
    rule.bySetPos = std::move(bySetPos);
    return rule;
}

// Weekdays 0 Sunday .. 6 Saturday.
constexpr int Sun = 0, Mon = 1, Tue = 2, Wed = 3, Thu = 4, Fri = 5, Sat = 6;

TEST(CalendarRule, EachFormOfDayRuleHasItsRule) {
    const struct {
        std::string code;
        RecurrenceRule rule;
    } cases[] = {
        {"12345", Rule(F::Weekly, {{0, Mon}, {0, Tue}, {0, Wed}, {0, Thu}, {0, Fri}})},
        // Matching looks for each digit anywhere; order and other characters do not count.
        {"60x", Rule(F::Weekly, {{0, Sun}, {0, Sat}})},
        {EncodeDayOfMonth(15, 0), Rule(F::Monthly, {}, {15})},
        {EncodeDayOfMonth(29, 2), Rule(F::Yearly, {}, {29}, {2})},
        {EncodeNthWeekday(1, Tue, 0), Rule(F::Monthly, {{2, Tue}})},
        {EncodeNthWeekday(5, Fri, 0), Rule(F::Monthly, {{-1, Fri}})},
        {EncodeNthWeekday(4, Mon, 11), Rule(F::Monthly, {{5, Mon}}, {}, {11})},
        {EncodeNthWeekday(0, 7, 0), Rule(F::Monthly, {}, {1})},
        {EncodeNthWeekday(5, 7, 2), Rule(F::Monthly, {}, {-1}, {2})},
        // A month index below 1 limits nothing in this form.
        {"$1 3 -1", Rule(F::Monthly, {{2, Wed}})},
        // Up to 28 February one date every year; from the 60th day only the number is right
        // in both kinds of year.
        {EncodeDayOfYear(45), Rule(F::Yearly, {}, {14}, {2})},
        {EncodeDayOfYear(59), Rule(F::Yearly, {}, {28}, {2})},
        {EncodeDayOfYear(60), Rule(F::Yearly, {}, {}, {}, {60})},
        {EncodeDayOfYear(366), Rule(F::Yearly, {}, {}, {}, {366})},
    };
    for (const auto& c : cases) {
        const auto rule = RuleForDaySpec(c.code);
        ASSERT_TRUE(rule) << c.code;
        EXPECT_EQ(*rule, c.rule) << c.code;
    }
}

TEST(CalendarRule, CodesThatSelectNoDayHaveNoRule) {
    for (const std::string& code :
         {std::string(), std::string("abc"), std::string("#abc"), std::string("789"),
          EncodeDayOfYear(0), EncodeDayOfYear(367), EncodeDayOfMonth(32, 0),
          EncodeDayOfMonth(30, 2), EncodeDayOfMonth(31, 4), EncodeDayOfMonth(5, 13),
          EncodeDayOfMonth(5, -1), EncodeNthWeekday(6, Mon, 0), EncodeNthWeekday(0, 8, 0),
          EncodeNthWeekday(0, Mon, 13), EncodeNthWeekday(29, 7, 2)})
        EXPECT_FALSE(RuleForDaySpec(code)) << code;
}

// Whether two codes select the same days, over five years with a leap year among them.
bool SameDays(const std::string& a, const std::string& b) {
    for (TDateTime day = EncodeDate(2027, 1, 1); day < EncodeDate(2032, 1, 1); ++day)
        if (DaySpecMatchesDate(a, day) != DaySpecMatchesDate(b, day))
            return false;
    return true;
}

TEST(CalendarRule, EveryCodeComesBackFromItsRuleAndOnlyCodesWithoutDaysHaveNone) {
    // The start of a rule matters only when its parts leave the day open; any will do here.
    // Some days have two codes ("the 1st day" and "the 1st of the month"): the code back may
    // be the other one.
    const TDateTime start = EncodeDate(2027, 5, 17);
    int withRule = 0;
    for (const std::string& code : testing::AllDayRuleCodes()) {
        const auto rule = RuleForDaySpec(code);
        if (!rule) {
            EXPECT_TRUE(SameDays(code, "")) << code << " selects days but has no rule";
            continue;
        }
        ++withRule;
        const std::string back = DaySpecForRule(*rule, start).code;
        ASSERT_FALSE(back.empty()) << code;
        EXPECT_TRUE(SameDays(back, code)) << code << " gave " << back;
    }
    EXPECT_GT(withRule, 1000);
}

TEST(CalendarRule, RulesOfOtherProgramsGiveTheirDayRules) {
    const TDateTime start = EncodeDate(2026, 3, 12); // a Thursday
    const TDateTime leapDay = EncodeDate(2028, 2, 29);
    const struct {
        RecurrenceRule rule;
        TDateTime start;
        std::string code;
    } cases[] = {
        {Rule(F::Daily), start, "0123456"},
        {Rule(F::Daily, {{0, Mon}, {0, Fri}}), start, "15"},
        {Rule(F::Weekly), start, "4"},
        {Rule(F::Weekly, {{0, Sat}, {0, Sun}}), start, "06"},
        {Rule(F::Yearly, {{0, Mon}}), start, "1"},
        {Rule(F::Monthly), start, EncodeDayOfMonth(12, 0)},
        {Rule(F::Monthly, {}, {-1}), start, EncodeNthWeekday(5, 7, 0)},
        {Rule(F::Monthly, {{-1, Sun}}), start, EncodeNthWeekday(5, Sun, 0)},
        // How some programs write "the second Tuesday" and "the last weekday of any kind".
        {Rule(F::Monthly, {{0, Tue}}, {}, {}, {}, {2}), start, EncodeNthWeekday(1, Tue, 0)},
        {Rule(F::Monthly, {{0, Sun}, {0, Mon}, {0, Tue}, {0, Wed}, {0, Thu}, {0, Fri}, {0, Sat}},
              {}, {}, {}, {-1}),
         start, EncodeNthWeekday(5, 7, 0)},
        {Rule(F::Yearly), start, EncodeDayOfMonth(12, 3)},
        {Rule(F::Yearly), leapDay, EncodeDayOfMonth(29, 2)},
        {Rule(F::Yearly, {}, {}, {7}), start, EncodeDayOfMonth(12, 7)},
        {Rule(F::Yearly, {}, {4}, {7}), start, EncodeDayOfMonth(4, 7)},
        {Rule(F::Yearly, {{4, Thu}}, {}, {11}), start, EncodeNthWeekday(3, Thu, 11)},
        {Rule(F::Yearly, {}, {15}), start, EncodeDayOfMonth(15, 0)},
        {Rule(F::Yearly, {}, {}, {}, {256}), start, EncodeDayOfYear(256)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DaySpecForRule(c.rule, c.start).code, c.code) << c.code;
}

TEST(CalendarRule, RulesWithoutDayRuleSayWhy) {
    const TDateTime start = EncodeDate(2026, 3, 12);
    RecurrenceRule counted = Rule(F::Weekly);
    counted.count = 10;
    RecurrenceRule ending = Rule(F::Daily);
    ending.hasUntil = true;
    RecurrenceRule fortnightly = Rule(F::Weekly);
    fortnightly.interval = 2;
    RecurrenceRule byHour = Rule(F::Daily);
    byHour.hasOtherParts = true;
    const struct {
        RecurrenceRule rule;
        std::string reason;
    } cases[] = {
        {counted, "a rule with COUNT=10 and no day rule for it"},
        {ending, "a rule with UNTIL and no day rule for it"},
        {fortnightly, "a rule with INTERVAL=2 and no day rule for it"},
        {Rule(F::Hourly), "a rule for times of the day and no day rule for it"},
        {byHour, "a rule for times of the day and no day rule for it"},
    };
    for (const auto& c : cases) {
        const DaySpecForRuleResult result = DaySpecForRule(c.rule, start);
        EXPECT_EQ(result.code, "");
        EXPECT_EQ(result.reason, c.reason);
    }
}

TEST(CalendarRule, RulesNoDayRuleMatchesGiveNone) {
    const TDateTime start = EncodeDate(2026, 3, 12);
    for (const RecurrenceRule& rule : {
             Rule(F::Monthly, {{2, Tue}, {4, Tue}}), // two weekdays a month
             Rule(F::Monthly, {}, {1, 15}),          // two days a month
             Rule(F::Monthly, {}, {-2}),             // the day before the last
             Rule(F::Monthly, {{-2, Fri}}),          // the Friday before the last
             Rule(F::Yearly, {}, {1}, {1, 7}),       // two months
             Rule(F::Yearly, {{20, Mon}}),           // the 20th Monday of the year
             Rule(F::Yearly, {{0, Mon}}, {}, {3}),   // every Monday of March
             Rule(F::Yearly, {}, {}, {}, {-1}),      // the last day of the year
             Rule(F::Weekly, {}, {}, {6}),           // weekly in June only
             Rule(F::Daily, {}, {13}),               // daily on the 13th
             Rule(F::Monthly, {{0, Fri}}, {13}),     // Friday the 13th
         }) {
        const DaySpecForRuleResult result = DaySpecForRule(rule, start);
        EXPECT_EQ(result.code, "");
        EXPECT_FALSE(result.reason.empty());
    }
}

TEST(CalendarRule, RulesWhoseMonthsHaveNoneOfTheirDaysSelectNoDay) {
    EXPECT_TRUE(RuleSelectsNoDay(Rule(F::Yearly, {}, {30}, {2})));
    EXPECT_TRUE(RuleSelectsNoDay(Rule(F::Daily, {}, {31, 32}, {4, 6, 9, 11})));
    EXPECT_FALSE(RuleSelectsNoDay(Rule(F::Yearly, {}, {29}, {2})));
    EXPECT_FALSE(RuleSelectsNoDay(Rule(F::Yearly, {}, {31}, {4, 5})));
    EXPECT_FALSE(RuleSelectsNoDay(Rule(F::Monthly, {}, {-1}, {2})));
    EXPECT_FALSE(RuleSelectsNoDay(Rule(F::Monthly, {}, {31})));
}

} // namespace
} // namespace nudgery

// The rule of a repeating reminder read from a typed text, its days checked against the
// walked calendar, and its description read back as the same rule over every day rule the
// editor can make.
#include "core/clock.h"
#include "core/dayspec.h"
#include "core/reminder.h"
#include "core/rule_text.h"
#include "regional_samples.h"
#include "spoiled_texts.h"
#include "walked_calendar.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace nudgery {

// Failures show a rule's fields.
void PrintTo(const RepeatRule& rule, std::ostream* out) {
    *out << '"' << rule.daySpec << "\" " << rule.firstTime << " every " << rule.repeatMinutes
         << (rule.hasUntil ? " until " : " no end ") << rule.untilTime;
}

namespace {

using test::TwelveHourSettings;
using test::TwentyFourHourSettings;
using test::WalkCalendar;
using test::WalkedDay;

RepeatRule Rule(std::string code, TDateTime first, std::int32_t minutes = 0,
                std::optional<TDateTime> until = std::nullopt) {
    return {std::move(code), first, minutes, until.has_value(), until.value_or(0)};
}

TDateTime T(int hour, int minute, int second = 0) {
    return EncodeTime(hour, minute, second);
}

struct RuleCase {
    const char* text;
    RepeatRule expected;
};

void ExpectReads(const RegionalSettings& user, std::initializer_list<RuleCase> cases) {
    for (const RuleCase& c : cases) {
        const ReadResult<RepeatRule> read = ReadRule(c.text, user);
        ASSERT_TRUE(read.Ok()) << '"' << c.text << "\": " << read.Error();
        EXPECT_EQ(read.Value(), c.expected) << '"' << c.text << '"';
    }
}

TEST(RuleText, EveryForm) {
    ExpectReads(TwelveHourSettings(),
                {
                    {"daily 7:00", Rule("0123456", T(7, 0))},
                    {"every day 7:00", Rule("0123456", T(7, 0))},
                    {"7:00 daily", Rule("0123456", T(7, 0))},
                    {"weekdays 8:30", Rule("12345", T(8, 30))},
                    {"every weekday 8:30", Rule("12345", T(8, 30))},
                    {"every mon,thu 8:30", Rule("14", T(8, 30))},
                    {"every 2nd tue 19:00", Rule(EncodeNthWeekday(1, 2, 0), T(19, 0))},
                    {"weekends 10:00am", Rule("06", T(10, 0))},
                    {"mon,wed,fri 18:00", Rule("135", T(18, 0))},
                    {"Mon, Wed ,fri 6:00 PM", Rule("135", T(18, 0))},
                    {"fri,mon 18:00", Rule("15", T(18, 0))},
                    {"tue 9:00", Rule("2", T(9, 0))},
                    {"mon-fri 9:00", Rule("12345", T(9, 0))},
                    {"fri-mon 9:00", Rule("0156", T(9, 0))},
                    {"sat - sun 9:00", Rule("06", T(9, 0))},
                    {"sunday,saturday,thurs 9:00", Rule("046", T(9, 0))},
                    {"every 30m 9:00-17:00 weekdays", Rule("12345", T(9, 0), 30, T(17, 0))},
                    {"weekdays every 30m 9:00 until 5:00pm", Rule("12345", T(9, 0), 30, T(17, 0))},
                    {"every 1h30m 8:00 daily", Rule("0123456", T(8, 0), 90)},
                    {"every hour 8:00 daily", Rule("0123456", T(8, 0), 60)},
                    {"mon wed fri 9:00", Rule("135", T(9, 0))},
                    {"sat 9:00 mon-tue", Rule("126", T(9, 0))},
                    {"daily at 8:00", Rule("0123456", T(8, 0))},
                    {"every 30 min from 9:00 to 17:00 on mon", Rule("1", T(9, 0), 30, T(17, 0))},
                    {"every 2 hours 9:00 am - 5:00 pm mon", Rule("1", T(9, 0), 120, T(17, 0))},
                    {"every 10 min 9:00 daily", Rule("0123456", T(9, 0), 10)},
                    {"every 12h 0:00 daily", Rule("0123456", T(0, 0), 720)},
                    {"2nd tue 19:00", Rule(EncodeNthWeekday(1, 2, 0), T(19, 0))},
                    {"last fri 16:00", Rule(EncodeNthWeekday(5, 5, 0), T(16, 0))},
                    {"1st day 9:00", Rule(EncodeNthWeekday(0, 7, 0), T(9, 0))},
                    {"last day of feb 9:00", Rule(EncodeNthWeekday(5, 7, 2), T(9, 0))},
                    {"first mon of may 9:00", Rule(EncodeNthWeekday(0, 1, 5), T(9, 0))},
                    {"5th sun of each month 9:00", Rule(EncodeNthWeekday(4, 0, 0), T(9, 0))},
                    {"third wednesday of November 9:00", Rule(EncodeNthWeekday(2, 3, 11), T(9, 0))},
                    {"day 15 9:00", Rule(EncodeDayOfMonth(15, 0), T(9, 0))},
                    {"day 15 of mar 9:00", Rule(EncodeDayOfMonth(15, 3), T(9, 0))},
                    {"day 1 of every month 9:00", Rule(EncodeDayOfMonth(1, 0), T(9, 0))},
                    {"day 31 of feb 9:00", Rule(EncodeDayOfMonth(31, 2), T(9, 0))}, // as the editor
                    {"day 74 of year 9:00", Rule(EncodeDayOfYear(74), T(9, 0))},
                    {"day 366 of the year 9:00", Rule(EncodeDayOfYear(366), T(9, 0))},
                    {"yearly 03-14 9:00", Rule(EncodeDayOfMonth(14, 3), T(9, 0))},
                    {"yearly 2-29 9:00", Rule(EncodeDayOfMonth(29, 2), T(9, 0))},
                    {"daily 9:00:30", Rule("0123456", T(9, 0, 30))},
                    {"DAILY 12:00 AM", Rule("0123456", T(0, 0))},
                });
}

TEST(RuleText, TheUsersOwnTimesAndNames) {
    ExpectReads(TwentyFourHourSettings(),
                {
                    {"Mo,Mi,Fr 18.00", Rule("135", T(18, 0))},
                    {"Montag-Freitag 8.30", Rule("12345", T(8, 30))},
                    {"2nd Di of März 9.00", Rule(EncodeNthWeekday(1, 2, 3), T(9, 0))},
                    {"day 1 of Mai 9:00", Rule(EncodeDayOfMonth(1, 5), T(9, 0))},
                    {"every 30m 9.00-17.00 weekdays", Rule("12345", T(9, 0), 30, T(17, 0))},
                });
}

// The days a rule names, against the calendar as walked day by day.
TEST(RuleText, TheDaysReadAreTheDaysMeant) {
    using Meant = std::function<bool(const WalkedDay&)>;
    const struct {
        const char* days;
        Meant meant;
    } cases[] = {
        {"daily", [](const WalkedDay&) { return true; }},
        {"weekdays", [](const WalkedDay& d) { return d.weekday >= 1 && d.weekday <= 5; }},
        {"weekends", [](const WalkedDay& d) { return d.weekday == 0 || d.weekday == 6; }},
        {"mon,wed,fri", [](const WalkedDay& d) { return d.weekday % 2 == 1; }},
        {"fri-mon", [](const WalkedDay& d) { return d.weekday >= 5 || d.weekday <= 1; }},
        {"2nd tue", [](const WalkedDay& d) { return d.weekday == 2 && d.weekdayCount == 2; }},
        {"last fri", [](const WalkedDay& d) { return d.weekday == 5 && d.lastOfWeekday; }},
        {"5th sun", [](const WalkedDay& d) { return d.weekday == 0 && d.weekdayCount == 5; }},
        {"3rd wed of nov",
         [](const WalkedDay& d) { return d.weekday == 3 && d.weekdayCount == 3 && d.month == 11; }},
        {"1st day", [](const WalkedDay& d) { return d.day == 1; }},
        {"last day", [](const WalkedDay& d) { return d.day == d.monthLength; }},
        {"last day of feb",
         [](const WalkedDay& d) { return d.month == 2 && d.day == d.monthLength; }},
        {"day 15", [](const WalkedDay& d) { return d.day == 15; }},
        {"day 31", [](const WalkedDay& d) { return d.day == 31; }},
        {"day 29 of feb", [](const WalkedDay& d) { return d.month == 2 && d.day == 29; }},
        {"yearly 03-14", [](const WalkedDay& d) { return d.month == 3 && d.day == 14; }},
        {"yearly 02-29", [](const WalkedDay& d) { return d.month == 2 && d.day == 29; }},
        {"day 60 of year", [](const WalkedDay& d) { return d.dayOfYear == 60; }},
        {"day 366 of year", [](const WalkedDay& d) { return d.dayOfYear == 366; }},
    };
    const std::vector<WalkedDay> calendar = WalkCalendar();
    for (const auto& c : cases) {
        const ReadResult<RepeatRule> read = ReadRule(std::string(c.days) + " 9:00", {});
        ASSERT_TRUE(read.Ok()) << c.days << ": " << read.Error();
        for (const WalkedDay& d : calendar)
            ASSERT_EQ(DaySpecMatchesDate(read.Value().daySpec, d.date), c.meant(d))
                << c.days << " on day " << d.date;
    }
}

// Every day rule the repeating editor can make, as its day-spec code.
std::vector<std::string> EditorDayCodes() {
    std::vector<std::string> codes;
    for (int set = 1; set < 128; ++set) {
        std::string digits;
        for (int d = 0; d < 7; ++d)
            if (set & (1 << d))
                digits += static_cast<char>('0' + d);
        codes.push_back(digits);
    }
    for (int day = 1; day <= 31; ++day)
        for (int month = 0; month <= 12; ++month)
            codes.push_back(EncodeDayOfMonth(day, month));
    for (int day = 1; day <= 366; ++day)
        codes.push_back(EncodeDayOfYear(day));
    for (int occurrence = 0; occurrence <= 5; ++occurrence)
        for (int weekday = 0; weekday <= 7; ++weekday)
            for (int month = 0; month <= 12; ++month)
                codes.push_back(EncodeNthWeekday(occurrence, weekday, month));
    return codes;
}

TEST(RuleText, EveryRuleTheEditorMakesReadsBackFromItsDescription) {
    std::mt19937 random(25);
    std::uniform_int_distribution<int> second(0, 24 * 3600 - 2);
    std::uniform_int_distribution<int> interval(10, 720);
    std::uniform_int_distribution<int> choice(0, 3);
    const std::vector<std::string> codes = EditorDayCodes();
    ASSERT_EQ(codes.size(), 127u + 31 * 13 + 366 + 6 * 8 * 13);
    for (const RegionalSettings& user : {TwelveHourSettings(), TwentyFourHourSettings()})
        for (const std::string& code : codes)
            for (int round = 0; round < 3; ++round) {
                // Times to the minute, or with seconds where the user's format shows them.
                int start = second(random);
                if (choice(random) != 0)
                    start -= start % 60;
                const TDateTime first = EncodeTime(start / 3600, start / 60 % 60, start % 60);
                const int kind = choice(random);
                const std::int32_t minutes = kind == 0 ? 0 : interval(random);
                const int end = start + 1 + second(random) % (24 * 3600 - 1 - start);
                const bool hasUntil = kind == 3 || (kind == 0 && round == 2);
                const TDateTime until =
                    kind == 3 ? EncodeTime(end / 3600, end / 60 % 60, end % 60) : 0;
                const std::unique_ptr<TReminder> reminder = TReminder::CreateRepeating(
                    KindRepeating, first, hasUntil, until, code, minutes, "m", "", 0);
                const RepeatRule rule = RepeatRuleOf(*reminder);
                const std::string text = DescribeRule(rule);
                const ReadResult<RepeatRule> read = ReadRule(text, user);
                ASSERT_TRUE(read.Ok()) << '"' << text << "\": " << read.Error();
                ASSERT_EQ(read.Value(), rule) << '"' << text << '"';
            }
}

// An ending time that is not in use: "Until" kept by a once-a-day reminder from an earlier
// edit, or a time kept without "Until". The rule leaves it out, and a reminder made from the
// rule keeps the same schedule.
TEST(RuleText, AnEndingTimeNotInUseIsLeftOut) {
    const struct {
        std::int32_t minutes;
        bool hasUntil;
        TDateTime until;
        RepeatRule rule;
    } cases[] = {
        {0, true, 0, Rule("0123456", T(9, 0))},
        {0, true, T(17, 0), Rule("0123456", T(9, 0))},
        {30, false, T(17, 0), Rule("0123456", T(9, 0), 30)},
        {-30, true, T(17, 0), Rule("0123456", T(9, 0))}, // a damaged file: once a day
    };
    for (const auto& c : cases) {
        const std::unique_ptr<TReminder> kept = TReminder::CreateRepeating(
            KindRepeating, T(9, 0), c.hasUntil, c.until, "0123456", c.minutes, "m", "", 0);
        const RepeatRule rule = RepeatRuleOf(*kept);
        EXPECT_EQ(rule, c.rule) << c.minutes;
        const std::unique_ptr<TReminder> made =
            TReminder::CreateRepeating(KindRepeating, rule.firstTime, rule.hasUntil, rule.untilTime,
                                       rule.daySpec, rule.repeatMinutes, "m", "", 0);
        SettableClock clock;
        for (int minute = 0; minute < 24 * 60; minute += 5) {
            clock.SetNow(EncodeDate(2027, 3, 10) + EncodeTime(minute / 60, minute % 60));
            kept->ScheduleTodayAfresh(clock);
            made->ScheduleTodayAfresh(clock);
            ASSERT_EQ(kept->When, made->When) << c.minutes << " at minute " << minute;
            ASSERT_EQ(kept->Status, made->Status) << c.minutes << " at minute " << minute;
        }
    }
}

TEST(RuleText, Descriptions) {
    const struct {
        RepeatRule rule;
        const char* text;
    } cases[] = {
        {Rule("12345", T(8, 30)), "weekdays 8:30"},
        {Rule("12345", T(9, 0), 30, T(17, 0)), "every 30m 9:00-17:00 weekdays"},
        {Rule("0123456", T(7, 5, 9), 90), "every 1h30m 7:05:09 daily"},
        {Rule("026", T(19, 0)), "sun,tue,sat 19:00"},
        {Rule("60", T(19, 0)), "weekends 19:00"},
        {Rule(EncodeNthWeekday(1, 2, 0), T(19, 0)), "2nd tue 19:00"},
        {Rule(EncodeNthWeekday(5, 7, 2), T(9, 0)), "last day of feb 9:00"},
        {Rule(EncodeDayOfMonth(15, 3), T(9, 0)), "day 15 of mar 9:00"},
        {Rule(EncodeDayOfMonth(15, 0), T(23, 59)), "day 15 23:59"},
        {Rule(EncodeDayOfYear(74), T(0, 0), 120), "every 2h 0:00 day 74 of year"},
        // Codes only a damaged file holds: the days are left out.
        {Rule("$9 9 9 ", T(9, 0)), "9:00"},
        {Rule("@x y", T(9, 0)), "9:00"},
        {Rule("#400", T(9, 0)), "9:00"},
        {Rule("", T(9, 0), 30), "every 30m 9:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DescribeRule(c.rule), c.text);
}

TEST(RuleText, BadInputIsNamedInOneLine) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"", "cannot read an empty rule"},
        {"daily 25:70", "cannot read the time '25:70' in 'daily 25:70'"},
        {"daily", "no time of day in 'daily' (e.g. 'daily 9:00')"},
        {"9:00", "no days in '9:00' (e.g. 'daily 9:00')"},
        {"daily 9:00-17:00",
         "an ending time needs an interval in 'daily 9:00-17:00' (e.g. 'every 30m 9:00-17:00')"},
        {"every 5m 9:00 daily",
         "the interval '5m' in 'every 5m 9:00 daily' must be from 10 minutes to 12 hours"},
        {"every 12h 1m 9:00 daily",
         "the interval '12h 1m' in 'every 12h 1m 9:00 daily' must be from 10 minutes to 12 hours"},
        {"every 1d 9:00 daily",
         "the interval '1d' in 'every 1d 9:00 daily' must be from 10 minutes to 12 hours"},
        {"every 9:00 daily", "cannot read the interval '9:00' in 'every 9:00 daily'"},
        {"every", "no interval after 'every' in 'every'"},
        {"every 30m 9:00-8:00 daily",
         "the ending time '8:00' in 'every 30m 9:00-8:00 daily' must be later than the starting "
         "time"},
        {"every 30m 9:00 until 9:00 daily",
         "the ending time '9:00' in 'every 30m 9:00 until 9:00 daily' must be later than the "
         "starting time"},
        {"daily until", "no ending time after 'until' in 'daily until'"},
        {"daily 9:00 10:00",
         "cannot read '10:00' in 'daily 9:00 10:00': the time is given already"},
        {"daily weekdays 9:00",
         "cannot read 'weekdays' in 'daily weekdays 9:00': the days are given already"},
        {"daily mon 9:00", "cannot read 'mon' in 'daily mon 9:00': the days are given already"},
        {"mon daily 9:00", "cannot read 'daily' in 'mon daily 9:00': the days are given already"},
        {"every week 9:00 daily",
         "the interval 'week' in 'every week 9:00 daily' must be from 10 minutes to 12 hours"},
        {"every 30m every 1h 9:00 daily",
         "cannot read '1h' in 'every 30m every 1h 9:00 daily': the interval is given already"},
        {"every 30m 9:00-17:00 until 18:00 daily",
         "cannot read '18:00' in 'every 30m 9:00-17:00 until 18:00 daily': the ending time is "
         "given already"},
        {"mon,xyz 9:00", "cannot read the day 'xyz' in 'mon,xyz 9:00'"},
        {"mon-xyz 9:00", "cannot read the day 'mon-xyz' in 'mon-xyz 9:00'"},
        {"xyz 9:00", "cannot read 'xyz' in 'xyz 9:00'"},
        {"6th tue 9:00",
         "cannot read the occurrence '6th' in '6th tue 9:00' (1st to 5th, or last)"},
        {"2nd xyz 9:00", "cannot read the weekday 'xyz' in '2nd xyz 9:00'"},
        {"2nd", "no weekday after '2nd' in '2nd'"},
        {"2nd tue of xyz 9:00", "cannot read the month 'xyz' in '2nd tue of xyz 9:00'"},
        {"day 32 9:00", "the day '32' in 'day 32 9:00' must be from 1 to 31"},
        {"day 0 9:00", "the day '0' in 'day 0 9:00' must be from 1 to 31"},
        {"day 367 of year 9:00", "the day '367' in 'day 367 of year 9:00' must be from 1 to 366"},
        {"day x 9:00", "cannot read the day 'x' in 'day x 9:00'"},
        {"day", "no day after 'day' in 'day'"},
        {"day 15 of", "no month after 'of' in 'day 15 of'"},
        {"yearly 02-30 9:00", "the date '02-30' in 'yearly 02-30 9:00' does not exist"},
        {"yearly 13-01 9:00", "the date '13-01' in 'yearly 13-01 9:00' does not exist"},
        {"yearly 3/14 9:00", "cannot read the date '3/14' in 'yearly 3/14 9:00'"},
        {"yearly", "no date after 'yearly' in 'yearly'"},
    };
    for (const auto& c : cases) {
        const ReadResult<RepeatRule> read = ReadRule(c.text, TwelveHourSettings());
        ASSERT_FALSE(read.Ok()) << '"' << c.text << '"';
        EXPECT_EQ(read.Error(), c.message);
    }
}

// Rules put together from parts in any order, some of them spoiled by a stranger word: none
// may crash or hang the reader, and whatever it takes describes as a text that reads back as
// the same rule.
TEST(RuleText, AnyRuleTakenReadsBackFromItsDescription) {
    const std::vector<std::vector<std::string>> parts = {
        {"daily", "weekdays", "2nd tue", "last day of feb", "day 15", "yearly 02-29", "mon,wed",
         "sat - sun", "every day", "day 366 of year", "5th sun of each month", "on fri"},
        {"9:00", "5:00 pm", "9:00-17:00", "at 9:00", "from 9:00 to 17:00", "23:59:59"},
        {"", "every 30m", "every 1h 30m", "every 5m", "every 12 hours"},
    };
    test::SpoiledTexts texts(
        {"x", "6th", "13-40", "-", ",", "of", "99", "until", "mon-xy", "day", "25:70", "", "\n"});
    int taken = 0;
    int refused = 0;
    for (int round = 0; round < 20000; ++round) {
        std::vector<std::string> words;
        for (const auto& kind : parts)
            words.push_back(texts.Any(kind));
        std::shuffle(words.begin(), words.end(), texts.Random());
        const std::string text = texts.Text(words, round);
        const ReadResult<RepeatRule> read = ReadRule(text, TwelveHourSettings());
        if (!read.Ok()) {
            ++refused;
            ASSERT_FALSE(read.Error().empty()) << text;
            ASSERT_EQ(read.Error().find('\n'), std::string::npos) << text;
            continue;
        }
        ++taken;
        const std::string described = DescribeRule(read.Value());
        const ReadResult<RepeatRule> again = ReadRule(described, TwentyFourHourSettings());
        ASSERT_TRUE(again.Ok()) << text << " -> " << described << ": " << again.Error();
        ASSERT_EQ(again.Value(), read.Value()) << text << " -> " << described;
    }
    EXPECT_GT(taken, 5000);
    EXPECT_GT(refused, 5000);
}

} // namespace
} // namespace nudgery

// Missed occurrences of repeating reminders: chosen gaps with their expected lines, random gaps
// against a minute-by-minute walk, and every occurrence of a gap either missed or still to
// fire by the schedule rule, never both.
#include "core/clock.h"
#include "core/date_formats.h"
#include "core/dayspec.h"
#include "core/missed_occurrences.h"
#include "core/reminder.h"
#include "regional_samples.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace nudgery {
namespace {

constexpr double SecondsPerDay = 86400;

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return EncodeDate(y, mo, d) + EncodeTime(h, mi, s);
}

struct Rule {
    const char* daySpec;
    int firstHour, firstMinute;
    int every = 0;      // minutes; 0 once a day
    int untilHour = -1; // -1 no end time
    int untilMinute = 0;
    std::uint8_t eventType = EventShowAndPlay;
};

// The reminder as the program holds it at `now`: scheduled for that day.
TReminder Scheduled(const Rule& rule, TDateTime now) {
    auto r = TReminder::CreateRepeating(
        KindRepeating, EncodeTime(rule.firstHour, rule.firstMinute), rule.untilHour >= 0,
        rule.untilHour >= 0 ? EncodeTime(rule.untilHour, rule.untilMinute) : 0, rule.daySpec,
        rule.every, "message", "", rule.eventType);
    r->ScheduleTodayAfresh(SettableClock(now));
    return *r;
}

std::vector<MissedOccurrences> Missed(const std::vector<TReminder>& reminders,
                                      TDateTime lastRunning, TDateTime now) {
    std::vector<const TReminder*> pointers;
    for (const TReminder& r : reminders)
        pointers.push_back(&r);
    return FindMissedOccurrences(pointers, lastRunning, now);
}

// A line as expected: first and last to the second, and the count of more.
struct Line {
    TDateTime first;
    TDateTime last;
    int more;
};

std::string Show(TDateTime t) {
    const CalendarDate d = DecodeDate(t);
    const ClockTime c = DecodeTime(t);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", d.year, d.month, d.day,
                  c.hour, c.minute, c.second, c.millisecond);
    return text;
}

// Occurrences drift from the whole minute by AddMinutes' excess, under a tenth of a second a
// day; a second apart is another occurrence.
bool SameSecond(TDateTime a, TDateTime b) {
    return std::abs(a - b) * SecondsPerDay < 0.5;
}

struct GapCase {
    const char* name;
    Rule rule;
    TDateTime lastRunning;
    TDateTime now;
    std::vector<Line> expected;
};

// 6 March 2026 is a Friday, 9 March the Monday after.
const GapCase GapCases[] = {
    {"weekday evening before the weekend",
     {"12345", 17, 30},
     At(2026, 3, 6, 17),
     At(2026, 3, 9, 9),
     {{At(2026, 3, 6, 17, 30), At(2026, 3, 6, 17, 30), 0}}},
    {"a weekday rule skips the weekend, and Monday after now is still to come",
     {"12345", 10, 0},
     At(2026, 3, 6, 17),
     At(2026, 3, 9, 9),
     {}},
    {"weekend rule on both days",
     {"06", 10, 0},
     At(2026, 3, 6, 17),
     At(2026, 3, 9, 9),
     {{At(2026, 3, 7, 10), At(2026, 3, 7, 10), 0}, {At(2026, 3, 8, 10), At(2026, 3, 8, 10), 0}}},
    {"on Monday before now",
     {"1", 8, 30},
     At(2026, 3, 6, 17),
     At(2026, 3, 9, 9),
     {{At(2026, 3, 9, 8, 30), At(2026, 3, 9, 8, 30), 0}}},
    {"every 15 minutes from 8:00 to 18:00 on weekdays, one line a day",
     {"12345", 8, 0, 15, 18, 0},
     At(2026, 3, 6, 17, 0, 30),
     At(2026, 3, 9, 9, 0, 30),
     {{At(2026, 3, 6, 17, 15), At(2026, 3, 6, 18), 3}, {At(2026, 3, 9, 8), At(2026, 3, 9, 9), 4}}},
    {"every 15 minutes on all days, a whole day counted",
     {"0123456", 8, 0, 15, 18, 0},
     At(2026, 3, 6, 19),
     At(2026, 3, 8, 7),
     {{At(2026, 3, 7, 8), At(2026, 3, 7, 18), 40}}},
    {"the end time itself counts",
     {"0123456", 8, 10, 40, 17, 30},
     At(2026, 3, 6, 12),
     At(2026, 3, 6, 20),
     {{At(2026, 3, 6, 12, 10), At(2026, 3, 6, 17, 30), 8}}},
    {"the step after the end time does not count",
     {"0123456", 8, 10, 40, 17, 0},
     At(2026, 3, 6, 12),
     At(2026, 3, 6, 20),
     {{At(2026, 3, 6, 12, 10), At(2026, 3, 6, 16, 50), 7}}},
    {"a gap inside one day, both ends between occurrences",
     {"0123456", 8, 0, 10},
     At(2026, 3, 6, 10, 7, 30),
     At(2026, 3, 6, 10, 52, 30),
     {{At(2026, 3, 6, 10, 10), At(2026, 3, 6, 10, 50), 4}}},
    {"without an end time, the last occurrence of the day is before midnight",
     {"0123456", 22, 0, 60},
     At(2026, 3, 7, 23, 30),
     At(2026, 3, 9, 0, 30),
     {{At(2026, 3, 8, 22), At(2026, 3, 8, 23), 1}}},
    {"day of the month over a month end with 31 days",
     {"@31 0", 9, 0},
     At(2026, 3, 30, 12),
     At(2026, 4, 2, 12),
     {{At(2026, 3, 31, 9), At(2026, 3, 31, 9), 0}}},
    {"day of the month over a month end with 30 days",
     {"@31 0", 9, 0},
     At(2026, 4, 29, 12),
     At(2026, 5, 2, 12),
     {}},
    {"last Friday of every month over a month end",
     {"$5 5 0 ", 9, 0},
     At(2026, 1, 29, 12),
     At(2026, 2, 2, 12),
     {{At(2026, 1, 30, 9), At(2026, 1, 30, 9), 0}}},
    {"second Monday of March",
     {"$1 1 3 ", 9, 0},
     At(2026, 3, 1),
     At(2026, 3, 31),
     {{At(2026, 3, 9, 9), At(2026, 3, 9, 9), 0}}},
    {"first day of the year over the year end",
     {"#1  ", 0, 5},
     At(2026, 12, 30, 12),
     At(2027, 1, 2, 12),
     {{At(2027, 1, 1, 0, 5), At(2027, 1, 1, 0, 5), 0}}},
    {"day 366 only in a leap year",
     {"#366", 12, 0},
     At(2028, 12, 30),
     At(2029, 1, 2),
     {{At(2028, 12, 31, 12), At(2028, 12, 31, 12), 0}}},
    {"29 February over the end of a leap year's February",
     {"@29 2", 9, 0},
     At(2028, 2, 28, 12),
     At(2028, 3, 1, 12),
     {{At(2028, 2, 29, 9), At(2028, 2, 29, 9), 0}}},
    {"summer time starts: a time in the hour the clock skipped fell due at the jump",
     {"0123456", 2, 30},
     At(2026, 3, 29, 1, 50),
     At(2026, 3, 29, 4),
     {{At(2026, 3, 29, 2, 30), At(2026, 3, 29, 2, 30), 0}}},
    {"summer time ends: the clock reads earlier than when last running, nothing is missed",
     {"0123456", 1, 55},
     At(2026, 10, 25, 2, 50),
     At(2026, 10, 25, 2, 10),
     {}},
    {"summer time ends: after the repeated hour, its times count once",
     {"0123456", 0, 0, 30},
     At(2026, 10, 25, 1, 50),
     At(2026, 10, 25, 3, 10),
     {{At(2026, 10, 25, 2), At(2026, 10, 25, 3), 2}}},
    {"a reminder that does nothing is not missed",
     {"0123456", 9, 0, 0, -1, 0, EventDoNothing},
     At(2026, 3, 5),
     At(2026, 3, 6, 12),
     {}},
    {"a reminder that only plays its sound is missed",
     {"0123456", 9, 0, 0, -1, 0, EventPlayOnly},
     At(2026, 3, 6),
     At(2026, 3, 6, 12),
     {{At(2026, 3, 6, 9), At(2026, 3, 6, 9), 0}}},
    {"the moment last running is not itself missed",
     {"0123456", 9, 0},
     At(2026, 3, 6, 9),
     At(2026, 3, 6, 12),
     {}},
    {"a once-a-day time at now is still to fire, not missed",
     {"0123456", 9, 0},
     At(2026, 3, 6, 8),
     At(2026, 3, 6, 9),
     {}},
    {"a clock set back misses nothing",
     {"0123456", 9, 0},
     At(2026, 3, 7, 12),
     At(2026, 3, 6, 12),
     {}},
    {"an end time before the first time has no occurrence",
     {"0123456", 18, 0, 30, 17, 0},
     At(2026, 3, 5),
     At(2026, 3, 6, 23),
     {}},
};

TEST(MissedOccurrences, ChosenGapsGiveTheirLines) {
    for (const GapCase& c : GapCases) {
        const std::vector<MissedOccurrences> got =
            Missed({Scheduled(c.rule, c.now)}, c.lastRunning, c.now);
        ASSERT_EQ(got.size(), c.expected.size()) << c.name;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].reminder, 0u) << c.name;
            EXPECT_TRUE(SameSecond(got[i].first, c.expected[i].first))
                << c.name << ": first " << Show(got[i].first);
            EXPECT_TRUE(SameSecond(got[i].last, c.expected[i].last))
                << c.name << ": last " << Show(got[i].last);
            EXPECT_EQ(got[i].more, c.expected[i].more) << c.name;
        }
    }
}

TEST(MissedOccurrences, TheOccurrencePendingAfterASleepFiresAndIsNotCounted) {
    // Asleep from 9:55 to 14:00: the 10:00 occurrence is still pending and fires late at the
    // next check; those from 10:15 on were missed.
    const Rule every15 = {"0123456", 8, 0, 15};
    const TDateTime sleep = At(2026, 3, 6, 9, 55);
    const TDateTime wake = At(2026, 3, 6, 14, 0, 30);
    const TReminder held = Scheduled(every15, sleep);
    ASSERT_TRUE(SameSecond(held.When, At(2026, 3, 6, 10)));
    const auto got = Missed({held}, sleep, wake);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_TRUE(SameSecond(got[0].first, At(2026, 3, 6, 10, 15))) << Show(got[0].first);
    EXPECT_TRUE(SameSecond(got[0].last, At(2026, 3, 6, 14))) << Show(got[0].last);
    EXPECT_EQ(got[0].more, 15);

    // A reminder once a day pending at 10:00 over the same sleep: nothing missed.
    EXPECT_TRUE(Missed({Scheduled({"0123456", 10, 0}, sleep)}, sleep, wake).empty());
    // The same reminder when the sleep began after it had fired: missed.
    TReminder fired = Scheduled({"0123456", 10, 0}, sleep);
    fired.Status = StatusNotToday;
    EXPECT_EQ(Missed({fired}, sleep, wake).size(), 1u);
}

TEST(MissedOccurrences, OnlyTheLastDaysOfALongGapAreListed) {
    const TDateTime now = At(2026, 6, 15, 12);
    const auto got = Missed({Scheduled({"0123456", 9, 0}, now)}, At(2026, 1, 1), now);
    ASSERT_EQ(got.size(), static_cast<std::size_t>(MissedLookBackDays));
    EXPECT_TRUE(SameSecond(got.front().first, At(2026, 6, 15, 9) - (MissedLookBackDays - 1)));
    EXPECT_TRUE(SameSecond(got.back().first, At(2026, 6, 15, 9)));
}

TEST(MissedOccurrences, LinesAreInTimeOrderAndNameTheirReminder) {
    const TDateTime now = At(2026, 3, 9, 9);
    const std::vector<TReminder> reminders = {Scheduled({"0123456", 20, 0}, now),
                                              Scheduled({"0123456", 7, 0}, now),
                                              Scheduled({"5", 12, 0}, now)};
    const auto got = Missed(reminders, At(2026, 3, 6, 11), now);
    std::vector<std::pair<std::size_t, TDateTime>> order;
    for (const auto& line : got)
        order.emplace_back(line.reminder, line.first);
    const std::vector<std::pair<std::size_t, TDateTime>> expected = {
        {2, At(2026, 3, 6, 12)}, {0, At(2026, 3, 6, 20)}, {1, At(2026, 3, 7, 7)},
        {0, At(2026, 3, 7, 20)}, {1, At(2026, 3, 8, 7)},  {0, At(2026, 3, 8, 20)},
        {1, At(2026, 3, 9, 7)}};
    ASSERT_EQ(order.size(), expected.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(order[i].first, expected[i].first) << i;
        EXPECT_TRUE(SameSecond(order[i].second, expected[i].second)) << Show(order[i].second);
    }
}

TEST(MissedOccurrences, DamagedValuesMissNothingOrCountAsOnceADay) {
    const TDateTime now = At(2026, 3, 6, 12);
    const TDateTime before = At(2026, 3, 6, 6);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    TReminder r = Scheduled({"0123456", 9, 0, 30}, now);
    for (const TDateTime first : {nan, -0.25, 1.0, 1.5}) {
        TReminder damaged = r;
        damaged.FirstTime = first;
        EXPECT_TRUE(Missed({damaged}, before, now).empty()) << first;
    }
    TReminder endless = r;
    endless.HasUntil = true;
    endless.UntilTime = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(Missed({endless}, before, now).empty());
    // An end time past midnight: the day's occurrences still end with the day, as a time whose
    // date is the next day's never fires.
    TReminder pastMidnight = Scheduled({"0123456", 22, 0, 30}, now);
    pastMidnight.HasUntil = true;
    pastMidnight.UntilTime = 1.5;
    const auto evening = Missed({pastMidnight}, At(2026, 3, 5, 21), At(2026, 3, 6, 3));
    ASSERT_EQ(evening.size(), 1u);
    EXPECT_TRUE(SameSecond(evening[0].last, At(2026, 3, 5, 23, 30))) << Show(evening[0].last);
    EXPECT_EQ(evening[0].more, 3);
    TReminder unreadableDay = r;
    unreadableDay.DaySpec = "#abc";
    EXPECT_TRUE(Missed({unreadableDay}, before, now).empty());
    TReminder backwards = r;
    backwards.RepeatMinutes = -30;
    const auto once = Missed({backwards}, before, now);
    ASSERT_EQ(once.size(), 1u);
    EXPECT_EQ(once[0].more, 0);
    TReminder pendingNotANumber = r;
    pendingNotANumber.When = nan;
    EXPECT_EQ(Missed({pendingNotANumber}, before, now).size(), 1u);
    EXPECT_TRUE(Missed({r}, nan, now).empty());
    EXPECT_TRUE(Missed({r}, before, nan).empty());
    EXPECT_TRUE(Missed({r}, -std::numeric_limits<double>::infinity(), now).empty());
}

TEST(MissedOccurrences, MoreTextNamesTheCountAndTheLastTime) {
    DateFormats formats;
    formats.SaveUserDateFormats(test::TwentyFourHourSettings());
    EXPECT_EQ(MoreOccurrencesText({0, At(2026, 3, 6, 8), At(2026, 3, 6, 17), 95}, formats),
              "and 95 more until 5:00pm");
    EXPECT_EQ(MoreOccurrencesText({0, At(2026, 3, 6, 8), At(2026, 3, 6, 8, 15), 1}, formats),
              "and 1 more until 8:15am");
    EXPECT_EQ(MoreOccurrencesText({0, At(2026, 3, 6, 8), At(2026, 3, 6, 8), 0}, formats), "");
}

// The oracle: a walk over the gap minute by minute, with each occurrence worked out in whole
// minutes from the reminder's rule: the first time, then every interval up to the end time and
// before midnight. The rule's minute of grace after the end time is used up by the program's
// minute, a little longer than a real one, after two minutes of steps: only an occurrence at
// most one minute of steps from the first lands in it.
struct OracleRule {
    std::string daySpec;
    int first; // minute of the day
    int every; // 0 once a day
    int until; // minute of the day, or -1
};

using LineKey = std::tuple<std::size_t, long>; // reminder, day
struct OracleLine {
    long firstMinute = 0, lastMinute = 0;
    int count = 0;
};

bool OccursAt(const OracleRule& rule, int minuteOfDay) {
    if (rule.every == 0)
        return minuteOfDay == rule.first;
    const int end = rule.until >= 0 ? rule.until : 23 * 60 + 59;
    const bool withinEnd =
        minuteOfDay <= end || (minuteOfDay == end + 1 && minuteOfDay - rule.first <= 1);
    return minuteOfDay >= rule.first && (minuteOfDay - rule.first) % rule.every == 0 && withinEnd;
}

// Gap ends are at half minutes, clear of every occurrence and of its drift.
std::map<LineKey, OracleLine> Walk(const std::vector<OracleRule>& rules, long fromHalfMinute,
                                   long toHalfMinute, long today) {
    std::map<LineKey, OracleLine> lines;
    const long firstDay = today - (MissedLookBackDays - 1);
    for (long minute = fromHalfMinute / 2 + 1; 2 * minute <= toHalfMinute; ++minute) {
        const long day = minute / 1440;
        const int minuteOfDay = static_cast<int>(minute % 1440);
        if (day < firstDay)
            continue;
        for (std::size_t i = 0; i < rules.size(); ++i) {
            if (!OccursAt(rules[i], minuteOfDay) ||
                !DaySpecMatchesDate(rules[i].daySpec, static_cast<TDateTime>(day)))
                continue;
            OracleLine& line = lines[{i, day}];
            if (line.count++ == 0)
                line.firstMinute = minute;
            line.lastMinute = minute;
        }
    }
    return lines;
}

class RandomRules {
public:
    OracleRule Rule() {
        OracleRule r;
        r.daySpec = DaySpec();
        r.first = Int(0, 1439);
        r.every = Pick({0, 0, 1, 7, 10, 15, 30, 45, 60, 90, 240, 719, 1439, 1440, 5000});
        r.until = Int(0, 2) == 0 ? -1 : Int(0, 1439);
        return r;
    }
    // A gap of a few minutes to several weeks, its ends at half minutes, near month and year
    // ends and leap days more often than chance would have it.
    std::pair<long, long> Gap() {
        static const TDateTime Anchors[] = {At(2026, 3, 6),   At(2026, 12, 31), At(2028, 2, 28),
                                            At(2026, 4, 30),  At(2027, 1, 1),   At(2026, 2, 27),
                                            At(2026, 10, 25), At(2026, 7, 15)};
        const long anchor = static_cast<long>(Anchors[Int(0, 7)]) * 2880;
        const long from = anchor + 2 * Int(-4000, 4000) + 1;
        const int length = Pick({Int(1, 120), Int(1, 2880), Int(1, 20000), Int(1, 100000)});
        return {from, from + 2 * length};
    }

private:
    std::string DaySpec() {
        switch (Int(0, 3)) {
        case 0: {
            std::string days;
            for (char d = '0'; d <= '6'; ++d)
                if (Int(0, 1) == 1)
                    days += d;
            return days.empty() ? "3" : days;
        }
        case 1:
            return EncodeDayOfYear(Int(1, 366));
        case 2:
            return EncodeDayOfMonth(Int(1, 31), Int(0, 12));
        default:
            return EncodeNthWeekday(Int(0, 5), Int(0, 7), Int(0, 12));
        }
    }
    int Pick(std::initializer_list<int> choices) {
        return choices.begin()[Int(0, static_cast<int>(choices.size()) - 1)];
    }
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    std::mt19937 random_{280228};
};

TEST(MissedOccurrences, RandomGapsGiveWhatAMinuteByMinuteWalkFinds) {
    RandomRules random;
    for (int round = 0; round < 600; ++round) {
        const auto [fromHalf, toHalf] = random.Gap();
        const TDateTime lastRunning = fromHalf / 2880.0;
        const TDateTime now = toHalf / 2880.0;
        std::vector<OracleRule> rules;
        std::vector<TReminder> reminders;
        for (int i = 0; i < 6; ++i) {
            const OracleRule rule = random.Rule();
            rules.push_back(rule);
            reminders.push_back(Scheduled({rule.daySpec.c_str(), rule.first / 60, rule.first % 60,
                                           rule.every, rule.until >= 0 ? rule.until / 60 : -1,
                                           rule.until >= 0 ? rule.until % 60 : 0},
                                          now));
        }
        const auto expected = Walk(rules, fromHalf, toHalf, static_cast<long>(DatePartOf(now)));
        const auto got = Missed(reminders, lastRunning, now);
        ASSERT_EQ(got.size(), expected.size())
            << "round " << round << ", " << Show(lastRunning) << " to " << Show(now);
        for (const MissedOccurrences& line : got) {
            const LineKey key{line.reminder, static_cast<long>(DatePartOf(line.first))};
            const auto found = expected.find(key);
            ASSERT_NE(found, expected.end()) << "round " << round << ": " << Show(line.first);
            const OracleRule& rule = rules[line.reminder];
            const std::string what =
                "round " + std::to_string(round) + ", " + rule.daySpec + " from " +
                std::to_string(rule.first) + " every " + std::to_string(rule.every) + " until " +
                std::to_string(rule.until) + ", " + Show(lastRunning) + " to " + Show(now);
            EXPECT_TRUE(SameSecond(line.first, found->second.firstMinute / 1440.0))
                << what << ": first " << Show(line.first);
            EXPECT_TRUE(SameSecond(line.last, found->second.lastMinute / 1440.0))
                << what << ": last " << Show(line.last);
            EXPECT_EQ(line.more, found->second.count - 1) << what;
        }
    }
}

// At a start at any moment of the day, even on an occurrence to the millisecond, every
// occurrence since the day's start is either missed or the one the schedule rule leaves
// pending, and never both.
TEST(MissedOccurrences, EachOccurrenceIsMissedOrStillToFireAndNeverBoth) {
    std::mt19937 random(1717);
    const TDateTime day = At(2026, 3, 6);
    for (int round = 0; round < 3000; ++round) {
        const int every = std::uniform_int_distribution<int>(0, 3)(random) == 0
                              ? 0
                              : std::uniform_int_distribution<int>(1, 90)(random);
        const Rule rule{"0123456", std::uniform_int_distribution<int>(0, 23)(random),
                        std::uniform_int_distribution<int>(0, 59)(random), every};
        // Stepping as the schedule rule does, every occurrence of the day.
        std::vector<TDateTime> occurrences;
        for (TDateTime t = EncodeTime(rule.firstHour, rule.firstMinute);
             t <= AddMinutes(1, EncodeTime(23, 59)) && DatePartOf(day + t) == day;
             t = AddMinutes(every, t)) {
            occurrences.push_back(day + t);
            if (every == 0)
                break;
        }
        // Now on an occurrence (as the millisecond clock reads it), or anywhere.
        auto pick = std::uniform_int_distribution<std::size_t>(0, occurrences.size() - 1);
        const TDateTime now =
            std::uniform_int_distribution<int>(0, 1)(random) == 0
                ? std::round(occurrences[pick(random)] * 86400000) / 86400000
                : day + std::uniform_int_distribution<int>(0, 86399)(random) / SecondsPerDay;
        const TReminder held = Scheduled(rule, now);
        const auto got = Missed({held}, day, now);
        const int missed = got.empty() ? 0 : got[0].more + 1;
        int due = 0;
        for (const TDateTime occurrence : occurrences)
            due += occurrence > day && occurrence <= now;
        const bool pendingDue = held.Status == StatusPending && held.When <= now && held.When > day;
        ASSERT_EQ(missed + (pendingDue ? 1 : 0), due)
            << "round " << round << ": first " << rule.firstHour << ":" << rule.firstMinute
            << " every " << every << " at " << Show(now);
        if (!got.empty() && pendingDue) {
            EXPECT_NE(got[0].first, held.When);
            EXPECT_NE(got[0].last, held.When);
        }
    }
}

} // namespace
} // namespace nudgery

// The lines of the Missed Reminders window: one per reminder per day, in the order they fell
// due, each repeating reminder looked up in the history only when something of it was missed,
// and nothing told that the history says fired.
#include "alerts/MissedLines.h"
#include "core/date_formats.h"
#include "core/reminder.h"
#include "vector_lists.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace nudgery {
namespace {

constexpr double kOneSecond = 1.0 / 86400;

TDateTime On(int day, int hour, int minute) {
    return EncodeDate(2024, 3, day) + EncodeTime(hour, minute);
}

std::unique_ptr<TReminder> Repeating(const char* text, TDateTime first, int minutes,
                                     TDateTime now) {
    auto reminder = TReminder::CreateRepeating(KindRepeating, first, true, EncodeTime(18, 0),
                                               "0123456", minutes, text, "", EventShowAndPlay);
    SettableClock clock(now);
    reminder->ScheduleTodayAfresh(clock);
    return reminder;
}

struct Line {
    std::string text;
    TDateTime first;
    int more;
};

void ExpectLines(const std::vector<MissedLine>& lines, const std::vector<Line>& expected) {
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(expected[i].text);
        EXPECT_EQ(lines[i].list, ListKind::Repeating);
        EXPECT_EQ(lines[i].description, expected[i].text);
        EXPECT_NEAR(lines[i].first, expected[i].first, kOneSecond);
        EXPECT_EQ(lines[i].more, expected[i].more);
    }
}

TEST(MissedRepeating, LinesOfAllRemindersComeInTheOrderTheyFellDue) {
    const TDateTime now = On(16, 9, 30);
    test::VectorList list;
    list.Put(Repeating("hourly", EncodeTime(8, 0), 60, now));
    list.Put(Repeating("at five", EncodeTime(17, 0), 0, now));
    list.Put(Repeating("not due yet", EncodeTime(12, 0), 0, now));
    ExpectLines(MissedRepeating(list, On(15, 16, 30), now, {}),
                // The program's minute is a shade long: the hourly one comes a hair later.
                {{"at five", On(15, 17, 0), 0},
                 {"hourly", On(15, 17, 0), 1},
                 // Its 10:00 is pending: it fires when due.
                 {"hourly", On(16, 8, 0), 1}});
}

TEST(MissedRepeating, WhatTheHistoryKnowsFiredIsNotToldAndOnlyTheMissedAreLookedUp) {
    const TDateTime now = On(15, 12, 5);
    test::VectorList list;
    list.Put(Repeating("every quarter", EncodeTime(8, 0), 15, now));
    list.Put(Repeating("at one", EncodeTime(13, 0), 0, now));
    list.Put(Repeating("at eleven", EncodeTime(11, 0), 0, now));
    std::map<std::string, int> lookups;
    const LastFellDue history = [&](const TReminder& reminder, TDateTime since) {
        ++lookups[std::string(reminder.Description)];
        EXPECT_EQ(since, On(15, 10, 0));
        // Its 10:45 fired: the history holds that time as the schedule made it.
        return reminder.RepeatMinutes == 15
                   ? std::optional(Repeating("", EncodeTime(8, 0), 15, On(15, 10, 44))->When)
                   : std::nullopt;
    };
    ExpectLines(MissedRepeating(list, On(15, 10, 0), now, history),
                {{"at eleven", On(15, 11, 0), 0}, {"every quarter", On(15, 11, 0), 4}});
    EXPECT_EQ(lookups, (std::map<std::string, int>{{"at eleven", 1}, {"every quarter", 1}}));
}

TEST(MissedRepeating, MoreTextTellsTheCountAndTheLastTime) {
    DateFormats formats;
    MissedLine line{ListKind::Repeating, "x", On(15, 8, 0), On(15, 17, 0), 95};
    EXPECT_EQ(MoreText(line, formats), "and 95 more until 5:00pm");
    line.more = 0;
    EXPECT_EQ(MoreText(line, formats), "");
}

} // namespace
} // namespace nudgery

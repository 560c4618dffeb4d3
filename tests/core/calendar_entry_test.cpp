// Reminders as calendar entries and back: every field of any reminder returns, the common
// parts say what a calendar should show, and a change made in another program wins.

#include "core/calendar_entry.h"
#include "core/dayspec.h"
#include "core/reminder.h"
#include "random_reminders.h"

#include <cstring>
#include <gtest/gtest.h>
#include <set>

namespace nudgery {
namespace {

// Tuesday 8 December 2026.
const TDateTime Today = EncodeDate(2026, 12, 8);

std::vector<const TReminder*> View(const std::vector<TReminder>& reminders) {
    std::vector<const TReminder*> view;
    for (const TReminder& reminder : reminders)
        view.push_back(&reminder);
    return view;
}

CalendarEntry EntryOf(const TReminder& reminder, ListKind list) {
    const std::vector<const TReminder*> one{&reminder};
    return CalendarEntries(list == ListKind::OneTime ? one : std::vector<const TReminder*>{},
                           list == ListKind::Repeating ? one : std::vector<const TReminder*>{},
                           Today)
        .front();
}

bool HasProperty(const CalendarEntry& entry, std::string_view name) {
    for (const auto& [n, v] : entry.properties)
        if (n == name)
            return true;
    return false;
}

TEST(CalendarEntry, AnyReminderComesBackFieldForField) {
    std::mt19937 random(2026);
    for (int i = 0; i < 3000; ++i) {
        const auto list = i % 2 == 0 ? ListKind::OneTime : ListKind::Repeating;
        const TReminder reminder = RandomReminder(
            random, list == ListKind::OneTime ? KindOneTime : KindRepeating, Today);
        const CalendarEntry entry = EntryOf(reminder, list);
        ASSERT_EQ(OwnEntryList(entry), list);
        const TReminder back = ReminderForEntry(entry, list);
        // Doubles by their bits: NaN included.
        ASSERT_TRUE(std::memcmp(&back.When, &reminder.When, sizeof(double)) == 0) << i;
        ASSERT_EQ(back, reminder) << i;
    }
}

TEST(CalendarEntry, RemindersAsTheEditorsMakeThemNeedNoExactFields) {
    const TReminder oneTime =
        *TReminder::CreateNormal(KindOneTime, Today + EncodeTime(9, 30), "Call the dentist",
                                 "/snd/ring.wav", EventShowAndPlay);
    const TReminder repeating =
        *TReminder::CreateRepeating(KindRepeating, EncodeTime(9, 0), true, EncodeTime(17, 0),
                                    "12345", 30, "Stretch", "", EventShowOnly);
    for (const auto& [reminder, list] :
         {std::pair{oneTime, ListKind::OneTime}, {repeating, ListKind::Repeating}}) {
        const CalendarEntry entry = EntryOf(reminder, list);
        std::set<std::string> names;
        for (const auto& [name, value] : entry.properties)
            names.insert(name);
        std::set<std::string> expected{"X-NUDGERY-LIST", "X-NUDGERY-ACTION", "X-NUDGERY-STATUS"};
        if (!reminder.SoundFile.empty())
            expected.insert("X-NUDGERY-SOUND-FILE");
        EXPECT_EQ(names, expected);
        EXPECT_EQ(ReminderForEntry(entry, list), reminder);
    }
}

TEST(CalendarEntry, CommonPartsSayWhatACalendarShows) {
    const TReminder dentist =
        *TReminder::CreateNormal(KindOneTime, EncodeDate(2026, 12, 24) + EncodeTime(18, 30, 15),
                                 "Dinner", "", EventShowOnly);
    const CalendarEntry oneTime = EntryOf(dentist, ListKind::OneTime);
    EXPECT_EQ(oneTime.start, dentist.When);
    EXPECT_FALSE(oneTime.rule);
    EXPECT_EQ(oneTime.summary, "Dinner");
    EXPECT_EQ(oneTime.alarmRepeat, 0);

    // Every 30 minutes from 9:00 until 17:00 on the last Friday of the month: the first one
    // from today is Christmas day, and the alarm rings 16 times more.
    const TReminder friday =
        *TReminder::CreateRepeating(KindRepeating, EncodeTime(9, 0), true, EncodeTime(17, 0),
                                    EncodeNthWeekday(5, 5, 0), 30, "Timesheet", "", EventShowOnly);
    const CalendarEntry repeating = EntryOf(friday, ListKind::Repeating);
    EXPECT_EQ(repeating.start, EncodeDate(2026, 12, 25) + EncodeTime(9, 0));
    ASSERT_TRUE(repeating.rule);
    EXPECT_EQ(repeating.rule->byDay, (std::vector<WeekdayPosition>{{-1, 5}}));
    EXPECT_EQ(repeating.alarmRepeat, 16);
    EXPECT_EQ(repeating.alarmRepeatMinutes, 30);
}

TEST(CalendarEntry, RemindersWithoutACalendarDayAreTasksWithoutAStart) {
    TReminder never = *TReminder::CreateRepeating(KindRepeating, EncodeTime(9, 0), false, 0,
                                                  "no digits", 0, "Never", "", EventShowOnly);
    TReminder undated = *TReminder::CreateNormal(KindOneTime, -5, "Undated", "", EventShowOnly);
    for (const auto& [reminder, list] :
         {std::pair{never, ListKind::Repeating}, {undated, ListKind::OneTime}}) {
        const CalendarEntry entry = EntryOf(reminder, list);
        EXPECT_FALSE(entry.start);
        EXPECT_FALSE(entry.rule);
        EXPECT_EQ(ReminderForEntry(entry, list), reminder);
    }
}

TEST(CalendarEntry, ChangesMadeInAnotherProgramWinOverTheExactFields) {
    // A time with a fraction of a second and a message a calendar cannot show as it is: both
    // are kept exactly beside the common parts.
    TReminder reminder = *TReminder::CreateNormal(KindOneTime, Today + EncodeTime(9, 30, 0, 250),
                                                  "caf\xE9", "", EventShowOnly);
    CalendarEntry entry = EntryOf(reminder, ListKind::OneTime);
    ASSERT_TRUE(HasProperty(entry, "X-NUDGERY-WHEN"));
    ASSERT_TRUE(HasProperty(entry, "X-NUDGERY-MESSAGE"));
    ASSERT_EQ(ReminderForEntry(entry, ListKind::OneTime), reminder);

    CalendarEntry moved = entry;
    moved.start = Today + EncodeTime(11, 0);
    EXPECT_EQ(ReminderForEntry(moved, ListKind::OneTime).When, Today + EncodeTime(11, 0));
    CalendarEntry renamed = entry;
    renamed.summary = "Tea";
    EXPECT_EQ(std::string(ReminderForEntry(renamed, ListKind::OneTime).Description), "Tea");

    TReminder weekly = *TReminder::CreateRepeating(KindRepeating, EncodeTime(8, 0), false, 0, "531",
                                                   0, "Gym", "", EventShowOnly);
    CalendarEntry rescheduled = EntryOf(weekly, ListKind::Repeating);
    ASSERT_TRUE(HasProperty(rescheduled, "X-NUDGERY-DAY-RULE")); // "531" is written "135"
    rescheduled.rule->byDay = {{0, 2}, {0, 4}};
    EXPECT_EQ(std::string(ReminderForEntry(rescheduled, ListKind::Repeating).DaySpec), "24");
}

TEST(CalendarEntry, TheSameReminderGetsTheSameUidAtEveryExport) {
    std::mt19937 random(8);
    std::vector<TReminder> reminders;
    for (int i = 0; i < 200; ++i)
        reminders.push_back(RandomReminder(random, KindOneTime, Today));
    reminders.push_back(reminders[3]); // a clone
    const auto first = CalendarEntries(View(reminders), {}, Today);
    for (TReminder& reminder : reminders)
        reminder.Status = StatusDone; // firing changes nothing of the UID
    const auto second = CalendarEntries(View(reminders), {}, Today + 40);
    std::set<std::string> uids;
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].uid, second[i].uid);
        uids.insert(first[i].uid);
    }
    EXPECT_EQ(uids.size(), reminders.size());
}

TEST(CalendarEntry, EntriesOfOtherProgramsAreNotTheProgramsOwn) {
    CalendarEntry foreign;
    foreign.start = Today;
    EXPECT_FALSE(OwnEntryList(foreign));
    // Own entries whose rule another program has made one no day rule matches.
    TReminder weekly = *TReminder::CreateRepeating(KindRepeating, EncodeTime(8, 0), false, 0, "135",
                                                   0, "Gym", "", EventShowOnly);
    CalendarEntry counted = EntryOf(weekly, ListKind::Repeating);
    counted.rule->count = 10;
    EXPECT_FALSE(OwnEntryList(counted));
    TReminder once = *TReminder::CreateNormal(KindOneTime, Today, "Once", "", EventShowOnly);
    CalendarEntry recurring = EntryOf(once, ListKind::OneTime);
    recurring.rule = RuleForDaySpec("1");
    EXPECT_FALSE(OwnEntryList(recurring));
}

} // namespace
} // namespace nudgery

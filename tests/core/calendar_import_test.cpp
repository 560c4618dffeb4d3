// The import plan over items as the calendar reader gives them: what each kind of alarm and
// rule becomes, what cannot be taken and why, and that nothing is added twice.

#include "core/calendar_import.h"
#include "core/clock.h"
#include "core/dayspec.h"
#include "core/import_memory.h"
#include "core/reminder_list.h"

#include <gtest/gtest.h>

namespace nudgery {
namespace {

// Tuesday 8 December 2026, 12:00.
const TDateTime Today = EncodeDate(2026, 12, 8);
const TDateTime Now = Today + EncodeTime(12, 0);

CalendarAlarm Alarm(std::string action, std::vector<TDateTime> times) {
    CalendarAlarm alarm;
    alarm.action = std::move(action);
    alarm.times = std::move(times);
    return alarm;
}

CalendarItem Item(std::string uid, std::string summary, TDateTime start,
                  std::vector<CalendarAlarm> alarms) {
    CalendarItem item;
    item.entry.uid = std::move(uid);
    item.title = summary;
    item.entry.summary = std::move(summary);
    item.entry.start = start;
    item.alarms = std::move(alarms);
    return item;
}

// A recurring item of a day rule, with one alarm at `time` on every day the rule selects in
// the window, as the reader gives it.
CalendarItem Recurring(std::string uid, const std::string& code, TDateTime time,
                       std::string action = "DISPLAY") {
    std::vector<TDateTime> times;
    for (int i = 0; i < ImportWindowDays; ++i)
        if (DaySpecMatchesDate(code, Today + i))
            times.push_back(Today + i + time);
    CalendarItem item =
        Item(std::move(uid), "Standup", times.front(), {Alarm(std::move(action), times)});
    item.recurs = true;
    item.entry.rule = RuleForDaySpec(code);
    return item;
}

struct Planning {
    ImportMemory memory;
    std::vector<const TReminder*> oneTime;
    std::vector<const TReminder*> repeating;
    ImportDefaults defaults{EventShowAndPlay, "/snd/default.wav"};

    ImportPlan Plan(const std::vector<CalendarItem>& items) const {
        return PlanImport(items, {oneTime, repeating, memory, defaults, Now});
    }
};

TEST(CalendarImport, AnEventWithADisplayAlarmIsAOneTimeReminderWithTheDefaults) {
    const TDateTime at = Today + 2 + EncodeTime(8, 45);
    const ImportPlan plan =
        Planning().Plan({Item("a", "Dentist", at + 0.01, {Alarm("DISPLAY", {at})})});
    ASSERT_EQ(plan.reminders.size(), 1u);
    const PlannedReminder& planned = plan.reminders.front();
    EXPECT_EQ(planned.list, ListKind::OneTime);
    EXPECT_EQ(planned.reminder.When, at);
    EXPECT_EQ(std::string(planned.reminder.Description), "Dentist");
    EXPECT_EQ(planned.reminder.EventType, EventShowAndPlay);
    EXPECT_EQ(std::string(planned.reminder.SoundFile), "/snd/default.wav");
    EXPECT_TRUE(plan.refused.empty());
}

TEST(CalendarImport, AlarmsRingingTogetherMakeOneReminder) {
    const TDateTime at = Today + 1 + EncodeTime(9, 0);
    CalendarAlarm audio = Alarm("AUDIO", {at});
    audio.soundFile = "/snd/gong.wav";
    CalendarAlarm earlier = Alarm("DISPLAY", {at - 1.0 / 24});
    Planning planning;
    planning.defaults.eventType = EventShowOnly;
    const ImportPlan plan =
        planning.Plan({Item("a", "Meeting", at, {Alarm("DISPLAY", {at}), audio, earlier}),
                       Item("b", "Music", at, {audio})});
    ASSERT_EQ(plan.reminders.size(), 3u);
    EXPECT_EQ(plan.reminders[0].reminder.When, at - 1.0 / 24);
    EXPECT_EQ(plan.reminders[0].reminder.EventType, EventShowOnly);
    EXPECT_EQ(plan.reminders[1].reminder.When, at);
    EXPECT_EQ(plan.reminders[1].reminder.EventType, EventShowAndPlay);
    EXPECT_EQ(std::string(plan.reminders[1].reminder.SoundFile), "/snd/gong.wav");
    EXPECT_EQ(plan.reminders[2].reminder.EventType, EventPlayOnly);
}

TEST(CalendarImport, WhatCannotBeTakenIsToldWithItsReason) {
    const TDateTime later = Today + 3;
    CalendarItem cancelled = Item("c", "Cancelled", later, {Alarm("DISPLAY", {later})});
    cancelled.refusal = "cancelled";
    const ImportPlan plan = Planning().Plan({
        Item("a", "Mail me", later, {Alarm("EMAIL", {later}), Alarm("DISPLAY", {later})}),
        Item("b", "No alarm", later, {}),
        cancelled,
        Item("d", "Long ago", Today - 30, {Alarm("DISPLAY", {Today - 30})}),
        Item("e", "", later, {Alarm("PROCEDURE", {later})}),
    });
    ASSERT_EQ(plan.refused.size(), 5u);
    const std::vector<std::string> reasons{"EMAIL alarm", "no alarm", "cancelled",
                                           "its alarm time has passed", "PROCEDURE alarm"};
    for (std::size_t i = 0; i < reasons.size(); ++i)
        EXPECT_EQ(plan.refused[i].reason, reasons[i]);
    EXPECT_EQ(plan.refused[0].what, "Mail me (2026-12-11 00:00)");
    EXPECT_EQ(plan.refused[4].what, "(no summary) (2026-12-11 00:00)");
    EXPECT_EQ(plan.reminders.size(), 1u); // the display alarm of "Mail me"
}

TEST(CalendarImport, ARuleADayRuleMatchesIsARepeatingReminder) {
    CalendarItem item = Recurring("w", "135", EncodeTime(7, 30));
    item.alarms.front().repeat = 4;
    item.alarms.front().repeatMinutes = 15;
    const ImportPlan plan = Planning().Plan({item});
    ASSERT_EQ(plan.reminders.size(), 1u);
    const TReminder& reminder = plan.reminders.front().reminder;
    EXPECT_EQ(plan.reminders.front().list, ListKind::Repeating);
    EXPECT_EQ(std::string(reminder.DaySpec), "135");
    EXPECT_EQ(reminder.FirstTime, EncodeTime(7, 30));
    EXPECT_EQ(reminder.RepeatMinutes, 15);
    EXPECT_TRUE(reminder.HasUntil);
    EXPECT_EQ(reminder.UntilTime, EncodeTime(8, 30));
    EXPECT_TRUE(plan.notes.empty());
}

TEST(CalendarImport, OccurrencesThatLeaveTheDayRuleAreTakenOneByOne) {
    // One Wednesday left out: no day rule has that gap.
    CalendarItem gap = Recurring("g", "3", EncodeTime(7, 30));
    gap.alarms.front().times.erase(gap.alarms.front().times.begin() + 2);
    // The same rule, but the item says an EXDATE lies ahead.
    CalendarItem excepted = Recurring("x", "3", EncodeTime(7, 30));
    excepted.ruleException = "days left out of its rule";
    // A rule with COUNT: the reader gives its occurrences, the rule has no day rule.
    CalendarItem counted = Recurring("c", "5", EncodeTime(18, 0));
    counted.entry.rule->count = 3;
    counted.alarms.front().times.resize(3);
    const ImportPlan plan = Planning().Plan({gap, excepted, counted});
    std::size_t gapTaken = 0;
    for (const PlannedReminder& planned : plan.reminders) {
        EXPECT_EQ(planned.list, ListKind::OneTime);
        gapTaken += planned.key.starts_with("g ");
    }
    EXPECT_EQ(gapTaken, gap.alarms.front().times.size());
    EXPECT_EQ(plan.reminders.size(), 2 * gap.alarms.front().times.size() + 1 + 3);
    ASSERT_EQ(plan.notes.size(), 3u);
    EXPECT_NE(plan.notes[2].find("a rule with COUNT=3 and no day rule for it"), std::string::npos);
}

TEST(CalendarImport, OnlyTheFirstOccurrencesUpToTheLimitAreTaken) {
    CalendarItem daily = Recurring("d", "0123456", EncodeTime(7, 0));
    daily.ruleException = "occurrences changed one by one";
    const ImportPlan plan = Planning().Plan({daily});
    EXPECT_EQ(plan.reminders.size(), MostOccurrencesTaken);
    // Today's 7:00 has passed: the first is tomorrow's.
    EXPECT_EQ(plan.reminders.front().reminder.When, Today + 1 + EncodeTime(7, 0));
    ASSERT_EQ(plan.notes.size(), 1u);
    EXPECT_NE(plan.notes[0].find("the first " + std::to_string(MostOccurrencesTaken)),
              std::string::npos);
}

TEST(CalendarImport, ASecondImportAddsNothing) {
    const TDateTime at = Today + 2 + EncodeTime(8, 45);
    const std::vector<CalendarItem> items{
        Item("a", "Dentist", at, {Alarm("DISPLAY", {at})}),
        Recurring("w", "12345", EncodeTime(9, 0)),
    };
    Planning planning;
    const ImportPlan first = planning.Plan(items);
    ASSERT_EQ(first.reminders.size(), 2u);
    for (const PlannedReminder& planned : first.reminders)
        planning.memory.Add(planned.key);
    const ImportPlan second = planning.Plan(items);
    EXPECT_TRUE(second.reminders.empty());
    EXPECT_EQ(second.importedBefore, 2u);
    // Nor does a file that names the same event twice add it twice.
    EXPECT_EQ(Planning().Plan({items[0], items[0]}).reminders.size(), 1u);
}

TEST(CalendarImport, RemindersTheListsHoldAlreadyAreLeftOut) {
    const TDateTime at = Today + 2 + EncodeTime(8, 45);
    const auto existing =
        TReminder::CreateNormal(KindOneTime, at, "Dentist", "/snd/default.wav", EventShowAndPlay);
    Planning planning;
    planning.oneTime = {existing.get()};
    const ImportPlan plan =
        planning.Plan({Item("a", "Dentist", at, {Alarm("DISPLAY", {at})}),
                       Item("b", "Dentist", at + 1, {Alarm("DISPLAY", {at + 1})})});
    EXPECT_EQ(plan.alreadyInLists, 1u);
    ASSERT_EQ(plan.reminders.size(), 1u);
    EXPECT_EQ(plan.reminders.front().reminder.When, at + 1);
}

TEST(CalendarImport, AddedRemindersAreJudgedForTodayAsLoadingDoes) {
    const SettableClock clock(Now);
    TReminder late = *TReminder::CreateNormal(KindOneTime, Now - 1.0 / 24, "", "", 0);
    JudgeAdded(late, ListKind::OneTime, clock);
    EXPECT_EQ(late.Status, StatusExpired);
    TReminder daily = *TReminder::CreateRepeating(KindRepeating, EncodeTime(15, 0), false, 0,
                                                  "0123456", 0, "", "", 0);
    daily.When = 123;
    JudgeAdded(daily, ListKind::Repeating, clock);
    EXPECT_EQ(daily.When, Today + EncodeTime(15, 0));
    EXPECT_EQ(daily.Status, StatusPending);
}

} // namespace
} // namespace nudgery

// New reminders added to lists kept without a window: a one-time reminder lands where a
// binary search of the due times puts it (before all of equal time), a repeating one last,
// each judged for today; and a reminder is found again by its address after others moved it.
#include "core/clock.h"
#include "core/reminder_lists.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace nudgery {
namespace {

// Friday 15 March 2024, 10:00.
const TDateTime Today = EncodeDate(2024, 3, 15);
const SettableClock Clock(Today + EncodeTime(10, 0));

std::vector<TDateTime> Times(const std::vector<ReminderLists::Row>& rows) {
    std::vector<TDateTime> times;
    for (const auto& row : rows)
        times.push_back(row.reminder->When);
    return times;
}

TEST(ReminderRows, OneTimeRemindersLandBeforeTheFirstOfEqualOrLaterTime) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> day(-3, 3), quarter(0, 95);
    ReminderLists lists;
    ReminderRows list(lists.oneTime);
    for (int added = 0; added < 300; ++added) {
        const TDateTime when = Today + day(random) + quarter(random) / 96.0;
        std::vector<TDateTime> expected = Times(lists.oneTime);
        const auto place = std::lower_bound(expected.begin(), expected.end(), when);
        const auto expectedIndex = place - expected.begin();
        expected.insert(place, when);

        auto reminder = TReminder::CreateNormal(KindOneTime, when, "r", "", 0);
        const TReminder* address = reminder.get();
        const int index = list.Add(std::move(reminder), ListKind::OneTime, Clock);
        ASSERT_EQ(index, expectedIndex);
        ASSERT_EQ(list.At(index), address);
        ASSERT_EQ(Times(lists.oneTime), expected);
        ASSERT_EQ(lists.oneTime[static_cast<std::size_t>(index)].firstCell, "r");
    }
}

TEST(ReminderRows, AddedRemindersAreJudgedForToday) {
    ReminderLists lists;
    ReminderRows oneTime(lists.oneTime);
    const struct {
        TDateTime when;
        std::uint8_t status;
    } cases[] = {{Today - 1 + 0.5, StatusExpired},
                 {Today + 0.25, StatusExpired},
                 {Today + EncodeTime(9, 55), StatusPending},
                 {Today + 0.75, StatusPending},
                 {Today + 1, StatusNotToday}};
    for (const auto& c : cases) {
        auto reminder = TReminder::CreateNormal(KindOneTime, c.when, "r", "", 0);
        const int index = oneTime.Add(std::move(reminder), ListKind::OneTime, Clock);
        // As loading the data file judges it.
        TReminder loaded = *oneTime.At(index);
        loaded.Status = StatusPending;
        loaded.UpdateNormalStatus(Clock);
        EXPECT_EQ(oneTime.At(index)->Status, loaded.Status) << c.when;
        EXPECT_EQ(oneTime.At(index)->Status, c.status) << c.when;
    }

    ReminderRows repeating(lists.repeating);
    for (const char* days : {"5", "0", "12345"}) {
        auto reminder = TReminder::CreateRepeating(KindRepeating, EncodeTime(18, 0), false, 0, days,
                                                   0, days, "", 0);
        const int index = repeating.Add(std::move(reminder), ListKind::Repeating, Clock);
        EXPECT_EQ(index, repeating.Count() - 1) << "the order of adding";
        TReminder scheduled = *repeating.At(index);
        scheduled.ScheduleTodayAfresh(Clock);
        EXPECT_EQ(*repeating.At(index), scheduled) << days;
    }
    // Friday: due at 18:00 today for "5" and "12345", not on a Sunday-only rule.
    EXPECT_EQ(repeating.At(0)->Status, StatusPending);
    EXPECT_EQ(repeating.At(1)->Status, StatusNotToday);
}

TEST(ReminderRows, AReminderIsFoundByItsAddressWhereverItMoved) {
    ReminderLists lists;
    ReminderRows list(lists.oneTime);
    list.Add(TReminder::CreateNormal(KindOneTime, Today + 0.5, "noon", "", 0), ListKind::OneTime,
             Clock);
    const TReminder* noon = std::as_const(list).At(0);
    const std::uint64_t before = list.Revision();
    for (int hour = 0; hour < 12; ++hour)
        list.Add(TReminder::CreateNormal(KindOneTime, Today + hour / 24.0, "early", "", 0),
                 ListKind::OneTime, Clock);
    EXPECT_NE(list.Revision(), before);
    EXPECT_EQ(list.IndexOf(noon), 12);
    TReminder stranger;
    EXPECT_EQ(list.IndexOf(&stranger), -1);
    list.Remove(3);
    EXPECT_EQ(list.IndexOf(noon), 11);
}

TEST(ReminderRows, AListLoadedForChangeKeepsTheStatusesOnFile) {
    auto done = TReminder::CreateNormal(KindOneTime, Today + 0.25, "done", "", 0);
    done->Status = StatusDone;
    // Pending on file, but its day has passed: a load for today judges it Expired.
    auto missed = TReminder::CreateNormal(KindOneTime, Today - 2, "missed", "", 0);
    const std::vector<const TReminder*> oneTime{done.get(), missed.get()};
    const std::vector<std::uint8_t> bytes = EncodeDataFile(oneTime, {});

    ReminderLists judged;
    ASSERT_TRUE(DecodeDataFile(bytes, judged, Clock));
    EXPECT_EQ(judged.oneTime[1].reminder->Status, StatusExpired);

    ReminderLists forChange;
    forChange.keepStoredStatus = true;
    ASSERT_TRUE(DecodeDataFile(bytes, forChange, Clock));
    EXPECT_EQ(forChange.oneTime[0].reminder->Status, StatusDone);
    EXPECT_EQ(forChange.oneTime[1].reminder->Status, StatusPending);
    // Saved again, the file is as it was.
    EXPECT_EQ(EncodeDataFile(ReminderLists::View(forChange.oneTime), {}), bytes);
}

} // namespace
} // namespace nudgery

// The whole data file: exact layout, loading with statuses given anew, damaged files,
// and random round trips.

#include "core/clock.h"
#include "core/data_file.h"
#include "core/reminder_lists.h"
#include "random_reminders.h"
#include "record_bytes.h"
#include "running_clock.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace nudgery {
namespace {

using namespace testing_bytes;

// Tuesday 8 December 2026, 10:00.
const TDateTime Today = EncodeDate(2026, 12, 8);
const TDateTime Now = Today + EncodeTime(10, 0);

struct Loaded {
    ReminderLists lists;
    bool complete = false;
};

Loaded Load(const Bytes& bytes, TDateTime now = Now) {
    SettableClock clock(now);
    Loaded loaded;
    loaded.complete = DecodeDataFile(bytes, loaded.lists, clock);
    return loaded;
}

Bytes Save(const ReminderLists& lists) {
    return EncodeDataFile(ReminderLists::View(lists.oneTime), ReminderLists::View(lists.repeating));
}

TEST(DataFile, TwoEmptyListsAre20Bytes) {
    const Bytes expected{0x01, 0x03, 0x9A, 0x02, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00,
                         0x00, 0x00, 0x80, 0x00, 0x40, 0x00, 0x01, 0x00, 0x01, 0x00};
    EXPECT_EQ(EncodeDataFile({}, {}), expected);

    const Loaded loaded = Load(expected);
    EXPECT_TRUE(loaded.complete);
    EXPECT_TRUE(loaded.lists.oneTime.empty());
    EXPECT_TRUE(loaded.lists.repeating.empty());
}

TEST(DataFile, ListsAreWrittenInTheirOrderAfterTheHeader) {
    TReminder first;
    first.When = 45406.25;
    first.Description = "b";
    TReminder second;
    second.Description = "a";
    second.Status = StatusDone;
    TReminder repeating;
    repeating.Kind = KindRepeating;
    repeating.Description = std::string(300, 'r');

    const TReminder* oneTime[] = {&first, &second};
    const TReminder* repeatingList[] = {&repeating};
    const Bytes longText = Join({{0x0C, 0x2C, 0x01, 0x00, 0x00}, Bytes(300, 'r')});
    const Bytes expected = Join({Header, ListBegin, OneTimeRecord(0, Float45406_25, "b", 0),
                                 OneTimeRecord(0, FloatZero, "a", 1), ListEnd, ListBegin,
                                 Join({Int8(1),
                                       Int8(0),
                                       FloatZero,
                                       FloatZero,
                                       FloatZero,
                                       {0x08},
                                       longText,
                                       ShortText(""),
                                       ShortText(""),
                                       Int8(0),
                                       Int8(0),
                                       {0x08}}),
                                 ListEnd});
    EXPECT_EQ(EncodeDataFile(oneTime, repeatingList), expected);
}

// A file written from reminders, for the loading tests below.
Bytes FileOf(const std::vector<TReminder>& oneTime, const std::vector<TReminder>& repeating) {
    std::vector<const TReminder*> oneTimeView;
    for (const TReminder& reminder : oneTime) {
        oneTimeView.push_back(&reminder);
    }
    std::vector<const TReminder*> repeatingView;
    for (const TReminder& reminder : repeating) {
        repeatingView.push_back(&reminder);
    }
    return EncodeDataFile(oneTimeView, repeatingView);
}

TReminder OneTime(TDateTime when, std::uint8_t status, std::string description = "") {
    TReminder reminder;
    reminder.When = when;
    reminder.Status = status;
    reminder.Description = std::move(description);
    return reminder;
}

TReminder Repeating(std::string daySpec, TDateTime firstTime, TDateTime storedWhen,
                    std::uint8_t storedStatus, std::string description = "") {
    TReminder reminder;
    reminder.Kind = KindRepeating;
    reminder.DaySpec = std::move(daySpec);
    reminder.FirstTime = firstTime;
    reminder.When = storedWhen;
    reminder.Status = storedStatus;
    reminder.Description = std::move(description);
    return reminder;
}

TEST(DataFile, LoadGivesEveryOneTimeReminderItsStatusAnew) {
    const Loaded loaded = Load(
        FileOf({OneTime(Today - 1 + 0.5, StatusPending), OneTime(Today + 1 + 0.5, StatusExpired),
                OneTime(Today + EncodeTime(11, 0), StatusExpired), OneTime(Today - 30, StatusDone)},
               {}));
    ASSERT_TRUE(loaded.complete);
    const std::uint8_t expected[] = {StatusExpired, StatusNotToday, StatusPending, StatusDone};
    ASSERT_EQ(loaded.lists.oneTime.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(loaded.lists.oneTime[i].reminder->Status, expected[i]) << i;
        EXPECT_EQ(loaded.lists.oneTime[i].firstCell, "description");
    }
}

// What the loader tells its sink of each one-time reminder: the status the file held, with
// the reminder judged for today, so that those expired unseen can be told.
TEST(DataFile, TheSinkHearsTheStoredStatusOfEachOneTimeReminder) {
    struct Heard final : ReminderListSink {
        TReminder& AddOneTime(std::unique_ptr<TReminder> reminder) override {
            return lists.AddOneTime(std::move(reminder));
        }
        TReminder& AddRepeating(std::unique_ptr<TReminder> reminder) override {
            return lists.AddRepeating(std::move(reminder));
        }
        void RepeatingLoaded(TReminder&) override {}
        void OneTimeLoaded(TReminder& reminder, std::uint8_t storedStatus) override {
            pairs.emplace_back(storedStatus, reminder.Status);
            missed += FellDueUnseen(storedStatus, reminder.Status);
        }
        ReminderLists lists;
        std::vector<std::pair<std::uint8_t, std::uint8_t>> pairs;
        int missed = 0;
    } heard;
    const Bytes file = FileOf(
        {OneTime(Today - 1, StatusPending), OneTime(Today - 2, StatusNotToday),
         OneTime(Today - 1, StatusExpired), OneTime(Today - 1, StatusDone),
         OneTime(Today + EncodeTime(9, 55), StatusPending), OneTime(Today + 1, StatusPending)},
        {});
    ASSERT_TRUE(DecodeDataFile(file, heard, SettableClock(Now)));
    const std::vector<std::pair<std::uint8_t, std::uint8_t>> expected{
        {StatusPending, StatusExpired}, {StatusNotToday, StatusExpired},
        {StatusExpired, StatusExpired}, {StatusDone, StatusDone},
        {StatusPending, StatusPending}, {StatusPending, StatusNotToday}};
    EXPECT_EQ(heard.pairs, expected);
    // The first two only: the others were seen already, or are still to come.
    EXPECT_EQ(heard.missed, 2);
}

TEST(DataFile, LoadSchedulesEveryRepeatingReminderFromScratch) {
    const TDateTime eleven = EncodeTime(11, 0);
    const TDateTime nine = EncodeTime(9, 0);
    const Loaded loaded =
        Load(FileOf({}, {Repeating("0123456", eleven, 12345.5, StatusNotToday, "Stretch"),
                         Repeating("0123456", nine, Today + nine, StatusPending, "Late"),
                         Repeating("", nine, 777.25, StatusPending, "Never")}));
    ASSERT_TRUE(loaded.complete);
    ASSERT_EQ(loaded.lists.repeating.size(), 3u);
    const TReminder& later = *loaded.lists.repeating[0].reminder;
    EXPECT_EQ(later.Status, StatusPending);
    EXPECT_DOUBLE_EQ(later.When, Today + eleven);
    const TReminder& passed = *loaded.lists.repeating[1].reminder;
    EXPECT_EQ(passed.Status, StatusNotToday);
    EXPECT_EQ(passed.When, 0.0) << "the stored due time is dropped";
    const TReminder& never = *loaded.lists.repeating[2].reminder;
    EXPECT_EQ(never.Status, StatusNotToday);
    EXPECT_EQ(never.When, 0.0);
    EXPECT_EQ(loaded.lists.repeating[0].firstCell, "Stretch");
    EXPECT_EQ(loaded.lists.repeating[2].firstCell, "Never");
}

TEST(DataFile, EveryReminderIsJudgedAtTheMomentTheLoadBegins) {
    // A clock that moves on by an hour at every reading, from 23:30: any reading after the
    // first would be tomorrow and judge the reminders due tonight as past.
    const std::vector<TReminder> oneTime(50, OneTime(Today + EncodeTime(23, 45), StatusPending));
    const std::vector<TReminder> repeating(
        50, Repeating("0123456", EncodeTime(23, 50), 0, StatusPending, "late"));
    RunningClock clock(Today + EncodeTime(23, 30), EncodeTime(1, 0));
    ReminderLists lists;
    ASSERT_TRUE(DecodeDataFile(FileOf(oneTime, repeating), lists, clock));
    EXPECT_EQ(clock.readings, 1);
    for (const auto& row : lists.oneTime)
        ASSERT_EQ(row.reminder->Status, StatusPending);
    for (const auto& row : lists.repeating)
        ASSERT_EQ(row.reminder->When, Today + EncodeTime(23, 50));
}

TEST(DataFile, RemindersOfOneSoundFileShareItsText) {
    std::vector<TReminder> oneTime;
    for (int i = 0; i < 12; ++i) {
        oneTime.push_back(OneTime(Today + EncodeTime(11, i), StatusPending));
        oneTime.back().SoundFile = "/home/user/sounds/tone-" + std::to_string(i % 3) + ".wav";
    }
    const Loaded loaded = Load(FileOf(oneTime, {}));
    ASSERT_EQ(loaded.lists.oneTime.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i) {
        const CompactText& sound = loaded.lists.oneTime[i].reminder->SoundFile;
        EXPECT_EQ(sound, oneTime[i].SoundFile);
        EXPECT_EQ(sound.data(), loaded.lists.oneTime[i % 3].reminder->SoundFile.data()) << i;
    }
}

TEST(DataFile, AFileCutInsideTheThirdMessageLoadsTheTwoRemindersBeforeIt) {
    const Bytes whole = FileOf({OneTime(Today + 0.5, StatusPending, "one"),
                                OneTime(Today + 0.75, StatusPending, "two"),
                                OneTime(Today - 1 + 0.5, StatusDone, "Dentist at nine")},
                               {Repeating("0123456", EncodeTime(11, 0), 0, StatusPending, "rep")});
    // Header 16, list mark 1, two records of 52 bytes, then into the third: Kind,
    // EventType, When, FirstTime, UntilTime and HasUntil (38 bytes), the message's text
    // head and 7 of its bytes.
    const std::size_t cut = 16 + 1 + 2 * 52 + 38 + 2 + 7;
    const Loaded loaded = Load(Bytes(whole.begin(), whole.begin() + cut));
    EXPECT_FALSE(loaded.complete);
    ASSERT_EQ(loaded.lists.oneTime.size(), 2u) << "half a reminder is no reminder";
    EXPECT_EQ(loaded.lists.oneTime[0].reminder->Description, "one");
    EXPECT_EQ(loaded.lists.oneTime[1].reminder->Description, "two");
    EXPECT_TRUE(loaded.lists.repeating.empty());
}

// A file of reminders with a message each, cut at every byte: the reminders whose records
// end at or before the cut load whole, and no other. Where the records end is found from
// files of fewer reminders, not from the reader.
TEST(DataFile, ACutAtAnyByteLoadsExactlyTheRecordsBeforeIt) {
    const std::vector<TReminder> oneTime = {OneTime(Today + 0.5, StatusPending, "one"),
                                            OneTime(Today - 1, StatusDone, "two, done"),
                                            OneTime(Today + 2, StatusPending, "three")};
    const std::vector<TReminder> repeating = {
        Repeating("12345", EncodeTime(11, 0), 0, StatusPending, "weekdays"),
        Repeating("06", EncodeTime(9, 0), 0, StatusPending, "weekends")};
    const Bytes whole = FileOf(oneTime, repeating);
    // Where each record ends: a file of the first k reminders, less its list marks after
    // them (the one-time list's end, the repeating list's begin and end).
    std::vector<std::size_t> oneTimeEnds, repeatingEnds;
    for (std::size_t k = 1; k <= oneTime.size(); ++k)
        oneTimeEnds.push_back(FileOf({oneTime.begin(), oneTime.begin() + k}, {}).size() - 3);
    for (std::size_t k = 1; k <= repeating.size(); ++k)
        repeatingEnds.push_back(FileOf(oneTime, {repeating.begin(), repeating.begin() + k}).size() -
                                1);
    const auto endedBy = [](const std::vector<std::size_t>& ends, std::size_t cut) {
        return static_cast<std::size_t>(
            std::count_if(ends.begin(), ends.end(), [cut](std::size_t end) { return end <= cut; }));
    };

    // Each reminder loaded from a cut file is the same as from the whole file.
    const Loaded full = Load(whole);
    ASSERT_TRUE(full.complete);
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        SCOPED_TRACE(cut);
        const Loaded loaded = Load(Bytes(whole.begin(), whole.begin() + cut));
        EXPECT_FALSE(loaded.complete);
        ASSERT_EQ(loaded.lists.oneTime.size(), endedBy(oneTimeEnds, cut));
        ASSERT_EQ(loaded.lists.repeating.size(), endedBy(repeatingEnds, cut));
        for (std::size_t i = 0; i < loaded.lists.oneTime.size(); ++i)
            EXPECT_EQ(*loaded.lists.oneTime[i].reminder, *full.lists.oneTime[i].reminder) << i;
        for (std::size_t i = 0; i < loaded.lists.repeating.size(); ++i) {
            EXPECT_EQ(*loaded.lists.repeating[i].reminder, *full.lists.repeating[i].reminder) << i;
            EXPECT_EQ(loaded.lists.repeating[i].firstCell, repeating[i].Description);
        }
    }
}

TEST(DataFile, DamageBeforeTheListsLeavesBothEmpty) {
    const Bytes good = FileOf({OneTime(Today + 0.5, StatusPending)}, {});
    Bytes noHeaderStart = good;
    noHeaderStart[0] = 0x02;
    Bytes headerNotClosed = good;
    headerNotClosed[15] = 0x01;
    Bytes noListStart = good;
    noListStart[16] = 0x00;
    for (const Bytes& bytes : {Bytes{}, Bytes{0x01}, noHeaderStart, headerNotClosed, noListStart,
                               Bytes(good.begin(), good.begin() + 17)}) {
        const Loaded loaded = Load(bytes);
        EXPECT_FALSE(loaded.complete);
        EXPECT_TRUE(loaded.lists.oneTime.empty()) << bytes.size();
        EXPECT_TRUE(loaded.lists.repeating.empty());
    }
}

TEST(DataFile, HeaderValuesAreNotCompared) {
    const Bytes bytes = Join({{0x01, 0x02, 0x07, 0x02, 0x01, 0x00},
                              ListBegin,
                              OneTimeRecord(0, Float45406_25, "x", 0),
                              ListEnd,
                              ListBegin,
                              ListEnd});
    const Loaded loaded = Load(bytes);
    EXPECT_TRUE(loaded.complete);
    ASSERT_EQ(loaded.lists.oneTime.size(), 1u);
    EXPECT_EQ(loaded.lists.oneTime[0].reminder->When, 45406.25);
}

TEST(DataFile, MissingRepeatingListKeepsOneTimeRows) {
    const Bytes whole = FileOf({OneTime(Today + 0.5, StatusPending, "kept")},
                               {Repeating("1", 0.5, 0, StatusPending)});
    Bytes noRepeatingStart = whole;
    noRepeatingStart[16 + 1 + 53 + 1] = 0x07;
    for (const Bytes& bytes : {noRepeatingStart, Bytes(whole.begin(), whole.begin() + 71)}) {
        const Loaded loaded = Load(bytes);
        EXPECT_FALSE(loaded.complete);
        ASSERT_EQ(loaded.lists.oneTime.size(), 1u);
        EXPECT_EQ(loaded.lists.oneTime[0].reminder->Description, "kept");
        EXPECT_TRUE(loaded.lists.repeating.empty());
    }
}

TEST(DataFile, ARecordWithAWrongTagEndsTheLoadAndIsNotLoaded) {
    // The second record's sound file holds an integer; the third record and the repeating
    // list after it cannot be told from the bytes that follow.
    Bytes damaged = OneTimeRecord(0, Float45406_25, "second", 0);
    const std::size_t soundFile = 2 + 2 + 11 + 11 + 11 + 1 + ShortText("second").size();
    damaged[soundFile] = 0x02;
    const Bytes bytes =
        Join({Header, ListBegin, OneTimeRecord(0, Float45406_25, "first", 1), damaged,
              OneTimeRecord(0, Float45406_25, "third", 1), ListEnd, ListBegin, ListEnd});
    const Loaded loaded = Load(bytes);
    EXPECT_FALSE(loaded.complete);
    ASSERT_EQ(loaded.lists.oneTime.size(), 1u);
    EXPECT_EQ(loaded.lists.oneTime[0].reminder->Description, "first");
    EXPECT_TRUE(loaded.lists.repeating.empty());
}

TEST(DataFile, WhatFollowsTheListsIsIgnored) {
    Bytes bytes = FileOf({OneTime(Today + 0.5, StatusPending)}, {});
    bytes.insert(bytes.end(), {0x01, 0x02, 0xFF, 0x0C});
    const Loaded loaded = Load(bytes);
    EXPECT_TRUE(loaded.complete);
    EXPECT_EQ(loaded.lists.oneTime.size(), 1u);
}

TEST(DataFile, StoredReservedFlagSurvivesLoadAndSave) {
    TReminder flagged = OneTime(Today + 0.5, StatusPending);
    flagged.ReservedFlag = true;
    const Bytes original = FileOf({flagged}, {});
    ASSERT_EQ(original[original.size() - 4], 0x09);
    EXPECT_EQ(Save(Load(original).lists), original);
}

TEST(DataFile, RandomRemindersRoundTripInOrder) {
    std::mt19937 random(1208);
    SettableClock clock(Now);
    for (int round = 0; round < 20; ++round) {
        ReminderLists original;
        for (int i = static_cast<int>(random() % 40); i > 0; --i) {
            original.AddOneTime(
                std::make_unique<TReminder>(RandomReminder(random, KindOneTime, Today)));
        }
        for (int i = static_cast<int>(random() % 40); i > 0; --i) {
            original.AddRepeating(
                std::make_unique<TReminder>(RandomReminder(random, KindRepeating, Today)));
        }
        const Loaded loaded = Load(Save(original));
        ASSERT_TRUE(loaded.complete);
        ASSERT_EQ(loaded.lists.oneTime.size(), original.oneTime.size());
        ASSERT_EQ(loaded.lists.repeating.size(), original.repeating.size());

        // Every field comes back; only what loading recomputes may differ.
        for (std::size_t i = 0; i < original.oneTime.size(); ++i) {
            TReminder expected = *original.oneTime[i].reminder;
            expected.UpdateNormalStatus(clock);
            EXPECT_EQ(*loaded.lists.oneTime[i].reminder, expected) << round << " " << i;
        }
        for (std::size_t i = 0; i < original.repeating.size(); ++i) {
            TReminder expected = *original.repeating[i].reminder;
            expected.When = 0;
            expected.ScheduleToday(clock);
            EXPECT_EQ(*loaded.lists.repeating[i].reminder, expected) << round << " " << i;
        }
    }
}

} // namespace
} // namespace nudgery

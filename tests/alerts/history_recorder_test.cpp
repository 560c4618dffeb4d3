// The recorder between the check cycle and the journal: a missed line goes in once however
// often it is found, and not at all when the reminder fired then; what fell due is looked up
// by the reminder's list and its message in the history's own encoding.
#include "alerts/HistoryRecorder.h"
#include "core/clock.h"
#include "core/reminder.h"
#include "platform/history_journal.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace nudgery {
namespace {

const TDateTime Now = EncodeDate(2024, 3, 15) + EncodeTime(12, 0);

class HistoryRecorderTest : public ::testing::Test {
protected:
    std::vector<HistoryEntry> Entries() { return journal.Newest({}, std::nullopt, 100); }

    TempFolder folder;
    SettableClock clock{Now};
    HistoryJournal journal{folder.Path("Nudgery.history"), Now, {}};
    int recorded = 0;
    HistoryRecorder recorder{journal, clock, [this] { ++recorded; }};
};

TEST_F(HistoryRecorderTest, AMissedLineGoesInOnceAndNotWhenItFired) {
    auto fired = TReminder::Create();
    fired->Description = "fired";
    fired->When = Now - 0.1;
    recorder.FellDue(*fired, ListKind::OneTime, Now - 0.1);
    recorder.Answered(*fired, ListKind::OneTime, {Notifier::Ok, AnswerWay::Given});
    const std::vector<MissedLine> lines{
        {ListKind::OneTime, "fired", Now - 0.1, Now - 0.1, 0},
        {ListKind::OneTime, "missed", Now - 0.2, Now - 0.2, 0},
        {ListKind::Repeating, "missed", Now - 0.2, Now - 0.1, 12},
    };
    recorder.RecordMissed(lines);
    recorder.RecordMissed(lines);
    const std::vector<HistoryEntry> entries = Entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].message, "fired");
    EXPECT_EQ(entries[0].outcome, HistoryOutcome::Answered);
    for (const HistoryEntry& entry : {entries[1], entries[2]}) {
        EXPECT_EQ(entry.message, "missed");
        EXPECT_EQ(entry.outcome, HistoryOutcome::Missed);
        EXPECT_EQ(entry.result, entry.list == ListKind::Repeating ? 12 : 0);
    }
    // Twice for the answer's entry, once for the missed ones; nothing for a batch of none new.
    EXPECT_EQ(recorded, 3);
}

TEST_F(HistoryRecorderTest, LastFellDueIsTheRepeatingReminderOfThatMessageUpToNow) {
    auto reminder = TReminder::CreateRepeating(KindRepeating, EncodeTime(9, 0), false, 0, "0123456",
                                               0, "caf\xc3\xa9", "", EventShowOnly);
    reminder->When = Now - 0.05;
    recorder.FellDue(*reminder, ListKind::Repeating, Now - 0.05);
    recorder.Answered(*reminder, ListKind::Repeating, {3, AnswerWay::Unanswered});
    EXPECT_EQ(recorder.LastFellDue(*reminder, Now - 0.1), Now - 0.05);
    EXPECT_EQ(recorder.LastFellDue(*reminder, Now - 0.01), std::nullopt);
    ASSERT_EQ(Entries().size(), 1u);
    EXPECT_EQ(Entries()[0].message, "caf\xc3\xa9");
    EXPECT_EQ(Entries()[0].outcome, HistoryOutcome::Unanswered);
}

} // namespace
} // namespace nudgery

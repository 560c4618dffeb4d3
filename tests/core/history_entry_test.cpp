// The history's texts: every way a notification can be answered in words, the snooze amounts as
// the buttons name them, and the date a year back from which older entries go.
#include "core/history_entry.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace nudgery {
namespace {

TEST(HistoryEntry, EveryAnswerHasItsWords) {
    const struct {
        HistoryOutcome outcome;
        std::int32_t result;
        const char* text;
    } cases[] = {
        {HistoryOutcome::Answered, 1, "Ok"},
        {HistoryOutcome::Answered, 0, "Ok"},
        {HistoryOutcome::Answered, 2, "Deleted"},
        {HistoryOutcome::Answered, -10, "Snoozed 10 minutes"},
        {HistoryOutcome::Answered, -60, "Snoozed 1 hour"},
        {HistoryOutcome::Answered, 7, "Nothing done"},
        {HistoryOutcome::TimedOut, 1, "Timed out: Ok"},
        {HistoryOutcome::TimedOut, 2, "Timed out: Deleted"},
        {HistoryOutcome::TimedOut, -1440, "Timed out: Snoozed 24 hours"},
        {HistoryOutcome::Open, 0, "Not answered yet"},
        {HistoryOutcome::Unanswered, 0, "Left unanswered at the end"},
        {HistoryOutcome::Missed, 0, "Missed"},
        {HistoryOutcome::Missed, 95, "Missed, and 95 more that day"},
        {HistoryOutcome::NoWindow, 0, "No window shown"},
        {static_cast<HistoryOutcome>(42), 1, "Unknown"},
    };
    for (const auto& c : cases) {
        HistoryEntry entry;
        entry.outcome = c.outcome;
        entry.result = c.result;
        EXPECT_EQ(AnswerText(entry), c.text) << static_cast<int>(c.outcome) << " " << c.result;
    }
}

TEST(HistoryEntry, SnoozeAmountsAreNamedAsTheButtonsNameThem) {
    const struct {
        std::int32_t minutes;
        const char* text;
    } cases[] = {
        {5, "5 minutes"},   {10, "10 minutes"}, {30, "30 minutes"}, {60, "1 hour"},
        {120, "2 hours"},   {240, "4 hours"},   {1440, "24 hours"}, {10080, "1 week"},
        {1, "1 minute"},    {90, "90 minutes"}, {20160, "2 weeks"}, {0, "0 minutes"},
        {-5, "-5 minutes"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SnoozeText(c.minutes), c.text) << c.minutes;
    HistoryEntry extreme;
    extreme.outcome = HistoryOutcome::Answered;
    extreme.result = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(AnswerText(extreme).rfind("Snoozed ", 0), 0u);
}

TEST(HistoryEntry, AYearBeforeKeepsTheTimeAndEndsFebruaryInTime) {
    const TDateTime noon = EncodeTime(12, 0);
    EXPECT_EQ(OneYearBefore(EncodeDate(2026, 3, 6) + noon), EncodeDate(2025, 3, 6) + noon);
    EXPECT_EQ(OneYearBefore(EncodeDate(2028, 2, 29) + noon), EncodeDate(2027, 2, 28) + noon);
    EXPECT_EQ(OneYearBefore(EncodeDate(2027, 1, 1)), EncodeDate(2026, 1, 1));
    EXPECT_EQ(OneYearBefore(EncodeDate(1, 6, 1)), 0);
}

} // namespace
} // namespace nudgery

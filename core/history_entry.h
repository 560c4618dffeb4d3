#pragma once
// One entry of the history of reminders: a reminder that fell due, when it was shown, and how
// it was answered. The journal that keeps them lives beside the data file, whose format stays
// as it is.

#include "datetime.h"
#include "list_kind.h"

#include <cstdint>
#include <optional>
#include <string>

namespace nudgery {

enum class HistoryOutcome : std::uint8_t {
    Open = 0,       // shown, and no answer recorded yet
    Answered = 1,   // the user answered; the result says how
    TimedOut = 2,   // the notification answered by itself; the result says how
    Unanswered = 3, // still open when the program ended
    Missed = 4,     // fell due while the program could not show it
    NoWindow = 5,   // fell due with no notification to answer: its sound only, or nothing
};

struct HistoryEntry {
    // Given by the journal.
    std::int64_t id = 0;
    TDateTime due = 0;
    // 0 when no notification was shown, and until it is answered.
    TDateTime shown = 0;
    TDateTime answered = 0;
    ListKind list = ListKind::OneTime;
    // UTF-8.
    std::string message;
    HistoryOutcome outcome = HistoryOutcome::Open;
    // The notification's result: 1 Ok, 2 Delete, -N snoozed by N minutes. For a missed
    // repeating reminder, how many more of its occurrences that day were missed after this one.
    std::int32_t result = 0;

    bool operator==(const HistoryEntry&) const = default;
};

// Which entries to list; an empty filter lists all.
struct HistoryFilter {
    // Entries whose message holds this text, whatever the case (UTF-8; empty: any).
    std::string text;
    // Entries that fell due on this day (a whole day number).
    std::optional<TDateTime> day;
    // One reminder's entries: its list and its message, exactly.
    struct Reminder {
        ListKind list;
        std::string message;
    };
    std::optional<Reminder> reminder;
};

// Where a page of entries, newest first, ended: the next page starts after it.
struct HistoryPosition {
    TDateTime due = 0;
    std::int64_t id = 0;
};

// How an entry was answered, in words: "Ok", "Snoozed 10 minutes", "Timed out: Deleted".
std::string AnswerText(const HistoryEntry& entry);
// "One-time" or "Repeating".
std::string ListText(ListKind list);
// The snooze amounts as the notification's buttons name them: "5 minutes", "1 hour",
// "24 hours", "1 week"; other amounts the same way.
std::string SnoozeText(std::int32_t minutes);

// The same date and time a year earlier (28 February for 29 February): entries before it are
// removed.
TDateTime OneYearBefore(TDateTime now);

} // namespace nudgery

#pragma once
// A reminder as an entry of a calendar file: the parts every calendar program reads (start,
// rule, summary, the alarm's repetitions), in local time, and the program's own X-NUDGERY-…
// properties for the rest. The own properties hold only what the common parts cannot say,
// so that an entry read back gives the reminder field for field; when another program has
// changed the common parts since, they win over the own properties that would contradict
// them.

#include "calendar_rule.h"
#include "datetime.h"
#include "list_kind.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace nudgery {

class TReminder;

struct CalendarEntry {
    std::string uid;
    // The local date and time of the first occurrence, at a whole second. None for a
    // reminder no calendar day stands for, which is written as a task without a date.
    std::optional<TDateTime> start;
    std::optional<RecurrenceRule> rule;
    std::string summary;
    // The alarm at the start repeats this many times, this many minutes apart; 0 when it
    // rings once.
    std::int32_t alarmRepeat = 0;
    std::int32_t alarmRepeatMinutes = 0;
    // The X-NUDGERY-… properties, name and value (printable ASCII), in order.
    std::vector<std::pair<std::string, std::string>> properties;

    bool operator==(const CalendarEntry&) const = default;
};

// What every name of the program's own properties begins with.
inline constexpr std::string_view OwnPropertyPrefix = "X-NUDGERY-";

// The entries of both lists, in list order, one-time list first. A repeating reminder starts
// on the first day from `today` on that its day rule selects. Each entry's UID follows from
// the reminder's contents, so the same reminder gets the same UID at every export; equal
// reminders are told apart by a number.
std::vector<CalendarEntry> CalendarEntries(std::span<const TReminder* const> oneTime,
                                           std::span<const TReminder* const> repeating,
                                           TDateTime today);

// The list an entry written by the program belongs to; none for an entry of another
// program, or one whose common parts no longer fit its list (a rule no day rule matches).
std::optional<ListKind> OwnEntryList(const CalendarEntry& entry);

// The reminder an entry of the program's own stands for, its fields as they were written
// (its status is not yet judged for today). `list` is what OwnEntryList gave.
TReminder ReminderForEntry(const CalendarEntry& entry, ListKind list);

} // namespace nudgery

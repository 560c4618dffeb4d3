#pragma once
// The occurrences of repeating reminders that fell due while the program could not show them
// (it was not running, or the computer was asleep): those after the moment it was last seen
// running, up to now. They are gathered as one line per reminder per day, so that a reminder
// every few minutes gives one line with a count rather than a line per occurrence.

#include "datetime.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace nudgery {

class DateFormats;
class TReminder;

struct MissedOccurrences {
    // Index of the reminder among those given.
    std::size_t reminder = 0;
    // Date and time of the day's first missed occurrence, and of its last (the same when there
    // is only one).
    TDateTime first = 0;
    TDateTime last = 0;
    // How many occurrences of that day came after the first.
    std::int32_t more = 0;

    bool operator==(const MissedOccurrences&) const = default;
};

// Only the last days of a long gap are looked at: after months away a list of every day would
// bury what matters.
inline constexpr int MissedLookBackDays = 31;

// The missed occurrences of the repeating reminders, ordered by their first time (then by
// reminder). An occurrence is missed when it falls after `lastRunning` and at or before `now`
// on a day its day rule selects, and it is not the occurrence that the reminder, as it stands
// now, still has pending: the check cycle fires that one, late. So pass the reminders as the
// program holds them at `now`, scheduled for today (after a reload at a change of date).
// Occurrences are those the schedule rule steps through: the first time, then every interval
// until a minute after the end time, within the day. Reminders that do nothing when due are
// not missed. Nothing is missed when `now` is not later than `lastRunning` (a clock set back,
// or the hour that repeats when summer time ends) or either is not a number; only the
// occurrences of today and the MissedLookBackDays - 1 days before are looked at.
std::vector<MissedOccurrences> FindMissedOccurrences(std::span<const TReminder* const> repeating,
                                                     TDateTime lastRunning, TDateTime now);

// "and 95 more until 5:00pm" for a line with more than one occurrence; empty for one.
std::string MoreOccurrencesText(const MissedOccurrences& line, const DateFormats& formats);

} // namespace nudgery

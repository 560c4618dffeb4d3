#pragma once
// The reminders that fell due while the program could not show them (it was not running, or
// the computer was asleep), as lines for the user and for the history: a one-time reminder
// that expired unseen, or the missed occurrences of a repeating reminder on one day. They only
// report: the lists stay as they are.

#include "core/datetime.h"
#include "core/list_kind.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace nudgery {

class DateFormats;
class ReminderList;
class TReminder;

struct MissedLine {
    ListKind list = ListKind::OneTime;
    // In the system's 8-bit encoding, like the reminder's own.
    std::string description;
    // When it fell due. For a repeating reminder: the day's first missed occurrence, its last
    // one, and how many came after the first.
    TDateTime first = 0;
    TDateTime last = 0;
    std::int32_t more = 0;

    bool operator==(const MissedLine&) const = default;
};

// The line of a one-time reminder that expired unseen.
MissedLine MissedOneTime(const TReminder& reminder);

// When a repeating reminder last fell due at or after `since`, as far as is known; none when
// not known.
using LastFellDue = std::function<std::optional<TDateTime>(const TReminder&, TDateTime since)>;

// The missed occurrences of the repeating reminders after `since` and up to `now`, one line
// per reminder per day, ordered by their first time. Pass the list as it stands at `now`: the
// occurrence a reminder still has pending is not missed, as the check cycle fires it late.
// Nor is one that `lastFellDue` tells fired (it may have, after `since`: the moment the program
// was last known running is a few minutes old after a crash).
std::vector<MissedLine> MissedRepeating(const ReminderList& repeating, TDateTime since,
                                        TDateTime now, const LastFellDue& lastFellDue);

// "and 95 more until 5:00pm" for a line with more than one occurrence; empty for one.
std::string MoreText(const MissedLine& line, const DateFormats& formats);

} // namespace nudgery

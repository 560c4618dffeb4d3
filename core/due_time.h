#pragma once
// When the check pass fires a reminder, and the earliest time of day at which anything in a
// list can fire today, kept between passes so that a pass over a long list in which nothing
// is due yet costs nothing.

#include "reminder.h"

#include <cstdint>

namespace nudgery {

// Whether the check pass fires `reminder` on `today` at `timeOfDay`: still to be shown,
// due today, and its time reached.
inline bool FallsDue(const TReminder& reminder, TDateTime today, TDateTime timeOfDay) {
    return reminder.Status == StatusPending && reminder.DatePart() == today &&
           !(timeOfDay < reminder.TimePart());
}

// The earliest time of day at which a reminder of one list falls due, worked out for one
// revision of the list on one day. The list's owner counts its revisions: any change to it
// (a reminder added, removed, edited, answered, loaded) gives a new one, and with it the
// earliest time is unknown again.
class EarliestDueTime {
public:
    // True only when the earliest time is known for this revision and day and `timeOfDay`
    // is before it: no reminder of the list can fall due, and the pass may be skipped.
    bool NothingDue(std::uint64_t revision, TDateTime today, TDateTime timeOfDay) const {
        return known_ && revision == revision_ && today == today_ && timeOfDay < earliest_;
    }

    // Starts working the time out anew for `revision` on `today`; each reminder of the list
    // is then passed to Consider.
    void Restart(std::uint64_t revision, TDateTime today) {
        known_ = true;
        revision_ = revision;
        today_ = today;
        earliest_ = kNever;
    }
    void Consider(const TReminder& reminder) {
        if (reminder.Status == StatusPending && reminder.DatePart() == today_ &&
            reminder.TimePart() < earliest_)
            earliest_ = reminder.TimePart();
    }

private:
    // Later than any time of day: a list with nothing left for today.
    static constexpr TDateTime kNever = 2.0;

    bool known_ = false;
    std::uint64_t revision_ = 0;
    TDateTime today_ = 0;
    TDateTime earliest_ = kNever;
};

} // namespace nudgery

#pragma once
// The order of the one-time list: by due time, where every reminder that is added or given
// a new time moves to its place among the others, and nothing else re-sorts the list.

#include "reminder.h"

namespace nudgery {

// Where the reminder at `from` belongs among the `count` reminders of a list whose others
// are in due-time order: directly before the first other reminder, from the top, whose When
// is equal to its own or later (so among equal times it comes first), or last when every
// other is earlier. The index counts as after the move; `from` itself when it stays.
// `reminderAt(i)` gives the reminder at index i, or null for a place that holds none, which
// is passed over.
template <typename ReminderAt> int DateTimeSlot(int count, int from, ReminderAt reminderAt) {
    const TDateTime when = reminderAt(from)->When;
    for (int i = 0; i < count; ++i) {
        if (i == from)
            continue;
        const TReminder* other = reminderAt(i);
        if (other && !(other->When < when))
            return i > from ? i - 1 : i;
    }
    return count - 1;
}

} // namespace nudgery

#pragma once
// One reminder list as the rules that change it see it: the check cycle, and whatever adds
// reminders without a window. The main window's grids are one such list.

#include "date_time_order.h"
#include "reminder.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace nudgery {

class ReminderList {
public:
    virtual ~ReminderList() = default;

    // The reminders, counted from index 0 in list order.
    virtual int Count() const = 0;
    // The reminder at `index`, or null for a place that holds none.
    virtual const TReminder* At(int index) const = 0;
    // The same handed out for change, which counts as a change of the list.
    virtual TReminder* At(int index) = 0;
    // Changes with every change of the list: a reminder added, removed, moved, or handed out
    // for change.
    virtual std::uint64_t Revision() const = 0;
    // Moves the reminder at `from` to `to`; the ones between shift by one.
    virtual void Move(int from, int to) = 0;
    // Removes the reminder at `index`; the ones after it move up by one.
    virtual void Remove(int index) = 0;
    // Tells whoever shows the list that its reminders have changed.
    virtual void Changed() = 0;

    // Moves the one-time reminder at `index`, given a new time, to its place (DateTimeSlot);
    // returns where it is now.
    int MoveToDateTimeSlot(int index) {
        const int to =
            DateTimeSlot(Count(), index, [this](int i) { return std::as_const(*this).At(i); });
        if (to != index)
            Move(index, to);
        return to;
    }
};

// The reminders of `list` in list order, for saving or writing out: those marked for
// deletion by a check pass under way are left out.
inline std::vector<const TReminder*> KeptReminders(const ReminderList& list) {
    std::vector<const TReminder*> reminders;
    reminders.reserve(static_cast<std::size_t>(list.Count()));
    for (int index = 0; index < list.Count(); ++index)
        if (const TReminder* reminder = list.At(index);
            reminder && reminder->Status != StatusDeleteMark)
            reminders.push_back(reminder);
    return reminders;
}

} // namespace nudgery

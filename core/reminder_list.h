#pragma once
// One reminder list as the rules that change it see it: the check cycle, and whatever adds
// reminders without a window (the commands from outside, an import). The main window's grids
// are one such list, the lists loaded without a window another.

#include "clock.h"
#include "date_time_order.h"
#include "list_kind.h"
#include "reminder.h"

#include <cstdint>
#include <memory>
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
    // Appends `reminder` after the last one; returns its index.
    virtual int Append(std::unique_ptr<TReminder> reminder) = 0;

    // Where `reminder` stands now, or -1 when the list does not hold it. A reminder keeps
    // its address while it moves, so a caller that waited (for an answer, for a dialog) finds
    // it again, also when reminders were added before it meanwhile.
    int IndexOf(const TReminder* reminder) const {
        for (int index = 0; index < Count(); ++index)
            if (At(index) == reminder)
                return index;
        return -1;
    }

    // Moves the one-time reminder at `index`, given a new time, to its place (DateTimeSlot);
    // returns where it is now.
    int MoveToDateTimeSlot(int index) {
        const int to =
            DateTimeSlot(Count(), index, [this](int i) { return std::as_const(*this).At(i); });
        if (to != index)
            Move(index, to);
        return to;
    }

    // Adds a new reminder of list `kind` the way every new reminder is added: judged for
    // today, a one-time reminder at its place in due-time order, a repeating one last, in
    // the order of adding. Returns where it is.
    int Add(std::unique_ptr<TReminder> reminder, ListKind kind, const Clock& clock);
};

// Gives an added reminder its status for today, as loading the data file does.
inline void JudgeAdded(TReminder& reminder, ListKind list, const Clock& clock) {
    if (list == ListKind::OneTime)
        reminder.UpdateNormalStatus(clock);
    else
        reminder.ScheduleTodayAfresh(clock);
}

inline int ReminderList::Add(std::unique_ptr<TReminder> reminder, ListKind kind,
                             const Clock& clock) {
    JudgeAdded(*reminder, kind, clock);
    const int index = Append(std::move(reminder));
    Changed();
    return kind == ListKind::OneTime ? MoveToDateTimeSlot(index) : index;
}

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

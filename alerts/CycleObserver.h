#pragma once
// What the check cycle tells as it fires reminders, for what keeps track of them beside the
// notification window: a desktop notification, the program's bus signals, the history.

#include "Notifier.h"
#include "core/datetime.h"
#include "core/list_kind.h"

namespace nudgery {

class TReminder;

class CycleObserver {
public:
    virtual ~CycleObserver() = default;

    // `reminder` of `list` has fallen due at `now`; its sound and notification, as its event
    // type asks, come next.
    virtual void FellDue(const TReminder& reminder, ListKind list, TDateTime now) = 0;
    // The answer it was given and how (a click, the time-out, the program ending; no
    // notification at all), told before the answer changes it: `reminder` is still as it
    // fell due.
    virtual void Answered(const TReminder& reminder, ListKind list,
                          const NotificationAnswer& answer) = 0;
};

} // namespace nudgery

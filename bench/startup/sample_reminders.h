#pragma once
// The reminders the measurements use, made with the program's own types. The usual mix: half
// one-time reminders spread over the nine weeks around now (past, today and to come), half
// repeating reminders with the day rules and intervals a real list has; or repeating
// reminders only, every minute all day, the heaviest schedule there is.

#include "core/reminder.h"

#include <memory>
#include <vector>

namespace nudgery {

// The local date and time now.
TDateTime LocalNow();

struct SampleReminders {
    std::vector<std::unique_ptr<TReminder>> owned;
    std::vector<const TReminder*> oneTime;
    std::vector<const TReminder*> repeating;
};

SampleReminders MakeSampleReminders(int count, TDateTime now, bool everyMinute = false);

} // namespace nudgery

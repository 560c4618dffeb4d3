#pragma once
// A calendar file imported into the two reminder lists without a window: what the commands
// from outside call, on the running copy's lists or on lists loaded from the data file.

#include "core/calendar_import.h"

#include <QString>
#include <functional>

namespace nudgery {

class Clock;
class ReminderList;

struct DataFileImport {
    ImportPlan plan;
    // The plan's reminders are in the lists, and saved.
    bool added = false;
    // Added and saved, but the memory of imports could not be written: why, for the user.
    QString memoryError;
};

// Plans the import of a calendar file into `oneTime` and `repeating` (the memory of imports
// lives beside `dataFilePath`) and asks `agree` with the plan, also one with nothing to add,
// so that it can be shown. Once it agrees, adds the reminders as each list adds a new one,
// calls `save` and remembers what was added. Throws CalendarFileError for a calendar file
// that is refused; when `save` throws, the reminders are taken out of the lists again and
// the exception goes on.
DataFileImport ImportCalendarIntoLists(const QString& calendarPath, ReminderList& oneTime,
                                       ReminderList& repeating, const QString& dataFilePath,
                                       const ImportDefaults& defaults, const Clock& clock,
                                       const std::function<bool(const ImportPlan&)>& agree,
                                       const std::function<void()>& save);

} // namespace nudgery

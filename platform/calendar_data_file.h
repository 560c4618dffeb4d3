#pragma once
// The data file's reminders to and from a calendar file without a window: what the command
// line's export and import call.

#include "core/calendar_import.h"

#include <QString>
#include <functional>

namespace nudgery {

class Clock;
class DataFileStore;

// Writes both lists of the data file to a calendar file; returns how many reminders it
// holds. Throws CalendarFileError when it cannot be written.
std::size_t ExportDataFileToCalendar(const DataFileStore& store, const QString& calendarPath,
                                     const Clock& clock);

struct DataFileImport {
    ImportPlan plan;
    // The plan's reminders are in the data file now.
    bool added = false;
};

// Plans the import of a calendar file into the data file's lists and asks `agree` with the
// plan, also one with nothing to add, so that it can be shown. Once it agrees, adds the reminders
// (a one-time reminder at its place in the order of due times), saves the data file and remembers
// what was added. Throws CalendarFileError for a calendar file that is refused or a data file that
// does not load whole, and DataFileError when the data file cannot be saved: the data file is then
// as it was.
DataFileImport ImportCalendarIntoDataFile(const QString& calendarPath, const DataFileStore& store,
                                          const ImportDefaults& defaults, const Clock& clock,
                                          const std::function<bool(const ImportPlan&)>& agree);

} // namespace nudgery

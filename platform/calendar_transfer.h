#pragma once
// Reminders to and from calendar files on disk: writing an export, reading and planning an
// import, and the memory of what imports added, kept in a file of its own beside the data
// file. No widgets: the menu entries and the command line both call these.

#include "core/calendar_import.h"
#include "core/import_memory.h"

#include <QString>
#include <span>
#include <stdexcept>
#include <string>

namespace nudgery {

class Clock;
class TReminder;

// A calendar file that cannot be written or read, or that is refused; what() is the text
// for the user.
class CalendarFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The system's time zone by its name in the zone database ("Europe/Berlin"); empty when
// it has none.
std::string SystemZoneName();

// Writes both lists to `path` as one calendar file and returns how many reminders it holds.
// A file of that name is replaced only once the new one is written whole.
std::size_t ExportCalendarFile(const QString& path, std::span<const TReminder* const> oneTime,
                               std::span<const TReminder* const> repeating, const Clock& clock);

// Reads the calendar file at `path` and plans its import into the lists of `context`.
// Throws CalendarFileError for a file that cannot be read, or is no calendar or damaged
// (saying where reading stopped).
ImportPlan PlanCalendarFileImport(const QString& path, const ImportContext& context);

// The memory of imports beside the data file at `dataFilePath`.
QString ImportMemoryPath(const QString& dataFilePath);
// What the memory file holds; nothing when there is none or it cannot be read.
ImportMemory LoadImportMemory(const QString& path);
// Adds the keys of the plan's reminders to the memory file. Throws CalendarFileError when
// the file cannot be written; the one there stays as it was.
void RememberImport(const QString& path, const ImportPlan& plan);

// Replaces the file at `path` with `bytes`, so that it is the old or the new file whole at
// every moment. False when it cannot be written.
bool ReplaceFile(const QString& path, std::span<const std::uint8_t> bytes);

} // namespace nudgery

#pragma once
// Both reminder lists in words for the commands from outside: as lines of text that show
// what the main window shows, and as JSON with fixed keys for scripts; and an import plan as
// the command line shows it before asking.

#include <QString>
#include <span>

namespace nudgery {

class Clock;
class DateFormats;
class TReminder;
struct ImportPlan;

// One line a reminder under a heading for each list, in list order: a one-time reminder's
// message, when it is due and its status; a repeating one's message, its rule in the words
// --repeat takes, and its next time today. Texts as the window writes them.
QString ListingText(std::span<const TReminder* const> oneTime,
                    std::span<const TReminder* const> repeating, const DateFormats& formats,
                    const Clock& clock);

// An array with an object a reminder, one-time reminders first, each with the keys list
// ("one-time", "repeating"), index (from 1 in its list), message, when (ISO 8601 local time;
// null for a repeating reminder not due today), status, rule (null for a one-time
// reminder), sound (empty for none) and action.
QString ListingJson(std::span<const TReminder* const> oneTime,
                    std::span<const TReminder* const> repeating);

// The plan's summary, then a line for each reminder it adds, each note, and each entry it
// cannot take with the reason.
QString ImportPlanText(const ImportPlan& plan, const QString& calendarPath,
                       const DateFormats& formats);

} // namespace nudgery

#pragma once
// The import plan: which reminders the items of a calendar file give, which items cannot be
// taken and why, and which were taken before. Nothing is added here; the caller shows the
// plan and adds its reminders once the user agrees.

#include "calendar_item.h"
#include "reminder.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace nudgery {

class DateFormats;
class ImportMemory;

struct PlannedReminder {
    ListKind list = ListKind::OneTime;
    // Its fields as they will be added; its status is judged as it is added.
    TReminder reminder;
    // What the memory of imports keeps for it: the item's UID and the reminder's time.
    std::string key;
};

struct RefusedItem {
    // The item in words: its summary and start.
    std::string what;
    std::string reason;
};

struct ImportPlan {
    std::vector<PlannedReminder> reminders;
    std::vector<RefusedItem> refused;
    // Items taken otherwise than as they stand, in words: occurrences taken one by one, and
    // how many of them when there are more than the limit.
    std::vector<std::string> notes;
    // Reminders left out because an earlier import added them, or because the lists hold
    // the same reminder already.
    std::size_t importedBefore = 0;
    std::size_t alreadyInLists = 0;
};

// What a reminder from another program starts from, as one the user adds does.
struct ImportDefaults {
    std::uint8_t eventType = EventShowAndPlay;
    std::string soundFile;
};

struct ImportContext {
    std::span<const TReminder* const> oneTime;
    std::span<const TReminder* const> repeating;
    const ImportMemory& memory;
    ImportDefaults defaults;
    // The local date and time now; the window of occurrences starts at its date.
    TDateTime now = 0;
};

// The most one-time reminders one recurring item gives; the user is told when it has more.
inline constexpr std::size_t MostOccurrencesTaken = 100;

ImportPlan PlanImport(std::span<const CalendarItem> items, const ImportContext& context);

// The plan in a few sentences: what will be added, what cannot be taken, what was left out.
std::string PlanSummary(const ImportPlan& plan);

// When a planned reminder is due, as the preview and the command line show it: a one-time
// reminder's date and time; a repeating one's days, time and repetition.
std::string PlannedWhenText(const PlannedReminder& planned, const DateFormats& formats);

} // namespace nudgery

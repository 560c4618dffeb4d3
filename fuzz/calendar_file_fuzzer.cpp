// Reads arbitrary bytes as a calendar file and plans their import. A file read whole plans
// without fault, and the reminders planned from it export to a file that reads back whole,
// with an entry for each of them.

#include "core/calendar_entry.h"
#include "core/calendar_import.h"
#include "core/import_memory.h"
#include "platform/ical/calendar_reader.h"
#include "platform/ical/calendar_writer.h"

#include <cstdlib>
#include <string_view>

namespace {

using namespace nudgery;

// Tuesday 8 December 2026, noon, in a zone with summer time.
constexpr const char* Zone = "Europe/Berlin";
const TDateTime Now = EncodeDate(2026, 12, 8) + 0.5;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("TZ", Zone, 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ical::CalendarRead read = ical::ReadCalendar(text, {Zone, Now});
    if (!read.error.empty())
        return 0;
    const ImportMemory memory;
    const ImportPlan plan = PlanImport(read.items, {{}, {}, memory, {}, Now});

    std::vector<const TReminder*> oneTime, repeating;
    for (const PlannedReminder& planned : plan.reminders)
        (planned.list == ListKind::OneTime ? oneTime : repeating).push_back(&planned.reminder);
    const std::string exported = ical::WriteCalendar(
        CalendarEntries(oneTime, repeating, DatePartOf(Now)), {Zone, 0, "-//Nudgery!//Fuzz//EN"});
    const ical::CalendarRead again = ical::ReadCalendar(exported, {Zone, Now});
    if (!again.error.empty() || again.items.size() != plan.reminders.size())
        std::abort();
    return 0;
}

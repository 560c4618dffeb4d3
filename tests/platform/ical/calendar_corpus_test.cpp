// Every file of the calendar fuzzer's seed corpus is read without harm: the valid ones give
// items whose planned reminders export and read back whole, the damaged ones are refused.

#include "core/calendar_entry.h"
#include "core/calendar_import.h"
#include "core/import_memory.h"
#include "platform/ical/calendar_reader.h"
#include "platform/ical/calendar_writer.h"
#include "support/zone_scope.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace nudgery {
namespace {

TEST(CalendarCorpus, EveryCorpusFileIsReadOrRefused) {
    const testing::ZoneScope zone("Europe/Berlin");
    const TDateTime now = EncodeDate(2026, 12, 8) + 0.5;
    int read = 0, refused = 0;
    for (const auto& file : std::filesystem::directory_iterator(NUDGERY_CALENDAR_CORPUS)) {
        SCOPED_TRACE(file.path().filename().string());
        std::ifstream in(file.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        const ical::CalendarRead calendar = ical::ReadCalendar(text.str(), {"Europe/Berlin", now});
        if (!calendar.error.empty()) {
            ++refused;
            continue;
        }
        ++read;
        const ImportMemory memory;
        const ImportPlan plan = PlanImport(calendar.items, {{}, {}, memory, {}, now});
        std::vector<const TReminder*> oneTime, repeating;
        for (const PlannedReminder& planned : plan.reminders)
            (planned.list == ListKind::OneTime ? oneTime : repeating)
                .push_back(&planned.reminder);
        const ical::CalendarRead again = ical::ReadCalendar(
            ical::WriteCalendar(CalendarEntries(oneTime, repeating, DatePartOf(now)),
                                {"Europe/Berlin", 0, "-//Nudgery!//Test//EN"}),
            {"Europe/Berlin", now});
        EXPECT_EQ(again.error, "");
        EXPECT_EQ(again.items.size(), plan.reminders.size());
    }
    EXPECT_GE(read, 5) << "the seed corpus is missing";
    EXPECT_GE(refused, 3) << "the seed corpus has no damaged files";
}

} // namespace
} // namespace nudgery

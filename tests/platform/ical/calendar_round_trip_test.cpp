// Both lists through a calendar file and back: written with libical, read with libical,
// planned and added as an import adds them, they give the same data file byte for byte, in
// the system's zone of either side of the world, with a daylight-saving change of half an
// hour, or none at all.

#include "../../core/random_reminders.h"
#include "core/calendar_entry.h"
#include "core/calendar_import.h"
#include "core/calendar_text.h"
#include "core/clock.h"
#include "core/data_file.h"
#include "core/dayspec.h"
#include "core/import_memory.h"
#include "core/reminder_list.h"
#include "core/reminder_lists.h"
#include "platform/ical/calendar_reader.h"
#include "platform/ical/calendar_writer.h"
#include "support/zone_scope.h"

#include <gtest/gtest.h>

namespace nudgery {
namespace {

// Tuesday 8 December 2026, 10:00.
const TDateTime Today = EncodeDate(2026, 12, 8);
const TDateTime Now = Today + EncodeTime(10, 0);

using Bytes = std::vector<std::uint8_t>;

Bytes Save(const ReminderLists& lists) {
    return EncodeDataFile(ReminderLists::View(lists.oneTime), ReminderLists::View(lists.repeating));
}

// The lists as a load gives them: statuses and next times judged for now.
ReminderLists Loaded(const Bytes& bytes) {
    ReminderLists lists;
    EXPECT_TRUE(DecodeDataFile(bytes, lists, SettableClock(Now)));
    return lists;
}

// Every field, for a failure to show which differs.
std::string Fields(const TReminder& r) {
    return std::to_string(r.Kind) + " " + std::to_string(r.EventType) + " " +
           ExactNumberText(r.When) + " " + ExactNumberText(r.FirstTime) + " " +
           ExactNumberText(r.UntilTime) + " " + std::to_string(r.HasUntil) + " [" +
           ExactTextForm(r.Description) + "] [" + ExactTextForm(r.SoundFile) + "] [" +
           ExactTextForm(r.DaySpec) + "] " + std::to_string(r.RepeatMinutes) + " " +
           std::to_string(r.Status) + " " + std::to_string(r.ReservedFlag);
}

std::vector<std::string> Fields(const std::vector<ReminderLists::Row>& rows) {
    std::vector<std::string> fields;
    for (const ReminderLists::Row& row : rows)
        fields.push_back(Fields(*row.reminder));
    return fields;
}

// Exports the lists with the system's zone named `zone`, imports the file into empty lists
// and gives their data file.
Bytes ThroughCalendarFile(const ReminderLists& lists, const std::string& zone) {
    const std::string text =
        ical::WriteCalendar(CalendarEntries(ReminderLists::View(lists.oneTime),
                                            ReminderLists::View(lists.repeating), Today),
                            {zone, 1'800'000'000, "-//Nudgery!//Test//EN"});
    const ical::CalendarRead read = ical::ReadCalendar(text, {zone, Now});
    EXPECT_EQ(read.error, "");
    const ImportMemory memory;
    const ImportPlan plan = PlanImport(read.items, {{}, {}, memory, {}, Now});
    EXPECT_TRUE(plan.refused.empty());
    ReminderLists imported;
    const SettableClock clock(Now);
    for (const PlannedReminder& planned : plan.reminders) {
        auto reminder = std::make_unique<TReminder>(planned.reminder);
        JudgeAdded(*reminder, planned.list, clock);
        if (planned.list == ListKind::OneTime)
            imported.AddOneTime(std::move(reminder));
        else
            imported.AddRepeating(std::move(reminder));
    }
    EXPECT_EQ(Fields(imported.oneTime), Fields(lists.oneTime));
    EXPECT_EQ(Fields(imported.repeating), Fields(lists.repeating));
    return Save(imported);
}

struct Zone {
    const char* tz;   // what the C library is given
    const char* name; // what the program calls the system's zone
};

const Zone Zones[] = {
    {"Europe/Berlin", "Europe/Berlin"},
    {"America/New_York", "America/New_York"},
    {"Australia/Lord_Howe", "Australia/Lord_Howe"},
    {"Asia/Kathmandu", "Asia/Kathmandu"},
    {"UTC", "UTC"},
    // A system whose zone has no name: times are written without a zone.
    {"Europe/Berlin", ""},
};

TEST(CalendarRoundTrip, RandomListsGiveTheSameDataFile) {
    std::mt19937 random(26);
    for (const Zone& zone : Zones) {
        SCOPED_TRACE(zone.tz + std::string(" as \"") + zone.name + "\"");
        const testing::ZoneScope scope(zone.tz);
        for (int round = 0; round < 6; ++round) {
            ReminderLists lists;
            for (int i = static_cast<int>(random() % 40); i > 0; --i)
                lists.AddOneTime(
                    std::make_unique<TReminder>(RandomReminder(random, KindOneTime, Today)));
            for (int i = static_cast<int>(random() % 40); i > 0; --i)
                lists.AddRepeating(
                    std::make_unique<TReminder>(RandomReminder(random, KindRepeating, Today)));
            const Bytes original = Save(Loaded(Save(lists)));
            ASSERT_EQ(ThroughCalendarFile(Loaded(original), zone.name), original) << round;
        }
    }
}

TEST(CalendarRoundTrip, RemindersAsTheEditorsMakeThemGiveTheSameDataFile) {
    // Every day rule of the editor, once a day and every 25 minutes, and one-time reminders
    // across a year, daylight-saving changes included.
    ReminderLists lists;
    int n = 0;
    const auto addRepeating = [&](const std::string& code) {
        ++n;
        const bool interval = n % 2 == 0;
        lists.AddRepeating(TReminder::CreateRepeating(
            KindRepeating, EncodeTime(n % 24, n % 60), interval && n % 3 == 0, EncodeTime(23, 0),
            code, interval ? 25 : 0, "Rule " + code, "/snd/bell.wav",
            static_cast<std::uint8_t>(n % 4)));
    };
    for (int set = 1; set < 128; set += 5) {
        std::string code;
        for (int day = 0; day < 7; ++day)
            if (set & (1 << day))
                code += static_cast<char>('0' + day);
        addRepeating(code);
    }
    for (int day = 1; day <= 366; day += 11)
        addRepeating(EncodeDayOfYear(day));
    for (int month = 0; month <= 12; ++month) {
        addRepeating(EncodeDayOfMonth(1 + month * 2, month));
        for (int occurrence = 0; occurrence <= 5; ++occurrence)
            addRepeating(EncodeNthWeekday(occurrence, (occurrence + month) % 8, month));
    }
    for (int day = 0; day < 400; day += 3)
        lists.AddOneTime(TReminder::CreateNormal(KindOneTime,
                                                 Today + day + EncodeTime(day % 24, (day * 7) % 60),
                                                 "Day " + std::to_string(day), "", EventShowOnly));
    for (const Zone& zone : Zones) {
        SCOPED_TRACE(zone.tz);
        const testing::ZoneScope scope(zone.tz);
        const Bytes original = Save(Loaded(Save(lists)));
        EXPECT_EQ(ThroughCalendarFile(Loaded(original), zone.name), original);
    }
}

// libical writes no time after the year 3000: what the import takes, the export writes back
// whole, and an entry it could not is refused.
TEST(CalendarRoundTrip, AnEntryAfterTheLastYearACalendarFileCanHoldIsRefused) {
    struct Case {
        const char* start;
        const char* trigger;
        std::size_t imported;
    };
    for (const Case& c : {Case{"30001211T120000", "-PT1H", 1}, Case{"30011211T120000", "-PT1H", 0},
                          // An alarm of its own time, after the year 3000.
                          Case{"20261220T120000", ";VALUE=DATE-TIME:30011211T120000Z", 0}}) {
        const std::string file =
            std::string("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:far\r\n"
                        "DTSTART:") +
            c.start + "\r\nSUMMARY:Far\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER" +
            (c.trigger[0] == ';' ? "" : ":") + c.trigger +
            "\r\nEND:VALARM\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
        const ical::CalendarRead read = ical::ReadCalendar(file, {"Europe/Berlin", Now});
        ASSERT_EQ(read.error, "") << c.start;
        const ImportMemory memory;
        const ImportPlan plan = PlanImport(read.items, {{}, {}, memory, {}, Now});
        ASSERT_EQ(plan.reminders.size(), c.imported) << c.start << c.trigger;
        EXPECT_EQ(plan.refused.size(), 1u - c.imported) << c.start << c.trigger;
        std::vector<const TReminder*> oneTime;
        for (const PlannedReminder& planned : plan.reminders)
            oneTime.push_back(&planned.reminder);
        const ical::CalendarRead again = ical::ReadCalendar(
            ical::WriteCalendar(CalendarEntries(oneTime, {}, Today),
                                {"Europe/Berlin", 1'800'000'000, "-//Nudgery!//Test//EN"}),
            {"Europe/Berlin", Now});
        EXPECT_EQ(again.error, "") << c.start;
        EXPECT_EQ(again.items.size(), c.imported) << c.start;
    }
}

} // namespace
} // namespace nudgery

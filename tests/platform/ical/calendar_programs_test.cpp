// Calendar files as Thunderbird, GNOME Calendar, Google Calendar and Exchange write them,
// imported on a system in Berlin on Tuesday 8 December 2026 at noon: what each gives, what
// cannot be taken, and what is taken one occurrence at a time.

#include "core/calendar_import.h"
#include "core/dayspec.h"
#include "core/import_memory.h"
#include "platform/ical/calendar_reader.h"
#include "support/zone_scope.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace nudgery {
namespace {

const TDateTime Now = EncodeDate(2026, 12, 8) + EncodeTime(12, 0);
const ImportDefaults Defaults{EventShowAndPlay, "/snd/default.wav"};

std::string Time(TDateTime value, bool date = true) {
    const CalendarDate d = DecodeDate(value);
    const ClockTime t = DecodeTime(value);
    char text[40];
    if (date)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", d.year, d.month, d.day, t.hour,
                      t.minute);
    else
        std::snprintf(text, sizeof text, "%02d:%02d", t.hour, t.minute);
    return text;
}

// A planned reminder in one line: when, message, action and sound.
std::string Line(const PlannedReminder& planned) {
    const TReminder& r = planned.reminder;
    std::string when =
        planned.list == ListKind::OneTime
            ? "once " + Time(r.When)
            : "every [" + std::string(r.DaySpec) + "] at " + Time(r.FirstTime, false);
    if (r.RepeatMinutes > 0)
        when +=
            " every " + std::to_string(r.RepeatMinutes) + " min until " + Time(r.UntilTime, false);
    return when + " | " + std::string(r.Description) + " | " + std::to_string(r.EventType) + " | " +
           std::string(r.SoundFile);
}

struct Imported {
    std::vector<std::string> lines;                     // of items with few occurrences
    std::map<std::string, std::vector<TDateTime>> many; // the times of items with many
    std::vector<std::string> refused;
    std::vector<std::string> notes;
};

// Items whose occurrences are taken one by one, by their summary; their times are kept
// apart from the other lines.
Imported Import(const std::string& file, const std::set<std::string>& many = {}) {
    const testing::ZoneScope zone("Europe/Berlin");
    std::ifstream in(std::string(NUDGERY_CALENDARS) + "/" + file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const ical::CalendarRead read = ical::ReadCalendar(text.str(), {"Europe/Berlin", Now});
    EXPECT_EQ(read.error, "") << file;
    const ImportMemory memory;
    const ImportPlan plan = PlanImport(read.items, {{}, {}, memory, Defaults, Now});
    Imported imported;
    for (const PlannedReminder& planned : plan.reminders) {
        const std::string title = planned.reminder.Description;
        if (many.contains(title))
            imported.many[title].push_back(planned.reminder.When);
        else
            imported.lines.push_back(Line(planned));
    }
    for (const RefusedItem& refused : plan.refused)
        imported.refused.push_back(refused.what + ": " + refused.reason);
    imported.notes = plan.notes;
    return imported;
}

// `count` weekly times from `first` on, but those on `left` days.
std::vector<TDateTime> Weekly(TDateTime first, int count, std::set<TDateTime> left = {}) {
    std::vector<TDateTime> times;
    for (int week = 0; week < count; ++week)
        if (!left.contains(DatePartOf(first) + 7 * week))
            times.push_back(first + 7 * week);
    return times;
}

TDateTime At(int year, int month, int day, int hour, int minute) {
    return EncodeDate(year, month, day) + EncodeTime(hour, minute);
}

bool Mentions(const std::vector<std::string>& notes, const std::string& text) {
    for (const std::string& note : notes)
        if (note.find(text) != std::string::npos)
            return true;
    return false;
}

TEST(CalendarPrograms, Thunderbird) {
    const Imported imported = Import("thunderbird.ics", {"Book club"});
    EXPECT_EQ(imported.lines, (std::vector<std::string>{
                                  "once 2026-12-15 09:15 | Dentist | 0 | /snd/default.wav",
                                  "every [135] at 09:50 | Team meeting | 0 | /snd/default.wav",
                                  // All day on 12 March; the alarm, 15 hours before.
                                  "once 2027-03-11 09:00 | Mum's birthday | 0 | /snd/default.wav",
                                  // Five minutes after the end.
                                  "once 2026-12-19 18:35 | Water the plants | 0 | "
                                  "/snd/default.wav",
                              }));
    // Every Thursday but Christmas Eve, the sound its alarm names: the EXDATE ahead makes the
    // rule one no day rule matches.
    const auto bookClub = imported.many.at("Book club");
    EXPECT_EQ(bookClub, Weekly(At(2026, 12, 10, 18, 30), 52, {EncodeDate(2026, 12, 24)}));
    EXPECT_TRUE(imported.refused.empty());
    EXPECT_TRUE(Mentions(imported.notes, "Book club"));
    EXPECT_TRUE(Mentions(imported.notes, "Mum's birthday"));
}

TEST(CalendarPrograms, ThunderbirdAudioAlarmsPlayTheirSound) {
    const testing::ZoneScope zone("Europe/Berlin");
    std::ifstream in(std::string(NUDGERY_CALENDARS) + "/thunderbird.ics", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const ical::CalendarRead read = ical::ReadCalendar(text.str(), {"Europe/Berlin", Now});
    const ImportMemory memory;
    for (const PlannedReminder& planned :
         PlanImport(read.items, {{}, {}, memory, Defaults, Now}).reminders)
        if (std::string(planned.reminder.Description) == "Book club") {
            EXPECT_EQ(planned.reminder.EventType, EventPlayOnly);
            EXPECT_EQ(std::string(planned.reminder.SoundFile), "/usr/share/sounds/book club.wav");
        }
}

TEST(CalendarPrograms, GnomeCalendar) {
    const Imported imported = Import("gnome.ics", {"Evening class"});
    EXPECT_EQ(imported.lines, (std::vector<std::string>{
                                  "once 2026-12-18 13:30 | Review | 0 | /snd/default.wav",
                                  "every [" + EncodeNthWeekday(5, 7, 0) +
                                      "] at 08:00 | Payday | 0 | "
                                      "/snd/default.wav",
                                  "once 2026-12-23 00:00 | Christmas Eve | 0 | /snd/default.wav",
                                  // A task's alarm a day before it is due.
                                  "once 2027-01-14 17:00 | Renew passport | 0 | /snd/default.wav",
                              }));
    // Tuesdays until the end of February, this evening's among them.
    EXPECT_EQ(imported.many.at("Evening class"), Weekly(At(2026, 12, 8, 18, 45), 12));
    EXPECT_EQ(imported.refused, std::vector<std::string>{"Buy stamps: completed"});
    EXPECT_TRUE(Mentions(imported.notes, "a rule with UNTIL and no day rule for it"));
}

TEST(CalendarPrograms, GoogleCalendar) {
    const Imported imported = Import("google.ics", {"Standup", "Piano lessons"});
    EXPECT_EQ(imported.lines, (std::vector<std::string>{
                                  // 15:00 UTC, ten minutes before.
                                  "once 2026-12-10 15:50 | Call with Sam | 0 | /snd/default.wav",
                                  // The all-day event's alarm at a floating time.
                                  "once 2026-12-19 09:00 | Anniversary | 0 | /snd/default.wav",
                              }));
    // 9:00 in New York is 15:00 in Berlin but while only one of them keeps summer time: no
    // day rule has that, so the first 100 are taken. The occurrence moved to 10:00 on the
    // 16th comes as one of its own.
    const auto standup = imported.many.at("Standup");
    ASSERT_EQ(standup.size(), MostOccurrencesTaken + 1);
    EXPECT_EQ(standup.front(), At(2026, 12, 8, 14, 55));
    EXPECT_EQ(std::count(standup.begin(), standup.end(), At(2026, 12, 16, 14, 55)), 0);
    EXPECT_EQ(std::count(standup.begin(), standup.end(), At(2026, 12, 16, 15, 55)), 1);
    EXPECT_EQ(std::count(standup.begin(), standup.end(), At(2027, 3, 15, 13, 55)), 1);
    EXPECT_EQ(std::count(standup.begin(), standup.end(), At(2027, 3, 29, 14, 55)), 1);
    // Ten Thursdays at 17:00 in New York from 3 December: nine still to come.
    EXPECT_EQ(imported.many.at("Piano lessons"), Weekly(At(2026, 12, 10, 22, 30), 9));
    EXPECT_EQ(imported.refused, (std::vector<std::string>{
                                    "Call with Sam (2026-12-10 16:00): EMAIL alarm",
                                    "Holiday party (2026-12-19 01:00): cancelled",
                                }));
    EXPECT_TRUE(Mentions(imported.notes, "the first 100 of them"));
    EXPECT_TRUE(Mentions(imported.notes, "a rule with COUNT=10 and no day rule for it"));
}

TEST(CalendarPrograms, Exchange) {
    const Imported imported = Import("exchange.ics", {"Quarterly review"});
    EXPECT_EQ(imported.lines, (std::vector<std::string>{
                                  // The second Tuesday, written as the second of the Tuesdays.
                                  "every [" + EncodeNthWeekday(1, 2, 0) +
                                      "] at 09:45 | Steering group | 0 | "
                                      "/snd/default.wav",
                                  "once 2026-12-11 11:45 | Lunch with Priya | 0 | /snd/default.wav",
                                  "once 2026-12-27 06:00 | Out of office | 0 | /snd/default.wav",
                              }));
    EXPECT_EQ(imported.many.at("Quarterly review"),
              (std::vector<TDateTime>{At(2027, 1, 15, 9, 45), At(2027, 4, 15, 9, 45),
                                      At(2027, 7, 15, 9, 45), At(2027, 10, 15, 9, 45)}));
    EXPECT_EQ(imported.refused,
              std::vector<std::string>{"Focus time (2026-12-14 08:00): no alarm"});
}

} // namespace
} // namespace nudgery

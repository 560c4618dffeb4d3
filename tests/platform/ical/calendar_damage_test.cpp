// Files that are no calendar, or damaged, are refused with where reading stopped; what the
// standard allows but libical does not take is passed over.

#include "core/calendar_entry.h"
#include "core/reminder.h"
#include "platform/ical/calendar_reader.h"
#include "platform/ical/calendar_writer.h"

#include <gtest/gtest.h>

namespace nudgery {
namespace {

const TDateTime Today = EncodeDate(2026, 12, 8);
const TDateTime Now = Today + EncodeTime(10, 0);

std::string Read(std::string_view text) {
    return ical::ReadCalendar(text, {"Europe/Berlin", Now}).error;
}

// A small file as the program writes it.
std::string Exported() {
    const auto once = TReminder::CreateNormal(KindOneTime, Today + 1 + EncodeTime(9, 0), "Dentist",
                                              "", EventShowOnly);
    const auto daily =
        TReminder::CreateRepeating(KindRepeating, EncodeTime(8, 0), false, 0, "12345", 0,
                                   "Stand up and stretch, walk around "
                                   "the office, drink some water",
                                   "", EventShowOnly);
    const std::vector<const TReminder*> oneTime{once.get()}, repeating{daily.get()};
    return ical::WriteCalendar(CalendarEntries(oneTime, repeating, Today),
                               {"", 1'800'000'000, "-//Nudgery!//Test//EN"});
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end + 1 - start));
        start = end + 1;
    }
    return lines;
}

TEST(CalendarDamage, WhatIsNoCalendarIsRefusedAsSuch) {
    const struct {
        std::string text;
        std::string says;
    } cases[] = {
        {"", "it holds no calendar"},
        {"\r\n  \r\n", "it holds no calendar"},
        {"Dear Sam,\r\nsee you on Friday.\r\n", "line 1 reads \"Dear Sam,\""},
        {"\r\nVERSION:2.0\r\nBEGIN:VCALENDAR\r\n", "line 2 reads \"VERSION:2.0\""},
        {"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Sam\r\nEND:VCARD\r\n", "what begins at line 1"},
        {std::string("BEGIN:VCALENDAR\r\nX:1\r\n\x89PNG") + '\0' + "\r\n",
         "line 3 holds a zero byte"},
    };
    for (const auto& c : cases) {
        const std::string error = Read(c.text);
        EXPECT_NE(error.find("This is not a calendar file"), std::string::npos) << error;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
}

TEST(CalendarDamage, AFileCutShortSaysWhereItEnds) {
    const std::vector<std::string> lines = Lines(Exported());
    ASSERT_GT(lines.size(), 20u);
    for (std::size_t kept = 1; kept < lines.size(); ++kept) {
        std::string text;
        for (std::size_t i = 0; i < kept; ++i)
            text += lines[i];
        // The last content line begins where the last line that is no continuation is.
        std::size_t last = kept;
        while (last > 1 && lines[last - 1].starts_with(' '))
            --last;
        const std::string error = Read(text);
        EXPECT_NE(error.find("ends at line " + std::to_string(last) +
                             " before the calendar "
                             "that begins at line 1"),
                  std::string::npos)
            << kept << ": " << error;
    }
}

TEST(CalendarDamage, AFileCutAnywhereIsRefused) {
    const std::string text = Exported();
    // Only a cut within the line break after END:VCALENDAR leaves the calendar whole.
    for (std::size_t size = 0; size + 2 < text.size(); ++size)
        EXPECT_NE(Read(text.substr(0, size)), "") << size;
    EXPECT_EQ(Read(text), "");
}

TEST(CalendarDamage, ALineThatCannotBeReadStopsReadingThere) {
    const std::string head = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:1\r\n";
    const std::string tail = "END:VEVENT\r\nEND:VCALENDAR\r\n";
    for (const std::string line :
         {"DTSTART:2026-12-08 09:00", "RRULE:FREQ=SOMETIMES", "TRIGGER:yesterday",
          "just some words", "DURATION:PT1X", ":no name", "EXDATE:20261208T09", "GEO:north"}) {
        const std::string error = Read(head + line + "\r\n" + tail);
        EXPECT_NE(error.find("Reading stopped at line 5"), std::string::npos) << line;
        EXPECT_NE(error.find(line), std::string::npos) << error;
    }
    // A calendar must end as it began.
    EXPECT_NE(Read(head + "END:VEVENT\r\nEND:VEVENT\r\n").find("line 6"), std::string::npos);
    const std::string error = Read(head + tail + "END:VEVENT\r\n");
    EXPECT_NE(error, "");
}

TEST(CalendarDamage, WhatTheStandardAllowsIsPassedOver) {
    const std::string text = "BEGIN:VCALENDAR\r\n"
                             "VERSION:2.0\r\n"
                             "BEGIN:VEVENT\r\n"
                             "UID:1\r\n"
                             "DTSTART:20261209T090000\r\n"
                             "DESCRIPTION:\r\n"
                             "LOCATION;LANGUAGE=en:\r\n"
                             "SOMETHING-NEW;PARAM=\"a:b\":value\r\n"
                             "SUMMARY:Dentist\r\n"
                             "BEGIN:VALARM\r\n"
                             "ACTION:DISPLAY\r\n"
                             "TRIGGER:-PT15M\r\n"
                             "END:VALARM\r\n"
                             "END:VEVENT\r\n"
                             "END:VCALENDAR\r\n";
    const ical::CalendarRead read = ical::ReadCalendar(text, {"Europe/Berlin", Now});
    EXPECT_EQ(read.error, "");
    ASSERT_EQ(read.items.size(), 1u);
    EXPECT_EQ(read.items.front().entry.summary, "Dentist");
    ASSERT_EQ(read.items.front().alarms.size(), 1u);
    EXPECT_EQ(read.items.front().alarms.front().times,
              std::vector<TDateTime>{Today + 1 + EncodeTime(8, 45)});
}

TEST(CalendarDamage, LinesEndedAnyWayAreRead) {
    std::string text = Exported();
    for (const char* ending : {"\n", "\r"}) {
        std::string other;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text.compare(i, 2, "\r\n") == 0) {
                other += ending;
                ++i;
            } else {
                other += text[i];
            }
        }
        const ical::CalendarRead read = ical::ReadCalendar(other, {"", Now});
        EXPECT_EQ(read.error, "");
        EXPECT_EQ(read.items.size(), 2u);
    }
}

} // namespace
} // namespace nudgery

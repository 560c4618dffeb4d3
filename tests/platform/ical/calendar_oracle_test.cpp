// The exported files read by a second iCalendar implementation, independent of libical:
// python3-icalendar reads them and python3-dateutil expands their rules. The days each rule
// selects over two years are the days the program's own rule selects, and the messages and
// times read are the reminders'. Skipped when python3-icalendar or python3-dateutil is
// missing.

#include "../../core/day_rule_codes.h"
#include "../../core/random_reminders.h"
#include "core/calendar_entry.h"
#include "core/calendar_text.h"
#include "core/dayspec.h"
#include "core/reminder.h"
#include "platform/ical/calendar_writer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>

namespace nudgery {
namespace {

constexpr const char* Python = "/usr/bin/python3";
constexpr int OracleDays = 2 * 366;

// What the second reader found: the events by UID, and its complaints.
struct OracleRead {
    std::map<std::string, std::string> summaries;
    std::map<std::string, std::string> starts;
    std::map<std::string, std::set<std::string>> days;
    std::vector<std::string> errors;
};

std::string IsoDate(TDateTime day) {
    const CalendarDate d = DecodeDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    return text;
}

std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

bool ReadableByPythonIcalendar(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '\\' && std::string_view("nN,;").find(text[i + 1]) != std::string::npos)
            return false;
    return true;
}

class CalendarOracle : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(Python) ||
            std::system((std::string(Python) + " -c 'import icalendar, dateutil'").c_str()) != 0)
            GTEST_SKIP() << "needs python3-icalendar and python3-dateutil";
        folder_ = std::filesystem::temp_directory_path() /
                  ("nudgery-oracle-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        if (!folder_.empty())
            std::filesystem::remove_all(folder_);
    }

    OracleRead ReadWithPython(const std::string& text, TDateTime firstDay) {
        const std::filesystem::path file = folder_ / "export.ics";
        std::ofstream(file, std::ios::binary) << text;
        const std::string command = std::string(Python) + " " + NUDGERY_ORACLE + " " +
                                    file.string() + " " + IsoDate(firstDay) + " " +
                                    std::to_string(OracleDays);
        FILE* pipe = popen(command.c_str(), "r");
        EXPECT_NE(pipe, nullptr);
        OracleRead read;
        std::string output;
        char buffer[4096];
        while (pipe && std::fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        EXPECT_EQ(pipe ? pclose(pipe) : -1, 0) << output.substr(0, 2000);
        std::istringstream lines(output);
        std::string kind, uid;
        while (lines >> kind) {
            if (kind == "X") {
                std::string rest;
                std::getline(lines, rest);
                read.errors.push_back(rest);
                continue;
            }
            lines >> uid;
            if (kind == "E") {
                std::string summary, start;
                lines >> summary >> start;
                read.summaries[uid] = summary == "-" ? "" : FromHex(summary);
                read.starts[uid] = start;
            } else {
                std::string day;
                lines >> day;
                read.days[uid].insert(day);
            }
        }
        return read;
    }

private:
    std::filesystem::path folder_;
};

TEST_F(CalendarOracle, EveryDayRuleSelectsItsDaysForDateutil) {
    // Two years from here hold 29 February 2028.
    const TDateTime today = EncodeDate(2027, 6, 1);
    std::vector<std::unique_ptr<TReminder>> reminders;
    std::vector<const TReminder*> repeating;
    for (const std::string& code : testing::AllDayRuleCodes()) {
        reminders.push_back(TReminder::CreateRepeating(KindRepeating, EncodeTime(7, 15), false, 0,
                                                       code, 0, "Rule", "", EventShowOnly));
        repeating.push_back(reminders.back().get());
    }
    const std::vector<CalendarEntry> entries = CalendarEntries({}, repeating, today);
    const OracleRead read = ReadWithPython(
        ical::WriteCalendar(entries, {"Europe/Berlin", 1'800'000'000, "-//Nudgery!//Test//EN"}),
        today);
    EXPECT_TRUE(read.errors.empty()) << read.errors.front();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string code = repeating[i]->DaySpec;
        std::set<std::string> expected;
        for (int day = 0; day < OracleDays; ++day)
            if (DaySpecMatchesDate(code, today + day))
                expected.insert(IsoDate(today + day));
        const auto found = read.days.find(entries[i].uid);
        const std::set<std::string> selected =
            found == read.days.end() ? std::set<std::string>{} : found->second;
        EXPECT_EQ(selected, expected) << code;
    }
}

TEST_F(CalendarOracle, MessagesAndTimesReadAsTheRemindersHaveThem) {
    const TDateTime today = EncodeDate(2026, 12, 8);
    std::vector<std::unique_ptr<TReminder>> reminders;
    std::vector<const TReminder*> oneTime;
    const std::vector<std::string> messages{
        "Call the dentist, then the bank; bring the form",
        "Back\\slash and \"quotes\": all kept",
        "Two\nlines\tand a tab",
        "Caf\xC3\xA9 cr\xC3\xA8me br\xC3\xBBl\xC3\xA9\x65 \xE2\x82\xAC 12 \xF0\x9F\x94\x94",
        std::string(200, 'x') + " a message long enough to be folded over several lines " +
            std::string(40, '\xC3').replace(1, 38, "") + "\xC3\xA9\xC3\xA9\xC3\xA9",
    };
    std::mt19937 random(5545);
    for (std::size_t i = 0; i < 200; ++i) {
        TReminder reminder = RandomReminder(random, KindOneTime, today);
        if (i < messages.size())
            reminder.Description = messages[i];
        reminders.push_back(std::make_unique<TReminder>(reminder));
        oneTime.push_back(reminders.back().get());
    }
    const std::vector<CalendarEntry> entries = CalendarEntries(oneTime, {}, today);
    const OracleRead read = ReadWithPython(
        ical::WriteCalendar(entries, {"Europe/Berlin", 1'800'000'000, "-//Nudgery!//Test//EN"}),
        today);
    EXPECT_TRUE(read.errors.empty()) << read.errors.front();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ASSERT_TRUE(read.summaries.contains(entries[i].uid)) << i;
        const std::string shown = CalendarShownText(oneTime[i]->Description);
        // python3-icalendar 4 undoes the escapes one kind after the other, so it reads a
        // backslash before n, N, "," or ";" as part of an escape: such texts tell nothing.
        if (!ReadableByPythonIcalendar(shown))
            continue;
        EXPECT_EQ(read.summaries.at(entries[i].uid), shown) << i;
        // The start as the wall-clock time of the reminder, to the second.
        const TDateTime when = *entries[i].start;
        const ClockTime t = DecodeTime(when);
        char iso[32];
        std::snprintf(iso, sizeof iso, "%sT%02d:%02d:%02d", IsoDate(when).c_str(), t.hour, t.minute,
                      t.second);
        EXPECT_EQ(read.starts.at(entries[i].uid), iso) << i;
    }
}

} // namespace
} // namespace nudgery

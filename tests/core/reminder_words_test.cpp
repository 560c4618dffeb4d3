// The words of the commands from outside: every action read back from its name, any case,
// and refused otherwise; the statuses' names; and ISO 8601 local times checked against the
// standard library's own calendar.
#include "core/reminder.h"
#include "core/reminder_words.h"

#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace nudgery {
namespace {

TEST(ReminderWords, EachActionReadsBackAsItsEventTypeInAnyCase) {
    std::set<std::string_view> names;
    for (std::uint8_t type = EventShowAndPlay; type <= EventDoNothing; ++type) {
        const std::string_view name = ActionName(type);
        names.insert(name);
        std::string shouted(name);
        for (char& c : shouted)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        for (const std::string& typed :
             {std::string(name), shouted, " " + std::string(name) + " "}) {
            const ReadResult<std::uint8_t> read = ReadAction(typed);
            ASSERT_TRUE(read.Ok()) << typed << ": " << read.Error();
            EXPECT_EQ(read.Value(), type) << typed;
        }
    }
    EXPECT_EQ(names.size(), 4u) << "every action has a name of its own";
    EXPECT_EQ(ActionName(7), "");
}

TEST(ReminderWords, AnActionWithoutANameIsRefusedByName) {
    for (const char* typed : {"", "loud", "show and play", "1", "shows", "play\n"}) {
        const ReadResult<std::uint8_t> read = ReadAction(typed);
        EXPECT_FALSE(read.Ok()) << typed;
        EXPECT_NE(read.Error().find("action"), std::string::npos) << read.Error();
        EXPECT_NE(read.Error().find("show-and-play"), std::string::npos) << "what it takes";
        EXPECT_EQ(read.Error().find('\n'), std::string::npos) << "one line";
    }
}

TEST(ReminderWords, StatusesHaveNamesTheDeleteMarkNone) {
    std::set<std::string_view> names;
    for (std::uint8_t status : {StatusPending, StatusDone, StatusExpired, StatusNotToday})
        names.insert(StatusName(status));
    EXPECT_EQ(names.size(), 4u);
    EXPECT_FALSE(names.contains(""));
    EXPECT_EQ(StatusName(StatusDeleteMark), "");
}

// The same instant written by the standard library's calendar, from the day count.
std::string Oracle(std::int64_t day, std::int64_t secondOfDay) {
    using namespace std::chrono;
    const sys_days date = sys_days(year{1899} / December / 30) + days(day);
    const year_month_day ymd(date);
    char text[80];
    std::snprintf(
        text, sizeof text, "%04d-%02u-%02uT%02lld:%02lld:%02lld", int(ymd.year()),
        unsigned(ymd.month()), unsigned(ymd.day()), static_cast<long long>(secondOfDay / 3600),
        static_cast<long long>(secondOfDay / 60 % 60), static_cast<long long>(secondOfDay % 60));
    return text;
}

TEST(ReminderWords, IsoTimesAgreeWithTheStandardCalendarToTheNearestSecond) {
    const std::int64_t days[] = {0, 1, 59, 60, 61, 366, 45000, 45350, 46446, 54000, 73050, 2958465};
    for (const std::int64_t day : days)
        for (const std::int64_t second : {0, 1, 59, 3600, 45296, 86399}) {
            SCOPED_TRACE(std::to_string(day) + " + " + std::to_string(second) + " s");
            const TDateTime value = CombineDateAndTime(static_cast<TDateTime>(day),
                                                       EncodeTime(0, 0, static_cast<int>(second)));
            EXPECT_EQ(IsoLocalText(value), Oracle(day, second));
            // Within half a second either way it is the same second.
            EXPECT_EQ(IsoLocalText(value + 0.4 / 86400), Oracle(day, second));
            if (value > 0) {
                EXPECT_EQ(IsoLocalText(value - 0.4 / 86400), Oracle(day, second));
            }
        }
    // 23:59:59.6 rounds into the next day.
    EXPECT_EQ(IsoLocalText(EncodeDate(2027, 12, 31) + EncodeTime(23, 59, 59, 600)),
              "2028-01-01T00:00:00");
}

TEST(ReminderWords, TimesNoCalendarHoldsHaveNoIsoText) {
    for (const TDateTime value :
         {-700000.0, -1.0, -0.5, 3e6, std::numeric_limits<double>::quiet_NaN(),
          std::numeric_limits<double>::infinity()})
        EXPECT_EQ(IsoLocalText(value), "") << value;
}

} // namespace
} // namespace nudgery

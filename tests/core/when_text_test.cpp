// The time of a one-time reminder read from a typed text: every form, against a set clock and
// the user's own formats.
#include "core/clock.h"
#include "core/when_text.h"
#include "local_zone.h"
#include "regional_samples.h"
#include "running_clock.h"
#include "spoiled_texts.h"

#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace nudgery {
namespace {

using test::LocalZone;
using test::TwelveHourSettings;
using test::TwentyFourHourSettings;

TDateTime At(int year, int month, int day, int hour, int minute, int second = 0) {
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second);
}

// A zone an hour east of UTC all year.
const UtcOffsetAt NoSummerTime = [](std::int64_t) { return 3600L; };

struct WhenCase {
    const char* text;
    TDateTime expected;
};

void ExpectReads(TDateTime now, const RegionalSettings& user, std::initializer_list<WhenCase> cases,
                 const UtcOffsetAt& offsets = NoSummerTime) {
    const SettableClock clock(now);
    for (const WhenCase& c : cases) {
        const ReadResult<TDateTime> read = ReadWhen(c.text, clock, user, offsets);
        ASSERT_TRUE(read.Ok()) << '"' << c.text << "\": " << read.Error();
        EXPECT_EQ(read.Value(), c.expected) << '"' << c.text << '"';
        EXPECT_TRUE(read.Error().empty());
    }
}

// Wednesday 10 March 2027, 14:20:30.
const TDateTime Wednesday = At(2027, 3, 10, 14, 20, 30);

TEST(WhenText, TimesOfDayAreTodayOrTomorrowOnceTheirMinuteHasPassed) {
    ExpectReads(Wednesday, TwelveHourSettings(),
                {
                    {"15:00", At(2027, 3, 10, 15, 0)},
                    {"14:21", At(2027, 3, 10, 14, 21)},
                    {"14:20", At(2027, 3, 10, 14, 20)}, // this minute has not passed yet
                    {"14:19", At(2027, 3, 11, 14, 19)},
                    {"9:00", At(2027, 3, 11, 9, 0)},
                    {"0:00", At(2027, 3, 11, 0, 0)},
                    {"23:59", At(2027, 3, 10, 23, 59)},
                    {"14:20:45", At(2027, 3, 10, 14, 20, 45)},
                    {"  15:00 ", At(2027, 3, 10, 15, 0)},
                    {"15", At(2027, 3, 10, 15, 0)},
                    {"at 9:00", At(2027, 3, 11, 9, 0)},
                    // As the program writes times: the lists, the quick time set, the clock.
                    {"3:00pm", At(2027, 3, 10, 15, 0)},
                    {"03:00 pm", At(2027, 3, 10, 15, 0)},
                    {"03:00:00PM", At(2027, 3, 10, 15, 0)},
                    {"2:00pm", At(2027, 3, 11, 14, 0)},
                    {"12:00 am", At(2027, 3, 11, 0, 0)},
                    {"12:30 pm", At(2027, 3, 11, 12, 30)},
                });
}

TEST(WhenText, DatesInEveryForm) {
    ExpectReads(Wednesday, TwelveHourSettings(),
                {
                    {"2027-03-14 10:30", At(2027, 3, 14, 10, 30)},
                    {"2027-03-14T10:30:15", At(2027, 3, 14, 10, 30, 15)},
                    {"2027-3-14 10:30am", At(2027, 3, 14, 10, 30)},
                    {"2027-03-14 at 10:30", At(2027, 3, 14, 10, 30)},
                    {"2027-03-10 14:20", At(2027, 3, 10, 14, 20)},
                    {"3/14/2027 10:30", At(2027, 3, 14, 10, 30)}, // the user's short date
                    {"03/14/2027 10:30 PM", At(2027, 3, 14, 22, 30)},
                    {"Mar 14, 2027 10:30am", At(2027, 3, 14, 10, 30)}, // as the list shows it
                    {"march 14, 2027 at 10:30", At(2027, 3, 14, 10, 30)},
                    {"today 15:00", At(2027, 3, 10, 15, 0)},
                    {"Today at 3:00pm", At(2027, 3, 10, 15, 0)}, // as the list shows it
                    {"tomorrow 9:00", At(2027, 3, 11, 9, 0)},
                    {"TOMORROW at 14:00", At(2027, 3, 11, 14, 0)},
                    {"fri 17:00", At(2027, 3, 12, 17, 0)},
                    {"Friday 5:00pm", At(2027, 3, 12, 17, 0)},
                    {"wed 15:00", At(2027, 3, 10, 15, 0)}, // today, still to come
                    {"wed 14:00", At(2027, 3, 17, 14, 0)}, // today's has passed: next week
                    {"tue 9:00", At(2027, 3, 16, 9, 0)},
                    {"thurs at 8:00", At(2027, 3, 11, 8, 0)},
                });
}

TEST(WhenText, TheUsersOwnDateTimeAndNames) {
    ExpectReads(Wednesday, TwentyFourHourSettings(),
                {
                    {"14.03.2027 10.30", At(2027, 3, 14, 10, 30)},
                    {"14.3.2027 10:30", At(2027, 3, 14, 10, 30)},
                    {"2027-03-14 10.30", At(2027, 3, 14, 10, 30)},
                    {"Mär 14, 2027 10:30", At(2027, 3, 14, 10, 30)}, // the list, in German
                    {"So 9.00", At(2027, 3, 14, 9, 0)},
                    {"Freitag 17.00", At(2027, 3, 12, 17, 0)},
                    {"16.00", At(2027, 3, 10, 16, 0)},
                });
}

TEST(WhenText, Delays) {
    ExpectReads(Wednesday, TwelveHourSettings(),
                {
                    {"in 20m", At(2027, 3, 10, 14, 40, 30)},
                    {"in 2h", At(2027, 3, 10, 16, 20, 30)},
                    {"in 3d", At(2027, 3, 13, 14, 20, 30)},
                    {"in 1h30m", At(2027, 3, 10, 15, 50, 30)},
                    {"IN 1 hour 30 minutes", At(2027, 3, 10, 15, 50, 30)},
                    {"in 10h", At(2027, 3, 11, 0, 20, 30)},
                    {"in 1w", At(2027, 3, 17, 14, 20, 30)},
                    {"in 1d 2h", At(2027, 3, 11, 16, 20, 30)},
                    {"in 1440m", At(2027, 3, 11, 14, 20, 30)},
                });
}

TEST(WhenText, MonthEndsLeapDaysAndTheYearsEnd) {
    const RegionalSettings user = TwelveHourSettings();
    ExpectReads(At(2028, 2, 28, 23, 50), user,
                {
                    {"23:40", At(2028, 2, 29, 23, 40)},
                    {"tomorrow 9:00", At(2028, 2, 29, 9, 0)},
                    {"in 1d", At(2028, 2, 29, 23, 50)},
                    {"in 20m", At(2028, 2, 29, 0, 10)},
                    {"in 2d", At(2028, 3, 1, 23, 50)},
                    {"2028-02-29 10:00", At(2028, 2, 29, 10, 0)},
                    {"tue 0:00", At(2028, 2, 29, 0, 0)},
                });
    ExpectReads(At(2027, 2, 28, 23, 50), user,
                {
                    {"tomorrow 9:00", At(2027, 3, 1, 9, 0)},
                    {"1:00", At(2027, 3, 1, 1, 0)},
                    {"in 1d", At(2027, 3, 1, 23, 50)},
                });
    ExpectReads(At(2027, 12, 31, 23, 59, 30), user,
                {
                    {"23:59", At(2027, 12, 31, 23, 59)},
                    {"23:58", At(2028, 1, 1, 23, 58)},
                    {"in 1m", At(2028, 1, 1, 0, 0, 30)},
                    {"fri 9:00", At(2028, 1, 7, 9, 0)},
                    {"sat 9:00", At(2028, 1, 1, 9, 0)},
                    {"tomorrow 0:00", At(2028, 1, 1, 0, 0)},
                });
}

TEST(WhenText, DelaysCountTheTimeThatPassesAcrossSummerTime) {
    const LocalZone berlin("Europe/Berlin");
    if (!berlin.Installed())
        GTEST_SKIP() << "the zone Europe/Berlin is not installed (tzdata)";
    const RegionalSettings user = TwelveHourSettings();
    // 31 March 2024: 02:00 becomes 03:00. Hours and minutes pass, days are the calendar's.
    ExpectReads(At(2024, 3, 31, 1, 50), user,
                {
                    {"in 20m", At(2024, 3, 31, 3, 10)},
                    {"in 1h", At(2024, 3, 31, 3, 50)},
                    {"in 1d", At(2024, 4, 1, 1, 50)},
                    {"3:00", At(2024, 3, 31, 3, 0)},
                },
                LocalZone::Offsets());
    ExpectReads(At(2024, 3, 30, 1, 30), user,
                {
                    {"in 1d", At(2024, 3, 31, 1, 30)},
                    {"in 1d1h", At(2024, 3, 31, 3, 30)},
                    {"in 24h", At(2024, 3, 31, 1, 30)}, // before the change
                    {"in 25h", At(2024, 3, 31, 3, 30)},
                    {"tomorrow 2:30", At(2024, 3, 31, 2, 30)},
                },
                LocalZone::Offsets());
    // 27 October 2024: 03:00 becomes 02:00 again.
    ExpectReads(At(2024, 10, 27, 1, 30), user,
                {
                    {"in 1h", At(2024, 10, 27, 2, 30)},
                    {"in 3h", At(2024, 10, 27, 3, 30)},
                },
                LocalZone::Offsets());
}

TEST(WhenText, TheClockIsReadOnce) {
    // A clock that moves on by a second at every reading, half a second before midnight: a
    // second reading would be of the next day.
    const TDateTime start = At(2027, 3, 10, 23, 59, 59) + EncodeTime(0, 0, 0, 500);
    const WhenCase cases[] = {
        {"23:59", At(2027, 3, 10, 23, 59)},       {"in 20m", start + EncodeTime(0, 20)},
        {"fri 23:59", At(2027, 3, 12, 23, 59)},   {"2027-03-10 23:59", At(2027, 3, 10, 23, 59)},
        {"tomorrow 1:00", At(2027, 3, 11, 1, 0)},
    };
    for (const WhenCase& c : cases) {
        const RunningClock clock(start, EncodeTime(0, 0, 1));
        const ReadResult<TDateTime> read =
            ReadWhen(c.text, clock, TwelveHourSettings(), NoSummerTime);
        ASSERT_TRUE(read.Ok()) << c.text << ": " << read.Error();
        EXPECT_EQ(clock.readings, 1) << c.text;
        EXPECT_NEAR(read.Value(), c.expected, 1e-9) << c.text;
    }
}

TEST(WhenText, BadInputIsNamedInOneLine) {
    const SettableClock clock(Wednesday);
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"", "cannot read an empty time"},
        {"   ", "cannot read an empty time"},
        {"25:70", "cannot read the time '25:70' in '25:70'"},
        {"2027-03-14 25:70", "cannot read the time '25:70' in '2027-03-14 25:70'"},
        {"fri 5:00xm", "cannot read the time '5:00xm' in 'fri 5:00xm'"},
        {"tomorrow at at 9:00", "cannot read the time 'at 9:00' in 'tomorrow at at 9:00'"},
        {"someday 10:00", "cannot read the time 'someday 10:00' in 'someday 10:00'"},
        {"2027-02-29 10:00", "the date '2027-02-29' in '2027-02-29 10:00' does not exist"},
        {"2027-04-31T10:00", "the date '2027-04-31' in '2027-04-31T10:00' does not exist"},
        {"14/3/2027 10:30", "the date '14/3/2027' in '14/3/2027 10:30' does not exist"},
        {"2027-03-14", "no time of day in '2027-03-14'"},
        {"tomorrow", "no time of day in 'tomorrow'"},
        {"fri at", "no time of day in 'fri at'"},
        {"in", "no delay after 'in' in 'in'"},
        {"at", "no time of day in 'at'"},
        {"at at 9:00", "cannot read the time 'at 9:00' in 'at at 9:00'"},
        {"in 20x", "cannot read the delay '20x' in 'in 20x'"},
        {"in 20", "cannot read the delay '20' in 'in 20'"},
        {"in -5m", "cannot read the delay '-5m' in 'in -5m'"},
        {"in 0m", "the delay '0m' in 'in 0m' must be a minute or more"},
        {"2027-03-09 23:00", "'2027-03-09 23:00' has passed"},
        {"2027-03-10 14:19", "'2027-03-10 14:19' has passed"},
        {"today 14:00", "'today 14:00' has passed"},
        {"in 999999w", "'in 999999w' is too far ahead"},
        // Control characters are shown, not sent to the terminal.
        {"10:30\n\x1b[2J", "cannot read the time '10:30\\n\\x1b[2J' in '10:30\\n\\x1b[2J'"},
        {"fri\t\x7f", "cannot read the time '\\x7f' in 'fri\\t\\x7f'"},
        {"9999-12-31 10:00 ", nullptr},
    };
    for (const auto& c : cases) {
        const ReadResult<TDateTime> read =
            ReadWhen(c.text, clock, TwelveHourSettings(), NoSummerTime);
        if (!c.message) {
            EXPECT_TRUE(read.Ok()) << '"' << c.text << "\": " << read.Error();
            continue;
        }
        ASSERT_FALSE(read.Ok()) << '"' << c.text << '"';
        EXPECT_EQ(read.Error(), c.message);
    }
}

// Times put together from the forms' parts, some of them spoiled by a stranger word: none may
// crash or hang the reader, and whatever it takes is no earlier than the present minute.
TEST(WhenText, AnyTimeTakenIsStillToCome) {
    const std::vector<std::string> days = {"",           "at",         "today",     "tomorrow",
                                           "fri",        "wed",        "wed at",    "2027-03-10",
                                           "2027-02-29", "2027-03-11", "3/14/2027", "Mar 14, 2027"};
    const std::vector<std::string> times = {"10:30", "14:20", "9", "2:00 pm", "14:19:59", "23:59"};
    const std::vector<std::string> delays = {"20m", "1h 30m", "0m", "3d", "2 weeks", "999999d"};
    test::SpoiledTexts texts({"x", "T", "-", ":", "at", "in", "99999999999", "", "\n", "\x1b"});
    const SettableClock clock(Wednesday);
    int taken = 0;
    int refused = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::string text =
            texts.Text(round % 3 == 0 ? std::vector<std::string>{"in", texts.Any(delays)}
                                      : std::vector<std::string>{texts.Any(days), texts.Any(times)},
                       round);
        const ReadResult<TDateTime> read =
            ReadWhen(text, clock, TwelveHourSettings(), NoSummerTime);
        if (!read.Ok()) {
            ++refused;
            ASSERT_FALSE(read.Error().empty()) << text;
            ASSERT_EQ(read.Error().find('\n'), std::string::npos) << text;
            continue;
        }
        ++taken;
        ASSERT_GE(read.Value(), At(2027, 3, 10, 14, 20)) << text;
    }
    EXPECT_GT(taken, 5000);
    EXPECT_GT(refused, 5000);
}

} // namespace
} // namespace nudgery

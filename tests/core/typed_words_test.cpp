// The words reminders are typed in: names in English and the user's language, times of day as
// the program writes them, lengths of time.
#include "core/typed_words.h"
#include "regional_samples.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace nudgery {
namespace {

using test::TwelveHourSettings;
using test::TwentyFourHourSettings;

TEST(TypedWords, WeekdayNamesInEnglishAndTheUsersLanguage) {
    RegionalSettings german = TwentyFourHourSettings();
    german.shortDayNames[3] = ""; // a name the user's settings leave empty matches nothing
    const TypedWords words(german);
    const struct {
        const char* word;
        std::optional<int> weekday;
    } cases[] = {
        {"sun", 0},
        {"Sunday", 0},
        {"MON", 1},
        {"tue", 2},
        {"Tues", 2},
        {"tuesday", 2},
        {"wed", 3},
        {"thu", 4},
        {"thur", 4},
        {"THURS", 4},
        {"thursday", 4},
        {"fri", 5},
        {"Friday", 5},
        {"sat", 6},
        {"saturday", 6},
        {"So", 0},
        {"mo", 1},
        {"Montag", 1},
        {"samstag", 6},
        {"Mittwoch", 3},
        {"", std::nullopt},
        {"t", std::nullopt},
        {"th", std::nullopt},
        {"fri,", std::nullopt},
        {"monday s", std::nullopt},
        {"xyz", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(words.Weekday(c.word), c.weekday) << '"' << c.word << '"';
    EXPECT_FALSE(TypedWords(TwelveHourSettings()).Weekday("mo")); // German only
}

TEST(TypedWords, MonthNamesInEnglishAndTheUsersLanguage) {
    const TypedWords words(TwentyFourHourSettings());
    const struct {
        const char* word;
        std::optional<int> month;
    } cases[] = {
        {"jan", 1},         {"January", 1},       {"feb", 2},           {"MAR", 3},
        {"march", 3},       {"may", 5},           {"jun", 6},           {"sep", 9},
        {"Sept", 9},        {"september", 9},     {"dec", 12},          {"Mär", 3},
        {"März", 3},        {"Mai", 5},           {"okt", 10},          {"Dezember", 12},
        {"", std::nullopt}, {"ma", std::nullopt}, {"13", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(words.Month(c.word), c.month) << '"' << c.word << '"';
}

TEST(TypedWords, TimesAsTheProgramWritesThemAndInTheUsersFormat) {
    const TDateTime day = EncodeDate(2027, 3, 14);
    for (const RegionalSettings& user : {TwelveHourSettings(), TwentyFourHourSettings()}) {
        const TypedWords words(user);
        DateFormats formats;
        formats.SaveUserDateFormats(user);
        for (int minute = 0; minute < 24 * 60; minute += 7) {
            const TDateTime time = EncodeTime(minute / 60, minute % 60, minute % 3 * 20);
            const TDateTime whole = EncodeTime(minute / 60, minute % 60);
            // The lists, the quick time set, the clock panel; and 24-hour with seconds.
            for (const char* pattern : {"h:mmam/pm", "hh:mm am/pm", "hh:mm:ssam/pm", "h:nn:ss"}) {
                const std::string text = formats.Format(pattern, day + time);
                const TDateTime expected =
                    std::string(pattern).find("s") != std::string::npos ? time : whole;
                ASSERT_EQ(words.TimeOfDay(text), expected) << text;
            }
            const UserFormatsScope scope(formats);
            const std::string own = formats.Format("t", day + time);
            ASSERT_EQ(words.TimeOfDay(own), whole) << own;
        }
    }
}

TEST(TypedWords, TimesThatAreNone) {
    const TypedWords words(TwentyFourHourSettings());
    for (const char* text : {"", "25:70", "24:00", "12:60", "13pm", "0am", "10:30x", "1030",
                             "10-30", "noon", "10:30 pm pm"})
        EXPECT_FALSE(words.TimeOfDay(text)) << '"' << text << '"';
    EXPECT_EQ(words.TimeOfDay("14.30"), EncodeTime(14, 30)); // the user's separator
    EXPECT_EQ(words.TimeOfDay("2:30 PM"), EncodeTime(14, 30));
}

TEST(TypedWords, MarkersStandingApart) {
    RegionalSettings user = TwentyFourHourSettings();
    EXPECT_TRUE(TypedWords(user).IsMarker("am"));
    EXPECT_TRUE(TypedWords(user).IsMarker("PM"));
    EXPECT_FALSE(TypedWords(user).IsMarker("")); // the user's markers are empty
    EXPECT_FALSE(TypedWords(user).IsMarker("a.m."));
    user.amString = "a.m.";
    user.pmString = "p.m.";
    EXPECT_TRUE(TypedWords(user).IsMarker("A.M."));
    EXPECT_TRUE(TypedWords(user).IsMarker("p.m."));
    EXPECT_FALSE(TypedWords(user).IsMarker("pm."));
}

TEST(TypedWords, Durations) {
    const struct {
        const char* text;
        std::optional<Duration> duration;
    } cases[] = {
        {"20m", Duration{0, 20}},
        {"2h", Duration{0, 120}},
        {"3d", Duration{3, 0}},
        {"1h30m", Duration{0, 90}},
        {"1h 30m", Duration{0, 90}},
        {"30m1h", Duration{0, 90}},
        {"2 hours", Duration{0, 120}},
        {"90 min", Duration{0, 90}},
        {"1 hr 5 mins", Duration{0, 65}},
        {"1 minute", Duration{0, 1}},
        {"20M", Duration{0, 20}},
        {"1w", Duration{7, 0}},
        {"2 weeks 1 day", Duration{15, 0}},
        {"1d1h", Duration{1, 60}},
        {"1w2d3h4m", Duration{9, 184}},
        {"0m", Duration{0, 0}},
        {"999999m", Duration{0, 999999}},
        {"\t5 days ", Duration{5, 0}},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"m", std::nullopt},
        {"20", std::nullopt},
        {"20x", std::nullopt},
        {"1h1h", std::nullopt},
        {"1h 2hours", std::nullopt},
        {"1m 1min", std::nullopt},
        {"1d 1day", std::nullopt},
        {"1000000m", std::nullopt},
        {"-5m", std::nullopt},
        {"1.5h", std::nullopt},
        {"1h30", std::nullopt},
        {"h30m", std::nullopt},
        {"20 m s", std::nullopt},
        {"20ms", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadDuration(c.text), c.duration) << '"' << c.text << '"';
}

TEST(TypedWords, FirstWordAndTheRest) {
    const struct {
        const char* text;
        const char* word;
        const char* rest;
    } cases[] = {
        {"in 20m", "in", "20m"}, {"  in \t 1h 30m  ", "in", "1h 30m"},
        {"fri", "fri", ""},      {"", "", ""},
        {" \t ", "", ""},
    };
    for (const auto& c : cases) {
        const WordAndRest split = SplitFirstWord(c.text);
        EXPECT_EQ(split.word, c.word) << '"' << c.text << '"';
        EXPECT_EQ(split.rest, c.rest) << '"' << c.text << '"';
    }
}

} // namespace
} // namespace nudgery

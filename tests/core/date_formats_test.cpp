#include "core/date_formats.h"
#include "regional_samples.h"

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <string>

namespace nudgery {
namespace {

using test::TwelveHourSettings;
using test::TwentyFourHourSettings;

const TDateTime Dec7 = EncodeDate(2026, 12, 7); // a Monday

DateFormats FormatsFor(const RegionalSettings& user) {
    DateFormats formats;
    formats.SaveUserDateFormats(user);
    return formats;
}

struct FormatCase {
    const char* pattern;
    TDateTime value;
    const char* expected;
};

TEST(DateFormatting, PatternsUnderTheFixedSet) {
    const DateFormats formats = FormatsFor(TwentyFourHourSettings());
    const FormatCase cases[] = {
        {"yyyymmddhh:nn", Dec7 + EncodeTime(9, 5), "2026120709:05"},
        {"h:mmam/pm", Dec7 + EncodeTime(9, 5), "9:05am"},
        {"h:mmam/pm", Dec7 + EncodeTime(0, 5), "12:05am"},
        {"h:mmam/pm", Dec7 + EncodeTime(12, 0), "12:00pm"},
        {"h:mmam/pm", Dec7 + EncodeTime(18, 30), "6:30pm"},
        {"h:mmam/pm", Dec7 + 0.9999999999, "12:00am"}, // rounds to the next midnight
        {"hh:mm:ss.zzz", Dec7 + EncodeTime(7, 8, 9, 45), "07:08:09.045"},
        {"h:n:s z", Dec7 + EncodeTime(7, 8, 9, 45), "7:8:9 45"},
        {"hh:nn ampm", Dec7 + EncodeTime(18, 30), "06:30 PM"},
        {"HH:NN AM/PM a/p A/P", Dec7 + EncodeTime(18, 30), "06:30 PM p P"},
        {"mm/dd/yy", Dec7, "12/07/26"},
        {"m/d/yyyy", EncodeDate(2001, 2, 3), "2/3/2001"},
        {"ddddd", Dec7, "12/07/2026"},
        {"mm/dd hh:mm", Dec7 + EncodeTime(18, 30), "12/07 18:30"},
        {"h 'h:mm' \"yyyy\" mm", Dec7 + EncodeTime(18, 30), "18 h:mm yyyy 30"},
        {"hh.xx q", Dec7, "00.xx q"},
        {"yyyy", EncodeDate(987, 6, 5), "0987"},
        {"'unclosed", Dec7, "unclosed"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formats.Format(c.pattern, c.value), c.expected) << c.pattern;
}

TEST(DateFormatting, NamesAndUserFormatsAreAlwaysTheUsers) {
    const DateFormats german = FormatsFor(TwentyFourHourSettings());
    EXPECT_EQ(german.Format("mmm dd, yyyy", EncodeDate(2026, 3, 1)), "Mär 01, 2026");
    EXPECT_EQ(german.Format("ddd dddd mmmm", Dec7), "Mo Montag Dezember");
    EXPECT_EQ(german.Format("dddddd", Dec7), "Montag, 7. Dezember 2026");
    EXPECT_EQ(german.Format("t", Dec7 + EncodeTime(18, 30)), "18:30"); // fixed ":" in force

    const DateFormats us = FormatsFor(TwelveHourSettings());
    EXPECT_EQ(us.Format("mmm dd, yyyy h:mmam/pm", EncodeDate(2026, 12, 24) + EncodeTime(18, 30)),
              "Dec 24, 2026 6:30pm");
    EXPECT_EQ(us.Format("dddddd", Dec7), "Monday, December 7, 2026");
    EXPECT_EQ(us.Format("t", Dec7 + EncodeTime(0, 7)), "12:07 AM");
}

TEST(DateFormatting, UserSetChangesSeparatorsShortDateAndMarkers) {
    RegionalSettings user = TwentyFourHourSettings();
    user.amString = "vorm.";
    user.pmString = "nachm.";
    DateFormats formats = FormatsFor(user);
    {
        const UserFormatsScope scope(formats);
        EXPECT_EQ(formats.Format("t", Dec7 + EncodeTime(18, 30)), "18.30");
        EXPECT_EQ(formats.Format("ddddd", Dec7), "07.12.2026");
        EXPECT_EQ(formats.Format("mm/dd", Dec7), "12.07");
        EXPECT_EQ(formats.Format("h:nn ampm", Dec7 + EncodeTime(9, 0)), "9.00 vorm.");
    }
    EXPECT_EQ(formats.Format("h:nn ampm", Dec7 + EncodeTime(21, 0)), "9:00 PM");
}

TEST(DateFormatting, ShortTimeFormatNamingItselfEnds) {
    RegionalSettings user = TwelveHourSettings();
    user.shortTimeFormat = "t h";
    user.longDateFormat = "dddddd";
    const DateFormats formats = FormatsFor(user);
    EXPECT_EQ(formats.Format("t", Dec7 + EncodeTime(15, 0)), " 15 15");
    EXPECT_EQ(formats.Format("dddddd", Dec7), "");
}

TEST(DateFormats, FixedSetIsInForceFromTheStart) {
    DateFormats formats = FormatsFor(TwentyFourHourSettings());
    EXPECT_FALSE(formats.UserFormatsInForce());
    EXPECT_EQ(formats.InForce().shortDateFormat, "mm/dd/yyyy");
    EXPECT_EQ(formats.InForce().timeSeparator, ":");
    formats.UseUserDateFormats();
    EXPECT_EQ(formats.InForce().timeSeparator, ".");
    EXPECT_EQ(formats.InForce().shortDateFormat, "dd.mm.yyyy");
    formats.UseInternalDateFormats();
    EXPECT_EQ(formats.InForce().amString, "AM");
    EXPECT_EQ(formats.InForce().dateSeparator, "/");
}

TEST(DateFormats, ScopeRestoresTheFixedSetWhenTheStepThrowsOrFails) {
    DateFormats formats = FormatsFor(TwentyFourHourSettings());
    EXPECT_THROW(
        {
            const UserFormatsScope scope(formats);
            EXPECT_TRUE(formats.UserFormatsInForce());
            throw std::runtime_error("step failed");
        },
        std::runtime_error);
    EXPECT_FALSE(formats.UserFormatsInForce());

    std::optional<TDateTime> parsed;
    {
        const UserFormatsScope scope(formats);
        parsed = formats.ParseTime("not a time");
    }
    EXPECT_FALSE(parsed);
    EXPECT_FALSE(formats.UserFormatsInForce());
    EXPECT_EQ(formats.Format("hh:nn", 0.5), "12:00");
}

struct ParseCase {
    const char* text;
    std::optional<TDateTime> expected;
};

void ExpectParses(const DateFormats& formats, std::initializer_list<ParseCase> cases) {
    for (const auto& c : cases) {
        const std::optional<TDateTime> parsed = formats.ParseTime(c.text);
        EXPECT_EQ(parsed, c.expected) << '"' << c.text << '"';
        EXPECT_EQ(formats.IsValidTime(c.text), c.expected.has_value()) << c.text;
    }
}

TEST(TimeParsing, TwelveHourUser) {
    DateFormats formats = FormatsFor(TwelveHourSettings());
    const UserFormatsScope scope(formats);
    ExpectParses(formats, {
                              {"2:30 pm", EncodeTime(14, 30)},
                              {"2:30PM", EncodeTime(14, 30)},
                              {"  14:30  ", EncodeTime(14, 30)},
                              {"14", EncodeTime(14, 0)},
                              {"2:30:15 pm", EncodeTime(14, 30, 15)},
                              {" 2 : 30 : 15  Am ", EncodeTime(2, 30, 15)},
                              {"12:00 am", 0.0},
                              {"12 PM", 0.5},
                              {"0:00", 0.0},
                              {"23:59:59", EncodeTime(23, 59, 59)},
                              {"007:05", EncodeTime(7, 5)},
                              {"24:00", std::nullopt},
                              {"0 AM", std::nullopt},
                              {"13 PM", std::nullopt},
                              {"2:60", std::nullopt},
                              {"2:30:60", std::nullopt},
                              {"", std::nullopt},
                              {"   ", std::nullopt},
                              {"2:", std::nullopt},
                              {"2:30:", std::nullopt},
                              {"1:2:3:4", std::nullopt},
                              {"PM 2:30", std::nullopt},
                              {"2:30 xm", std::nullopt},
                              {"2:30 pm x", std::nullopt},
                              {"2.30", std::nullopt},
                              {"-1", std::nullopt},
                              {"\t2:30", std::nullopt},
                              {"99999999999999999999999", std::nullopt},
                              {"1000", std::nullopt},
                          });
}

TEST(TimeParsing, TwentyFourHourUserWithDotSeparator) {
    RegionalSettings user = TwentyFourHourSettings();
    user.amString = "a.m.";
    user.pmString = "p.m.";
    DateFormats formats = FormatsFor(user);
    const UserFormatsScope scope(formats);
    ExpectParses(formats, {
                              {"14.30", EncodeTime(14, 30)},
                              {"14.30.05", EncodeTime(14, 30, 5)},
                              {"2.30 p.m.", EncodeTime(14, 30)},
                              {"2.30 P.M.", EncodeTime(14, 30)},
                              {"2.30 PM", EncodeTime(14, 30)}, // the English markers always count
                              {"2.30 a.m.", EncodeTime(2, 30)},
                              {"2.30.p.m.", std::nullopt},
                              {"14:30", std::nullopt},
                              {"24.00", std::nullopt},
                          });
}

TEST(TimeParsing, EmptySeparatorAndMarkersNeverMatchEmptiness) {
    RegionalSettings user = TwentyFourHourSettings();
    user.timeSeparator = "";
    DateFormats formats = FormatsFor(user);
    const UserFormatsScope scope(formats);
    ExpectParses(formats, {
                              {"14", EncodeTime(14, 0)},
                              {"1430", std::nullopt},
                              {"14:30", std::nullopt},
                              {"2 pm", EncodeTime(14, 0)},
                              {"2 am", EncodeTime(2, 0)},
                              {"0", 0.0},
                          });
}

// Short time formats whose texts the plain reading does not take: a marker before the
// hour, words around or between the numbers. What they write reads back, and the plain
// reading still works beside them.
TEST(TimeParsing, TheUsersOwnShortTimeFormatReadsBack) {
    const struct {
        const char* format;
        const char* separator;
        const char* am;
        const char* pm;
        std::initializer_list<ParseCase> cases;
    } users[] = {
        {"ampm h:nn",
         ":",
         "\xec\x98\xa4\xec\xa0\x84",
         "\xec\x98\xa4\xed\x9b\x84",
         {{"\xec\x98\xa4\xed\x9b\x84 2:30", EncodeTime(14, 30)},
          {"\xec\x98\xa4\xec\xa0\x84 12:05", EncodeTime(0, 5)},
          {"2:30 \xec\x98\xa4\xed\x9b\x84", EncodeTime(14, 30)},
          {"\xec\x98\xa4\xed\x9b\x84 14:30", std::nullopt},
          {"PM 2:30", EncodeTime(14, 30)},
          {"2:30", EncodeTime(2, 30)}}},
        {"ampmh:nn", ":", "AM", "PM", {{"pm2:30", EncodeTime(14, 30)}, {"PM 12:00", 0.5}}},
        {"hh \"h\" nn",
         ":",
         "AM",
         "PM",
         {{"14 h 30", EncodeTime(14, 30)},
          {"09 H 05", EncodeTime(9, 5)},
          {"14h30", EncodeTime(14, 30)},
          {"14:30", EncodeTime(14, 30)},
          {"14 h", std::nullopt},
          {"14 m 30", std::nullopt},
          {"25 h 00", std::nullopt}}},
        {"h:nn \"ch\".",
         ":",
         "AM",
         "PM",
         {{"14:30 ch.", EncodeTime(14, 30)}, {"14:30 ch", std::nullopt}}},
        {"\"Kl\". h.nn",
         ".",
         "AM",
         "PM",
         {{"Kl. 14.30", EncodeTime(14, 30)},
          {"14.30", EncodeTime(14, 30)},
          {"Kl 14.30", std::nullopt}}},
        {"am/pm h:nn", ":", "AM", "PM", {{"pm 2:30", EncodeTime(14, 30)}, {"am 12:00", 0.0}}},
        // One marker begins like the other: the longer match decides.
        {"hh:nn ampm",
         ":",
         "am Vormittag",
         "am Namittag",
         {{"2:30 am Namittag", EncodeTime(14, 30)}, {"2:30 AM VORMITTAG", EncodeTime(2, 30)}}},
    };
    for (const auto& u : users) {
        SCOPED_TRACE(u.format);
        RegionalSettings user = TwelveHourSettings();
        user.shortTimeFormat = u.format;
        user.timeSeparator = u.separator;
        user.amString = u.am;
        user.pmString = u.pm;
        DateFormats formats = FormatsFor(user);
        const UserFormatsScope scope(formats);
        ExpectParses(formats, u.cases);
        for (int minute = 0; minute < 24 * 60; minute += 7) {
            const TDateTime time = EncodeTime(minute / 60, minute % 60);
            const std::string text = formats.Format("t", Dec7 + time);
            ASSERT_EQ(formats.ParseTime(text), time) << text;
        }
    }
}

TEST(TimeParsing, TheSetInForceDecides) {
    DateFormats formats = FormatsFor(TwentyFourHourSettings());
    EXPECT_EQ(formats.ParseTime("2:30 PM"), EncodeTime(14, 30));
    EXPECT_FALSE(formats.ParseTime("14.30"));
    const UserFormatsScope scope(formats);
    EXPECT_EQ(formats.ParseTime("14.30"), EncodeTime(14, 30));
    EXPECT_FALSE(formats.ParseTime("14:30"));
}

TEST(TimeParsing, ShortTimeTextReadsBackToTheSameMinute) {
    for (const RegionalSettings& user : {TwelveHourSettings(), TwentyFourHourSettings()}) {
        DateFormats formats = FormatsFor(user);
        const UserFormatsScope scope(formats);
        for (int minute = 0; minute < 24 * 60; ++minute) {
            const TDateTime time = EncodeTime(minute / 60, minute % 60);
            const std::string text = formats.Format("t", Dec7 + time);
            ASSERT_EQ(formats.ParseTime(text), time) << text;
        }
    }
}

struct ScanCase {
    const char* pattern;
    const char* text;
    int year, month, day; // all 0 when the text does not have the pattern's shape
    std::size_t length;
    bool exists;
};

void ExpectScans(const DateFormats& formats, std::initializer_list<ScanCase> cases) {
    for (const ScanCase& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.pattern << "\" on \"" << c.text << '"');
        const std::optional<DateFormats::DateScan> scan = formats.ScanDate(c.pattern, c.text);
        ASSERT_EQ(scan.has_value(), c.year != 0 || c.month != 0 || c.day != 0);
        if (!scan)
            continue;
        EXPECT_EQ(scan->date.year, c.year);
        EXPECT_EQ(scan->date.month, c.month);
        EXPECT_EQ(scan->date.day, c.day);
        EXPECT_EQ(scan->length, c.length);
        EXPECT_EQ(scan->exists, c.exists);
    }
}

TEST(DateScanning, NumbersSeparatorsAndYears) {
    DateFormats formats = FormatsFor(TwelveHourSettings());
    const UserFormatsScope scope(formats);
    ExpectScans(formats, {
                             {"m/d/yyyy", "3/14/2027 10:30", 2027, 3, 14, 9, true},
                             {"m/d/yyyy", "03/14/2027", 2027, 3, 14, 10, true},
                             {"mm/dd/yyyy", "3/4/2027", 2027, 3, 4, 8, true},
                             {"m/d/yyyy", "2/29/2027", 2027, 2, 29, 9, false},
                             {"m/d/yyyy", "2/29/2028", 2028, 2, 29, 9, true},
                             {"m/d/yyyy", "2/29/2100", 2100, 2, 29, 9, false},
                             {"m/d/yyyy", "2/29/2000", 2000, 2, 29, 9, true},
                             {"m/d/yyyy", "4/31/2027", 2027, 4, 31, 9, false},
                             {"m/d/yyyy", "12/31/2027", 2027, 12, 31, 10, true},
                             {"m/d/yyyy", "13/1/2027", 2027, 13, 1, 9, false},
                             {"m/d/yyyy", "0/1/2027", 2027, 0, 1, 8, false},
                             {"m/d/yyyy", "1/0/2027", 2027, 1, 0, 8, false},
                             {"m/d/yyyy", "1/1/0000", 0, 1, 1, 8, false}, // no year 0
                             {"m/d/yy", "3/14/27", 2027, 3, 14, 7, true},
                             {"m/d/yy", "3/14/2027", 2027, 3, 14, 9, true},
                             {"m/d/yy", "3/14/202", 0, 0, 0, 0, false},
                             {"m/d/yyyy", "3/14/27", 0, 0, 0, 0, false},
                             {"m/d/yyyy", "3-14-2027", 0, 0, 0, 0, false},
                             {"m/d/yyyy", "3/14", 0, 0, 0, 0, false},
                             {"m/d/yyyy", "10:30", 0, 0, 0, 0, false},
                             {"m/d/yyyy", "", 0, 0, 0, 0, false},
                             {"m/d/yyyy", "123/4/2027", 0, 0, 0, 0, false},
                             {"yyyy-mm-dd", "2027-03-14T10:30", 2027, 3, 14, 10, true},
                             {"yyyy-mm-dd", "2027-3-4", 2027, 3, 4, 8, true},
                             {"yyyy-mm-dd", "27-03-14", 0, 0, 0, 0, false},
                             {"yyyy-mm-dd", "2027-03", 0, 0, 0, 0, false},
                             {"yyyy-mm", "2027-03", 0, 0, 0, 0, false}, // no day
                             {"h:nn d/m/yyyy", "1/2/2027", 0, 0, 0, 0, false},
                         });
}

TEST(DateScanning, NamesBlanksAndQuotedText) {
    DateFormats formats = FormatsFor(TwentyFourHourSettings());
    const UserFormatsScope scope(formats);
    ExpectScans(formats,
                {
                    {"dd.mm.yyyy", "14.03.2027 10.30", 2027, 3, 14, 10, true},
                    {"dd/mm/yyyy", "14.03.2027", 2027, 3, 14, 10, true}, // the user's separator
                    {"dd/mm/yyyy", "14/03/2027", 0, 0, 0, 0, false},
                    {"dd.mm.yyyy", "31.04.2027", 2027, 4, 31, 10, false},
                    {"d. mmmm yyyy", "14. März 2027", 2027, 3, 14, 14, true},
                    {"d. mmmm yyyy", "14.   märz 2027", 2027, 3, 14, 16, true},
                    {"d. mmmm yyyy", "14.März 2027", 2027, 3, 14, 13, true},
                    {"d. mmm yyyy", "1. Mai 2027", 2027, 5, 1, 11, true},
                    {"d. mmm yyyy", "1. Mär 2027", 2027, 3, 1, 12, true},
                    {"d. mmm yyyy", "1. Mar 2027", 0, 0, 0, 0, false}, // not the user's name
                    {"dddd, d. mmmm yyyy", "Sonntag, 14. März 2027", 2027, 3, 14, 23, true},
                    {"ddd d/m/yyyy", "So 14.3.2027", 2027, 3, 14, 12, true},
                    {"ddd d/m/yyyy", "Xy 14.3.2027", 0, 0, 0, 0, false},
                    {"d 'de' mmmm yyyy", "14 de März 2027", 2027, 3, 14, 16, true},
                    {"d \"de\" mmmm yyyy", "14 DE März 2027", 2027, 3, 14, 16, true},
                    {"d 'de' mmmm yyyy", "14 da März 2027", 0, 0, 0, 0, false},
                });
}

TEST(DateScanning, TheFixedSetReadsItsOwnSeparator) {
    const DateFormats formats = FormatsFor(TwentyFourHourSettings());
    ExpectScans(formats, {
                             {"mm/dd/yyyy", "03/14/2027", 2027, 3, 14, 10, true},
                             {"mm/dd/yyyy", "03.14.2027", 0, 0, 0, 0, false},
                         });
}

TEST(DateScanning, WhatTheListWritesReadsBack) {
    for (const RegionalSettings& user : {TwelveHourSettings(), TwentyFourHourSettings()}) {
        DateFormats formats = FormatsFor(user);
        const UserFormatsScope scope(formats);
        for (TDateTime day = EncodeDate(2024, 1, 1); day < EncodeDate(2025, 1, 1); day += 1) {
            for (const std::string pattern :
                 {"mmm dd, yyyy", user.shortDateFormat.c_str(), user.longDateFormat.c_str()}) {
                const std::string text = formats.Format(pattern, day + 0.5);
                const std::optional<DateFormats::DateScan> scan = formats.ScanDate(pattern, text);
                ASSERT_TRUE(scan && scan->exists) << text;
                ASSERT_EQ(EncodeDate(scan->date), day) << text;
                ASSERT_EQ(scan->length, text.size()) << text;
            }
        }
    }
}

} // namespace
} // namespace nudgery

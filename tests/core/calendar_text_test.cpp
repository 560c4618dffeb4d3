// Texts and numbers as calendar files carry them: which bytes travel as they are, what a
// calendar shows of the others, and the exact forms that bring any bytes and any double back.

#include "core/calendar_text.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace nudgery {
namespace {

TEST(CalendarText, PlainTextsAreValidUtf8WithoutControlsOrBlankEnds) {
    const struct {
        std::string_view bytes;
        bool plain;
    } cases[] = {
        {"", true},
        {"Call the dentist", true},
        {"tab\tand\nline feed inside", true},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x94\x94", true}, // é, the euro sign, a bell
        {" leading blank", false},
        {"trailing blank ", false},
        {"ends in a line feed\n", false},
        {"carriage\rreturn", false},
        {"bell\x07", false},
        {"delete\x7F", false},
        {"cut short \xC3", false},
        {"overlong \xC0\xAF", false},
        {"overlong \xE0\x80\xAF", false},
        {"surrogate \xED\xA0\x80", false},
        {"beyond U+10FFFF \xF4\x90\x80\x80", false},
        {"lone continuation \x80", false},
        {"Latin-1 caf\xE9", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPlainCalendarText(c.bytes), c.plain) << c.bytes;
}

TEST(CalendarText, ShownTextReplacesBadBytesAndDropsControls) {
    EXPECT_EQ(CalendarShownText("caf\xE9!"), "caf\xEF\xBF\xBD!");
    EXPECT_EQ(CalendarShownText("a\x01"
                                "b\rc\td"),
              "abc\td");
    EXPECT_EQ(CalendarShownText("  both ends \n"), "both ends");
    EXPECT_EQ(CalendarShownText("\x01\x02"), "");
}

TEST(CalendarText, EveryShownTextIsPlainAndPlainTextsAreShownAsTheyAre) {
    std::mt19937 random(26);
    for (int i = 0; i < 20000; ++i) {
        std::string bytes(random() % 12, '\0');
        for (char& c : bytes)
            // Mostly ASCII and the bytes of UTF-8 sequences, where the edge cases lie.
            c = static_cast<char>(random() % 3 == 0 ? 0x80 + random() % 0x80 : random() % 0x80);
        const std::string shown = CalendarShownText(bytes);
        ASSERT_TRUE(IsPlainCalendarText(shown)) << bytes;
        if (IsPlainCalendarText(bytes)) {
            ASSERT_EQ(shown, bytes);
        }
    }
}

TEST(CalendarText, ExactFormBringsAnyBytesBackInPrintableAscii) {
    std::mt19937 random(5545);
    for (int i = 0; i < 5000; ++i) {
        std::string bytes(random() % 40, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        const std::string form = ExactTextForm(bytes);
        for (const char c : form) {
            ASSERT_GT(c, ' ');
            ASSERT_LT(c, 0x7F);
            // What a property value would split or escape at.
            ASSERT_TRUE(c != ',' && c != ';' && c != '\\');
        }
        ASSERT_EQ(FromExactTextForm(form), bytes);
    }
}

TEST(CalendarText, TextsThatAreNoExactFormAreRefused) {
    for (const std::string_view form : {"%", "%4", "%4G", "a b", "a,b", "a;b", "back\\slash"})
        EXPECT_FALSE(FromExactTextForm(form)) << form;
    EXPECT_EQ(FromExactTextForm("%41%62c"), "Abc");
}

TEST(CalendarText, PercentDecodingTakesAnyOtherCharacterAsItIs) {
    EXPECT_EQ(PercentDecoded("/home/j%C3%B6rg/ring tone.wav"), "/home/j\xC3\xB6rg/ring tone.wav");
    EXPECT_FALSE(PercentDecoded("100%"));
}

TEST(CalendarText, ExactNumbersReadBackBitForBit) {
    std::mt19937_64 random(1899);
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1.0 / 3,
                                  46364.39583333333,
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN(),
                                  std::bit_cast<double>(std::uint64_t{0xFFF0000000000123})};
    for (int i = 0; i < 5000; ++i)
        values.push_back(std::bit_cast<double>(random()));
    for (const double value : values) {
        const auto back = FromExactNumberText(ExactNumberText(value));
        ASSERT_TRUE(back) << ExactNumberText(value);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(*back), std::bit_cast<std::uint64_t>(value))
            << ExactNumberText(value);
    }
}

TEST(CalendarText, TextsThatAreNoExactNumberAreRefused) {
    for (const std::string_view text : {"", "1.5x", " 1", "nan", "NaN:", "NaN:1", "NaN:zz"})
        EXPECT_FALSE(FromExactNumberText(text)) << text;
}

TEST(CalendarText, DigestIsTheFnv1aHashOfTheBytes) {
    // The published test values of 64-bit FNV-1a.
    EXPECT_EQ(HexDigest(""), "cbf29ce484222325");
    EXPECT_EQ(HexDigest("a"), "af63dc4c8601ec8c");
    EXPECT_EQ(HexDigest("foobar"), "85944171f73967e8");
}

} // namespace
} // namespace nudgery

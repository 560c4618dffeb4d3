// The settings text changed in memory: entries that would not read back as written are
// refused, and a last line ended by a lone carriage return keeps its value when a key or a
// section is appended after it.

#include "core/profile_text.h"

#include <gtest/gtest.h>

namespace nudgery {
namespace {

struct Entry {
    const char* section;
    const char* key;
    const char* value;
};

// Line breaks shown escaped, so the names of the cases stay on one line.
void PrintTo(const Entry& entry, std::ostream* out) {
    for (const char* text : {entry.section, entry.key, entry.value}) {
        *out << " \"";
        for (const char* c = text; *c != 0; ++c)
            *out << (*c == '\n' ? "\\n" : *c == '\r' ? "\\r" : std::string(1, *c));
        *out << '"';
    }
}

class UnwritableEntry : public testing::TestWithParam<Entry> {};

TEST_P(UnwritableEntry, IsRefused) {
    const Entry& entry = GetParam();
    EXPECT_EQ(SetProfileValue("[S]\nK=1\n", entry.section, entry.key, entry.value), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(ProfileText, UnwritableEntry,
                         testing::Values(Entry{"S", "K", "a\nb"}, Entry{"S", "K", "a\rb"},
                                         Entry{"S\n", "K", "v"}, Entry{"S", "K\r", "v"},
                                         Entry{"S]", "K", "v"}, Entry{" S", "K", "v"},
                                         Entry{"S\t", "K", "v"}, Entry{"S", "K=", "v"},
                                         Entry{"S", " K", "v"}, Entry{"S", "K ", "v"},
                                         Entry{"S", ";K", "v"}, Entry{"S", "#K", "v"},
                                         Entry{"S", "[K", "v"}));

TEST(ProfileText, NamesThatReadBackAsThemselvesAreWritten) {
    for (const Entry& entry : {Entry{"", "", "empty names"}, Entry{"[S", "K]", "v"},
                               Entry{"S;", "K;#[", "; not a comment"}, Entry{"a b", "c d", "e"}}) {
        const auto text = SetProfileValue("[S]\nK=1\n", entry.section, entry.key, entry.value);
        ASSERT_TRUE(text) << entry.section << " " << entry.key;
        EXPECT_EQ(FindProfileValue(*text, entry.section, entry.key), entry.value);
    }
}

struct Append {
    const char* name;
    const char* section; // where the new key goes
    const char* expected;
};

void PrintTo(const Append& append, std::ostream* out) {
    *out << append.name;
}

class AfterALoneCarriageReturn : public testing::TestWithParam<Append> {};

TEST_P(AfterALoneCarriageReturn, TheLastLineKeepsItsValue) {
    // Reading takes the final "\r" for the first half of a line break.
    const std::string text = "[S]\r\nA=1\r";
    ASSERT_EQ(FindProfileValue(text, "S", "A"), "1");
    const auto written = SetProfileValue(text, GetParam().section, "B", "2");
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, GetParam().expected);
    EXPECT_EQ(FindProfileValue(*written, "S", "A"), "1");
    EXPECT_EQ(FindProfileValue(*written, GetParam().section, "B"), "2");
}

INSTANTIATE_TEST_SUITE_P(
    ProfileText, AfterALoneCarriageReturn,
    testing::Values(Append{"KeyInTheLastSection", "S", "[S]\r\nA=1\r\nB=2\r\n"},
                    Append{"NewSection", "T", "[S]\r\nA=1\r\n[T]\r\nB=2\r\n"}),
    [](const testing::TestParamInfo<Append>& info) { return info.param.name; });

} // namespace
} // namespace nudgery

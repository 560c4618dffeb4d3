// The tagged-value encoding: exact bytes written, and what the reader accepts or fails on.

#include "core/tagged_reader.h"
#include "core/tagged_writer.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace nudgery {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Concat(Bytes head, const std::string& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

struct IntegerCase {
    std::int32_t value;
    Bytes bytes;
};

// Names the case in test names and failure messages by its value.
void PrintTo(const IntegerCase& c, std::ostream* out) {
    *out << c.value;
}

class IntegerEncoding : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerEncoding, WritesSmallestFormAndReadsBack) {
    TaggedWriter writer;
    writer.WriteInteger(GetParam().value);
    EXPECT_EQ(writer.Bytes(), GetParam().bytes);

    TaggedReader reader(GetParam().bytes);
    EXPECT_EQ(reader.ReadInteger(), GetParam().value);
    EXPECT_TRUE(reader.AtEnd());
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, IntegerEncoding,
    testing::Values(IntegerCase{0, {0x02, 0x00}}, IntegerCase{1, {0x02, 0x01}},
                    IntegerCase{90, {0x02, 0x5A}}, IntegerCase{127, {0x02, 0x7F}},
                    IntegerCase{-128, {0x02, 0x80}}, IntegerCase{-1, {0x02, 0xFF}},
                    IntegerCase{128, {0x03, 0x80, 0x00}}, IntegerCase{-129, {0x03, 0x7F, 0xFF}},
                    IntegerCase{240, {0x03, 0xF0, 0x00}}, IntegerCase{666, {0x03, 0x9A, 0x02}},
                    IntegerCase{32767, {0x03, 0xFF, 0x7F}}, IntegerCase{-32768, {0x03, 0x00, 0x80}},
                    IntegerCase{32768, {0x04, 0x00, 0x80, 0x00, 0x00}},
                    IntegerCase{-32769, {0x04, 0xFF, 0x7F, 0xFF, 0xFF}},
                    IntegerCase{40000, {0x04, 0x40, 0x9C, 0x00, 0x00}},
                    IntegerCase{INT32_MAX, {0x04, 0xFF, 0xFF, 0xFF, 0x7F}},
                    IntegerCase{INT32_MIN, {0x04, 0x00, 0x00, 0x00, 0x80}}));

TEST(TaggedValues, WidestIntegerFormReadsSmallValuesSignExtended) {
    const Bytes bytes{0x04, 0xFE, 0xFF, 0xFF, 0xFF, 0x03, 0x05, 0x00};
    TaggedReader reader(bytes);
    EXPECT_EQ(reader.ReadInteger(), -2);
    EXPECT_EQ(reader.ReadInteger(), 5);
}

TEST(TaggedValues, FloatIsTenBytesOfExtendedPrecision) {
    TaggedWriter writer;
    writer.WriteFloat(2.0);
    EXPECT_EQ(writer.Bytes(), (Bytes{0x05, 0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x40}));
}

TEST(TaggedValues, FloatReadsIntegerValuesAsNumbers) {
    const Bytes bytes{0x02, 0x00, 0x02, 0xFD, 0x03, 0x9A, 0x02, 0x04, 0x40, 0x9C, 0x00, 0x00};
    TaggedReader reader(bytes);
    EXPECT_EQ(reader.ReadFloat(), 0.0);
    EXPECT_EQ(reader.ReadFloat(), -3.0);
    EXPECT_EQ(reader.ReadFloat(), 666.0);
    EXPECT_EQ(reader.ReadFloat(), 40000.0);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(TaggedValues, FloatRoundTripsThroughWriter) {
    for (const double value : {0.0, -0.0, 0.5, 45406.25, 739000.25, 1e-310, -1e300}) {
        TaggedWriter writer;
        writer.WriteFloat(value);
        TaggedReader reader(writer.Bytes());
        const double read = reader.ReadFloat();
        EXPECT_EQ(std::signbit(read), std::signbit(value)) << value;
        EXPECT_EQ(read, value);
    }
}

TEST(TaggedValues, TextsUseShortFormBelow256Bytes) {
    const std::string empty;
    const std::string short255(255, 'a');
    const std::string long256(256, 'b');
    const std::string long300(300, 'c');

    struct Case {
        const std::string& text;
        Bytes head;
    };
    for (const Case& c : {Case{empty, {0x06, 0x00}}, Case{short255, {0x06, 0xFF}},
                          Case{long256, {0x0C, 0x00, 0x01, 0x00, 0x00}},
                          Case{long300, {0x0C, 0x2C, 0x01, 0x00, 0x00}}}) {
        TaggedWriter writer;
        writer.WriteString(c.text);
        EXPECT_EQ(writer.Bytes(), Concat(c.head, c.text)) << c.text.size();

        TaggedReader reader(writer.Bytes());
        EXPECT_EQ(reader.ReadString(), c.text);
        EXPECT_TRUE(reader.AtEnd());
    }
}

TEST(TaggedValues, TextBytesTravelUnconverted) {
    const std::string text("caf\xE9\x00\xFF\r\n", 8);
    TaggedWriter writer;
    writer.WriteString(text);
    TaggedReader reader(writer.Bytes());
    EXPECT_EQ(reader.ReadString(), text);
}

TEST(TaggedValues, BooleansAndListMarks) {
    TaggedWriter writer;
    writer.WriteListBegin();
    writer.WriteBoolean(true);
    writer.WriteBoolean(false);
    writer.WriteListEnd();
    EXPECT_EQ(writer.Bytes(), (Bytes{0x01, 0x09, 0x08, 0x00}));
}

TEST(TaggedValues, BooleanIsTrueOnlyForTrueTagAndConsumesAnyByte) {
    const Bytes bytes{0x09, 0x08, 0x01, 0x00, 0x02, 0xFF};
    TaggedReader reader(bytes);
    const std::vector<bool> expected{true, false, false, false, false, false};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(reader.ReadBoolean(), expected[i]) << i;
        EXPECT_EQ(reader.Position(), i + 1);
    }
    EXPECT_THROW(reader.ReadBoolean(), TaggedReadError);
}

TEST(TaggedValues, WrongTagFailsAndIsConsumed) {
    // A text where an integer should be, an integer where a text should be, a boolean
    // where a number should be, a missing list mark.
    const Bytes bytes{0x06, 0x09, 0x05, 0x08, 0x02, 0x0C};
    TaggedReader reader(bytes);
    EXPECT_THROW(reader.ReadInteger(), TaggedReadError);
    EXPECT_EQ(reader.Position(), 1u);
    EXPECT_THROW(reader.ReadString(), TaggedReadError);
    EXPECT_EQ(reader.Position(), 2u);
    EXPECT_THROW(reader.ReadInteger(), TaggedReadError);
    EXPECT_THROW(reader.ReadFloat(), TaggedReadError);
    EXPECT_THROW(reader.ReadListBegin(), TaggedReadError);
    EXPECT_THROW(reader.ReadListEnd(), TaggedReadError);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(TaggedValues, RunningOutOfBytesFailsEveryRead) {
    const std::vector<Bytes> cutValues{
        {},
        {0x02},
        {0x03, 0x01},
        {0x04, 0x01, 0x02, 0x03},
        {0x05, 0, 0, 0, 0, 0, 0, 0, 0x80, 0x00},
        {0x06},
        {0x06, 0x03, 'a', 'b'},
        {0x0C, 0x03, 0x00, 0x00},
        {0x0C, 0x03, 0x00, 0x00, 0x00, 'a'},
    };
    for (const Bytes& bytes : cutValues) {
        TaggedReader reader(bytes);
        const auto tag = bytes.empty() ? 0 : bytes[0];
        if (tag == 0x06 || tag == 0x0C) {
            EXPECT_THROW(reader.ReadString(), TaggedReadError) << bytes.size();
        } else {
            EXPECT_THROW(reader.ReadFloat(), TaggedReadError) << bytes.size();
        }
        EXPECT_TRUE(reader.AtEnd()) << "a cut value consumes what is left";
    }
}

TEST(TaggedValues, PeekAtListEndDoesNotConsumeAndFailsAtEnd) {
    const Bytes bytes{0x00, 0x02};
    TaggedReader reader(bytes);
    EXPECT_TRUE(reader.NextIsEndOfList());
    EXPECT_TRUE(reader.NextIsEndOfList());
    reader.ReadListEnd();
    EXPECT_FALSE(reader.NextIsEndOfList());
    reader.ReadBoolean();
    EXPECT_THROW(reader.NextIsEndOfList(), TaggedReadError);
}

TEST(TaggedValues, HugeTextLengthFailsAtOnce) {
    // 4 GiB - 1 claimed, three bytes present (the fuzzer's malloc limit guards the allocation).
    const Bytes bytes{0x0C, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c'};
    TaggedReader reader(bytes);
    EXPECT_THROW(reader.ReadString(), TaggedReadError);
    EXPECT_TRUE(reader.AtEnd());
}

} // namespace
} // namespace nudgery

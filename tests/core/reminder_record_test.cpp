// One reminder record: the twelve values in file order, exact bytes both ways, the older
// date representation, lenient reading of numbers and booleans, and partial records.

#include "core/reminder.h"
#include "core/tagged_reader.h"
#include "core/tagged_writer.h"
#include "record_bytes.h"

#include <gtest/gtest.h>

namespace nudgery {
namespace {

using namespace testing_bytes;

Bytes Write(const TReminder& reminder) {
    TaggedWriter writer;
    reminder.WriteToStream(writer);
    return writer.Bytes();
}

TReminder Read(const Bytes& bytes, std::size_t* consumed = nullptr) {
    TReminder reminder;
    TaggedReader reader(bytes);
    RecentTexts soundFiles;
    reminder.ReadFromStream(reader, soundFiles);
    if (consumed != nullptr) {
        *consumed = reader.Position();
    }
    return reminder;
}

TEST(ReminderRecord, OneTimeReminderWithEmptyTextsIs49Bytes) {
    TReminder reminder;
    reminder.EventType = EventShowOnly;
    const Bytes expected = OneTimeRecord(1, FloatZero, "", 0);
    ASSERT_EQ(expected.size(), 49u);
    EXPECT_EQ(Write(reminder), expected);
}

TEST(ReminderRecord, RepeatingReminderWritesEveryFieldInFileOrder) {
    TReminder reminder;
    reminder.Kind = KindRepeating;
    reminder.EventType = EventPlayOnly;
    reminder.When = 45406.25;
    reminder.FirstTime = 0.375;
    reminder.HasUntil = true;
    reminder.UntilTime = 0.375;
    reminder.Description = "Tea";
    reminder.SoundFile = "a.wav";
    reminder.DaySpec = "12345";
    reminder.RepeatMinutes = 240;
    reminder.Status = StatusNotToday;
    reminder.ReservedFlag = true;

    // UntilTime comes before HasUntil.
    const Bytes expected = Join({Int8(1),
                                 Int8(2),
                                 Float45406_25,
                                 Float0375,
                                 Float0375,
                                 {0x09},
                                 ShortText("Tea"),
                                 ShortText("a.wav"),
                                 ShortText("12345"),
                                 {0x03, 0xF0, 0x00},
                                 Int8(3),
                                 {0x09}});
    EXPECT_EQ(Write(reminder), expected);
    EXPECT_EQ(expected.size(), 49u + 3 + 5 + 5 + 1);

    std::size_t consumed = 0;
    EXPECT_EQ(Read(expected, &consumed), reminder);
    EXPECT_EQ(consumed, expected.size());
}

TEST(ReminderRecord, OlderDatesAreConvertedOnlyInWhen) {
    struct Case {
        Bytes stored;
        double loaded;
    };
    for (const Case& c : {Case{Float739000_25, 45406.25}, Case{Float60000, 60000.0},
                          Case{Float45406_25, 45406.25}}) {
        const Bytes record = Join({Int8(1),
                                   Int8(0),
                                   c.stored,
                                   Float739000_25,
                                   Float739000_25,
                                   {0x08},
                                   ShortText(""),
                                   ShortText(""),
                                   ShortText(""),
                                   Int8(0),
                                   Int8(0),
                                   {0x08}});
        const TReminder reminder = Read(record);
        EXPECT_EQ(reminder.When, c.loaded);
        EXPECT_EQ(reminder.FirstTime, 739000.25);
        EXPECT_EQ(reminder.UntilTime, 739000.25);
    }
}

TEST(ReminderRecord, NumbersStoredAsIntegersAndOddBooleansAreRead) {
    // When as 02 05, FirstTime as 03 ..., UntilTime as 04 ...; HasUntil as 0x01;
    // ReservedFlag as 0x09.
    const Bytes record = Join({Int8(0),
                               Int8(3),
                               {0x02, 0x05},
                               {0x03, 0x00, 0x01},
                               {0x04, 0x00, 0x00, 0x01, 0x00},
                               {0x01},
                               ShortText("x"),
                               ShortText(""),
                               ShortText(""),
                               Int8(-5),
                               Int8(1),
                               {0x09}});
    std::size_t consumed = 0;
    const TReminder reminder = Read(record, &consumed);
    EXPECT_EQ(consumed, record.size());
    EXPECT_EQ(reminder.EventType, 3);
    EXPECT_EQ(reminder.When, 5.0);
    EXPECT_EQ(reminder.FirstTime, 256.0);
    EXPECT_EQ(reminder.UntilTime, 65536.0);
    EXPECT_FALSE(reminder.HasUntil);
    EXPECT_EQ(reminder.Description, "x");
    EXPECT_EQ(reminder.RepeatMinutes, -5);
    EXPECT_EQ(reminder.Status, StatusDone);
    EXPECT_TRUE(reminder.ReservedFlag);
    EXPECT_EQ(Write(reminder).back(), 0x09) << "a stored true flag is written back as true";
}

TEST(ReminderRecord, ByteFieldsTakeTheLowEightBits) {
    const Bytes record = Join({{0x03, 0x01, 0x01},
                               {0x04, 0x02, 0xFF, 0xFF, 0xFF},
                               FloatZero,
                               FloatZero,
                               FloatZero,
                               {0x08},
                               ShortText(""),
                               ShortText(""),
                               ShortText(""),
                               Int8(0),
                               {0x03, 0x04, 0x02},
                               {0x08}});
    const TReminder reminder = Read(record);
    EXPECT_EQ(reminder.Kind, 1);
    EXPECT_EQ(reminder.EventType, 2);
    EXPECT_EQ(reminder.Status, 4);
}

TEST(ReminderRecord, FailingValueEndsRecordKeepingFieldsReadBefore) {
    TReminder before;
    before.Description = "old";
    before.SoundFile = "old.wav";
    before.RepeatMinutes = 77;

    // The sound file's place holds an integer: the record ends after consuming that tag.
    const Bytes record = Join({Int8(1),
                               Int8(2),
                               Float45406_25,
                               Float0375,
                               Float0375,
                               {0x09},
                               ShortText("new"),
                               Int8(9),
                               ShortText("tail")});
    TReminder reminder = before;
    TaggedReader reader(record);
    RecentTexts soundFiles;
    EXPECT_THROW(reminder.ReadFromStream(reader, soundFiles), TaggedReadError);

    EXPECT_EQ(reminder.Kind, 1);
    EXPECT_EQ(reminder.When, 45406.25);
    EXPECT_TRUE(reminder.HasUntil);
    EXPECT_EQ(reminder.Description, "new");
    EXPECT_EQ(reminder.SoundFile, "old.wav");
    EXPECT_EQ(reminder.RepeatMinutes, 77);
    EXPECT_EQ(reader.Position(), record.size() - ShortText("tail").size() - 1)
        << "the wrong tag is consumed, its value is not";
}

TEST(ReminderRecord, CutRecordFailsKeepingFieldsBeforeTheCut) {
    const Bytes whole = OneTimeRecord(1, Float45406_25, "Dentist", 0);
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const Bytes part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
        TReminder reminder;
        TaggedReader reader(part);
        RecentTexts soundFiles;
        EXPECT_THROW(reminder.ReadFromStream(reader, soundFiles), TaggedReadError) << cut;
        EXPECT_EQ(reader.Position(), cut);
        // When is whole from byte 15 on, the description from byte 47 on.
        EXPECT_EQ(reminder.When, cut >= 15 ? 45406.25 : 0.0) << cut;
        EXPECT_EQ(reminder.Description, cut >= 47 ? "Dentist" : "") << cut;
    }
    EXPECT_EQ(Read(whole).Description, "Dentist");
}

} // namespace
} // namespace nudgery

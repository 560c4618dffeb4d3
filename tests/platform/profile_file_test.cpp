#include "platform/profile_file.h"
#include "support/temp_folder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <ostream>

namespace nudgery {
namespace {

struct IntegerCase {
    const char* text;
    std::optional<std::int32_t> expected;
};

// Names the case in test names and failure messages by the text it parses.
void PrintTo(const IntegerCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class ProfileIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ProfileIntegerTest, ParsesLikeTheProfileFunctions) {
    EXPECT_EQ(ParseProfileInteger(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileIntegerTest,
    ::testing::Values(IntegerCase{"600", 600}, IntegerCase{"-10", -10}, IntegerCase{"+7", 7},
                      IntegerCase{"0x258", 600}, IntegerCase{"0X1f", 31}, IntegerCase{"$1F", 31},
                      IntegerCase{"-$10", -16}, IntegerCase{"0xFFFFFFFF", -1},
                      IntegerCase{"0x100000000", std::nullopt},
                      IntegerCase{"2147483647", 2147483647},
                      IntegerCase{"-2147483648", -2147483647 - 1},
                      IntegerCase{"2147483648", std::nullopt},
                      IntegerCase{"99999999999999999999", std::nullopt},
                      // "0x" alone is not long enough to be hexadecimal, nor a decimal number.
                      IntegerCase{"0x", std::nullopt}, IntegerCase{"0", 0},
                      IntegerCase{"abc", std::nullopt}, IntegerCase{"", std::nullopt},
                      IntegerCase{"12abc", std::nullopt}, IntegerCase{"$", std::nullopt},
                      IntegerCase{"-", std::nullopt}, IntegerCase{"1 2", std::nullopt}));

constexpr const char* HandWritten = "; Nudgery settings, edited by hand\r\n"
                                    "[Timeout]\r\n"
                                    "  Seconds = 0x258  \r\n"
                                    "Action=abc\r\n"
                                    "\r\n"
                                    "; keep this comment\r\n"
                                    "[misc]\r\n"
                                    "HINTS=5\r\n"
                                    "AnimateIcon=\r\n"
                                    "[Sounds]\r\n"
                                    "WaveFile=\"  /sounds/ding.wav \"\r\n"
                                    "Other='single'\r\n"
                                    "Mismatched=\"half'\r\n";

class ProfileFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    ProfileFile file{folder.Write("NUDGERY.INI", HandWritten)};
};

TEST_F(ProfileFileTest, ReadsHandWrittenValues) {
    EXPECT_EQ(file.ReadInteger("Timeout", "Seconds", 0), 600);
    EXPECT_EQ(file.ReadInteger("Timeout", "Action", -5), -5);
    EXPECT_EQ(file.ReadInteger("Timeout", "Missing", 42), 42);
    EXPECT_EQ(file.ReadInteger("NoSection", "Seconds", 7), 7);
    EXPECT_TRUE(file.ReadBool("Misc", "Hints", false));
    // An empty value is present but not a number.
    EXPECT_TRUE(file.ReadBool("Misc", "AnimateIcon", true));
    EXPECT_FALSE(file.ReadBool("Misc", "AnimateIcon", false));
    EXPECT_EQ(file.ReadString("Misc", "AnimateIcon", "default"), "");
}

TEST_F(ProfileFileTest, MatchesSectionsAndKeysWithoutRegardToCase) {
    EXPECT_EQ(file.ReadString("MISC", "hints", ""), "5");
    EXPECT_EQ(file.ReadString("timeout", "SECONDS", ""), "0x258");
    EXPECT_EQ(file.ReadString("sounds", "other", ""), "single");
}

TEST_F(ProfileFileTest, RemovesOnlyMatchingSurroundingQuotes) {
    EXPECT_EQ(file.ReadString("Sounds", "WaveFile", ""), "  /sounds/ding.wav ");
    EXPECT_EQ(file.ReadString("Sounds", "Other", ""), "single");
    EXPECT_EQ(file.ReadString("Sounds", "Mismatched", ""), "\"half'");
}

TEST_F(ProfileFileTest, ChangingAKeyKeepsEveryOtherByte) {
    file.WriteInteger("TIMEOUT", "seconds", -30);
    std::string expected = HandWritten;
    expected.replace(expected.find("  Seconds = 0x258  "), 19, "Seconds=-30");
    EXPECT_EQ(folder.Read("NUDGERY.INI"), expected);
    EXPECT_EQ(file.ReadInteger("Timeout", "Seconds", 0), -30);
}

TEST_F(ProfileFileTest, NewKeyGoesAfterTheLastEntryOfItsSection) {
    file.WriteBool("Timeout", "Extra", true);
    std::string expected = HandWritten;
    expected.insert(expected.find("Action=abc\r\n") + 12, "Extra=1\r\n");
    EXPECT_EQ(folder.Read("NUDGERY.INI"), expected);
}

TEST_F(ProfileFileTest, NewSectionGoesAtTheEnd) {
    file.WriteString("TMainForm_Placement", "Left", "10");
    EXPECT_EQ(folder.Read("NUDGERY.INI"),
              std::string(HandWritten) + "[TMainForm_Placement]\r\nLeft=10\r\n");
}

TEST_F(ProfileFileTest, ValuesThatReadingWouldChangeAreQuoted) {
    for (const std::string value : {" lead", "trail ", "\"quoted\"", "'single'", "", "a b"}) {
        file.WriteString("Sounds", "WaveFile", value);
        EXPECT_EQ(file.ReadString("Sounds", "WaveFile", "x"), value);
    }
    file.WriteString("Sounds", "WaveFile", "plain");
    EXPECT_NE(folder.Read("NUDGERY.INI").find("\r\nWaveFile=plain\r\n"), std::string::npos);
}

TEST_F(ProfileFileTest, WritingTheValueAlreadyThereLeavesTheFileAlone) {
    file.WriteInteger("Timeout", "Seconds", 600);
    const QString path = folder.Path("NUDGERY.INI");
    const QDateTime longAgo = QDateTime::currentDateTimeUtc().addDays(-30);
    {
        QFile stamped(path);
        ASSERT_TRUE(stamped.open(QIODevice::ReadWrite));
        ASSERT_TRUE(stamped.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }
    const std::string before = folder.Read("NUDGERY.INI");
    file.WriteInteger("Timeout", "Seconds", 600);
    EXPECT_EQ(QFileInfo(path).lastModified().toSecsSinceEpoch(), longAgo.toSecsSinceEpoch());
    EXPECT_EQ(folder.Read("NUDGERY.INI"), before);
    file.WriteInteger("Timeout", "Seconds", 601);
    EXPECT_NE(QFileInfo(path).lastModified().toSecsSinceEpoch(), longAgo.toSecsSinceEpoch());
}

TEST_F(ProfileFileTest, LineBreaksInAValueAreRefusedAndTheFileKept) {
    EXPECT_THROW(file.WriteString("Sounds", "WaveFile", "a\n[Tray]\nUse=1"), ProfileWriteError);
    EXPECT_EQ(folder.Read("NUDGERY.INI"), HandWritten);
}

TEST_F(ProfileFileTest, SeveralKeysAreWrittenTogetherOrNotAtAll) {
    // A refused value anywhere in the batch keeps the file as it was, the keys before it too.
    EXPECT_THROW(file.WriteStrings("Placement", {ProfileEntry::Integer("Left", 5),
                                                 {"Top", "a\nb"},
                                                 ProfileEntry::Bool("Maximized", true)}),
                 ProfileWriteError);
    EXPECT_EQ(folder.Read("NUDGERY.INI"), HandWritten);

    file.WriteStrings("Placement", {ProfileEntry::Integer("Left", -5),
                                    {"Top", "7"},
                                    ProfileEntry::Bool("Maximized", true),
                                    ProfileEntry::Integer("Left", 9)});
    EXPECT_EQ(file.ReadInteger("Placement", "Left", 0), 9);
    EXPECT_EQ(file.ReadInteger("Placement", "Top", 0), 7);
    EXPECT_TRUE(file.ReadBool("Placement", "Maximized", false));
    EXPECT_EQ(file.ReadString("Timeout", "Action", ""), "abc");
}

TEST(ProfileFileLimits, ReadsAtMost1023Characters) {
    TempFolder folder;
    const std::string longValue(1500, 'a');
    ProfileFile file(folder.Write("a.ini", "[S]\nK=" + longValue + "\n"));
    EXPECT_EQ(file.ReadString("S", "K", ""), std::string(1023, 'a'));
}

TEST(ProfileFileLimits, OnlyTheFirstOfTwoSameNamedSectionsCounts) {
    TempFolder folder;
    ProfileFile file(folder.Write("a.ini", "[S]\nA=1\n[s]\nB=2\n"));
    EXPECT_EQ(file.ReadString("S", "B", "none"), "none");
    file.WriteString("S", "B", "3");
    EXPECT_EQ(folder.Read("a.ini"), "[S]\nA=1\nB=3\n[s]\nB=2\n");
}

TEST(ProfileFileLimits, KeysBeforeAnySectionAreNotInASection) {
    TempFolder folder;
    ProfileFile file(folder.Write("a.ini", "K=1\n[S]\n"));
    EXPECT_EQ(file.ReadString("S", "K", "none"), "none");
    EXPECT_EQ(file.ReadString("", "K", "none"), "none");
}

TEST(ProfileFileCreation, MissingFileReadsDefaultsAndIsCreatedByTheFirstWrite) {
    TempFolder folder;
    ProfileFile file(folder.Path("new.ini"));
    EXPECT_EQ(file.ReadString("S", "K", "dflt"), "dflt");
    EXPECT_FALSE(QFile::exists(folder.Path("new.ini")));
    file.WriteInteger("S", "K", 5);
    file.WriteBool("S", "B", false);
    EXPECT_EQ(folder.Read("new.ini"), "[S]\nK=5\nB=0\n");
}

TEST(ProfileFileCreation, LastLineWithoutLineBreakIsCompletedBeforeAppending) {
    TempFolder folder;
    ProfileFile file(folder.Write("a.ini", "[S]\nA=1"));
    file.WriteString("S", "B", "2");
    file.WriteString("T", "C", "3");
    EXPECT_EQ(folder.Read("a.ini"), "[S]\nA=1\nB=2\n[T]\nC=3\n");
}

TEST(ProfileFileFailure, ImpossiblePathThrowsWithItsNameAndKeepsTheOldFile) {
    TempFolder folder;
    // A path under a regular file cannot be created, even by root.
    folder.Write("blocker", "old contents");
    const QString path = folder.Path("blocker/NUDGERY.INI");
    ProfileFile file(path);
    try {
        file.WriteInteger("S", "K", 1);
        FAIL() << "no error";
    } catch (const ProfileWriteError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path.toStdString());
    }
    EXPECT_EQ(folder.Read("blocker"), "old contents");
    EXPECT_EQ(file.ReadInteger("S", "K", 9), 9);
}

TEST(ProfileFileFailure, AFolderInPlaceOfTheFileIsNotReplaced) {
    TempFolder folder;
    ASSERT_TRUE(QDir(folder.Path("")).mkdir("NUDGERY.INI"));
    ProfileFile file(folder.Path("NUDGERY.INI"));
    EXPECT_THROW(file.WriteString("S", "K", "v"), ProfileWriteError);
    EXPECT_TRUE(QFileInfo(folder.Path("NUDGERY.INI")).isDir());
}

} // namespace
} // namespace nudgery

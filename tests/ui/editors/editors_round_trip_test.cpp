// What the editors are given is what they give back: a reminder opened and saved unchanged
// keeps every stored value, also values at and beyond the ranges of the editors' boxes, and
// opening what was saved and saving it again changes nothing either. A stored value that
// Save refuses is reported and left in its box as it was, never silently changed.
#include "core/dayspec.h"
#include "core/reminder.h"
#include "editex_fixture.h"
#include "editrep_fixture.h"

#include <ostream>

namespace nudgery {

// What a repeating reminder holds of what its editor shows.
struct RepeatingValues {
    std::string description = "Stretch";
    std::string soundFile;
    std::uint8_t eventType = EventShowAndPlay;
    std::string daySpec = "12345";
    TDateTime firstTime = EncodeTime(8, 0);
    // Read back only for a reminder that repeats until a time; 0 otherwise.
    TDateTime untilTime = 0;
    std::int32_t repeatMinutes = 0;
    bool hasUntil = false;
    bool operator==(const RepeatingValues&) const = default;
};

void PrintTo(const RepeatingValues& v, std::ostream* out) {
    *out << '"' << v.description.size() << " bytes\" type " << int(v.eventType) << " \""
         << v.daySpec << "\" first " << v.firstTime << " until " << v.untilTime << " every "
         << v.repeatMinutes << (v.hasUntil ? " with until" : "");
}

struct OneTimeValues {
    std::string description = "Dentist";
    std::string soundFile;
    std::uint8_t eventType = EventShowAndPlay;
    TDateTime when = EncodeDate(2024, 7, 1) + EncodeTime(8, 0);
    bool operator==(const OneTimeValues&) const = default;
};

void PrintTo(const OneTimeValues& v, std::ostream* out) {
    *out << '"' << v.description.size() << " bytes\" type " << int(v.eventType) << " when "
         << v.when;
}

namespace {

using testing::EditAlarmExactTest;
using testing::EditAlarmRepeatingTest;

// Not valid UTF-8: a message written under another encoding is kept byte for byte.
const std::string Latin1Message = "Caf\xe9 \xe0 midi";

class RepeatingRoundTrip : public EditAlarmRepeatingTest {
protected:
    // As the main window fills the editor for a reminder being edited.
    void Open(const RepeatingValues& v) {
        Remake();
        editor->SetEditorSoundFile(v.soundFile);
        editor->SetEditorEventType(v.eventType);
        editor->SetDescription(v.description);
        editor->SetFirstTime(v.firstTime);
        editor->SetUntilTime(v.untilTime);
        editor->SetEditorDaySpec(v.daySpec);
        editor->SetRepeatMinutes(v.repeatMinutes);
        editor->SetHasUntil(v.hasUntil);
    }
    RepeatingValues Read() const {
        return {editor->Description(),   editor->EditorSoundFile(), editor->EditorEventType(),
                editor->EditorDaySpec(), editor->EditorFirstTime(), editor->EditorUntilTime(),
                editor->RepeatMinutes(), editor->HasUntil()};
    }
    // Opens the values and saves them unchanged; they come back as they went in.
    void ExpectKept(const RepeatingValues& stored) {
        Open(stored);
        ASSERT_EQ(Save().result, QDialog::Accepted) << messages.infos.join(' ').toStdString();
        const RepeatingValues saved = Read();
        EXPECT_EQ(saved, stored);
        Open(saved);
        ASSERT_EQ(Save().result, QDialog::Accepted) << "reopened";
        EXPECT_EQ(Read(), saved) << "reopened";
    }
};

TEST_F(RepeatingRoundTrip, StoredValuesAtAndBeyondEveryRangeAreSavedUnchanged) {
    const std::string bell = MakeFile("bell.wav").toStdString();
    const auto every = [&](std::int32_t minutes, bool hasUntil, TDateTime until) {
        RepeatingValues v;
        v.soundFile = bell;
        v.repeatMinutes = minutes;
        v.hasUntil = hasUntil;
        v.untilTime = until;
        return v;
    };
    std::vector<RepeatingValues> cases;
    // The interval box runs from 10 to 720.
    for (const std::int32_t minutes : {10, 720, 730, 800, 1440, 100000, 2147483647})
        cases.push_back(every(minutes, false, 0));
    cases.push_back(every(30, true, EncodeTime(17, 0, 45)));
    // The day of the year box runs from 1 to 365, the day of the month box from 1 to 31.
    for (const char* code : {"#1  ", "#365", "#366", "@ 1 0", "@31 2", "$5 7 0 ", "0246"}) {
        RepeatingValues v = every(0, false, 0);
        v.daySpec = code;
        cases.push_back(v);
    }
    {
        RepeatingValues v = every(0, true, 0);
        v.firstTime = EncodeTime(23, 59, 59);
        v.eventType = 7;
        v.description = std::string(150, 'm');
        cases.push_back(v);
        v.firstTime = 0;
        v.eventType = EventDoNothing;
        v.description = Latin1Message;
        cases.push_back(v);
    }
    for (const RepeatingValues& stored : cases) {
        SCOPED_TRACE(::testing::PrintToString(stored));
        ExpectKept(stored);
    }
    EXPECT_TRUE(messages.infos.isEmpty());
}

TEST_F(RepeatingRoundTrip, AStoredValueSaveRefusesIsReportedAndLeftInItsBox) {
    const struct {
        const char* daySpec;
        std::int32_t repeatMinutes;
        const char* box;
        const char* shown;
        const char* message;
    } cases[] = {
        {"@ 0 0", 0, "DayOfMonthDay", "0", "Invalid day of month entered "},
        {"@32 0", 0, "DayOfMonthDay", "32", "Invalid day of month entered "},
        {"@99 5", 0, "DayOfMonthDay", "99", "Invalid day of month entered "},
        {"#0  ", 0, "DayOfYearDay", "0", "Invalid day of year entered "},
        {"#367", 0, "DayOfYearDay", "367", "Invalid day of year entered "},
        {"#-5 ", 0, "DayOfYearDay", "-5", "Invalid day of year entered "},
        {"12345", 5, "RepeatEverySpinner", "5", "Repeat interval must be greater than 10 minutes"},
        {"12345", 9, "RepeatEverySpinner", "9", "Repeat interval must be greater than 10 minutes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.daySpec) + " every " + std::to_string(c.repeatMinutes));
        RepeatingValues stored;
        stored.daySpec = c.daySpec;
        stored.repeatMinutes = c.repeatMinutes;
        Open(stored);
        messages.infos.clear();
        const Outcome outcome = Save([&] {
            // Tabbing through every box, as a user reading the window would, changes nothing.
            Activate();
            for (int i = 0; i < 30; ++i)
                QTest::keyClick(editor->focusWidget(), Qt::Key_Tab);
        });
        EXPECT_TRUE(outcome.stayedOpen);
        EXPECT_EQ(messages.infos, QStringList{c.message});
        EXPECT_EQ(Spinner(c.box).text(), c.shown);
    }
}

// Mutants that refuse "of Each Month" (month 0), or take it for another month, fail here.
TEST_F(RepeatingRoundTrip, ADayOfEachMonthPickedInTheEditorIsSaved) {
    Open({});
    EXPECT_EQ(Save([this] {
                  Click("rbDayOfMonth");
                  TypeInto("DayOfMonthDay", "15");
                  List("DayOfMonthMonth").setCurrentIndex(5);
                  List("DayOfMonthMonth").setCurrentIndex(0);
                  EXPECT_EQ(List("DayOfMonthMonth").currentText(), "of Each Month");
              }).result,
              QDialog::Accepted)
        << messages.infos.join(' ').toStdString();
    std::int32_t day = 0, month = -1;
    ASSERT_TRUE(DecodeDayOfMonth(editor->EditorDaySpec(), day, month)) << editor->EditorDaySpec();
    EXPECT_EQ(day, 15);
    EXPECT_EQ(month, 0);
    // Due on the 15th of any month, and only then.
    EXPECT_TRUE(DaySpecMatchesDate(editor->EditorDaySpec(), EncodeDate(2024, 2, 15)));
    EXPECT_TRUE(DaySpecMatchesDate(editor->EditorDaySpec(), EncodeDate(2024, 11, 15)));
    EXPECT_FALSE(DaySpecMatchesDate(editor->EditorDaySpec(), EncodeDate(2024, 11, 16)));
}

class OneTimeRoundTrip : public EditAlarmExactTest {
protected:
    void Open(const OneTimeValues& v) {
        Remake();
        editor->SetEditorSoundFile(v.soundFile);
        editor->SetEditorEventType(v.eventType);
        editor->SetDescription(v.description);
        editor->SetWhen(v.when);
    }
    OneTimeValues Read() const {
        return {editor->Description(), editor->EditorSoundFile(), editor->EditorEventType(),
                editor->EditorWhen()};
    }
    OneTimeValues SaveUnchanged() {
        EXPECT_EQ(Run(*editor, [this] { Click("SetAlarmButton"); }).result, QDialog::Accepted)
            << messages.infos.join(' ').toStdString();
        return Read();
    }
};

TEST_F(OneTimeRoundTrip, StoredValuesAtAndBeyondEveryRangeAreSavedUnchanged) {
    const std::string bell = MakeFile("bell.wav").toStdString();
    const TDateTime july1 = EncodeDate(2024, 7, 1);
    const struct {
        TDateTime when;
        std::uint8_t eventType;
        std::string description;
    } cases[] = {
        // A snoozed reminder's time carries seconds and milliseconds.
        {july1 + EncodeTime(14, 37, 50, 123), EventShowOnly, "Dentist"},
        {july1, EventPlayOnly, ""},
        {july1 + EncodeTime(23, 59, 59, 999), EventDoNothing, std::string(100, 'a')},
        // Near the first and at the last day a calendar shows, and before the days count up.
        {CombineDateAndTime(EncodeDate(1, 1, 2), 0.5), EventShowAndPlay, std::string(101, 'b')},
        {CombineDateAndTime(EncodeDate(1850, 6, 1), EncodeTime(9, 15, 20)), EventShowOnly, "Old"},
        {EncodeDate(9999, 12, 31) + EncodeTime(23, 59, 59), 4, Latin1Message},
        {july1 + EncodeTime(9, 0), 255, std::string(5000, 'c')},
    };
    for (const auto& c : cases) {
        const OneTimeValues stored{c.description, bell, c.eventType, c.when};
        SCOPED_TRACE(::testing::PrintToString(stored));
        Open(stored);
        const OneTimeValues saved = SaveUnchanged();
        EXPECT_EQ(saved, stored);
        Open(saved);
        EXPECT_EQ(SaveUnchanged(), saved) << "reopened";
    }
    EXPECT_TRUE(messages.infos.isEmpty());
}

TEST_F(OneTimeRoundTrip, AnotherDateKeepsTheTimeAndAnotherTimeIsTakenAtTheMinuteShown) {
    const OneTimeValues stored{"Dentist", "", EventShowOnly,
                               EncodeDate(2024, 7, 1) + EncodeTime(14, 37, 50)};
    Open(stored);
    Click("NextMonth");
    EXPECT_EQ(SaveUnchanged().when, EncodeDate(2024, 8, 1) + EncodeTime(14, 37, 50));
    Open(stored);
    TimeEdit().setText("2:38 PM");
    EXPECT_EQ(SaveUnchanged().when, EncodeDate(2024, 7, 1) + EncodeTime(14, 38));
}

} // namespace
} // namespace nudgery

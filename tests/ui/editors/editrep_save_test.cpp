// Save in the repeating reminder editor: every refusal with its exact message and the
// control it resets, the interval and ending-time rules, and the values the caller reads
// back after Ok.
#include "core/reminder.h"
#include "editrep_fixture.h"

namespace nudgery {
namespace {

using testing::EditAlarmRepeatingTest;

class RepeatingSave : public EditAlarmRepeatingTest {
protected:
    // Repeats every 30 minutes from 2:15 PM until a time.
    void RepeatUntil() {
        editor->SetFirstTime(EncodeTime(14, 15));
        editor->SetRepeatMinutes(30);
        editor->SetHasUntil(true);
    }
    void SaveWithEnding(const QString& ending) {
        Edit("UntilTimeEdit").setText(ending);
        Click("SetAlarmButton");
    }
};

TEST_F(RepeatingSave, EachRefusalShowsItsMessageKeepsTheDialogOpenAndShowsWhatToCorrect) {
    const QString example = "   Example: 10:00 AM";
    const struct {
        const char* what;
        std::function<void()> setUp;
        std::function<void()> act;
        QString message;
        const char* control; // the edit the refusal leaves to correct, if any
        const char* shown;
    } cases[] = {
        {"day of month 32 typed, Enter", [this] { editor->SetEditorDaySpec("@ 1 0"); },
         [this] { TypeAndPressEnter("DayOfMonthDay", "32"); }, "Invalid day of month entered ",
         nullptr, nullptr},
        {"day of month 0 typed, Enter", [this] { editor->SetEditorDaySpec("@ 1 0"); },
         [this] { TypeAndPressEnter("DayOfMonthDay", "0"); }, "Invalid day of month entered ",
         nullptr, nullptr},
        {"month index 13", [this] { editor->SetEditorDaySpec("@ 113"); },
         [this] { Click("SetAlarmButton"); }, "Invalid month entered ", nullptr, nullptr},
        {"day of year 367 typed, Enter", [this] { editor->SetEditorDaySpec("#1  "); },
         [this] { TypeAndPressEnter("DayOfYearDay", "367"); }, "Invalid day of year entered ",
         nullptr, nullptr},
        {"weekday index 9", [this] { editor->SetEditorDaySpec("$0 9 0 "); },
         [this] { Click("SetAlarmButton"); }, "Invalid value entered for Special category", nullptr,
         nullptr},
        {"no weekday", [this] { editor->SetEditorDaySpec(""); },
         [this] { Click("SetAlarmButton"); },
         "You must select at least one day for this \nreminder to occur on", nullptr, nullptr},
        {"starting time 25:00", [] {},
         [this] {
             Edit("TimeEdit").setText("25:00");
             Click("SetAlarmButton");
         },
         "Invalid time. Please use your regional time format\n" + example, "TimeEdit", "25:00"},
        {"interval 9 typed, Enter", [this] { editor->SetRepeatMinutes(60); },
         [this] { TypeAndPressEnter("RepeatEverySpinner", "9"); },
         "Repeat interval must be greater than 10 minutes", nullptr, nullptr},
        {"ending time 'soon'", [this] { RepeatUntil(); }, [this] { SaveWithEnding("soon"); },
         "Invalid ENDING time. Please use your regional time format\n" + example, "UntilTimeEdit",
         "soon"},
        {"ending time equal to the start", [this] { RepeatUntil(); },
         [this] { SaveWithEnding("14:15"); },
         "Invalid ENDING time. Must be greater than starting time", "UntilTimeEdit", "3:15 PM"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Remake();
        messages.infos.clear();
        c.setUp();
        const Outcome outcome = Run(*editor, [&] { c.act(); });
        EXPECT_TRUE(outcome.stayedOpen);
        EXPECT_EQ(messages.infos, QStringList{c.message});
        if (c.control) {
            EXPECT_EQ(Edit(c.control).text(), c.shown);
        }
        EXPECT_FALSE(formats.UserFormatsInForce());
    }
}

TEST_F(RepeatingSave, AChecksOrderShowsOnlyTheFirstRefusal) {
    editor->SetEditorDaySpec("");
    RepeatUntil();
    EXPECT_TRUE(Run(*editor, [this] {
                    Edit("TimeEdit").setText("25:00");
                    SaveWithEnding("soon");
                }).stayedOpen);
    EXPECT_EQ(messages.infos.size(), 1);
    EXPECT_TRUE(messages.infos.value(0).startsWith("You must select")) << "the day rule first";
    EXPECT_EQ(Edit("TimeEdit").text(), "25:00") << "nothing else checked or reset";
}

TEST_F(RepeatingSave, IntervalOfTenSavesAndANineLeftWithTabIsPulledUpToTen) {
    editor->SetRepeatMinutes(60);
    EXPECT_EQ(Run(*editor, [this] { TypeAndPressEnter("RepeatEverySpinner", "10"); }).result,
              QDialog::Accepted);
    EXPECT_EQ(editor->RepeatMinutes(), 10);

    Remake();
    editor->SetRepeatMinutes(60);
    EXPECT_EQ(Save([this] {
                  TypeInto("RepeatEverySpinner", "9");
                  QTest::keyClick(&Spinner("RepeatEverySpinner"), Qt::Key_Tab);
              }).result,
              QDialog::Accepted);
    EXPECT_EQ(editor->RepeatMinutes(), 10);
    EXPECT_TRUE(messages.infos.isEmpty());
}

TEST_F(RepeatingSave, AnIntervalBeyondTheRangeSavedWithEnterIsTakenAsTyped) {
    editor->SetRepeatMinutes(60);
    EXPECT_EQ(Run(*editor, [this] { TypeAndPressEnter("RepeatEverySpinner", "800"); }).result,
              QDialog::Accepted);
    EXPECT_EQ(editor->RepeatMinutes(), 800)
        << "though closing the window took the focus from the box: "
        << Spinner("RepeatEverySpinner").Value();
}

TEST_F(RepeatingSave, AStartAfter23IsOfferedAnEndPastMidnightThatIsRefusedUntil2359) {
    RepeatUntil();
    editor->SetFirstTime(EncodeTime(23, 30));
    const Outcome outcome = Run(*editor, [this] {
        SaveWithEnding("11:00 PM");
        EXPECT_EQ(Edit("UntilTimeEdit").text(), "12:30 AM");
        Click("SetAlarmButton");
        EXPECT_EQ(Edit("UntilTimeEdit").text(), "12:30 AM");
        SaveWithEnding("11:59 pm");
    });
    EXPECT_EQ(outcome.result, QDialog::Accepted);
    EXPECT_EQ(messages.infos.size(), 2);
    EXPECT_EQ(editor->EditorFirstTime(), EncodeTime(23, 30));
    EXPECT_EQ(editor->EditorUntilTime(), EncodeTime(23, 59));
    EXPECT_TRUE(editor->HasUntil());
}

TEST_F(RepeatingSave, ANewReminderSavedUnchangedGivesTheDefaults) {
    const QString bell = MakeFile("bell.wav");
    editor->OfferDefaultSoundFile(bell.toStdString());
    editor->SetEditorEventType(EventPlayOnly);
    editor->SetTimesForNewReminder();
    EXPECT_EQ(Save().result, QDialog::Accepted);
    EXPECT_EQ(editor->Description(), "[Type reminder message here]");
    EXPECT_EQ(editor->EditorSoundFile(), bell.toStdString());
    EXPECT_EQ(editor->EditorEventType(), EventPlayOnly);
    EXPECT_EQ(editor->EditorDaySpec(), "12345");
    EXPECT_EQ(editor->EditorFirstTime(), EncodeTime(10, 0));
    EXPECT_EQ(editor->EditorUntilTime(), 0);
    EXPECT_EQ(editor->RepeatMinutes(), 0);
    EXPECT_FALSE(editor->HasUntil());
    EXPECT_TRUE(messages.infos.isEmpty());
}

TEST_F(RepeatingSave, TheRepeatChoicesAreReadBackAsChosen) {
    const struct {
        const char* what;
        std::int32_t repeat;
        bool hasUntil;
        const char* untilTyped;
        std::int32_t repeatRead;
        TDateTime untilRead;
    } cases[] = {
        {"every 30 minutes until 5 PM", 30, true, "5:00 PM", 30, EncodeTime(17, 0)},
        {"every 90 minutes for the rest of the day", 90, false, "5:00 PM", 90, 0},
        // The until choice is read even once a day, its time neither checked nor kept.
        {"once a day with until chosen", 0, true, "soon", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Remake();
        editor->SetDescription("Stretch");
        editor->SetEditorDaySpec("$5 5 0 ");
        editor->SetEditorSoundFile(folder.filePath("gone.wav").toStdString());
        editor->SetRepeatMinutes(c.repeat);
        editor->SetHasUntil(c.hasUntil);
        EXPECT_EQ(Save([&] { Edit("UntilTimeEdit").setText(c.untilTyped); }).result,
                  QDialog::Accepted);
        EXPECT_EQ(editor->Description(), "Stretch");
        EXPECT_EQ(editor->EditorSoundFile(), "") << "a missing file is dropped";
        EXPECT_EQ(editor->EditorDaySpec(), "$5 5 0 ");
        EXPECT_EQ(editor->EditorFirstTime(), EncodeTime(8, 0));
        EXPECT_EQ(editor->RepeatMinutes(), c.repeatRead);
        EXPECT_EQ(editor->HasUntil(), c.hasUntil);
        EXPECT_EQ(editor->EditorUntilTime(), c.untilRead);
    }
    EXPECT_TRUE(messages.infos.isEmpty());
}

} // namespace
} // namespace nudgery

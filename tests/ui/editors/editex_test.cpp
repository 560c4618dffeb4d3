// The one-time reminder editor: the times it takes and refuses under two users' regional
// settings, the date on its calendar, the quick time set, and its use from the keyboard.
#include "editex_fixture.h"
#include "ui/editors/Editrep.h"
#include "ui/editors/Settd.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace nudgery {
namespace {

using testing::EditAlarmExactTest;

struct TypedTime {
    const char* typed;
    // What the edit shows after Save, or nullptr when the time is refused.
    const char* shown;
    int hour, minute;
};

class TimeRules : public EditAlarmExactTest {
protected:
    void Check(const TypedTime& c, const QString& example) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        Remake();
        messages.infos.clear();
        const QString typed = QString::fromUtf8(c.typed);
        const Outcome outcome = Run(*editor, [&] {
            TimeEdit().setText(typed);
            Click("SetAlarmButton");
            if (c.shown)
                return;
            // Refused: the typed text stays, selected, for the user to correct.
            EXPECT_EQ(TimeEdit().text(), typed);
            EXPECT_EQ(TimeEdit().selectedText(), typed);
            EXPECT_EQ(editor->focusWidget(), &TimeEdit());
        });
        if (c.shown) {
            EXPECT_EQ(outcome.result, QDialog::Accepted);
            EXPECT_EQ(TimeEdit().text(), QString::fromUtf8(c.shown));
            EXPECT_EQ(editor->EditorWhen(), EncodeDate(2024, 7, 1) + EncodeTime(c.hour, c.minute));
            EXPECT_TRUE(messages.infos.isEmpty());
        } else {
            EXPECT_TRUE(outcome.stayedOpen);
            EXPECT_EQ(messages.infos,
                      QStringList{"Invalid time. Please use your regional time format\n"
                                  "   Example: " +
                                  example});
        }
        EXPECT_FALSE(formats.UserFormatsInForce());
    }
};

TEST_F(TimeRules, TwelveHourClockWithColonAndAmPm) {
    const TypedTime cases[] = {
        {"2:30 pm", "2:30 PM", 14, 30},
        {"2:30PM", "2:30 PM", 14, 30},
        {"  14:30  ", "2:30 PM", 14, 30},
        {"14", "2:00 PM", 14, 0},
        {"12 am", "12:00 AM", 0, 0},
        {"12:15 PM", "12:15 PM", 12, 15},
        {"2:30:45 pm", "2:30 PM", 14, 30}, // seconds are dropped with the shown text
        {"24:00", nullptr, 0, 0},
        {"0 AM", nullptr, 0, 0},
        {"13 PM", nullptr, 0, 0},
        {"2:60", nullptr, 0, 0},
        {"", nullptr, 0, 0},
        {"2.30", nullptr, 0, 0},
        {"half past two", nullptr, 0, 0},
        {"2:30 pm x", nullptr, 0, 0},
    };
    for (const TypedTime& c : cases)
        Check(c, "10:00 AM");
}

TEST_F(TimeRules, TwentyFourHourClockWithDotAndNoAmPmStrings) {
    formats.SaveUserDateFormats(test::TwentyFourHourSettings());
    const TypedTime cases[] = {
        {"14.30", "14.30", 14, 30}, {" 9 ", "09.00", 9, 0},        {"2.30 pm", "14.30", 14, 30},
        {"0.05", "00.05", 0, 5},    {"23.59.59", "23.59", 23, 59}, {"14:30", nullptr, 0, 0},
        {"24.00", nullptr, 0, 0},   {"7.5.", nullptr, 0, 0},
    };
    for (const TypedTime& c : cases)
        Check(c, "10.00");
}

TEST_F(EditAlarmExactTest, ANewReminderJustBeforeMidnightIsOfferedTheDateItsTimeFallsOn) {
    clock.SetNow(EncodeDate(2024, 3, 15) + EncodeTime(23, 57));
    Remake();
    editor->SetWhenForNewReminder();
    EXPECT_EQ(TimeEdit().text(), "12:02 AM");
    EXPECT_EQ(Calendar().SelectedDate(), EncodeDate(2024, 3, 16));
    EXPECT_EQ(DateLabel(), "Saturday, March 16, 2024");
    EXPECT_EQ(Run(*editor, [this] { Click("SetAlarmButton"); }).result, QDialog::Accepted);
    EXPECT_EQ(editor->EditorWhen(), EncodeDate(2024, 3, 16) + EncodeTime(0, 2))
        << "due five minutes from now, not at 00:02 of the day that is ending";
}

TEST_F(EditAlarmExactTest, AWhenThatCannotBeShownStartsFromTodayAndNow) {
    for (const TDateTime when : {std::numeric_limits<double>::quiet_NaN(), 1e12, -1e9,
                                 std::numeric_limits<double>::infinity()}) {
        editor->SetWhen(when);
        EXPECT_EQ(Calendar().SelectedDate(), EncodeDate(2024, 3, 15)) << when;
        EXPECT_EQ(TimeEdit().text(), "10:00 AM") << when;
    }
}

TEST_F(EditAlarmExactTest, CalendarButtonsMoveTheDateAndTheLabelFollows) {
    EXPECT_EQ(DateLabel(), "Monday, July 1, 2024");
    const struct {
        const char* button;
        const char* label;
    } steps[] = {
        {"NextMonth", "Thursday, August 1, 2024"}, {"NextYear", "Friday, August 1, 2025"},
        {"PrevMonth", "Tuesday, July 1, 2025"},    {"PrevYear", "Monday, July 1, 2024"},
        {"CurrentDate", "Friday, March 15, 2024"},
    };
    for (const auto& step : steps) {
        Click(step.button);
        EXPECT_EQ(DateLabel(), step.label) << step.button;
    }
    editor->SetWhen(EncodeDate(2024, 2, 29));
    Click("PrevYear");
    EXPECT_EQ(DateLabel(), "Tuesday, February 28, 2023");
    QTest::mouseClick(&Calendar(), Qt::LeftButton, {}, Calendar().CellRect({0, 5}).center());
    EXPECT_EQ(DateLabel(), "Sunday, February 26, 2023") << "a click on a day";
}

TEST_F(EditAlarmExactTest, QuickTimeSetStartsFromTheTypedTimeAndWritesThePickBack) {
    const Outcome outcome = Run(*editor, [this] {
        TimeEdit().setText("3:15 pm");
        WhenOpen<TSetTimeDialog>([](TSetTimeDialog& dialog) {
            EXPECT_EQ(dialog.PickedTime(), EncodeTime(15, 15));
            dialog.HourClick(9);
            dialog.accept();
        });
        Click("ExplorerButton1");
        EXPECT_EQ(TimeEdit().text(), "9:15 AM");

        WhenOpen<TSetTimeDialog>([](TSetTimeDialog& dialog) {
            dialog.MinuteClick(45);
            dialog.reject();
        });
        Click("ExplorerButton1");
        EXPECT_EQ(TimeEdit().text(), "9:15 AM") << "Cancel leaves the edit as it was";
    });
    EXPECT_TRUE(outcome.stayedOpen);
    EXPECT_TRUE(messages.infos.isEmpty());
    EXPECT_EQ(placed, (QStringList{"SetTimeDialog", "SetTimeDialog"}));
}

TEST_F(EditAlarmExactTest, QuickTimeSetOnATimeThatDoesNotParseReportsItAndStartsFromNow) {
    Run(*editor, [this] {
        TimeEdit().setText("soon");
        WhenOpen<TSetTimeDialog>([](TSetTimeDialog& dialog) {
            EXPECT_EQ(dialog.PickedTime(), EncodeTime(10, 0));
            dialog.reject();
        });
        Click("ExplorerButton1");
        EXPECT_EQ(messages.infos.size(), 1);
        EXPECT_EQ(TimeEdit().text(), "soon") << "Cancel leaves the text to correct";
        EXPECT_EQ(TimeEdit().selectedText(), "soon");

        WhenOpen<TSetTimeDialog>([](TSetTimeDialog& dialog) {
            dialog.HourClick(15);
            dialog.accept();
        });
        Click("ExplorerButton1");
        EXPECT_EQ(TimeEdit().text(), "3:00 PM") << "the picked time replaces it";
    });
    EXPECT_EQ(messages.infos.size(), 2);
}

TEST_F(EditAlarmExactTest, OpensWithTheMessageSelectedSoTypingReplacesItAndEnterSaves) {
    const Outcome outcome = Run(*editor, [this] {
        EXPECT_EQ(editor->focusWidget(), &Descript());
        EXPECT_EQ(Descript().selectedText(), "[Type reminder message here]");
        QTest::keyClicks(&Descript(), "Call the dentist");
        QTest::keyClick(&Descript(), Qt::Key_Return);
    });
    EXPECT_EQ(outcome.result, QDialog::Accepted);
    EXPECT_EQ(editor->Description(), "Call the dentist");
    EXPECT_EQ(editor->EditorWhen(), EncodeDate(2024, 7, 1) + EncodeTime(8, 0));
}

TEST_F(EditAlarmExactTest, TheMessageRefusesA101stTypedCharacterAndKeepsALongerOneGiven) {
    editor->SetDescription("");
    QTest::keyClicks(&Descript(), QString(101, QLatin1Char('x')));
    EXPECT_EQ(Descript().text(), QString(100, QLatin1Char('x')));
    EXPECT_TRUE(Descript().toolTip().contains("100 characters")) << "the tooltip tells the limit";
    // A longer message from the data file is shown and kept whole; typing cannot lengthen it.
    editor->SetDescription(std::string(150, 'y'));
    EXPECT_EQ(Descript().text(), QString(150, QLatin1Char('y')));
    QTest::keyClick(&Descript(), Qt::Key_End);
    QTest::keyClick(&Descript(), Qt::Key_Z);
    EXPECT_EQ(editor->Description(), std::string(150, 'y'));
    QTest::keyClick(&Descript(), Qt::Key_Backspace);
    EXPECT_EQ(editor->Description(), std::string(149, 'y'));
}

TEST_F(EditAlarmExactTest, CancelEscAndTheCloseBoxReturnCancelAndHelpShowsItsTopic) {
    ExpectCancelWaysAndHelp(*editor, 1004);
}

TEST_F(EditAlarmExactTest, TabVisitsEveryControlFromTopToBottomAndLabelsLeadToTheirEdits) {
    const QStringList expected = {
        "Descript",     "PrevYear",        "PrevMonth",     "CurrentDate",     "NextMonth",
        "NextYear",     "Calendar",        "TimeEdit",      "ExplorerButton1", "EventTypeCombo",
        "WaveFileEdit", "SelectWavButton", "PlayNowButton", "BitBtn1",         "SetAlarmButton",
        "CancelButton", "Helpbutton"};
    QStringList visited;
    QWidget* widget = &Descript();
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            visited << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != &Descript());
    EXPECT_EQ(visited, expected);

    const struct {
        const char* label;
        const char* buddy;
    } accelerators[] = {{"MessageLabel", "Descript"},
                        {"TimeLabel", "TimeEdit"},
                        {"SoundFileLabel", "WaveFileEdit"}};
    for (const auto& a : accelerators) {
        EXPECT_EQ(Control<QLabel>(a.label).buddy(), &Control(a.buddy)) << a.label;
        EXPECT_TRUE(Control<QLabel>(a.label).text().contains('&')) << a.label;
    }
    EXPECT_TRUE(Control<QPushButton>("SetAlarmButton").isDefault());
}

TEST_F(EditAlarmExactTest, AcceleratorsReachTheirControls) {
    const QString bell = MakeFile("bell.wav");
    editor->SetEditorSoundFile(bell.toStdString());
    Run(*editor, [this, &bell] {
        QApplication::setActiveWindow(editor.get());
        QTest::keyClick(editor.get(), Qt::Key_T, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), &TimeEdit());
        QTest::keyClick(editor.get(), Qt::Key_M, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), &Descript());
        // A button's accelerator clicks it with a short animation.
        QTest::keyClick(editor.get(), Qt::Key_N, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([this] { return !player.opened.empty(); })) << "Play Now";
        EXPECT_EQ(player.opened, std::vector<std::string>{bell.toStdString()});
    });
}

TEST_F(EditAlarmExactTest, SizesAndMultiLineTooltips) {
    EXPECT_EQ(editor->size(), QSize(511, 408));
    EXPECT_EQ(Descript().width(), 484);
    EXPECT_EQ(TimeEdit().width(), 79);
    EXPECT_EQ(Control("ExplorerButton1").size(), QSize(26, 22));
    EXPECT_EQ(Control("DateTimeFrame").size(), QSize(485, 162));
    EXPECT_EQ(Control("ActionSoundFrame").size(), QSize(487, 118));
    EXPECT_EQ(Control("EventTypeCombo").toolTip(),
              "Select the action to take when a reminder\nis triggered");
    EXPECT_EQ(Control("SelectWavButton").toolTip().count('\n'), 1);
    // Every named control lies whole inside its parent, so nothing is cut off.
    for (QWidget* child : editor->findChildren<QWidget*>()) {
        if (child->objectName().isEmpty() || child->isWindow())
            continue;
        EXPECT_TRUE(child->parentWidget()->rect().contains(child->geometry()))
            << child->objectName().toStdString();
    }
}

TEST(EditorHelp, TheShippedHelpFileHasATopicForEachEditorWindow) {
    QFile file(QStringLiteral(NUDGERY_HELP_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(file.readAll());
    for (const int topic :
         {TEditAlarmExact::HelpTopic, TEditAlarmRepeating::HelpTopic, TSetTimeDialog::HelpTopic})
        EXPECT_TRUE(help.contains(QStringLiteral("<a name=\"%1\"></a>").arg(topic))) << topic;
}

} // namespace
} // namespace nudgery

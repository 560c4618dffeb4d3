// The repeating reminder editor: the day rule shown from a code and saved back, the
// controls that follow the rule and the repeat choices, its use from the keyboard, its
// layout and its help.
#include "editrep_fixture.h"
#include "ui/editors/Settd.h"

#include <QLabel>
#include <QPushButton>
#include <limits>

namespace nudgery {
namespace {

using testing::EditAlarmRepeatingTest;
using testing::WeekdayBoxes;

// The controls each rule enables; every other rule control is disabled.
const QStringList RuleControls[] = {
    {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "AllDaysCheck"},
    {"SpecialOccurrance", "SpecialDayOfWeek", "SpecialMonth"},
    {"DayOfMonthDay", "DayOfMonthMonth"},
    {"DayOfYearDay"},
};
constexpr const char* RuleRadios[] = {"rbDayOfweek", "rbSpecial", "rbDayOfMonth", "rbDayOfYear"};

class DayRule : public EditAlarmRepeatingTest {
protected:
    // Exactly the chosen rule's controls are enabled, and only its caption is bold.
    void ExpectRuleShown(int rule) {
        for (int r = 0; r < 4; ++r) {
            SCOPED_TRACE(RuleRadios[r]);
            const auto& radio = Control<QAbstractButton>(RuleRadios[r]);
            EXPECT_EQ(radio.isChecked(), r == rule);
            EXPECT_EQ(radio.font().bold(), r == rule);
            for (const QString& name : RuleControls[r])
                EXPECT_EQ(Control(name.toLatin1().constData()).isEnabled(), r == rule)
                    << name.toStdString();
        }
    }
};

TEST_F(DayRule, EachCodeIsShownInItsRulesControlsAndSavedUnchanged) {
    const struct {
        const char* code;
        int rule;
        std::function<void()> shown;
    } cases[] = {
        {"0246", 0,
         [this] {
             EXPECT_EQ(TickedDays(), (QStringList{"Sunday", "Tuesday", "Thursday", "Saturday"}));
         }},
        {"$1 1 11", 1,
         [this] {
             EXPECT_EQ(List("SpecialOccurrance").currentText(), "second");
             EXPECT_EQ(List("SpecialDayOfWeek").currentText(), "Monday");
             EXPECT_EQ(List("SpecialMonth").currentText(), "of November");
         }},
        {"$5 7 0 ", 1, [this] { EXPECT_EQ(List("SpecialDayOfWeek").currentText(), "Day"); }},
        {"@15 3", 2,
         [this] {
             EXPECT_EQ(Spinner("DayOfMonthDay").Value(), 15);
             EXPECT_EQ(List("DayOfMonthMonth").currentText(), "of March");
         }},
        {"#45 ", 3, [this] { EXPECT_EQ(Spinner("DayOfYearDay").Value(), 45); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        Remake();
        editor->SetEditorDaySpec(c.code);
        EXPECT_EQ(Save([&] {
                      ExpectRuleShown(c.rule);
                      c.shown();
                  }).result,
                  QDialog::Accepted);
        EXPECT_EQ(editor->EditorDaySpec(), c.code);
    }
}

TEST_F(DayRule, AnyOtherCodeShowsTheWeekdayRule) {
    const struct {
        const char* code;
        const char* saved;
    } cases[] = {
        // Codes that do not decode leave the first state, Monday to Friday.
        {"@x y", "12345"},
        {"@", "12345"},
        {"#abc", "12345"},
        {"$1 x 0 ", "12345"},
        // A weekday list ticks every digit it holds and is saved in order.
        {"6x0 3", "036"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        Remake();
        editor->SetEditorDaySpec(c.code);
        EXPECT_EQ(Save([this] { ExpectRuleShown(0); }).result, QDialog::Accepted);
        EXPECT_EQ(editor->EditorDaySpec(), c.saved);
    }
}

TEST_F(DayRule, ClickingARuleEnablesItsControlsAndEmboldensIt) {
    Run(*editor, [this] {
        ExpectRuleShown(0);
        for (int rule : {2, 3, 1, 0}) {
            Click(RuleRadios[rule]);
            ExpectRuleShown(rule);
        }
    });
}

TEST_F(DayRule, AllDaysTickedThenClearedLeavesNoDayAndSaveRefuses) {
    const Outcome outcome = Save([this] {
        Click("AllDaysCheck");
        EXPECT_EQ(TickedDays().size(), 7);
        Click("AllDaysCheck");
        EXPECT_TRUE(TickedDays().isEmpty());
    });
    EXPECT_TRUE(outcome.stayedOpen);
    EXPECT_EQ(messages.infos,
              QStringList{"You must select at least one day for this \nreminder to occur on"});
}

TEST_F(DayRule, Day31OfFebruarySaves) {
    editor->SetEditorDaySpec("@ 1 0");
    EXPECT_EQ(Save([this] {
                  TypeInto("DayOfMonthDay", "31");
                  List("DayOfMonthMonth").setCurrentIndex(2);
              }).result,
              QDialog::Accepted);
    EXPECT_EQ(editor->EditorDaySpec(), "@31 2");
}

TEST_F(DayRule, TheLastDayOfALeapYearIsTakenWhenTypedAndTheArrowsStopAt365) {
    editor->SetEditorDaySpec("#364");
    EXPECT_EQ(Run(*editor,
                  [this] {
                      TSpinEdit& day = Spinner("DayOfYearDay");
                      day.setFocus();
                      for (int i = 0; i < 3; ++i)
                          QTest::keyClick(&day, Qt::Key_Up);
                      EXPECT_EQ(day.Value(), 365);
                      TypeAndPressEnter("DayOfYearDay", "366");
                  })
                  .result,
              QDialog::Accepted);
    EXPECT_EQ(editor->EditorDaySpec(), "#366");
}

class RepeatChoices : public EditAlarmRepeatingTest {
protected:
    bool UntilPanelShown() { return Control("RepeatUntilPanel").isVisible(); }
};

TEST_F(RepeatChoices, TheUntilOptionsFollowRepeatEveryAndTheEndingTimeFollowsUntil) {
    Run(*editor, [this] {
        EXPECT_FALSE(UntilPanelShown());
        EXPECT_FALSE(Control("RepeatEverySpinner").isEnabled());
        Click("RepeatEveryCheck");
        EXPECT_TRUE(UntilPanelShown());
        EXPECT_TRUE(Control("RepeatEverySpinner").isEnabled());
        EXPECT_FALSE(Edit("UntilTimeEdit").isEnabled());
        EXPECT_FALSE(Control("EndingtimeButton").isEnabled());
        Click("UntilTime");
        EXPECT_TRUE(Edit("UntilTimeEdit").isEnabled());
        EXPECT_TRUE(Control("EndingtimeButton").isEnabled());
        Click("OncePerDayCheck");
        EXPECT_FALSE(UntilPanelShown());
        EXPECT_TRUE(Checked("UntilTime")) << "the choice is kept while hidden";
    });
    EXPECT_TRUE(messages.infos.isEmpty());
}

TEST_F(RepeatChoices, AnInvalidStartFollowedByARadioClickIsReportedKeptAndHidesTheUntilOptions) {
    editor->SetRepeatMinutes(30);
    Run(*editor, [this] {
        EXPECT_TRUE(UntilPanelShown());
        Edit("TimeEdit").setText("25:00");
        Click("RepeatEveryCheck");
        EXPECT_EQ(messages.infos, QStringList{"Invalid time. Please use your regional time format\n"
                                              "   Example: 10:00 AM"});
        EXPECT_EQ(Edit("TimeEdit").text(), "25:00");
        EXPECT_EQ(Edit("TimeEdit").selectedText(), "25:00");
        EXPECT_EQ(editor->focusWidget(), &Edit("TimeEdit"));
        EXPECT_FALSE(UntilPanelShown());
        Edit("TimeEdit").setText("11:00");
        Click("RepeatEveryCheck");
        EXPECT_TRUE(UntilPanelShown()) << "until the next such click";
    });
    EXPECT_EQ(messages.infos.size(), 1);
}

TEST_F(RepeatChoices, TheCallersValuesChooseTheRadiosAndShowTheTimes) {
    editor->SetRepeatMinutes(1000);
    editor->SetHasUntil(true);
    EXPECT_TRUE(Checked("RepeatEveryCheck"));
    EXPECT_EQ(Spinner("RepeatEverySpinner").Value(), 1000) << "shown as given, beyond the range";
    EXPECT_TRUE(Edit("UntilTimeEdit").isEnabled());
    editor->SetRepeatMinutes(-5);
    EXPECT_TRUE(Checked("OncePerDayCheck")) << "a negative interval fires once a day";
    editor->SetHasUntil(false);
    EXPECT_TRUE(Checked("ForRemainderOfDay"));

    EXPECT_EQ(Edit("TimeEdit").text(), "8:00 AM");
    EXPECT_EQ(Edit("UntilTimeEdit").text(), "9:00 AM");
    editor->SetFirstTime(std::numeric_limits<double>::quiet_NaN());
    editor->SetUntilTime(1e12);
    EXPECT_EQ(Edit("TimeEdit").text(), "10:00 AM") << "what cannot be shown is now";
    EXPECT_EQ(Edit("UntilTimeEdit").text(), "10:00 AM");
    clock.SetNow(EncodeDate(2024, 3, 15) + EncodeTime(23, 30));
    editor->SetTimesForNewReminder();
    EXPECT_EQ(Edit("TimeEdit").text(), "11:30 PM");
    EXPECT_EQ(Edit("UntilTimeEdit").text(), "12:30 AM");
}

TEST_F(RepeatChoices, TheIntervalArrowsStepByTenWithinTenTo720) {
    TSpinEdit& interval = Spinner("RepeatEverySpinner");
    EXPECT_EQ(interval.Value(), 60);
    interval.stepBy(1);
    EXPECT_EQ(interval.Value(), 70);
    interval.SetValue(715);
    interval.stepBy(1);
    EXPECT_EQ(interval.Value(), 720);
    interval.SetValue(15);
    interval.stepBy(-1);
    EXPECT_EQ(interval.Value(), 10);
}

TEST_F(EditAlarmRepeatingTest, EndingTimeQuickSetChecksBothTimesFirst) {
    editor->SetRepeatMinutes(30);
    editor->SetHasUntil(true);
    Run(*editor, [this] {
        WhenOpen<TSetTimeDialog>([](TSetTimeDialog& dialog) {
            EXPECT_EQ(dialog.PickedTime(), EncodeTime(9, 0));
            dialog.HourClick(16);
            dialog.accept();
        });
        Click("EndingtimeButton");
        EXPECT_EQ(Edit("UntilTimeEdit").text(), "4:00 PM");
        EXPECT_TRUE(messages.infos.isEmpty());

        Edit("UntilTimeEdit").setText("7:00 AM");
        WhenOpen<TSetTimeDialog>([](TSetTimeDialog& dialog) {
            EXPECT_EQ(dialog.PickedTime(), EncodeTime(9, 0)) << "from the start plus an hour";
            dialog.reject();
        });
        Click("EndingtimeButton");
        EXPECT_EQ(messages.infos,
                  QStringList{"Invalid ENDING time. Must be greater than starting time"});
        EXPECT_EQ(Edit("UntilTimeEdit").text(), "9:00 AM");

        messages.infos.clear();
        Edit("UntilTimeEdit").setText("later");
        WhenOpen<TSetTimeDialog>([](TSetTimeDialog& dialog) {
            EXPECT_EQ(dialog.PickedTime(), EncodeTime(10, 0)) << "from now";
            dialog.reject();
        });
        Click("EndingtimeButton");
        EXPECT_EQ(messages.infos.size(), 1);
        EXPECT_TRUE(messages.infos.value(0).startsWith("Invalid ENDING time. Please use"));
        EXPECT_EQ(Edit("UntilTimeEdit").text(), "later");

        messages.infos.clear();
        Edit("TimeEdit").setText("noon");
        WhenOpen<TSetTimeDialog>([](TSetTimeDialog& dialog) { dialog.reject(); });
        Click("EndingtimeButton");
        EXPECT_EQ(messages.infos.size(), 1);
        EXPECT_TRUE(messages.infos.value(0).startsWith("Invalid time.")) << "the start's message";
        EXPECT_EQ(Edit("TimeEdit").text(), "noon");
        EXPECT_EQ(Edit("TimeEdit").selectedText(), "noon");
    });
}

TEST_F(EditAlarmRepeatingTest, OpensWithTheMessageSelectedSoTypingReplacesItAndEnterSaves) {
    const Outcome outcome = Run(*editor, [this] {
        EXPECT_EQ(editor->focusWidget(), &Edit("Descript"));
        EXPECT_EQ(Edit("Descript").selectedText(), "[Type reminder message here]");
        QTest::keyClicks(&Edit("Descript"), "Stand up and stretch");
        QTest::keyClick(&Edit("Descript"), Qt::Key_Return);
    });
    EXPECT_EQ(outcome.result, QDialog::Accepted);
    EXPECT_EQ(editor->Description(), "Stand up and stretch");
}

class Keyboard : public EditAlarmRepeatingTest {
protected:
    // The controls that Tab visits from the message edit until it comes back to it.
    QStringList TabOrder() {
        Activate();
        QWidget* start = &Edit("Descript");
        start->setFocus();
        QStringList visited;
        for (QWidget* at = start; visited.size() < 40;) {
            QTest::keyClick(at, Qt::Key_Tab);
            at = QApplication::focusWidget();
            if (!at || at == start)
                break;
            visited << at->objectName();
        }
        return visited;
    }
};

TEST_F(Keyboard, TabVisitsTheChosenRadiosAndTheEnabledControlsFromTopToBottom) {
    const QStringList tail = {"EventTypeCombo", "WaveFileEdit", "SelectWavButton",
                              "PlayNowButton",  "BitBtn1",      "SetAlarmButton",
                              "CancelButton",   "Helpbutton"};
    Run(*editor, [&] {
        EXPECT_EQ(TabOrder(),
                  QStringList({"rbDayOfweek", "Monday", "Tuesday", "Wednesday", "Thursday",
                               "Friday", "Saturday", "Sunday", "AllDaysCheck", "TimeEdit",
                               "ExplorerButton1", "OncePerDayCheck"}) +
                      tail);
    });
    Remake();
    editor->SetEditorDaySpec("#45 ");
    editor->SetRepeatMinutes(30);
    editor->SetHasUntil(true);
    Run(*editor, [&] {
        EXPECT_EQ(TabOrder(),
                  QStringList({"rbDayOfYear", "DayOfYearDay", "TimeEdit", "ExplorerButton1",
                               "RepeatEveryCheck", "RepeatEverySpinner", "UntilTime",
                               "UntilTimeEdit", "EndingtimeButton"}) +
                      tail);
    });
}

TEST_F(Keyboard, ArrowKeysChooseTheRuleAndAcceleratorsReachTheirControls) {
    Run(*editor, [this] {
        Activate();
        Control("rbDayOfweek").setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_TRUE(Checked("rbDayOfMonth"));
        EXPECT_TRUE(Control("DayOfMonthDay").isEnabled());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        EXPECT_TRUE(Checked("rbDayOfYear"));

        // Alt+S is shared by the starting time, the sound file and Save: each press moves on.
        for (const char* next : {"TimeEdit", "WaveFileEdit", "SetAlarmButton", "TimeEdit"}) {
            QTest::keyClick(editor.get(), Qt::Key_S, Qt::AltModifier);
            EXPECT_EQ(QApplication::focusWidget(), &Control(next)) << next;
        }
        EXPECT_TRUE(editor->isVisible()) << "a shared accelerator does not press Save";
        QTest::keyClick(editor.get(), Qt::Key_M, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), &Edit("Descript"));
    });
    for (const char* label : {"MessageLabel", "StartingTimeLabel", "SoundFileLabel"})
        EXPECT_TRUE(Control<QLabel>(label).buddy()) << label;
    EXPECT_TRUE(Control<QPushButton>("SetAlarmButton").isDefault());
}

TEST_F(EditAlarmRepeatingTest, CancelEscAndTheCloseBoxReturnCancelAndHelpShowsItsTopic) {
    ExpectCancelWaysAndHelp(*editor, 2986);
}

TEST_F(EditAlarmRepeatingTest, SizesRangesAndLayout) {
    EXPECT_EQ(editor->size(), QSize(512, 407));
    EXPECT_EQ(editor->windowTitle(), "Repeating Reminder Description");
    EXPECT_EQ(Edit("Descript").width(), 413);
    for (const char* time : {"TimeEdit", "UntilTimeEdit"}) {
        EXPECT_EQ(Edit(time).width(), 68) << time;
        EXPECT_EQ(Edit(time).font().pointSize(), 9) << time;
    }
    const struct {
        const char* name;
        int min, max, value;
    } spinners[] = {{"DayOfMonthDay", 1, 31, 1},
                    {"DayOfYearDay", 1, 365, 1},
                    {"RepeatEverySpinner", 10, 720, 60}};
    for (const auto& s : spinners) {
        EXPECT_EQ(Spinner(s.name).MinValue(), s.min) << s.name;
        EXPECT_EQ(Spinner(s.name).MaxValue(), s.max) << s.name;
        EXPECT_EQ(Spinner(s.name).Value(), s.value) << s.name;
    }
    EXPECT_EQ(List("DayOfMonthMonth").count(), 13);
    EXPECT_EQ(List("SpecialDayOfWeek").count(), 8);
    EXPECT_EQ(Control("WaveFileEdit").toolTip(),
              "Type in the path and name of the sound file (*.wav or *.mid)");

    // Every named control lies whole inside its parent and overlaps none of its siblings.
    editor->SetRepeatMinutes(30);
    for (QWidget* child : editor->findChildren<QWidget*>()) {
        if (child->objectName().isEmpty() || child->objectName().startsWith("qt_") ||
            child->isWindow() || child->isHidden())
            continue;
        const QWidget* parent = child->parentWidget();
        EXPECT_TRUE(parent->rect().contains(child->geometry()))
            << child->objectName().toStdString();
        for (QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (sibling != child && !sibling->objectName().isEmpty() &&
                !sibling->objectName().startsWith("qt_") && !sibling->isHidden()) {
                EXPECT_FALSE(sibling->geometry().intersects(child->geometry()))
                    << child->objectName().toStdString() << " and "
                    << sibling->objectName().toStdString();
            }
        }
    }
}

} // namespace
} // namespace nudgery

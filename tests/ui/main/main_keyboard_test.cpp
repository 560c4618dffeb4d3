// The main window from the keyboard: Tab leaves the lists for the buttons and comes back,
// the list keys move the selection, and F1 opens the window's help.
#include "main_form_fixture.h"
#include "ui/main/MainTabSet.h"

#include <QPushButton>
#include <QTest>

namespace nudgery::testing {
namespace {

class Keyboard : public MainFormTest {
protected:
    // The window shown and active with three one-time reminders, the list having the focus.
    TMainForm& ShownWithThreeReminders() {
        TMainForm& f = Make();
        for (const char* text : {"a", "b", "c"})
            Append(AlarmGrid(f), OneTime(text, TestNow()));
        f.FormActivate();
        f.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        AlarmGrid(f).setFocus();
        AlarmGrid(f).SetRow(1);
        return f;
    }
    // The names of the widgets that Tab (or Shift+Tab) visits from the focus, `steps` times.
    static std::vector<std::string> Visits(int steps, Qt::KeyboardModifiers shift = {}) {
        std::vector<std::string> names;
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, shift);
            names.push_back(QApplication::focusWidget()->objectName().toStdString());
        }
        return names;
    }
};

TEST_F(Keyboard, TabGoesFromTheListToTheButtonsAndBack) {
    TMainForm& f = ShownWithThreeReminders();
    TClickableStringGrid& list = AlarmGrid(f);
    // Round the window from top to bottom, and back to the list.
    const std::vector<std::string> round = {
        "TabSet",         "Minimizebutton",   "Exitbutton",
        "AddAlarmButton", "EditAlarmButton",  "DeleteAlarmButton",
        "CloneButton",    "AdjustTimeButton", "AlarmGrid"};
    EXPECT_EQ(Visits(9), round);
    EXPECT_EQ(list.Row(), 1) << "Tab moved the selection";

    // Shift+Tab goes the same way back.
    std::vector<std::string> back(round.rbegin() + 1, round.rend());
    back.push_back("AlarmGrid");
    EXPECT_EQ(Visits(9, Qt::ShiftModifier), back);
    EXPECT_EQ(list.Row(), 1);

    // On the repeating page its list takes the place of the other; being empty, it leaves
    // only New of the buttons usable.
    Find<TTabSet>(f, "TabSet").setCurrentIndex(1);
    RepeatingAlarmGrid(f).setFocus();
    EXPECT_EQ(Visits(1), std::vector<std::string>{"TabSet"});
    EXPECT_EQ(Visits(2, Qt::ShiftModifier),
              (std::vector<std::string>{"RepeatingAlarmGrid", "AddAlarmButton"}));
}

TEST_F(Keyboard, TheTabsShowWhenTheyHaveTheFocus) {
    TMainForm& f = ShownWithThreeReminders();
    auto& tabs = Find<TTabSet>(f, "TabSet");
    const QImage without = tabs.grab().toImage();
    QTest::keyClick(&AlarmGrid(f), Qt::Key_Tab);
    ASSERT_TRUE(tabs.hasFocus());
    EXPECT_NE(tabs.grab().toImage(), without);
}

TEST_F(Keyboard, ListKeysMoveTheSelection) {
    TMainForm& f = ShownWithThreeReminders();
    TClickableStringGrid& list = AlarmGrid(f);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int row;
    } steps[] = {
        {Qt::Key_Down, {}, 2},
        {Qt::Key_Up, {}, 1},
        {Qt::Key_End, Qt::ControlModifier, 3},
        {Qt::Key_Home, Qt::ControlModifier, 1},
        {Qt::Key_PageDown, {}, 3},
        {Qt::Key_PageUp, {}, 1},
    };
    for (const auto& step : steps) {
        QTest::keyClick(&list, step.key, step.modifiers);
        EXPECT_EQ(list.Row(), step.row)
            << QKeySequence(step.key | step.modifiers).toString().toStdString();
        EXPECT_TRUE(list.hasFocus());
    }
}

TEST_F(Keyboard, F1OpensTheContentsOverTheWindow) {
    TMainForm& f = ShownWithThreeReminders();
    PressHelpKey(f);
    EXPECT_EQ(help.topics, std::vector<int>{TMainForm::ContentsHelpTopic});
    EXPECT_EQ(help.openers, std::vector<QWidget*>{&f});
    // The menu's Contents asks for the same, over the same window.
    Find<QAction>(f, "mnuContents").trigger();
    EXPECT_EQ(help.topics, std::vector<int>(2, 1009));
    EXPECT_EQ(help.openers, std::vector<QWidget*>(2, &f));
}

} // namespace
} // namespace nudgery::testing

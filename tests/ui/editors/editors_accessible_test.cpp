// What a screen reader is told of the editors: the month calendar as a table of dates, the
// quick time set's tiles as choices that the keyboard moves between, and every control of
// every editor saying what it is.
#include "editor_fixture.h"
#include "support/accessible_events.h"
#include "support/qt_printers.h"
#include "support/spoken_controls.h"
#include "ui/controls/Graphp.h"
#include "ui/editors/Calendar.h"
#include "ui/editors/Editex.h"
#include "ui/editors/Editrep.h"
#include "ui/editors/Pref.h"
#include "ui/editors/Settd.h"

#include <QAccessible>
#include <QTest>

namespace nudgery {
namespace {

QString Name(QAccessibleInterface* node) {
    return node ? node->text(QAccessible::Name) : QStringLiteral("(none)");
}

class AccessibleCalendarTest : public testing::EditorFixture {
protected:
    AccessibleCalendarTest() {
        calendar.resize(7 * 36 + 6, 7 * 15 + 6);
        // June 2024: the 1st is a Saturday, the 30th a Sunday.
        calendar.SetSelectedDate(EncodeDate(2024, 6, 20));
    }
    QAccessibleInterface& Iface() {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&calendar);
        if (!iface || !iface->tableInterface())
            throw std::runtime_error("the calendar is no table");
        return *iface;
    }
    QAccessibleTableInterface& Table() { return *Iface().tableInterface(); }

    TCalendar calendar{clock, formats};
};

TEST_F(AccessibleCalendarTest, IsATableOfWeeksHeadedByTheUsersFullWeekdayNames) {
    EXPECT_EQ(Iface().role(), QAccessible::Table);
    EXPECT_EQ(Table().rowCount(), 6);
    ASSERT_EQ(Table().columnCount(), 7);
    formats.SaveUserDateFormats(test::TwentyFourHourSettings());
    calendar.SetStartOfWeek(1);
    const QStringList mondayFirst = {"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                                     "Freitag", "Samstag",  "Sonntag"};
    for (int col = 0; col < 7; ++col) {
        SCOPED_TRACE(col);
        QAccessibleTableCellInterface* cell = Table().cellAt(2, col)->tableCellInterface();
        ASSERT_NE(cell, nullptr);
        ASSERT_EQ(cell->columnHeaderCells().size(), 1);
        QAccessibleInterface* header = cell->columnHeaderCells().first();
        EXPECT_EQ(header->role(), QAccessible::ColumnHeader);
        EXPECT_EQ(Name(header), mondayFirst[col]);
        EXPECT_EQ(Table().columnDescription(col), mondayFirst[col]);
    }
}

TEST_F(AccessibleCalendarTest, EachDayIsReadByItsFullDateAndThePlacesOutsideTheMonthAreSilent) {
    // The first week of June 2024, Sunday first: five empty places, then Saturday the 1st.
    for (int col = 0; col < 6; ++col) {
        QAccessibleInterface* place = Table().cellAt(0, col);
        ASSERT_NE(place, nullptr);
        EXPECT_EQ(Name(place), "") << col;
        EXPECT_FALSE(place->state().focusable) << col;
        EXPECT_EQ(place->actionInterface(), nullptr) << "nothing to pick in column " << col;
    }
    EXPECT_EQ(Name(Table().cellAt(0, 6)), "Saturday, June 1, 2024");
    EXPECT_EQ(Name(Table().cellAt(3, 4)), "Thursday, June 20, 2024");
    EXPECT_EQ(Name(Table().cellAt(5, 0)), "Sunday, June 30, 2024");
    EXPECT_EQ(Name(Table().cellAt(5, 1)), "");

    calendar.NextMonth();
    EXPECT_EQ(Name(Table().cellAt(0, 1)), "Monday, July 1, 2024") << "the cells follow the month";
}

TEST_F(AccessibleCalendarTest, ThePickedDayIsTheSelectedCellAndPressingADayPicksIt) {
    QAccessibleInterface* picked = Table().cellAt(3, 4);
    EXPECT_TRUE(picked->state().selected);
    EXPECT_TRUE(picked->tableCellInterface()->isSelected());
    ASSERT_EQ(Table().selectedCells().size(), 1);
    EXPECT_EQ(Table().selectedCells().first(), picked);

    QAccessibleInterface* tenth = Table().cellAt(2, 1);
    ASSERT_EQ(Name(tenth), "Monday, June 10, 2024");
    ASSERT_NE(tenth->actionInterface(), nullptr);
    tenth->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(calendar.SelectedDate(), EncodeDate(2024, 6, 10));
    EXPECT_TRUE(tenth->state().selected);
    EXPECT_FALSE(picked->state().selected);

    calendar.SetReadOnly(true);
    Table().cellAt(5, 0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(calendar.SelectedDate(), EncodeDate(2024, 6, 10)) << "read-only keeps its date";
}

TEST_F(AccessibleCalendarTest, TheFocusGoesToThePickedDayAndFollowsTheArrowKeys) {
    testing::RecordedAccessibleEvents events;
    calendar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&calendar));
    calendar.activateWindow();
    calendar.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return calendar.hasFocus(); }));
    EXPECT_EQ(Iface().focusChild(), Table().cellAt(3, 4));
    EXPECT_TRUE(Table().cellAt(3, 4)->state().focused);

    QTest::keyClick(&calendar, Qt::Key_Down);
    QTest::keyClick(&calendar, Qt::Key_Right);
    std::vector<QString> heard;
    for (const auto& focus : events.OfType(QAccessible::Focus))
        if (focus.object == &calendar)
            heard.push_back(focus.name);
    // The day the focus came to, then each day the keys moved to.
    ASSERT_GE(heard.size(), 3u);
    EXPECT_EQ(heard.front(), "Thursday, June 20, 2024");
    EXPECT_EQ(std::vector<QString>(heard.end() - 2, heard.end()),
              (std::vector<QString>{"Thursday, June 27, 2024", "Friday, June 28, 2024"}));
    EXPECT_TRUE(Table().cellAt(4, 5)->state().focused);
}

TEST(TileNeighbourTest, TheArrowKeysMoveToTheNeighbourAndStopAtTheEdges) {
    // Hour tiles: four rows of six; minute tiles: six rows of ten.
    const struct {
        int tag, count, perRow;
        Qt::Key key;
        int next;
    } steps[] = {
        {14, 24, 6, Qt::Key_Right, 15},  {14, 24, 6, Qt::Key_Left, 13},
        {14, 24, 6, Qt::Key_Up, 8},      {14, 24, 6, Qt::Key_Down, 20},
        {12, 24, 6, Qt::Key_Left, 12},   {11, 24, 6, Qt::Key_Right, 11},
        {3, 24, 6, Qt::Key_Up, 3},       {21, 24, 6, Qt::Key_Down, 21},
        {5, 24, 6, Qt::Key_Right, 5},    {6, 24, 6, Qt::Key_Left, 6},
        {37, 60, 10, Qt::Key_Down, 47},  {55, 60, 10, Qt::Key_Down, 55},
        {59, 60, 10, Qt::Key_Right, 59}, {40, 60, 10, Qt::Key_Left, 40},
        {14, 24, 6, Qt::Key_Space, 14},
    };
    for (const auto& s : steps)
        EXPECT_EQ(TileNeighbour(s.tag, s.count, s.perRow, s.key), s.next)
            << "from " << s.tag << " key " << s.key;
}

class AccessibleQuickTimeTest : public testing::EditorFixture {
protected:
    TGraphicPanel& Tile(const QString& name) {
        return FindControl<TGraphicPanel>(dialog, name.toLatin1().constData());
    }
    QAccessibleInterface* Iface(TGraphicPanel& tile) {
        return QAccessible::queryAccessibleInterface(&tile);
    }
    // The names of the tiles read as checked.
    QStringList Checked() {
        QStringList names;
        for (TGraphicPanel* tile : dialog.findChildren<TGraphicPanel*>())
            if (Iface(*tile)->state().checked)
                names << Name(Iface(*tile));
        return names;
    }

    TSetTimeDialog dialog{formats, help};
};

TEST_F(AccessibleQuickTimeTest, TilesAreChoicesNamedForTheHourOfTheDayAndTheMinute) {
    const struct {
        const char* tile;
        const char* name;
    } tiles[] = {{"Hour0", "12 AM"},      {"Hour5", "5 AM"},         {"Hour12", "12 PM"},
                 {"Hour14", "2 PM"},      {"Hour23", "11 PM"},       {"Minute0", "0 minutes"},
                 {"Minute1", "1 minute"}, {"Minute37", "37 minutes"}};
    for (const auto& t : tiles) {
        QAccessibleInterface* iface = Iface(Tile(t.tile));
        EXPECT_EQ(Name(iface), t.name);
        EXPECT_EQ(iface->role(), QAccessible::RadioButton) << t.tile;
        EXPECT_FALSE(iface->text(QAccessible::Description).isEmpty()) << t.tile;
    }
    dialog.SetPickedTime(EncodeTime(14, 37));
    EXPECT_EQ(Checked(), (QStringList{"2 PM", "37 minutes"}));

    Iface(Tile("Hour9"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    Iface(Tile("Minute5"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(dialog.PickedTime(), EncodeTime(9, 5)) << "pressing a tile picks it, as a click";
    EXPECT_EQ(Checked(), (QStringList{"9 AM", "5 minutes"}));
}

TEST_F(AccessibleQuickTimeTest, TabGoesToThePickedTilesAndTheArrowKeysPickTheirNeighbours) {
    dialog.SetPickedTime(EncodeTime(14, 37));
    QStringList visited;
    std::vector<TDateTime> picked;
    const Outcome outcome = Run(dialog, [&] {
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        const auto press = [&](Qt::Key key) {
            QWidget* focused = dialog.focusWidget();
            ASSERT_NE(focused, nullptr);
            QTest::keyClick(focused, key);
        };
        // From the top of the dialog: Tab visits the picked hour, the picked minute, Ok.
        for (int i = 0; i < 3; ++i) {
            visited << (dialog.focusWidget() ? dialog.focusWidget()->objectName() : "(none)");
            press(Qt::Key_Tab);
        }
        Tile("Hour14").setFocus();
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Left}) {
            press(key);
            picked.push_back(dialog.PickedTime());
        }
        EXPECT_EQ(dialog.focusWidget(), &Tile("Hour20")) << "the focus goes with the pick";
        press(Qt::Key_Tab);
        press(Qt::Key_Up);
        press(Qt::Key_Return);
    });
    EXPECT_EQ(visited, (QStringList{"Hour14", "Minute37", "Okbutton"}));
    EXPECT_EQ(picked, (std::vector<TDateTime>{EncodeTime(15, 37), EncodeTime(21, 37),
                                              EncodeTime(21, 37), EncodeTime(20, 37)}));
    EXPECT_EQ(outcome.result, QDialog::Accepted) << "Enter on a tile is the default button's";
    EXPECT_EQ(dialog.PickedTime(), EncodeTime(20, 27));
}

TEST_F(AccessibleQuickTimeTest, PickingATileTellsTheScreenReaderWhichIsCheckedNow) {
    testing::RecordedAccessibleEvents events;
    dialog.HourClick(7);
    QStringList changed;
    for (const auto& event : events.OfType(QAccessible::StateChanged))
        if (event.changed.checked)
            changed << event.name;
    changed.sort();
    EXPECT_EQ(changed, (QStringList{"12 AM", "7 AM"})) << "the old pick and the new one";
}

// Every control of each editor says what it is, in the dialog as it opens.
class EditorWindowsSpeakTest : public testing::EditorFixture {
protected:
    QStringList Silent(QDialog& dialog) {
        QStringList silent;
        Run(dialog, [&] { silent = testing::ControlsNotSayingWhatTheyAre(dialog); });
        return silent;
    }
};

TEST_F(EditorWindowsSpeakTest, EveryControlTheKeyboardReachesSaysWhatItIs) {
    TEditAlarmExact exact(Services());
    EXPECT_EQ(Silent(exact), QStringList{});
    TEditAlarmRepeating repeating(Services());
    EXPECT_EQ(Silent(repeating), QStringList{});
    TSetTimeDialog quick(formats, help);
    EXPECT_EQ(Silent(quick), QStringList{});
    PreferencesServices preferences{sound, files, help, folder.path() + '/'};
    TPreferences pref(preferences);
    EXPECT_EQ(Silent(pref), QStringList{});
}

TEST_F(EditorWindowsSpeakTest, GlyphButtonsAndTheTimeEditsAreNamedForWhatTheyDo) {
    TEditAlarmExact exact(Services());
    const struct {
        const char* control;
        const char* name;
    } named[] = {{"PrevYear", "Previous year"},        {"PrevMonth", "Previous month"},
                 {"NextMonth", "Next month"},          {"NextYear", "Next year"},
                 {"Calendar", "Reminder date"},        {"TimeEdit", "Time"},
                 {"ExplorerButton1", "Quick Time Set"}};
    for (const auto& n : named)
        EXPECT_EQ(Name(QAccessible::queryAccessibleInterface(&FindControl(exact, n.control))),
                  n.name);
    TEditAlarmRepeating repeating(Services());
    EXPECT_EQ(Name(QAccessible::queryAccessibleInterface(&FindControl(repeating, "UntilTimeEdit"))),
              "Ending time");
    EXPECT_NE(
        Name(QAccessible::queryAccessibleInterface(&FindControl(repeating, "ExplorerButton1"))),
        Name(QAccessible::queryAccessibleInterface(&FindControl(repeating, "EndingtimeButton"))))
        << "the two quick-set buttons are told apart";
}

} // namespace
} // namespace nudgery

// The month calendar control: what its grid shows, what a click or an arrow key picks, and
// when it tells of a change.
#include "editor_fixture.h"
#include "ui/editors/Calendar.h"

#include <QSignalSpy>
#include <QTest>

namespace nudgery {
namespace {

class CalendarTest : public testing::EditorFixture {
protected:
    CalendarTest() {
        calendar.resize(7 * 36 + 6, 7 * 15 + 6);
        calendar.SetSelectedDate(EncodeDate(2024, 6, 20));
        changes.clear();
    }
    void ClickCell(GridCell cell) {
        QTest::mouseClick(&calendar, Qt::LeftButton, {}, calendar.CellRect(cell).center());
    }
    // The cell showing a day, found by its text.
    GridCell CellShowing(int day) const {
        for (int row = 1; row < CalendarRows; ++row)
            for (int col = 0; col < CalendarColumns; ++col)
                if (calendar.CellText({col, row}) == QString::number(day))
                    return {col, row};
        ADD_FAILURE() << "no cell shows " << day;
        return {};
    }

    TCalendar calendar{clock, formats};
    QSignalSpy changes{&calendar, &TCalendar::OnChange};
};

TEST_F(CalendarTest, StartsOnTodayAndTheHeaderShowsTheUsersShortWeekdayNames) {
    TCalendar fresh(clock, formats);
    EXPECT_EQ(fresh.SelectedDate(), EncodeDate(2024, 3, 15));
    EXPECT_TRUE(fresh.UseCurrentDate());

    formats.SaveUserDateFormats(test::TwentyFourHourSettings());
    const QStringList sundayFirst = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    for (int col = 0; col < 7; ++col)
        EXPECT_EQ(calendar.CellText({col, 0}), sundayFirst[col]);
    calendar.SetStartOfWeek(1);
    EXPECT_EQ(calendar.CellText({0, 0}), "Mo");
    EXPECT_EQ(calendar.CellText({6, 0}), "So");
    // 1 June 2024 was a Saturday: the last column of a week starting Monday is Sunday.
    EXPECT_EQ(calendar.CellText({5, 1}), "1");
    EXPECT_EQ(calendar.CurrentCell(), CellShowing(20));
}

TEST_F(CalendarTest, ClickingADayPicksItAndClickingAnEmptyCellOrTheHeaderDoesNothing) {
    // June 2024 starts on a Saturday: the first five cells of row 1 are empty, and so are
    // the cells after the 30th.
    ASSERT_EQ(calendar.CellText({5, 1}), "");
    ClickCell({5, 1});
    ClickCell({1, 6});
    ClickCell({3, 0});
    EXPECT_EQ(calendar.SelectedDate(), EncodeDate(2024, 6, 20));
    EXPECT_EQ(changes.count(), 0);

    ClickCell(CellShowing(1));
    EXPECT_EQ(calendar.SelectedDate(), EncodeDate(2024, 6, 1));
    EXPECT_EQ(calendar.CurrentCell(), (GridCell{6, 1}));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_FALSE(calendar.UseCurrentDate());

    calendar.SetReadOnly(true);
    ClickCell(CellShowing(30));
    EXPECT_EQ(calendar.Day(), 1) << "a read-only calendar keeps its date";
}

TEST_F(CalendarTest, ArrowKeysMoveTheDayAndStopAtTheEdgesOfTheMonth) {
    const struct {
        Qt::Key key;
        int day;
    } steps[] = {
        {Qt::Key_Right, 21}, {Qt::Key_Down, 28}, {Qt::Key_Down, 28}, // nothing below 28
        {Qt::Key_Left, 27},  {Qt::Key_Up, 20},   {Qt::Key_Up, 13},
        {Qt::Key_Up, 6},     {Qt::Key_Up, 6}, // 6 June is in row 2; above it row 1 is empty
    };
    for (const auto& step : steps) {
        QTest::keyClick(&calendar, step.key);
        EXPECT_EQ(calendar.Day(), step.day) << "after key " << step.key;
    }
    calendar.SetDay(2);
    QTest::keyClick(&calendar, Qt::Key_Left);
    EXPECT_EQ(calendar.Day(), 2) << "the first column does not wrap to the row above";
}

TEST_F(CalendarTest, EachStepRaisesOneChangeAndMarksTheNewDay) {
    const struct {
        void (TCalendar::*step)();
        TDateTime from, to;
    } cases[] = {
        {&TCalendar::NextMonth, EncodeDate(2024, 1, 31), EncodeDate(2024, 2, 29)},
        {&TCalendar::PrevMonth, EncodeDate(2024, 12, 15), EncodeDate(2024, 11, 15)},
        {&TCalendar::NextYear, EncodeDate(2024, 2, 29), EncodeDate(2025, 2, 28)},
        {&TCalendar::PrevYear, EncodeDate(2024, 2, 29), EncodeDate(2023, 2, 28)},
    };
    for (const auto& c : cases) {
        calendar.SetSelectedDate(c.from);
        changes.clear();
        (calendar.*c.step)();
        EXPECT_EQ(calendar.SelectedDate(), c.to);
        EXPECT_EQ(changes.count(), 1);
        EXPECT_EQ(calendar.CurrentCell(), CellShowing(calendar.Day()));
    }
}

TEST_F(CalendarTest, WritesOfTheSameOrAnImpossibleValueAreIgnoredWithoutAChange) {
    calendar.SetDay(20);
    calendar.SetDay(31);
    calendar.SetMonth(13);
    calendar.SetYear(0);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(calendar.SelectedDate(), EncodeDate(2024, 6, 20));
    calendar.SetMonth(2);
    EXPECT_EQ(calendar.SelectedDate(), EncodeDate(2024, 2, 20));
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(CalendarTest, UseCurrentDateShowsTodayWithoutAChange) {
    calendar.SetYear(2020);
    ASSERT_FALSE(calendar.UseCurrentDate());
    changes.clear();
    calendar.SetUseCurrentDate(true);
    EXPECT_EQ(calendar.SelectedDate(), EncodeDate(2024, 3, 15));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(calendar.CurrentCell(), CellShowing(15));
}

TEST_F(CalendarTest, CellsShareTheControlsSizeLessTheGridLines) {
    calendar.resize(260, 110);
    EXPECT_EQ(calendar.CellRect({0, 0}), QRect(0, 0, 36, 14)); // (260-6)/7, (110-6)/7
    EXPECT_EQ(calendar.CellRect({6, 6}).topLeft(), QPoint(6 * 37, 6 * 15));
    calendar.SetGridLineWidth(2);
    EXPECT_EQ(calendar.CellRect({1, 1}), QRect(37, 16, 35, 14)); // (260-12)/7, (110-12)/7
}

} // namespace
} // namespace nudgery

// The two lists of the main window: what their cells show, their order, reload, and their
// way to and from the data file.
#include "main_form_fixture.h"
#include "ui/main/MainTabSet.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>

namespace nudgery::testing {
namespace {

using MainLists = MainFormTest;

const QColor Red(255, 0, 0), Yellow(255, 255, 0), Blue(0, 0, 255), Grey(128, 128, 128);

TDateTime Today(int hour, int minute) {
    return EncodeDate(2024, 3, 15) + EncodeTime(hour, minute);
}

TEST_F(MainLists, OneTimeCellsOfEveryStatus) {
    TMainForm& f = Make();
    struct Row {
        const char* description;
        TDateTime when;
        std::uint8_t status;
        const char* whenText;
        const char* statusText;
        bool marked;
        QColor mark;
    };
    const Row rows[] = {
        {"Call Ann & Bob", Today(15, 15), StatusPending, "Today at 3:15pm", "Pending", true, Red},
        {"Lunch", Today(9, 5), StatusDone, "Today at 9:05am", "Done", true, Yellow},
        {"Old", EncodeDate(2024, 3, 1) + EncodeTime(21, 30), StatusExpired, "Mar 01, 2024 9:30pm",
         "Expired", true, Blue},
        {"Later", EncodeDate(2025, 1, 2) + EncodeTime(0, 0), StatusNotToday, "Jan 02, 2025 12:00am",
         "Not Today", true, Grey},
        {"Odd", 0, 7, "", "", false, QColor(Qt::white)},
    };
    for (const Row& r : rows)
        Append(AlarmGrid(f), OneTime(r.description, r.when, r.status));
    for (int i = 0; i < 5; ++i) {
        const Row& r = rows[i];
        const int row = i + 1;
        EXPECT_EQ(Cell(AlarmGrid(f), 0, row).Text, r.description);
        EXPECT_FALSE(Cell(AlarmGrid(f), 0, row).HasMark);
        EXPECT_EQ(Cell(AlarmGrid(f), 1, row).Text, r.whenText) << r.description;
        EXPECT_FALSE(Cell(AlarmGrid(f), 1, row).HasMark);
        const TCellDrawing status = Cell(AlarmGrid(f), 2, row);
        EXPECT_EQ(status.Text, r.statusText) << r.description;
        EXPECT_EQ(status.HasMark, r.marked) << r.description;
        if (r.marked) {
            EXPECT_EQ(status.Options.MarkColor.rgb(), r.mark.rgb()) << r.description;
        }
    }
}

TEST_F(MainLists, RepeatingCellsAndNextReminderColours) {
    TMainForm& f = Make();
    const auto daily = Daily("Pills", EncodeTime(8, 0), 90);
    // Due later today; snoozed into tomorrow; nothing left today; and judged Not Today
    // though its last time lies today.
    const struct {
        TDateTime when;
        std::uint8_t status;
        const char* text;
        QColor mark;
    } next[] = {
        {Today(15, 15), StatusPending, "Today at 3:15pm", Red},
        {EncodeDate(2024, 3, 16) + EncodeTime(8, 0), StatusPending, "Mar 16, 2024 8:00am", Grey},
        {0, StatusPending, "Not today", Grey},
        {Today(19, 40), StatusNotToday, "Today at 7:40pm", Grey}};
    for (const auto& n : next) {
        auto reminder = daily->Clone();
        reminder->When = n.when;
        reminder->Status = n.status;
        Append(RepeatingAlarmGrid(f), std::move(reminder));
    }
    RepeatingAlarmGrid(f).Object(3)->RepeatMinutes = 0;

    TClickableStringGrid& grid = RepeatingAlarmGrid(f);
    EXPECT_EQ(Cell(grid, 0, 1).Text, "Pills");
    EXPECT_EQ(Cell(grid, 1, 1).Text, "All Days");
    EXPECT_EQ(Cell(grid, 2, 1).Text, "8:00am");
    EXPECT_EQ(Cell(grid, 3, 1).Text, "1 hrs 30 mins until 8:00pm");
    EXPECT_EQ(Cell(grid, 3, 3).Text, "");
    for (int col = 0; col < 4; ++col)
        EXPECT_FALSE(Cell(grid, col, 1).HasMark) << col;

    // The mark follows the status and the date: red only for an occurrence due today.
    for (int row = 1; row <= 4; ++row) {
        const TCellDrawing cell = Cell(grid, 4, row);
        EXPECT_EQ(cell.Text, next[row - 1].text);
        EXPECT_EQ(cell.Options.MarkColor.rgb(), next[row - 1].mark.rgb()) << next[row - 1].text;
    }
}

TEST_F(MainLists, TextsAreShownThroughTheEightBitEncoding) {
    TMainForm& f = Make();
    const std::string bytes = "caf\xc3\xa9";
    Append(AlarmGrid(f), OneTime(bytes, TestNow()));
    EXPECT_EQ(Cell(AlarmGrid(f), 0, 1).Text, QStringLiteral(u"caf\u00e9"));
}

class MoveToSlot : public MainFormTest {
protected:
    void SetUp() override {
        Make();
        for (auto [name, hour] : {std::pair{"a", 9}, {"b", 10}, {"c", 10}, {"d", 12}})
            Append(AlarmGrid(*form), OneTime(name, Today(hour, 0)));
    }
    void Add(const char* name, int hour) {
        Append(AlarmGrid(*form), OneTime(name, Today(hour, 0)));
    }
    std::vector<std::string> Order() { return Descriptions(AlarmGrid(*form)); }
};

TEST_F(MoveToSlot, EqualDueTimeGoesBeforeAllItsEquals) {
    Add("new", 10);
    MainFormAccess(*form).MoveGridRowToCorrectDateTimeSlot(5, true);
    EXPECT_EQ(Order(), (std::vector<std::string>{"a", "new", "b", "c", "d"}));
    EXPECT_EQ(AlarmGrid(*form).Row(), 2);
}

TEST_F(MoveToSlot, EarliestGoesFirstLatestStaysLast) {
    Add("early", 7);
    MainFormAccess(*form).MoveGridRowToCorrectDateTimeSlot(5, true);
    EXPECT_EQ(Order(), (std::vector<std::string>{"early", "a", "b", "c", "d"}));
    EXPECT_EQ(AlarmGrid(*form).Row(), 1);
    // Already last and later than every other: nothing moves, nothing is selected.
    Add("late", 23);
    MainFormAccess(*form).MoveGridRowToCorrectDateTimeSlot(6, true);
    EXPECT_EQ(Order().back(), "late");
    EXPECT_EQ(AlarmGrid(*form).Row(), 1);
}

TEST_F(MoveToSlot, AnEarlierRowMovedLaterLandsBeforeTheFirstLaterOne) {
    AlarmGrid(*form).Object(1)->When = Today(11, 0);
    MainFormAccess(*form).MoveGridRowToCorrectDateTimeSlot(1, true);
    EXPECT_EQ(Order(), (std::vector<std::string>{"b", "c", "a", "d"}));
    EXPECT_EQ(AlarmGrid(*form).Row(), 3);
    // Moved past every other: it goes last.
    AlarmGrid(*form).Object(1)->When = Today(13, 0);
    MainFormAccess(*form).MoveGridRowToCorrectDateTimeSlot(1, true);
    EXPECT_EQ(Order(), (std::vector<std::string>{"c", "a", "d", "b"}));
}

TEST_F(MoveToSlot, WithoutSelectTheSelectedIndexStays) {
    AlarmGrid(*form).SetRow(2);
    Add("early", 7);
    MainFormAccess(*form).MoveGridRowToCorrectDateTimeSlot(5, false);
    EXPECT_EQ(Order().front(), "early");
    EXPECT_EQ(AlarmGrid(*form).Row(), 2);
    EXPECT_EQ(AlarmGrid(*form).Object(2)->Description, "a");
}

TEST_F(MainLists, MoveInAListOfOneLeavesItInRowOne) {
    TMainForm& f = Make();
    Append(AlarmGrid(f), OneTime("only", TestNow()));
    MainFormAccess(f).MoveGridRowToCorrectDateTimeSlot(1, true);
    EXPECT_EQ(Descriptions(AlarmGrid(f)), std::vector<std::string>{"only"});
}

TEST_F(MainLists, ReloadWithNoDataFileLeavesBothListsEmpty) {
    TMainForm& f = Make();
    Append(AlarmGrid(f), OneTime("a", TestNow()));
    Append(RepeatingAlarmGrid(f), OneTime("r", 0));
    AlarmGrid(f).SetRow(1);
    ASSERT_FALSE(QFile::exists(folder.filePath("Nudgery.dat")));
    MainFormAccess(f).Reload();
    EXPECT_EQ(AlarmGrid(f).RowCount(), 1);
    EXPECT_EQ(RepeatingAlarmGrid(f).RowCount(), 1);
    EXPECT_EQ(AlarmGrid(f).Row(), 0);
    EXPECT_EQ(RepeatingAlarmGrid(f).Row(), 0);
}

TEST_F(MainLists, SaveThenLoadKeepsBothListsInOrderAndJudgesThemAfresh) {
    TMainForm& f = Make();
    Append(AlarmGrid(f), OneTime("first", Today(9, 0), StatusPending));
    Append(AlarmGrid(f), OneTime("second", Today(11, 0), StatusExpired));
    auto repeating = TReminder::Create();
    repeating->Kind = KindRepeating;
    repeating->Description = "weekly";
    repeating->DaySpec = "5"; // Fridays; 15 March 2024 is one
    repeating->FirstTime = EncodeTime(18, 0);
    Append(RepeatingAlarmGrid(f), std::move(repeating));
    ASSERT_TRUE(MainFormAccess(f).SaveToDisk());
    EXPECT_TRUE(messages.errors.isEmpty());

    TMainForm& loaded = Make();
    EXPECT_EQ(Descriptions(AlarmGrid(loaded)), (std::vector<std::string>{"first", "second"}));
    // 09:00 passed at 10:00 today; 11:00 is still to come.
    EXPECT_EQ(AlarmGrid(loaded).Object(1)->Status, StatusExpired);
    EXPECT_EQ(AlarmGrid(loaded).Object(2)->Status, StatusPending);
    EXPECT_EQ(RepeatingAlarmGrid(loaded).Cell(0, 1), "weekly");
    EXPECT_EQ(RepeatingAlarmGrid(loaded).Object(1)->When, Today(18, 0));
    EXPECT_EQ(AlarmGrid(loaded).Row(), 1);
    EXPECT_EQ(RepeatingAlarmGrid(loaded).Row(), 1);
    EXPECT_EQ(MainFormAccess(loaded).LoadedDate(), EncodeDate(2024, 3, 15));
}

TEST_F(MainLists, TheDoneMarkIsYellowWhereTheGridDrawsItAmongEveryStatus) {
    TMainForm& f = Make();
    Append(AlarmGrid(f), OneTime("Dentist & checkup", Today(8, 30), StatusDone));
    Append(AlarmGrid(f), OneTime("Send the report", Today(15, 15), StatusPending));
    Append(AlarmGrid(f),
           OneTime("Pay rent", EncodeDate(2024, 3, 1) + EncodeTime(9, 0), StatusExpired));
    Append(AlarmGrid(f),
           OneTime("Flight to Oslo", EncodeDate(2024, 4, 2) + EncodeTime(6, 45), StatusNotToday));
    AlarmGrid(f).SetRow(2);
    f.show();
    MainFormAccess(f).SetButtons();
    TClickableStringGrid& grid = AlarmGrid(f);
    const QRect cell = grid.visualRect(grid.model()->index(0, 2));
    const QImage gridShot = grid.viewport()->grab().toImage();
    EXPECT_EQ(QColor(gridShot.pixel(cell.left() + 6, cell.top() + (cell.height() - 8) / 2 + 2)),
              Yellow);
}

} // namespace
} // namespace nudgery::testing

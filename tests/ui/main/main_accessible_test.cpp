// What a screen reader is told of the main window and the windows it opens: the lists as
// tables whose cells read as they show, with the status marks in words, the clock, and
// every control saying what it is.
#include "core/calendar_import.h"
#include "main_form_fixture.h"
#include "support/spoken_controls.h"
#include "ui/main/ImportPreview.h"
#include "ui/main/MainAbout.h"
#include "ui/main/MissedReminders.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

namespace nudgery::testing {
namespace {

using MainSpeaks = MainFormTest;

TDateTime Today(int hour, int minute) {
    return EncodeDate(2024, 3, 15) + EncodeTime(hour, minute);
}

QAccessibleTableInterface& TableOf(QWidget& list) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&list);
    if (!iface || !iface->tableInterface())
        throw std::runtime_error("no table");
    return *iface->tableInterface();
}

// What a screen reader hears of a cell: its name, then its description.
std::pair<QString, QString> Heard(QAccessibleTableInterface& table, int row, int col) {
    QAccessibleInterface* cell = table.cellAt(row, col);
    if (!cell)
        return {QStringLiteral("(none)"), {}};
    return {cell->text(QAccessible::Name), cell->text(QAccessible::Description)};
}

TEST_F(MainSpeaks, EveryControlOfTheWindowSaysWhatItIs) {
    TMainForm& f = Make();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    EXPECT_EQ(ControlsNotSayingWhatTheyAre(f), QStringList{});
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&AlarmGrid(f));
    EXPECT_EQ(list->role(), QAccessible::Table);
    EXPECT_EQ(list->text(QAccessible::Name), "Reminders");
    EXPECT_FALSE(list->text(QAccessible::Description).isEmpty()) << "its keys are told";
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(&RepeatingAlarmGrid(f))->text(QAccessible::Name),
        "Repeat Reminders");

    QAccessibleInterface* clock =
        QAccessible::queryAccessibleInterface(&Find<QWidget>(f, "TimePanel"));
    EXPECT_EQ(clock->role(), QAccessible::StaticText);
    EXPECT_EQ(clock->text(QAccessible::Name), "10:00:00am") << "the clock reads the time";
    EXPECT_EQ(clock->text(QAccessible::Description), "The time of day");
}

TEST_F(MainSpeaks, TheOneTimeListReadsItsHeadersTextsAndStatusMarksInWords) {
    TMainForm& f = Make();
    const struct {
        TDateTime when;
        std::uint8_t status;
        const char* statusText;
        const char* mark;
    } rows[] = {{Today(15, 15), StatusPending, "Pending", "Red mark"},
                {Today(9, 5), StatusDone, "Done", "Yellow mark"},
                {Today(8, 0), StatusExpired, "Expired", "Blue mark"},
                {Today(7, 0), StatusNotToday, "Not Today", "Grey mark"},
                {Today(6, 0), 7, "", ""}};
    for (const auto& r : rows)
        Append(AlarmGrid(f), OneTime("Call Ann & Bob", r.when, r.status));
    QAccessibleTableInterface& table = TableOf(AlarmGrid(f));
    ASSERT_EQ(table.rowCount(), 5);
    ASSERT_EQ(table.columnCount(), 3);
    QStringList headers;
    for (int col = 0; col < 3; ++col) {
        QAccessibleInterface* header =
            table.cellAt(0, col)->tableCellInterface()->columnHeaderCells().value(0);
        ASSERT_NE(header, nullptr);
        // Handed to Qt's cache, as its AT-SPI bridge does, which then owns it.
        QAccessible::uniqueId(header);
        headers << header->text(QAccessible::Name);
    }
    EXPECT_EQ(headers, (QStringList{"Reminder", "When", "Status"}));
    EXPECT_EQ(Heard(table, 0, 0), std::make_pair(QString("Call Ann & Bob"), QString()));
    EXPECT_EQ(Heard(table, 0, 1), std::make_pair(QString("Today at 3:15pm"), QString()));
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(Heard(table, row, 2),
                  std::make_pair(QString(rows[row].statusText), QString(rows[row].mark)))
            << row;
}

TEST_F(MainSpeaks, TheRepeatingListTellsInWordsWhetherTheNextTimeIsToday) {
    TMainForm& f = Make();
    const auto daily = Daily("Pills", EncodeTime(8, 0), 90);
    const struct {
        TDateTime when;
        const char* text;
        const char* mark;
    } next[] = {{Today(15, 15), "Today at 3:15pm", "Red mark"},
                {EncodeDate(2024, 3, 16) + EncodeTime(8, 0), "Mar 16, 2024 8:00am", "Grey mark"},
                {0, "Not today", "Grey mark"}};
    for (const auto& n : next) {
        auto reminder = daily->Clone();
        reminder->When = n.when;
        reminder->Status = StatusPending;
        Append(RepeatingAlarmGrid(f), std::move(reminder));
    }
    QAccessibleTableInterface& table = TableOf(RepeatingAlarmGrid(f));
    ASSERT_EQ(table.columnCount(), 5);
    EXPECT_EQ(Heard(table, 0, 1), std::make_pair(QString("All Days"), QString()));
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(Heard(table, row, 4),
                  std::make_pair(QString(next[row].text), QString(next[row].mark)))
            << row;
}

TEST_F(MainSpeaks, TheWindowsItOpensSayWhatTheirControlsAre) {
    TMissedReminders missed(formats, clock);
    missed.AddBatch({MissedOneTime(*OneTime("Dentist", Today(9, 0), StatusExpired))});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&missed));
    EXPECT_EQ(ControlsNotSayingWhatTheyAre(missed), QStringList{});
    auto& missedList = Find<QWidget>(missed, "MissedList");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&missedList)->text(QAccessible::Name),
              "Missed reminders");
    EXPECT_TRUE(missedList.focusPolicy() & Qt::TabFocus) << "the keyboard reaches the list";

    ImportPlan plan;
    PlannedReminder planned;
    planned.reminder = *OneTime("Dentist", Today(9, 0));
    plan.reminders.push_back(planned);
    plan.refused.push_back({"Party, every leap day", "its rule cannot be kept"});
    TImportPreview preview(plan, "calendar.ics", formats, nullptr);
    TAboutBox about;
    for (QDialog* dialog : std::initializer_list<QDialog*>{&preview, &about}) {
        QStringList silent{"(not shown)"};
        QTimer::singleShot(0, dialog, [&] {
            silent = ControlsNotSayingWhatTheyAre(*dialog);
            dialog->reject();
        });
        dialog->exec();
        EXPECT_EQ(silent, QStringList{}) << dialog->objectName().toStdString();
    }
}

TEST_F(MainSpeaks, MessageBoxesAreAlertsWhoseButtonsSayWhatTheyDo) {
    DesktopMessageBoxes boxes;
    QStringList silent{"(not shown)"};
    QAccessible::Role role = QAccessible::NoRole;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        role = QAccessible::queryAccessibleInterface(box)->role();
        silent = ControlsNotSayingWhatTheyAre(*box);
        box->close();
    });
    boxes.AskConfirm(nullptr, "Delete this reminder?");
    EXPECT_EQ(role, QAccessible::AlertMessage);
    EXPECT_EQ(silent, QStringList{});
}

} // namespace
} // namespace nudgery::testing

// What a screen reader is told of the History window: every control the keyboard reaches
// says what it is, the list of entries included.
#include "core/clock.h"
#include "core/date_formats.h"
#include "platform/history_journal.h"
#include "support/qt_printers.h"
#include "support/spoken_controls.h"
#include "support/temp_folder.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/HistoryWindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QTest>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

TEST(HistoryWindowSpeaks, EveryControlTheKeyboardReachesSaysWhatItIs) {
    const TDateTime today = EncodeDate(2026, 3, 6);
    TempFolder folder;
    HistoryJournal journal(folder.Path("Nudgery.history"), today, [](const QString&) {});
    HistoryEntry entry;
    entry.due = entry.shown = today + EncodeTime(9, 0);
    entry.message = "Stand-up";
    ASSERT_GT(journal.Record(entry), 0);
    DateFormats formats;
    SettableClock clock(today + EncodeTime(12, 0));
    THistoryWindow window(journal, formats, clock);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The day's box is reachable only once "On day:" is ticked.
    window.findChild<QCheckBox*>("DayCheck")->setChecked(true);
    EXPECT_EQ(testing::ControlsNotSayingWhatTheyAre(window), QStringList{});
    auto* list = window.findChild<QWidget*>("EntryList");
    ASSERT_NE(list, nullptr);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_FALSE(table->text(QAccessible::Name).isEmpty());
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(
        table->tableInterface()->cellAt(0, HistoryModel::ReminderColumn)->text(QAccessible::Name),
        "Stand-up");
}

} // namespace
} // namespace nudgery

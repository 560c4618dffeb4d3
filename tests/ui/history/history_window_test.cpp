// The History window over a real journal: newest first, read a page at a time as the list
// scrolls, found by text, by day and for one reminder, and worked from the keyboard.
#include "core/clock.h"
#include "core/date_formats.h"
#include "platform/history_journal.h"
#include "support/modal_watchdog.h"
#include "support/temp_folder.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/HistoryWindow.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

const TDateTime Today = EncodeDate(2026, 3, 6);

class HistoryWindowTest : public ::testing::Test {
protected:
    HistoryWindowTest()
        : journal_(folder_.Path("Nudgery.history"), Today + 0.5,
                   [this](const QString& text) { problems_.append(text); }) {}

    void Record(TDateTime due, const std::string& message, ListKind list = ListKind::OneTime,
                HistoryOutcome outcome = HistoryOutcome::Answered, std::int32_t result = 1) {
        HistoryEntry entry;
        entry.due = due;
        entry.shown = due;
        entry.list = list;
        entry.message = message;
        entry.outcome = outcome;
        entry.result = result;
        ASSERT_GT(journal_.Record(entry), 0);
    }

    THistoryWindow& Window() {
        if (!window_) {
            window_ = std::make_unique<THistoryWindow>(journal_, formats_, clock_);
            window_->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        }
        return *window_;
    }
    template <typename T> T* Control(const char* name) {
        T* control = Window().findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QTableView* List() { return Control<QTableView>("EntryList"); }

    // The texts of one column, top to bottom, of the rows read so far.
    QStringList Column(int column) {
        QStringList texts;
        const QAbstractItemModel* model = List()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts.append(model->index(row, column).data().toString());
        return texts;
    }

    TempFolder folder_;
    QStringList problems_;
    HistoryJournal journal_;
    DateFormats formats_;
    SettableClock clock_{Today + EncodeTime(12, 0)};
    testing::ModalWatchdog watchdog_;
    std::unique_ptr<THistoryWindow> window_;
};

TEST_F(HistoryWindowTest, ListsTheNewestFirstWithWhenAndHowEachWasAnswered) {
    Record(Today - 1 + EncodeTime(9, 0), "Stand-up", ListKind::Repeating,
           HistoryOutcome::Answered, -10);
    Record(Today + EncodeTime(8, 5), "Pay rent", ListKind::OneTime, HistoryOutcome::TimedOut, 2);
    Record(Today - 2 + EncodeTime(17, 30), "Water plants", ListKind::OneTime,
           HistoryOutcome::Missed, 0);

    EXPECT_EQ(Column(HistoryModel::ReminderColumn),
              (QStringList{"Pay rent", "Stand-up", "Water plants"}));
    EXPECT_EQ(Column(HistoryModel::DueColumn),
              (QStringList{"Mar 06, 2026 8:05am", "Mar 05, 2026 9:00am", "Mar 04, 2026 5:30pm"}));
    EXPECT_EQ(Column(HistoryModel::AnswerColumn),
              (QStringList{"Timed out: Deleted", "Snoozed 10 minutes", "Missed"}));
    EXPECT_EQ(Column(HistoryModel::ListColumn), (QStringList{"One-time", "Repeating", "One-time"}));
    EXPECT_EQ(Control<QLabel>("CountLabel")->text(), "3 entries");
    EXPECT_TRUE(problems_.isEmpty());
}

TEST_F(HistoryWindowTest, ALongHistoryIsReadAPageAtATimeAsTheListScrolls) {
    const int count = 3 * HistoryModel::PageSize + 17;
    for (int i = 0; i < count; ++i)
        Record(Today - i / 1440.0, "entry " + std::to_string(i));
    EXPECT_EQ(List()->model()->rowCount(), HistoryModel::PageSize);
    EXPECT_EQ(Control<QLabel>("CountLabel")->text(), QStringLiteral("%L1 entries").arg(count));

    List()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            QTest::keyClick(List(), Qt::Key_End, Qt::ControlModifier);
            return List()->model()->rowCount() == count;
        },
        5000));
    const QStringList messages = Column(HistoryModel::ReminderColumn);
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(messages[i], QString("entry %1").arg(i)) << i;
}

TEST_F(HistoryWindowTest, TypedTextFindsTheEntriesThatHoldItWhateverTheCase) {
    Record(Today + EncodeTime(8, 0), "Take pills");
    Record(Today + EncodeTime(9, 0), "Call Mum");
    Record(Today + EncodeTime(10, 0), "take a break");
    QLineEdit* find = Control<QLineEdit>("FindEdit");
    // From the keyboard: Alt+F reaches the field.
    QTest::keyClick(&Window(), Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return find->hasFocus(); }, 2000));
    QTest::keyClicks(find, "TAKE");
    EXPECT_EQ(Column(HistoryModel::ReminderColumn), (QStringList{"take a break", "Take pills"}));
    EXPECT_EQ(Control<QLabel>("CountLabel")->text(), "2 entries");
    QTest::keyClicks(find, " p");
    EXPECT_EQ(Column(HistoryModel::ReminderColumn), QStringList{"Take pills"});
    EXPECT_EQ(Control<QLabel>("CountLabel")->text(), "1 entry");
    find->clear();
    EXPECT_EQ(Column(HistoryModel::ReminderColumn).size(), 3);
}

TEST_F(HistoryWindowTest, TheDayFilterListsOneDayFromMidnightToMidnight) {
    Record(Today - 1 + EncodeTime(23, 59), "the evening before");
    Record(Today, "at midnight");
    Record(Today + EncodeTime(23, 59, 59), "last thing today");
    Record(Today + 1, "tomorrow's midnight");
    QCheckBox* onDay = Control<QCheckBox>("DayCheck");
    QDateEdit* day = Control<QDateEdit>("DayEdit");
    EXPECT_FALSE(day->isEnabled());
    // Today's date is there already; Alt+D ticks the box, which applies it.
    QTest::keyClick(&Window(), Qt::Key_D, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return onDay->isChecked(); }, 2000));
    EXPECT_TRUE(onDay->hasFocus());
    EXPECT_TRUE(day->isEnabled());
    EXPECT_EQ(Column(HistoryModel::ReminderColumn),
              (QStringList{"last thing today", "at midnight"}));
    day->setDate(QDate(2026, 3, 5));
    EXPECT_EQ(Column(HistoryModel::ReminderColumn), QStringList{"the evening before"});
    QTest::keyClick(onDay, Qt::Key_Space);
    EXPECT_EQ(Column(HistoryModel::ReminderColumn).size(), 4);
}

TEST_F(HistoryWindowTest, OneRemindersHistoryUntilShowAll) {
    Record(Today + EncodeTime(8, 0), "Take pills", ListKind::Repeating);
    Record(Today + EncodeTime(9, 0), "Take pills", ListKind::OneTime);
    Record(Today + EncodeTime(10, 0), "Take pills now", ListKind::Repeating);
    Record(Today - 1 + EncodeTime(8, 0), "Take pills", ListKind::Repeating);
    QPushButton* all = Control<QPushButton>("AllButton");
    EXPECT_FALSE(all->isVisible());

    Window().ShowReminder(ListKind::Repeating, "Take pills");
    EXPECT_EQ(Column(HistoryModel::DueColumn),
              (QStringList{"Mar 06, 2026 8:00am", "Mar 05, 2026 8:00am"}));
    EXPECT_TRUE(all->isVisible());
    EXPECT_TRUE(Control<QLabel>("ReminderLabel")->text().contains("\"Take pills\""));
    // The other filters narrow it further.
    QTest::keyClicks(Control<QLineEdit>("FindEdit"), "nothing like it");
    EXPECT_EQ(Column(HistoryModel::DueColumn).size(), 0);
    Control<QLineEdit>("FindEdit")->clear();

    QTest::mouseClick(all, Qt::LeftButton);
    EXPECT_EQ(Column(HistoryModel::DueColumn).size(), 4);
    EXPECT_FALSE(all->isVisible());
}

TEST_F(HistoryWindowTest, RefreshShowsWhatWasRecordedSinceAndEscapeCloses) {
    Record(Today + EncodeTime(8, 0), "first");
    EXPECT_EQ(Column(HistoryModel::ReminderColumn), QStringList{"first"});
    Record(Today + EncodeTime(9, 0), "second");
    Window().Refresh();
    EXPECT_EQ(Column(HistoryModel::ReminderColumn), (QStringList{"second", "first"}));
    QTest::keyClick(List(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Window().isVisible(); }, 2000));
}

} // namespace
} // namespace nudgery

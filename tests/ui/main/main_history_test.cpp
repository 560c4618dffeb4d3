// The history of reminders kept by the running window: every answer of a notification gives
// exactly one entry, with how it came; a journal that is damaged, read-only or on a full disk
// is told once and leaves every reminder firing and answered as before; and the History
// window opens from the File menu, and for one reminder from the lists' menu and its key.
#include "check_cycle_fixture.h"
#include "core/reminder_lists.h"
#include "platform/disk_faults.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <optional>

namespace nudgery::testing {
namespace {

class History : public CheckCycle {
protected:
    QString JournalPath() const { return folder.filePath("Nudgery.history"); }
    static std::vector<HistoryEntry> Entries(TMainForm& f) {
        return MainFormAccess(f).Journal().Newest({}, std::nullopt, 1000);
    }
    // Fires a one-time reminder called `text`, due a second ago, answered by `answer`.
    void FireOneTime(TMainForm& f, const std::string& text, Answerer::Answer answer) {
        Append(AlarmGrid(f), OneTime(text, clock.Now() - kOneSecond));
        answerer->Then(std::move(answer));
        Check(f);
    }
};

struct AnswerCase {
    const char* name;
    Answerer::Answer answer;
    HistoryOutcome outcome;
    int result;
};

Answerer::Answer Click(QPushButton* TAlarmShow::*button) {
    return [button](TAlarmShow& w) { (w.*button)->click(); };
}

TEST_F(History, EachAnswerGivesExactlyOneEntryWithHowItCame) {
    TMainForm& f = Start();
    const auto timeOut = [this](TAlarmShow&) { clock.AdvanceMilliseconds(60'001); };
    const AnswerCase cases[] = {
        {"Ok", Click(&TAlarmShow::OkButton), HistoryOutcome::Answered, 1},
        {"Delete", Click(&TAlarmShow::DeleteButton), HistoryOutcome::Answered, 2},
        {"5 minutes", Click(&TAlarmShow::b5min), HistoryOutcome::Answered, -5},
        {"10 minutes", Click(&TAlarmShow::b10min), HistoryOutcome::Answered, -10},
        {"30 minutes", Click(&TAlarmShow::b30min), HistoryOutcome::Answered, -30},
        {"1 hour", Click(&TAlarmShow::b1hour), HistoryOutcome::Answered, -60},
        {"2 hours", Click(&TAlarmShow::b2hr), HistoryOutcome::Answered, -120},
        {"4 hours", Click(&TAlarmShow::b4hr), HistoryOutcome::Answered, -240},
        {"24 hours", Click(&TAlarmShow::b24hr), HistoryOutcome::Answered, -1440},
        {"1 week", Click(&TAlarmShow::OneWeek), HistoryOutcome::Answered, -10080},
        {"Enter", [](TAlarmShow& w) { QTest::keyClick(&w, Qt::Key_Return); },
         HistoryOutcome::Answered, 1},
        {"timed out as Ok", timeOut, HistoryOutcome::TimedOut, 1},
        {"timed out as a snooze", timeOut, HistoryOutcome::TimedOut, -30},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        settings.TimeoutSeconds = 60;
        settings.TimeoutAction = c.outcome == HistoryOutcome::TimedOut ? c.result : 0;
        const TDateTime firedAt = clock.Now();
        FireOneTime(f, c.name, c.answer);
        std::vector<HistoryEntry> mine;
        for (const HistoryEntry& entry : Entries(f))
            if (entry.message == c.name)
                mine.push_back(entry);
        ASSERT_EQ(mine.size(), 1u);
        EXPECT_EQ(mine[0].outcome, c.outcome);
        EXPECT_EQ(mine[0].result, c.result);
        EXPECT_EQ(mine[0].list, ListKind::OneTime);
        EXPECT_EQ(mine[0].due, firedAt - kOneSecond);
        EXPECT_NEAR(mine[0].shown, firedAt, kOneSecond);
        EXPECT_GE(mine[0].answered, mine[0].shown);
    }
    EXPECT_EQ(Entries(f).size(), std::size(cases));
}

// A reminder that only plays its sound, a repeating one, and a notification still open when
// the program is told to end.
TEST_F(History, NoWindowRepeatingAndTheEndOfTheProgramEachGiveOneEntry) {
    TMainForm& f = Start();
    Append(AlarmGrid(f), OneTime("only a sound", clock.Now()));
    AlarmGrid(f).Object(1)->EventType = EventPlayOnly;
    Append(RepeatingAlarmGrid(f), Daily("every hour", EncodeTime(9, 0), 60));
    RepeatingAlarmGrid(f).Object(1)->When = clock.Now();
    answerer->Then(&TAlarmShow::OkButton);
    Check(f);
    FireOneTime(f, "open at the end", [&f](TAlarmShow&) { f.EndSession(); });
    EXPECT_FALSE(f.isVisible());

    std::vector<std::tuple<std::string, ListKind, HistoryOutcome, bool>> seen;
    for (const HistoryEntry& entry : Entries(f))
        seen.emplace_back(entry.message, entry.list, entry.outcome, entry.shown != 0);
    using Seen = std::tuple<std::string, ListKind, HistoryOutcome, bool>;
    EXPECT_EQ(seen.size(), 3u);
    for (const Seen& expected :
         {Seen{"only a sound", ListKind::OneTime, HistoryOutcome::NoWindow, false},
          Seen{"every hour", ListKind::Repeating, HistoryOutcome::Answered, true},
          Seen{"open at the end", ListKind::OneTime, HistoryOutcome::Unanswered, true}})
        EXPECT_NE(std::find(seen.begin(), seen.end(), expected), seen.end())
            << std::get<0>(expected);
}

enum class Fault { None, Damaged, ReadOnly, FullDisk };

class FaultyJournal : public History, public ::testing::WithParamInterface<Fault> {};

// Three reminders answered Ok, 10 minutes and Delete: the lists and the data file come out
// the same whatever the journal's trouble, which is told once.
TEST_P(FaultyJournal, LeavesEveryReminderFiringAndAnsweredAsBefore) {
    const Fault fault = GetParam();
    if (fault == Fault::Damaged) {
        QFile journal(JournalPath());
        ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
        journal.write(QByteArray(8192, 'x'));
    } else if (fault == Fault::ReadOnly) {
        // A sound journal from an earlier run, made on its first use, that can no longer be
        // written.
        HistoryJournal(JournalPath(), clock.Now(), {}).Count({});
        ASSERT_TRUE(QFile::setPermissions(JournalPath(), QFile::ReadOwner));
    }
    std::optional<PermissionsEnforced> enforced;
    if (fault == Fault::ReadOnly)
        enforced.emplace();
    TMainForm& f = Start();
    std::optional<DiskFullAt> full;
    if (fault == Fault::FullDisk)
        full.emplace(4096);
    // A snoozed reminder moves down the list: it comes last, so the others fire in this pass.
    for (const char* text : {"ok", "deleted", "snoozed"})
        Append(AlarmGrid(f), OneTime(text, clock.Now()));
    answerer->Then(&TAlarmShow::OkButton);
    answerer->Then(&TAlarmShow::DeleteButton);
    answerer->Then(&TAlarmShow::b10min);
    Check(f);
    QApplication::processEvents();
    full.reset();
    enforced.reset();

    EXPECT_EQ(answerer->shown.size(), 3u);
    ReminderLists saved;
    DataFileStore(folder.filePath("Nudgery.dat")).Load(saved, clock);
    ASSERT_EQ(saved.oneTime.size(), 2u);
    EXPECT_EQ(std::string(saved.oneTime[0].reminder->Description), "ok");
    EXPECT_EQ(saved.oneTime[0].reminder->Status, StatusDone);
    EXPECT_EQ(std::string(saved.oneTime[1].reminder->Description), "snoozed");
    EXPECT_NEAR(saved.oneTime[1].reminder->When, On15th(10, 10), kOneSecond);
    EXPECT_EQ(messages.notices.size(), fault == Fault::None ? 0 : 1);
    EXPECT_TRUE(messages.errors.empty());
    if (fault == Fault::None || fault == Fault::Damaged) {
        EXPECT_EQ(Entries(f).size(), 3u);
    }
    if (fault == Fault::Damaged) {
        EXPECT_TRUE(QFile::exists(JournalPath() + ".damaged"));
    }
    QFile::setPermissions(JournalPath(), QFile::ReadOwner | QFile::WriteOwner);
}

void PrintTo(Fault fault, std::ostream* out) {
    switch (fault) {
    case Fault::None:
        *out << "Sound";
        return;
    case Fault::Damaged:
        *out << "Damaged";
        return;
    case Fault::ReadOnly:
        *out << "ReadOnly";
        return;
    case Fault::FullDisk:
        *out << "FullDisk";
        return;
    }
}

INSTANTIATE_TEST_SUITE_P(, FaultyJournal,
                         ::testing::Values(Fault::None, Fault::Damaged, Fault::ReadOnly,
                                           Fault::FullDisk),
                         ::testing::PrintToStringParamName());

TEST_F(History, TheWindowShowsAllFromTheMenuAndOneReminderFromTheListsMenuAndItsKey) {
    TMainForm& f = Start();
    FireOneTime(f, "water the plants", Click(&TAlarmShow::b5min));
    clock.SetNow(On15th(10, 5, 30));
    answerer->Then(&TAlarmShow::OkButton);
    Check(f);
    FireOneTime(f, "call Ann", Click(&TAlarmShow::OkButton));
    ASSERT_EQ(Entries(f).size(), 3u);

    Find<QAction>(f, "mnuHistory").trigger();
    QWidget* window = MainFormAccess(f).HistoryWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Find<QLabel>(*window, "CountLabel").text(), "3 entries");

    // The lists' menu, on the row of "water the plants", which it selects.
    TClickableStringGrid& grid = AlarmGrid(f);
    int row = 1;
    while (grid.Object(row)->Description != "water the plants")
        ++row;
    grid.SetRow(row == 1 ? 2 : 1);
    const QPoint at = grid.visualRect(grid.model()->index(row - 1, 0)).center();
    auto& menu = Find<QMenu>(f, "ListMenu");
    emit grid.customContextMenuRequested(at);
    ASSERT_TRUE(QTest::qWaitFor([&menu] { return menu.isVisible(); }));
    EXPECT_EQ(grid.Row(), row);
    menu.actions().front()->trigger();
    menu.close();
    EXPECT_EQ(Find<QLabel>(*window, "CountLabel").text(), "2 entries");
    EXPECT_TRUE(Find<QLabel>(*window, "ReminderLabel").text().contains("water the plants"));

    // Ctrl+H in the window, for the reminder selected.
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    grid.setFocus();
    grid.SetRow(row == 1 ? 2 : 1);
    QTest::keyClick(&grid, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(Find<QLabel>(*window, "CountLabel").text(), "1 entry");
    EXPECT_TRUE(Find<QLabel>(*window, "ReminderLabel").text().contains("call Ann"));

    // Open, it shows what falls due next.
    FireOneTime(f, "call Ann", Click(&TAlarmShow::OkButton));
    EXPECT_EQ(Find<QLabel>(*window, "CountLabel").text(), "2 entries");
}

} // namespace
} // namespace nudgery::testing

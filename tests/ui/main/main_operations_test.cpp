// The list operations of the main window, driving the real editors: where new, edited,
// cloned and shifted reminders land and which row is selected, the confirmations and
// reports, Timer1 around the dialogs, and the data file after each operation.
#include "core/reminder_lists.h"
#include "main_form_fixture.h"
#include "ui/controls/SpinEdit.h"
#include "ui/editors/Editex.h"
#include "ui/editors/Editrep.h"
#include "ui/main/MainTabSet.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace nudgery::testing {
namespace {

TDateTime On(int day, int hour, int minute) {
    return EncodeDate(2024, 3, day) + EncodeTime(hour, minute);
}

struct Item {
    const char* name;
    TDateTime when;
    std::uint8_t status = StatusPending;
};
using Names = std::vector<std::string>;

class ListOperations : public MainFormTest {
protected:
    // A shown window, Timer1 running, over the one-time list `items` with row `selected`
    // current, and one repeating reminder; no data file yet.
    void Start(const std::vector<Item>& items, int selected = 1) {
        QFile::remove(DataFile());
        TMainForm& f = Make();
        for (const Item& i : items)
            Append(AlarmGrid(f), OneTime(i.name, i.when, i.status));
        Append(RepeatingAlarmGrid(f), Daily("daily", EncodeTime(8, 0), 0));
        RepeatingAlarmGrid(f).Object(1)->ScheduleTodayAfresh(clock);
        RepeatingAlarmGrid(f).SetRow(1);
        f.FormActivate();
        if (selected < AlarmGrid(f).RowCount())
            AlarmGrid(f).SetRow(selected);
    }
    Names Order() const { return Descriptions(AlarmGrid(*form)); }
    TReminder& At(int row) const { return *AlarmGrid(*form).Object(row); }
    void Click(const char* button) { Find<QPushButton>(*form, button).click(); }
    void Trigger(const char* action) { Find<QAction>(*form, action).trigger(); }
    void DoubleClick(TClickableStringGrid& grid) {
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                           grid.visualRect(grid.model()->index(0, 0)).center());
    }

    // The next editor of type E gets `steps` inside its own event loop; one that the steps
    // leave open is cancelled.
    template <typename E> void InEditor(std::function<void(E&)> steps) {
        QTimer::singleShot(0, [this, steps] {
            auto* editor = qobject_cast<E*>(QApplication::activeModalWidget());
            ASSERT_NE(editor, nullptr) << "the editor did not open";
            ++editorsOpened;
            timerRanInEditor = Timer1(*form).isActive();
            steps(*editor);
            if (editor->isVisible())
                editor->reject();
        });
    }
    void SaveInEditor(const char* message, const char* time) {
        InEditor<TEditAlarmExact>([message, time](TEditAlarmExact& e) {
            Find<QLineEdit>(e, "Descript").setText(message);
            Find<QLineEdit>(e, "TimeEdit").setText(time);
            Find<QPushButton>(e, "SetAlarmButton").click();
        });
    }

    QString DataFile() const { return folder.filePath("Nudgery.dat"); }
    // The data file, loaded back, holds both lists as the window shows them.
    void ExpectFileHoldsTheLists() const {
        ReminderLists saved;
        DataFileStore(DataFile()).Load(saved, clock);
        ExpectListHolds(saved.oneTime, AlarmGrid(*form));
        ExpectListHolds(saved.repeating, RepeatingAlarmGrid(*form));
    }
    static void ExpectListHolds(const std::vector<ReminderLists::Row>& rows,
                                const TClickableStringGrid& grid) {
        ASSERT_EQ(static_cast<int>(rows.size()), grid.RowCount() - 1);
        for (int i = 0; i < grid.RowCount() - 1; ++i)
            EXPECT_EQ(*rows[i].reminder, *grid.Object(i + 1)) << i;
    }

    int editorsOpened = 0;
    bool timerRanInEditor = true;
};

TEST_F(ListOperations, NewOffersFiveMinutesOnAndTheDefaultsAndEnterSavesIt) {
    Start({});
    // Read by the window at its start; these stand for the user's choices.
    settings.DefaultSoundFile = folder.filePath("bell.wav").toStdString();
    QFile(folder.filePath("bell.wav")).open(QIODevice::WriteOnly);
    settings.DefaultEventType = EventShowOnly;
    InEditor<TEditAlarmExact>([](TEditAlarmExact& e) {
        EXPECT_EQ(Find<QLineEdit>(e, "TimeEdit").text(), "10:05 AM");
        QTest::keyClicks(e.focusWidget(), "Call Bob");
        QTest::keyClick(e.focusWidget(), Qt::Key_Return);
    });
    Click("AddAlarmButton");
    EXPECT_FALSE(timerRanInEditor);
    EXPECT_TRUE(Timer1(*form).isActive());
    ASSERT_EQ(Order(), Names{"Call Bob"});
    EXPECT_EQ(At(1), *TReminder::CreateNormal(KindOneTime, On(15, 10, 5), "Call Bob",
                                              settings.DefaultSoundFile, EventShowOnly));
    EXPECT_EQ(AlarmGrid(*form).Row(), 1) << "the first reminder of a list is selected";
}

TEST_F(ListOperations, NewGoesBeforeItsEqualsEditMovesItsRowAndEitherIsSelected) {
    const struct {
        const char* how;
        int row;
        const char* typed;
        Names order;
        int selected;
        std::uint8_t status;
    } cases[] = {
        {"AddAlarmButton", 1, "9:00 AM", {"new", "a", "b", "c"}, 1, StatusExpired},
        {"AddAlarmButton", 1, "10:30 AM", {"a", "new", "b", "c"}, 2, StatusPending},
        {"AddAlarmButton", 1, "11:00 PM", {"a", "b", "c", "new"}, 4, StatusPending},
        {"EditAlarmButton", 3, "9:00 AM", {"new", "a", "b"}, 1, StatusExpired},
        {"Enter", 3, "11:00 PM", {"a", "b", "new"}, 3, StatusPending},
        {"DoubleClick", 1, "10:45 AM", {"b", "c", "new"}, 3, StatusPending},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.how) + " " + c.typed);
        Start({{"a", On(15, 10, 15)}, {"b", On(15, 10, 30)}, {"c", On(15, 10, 30), StatusDone}},
              c.row);
        At(c.row).ReservedFlag = true;
        SaveInEditor("new", c.typed);
        if (c.how == std::string("Enter"))
            QTest::keyClick(&AlarmGrid(*form), Qt::Key_Return);
        else if (c.how == std::string("DoubleClick"))
            DoubleClick(AlarmGrid(*form));
        else
            Click(c.how);
        EXPECT_EQ(Order(), c.order);
        EXPECT_EQ(AlarmGrid(*form).Row(), c.selected);
        EXPECT_EQ(At(c.selected).Status, c.status);
        // A field the editor does not carry stays as it was.
        EXPECT_EQ(At(c.selected).ReservedFlag, c.how != std::string("AddAlarmButton"));
    }
}

TEST_F(ListOperations, ANewReminderAt2357IsDueTwoPastMidnightOnTheNextDay) {
    clock.SetNow(On(15, 23, 57));
    Start({});
    InEditor<TEditAlarmExact>([](auto& e) { Find<QPushButton>(e, "SetAlarmButton").click(); });
    Click("AddAlarmButton");
    ASSERT_EQ(AlarmGrid(*form).RowCount(), 2);
    EXPECT_EQ(At(1).When, On(16, 0, 2));
    EXPECT_EQ(At(1).Status, StatusNotToday) << "due in five minutes, not at once";
}

TEST_F(ListOperations, CancelChangesNothingAndWritesNothing) {
    Start({{"a", On(15, 11, 0), StatusDone}});
    for (const char* button : {"AddAlarmButton", "EditAlarmButton"}) {
        InEditor<TEditAlarmExact>([button](TEditAlarmExact& e) {
            if (button == std::string("EditAlarmButton")) {
                EXPECT_EQ(Find<QLineEdit>(e, "TimeEdit").text(), "11:00 AM");
                EXPECT_EQ(e.Description(), "a");
            }
            Find<QLineEdit>(e, "Descript").setText("changed");
            Find<QPushButton>(e, "CancelButton").click();
        });
        Click(button);
    }
    EXPECT_EQ(editorsOpened, 2);
    EXPECT_EQ(Order(), Names{"a"});
    EXPECT_EQ(At(1), *OneTime("a", On(15, 11, 0), StatusDone));
    EXPECT_FALSE(QFile::exists(DataFile()));
    EXPECT_TRUE(Timer1(*form).isActive());
}

TEST_F(ListOperations, DeleteAsksFirstAndTakesTheSelectedReminderOfThePageShown) {
    Start({{"Dentist at nine", On(15, 11, 0)}, {"a", On(15, 12, 0)}}, 2);
    bool timerRanWhileAsking = true;
    messages.whileAsking = [&] { timerRanWhileAsking = Timer1(*form).isActive(); };
    messages.confirmAnswer = false;
    Click("DeleteAlarmButton");
    EXPECT_EQ(Order(), (Names{"Dentist at nine", "a"}));
    EXPECT_FALSE(QFile::exists(DataFile()));
    messages.confirmAnswer = true;
    QTest::keyClick(&AlarmGrid(*form), Qt::Key_Delete);
    EXPECT_FALSE(timerRanWhileAsking);
    EXPECT_EQ(Order(), Names{"Dentist at nine"});
    AlarmGrid(*form).SetRow(1);
    QTest::keyClick(&AlarmGrid(*form), Qt::Key_Delete);
    EXPECT_EQ(Order(), Names{});
    // An empty list: no question, and the check cycle runs on.
    QTest::keyClick(&AlarmGrid(*form), Qt::Key_Delete);
    EXPECT_TRUE(Timer1(*form).isActive());
    Find<TTabSet>(*form, "TabSet").setCurrentIndex(1);
    Click("DeleteAlarmButton");
    EXPECT_EQ(RepeatingAlarmGrid(*form).RowCount(), 1);
    // Each question named the reminder it was about to delete.
    EXPECT_EQ(messages.questions, (QStringList{"Delete 'a'?", "Delete 'a'?",
                                               "Delete 'Dentist at nine'?", "Delete 'daily'?"}));
}

// A command from outside (the command line, the session bus) adds a reminder before the one a
// dialog is about while the dialog waits: the dialog's answer still goes to its own.
TEST_F(ListOperations, RemindersAddedFromOutsideWhileADialogWaitsLeaveItsAnswerToItsOwn) {
    const auto addEarlier = [this] {
        CommandRequest add = CommandRequest::Of(CommandRequest::Kind::AddOneTime);
        add.when = "10:05";
        add.message = "from outside";
        const UtcOffsetAt utc = [](std::int64_t) { return 0L; };
        ASSERT_EQ(form->CarryCommand(add, utc).exitCode, 0);
    };
    Start({{"a", On(15, 11, 0)}, {"b", On(15, 12, 0)}}, 2);
    messages.whileAsking = addEarlier;
    Click("DeleteAlarmButton");
    EXPECT_EQ(Order(), (Names{"from outside", "a"}));
    ExpectFileHoldsTheLists();

    Start({{"a", On(15, 11, 0)}, {"b", On(15, 12, 0)}}, 2);
    InEditor<TEditAlarmExact>([&](TEditAlarmExact& e) {
        addEarlier();
        Find<QLineEdit>(e, "Descript").setText("b edited");
        Find<QLineEdit>(e, "TimeEdit").setText("10:45 AM");
        Find<QPushButton>(e, "SetAlarmButton").click();
    });
    Click("EditAlarmButton");
    EXPECT_EQ(Order(), (Names{"from outside", "b edited", "a"}));
    EXPECT_EQ(AlarmGrid(*form).Row(), 2) << "the edited reminder stays selected";
    ExpectFileHoldsTheLists();
}

TEST_F(ListOperations, CloneOfALoneDoneReminderLandsDirectlyAboveIt) {
    Start(
        {{"a", On(15, 9, 0), StatusDone}, {"b", On(15, 10, 30), StatusDone}, {"c", On(15, 12, 0)}},
        2);
    Click("CloneButton");
    EXPECT_EQ(Order(), (Names{"a", "b", "b", "c"}));
    EXPECT_EQ(AlarmGrid(*form).Row(), 2);
    EXPECT_EQ(At(2), At(3));
    EXPECT_EQ(At(2).Status, StatusDone);
}

TEST_F(ListOperations, AdjustTimeShiftsKeepingTheTimeOfDayAndJudgesAfresh) {
    const struct {
        const char* item;
        Item before;
        TDateTime shifted;
        std::uint8_t status;
        int row;
    } cases[] = {
        // Minutes before the start of day 0 give day 0 itself.
        {"Less5Minutes", {"x", EncodeTime(0, 3)}, 0, StatusExpired, 1},
        // Pending again, and then Expired: its date lies before today.
        {"LessOneDay", {"x", On(14, 9, 0), StatusDone}, On(13, 9, 0), StatusExpired, 1},
        {"Add1Day", {"x", On(15, 11, 0)}, On(16, 11, 0), StatusNotToday, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        Start({c.before, {"later", On(15, 12, 0)}});
        Trigger(c.item);
        EXPECT_EQ(AlarmGrid(*form).Row(), c.row);
        EXPECT_EQ(At(c.row).Description, "x");
        EXPECT_EQ(At(c.row).When, c.shifted);
        EXPECT_EQ(At(c.row).Status, c.status);
    }
}

TEST_F(ListOperations, BulkDeletesConfirmReportSaveAndLeaveTheRepeatingList) {
    const Item d{"d", On(14, 9, 0), StatusDone}, e{"e", On(14, 9, 0), StatusExpired},
        p{"p", On(15, 12, 0)};
    const char* doneItem = "mnuDeleteremindersmarkedasdone";
    const char* expiredItem = "Deleteremindersmarkedasexpired1";
    const struct {
        const char* menuItem;
        bool yes;
        std::vector<Item> list;
        Names left;
        QStringList infos;
    } cases[] = {
        {doneItem, true, {d, e, p}, {"e", "p"}, {"Deleted 1 reminders marked Done"}},
        {expiredItem, true, {e, p, e}, {"p"}, {"Deleted 2 reminders marked Expired"}},
        {doneItem, true, {e, p}, {"e", "p"}, {"No reminders deleted"}},
        {doneItem, false, {d}, {"d"}, {}},
        {doneItem, true, {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.menuItem) + " " + std::to_string(c.list.size()));
        Start(c.list);
        RepeatingAlarmGrid(*form).Object(1)->Status = StatusDone;
        messages.questions.clear();
        messages.infos.clear();
        messages.confirmAnswer = c.yes;
        Trigger(c.menuItem);
        ASSERT_EQ(messages.questions.size(), 1);
        EXPECT_TRUE(messages.questions[0].endsWith(c.menuItem == doneItem ? "Done?" : "Expired?"));
        EXPECT_EQ(Order(), c.left);
        EXPECT_EQ(messages.infos, c.infos);
        EXPECT_EQ(RepeatingAlarmGrid(*form).RowCount(), 2);
        // Written only when something went.
        EXPECT_EQ(QFile::exists(DataFile()), c.left.size() < c.list.size());
    }
    EXPECT_EQ(messages.questions, QStringList{"Delete all reminders which are marked as Done?"});
}

TEST_F(ListOperations, RepeatingRemindersAreBuiltFromTheEditorAndKeepTheirRows) {
    Start({});
    Find<TTabSet>(*form, "TabSet").setCurrentIndex(1);
    TClickableStringGrid& grid = RepeatingAlarmGrid(*form);
    InEditor<TEditAlarmRepeating>([](TEditAlarmRepeating& e) {
        EXPECT_EQ(Find<QLineEdit>(e, "UntilTimeEdit").text(), "11:00 AM");
        Find<QLineEdit>(e, "Descript").setText("new");
        Find<QPushButton>(e, "SetAlarmButton").click();
    });
    Click("AddAlarmButton");
    grid.Object(1)->ReservedFlag = true;
    InEditor<TEditAlarmRepeating>([](TEditAlarmRepeating& e) {
        Find<QAbstractButton>(e, "RepeatEveryCheck").click();
        Find<TSpinEdit>(e, "RepeatEverySpinner").SetValue(30);
        Find<QPushButton>(e, "SetAlarmButton").click();
    });
    DoubleClick(grid);
    EXPECT_FALSE(timerRanInEditor);
    auto expected = {TReminder::CreateRepeating(KindRepeating, EncodeTime(8, 0), true,
                                                EncodeTime(20, 0), "0123456", 30, "daily", "", 0),
                     TReminder::CreateRepeating(KindRepeating, EncodeTime(10, 0), false, 0, "12345",
                                                0, "new", "", 0)};
    int row = 1;
    for (const auto& reminder : expected) {
        reminder->ScheduleTodayAfresh(clock);
        EXPECT_EQ(*grid.Object(row++), *reminder);
    }
    EXPECT_EQ(grid.Row(), 1);
}

// A button or menu command by its object name, and the rows left after it.
struct Operation {
    const char* name;
    int rowsAfter;
};
void PrintTo(const Operation& operation, std::ostream* out) {
    *out << operation.name;
}

// Every change reaches the file at once, and a folder that cannot be written does not stop
// the program.
class EachOperation : public ListOperations, public ::testing::WithParamInterface<Operation> {
protected:
    void Run() {
        Start({{"done", On(15, 9, 0), StatusDone}, {"pending", On(15, 12, 0)}});
        const auto [name, rowsAfter] = GetParam();
        const std::string operation = name;
        if (operation == "AddAlarmButton" || operation == "EditAlarmButton")
            SaveInEditor("new", "11:00 PM");
        if (operation.ends_with("Button"))
            Click(name);
        else
            Trigger(name);
        EXPECT_EQ(AlarmGrid(*form).RowCount() - 1, rowsAfter);
    }
};

TEST_P(EachOperation, SavesBothListsAtOnce) {
    Run();
    ExpectFileHoldsTheLists();
}

TEST_P(EachOperation, AFailedSaveIsShownOnceAndTheProgramRunsOn) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("Nudgery.dat"));
    Run();
    EXPECT_EQ(messages.errors, QStringList{"Cannot create file " + DataFile()});
    EXPECT_TRUE(Timer1(*form).isActive());
    // Once the folder can be written again, the next change saves the earlier one too.
    ASSERT_TRUE(QDir(folder.path()).rmdir("Nudgery.dat"));
    Trigger("Add1Minute");
    ExpectFileHoldsTheLists();
    EXPECT_EQ(messages.errors.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    , EachOperation,
    ::testing::Values(Operation{"AddAlarmButton", 3}, Operation{"EditAlarmButton", 2},
                      Operation{"CloneButton", 3}, Operation{"DeleteAlarmButton", 1},
                      Operation{"Less1Hour", 2}, Operation{"mnuDeleteremindersmarkedasdone", 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nudgery::testing

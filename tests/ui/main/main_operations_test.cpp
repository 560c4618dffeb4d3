// The list operations of the main window, driving the real one-time editor: where new,
// edited, cloned and shifted reminders land and which row is selected, the confirmations
// and reports, Timer1 around the dialogs, and the data file after each operation.
#include "core/reminder_lists.h"
#include "main_form_fixture.h"
#include "ui/editors/Calendar.h"
#include "ui/editors/Editex.h"
#include "ui/main/MainTabSet.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
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
    // A shown window over the one-time list `items`, Timer1 running, row `selected`
    // current, and a repeating reminder that no one-time operation may touch.
    TMainForm& Start(const std::vector<Item>& items, int selected = 1) {
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
        return f;
    }
    Names Order() const { return Descriptions(AlarmGrid(*form)); }
    TReminder& At(int row) const { return *AlarmGrid(*form).Object(row); }
    void Click(const char* button) { Find<QPushButton>(*form, button).click(); }
    void Trigger(const char* action) { Find<QAction>(*form, action).trigger(); }

    // The next editor the window opens gets `steps` inside its own event loop, and is
    // cancelled if the steps leave it open.
    void InEditor(std::function<void(TEditAlarmExact&)> steps) {
        QTimer::singleShot(0, [this, steps] {
            auto* editor = qobject_cast<TEditAlarmExact*>(QApplication::activeModalWidget());
            if (!editor) {
                ADD_FAILURE() << "the one-time editor did not open";
                return;
            }
            ++editorsOpened;
            timerRanInEditor = Timer1(*form).isActive();
            steps(*editor);
            if (editor->isVisible())
                editor->reject();
        });
    }
    void SaveInEditor(const char* message, const char* time) {
        InEditor([message, time](TEditAlarmExact& e) {
            Find<QLineEdit>(e, "Descript").setText(message);
            Find<QLineEdit>(e, "TimeEdit").setText(time);
            Find<QPushButton>(e, "SetAlarmButton").click();
        });
    }

    QString DataFile() const { return folder.filePath("Nudgery.dat"); }
    // The data file loaded back holds both lists exactly as the window shows them.
    void ExpectFileHoldsTheLists() const {
        ReminderLists saved;
        DataFileStore(DataFile()).Load(saved, clock);
        for (const auto& [rows, grid] : {std::pair{&saved.oneTime, &AlarmGrid(*form)},
                                         std::pair{&saved.repeating, &RepeatingAlarmGrid(*form)}}) {
            ASSERT_EQ(static_cast<int>(rows->size()), grid->RowCount() - 1);
            for (std::size_t i = 0; i < rows->size(); ++i)
                EXPECT_EQ(*(*rows)[i].reminder, *grid->Object(static_cast<int>(i) + 1))
                    << (*rows)[i].reminder->Description;
        }
    }

    int editorsOpened = 0;
    bool timerRanInEditor = true;
};

TEST_F(ListOperations, NewOffersFiveMinutesFromNowAndTheDefaultsAndEnterSavesIt) {
    Start({});
    // The window has read its settings; these stand for the user's choices.
    settings.DefaultSoundFile = folder.filePath("bell.wav").toStdString();
    QFile(folder.filePath("bell.wav")).open(QIODevice::WriteOnly);
    settings.DefaultEventType = EventShowOnly;
    InEditor([this](TEditAlarmExact& e) {
        EXPECT_EQ(Find<QLineEdit>(e, "TimeEdit").text(), "10:05 AM");
        EXPECT_EQ(Find<TCalendar>(e, "Calendar").SelectedDate(), EncodeDate(2024, 3, 15));
        EXPECT_EQ(Find<QLineEdit>(e, "WaveFileEdit").text().toStdString(),
                  settings.DefaultSoundFile);
        EXPECT_EQ(Find<QComboBox>(e, "EventTypeCombo").currentIndex(), EventShowOnly);
        QTest::keyClicks(e.focusWidget(), "Call Bob");
        QTest::keyClick(e.focusWidget(), Qt::Key_Return);
    });
    Click("AddAlarmButton");
    ASSERT_EQ(editorsOpened, 1);
    EXPECT_FALSE(timerRanInEditor);
    EXPECT_TRUE(Timer1(*form).isActive());
    ASSERT_EQ(Order(), Names{"Call Bob"});
    EXPECT_EQ(*AlarmGrid(*form).Object(1),
              *TReminder::CreateNormal(KindOneTime, On(15, 10, 5), "Call Bob",
                                       settings.DefaultSoundFile, EventShowOnly));
    EXPECT_EQ(AlarmGrid(*form).Row(), 1) << "the first reminder of a list is selected";
    EXPECT_TRUE(Find<QPushButton>(*form, "EditAlarmButton").isEnabled());
    ExpectFileHoldsTheLists();
}

TEST_F(ListOperations, ANewReminderGoesBeforeItsEqualsOrLastAndIsSelected) {
    const struct {
        const char* typed;
        Names order;
        int row;
        std::uint8_t status;
    } cases[] = {
        {"9:00 AM", {"new", "a", "b", "c"}, 1, StatusExpired},
        {"10:30 AM", {"a", "new", "b", "c"}, 2, StatusPending},
        {"11:00 PM", {"a", "b", "c", "new"}, 4, StatusPending},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Start({{"a", On(15, 10, 15)}, {"b", On(15, 10, 30)}, {"c", On(15, 10, 30)}});
        SaveInEditor("new", c.typed);
        Click("AddAlarmButton");
        EXPECT_EQ(Order(), c.order);
        EXPECT_EQ(AlarmGrid(*form).Row(), c.row);
        EXPECT_EQ(At(c.row).Status, c.status);
        ExpectFileHoldsTheLists();
    }
}

TEST_F(ListOperations, ANewReminderAt2357IsOfferedTwoPastMidnightOnTheNextDay) {
    clock.SetNow(On(15, 23, 57));
    Start({});
    InEditor([](TEditAlarmExact& e) { Find<QPushButton>(e, "SetAlarmButton").click(); });
    Click("AddAlarmButton");
    ASSERT_EQ(AlarmGrid(*form).RowCount(), 2);
    EXPECT_EQ(At(1).When, On(16, 0, 2));
    EXPECT_EQ(At(1).Status, StatusNotToday) << "due in five minutes, not at once";
}

TEST_F(ListOperations, CancelChangesNothingAndWritesNothing) {
    Start({{"a", On(15, 11, 0), StatusDone}});
    for (const char* button : {"AddAlarmButton", "EditAlarmButton"}) {
        InEditor([](TEditAlarmExact& e) {
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

TEST_F(ListOperations, EditChangesTheReminderInPlaceAndMovesItsRow) {
    const struct {
        int row;
        const char* typed;
        Names order;
        int selected;
    } cases[] = {
        {3, "9:00 AM", {"edited", "a", "b"}, 1},
        {3, "11:00 PM", {"a", "b", "edited"}, 3},
        {1, "10:45 AM", {"b", "edited", "c"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        Start({{"a", On(15, 10, 15)}, {"b", On(15, 10, 30)}, {"c", On(15, 12, 0), StatusDone}},
              c.row);
        At(c.row).ReservedFlag = true;
        At(c.row).EventType = EventPlayOnly;
        InEditor([this, &c](TEditAlarmExact& e) {
            EXPECT_EQ(Find<QLineEdit>(e, "Descript").text(),
                      QString::fromStdString(Order()[c.row - 1]));
            EXPECT_EQ(Find<QComboBox>(e, "EventTypeCombo").currentIndex(), EventPlayOnly);
            Find<QComboBox>(e, "EventTypeCombo").setCurrentIndex(EventShowOnly);
            Find<QLineEdit>(e, "Descript").setText("edited");
            Find<QLineEdit>(e, "TimeEdit").setText(c.typed);
            Find<QPushButton>(e, "SetAlarmButton").click();
        });
        Click("EditAlarmButton");
        EXPECT_EQ(Order(), c.order);
        EXPECT_EQ(AlarmGrid(*form).Row(), c.selected);
        TReminder& edited = At(c.selected);
        EXPECT_EQ(edited.EventType, EventShowOnly);
        EXPECT_TRUE(edited.ReservedFlag) << "a field the editor does not carry stays";
        EXPECT_NE(edited.Status, StatusDone) << "judged afresh";
        ExpectFileHoldsTheLists();
    }
}

TEST_F(ListOperations, EnterAndDoubleClickEditAndALoneReminderStaysInRowOne) {
    Start({{"a", On(15, 10, 15)}});
    TClickableStringGrid& grid = AlarmGrid(*form);
    SaveInEditor("by key", "11:00 PM");
    QTest::keyClick(&grid, Qt::Key_Return);
    SaveInEditor("by mouse", "6:00 AM");
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                       grid.visualRect(grid.model()->index(0, 0)).center());
    EXPECT_EQ(editorsOpened, 2);
    EXPECT_EQ(Order(), Names{"by mouse"});
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(ListOperations, DeleteAsksFirstAndRemovesTheSelectedReminderOfThePageShown) {
    Start({{"a", On(15, 11, 0)}, {"b", On(15, 12, 0)}}, 2);
    bool timerRanWhileAsking = true;
    messages.whileAsking = [&] { timerRanWhileAsking = Timer1(*form).isActive(); };
    messages.confirmAnswer = false;
    Click("DeleteAlarmButton");
    EXPECT_EQ(Order(), (Names{"a", "b"}));
    EXPECT_FALSE(QFile::exists(DataFile()));
    messages.confirmAnswer = true;
    QTest::keyClick(&AlarmGrid(*form), Qt::Key_Delete);
    EXPECT_EQ(messages.questions, QStringList(2, QStringLiteral("Delete this reminder?")));
    EXPECT_FALSE(timerRanWhileAsking);
    EXPECT_TRUE(Timer1(*form).isActive());
    EXPECT_EQ(Order(), Names{"a"});
    ExpectFileHoldsTheLists();

    Find<TTabSet>(*form, "TabSet").setCurrentIndex(1);
    Click("DeleteAlarmButton");
    EXPECT_EQ(RepeatingAlarmGrid(*form).RowCount(), 1);
    EXPECT_EQ(Order(), Names{"a"});
    ExpectFileHoldsTheLists();
}

TEST_F(ListOperations, NothingSelectedMeansNoQuestionNoEditorAndTheTimerRunsOn) {
    Start({});
    QTest::keyClick(&AlarmGrid(*form), Qt::Key_Delete);
    QTest::keyClick(&AlarmGrid(*form), Qt::Key_Return);
    Trigger("Add1Hour");
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_TRUE(Timer1(*form).isActive());
    EXPECT_FALSE(QFile::exists(DataFile()));
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
    EXPECT_NE(&At(2), &At(3));
    ExpectFileHoldsTheLists();
}

TEST_F(ListOperations, AdjustTimeShiftsJudgesAfreshMovesAndSaves) {
    const struct {
        const char* item;
        TDateTime when;
        std::uint8_t status;
        TDateTime shifted;
        std::uint8_t newStatus;
        Names order;
    } cases[] = {
        // Minutes before the start of day 0 give day 0 itself.
        {"Less5Minutes", EncodeTime(0, 3), StatusPending, 0, StatusExpired, {"x", "later"}},
        // Pending again, and then Expired: its date lies before today. The time of day stays.
        {"LessOneDay", On(14, 9, 0), StatusDone, On(13, 9, 0), StatusExpired, {"x", "later"}},
        {"LessOneWeek", On(16, 9, 30), StatusPending, On(9, 9, 30), StatusExpired, {"x", "later"}},
        {"Add1Day", On(15, 11, 0), StatusPending, On(16, 11, 0), StatusNotToday, {"later", "x"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        Start({{"x", c.when, c.status}, {"later", On(15, 12, 0)}});
        Trigger(c.item);
        EXPECT_EQ(Order(), c.order);
        const int row = c.order[0] == "x" ? 1 : 2;
        EXPECT_EQ(AlarmGrid(*form).Row(), row);
        EXPECT_EQ(At(row).When, c.shifted);
        EXPECT_EQ(At(row).Status, c.newStatus);
        ExpectFileHoldsTheLists();
    }
}

TEST_F(ListOperations, BulkDeletesConfirmReportAndLeaveTheRepeatingList) {
    const Item done{"done", On(14, 9, 0), StatusDone},
        expired{"expired", On(14, 9, 0), StatusExpired}, pending{"pending", On(15, 12, 0)};
    const struct {
        const char* menuItem;
        bool yes;
        std::vector<Item> list;
        Names left;
        QStringList infos;
    } cases[] = {
        {"mnuDeleteremindersmarkedasdone",
         true,
         {done, expired, pending},
         {"expired", "pending"},
         {"Deleted 1 reminders marked Done"}},
        {"Deleteremindersmarkedasexpired1",
         true,
         {expired, pending, expired},
         {"pending"},
         {"Deleted 2 reminders marked Expired"}},
        {"mnuDeleteremindersmarkedasdone",
         true,
         {expired, pending},
         {"expired", "pending"},
         {"No reminders deleted"}},
        {"mnuDeleteremindersmarkedasdone", false, {done}, {"done"}, {}},
        {"mnuDeleteremindersmarkedasdone", true, {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.menuItem) + " " + std::to_string(c.list.size()));
        Start(c.list);
        RepeatingAlarmGrid(*form).Object(1)->Status = StatusDone;
        messages.questions.clear();
        messages.infos.clear();
        messages.confirmAnswer = c.yes;
        QFile::remove(DataFile());
        Trigger(c.menuItem);
        // As loading judges it, for the comparison with the file below.
        RepeatingAlarmGrid(*form).Object(1)->ScheduleTodayAfresh(clock);
        EXPECT_EQ(messages.questions.size(), 1);
        EXPECT_TRUE(messages.questions[0].startsWith("Delete all reminders which are marked as "));
        EXPECT_EQ(Order(), c.left);
        EXPECT_EQ(messages.infos, c.infos);
        EXPECT_EQ(RepeatingAlarmGrid(*form).RowCount(), 2);
        // Written only when something went.
        if (c.left.size() < c.list.size())
            ExpectFileHoldsTheLists();
        else
            EXPECT_FALSE(QFile::exists(DataFile()));
    }
}

// Every change, and a folder that cannot be written.
class EachOperation : public ListOperations,
                      public ::testing::WithParamInterface<std::pair<const char*, int>> {
protected:
    void Run() {
        const auto [name, rowsAfter] = GetParam();
        if (std::string(name) == "AddAlarmButton")
            SaveInEditor("new", "11:00 AM");
        if (std::string(name) == "EditAlarmButton")
            SaveInEditor("edited", "11:00 PM");
        if (std::string(name).ends_with("Button"))
            Click(name);
        else
            Trigger(name);
        EXPECT_EQ(AlarmGrid(*form).RowCount() - 1, rowsAfter);
    }
};

TEST_P(EachOperation, SavesBothListsAtOnce) {
    Start({{"done", On(15, 9, 0), StatusDone}, {"pending", On(15, 12, 0)}});
    Run();
    ExpectFileHoldsTheLists();
}

TEST_P(EachOperation, AFailedSaveIsShownOnceAndTheProgramRunsOn) {
    Start({{"done", On(15, 9, 0), StatusDone}, {"pending", On(15, 12, 0)}});
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
    ::testing::Values(std::pair{"AddAlarmButton", 3}, std::pair{"EditAlarmButton", 2},
                      std::pair{"CloneButton", 3}, std::pair{"DeleteAlarmButton", 1},
                      std::pair{"Less1Hour", 2}, std::pair{"mnuDeleteremindersmarkedasdone", 1}),
    [](const auto& info) { return std::string(info.param.first); });

} // namespace
} // namespace nudgery::testing

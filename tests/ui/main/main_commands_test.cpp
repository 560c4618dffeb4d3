// Commands from outside carried out by the running window: what they add is in the list, on
// screen and in the data file at once; the listing says what the window's cells say; nothing
// is changed while the window asks whether to restore a backup; Show brings the window
// forward; Quit saves and then closes the window.
#include "core/reminder_lists.h"
#include "main_form_fixture.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace nudgery::testing {
namespace {

using Kind = CommandRequest::Kind;

const UtcOffsetAt Utc = [](std::int64_t) { return 0L; };

CommandRequest Add(Kind kind, const QString& when, const QString& message) {
    CommandRequest request = CommandRequest::Of(kind);
    request.when = when;
    request.message = message;
    return request;
}

class WindowCommands : public MainFormTest {
protected:
    QString DataFile() const { return folder.filePath("Nudgery.dat"); }
    CommandReply Carry(const CommandRequest& request) { return form->CarryCommand(request, Utc); }
    ReminderLists Saved() const {
        ReminderLists lists;
        DataFileStore(DataFile()).Load(lists, clock);
        return lists;
    }
};

TEST_F(WindowCommands, AddedRemindersAreInTheListsAndTheFileAtOnce) {
    TMainForm& f = Make();
    f.FormActivate();
    EXPECT_FALSE(Find<QPushButton>(f, "EditAlarmButton").isEnabled());
    ASSERT_EQ(Carry(Add(Kind::AddOneTime, "11:00", "Tea")).exitCode, 0);
    ASSERT_EQ(Carry(Add(Kind::AddOneTime, "10:30", "Call")).exitCode, 0);
    ASSERT_EQ(Carry(Add(Kind::AddRepeating, "daily 18:00", "Walk")).exitCode, 0);
    EXPECT_EQ(Descriptions(AlarmGrid(f)), (std::vector<std::string>{"Call", "Tea"}));
    EXPECT_EQ(Descriptions(RepeatingAlarmGrid(f)), std::vector<std::string>{"Walk"});
    // The first reminder of a list that had none is selected, and the buttons follow.
    EXPECT_EQ(AlarmGrid(f).Row(), 1);
    EXPECT_EQ(RepeatingAlarmGrid(f).Row(), 1);
    EXPECT_TRUE(Find<QPushButton>(f, "EditAlarmButton").isEnabled());
    const ReminderLists saved = Saved();
    ASSERT_EQ(saved.oneTime.size(), 2u);
    EXPECT_EQ(*saved.oneTime[0].reminder, *AlarmGrid(f).Object(1));
    EXPECT_EQ(*saved.repeating.at(0).reminder, *RepeatingAlarmGrid(f).Object(1));
    // Bad input changes nothing.
    EXPECT_EQ(Carry(Add(Kind::AddOneTime, "25:70", "x")).exitCode, CommandReply::BadInput);
    EXPECT_EQ(AlarmGrid(f).RowCount(), 3);
}

TEST_F(WindowCommands, TheListingSaysWhatTheCellsSay) {
    TMainForm& f = Make();
    Append(AlarmGrid(f), OneTime("Done early", TestNow() - 0.1, StatusDone));
    Append(AlarmGrid(f), OneTime("Tomorrow", TestNow() + 1));
    Append(RepeatingAlarmGrid(f), Daily("Pills", EncodeTime(20, 0), 0));
    RepeatingAlarmGrid(f).Object(1)->ScheduleTodayAfresh(clock);
    f.FormActivate();
    CommandRequest list = CommandRequest::Of(Kind::List);
    const QStringList lines = Carry(list).output.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    for (int row = 1; row <= 2; ++row)
        for (int col = 0; col < 3; ++col)
            EXPECT_TRUE(lines[row].contains(Cell(AlarmGrid(f), col, row).Text))
                << lines[row].toStdString() << " / "
                << Cell(AlarmGrid(f), col, row).Text.toStdString();
    EXPECT_TRUE(lines[4].contains(Cell(RepeatingAlarmGrid(f), 0, 1).Text));
    EXPECT_TRUE(lines[4].contains(Cell(RepeatingAlarmGrid(f), 4, 1).Text)) << "the next time";

    list.json = true;
    const QJsonArray entries = QJsonDocument::fromJson(Carry(list).output.toUtf8()).array();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].toObject()["message"].toString(), Cell(AlarmGrid(f), 0, 1).Text);
    EXPECT_EQ(entries[0].toObject()["status"].toString(), "done");
    EXPECT_EQ(entries[1].toObject()["when"].toString(), "2024-03-16T10:00:00");
    EXPECT_EQ(entries[2].toObject()["when"].toString(), "2024-03-15T20:00:00");
}

TEST_F(WindowCommands, NothingChangesWhileTheWindowAsksToRestoreTheBackup) {
    const DataFileStore store(DataFile());
    const auto a = OneTime("a", TestNow() + 0.1), b = OneTime("b", TestNow() + 0.2);
    store.Save(std::vector<const TReminder*>{a.get(), b.get()}, {});
    store.Save(std::vector<const TReminder*>{a.get()}, {});
    QFile file(DataFile());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(file.size() - 5);
    file.close();

    CommandReply whileAsking;
    messages.confirmAnswer = false;
    messages.whileAsking = [&] { whileAsking = Carry(Add(Kind::AddOneTime, "11:00", "Tea")); };
    TMainForm& f = Make();
    f.FormActivate();
    QApplication::processEvents();
    ASSERT_EQ(messages.questions.size(), 1);
    EXPECT_EQ(whileAsking.exitCode, CommandReply::Failed);
    EXPECT_TRUE(whileAsking.error.contains("restore")) << whileAsking.error.toStdString();
    EXPECT_EQ(Descriptions(AlarmGrid(f)), std::vector<std::string>{});
    // Answered: commands are carried out again.
    EXPECT_EQ(Carry(Add(Kind::AddOneTime, "11:00", "Tea")).exitCode, 0);
}

TEST_F(WindowCommands, ShowBringsTheWindowForwardAndQuitSavesThenCloses) {
    TMainForm& f = Make();
    f.FormActivate();
    f.hide();
    EXPECT_EQ(Carry(CommandRequest::Of(Kind::Show)).exitCode, 0);
    EXPECT_TRUE(f.isVisible());

    // Judged at the start, not saved yet: Quit saves it before it answers.
    Append(AlarmGrid(f), OneTime("judged", TestNow() - 2));
    AlarmGrid(f).Object(1)->Status = StatusExpired;
    QSignalSpy closed(&f, &TMainForm::Closed);
    EXPECT_EQ(Carry(CommandRequest::Of(Kind::Quit)).exitCode, 0);
    ASSERT_EQ(Saved().oneTime.size(), 1u);
    EXPECT_TRUE(closed.isEmpty()) << "the answer goes first";
    EXPECT_TRUE(closed.wait(5000));
}

TEST_F(WindowCommands, AQuitThatCannotSaveLeavesTheWindowOpenAndSaysWhy) {
    TMainForm& f = Make();
    f.FormActivate();
    // A folder where the data file should be: no save can replace it.
    ASSERT_TRUE(QDir(folder.path()).mkdir("Nudgery.dat"));
    QSignalSpy closed(&f, &TMainForm::Closed);
    const CommandReply reply = Carry(CommandRequest::Of(Kind::Quit));
    EXPECT_EQ(reply.exitCode, CommandReply::Failed);
    EXPECT_TRUE(reply.error.contains("Cannot create file")) << reply.error.toStdString();
    QApplication::processEvents();
    EXPECT_TRUE(closed.isEmpty());
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(messages.errors.isEmpty()) << "told to the command, not in a box";
}

} // namespace
} // namespace nudgery::testing

// Every answer the check cycle applies reaches the data file before the next notification
// is shown, a pass that changes nothing writes nothing, and a save that fails (a full disk,
// a folder that cannot be written) is shown once per action while the old file and its
// backup stay as they were and the program runs on.
#include "check_cycle_fixture.h"
#include "core/data_file.h"
#include "core/reminder_lists.h"
#include "platform/disk_faults.h"

#include <QAction>
#include <QDir>

namespace nudgery::testing {
namespace {

class Saves : public CheckCycle {
public:
    // The actions whose saves fail in FailingSaves below.
    void AnswerBothDue(TMainForm& f) {
        answerer->Then(&TAlarmShow::OkButton);
        answerer->Then(&TAlarmShow::b5min);
        Check(f);
        EXPECT_EQ(AlarmGrid(f).Object(2)->Status, StatusDone);
    }
    void ShiftTheLastByAMinute(TMainForm& f) {
        AlarmGrid(f).SetRow(3);
        Find<QAction>(f, "Add1Minute").trigger();
        EXPECT_EQ(AlarmGrid(f).Object(3)->When, On15th(12, 1));
    }
    void DeleteAllDone(TMainForm& f) {
        Find<QAction>(f, "mnuDeleteremindersmarkedasdone").trigger();
        EXPECT_EQ(Descriptions(AlarmGrid(f)), (std::vector<std::string>{"first", "later"}));
    }

protected:
    QString DataFile() const { return folder.filePath("Nudgery.dat"); }
    QString BackupFile() const { return folder.filePath("Nudgery.dat.bak"); }
    // The data file loaded back as the program would load it now.
    std::unique_ptr<ReminderLists> Saved() const {
        auto lists = std::make_unique<ReminderLists>();
        DataFileStore(DataFile()).Load(*lists, clock);
        return lists;
    }
    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The data file holds both lists of the window, byte for byte.
    void ExpectFileHoldsTheLists(TMainForm& f) const {
        const auto reminders = [](const TClickableStringGrid& grid) {
            std::vector<const TReminder*> list;
            for (int row = 1; row < grid.RowCount(); ++row)
                list.push_back(grid.Object(row));
            return list;
        };
        const std::vector<std::uint8_t> expected =
            EncodeDataFile(reminders(AlarmGrid(f)), reminders(RepeatingAlarmGrid(f)));
        EXPECT_EQ(Bytes(DataFile()), QByteArray(reinterpret_cast<const char*>(expected.data()),
                                                qsizetype(expected.size())));
    }
    // "first" due now in the one-time list, "next" due now in the repeating list (every
    // hour from 9:00), so that "next" is always shown after "first" has been answered.
    TMainForm& StartWithTwoDue(std::uint8_t firstEventType = EventShowAndPlay) {
        TMainForm& f = Start();
        Append(AlarmGrid(f), OneTime("done", On15th(9, 0), StatusDone));
        Append(AlarmGrid(f), OneTime("first", On15th(10, 0)));
        AlarmGrid(f).Object(2)->EventType = firstEventType;
        Append(RepeatingAlarmGrid(f), Daily("next", EncodeTime(9, 0), 60));
        RepeatingAlarmGrid(f).Object(1)->When = On15th(10, 0);
        return f;
    }
};

TEST_F(Saves, EachAnswerIsInTheFileBeforeTheNextNotificationIsShown) {
    using FileCheck = std::function<void(const ReminderLists&)>;
    const auto firstIs = [](std::uint8_t status, TDateTime when) -> FileCheck {
        return [=](const ReminderLists& saved) {
            ASSERT_EQ(saved.oneTime.size(), 2u);
            EXPECT_EQ(saved.oneTime[1].reminder->Description, "first");
            EXPECT_EQ(saved.oneTime[1].reminder->Status, status);
            EXPECT_NEAR(saved.oneTime[1].reminder->When, when, kOneSecond);
        };
    };
    const struct {
        const char* answer;
        std::uint8_t eventType;
        Answerer::Answer click; // none: no window for "first"
        FileCheck saved;
    } cases[] = {
        {"Ok", EventShowAndPlay, [](TAlarmShow& w) { w.OkButton->click(); },
         firstIs(StatusDone, On15th(10, 0))},
        {"10 minutes", EventShowOnly, [](TAlarmShow& w) { w.b10min->click(); },
         firstIs(StatusPending, On15th(10, 10))},
        {"time-out", EventShowOnly, [this](TAlarmShow&) { clock.SetTickCount(2001); },
         firstIs(StatusPending, On15th(10, 30))},
        {"Delete", EventShowOnly, [](TAlarmShow& w) { w.DeleteButton->click(); },
         [](const ReminderLists& saved) {
             ASSERT_EQ(saved.oneTime.size(), 1u);
             EXPECT_EQ(saved.oneTime[0].reminder->Description, "done");
         }},
        {"sound only", EventPlayOnly, nullptr, firstIs(StatusDone, On15th(10, 0))},
        {"nothing to do", EventDoNothing, nullptr, firstIs(StatusDone, On15th(10, 0))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        QFile::remove(DataFile());
        clock.SetTickCount(0);
        TMainForm& f = StartWithTwoDue(c.eventType);
        settings.TimeoutSeconds = 2;
        settings.TimeoutAction = -30;
        if (c.click)
            answerer->Then(c.click);
        bool checked = false;
        answerer->Then([&](TAlarmShow& w) {
            EXPECT_EQ(w.AlarmMsg->text(), "next");
            c.saved(*Saved());
            checked = true;
            w.OkButton->click();
        });
        Check(f);
        EXPECT_TRUE(checked);
        // And the repeating reminder's answer after it.
        ExpectFileHoldsTheLists(f);
        EXPECT_TRUE(messages.errors.isEmpty());
    }
}

TEST_F(Saves, APassThatChangesNothingWritesNothing) {
    TMainForm& f = Start();
    // Answered by a time-out whose action (from a hand-edited settings file) is no answer.
    settings.TimeoutSeconds = 1;
    settings.TimeoutAction = 7;
    Append(AlarmGrid(f), OneTime("done", On15th(9, 0), StatusDone));
    Append(AlarmGrid(f), OneTime("later", On15th(11, 0)));
    Append(AlarmGrid(f), OneTime("unanswered", On15th(10, 0)));
    Append(RepeatingAlarmGrid(f), Daily("later too", EncodeTime(10, 30), 0));
    RepeatingAlarmGrid(f).Object(1)->ScheduleTodayAfresh(clock);
    // Left as it was, it comes again at the next check.
    for (int check = 1; check <= 2; ++check) {
        answerer->Then([this](TAlarmShow&) { clock.SetTickCount(clock.TickCount() + 1001); });
        Check(f);
        ASSERT_EQ(answerer->shown.size(), std::size_t(check));
    }
    EXPECT_EQ(AlarmGrid(f).Object(3)->Status, StatusPending);
    EXPECT_FALSE(QFile::exists(DataFile()));
}

// A save that fails, and what the user must see of it.
struct Fault {
    const char* name;
    // The failure's text for the data file `path`.
    std::function<QString(const QString&)> error;
    // Holds the fault while `action` runs in the folder.
    std::function<void(const QString& folder, const std::function<void()>& action)> during;
};
void PrintTo(const Fault& fault, std::ostream* out) {
    *out << fault.name;
}

// One action that saves, and how many saves it makes.
struct SavingAction {
    const char* name;
    int saves;
    void (Saves::*run)(TMainForm&);
};
void PrintTo(const SavingAction& action, std::ostream* out) {
    *out << action.name;
}

class FailingSaves : public Saves,
                     public ::testing::WithParamInterface<std::tuple<Fault, SavingAction>> {};

TEST_P(FailingSaves, AreShownOnceEachAndLeaveTheFileAndItsBackupAsTheyWere) {
    const auto& [fault, action] = GetParam();
    TMainForm& f = StartWithTwoDue();
    Append(AlarmGrid(f), OneTime("later", On15th(12, 0)));
    // A data file and a backup to keep: two saves of different lists.
    ASSERT_TRUE(MainFormAccess(f).SaveToDisk());
    AlarmGrid(f).Object(1)->Description = "done, renamed";
    ASSERT_TRUE(MainFormAccess(f).SaveToDisk());
    const QByteArray file = Bytes(DataFile());
    const QByteArray backup = Bytes(BackupFile());
    ASSERT_FALSE(backup.isEmpty());
    ASSERT_NE(file, backup);

    fault.during(folder.path(), [&] { (this->*action.run)(f); });

    EXPECT_EQ(messages.errors, QStringList(action.saves, fault.error(DataFile())));
    EXPECT_EQ(Bytes(DataFile()), file);
    EXPECT_EQ(Bytes(BackupFile()), backup);
    // Nothing half-written is left beside them.
    EXPECT_EQ(QDir(folder.path()).entryList({"Nudgery.dat*"}, QDir::Files),
              (QStringList{"Nudgery.dat", "Nudgery.dat.bak"}));
    // The program runs on, and the next save that can be made holds every change.
    EXPECT_TRUE(Timer1(f).isActive());
    EXPECT_TRUE(MainFormAccess(f).SaveToDisk());
    ExpectFileHoldsTheLists(f);
}

INSTANTIATE_TEST_SUITE_P(
    , FailingSaves,
    ::testing::Combine(
        ::testing::Values(Fault{"UnwritableFolder",
                                [](const QString& path) { return "Cannot create file " + path; },
                                [](const QString& folder, const std::function<void()>& action) {
                                    const UnwritableFolder unwritable(folder);
                                    action();
                                }},
                          Fault{"FullDisk",
                                [](const QString&) { return QString("Stream write error"); },
                                [](const QString&, const std::function<void()>& action) {
                                    const DiskFullAt full(16);
                                    action();
                                }}),
        ::testing::Values(SavingAction{"CheckCycleAnswers", 2, &Saves::AnswerBothDue},
                          SavingAction{"AdjustTime", 1, &Saves::ShiftTheLastByAMinute},
                          SavingAction{"DeleteAllDone", 1, &Saves::DeleteAllDone})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
    });

} // namespace
} // namespace nudgery::testing

// The main window's start-up and shutdown: the first activation's show state, closing with
// its saves, the sound stopped when the window goes, and an end asked from outside.
#include "core/data_file.h"
#include "main_form_fixture.h"
#include "platform/profile_file.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>

namespace nudgery::testing {
namespace {

using StartUp = MainFormTest;

TEST_F(StartUp, ShowStateOfTheFirstActivation) {
    const struct {
        bool minimized;
        bool notificationArea;
        bool useTray;
        bool intoTray;
    } cases[] = {
        {false, true, true, false}, {true, true, true, true},    {true, true, false, false},
        {true, false, true, false}, {true, false, false, false},
    };
    for (const auto& c : cases) {
        startup.minimized = c.minimized;
        startup.notificationArea = c.notificationArea;
        WriteSettingsFile(c.useTray ? "[Tray]\nUse=1\n" : "[Tray]\nUse=0\n");
        TMainForm& f = Make();
        EXPECT_FALSE(Timer1(f).isActive());
        f.FormActivate();
        const std::string what = std::string(c.minimized ? "minimised" : "normal") +
                                 (c.notificationArea ? " tray" : "") +
                                 (c.useTray ? " UseTray" : "");
        // Into the tray the window is only kept hidden, never minimised: shown again, a
        // minimised window could come back minimised.
        EXPECT_EQ(f.isMinimized(), c.minimized && !c.intoTray) << what;
        EXPECT_EQ(f.StartsInTray(), c.useTray && c.notificationArea) << what;
        EXPECT_TRUE(Timer1(f).isActive()) << what;
        // Into the tray, the window goes off the task bar once the event loop runs, and
        // only the tray icon is left.
        QApplication::processEvents();
        EXPECT_EQ(f.isVisible(), !c.intoTray) << what;
        EXPECT_EQ(trayArea->shown, c.useTray && c.notificationArea) << what;
        // Later activations change nothing.
        f.showNormal();
        QApplication::processEvents();
        f.FormActivate();
        EXPECT_FALSE(f.isMinimized()) << what;
        EXPECT_TRUE(f.isVisible()) << what;
    }
}

TEST_F(StartUp, ClosingSavesPlacementAndLists) {
    TMainForm& f = Make();
    f.FormActivate();
    f.setGeometry(30, 40, 620, 410);
    Append(AlarmGrid(f), OneTime("kept", TestNow()));
    QSignalSpy closed(&f, &TMainForm::Closed);
    ASSERT_TRUE(f.close());
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(ProfileFile(Folder() + "NUDGERY.INI").ReadInteger("TMainForm_Placement", "Left", 0),
              30);
    EXPECT_EQ(Descriptions(AlarmGrid(Make())), std::vector<std::string>{"kept"});
}

TEST_F(StartUp, AFolderThatCannotBeWrittenKeepsTheWindowOpen) {
    TMainForm& f = Make();
    f.FormActivate();
    ASSERT_TRUE(QDir(folder.path()).mkdir("Nudgery.dat"));
    QSignalSpy closed(&f, &TMainForm::Closed);
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(closed.count(), 0);
    ASSERT_FALSE(messages.errors.isEmpty());
    EXPECT_EQ(messages.errors.back(), "Cannot create file " + Folder() + "Nudgery.dat");
    // The check cycle runs on.
    EXPECT_TRUE(Timer1(f).isActive());
}

// Most starts show no notification: its window is made for the first one.
TEST_F(StartUp, TheNotificationWindowIsMadeWhenFirstNeeded) {
    const auto notificationWindows = [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::count_if(windows.begin(), windows.end(),
                             [](QWidget* w) { return qobject_cast<TAlarmShow*>(w) != nullptr; });
    };
    TMainForm& f = Make();
    f.FormActivate();
    EXPECT_EQ(notificationWindows(), 0);
    TAlarmShow& window = NotificationWindow();
    EXPECT_EQ(&NotificationWindow(), &window);
    EXPECT_EQ(notificationWindows(), 1);
    form.reset();
    EXPECT_EQ(notificationWindows(), 0);
}

TEST_F(StartUp, TheSoundStopsWhenTheWindowIsDestroyed) {
    Make();
    QFile file(folder.filePath("ring.wav"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    sound.PlayTheSound(file.fileName().toStdString());
    ASSERT_TRUE(player.IsOpen());
    EXPECT_EQ(player.plays, 1);
    form.reset();
    EXPECT_FALSE(player.IsOpen());
}

TEST_F(StartUp, AnEndAskedFromOutsideClosesAndSaves) {
    TMainForm& f = Make();
    f.FormActivate();
    Append(AlarmGrid(f), OneTime("saved", TestNow(), StatusDone));
    f.EndSession();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(Descriptions(AlarmGrid(Make())), std::vector<std::string>{"saved"});
}

TEST_F(StartUp, AnEndAskedWhileANotificationIsOpenLeavesItUnanswered) {
    TMainForm& f = Make();
    f.FormActivate();
    Append(AlarmGrid(f), OneTime("first", TestNow()));
    Append(AlarmGrid(f), OneTime("second", TestNow()));
    QSignalSpy closed(&f, &TMainForm::Closed);
    int shown = 0;
    QTimer::singleShot(0, &f, [&] {
        shown += NotificationWindow().isVisible();
        f.EndSession();
    });
    for (int i = 0; i < 5; ++i)
        MainFormAccess(f).Tick();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(Timer1(f).isActive());
    // Nobody answered the first: it is saved as it was, and fires again at the next start;
    // the second was not shown.
    TMainForm& loaded = Make();
    ASSERT_EQ(Descriptions(AlarmGrid(loaded)), (std::vector<std::string>{"first", "second"}));
    for (int row = 1; row <= 2; ++row) {
        EXPECT_EQ(AlarmGrid(loaded).Object(row)->Status, StatusPending) << row;
        EXPECT_EQ(AlarmGrid(loaded).Object(row)->When, TestNow()) << row;
    }
}

// The statuses of the one-time reminders in a data file, as loading it judges them.
std::vector<std::uint8_t> OneTimeStatuses(const QString& dataFile, const Clock& clock) {
    struct Statuses final : ReminderListSink {
        TReminder& AddOneTime(std::unique_ptr<TReminder> reminder) override {
            return *kept.emplace_back(std::move(reminder));
        }
        TReminder& AddRepeating(std::unique_ptr<TReminder> reminder) override {
            return *kept.emplace_back(std::move(reminder));
        }
        void RepeatingLoaded(TReminder&) override {}
        std::vector<std::unique_ptr<TReminder>> kept;
    } sink;
    DataFileStore(dataFile).Load(sink, clock);
    std::vector<std::uint8_t> statuses;
    for (const auto& reminder : sink.kept)
        if (reminder->Kind == KindOneTime)
            statuses.push_back(reminder->Status);
    return statuses;
}

TEST_F(StartUp, ASecondEndAskedWhileTheFirstIsUnderWayClosesOnce) {
    TMainForm& f = Make();
    f.FormActivate();
    Append(AlarmGrid(f), OneTime("first", TestNow()));
    Append(AlarmGrid(f), OneTime("second", TestNow()));
    // What the data file holds each time the window reports that it has closed.
    std::vector<std::vector<std::uint8_t>> savedAtClose;
    QObject::connect(&f, &TMainForm::Closed, [&] {
        savedAtClose.push_back(OneTimeStatuses(folder.filePath("Nudgery.dat"), clock));
    });
    // Two signals in a row, the second before the first has closed the window.
    QTimer::singleShot(0, &f, [&] {
        f.EndSession();
        f.EndSession();
    });
    for (int i = 0; i < 5; ++i)
        MainFormAccess(f).Tick();
    EXPECT_FALSE(f.isVisible());
    ASSERT_EQ(savedAtClose.size(), 1u);
    EXPECT_EQ(savedAtClose[0], (std::vector<std::uint8_t>{StatusPending, StatusPending}));
}

// A data file that cannot be read to its end is told of once the window is shown.
class DamagedFile : public MainFormTest {
protected:
    QString DataFile() const { return folder.filePath("Nudgery.dat"); }
    // The one-time reminders saved, and the file cut inside the last one's message.
    void WriteCutFile(const std::vector<const TReminder*>& oneTime) {
        const std::vector<const TReminder*> none, whole(oneTime.begin(), oneTime.end() - 1);
        std::vector<std::uint8_t> bytes = EncodeDataFile(oneTime, none);
        // Past the last whole record, the values before the message (38 bytes), the text
        // head and 5 bytes of the message.
        bytes.resize(EncodeDataFile(whole, none).size() - 3 + 38 + 2 + 5);
        QFile file(DataFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    }
    // Two whole reminders and a third done yesterday, cut inside its message: read in part,
    // it would come up blank and Expired, as if it had been missed.
    void WriteCutFile() {
        const auto a = OneTime("a", TestNow()), b = OneTime("b", TestNow()),
                   c = OneTime("cut in its message", TestNow() - 1, StatusDone);
        WriteCutFile({a.get(), b.get(), c.get()});
    }
    std::vector<std::uint8_t> Bytes(const QString& file) const {
        QFile in(file);
        EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file.toStdString();
        const QByteArray bytes = in.readAll();
        return {bytes.begin(), bytes.end()};
    }
    // The window's first activation and the report it leaves for the event loop.
    void Activate(TMainForm& f) {
        f.FormActivate();
        QApplication::processEvents();
    }
    QString Report(const QString& read, const QString& kept) const {
        return "The data file " + DataFile() + " is damaged or cut short.\n\n" + read + "\n\n" +
               kept;
    }
};

TEST_F(DamagedFile, IsReportedOnceAfterTheWindowIsShown) {
    WriteCutFile();
    TMainForm& f = Make();
    QApplication::processEvents();
    EXPECT_TRUE(messages.infos.isEmpty());
    Activate(f);
    ASSERT_EQ(messages.infos.size(), 1);
    EXPECT_EQ(messages.infos[0],
              Report("2 reminders could be read from it; they are in the lists.",
                     "The file as it was found is kept as " + DataFile() + ".damaged."));
    EXPECT_EQ(messages.infoParents[0], &f);
    EXPECT_EQ(Descriptions(AlarmGrid(f)), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(MainFormAccess(f).MissedReminders(), nullptr) << "nothing was missed";
    EXPECT_TRUE(QFile::exists(DataFile() + ".damaged"));
    // The new day saves the lists and loads them again: nothing more to tell.
    clock.SetNow(TestNow() + 1);
    MainFormAccess(f).Tick();
    QApplication::processEvents();
    EXPECT_EQ(messages.infos.size(), 1);
    EXPECT_EQ(Descriptions(AlarmGrid(f)), (std::vector<std::string>{"a", "b"}));
}

// With a backup that loads whole the box asks whether to restore it; the reminders found
// missed are shown after the answer, from the file the lists then hold.
TEST_F(DamagedFile, TheBackupIsRestoredOnYesAndTheDamagedFileKeptEitherWay) {
    const DataFileStore store(DataFile());
    const auto missedInBackup = OneTime("missed, in the backup", TestNow() - 1),
               inBackup = OneTime("in the backup", TestNow());
    const auto missedInDamaged = OneTime("missed, in the damaged file", TestNow() - 1),
               cut = OneTime("cut in its message", TestNow());
    for (const bool yes : {true, false}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        for (const QString& name : QDir(folder.path()).entryList(QDir::Files))
            ASSERT_TRUE(QFile::remove(folder.filePath(name)));
        // Two saves make the backup; then the data file is damaged.
        store.Save(std::vector<const TReminder*>{missedInBackup.get(), inBackup.get()}, {});
        store.Save(std::vector<const TReminder*>{inBackup.get()}, {});
        const std::vector<std::uint8_t> backup = Bytes(store.BackupPath());
        WriteCutFile({missedInDamaged.get(), cut.get()});
        const std::vector<std::uint8_t> damaged = Bytes(DataFile());

        messages.questions.clear();
        messages.confirmAnswer = yes;
        bool missedShownBeforeTheAnswer = true;
        messages.whileAsking = [&] {
            missedShownBeforeTheAnswer = MainFormAccess(*form).MissedReminders() != nullptr;
        };
        TMainForm& f = Make();
        Activate(f);
        ASSERT_EQ(messages.questions.size(), 1);
        EXPECT_TRUE(messages.questions[0].contains(store.BackupPath()));
        EXPECT_FALSE(missedShownBeforeTheAnswer);
        EXPECT_TRUE(messages.infos.isEmpty());
        const std::vector<std::string> listed =
            yes ? std::vector<std::string>{"missed, in the backup", "in the backup"}
                : std::vector<std::string>{"missed, in the damaged file"};
        EXPECT_EQ(Descriptions(AlarmGrid(f)), listed);
        QWidget* missed = MainFormAccess(f).MissedReminders();
        ASSERT_NE(missed, nullptr);
        const auto& list = Find<QTreeWidget>(*missed, "MissedList");
        ASSERT_EQ(list.topLevelItemCount(), 1);
        EXPECT_EQ(list.topLevelItem(0)->text(0),
                  yes ? "missed, in the backup" : "missed, in the damaged file");
        EXPECT_EQ(Bytes(DataFile()), yes ? backup : damaged);
        EXPECT_EQ(Bytes(store.BackupPath()), backup);
        EXPECT_EQ(Bytes(store.DamagedPath()), damaged);
    }
}

TEST_F(DamagedFile, AWholeFileOrNoneIsNotReported) {
    Activate(Make());
    const auto kept = OneTime("kept", TestNow());
    DataFileStore(DataFile()).Save(std::vector<const TReminder*>{kept.get()}, {});
    Activate(Make());
    EXPECT_EQ(Descriptions(AlarmGrid(*form)), std::vector<std::string>{"kept"});
    EXPECT_TRUE(messages.infos.isEmpty());
}

TEST_F(DamagedFile, AMinimisedStartShowsTheReportAsAWindowOfItsOwn) {
    WriteSettingsFile("[Tray]\nUse=1\n");
    startup.minimized = true;
    for (const bool tray : {true, false}) {
        startup.notificationArea = tray;
        WriteCutFile();
        messages.infoParents.clear();
        Activate(Make());
        EXPECT_EQ(form->StartsInTray(), tray);
        // Over a window minimised or hidden in the tray it would not be seen.
        ASSERT_EQ(messages.infoParents.size(), 1u) << tray;
        EXPECT_EQ(messages.infoParents[0], nullptr) << tray;
        ASSERT_TRUE(QFile::remove(DataFile()));
    }
}

TEST_F(DamagedFile, OneThatCannotBeKeptAsideIsReportedSo) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("Nudgery.dat"));
    Activate(Make());
    EXPECT_EQ(messages.infos,
              QStringList{Report("No reminders could be read from it.",
                                 "The file could not be copied aside, so it is left as it is, "
                                 "and changes cannot be saved until it is moved away.")});
}

} // namespace
} // namespace nudgery::testing

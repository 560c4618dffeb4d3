// The File menu's calendar entries: the export writes both lists to the file the user names;
// the import shows what it will add and what it cannot take, adds nothing until the user
// agrees, and nothing twice; a damaged file is refused with where reading stopped.

#include "core/reminder_lists.h"
#include "main_form_fixture.h"
#include "ui/main/ImportPreview.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace nudgery::testing {
namespace {

// 16 March 2024, the day after the test's today: 9:00 with an alarm 15 minutes before, and
// one that only sends mail.
const QByteArray OtherProgramsFile = "BEGIN:VCALENDAR\r\n"
                                     "VERSION:2.0\r\n"
                                     "PRODID:-//Example//Calendar//EN\r\n"
                                     "BEGIN:VEVENT\r\n"
                                     "UID:dentist@example.com\r\n"
                                     "DTSTAMP:20240301T120000Z\r\n"
                                     "DTSTART:20240316T090000\r\n"
                                     "SUMMARY:Dentist\r\n"
                                     "BEGIN:VALARM\r\n"
                                     "ACTION:DISPLAY\r\n"
                                     "DESCRIPTION:Reminder\r\n"
                                     "TRIGGER:-PT15M\r\n"
                                     "END:VALARM\r\n"
                                     "END:VEVENT\r\n"
                                     "BEGIN:VEVENT\r\n"
                                     "UID:report@example.com\r\n"
                                     "DTSTAMP:20240301T120000Z\r\n"
                                     "DTSTART:20240318T090000\r\n"
                                     "SUMMARY:Report\r\n"
                                     "BEGIN:VALARM\r\n"
                                     "ACTION:EMAIL\r\n"
                                     "TRIGGER:-PT1H\r\n"
                                     "END:VALARM\r\n"
                                     "END:VEVENT\r\n"
                                     "END:VCALENDAR\r\n";

QStringList Column(const QTreeWidget& list, int column) {
    QStringList texts;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        texts << list.topLevelItem(i)->text(column);
    return texts;
}

class CalendarMenu : public MainFormTest {
protected:
    void Start() {
        TMainForm& f = Make();
        Append(AlarmGrid(f), OneTime("Call Bob", TestNow() + 0.25));
        Append(AlarmGrid(f), OneTime("Pay rent", TestNow() + 3));
        Append(RepeatingAlarmGrid(f), Daily("Stretch", EncodeTime(9, 0), 30));
        RepeatingAlarmGrid(f).Object(1)->ScheduleTodayAfresh(clock);
        AlarmGrid(f).Object(1)->UpdateNormalStatus(clock);
        AlarmGrid(f).Object(2)->UpdateNormalStatus(clock);
        f.FormActivate();
    }
    void Trigger(const char* action) { Find<QAction>(*form, action).trigger(); }
    QString CalendarFile(const QByteArray& text) const {
        const QString path = folder.filePath("calendar.ics");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        return path;
    }
    // The next preview gets `steps` in its own event loop; one they leave open is cancelled.
    void InPreview(std::function<void(TImportPreview&)> steps) {
        QTimer::singleShot(0, [this, steps] {
            auto* preview = qobject_cast<TImportPreview*>(QApplication::activeModalWidget());
            ASSERT_NE(preview, nullptr) << "the preview did not open";
            ++previews;
            timerRanInPreview = Timer1(*form).isActive();
            steps(*preview);
            if (preview->isVisible())
                preview->reject();
        });
    }
    void Import(const QString& path, std::function<void(TImportPreview&)> steps) {
        files.calendarAnswer = path;
        InPreview(std::move(steps));
        Trigger("mnuImportCalendar");
    }
    QByteArray DataFileBytes() const {
        QFile file(folder.filePath("Nudgery.dat"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::vector<TReminder> Reminders(const TClickableStringGrid& grid) const {
        std::vector<TReminder> reminders;
        for (int row = 1; row < grid.RowCount(); ++row)
            reminders.push_back(*grid.Object(row));
        return reminders;
    }

    int previews = 0;
    bool timerRanInPreview = true;
};

TEST_F(CalendarMenu, BothEntriesAreInTheFileMenu) {
    Start();
    QMenu& file = Find<QMenu>(*form, "File1");
    QStringList texts;
    for (const QAction* action : file.actions())
        texts << action->text();
    EXPECT_TRUE(texts.contains("&Import Calendar File…"));
    EXPECT_TRUE(texts.contains("Ex&port to Calendar File…"));
}

TEST_F(CalendarMenu, AnExportImportedIntoEmptyListsGivesThemBack) {
    Start();
    const QString path = folder.filePath("mine.ics");
    files.calendarAnswer = path;
    Trigger("mnuExportCalendar");
    EXPECT_TRUE(files.suggestedCalendar.endsWith("Nudgery.ics"));
    ASSERT_EQ(messages.infos.size(), 1);
    EXPECT_EQ(messages.infos.front(), "3 reminders written to " + path);
    ASSERT_TRUE(QFileInfo(path).isFile());

    const auto oneTime = Reminders(AlarmGrid(*form));
    const auto repeating = Reminders(RepeatingAlarmGrid(*form));
    for (TClickableStringGrid* grid : {&AlarmGrid(*form), &RepeatingAlarmGrid(*form)})
        while (grid->RowCount() > 1)
            grid->DeleteRow(1);
    Import(path, [](TImportPreview& preview) {
        EXPECT_EQ(Column(Find<QTreeWidget>(preview, "AddList"), 0),
                  (QStringList{"Call Bob", "Pay rent", "Stretch"}));
        Find<QPushButton>(preview, "AddButton").click();
    });
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(Reminders(AlarmGrid(*form)), oneTime);
    EXPECT_EQ(Reminders(RepeatingAlarmGrid(*form)), repeating);
    // Saved at once, as every addition is.
    ReminderLists saved;
    DataFileStore(folder.filePath("Nudgery.dat")).Load(saved, clock);
    EXPECT_EQ(saved.oneTime.size(), 2u);
    EXPECT_EQ(saved.repeating.size(), 1u);
}

TEST_F(CalendarMenu, NothingIsAddedUntilTheUserAgrees) {
    Start();
    const QByteArray before = DataFileBytes();
    const QString path = CalendarFile(OtherProgramsFile);
    Import(path, [](TImportPreview& preview) {
        EXPECT_EQ(Column(Find<QTreeWidget>(preview, "AddList"), 0), QStringList{"Dentist"});
        EXPECT_EQ(Column(Find<QTreeWidget>(preview, "AddList"), 1),
                  QStringList{"Mar 16, 2024 8:45am"});
        EXPECT_EQ(Column(Find<QTreeWidget>(preview, "RefusedList"), 1), QStringList{"EMAIL alarm"});
        EXPECT_TRUE(Find<QLabel>(preview, "Prompt").text().contains("calendar.ics"));
        Find<QPushButton>(preview, "CancelButton").click();
    });
    EXPECT_FALSE(timerRanInPreview);
    EXPECT_TRUE(Timer1(*form).isActive());
    EXPECT_EQ(Descriptions(AlarmGrid(*form)), (std::vector<std::string>{"Call Bob", "Pay rent"}));
    EXPECT_EQ(DataFileBytes(), before);
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("Nudgery.imports")));

    // Agreed from the keyboard: the reminder goes to its place by its time.
    Import(path, [](TImportPreview& preview) { QTest::keyClick(&preview, Qt::Key_Return); });
    EXPECT_EQ(Descriptions(AlarmGrid(*form)),
              (std::vector<std::string>{"Call Bob", "Dentist", "Pay rent"}));
    EXPECT_EQ(AlarmGrid(*form).Object(2)->When, EncodeDate(2024, 3, 16) + EncodeTime(8, 45));
    EXPECT_EQ(AlarmGrid(*form).Object(2)->Status, StatusNotToday);
    EXPECT_NE(DataFileBytes(), before);
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("Nudgery.imports")));
}

TEST_F(CalendarMenu, ASecondImportOfTheSameFileAddsNothing) {
    Start();
    const QString path = CalendarFile(OtherProgramsFile);
    Import(path, [](TImportPreview& preview) { Find<QPushButton>(preview, "AddButton").click(); });
    // Even once the user has deleted what the first import added.
    AlarmGrid(*form).DeleteRow(2);
    const auto before = Descriptions(AlarmGrid(*form));
    Import(path, [](TImportPreview& preview) {
        EXPECT_TRUE(Find<QPushButton>(preview, "AddButton").isHidden());
        EXPECT_EQ(Find<QPushButton>(preview, "CancelButton").text(), "Close");
        EXPECT_TRUE(Find<QLabel>(preview, "Prompt").text().contains("imported before"));
        QTest::keyClick(&preview, Qt::Key_Return);
    });
    EXPECT_EQ(previews, 2);
    EXPECT_EQ(Descriptions(AlarmGrid(*form)), before);
}

TEST_F(CalendarMenu, ADamagedFileIsRefusedWithWhereReadingStopped) {
    Start();
    const QByteArray before = DataFileBytes();
    QByteArray damaged = OtherProgramsFile;
    damaged.replace("DTSTART:20240316T090000", "DTSTART:the sixteenth");
    files.calendarAnswer = CalendarFile(damaged);
    Trigger("mnuImportCalendar");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_EQ(messages.infos.size(), 1);
    EXPECT_TRUE(messages.infos.front().contains("line 7")) << messages.infos.front().toStdString();
    EXPECT_TRUE(messages.infos.front().contains("calendar.ics"));
    EXPECT_EQ(Descriptions(AlarmGrid(*form)), (std::vector<std::string>{"Call Bob", "Pay rent"}));
    EXPECT_EQ(DataFileBytes(), before);
}

TEST_F(CalendarMenu, ChoosingNoFileDoesNothing) {
    Start();
    files.calendarAnswer.reset();
    Trigger("mnuImportCalendar");
    Trigger("mnuExportCalendar");
    EXPECT_EQ(files.askedCalendar, 2);
    EXPECT_TRUE(messages.infos.isEmpty());
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(CalendarMenu, AnExportThatCannotBeWrittenSaysSo) {
    Start();
    files.calendarAnswer = folder.filePath("no such folder/mine.ics");
    Trigger("mnuExportCalendar");
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors.front().contains("no such folder/mine.ics"));
}

} // namespace
} // namespace nudgery::testing

// The data file's reminders to and from calendar files without a window, as the command line
// will move them: the export and the import through real files, the agreement asked for, the
// memory of imports beside the data file, and what is refused.

#include "core/clock.h"
#include "core/dayspec.h"
#include "core/reminder_lists.h"
#include "platform/calendar_data_file.h"
#include "platform/calendar_transfer.h"
#include "store_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

// Tuesday 8 December 2026, noon.
const SettableClock Clock(EncodeDate(2026, 12, 8) + 0.5);
const TDateTime Today = EncodeDate(2026, 12, 8);

// Lists as the program keeps them: the one-time list in the order of due times.
ReminderLists SomeLists() {
    ReminderLists lists;
    lists.AddOneTime(TReminder::CreateNormal(KindOneTime, Today + EncodeTime(9, 0), "Done early",
                                             "", EventShowOnly));
    lists.oneTime.back().reminder->Status = StatusDone;
    lists.AddOneTime(TReminder::CreateNormal(KindOneTime, Today + 2 + EncodeTime(8, 30), "Dentist",
                                             "/snd/ring.wav", EventShowAndPlay));
    lists.AddOneTime(TReminder::CreateNormal(KindOneTime, Today + 9 + EncodeTime(18, 0), "Rent", "",
                                             EventPlayOnly));
    lists.AddRepeating(TReminder::CreateRepeating(KindRepeating, EncodeTime(9, 0), true,
                                                  EncodeTime(17, 0), "12345", 30, "Stretch", "",
                                                  EventShowOnly));
    lists.AddRepeating(TReminder::CreateRepeating(KindRepeating, EncodeTime(20, 0), false, 0,
                                                  EncodeNthWeekday(5, 0, 0), 0, "Plan the month",
                                                  "", EventShowOnly));
    return lists;
}

void Save(const DataFileStore& store, const ReminderLists& lists) {
    store.Save(ReminderLists::View(lists.oneTime), ReminderLists::View(lists.repeating));
}

// SomeLists saved in `mine` and exported to a calendar file there; the file's path.
QString ExportSomeLists(const StoreFolder& mine) {
    Save(mine.Store(), SomeLists());
    const QString calendar = mine.Path("export.ics");
    ExportDataFileToCalendar(mine.Store(), calendar, Clock);
    return calendar;
}

// A data file of one-time reminders, each with its message and the days from today it is due.
void SaveOneTime(const StoreFolder& folder, const std::vector<std::pair<std::string, int>>& due) {
    ReminderLists lists;
    for (const auto& [message, days] : due)
        lists.AddOneTime(TReminder::CreateNormal(KindOneTime, Today + days, message, "", 0));
    Save(folder.Store(), lists);
}

// Agrees, and counts how often it was asked.
struct Agreement {
    bool answer = true;
    int asked = 0;
    std::function<bool(const ImportPlan&)> Function() {
        return [this](const ImportPlan&) {
            ++asked;
            return answer;
        };
    }
};

TEST(CalendarDataFile, AnExportImportedIntoAnEmptyDataFileGivesTheSameFile) {
    StoreFolder mine, other;
    Save(mine.Store(), SomeLists());
    // As the program saves them: each reminder judged for today.
    ReminderLists judged;
    mine.Store().Load(judged, Clock);
    Save(mine.Store(), judged);
    const QString calendar = mine.Path("export.ics");
    EXPECT_EQ(ExportDataFileToCalendar(mine.Store(), calendar, Clock), 5u);

    Agreement agree;
    const DataFileImport imported =
        ImportCalendarIntoDataFile(calendar, other.Store(), {}, Clock, agree.Function());
    EXPECT_TRUE(imported.added);
    EXPECT_EQ(agree.asked, 1);
    EXPECT_EQ(imported.plan.reminders.size(), 5u);
    EXPECT_EQ(other.Bytes("Nudgery.dat"), mine.Bytes("Nudgery.dat"));
    EXPECT_TRUE(QFile::exists(other.Path("Nudgery.imports")));
}

TEST(CalendarDataFile, ImportedOneTimeRemindersTakeTheirPlaceByTime) {
    StoreFolder mine, other;
    const QString calendar = ExportSomeLists(mine);
    SaveOneTime(other, {{"Between", 3}, {"Last", 30}});

    Agreement agree;
    ImportCalendarIntoDataFile(calendar, other.Store(), {}, Clock, agree.Function());
    ReminderLists loaded;
    other.Store().Load(loaded, Clock);
    std::vector<std::string> order;
    for (const auto& row : loaded.oneTime)
        order.push_back(row.reminder->Description);
    EXPECT_EQ(order,
              (std::vector<std::string>{"Done early", "Dentist", "Between", "Rent", "Last"}));
}

TEST(CalendarDataFile, NothingIsAddedWithoutAgreementNorTwice) {
    StoreFolder mine, other;
    const QString calendar = ExportSomeLists(mine);
    SaveOneTime(other, {{"Mine", 3}});
    const auto before = other.Bytes("Nudgery.dat");

    Agreement refuse{false};
    EXPECT_FALSE(
        ImportCalendarIntoDataFile(calendar, other.Store(), {}, Clock, refuse.Function()).added);
    EXPECT_EQ(other.Bytes("Nudgery.dat"), before);
    EXPECT_FALSE(QFile::exists(other.Path("Nudgery.imports")));

    Agreement agree;
    ImportCalendarIntoDataFile(calendar, other.Store(), {}, Clock, agree.Function());
    const auto once = other.Bytes("Nudgery.dat");
    // Deleted since, the reminders are still not taken again: the memory knows them.
    SaveOneTime(other, {{"Mine", 3}});
    const DataFileImport again =
        ImportCalendarIntoDataFile(calendar, other.Store(), {}, Clock, agree.Function());
    EXPECT_FALSE(again.added);
    EXPECT_EQ(again.plan.importedBefore, 5u);
    EXPECT_EQ(agree.asked, 2); // the second time it is only shown
    EXPECT_EQ(other.Bytes("Nudgery.dat"), before);
    EXPECT_NE(once, before);
}

TEST(CalendarDataFile, ARefusedCalendarOrADamagedDataFileChangesNothing) {
    StoreFolder folder;
    Save(folder.Store(), SomeLists());
    const auto before = folder.Bytes("Nudgery.dat");
    folder.Write("damaged.ics", {'B', 'E', 'G', 'I', 'N', ':', 'V', 'C', 'A', 'R', 'D', '\n'});
    Agreement agree;
    try {
        ImportCalendarIntoDataFile(folder.Path("damaged.ics"), folder.Store(), {}, Clock,
                                   agree.Function());
        ADD_FAILURE() << "a damaged calendar was taken";
    } catch (const CalendarFileError& error) {
        EXPECT_NE(std::string(error.what()).find("damaged.ics"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("line 1"), std::string::npos) << error.what();
    }
    EXPECT_THROW(ImportCalendarIntoDataFile(folder.Path("missing.ics"), folder.Store(), {}, Clock,
                                            agree.Function()),
                 CalendarFileError);

    // A data file cut short: neither exported nor added to.
    auto cut = before;
    cut.resize(cut.size() - 10);
    folder.Write("Nudgery.dat", cut);
    EXPECT_THROW(ExportDataFileToCalendar(folder.Store(), folder.Path("out.ics"), Clock),
                 CalendarFileError);
    EXPECT_FALSE(QFile::exists(folder.Path("out.ics")));
    EXPECT_EQ(agree.asked, 0);
}

TEST(CalendarDataFile, AnExportReplacesAFileOnlyWhenWrittenWhole) {
    StoreFolder folder;
    Save(folder.Store(), SomeLists());
    folder.Write("out.ics", {'o', 'l', 'd'});
    ExportDataFileToCalendar(folder.Store(), folder.Path("out.ics"), Clock);
    EXPECT_GT(folder.Bytes("out.ics").size(), 100u);
    // A folder in the way: nothing is written, and the folder stays.
    QDir(folder.Folder()).mkdir("taken.ics");
    EXPECT_THROW(ExportDataFileToCalendar(folder.Store(), folder.Path("taken.ics"), Clock),
                 CalendarFileError);
    EXPECT_TRUE(QFileInfo(folder.Path("taken.ics")).isDir());
    EXPECT_FALSE(QFile::exists(folder.Path("taken.ics.new")));
}

TEST(CalendarDataFile, AnUnreadableMemoryOfImportsIsAnEmptyOne) {
    StoreFolder folder;
    EXPECT_EQ(LoadImportMemory(folder.Path("Nudgery.imports")).Size(), 0u);
    QDir(folder.Folder()).mkdir("Nudgery.imports");
    EXPECT_EQ(LoadImportMemory(folder.Path("Nudgery.imports")).Size(), 0u);
    EXPECT_EQ(ImportMemoryPath(folder.Path("Nudgery.dat")), folder.Path("Nudgery.imports"));
}

} // namespace
} // namespace nudgery

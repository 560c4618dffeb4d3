// Calendar files imported into lists without a window, as the commands move them: lists
// loaded from a data file, exported and imported through real files, the agreement asked
// for, the memory of imports beside the data file, what is refused, and a save that fails.

#include "core/clock.h"
#include "core/dayspec.h"
#include "core/reminder_lists.h"
#include "platform/calendar_data_file.h"
#include "platform/calendar_transfer.h"
#include "store_folder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <stdexcept>

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

// The lists of the folder's data file written to a calendar file; how many reminders it holds.
std::size_t ExportDataFile(const StoreFolder& folder, const QString& calendar) {
    ReminderLists lists;
    folder.Store().Load(lists, Clock);
    return ExportCalendarFile(calendar, ReminderLists::View(lists.oneTime),
                              ReminderLists::View(lists.repeating), Clock);
}

// SomeLists saved in `mine` and exported to a calendar file there; the file's path.
QString ExportSomeLists(const StoreFolder& mine) {
    Save(mine.Store(), SomeLists());
    const QString calendar = mine.Path("export.ics");
    ExportDataFile(mine, calendar);
    return calendar;
}

// The calendar file imported into the lists of the folder's data file, loaded to be changed,
// which are saved once the import agrees.
DataFileImport ImportIntoDataFile(const QString& calendar, const StoreFolder& folder,
                                  const std::function<bool(const ImportPlan&)>& agree) {
    ReminderLists lists;
    lists.keepStoredStatus = true;
    folder.Store().Load(lists, Clock);
    ReminderRows oneTime(lists.oneTime), repeating(lists.repeating);
    return ImportCalendarIntoLists(calendar, oneTime, repeating, folder.Path("Nudgery.dat"), {},
                                   Clock, agree, [&] { Save(folder.Store(), lists); });
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
    EXPECT_EQ(ExportDataFile(mine, calendar), 5u);

    Agreement agree;
    const DataFileImport imported = ImportIntoDataFile(calendar, other, agree.Function());
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
    ImportIntoDataFile(calendar, other, agree.Function());
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
    EXPECT_FALSE(ImportIntoDataFile(calendar, other, refuse.Function()).added);
    EXPECT_EQ(other.Bytes("Nudgery.dat"), before);
    EXPECT_FALSE(QFile::exists(other.Path("Nudgery.imports")));

    Agreement agree;
    ImportIntoDataFile(calendar, other, agree.Function());
    const auto once = other.Bytes("Nudgery.dat");
    // Deleted since, the reminders are still not taken again: the memory knows them.
    SaveOneTime(other, {{"Mine", 3}});
    const DataFileImport again = ImportIntoDataFile(calendar, other, agree.Function());
    EXPECT_FALSE(again.added);
    EXPECT_EQ(again.plan.importedBefore, 5u);
    EXPECT_EQ(agree.asked, 2); // the second time it is only shown
    EXPECT_EQ(other.Bytes("Nudgery.dat"), before);
    EXPECT_NE(once, before);
}

TEST(CalendarDataFile, ARefusedCalendarChangesNothing) {
    StoreFolder folder;
    Save(folder.Store(), SomeLists());
    const auto before = folder.Bytes("Nudgery.dat");
    folder.Write("damaged.ics", {'B', 'E', 'G', 'I', 'N', ':', 'V', 'C', 'A', 'R', 'D', '\n'});
    Agreement agree;
    try {
        ImportIntoDataFile(folder.Path("damaged.ics"), folder, agree.Function());
        ADD_FAILURE() << "a damaged calendar was taken";
    } catch (const CalendarFileError& error) {
        EXPECT_NE(std::string(error.what()).find("damaged.ics"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("line 1"), std::string::npos) << error.what();
    }
    EXPECT_THROW(ImportIntoDataFile(folder.Path("missing.ics"), folder, agree.Function()),
                 CalendarFileError);
    EXPECT_EQ(agree.asked, 0);
    EXPECT_EQ(folder.Bytes("Nudgery.dat"), before);
}

TEST(CalendarDataFile, AnImportThatCannotBeSavedTakesItsRemindersOutAgain) {
    StoreFolder mine;
    const QString calendar = ExportSomeLists(mine);
    ReminderLists lists;
    lists.AddOneTime(TReminder::CreateNormal(KindOneTime, Today + 3, "Mine", "", 0));
    ReminderRows oneTime(lists.oneTime), repeating(lists.repeating);
    Agreement agree;
    EXPECT_THROW(ImportCalendarIntoLists(calendar, oneTime, repeating, mine.Path("other.dat"), {},
                                         Clock, agree.Function(),
                                         [] { throw std::runtime_error("Stream write error"); }),
                 std::runtime_error);
    ASSERT_EQ(lists.oneTime.size(), 1u);
    EXPECT_EQ(std::string(lists.oneTime[0].reminder->Description), "Mine");
    EXPECT_TRUE(lists.repeating.empty());
    EXPECT_FALSE(QFile::exists(mine.Path("Nudgery.imports"))) << "nothing was added";
}

TEST(CalendarDataFile, AnExportReplacesAFileOnlyWhenWrittenWhole) {
    StoreFolder folder;
    Save(folder.Store(), SomeLists());
    folder.Write("out.ics", {'o', 'l', 'd'});
    ExportDataFile(folder, folder.Path("out.ics"));
    EXPECT_GT(folder.Bytes("out.ics").size(), 100u);
    // A folder in the way: nothing is written, and the folder stays.
    QDir(folder.Folder()).mkdir("taken.ics");
    EXPECT_THROW(ExportDataFile(folder, folder.Path("taken.ics")), CalendarFileError);
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

#include "calendar_data_file.h"

#include "calendar_transfer.h"
#include "core/clock.h"
#include "core/reminder_lists.h"
#include "data_file_store.h"

#include <QCoreApplication>
#include <algorithm>

namespace nudgery {
namespace {

ReminderLists LoadWhole(const DataFileStore& store, const Clock& clock) {
    ReminderLists lists;
    if (store.Load(lists, clock).damaged)
        throw CalendarFileError(
            QCoreApplication::translate(
                "CalendarTransfer",
                "The reminders in %1 cannot all be read, so none are exported or "
                "imported: start the program to see what it could read.")
                .arg(store.Path())
                .toStdString());
    return lists;
}

// Before the first reminder due at the same time or later, as the main window places one.
void AddInOrder(std::vector<ReminderLists::Row>& rows, std::unique_ptr<TReminder> reminder) {
    const auto place = std::find_if(rows.begin(), rows.end(), [&](const ReminderLists::Row& row) {
        return !(row.reminder->When < reminder->When);
    });
    rows.insert(place, ReminderLists::Row{reminder->Description, std::move(reminder)});
}

} // namespace

std::size_t ExportDataFileToCalendar(const DataFileStore& store, const QString& calendarPath,
                                     const Clock& clock) {
    const ReminderLists lists = LoadWhole(store, clock);
    return ExportCalendarFile(calendarPath, ReminderLists::View(lists.oneTime),
                              ReminderLists::View(lists.repeating), clock);
}

DataFileImport ImportCalendarIntoDataFile(const QString& calendarPath, const DataFileStore& store,
                                          const ImportDefaults& defaults, const Clock& clock,
                                          const std::function<bool(const ImportPlan&)>& agree) {
    ReminderLists lists = LoadWhole(store, clock);
    const QString memoryPath = ImportMemoryPath(store.Path());
    const ImportMemory memory = LoadImportMemory(memoryPath);
    const auto oneTime = ReminderLists::View(lists.oneTime);
    const auto repeating = ReminderLists::View(lists.repeating);
    DataFileImport result;
    result.plan =
        PlanCalendarFileImport(calendarPath, {oneTime, repeating, memory, defaults, clock.Now()});
    if (!agree(result.plan) || result.plan.reminders.empty())
        return result;
    for (const PlannedReminder& planned : result.plan.reminders) {
        auto reminder = std::make_unique<TReminder>(planned.reminder);
        JudgeAdded(*reminder, planned.list, clock);
        if (planned.list == ListKind::OneTime)
            AddInOrder(lists.oneTime, std::move(reminder));
        else
            lists.AddRepeating(std::move(reminder));
    }
    store.Save(ReminderLists::View(lists.oneTime), ReminderLists::View(lists.repeating));
    result.added = true;
    RememberImport(memoryPath, result.plan);
    return result;
}

} // namespace nudgery

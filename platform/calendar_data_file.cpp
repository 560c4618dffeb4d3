#include "calendar_data_file.h"

#include "calendar_transfer.h"
#include "core/clock.h"
#include "core/reminder_list.h"

#include <utility>
#include <vector>

namespace nudgery {

DataFileImport ImportCalendarIntoLists(const QString& calendarPath, ReminderList& oneTime,
                                       ReminderList& repeating, const QString& dataFilePath,
                                       const ImportDefaults& defaults, const Clock& clock,
                                       const std::function<bool(const ImportPlan&)>& agree,
                                       const std::function<void()>& save) {
    const QString memoryPath = ImportMemoryPath(dataFilePath);
    const ImportMemory memory = LoadImportMemory(memoryPath);
    DataFileImport result;
    result.plan =
        PlanCalendarFileImport(calendarPath, {KeptReminders(oneTime), KeptReminders(repeating),
                                              memory, defaults, clock.Now()});
    if (!agree(result.plan) || result.plan.reminders.empty())
        return result;
    std::vector<std::pair<ReminderList*, const TReminder*>> added;
    for (const PlannedReminder& planned : result.plan.reminders) {
        ReminderList& list = planned.list == ListKind::OneTime ? oneTime : repeating;
        const int index =
            list.Add(std::make_unique<TReminder>(planned.reminder), planned.list, clock);
        added.emplace_back(&list, std::as_const(list).At(index));
    }
    try {
        save();
    } catch (...) {
        for (const auto& [list, reminder] : added) {
            list->Remove(list->IndexOf(reminder));
            list->Changed();
        }
        throw;
    }
    result.added = true;
    try {
        RememberImport(memoryPath, result.plan);
    } catch (const CalendarFileError& error) {
        result.memoryError = QString::fromLocal8Bit(error.what());
    }
    return result;
}

} // namespace nudgery

#include "ListsFile.h"

#include "GridReminderList.h"
#include "core/clock.h"
#include "core/data_file.h"
#include "platform/data_file_store.h"
#include "ui/controls/Clicksg.h"

#include <utility>

namespace nudgery {

namespace {

// Loads straight into the two grids: each row owns the reminder read into it. One-time
// reminders that the load expires unseen are added to `missed`.
class GridListSink final : public ReminderListSink {
public:
    GridListSink(TClickableStringGrid& oneTime, TClickableStringGrid& repeating,
                 std::vector<TReminder>& missed)
        : oneTime_(oneTime), repeating_(repeating), missed_(missed) {}

    TReminder& AddOneTime(std::unique_ptr<TReminder> reminder) override {
        return Add(oneTime_, std::move(reminder));
    }
    TReminder& AddRepeating(std::unique_ptr<TReminder> reminder) override {
        return Add(repeating_, std::move(reminder));
    }
    void RepeatingLoaded(TReminder& reminder) override {
        // The description's bytes are the cell's text: both are in the locale's encoding,
        // UTF-8 here. The row shares them with the reminder.
        repeating_.SetFirstCell(repeating_.RowCount() - 1, reminder.Description);
    }
    void OneTimeLoaded(TReminder& reminder, std::uint8_t storedStatus) override {
        if (FellDueUnseen(storedStatus, reminder.Status))
            missed_.push_back(reminder);
    }

private:
    static TReminder& Add(TClickableStringGrid& grid, std::unique_ptr<TReminder> reminder) {
        grid.AddRow();
        const int row = grid.RowCount() - 1;
        grid.SetCellUtf8(0, row, LoadingRowText);
        grid.SetObject(row, std::move(reminder));
        return *grid.Object(row);
    }

    TClickableStringGrid& oneTime_;
    TClickableStringGrid& repeating_;
    std::vector<TReminder>& missed_;
};

} // namespace

ListsFile::ListsFile(QString path, GridReminderList& oneTime, GridReminderList& repeating,
                     const Clock& clock, std::vector<TReminder>& missed,
                     std::function<void(const std::exception&)> reportError)
    : path_(std::move(path)), oneTime_(oneTime), repeating_(repeating), clock_(clock),
      missed_(missed), reportError_(std::move(reportError)) {}

void ListsFile::Reload() {
    for (GridReminderList* list : {&oneTime_, &repeating_})
        list->Grid().SetRowCount(1);
    LoadFromDisk();
    for (GridReminderList* list : {&oneTime_, &repeating_})
        if (list->Count() > 0)
            list->Grid().SetRow(1);
}

void ListsFile::LoadFromDisk() {
    TClickableStringGrid& oneTime = oneTime_.Grid();
    TClickableStringGrid& repeating = repeating_.Grid();
    oneTime.FreeRowObjects();
    repeating.FreeRowObjects();
    GridListSink sink(oneTime, repeating, missed_);
    // One model reset per list instead of a change per row keeps big files fast.
    oneTime.BeginUpdate();
    repeating.BeginUpdate();
    const DataFileStore store(path_);
    DataFileLoad load;
    try {
        load = store.Load(sink, clock_);
    } catch (const std::exception&) {
        // Only running out of memory gets here; the lists keep what was read.
    }
    repeating.EndUpdate();
    oneTime.EndUpdate();
    // Told once per damaged copy, however often the same file is loaded again.
    if (load.damaged && !reportedDamagedCopies_.contains(load.keptAs)) {
        reportedDamagedCopies_.append(load.keptAs);
        damagedReport_ = ReportDamagedFile(store, load);
    }
}

std::optional<DamagedFileReport> ListsFile::TakeDamagedReport() {
    return std::exchange(damagedReport_, std::nullopt);
}

bool ListsFile::RestoreBackup() {
    try {
        DataFileStore(path_).RestoreBackup();
    } catch (const std::exception& error) {
        reportError_(error);
        return false;
    }
    // The reminders found missed in the damaged file go with it; the backup's take their place.
    missed_.clear();
    Reload();
    return true;
}

void ListsFile::SaveOrThrow() const {
    DataFileStore(path_).Save(KeptReminders(oneTime_), KeptReminders(repeating_));
}

bool ListsFile::Save() {
    try {
        SaveOrThrow();
        return true;
    } catch (const std::exception& error) {
        reportError_(error);
        return false;
    }
}

} // namespace nudgery

#pragma once
// The main window's two lists and the data file: loaded straight into their grids, each row
// owning the reminder read into it, and saved from them; and what a load has to tell the
// user.

#include "alerts/ListsStore.h"
#include "platform/damaged_file_report.h"

#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <optional>
#include <vector>

namespace nudgery {

class Clock;
class GridReminderList;
class TReminder;

class ListsFile final : public ListsStore {
public:
    // The one-time reminders that a load expires unseen are added to `missed`; a save that
    // fails goes to `reportError`. All outlive the file.
    ListsFile(QString path, GridReminderList& oneTime, GridReminderList& repeating,
              const Clock& clock, std::vector<TReminder>& missed,
              std::function<void(const std::exception&)> reportError);

    const QString& Path() const { return path_; }

    // Writes both lists to the data file; a failure is reported and gives false, and the
    // operation that asked for the save goes no further.
    bool Save() override;
    // The same for a caller that tells of a failure itself: throws DataFileError.
    void SaveOrThrow() const;
    // Cuts both lists to their header row, destroying their reminders, loads them from the
    // file and selects the first row of each.
    void Reload() override;

    // The report of a damaged file that the last loads found, once; none when there is
    // nothing to tell.
    std::optional<DamagedFileReport> TakeDamagedReport();
    // Whether a report is waiting that offers to restore the backup.
    bool DamagedReportAsksToRestore() const {
        return damagedReport_ && damagedReport_->asksToRestore;
    }
    // The backup in the data file's place, and the lists loaded from it; a failure is
    // reported and gives false.
    bool RestoreBackup();

private:
    // Rebuilds both lists from the data file; they have been cut to their header row.
    void LoadFromDisk();

    QString path_;
    GridReminderList& oneTime_;
    GridReminderList& repeating_;
    const Clock& clock_;
    std::vector<TReminder>& missed_;
    std::function<void(const std::exception&)> reportError_;
    // The damaged-file report waiting to be shown, and the copies already reported (an
    // empty name: a file that could not be kept).
    std::optional<DamagedFileReport> damagedReport_;
    QStringList reportedDamagedCopies_;
};

} // namespace nudgery

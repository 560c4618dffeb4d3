#pragma once
// The history of reminders on disk: an SQLite database beside the data file, written through
// Qt SQL. Recording never holds up or stops a reminder: a journal that cannot be written (a
// full disk, a read-only file or folder, a lock held by another program) costs only the
// entries, and is reported once; a damaged one, or a foreign file in its place, is moved aside
// and a new one started.

#include "core/history_entry.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QSqlQuery;

namespace nudgery {

class HistoryJournal {
public:
    // Told, once for each kind of trouble, what went wrong, in words for the user.
    using ProblemReport = std::function<void(const QString& text)>;

    // The journal at `path`, opened at its first use rather than here, so that the program's
    // start does not wait for SQLite; created then when there is none. At that opening,
    // entries more than a year before `now` are removed, and entries an earlier run left
    // open (it ended without answering them, as in a crash) are closed as unanswered at
    // `now`. Needs the application object, which Qt loads its database drivers through.
    HistoryJournal(QString path, TDateTime now, ProblemReport report);
    ~HistoryJournal();
    HistoryJournal(const HistoryJournal&) = delete;
    HistoryJournal& operator=(const HistoryJournal&) = delete;

    // The journal's name in the folder of the data file.
    static QString BesideDataFile(const QString& dataFile);
    // Where a damaged journal is kept, as it was found (its log beside it, with "-wal"):
    // "<name>.damaged", or the next free "<name>.damaged.2", ".3", ...
    QString DamagedPath() const;

    // Adds an entry (its id is ignored) and gives its id, or 0 when it could not be written.
    std::int64_t Record(const HistoryEntry& entry);
    // Sets the answer of an entry that Record gave; false when it could not be written.
    bool Answer(std::int64_t id, HistoryOutcome outcome, std::int32_t result, TDateTime answered);
    // Closes every entry still open as unanswered at `at`: the program is ending.
    bool CloseOpenEntries(TDateTime at);

    // Up to `limit` entries that pass the filter, newest first (by when they fell due, then
    // by the order they were recorded in), starting after `after` when given.
    std::vector<HistoryEntry> Newest(const HistoryFilter& filter,
                                     std::optional<HistoryPosition> after, int limit);
    // How many entries pass the filter.
    std::int64_t Count(const HistoryFilter& filter);
    // When the reminder last fell due from `since` to `until`, by its entries; none when it
    // has no entry then, or the journal cannot be read.
    std::optional<TDateTime> LastDue(const HistoryFilter::Reminder& reminder, TDateTime since,
                                     TDateTime until);

private:
    enum class Trouble { Damaged, CannotWrite };

    // Opens the journal and tends it, at the first use; whether it is open.
    bool Ready();
    bool Open();
    void Close();
    // Marks a new file as the journal and makes its table; sets foreign_ for a database that
    // is not a journal.
    bool Prepare(QSqlQuery& query);
    static bool CloseOpen(QSqlQuery& query, TDateTime at);
    // Runs `step` on the open journal. A journal found damaged is moved aside, started
    // afresh and the step run once more; any other failure is reported once.
    bool Run(const std::function<bool(QSqlQuery&)>& step);
    // Whether the step failed on a file that is not a sound database.
    static bool Damaged(const QSqlQuery& query);
    void StartAfresh();
    void ReportOnce(Trouble trouble, const QString& detail);

    QString path_;
    QString connection_;
    ProblemReport report_;
    TDateTime startedAt_;
    bool attempted_ = false;
    bool open_ = false;
    bool foreign_ = false;
    bool reportedDamage_ = false;
    bool reportedWrite_ = false;
};

} // namespace nudgery

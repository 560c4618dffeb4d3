#pragma once
// The history of reminders as a table, newest first, read from the journal a page at a time as
// the view scrolls down, so that a long history opens as fast as a short one.

#include "core/history_entry.h"

#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

namespace nudgery {

class DateFormats;
class HistoryJournal;

class HistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { DueColumn, ReminderColumn, AnswerColumn, ShownColumn, ListColumn, ColumnCount };
    // Entries read from the journal at a time.
    static constexpr int PageSize = 200;

    HistoryModel(HistoryJournal& journal, const DateFormats& formats, QObject* parent = nullptr);

    // Lists the entries that pass `filter`, from the newest.
    void SetFilter(HistoryFilter filter);
    const HistoryFilter& Filter() const { return filter_; }
    // Reads the journal again, for entries recorded since.
    void Refresh() { SetFilter(filter_); }
    // How many entries pass the filter, read or not.
    std::int64_t Total() const { return total_; }
    // The entry of a row that has been read.
    const HistoryEntry& EntryAt(int row) const { return entries_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    QString WhenText(TDateTime when) const;

    HistoryJournal& journal_;
    const DateFormats& formats_;
    HistoryFilter filter_;
    std::vector<HistoryEntry> entries_;
    std::int64_t total_ = 0;
    // The last page came back short: there is no more to read.
    bool exhausted_ = true;
};

} // namespace nudgery

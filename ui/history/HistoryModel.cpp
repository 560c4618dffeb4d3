#include "HistoryModel.h"

#include "alerts/CoreWords.h"
#include "core/date_formats.h"
#include "platform/history_journal.h"

namespace nudgery {

HistoryModel::HistoryModel(HistoryJournal& journal, const DateFormats& formats, QObject* parent)
    : QAbstractTableModel(parent), journal_(journal), formats_(formats) {}

void HistoryModel::SetFilter(HistoryFilter filter) {
    beginResetModel();
    filter_ = std::move(filter);
    total_ = journal_.Count(filter_);
    entries_ = journal_.Newest(filter_, std::nullopt, PageSize);
    exhausted_ = entries_.size() < static_cast<std::size_t>(PageSize);
    endResetModel();
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const HistoryEntry& entry = EntryAt(index.row());
    switch (index.column()) {
    case DueColumn:
        return WhenText(entry.due);
    case ReminderColumn:
        return QString::fromStdString(entry.message);
    case AnswerColumn:
        return CoreText(AnswerText(entry));
    case ShownColumn:
        return WhenText(entry.shown);
    case ListColumn:
        return CoreText(ListText(entry.list));
    default:
        return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    switch (section) {
    case DueColumn:
        return tr("Due");
    case ReminderColumn:
        return tr("Reminder");
    case AnswerColumn:
        return tr("Answer");
    case ShownColumn:
        return tr("Shown");
    case ListColumn:
        return tr("List");
    default:
        return {};
    }
}

bool HistoryModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !exhausted_;
}

void HistoryModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent))
        return;
    const HistoryEntry& last = entries_.back();
    std::vector<HistoryEntry> page =
        journal_.Newest(filter_, HistoryPosition{last.due, last.id}, PageSize);
    exhausted_ = page.size() < static_cast<std::size_t>(PageSize);
    if (page.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(page.size()) - 1);
    entries_.insert(entries_.end(), std::make_move_iterator(page.begin()),
                    std::make_move_iterator(page.end()));
    endInsertRows();
}

QString HistoryModel::WhenText(TDateTime when) const {
    // The lists' way of writing a date and time; nothing for a time that never came.
    if (when == 0)
        return {};
    return QString::fromLocal8Bit(formats_.Format("mmm dd, yyyy h:mmam/pm", when));
}

} // namespace nudgery

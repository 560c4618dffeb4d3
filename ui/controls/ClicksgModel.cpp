#include "ClicksgModel.h"

#include <algorithm>
#include <stdexcept>

namespace nudgery {

TClickableGridModel::TClickableGridModel(QObject* parent) : QAbstractTableModel(parent), rows_(1) {}

TClickableGridModel::~TClickableGridModel() = default;

const TClickableGridModel::Row& TClickableGridModel::RowAt(int row) const {
    if (row < 0 || row >= GridRowCount())
        throw std::out_of_range("Grid index out of range");
    return rows_[static_cast<std::size_t>(row)];
}

TClickableGridModel::Row& TClickableGridModel::RowAt(int row) {
    return const_cast<Row&>(std::as_const(*this).RowAt(row));
}

void TClickableGridModel::SetGridRowCount(int count) {
    count = std::max(count, 1);
    const int old = GridRowCount();
    if (count == old)
        return;
    if (count > old) {
        if (Announcing())
            beginInsertRows({}, old - 1, count - 2);
        rows_.resize(static_cast<std::size_t>(count));
        if (Announcing())
            endInsertRows();
    } else {
        if (Announcing())
            beginRemoveRows({}, count - 1, old - 2);
        rows_.resize(static_cast<std::size_t>(count));
        if (Announcing())
            endRemoveRows();
    }
}

void TClickableGridModel::SetColCount(int count) {
    count = std::max(count, 1);
    if (count == cols_)
        return;
    beginResetModel();
    cols_ = count;
    for (Row& row : rows_)
        if (row.cells.size() > static_cast<std::size_t>(cols_))
            row.cells.resize(static_cast<std::size_t>(cols_));
    endResetModel();
}

void TClickableGridModel::AppendRow() {
    SetGridRowCount(GridRowCount() + 1);
}

void TClickableGridModel::RemoveRow(int row) {
    if (row < 1 || row >= GridRowCount())
        throw std::out_of_range("Grid index out of range");
    if (Announcing())
        beginRemoveRows({}, row - 1, row - 1);
    rows_.erase(rows_.begin() + row);
    if (Announcing())
        endRemoveRows();
}

void TClickableGridModel::MoveRow(int from, int to) {
    RowAt(from);
    RowAt(to);
    if (from == to)
        return;
    // The rows change places but the view's current row stays at its index, as the list
    // code expects; so this is a change of contents, not a Qt row move.
    const auto first = rows_.begin() + std::min(from, to);
    const auto last = rows_.begin() + std::max(from, to) + 1;
    if (from < to)
        std::rotate(first, first + 1, last);
    else
        std::rotate(first, last - 1, last);
    if (Announcing() && std::min(from, to) >= 1)
        emit dataChanged(index(std::min(from, to) - 1, 0),
                         index(std::max(from, to) - 1, cols_ - 1));
}

TReminder* TClickableGridModel::Object(int row) const {
    return RowAt(row).object.get();
}

void TClickableGridModel::SetObject(int row, std::unique_ptr<TReminder> object) {
    RowAt(row).object = std::move(object);
    if (Announcing() && row >= 1)
        emit dataChanged(index(row - 1, 0), index(row - 1, cols_ - 1));
}

void TClickableGridModel::FreeRowObjects() {
    for (std::size_t r = rows_.size() - 1; r >= 1; --r)
        rows_[r].object.reset();
    rows_[0].cells.clear();
    if (Announcing() && GridRowCount() > 1)
        emit dataChanged(index(0, 0), index(GridRowCount() - 2, cols_ - 1));
}

QString TClickableGridModel::Cell(int col, int row) const {
    const Row& r = RowAt(row);
    if (col < 0 || static_cast<std::size_t>(col) >= r.cells.size())
        return {};
    return r.cells[static_cast<std::size_t>(col)];
}

void TClickableGridModel::SetCell(int col, int row, const QString& text) {
    if (col < 0 || col >= cols_)
        throw std::out_of_range("Grid index out of range");
    Row& r = RowAt(row);
    if (r.cells.size() <= static_cast<std::size_t>(col))
        r.cells.resize(static_cast<std::size_t>(col) + 1);
    r.cells[static_cast<std::size_t>(col)] = text;
    if (Announcing() && row >= 1)
        emit dataChanged(index(row - 1, col), index(row - 1, col));
}

void TClickableGridModel::BeginUpdate() {
    if (updateDepth_++ == 0)
        beginResetModel();
}

void TClickableGridModel::EndUpdate() {
    if (updateDepth_ > 0 && --updateDepth_ == 0)
        endResetModel();
}

int TClickableGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GridRowCount() - 1;
}

int TClickableGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant TClickableGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return Cell(index.column(), index.row() + 1);
}

} // namespace nudgery

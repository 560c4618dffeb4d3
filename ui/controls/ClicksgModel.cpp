#include "ClicksgModel.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>

namespace nudgery {

namespace {

// The cell texts of a row in their compact form: each text's length prefix, then its bytes.
std::vector<std::string> DecodeCells(std::string_view cells) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(cells.data());
    std::vector<std::string> texts;
    std::size_t at = 0;
    while (at < cells.size()) {
        std::size_t prefix = 0;
        const std::size_t length = ReadLengthPrefix(bytes + at, prefix);
        texts.emplace_back(cells.substr(at + prefix, length));
        at += prefix + length;
    }
    return texts;
}

void AppendCell(std::string& cells, std::string_view text) {
    unsigned char prefix[16];
    WriteLengthPrefix(text.size(), prefix);
    cells.append(reinterpret_cast<const char*>(prefix), LengthPrefixSize(text.size()));
    cells += text;
}

// What a screen reader asks of a cell: its text, or its description (the mark in words).
bool IsSpokenRole(int role) {
    return role == Qt::AccessibleTextRole || role == Qt::AccessibleDescriptionRole;
}

QVariant Spoken(const TSpokenCell& cell, int role) {
    return role == Qt::AccessibleTextRole ? cell.Text : cell.Mark;
}

CompactText EncodeCells(std::vector<std::string> texts) {
    while (!texts.empty() && texts.back().empty())
        texts.pop_back();
    std::string cells;
    for (const std::string& text : texts)
        AppendCell(cells, text);
    return CompactText(cells);
}

} // namespace

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
    ++revision_;
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
    const auto otherColumns = static_cast<std::size_t>(cols_ - 1);
    for (Row& row : rows_) {
        std::vector<std::string> texts = DecodeCells(row.otherCells);
        if (texts.size() > otherColumns) {
            texts.resize(otherColumns);
            row.otherCells = EncodeCells(std::move(texts));
        }
    }
    endResetModel();
}

void TClickableGridModel::AppendRow() {
    SetGridRowCount(GridRowCount() + 1);
}

void TClickableGridModel::RemoveRow(int row) {
    if (row < 1 || row >= GridRowCount())
        throw std::out_of_range("Grid index out of range");
    ++revision_;
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
    ++revision_;
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

const TReminder* TClickableGridModel::Object(int row) const {
    return RowAt(row).object.get();
}

TReminder* TClickableGridModel::Object(int row) {
    TReminder* object = RowAt(row).object.get();
    ++revision_;
    return object;
}

void TClickableGridModel::SetObject(int row, std::unique_ptr<TReminder> object) {
    ++revision_;
    RowAt(row).object = std::move(object);
    if (Announcing() && row >= 1)
        emit dataChanged(index(row - 1, 0), index(row - 1, cols_ - 1));
}

void TClickableGridModel::FreeRowObjects() {
    ++revision_;
    for (std::size_t r = rows_.size() - 1; r >= 1; --r)
        rows_[r].object.reset();
    rows_[0].firstCell = CompactText();
    rows_[0].otherCells = CompactText();
    if (Announcing() && GridRowCount() > 1)
        emit dataChanged(index(0, 0), index(GridRowCount() - 2, cols_ - 1));
}

QString TClickableGridModel::Cell(int col, int row) const {
    const Row& r = RowAt(row);
    if (col == 0)
        return QString::fromUtf8(r.firstCell.data(), static_cast<qsizetype>(r.firstCell.size()));
    if (r.otherCells.empty() || col < 0)
        return {};
    const std::vector<std::string> texts = DecodeCells(r.otherCells);
    if (static_cast<std::size_t>(col - 1) >= texts.size())
        return {};
    return QString::fromStdString(texts[static_cast<std::size_t>(col - 1)]);
}

void TClickableGridModel::SetCell(int col, int row, const QString& text) {
    SetCellUtf8(col, row, text.toStdString());
}

void TClickableGridModel::SetCellUtf8(int col, int row, std::string_view text) {
    if (col < 0 || col >= cols_)
        throw std::out_of_range("Grid index out of range");
    Row& r = RowAt(row);
    if (col == 0) {
        // A load gives every new row the same first text: the rows share one copy of it.
        if (lastFirstCell_ != text)
            lastFirstCell_ = CompactText(text);
        r.firstCell = lastFirstCell_;
    } else {
        std::vector<std::string> texts = DecodeCells(r.otherCells);
        if (texts.size() < static_cast<std::size_t>(col))
            texts.resize(static_cast<std::size_t>(col));
        texts[static_cast<std::size_t>(col - 1)] = text;
        r.otherCells = EncodeCells(std::move(texts));
    }
    CellChanged(col, row);
}

void TClickableGridModel::SetFirstCell(int row, const CompactText& text) {
    RowAt(row).firstCell = text;
    CellChanged(0, row);
}

void TClickableGridModel::CellChanged(int col, int row) {
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
    if (!index.isValid())
        return {};
    if (IsSpokenRole(role) && spokenCells_)
        return Spoken(spokenCells_(index.column(), index.row() + 1), role);
    if (role != Qt::DisplayRole)
        return {};
    return Cell(index.column(), index.row() + 1);
}

QVariant TClickableGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && IsSpokenRole(role) && spokenCells_ && section >= 0 &&
        section < cols_)
        return Spoken(spokenCells_(section, 0), role);
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace nudgery

#pragma once
// The rows behind a clickable string grid: per-cell texts and the reminder each row owns.
// Row 0 is the header row; the Qt model shows rows 1 and up as its rows 0 and up, because
// the header is painted by the grid's header view.

#include "core/compact_text.h"
#include "core/reminder.h"

#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace nudgery {

// What a screen reader is told of a cell: the text drawn in it and its mark in words.
struct TSpokenCell {
    QString Text;
    QString Mark;
};

class TClickableGridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TClickableGridModel(QObject* parent = nullptr);
    ~TClickableGridModel() override;

    // Grid rows, the header counted as row 0; never below 1.
    int GridRowCount() const { return static_cast<int>(rows_.size()); }
    // Lowering the count destroys the reminders of the rows cut off.
    void SetGridRowCount(int count);
    int ColCount() const { return cols_; }
    void SetColCount(int count);

    void AppendRow();
    void RemoveRow(int row);
    // Moves a row to another index; the rows between shift by one.
    void MoveRow(int from, int to);

    const TReminder* Object(int row) const;
    // A reminder handed out for change counts as a change of the list.
    TReminder* Object(int row);
    void SetObject(int row, std::unique_ptr<TReminder> object);
    // Destroys the reminders of rows 1 and up and clears the texts of row 0.
    void FreeRowObjects();

    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    // The same with the text in UTF-8, as the reminders keep theirs.
    void SetCellUtf8(int col, int row, std::string_view text);
    // The first cell's text, sharing the block of `text` instead of copying it.
    void SetFirstCell(int row, const CompactText& text);

    // Between these the model announces one reset instead of a change per row, which
    // keeps filling a list of many thousand rows fast. Calls nest.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateDepth_ > 0; }

    // Grows with every change that can touch the rows' reminders: rows added, removed,
    // moved or cut, reminders set, freed or handed out for change. What was worked out from
    // the reminders holds while it stays the same.
    std::uint64_t Revision() const { return revision_; }

    // Where the spoken texts of the cells come from (row 0: the header row). Qt's table for
    // screen readers asks for them as the accessible text and description of each cell,
    // since the stored texts need not be the ones drawn.
    void SetSpokenCells(std::function<TSpokenCell(int col, int row)> source) {
        spokenCells_ = std::move(source);
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        std::unique_ptr<TReminder> object;
        // The cell texts in UTF-8: a list of many thousand rows keeps them in a few bytes
        // each. The first apart, so that a row can share it with the reminder it shows; the
        // further ones up to the last one set, each after its length.
        CompactText firstCell;
        CompactText otherCells;
    };
    bool Announcing() const { return !Updating(); }
    // Tells the view of a changed cell, unless an update block holds the news back.
    void CellChanged(int col, int row);
    const Row& RowAt(int row) const;
    Row& RowAt(int row);

    std::vector<Row> rows_;
    int cols_ = 5;
    int updateDepth_ = 0;
    std::uint64_t revision_ = 0;
    CompactText lastFirstCell_;
    std::function<TSpokenCell(int col, int row)> spokenCells_;
};

} // namespace nudgery

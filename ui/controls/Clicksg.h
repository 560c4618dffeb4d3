#pragma once
// TClickableStringGrid: the list control of the main window. Row 0 is a header drawn from
// HeaderStrings; every further row owns one reminder. Each cell asks its owner, through
// OnGetCellFormat / OnGetHeaderCellFormat, for the text, font, alignment, background and
// an optional coloured mark to draw, so the stored cell texts need not be the shown ones.

#include "ControlStyle.h"
#include "core/reminder.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>
#include <QTableView>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace nudgery {

class TClickableGridModel;
class TClickableGridHeader;

enum class TVertAlignment { taTopJustify, taBottomJustify, taMiddle };

struct TFormatOptions {
    TControlFont Font;
    TAlignment AlignmentHorz = TAlignment::taLeftJustify;
    TVertAlignment AlignmentVert = TVertAlignment::taTopJustify;
    QString Text;
    QColor BackColor;
    QColor FontColor; // the font's colour on entry; changing it has no effect
    QColor MarkColor = Qt::white;
    // The mark in words, for those who cannot see its colour (a screen reader says them).
    QString MarkText;
};

struct TGridDrawState {
    bool Selected = false;
    bool Focused = false;
    bool Fixed = false;
};

// What drawing one cell comes to; DrawCell paints it.
struct TCellDrawing {
    TFormatOptions Options;
    // What fills the cell first: BackColor for a header cell, the grid or selection colour
    // for a body cell.
    QColor BaseColor;
    bool HasMark = false;
    QRect MarkRect;
    QRect TextRect;
    QString Text;  // single line, at most 255 characters
    int Flags = 0; // Qt alignment and text flags
};

class TClickableStringGrid : public QTableView {
    Q_OBJECT
public:
    using TFormatDrawCellEvent = std::function<void(TClickableStringGrid& sender, int col, int row,
                                                    TGridDrawState state, TFormatOptions& options)>;
    using TClickHeaderEvent =
        std::function<void(TClickableStringGrid& sender, int col, Qt::MouseButton button,
                           Qt::KeyboardModifiers shift, int x, int y)>;

    static constexpr int MaxCellChars = 255;
    static constexpr int DefaultRowHeight = 20;

    explicit TClickableStringGrid(QWidget* parent = nullptr);
    ~TClickableStringGrid() override;

    // Rows, the header counted as row 0.
    int RowCount() const;
    // Lowering the count destroys the reminders of the rows cut off; never below 1.
    void SetRowCount(int count);
    int ColCount() const;
    void SetColCount(int count);
    // Fixed rows stay below the row count; a header click needs one. The header row is
    // drawn as the header in any case.
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int count);

    // Appends an empty row without a reminder; the caller fills it.
    void AddRow();
    // Destroys the row's reminder and removes the row; rows below move up by one.
    void DeleteRow(int row);
    // Destroys the reminders of rows 1 and up and clears the texts of row 0; the row
    // count stays (a caller emptying the list sets it to 1 afterwards).
    void FreeRowObjects();
    // Moves a row to another index; the rows between shift by one and the current row
    // stays at its index.
    void MoveRow(int from, int to);
    // Fills many rows with one repaint of the view; calls nest.
    void BeginUpdate();
    void EndUpdate();

    // The reminder a row owns, or null; handed out for change, it counts as a change.
    const TReminder* Object(int row) const;
    TReminder* Object(int row);
    // See TClickableGridModel::Revision.
    std::uint64_t Revision() const;
    void SetObject(int row, std::unique_ptr<TReminder> reminder);
    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);
    // The same with the text in UTF-8, which saves a conversion per row in a long load.
    void SetCellUtf8(int col, int row, std::string_view text);
    // The first cell's text, sharing the block of `text` instead of copying it.
    void SetFirstCell(int row, const CompactText& text);

    // The current (selected) row; 0 when no body row is current.
    int Row() const;
    void SetRow(int row);

    const QStringList& HeaderStrings() const { return headerStrings_; }
    void SetHeaderStrings(const QStringList& strings);
    const TControlFont& HeaderFont() const { return headerFont_; }
    void SetHeaderFont(const TControlFont& font);
    const TControlFont& SelectedFont() const { return selectedFont_; }
    void SetSelectedFont(const TControlFont& font);
    QColor SelectedColor() const { return selectedColor_; }
    void SetSelectedColor(const QColor& color);
    int TabChars() const { return tabChars_; }
    void SetTabChars(int chars);
    TAlignment AlignmentHorz() const { return alignmentHorz_; }
    void SetAlignmentHorz(TAlignment alignment);
    TVertAlignment AlignmentVert() const { return alignmentVert_; }
    void SetAlignmentVert(TVertAlignment alignment);
    // Lets the user drag column borders (off by default).
    void SetColSizing(bool on);

    int ColWidth(int col) const { return columnWidth(col); }
    void SetColWidth(int col, int width) { setColumnWidth(col, width); }
    int ClientWidth() const;

    // Column that takes up spare width, counted from 1; 0 or less: none.
    int AutoAdjustColumn() const { return autoAdjustColumn_; }
    void SetAutoAdjustColumn(int column) { autoAdjustColumn_ = column; }
    // Lets the auto-adjust column fill the client width, 5 pixels short of the edge, so
    // that the columns fit without a scroll bar; it gives up width down to what its header
    // needs.
    void AdjustColumnWidth();

    TFormatDrawCellEvent OnGetCellFormat;
    TFormatDrawCellEvent OnGetHeaderCellFormat;
    TClickHeaderEvent OnClickHeader;

    // The format of one cell as its owner gives it; row 0 is the header.
    TFormatOptions CellFormat(int col, int row, TGridDrawState state);
    // The drawing of one cell, decided from the formats; row 0 is the header.
    TCellDrawing PlanCell(int col, int row, const QRect& cell, TGridDrawState state);
    void DrawCell(QPainter& painter, int col, int row, const QRect& cell, TGridDrawState state);

    // Called by the header view when a mouse button is released over it.
    void HeaderMouseReleased(int col, Qt::MouseButton button, Qt::MouseButtons stillDown,
                             Qt::KeyboardModifiers shift, QPoint position, bool resized);

signals:
    // A key went down while the grid had the focus (before the grid's own handling).
    void KeyDown(int key, Qt::KeyboardModifiers shift);
    void DblClick();
    // The client width changed (a resize of the grid, a scroll bar shown or hidden): the
    // moment for the owner to run AdjustColumnWidth.
    void ClientWidthChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Called for resizes of the client area (the viewport).
    void resizeEvent(QResizeEvent* event) override;

private:
    void Repaint();
    void KeepFixedRowsBelowRowCount();
    // The width a cell's text needs in its column: its indent, the text and a little room.
    int WidthNeeded(int col, int row);
    // Every column but the auto-adjust one grows to the widest text drawn in it so far, once
    // such a text shows; narrowed by hand, it stays so until a still wider text comes.
    void NoteWidthNeeded(int col, int needed);
    void FitColumnsToTexts();

    TClickableGridModel* model_;   // owned by the grid as Qt parent
    TClickableGridHeader* header_; // owned by the grid as Qt parent
    QStringList headerStrings_;
    TControlFont headerFont_;
    TControlFont selectedFont_;
    QColor selectedColor_ = QColor(0, 0, 255);
    int tabChars_ = 12;
    TAlignment alignmentHorz_ = TAlignment::taLeftJustify;
    TVertAlignment alignmentVert_ = TVertAlignment::taTopJustify;
    int fixedRows_ = 0;
    int autoAdjustColumn_ = 0;
    // By column, the width the widest text drawn there needs; the columns too narrow for
    // theirs wait for the event loop, as widths must not change in the middle of painting.
    std::vector<int> widestText_;
    std::vector<int> columnsToFit_;
    int rowBeforeUpdate_ = 0;
};

} // namespace nudgery

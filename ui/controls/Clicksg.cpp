#include "Clicksg.h"

#include "ClicksgModel.h"
#include "ClicksgViews.h"
#include "platform/desktop_font.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <utility>

namespace nudgery {

namespace {

TControlFont DefaultGridFont(const QColor& color) {
    return {DesktopFont(8), color};
}

QFont PlainStyle(QFont font) {
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

int HorizontalFlag(TAlignment alignment) {
    switch (alignment) {
    case TAlignment::taRightJustify:
        return Qt::AlignRight;
    case TAlignment::taCenter:
        return Qt::AlignHCenter;
    case TAlignment::taLeftJustify:
        break;
    }
    return Qt::AlignLeft;
}

int VerticalFlag(TVertAlignment alignment) {
    switch (alignment) {
    case TVertAlignment::taBottomJustify:
        return Qt::AlignBottom;
    case TVertAlignment::taMiddle:
        return Qt::AlignVCenter;
    case TVertAlignment::taTopJustify:
        break;
    }
    return Qt::AlignTop;
}

bool HasMark(const TFormatOptions& options) {
    return options.MarkColor.rgb() != QColor(Qt::white).rgb();
}

constexpr int MarkSize = 6;
constexpr int MarkLeft = 4;
constexpr int MarkedTextLeft = 14;
// Room right of a cell's text, with the line between the cells.
constexpr int TextRoom = 5;

// The width of column a cell needs to show the whole of its planned text.
int WidthFor(const TCellDrawing& drawing, const QRect& cell) {
    return drawing.TextRect.left() - cell.left() +
           QFontMetrics(drawing.Options.Font.Face).horizontalAdvance(drawing.Text) + TextRoom;
}

} // namespace

TClickableStringGrid::TClickableStringGrid(QWidget* parent)
    : QTableView(parent), model_(new TClickableGridModel(this)),
      header_(new TClickableGridHeader(*this)), headerFont_(DefaultGridFont(Qt::black)),
      selectedFont_(DefaultGridFont(Qt::white)) {
    setModel(model_);
    widestText_.assign(static_cast<std::size_t>(ColCount()), 0);
    setHorizontalHeader(header_);
    setItemDelegate(new TClickableGridDelegate(*this));
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(DefaultRowHeight);
    verticalHeader()->setMinimumSectionSize(1);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab goes on to the next control, as in any form; the arrow and page keys move the
    // selection.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    SetColSizing(false);
    // A screen reader hears what the cells show, which the owner gives in the formats.
    model_->SetSpokenCells([this](int col, int row) {
        TGridDrawState state;
        state.Fixed = row == 0;
        state.Selected = row != 0 && row == Row();
        const TFormatOptions options = CellFormat(col, row, state);
        return TSpokenCell{options.Text.left(MaxCellChars),
                           HasMark(options) ? options.MarkText : QString()};
    });
}

TClickableStringGrid::~TClickableStringGrid() = default;

int TClickableStringGrid::RowCount() const {
    return model_->GridRowCount();
}

void TClickableStringGrid::SetRowCount(int count) {
    model_->SetGridRowCount(count);
    KeepFixedRowsBelowRowCount();
}

void TClickableStringGrid::KeepFixedRowsBelowRowCount() {
    // As in any string grid, at least one row stays non-fixed.
    fixedRows_ = std::min(fixedRows_, RowCount() - 1);
}

int TClickableStringGrid::ColCount() const {
    return model_->ColCount();
}

void TClickableStringGrid::SetColCount(int count) {
    model_->SetColCount(count);
    widestText_.assign(static_cast<std::size_t>(ColCount()), 0);
    SetColSizing(header_->sectionResizeMode(0) == QHeaderView::Interactive);
}

void TClickableStringGrid::SetFixedRows(int count) {
    fixedRows_ = std::clamp(count, 0, RowCount() - 1);
}

void TClickableStringGrid::AddRow() {
    model_->AppendRow();
}

void TClickableStringGrid::DeleteRow(int row) {
    model_->RemoveRow(row);
    KeepFixedRowsBelowRowCount();
}

void TClickableStringGrid::FreeRowObjects() {
    model_->FreeRowObjects();
}

void TClickableStringGrid::MoveRow(int from, int to) {
    model_->MoveRow(from, to);
}

void TClickableStringGrid::BeginUpdate() {
    if (!model_->Updating())
        rowBeforeUpdate_ = Row();
    model_->BeginUpdate();
}

void TClickableStringGrid::EndUpdate() {
    model_->EndUpdate();
    // A model reset forgets the current row; the list keeps it.
    if (!model_->Updating() && rowBeforeUpdate_ >= 1 && rowBeforeUpdate_ < RowCount())
        SetRow(rowBeforeUpdate_);
}

const TReminder* TClickableStringGrid::Object(int row) const {
    return std::as_const(*model_).Object(row);
}

TReminder* TClickableStringGrid::Object(int row) {
    return model_->Object(row);
}

std::uint64_t TClickableStringGrid::Revision() const {
    return model_->Revision();
}

void TClickableStringGrid::SetObject(int row, std::unique_ptr<TReminder> reminder) {
    model_->SetObject(row, std::move(reminder));
}

QString TClickableStringGrid::Cell(int col, int row) const {
    return model_->Cell(col, row);
}

void TClickableStringGrid::SetCell(int col, int row, const QString& text) {
    model_->SetCell(col, row, text);
}

void TClickableStringGrid::SetCellUtf8(int col, int row, std::string_view text) {
    model_->SetCellUtf8(col, row, text);
}

void TClickableStringGrid::SetFirstCell(int row, const CompactText& text) {
    model_->SetFirstCell(row, text);
}

int TClickableStringGrid::Row() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void TClickableStringGrid::SetRow(int row) {
    if (row < 1 || row >= RowCount())
        throw std::out_of_range("Grid index out of range");
    const QModelIndex target = model_->index(row - 1, std::max(currentIndex().column(), 0));
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
    scrollTo(target);
}

void TClickableStringGrid::Repaint() {
    viewport()->update();
    header_->viewport()->update();
}

void TClickableStringGrid::SetHeaderStrings(const QStringList& strings) {
    headerStrings_ = strings;
    Repaint();
}

void TClickableStringGrid::SetHeaderFont(const TControlFont& font) {
    headerFont_ = font;
    Repaint();
}

void TClickableStringGrid::SetSelectedFont(const TControlFont& font) {
    selectedFont_ = font;
    Repaint();
}

void TClickableStringGrid::SetSelectedColor(const QColor& color) {
    selectedColor_ = color;
    Repaint();
}

void TClickableStringGrid::SetTabChars(int chars) {
    tabChars_ = chars;
    Repaint();
}

void TClickableStringGrid::SetAlignmentHorz(TAlignment alignment) {
    alignmentHorz_ = alignment;
    Repaint();
}

void TClickableStringGrid::SetAlignmentVert(TVertAlignment alignment) {
    alignmentVert_ = alignment;
    Repaint();
}

void TClickableStringGrid::SetColSizing(bool on) {
    header_->setSectionResizeMode(on ? QHeaderView::Interactive : QHeaderView::Fixed);
}

int TClickableStringGrid::ClientWidth() const {
    return viewport()->width();
}

void TClickableStringGrid::AdjustColumnWidth() {
    if (autoAdjustColumn_ <= 0 || autoAdjustColumn_ > ColCount())
        return;
    const int col = autoAdjustColumn_ - 1;
    int others = 0;
    for (int c = 0; c < ColCount(); ++c)
        if (c != col)
            others += ColWidth(c);
    SetColWidth(col, std::max(ClientWidth() - others - 5, WidthNeeded(col, 0)));
}

int TClickableStringGrid::WidthNeeded(int col, int row) {
    const QRect cell(0, 0, ColWidth(col), DefaultRowHeight);
    return WidthFor(PlanCell(col, row, cell, {}), cell);
}

void TClickableStringGrid::NoteWidthNeeded(int col, int needed) {
    if (col == autoAdjustColumn_ - 1 || col < 0 || col >= ColCount())
        return;
    int& widest = widestText_[static_cast<std::size_t>(col)];
    if (needed <= widest)
        return;
    widest = needed;
    if (needed <= ColWidth(col))
        return;
    if (columnsToFit_.empty())
        QMetaObject::invokeMethod(this, &TClickableStringGrid::FitColumnsToTexts,
                                  Qt::QueuedConnection);
    columnsToFit_.push_back(col);
}

void TClickableStringGrid::FitColumnsToTexts() {
    for (int col : std::exchange(columnsToFit_, {}))
        if (col < ColCount())
            SetColWidth(col, std::max(ColWidth(col), widestText_[static_cast<std::size_t>(col)]));
    AdjustColumnWidth();
}

TFormatOptions TClickableStringGrid::CellFormat(int col, int row, TGridDrawState state) {
    TFormatOptions options;
    const bool header = row == 0;
    const bool selected = !header && row == Row();

    options.Font = {PlainStyle(font()), palette().color(QPalette::Text)};
    options.AlignmentHorz = alignmentHorz_;
    options.AlignmentVert = alignmentVert_;
    if (header) {
        options.BackColor = palette().color(QPalette::Button);
        options.Font = headerFont_;
        options.Text = col < headerStrings_.size() ? headerStrings_[col] : QString();
    } else {
        options.BackColor = selected ? selectedColor_ : palette().color(QPalette::Base);
        if (selected)
            options.Font = selectedFont_;
        options.Text = Cell(col, row);
    }
    options.FontColor = options.Font.Color;
    options.MarkColor = Qt::white;

    if (header && OnGetHeaderCellFormat)
        OnGetHeaderCellFormat(*this, col, row, state, options);
    else if (!header && OnGetCellFormat)
        OnGetCellFormat(*this, col, row, state, options);
    return options;
}

TCellDrawing TClickableStringGrid::PlanCell(int col, int row, const QRect& cell,
                                            TGridDrawState state) {
    TCellDrawing drawing;
    drawing.Options = CellFormat(col, row, state);
    const TFormatOptions& options = drawing.Options;
    const bool header = row == 0;
    const bool selected = !header && row == Row();

    drawing.BaseColor = header     ? options.BackColor
                        : selected ? palette().color(QPalette::Highlight)
                                   : palette().color(QPalette::Base);
    QRect textRect = cell.adjusted(2, 2, 0, 0);
    drawing.HasMark = HasMark(options);
    if (drawing.HasMark) {
        drawing.MarkRect =
            QRect(cell.left() + MarkLeft, cell.top() + (cell.height() - 8) / 2, MarkSize, MarkSize);
        textRect.setLeft(cell.left() + MarkedTextLeft);
    }
    drawing.TextRect = textRect;
    drawing.Text = options.Text.left(MaxCellChars);
    drawing.Flags = Qt::TextSingleLine | HorizontalFlag(options.AlignmentHorz) |
                    VerticalFlag(options.AlignmentVert);
    return drawing;
}

void TClickableStringGrid::DrawCell(QPainter& painter, int col, int row, const QRect& cell,
                                    TGridDrawState state) {
    const TCellDrawing drawing = PlanCell(col, row, cell, state);
    painter.fillRect(cell, drawing.BaseColor);
    if (drawing.HasMark)
        painter.fillRect(drawing.MarkRect, drawing.Options.MarkColor);
    painter.setClipRect(drawing.TextRect);
    painter.setFont(drawing.Options.Font.Face);
    // The text stands on BackColor, as a mark or a selection may leave another colour around.
    // Mostly the cell has that colour already, and laying the text out twice would double the
    // cost of painting a list.
    if (drawing.Options.BackColor != drawing.BaseColor && !drawing.Text.isEmpty()) {
        const QRect textBounds =
            painter.boundingRect(drawing.TextRect, drawing.Flags, drawing.Text) & drawing.TextRect;
        painter.fillRect(textBounds, drawing.Options.BackColor);
    }
    painter.setPen(drawing.Options.Font.Color);
    // Where the whole text would go, from the same layout that draws it.
    QRect drawn;
    painter.drawText(drawing.TextRect, drawing.Flags, drawing.Text, &drawn);
    if (!drawing.Text.isEmpty())
        NoteWidthNeeded(col, drawing.TextRect.left() - cell.left() + drawn.width() + TextRoom);
}

void TClickableStringGrid::HeaderMouseReleased(int col, Qt::MouseButton button,
                                               Qt::MouseButtons stillDown,
                                               Qt::KeyboardModifiers shift, QPoint position,
                                               bool resized) {
    if (!hasFocus() || resized || fixedRows_ < 1 || stillDown != Qt::NoButton ||
        shift != Qt::NoModifier)
        return;
    if (col < 0 || col >= ColCount() || !OnClickHeader)
        return;
    OnClickHeader(*this, col, button, shift, position.x(), position.y());
}

void TClickableStringGrid::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(event->key(), event->modifiers());
    QTableView::keyPressEvent(event);
}

void TClickableStringGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        emit ClientWidthChanged();
}

void TClickableStringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    emit DblClick();
}

} // namespace nudgery

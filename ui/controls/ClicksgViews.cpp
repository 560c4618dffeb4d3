#include "ClicksgViews.h"

#include "Clicksg.h"

#include <QMouseEvent>
#include <QPainter>

namespace nudgery {

TClickableGridHeader::TClickableGridHeader(TClickableStringGrid& grid)
    : QHeaderView(Qt::Horizontal, &grid), grid_(grid) {
    // Clicks are reported through OnClickHeader, not as column selections.
    setSectionsClickable(false);
    setHighlightSections(false);
    setStretchLastSection(false);
    setMinimumSectionSize(1);
    connect(this, &QHeaderView::sectionResized, this, [this] { resizedSincePress_ = true; });
}

QSize TClickableGridHeader::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(TClickableStringGrid::DefaultRowHeight);
    return size;
}

void TClickableGridHeader::paintSection(QPainter* painter, const QRect& rect,
                                        int logicalIndex) const {
    TGridDrawState state;
    state.Fixed = true;
    painter->save();
    grid_.DrawCell(*painter, logicalIndex, 0, rect.adjusted(0, 0, -1, -1), state);
    painter->restore();
    // Lines between the fixed cells, as the body has between its cells.
    painter->setPen(palette().color(QPalette::Mid));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
}

void TClickableGridHeader::mousePressEvent(QMouseEvent* event) {
    resizedSincePress_ = false;
    QHeaderView::mousePressEvent(event);
}

void TClickableGridHeader::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    const int col = logicalIndexAt(position);
    const bool resized = resizedSincePress_;
    resizedSincePress_ = false;
    grid_.HeaderMouseReleased(col, event->button(), event->buttons(), event->modifiers(), position,
                              resized);
    QHeaderView::mouseReleaseEvent(event);
}

TClickableGridDelegate::TClickableGridDelegate(TClickableStringGrid& grid)
    : QStyledItemDelegate(&grid), grid_(grid) {}

void TClickableGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    TGridDrawState state;
    state.Selected = option.state.testFlag(QStyle::State_Selected);
    state.Focused = option.state.testFlag(QStyle::State_HasFocus);
    painter->save();
    grid_.DrawCell(*painter, index.column(), index.row() + 1, option.rect, state);
    painter->restore();
}

} // namespace nudgery

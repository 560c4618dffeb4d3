#pragma once
// The header view and the cell delegate of the clickable string grid: both hand painting
// to the grid, so header and body cells follow the same drawing steps.

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace nudgery {

class TClickableStringGrid;

class TClickableGridHeader final : public QHeaderView {
    Q_OBJECT
public:
    explicit TClickableGridHeader(TClickableStringGrid& grid);
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TClickableStringGrid& grid_;
    bool resizedSincePress_ = false;
};

class TClickableGridDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TClickableGridDelegate(TClickableStringGrid& grid);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    TClickableStringGrid& grid_;
};

} // namespace nudgery

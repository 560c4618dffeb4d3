#include "MainTabSet.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace nudgery {

TTabSet::TTabSet(QWidget* parent) : QTabBar(parent) {
    setDrawBase(false);
    setExpanding(false);
    setShape(QTabBar::RoundedSouth);
}

QColor TTabSet::SelectedColor() const {
    return palette().color(QPalette::Base);
}

QColor TTabSet::UnselectedColor() const {
    return palette().color(QPalette::Button);
}

int TTabSet::TabSetMeasureTab(int index) const {
    QFont bold = font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(tabText(index)) + 6;
}

void TTabSet::TabSetDrawTab(QPainter& painter, int index, const QRect& rect, bool selected) const {
    painter.fillRect(rect, selected ? SelectedColor() : UnselectedColor());
    QFont regular = font();
    regular.setBold(false);
    painter.setFont(regular);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(regular);
    painter.drawText(rect.left() + 2, rect.top() + 4 + metrics.ascent(), tabText(index));
}

QSize TTabSet::tabSizeHint(int index) const {
    return {TabSetMeasureTab(index), TabHeight};
}

void TTabSet::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    for (int i = 0; i < count(); ++i) {
        const QRect r = tabRect(i);
        TabSetDrawTab(painter, i, r, i == currentIndex());
        // Outline of the tab; the selected one joins the page above it.
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        if (i != currentIndex())
            painter.drawLine(r.topLeft(), r.topRight());
    }
    // Tab reaches the tabs too: show the keyboard user where it is.
    if (hasFocus() && currentIndex() >= 0) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = tabRect(currentIndex()).adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace nudgery

#include "AlarmshCaption.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace nudgery {

namespace {

constexpr int IconSize = 16;
constexpr int Gap = 4;

} // namespace

TCaptionBar::TCaptionBar(QWidget& window) : QWidget(&window), window_(window) {
    setObjectName(QStringLiteral("Caption"));
    setFixedHeight(BarHeight);
}

void TCaptionBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Active, QPalette::Highlight));
    const int iconTop = (height() - IconSize) / 2;
    window_.windowIcon().paint(&painter, QRect(Gap, iconTop, IconSize, IconSize));
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::Active, QPalette::HighlightedText));
    const QRect text = rect().adjusted(Gap + IconSize + Gap, 0, -Gap, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     window_.windowTitle());
}

void TCaptionBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    // The window manager moves the window as it moves any other; where it cannot, the bar
    // follows the pointer itself.
    QWindow* handle = window_.windowHandle();
    if (handle && handle->startSystemMove())
        return;
    dragging_ = true;
    grip_ = event->globalPosition().toPoint() - window_.pos();
}

void TCaptionBar::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_)
        window_.move(event->globalPosition().toPoint() - grip_);
}

void TCaptionBar::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    QWidget::mouseReleaseEvent(event);
}

} // namespace nudgery

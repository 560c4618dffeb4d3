#include "PaintedGlyph.h"

#include <QPainter>
#include <QPixmap>

namespace nudgery {

namespace {

constexpr int GridSize = 16;

} // namespace

QIcon PaintedGlyph(const std::function<void(QPainter&)>& paint) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap glyph(size, size);
        glyph.fill(Qt::transparent);
        QPainter painter(&glyph);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(qreal(size) / GridSize, qreal(size) / GridSize);
        paint(painter);
        painter.end();
        icon.addPixmap(glyph);
    }
    return icon;
}

QIcon ClockGlyph(const QPalette& colours) {
    return PaintedGlyph([&colours](QPainter& painter) {
        painter.setPen(QPen(colours.color(QPalette::ButtonText), 1.2));
        painter.setBrush(colours.color(QPalette::Base));
        painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        painter.drawLine(QPointF(8, 8), QPointF(8, 4));
        painter.drawLine(QPointF(8, 8), QPointF(11, 9.5));
    });
}

QIcon MinimizeGlyph(const QPalette& colours) {
    return PaintedGlyph([&colours](QPainter& painter) {
        painter.setPen(QPen(colours.color(QPalette::ButtonText), 1.2));
        painter.setBrush(colours.color(QPalette::Base));
        painter.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 2, 2);
        painter.setPen(QPen(colours.color(QPalette::ButtonText), 2, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
    });
}

} // namespace nudgery

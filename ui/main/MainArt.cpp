#include "MainArt.h"

#include <QPainter>

namespace nudgery {

QPixmap ProgramLogo(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 32.0;
    painter.scale(unit, unit);
    // Two bells, the face, and the hands at ten past ten.
    painter.setPen(QPen(QColor(90, 40, 0), 1.5));
    painter.setBrush(QColor(220, 160, 40));
    painter.drawEllipse(QRectF(2, 2, 9, 9));
    painter.drawEllipse(QRectF(21, 2, 9, 9));
    painter.setBrush(QColor(200, 30, 30));
    painter.drawEllipse(QRectF(3, 5, 26, 26));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(6, 8, 20, 20));
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(16, 18), QPointF(11, 14));
    painter.drawLine(QPointF(16, 18), QPointF(22, 12));
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(ProgramLogo(size));
    return icon;
}

} // namespace nudgery

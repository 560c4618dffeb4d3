#include "PaintedGlyph.h"

#include "art/DrawnIconEngine.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <utility>

namespace nudgery {

namespace {

constexpr int GridSize = 16;

class PaintedGlyphEngine final : public DrawnIconEngine {
public:
    explicit PaintedGlyphEngine(std::function<void(QPainter&)> paint) : paint_(std::move(paint)) {}

    // Asked for the device pixels of the size wanted, so a scaled screen gets a glyph drawn
    // at its own resolution.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        QPixmap glyph(size);
        glyph.fill(Qt::transparent);
        QPainter painter(&glyph);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(qreal(size.width()) / GridSize, qreal(size.height()) / GridSize);
        paint_(painter);
        painter.end();
        if (mode == QIcon::Normal)
            return glyph;
        // Greyed or highlighted as the style shows any other icon in that state.
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, glyph, &option);
    }

    QIconEngine* clone() const override { return new PaintedGlyphEngine(paint_); }
    QString key() const override { return QStringLiteral("nudgery-painted-glyph"); }

private:
    std::function<void(QPainter&)> paint_;
};

// The pen and fill every glyph draws with: the button's text colour around its base colour.
void Outline(QPainter& painter, const QPalette& colours) {
    painter.setPen(
        QPen(colours.color(QPalette::ButtonText), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colours.color(QPalette::Base));
}

QPolygonF Page(qreal left, qreal top, qreal width, qreal height, qreal fold) {
    return QPolygonF({QPointF(left, top), QPointF(left + width - fold, top),
                      QPointF(left + width, top + fold), QPointF(left + width, top + height),
                      QPointF(left, top + height)});
}

} // namespace

QIcon PaintedGlyph(std::function<void(QPainter&)> paint) {
    return QIcon(new PaintedGlyphEngine(std::move(paint)));
}

QIcon ClockGlyph(const QPalette& colours) {
    return PaintedGlyph([colours](QPainter& painter) {
        Outline(painter, colours);
        painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        painter.drawLine(QPointF(8, 8), QPointF(8, 4));
        painter.drawLine(QPointF(8, 8), QPointF(11, 9.5));
    });
}

QIcon MinimizeGlyph(const QPalette& colours) {
    return PaintedGlyph([colours](QPainter& painter) {
        Outline(painter, colours);
        painter.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 2, 2);
        painter.setPen(QPen(colours.color(QPalette::ButtonText), 2, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
    });
}

QIcon NewPageGlyph(const QPalette& colours) {
    return PaintedGlyph([colours](QPainter& painter) {
        Outline(painter, colours);
        painter.drawPolygon(Page(3.5, 1.5, 9, 13, 3.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(QPolygonF({QPointF(9, 1.5), QPointF(9, 5), QPointF(12.5, 5)}));
    });
}

QIcon PencilGlyph(const QPalette& colours) {
    return PaintedGlyph([colours](QPainter& painter) {
        Outline(painter, colours);
        painter.drawPolygon(QPolygonF({QPointF(2, 14), QPointF(3, 10.5), QPointF(11, 2.5),
                                       QPointF(13.5, 5), QPointF(5.5, 13)}));
        painter.drawLine(QPointF(9.5, 4), QPointF(12, 6.5));
        painter.drawLine(QPointF(3, 10.5), QPointF(5.5, 13));
    });
}

QIcon BinGlyph(const QPalette& colours) {
    return PaintedGlyph([colours](QPainter& painter) {
        Outline(painter, colours);
        painter.drawRect(QRectF(6, 1.5, 4, 2));
        painter.drawPolygon(QPolygonF(
            {QPointF(3.5, 4.5), QPointF(12.5, 4.5), QPointF(11.5, 14.5), QPointF(4.5, 14.5)}));
        painter.drawLine(QPointF(2, 3.5), QPointF(14, 3.5));
        painter.drawLine(QPointF(6.5, 7), QPointF(6.8, 12));
        painter.drawLine(QPointF(9.5, 7), QPointF(9.2, 12));
    });
}

QIcon CopyGlyph(const QPalette& colours) {
    return PaintedGlyph([colours](QPainter& painter) {
        Outline(painter, colours);
        painter.drawPolygon(Page(5.5, 1.5, 8, 10, 2.5));
        painter.drawPolygon(Page(2.5, 4.5, 8, 10, 2.5));
    });
}

QIcon TurnGlyph(const QPalette& colours) {
    return PaintedGlyph([colours](QPainter& painter) {
        Outline(painter, colours);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colours.color(QPalette::ButtonText), 1.6, Qt::SolidLine, Qt::FlatCap));
        // Three quarters of a circle, open at the top right, with its head there.
        painter.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 270 * 16);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.color(QPalette::ButtonText));
        painter.drawPolygon(QPolygonF({QPointF(14.5, 1.5), QPointF(14.5, 7.5), QPointF(8.5, 7.5)}));
    });
}

QIcon CrossGlyph(const QPalette& colours) {
    return PaintedGlyph([colours](QPainter& painter) {
        painter.setPen(QPen(colours.color(QPalette::ButtonText), 2.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(4, 4), QPointF(12, 12));
        painter.drawLine(QPointF(12, 4), QPointF(4, 12));
    });
}

QIcon ChevronGlyph(const QPalette& colours) {
    return PaintedGlyph([colours](QPainter& painter) {
        painter.setPen(QPen(colours.color(QPalette::ButtonText), 1.4, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        for (const qreal left : {3.5, 8.0})
            painter.drawPolyline(
                QPolygonF({QPointF(left, 4.5), QPointF(left + 3.5, 8), QPointF(left, 11.5)}));
    });
}

} // namespace nudgery

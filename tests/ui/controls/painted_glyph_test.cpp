// The glyphs the program draws: at every ratio a screen may scale by, a pixmap of as many
// device pixels, drawn afresh rather than blown up from the smallest.
#include "support/painted_pixels.h"
#include "ui/controls/PaintedGlyph.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

using testing::PaintedPixels;

TEST(PaintedGlyph, EachRatioGetsAPixmapOfItsOwnSize) {
    const QPalette colours = QApplication::palette();
    for (const QIcon& glyph : {ClockGlyph(colours), MinimizeGlyph(colours)})
        for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
            SCOPED_TRACE(ratio);
            const QPixmap pixmap = glyph.pixmap(QSize(16, 16), ratio);
            EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), ratio);
            EXPECT_EQ(pixmap.size(), QSize(16, 16) * ratio);
        }
}

TEST(PaintedGlyph, TheLargerPixmapIsDrawnNotScaled) {
    // A one-unit line: at twice the pixels, a sharp line two pixels wide, where the small
    // one blown up would blur its edges into grey.
    const QIcon line =
        PaintedGlyph([](QPainter& painter) { painter.fillRect(QRectF(4, 4, 8, 1), Qt::black); });
    const QImage small = line.pixmap(QSize(16, 16), 1.0).toImage();
    const QImage large = line.pixmap(QSize(16, 16), 2.0).toImage();
    EXPECT_EQ(PaintedPixels(small), 8);
    EXPECT_EQ(PaintedPixels(large), 16 * 2);
    EXPECT_EQ(qAlpha(large.pixel(10, 8)), 255);
    EXPECT_EQ(qAlpha(large.pixel(10, 9)), 255);
    EXPECT_EQ(qAlpha(large.pixel(10, 10)), 0);
}

} // namespace
} // namespace nudgery

// The glyphs the program draws: at every ratio a screen may scale by, a pixmap of as many
// device pixels, drawn afresh rather than blown up from the smallest; greyed when disabled;
// and the style that hands out one of them in place of a themed icon.
#include "support/painted_pixels.h"
#include "ui/controls/GlyphStyle.h"
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
    int index = 0;
    for (const QIcon& glyph : {ClockGlyph(colours), MinimizeGlyph(colours), NewPageGlyph(colours),
                               PencilGlyph(colours), BinGlyph(colours), CopyGlyph(colours),
                               TurnGlyph(colours), CrossGlyph(colours), ChevronGlyph(colours)}) {
        SCOPED_TRACE(index++);
        EXPECT_GT(PaintedPixels(glyph.pixmap(QSize(16, 16), 1.0).toImage()), 10);
        for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
            SCOPED_TRACE(ratio);
            const QPixmap pixmap = glyph.pixmap(QSize(16, 16), ratio);
            EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), ratio);
            EXPECT_EQ(pixmap.size(), QSize(16, 16) * ratio);
        }
    }
}

TEST(PaintedGlyph, PaintedOntoAScaledPictureItIsDrawnAtThatResolution) {
    // Half a unit high: on a picture scaled by two, one full row of device pixels, where
    // the glyph drawn at 16 pixels and blown up would give two half-covered rows.
    const QIcon line =
        PaintedGlyph([](QPainter& painter) { painter.fillRect(QRectF(4, 4, 8, 0.5), Qt::black); });
    QImage picture(32, 32, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(2);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    line.paint(&painter, QRect(0, 0, 16, 16));
    painter.end();
    EXPECT_EQ(qAlpha(picture.pixel(10, 8)), 255);
    EXPECT_EQ(qAlpha(picture.pixel(10, 9)), 0);
}

TEST(PaintedGlyph, ADisabledButtonShowsItGreyed) {
    const QIcon glyph = PencilGlyph(QApplication::palette());
    const QImage normal = glyph.pixmap(QSize(16, 16), 1.0).toImage();
    const QImage disabled = glyph.pixmap(QSize(16, 16), 1.0, QIcon::Disabled).toImage();
    EXPECT_EQ(disabled.size(), normal.size());
    EXPECT_GT(PaintedPixels(disabled), 10);
    EXPECT_NE(disabled.convertToFormat(normal.format()), normal);
}

TEST(GlyphStyle, DrawsTheMenuBarOverflowGlyphAndLeavesTheRestToTheDesktopStyle) {
    GlyphStyle style;
    const QImage overflow =
        style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage();
    EXPECT_EQ(overflow, ChevronGlyph(QApplication::palette()).pixmap(16).toImage());
    for (const QStyle::StandardPixmap other :
         {QStyle::SP_DialogCloseButton, QStyle::SP_MessageBoxWarning})
        EXPECT_EQ(style.standardIcon(other).pixmap(16).toImage(),
                  QApplication::style()->standardIcon(other).pixmap(16).toImage());
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

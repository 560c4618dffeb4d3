// The graphic panel: frames, the caption's band and length, the parent's colour, clicks.
#include "ui/controls/Graphp.h"

#include <QFontMetrics>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

QImage Shot(TGraphicPanel& panel) {
    return panel.grab().toImage();
}

TEST(GraphicPanel, FramesShrinkTheContent) {
    struct Case {
        TBorderStyle border;
        TPanelBevel outer, inner;
        int bevelWidth, borderWidth, inset;
    };
    for (const Case& c :
         {Case{TBorderStyle::bsNone, TPanelBevel::bvNone, TPanelBevel::bvNone, 1, 0, 0},
          Case{TBorderStyle::bsNone, TPanelBevel::bvRaised, TPanelBevel::bvNone, 1, 0, 1},
          Case{TBorderStyle::bsSingle, TPanelBevel::bvRaised, TPanelBevel::bvLowered, 2, 3, 8}}) {
        TGraphicPanel panel;
        panel.resize(60, 40);
        panel.SetBorderStyle(c.border);
        panel.SetBevelOuter(c.outer);
        panel.SetBevelInner(c.inner);
        panel.SetBevelWidth(c.bevelWidth);
        panel.SetBorderWidth(c.borderWidth);
        EXPECT_EQ(panel.ContentRect(),
                  QRect(0, 0, 60, 40).adjusted(c.inset, c.inset, -c.inset, -c.inset));
    }
}

TEST(GraphicPanel, RaisedAndLoweredBevelColours) {
    TGraphicPanel panel;
    panel.resize(30, 20);
    const QRgb light = panel.palette().color(QPalette::Light).rgb();
    const QRgb dark = panel.palette().color(QPalette::Dark).rgb();
    QImage shot = Shot(panel);
    EXPECT_EQ(shot.pixel(0, 10), light);
    EXPECT_EQ(shot.pixel(29, 10), dark);
    EXPECT_EQ(shot.pixel(15, 19), dark);
    panel.SetBevelOuter(TPanelBevel::bvLowered);
    panel.SetBorderStyle(TBorderStyle::bsSingle);
    shot = Shot(panel);
    EXPECT_EQ(shot.pixel(0, 10), QColor(Qt::black).rgb());
    EXPECT_EQ(shot.pixel(1, 10), dark);
    EXPECT_EQ(shot.pixel(28, 10), light);
}

TEST(GraphicPanel, SmallTileCentresItsCaptionBothWays) {
    TGraphicPanel tile;
    tile.resize(24, 19);
    tile.SetCaption("12");
    const int h = QFontMetrics(tile.Font().Face).height();
    const QRect band = tile.CaptionBand();
    EXPECT_EQ(band.height(), h);
    EXPECT_EQ(band.top(), (1 + 18 - h) / 2);
    // The ink of the caption is centred horizontally within a pixel.
    QImage shot = Shot(tile);
    int minX = 100, maxX = -1;
    for (int y = 1; y < 18; ++y)
        for (int x = 1; x < 23; ++x)
            if (qGray(shot.pixel(x, y)) < 100) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    ASSERT_GE(maxX, 0) << "caption drawn";
    EXPECT_LE(std::abs((minX - 1) - (22 - maxX)), 2);
}

TEST(GraphicPanel, NoBevelWithParentColourShowsOnlyTheTextOnTheParentBackground) {
    QWidget parent;
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(10, 200, 30));
    parent.setPalette(palette);
    auto* clock = new TGraphicPanel(&parent);
    clock->resize(72, 25);
    clock->SetBevelOuter(TPanelBevel::bvNone);
    clock->SetParentColor(true);
    const QImage shot = Shot(*clock);
    for (QPoint p : {QPoint(0, 0), QPoint(71, 24), QPoint(0, 24)})
        EXPECT_EQ(QColor(shot.pixel(p)), QColor(10, 200, 30));
}

TEST(GraphicPanel, LongCaptionShowsItsFirst255Characters) {
    TGraphicPanel panel;
    panel.SetCaption(QString(254, 'a') + "bc");
    EXPECT_EQ(panel.ShownCaption(), QString(254, 'a') + "b");
}

TEST(GraphicPanel, ClickNeedsTheReleaseInside) {
    TGraphicPanel panel;
    panel.show();
    QSignalSpy clicks(&panel, &TGraphicPanel::Click);
    QSignalSpy doubles(&panel, &TGraphicPanel::DblClick);
    QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mousePress(&panel, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(&panel, Qt::LeftButton, Qt::NoModifier, QPoint(500, 5));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseDClick(&panel, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(doubles.count(), 1);
}

} // namespace
} // namespace nudgery

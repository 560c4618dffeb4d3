// The program's pictures: they load from the resources through the SVG plugins, are drawn
// at every size asked for, and the tray's frames differ one from the next. To look at one,
// build/dist/render_icons art/icons/ICON1.svg /tmp/icon1- 16 32 64 draws it as PNG files.
#include "art/ProgramArt.h"
#include "support/painted_pixels.h"

#include <QImageReader>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

constexpr int kSizes[] = {16, 32, 64};

QImage Picture(const QIcon& icon, int size) {
    return icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
}

using testing::PaintedPixels;

TEST(ProgramArt, TheSvgImagePluginIsThere) {
    EXPECT_TRUE(QImageReader::supportedImageFormats().contains("svg"));
}

TEST(ProgramArt, TheProgramIconIsDrawnAtEverySize) {
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    for (int size : kSizes) {
        SCOPED_TRACE(size);
        const QImage image = Picture(icon, size);
        EXPECT_EQ(image.size(), QSize(size, size));
        // A round clock with bells covers well over half the square, and not all of it.
        const int painted = PaintedPixels(image);
        EXPECT_GT(painted, size * size / 2);
        EXPECT_LT(painted, size * size);
    }
    const QPixmap logo = ProgramLogo(96);
    EXPECT_EQ(logo.size(), QSize(96, 96));
    EXPECT_EQ(logo.toImage().convertToFormat(QImage::Format_ARGB32), Picture(icon, 96));
}

TEST(ProgramArt, ElevenFramesWhoseHandMovesEachStep) {
    const QStringList names = TrayAnimationFrameNames();
    ASSERT_EQ(names.size(), 11);
    EXPECT_EQ(names.first(), "ICON1");
    EXPECT_EQ(names.last(), "ICON11");
    QImage previous = Picture(ResourceIcon(names.last()), 16);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QImage frame = Picture(ResourceIcon(name), 16);
        EXPECT_GT(PaintedPixels(frame), 16 * 16 / 2);
        EXPECT_NE(frame, previous);
        EXPECT_NE(frame, Picture(ProgramIcon(), 16));
        previous = frame;
    }
}

TEST(ProgramArt, ResourceIconsAreNamedWithoutRegardToCase) {
    EXPECT_EQ(Picture(ResourceIcon("icon7"), 32), Picture(ResourceIcon("ICON7"), 32));
    EXPECT_TRUE(ResourceIcon("ICON12").isNull());
    EXPECT_TRUE(ResourceIcon("").isNull());
}

TEST(ProgramArt, EveryPictureIsDrawnAtEachSizeFromItsOutline) {
    QList<QPair<QString, QIcon>> pictures{{QStringLiteral("program"), ProgramIcon()}};
    for (const QString& name : TrayAnimationFrameNames())
        pictures.append({name, ResourceIcon(name)});
    for (const auto& [name, icon] : pictures) {
        SCOPED_TRACE(name.toStdString());
        for (int size : kSizes) {
            const QImage image = Picture(icon, size);
            EXPECT_EQ(image.size(), QSize(size, size));
            const int painted = PaintedPixels(image);
            EXPECT_GT(painted, size * size / 2) << size;
            EXPECT_LT(painted, size * size) << size;
        }
        // Drawn anew at the larger size, not the smallest picture magnified.
        EXPECT_NE(Picture(icon, 64), Picture(icon, 16).scaled(64, 64));
    }
}

} // namespace
} // namespace nudgery

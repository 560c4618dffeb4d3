#pragma once
// How a window's pictures come out on a high-resolution screen. The suites named
// HighResolution* run in a pass of their own with QT_SCALE_FACTOR=2 (tests/CMakeLists.txt):
// there every button glyph and label picture must be drawn from a pixmap made at the
// window's device pixel ratio, not from a smaller one that the screen would blow up.

#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>

namespace nudgery::testing {

struct PicturesAtRatio {
    int pictures = 0;
    // Those that would be drawn blurred: each named by its control's object name (or its
    // class) and the ratio its pixmap was made at.
    QStringList blurred;
};

// The button glyphs and label pictures of `window` and its controls.
inline PicturesAtRatio PicturesOf(const QWidget& window) {
    const qreal ratio = window.devicePixelRatioF();
    PicturesAtRatio found;
    const auto check = [&](const QWidget& control, const QPixmap& picture) {
        ++found.pictures;
        if (std::abs(picture.devicePixelRatio() - ratio) > 0.01) {
            const QString name = control.objectName().isEmpty()
                                     ? QString::fromLatin1(control.metaObject()->className())
                                     : control.objectName();
            found.blurred
                << QStringLiteral("%1 (made at %2)").arg(name).arg(picture.devicePixelRatio());
        }
    };
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (!button->icon().isNull())
            check(*button, button->icon().pixmap(button->iconSize(), ratio));
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (!label->pixmap().isNull())
            check(*label, label->pixmap());
    return found;
}

// The checks of a HighResolution suite: `window` is drawn at twice the pixels and has at
// least `pictures` pictures, each made at that ratio (scripts/screenshots.sh --scale 2 shows
// how it looks).
inline void ExpectSharpAtScaleTwo(QWidget& window, int pictures) {
    ASSERT_DOUBLE_EQ(window.devicePixelRatioF(), 2.0) << "run this suite with QT_SCALE_FACTOR=2";
    const PicturesAtRatio found = PicturesOf(window);
    EXPECT_GE(found.pictures, pictures);
    EXPECT_TRUE(found.blurred.isEmpty()) << found.blurred.join(", ").toStdString();
}

} // namespace nudgery::testing

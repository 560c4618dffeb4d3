#pragma once
// How much of a picture is drawn: its pixels that are not fully transparent.

#include <QImage>

namespace nudgery::testing {

inline int PaintedPixels(const QImage& image) {
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0;
    return painted;
}

} // namespace nudgery::testing

#pragma once
// Button glyphs that the program draws itself. Each is painted on a 16 by 16 grid once for
// every resolution a screen may ask for (scaled by 1, 1.5, 2 and 3), so that it stays sharp
// on a scaled screen instead of being blown up from 16 pixels.

#include <QIcon>
#include <QPalette>
#include <functional>

class QPainter;

namespace nudgery {

// `paint` draws the glyph in a 16 by 16 square, with antialiasing on.
QIcon PaintedGlyph(const std::function<void(QPainter&)>& paint);

// A small clock face: the glyph of the buttons that open the quick time set.
QIcon ClockGlyph(const QPalette& colours);
// A window lowered to its bottom edge: the glyph of the Minimize button.
QIcon MinimizeGlyph(const QPalette& colours);

} // namespace nudgery

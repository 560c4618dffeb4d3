#pragma once
// Button glyphs that the program draws itself, on a 16 by 16 grid scaled to whatever size
// and screen resolution a button asks for, so that they stay sharp on a scaled screen.
// Each is drawn when first shown, not when made: no icon theme is looked up and no image
// file or image plugin is read, which keeps them out of the program's start.

#include <QIcon>
#include <QPalette>
#include <functional>

class QPainter;

namespace nudgery {

// `paint` draws the glyph in a 16 by 16 square, with antialiasing on. It is kept by the
// icon and called at each drawing, so it must own what it draws from.
QIcon PaintedGlyph(std::function<void(QPainter&)> paint);

// A small clock face: the glyph of the buttons that open the quick time set.
QIcon ClockGlyph(const QPalette& colours);
// A window lowered to its bottom edge: the glyph of the Minimize button.
QIcon MinimizeGlyph(const QPalette& colours);
// A blank page with a folded corner: a new reminder.
QIcon NewPageGlyph(const QPalette& colours);
// A pencil: changing the reminder.
QIcon PencilGlyph(const QPalette& colours);
// A waste bin: deleting the reminder.
QIcon BinGlyph(const QPalette& colours);
// Two pages, one over the other: a copy of the reminder.
QIcon CopyGlyph(const QPalette& colours);
// A circular arrow: moving the reminder's time.
QIcon TurnGlyph(const QPalette& colours);
// A cross: closing.
QIcon CrossGlyph(const QPalette& colours);
// Two arrow heads pointing right: more than there is room for.
QIcon ChevronGlyph(const QPalette& colours);

} // namespace nudgery

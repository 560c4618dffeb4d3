#pragma once
// Styles shared by the program's own controls.

#include <QColor>
#include <QFont>

namespace nudgery {

// Horizontal placement of a text.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// A font with its colour: the controls carry both together.
struct TControlFont {
    QFont Face;
    QColor Color = Qt::black;
};

} // namespace nudgery

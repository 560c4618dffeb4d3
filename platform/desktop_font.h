#pragma once
// The desktop's font in the sizes of the program's own design: the windows' fixed layouts
// give each text its size, and the desktop gives the face, the one the toolkit's own menus,
// dialogs and the help use, so the program's texts look like the rest of the desktop.

#include <QFont>

namespace nudgery {

QFont DesktopFont(int pointSize);
QFont DesktopFontInPixels(int pixelSize);

} // namespace nudgery

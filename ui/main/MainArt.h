#pragma once
// The program's pictures, drawn in code: the window icon and the About box's logo.

#include <QIcon>
#include <QPixmap>

namespace nudgery {

// An alarm clock face.
QPixmap ProgramLogo(int size);
QIcon ProgramIcon();

} // namespace nudgery

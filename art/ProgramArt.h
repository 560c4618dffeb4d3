#pragma once
// The program's pictures, drawn as scalable images among the program's resources: the
// program's icon (an alarm clock at ten past ten) and the eleven frames of the tray's
// ticking clock, ICON1 to ICON11, whose long hand goes round one step per frame.

#include <QIcon>
#include <QPixmap>
#include <QStringList>

namespace nudgery {

// The icon of every window of the program and of its tray icon, crisp at any size.
QIcon ProgramIcon();
// The program's icon drawn at `size` by `size` pixels, for the About box; on a screen of
// `devicePixelRatio`, as many device pixels more, so that it is sharp there.
QPixmap ProgramLogo(int size, qreal devicePixelRatio = 1.0);

// The icon among the program's resources whose name is `name` in upper case ("ICON1" to
// "ICON11"); an empty icon when there is none of that name.
QIcon ResourceIcon(const QString& name);
// The names of the tray animation's frames in the order they are shown.
QStringList TrayAnimationFrameNames();

} // namespace nudgery

#pragma once
// The placement kept for a window on a desktop that does not let programs place windows
// (Wayland): the program never learns where its window is, and in a tiling layout the
// desktop gives the window a size of its own choosing. So the position kept is the one
// stored before (by a desktop that does place windows), or the centre of the screen when
// none is, never a position the program could not know; and the size is the window's own,
// unless the desktop imposed another when it showed it.

#include <QRect>
#include <QSize>
#include <optional>

namespace nudgery {

struct UnplacedWindow {
    // The normal rectangle stored in the settings file; none when no placement is stored.
    std::optional<QRect> stored;
    // The size the window asked for when it was shown: the stored one, or its own.
    QSize asked;
    // The desktop showed the window at another size than asked, not maximised: a size of
    // the desktop's layout, not one the user chose.
    bool sizeImposed = false;
};

// The normal rectangle to store for `window`, whose normal size is `current` now, on
// `screen`.
QRect PlacementToKeep(const UnplacedWindow& window, QSize current, const QRect& screen);

} // namespace nudgery

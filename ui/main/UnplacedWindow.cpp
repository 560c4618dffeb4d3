#include "UnplacedWindow.h"

namespace nudgery {

QRect PlacementToKeep(const UnplacedWindow& window, QSize current, const QRect& screen) {
    QSize size = current;
    if (window.sizeImposed)
        size = window.stored ? window.stored->size() : window.asked;
    if (window.stored)
        return {window.stored->topLeft(), size};
    // Where the program itself puts a window of that size when nothing is stored.
    return {screen.left() + (screen.width() - size.width()) / 2,
            screen.top() + (screen.height() - size.height()) / 2, size.width(), size.height()};
}

} // namespace nudgery

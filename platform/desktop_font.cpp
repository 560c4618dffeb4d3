#include "platform/desktop_font.h"

#include <QGuiApplication>

namespace nudgery {

QFont DesktopFont(int pointSize) {
    QFont font = QGuiApplication::font();
    font.setPointSize(pointSize);
    return font;
}

QFont DesktopFontInPixels(int pixelSize) {
    QFont font = QGuiApplication::font();
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace nudgery

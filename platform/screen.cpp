#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace nudgery {

namespace {

// Without a screen (no display yet) windows are placed as on a common 96-dpi desktop.
constexpr QRect FallbackGeometry{0, 0, 1024, 768};
constexpr int NormalPixelsPerInch = 96;

} // namespace

QRect DesktopScreen::Geometry() const {
    const auto* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : FallbackGeometry;
}

QRect DesktopScreen::AvailableGeometry() const {
    const auto* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : FallbackGeometry;
}

int DesktopScreen::PixelsPerInch() const {
    const auto* screen = QGuiApplication::primaryScreen();
    // Qt keeps 96 logical pixels to the inch and scales them by the device pixel ratio (the
    // desktop's scale, or QT_SCALE_FACTOR), so the screen's resolution is their product.
    return screen ? static_cast<int>(
                        std::lround(screen->logicalDotsPerInch() * screen->devicePixelRatio()))
                  : NormalPixelsPerInch;
}

bool DesktopScreen::ProgramsPlaceWindows() const {
    // Qt's Wayland platforms are all named "wayland" and a variant after it.
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace nudgery

#pragma once
// The screen that windows are placed on: its size and its logical resolution.

#include <QRect>

namespace nudgery {

class Screen {
public:
    virtual ~Screen() = default;
    // The whole screen, in logical pixels.
    virtual QRect Geometry() const = 0;
    // The part not taken by panels and docks.
    virtual QRect AvailableGeometry() const = 0;
    // The screen's pixels per inch as the desktop scales it: 96 at normal size, 120 at
    // 125 %, 192 at 200 %.
    virtual int PixelsPerInch() const = 0;

    int Width() const { return Geometry().width(); }
    int Height() const { return Geometry().height(); }
};

// The primary screen of the desktop.
class DesktopScreen final : public Screen {
public:
    QRect Geometry() const override;
    QRect AvailableGeometry() const override;
    int PixelsPerInch() const override;
};

// A screen of given size and resolution, for tests of placement.
class FixedScreen final : public Screen {
public:
    FixedScreen(QRect geometry, int pixelsPerInch, QRect available = {})
        : geometry_(geometry), available_(available.isNull() ? geometry : available),
          pixelsPerInch_(pixelsPerInch) {}
    QRect Geometry() const override { return geometry_; }
    QRect AvailableGeometry() const override { return available_; }
    int PixelsPerInch() const override { return pixelsPerInch_; }

private:
    QRect geometry_;
    QRect available_;
    int pixelsPerInch_;
};

} // namespace nudgery

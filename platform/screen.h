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
    // Whether a program may place its windows: on Wayland only the desktop places them, and
    // a program learns neither where its windows are nor can it move them.
    virtual bool ProgramsPlaceWindows() const = 0;

    int Width() const { return Geometry().width(); }
    int Height() const { return Geometry().height(); }
};

// The primary screen of the desktop.
class DesktopScreen final : public Screen {
public:
    QRect Geometry() const override;
    QRect AvailableGeometry() const override;
    int PixelsPerInch() const override;
    bool ProgramsPlaceWindows() const override;
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
    bool ProgramsPlaceWindows() const override { return programsPlaceWindows_; }
    // As a Wayland desktop does, where `place` is false.
    void SetProgramsPlaceWindows(bool place) { programsPlaceWindows_ = place; }

private:
    QRect geometry_;
    QRect available_;
    int pixelsPerInch_;
    bool programsPlaceWindows_ = true;
};

} // namespace nudgery

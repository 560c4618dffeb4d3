#pragma once
// What the desktop tells the program about how it was started.

namespace nudgery {

class StartupInfo {
public:
    virtual ~StartupInfo() = default;
    // The program was asked to start minimised.
    virtual bool StartMinimized() const = 0;
    // The desktop has a notification area, so a minimised program can live in the tray.
    virtual bool HasNotificationArea() const = 0;
};

// The real desktop: nothing here asks for a minimised start, so the window is shown. The
// notification area is looked for once, when this is made, before any window exists.
class DesktopStartupInfo final : public StartupInfo {
public:
    DesktopStartupInfo();
    bool StartMinimized() const override { return false; }
    bool HasNotificationArea() const override { return hasNotificationArea_; }

private:
    bool hasNotificationArea_;
};

} // namespace nudgery

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

// The real desktop. A minimised start is asked for on the command line, as an autostart
// entry of the desktop session does. The notification area is looked for once, when this is
// made, before any window exists.
class DesktopStartupInfo final : public StartupInfo {
public:
    explicit DesktopStartupInfo(bool startMinimized);
    bool StartMinimized() const override { return startMinimized_; }
    bool HasNotificationArea() const override { return hasNotificationArea_; }

private:
    bool startMinimized_;
    bool hasNotificationArea_;
};

} // namespace nudgery

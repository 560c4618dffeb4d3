#pragma once
// What the desktop tells the program about how it was started.

#include <optional>

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
// entry of the desktop session does. The notification area, an XEmbed tray or a
// StatusNotifierItem host on the session bus, is looked for once, when first asked about:
// a program that does not use the tray never asks the bus before its window shows.
class DesktopStartupInfo final : public StartupInfo {
public:
    explicit DesktopStartupInfo(bool startMinimized) : startMinimized_(startMinimized) {}
    bool StartMinimized() const override { return startMinimized_; }
    bool HasNotificationArea() const override;

private:
    bool startMinimized_;
    mutable std::optional<bool> hasNotificationArea_;
};

} // namespace nudgery

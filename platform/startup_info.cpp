#include "platform/startup_info.h"

#include <QSystemTrayIcon>

namespace nudgery {

bool DesktopStartupInfo::HasNotificationArea() const {
    if (!hasNotificationArea_)
        hasNotificationArea_ = QSystemTrayIcon::isSystemTrayAvailable();
    return *hasNotificationArea_;
}

} // namespace nudgery

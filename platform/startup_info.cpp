#include "platform/startup_info.h"

#include <QSystemTrayIcon>

namespace nudgery {

DesktopStartupInfo::DesktopStartupInfo()
    : hasNotificationArea_(QSystemTrayIcon::isSystemTrayAvailable()) {}

} // namespace nudgery

#include "platform/startup_info.h"

#include <QSystemTrayIcon>

namespace nudgery {

DesktopStartupInfo::DesktopStartupInfo(bool startMinimized)
    : startMinimized_(startMinimized),
      hasNotificationArea_(QSystemTrayIcon::isSystemTrayAvailable()) {}

} // namespace nudgery

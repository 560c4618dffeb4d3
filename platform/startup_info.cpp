#include "platform/startup_info.h"

#include <QSystemTrayIcon>

namespace nudgery {

DesktopStartupInfo::DesktopStartupInfo(const QStringList& arguments)
    : startMinimized_(arguments.mid(1).contains(QLatin1String(MinimizedOption))),
      hasNotificationArea_(QSystemTrayIcon::isSystemTrayAvailable()) {}

} // namespace nudgery

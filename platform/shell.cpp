#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace nudgery {

bool DesktopShell::OpenWebAddress(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

} // namespace nudgery

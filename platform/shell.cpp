#include "platform/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace nudgery {

void DesktopShell::OpenWebAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace nudgery

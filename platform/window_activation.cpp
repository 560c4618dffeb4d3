#include "platform/window_activation.h"

#include <QGuiApplication>

namespace nudgery {

void UseActivationToken(const QString& token) {
    if (!token.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        qputenv(ActivationTokenVariable, token.toUtf8());
}

} // namespace nudgery

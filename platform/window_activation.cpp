#include "platform/window_activation.h"

#include <QGuiApplication>

namespace nudgery {

namespace {

// Where the desktop's launcher puts the token, and where Qt's Wayland platform takes it from
// (and removes it) at the next activation request.
constexpr char kTokenVariable[] = "XDG_ACTIVATION_TOKEN";

} // namespace

QString StartupActivationToken() {
    return qEnvironmentVariable(kTokenVariable);
}

void UseActivationToken(const QString& token) {
    if (!token.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        qputenv(kTokenVariable, token.toUtf8());
}

} // namespace nudgery

#include "AlarmshAccessible.h"

#include "Alarmsh.h"

#include <QAccessibleWidget>

namespace nudgery {

namespace {

QAccessibleInterface* NotificationFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(TAlarmShow::staticMetaObject.className()))
        return nullptr;
    // An alert, as a message box is: a screen reader reads it out when it comes up.
    return new QAccessibleWidget(static_cast<TAlarmShow*>(object), QAccessible::AlertMessage);
}

} // namespace

void InstallNotificationAccessibility() {
    static const bool installed = (QAccessible::installFactory(&NotificationFactory), true);
    (void)installed;
}

} // namespace nudgery

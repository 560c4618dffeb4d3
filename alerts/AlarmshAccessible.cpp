#include "AlarmshAccessible.h"

#include "Alarmsh.h"
#include "platform/accessible_factory.h"

#include <QAccessibleWidget>

namespace nudgery {

namespace {

// An alert, as a message box is: a screen reader reads it out when it comes up.
class NotificationAccessible final : public QAccessibleWidget {
public:
    explicit NotificationAccessible(TAlarmShow& window)
        : QAccessibleWidget(&window, QAccessible::AlertMessage) {}
};

} // namespace

void InstallNotificationAccessibility() {
    InstallAccessibleFactory<TAlarmShow, NotificationAccessible>();
}

} // namespace nudgery

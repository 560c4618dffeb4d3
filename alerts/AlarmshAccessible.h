#pragma once
// The notification window as screen readers see it: an alert, described by the reminder's
// message, so that it is read out when it opens. Qt learns the role through an
// accessible-interface factory.

namespace nudgery {

// Makes screen readers take every notification window from now on for an alert;
// TAlarmShow calls it, once is enough.
void InstallNotificationAccessibility();

} // namespace nudgery

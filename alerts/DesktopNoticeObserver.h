#pragma once
// The desktop's own notification of each reminder that shows the notification window: sent
// as the reminder falls due, so that the reminder is seen also where the window cannot stay
// on top (a full-screen program, a desktop that ignores the request), and taken away once
// the window is answered. Its actions answer the window as the window's own buttons do: "Ok"
// and "Snooze 5 minutes"; a click on the notification itself brings the window forward.
// A notification closed without an action answers nothing.

#include "CycleObserver.h"
#include "platform/desktop_notifications.h"

#include <QObject>
#include <optional>

namespace nudgery {

class DateFormats;
class Notifier;
struct Settings;

class DesktopNoticeObserver final : public QObject, public CycleObserver {
    Q_OBJECT
public:
    // All outlive the observer. `notifier` shows the notification window that the desktop
    // notification stands beside; `settings` says whether one is sent at all, read as each
    // reminder falls due; the due time is written in the user's format from `formats`.
    DesktopNoticeObserver(DesktopNotifications& notices, Notifier& notifier,
                          const Settings& settings, DateFormats& formats);

    void FellDue(const TReminder& reminder, ListKind list, TDateTime now) override;
    void Answered(const TReminder& reminder, ListKind list,
                  const NotificationAnswer& answer) override;

private:
    void OnAnswered(DesktopNotifications::Notice notice, NoticeAnswer answer,
                    const QString& activationToken);
    void OnClosed(DesktopNotifications::Notice notice);

    DesktopNotifications& notices_;
    Notifier& notifier_;
    const Settings& settings_;
    DateFormats& formats_;
    // The desktop notification of the window shown now; an answer that comes for any other
    // (one whose window was answered meanwhile) is too late and counts for nothing.
    std::optional<DesktopNotifications::Notice> shown_;
};

} // namespace nudgery

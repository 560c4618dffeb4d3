#include "DesktopNoticeObserver.h"

#include "Notifier.h"
#include "Settings.h"
#include "core/date_formats.h"
#include "core/reminder.h"
#include "platform/window_activation.h"

#include <QString>
#include <utility>

namespace nudgery {

namespace {

// What the desktop notification's "Snooze 5 minutes" answers: the window's 5-minute button.
constexpr int kSnooze5Minutes = -5;

bool ShowsTheWindow(const TReminder& reminder) {
    return reminder.EventType == EventShowAndPlay || reminder.EventType == EventShowOnly;
}

} // namespace

DesktopNoticeObserver::DesktopNoticeObserver(DesktopNotifications& notices, Notifier& notifier,
                                             const Settings& settings, DateFormats& formats)
    : notices_(notices), notifier_(notifier), settings_(settings), formats_(formats) {
    connect(&notices_, &DesktopNotifications::Answered, this, &DesktopNoticeObserver::OnAnswered);
    connect(&notices_, &DesktopNotifications::Closed, this,
            [this](DesktopNotifications::Notice notice) { OnClosed(notice); });
}

void DesktopNoticeObserver::FellDue(const TReminder& reminder, ListKind, TDateTime) {
    if (!settings_.DesktopNotifications || !ShowsTheWindow(reminder))
        return;
    QString dueTime;
    {
        const UserFormatsScope user(formats_);
        dueTime = QString::fromLocal8Bit(formats_.Format("t", reminder.When));
    }
    shown_ = notices_.Show(QString::fromLocal8Bit(reminder.Description), dueTime);
}

void DesktopNoticeObserver::Answered(const TReminder&, ListKind, const NotificationAnswer&) {
    // Answered in the window, by its time-out, through the desktop notification's action
    // (which some desktops leave on the screen), or closed as the program ends: the desktop
    // notification would offer answers that no longer count.
    if (const std::optional<DesktopNotifications::Notice> notice = std::exchange(shown_, {}))
        notices_.Close(*notice);
}

void DesktopNoticeObserver::OnAnswered(DesktopNotifications::Notice notice, NoticeAnswer answer,
                                       const QString& activationToken) {
    if (notice != shown_)
        return;
    switch (answer) {
    case NoticeAnswer::ShowWindow:
        // Where the desktop asks for its leave (Wayland), the click on the notification
        // gave it.
        UseActivationToken(activationToken);
        notifier_.BringShownForward();
        break;
    case NoticeAnswer::Ok:
        notifier_.AnswerShown(Notifier::Ok);
        break;
    case NoticeAnswer::Snooze5Minutes:
        notifier_.AnswerShown(kSnooze5Minutes);
        break;
    }
}

void DesktopNoticeObserver::OnClosed(DesktopNotifications::Notice notice) {
    // Gone from the desktop without an answer: the window still waits for one.
    if (notice == shown_)
        shown_.reset();
}

} // namespace nudgery

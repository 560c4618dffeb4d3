#include "WindowNotifier.h"

#include "Alarmsh.h"
#include "SoundPlayback.h"
#include "core/reminder.h"

#include <utility>

namespace nudgery {

WindowNotifier::WindowNotifier(const Clock& clock, HelpViewer& help, SoundPlayback& sound)
    : clock_(clock), help_(help), sound_(sound), repeat_(sound, clock) {}

WindowNotifier::~WindowNotifier() = default;

TAlarmShow& WindowNotifier::Window() {
    if (!window_)
        window_ = std::make_unique<TAlarmShow>(clock_, help_, [this] {
            repeat_.Stop();
            sound_.Shutup();
        });
    return *window_;
}

void WindowNotifier::PlaySound(const std::string& path) {
    lastSound_ = path;
    sound_.PlaySoundNow(path);
}

NotificationAnswer WindowNotifier::Show(const TReminder& reminder,
                                        const NotificationOptions& options) {
    // Only the sound started for this notification repeats, never one of an earlier reminder.
    const std::string sound = std::exchange(lastSound_, {});
    if (options.repeatSoundSeconds > 0 && !sound.empty())
        repeat_.Start(sound, options.repeatSoundSeconds);
    closedUnanswered_ = false;
    const int code =
        Window().ShowNotification(QString::fromLocal8Bit(reminder.Description), options.allowDelete,
                                  options.timeoutSeconds, options.timeoutAction);
    const AnswerWay way = closedUnanswered_     ? AnswerWay::Unanswered
                          : window_->TimedOut() ? AnswerWay::TimedOut
                                                : AnswerWay::Given;
    return {code, way};
}

bool WindowNotifier::Showing() const {
    return window_ && window_->isVisible();
}

void WindowNotifier::CloseUnanswered() {
    closedUnanswered_ = true;
    Window().done(TAlarmShow::Unanswered);
}

void WindowNotifier::AnswerShown(int answer) {
    if (Showing())
        window_->done(answer);
}

void WindowNotifier::BringShownForward() {
    if (Showing())
        window_->BringForward();
}

} // namespace nudgery

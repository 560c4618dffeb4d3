#include "WindowNotifier.h"

#include "Alarmsh.h"
#include "SoundPlayback.h"
#include "core/reminder.h"

namespace nudgery {

WindowNotifier::WindowNotifier(const Clock& clock, HelpViewer& help, SoundPlayback& sound)
    : clock_(clock), help_(help), sound_(sound) {}

WindowNotifier::~WindowNotifier() = default;

TAlarmShow& WindowNotifier::Window() {
    if (!window_)
        window_ = std::make_unique<TAlarmShow>(clock_, help_, [this] { sound_.Shutup(); });
    return *window_;
}

void WindowNotifier::PlaySound(const std::string& path) {
    sound_.PlaySoundNow(path);
}

int WindowNotifier::Show(const TReminder& reminder, bool allowDelete, int timeoutSeconds,
                         int timeoutAction) {
    return Window().ShowNotification(QString::fromLocal8Bit(reminder.Description), allowDelete,
                                     timeoutSeconds, timeoutAction);
}

bool WindowNotifier::Showing() const {
    return window_ && window_->isVisible();
}

void WindowNotifier::CloseUnanswered() {
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

#pragma once
// The program's notifier: the reminder's sound through the program's one player, played again
// while the notification waits when asked, and the notification window (TAlarmShow), made when
// first needed, since most starts show none.

#include "Notifier.h"
#include "SoundRepeat.h"

#include <memory>
#include <string>

namespace nudgery {

class Clock;
class HelpViewer;
class SoundPlayback;
class TAlarmShow;

class WindowNotifier final : public Notifier {
public:
    // All outlive the notifier.
    WindowNotifier(const Clock& clock, HelpViewer& help, SoundPlayback& sound);
    ~WindowNotifier() override;

    // The notification window, made by the first call; every notification reuses it.
    // Closing it stops the sound, and its repeats.
    TAlarmShow& Window();
    // Plays the sound of the notification shown again while it waits, when asked to.
    const SoundRepeat& Repeat() const { return repeat_; }

    void PlaySound(const std::string& path) override;
    NotificationAnswer Show(const TReminder& reminder, const NotificationOptions& options) override;
    bool Showing() const override;
    void CloseUnanswered() override;
    void AnswerShown(int answer) override;
    void BringShownForward() override;

private:
    const Clock& clock_;
    HelpViewer& help_;
    SoundPlayback& sound_;
    SoundRepeat repeat_;
    // The sound PlaySound started last, which the next notification may repeat.
    std::string lastSound_;
    // Set when the notification open is closed without an answer.
    bool closedUnanswered_ = false;
    std::unique_ptr<TAlarmShow> window_;
};

} // namespace nudgery

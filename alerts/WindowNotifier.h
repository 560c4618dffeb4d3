#pragma once
// The program's notifier: the reminder's sound through the program's one player, and the
// notification window (TAlarmShow), made when first needed, since most starts show none.

#include "Notifier.h"

#include <memory>

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
    // Closing it stops the sound.
    TAlarmShow& Window();

    void PlaySound(const std::string& path) override;
    int Show(const TReminder& reminder, bool allowDelete, int timeoutSeconds,
             int timeoutAction) override;
    bool Showing() const override;
    void CloseUnanswered() override;
    void AnswerShown(int answer) override;
    void BringShownForward() override;

private:
    const Clock& clock_;
    HelpViewer& help_;
    SoundPlayback& sound_;
    std::unique_ptr<TAlarmShow> window_;
};

} // namespace nudgery

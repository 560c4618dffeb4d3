#pragma once
// A notification's sound played again while the notification waits for its answer: each time
// a set number of seconds after the sound has ended, so that it never cuts itself short and
// never plays over another sound. A file that cannot be played gives its beep instead, and
// the beep comes again the same way. Time is read from the clock's tick count, as the
// notification's own time-out is.

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <string>

namespace nudgery {

class Clock;
class SoundPlayback;

class SoundRepeat : public QObject {
    Q_OBJECT
public:
    // How often, while it repeats, it looks whether the time has come.
    static constexpr int PollMilliseconds = 200;

    // Both outlive it.
    SoundRepeat(SoundPlayback& sound, const Clock& clock);

    // Plays `path` again `gapSeconds` after each end of it, until Stop. The caller has
    // started it already; a sound that did not start counts as ended now.
    void Start(std::string path, int gapSeconds);
    // No more repeats; the sound playing now is the caller's to stop.
    void Stop();
    bool Active() const { return timer_.isActive(); }

    // One look, driven by its timer: plays the sound again when it has been quiet long
    // enough.
    void Poll();

private:
    // The sound has ended, or did not start: the gap counts from now.
    void Quiet();

    SoundPlayback& sound_;
    const Clock& clock_;
    QTimer timer_;
    std::string path_;
    std::uint32_t gapMilliseconds_ = 0;
    // The tick count when the sound last ended; none while it plays.
    std::optional<std::uint32_t> quietSince_;
};

} // namespace nudgery

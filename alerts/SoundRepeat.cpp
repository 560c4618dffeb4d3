#include "SoundRepeat.h"

#include "SoundPlayback.h"
#include "core/clock.h"

namespace nudgery {

SoundRepeat::SoundRepeat(SoundPlayback& sound, const Clock& clock) : sound_(sound), clock_(clock) {
    timer_.setInterval(PollMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &SoundRepeat::Poll);
    connect(&sound_, &SoundPlayback::SoundEnded, this, [this] {
        if (Active())
            Quiet();
    });
}

void SoundRepeat::Start(std::string path, int gapSeconds) {
    path_ = std::move(path);
    gapMilliseconds_ = static_cast<std::uint32_t>(gapSeconds) * 1000;
    quietSince_.reset();
    if (!sound_.Playing())
        Quiet();
    timer_.start();
}

void SoundRepeat::Stop() {
    timer_.stop();
    quietSince_.reset();
}

void SoundRepeat::Quiet() {
    quietSince_ = clock_.TickCount();
}

void SoundRepeat::Poll() {
    // Unsigned 32-bit difference, as for the time-out: a wrap of the tick count does no harm.
    if (!quietSince_ || clock_.TickCount() - *quietSince_ < gapMilliseconds_)
        return;
    quietSince_.reset();
    sound_.PlaySoundNow(path_);
    // A beep, or a file gone meanwhile, is over at once.
    if (!sound_.Playing())
        Quiet();
}

} // namespace nudgery

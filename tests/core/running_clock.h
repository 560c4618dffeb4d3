#pragma once
// A clock that moves on by a fixed step at every reading and counts its readings.

#include "core/clock.h"

namespace nudgery {

class RunningClock final : public Clock {
public:
    RunningClock(TDateTime start, TDateTime step) : now_(start), step_(step) {}
    TDateTime Now() const override {
        const TDateTime reading = now_;
        now_ += step_;
        ++readings;
        return reading;
    }
    std::uint32_t TickCount() const override { return 0; }
    mutable int readings = 0;

private:
    mutable TDateTime now_;
    TDateTime step_;
};

} // namespace nudgery

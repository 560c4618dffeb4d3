#pragma once
// The injected clock: nothing in the program reads the system clock except through this.

#include "datetime.h"

#include <cstdint>

namespace nudgery {

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time now.
    virtual TDateTime Now() const = 0;
    // Milliseconds since an arbitrary start, wrapping at 2^32 like the system tick count.
    virtual std::uint32_t TickCount() const = 0;

    // Today's date as a whole day number, and the current time of day as a fraction;
    // each is a separate reading of the clock.
    TDateTime Today() const { return DatePartOf(Now()); }
    // The time of day is rebuilt from its clock fields, so 08:00 reads exactly as a typed
    // 08:00 does rather than as what is left after subtracting the date.
    TDateTime TimeOfDay() const { return TimeOfDayOf(Now()); }
    // The same from one reading, for callers that need the date and time of one instant.
    static TDateTime TimeOfDayOf(TDateTime now) {
        const ClockTime t = DecodeTime(now);
        return EncodeTime(t.hour, t.minute, t.second, t.millisecond);
    }
};

// A clock that shows whatever the test sets; its tick count follows the changes of Now.
class SettableClock final : public Clock {
public:
    explicit SettableClock(TDateTime now = 0) : now_(now) {}
    TDateTime Now() const override { return now_; }
    std::uint32_t TickCount() const override { return tick_; }

    void SetNow(TDateTime now) { now_ = now; }
    void SetTickCount(std::uint32_t tick) { tick_ = tick; }
    // Moves now and the tick count forward together.
    void AdvanceMilliseconds(std::uint32_t ms) {
        now_ += ms / 86400000.0;
        tick_ += ms;
    }

private:
    TDateTime now_;
    std::uint32_t tick_ = 0;
};

} // namespace nudgery

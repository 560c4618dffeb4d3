#pragma once
// The real clock: the local time of the desktop and the monotonic millisecond tick.

#include "core/clock.h"

namespace nudgery {

class SystemClock final : public Clock {
public:
    TDateTime Now() const override;
    std::uint32_t TickCount() const override;
};

} // namespace nudgery

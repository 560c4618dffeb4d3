#pragma once
// Time that passes, as against the time the wall clock shows. Date-time values are local
// wall-clock times; where the clocks change to or from summer time, an hour on the clock's
// face is not an hour that passes. The local zone's rules come from outside.

#include "datetime.h"

#include <cstdint>
#include <functional>

namespace nudgery {

// Seconds east of UTC in force at an instant given in seconds since 1970 UTC.
using UtcOffsetAt = std::function<long(std::int64_t utcSeconds)>;

// The wall-clock time at which `milliseconds` will have passed since the wall-clock time
// `from`. In the hour the clocks repeat when they go back, `from` is taken as its later pass.
// Where the clocks go back in between and the time found was shown already before the delay
// ends, the delay is counted on the clock's face instead: a reminder due then comes late by
// the hour the clocks went back, never early.
TDateTime WallTimeAfter(TDateTime from, std::int64_t milliseconds, const UtcOffsetAt& offsetAt);

} // namespace nudgery

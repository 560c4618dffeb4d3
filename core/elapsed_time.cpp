#include "elapsed_time.h"

#include <optional>

namespace nudgery {
namespace {

constexpr std::int64_t MsPerSecond = 1000;
constexpr std::int64_t SecondsPerDay = 86400;

std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

long OffsetAtMs(const UtcOffsetAt& offsetAt, std::int64_t utcMs) {
    return offsetAt(FloorDivide(utcMs, MsPerSecond));
}

// The instant, in milliseconds since 1970 UTC, at which the clock shows `face`: of the
// offsets in force a day before and a day after, the one that holds there; the later instant
// when both do (the hour repeated), the offset from before when neither does (the hour
// skipped, which the clock never shows).
std::int64_t InstantOf(std::int64_t face, const UtcOffsetAt& offsetAt) {
    const std::int64_t faceSeconds = FloorDivide(face, MsPerSecond);
    const long before = offsetAt(faceSeconds - SecondsPerDay);
    std::optional<std::int64_t> latest;
    for (const long offset : {before, offsetAt(faceSeconds + SecondsPerDay)}) {
        const std::int64_t instant = face - offset * MsPerSecond;
        if (OffsetAtMs(offsetAt, instant) == offset && (!latest || instant > *latest))
            latest = instant;
    }
    return latest.value_or(face - before * MsPerSecond);
}

} // namespace

TDateTime WallTimeAfter(TDateTime from, std::int64_t milliseconds, const UtcOffsetAt& offsetAt) {
    const std::int64_t startFace = MillisecondsSince1970(from);
    const std::int64_t start = InstantOf(startFace, offsetAt);
    const std::int64_t end = start + milliseconds;
    const long startOffset = OffsetAtMs(offsetAt, start);
    const long endOffset = OffsetAtMs(offsetAt, end);
    const std::int64_t endFace = end + endOffset * MsPerSecond;
    if (endOffset < startOffset) {
        // The clocks went back: the face showed endFace before, under the earlier offset, if
        // that instant lies within the delay and before the change.
        const std::int64_t shownBefore = endFace - startOffset * MsPerSecond;
        if (shownBefore >= start && OffsetAtMs(offsetAt, shownBefore) == startOffset)
            return FromMillisecondsSince1970(startFace + milliseconds);
    }
    return FromMillisecondsSince1970(endFace);
}

} // namespace nudgery

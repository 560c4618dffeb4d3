#include "zone_offsets.h"

#include <cstdlib>
#include <ctime>

namespace nudgery {

namespace {

// How far ahead an offset is taken to hold once it holds at both ends. Every zone keeps an
// offset for months; within the hour at most one change can come, and it is found exactly.
constexpr std::int64_t SpanSeconds = 3600;
constexpr std::int64_t MsPerSecond = 1000;
constexpr std::int64_t MsPerDay = 86400000;
// 1 January 1970 in the program's day count.
constexpr std::int64_t UnixEpochDay = 25569;

std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

} // namespace

long ZoneOffsets::LookUp(std::int64_t utcSeconds) {
    ++lookups_;
    const std::time_t t = static_cast<std::time_t>(utcSeconds);
    std::tm local{};
    // The reentrant conversion, unlike localtime(), does not look at the zone file again.
    if (!localtime_r(&t, &local))
        return 0;
    return local.tm_gmtoff;
}

void ZoneOffsets::Refresh(std::int64_t utcSeconds) {
    if (zoneChanged_) {
        tzset();
        zoneChanged_ = false;
    }
    offset_ = LookUp(utcSeconds);
    from_ = utcSeconds;
    until_ = utcSeconds + SpanSeconds;
    if (LookUp(until_) != offset_) {
        // The offset changes within the span: find the first second of the new one.
        std::int64_t same = utcSeconds;
        std::int64_t changed = until_;
        while (changed - same > 1) {
            const std::int64_t middle = same + (changed - same) / 2;
            (LookUp(middle) == offset_ ? same : changed) = middle;
        }
        until_ = changed;
    }
    known_ = true;
}

long ZoneOffsets::OffsetAt(std::int64_t utcSeconds) {
    // A process may set TZ at any time; comparing it costs next to nothing.
    const char* tz = std::getenv("TZ");
    if ((tz != nullptr) != hadTz_ || (tz && tz_ != tz)) {
        hadTz_ = tz != nullptr;
        tz_ = tz ? tz : "";
        ZoneChanged();
    }
    if (!known_ || utcSeconds < from_ || utcSeconds >= until_)
        Refresh(utcSeconds);
    return offset_;
}

TDateTime ZoneOffsets::LocalTime(std::int64_t utcMilliseconds) {
    const std::int64_t seconds = FloorDivide(utcMilliseconds, MsPerSecond);
    const std::int64_t local = utcMilliseconds + OffsetAt(seconds) * MsPerSecond;
    const std::int64_t day = FloorDivide(local, MsPerDay);
    // Summed as the date and the time of day would be encoded from the clock's fields.
    return static_cast<TDateTime>(day + UnixEpochDay) +
           static_cast<TDateTime>(local - day * MsPerDay) / static_cast<TDateTime>(MsPerDay);
}

void ZoneOffsets::ZoneChanged() {
    known_ = false;
    zoneChanged_ = true;
}

} // namespace nudgery

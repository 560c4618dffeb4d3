#pragma once
// The local time of UTC instants. The offset from UTC is looked up in the C library's time
// zone only when the one last found may no longer hold: once the instant leaves the span in
// which that offset was found to hold (a daylight-saving change comes at its end), and after
// the zone itself has changed (ZoneChanged, or a new value of TZ).

#include "core/datetime.h"

#include <cstdint>
#include <string>

namespace nudgery {

class ZoneOffsets {
public:
    // Seconds east of UTC at the instant `utcSeconds` (seconds since 1970 UTC).
    long OffsetAt(std::int64_t utcSeconds);
    // The local date and time of an instant in milliseconds since 1970 UTC.
    TDateTime LocalTime(std::int64_t utcMilliseconds);
    // The zone file has changed: the C library reads the zone again at the next lookup.
    void ZoneChanged();

    // How many times the zone has been consulted so far.
    int Lookups() const { return lookups_; }

private:
    long LookUp(std::int64_t utcSeconds);
    void Refresh(std::int64_t utcSeconds);

    bool known_ = false;
    bool zoneChanged_ = true;
    // The offset holds for instants from `from_` up to, not including, `until_`.
    long offset_ = 0;
    std::int64_t from_ = 0;
    std::int64_t until_ = 0;
    // TZ as it was at the last lookup; a null TZ is kept apart from an empty one.
    bool hadTz_ = false;
    std::string tz_;
    int lookups_ = 0;
};

} // namespace nudgery

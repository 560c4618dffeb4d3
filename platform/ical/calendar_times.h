#pragma once
// The times of a calendar file placed in the program's local time: floating times, dates
// and times in the system's own zone stay the wall-clock times they are; UTC times and
// times in other zones are instants, converted to local time by the C library, as the
// program's clock is.

#include "core/datetime.h"
#include "ical_handles.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace nudgery::ical {

struct Moment {
    // A wall-clock time counts seconds from day 0 of the program's day count; an instant,
    // seconds since 1970 UTC.
    bool wall = true;
    std::int64_t seconds = 0;

    Moment Plus(std::int64_t delta) const { return {wall, seconds + delta}; }
};

// The local date and time of a moment at a whole second; nothing when it has no date
// between the years 1 and 9999.
std::optional<TDateTime> LocalTime(const Moment& moment);

// A moment, or why a time cannot be placed, in words for the user.
struct Placed {
    std::optional<Moment> moment;
    std::string problem;
};

// The time zones a calendar defines, and those of the system for a TZID it names but does
// not define.
class CalendarZones {
public:
    // `localZone`: the system's zone by its name in the zone database; may be empty.
    CalendarZones(icalcomponent* calendar, std::string localZone);

    // A time of the file with the TZID parameter it came with (empty for none).
    Placed Place(const icaltimetype& time, const std::string& tzid) const;

private:
    std::map<std::string, ZonePtr> defined_;
    std::set<std::string> unusable_;
    std::set<std::string> local_;
    std::string localZone_;
};

// The TZID parameter of a property; empty when it has none.
std::string TzidOf(icalproperty* property);

} // namespace nudgery::ical

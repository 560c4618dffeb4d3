#pragma once
// Reads an iCalendar file (RFC 5545) with libical into the items the import plan takes:
// each event and task with its start, rule and own properties, and each of its alarms with
// the local times it rings.

#include "core/calendar_item.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace nudgery::ical {

struct CalendarReadOptions {
    // The system's time zone by its name in the zone database; may be empty.
    std::string zone;
    // The local date and time now: the window of occurrences begins at its date.
    TDateTime now = 0;
};

struct CalendarRead {
    std::vector<CalendarItem> items;
    // Why the file is refused and where reading stopped, for the user; empty when it was read.
    std::string error;
};

// The largest file read; a calendar of many years of events stays far below it.
inline constexpr std::size_t MostCalendarBytes = std::size_t{64} << 20;

CalendarRead ReadCalendar(std::string_view text, const CalendarReadOptions& options);

} // namespace nudgery::ical

#pragma once
// Writes calendar entries as one iCalendar file (RFC 5545) with libical.

#include "core/calendar_entry.h"

#include <cstdint>
#include <span>
#include <string>

namespace nudgery::ical {

struct CalendarWriteOptions {
    // The system's time zone by its name in the zone database ("Europe/Berlin"). Times are
    // written in it, with its definition; when it is empty or unknown, as local times
    // without a zone.
    std::string zone;
    // When the file is written, in seconds since 1970 UTC.
    std::int64_t stampUtc = 0;
    // Names the program that wrote the file.
    std::string product;
};

// A VEVENT for each entry with a start, with its alarm, and a VTODO for each without.
std::string WriteCalendar(std::span<const CalendarEntry> entries,
                          const CalendarWriteOptions& options);

} // namespace nudgery::ical

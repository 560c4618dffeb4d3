#pragma once
// Reads the text of an iCalendar file into libical's components, line by line, so that a
// file that cannot be read is refused with the line where reading stopped.

#include "ical_handles.h"

#include <string>
#include <string_view>
#include <vector>

namespace nudgery::ical {

struct ParsedCalendars {
    // Each a VCALENDAR, in file order.
    std::vector<ComponentPtr> calendars;
    // Why and where reading stopped, for the user; empty when the whole file was read.
    std::string error;
};

// Takes what RFC 5545 allows and libical does not: a property with an empty value, or with
// a name libical does not know, is passed over. Anything else libical cannot read, a file
// that does not begin a calendar, and a calendar the file does not close, are errors.
ParsedCalendars ParseCalendars(std::string_view text);

} // namespace nudgery::ical

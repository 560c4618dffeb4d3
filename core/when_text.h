#pragma once
// The time of a one-time reminder typed as a text, as the command line takes it:
//   "10:30"               today, or tomorrow once that minute has passed ("at 10:30" too)
//   "2027-03-14 10:30"    a date and a time ("2027-03-14T10:30" too), the date also in the
//                         user's own short date format or as the list shows it
//                         ("Mar 14, 2027 10:30am")
//   "today 10:30", "tomorrow 9:00", "fri 17:00" (the next Friday: today until 17:00 has
//                         passed); "at" may follow the day ("Today at 10:30am")
//   "in 20m", "in 2h", "in 3d", "in 1h30m"   days and weeks on the calendar, hours and
//                         minutes as they pass, across a change to or from summer time
// Times are written as the program writes them ("17:00", "5:00pm", "05:00 pm") or in the
// user's own format; weekday and month names in English or the user's language. A time that
// has passed is refused where the text names its day.

#include "date_formats.h"
#include "elapsed_time.h"
#include "read_result.h"

#include <string_view>

namespace nudgery {

class Clock;

// The local date and time the text stands for, against one reading of the clock.
ReadResult<TDateTime> ReadWhen(std::string_view text, const Clock& clock,
                               const RegionalSettings& user, const UtcOffsetAt& offsetAt);

} // namespace nudgery

#pragma once
// Times of day as the user types and reads them in the editors: every parse and format
// runs under the user's own regional settings, and the program's fixed set is back in
// force afterwards.

#include "core/datetime.h"

#include <QString>
#include <optional>

namespace nudgery {

class Clock;
class DateFormats;

// The time formatted with the user's short time format ("t").
QString FormatUserTime(DateFormats& formats, TDateTime time);
// A typed time of day, or nothing when the text is not one.
std::optional<TDateTime> ParseUserTime(DateFormats& formats, const QString& text);

// Whether a value lies in the years 1 to 9999, the only ones a calendar or a time edit
// shows; a damaged data file may hold others.
bool CanShowDateTime(TDateTime value);

// The message for a time that does not parse: `lead` followed by the present time as an
// example of the user's format.
QString InvalidTimeMessage(DateFormats& formats, const Clock& clock, const QString& lead);

// The usual `lead`.
QString InvalidTimeLead();

} // namespace nudgery

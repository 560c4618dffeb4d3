#pragma once
// Day-spec codes: the day rule of a repeating reminder, kept as one short text.
//   "#nnn"      day of the year, left-justified in 3
//   "@ddmm"     day of the month and month index (0 every month), right-justified in 2 each
//   "$ooWWMM"   occurrence (0 first .. 4 fifth, 5 last), weekday (0 Sunday .. 6, 7 any day)
//               and month index, left-justified in 2 each
//   otherwise   a set of weekday digits, 0 Sunday .. 6 Saturday
// The layouts are stored in the data file.

#include "datetime.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace nudgery {

class Clock;

std::string EncodeDayOfYear(std::int32_t day);
std::string EncodeDayOfMonth(std::int32_t day, std::int32_t month);
// Empty when the text cannot be built.
std::string EncodeNthWeekday(std::int32_t occurrence, std::int32_t weekday, std::int32_t month);

// Each decoder sets its out values one by one, so after a failure the fields before the
// failing one hold their decoded values.
bool DecodeDayOfYear(std::string_view code, std::int32_t& day);
bool DecodeDayOfMonth(std::string_view code, std::int32_t& day, std::int32_t& month);
bool DecodeNthWeekday(std::string_view code, std::int32_t& occurrence, std::int32_t& weekday,
                      std::int32_t& month);

bool MatchesDayOfYear(std::int32_t day, TDateTime date);
bool MatchesDayOfMonth(std::int32_t day, std::int32_t month, TDateTime date);
bool MatchesNthWeekday(std::int32_t occurrence, std::int32_t weekday, std::int32_t month,
                       TDateTime date);

// Whether the code selects the given date; an empty or unreadable code selects none.
bool DaySpecMatchesDate(std::string_view code, TDateTime date);
bool DaySpecMatchesToday(std::string_view code, const Clock& clock);

// The code in words, or an empty text (also for indexes outside the name tables).
std::string DescribeDaySpec(std::string_view code);
// The number with its English ordinal suffix (1st, 12th, 111st).
std::string OrdinalText(std::int32_t n);

// Removes spaces (code 32 only) from the end and then from the start.
std::string_view TrimBlanks(std::string_view text);

} // namespace nudgery

#pragma once
// The words in which the commands from outside (the command line, the session bus) name a
// reminder's action and status, and write its time: short, fixed and in English, so that a
// script can rely on them whatever the user's language.

#include "datetime.h"
#include "read_result.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace nudgery {

// The actions of the editors' "When this reminder is triggered" list, in the order of their
// event types: show the message and play the sound, only show it, only play it, do nothing.
inline constexpr std::array<std::string_view, 4> ActionNames{"show-and-play", "show", "play",
                                                             "nothing"};

// The action's name; empty for an event type no editor makes (a damaged data file).
std::string_view ActionName(std::uint8_t eventType);
// The event type an action's name stands for; letters compare without regard to case.
ReadResult<std::uint8_t> ReadAction(std::string_view text);

// "pending", "done", "expired", "not-today"; empty for a status without a name.
std::string_view StatusName(std::uint8_t status);

// The local date and time as ISO 8601 without a zone, "2027-03-14T10:30:00", which the
// reader of times takes back; to the nearest second. Empty before the day count begins (30
// December 1899) and after 9999.
std::string IsoLocalText(TDateTime value);

} // namespace nudgery

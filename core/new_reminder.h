#pragma once
// A new reminder made from the texts of a command from outside (the command line, the
// session bus): its time or day rule as typed, its message, and optionally its sound file
// and action. What is not given comes from the user's defaults, as in the editors.

#include "date_formats.h"
#include "elapsed_time.h"
#include "list_kind.h"
#include "read_result.h"
#include "reminder.h"

#include <cstdint>
#include <functional>
#include <string>

namespace nudgery {

class Clock;

// What a new reminder starts from: the preferences' action and sound file.
struct ReminderDefaults {
    std::uint8_t eventType = EventShowAndPlay;
    std::string soundFile;
};

struct NewReminderTexts {
    // The time of a one-time reminder (when_text.h) or the rule of a repeating one
    // (rule_text.h).
    std::string when;
    std::string message;
    // A sound file by its full path; empty for the default.
    std::string sound;
    // An action's name (reminder_words.h); empty for the default.
    std::string action;
};

struct NewReminderContext {
    const Clock& clock;
    const RegionalSettings& user;
    const UtcOffsetAt& offsetAt;
    ReminderDefaults defaults;
    // Whether a file exists at a path: a reminder keeps no sound file that is not there, so
    // a default sound that has gone is left out, and a sound file asked for is refused.
    std::function<bool(const std::string&)> isFile;
};

// The reminder for `list`, not yet judged for today; or what could not be read.
ReadResult<TReminder> NewReminder(ListKind list, const NewReminderTexts& texts,
                                  const NewReminderContext& context);

} // namespace nudgery

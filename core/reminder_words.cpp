#include "reminder_words.h"

#include "reminder.h"
#include "typed_words.h"

#include <cstdio>

namespace nudgery {

std::string_view ActionName(std::uint8_t eventType) {
    return eventType < ActionNames.size() ? ActionNames[eventType] : std::string_view();
}

ReadResult<std::uint8_t> ReadAction(std::string_view text) {
    const std::string word = LowerAscii(StripBlanks(text));
    for (std::size_t type = 0; type < ActionNames.size(); ++type)
        if (word == ActionNames[type])
            return static_cast<std::uint8_t>(type);
    return Refusal{"cannot read the action " + Quoted(text) +
                   ": it is one of show-and-play, show, play and nothing"};
}

std::string_view StatusName(std::uint8_t status) {
    switch (status) {
    case StatusPending:
        return "pending";
    case StatusDone:
        return "done";
    case StatusExpired:
        return "expired";
    case StatusNotToday:
        return "not-today";
    default:
        return {};
    }
}

std::string IsoLocalText(TDateTime value) {
    constexpr std::int64_t MsPerSecond = 1000;
    // From the first day of the day count to the last second of 9999: no reminder is due
    // before the day count begins.
    if (!(value >= 0 && value < EncodeDate(9999, 12, 31) + 1))
        return {};
    // To the nearest second, so that 10:29:59.9996 is written as the 10:30 it shows as.
    const std::int64_t ms = MillisecondsSince1970(value);
    const std::int64_t second1970 = ms >= 0 ? (ms + MsPerSecond / 2) / MsPerSecond
                                            : -((-ms + MsPerSecond / 2 - 1) / MsPerSecond);
    const TDateTime second = FromMillisecondsSince1970(second1970 * MsPerSecond);
    const CalendarDate date = DecodeDate(second);
    const ClockTime time = DecodeTime(second);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", date.year, date.month,
                  date.day, time.hour, time.minute, time.second);
    return text;
}

} // namespace nudgery

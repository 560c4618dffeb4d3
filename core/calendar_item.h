#pragma once
// What the calendar-file reader gives for each event or task of a file, in local time: the
// entry itself and each of its alarms with the times it rings. The import plan decides from
// this alone what becomes of it.

#include "calendar_entry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace nudgery {

// How far ahead the occurrences of a recurring item are taken: a year, leap day included.
inline constexpr int ImportWindowDays = 366;

struct CalendarAlarm {
    // "DISPLAY", "AUDIO", "EMAIL", "PROCEDURE", or whatever other name the file gives.
    std::string action;
    // The sound of an AUDIO alarm, when it names a file on this machine.
    std::string soundFile;
    // Rings at a time of its own rather than at a distance from the start or the end.
    bool absolute = false;
    // The local times it rings, in order: for an item that does not recur, its one time
    // however long ago; for one that recurs, those from the start of today until the window
    // ends, at most MostAlarmTimes of them.
    std::vector<TDateTime> times;
    // More times than were gathered fall in the window.
    bool moreTimes = false;
    // Rings again this many times, this many whole minutes apart (0 when the distance is not
    // a whole number of minutes).
    std::int32_t repeat = 0;
    std::int32_t repeatMinutes = 0;
};

// The most alarm times gathered for one alarm: more than a day rule can ever give in the
// window, so that a rule with more is told apart.
inline constexpr std::size_t MostAlarmTimes = 2 * ImportWindowDays;

struct CalendarItem {
    // The UID, the local start (of the first occurrence), the recurrence rule, the summary,
    // the first alarm's repetitions and the program's own properties. A file's item without
    // a UID gets one made from its contents.
    CalendarEntry entry;
    // What the item is called: its summary, or when it has none the text of its first alarm
    // or its description. The entry keeps the summary alone.
    std::string title;
    bool task = false;
    // It has more occurrences than its start: by RRULE or RDATE.
    bool recurs = false;
    // What makes its occurrences from today on differ from its rule's days, when something
    // does: "EXDATE", "RDATE", "changed occurrences".
    std::string ruleException;
    // Why it cannot be taken at all, found while reading it: "cancelled", "completed",
    // "the time zone "X" is not defined". Empty when it can.
    std::string refusal;
    std::vector<CalendarAlarm> alarms;
};

} // namespace nudgery

#pragma once
// The reminder record behind both lists, its two status rules and its list texts.

#include "compact_text.h"
#include "datetime.h"

#include <cstdint>
#include <memory>
#include <string>

namespace nudgery {

class Clock;
class DateFormats;
class TaggedReader;
class TaggedWriter;

enum ReminderStatus : std::uint8_t {
    StatusPending = 0,
    StatusDone = 1,
    StatusExpired = 2,
    StatusNotToday = 3,
    StatusDeleteMark = 4, // lives only inside one check pass
};

enum ReminderEventType : std::uint8_t {
    EventShowAndPlay = 0,
    EventShowOnly = 1,
    EventPlayOnly = 2,
    EventDoNothing = 3,
};

enum ReminderKind : std::uint8_t {
    KindOneTime = 0,
    KindRepeating = 1,
};

class TReminder {
public:
    // The twelve fields, in this order. Texts are byte strings in the system's 8-bit
    // encoding, stored in the data file unconverted; compact, as lists run long.
    std::uint8_t Kind = KindOneTime;
    std::uint8_t EventType = EventShowAndPlay;
    TDateTime When = 0;
    TDateTime FirstTime = 0;
    bool HasUntil = false;
    TDateTime UntilTime = 0;
    CompactText Description;
    CompactText SoundFile;
    CompactText DaySpec;
    std::int32_t RepeatMinutes = 0;
    std::uint8_t Status = StatusPending;
    bool ReservedFlag = false;

    static std::unique_ptr<TReminder> Create();
    static std::unique_ptr<TReminder> CreateNormal(std::uint8_t kind, TDateTime when,
                                                   std::string description, std::string soundFile,
                                                   std::uint8_t eventType);
    static std::unique_ptr<TReminder>
    CreateRepeating(std::uint8_t kind, TDateTime firstTime, bool hasUntil, TDateTime untilTime,
                    std::string daySpec, std::int32_t repeatMinutes, std::string description,
                    std::string soundFile, std::uint8_t eventType);
    std::unique_ptr<TReminder> Clone() const;

    TDateTime DatePart() const;
    TDateTime TimePart() const;

    // The one-time status rule.
    void UpdateNormalStatus(const Clock& clock);
    // The repeating schedule rule; callers set When to 0 first. Values only a damaged file
    // holds: a negative interval counts as once a day; a FirstTime outside [0, 1) or not a
    // number, or a non-finite UntilTime in use, gives Not Today.
    void ScheduleToday(const Clock& clock);
    // When cleared, then ScheduleToday: how a loaded, added or acknowledged repeating
    // reminder gets its next occurrence from its day rule alone.
    void ScheduleTodayAfresh(const Clock& clock) {
        When = 0;
        ScheduleToday(clock);
    }

    // One record of the data file: the twelve values in file order (UntilTime before
    // HasUntil).
    void WriteToStream(TaggedWriter& writer) const;
    // Reads one record. A value that cannot be read throws TaggedReadError: the fields read
    // before it keep what was read, the others keep their values. The sound file shares
    // the block of an equal one among `soundFiles`, which a list's records have in common.
    void ReadFromStream(TaggedReader& reader, RecentTexts& soundFiles);

    std::string CompactWhenText(const DateFormats& formats) const;
    std::string WhenText(const DateFormats& formats, const Clock& clock) const;
    std::string FirstTimeText(const DateFormats& formats) const;
    std::string RepeatText(const DateFormats& formats) const;
    std::string DaySpecText() const;
    // Leaves text unchanged for a status without a name.
    void StatusText(std::string& text) const;

    bool operator==(const TReminder&) const = default;
};

// A one-time reminder that fell due unseen: not shown yet when it was last judged (Pending,
// or Not Today when that was on an earlier day) and Expired now by the status rule.
// Reminders already Done or Expired are not missed again.
inline bool FellDueUnseen(std::uint8_t statusBefore, std::uint8_t statusNow) {
    return (statusBefore == StatusPending || statusBefore == StatusNotToday) &&
           statusNow == StatusExpired;
}

// A due time in words: "Today at 3:15pm" for today, otherwise "Dec 24, 2026 9:00am"; empty
// for no date.
std::string DueTimeText(TDateTime when, const DateFormats& formats, const Clock& clock);

// The interval in words: "45 min", "Hour", "2 hrs", "1 hrs 30 mins".
std::string IntervalText(std::int32_t minutes);

} // namespace nudgery

#pragma once
// The whole reminder data file: a 16-byte header list, the one-time list and the
// repeating list, each a list of reminder records. Bytes only; no file access here.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace nudgery {

class Clock;
class TReminder;

// Text the loader gives a new row's first cell before its reminder is read.
inline constexpr const char* LoadingRowText = "description";

// Where loaded reminders go: the two lists of the main window. Each Add call appends a
// row, sets its first cell to LoadingRowText and makes the reminder, read whole, the row's
// object. It returns the reminder now owned by the row, which the loader then judges for
// today.
class ReminderListSink {
public:
    virtual ~ReminderListSink() = default;
    virtual TReminder& AddOneTime(std::unique_ptr<TReminder> reminder) = 0;
    virtual TReminder& AddRepeating(std::unique_ptr<TReminder> reminder) = 0;
    // The repeating row last added is read and scheduled: its first cell shows the
    // reminder's Description from now on.
    virtual void RepeatingLoaded(TReminder& reminder) = 0;
    // The one-time row last added is read and has its status for today; `storedStatus` is
    // the status the file held.
    virtual void OneTimeLoaded(TReminder& /*reminder*/, std::uint8_t /*storedStatus*/) {}
};

// The file's bytes for both lists, each in its given order.
std::vector<std::uint8_t> EncodeDataFile(std::span<const TReminder* const> oneTime,
                                         std::span<const TReminder* const> repeating);

// Rebuilds both lists from the bytes into an empty sink. Every one-time reminder gets
// its status from UpdateNormalStatus; every repeating reminder gets When 0 and then
// ScheduleToday, all at the one moment the clock shows as the load begins. The load ends
// at the first record that cannot be read whole, which is not added (nothing after it can
// be trusted to start a record), and at a damaged header or list mark or the end of the
// data: the reminders read whole until then stay, and a list not reached stays empty.
// Returns whether both lists were read to their end.
bool DecodeDataFile(std::span<const std::uint8_t> bytes, ReminderListSink& sink,
                    const Clock& clock);

} // namespace nudgery

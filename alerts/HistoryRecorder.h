#pragma once
// Keeps the history of reminders: each reminder that falls due is recorded as it is shown,
// and its entry completed with the answer and how it came (a click, the time-out, the program
// ending); the reminders that the program could not show are recorded as missed. Recording
// never holds up a reminder: the journal gives up at once on trouble and reports it itself.

#include "CycleObserver.h"
#include "MissedLines.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace nudgery {

class Clock;
class HistoryJournal;

class HistoryRecorder final : public CycleObserver {
public:
    // Both outlive the recorder. `recorded` runs after each entry is written or completed.
    HistoryRecorder(HistoryJournal& journal, const Clock& clock,
                    std::function<void()> recorded = {});

    void FellDue(const TReminder& reminder, ListKind list, TDateTime now) override;
    void Answered(const TReminder& reminder, ListKind list,
                  const NotificationAnswer& answer) override;

    // Records the lines as missed, leaving out any the history has already: told at an
    // earlier start, or shown before the program was stopped.
    void RecordMissed(const std::vector<MissedLine>& lines);
    // When a repeating reminder last fell due from `since` to now, by the history.
    std::optional<TDateTime> LastFellDue(const TReminder& reminder, TDateTime since);
    // The program is ending: a notification still open is recorded as left unanswered.
    void Close();

private:
    HistoryJournal& journal_;
    const Clock& clock_;
    std::function<void()> recorded_;
    // The entry of the reminder now falling due; 0 when there is none, or it was not written.
    std::int64_t open_ = 0;
};

} // namespace nudgery

#pragma once
// The check cycle: on each tick of the main window's one-second timer it starts a new day
// when the date has moved on, and on every fifth tick it fires the reminders of both lists
// that have fallen due, one after the other, and applies each answer, which is saved before
// the next notification shows. It knows no window: the lists, the store of the lists and the
// notifier are given to it.

#include "MissedLines.h"
#include "Notifier.h"
#include "core/due_time.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace nudgery {

class Clock;
class CycleObserver;
class ListsStore;
class ReminderList;
struct Settings;

class CheckCycle {
public:
    static constexpr int TicksPerCheck = 5;
    // A wall clock that gained more than this on the steady clock between two ticks tells of
    // a sleep (or of a clock set forward, which leaves reminders unseen all the same).
    static constexpr double SleepMilliseconds = 60'000;

    // What one tick came to, for the window that runs the timer.
    struct TickResult {
        // The date had moved on: both lists were saved and loaded again, or judged afresh in
        // memory when the save failed. No check ran.
        bool newDay = false;
        // The one-time reminders that judging the lists afresh expired unseen; a load tells
        // of its own.
        std::vector<TReminder> missed;
        // The computer was asleep since the tick before (the wall clock ran ahead of the
        // steady one): the time of that tick, and the occurrences of repeating reminders that
        // fell due meanwhile, found before any fires late.
        std::optional<TDateTime> asleepSince;
        std::vector<MissedLine> missedRepeating;
        // An end asked for while a notification was open (EndAsked): the program ends now.
        bool end = false;
    };

    // All outlive the cycle. The time-out of each notification is read from `settings` as
    // it is shown.
    CheckCycle(ReminderList& oneTime, ReminderList& repeating, const Clock& clock,
               const Settings& settings, Notifier& notifier, ListsStore& store);

    // `observer` is told of every reminder that falls due and of its answer, from now on; it
    // outlives the cycle.
    void AddObserver(CycleObserver& observer) { observers_.push_back(&observer); }

    // Where the cycle learns when a repeating reminder last fell due (the history), so that an
    // occurrence that fired after the last tick before a sleep (while a notification waited)
    // is not told as missed after it.
    void SetLastFellDue(LastFellDue lookup) { lastFellDue_ = std::move(lookup); }

    // Loads both lists from the store for today, the day that a change of date is told by.
    void Load();
    TDateTime LoadedDate() const { return loadedDate_; }

    // One tick at `now`, a reading of the clock.
    TickResult Tick(TDateTime now);
    // A pass over the one-time list and then the repeating list, from the reading `now`.
    void CheckBothLists(TDateTime now);
    // Ticks counted towards the next check.
    int CheckCounter() const { return counter_; }

    // The program is asked to end from outside (a signal, the end of the desktop session).
    // True when it may end at once. With a notification open, the notification closes
    // unanswered, its reminder left as it was so that it fires again at the next start, no
    // further one is shown, and the result of the tick that showed it says to end: false
    // then, and for an end asked again before that tick is over.
    bool EndAsked();

private:
    // One pass over `list`; only the one-time list offers Delete and moves snoozed
    // reminders. Gives the last reading of the clock, which is `now` unless one fired.
    TDateTime CheckList(ReminderList& list, bool oneTime, TDateTime now, EarliestDueTime& earliest);
    // Starts the reminder's sound and shows it, as its event type asks, with the observers
    // told; the answer.
    NotificationAnswer Fire(const TReminder& reminder, bool oneTime, TDateTime now);
    // Applies an answer to the reminder at `index`; false when it leaves it as it was.
    bool ApplyAnswer(ReminderList& list, bool oneTime, int index, int answer);
    void Snooze(ReminderList& list, bool oneTime, int index, int minutes);
    std::vector<TReminder> StartNewDay();
    // The time of the tick before, when the computer has slept since.
    std::optional<TDateTime> AsleepSince(TDateTime now);
    std::vector<MissedLine> MissedSince(TDateTime since, TDateTime now) const;
    // Every reminder's status computed anew for today, as loading the lists would; gives the
    // one-time reminders this expires unseen.
    std::vector<TReminder> JudgeListsAfresh();

    ReminderList& oneTime_;
    ReminderList& repeating_;
    const Clock& clock_;
    const Settings& settings_;
    Notifier& notifier_;
    ListsStore& store_;
    std::vector<CycleObserver*> observers_;
    LastFellDue lastFellDue_;

    int counter_ = 0;
    TDateTime loadedDate_ = 0;
    // Of the one-time and the repeating list, for the pass.
    EarliestDueTime oneTimeDue_;
    EarliestDueTime repeatingDue_;
    // Set by EndAsked while a notification is open; the tick ends the program.
    bool endRequested_ = false;
    // The wall clock and the steady clock at the last tick.
    struct TickTime {
        TDateTime now;
        std::uint32_t steady;
    };
    std::optional<TickTime> lastTick_;
};

} // namespace nudgery

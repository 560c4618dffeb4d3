#include "CheckCycle.h"

#include "CycleObserver.h"
#include "ListsStore.h"
#include "Notifier.h"
#include "Settings.h"
#include "core/clock.h"
#include "core/reminder_list.h"

#include <utility>

namespace nudgery {

namespace {

// Works out the earliest due time of `list` as it is now.
void RememberEarliestDue(const ReminderList& list, TDateTime today, EarliestDueTime& earliest) {
    earliest.Restart(list.Revision(), today);
    for (int index = 0; index < list.Count(); ++index)
        if (const TReminder* reminder = list.At(index))
            earliest.Consider(*reminder);
}

// How often the sound of a notification plays again while it waits: only a reminder whose
// sound plays with its notification repeats it, and only when the user asked for it.
int RepeatSoundSeconds(const Settings& settings, std::uint8_t eventType) {
    return eventType == EventShowAndPlay && settings.RepeatSoundOn ? settings.RepeatSoundSeconds
                                                                   : 0;
}

void RemoveMarked(ReminderList& list) {
    for (int index = list.Count() - 1; index >= 0; --index) {
        const TReminder* reminder = std::as_const(list).At(index);
        if (reminder && reminder->Status == StatusDeleteMark)
            list.Remove(index);
    }
    list.Changed();
}

} // namespace

CheckCycle::CheckCycle(ReminderList& oneTime, ReminderList& repeating, const Clock& clock,
                       const Settings& settings, Notifier& notifier, ListsStore& store)
    : oneTime_(oneTime), repeating_(repeating), clock_(clock), settings_(settings),
      notifier_(notifier), store_(store) {}

void CheckCycle::Load() {
    loadedDate_ = clock_.Today();
    store_.Reload();
}

CheckCycle::TickResult CheckCycle::Tick(TDateTime now) {
    TickResult result;
    result.asleepSince = AsleepSince(now);
    // No check on the first tick of a new date, and the counter keeps its value.
    if (DatePartOf(now) > loadedDate_) {
        result.newDay = true;
        result.missed = StartNewDay();
        if (result.asleepSince)
            result.missedRepeating = MissedSince(*result.asleepSince, now);
        return result;
    }
    // Told before the check, which fires the occurrence each reminder still has pending: that
    // one comes late and is not missed.
    if (result.asleepSince)
        result.missedRepeating = MissedSince(*result.asleepSince, now);
    if (++counter_ >= TicksPerCheck) {
        counter_ = 0;
        CheckBothLists(now);
    }
    result.end = std::exchange(endRequested_, false);
    return result;
}

std::vector<MissedLine> CheckCycle::MissedSince(TDateTime since, TDateTime now) const {
    return MissedRepeating(repeating_, since, now, lastFellDue_);
}

std::optional<TDateTime> CheckCycle::AsleepSince(TDateTime now) {
    const TickTime tick{now, clock_.TickCount()};
    const std::optional<TickTime> last = std::exchange(lastTick_, tick);
    if (!last)
        return std::nullopt;
    constexpr double MillisecondsPerDay = 86'400'000;
    // The steady clock stands still while the computer sleeps; 32-bit ticks, as everywhere.
    const double steady = static_cast<std::uint32_t>(tick.steady - last->steady);
    if ((now - last->now) * MillisecondsPerDay - steady > SleepMilliseconds)
        return last->now;
    return std::nullopt;
}

void CheckCycle::CheckBothLists(TDateTime now) {
    now = CheckList(oneTime_, true, now, oneTimeDue_);
    CheckList(repeating_, false, now, repeatingDue_);
}

bool CheckCycle::EndAsked() {
    // Asked again before the tick has ended: ending now would save the lists before the
    // answer is applied.
    if (endRequested_)
        return false;
    if (!notifier_.Showing())
        return true;
    // Nobody answered it: the tick that showed it changes nothing and then ends.
    endRequested_ = true;
    notifier_.CloseUnanswered();
    return false;
}

std::vector<TReminder> CheckCycle::StartNewDay() {
    // The answers given since the last save would be lost by loading the file again, so they
    // are saved first. When that fails the file is stale: the lists in memory are judged for
    // the new day instead, as a load would judge them.
    std::vector<TReminder> missed;
    if (store_.Save()) {
        Load();
    } else {
        missed = JudgeListsAfresh();
        loadedDate_ = clock_.Today();
    }
    oneTime_.Changed();
    repeating_.Changed();
    return missed;
}

std::vector<TReminder> CheckCycle::JudgeListsAfresh() {
    std::vector<TReminder> missed;
    for (int index = 0; index < oneTime_.Count(); ++index)
        if (TReminder* reminder = oneTime_.At(index)) {
            const std::uint8_t before = reminder->Status;
            reminder->UpdateNormalStatus(clock_);
            if (FellDueUnseen(before, reminder->Status))
                missed.push_back(*reminder);
        }
    for (int index = 0; index < repeating_.Count(); ++index)
        if (TReminder* reminder = repeating_.At(index))
            reminder->ScheduleTodayAfresh(clock_);
    return missed;
}

TDateTime CheckCycle::CheckList(ReminderList& list, bool oneTime, TDateTime now,
                                EarliestDueTime& earliest) {
    // The clock is read again only after a reminder fired: time passes only while a
    // notification waits for its answer, and a pass over a long list stays cheap.
    TDateTime today = DatePartOf(now);
    TDateTime timeOfDay = Clock::TimeOfDayOf(now);
    // Until the list changes or the day does, nothing falls due before its earliest time.
    if (earliest.NothingDue(list.Revision(), today, timeOfDay))
        return now;
    const int count = list.Count();
    bool anyMarked = false;
    // A request to end the program stops the pass: no further notification is shown.
    for (int index = 0; index < count && !endRequested_; ++index) {
        if (const TReminder* seen = std::as_const(list).At(index);
            !seen || !FallsDue(*seen, today, timeOfDay))
            continue;
        // A snooze may move it in the list; the reminder itself stays where it is.
        const TReminder& reminder = *list.At(index);
        const int answer = Fire(reminder, oneTime, now).code;
        // While the notification waited, a command from outside may have added reminders
        // before this one: the answer goes to the reminder that fired, wherever it is now.
        index = list.IndexOf(&reminder);
        if (index < 0)
            break;
        if (ApplyAnswer(list, oneTime, index, answer)) {
            anyMarked = anyMarked || reminder.Status == StatusDeleteMark;
            // Each answer reaches the file before the next notification is shown; a reminder
            // marked for deletion is left out of it, and leaves the list after the pass.
            store_.Save();
        }
        now = clock_.Now();
        today = DatePartOf(now);
        timeOfDay = Clock::TimeOfDayOf(now);
    }
    if (anyMarked)
        RemoveMarked(list);
    RememberEarliestDue(list, today, earliest);
    return now;
}

NotificationAnswer CheckCycle::Fire(const TReminder& reminder, bool oneTime, TDateTime now) {
    const ListKind kind = oneTime ? ListKind::OneTime : ListKind::Repeating;
    for (CycleObserver* observer : observers_)
        observer->FellDue(reminder, kind, now);
    const std::uint8_t type = reminder.EventType;
    if (type == EventShowAndPlay || type == EventPlayOnly)
        notifier_.PlaySound(reminder.SoundFile);
    NotificationAnswer answer;
    if (type == EventShowAndPlay || type == EventShowOnly)
        answer =
            notifier_.Show(reminder, NotificationOptions{
                                         .allowDelete = oneTime,
                                         .timeoutSeconds = settings_.TimeoutSeconds,
                                         .timeoutAction = settings_.TimeoutAction,
                                         .repeatSoundSeconds = RepeatSoundSeconds(settings_, type),
                                     });
    for (CycleObserver* observer : observers_)
        observer->Answered(reminder, kind, answer);
    return answer;
}

bool CheckCycle::ApplyAnswer(ReminderList& list, bool oneTime, int index, int answer) {
    if (answer < 0) {
        Snooze(list, oneTime, index, -answer);
        return true;
    }
    TReminder& reminder = *list.At(index);
    // No notification shown (answered 0) counts as Ok.
    if (answer == 0 || answer == Notifier::Ok) {
        if (oneTime) {
            reminder.Status = StatusDone;
            reminder.UpdateNormalStatus(clock_);
        } else {
            reminder.ScheduleTodayAfresh(clock_);
        }
        list.Changed();
        return true;
    }
    if (answer == Notifier::Delete) {
        reminder.Status = StatusDeleteMark;
        return true;
    }
    // Any other answer (a notification closed unanswered) leaves the reminder as it was.
    return false;
}

void CheckCycle::Snooze(ReminderList& list, bool oneTime, int index, int minutes) {
    TReminder& reminder = *list.At(index);
    reminder.When = AddMinutes(minutes, clock_.Now());
    // A one-time reminder is judged again and moves to its place in the list. A repeating
    // one stays Pending and where it is: a time on a later day never fires, and the new
    // day's schedule replaces it.
    if (oneTime) {
        reminder.UpdateNormalStatus(clock_);
        list.MoveToDateTimeSlot(index);
    }
    list.Changed();
}

} // namespace nudgery

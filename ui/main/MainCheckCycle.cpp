// The check cycle of the main window: each tick of Timer1 shows the time, starts a new day
// when the date has moved on, and every fifth tick fires the reminders that have fallen due
// and applies the user's answers to them.
#include "Main.h"
#include "alerts/Alarmsh.h"
#include "alerts/Settings.h"
#include "alerts/SoundPlayback.h"
#include "core/clock.h"
#include "core/due_time.h"
#include "ui/controls/Graphp.h"

#include <QTimer>
#include <utility>

namespace nudgery {

namespace {

constexpr int kTicksPerCheck = 5;

// Answers of the notification window.
constexpr int kNoWindow = 0;
constexpr int kOk = 1;
constexpr int kDelete = 2;

void Redraw(TClickableStringGrid& grid) {
    grid.viewport()->update();
}

} // namespace

void TMainForm::ShowTime(TDateTime now) {
    TimePanel->SetCaption(QString::fromLocal8Bit(services_.formats.Format("hh:mm:ssam/pm", now)));
}

void TMainForm::Timer1Timer() {
    // Stopped for the whole tick, so that a notification's own event loop cannot start
    // another tick.
    Timer1->stop();
    // One reading of the clock serves the tick; the clock panel repaints with the event
    // loop, once.
    TDateTime now = services_.clock.Now();
    ShowTime(now);
    if (DatePartOf(now) > LoadedDate) {
        // No check on this tick, and the counter keeps its value.
        StartNewDay();
        Timer1->start();
        return;
    }
    if (++CheckCounter >= kTicksPerCheck) {
        CheckCounter = 0;
        now = CheckNormalAlarms(now);
        CheckRepeatAlarms(now);
    }
    if (EndRequested) {
        EndRequested = false;
        if (close())
            return;
    }
    Timer1->start();
}

void TMainForm::StartNewDay() {
    // The answers given since the last save would be lost by reloading the file, so they
    // are saved first. When that fails the file is stale: the lists in memory are judged
    // for the new day instead, as a load would judge them.
    if (SaveToDisk()) {
        Reload();
    } else {
        JudgeListsAfresh();
        LoadedDate = services_.clock.Today();
    }
    Redraw(*AlarmGrid);
    Redraw(*RepeatingAlarmGrid);
    ShowLoadReports();
}

void TMainForm::JudgeListsAfresh() {
    const Clock& clock = services_.clock;
    for (int row = 1; row < AlarmGrid->RowCount(); ++row)
        if (TReminder* reminder = AlarmGrid->Object(row)) {
            const std::uint8_t before = reminder->Status;
            reminder->UpdateNormalStatus(clock);
            if (FellDueUnseen(before, reminder->Status))
                missed_.push_back(*reminder);
        }
    for (int row = 1; row < RepeatingAlarmGrid->RowCount(); ++row)
        if (TReminder* reminder = RepeatingAlarmGrid->Object(row))
            reminder->ScheduleTodayAfresh(clock);
}

TDateTime TMainForm::CheckNormalAlarms(TDateTime now) {
    return CheckAlarms(*AlarmGrid, true, now, normalDue_);
}

TDateTime TMainForm::CheckRepeatAlarms(TDateTime now) {
    return CheckAlarms(*RepeatingAlarmGrid, false, now, repeatingDue_);
}

TDateTime TMainForm::CheckAlarms(TClickableStringGrid& grid, bool oneTime, TDateTime now,
                                 EarliestDueTime& earliest) {
    // The clock is read again only after a reminder fired: time passes only while a
    // notification waits for its answer, and a pass over a long list stays cheap.
    TDateTime today = DatePartOf(now);
    TDateTime timeOfDay = Clock::TimeOfDayOf(now);
    // Until the list changes or the day does, nothing falls due before its earliest time.
    if (earliest.NothingDue(grid.Revision(), today, timeOfDay))
        return now;
    const Clock& clock = services_.clock;
    const int count = grid.RowCount() - 1;
    bool anyMarked = false;
    // A request to end the program stops the pass: no further notification is shown.
    for (int row = 1; row <= count && !EndRequested; ++row) {
        if (const TReminder* seen = std::as_const(grid).Object(row);
            !seen || !FallsDue(*seen, today, timeOfDay))
            continue;
        TReminder* reminder = grid.Object(row);
        const std::uint8_t type = reminder->EventType;
        if (type == EventShowAndPlay || type == EventPlayOnly)
            PlaySoundNow(reminder->SoundFile);
        int result = kNoWindow;
        if (type == EventShowAndPlay || type == EventShowOnly) {
            result = NotificationWindow().ShowNotification(
                QString::fromLocal8Bit(reminder->Description), oneTime,
                services_.settings.TimeoutSeconds, services_.settings.TimeoutAction);
        }
        if (ApplyAnswer(grid, oneTime, row, result)) {
            anyMarked = anyMarked || reminder->Status == StatusDeleteMark;
            // Each answer reaches the file before the next notification is shown; a
            // reminder marked for deletion is left out of it, its row goes after the pass.
            SaveToDisk();
        }
        now = clock.Now();
        today = DatePartOf(now);
        timeOfDay = Clock::TimeOfDayOf(now);
    }
    if (anyMarked) {
        for (int row = grid.RowCount() - 1; row >= 1; --row) {
            const TReminder* reminder = std::as_const(grid).Object(row);
            if (reminder && reminder->Status == StatusDeleteMark)
                grid.DeleteRow(row);
        }
        Redraw(grid);
    }
    RememberEarliestDue(grid, today, earliest);
    return now;
}

void TMainForm::RememberEarliestDue(const TClickableStringGrid& grid, TDateTime today,
                                    EarliestDueTime& earliest) {
    earliest.Restart(grid.Revision(), today);
    for (int row = 1; row < grid.RowCount(); ++row)
        if (const TReminder* reminder = grid.Object(row))
            earliest.Consider(*reminder);
}

bool TMainForm::ApplyAnswer(TClickableStringGrid& grid, bool oneTime, int row, int result) {
    TReminder& reminder = *grid.Object(row);
    if (result < 0) {
        if (oneTime)
            AdjustForSnooze(row, -result);
        else
            AdjustRepeatForSnooze(row, -result);
        return true;
    }
    if (result == kNoWindow || result == kOk) {
        if (oneTime) {
            reminder.Status = StatusDone;
            reminder.UpdateNormalStatus(services_.clock);
        } else {
            reminder.ScheduleTodayAfresh(services_.clock);
        }
        Redraw(grid);
        return true;
    }
    if (result == kDelete) {
        reminder.Status = StatusDeleteMark;
        return true;
    }
    // Any other answer (a window closed unanswered) leaves the reminder as it was.
    return false;
}

void TMainForm::AdjustForSnooze(int row, int minutes) {
    TReminder& reminder = *AlarmGrid->Object(row);
    reminder.When = AddMinutes(minutes, services_.clock.Now());
    reminder.UpdateNormalStatus(services_.clock);
    MoveGridRowToCorrectDateTimeSlot(row, false);
    Redraw(*AlarmGrid);
}

void TMainForm::AdjustRepeatForSnooze(int row, int minutes) {
    // The status stays Pending and the row stays where it is; a time on a later day never
    // fires, and the new day's schedule replaces it.
    RepeatingAlarmGrid->Object(row)->When = AddMinutes(minutes, services_.clock.Now());
    Redraw(*RepeatingAlarmGrid);
}

void TMainForm::PlaySoundNow(const std::string& path) {
    services_.sound.PlaySoundNow(path);
}

void TMainForm::PlayTheSound(const std::string& path) {
    services_.sound.PlayTheSound(path);
}

void TMainForm::Shutup() {
    services_.sound.Shutup();
}

} // namespace nudgery

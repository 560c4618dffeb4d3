#pragma once
// TEditAlarmExact: the dialog in which a one-time reminder is written or changed: its
// message, its date on a month calendar, its time of day, what happens when it falls due,
// and its sound file. It touches no reminder and no list: the caller sets the values
// below, shows it modally, and on Accepted reads them back.

#include "ReminderEditor.h"
#include "core/datetime.h"

class QLabel;

namespace nudgery {

class TCalendar;
class TTimeEntry;

class TEditAlarmExact : public TReminderEditor {
    Q_OBJECT
public:
    static constexpr int HelpTopic = 1004;

    explicit TEditAlarmExact(const EditorServices& services, QWidget* parent = nullptr);

    // The date and time to start from: the calendar shows its date and the time edit its
    // time of day in the user's format; left as they are, they are saved exactly as given.
    // A value that cannot be shown (a damaged data file) starts from today and the present
    // time instead.
    void SetWhen(TDateTime when);
    // A new reminder is offered the minute five minutes from now, on the date on which that
    // time falls.
    void SetWhenForNewReminder();

    // The result of a successful Save: the calendar's date plus the typed time.
    TDateTime EditorWhen() const { return editorWhen_; }

    // The handlers, by their control.
    void SetAlarmButtonClick() override;
    void CalendarChange();

private:
    void AddDateAndTimeFrame(QPoint at);
    void AddCalendarButtons(QWidget& frame, QPoint at);

    TCalendar* calendar_;
    QLabel* dateLabel_;
    TTimeEntry* timeEntry_;
    TDateTime editorWhen_ = 0;
};

} // namespace nudgery

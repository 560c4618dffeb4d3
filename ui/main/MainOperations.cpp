// The list operations of the main window: adding, editing, cloning, deleting and shifting
// reminders. Every change reaches the data file at once.
#include "Main.h"
#include "TimerPause.h"
#include "alerts/Settings.h"
#include "core/clock.h"
#include "platform/message_boxes.h"
#include "ui/editors/Editex.h"
#include "ui/editors/EditorServices.h"
#include "ui/editors/Editrep.h"

#include <QAction>
#include <QStackedWidget>
#include <cmath>

namespace nudgery {

namespace {

constexpr double SecondsPerDay = 86400;

// The program's minute is a shade longer than 1/1440 day, so a shift by whole minutes would
// move the seconds too: "-1 Day" on 9:30 would give 9:29:59.93 and show 9:29.
TDateTime ToWholeSecond(TDateTime value) {
    return DatePartOf(value) + std::round(TimePartOf(value) * SecondsPerDay) / SecondsPerDay;
}

// What a new reminder of either kind starts from: the user's default sound, when that file
// exists, and default action.
void OfferDefaults(TReminderEditor& editor, const Settings& settings) {
    editor.OfferDefaultSoundFile(settings.DefaultSoundFile);
    editor.SetEditorEventType(static_cast<std::uint8_t>(settings.DefaultEventType));
}

// What both editors show of a reminder being edited, besides its times.
void ShowReminder(TReminderEditor& editor, const TReminder& reminder) {
    editor.SetEditorSoundFile(reminder.SoundFile);
    editor.SetEditorEventType(reminder.EventType);
    editor.SetDescription(reminder.Description);
}

// A repeating reminder as the editor leaves it, not yet scheduled; fields the editor does not
// carry keep their defaults.
std::unique_ptr<TReminder> RepeatingFrom(const TEditAlarmRepeating& editor) {
    return TReminder::CreateRepeating(KindRepeating, editor.EditorFirstTime(), editor.HasUntil(),
                                      editor.EditorUntilTime(), editor.EditorDaySpec(),
                                      editor.RepeatMinutes(), editor.Description(),
                                      editor.EditorSoundFile(), editor.EditorEventType());
}

} // namespace

EditorServices TMainForm::ServicesForEditors() {
    return {services_.clock,         services_.formats,
            services_.messages,      services_.help,
            services_.sound,         services_.files,
            services_.programFolder, [this](QWidget& dialog) { CenterForm(dialog); }};
}

void TMainForm::AddAlarmButtonClick() {
    if (Notebook->currentIndex() == 0)
        AddNormal();
    else
        AddRepeating();
    SetButtons();
}

void TMainForm::EditAlarmButtonClick() {
    if (Notebook->currentIndex() == 0)
        EditNormal();
    else
        EditRepeating();
    SetButtons();
}

void TMainForm::AddNormal() {
    const TimerPause pause(*Timer1);
    TEditAlarmExact editor(ServicesForEditors(), this);
    OfferDefaults(editor, services_.settings);
    editor.SetWhenForNewReminder();
    CenterForm(editor);
    if (editor.exec() != QDialog::Accepted)
        return;
    AlarmGrid->AddRow();
    const int row = AlarmGrid->RowCount() - 1;
    AlarmGrid->SetObject(
        row, TReminder::CreateNormal(KindOneTime, editor.EditorWhen(), editor.Description(),
                                     editor.EditorSoundFile(), editor.EditorEventType()));
    TReminder* added = AlarmGrid->Object(row);
    added->UpdateNormalStatus(services_.clock);
    MoveGridRowToCorrectDateTimeSlot(row, true);
    // Later than every other, it stays last without a move; selected all the same, so the
    // next Edit or Delete acts on the reminder just written.
    if (AlarmGrid->Object(row) == added)
        AlarmGrid->SetRow(row);
    SaveToDisk();
}

void TMainForm::EditNormal() {
    const int row = AlarmGrid->Row();
    if (row < 1)
        return;
    const TimerPause pause(*Timer1);
    TReminder& reminder = *AlarmGrid->Object(row);
    TEditAlarmExact editor(ServicesForEditors(), this);
    ShowReminder(editor, reminder);
    editor.SetWhen(reminder.When);
    CenterForm(editor);
    if (editor.exec() != QDialog::Accepted)
        return;
    reminder.Description = editor.Description();
    reminder.SoundFile = editor.EditorSoundFile();
    reminder.When = editor.EditorWhen();
    reminder.EventType = editor.EditorEventType();
    reminder.Status = StatusPending;
    reminder.UpdateNormalStatus(services_.clock);
    MoveGridRowToCorrectDateTimeSlot(row, true);
    AlarmGrid->viewport()->update();
    SaveToDisk();
}

void TMainForm::AddRepeating() {
    const TimerPause pause(*Timer1);
    TEditAlarmRepeating editor(ServicesForEditors(), this);
    OfferDefaults(editor, services_.settings);
    editor.SetTimesForNewReminder();
    editor.SetEditorDaySpec("12345");
    CenterForm(editor);
    if (editor.exec() != QDialog::Accepted)
        return;
    // The repeating list keeps the order of adding: the new reminder stays last.
    RepeatingAlarmGrid->AddRow();
    const int row = RepeatingAlarmGrid->RowCount() - 1;
    RepeatingAlarmGrid->SetObject(row, RepeatingFrom(editor));
    RepeatingAlarmGrid->Object(row)->ScheduleToday(services_.clock);
    // The selection stays, unless there was none: the first reminder of a list is selected.
    if (RepeatingAlarmGrid->Row() < 1)
        RepeatingAlarmGrid->SetRow(row);
    SaveToDisk();
}

void TMainForm::EditRepeating() {
    const int row = RepeatingAlarmGrid->Row();
    if (row < 1)
        return;
    const TimerPause pause(*Timer1);
    const TReminder& reminder = *RepeatingAlarmGrid->Object(row);
    TEditAlarmRepeating editor(ServicesForEditors(), this);
    ShowReminder(editor, reminder);
    editor.SetFirstTime(reminder.FirstTime);
    editor.SetUntilTime(reminder.UntilTime);
    editor.SetEditorDaySpec(reminder.DaySpec);
    editor.SetRepeatMinutes(reminder.RepeatMinutes);
    editor.SetHasUntil(reminder.HasUntil);
    CenterForm(editor);
    if (editor.exec() != QDialog::Accepted)
        return;
    // Rebuilt in the same row; the old reminder goes with its replacement.
    RepeatingAlarmGrid->SetObject(row, RepeatingFrom(editor));
    RepeatingAlarmGrid->Object(row)->ScheduleToday(services_.clock);
    RepeatingAlarmGrid->viewport()->update();
    SaveToDisk();
}

void TMainForm::DeleteAlarmButtonClick() {
    const TimerPause pause(*Timer1);
    TClickableStringGrid& grid = Notebook->currentIndex() == 0 ? *AlarmGrid : *RepeatingAlarmGrid;
    const int row = grid.Row();
    if (row >= 1 && services_.messages.AskConfirm(this, QStringLiteral("Delete this reminder?"))) {
        grid.DeleteRow(row);
        SaveToDisk();
    }
    SetButtons();
}

void TMainForm::CloneButtonClick() {
    const int row = AlarmGrid->Row();
    if (row < 1)
        return;
    AlarmGrid->AddRow();
    const int copy = AlarmGrid->RowCount() - 1;
    AlarmGrid->SetObject(copy, AlarmGrid->Object(row)->Clone());
    // By the tie rule the copy lands directly above its original at the latest.
    MoveGridRowToCorrectDateTimeSlot(copy, true);
    SaveToDisk();
}

void TMainForm::AdjustTime(QAction* item) {
    const int row = AlarmGrid->Row();
    if (row < 1)
        return;
    TReminder& reminder = *AlarmGrid->Object(row);
    reminder.When = ToWholeSecond(AddMinutes(item->property("Tag").toInt(), reminder.When));
    reminder.Status = StatusPending;
    reminder.UpdateNormalStatus(services_.clock);
    MoveGridRowToCorrectDateTimeSlot(row, true);
    AlarmGrid->viewport()->update();
    SaveToDisk();
}

void TMainForm::mnuDeleteremindersmarkedasdoneClick() {
    if (services_.messages.AskConfirm(
            this, QStringLiteral("Delete all reminders which are marked as Done?")))
        DeleteAllDone();
}

void TMainForm::Deleteremindersmarkedasexpired1Click() {
    if (services_.messages.AskConfirm(
            this, QStringLiteral("Delete all reminders which are marked as Expired?")))
        DeleteAllExpired();
}

void TMainForm::DeleteAllDone() {
    DeleteAllWithStatus(StatusDone, "Done");
}

void TMainForm::DeleteAllExpired() {
    DeleteAllWithStatus(StatusExpired, "Expired");
}

void TMainForm::DeleteAllWithStatus(std::uint8_t status, const char* statusName) {
    if (AlarmGrid->RowCount() <= 1)
        return;
    int deleted = 0;
    for (int row = AlarmGrid->RowCount() - 1; row >= 1; --row) {
        const TReminder* reminder = AlarmGrid->Object(row);
        if (reminder && reminder->Status == status) {
            AlarmGrid->DeleteRow(row);
            ++deleted;
        }
    }
    if (deleted == 0) {
        services_.messages.ShowInfo(this, QStringLiteral("No reminders deleted"));
        return;
    }
    // Saved before the report, which may stay open a long time.
    SaveToDisk();
    services_.messages.ShowInfo(
        this, QStringLiteral("Deleted %1 reminders marked %2").arg(deleted).arg(statusName));
}

} // namespace nudgery

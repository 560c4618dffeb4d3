// The list operations of the main window: adding, editing, cloning, deleting and shifting
// reminders. Every change reaches the data file at once.
#include "DeleteQuestion.h"
#include "Main.h"
#include "MainPrivate.h"
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

// The message of a row's reminder, as the list shows it.
QString MessageOf(const TClickableStringGrid& grid, int row) {
    const TReminder* reminder = grid.Object(row);
    return reminder ? QString::fromLocal8Bit(reminder->Description) : QString();
}

} // namespace

EditorServices MainPrivate::ServicesForEditors() {
    return {services.clock,         services.formats,
            services.messages,      services.help,
            services.sound,         services.files,
            services.programFolder, [this](QWidget& dialog) { q.CenterForm(dialog); }};
}

void MainPrivate::AddAlarmButtonClick() {
    if (Notebook->currentIndex() == 0)
        AddNormal();
    else
        AddRepeating();
    SetButtons();
}

void MainPrivate::EditAlarmButtonClick() {
    if (Notebook->currentIndex() == 0)
        EditNormal();
    else
        EditRepeating();
    SetButtons();
}

void MainPrivate::AddNormal() {
    const TimerPause pause(*Timer1);
    TEditAlarmExact editor(ServicesForEditors(), &q);
    OfferDefaults(editor, services.settings);
    editor.SetWhenForNewReminder();
    q.CenterForm(editor);
    if (editor.exec() != QDialog::Accepted)
        return;
    AlarmGrid->AddRow();
    const int row = AlarmGrid->RowCount() - 1;
    AlarmGrid->SetObject(
        row, TReminder::CreateNormal(KindOneTime, editor.EditorWhen(), editor.Description(),
                                     editor.EditorSoundFile(), editor.EditorEventType()));
    TReminder* added = AlarmGrid->Object(row);
    added->UpdateNormalStatus(services.clock);
    oneTime_.MoveRowToDateTimeSlot(row, true);
    // Later than every other, it stays last without a move; selected all the same, so the
    // next Edit or Delete acts on the reminder just written.
    if (AlarmGrid->Object(row) == added)
        AlarmGrid->SetRow(row);
    listsFile_.Save();
}

void MainPrivate::EditNormal() {
    if (AlarmGrid->Row() < 1)
        return;
    const TimerPause pause(*Timer1);
    TReminder& reminder = *AlarmGrid->Object(AlarmGrid->Row());
    TEditAlarmExact editor(ServicesForEditors(), &q);
    ShowReminder(editor, reminder);
    editor.SetWhen(reminder.When);
    q.CenterForm(editor);
    if (editor.exec() != QDialog::Accepted)
        return;
    // Reminders added from outside while the editor was open may have moved it down.
    const int row = oneTime_.IndexOf(&reminder) + 1;
    reminder.Description = editor.Description();
    reminder.SoundFile = editor.EditorSoundFile();
    reminder.When = editor.EditorWhen();
    reminder.EventType = editor.EditorEventType();
    reminder.Status = StatusPending;
    reminder.UpdateNormalStatus(services.clock);
    oneTime_.MoveRowToDateTimeSlot(row, true);
    AlarmGrid->viewport()->update();
    listsFile_.Save();
}

void MainPrivate::AddRepeating() {
    const TimerPause pause(*Timer1);
    TEditAlarmRepeating editor(ServicesForEditors(), &q);
    OfferDefaults(editor, services.settings);
    editor.SetTimesForNewReminder();
    editor.SetEditorDaySpec("12345");
    q.CenterForm(editor);
    if (editor.exec() != QDialog::Accepted)
        return;
    // The repeating list keeps the order of adding: the new reminder stays last.
    RepeatingAlarmGrid->AddRow();
    const int row = RepeatingAlarmGrid->RowCount() - 1;
    RepeatingAlarmGrid->SetObject(row, RepeatingFrom(editor));
    RepeatingAlarmGrid->Object(row)->ScheduleToday(services.clock);
    // The selection stays, unless there was none: the first reminder of a list is selected.
    if (RepeatingAlarmGrid->Row() < 1)
        RepeatingAlarmGrid->SetRow(row);
    listsFile_.Save();
}

void MainPrivate::EditRepeating() {
    if (RepeatingAlarmGrid->Row() < 1)
        return;
    const TimerPause pause(*Timer1);
    const TReminder& reminder = *RepeatingAlarmGrid->Object(RepeatingAlarmGrid->Row());
    TEditAlarmRepeating editor(ServicesForEditors(), &q);
    ShowReminder(editor, reminder);
    editor.SetFirstTime(reminder.FirstTime);
    editor.SetUntilTime(reminder.UntilTime);
    editor.SetEditorDaySpec(reminder.DaySpec);
    editor.SetRepeatMinutes(reminder.RepeatMinutes);
    editor.SetHasUntil(reminder.HasUntil);
    q.CenterForm(editor);
    if (editor.exec() != QDialog::Accepted)
        return;
    // Rebuilt in the same row, wherever reminders added meanwhile left it; the old reminder
    // goes with its replacement.
    const int row = repeating_.IndexOf(&reminder) + 1;
    RepeatingAlarmGrid->SetObject(row, RepeatingFrom(editor));
    RepeatingAlarmGrid->Object(row)->ScheduleToday(services.clock);
    RepeatingAlarmGrid->viewport()->update();
    listsFile_.Save();
}

void MainPrivate::DeleteAlarmButtonClick() {
    const TimerPause pause(*Timer1);
    GridReminderList& list = Notebook->currentIndex() == 0 ? oneTime_ : repeating_;
    TClickableStringGrid& grid = list.Grid();
    const int row = grid.Row();
    const TReminder* asked = row >= 1 ? grid.Object(row) : nullptr;
    if (asked && services.messages.AskConfirm(&q, DeleteQuestion(MessageOf(grid, row)))) {
        // The one asked about, wherever reminders added meanwhile from outside moved it.
        grid.DeleteRow(list.IndexOf(asked) + 1);
        listsFile_.Save();
    }
    SetButtons();
}

void MainPrivate::CloneButtonClick() {
    const int row = AlarmGrid->Row();
    if (row < 1)
        return;
    AlarmGrid->AddRow();
    const int copy = AlarmGrid->RowCount() - 1;
    AlarmGrid->SetObject(copy, AlarmGrid->Object(row)->Clone());
    // By the tie rule the copy lands directly above its original at the latest.
    oneTime_.MoveRowToDateTimeSlot(copy, true);
    listsFile_.Save();
}

void MainPrivate::AdjustTime(QAction* item) {
    const int row = AlarmGrid->Row();
    if (row < 1)
        return;
    TReminder& reminder = *AlarmGrid->Object(row);
    reminder.When = ToWholeSecond(AddMinutes(item->property("Tag").toInt(), reminder.When));
    reminder.Status = StatusPending;
    reminder.UpdateNormalStatus(services.clock);
    oneTime_.MoveRowToDateTimeSlot(row, true);
    AlarmGrid->viewport()->update();
    listsFile_.Save();
}

void MainPrivate::mnuDeleteremindersmarkedasdoneClick() {
    if (services.messages.AskConfirm(&q, tr("Delete all reminders which are marked as Done?")))
        DeleteAllDone();
}

void MainPrivate::Deleteremindersmarkedasexpired1Click() {
    if (services.messages.AskConfirm(&q, tr("Delete all reminders which are marked as Expired?")))
        DeleteAllExpired();
}

void MainPrivate::DeleteAllDone() {
    DeleteAllWithStatus(StatusDone, tr("Done"));
}

void MainPrivate::DeleteAllExpired() {
    DeleteAllWithStatus(StatusExpired, tr("Expired"));
}

void MainPrivate::DeleteAllWithStatus(std::uint8_t status, const QString& statusName) {
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
        services.messages.ShowInfo(&q, tr("No reminders deleted"));
        return;
    }
    // Saved before the report, which may stay open a long time.
    listsFile_.Save();
    services.messages.ShowInfo(&q,
                               tr("Deleted %1 reminders marked %2").arg(deleted).arg(statusName));
}

} // namespace nudgery

// Reminders to and from calendar files, from the File menu: the export writes both lists;
// the import shows what it will add and what it cannot take, and adds only once the user
// agrees.
#include "ImportPreview.h"
#include "Main.h"
#include "TimerPause.h"
#include "alerts/Settings.h"
#include "core/calendar_import.h"
#include "core/clock.h"
#include "platform/calendar_transfer.h"
#include "platform/file_chooser.h"
#include "platform/message_boxes.h"

#include <QDir>

namespace nudgery {

void TMainForm::mnuExportCalendarClick() {
    const TimerPause pause(*Timer1);
    const auto path = services_.files.ChooseCalendarFileToSave(
        this, QDir::home().filePath(QStringLiteral("Nudgery.ics")));
    if (!path)
        return;
    try {
        const std::size_t written = ExportCalendarFile(
            *path, Reminders(*AlarmGrid), Reminders(*RepeatingAlarmGrid), services_.clock);
        const QString count = written == 1 ? QStringLiteral("1 reminder")
                                           : QStringLiteral("%1 reminders").arg(written);
        services_.messages.ShowInfo(this, QStringLiteral("%1 written to %2").arg(count, *path));
    } catch (const CalendarFileError& error) {
        ReportError(error);
    }
}

void TMainForm::mnuImportCalendarClick() {
    const TimerPause pause(*Timer1);
    const auto path = services_.files.ChooseCalendarFileToOpen(this);
    if (!path)
        return;
    const QString memoryPath = ImportMemoryPath(DataFileName());
    const ImportMemory memory = LoadImportMemory(memoryPath);
    const auto oneTime = Reminders(*AlarmGrid);
    const auto repeating = Reminders(*RepeatingAlarmGrid);
    const ImportDefaults defaults{static_cast<std::uint8_t>(services_.settings.DefaultEventType),
                                  services_.settings.DefaultSoundFile};
    ImportPlan plan;
    try {
        plan = PlanCalendarFileImport(
            *path, {oneTime, repeating, memory, defaults, services_.clock.Now()});
    } catch (const CalendarFileError& error) {
        services_.messages.ShowInfo(this, QString::fromLocal8Bit(error.what()));
        return;
    }
    TImportPreview preview(plan, *path, services_.formats, this);
    CenterForm(preview);
    if (preview.exec() != QDialog::Accepted)
        return;
    AddImported(plan);
    SetButtons();
    if (!SaveToDisk())
        return;
    try {
        RememberImport(memoryPath, plan);
    } catch (const CalendarFileError& error) {
        ReportError(error);
    }
}

void TMainForm::AddImported(const ImportPlan& plan) {
    for (const PlannedReminder& planned : plan.reminders) {
        TClickableStringGrid& grid =
            planned.list == ReminderList::OneTime ? *AlarmGrid : *RepeatingAlarmGrid;
        grid.AddRow();
        const int row = grid.RowCount() - 1;
        grid.SetObject(row, std::make_unique<TReminder>(planned.reminder));
        JudgeAdded(*grid.Object(row), planned.list, services_.clock);
        if (planned.list == ReminderList::OneTime)
            MoveGridRowToCorrectDateTimeSlot(row, false);
    }
    for (TClickableStringGrid* grid : {AlarmGrid, RepeatingAlarmGrid})
        if (grid->Row() < 1 && grid->RowCount() > 1)
            grid->SetRow(1);
}

} // namespace nudgery

// Reminders to and from calendar files, from the File menu: the export writes both lists;
// the import shows what it will add and what it cannot take, and adds only once the user
// agrees.
#include "ImportPreview.h"
#include "Main.h"
#include "MainPrivate.h"
#include "TimerPause.h"
#include "alerts/Settings.h"
#include "core/calendar_import.h"
#include "core/clock.h"
#include "platform/calendar_transfer.h"
#include "platform/file_chooser.h"
#include "platform/message_boxes.h"

#include <QDir>

namespace nudgery {

void MainPrivate::mnuExportCalendarClick() {
    const TimerPause pause(*Timer1);
    const auto path = services.files.ChooseCalendarFileToSave(
        &q, QDir::home().filePath(QStringLiteral("Nudgery.ics")));
    if (!path)
        return;
    try {
        const std::size_t written = ExportCalendarFile(*path, KeptReminders(oneTime_),
                                                       KeptReminders(repeating_), services.clock);
        const QString count = written == 1 ? tr("1 reminder") : tr("%1 reminders").arg(written);
        services.messages.ShowInfo(&q, tr("%1 written to %2").arg(count, *path));
    } catch (const CalendarFileError& error) {
        ReportError(error);
    }
}

void MainPrivate::mnuImportCalendarClick() {
    const TimerPause pause(*Timer1);
    const auto path = services.files.ChooseCalendarFileToOpen(&q);
    if (!path)
        return;
    const QString memoryPath = ImportMemoryPath(listsFile_.Path());
    const ImportMemory memory = LoadImportMemory(memoryPath);
    const auto oneTime = KeptReminders(oneTime_);
    const auto repeating = KeptReminders(repeating_);
    const ImportDefaults defaults{static_cast<std::uint8_t>(services.settings.DefaultEventType),
                                  services.settings.DefaultSoundFile};
    ImportPlan plan;
    try {
        plan = PlanCalendarFileImport(*path,
                                      {oneTime, repeating, memory, defaults, services.clock.Now()});
    } catch (const CalendarFileError& error) {
        services.messages.ShowInfo(&q, QString::fromLocal8Bit(error.what()));
        return;
    }
    TImportPreview preview(plan, *path, services.formats, &q);
    q.CenterForm(preview);
    if (preview.exec() != QDialog::Accepted)
        return;
    AddImported(plan);
    SetButtons();
    if (!listsFile_.Save())
        return;
    try {
        RememberImport(memoryPath, plan);
    } catch (const CalendarFileError& error) {
        ReportError(error);
    }
}

void MainPrivate::AddImported(const ImportPlan& plan) {
    for (const PlannedReminder& planned : plan.reminders) {
        TClickableStringGrid& grid =
            planned.list == ListKind::OneTime ? *AlarmGrid : *RepeatingAlarmGrid;
        grid.AddRow();
        const int row = grid.RowCount() - 1;
        grid.SetObject(row, std::make_unique<TReminder>(planned.reminder));
        JudgeAdded(*grid.Object(row), planned.list, services.clock);
        if (planned.list == ListKind::OneTime)
            oneTime_.MoveRowToDateTimeSlot(row, false);
    }
    for (TClickableStringGrid* grid : {AlarmGrid, RepeatingAlarmGrid})
        if (grid->Row() < 1 && grid->RowCount() > 1)
            grid->SetRow(1);
}

} // namespace nudgery

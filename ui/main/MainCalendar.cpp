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
#include "platform/calendar_data_file.h"
#include "platform/calendar_transfer.h"
#include "platform/file_chooser.h"
#include "platform/message_boxes.h"

#include <QDir>
#include <stdexcept>

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
    const ImportDefaults defaults{static_cast<std::uint8_t>(services.settings.DefaultEventType),
                                  services.settings.DefaultSoundFile};
    const auto agree = [&](const ImportPlan& plan) {
        TImportPreview preview(plan, *path, services.formats, &q);
        q.CenterForm(preview);
        return preview.exec() == QDialog::Accepted && !plan.reminders.empty();
    };
    try {
        const DataFileImport imported =
            ImportCalendarIntoLists(*path, oneTime_, repeating_, listsFile_.Path(), defaults,
                                    services.clock, agree, [this] { listsFile_.SaveOrThrow(); });
        if (!imported.memoryError.isEmpty())
            ReportError(std::runtime_error(imported.memoryError.toLocal8Bit().toStdString()));
    } catch (const CalendarFileError& error) {
        services.messages.ShowInfo(&q, QString::fromLocal8Bit(error.what()));
    } catch (const std::exception& error) {
        ReportError(error);
    }
    SelectFirstRows();
    SetButtons();
}

void MainPrivate::SelectFirstRows() {
    for (TClickableStringGrid* grid : {AlarmGrid, RepeatingAlarmGrid})
        if (grid->Row() < 1 && grid->RowCount() > 1)
            grid->SetRow(1);
}

} // namespace nudgery

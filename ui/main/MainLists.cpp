// The two reminder lists of the main window: what their cells show, their order, and
// their way to and from the data file.
#include "Main.h"
#include "core/clock.h"
#include "core/data_file.h"
#include "platform/damaged_file_report.h"
#include "platform/data_file_store.h"

#include <utility>

namespace nudgery {

namespace {

const QColor NoMark(255, 255, 255);
const QColor Red(255, 0, 0);
const QColor Yellow(255, 255, 0);
const QColor Blue(0, 0, 255);
const QColor Grey(128, 128, 128);

QString Shown(const std::string& bytes) {
    return QString::fromLocal8Bit(bytes);
}

QColor StatusMark(std::uint8_t status) {
    switch (status) {
    case StatusPending:
        return Red;
    case StatusDone:
        return Yellow;
    case StatusExpired:
        return Blue;
    case StatusNotToday:
        return Grey;
    default:
        return NoMark;
    }
}

// Loads straight into the two grids: each row owns the reminder read into it. One-time
// reminders that the load expires unseen are added to `missed`.
class GridListSink final : public ReminderListSink {
public:
    GridListSink(TClickableStringGrid& oneTime, TClickableStringGrid& repeating,
                 std::vector<TReminder>& missed)
        : oneTime_(oneTime), repeating_(repeating), missed_(missed) {}

    TReminder& AddOneTime(std::unique_ptr<TReminder> reminder) override {
        return Add(oneTime_, std::move(reminder));
    }
    TReminder& AddRepeating(std::unique_ptr<TReminder> reminder) override {
        return Add(repeating_, std::move(reminder));
    }
    void RepeatingLoaded(TReminder& reminder) override {
        // The description's bytes are the cell's text: both are in the locale's encoding,
        // UTF-8 here. The row shares them with the reminder.
        repeating_.SetFirstCell(repeating_.RowCount() - 1, reminder.Description);
    }
    void OneTimeLoaded(TReminder& reminder, std::uint8_t storedStatus) override {
        if (FellDueUnseen(storedStatus, reminder.Status))
            missed_.push_back(reminder);
    }

private:
    static TReminder& Add(TClickableStringGrid& grid, std::unique_ptr<TReminder> reminder) {
        grid.AddRow();
        const int row = grid.RowCount() - 1;
        grid.SetCellUtf8(0, row, LoadingRowText);
        grid.SetObject(row, std::move(reminder));
        return *grid.Object(row);
    }

    TClickableStringGrid& oneTime_;
    TClickableStringGrid& repeating_;
    std::vector<TReminder>& missed_;
};

} // namespace

void TMainForm::SetHeaderFontSize(TFormatOptions& options) const {
    if (font().pixelSize() > 0)
        options.Font.Face.setPixelSize(font().pixelSize());
    else
        options.Font.Face.setPointSizeF(font().pointSizeF());
}

void TMainForm::AlarmGridGetCellFormat(TClickableStringGrid& sender, int col, int row,
                                       TGridDrawState, TFormatOptions& options) {
    SetHeaderFontSize(options);
    const TReminder* reminder = std::as_const(sender).Object(row);
    if (!reminder)
        return;
    switch (col) {
    case 0:
        options.Text = Shown(reminder->Description);
        break;
    case 1:
        options.Text = Shown(reminder->WhenText(services_.formats, services_.clock));
        break;
    case 2: {
        std::string status;
        reminder->StatusText(status);
        options.Text = Shown(status);
        options.MarkColor = StatusMark(reminder->Status);
        break;
    }
    default:
        break;
    }
}

void TMainForm::RepeatingAlarmGridGetCellFormat(TClickableStringGrid& sender, int col, int row,
                                                TGridDrawState, TFormatOptions& options) {
    SetHeaderFontSize(options);
    const TReminder* reminder = std::as_const(sender).Object(row);
    if (!reminder)
        return;
    switch (col) {
    case 0:
        options.Text = Shown(reminder->Description);
        break;
    case 1:
        options.Text = Shown(reminder->DaySpecText());
        break;
    case 2:
        options.Text = Shown(reminder->FirstTimeText(services_.formats));
        break;
    case 3:
        options.Text = Shown(reminder->RepeatText(services_.formats));
        break;
    case 4: {
        const std::string next = reminder->WhenText(services_.formats, services_.clock);
        options.Text = next.empty() ? QStringLiteral("Not today") : Shown(next);
        // Red for an occurrence still due today, as in the one-time list; grey otherwise.
        const bool dueToday =
            reminder->Status == StatusPending && reminder->DatePart() == services_.clock.Today();
        options.MarkColor = dueToday ? Red : Grey;
        break;
    }
    default:
        break;
    }
}

void TMainForm::AlarmGridGetHeaderCellFormat(TClickableStringGrid&, int, int, TGridDrawState,
                                             TFormatOptions& options) {
    SetHeaderFontSize(options);
}

void TMainForm::RepeatingAlarmGridGetHeaderCellFormat(TClickableStringGrid&, int, int,
                                                      TGridDrawState, TFormatOptions& options) {
    SetHeaderFontSize(options);
}

void TMainForm::MoveGridRowToCorrectDateTimeSlot(int row, bool select) {
    TClickableStringGrid& grid = *AlarmGrid;
    const int last = grid.RowCount() - 1;
    if (last < 1 || row < 1 || row > last || !grid.Object(row))
        return;
    const TDateTime when = grid.Object(row)->When;
    const auto moveTo = [&](int target) {
        grid.MoveRow(row, target);
        if (select)
            grid.SetRow(target);
    };
    for (int i = 1; i <= last; ++i) {
        if (i == row)
            continue;
        const TReminder* other = grid.Object(i);
        if (other && !(other->When < when)) {
            // Among equal due times the moved reminder comes first.
            moveTo(i > row ? i - 1 : i);
            return;
        }
        if (i == last) {
            moveTo(last);
            return;
        }
    }
}

void TMainForm::EmptyLists() {
    for (TClickableStringGrid* grid : {AlarmGrid, RepeatingAlarmGrid})
        grid->SetRowCount(1);
}

void TMainForm::SelectFirstRows() {
    for (TClickableStringGrid* grid : {AlarmGrid, RepeatingAlarmGrid})
        if (grid->RowCount() > 1)
            grid->SetRow(1);
}

void TMainForm::Reload() {
    EmptyLists();
    LoadFromDisk();
    SelectFirstRows();
}

QString TMainForm::DataFileName() const {
    return services_.programFolder + QStringLiteral("Nudgery.dat");
}

void TMainForm::LoadFromDisk() {
    LoadedDate = services_.clock.Today();
    AlarmGrid->FreeRowObjects();
    RepeatingAlarmGrid->FreeRowObjects();
    GridListSink sink(*AlarmGrid, *RepeatingAlarmGrid, missed_);
    // One model reset per list instead of a change per row keeps big files fast.
    AlarmGrid->BeginUpdate();
    RepeatingAlarmGrid->BeginUpdate();
    const DataFileStore store(DataFileName());
    DataFileLoad load;
    try {
        load = store.Load(sink, services_.clock);
    } catch (const std::exception&) {
        // Only running out of memory gets here; the lists keep what was read.
    }
    RepeatingAlarmGrid->EndUpdate();
    AlarmGrid->EndUpdate();
    // Told once per damaged copy, however often the same file is loaded again.
    if (load.damaged && !reportedDamagedCopies_.contains(load.keptAs)) {
        reportedDamagedCopies_.append(load.keptAs);
        damagedReport_ = ReportDamagedFile(store, load);
    }
}

void TMainForm::RestoreBackup() {
    try {
        DataFileStore(DataFileName()).RestoreBackup();
    } catch (const std::exception& error) {
        ReportError(error);
        return;
    }
    // The reminders found missed in the damaged file go with it; the backup's take their place.
    missed_.clear();
    Reload();
    SetButtons();
}

std::vector<const TReminder*> TMainForm::Reminders(const TClickableStringGrid& grid) {
    std::vector<const TReminder*> reminders;
    reminders.reserve(static_cast<std::size_t>(grid.RowCount()));
    for (int row = 1; row < grid.RowCount(); ++row)
        if (const TReminder* reminder = grid.Object(row);
            reminder && reminder->Status != StatusDeleteMark)
            reminders.push_back(reminder);
    return reminders;
}

bool TMainForm::SaveToDisk() {
    try {
        DataFileStore(DataFileName()).Save(Reminders(*AlarmGrid), Reminders(*RepeatingAlarmGrid));
        return true;
    } catch (const std::exception& error) {
        ReportError(error);
        return false;
    }
}

} // namespace nudgery

// What the main window keeps beyond the lists: the history of every reminder that fell due,
// the reminders that fell due while the program could not show them, and the moment it was
// last running, from which those are found.
#include "Main.h"
#include "MainPrivate.h"
#include "MissedReminders.h"
#include "core/clock.h"
#include "platform/message_boxes.h"
#include "ui/history/HistoryWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTimer>
#include <functional>
#include <utility>

namespace nudgery {

namespace {

// Brings a window of its own to the front, also from the task bar.
void Present(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

void MainPrivate::CreateHistoryCommands() {
    mnuHistory = new QAction(tr("&History"), File1);
    mnuHistory->setObjectName(QStringLiteral("mnuHistory"));
    mnuHistory->setToolTip(tr("What became of each reminder that fell due"));
    // Under Set Preferences.
    const QList<QAction*> items = File1->actions();
    File1->insertAction(items.value(items.indexOf(mnuSetPreferences) + 1), mnuHistory);
    connect(mnuHistory, &QAction::triggered, this, &MainPrivate::mnuHistoryClick);

    // The right-button menu of both lists, and its key anywhere in the window.
    ListMenu = new QMenu(&q);
    ListMenu->setObjectName(QStringLiteral("ListMenu"));
    mnuReminderHistory = ListMenu->addAction(tr("&History of This Reminder"));
    mnuReminderHistory->setObjectName(QStringLiteral("mnuReminderHistory"));
    mnuReminderHistory->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuReminderHistory->setShortcutContext(Qt::WindowShortcut);
    q.addAction(mnuReminderHistory);
    connect(mnuReminderHistory, &QAction::triggered, this, &MainPrivate::ReminderHistoryClick);
    for (TClickableStringGrid* grid : {AlarmGrid, RepeatingAlarmGrid}) {
        grid->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grid, &QWidget::customContextMenuRequested, this, [this, grid](QPoint at) {
            // The reminder under the pointer is the one the menu is about.
            const QModelIndex index = grid->indexAt(at);
            if (!index.isValid())
                return;
            grid->SetRow(index.row() + 1);
            ListMenu->popup(grid->viewport()->mapToGlobal(at));
        });
    }
}

THistoryWindow& MainPrivate::HistoryWindow() {
    // Made when first asked for: most runs never show it.
    if (!historyWindow_)
        historyWindow_ =
            std::make_unique<THistoryWindow>(journal_, services.formats, services.clock);
    return *historyWindow_;
}

void MainPrivate::mnuHistoryClick() {
    THistoryWindow& window = HistoryWindow();
    window.ShowAll();
    Present(window);
}

void MainPrivate::ReminderHistoryClick() {
    const bool oneTime = Notebook->currentIndex() == 0;
    const TClickableStringGrid* grid = oneTime ? AlarmGrid : RepeatingAlarmGrid;
    const int row = grid->Row();
    if (row < 1 || row >= grid->RowCount()) {
        mnuHistoryClick();
        return;
    }
    THistoryWindow& window = HistoryWindow();
    window.ShowReminder(
        oneTime ? ListKind::OneTime : ListKind::Repeating,
        QString::fromLocal8Bit(std::string(grid->Object(row)->Description)).toStdString());
    Present(window);
}

void MainPrivate::HistoryRecorded() {
    if (historyWindow_ && historyWindow_->isVisible())
        historyWindow_->Refresh();
}

void MainPrivate::ReportHistoryProblem(const QString& text) {
    // Told from the middle of a check, or before the window is shown: it waits for the event
    // loop, and then holds up nothing.
    QTimer::singleShot(0, this,
                       [this, text] { services.messages.ShowNotice(WindowOnView(), text); });
}

void MainPrivate::ShowMissed() {
    std::vector<MissedLine> lines;
    // At the start, from the lists as they are now, a backup restored or not.
    if (const std::optional<TDateTime> since = std::exchange(missedSince_, std::nullopt))
        lines = MissedRepeating(repeating_, *since, services.clock.Now(),
                                std::bind_front(&HistoryRecorder::LastFellDue, &recorder_));
    for (MissedLine& line : std::exchange(missedRepeating_, {}))
        lines.push_back(std::move(line));
    for (const TReminder& reminder : std::exchange(missed_, {}))
        lines.push_back(MissedOneTime(reminder));
    if (lines.empty())
        return;
    recorder_.RecordMissed(lines);
    // Made with the first batch: most starts have nothing to report.
    if (!missedWindow_)
        missedWindow_ = std::make_unique<TMissedReminders>(services.formats, services.clock);
    missedWindow_->AddBatch(lines);
}

} // namespace nudgery

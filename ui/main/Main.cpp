#include "Main.h"

#include "FirstExposure.h"
#include "MainAbout.h"
#include "MainPrivate.h"
#include "MainTabSet.h"
#include "MissedReminders.h"
#include "PopupHints.h"
#include "TimerPause.h"
#include "Trayicon.h"
#include "alerts/DesktopNoticeObserver.h"
#include "alerts/Settings.h"
#include "alerts/SoundPlayback.h"
#include "art/ProgramArt.h"
#include "core/clock.h"
#include "platform/desktop_font.h"
#include "platform/help_viewer.h"
#include "platform/message_boxes.h"
#include "platform/profile_file.h"
#include "platform/shell.h"
#include "platform/startup_info.h"
#include "ui/controls/Graphp.h"
#include "ui/history/HistoryWindow.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <utility>

namespace nudgery {

const char* const TMainForm::WebAddress = "https://nudgery.sourceforge.io/";

namespace {

constexpr int ClientWidth = 599;
constexpr int ClientHeight = 362;

} // namespace

TMainForm::TMainForm(const MainFormServices& services, QWidget* parent)
    : QMainWindow(parent), d_(std::make_unique<MainPrivate>(*this, services)) {
    d_->FormCreate();
}

TMainForm::~TMainForm() {
    d_->FormDestroy();
}

TAlarmShow& TMainForm::NotificationWindow() {
    return d_->notifier_.Window();
}

void TMainForm::FormActivate() {
    d_->FormActivate();
}

bool TMainForm::StartsInTray() const {
    // The notification area is looked for only when the tray is in use.
    return d_->services.settings.UseTray && d_->services.startup.HasNotificationArea();
}

void TMainForm::AddCycleObserver(CycleObserver& observer) {
    d_->cycle_.AddObserver(observer);
}

CommandReply TMainForm::CarryCommand(const CommandRequest& request, const UtcOffsetAt& offsetAt) {
    return d_->CarryCommand(request, offsetAt);
}

void TMainForm::EndSession() {
    if (d_->cycle_.EndAsked())
        close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!d_->FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    d_->FormClose();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    d_->FormResize();
}

MainPrivate::MainPrivate(TMainForm& window, const MainFormServices& s)
    : q(window), services(s),
      AlarmGrid(
          CreateGrid("AlarmGrid", {tr("Reminder"), tr("When"), tr("Status")}, {345, 137, 115})),
      RepeatingAlarmGrid(CreateGrid("RepeatingAlarmGrid",
                                    {tr("Repeat Reminder"), tr("Days"), tr("First Time"),
                                     tr("Repeat Every..."), tr("Next Reminder")},
                                    {212, 110, 55, 81, 110})),
      oneTime_(*AlarmGrid), repeating_(*RepeatingAlarmGrid),
      listsFile_(s.programFolder + QStringLiteral("Nudgery.dat"), oneTime_, repeating_, s.clock,
                 missed_, [this](const std::exception& error) { ReportError(error); }),
      notifier_(s.clock, s.help, s.sound),
      cycle_(oneTime_, repeating_, s.clock, s.settings, notifier_, listsFile_),
      journal_(HistoryJournal::BesideDataFile(listsFile_.Path()), s.clock.Now(),
               [this](const QString& text) { ReportHistoryProblem(text); }),
      recorder_(journal_, s.clock, [this] { HistoryRecorded(); }),
      lastRunning_(LastRunningFile(LastRunningFile::BesideDataFile(listsFile_.Path())), s.clock) {
    cycle_.AddObserver(recorder_);
    cycle_.SetLastFellDue(std::bind_front(&HistoryRecorder::LastFellDue, &recorder_));
    if (s.desktopNotices) {
        desktopNotice_ = std::make_unique<DesktopNoticeObserver>(*s.desktopNotices, notifier_,
                                                                 s.settings, s.formats);
        cycle_.AddObserver(*desktopNotice_);
    }
    q.setObjectName(QStringLiteral("MainForm"));
    q.setWindowTitle(QStringLiteral("Nudgery!"));
    q.setWindowIcon(ProgramIcon());
    q.setFont(DesktopFontInPixels(11));

    auto* client = new QWidget(&q);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    q.setCentralWidget(client);
    CreateButtonBar();
    CreateLists();
    CreateBottomBar();
    CreateMenus();
    CreatePopupMenus();
    CreateHistoryCommands();
    CreateTrayIcon();
    hints_ = std::make_unique<PopupHints>();
    q.resize(ClientWidth, ClientHeight + q.menuBar()->sizeHint().height());
    // Smaller, the buttons of the bars would be cut off; larger is fine.
    q.setMinimumSize(q.size());

    Timer1 = new QTimer(&q);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &MainPrivate::Timer1Timer);
}

MainPrivate::~MainPrivate() = default;

void MainPrivate::FormCreate() {
    services.formats.SaveUserDateFormats(services.userFormats);
    services.formats.UseInternalDateFormats();
    FirstActivation = true;
    ShowTime(services.clock.Now());
    services.settings = ReadSettings(ProfileFile(SettingsFileName(services.programFolder)));
    ApplySettings();
    // Read before anything replaces it: the repeating reminders due since then were missed.
    missedSince_ = LastRunningFile(LastRunningFile::BesideDataFile(listsFile_.Path())).Read();
    cycle_.Load();
    TabSet->setCurrentIndex(0);
    TabSetClick();
    mnuOnLine->menuAction()->setVisible(true);
    Closing = false;
}

void MainPrivate::FormActivate() {
    if (!FirstActivation)
        return;
    try {
        RestorePlacement();
    } catch (const std::exception& error) {
        ReportError(error);
    }
    if (!services.startup.StartMinimized()) {
        if (!q.isVisible())
            q.show();
        q.raise();
        q.activateWindow();
        new FirstExposure(*q.windowHandle(), [this] { FirstShown(); });
    } else {
        if (q.StartsInTray()) {
            // Only the tray icon: the window is not shown at all until it is brought back.
            TrayIcon->AddIcon();
            TrayIcon->MinimizeApplication();
        } else {
            q.showMinimized();
        }
        QTimer::singleShot(0, this, &MainPrivate::FirstShown);
    }
    SetButtons();
    Timer1->start();
    lastRunning_.Start();
    FirstActivation = false;
    // Once the window is on the screen, or in the tray, as the steps above leave it.
    QTimer::singleShot(0, this, &MainPrivate::ShowLoadReports);
}

void MainPrivate::FirstShown() {
    firstShownTick_ = services.clock.TickCount();
    JudgeLayout();
    if (services.desktopNotices)
        services.desktopNotices->Prepare();
}

void MainPrivate::JudgeLayout() {
    // A tiling desktop lays the window out at a size of its own choosing as it maps it, a
    // moment after its first picture; no user resizes a window that fast.
    constexpr std::uint32_t kLayoutSettleMs = 2000;
    if (firstShownTick_ && services.clock.TickCount() - *firstShownTick_ < kLayoutSettleMs &&
        !q.isMaximized() && !q.isMinimized() && q.size() != askedSize_)
        sizeImposed_ = true;
}

void MainPrivate::ShowLoadReports() {
    // Restoring the backup replaces the lists, and the reminders found missed with them: the
    // user chooses before those are shown.
    if (listsFile_.DamagedReportAsksToRestore())
        ShowDamagedFileReport();
    ShowMissed();
    ShowDamagedFileReport();
}

void MainPrivate::ShowDamagedFileReport() {
    const std::optional<DamagedFileReport> report = listsFile_.TakeDamagedReport();
    if (!report)
        return;
    const TimerPause pause(*Timer1);
    if (!report->asksToRestore) {
        services.messages.ShowInfo(WindowOnView(), report->text);
        return;
    }
    askingToRestore_ = true;
    const bool restore = services.messages.AskConfirm(WindowOnView(), report->text);
    askingToRestore_ = false;
    if (restore && listsFile_.RestoreBackup())
        SetButtons();
}

QWidget* MainPrivate::WindowOnView() {
    return q.isVisible() && !q.isMinimized() ? &q : nullptr;
}

void MainPrivate::Timer1Timer() {
    // Stopped for the whole tick, so that a notification's own event loop cannot start
    // another tick.
    Timer1->stop();
    // One reading of the clock serves the tick; the clock panel repaints with the event
    // loop, once.
    const TDateTime now = services.clock.Now();
    ShowTime(now);
    CheckCycle::TickResult tick = cycle_.Tick(now);
    // Awake again: a crash from here on must not count the sleep as missed once more.
    if (tick.asleepSince)
        lastRunning_.Start();
    if (tick.newDay || !tick.missedRepeating.empty()) {
        missed_.insert(missed_.end(), std::make_move_iterator(tick.missed.begin()),
                       std::make_move_iterator(tick.missed.end()));
        missedRepeating_.insert(missedRepeating_.end(),
                                std::make_move_iterator(tick.missedRepeating.begin()),
                                std::make_move_iterator(tick.missedRepeating.end()));
        ShowLoadReports();
    } else if (tick.end && q.close()) {
        return;
    }
    Timer1->start();
}

void MainPrivate::ShowTime(TDateTime now) {
    TimePanel->SetCaption(QString::fromLocal8Bit(services.formats.Format("hh:mm:ssam/pm", now)));
}

bool MainPrivate::FormCloseQuery() {
    Closing = true;
    // A settings file that cannot be written must not keep the lists from being saved.
    try {
        SavePlacement();
    } catch (const std::exception& error) {
        ReportError(error);
    }
    if (listsFile_.Save())
        return true;
    // The window stays open, and goes on re-laying its lists when resized.
    Closing = false;
    return false;
}

void MainPrivate::FormClose() {
    recorder_.Close();
    lastRunning_.Stop();
    q.hide();
    emit q.Closed();
}

void MainPrivate::FormDestroy() {
    services.sound.Shutup();
}

void MainPrivate::ReportError(const std::exception& error) {
    const TimerPause pause(*Timer1);
    services.messages.ShowError(&q, QString::fromLocal8Bit(error.what()));
}

void MainPrivate::FormResize() {
    if (Closing)
        return;
    JudgeLayout();
    for (TClickableStringGrid* grid : q.findChildren<TClickableStringGrid*>())
        grid->AdjustColumnWidth();
}

void MainPrivate::TabSetClick() {
    Notebook->setCurrentIndex(TabSet->currentIndex());
}

void MainPrivate::NotebookPageChanged() {
    if (Notebook->currentIndex() == 0)
        AlarmGrid->AdjustColumnWidth();
    else
        RepeatingAlarmGrid->AdjustColumnWidth();
    SetButtons();
}

void MainPrivate::SetButtons() {
    const int page = Notebook->currentIndex();
    CloneButton->setVisible(page == 0);
    AdjustTimeButton->setVisible(page == 0);
    const TClickableStringGrid* shown = page == 0 ? AlarmGrid : RepeatingAlarmGrid;
    const bool any = shown->RowCount() > 1;
    for (QPushButton* button : {EditAlarmButton, DeleteAlarmButton, CloneButton, AdjustTimeButton})
        button->setEnabled(any);
    for (TClickableStringGrid* grid : {AlarmGrid, RepeatingAlarmGrid})
        if (grid->RowCount() > 1)
            grid->SetFixedRows(1);
}

void MainPrivate::AlarmGridKeyDown(int key) {
    if (key == Qt::Key_Delete)
        DeleteAlarmButtonClick();
}

void MainPrivate::AlarmGridKeyPress(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        EditAlarmButtonClick();
}

void MainPrivate::MinimizebuttonClick() {
    TrayIcon->MinimizeApplication();
}

void MainPrivate::mnuExitClick() {
    q.close();
}

void MainPrivate::mnuContentsClick() {
    services.help.ShowTopic(TMainForm::ContentsHelpTopic, &q);
}

void MainPrivate::mnuAboutClick() {
    const TimerPause pause(*Timer1);
    TAboutBox about(&q);
    q.CenterForm(about);
    about.exec();
}

void MainPrivate::VisitOurInternetWebsite1Click() {
    const QString address = QString::fromLatin1(TMainForm::WebAddress);
    if (services.shell.OpenWebAddress(address))
        return;
    // The address, for the user to copy into a browser by hand.
    const TimerPause pause(*Timer1);
    services.messages.ShowInfo(
        &q, tr("No web browser could be started.\nOur Internet website is at:\n%1").arg(address));
}

void MainPrivate::AdjustTimeButtonClick() {
    TMainForm::PopupMenuBelow(*AdjustTimeButton, *AdjustItemTimeMenu);
}

} // namespace nudgery

#include "Main.h"

#include "MainAbout.h"
#include "MainTabSet.h"
#include "MissedReminders.h"
#include "PopupHints.h"
#include "TimerPause.h"
#include "Trayicon.h"
#include "alerts/Alarmsh.h"
#include "alerts/Settings.h"
#include "alerts/SoundPlayback.h"
#include "art/ProgramArt.h"
#include "core/clock.h"
#include "core/date_formats.h"
#include "platform/help_viewer.h"
#include "platform/message_boxes.h"
#include "platform/profile_file.h"
#include "platform/shell.h"
#include "platform/startup_info.h"
#include "ui/controls/Graphp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

namespace nudgery {

const char* const TMainForm::WebAddress = "https://nudgery.sourceforge.io/";

namespace {

constexpr int ClientWidth = 599;
constexpr int ClientHeight = 362;

} // namespace

TMainForm::TMainForm(const MainFormServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Nudgery!"));
    setWindowIcon(ProgramIcon());
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(11);
    setFont(arial);

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(client);
    CreateButtonBar();
    CreateLists();
    CreateBottomBar();
    CreateMenus();
    CreatePopupMenus();
    CreateTrayIcon();
    hints_ = std::make_unique<PopupHints>();
    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    // Smaller, the buttons of the bars would be cut off; larger is fine.
    setMinimumSize(size());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);

    FormCreate();
}

TMainForm::~TMainForm() {
    FormDestroy();
}

void TMainForm::FormCreate() {
    services_.formats.SaveUserDateFormats(services_.userFormats);
    services_.formats.UseInternalDateFormats();
    FirstActivation = true;
    ShowTime(services_.clock.Now());
    services_.settings = ReadSettings(ProfileFile(SettingsFileName(services_.programFolder)));
    ApplySettings();
    EmptyLists();
    LoadFromDisk();
    SelectFirstRows();
    TabSet->setCurrentIndex(0);
    TabSetClick();
    CheckCounter = 0;
    mnuOnLine->menuAction()->setVisible(true);
    Closing = false;
}

void TMainForm::FormActivate() {
    if (!FirstActivation)
        return;
    try {
        RestorePlacement();
    } catch (const std::exception& error) {
        ReportError(error);
    }
    if (!services_.startup.StartMinimized()) {
        if (!isVisible())
            show();
        raise();
        activateWindow();
    } else if (StartsInTray()) {
        // Only the tray icon: the window is not shown at all until it is brought back.
        TrayIcon->AddIcon();
        TrayIcon->MinimizeApplication();
    } else {
        showMinimized();
    }
    SetButtons();
    Timer1->start();
    FirstActivation = false;
    // Once the window is on the screen, or in the tray, as the steps above leave it.
    QTimer::singleShot(0, this, &TMainForm::ShowLoadReports);
}

void TMainForm::ShowLoadReports() {
    if (!missed_.empty()) {
        // Made with the first batch: most starts have nothing to report.
        if (!missedWindow_)
            missedWindow_ = std::make_unique<TMissedReminders>(services_.formats, services_.clock);
        missedWindow_->AddBatch(std::exchange(missed_, {}));
    }
    if (damagedReport_.isEmpty())
        return;
    const QString text = std::exchange(damagedReport_, QString());
    const TimerPause pause(*Timer1);
    services_.messages.ShowInfo(WindowOnView(), text);
}

QWidget* TMainForm::WindowOnView() {
    return isVisible() && !isMinimized() ? this : nullptr;
}

bool TMainForm::StartsInTray() const {
    return services_.startup.HasNotificationArea() && services_.settings.UseTray;
}

TAlarmShow& TMainForm::NotificationWindow() {
    if (!alarmShow_)
        alarmShow_ =
            std::make_unique<TAlarmShow>(services_.clock, services_.help, [this] { Shutup(); });
    return *alarmShow_;
}

void TMainForm::EndSession() {
    // An end asked again before the tick has closed: closing now would save the lists
    // before the answer is applied, and the tick's own close would find the window gone.
    if (EndRequested)
        return;
    if (alarmShow_ && alarmShow_->isVisible()) {
        // Nobody answered it: the tick that showed it changes nothing and then closes.
        EndRequested = true;
        alarmShow_->done(TAlarmShow::Unanswered);
        return;
    }
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    FormClose();
}

bool TMainForm::FormCloseQuery() {
    Closing = true;
    // A settings file that cannot be written must not keep the lists from being saved.
    try {
        SavePlacement();
    } catch (const std::exception& error) {
        ReportError(error);
    }
    if (SaveToDisk())
        return true;
    // The window stays open, and goes on re-laying its lists when resized.
    Closing = false;
    return false;
}

void TMainForm::FormClose() {
    hide();
    emit Closed();
}

void TMainForm::FormDestroy() {
    Shutup();
}

void TMainForm::ReportError(const std::exception& error) {
    const TimerPause pause(*Timer1);
    services_.messages.ShowError(this, QString::fromLocal8Bit(error.what()));
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TMainForm::FormResize() {
    if (Closing)
        return;
    for (TClickableStringGrid* grid : findChildren<TClickableStringGrid*>())
        grid->AdjustColumnWidth();
}

void TMainForm::TabSetClick() {
    Notebook->setCurrentIndex(TabSet->currentIndex());
}

void TMainForm::NotebookPageChanged() {
    if (Notebook->currentIndex() == 0)
        AlarmGrid->AdjustColumnWidth();
    else
        RepeatingAlarmGrid->AdjustColumnWidth();
    SetButtons();
}

void TMainForm::SetButtons() {
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

void TMainForm::AlarmGridKeyDown(int key) {
    if (key == Qt::Key_Delete)
        DeleteAlarmButtonClick();
}

void TMainForm::AlarmGridKeyPress(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        EditAlarmButtonClick();
}

void TMainForm::AlarmGridDblClick() {
    EditAlarmButtonClick();
}

void TMainForm::RepeatingAlarmGridDblClick() {
    EditAlarmButtonClick();
}

void TMainForm::MinimizebuttonClick() {
    TrayIcon->MinimizeApplication();
}

void TMainForm::mnuExitClick() {
    close();
}

void TMainForm::Exit1Click() {
    close();
}

void TMainForm::Exit2Click() {
    close();
}

void TMainForm::mnuContentsClick() {
    services_.help.ShowTopic(ContentsHelpTopic, this);
}

void TMainForm::mnuAboutClick() {
    const TimerPause pause(*Timer1);
    TAboutBox about(this);
    CenterForm(about);
    about.exec();
}

void TMainForm::VisitOurInternetWebsite1Click() {
    const QString address = QString::fromLatin1(WebAddress);
    if (services_.shell.OpenWebAddress(address))
        return;
    // The address, for the user to copy into a browser by hand.
    const TimerPause pause(*Timer1);
    services_.messages.ShowInfo(
        this, QStringLiteral("No web browser could be started.\nOur Internet website is at:\n%1")
                  .arg(address));
}

void TMainForm::AdjustTimeButtonClick() {
    PopupMenuBelow(*AdjustTimeButton, *AdjustItemTimeMenu);
}

} // namespace nudgery

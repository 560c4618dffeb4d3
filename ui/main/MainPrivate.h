#pragma once
// The insides of the main window: its controls, its two lists with the check cycle that runs
// over them and the file that keeps them, and the handlers its parts call. Only the window's
// own files, and the tests' access class, include this.

#include "GridReminderList.h"
#include "ListsFile.h"
#include "MainFormServices.h"
#include "alerts/CheckCycle.h"
#include "alerts/HistoryRecorder.h"
#include "alerts/WindowNotifier.h"
#include "platform/history_journal.h"
#include "platform/last_running.h"
#include "ui/controls/Clicksg.h"

#include <QCoreApplication>
#include <QObject>
#include <QSize>
#include <QStringList>
#include <exception>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QFrame;
class QRect;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace nudgery {

class DesktopNoticeObserver;
class PopupHints;
class ProfileFile;
class TMainForm;
class TGraphicPanel;
class THistoryWindow;
class TMissedReminders;
class TTabSet;
class TTrayIcon95;
struct EditorServices;

// A QObject only so that the connections to its handlers end with it, before the window's
// controls go.
struct MainPrivate : QObject {
    // Its texts are the main window's. (The macro leaves the members after it private.)
    Q_DECLARE_TR_FUNCTIONS(TMainForm)
public:
    MainPrivate(TMainForm& window, const MainFormServices& services);
    ~MainPrivate() override;

    // Start-up and shutdown. FormCloseQuery saves placement and lists; false keeps the
    // window open (a failed save).
    void FormCreate();
    void FormActivate();
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();
    // The window's first picture is on the screen, or, started minimised, the program is up:
    // what the first window did not need gets ready now.
    void FirstShown();
    // Whether the desktop has given the window a size of its layout's as it showed it.
    void JudgeLayout();
    // What the last loads have to tell, shown once the window has been shown: run after the
    // first activation, after each change of date and after a sleep. The missed reminders go to
    // their window, which does not stop the check cycle; a damaged file to a message box, which
    // offers the backup when restoring it loses nothing.
    void ShowLoadReports();
    // Tells of the damaged file, and restores the backup when the user asks for it.
    void ShowDamagedFileReport();
    // The window to put a report over: this one when it is on the screen, none (a window of
    // its own) when it is minimised or hidden in the tray, where a box over it is not seen.
    QWidget* WindowOnView();
    // A failure's text in the error box, with Timer1 stopped while the box is open.
    void ReportError(const std::exception& error);

    // A tick of Timer1: the time shown, then the check cycle's turn.
    void Timer1Timer();
    void ShowTime(TDateTime now);

    // Handlers of the window.
    void TabSetClick();
    void NotebookPageChanged();
    void FormResize();
    void SetButtons();
    // What a cell of either list shows; every cell takes the header's font size.
    void GridGetCellFormat(TClickableStringGrid& sender, int col, int row,
                           TFormatOptions& options) const;
    void SetHeaderFontSize(TFormatOptions& options) const;
    void AlarmGridKeyDown(int key);
    void AlarmGridKeyPress(int key);
    void MinimizebuttonClick();
    // The Exit button, and Exit in the File menu and in the tray's menu.
    void mnuExitClick();
    void mnuContentsClick();
    void mnuAboutClick();
    void VisitOurInternetWebsite1Click();
    void AdjustTimeButtonClick();

    // The list operations: each change is saved to the data file at once.
    void AddAlarmButtonClick();
    void EditAlarmButtonClick();
    void DeleteAlarmButtonClick();
    void CloneButtonClick();
    void AdjustTime(QAction* item);
    void mnuDeleteremindersmarkedasdoneClick();
    void Deleteremindersmarkedasexpired1Click();
    void AddNormal();
    void EditNormal();
    void AddRepeating();
    void EditRepeating();
    void DeleteAllDone();
    void DeleteAllExpired();
    // Removes every one-time reminder of that status and tells how many went.
    void DeleteAllWithStatus(std::uint8_t status, const QString& statusName);
    // What the editors need: the window's services, and this window placing their dialogs.
    EditorServices ServicesForEditors();

    // Reminders to and from calendar files, from the File menu. An import shows what it will
    // add and adds it, as the add operations do, once the user agrees.
    void mnuExportCalendarClick();
    void mnuImportCalendarClick();
    // After reminders came in from outside the window: a list that had none selected selects
    // its first.
    void SelectFirstRows();

    // A command from outside; see TMainForm::CarryCommand.
    CommandReply CarryCommand(const CommandRequest& request, const UtcOffsetAt& offsetAt);
    CommandReply QuitCommand();

    // The Preferences dialog; on OK the settings are written and put in force.
    void mnuSetPreferencesClick();
    // Puts the settings that act on the running program in force: popup hints, the tray
    // icon, and its animation.
    void ApplySettings();

    // The history of reminders and what was missed: File > History, the lists' right-button
    // menu and its key for one reminder's history, the reminders missed while the program
    // could not show them listed and recorded.
    void CreateHistoryCommands();
    THistoryWindow& HistoryWindow();
    void mnuHistoryClick();
    // The history of the reminder selected in the list shown; all of it when none is.
    void ReminderHistoryClick();
    // An entry was written: the History window, when open, shows it.
    void HistoryRecorded();
    // The journal's troubles, told once each without holding up the check cycle.
    void ReportHistoryProblem(const QString& text);
    // Lists and records what the last loads and ticks found missed, and at the start the
    // repeating reminders missed since the program last ran.
    void ShowMissed();

    // The tray icon: made with the window, its clicks and menu bring the window back.
    void CreateTrayIcon();
    void LoadAndAnimateIcons();
    // Brings the window back from the tray or the task bar.
    void RestoreApplication();

    // The window's placement in the settings file; a failed write throws ProfileWriteError.
    void SavePlacement();
    void RestorePlacement();
    QString PlacementSection() const;
    // The normal rectangle stored in `file`; none when no placement is stored.
    std::optional<QRect> StoredPlacement(const ProfileFile& file) const;

    // Building the window, by area.
    void CreateButtonBar();
    void CreateLists();
    void CreateBottomBar();
    void CreateMenus();
    void CreatePopupMenus();
    TClickableStringGrid* CreateGrid(const char* name, const QStringList& headers,
                                     std::initializer_list<int> widths);

    TMainForm& q;
    MainFormServices services;

    // Controls, by their names (also their Qt object names); all owned by the window.
    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    QWidget* Panel3 = nullptr;
    QWidget* Panel4 = nullptr;
    QPushButton* AddAlarmButton = nullptr;
    QPushButton* EditAlarmButton = nullptr;
    QPushButton* DeleteAlarmButton = nullptr;
    QPushButton* CloneButton = nullptr;
    QPushButton* AdjustTimeButton = nullptr;
    QPushButton* Minimizebutton = nullptr;
    QPushButton* Exitbutton = nullptr;
    TGraphicPanel* TimePanel = nullptr;
    QStackedWidget* Notebook = nullptr;
    QFrame* Bevel1 = nullptr;
    TTabSet* TabSet = nullptr;
    QMenu* File1 = nullptr;
    QMenu* mnuHelp = nullptr;
    QMenu* mnuOnLine = nullptr;
    QAction* mnuSetPreferences = nullptr;
    QAction* mnuImportCalendar = nullptr;
    QAction* mnuExportCalendar = nullptr;
    QAction* mnuDeleteremindersmarkedasdone = nullptr;
    QAction* Deleteremindersmarkedasexpired1 = nullptr;
    QAction* Exit2 = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* VisitOurInternetWebsite1 = nullptr;
    QAction* mnuHistory = nullptr;
    QMenu* ListMenu = nullptr;
    QAction* mnuReminderHistory = nullptr;
    QMenu* TrayMenu = nullptr;
    QAction* mnuShowNudgery = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* AdjustItemTimeMenu = nullptr;
    QMenu* WhatsThisMenu = nullptr;
    // In the desktop's notification area while the tray is in use; owned by the window.
    TTrayIcon95* TrayIcon = nullptr;
    // The check timer (1000 ms, stopped until the first activation and during every tick
    // and modal dialog).
    QTimer* Timer1 = nullptr;
    // The two lists; made before the rest of the window, which they are placed into.
    TClickableStringGrid* AlarmGrid = nullptr;
    TClickableStringGrid* RepeatingAlarmGrid = nullptr;

    // Fields of the window.
    bool FirstActivation = true;
    bool Closing = false;
    // The user is asked whether to restore the backup of a damaged data file: commands from
    // outside change nothing until the answer is in.
    bool askingToRestore_ = false;
    // The size the window asked for as it was first shown, and whether the desktop gave it
    // another (a tiling layout's): kept where the desktop places the windows itself.
    QSize askedSize_;
    bool sizeImposed_ = false;
    // The tick count when the window's first picture was on the screen.
    std::optional<std::uint32_t> firstShownTick_;
    // The one-time reminders that the loads and the new days have found expired unseen,
    // waiting to be shown.
    std::vector<TReminder> missed_;
    // The lists as the check cycle sees them, the file that keeps them, and the cycle.
    GridReminderList oneTime_;
    GridReminderList repeating_;
    ListsFile listsFile_;
    WindowNotifier notifier_;
    CheckCycle cycle_;
    // Sends each notification to the desktop too, where the program is given its service.
    std::unique_ptr<DesktopNoticeObserver> desktopNotice_;
    // Beside the data file: the history of every reminder that fell due, and the moment the
    // program was last seen running.
    HistoryJournal journal_;
    HistoryRecorder recorder_;
    LastRunningKeeper lastRunning_;
    // The moment the program was last running, until the start's report has told what was
    // missed since; the repeating reminders that the ticks found missed, waiting to be shown.
    std::optional<TDateTime> missedSince_;
    std::vector<MissedLine> missedRepeating_;
    // Popup hints of the whole program, on or off as the settings say.
    std::unique_ptr<PopupHints> hints_;
    // Lists the missed reminders for the user; a window of its own, owned by this one.
    std::unique_ptr<TMissedReminders> missedWindow_;
    // The history of reminders; a window of its own, made when first shown.
    std::unique_ptr<THistoryWindow> historyWindow_;
};

} // namespace nudgery

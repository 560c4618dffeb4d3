#pragma once
// TMainForm: the program's main window. Two reminder lists on two notebook pages switched
// by a tab set, a button bar for the list operations, a clock panel, the menus, and the
// window placement kept in the settings file.

#include "core/date_formats.h"
#include "core/due_time.h"
#include "ui/controls/Clicksg.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QFrame;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace nudgery {

class Clock;
class FileChooser;
class HelpViewer;
class MessageBoxes;
class PopupHints;
class Screen;
class Shell;
class SoundPlayback;
class StartupInfo;
class TAlarmShow;
class TGraphicPanel;
class TMissedReminders;
class TTabSet;
class TTrayIcon95;
class TrayArea;
struct Settings;
struct EditorServices;
struct ImportPlan;

// What the main window needs of the rest of the program; all outlive the window.
struct MainFormServices {
    const Clock& clock;
    DateFormats& formats;
    // The user's own date and time conventions, kept aside when the window is made.
    RegionalSettings userFormats;
    // Where the data file and the settings file live; ends in a path separator.
    QString programFolder;
    Settings& settings;
    MessageBoxes& messages;
    HelpViewer& help;
    Shell& shell;
    const Screen& screen;
    // All sound of the program; the window forwards its sound calls here.
    SoundPlayback& sound;
    // Makes the notification area that the window's tray icon shows itself in.
    std::function<std::unique_ptr<TrayArea>()> trayArea;
    // How the desktop started the program.
    const StartupInfo& startup;
    // The reminder editors ask for sound files through it.
    FileChooser& files;
};

namespace testing {
class MainFormAccess;
}

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ContentsHelpTopic = 1009;
    static constexpr const char* PlacementClassName = "TMainForm";
    // The address that "Visit Our Internet Website" opens.
    static const char* const WebAddress;

    // Builds the window and runs FormCreate: fixed date formats in force, settings read,
    // both lists loaded from the data file, the one-time page shown.
    explicit TMainForm(const MainFormServices& services, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The notification window the check cycle shows, made when first needed: most starts
    // show none. Closing it stops this window's sound.
    TAlarmShow& NotificationWindow();

    // The first activation: restores the placement, shows the window or starts minimised,
    // sets the buttons and starts Timer1. Later calls do nothing.
    void FormActivate();
    // A minimised start goes into the tray when the tray is in use and the desktop has one.
    bool StartsInTray() const;
    // The program is asked to end from outside (a signal, the end of the desktop session):
    // an open notification closes unanswered, its reminder left as it was so that it fires
    // again at the next start, then the window closes the normal way.
    void EndSession();

    // Sound, forwarded to the program's one player; the dialogs play and stop sounds here.
    void PlaySoundNow(const std::string& path);
    void PlayTheSound(const std::string& path);
    void Shutup();

    // Placement of the program's dialogs and popup menus.
    void CenterForm(QWidget& form) const;
    static void PopupMenuBelow(QWidget& button, QMenu& menu);

signals:
    // The window has closed after saving: the program ends with it.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Tests and benchmarks drive the check cycle and reach the window's state through this
    // class alone; they find the controls by their object names.
    friend class testing::MainFormAccess;

    // Start-up and shutdown. FormCloseQuery saves placement and lists; false keeps the
    // window open (a failed save).
    void FormCreate();
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();

    // The check cycle: a tick of Timer1, the passes over both lists and the snoozes.
    void Timer1Timer();
    // Each pass starts from the reading `now` of the clock and gives the last reading it
    // made, which is `now` unless a reminder fired.
    TDateTime CheckNormalAlarms(TDateTime now);
    TDateTime CheckRepeatAlarms(TDateTime now);
    void AdjustForSnooze(int row, int minutes);
    void AdjustRepeatForSnooze(int row, int minutes);

    // Handlers of the window.
    void TabSetClick();
    void NotebookPageChanged();
    void FormResize();
    void SetButtons();
    void AlarmGridGetCellFormat(TClickableStringGrid& sender, int col, int row,
                                TGridDrawState state, TFormatOptions& options);
    void RepeatingAlarmGridGetCellFormat(TClickableStringGrid& sender, int col, int row,
                                         TGridDrawState state, TFormatOptions& options);
    void AlarmGridGetHeaderCellFormat(TClickableStringGrid& sender, int col, int row,
                                      TGridDrawState state, TFormatOptions& options);
    void RepeatingAlarmGridGetHeaderCellFormat(TClickableStringGrid& sender, int col, int row,
                                               TGridDrawState state, TFormatOptions& options);
    void AlarmGridKeyDown(int key);
    void AlarmGridKeyPress(int key);
    void AlarmGridDblClick();
    void RepeatingAlarmGridDblClick();
    void MinimizebuttonClick();
    void mnuExitClick();
    void Exit1Click();
    void Exit2Click();
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
    void DeleteAllWithStatus(std::uint8_t status, const char* statusName);
    // What the editors need: the window's services, and this window placing their dialogs.
    EditorServices ServicesForEditors();

    // Reminders to and from calendar files, from the File menu. An import shows what it will
    // add and adds it, as the add operations do, once the user agrees.
    void mnuExportCalendarClick();
    void mnuImportCalendarClick();
    void AddImported(const ImportPlan& plan);

    // The Preferences dialog; on OK the settings are written and put in force.
    void mnuSetPreferencesClick();
    // Puts the settings that act on the running program in force: popup hints, the tray
    // icon, and its animation.
    void ApplySettings();

    // The tray icon: made with the window, its clicks and menu bring the window back.
    void CreateTrayIcon();
    void LoadAndAnimateIcons();
    void mnuShowNudgeryClick();
    void TrayIconDblClick();
    // Brings the window back from the tray or the task bar.
    void RestoreApplication();

    // The window's placement in the settings file; a failed write throws ProfileWriteError.
    void SavePlacement();
    void RestorePlacement();
    QString PlacementSection() const;

    // List order and reload.
    void MoveGridRowToCorrectDateTimeSlot(int row, bool select);
    void Reload();
    // Writes both lists to the data file; a failure is shown in an error box and gives
    // false, and the operation that asked for the save goes no further.
    bool SaveToDisk();
    // Rebuilds both lists from the data file; the callers have cut them to their header.
    // A damaged file not yet reported leaves its report for ShowLoadReports.
    void LoadFromDisk();
    // What the last loads have to tell, shown once the window has been shown: run after the
    // first activation and after each change of date. The missed reminders go to their
    // window, which does not stop the check cycle; a damaged file to an information box.
    void ShowLoadReports();
    // The window to put a report over: this one when it is on the screen, none (a window of
    // its own) when it is minimised or hidden in the tray, where a box over it is not seen.
    QWidget* WindowOnView();
    QString DataFileName() const;

    // Building the window, by area.
    void CreateButtonBar();
    void CreateLists();
    void CreateBottomBar();
    void CreateMenus();
    void CreatePopupMenus();
    TClickableStringGrid* CreateGrid(const char* name, const QStringList& headers,
                                     std::initializer_list<int> widths);
    // Cuts both lists to their header row, destroying their reminders.
    void EmptyLists();
    void SelectFirstRows();
    void SetHeaderFontSize(TFormatOptions& options) const;
    // Shows the time `now` on TimePanel.
    void ShowTime(TDateTime now);
    // A failure's text in the error box, with Timer1 stopped while the box is open.
    void ReportError(const std::exception& error);
    // One pass over a list; only the one-time list offers Delete and moves snoozed rows.
    // `earliest` is the list's earliest due time: while it holds, the pass ends at once.
    TDateTime CheckAlarms(TClickableStringGrid& grid, bool oneTime, TDateTime now,
                          EarliestDueTime& earliest);
    // Works out the earliest due time of the list as it is now.
    static void RememberEarliestDue(const TClickableStringGrid& grid, TDateTime today,
                                    EarliestDueTime& earliest);
    // Applies a notification's answer to the reminder in `row`; false when the answer
    // leaves it as it was.
    bool ApplyAnswer(TClickableStringGrid& grid, bool oneTime, int row, int result);
    // The first tick of a new date: the lists saved, then judged afresh for the new day.
    void StartNewDay();
    // Every reminder's status computed anew for today, as loading the lists would; the
    // one-time reminders this expires unseen join the missed ones.
    void JudgeListsAfresh();
    // Every list's reminders in row order, for saving; those marked for deletion by the
    // check pass under way are left out.
    static std::vector<const TReminder*> Reminders(const TClickableStringGrid& grid);

    MainFormServices services_;
    std::unique_ptr<TAlarmShow> alarmShow_;

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
    TClickableStringGrid* AlarmGrid = nullptr;
    TClickableStringGrid* RepeatingAlarmGrid = nullptr;
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
    QMenu* TrayMenu = nullptr;
    QAction* mnuShowNudgery = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* AdjustItemTimeMenu = nullptr;
    QMenu* WhatsThisMenu = nullptr;
    // In the desktop's notification area while the tray is in use; owned by the window.
    TTrayIcon95* TrayIcon = nullptr;
    // Popup hints of the whole program, on or off as the settings say.
    std::unique_ptr<PopupHints> hints_;
    // The check timer (1000 ms, stopped until the first activation and during every tick
    // and modal dialog).
    QTimer* Timer1 = nullptr;

    // Fields of the window.
    bool FirstActivation = true;
    int CheckCounter = 0;
    // Of the one-time and the repeating list, for the check pass.
    EarliestDueTime normalDue_;
    EarliestDueTime repeatingDue_;
    TDateTime LoadedDate = 0;
    bool Closing = false;
    // Set by EndSession while a notification is open: the tick closes the window once the
    // notification has closed.
    bool EndRequested = false;
    // The one-time reminders that the loads have found expired unseen, waiting to be shown.
    std::vector<TReminder> missed_;
    // Lists them for the user; a window of its own, owned by this one.
    std::unique_ptr<TMissedReminders> missedWindow_;
    // The damaged-file report waiting to be shown, and the copies already reported (an
    // empty name: a file that could not be kept).
    QString damagedReport_;
    QStringList reportedDamagedCopies_;
};

} // namespace nudgery

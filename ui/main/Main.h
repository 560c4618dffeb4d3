#pragma once
// TMainForm: the program's main window. Two reminder lists on two notebook pages switched
// by a tab set, a button bar for the list operations, a clock panel, the menus, and the
// window placement kept in the settings file. Its controls, its lists and the check cycle
// that runs over them are its own, behind MainPrivate.

#include "MainFormServices.h"
#include "core/elapsed_time.h"
#include "platform/command_request.h"

#include <QMainWindow>
#include <memory>

class QMenu;

namespace nudgery {

class CycleObserver;
struct MainPrivate;
class TAlarmShow;

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
    // show none. Closing it stops the sound.
    TAlarmShow& NotificationWindow();

    // The first activation: restores the placement, shows the window or starts minimised,
    // sets the buttons and starts the check timer. Later calls do nothing.
    void FormActivate();
    // A minimised start goes into the tray when the tray is in use and the desktop has one.
    bool StartsInTray() const;
    // The program is asked to end from outside (a signal, the end of the desktop session):
    // an open notification closes unanswered, its reminder left as it was so that it fires
    // again at the next start, then the window closes the normal way.
    void EndSession();

    // `observer` is told of every reminder that falls due and of its answer; it outlives
    // the window.
    void AddCycleObserver(CycleObserver& observer);

    // A command from outside (the command line, the session bus): adding, listing,
    // importing and exporting act on the window's lists, each change saved at once and shown;
    // Show brings the window forward; Quit saves, and once the reply has gone ends the
    // program as a request to end from outside does. Times are typed in the local zone of
    // `offsetAt`.
    CommandReply CarryCommand(const CommandRequest& request, const UtcOffsetAt& offsetAt);

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
    // Tests and benchmarks drive the check cycle and reach the window's insides through this
    // class alone; they find the controls by their object names.
    friend class testing::MainFormAccess;

    const std::unique_ptr<MainPrivate> d_;
};

} // namespace nudgery

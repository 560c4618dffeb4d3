#pragma once
// TTrayIcon95: the program's icon in the desktop's notification area. It shows a fixed
// icon, a "disabled" icon or an animation, reports clicks and double clicks on it, pops a
// menu up on the right button, and, while it is in the area, hides the minimised owner
// window from the task bar so that only the tray icon remains. Its owner must be a window.

#include "TrayiconMsgWindow.h"
#include "TrayiconTimers.h"

#include <QFlags>
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

class QWidget;

namespace nudgery {

class Clock;
class TrayArea;
class TTrayIcon95;

enum TTrayIconState { tsEnabled, tsDisabled, tsAnimated };

enum TTrayIconOption { toMinimizeToTray = 0x1 };
using TTrayIconOptions = QFlags<TTrayIconOption>;

enum TTrayIconAnimationOptions {
    // Frame names are the names of icons among the program's resources.
    aoIconsInExe,
    // Frame names are icon file paths.
    aoIconsAreFiles,
};

// A use of the tray icon that it refuses; what() tells the programmer what was wrong.
class InvalidTrayOperation : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The frames of the tray icon's animation and their timing.
class TTrayIconAnimation {
public:
    TTrayIconAnimation(TTrayIcon95& owner, TTimerManager& timers);
    TTrayIconAnimation(const TTrayIconAnimation&) = delete;
    TTrayIconAnimation& operator=(const TTrayIconAnimation&) = delete;

    TTimerInterval Interval() const { return interval_; }
    // A new value restarts a running animation at its first frame.
    void SetInterval(TTimerInterval interval);
    const QStringList& Icons() const { return icons_; }
    // New frames for a running animation go on from their first.
    void SetIcons(const QStringList& icons);
    TTrayIconAnimationOptions Options() const { return options_; }
    void SetOptions(TTrayIconAnimationOptions options) { options_ = options; }
    // The frame shown next.
    int FrameIndex() const { return frameIndex_; }

    // Shows the first frame now and the next ones every Interval.
    void StartAnimation();
    // Keeps the frame shown; the next start begins at the first frame again.
    void StopAnimation();
    void AnimationTick();
    // The picture of frame `index` (an empty one when its file or resource is missing);
    // nothing for an index beyond the frames.
    std::optional<QIcon> Frame(int index) const;

private:
    TTrayIcon95& owner_;
    TTimerItem& timer_;
    TTimerInterval interval_ = 1000;
    QStringList icons_;
    TTrayIconAnimationOptions options_ = aoIconsAreFiles;
    int frameIndex_ = 0;
};

class TTrayIcon95 : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxTipLength = 63;

    // Throws InvalidTrayOperation when `owner` is not a window. The icon takes over the
    // owner's minimise and restore (AppMinimized, AppRestored).
    TTrayIcon95(QWidget& owner, std::unique_ptr<TrayArea> area, const Clock& clock);
    ~TTrayIcon95() override;

    // Shown in state tsEnabled.
    const QIcon& Icon() const { return icon_; }
    void SetIcon(const QIcon& icon);
    // Shown in state tsDisabled.
    const QIcon& DisabledIcon() const { return disabledIcon_; }
    void SetDisabledIcon(const QIcon& icon);
    // Frames for tsAnimated.
    TTrayIconAnimation& Animation() { return animation_; }
    // The icon is in the notification area exactly while Active.
    bool Active() const { return active_; }
    void SetActive(bool active);
    // Pop PopupMenu up on the right button.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
    QMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(QMenu* menu);
    // The tooltip; the area is given its first MaxTipLength characters.
    const QString& Hint() const { return hint_; }
    void SetHint(const QString& hint);
    // Whether Hint is given to the area.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool showHint);
    TTrayIconOptions Options() const { return options_; }
    void SetOptions(TTrayIconOptions options) { options_ = options; }
    TTrayIconState State() const { return state_; }
    // Throws InvalidTrayOperation when called from OnStateChanging.
    void SetState(TTrayIconState state);

    // Events; each fires only when set.
    std::function<void()> OnAnimation;
    std::function<void()> OnAppMinimize;
    std::function<void()> OnAppRestore;
    // A press of any button (after the double-click wait when OnDblClick is set).
    std::function<void()> OnClick;
    // A double click of any button.
    std::function<void()> OnDblClick;
    // The pointer over the icon, in screen coordinates.
    std::function<void(QPoint)> OnMouseMove;
    std::function<void(QPoint)> OnMouseEnter;
    std::function<void(QPoint)> OnMouseExit;
    // Before State changes; may change the new state, but must not set State.
    std::function<void(TTrayIconState& newState)> OnStateChanging;

    void AddIcon();
    void RemoveIcon();
    // Makes the picture for the present state current and, while active, shows it.
    void UpdateIcon();
    // Runs `action` later from the event loop; a later call before it runs replaces it.
    void PostDeferred(std::function<void()> action);

    // Later, from the event loop: the owner restored, shown, raised and activated.
    virtual void ShowApplication();
    // Later, from the event loop: the owner hidden, which takes it off the task bar.
    virtual void HideApplication();
    // Holds the owner's repainting while it is shown or hidden.
    virtual void LockScreenUpdate(bool lock);

    // The owner was minimised: into the tray when the icon is there and toMinimizeToTray
    // is among the options.
    void AppMinimized();
    // The owner was restored: brought back from the tray when the icon is there, or when
    // the owner is hidden there.
    void AppRestored();

    // The program minimises the owner (its own Minimize button, a start in the tray):
    // straight into the tray when the icon takes it there, otherwise minimised as usual.
    void MinimizeApplication();
    // The program restores the owner (the icon's clicks and menu): back from the tray when
    // hidden there, otherwise no longer minimised.
    void RestoreApplication();

    // What the area is given.
    const QIcon& CurrentIcon() const { return currentIcon_; }
    const QString& TipText() const { return tipText_; }
    // The shared timer of the animation and the click and pointer checks.
    TTimerManager& Timers() { return timers_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class ShellOperation { Add, Modify, Delete };
    bool MinimizesIntoTray() const;
    void NotifyShell(ShellOperation operation);
    void RunDeferred();

    QWidget& owner_;
    std::unique_ptr<TrayArea> area_;
    // Before the animation and the message window, whose timer items it owns.
    TTimerManager timers_;
    TTrayIconAnimation animation_;
    TTrayIconMsgWindow msgWindow_;

    QIcon icon_;
    QIcon disabledIcon_;
    QIcon currentIcon_;
    QString hint_;
    QString tipText_;
    bool active_ = false;
    bool autoPopup_ = false;
    bool showHint_ = true;
    TTrayIconOptions options_ = toMinimizeToTray;
    TTrayIconState state_ = tsEnabled;
    QPointer<QMenu> popupMenu_;
    // Set while OnStateChanging runs.
    bool changingState_ = false;
    std::function<void()> deferredAction_;
};

} // namespace nudgery

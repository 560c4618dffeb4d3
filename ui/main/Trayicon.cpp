#include "Trayicon.h"

#include "art/ProgramArt.h"
#include "platform/tray_area.h"

#include <QEvent>
#include <QFile>
#include <QMetaObject>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QWidget>
#include <QWindowStateChangeEvent>
#include <exception>
#include <utility>

namespace nudgery {

namespace {

// The first `length` characters of `text`, without splitting a character in two.
QString Truncated(const QString& text, int length) {
    if (text.size() <= length)
        return text;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

QWidget& RequireWindow(QWidget& owner) {
    if (!owner.isWindow())
        throw InvalidTrayOperation("TrayIcons must be owned by a Form !");
    return owner;
}

} // namespace

TTrayIconAnimation::TTrayIconAnimation(TTrayIcon95& owner, TTimerManager& timers)
    : owner_(owner), timer_(timers.AddTimer(false, 1000, [this] { AnimationTick(); })) {}

void TTrayIconAnimation::SetInterval(TTimerInterval interval) {
    if (interval == interval_)
        return;
    interval_ = interval;
    if (owner_.State() == tsAnimated && owner_.Active())
        StartAnimation();
}

void TTrayIconAnimation::SetIcons(const QStringList& icons) {
    icons_ = icons;
    if (owner_.State() == tsAnimated && owner_.Active())
        frameIndex_ = 0;
}

void TTrayIconAnimation::StartAnimation() {
    StopAnimation();
    frameIndex_ = 0;
    AnimationTick();
    if (owner_.State() == tsAnimated) {
        timer_.SetInterval(interval_);
        timer_.SetEnabled(true);
    }
}

void TTrayIconAnimation::StopAnimation() {
    timer_.SetEnabled(false);
}

void TTrayIconAnimation::AnimationTick() {
    if (owner_.OnAnimation)
        owner_.OnAnimation();
    owner_.UpdateIcon();
    frameIndex_ = frameIndex_ < icons_.size() - 1 ? frameIndex_ + 1 : 0;
}

std::optional<QIcon> TTrayIconAnimation::Frame(int index) const {
    if (index < 0 || index >= icons_.size())
        return std::nullopt;
    const QString& name = icons_.at(index);
    if (options_ == aoIconsInExe)
        return ResourceIcon(name);
    // A missing file shows an empty icon, as a missing resource does, rather than failing
    // on every tick of the animation.
    return QFile::exists(name) ? QIcon(name) : QIcon();
}

TTrayIcon95::TTrayIcon95(QWidget& owner, std::unique_ptr<TrayArea> area, const Clock& clock)
    : QObject(&RequireWindow(owner)), owner_(owner), area_(std::move(area)), timers_(clock),
      animation_(*this, timers_), msgWindow_(*this, *area_, timers_, clock) {
    connect(area_.get(), &TrayArea::Pressed, this, [this](TrayButton button, QPoint position) {
        msgWindow_.TrayMouseMessage(TrayMouseKind::Press, button, position);
    });
    connect(area_.get(), &TrayArea::ContextRequested, this, [this](QPoint position) {
        msgWindow_.TrayMouseMessage(TrayMouseKind::Press, TrayButton::Right, position);
    });
    connect(area_.get(), &TrayArea::DoubleClicked, this,
            [this](TrayButton button, QPoint position) {
                msgWindow_.TrayMouseMessage(TrayMouseKind::DoubleClick, button, position);
            });
    connect(area_.get(), &TrayArea::PointerMoved, this, [this](QPoint position) {
        msgWindow_.TrayMouseMessage(TrayMouseKind::Move, TrayButton::Left, position);
    });
    owner_.installEventFilter(this);
}

TTrayIcon95::~TTrayIcon95() {
    timers_.SetEnabled(false);
    // Also the way out of the area when the desktop session ends: the program then closes
    // its main window, which destroys the icon.
    RemoveIcon();
}

void TTrayIcon95::SetIcon(const QIcon& icon) {
    icon_ = icon;
    UpdateIcon();
}

void TTrayIcon95::SetDisabledIcon(const QIcon& icon) {
    disabledIcon_ = icon;
    UpdateIcon();
}

void TTrayIcon95::SetActive(bool active) {
    if (active)
        AddIcon();
    else
        RemoveIcon();
}

void TTrayIcon95::SetPopupMenu(QMenu* menu) {
    if (popupMenu_)
        popupMenu_->removeEventFilter(this);
    popupMenu_ = menu;
    // The second press of a right double click on the icon comes to the open menu.
    if (popupMenu_)
        popupMenu_->installEventFilter(this);
    area_->SetMenu(menu);
}

void TTrayIcon95::SetHint(const QString& hint) {
    if (hint == hint_)
        return;
    hint_ = hint;
    if (showHint_)
        SetShowHint(true);
}

void TTrayIcon95::SetShowHint(bool showHint) {
    showHint_ = showHint;
    tipText_ = showHint_ ? Truncated(hint_, MaxTipLength) : QString();
    if (active_)
        NotifyShell(ShellOperation::Modify);
}

void TTrayIcon95::SetState(TTrayIconState state) {
    if (changingState_)
        throw InvalidTrayOperation(
            "You cannot modify the state property in the OnStateChanging event !!!");
    if (!active_) {
        state_ = state;
        return;
    }
    if (state == state_)
        return;
    if (OnStateChanging) {
        changingState_ = true;
        const auto cleared = qScopeGuard([this] { changingState_ = false; });
        OnStateChanging(state);
    }
    if (state == state_)
        return;
    if (state_ == tsAnimated)
        animation_.StopAnimation();
    state_ = state;
    UpdateIcon();
    if (state_ == tsAnimated)
        animation_.StartAnimation();
}

void TTrayIcon95::AddIcon() {
    if (active_)
        return;
    UpdateIcon();
    active_ = true;
    NotifyShell(ShellOperation::Add);
    if (state_ == tsAnimated)
        animation_.StartAnimation();
}

void TTrayIcon95::RemoveIcon() {
    if (!active_)
        return;
    active_ = false;
    if (state_ == tsAnimated)
        animation_.StopAnimation();
    NotifyShell(ShellOperation::Delete);
}

void TTrayIcon95::UpdateIcon() {
    switch (state_) {
    case tsEnabled:
        currentIcon_ = icon_;
        break;
    case tsDisabled:
        currentIcon_ = disabledIcon_;
        break;
    case tsAnimated:
        if (std::optional<QIcon> frame = animation_.Frame(animation_.FrameIndex()))
            currentIcon_ = *frame;
        break;
    }
    if (active_)
        NotifyShell(ShellOperation::Modify);
}

void TTrayIcon95::NotifyShell(ShellOperation operation) {
    switch (operation) {
    case ShellOperation::Add:
        area_->ShowIcon(currentIcon_, tipText_);
        break;
    case ShellOperation::Modify:
        area_->ReplaceIcon(currentIcon_, tipText_);
        break;
    case ShellOperation::Delete:
        area_->RemoveIcon();
        break;
    }
}

void TTrayIcon95::PostDeferred(std::function<void()> action) {
    deferredAction_ = std::move(action);
    QMetaObject::invokeMethod(this, &TTrayIcon95::RunDeferred, Qt::QueuedConnection);
}

void TTrayIcon95::RunDeferred() {
    // An earlier post's call finds the action already taken by this one.
    if (!deferredAction_)
        return;
    const std::function<void()> action = std::exchange(deferredAction_, nullptr);
    try {
        action();
    } catch (const std::exception&) {
        // Nothing may escape into the event loop; the user can click the icon again.
    }
}

void TTrayIcon95::ShowApplication() {
    PostDeferred([this] {
        LockScreenUpdate(true);
        if (owner_.isMinimized())
            owner_.setWindowState(owner_.windowState() & ~Qt::WindowMinimized);
        if (!owner_.isVisible())
            owner_.show();
        owner_.raise();
        owner_.activateWindow();
        LockScreenUpdate(false);
    });
}

void TTrayIcon95::HideApplication() {
    // Only hidden, not minimised as well: a window the program minimises is marked for the
    // window manager to show minimised, and the window manager may then map it minimised
    // when it is shown again, which would send it straight back into the tray.
    PostDeferred([this] {
        LockScreenUpdate(true);
        owner_.hide();
        LockScreenUpdate(false);
    });
}

void TTrayIcon95::LockScreenUpdate(bool lock) {
    owner_.setUpdatesEnabled(!lock);
}

bool TTrayIcon95::MinimizesIntoTray() const {
    return active_ && options_.testFlag(toMinimizeToTray);
}

void TTrayIcon95::AppMinimized() {
    if (MinimizesIntoTray())
        HideApplication();
    if (OnAppMinimize)
        OnAppMinimize();
}

void TTrayIcon95::AppRestored() {
    // A hidden owner has no other way back, even if the icon has gone meanwhile.
    if (active_ || !owner_.isVisible())
        ShowApplication();
    if (OnAppRestore)
        OnAppRestore();
}

void TTrayIcon95::MinimizeApplication() {
    if (MinimizesIntoTray())
        AppMinimized();
    else
        owner_.showMinimized(); // AppMinimized follows from the change of state
}

void TTrayIcon95::RestoreApplication() {
    if (!owner_.isVisible())
        AppRestored(); // hidden in the tray: its state may not say minimised
    else if (owner_.isMinimized())
        owner_.setWindowState(owner_.windowState() & ~Qt::WindowMinimized);
}

bool TTrayIcon95::eventFilter(QObject* watched, QEvent* event) {
    // Qt may already count the press as the second of a double click. The event's type is
    // asked first: a menu being destroyed is no longer a QMenu to compare with.
    if ((event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonDblClick) &&
        watched == popupMenu_) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::RightButton &&
            msgWindow_.MenuRightPressed(press->globalPosition().toPoint()))
            return true;
    }
    if (watched == &owner_ && event->type() == QEvent::WindowStateChange) {
        const bool wasMinimized =
            static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized;
        if (!wasMinimized && owner_.isMinimized())
            AppMinimized();
        else if (wasMinimized && !owner_.isMinimized())
            AppRestored();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace nudgery

#pragma once
// The desktop's notification area: one icon with a tooltip, and what the user does to it.
// Whether the desktop has a notification area at all is StartupInfo::HasNotificationArea.

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

class QMenu;
class QSystemTrayIcon;

namespace nudgery {

enum class TrayButton { Left, Right, Middle };

class TrayArea : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~TrayArea() override;

    // Puts the icon into the area with `tooltip` (empty: no tooltip).
    virtual void ShowIcon(const QIcon& icon, const QString& tooltip) = 0;
    // Replaces the picture and the tooltip of the icon shown.
    virtual void ReplaceIcon(const QIcon& icon, const QString& tooltip) = 0;
    // Takes the icon out of the area; nothing when none is shown.
    virtual void RemoveIcon() = 0;
    // The icon's menu (none: no menu), for a notification area that shows the menus of its
    // icons itself; an area that does not asks for it with ContextRequested instead.
    virtual void SetMenu(QMenu* menu) = 0;
    // Where the pointer is now, in screen coordinates.
    virtual QPoint PointerPosition() const = 0;

signals:
    // A button went down on the icon, the pointer being at `position` on the screen.
    void Pressed(nudgery::TrayButton button, QPoint position);
    // The second press of a double click on the icon.
    void DoubleClicked(nudgery::TrayButton button, QPoint position);
    // The user asked for the icon's menu (a right press, or the desktop's own gesture).
    void ContextRequested(QPoint position);
    // The pointer moved over the icon.
    void PointerMoved(QPoint position);
};

// The notification area through QSystemTrayIcon: a StatusNotifierItem over D-Bus where a
// host of them is on the session bus (KDE, the wlroots desktops' bars, GNOME with an
// extension), the XEmbed tray otherwise. Neither tells the program when the pointer moves
// over the icon, so PointerMoved is never reported here; and only the left button's double
// click is reported. The position of a press is where the pointer is when the desktop's
// report arrives. A StatusNotifierItem host is given the menu to show it itself (over
// DBusMenu); one that shows no menus asks for it as an XEmbed tray does.
class DesktopTrayArea final : public TrayArea {
    Q_OBJECT
public:
    explicit DesktopTrayArea(QObject* parent = nullptr);
    ~DesktopTrayArea() override;

    void ShowIcon(const QIcon& icon, const QString& tooltip) override;
    void ReplaceIcon(const QIcon& icon, const QString& tooltip) override;
    void RemoveIcon() override;
    void SetMenu(QMenu* menu) override;
    QPoint PointerPosition() const override;

private:
    // Gives a StatusNotifierItem host the menu, once it is known that the icon goes there.
    void OfferMenu();

    std::unique_ptr<QSystemTrayIcon> icon_;
    QPointer<QMenu> menu_;
    // The menu's actions, as the host shows them: the program's own menu pops up as a
    // window of the program's, which must stay apart from what the host is given.
    std::unique_ptr<QMenu> offered_;
    // Whether the icon goes to a StatusNotifierItem host; asked once, with the first icon.
    std::optional<bool> statusNotifierHost_;
};

} // namespace nudgery

#pragma once
// The desktop's notification area: one icon with a tooltip, and what the user does to it.
// Whether the desktop has a notification area at all is StartupInfo::HasNotificationArea.

#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QString>
#include <memory>

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

// The notification area through QSystemTrayIcon: a StatusNotifierItem over D-Bus where the
// desktop offers one, the XEmbed tray otherwise. Neither tells the program when the pointer
// moves over the icon, so PointerMoved is never reported here; and only the left button's
// double click is reported. The position of a press is where the pointer is when the
// desktop's report arrives.
class DesktopTrayArea final : public TrayArea {
    Q_OBJECT
public:
    explicit DesktopTrayArea(QObject* parent = nullptr);
    ~DesktopTrayArea() override;

    void ShowIcon(const QIcon& icon, const QString& tooltip) override;
    void ReplaceIcon(const QIcon& icon, const QString& tooltip) override;
    void RemoveIcon() override;
    QPoint PointerPosition() const override;

private:
    std::unique_ptr<QSystemTrayIcon> icon_;
};

} // namespace nudgery

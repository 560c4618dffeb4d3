#pragma once
// A notification area that shows nothing: it keeps the icon and tooltip it was given, counts
// the calls, and lets the test play the user's presses and the pointer's position, and the
// presses that the icon's open menu gets.

#include "platform/tray_area.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <functional>

namespace nudgery::testing {

class FakeTrayArea final : public TrayArea {
public:
    // Runs while the area is still whole: QObject::destroyed comes too late to read it.
    ~FakeTrayArea() override {
        if (whenDestroyed)
            whenDestroyed(*this);
    }
    void ShowIcon(const QIcon& icon, const QString& tooltip) override {
        ++shows;
        shown = true;
        this->icon = icon;
        this->tooltip = tooltip;
    }
    void ReplaceIcon(const QIcon& icon, const QString& tooltip) override {
        ++replacements;
        this->icon = icon;
        this->tooltip = tooltip;
    }
    void RemoveIcon() override {
        ++removals;
        shown = false;
    }
    QPoint PointerPosition() const override { return pointer; }
    void SetMenu(QMenu* menu) override { this->menu = menu; }

    bool shown = false;
    QIcon icon;
    QString tooltip;
    int shows = 0;
    int replacements = 0;
    int removals = 0;
    QPoint pointer;
    QMenu* menu = nullptr;
    std::function<void(const FakeTrayArea&)> whenDestroyed;
};

// A right press on the icon's open menu at `global` on the screen, as the menu gets the
// second press of a double click on the icon: `type` is a press, or a double click when
// the toolkit counts it as one.
inline void RightPressOnMenu(QMenu& menu, QPoint global,
                             QEvent::Type type = QEvent::MouseButtonPress) {
    QMouseEvent press(type, QPointF(menu.mapFromGlobal(global)), QPointF(global), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&menu, &press);
}

} // namespace nudgery::testing

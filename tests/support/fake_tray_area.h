#pragma once
// A notification area that shows nothing: it keeps the icon and tooltip it was given, counts
// the calls, and lets the test play the user's presses and the pointer's position.

#include "platform/tray_area.h"

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

    bool shown = false;
    QIcon icon;
    QString tooltip;
    int shows = 0;
    int replacements = 0;
    int removals = 0;
    QPoint pointer;
    std::function<void(const FakeTrayArea&)> whenDestroyed;
};

} // namespace nudgery::testing

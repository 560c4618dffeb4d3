#pragma once
// The program's popup hints (tooltips) switched on or off for every window at once: the
// main window, the notification window, the editors and every dialog. While they are off,
// no control's tooltip is shown; the controls keep their texts for when they are on again.

#include <QObject>

namespace nudgery {

class PopupHints final : public QObject {
    Q_OBJECT
public:
    // Watches every window of the application from now until it is destroyed; hints are
    // shown to begin with.
    explicit PopupHints(QObject* parent = nullptr);
    ~PopupHints() override;

    bool Shown() const { return shown_; }
    // Off also takes away a hint that is showing.
    void SetShown(bool shown);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool shown_ = true;
};

} // namespace nudgery

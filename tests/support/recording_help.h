#pragma once
// A help viewer that records what it was asked: each topic, and the window asked from.

#include "platform/help_viewer.h"

#include <QTest>
#include <QWidget>
#include <vector>

namespace nudgery::testing {

class RecordingHelp final : public HelpViewer {
public:
    void ShowTopic(int topic, QWidget* opener) override {
        topics.push_back(topic);
        openers.push_back(opener);
    }
    std::vector<int> topics;
    std::vector<QWidget*> openers;
};

// F1 pressed where the keyboard focus is in `window`, which is shown and made active first,
// as the key goes to the active window only.
inline void PressHelpKey(QWidget& window) {
    if (!window.isVisible())
        window.show();
    window.activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_F1);
}

} // namespace nudgery::testing

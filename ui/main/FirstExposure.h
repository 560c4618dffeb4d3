#pragma once
// Runs an action once, when a window is first exposed: its first picture is on the screen.

#include <QObject>
#include <functional>

class QWindow;

namespace nudgery {

class FirstExposure final : public QObject {
public:
    FirstExposure(QWindow& window, std::function<void()> exposed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> exposed_;
};

} // namespace nudgery

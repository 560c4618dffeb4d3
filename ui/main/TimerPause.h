#pragma once
// Stops a timer for the life of a scope and starts it again afterwards if it was running:
// no reminder may fall due while a modal dialog of the main window is open.

#include <QTimer>

namespace nudgery {

class TimerPause {
public:
    explicit TimerPause(QTimer& timer) : timer_(timer), wasActive_(timer.isActive()) {
        timer_.stop();
    }
    ~TimerPause() {
        if (wasActive_)
            timer_.start();
    }
    TimerPause(const TimerPause&) = delete;
    TimerPause& operator=(const TimerPause&) = delete;

private:
    QTimer& timer_;
    const bool wasActive_;
};

} // namespace nudgery

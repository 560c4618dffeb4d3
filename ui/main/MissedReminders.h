#pragma once
// TMissedReminders: the window that tells the user which reminders fell due unseen (while the
// program was not running or the computer was asleep): the one-time reminders that so became
// Expired, and the occurrences of repeating reminders that passed, one line per reminder per
// day. It only reports: the lists and the data file are the same with it as without it.

#include "alerts/MissedLines.h"

#include <QWidget>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace nudgery {

class Clock;
class DateFormats;

class TMissedReminders : public QWidget {
    Q_OBJECT
public:
    // A window of its own, so that it is seen also while the main window is in the tray.
    TMissedReminders(const DateFormats& formats, const Clock& clock);

    // Adds the lines to those shown, newest first, and shows the window without taking the
    // keyboard focus from the window the user is working in. An empty batch does nothing.
    void AddBatch(const std::vector<MissedLine>& batch);

protected:
    // Closed (Ok or the title bar), the window forgets what it showed.
    void closeEvent(QCloseEvent* event) override;

private:
    void Refill();

    const DateFormats& formats_;
    const Clock& clock_;
    std::vector<MissedLine> missed_;

    QLabel* Prompt = nullptr;
    QTreeWidget* MissedList = nullptr;
    QPushButton* OkButton = nullptr;
};

} // namespace nudgery

#pragma once
// The notification window: tells the user that a reminder has fallen due and returns the
// answer as its modal result (1 OK, 2 Delete, -N snooze by N minutes, or the time-out
// action). Created once and reused for every notification.

#include <QDialog>
#include <cstdint>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;

namespace nudgery {

class Clock;
class HelpViewer;

class TAlarmShow : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpTopic = 1009;
    // The area below the title bar, and the message's part of it, at their design sizes.
    static constexpr QSize ClientSize{384, 239};
    static constexpr QSize MessageSize{368, 44};

    // `stopSound` runs whenever the window closes, so the reminder's sound ends with it.
    TAlarmShow(const Clock& clock, HelpViewer& help, std::function<void()> stopSound);

    // The result of a window closed without the user's answer (the program ending): the
    // check cycle leaves the reminder as it was.
    static constexpr int Unanswered = 3;

    // Fills the window for one notification, shows it modally and returns its result.
    int ShowNotification(const QString& message, bool allowDelete, int timeoutSeconds,
                         int timeoutAction);
    // Whether the last notification ended by its time-out rather than by an answer.
    bool TimedOut() const { return timedOut_; }
    // Sizes the window for the message in AlarmMsg and centres it on the screen: the design
    // size when the message fits, taller for a longer one, up to the screen's height; what
    // is still longer scrolls.
    void FitMessage();

    // Seconds after which the window answers by itself (0 or less: never), and the answer.
    int TimeoutSeconds = 0;
    int TimeoutAction = 0;

    // Raises the window and asks for the keyboard, in front of whatever the user works in
    // (where the desktop lets a program do that).
    void BringForward();

    // Ends the window with `result`, stopping the sound: every way of closing goes here.
    void done(int result) override;
    // Esc: the window has no cancel answer, so nothing happens.
    void reject() override {}

    // One step of the countdown; driven by Timer1 every 100 ms while a time-out runs.
    void Timer1Timer();

    QLabel* AlarmMsg;
    QFrame* Panel;
    QPushButton* b5min;
    QPushButton* b10min;
    QPushButton* b30min;
    QPushButton* b1hour;
    QPushButton* b2hr;
    QPushButton* b4hr;
    QPushButton* b24hr;
    QPushButton* OneWeek;
    QPushButton* DeleteButton;
    QPushButton* OkButton;
    QLabel* CountDown;
    QTimer* Timer1;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // A close asked by the window manager is refused: the window ends only with an answer.
    void closeEvent(QCloseEvent* event) override;
    // The line around the window, which has no frame of the window manager's.
    void paintEvent(QPaintEvent* event) override;

private:
    void CreateMessage(QWidget& client);
    void CreateAnswers(QWidget& client);
    QPushButton* AddAnswerButton(const QString& caption, int result, const QString& tooltip,
                                 const QRect& geometry);

    const Clock& clock_;
    std::function<void()> stopSound_;
    std::uint32_t StartTick = 0;
    bool timedOut_ = false;
    // Everything below the title bar.
    QWidget* client_;
    // Holds AlarmMsg; scrolls only a message taller than the screen allows.
    QScrollArea* messageArea_;
};

} // namespace nudgery

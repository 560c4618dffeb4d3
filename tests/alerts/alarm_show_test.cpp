// The notification window: its answers, its countdown on the injected tick count, the keys
// it takes and refuses, and the message shown as the user wrote it.
#include "alerts/Alarmsh.h"
#include "core/clock.h"
#include "support/caption_minutes.h"
#include "support/modal_watchdog.h"
#include "support/qt_printers.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

class AlarmShowTest : public ::testing::Test {
protected:
    // Shows the window modally and runs `answer` inside its modal loop.
    int ShowAndAnswer(std::function<void()> answer, bool allowDelete = true, int timeoutSeconds = 0,
                      int timeoutAction = 0) {
        QTimer::singleShot(0, &window_, std::move(answer));
        return window_.ShowNotification("Call the dentist", allowDelete, timeoutSeconds,
                                        timeoutAction);
    }
    // Shows the window without a modal loop, so a test can step the countdown itself.
    void ShowWithTimeout(int seconds, std::uint32_t startTick) {
        clock_.SetTickCount(startTick);
        window_.TimeoutSeconds = seconds;
        window_.TimeoutAction = 1;
        window_.show();
    }
    void StepCountdownAt(std::uint32_t tick) {
        clock_.SetTickCount(tick);
        window_.Timer1Timer();
    }

    // A window that a regression leaves open fails the test in seconds.
    testing::ModalWatchdog watchdog_;
    SettableClock clock_;
    int soundStops_ = 0;
    TAlarmShow window_{clock_, [this] { ++soundStops_; }};
};

// The answer buttons in their tab order, with the result each ends the window with.
struct Answer {
    QPushButton* TAlarmShow::*button;
    int result;
};

const Answer kAnswers[] = {
    {&TAlarmShow::b5min, -5},    {&TAlarmShow::b10min, -10},     {&TAlarmShow::b30min, -30},
    {&TAlarmShow::b1hour, -60},  {&TAlarmShow::b2hr, -120},      {&TAlarmShow::b4hr, -240},
    {&TAlarmShow::b24hr, -1440}, {&TAlarmShow::OneWeek, -10080}, {&TAlarmShow::DeleteButton, 2},
    {&TAlarmShow::OkButton, 1},
};

TEST_F(AlarmShowTest, EveryButtonEndsTheWindowWithItsAnswerAndStopsTheSound) {
    int shownAnswers = 0;
    for (const Answer& answer : kAnswers) {
        QPushButton* button = window_.*answer.button;
        const std::string caption = button->text().toStdString();
        SCOPED_TRACE(caption);
        // A snooze button snoozes by what its caption says.
        if (answer.result < 0) {
            EXPECT_EQ(testing::SignedMinutesIn(caption), -answer.result);
        }
        EXPECT_EQ(ShowAndAnswer([button] { button->click(); }), answer.result);
        EXPECT_FALSE(window_.isVisible());
        EXPECT_EQ(soundStops_, ++shownAnswers);
    }
}

TEST_F(AlarmShowTest, TabOrderRunsThroughTheAnswersInTheirOrder) {
    QWidget* next = window_.b5min;
    for (const Answer& answer : kAnswers) {
        EXPECT_EQ(next, window_.*answer.button);
        next = next->nextInFocusChain();
    }
}

TEST_F(AlarmShowTest, FixedSizeTopmostWindowWithoutTitleBarButtons) {
    EXPECT_EQ(window_.windowTitle(), "Reminder Notification");
    EXPECT_EQ(window_.minimumSize(), window_.maximumSize());
    const Qt::WindowFlags flags = window_.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowSystemMenuHint));
    EXPECT_EQ(window_.parentWidget(), nullptr);
    EXPECT_TRUE(window_.OkButton->isDefault());
}

TEST_F(AlarmShowTest, EnterAnswersOkAndEscapeOrACloseRequestDoNothing) {
    bool focusOnOk = false;
    bool openAfterEscape = false;
    bool openAfterClose = false;
    const int result = ShowAndAnswer([&] {
        focusOnOk = window_.focusWidget() == window_.OkButton;
        QTest::keyClick(window_.focusWidget(), Qt::Key_Escape);
        openAfterEscape = window_.isVisible();
        window_.close();
        openAfterClose = window_.isVisible();
        QTest::keyClick(window_.focusWidget(), Qt::Key_Return);
    });
    EXPECT_TRUE(focusOnOk);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_TRUE(openAfterClose);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(soundStops_, 1);
}

TEST_F(AlarmShowTest, DeleteIsOfferedOnlyWhenTheCallerAllowsIt) {
    for (bool allowDelete : {false, true}) {
        SCOPED_TRACE(allowDelete);
        bool deleteShown = !allowDelete;
        ShowAndAnswer(
            [&] {
                deleteShown = window_.DeleteButton->isVisible();
                window_.OkButton->click();
            },
            allowDelete);
        EXPECT_EQ(deleteShown, allowDelete);
    }
}

struct CountdownMoment {
    int timeoutSeconds;
    std::uint32_t elapsedMs;
    const char* text;
};

TEST_F(AlarmShowTest, CountdownTextsFollowTheTickCountAcrossItsWrap) {
    const CountdownMoment moments[] = {
        {600, 100, "Timeout in   9:59"},    {600, 60'000, "Timeout in   9:00"},
        {600, 60'001, "Timeout in   8:59"}, {600, 540'000, "Timeout in   1:00"},
        {600, 540'001, "Timeout in   :59"}, {600, 595'000, "Timeout in   :05"},
        {600, 600'000, "Timeout in   :00"}, {60, 100, "Timeout in   :59"},
        {3600, 100, "Timeout in   59:59"},  {7200, 0, "Timeout in   120:00"},
    };
    // Started just before the 32-bit tick count wraps, so most moments lie beyond the wrap.
    const std::uint32_t start = 0xFFFF'FFFFu - 50;
    for (const CountdownMoment& moment : moments) {
        SCOPED_TRACE(moment.text);
        ShowWithTimeout(moment.timeoutSeconds, start);
        EXPECT_TRUE(window_.Timer1->isActive());
        EXPECT_EQ(window_.Timer1->interval(), 100);
        StepCountdownAt(start + moment.elapsedMs);
        EXPECT_EQ(window_.CountDown->text(), moment.text);
        EXPECT_TRUE(window_.Timer1->isActive());
        window_.hide();
        EXPECT_EQ(window_.CountDown->text(), "");
        EXPECT_FALSE(window_.Timer1->isActive());
    }
}

TEST_F(AlarmShowTest, AHugeTimeoutCountsDownWithoutOverflow) {
    ShowWithTimeout(3'000'000, 0);
    StepCountdownAt(1000);
    EXPECT_EQ(window_.CountDown->text(), "Timeout in   49999:59");
    window_.hide();
}

TEST_F(AlarmShowTest, WithoutTimeoutNoCountdownRuns) {
    bool countdownRunning = true;
    QString countdownText = "?";
    const int result = ShowAndAnswer(
        [&] {
            countdownRunning = window_.Timer1->isActive();
            countdownText = window_.CountDown->text();
            window_.OkButton->click();
        },
        true, 0, -5);
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(countdownRunning);
    EXPECT_EQ(countdownText, "");
}

TEST_F(AlarmShowTest, TimeoutAnswersWithTheActionAndStopsTheSound) {
    clock_.SetTickCount(5000);
    const int result = ShowAndAnswer([this] { clock_.SetTickCount(5000 + 60'001); }, true, 60, -5);
    EXPECT_EQ(result, -5);
    EXPECT_EQ(soundStops_, 1);
    EXPECT_FALSE(window_.Timer1->isActive());
}

TEST_F(AlarmShowTest, TimeoutWithActionZeroFreezesTheCountdownUntilAClick) {
    clock_.SetTickCount(0);
    bool frozenOpen = false;
    QString frozenText;
    const int result = ShowAndAnswer(
        [this, &frozenOpen, &frozenText] {
            clock_.SetTickCount(500);
            if (!QTest::qWaitFor([this] { return !window_.CountDown->text().isEmpty(); }))
                return window_.OkButton->click();
            clock_.SetTickCount(1001);
            if (!QTest::qWaitFor([this] { return !window_.Timer1->isActive(); }))
                return window_.OkButton->click();
            frozenOpen = window_.isVisible();
            frozenText = window_.CountDown->text();
            window_.b4hr->click();
        },
        true, 1, 0);
    EXPECT_EQ(result, -240);
    EXPECT_TRUE(frozenOpen);
    EXPECT_EQ(frozenText, "Timeout in   :00");
}

TEST_F(AlarmShowTest, ReusedWindowStartsEachShowingAfresh) {
    clock_.SetTickCount(0);
    ShowAndAnswer([this] { clock_.SetTickCount(1001); }, true, 1, 1);
    // A later showing counts from its own start, and one without time-out shows no countdown.
    clock_.SetTickCount(900'000);
    QString firstText;
    ShowAndAnswer(
        [this, &firstText] {
            clock_.SetTickCount(900'100);
            if (QTest::qWaitFor([this] { return !window_.CountDown->text().isEmpty(); }))
                firstText = window_.CountDown->text();
            window_.OkButton->click();
        },
        true, 120, 1);
    EXPECT_EQ(firstText, "Timeout in   1:59");
}

// The width of the label's drawn text, in pixels: an oracle for what the user sees.
int InkWidth(QLabel* label) {
    const QImage image = label->grab().toImage();
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right < left ? 0 : right - left + 1;
}

TEST_F(AlarmShowTest, TheMessageIsShownAsWrittenWithoutAcceleratorsOrMarkup) {
    window_.AlarmMsg->setText("&&&&&&&&");
    const int eightAmpersands = InkWidth(window_.AlarmMsg);
    window_.AlarmMsg->setText("&&&&");
    const int fourAmpersands = InkWidth(window_.AlarmMsg);
    EXPECT_GT(eightAmpersands, fourAmpersands * 3 / 2);

    window_.AlarmMsg->setText("<b>x</b>");
    const int markup = InkWidth(window_.AlarmMsg);
    window_.AlarmMsg->setText("x");
    EXPECT_GT(markup, 4 * InkWidth(window_.AlarmMsg));

    QString shown;
    ShowAndAnswer([&] {
        shown = window_.AlarmMsg->text();
        window_.OkButton->click();
    });
    EXPECT_EQ(shown, "Call the dentist");
}

} // namespace
} // namespace nudgery

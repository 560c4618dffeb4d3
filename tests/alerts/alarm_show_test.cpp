// The notification window: its answers, its countdown on the injected tick count, the keys
// it takes and refuses, and the message shown as the user wrote it.
#include "alerts/Alarmsh.h"
#include "art/ProgramArt.h"
#include "core/clock.h"
#include "support/accessible_events.h"
#include "support/caption_minutes.h"
#include "support/desktop_face.h"
#include "support/modal_watchdog.h"
#include "support/qt_printers.h"
#include "support/recording_help.h"
#include "support/spoken_controls.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
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
    testing::RecordingHelp help_;
    TAlarmShow window_{clock_, help_, [this] { ++soundStops_; }};
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
        EXPECT_FALSE(window_.TimedOut());
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

TEST_F(AlarmShowTest, TopmostWindowWithItsOwnTitleBarAndNoButtonsInIt) {
    EXPECT_EQ(window_.windowTitle(), "Reminder Notification");
    EXPECT_EQ(window_.minimumSize(), window_.maximumSize());
    const Qt::WindowFlags flags = window_.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    // No title bar of the window manager's, which may carry buttons whatever the window
    // asks; the window draws its own, which has none.
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowSystemMenuHint));
    EXPECT_EQ(window_.parentWidget(), nullptr);
    EXPECT_TRUE(window_.OkButton->isDefault());

    window_.show();
    QWidget* caption = window_.findChild<QWidget*>("Caption");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->geometry().top(), 1);
    EXPECT_EQ(caption->width(), window_.width() - 2);
    EXPECT_TRUE(caption->findChildren<QWidget*>().isEmpty()) << "nothing to click on it";
    // It carries the program's icon, drawn where the bar begins.
    const QImage icon = ProgramIcon().pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(window_.windowIcon().pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32),
              icon);
    const QImage bar = caption->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    int opaque = 0, matching = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (qAlpha(icon.pixel(x, y)) == 255) {
                ++opaque;
                matching +=
                    qRgb(qRed(bar.pixel(4 + x, 2 + y)), qGreen(bar.pixel(4 + x, 2 + y)),
                         qBlue(bar.pixel(4 + x, 2 + y))) == (icon.pixel(x, y) | 0xff000000u);
            }
    EXPECT_GT(opaque, 50);
    EXPECT_EQ(matching, opaque);
    window_.hide();
}

TEST_F(AlarmShowTest, DraggingTheTitleBarMovesTheWindow) {
    window_.show();
    QWidget* caption = window_.findChild<QWidget*>("Caption");
    ASSERT_NE(caption, nullptr);
    const QPoint before = window_.pos();
    QTest::mousePress(caption, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseMove(caption, QPoint(140, 30));
    QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(140, 30));
    EXPECT_EQ(window_.pos(), before + QPoint(40, 20));
    // Released, the pointer moves alone.
    QTest::mouseMove(caption, QPoint(10, 10));
    EXPECT_EQ(window_.pos(), before + QPoint(40, 20));
    window_.hide();
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
    EXPECT_TRUE(window_.TimedOut());
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
    // Answered by the user, in the end.
    EXPECT_FALSE(window_.TimedOut());
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

// How the window laid itself out for one message, seen while it was open.
struct Layout {
    QSize window;
    QRect screen;
    QRect frame;
    QRect messageArea; // in the window
    QRect panel;       // in the window
    int labelHeight = 0;
    int textHeight = 0; // what the message needs at the label's width
    bool scrolls = false;
    bool scrollsToTheEnd = false;
};

// A message of `words` words.
QString Words(int words) {
    QStringList list;
    for (int i = 1; i <= words; ++i)
        list << QStringLiteral("word%1").arg(i);
    return list.join(' ');
}

class AlarmShowMessage : public AlarmShowTest {
protected:
    Layout ShowMessage(const QString& message, const char* screenshot) {
        Layout seen;
        const auto look = [&] {
            auto* area = window_.findChild<QScrollArea*>("MessageArea");
            seen.window = window_.size();
            seen.screen = window_.screen()->availableGeometry();
            seen.frame = window_.frameGeometry();
            seen.messageArea = QRect(area->mapTo(&window_, QPoint()), area->size());
            seen.panel = QRect(window_.Panel->mapTo(&window_, QPoint()), window_.Panel->size());
            seen.labelHeight = window_.AlarmMsg->height();
            seen.textHeight = window_.AlarmMsg->heightForWidth(window_.AlarmMsg->width());
            QScrollBar* bar = area->verticalScrollBar();
            seen.scrolls = bar->isVisible();
            seen.scrollsToTheEnd = bar->maximum() + area->viewport()->height() >= seen.labelHeight;
            window_.grab().save(QStringLiteral(QT_TESTCASE_BUILDDIR "/%1").arg(screenshot));
            window_.OkButton->click();
        };
        // Once the window is open: the scroll area shows its bar in an event of its own,
        // which showing the window posts.
        QTimer::singleShot(0, &window_, [&] { QTimer::singleShot(0, &window_, look); });
        EXPECT_EQ(window_.ShowNotification(message, true, 0, 0), 1);
        return seen;
    }
};

TEST_F(AlarmShowMessage, AMessageThatFitsKeepsTheDesignLayout) {
    const Layout one = ShowMessage("Call the dentist", "notification_short.png");
    const Layout two = ShowMessage(Words(10), "notification_two_lines.png");
    for (const Layout& seen : {one, two}) {
        // The design's client area under a title bar of the window's own, with a line round.
        EXPECT_EQ(seen.window, TAlarmShow::ClientSize + QSize(2, 20 + 2));
        EXPECT_EQ(seen.messageArea.size(), TAlarmShow::MessageSize);
        EXPECT_EQ(seen.panel.top() - (seen.messageArea.top() + seen.messageArea.height()), 8);
        EXPECT_GE(seen.labelHeight, seen.textHeight);
        EXPECT_FALSE(seen.scrolls);
        EXPECT_EQ(seen.frame.center(), seen.screen.center());
    }
    EXPECT_GT(two.textHeight, one.textHeight) << "the longer one takes two lines";
}

TEST_F(AlarmShowMessage, ALongerMessageGrowsTheWindowDownwardAndIsShownWhole) {
    const Layout seen = ShowMessage(Words(80), "notification_long.png");
    EXPECT_GT(seen.textHeight, 3 * TAlarmShow::MessageSize.height());
    EXPECT_GE(seen.labelHeight, seen.textHeight) << "cut off";
    EXPECT_FALSE(seen.scrolls);
    EXPECT_EQ(seen.messageArea.width(), TAlarmShow::MessageSize.width());
    // The answers move down below the message, and the window grows by as much.
    const int growth = seen.messageArea.height() - TAlarmShow::MessageSize.height();
    EXPECT_EQ(seen.panel.top() - (seen.messageArea.top() + seen.messageArea.height()), 8);
    EXPECT_EQ(seen.window.height(), TAlarmShow::ClientSize.height() + 22 + growth);
    EXPECT_EQ(seen.frame.center(), seen.screen.center());
}

TEST_F(AlarmShowMessage, AMessageTallerThanTheScreenScrolls) {
    const Layout seen = ShowMessage(Words(3000), "notification_very_long.png");
    EXPECT_EQ(seen.frame.height(), seen.screen.height());
    EXPECT_TRUE(seen.screen.contains(seen.frame));
    EXPECT_TRUE(seen.scrolls);
    EXPECT_TRUE(seen.scrollsToTheEnd) << "every word can be reached";
    EXPECT_GE(seen.labelHeight, seen.textHeight);
    EXPECT_GT(seen.panel.top(), seen.messageArea.bottom());
    EXPECT_LE(seen.panel.bottom(), seen.window.height());

    // The next message that fits gets the design layout back.
    EXPECT_EQ(ShowMessage("Short again", "notification_short_again.png").window,
              TAlarmShow::ClientSize + QSize(2, 22));
}

TEST_F(AlarmShowTest, F1OpensTheMainHelpTopicOverTheWindow) {
    ShowAndAnswer([this] {
        testing::PressHelpKey(window_);
        window_.OkButton->click();
    });
    EXPECT_EQ(help_.topics, std::vector<int>{1009});
    EXPECT_EQ(help_.openers, std::vector<QWidget*>{&window_});
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

TEST_F(AlarmShowTest, AScreenReaderIsToldOfAnAlertWithTheReminderMessageWhenItOpens) {
    testing::RecordedAccessibleEvents events;
    QAccessibleInterface* alert = nullptr;
    QStringList silent;
    std::vector<testing::AccessibleEventRecord> alerts;
    ShowAndAnswer([&] {
        alert = QAccessible::queryAccessibleInterface(&window_);
        alerts = events.OfType(QAccessible::Alert);
        silent = testing::ControlsNotSayingWhatTheyAre(window_);
        window_.OkButton->click();
    });
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
    EXPECT_EQ(alert->text(QAccessible::Name), "Reminder Notification");
    EXPECT_EQ(alert->text(QAccessible::Description), "Call the dentist");
    ASSERT_EQ(alerts.size(), 1u) << "announced once as it opens";
    EXPECT_EQ(alerts[0].object, &window_);
    EXPECT_EQ(silent, QStringList{});
}

TEST(AlarmShowFonts, EveryTextIsInTheDesktopsFaceAtItsDesignedSize) {
    const testing::DesktopFace face;
    SettableClock clock;
    testing::RecordingHelp help;
    const TAlarmShow window(clock, help, [] {});
    EXPECT_EQ(testing::DesktopFace::OtherFaces(window), QStringList());
    EXPECT_EQ(window.font().pointSize(), 8);
    EXPECT_EQ(window.AlarmMsg->font().pointSize(), 10);
    EXPECT_TRUE(window.AlarmMsg->font().bold());
}

} // namespace
} // namespace nudgery

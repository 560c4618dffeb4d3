#include "Alarmsh.h"

#include "AlarmshAccessible.h"
#include "AlarmshCaption.h"
#include "art/ProgramArt.h"
#include "core/clock.h"
#include "platform/desktop_font.h"
#include "platform/help_viewer.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <algorithm>

namespace nudgery {

namespace {

constexpr int kSnoozeWidth = 83;
constexpr int kSnoozeHeight = 23;
constexpr int kLargeHeight = 35;
// Left edges of the four button columns inside the panel.
constexpr int kColumns[] = {8, 95, 182, 269};
constexpr int kFirstRowTop = 28;
constexpr int kSecondRowTop = 56;
constexpr int kLargeTop = 100;
// Where the message and the panel of answers stand in the design layout.
constexpr int kMessageLeft = 8;
constexpr int kMessageTop = 8;
constexpr int kPanelLeft = 12;
constexpr int kPanelTop = 60;
// The line drawn around the window.
constexpr int kBorder = 1;

struct SnoozeAnswer {
    const char* caption;
    int minutes;
    const char* tooltip;
};

// In tab order; the first four make the upper row, the rest the lower.
constexpr SnoozeAnswer kSnoozeAnswers[] = {
    {QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "5 minutes"), 5,
     QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "Add 5 minutes to reminder time")},
    {QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "10 minutes"), 10,
     QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "Add 10 minutes to reminder time")},
    {QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "30 minutes"), 30,
     QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "Add 30 minutes to reminder time")},
    {QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "1 hour"), 60,
     QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "Add 60 minutes to reminder time")},
    {QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "2 hours"), 120,
     QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "Add 2 hours to reminder time")},
    {QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "4 hours"), 240,
     QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "Add 4 hours to reminder time")},
    {QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "24 hours"), 1440,
     QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "Add 24 hours (one full day) to reminder time")},
    {QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "1 week"), 10080,
     QT_TRANSLATE_NOOP("nudgery::TAlarmShow", "Add one full week  to reminder time")},
};

void SetTextColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

QFont BoldFont(int pointSize) {
    QFont font = DesktopFont(pointSize);
    font.setBold(true);
    return font;
}

} // namespace

TAlarmShow::TAlarmShow(const Clock& clock, HelpViewer& help, std::function<void()> stopSound)
    // No frame from the window manager: some put buttons on any title bar they draw, and
    // this window must offer nothing but its answers.
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      clock_(clock), stopSound_(std::move(stopSound)) {
    InstallNotificationAccessibility();
    setWindowTitle(tr("Reminder Notification"));
    setWindowIcon(ProgramIcon());
    setFont(DesktopFont(8));

    auto* caption = new TCaptionBar(*this);
    caption->setGeometry(kBorder, kBorder, ClientSize.width(), TCaptionBar::BarHeight);
    client_ = new QWidget(this);
    client_->move(kBorder, kBorder + TCaptionBar::BarHeight);
    CreateMessage(*client_);
    CreateAnswers(*client_);

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TAlarmShow::Timer1Timer);
    BindHelpKey(*this, help, HelpTopic);
    FitMessage();
}

void TAlarmShow::CreateMessage(QWidget& client) {
    AlarmMsg = new QLabel;
    AlarmMsg->setWordWrap(true);
    // The reminder's own words: no markup, no accelerators.
    AlarmMsg->setTextFormat(Qt::PlainText);
    AlarmMsg->setFont(BoldFont(10));
    SetTextColor(AlarmMsg, QPalette::WindowText, Qt::black);

    messageArea_ = new QScrollArea(&client);
    messageArea_->setObjectName("MessageArea");
    messageArea_->setFrameShape(QFrame::NoFrame);
    messageArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    messageArea_->setWidgetResizable(true);
    messageArea_->setWidget(AlarmMsg);
    // The message stands on the window's own background, as a plain label would.
    messageArea_->viewport()->setAutoFillBackground(false);
    AlarmMsg->setAutoFillBackground(false);
}

void TAlarmShow::CreateAnswers(QWidget& client) {
    Panel = new QFrame(&client);
    Panel->setFrameShape(QFrame::Panel);
    Panel->setFrameShadow(QFrame::Raised);
    Panel->resize(361, 147);

    auto* prompt = new QLabel(tr("Remind me again in:"), Panel);
    prompt->setGeometry(kColumns[0], 8, 200, 16);

    QPushButton** snoozeButtons[] = {&b5min, &b10min, &b30min, &b1hour,
                                     &b2hr,  &b4hr,   &b24hr,  &OneWeek};
    for (int i = 0; i < 8; ++i) {
        const SnoozeAnswer& answer = kSnoozeAnswers[i];
        const QRect geometry(kColumns[i % 4], i < 4 ? kFirstRowTop : kSecondRowTop, kSnoozeWidth,
                             kSnoozeHeight);
        *snoozeButtons[i] =
            AddAnswerButton(tr(answer.caption), -answer.minutes, tr(answer.tooltip), geometry);
    }

    DeleteButton = AddAnswerButton(tr("Delete"), 2, tr("Delete this reminder"),
                                   QRect(kColumns[0], kLargeTop, kSnoozeWidth, kLargeHeight));
    DeleteButton->setFont(BoldFont(8));
    SetTextColor(DeleteButton, QPalette::ButtonText, Qt::red);

    OkButton = AddAnswerButton(tr("Ok"), 1, tr("Terminate this alarm"),
                               QRect(kColumns[3], kLargeTop, kSnoozeWidth, kLargeHeight));
    OkButton->setFont(BoldFont(8));
    SetTextColor(OkButton, QPalette::ButtonText, Qt::black);
    OkButton->setDefault(true);

    CountDown = new QLabel(Panel);
    CountDown->setGeometry((361 - 157) / 2, kLargeTop + 7, 157, 21);
    CountDown->setAlignment(Qt::AlignCenter);

    QWidget* tabOrder[] = {b5min, b10min, b30min,  b1hour,       b2hr,
                           b4hr,  b24hr,  OneWeek, DeleteButton, OkButton};
    for (int i = 1; i < 10; ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

QPushButton* TAlarmShow::AddAnswerButton(const QString& caption, int result, const QString& tooltip,
                                         const QRect& geometry) {
    auto* button = new QPushButton(caption, Panel);
    button->setGeometry(geometry);
    button->setToolTip(tooltip);
    connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    return button;
}

int TAlarmShow::ShowNotification(const QString& message, bool allowDelete, int timeoutSeconds,
                                 int timeoutAction) {
    AlarmMsg->setText(message);
    // Read out with the window when it comes up.
    setAccessibleDescription(message);
    FitMessage();
    DeleteButton->setVisible(allowDelete);
    TimeoutSeconds = timeoutSeconds;
    TimeoutAction = timeoutAction;
    timedOut_ = false;
    return exec();
}

void TAlarmShow::FitMessage() {
    const QRect screenArea = screen()->availableGeometry();
    const int frameHeight = 2 * kBorder + TCaptionBar::BarHeight;
    const int needed = AlarmMsg->heightForWidth(MessageSize.width());
    // Grows downward from the design layout, never beyond the screen.
    const int room = std::max(0, screenArea.height() - frameHeight - ClientSize.height());
    const int growth = std::clamp(needed - MessageSize.height(), 0, room);
    messageArea_->setGeometry(kMessageLeft, kMessageTop, MessageSize.width(),
                              MessageSize.height() + growth);
    // Only a message that scrolls takes the focus, so the keys can scroll it.
    messageArea_->setFocusPolicy(needed > MessageSize.height() + growth ? Qt::StrongFocus
                                                                        : Qt::NoFocus);
    Panel->move(kPanelLeft, kPanelTop + growth);
    client_->resize(ClientSize.width(), ClientSize.height() + growth);
    setFixedSize(ClientSize.width() + 2 * kBorder, client_->height() + frameHeight);
    move(screenArea.center() - rect().center());
}

void TAlarmShow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TAlarmShow::done(int result) {
    stopSound_();
    QDialog::done(result);
}

void TAlarmShow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    OkButton->setFocus();
    Timer1->stop();
    CountDown->clear();
    if (TimeoutSeconds > 0) {
        StartTick = clock_.TickCount();
        Timer1->start();
    }
    // The user may be working in another program: the notification must be seen, and
    // heard by those who use a screen reader.
    BringForward();
}

void TAlarmShow::BringForward() {
    raise();
    activateWindow();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void TAlarmShow::hideEvent(QHideEvent* event) {
    CountDown->clear();
    Timer1->stop();
    QDialog::hideEvent(event);
}

void TAlarmShow::closeEvent(QCloseEvent* event) {
    if (isVisible())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TAlarmShow::Timer1Timer() {
    Timer1->stop();
    // Unsigned 32-bit difference: a wrap of the tick count between the readings does no harm.
    const std::uint32_t elapsed = clock_.TickCount() - StartTick;
    // 64 bits, so a huge time-out from a hand-edited settings file cannot overflow.
    const std::int64_t limit = std::int64_t{TimeoutSeconds} * 1000;
    if (limit < elapsed) {
        // An action of 0 leaves the window open, its countdown frozen, until a click.
        if (TimeoutAction != 0) {
            timedOut_ = true;
            done(TimeoutAction);
        }
        return;
    }
    const std::int64_t seconds = (limit - elapsed) / 1000;
    const std::int64_t minutes = seconds / 60;
    const QString secondsText = QString("%1").arg(seconds % 60, 2, 10, QChar('0'));
    CountDown->setText(minutes > 0 ? tr("Timeout in   %1:%2").arg(minutes).arg(secondsText)
                                   : tr("Timeout in   :%1").arg(secondsText));
    Timer1->start();
}

} // namespace nudgery

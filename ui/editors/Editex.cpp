#include "Editex.h"

#include "Calendar.h"
#include "EditorStyle.h"
#include "TimeEntry.h"
#include "core/clock.h"
#include "core/date_formats.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <functional>

namespace nudgery {

namespace {

constexpr int FrameBorder = 5;
constexpr int DatePartWidth = 256;
constexpr int TimePartWidth = 150;

} // namespace

TEditAlarmExact::TEditAlarmExact(const EditorServices& services, QWidget* parent)
    : TReminderEditor(services, {tr("Reminder Description"), QSize(511, 408), HelpTopic, 484, 48},
                      parent) {
    setObjectName(QStringLiteral("EditAlarmExact"));
    AddDateAndTimeFrame(QPoint(13, 52));
    AddActionFrameAndButtons(
        QPoint(12, 224), {QSize(487, 118), tr("Path and name of the sound file (*.wav or *.mid)"),
                          /*soundFileFollowsEdit=*/true});
    CalendarChange();
}

void TEditAlarmExact::AddDateAndTimeFrame(QPoint at) {
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("DateTimeFrame"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setGeometry(QRect(at, QSize(485, 162)));

    const int left = FrameBorder;
    AddCalendarButtons(*frame, QPoint(left, FrameBorder));

    dateLabel_ = new QLabel(frame);
    dateLabel_->setObjectName(QStringLiteral("DateLabel"));
    dateLabel_->setAlignment(Qt::AlignCenter);
    QFont italic = dateLabel_->font();
    italic.setItalic(true);
    dateLabel_->setFont(italic);
    dateLabel_->setGeometry(left, 30, DatePartWidth, 16);

    calendar_ = new TCalendar(Services().clock, Services().formats, frame);
    calendar_->setObjectName(QStringLiteral("Calendar"));
    calendar_->setToolTip(tr("Click on the reminder date"));
    calendar_->setAccessibleName(tr("Reminder date"));
    calendar_->setAccessibleDescription(
        tr("Click on the reminder date, or move to it with the arrow keys"));
    calendar_->SetStartOfWeek(0);
    QPalette white = calendar_->palette();
    white.setColor(QPalette::Base, Qt::white);
    calendar_->setPalette(white);
    calendar_->setGeometry(left, 48, DatePartWidth, frame->height() - FrameBorder - 48);
    connect(calendar_, &TCalendar::OnChange, this, &TEditAlarmExact::CalendarChange);

    const int right = frame->width() - FrameBorder - TimePartWidth;
    auto* timeLabel = new QLabel(tr("&Time"), frame);
    timeLabel->setObjectName(QStringLiteral("TimeLabel"));
    timeLabel->setFont(BoldFont(timeLabel->font()));
    timeLabel->setGeometry(right, FrameBorder, TimePartWidth, 16);
    timeEntry_ = new TTimeEntry(Services(),
                                {"TimeEdit", "ExplorerButton1", tr("Enter the reminder time here"),
                                 79, 10, tr("Time"), tr("Quick Time Set")},
                                frame);
    timeEntry_->move(right, FrameBorder + 18);
    timeLabel->setBuddy(timeEntry_->Edit());
}

void TEditAlarmExact::AddCalendarButtons(QWidget& frame, QPoint at) {
    struct CalendarButton {
        const char* name;
        const char* caption; // UTF-8
        const char* tooltip;
        const char* spokenName; // for a screen reader, which cannot read the glyph
        int width;
        void (TCalendar::*step)();
    };
    static constexpr CalendarButton buttons[] = {
        {"PrevYear", "\u00ab", QT_TR_NOOP("Show the previous year"), QT_TR_NOOP("Previous year"),
         40, &TCalendar::PrevYear},
        {"PrevMonth", "\u2039", QT_TR_NOOP("Show the previous month"), QT_TR_NOOP("Previous month"),
         40, &TCalendar::PrevMonth},
        {"CurrentDate", QT_TR_NOOP("Today"), QT_TR_NOOP("Show today's date"), QT_TR_NOOP("Today"),
         80, nullptr},
        {"NextMonth", "\u203a", QT_TR_NOOP("Show the next month"), QT_TR_NOOP("Next month"), 40,
         &TCalendar::NextMonth},
        {"NextYear", "\u00bb", QT_TR_NOOP("Show the next year"), QT_TR_NOOP("Next year"), 40,
         &TCalendar::NextYear},
    };
    int x = at.x();
    for (const CalendarButton& b : buttons) {
        QPushButton* button = AddButton(frame, b.name, tr(b.caption), tr(b.tooltip),
                                        QPoint(x, at.y()), QSize(b.width, 22));
        button->setAccessibleName(tr(b.spokenName));
        const auto step = b.step;
        connect(button, &QPushButton::clicked, this, [this, step] {
            // Through std::invoke: GCC 12's UBSan checks a "->*" call on a register that
            // only the virtual-function branch has loaded, and reports a false misalignment.
            if (step)
                std::invoke(step, calendar_);
            else
                calendar_->SetSelectedDate(Services().clock.Today());
        });
        x += b.width + 4;
    }
}

void TEditAlarmExact::SetWhen(TDateTime when) {
    calendar_->SetSelectedDate(CanShowDateTime(when) ? DatePartOf(when) : Services().clock.Today());
    timeEntry_->ShowGivenTime(when);
}

void TEditAlarmExact::SetWhenForNewReminder() {
    // Offered, not given: Save takes the minute shown.
    const TDateTime when = AddMinutes(5, Services().clock.Now());
    calendar_->SetSelectedDate(DatePartOf(when));
    timeEntry_->ShowTime(when);
}

void TEditAlarmExact::CalendarChange() {
    dateLabel_->setText(
        QString::fromLocal8Bit(Services().formats.Format("dddddd", calendar_->SelectedDate())));
}

void TEditAlarmExact::SetAlarmButtonClick() {
    ActionFrame().TakeSoundFileForSave();
    const std::optional<TDateTime> time = timeEntry_->CheckValidTime();
    if (!time)
        return;
    editorWhen_ = CombineDateAndTime(calendar_->SelectedDate(), *time);
    accept();
}

} // namespace nudgery

#include "Editrep.h"

#include "DayRuleFrame.h"
#include "EditorStyle.h"
#include "TimeEntry.h"
#include "core/clock.h"
#include "platform/message_boxes.h"
#include "ui/controls/SpinEdit.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

namespace nudgery {

namespace {

constexpr int Left = 12;
constexpr int FrameWidth = 488;
constexpr int TimeFrameHeight = 62;
constexpr int Gap = 2;
constexpr int ChoiceHeight = 18;

constexpr int IntervalMin = 10;
constexpr int IntervalMax = 720;
constexpr int IntervalStep = 10;
constexpr int IntervalDesignValue = 60;
// Minutes from the starting time to the ending time offered in place of a refused one.
constexpr int SuggestedRepeatSpan = 60;

} // namespace

TEditAlarmRepeating::TEditAlarmRepeating(const EditorServices& services, QWidget* parent)
    : TReminderEditor(services,
                      {tr("Repeating Reminder Description"), QSize(512, 407), HelpTopic, 413, 54},
                      parent) {
    setObjectName(QStringLiteral("EditAlarmRepeating"));
    dayRule_ = new TDayRuleFrame(services.messages, this);
    dayRule_->move(Left, 54);
    const int timeTop = dayRule_->geometry().bottom() + 1 + Gap;
    AddTimeFrame(QPoint(Left, timeTop));
    AddActionFrameAndButtons(QPoint(Left, timeTop + TimeFrameHeight + Gap),
                             {QSize(FrameWidth, 118),
                              tr("Type in the path and name of the sound file (*.wav or *.mid)"),
                              /*soundFileFollowsEdit=*/false});
    ShowRepeatChoices();
}

void TEditAlarmRepeating::AddTimeFrame(QPoint at) {
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("TimeFrame"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setGeometry(QRect(at, QSize(FrameWidth, TimeFrameHeight)));

    auto* label = Named(new QLabel(tr("&Starting Time"), frame), "StartingTimeLabel");
    label->setGeometry(8, 14, 100, 16);
    timeEntry_ =
        new TTimeEntry(Services(),
                       {"TimeEdit", "ExplorerButton1", tr("Enter the reminder time here"), 68, 9,
                        tr("Starting time"), tr("Quick Time Set for the starting time")},
                       frame);
    timeEntry_->move(8, 31);
    timeEntry_->SetText(QStringLiteral("12:59 PM"));
    label->setBuddy(timeEntry_->Edit());

    repeatChoice_ = new QButtonGroup(frame);
    connect(repeatChoice_, &QButtonGroup::buttonClicked, this, &TEditAlarmRepeating::Setbuttons);
    AddRepeatChoice(oncePerDayCheck_, *repeatChoice_, *frame, "OncePerDayCheck", tr("Once per day"),
                    tr("Check here to have this reminder occur \nonly once per day"),
                    QRect(122, 6, 102, ChoiceHeight));
    AddRepeatChoice(repeatEveryCheck_, *repeatChoice_, *frame, "RepeatEveryCheck",
                    tr("Repeat Every"),
                    tr("Check here to have this reminder repeat itself\nat predefined intervals "),
                    QRect(oncePerDayCheck_->geometry().right() + 3, 6, 102, ChoiceHeight));
    oncePerDayCheck_->setChecked(true);
    repeatEverySpinner_ =
        Named(new TSpinEdit(IntervalMin, IntervalMax, frame), "RepeatEverySpinner",
              tr("Enter the number of minutes for the repeat\ninterval for this reminder"));
    repeatEverySpinner_->SetStep(IntervalStep);
    repeatEverySpinner_->SetValue(IntervalDesignValue);
    repeatEverySpinner_->setGeometry(repeatEveryCheck_->geometry().right() + 3, 5, 52, 20);
    repeatEverySpinner_->setAccessibleName(tr("Repeat interval in minutes"));
    auto* minutes = Named(new QLabel(tr("min"), frame), "MinutesLabel");
    minutes->setGeometry(repeatEverySpinner_->geometry().right() + 5, 6,
                         std::max(30, minutes->sizeHint().width()), ChoiceHeight);

    AddRepeatUntilPanel(*frame, QPoint(120, 28));
}

void TEditAlarmRepeating::AddRepeatUntilPanel(QWidget& frame, QPoint at) {
    repeatUntilPanel_ = Named(new QFrame(&frame), "RepeatUntilPanel");
    repeatUntilPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    repeatUntilPanel_->setGeometry(QRect(at, QSize(276, 30)));
    endChoice_ = new QButtonGroup(repeatUntilPanel_);
    connect(endChoice_, &QButtonGroup::buttonClicked, this, &TEditAlarmRepeating::Setbuttons);
    AddRepeatChoice(forRemainderOfDay_, *endChoice_, *repeatUntilPanel_, "ForRemainderOfDay",
                    tr("For rest of day"),
                    tr("Check here to have this reminder continue \nrepeating at the defined "
                       "intervals for the rest \nof the day"),
                    QRect(6, 6, 110, ChoiceHeight));
    AddRepeatChoice(untilTime_, *endChoice_, *repeatUntilPanel_, "UntilTime", tr("Until"),
                    tr("Check here to have this reminder continue \nrepeating at the defined "
                       "intervals until a \nspecified time"),
                    QRect(forRemainderOfDay_->geometry().right() + 5, 6, 52, ChoiceHeight));
    forRemainderOfDay_->setChecked(true);
    untilEntry_ =
        new TTimeEntry(Services(),
                       {"UntilTimeEdit", "EndingtimeButton", tr("Enter the ending time here"), 68,
                        9, tr("Ending time"), tr("Quick Time Set for the ending time")},
                       repeatUntilPanel_);
    untilEntry_->move(untilTime_->geometry().right() + 3, 4);
    repeatUntilPanel_->resize(std::max(276, untilEntry_->geometry().right() + 5), 30);
    untilEntry_->SetText(QStringLiteral("12:59 PM"));
    // The ending time is checked against the starting time, so that one must be right first.
    untilEntry_->SetQuickSetCheck([this] {
        if (const std::optional<TDateTime> start = timeEntry_->CheckValidTime())
            CheckValidEndTime(*start);
    });
    repeatUntilPanel_->hide();
}

void TEditAlarmRepeating::AddRepeatChoice(QRadioButton*& radio, QButtonGroup& group,
                                          QWidget& parent, const char* name, const QString& caption,
                                          const QString& tooltip, QRect geometry) {
    radio = Named(new QRadioButton(caption, &parent), name, tooltip);
    // As designed, or wider where a translation's caption needs it; what follows moves along.
    geometry.setWidth(std::max(geometry.width(), radio->sizeHint().width()));
    radio->setGeometry(geometry);
    group.addButton(radio);
}

void TEditAlarmRepeating::SetFirstTime(TDateTime time) {
    timeEntry_->ShowGivenTime(time);
}

void TEditAlarmRepeating::SetUntilTime(TDateTime time) {
    untilEntry_->ShowGivenTime(time);
}

void TEditAlarmRepeating::SetTimesForNewReminder() {
    const TDateTime now = Services().clock.Now();
    timeEntry_->ShowTime(now);
    untilEntry_->ShowTime(AddMinutes(SuggestedRepeatSpan, now));
}

void TEditAlarmRepeating::SetRepeatMinutes(std::int32_t minutes) {
    // The schedule treats a negative interval (a damaged data file) as once a day.
    if (minutes > 0) {
        repeatEveryCheck_->setChecked(true);
        repeatEverySpinner_->SetValue(minutes);
    } else {
        oncePerDayCheck_->setChecked(true);
    }
    ShowRepeatChoices();
}

void TEditAlarmRepeating::SetHasUntil(bool hasUntil) {
    (hasUntil ? untilTime_ : forRemainderOfDay_)->setChecked(true);
    ShowRepeatChoices();
}

void TEditAlarmRepeating::FormActivate() {
    Setbuttons();
    TReminderEditor::FormActivate();
    SetEmUp();
}

void TEditAlarmRepeating::ShowRepeatChoices() {
    const bool repeats = repeatEveryCheck_->isChecked();
    repeatUntilPanel_->setVisible(repeats);
    repeatEverySpinner_->setEnabled(repeats);
    untilEntry_->setEnabled(untilTime_->isChecked());
    TabToChosen(repeatChoice_->buttons());
    TabToChosen(endChoice_->buttons());
}

void TEditAlarmRepeating::Setbuttons() {
    ShowRepeatChoices();
    if (!timeEntry_->CheckValidTime())
        repeatUntilPanel_->hide();
}

void TEditAlarmRepeating::SetEmUp() {
    dayRule_->SetEmUp(editorDaySpec_);
}

std::optional<TDateTime> TEditAlarmRepeating::CheckValidEndTime(TDateTime startTime) {
    const std::optional<TDateTime> end =
        untilEntry_->CheckValidTime(tr("Invalid ENDING time. Please use your regional time "
                                       "format\n   Example: "));
    if (end && *end > startTime)
        return end;
    if (end) {
        Services().messages.ShowInfo(this,
                                     tr("Invalid ENDING time. Must be greater than starting time"));
        untilEntry_->ShowTime(AddMinutes(SuggestedRepeatSpan, startTime));
    }
    return std::nullopt;
}

void TEditAlarmRepeating::SetAlarmButtonClick() {
    ActionFrame().TakeSoundFileForSave();
    const std::optional<std::string> daySpec = dayRule_->DetermineDaysString();
    if (!daySpec)
        return;
    editorDaySpec_ = *daySpec;
    const std::optional<TDateTime> start = timeEntry_->CheckValidTime();
    if (!start)
        return;
    editorFirstTime_ = *start;
    if (!repeatEveryCheck_->isChecked())
        return Accept();
    if (repeatEverySpinner_->Value() < IntervalMin) {
        Services().messages.ShowInfo(this, tr("Repeat interval must be greater than 10 minutes"));
        return;
    }
    if (!untilTime_->isChecked())
        return Accept();
    if (const std::optional<TDateTime> end = CheckValidEndTime(*start)) {
        editorUntilTime_ = *end;
        Accept();
    }
}

void TEditAlarmRepeating::Accept() {
    // Taken now: closing the window takes the focus from the interval box, which would then
    // pull a number typed beyond its range back into it.
    repeatMinutes_ = repeatEveryCheck_->isChecked() ? repeatEverySpinner_->Value() : 0;
    hasUntil_ = untilTime_->isChecked();
    accept();
}

} // namespace nudgery

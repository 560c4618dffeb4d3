#include "DayRuleFrame.h"

#include "EditorStyle.h"
#include "core/dayspec.h"
#include "platform/message_boxes.h"
#include "ui/controls/SpinEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QRadioButton>
#include <algorithm>

namespace nudgery {

namespace {

constexpr int Margin = 4;
constexpr int BoxWidth = 238;
constexpr int TopBoxHeight = 66;
constexpr int BottomBoxHeight = 42;
constexpr int Indent = 16;
constexpr int ListHeight = 20;

// Index 0 is every month, then January to December: the month index of a day-spec code.
QStringList MonthItems() {
    static constexpr const char* items[] = {
        QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "of Each Month"),
        QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "of January"),
        QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "of February"),
        QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "of March"),
        QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "of April"),
        QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "of May"),
        QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "of June"),
        QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "of July"),
        QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "of August"),
        QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "of September"),
        QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "of October"),
        QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "of November"),
        QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "of December")};
    QStringList shown;
    for (const char* item : items)
        shown << TDayRuleFrame::tr(item);
    return shown;
}

QString MonthTooltip() {
    return TDayRuleFrame::tr("Select the month, or choose \"of Each Month\"\nfor all months");
}

struct DayBox {
    const char* name;
    const char* caption;
    int digit;
};
// In the order of the three columns, top to bottom.
constexpr DayBox DayBoxes[] = {
    {"Monday", QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "Mon"), 1},
    {"Tuesday", QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "Tues"), 2},
    {"Wednesday", QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "Wed"), 3},
    {"Thursday", QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "Thu"), 4},
    {"Friday", QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "Fri"), 5},
    {"Saturday", QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "Sat"), 6},
    {"Sunday", QT_TRANSLATE_NOOP("nudgery::TDayRuleFrame", "Sun"), 0},
};
constexpr int DayRowHeight = 15;
constexpr int DayColumnWidth = 70;

TSpinEdit* DaySpinner(QWidget& parent, const char* name, int maxValue, const QString& tooltip,
                      const QString& spokenName, QRect geometry) {
    auto* spinner = Named(new TSpinEdit(1, maxValue, &parent), name, tooltip);
    spinner->setGeometry(geometry);
    // No label stands beside it, so a screen reader is told what the number is.
    spinner->setAccessibleName(spokenName);
    return spinner;
}

// A list's index for a decoded value; one the list does not hold leaves it without a
// selection, which Save then refuses.
void Select(QComboBox& list, std::int32_t index) {
    list.setCurrentIndex(index >= 0 && index < list.count() ? index : -1);
}

} // namespace

TDayRuleFrame::TDayRuleFrame(MessageBoxes& messages, QWidget* parent)
    : QFrame(parent), messages_(messages), rules_(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("DayRuleFrame"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    const int right = Margin + BoxWidth + Margin;
    const int bottom = Margin + TopBoxHeight + 2;
    resize(right + BoxWidth + Margin, bottom + BottomBoxHeight + Margin);

    // Made row by row, so the Tab key goes from left to right and then down.
    AddDayOfWeekBox(QRect(Margin, Margin, BoxWidth, TopBoxHeight));
    AddSpecialBox(QRect(right, Margin, BoxWidth, TopBoxHeight));
    AddDayOfMonthBox(QRect(Margin, bottom, BoxWidth, BottomBoxHeight));
    AddDayOfYearBox(QRect(right, bottom, BoxWidth, BottomBoxHeight));

    connect(rules_, &QButtonGroup::buttonClicked, this, &TDayRuleFrame::SetRecurType);
    Choose(rbDayOfweek_);
}

QFrame* TDayRuleFrame::AddRuleBox(QRect geometry, QRadioButton*& radio, const char* name,
                                  const QString& caption, const QString& tooltip) {
    auto* box = new QFrame(this);
    box->setObjectName(QString::fromLatin1(name) + QStringLiteral("Box"));
    box->setFrameStyle(QFrame::Box | QFrame::Sunken);
    box->setGeometry(geometry);
    radio = Named(new QRadioButton(caption, box), name, tooltip);
    radio->setGeometry(6, 2, 160, 17);
    rules_->addButton(radio);
    return box;
}

void TDayRuleFrame::AddDayOfWeekBox(QRect geometry) {
    QFrame* box =
        AddRuleBox(geometry, rbDayOfweek_, "rbDayOfweek", tr("Day of the Week"),
                   tr("Check here to choose a 'Days of the Week' \nstyle Repeating Reminder"));
    int place = 0;
    for (const DayBox& day : DayBoxes) {
        auto* check = Named(new QCheckBox(tr(day.caption), box), day.name,
                            tr("Check to use this reminder on this day of \neach week"));
        check->setGeometry(Indent + place / 3 * DayColumnWidth, 20 + place % 3 * DayRowHeight,
                           std::max(DayColumnWidth - 4, check->sizeHint().width()), DayRowHeight);
        // A new reminder falls on Monday to Friday.
        check->setChecked(day.digit >= 1 && day.digit <= 5);
        days_[static_cast<std::size_t>(day.digit)] = check;
        ++place;
    }
    allDaysCheck_ =
        Named(new QCheckBox(tr("All Days"), box), "AllDaysCheck", tr("Check to include all days"));
    allDaysCheck_->setGeometry(Indent + place / 3 * DayColumnWidth, 20 + place % 3 * DayRowHeight,
                               std::max(DayColumnWidth + 4, allDaysCheck_->sizeHint().width()),
                               DayRowHeight);
    connect(allDaysCheck_, &QCheckBox::clicked, this, &TDayRuleFrame::AllDaysCheckClick);
}

void TDayRuleFrame::AddSpecialBox(QRect geometry) {
    QFrame* box =
        AddRuleBox(geometry, rbSpecial_, "rbSpecial", tr("Special"),
                   tr("Check here to choose a 'nth Day of Month' \nstyle Repeating Reminder"));
    specialOccurrance_ = DropDownList(
        *box, "SpecialOccurrance",
        {tr("first"), tr("second"), tr("third"), tr("fourth"), tr("fifth"), tr("last")},
        tr("Select the occurrance: First, 2nd, 3rd, 4th, 5th\nor Last"),
        QRect(Indent, 20, 72, ListHeight));
    specialDayOfWeek_ =
        DropDownList(*box, "SpecialDayOfWeek",
                     {tr("Sunday"), tr("Monday"), tr("Tuesday"), tr("Wednesday"), tr("Thursday"),
                      tr("Friday"), tr("Saturday"), tr("Day")},
                     tr("Select the weekday (Sun-Sat), or select  \"Day\" \nfor any day."),
                     QRect(specialOccurrance_->geometry().right() + 5, 20, 96, ListHeight));
    specialMonth_ = DropDownList(*box, "SpecialMonth", MonthItems(), MonthTooltip(),
                                 QRect(Indent, 43, 120, ListHeight));
}

void TDayRuleFrame::AddDayOfMonthBox(QRect geometry) {
    QFrame* box =
        AddRuleBox(geometry, rbDayOfMonth_, "rbDayOfMonth", tr("Day of the Month"),
                   tr("Check here to choose a 'Day of the Month' \nstyle Repeating Reminder"));
    dayOfMonthDay_ = DaySpinner(*box, "DayOfMonthDay", 31, tr("Select the day of the month (1-31)"),
                                tr("Day of the month"), QRect(Indent, 19, 46, ListHeight));
    dayOfMonthMonth_ = DropDownList(*box, "DayOfMonthMonth", MonthItems(), MonthTooltip(),
                                    QRect(Indent + 50, 19, 120, ListHeight));
}

void TDayRuleFrame::AddDayOfYearBox(QRect geometry) {
    QFrame* box =
        AddRuleBox(geometry, rbDayOfYear_, "rbDayOfYear", tr("Day of the Year"),
                   tr("Check here to choose a 'Day of the Year' \nstyle Repeating Reminder"));
    dayOfYearDay_ = DaySpinner(*box, "DayOfYearDay", 365, tr("Select the day of the year (1-365)"),
                               tr("Day of the year"), QRect(Indent, 19, 52, ListHeight));
}

void TDayRuleFrame::Choose(QRadioButton* rule) {
    rule->setChecked(true);
    SetRecurType();
}

void TDayRuleFrame::SetRecurType() {
    const bool dayOfWeek = rbDayOfweek_->isChecked();
    for (QCheckBox* day : days_)
        day->setEnabled(dayOfWeek);
    allDaysCheck_->setEnabled(dayOfWeek);
    dayOfMonthDay_->setEnabled(rbDayOfMonth_->isChecked());
    dayOfMonthMonth_->setEnabled(rbDayOfMonth_->isChecked());
    dayOfYearDay_->setEnabled(rbDayOfYear_->isChecked());
    for (QComboBox* list : {specialOccurrance_, specialDayOfWeek_, specialMonth_})
        list->setEnabled(rbSpecial_->isChecked());
    for (QAbstractButton* rule : rules_->buttons()) {
        QFont font = rule->font();
        font.setBold(rule->isChecked());
        rule->setFont(font);
    }
    TabToChosen(rules_->buttons());
}

void TDayRuleFrame::AllDaysCheckClick() {
    for (QCheckBox* day : days_)
        day->setChecked(allDaysCheck_->isChecked());
}

void TDayRuleFrame::SetEmUp(std::string_view code) {
    std::int32_t first = 0, second = 0, third = 0;
    const char form = code.empty() ? '\0' : code.front();
    if (form == '#') {
        if (DecodeDayOfYear(code, first)) {
            Choose(rbDayOfYear_);
            dayOfYearDay_->SetValue(first);
        }
    } else if (form == '$') {
        if (DecodeNthWeekday(code, first, second, third)) {
            Choose(rbSpecial_);
            Select(*specialOccurrance_, first);
            Select(*specialDayOfWeek_, second);
            Select(*specialMonth_, third);
        }
    } else if (form == '@') {
        if (DecodeDayOfMonth(code, first, second)) {
            Choose(rbDayOfMonth_);
            dayOfMonthDay_->SetValue(first);
            Select(*dayOfMonthMonth_, second);
        }
    } else {
        Choose(rbDayOfweek_);
        for (std::size_t digit = 0; digit < days_.size(); ++digit)
            days_[digit]->setChecked(code.find(static_cast<char>('0' + digit)) !=
                                     std::string_view::npos);
    }
}

std::optional<std::string> TDayRuleFrame::DetermineDaysString() const {
    std::string code;
    if (rbDayOfMonth_->isChecked()) {
        const int day = dayOfMonthDay_->Value();
        if (day < 1 || day > 31) {
            Refuse(tr("Invalid day of month entered "));
            return std::nullopt;
        }
        if (dayOfMonthMonth_->currentIndex() < 0) {
            Refuse(tr("Invalid month entered "));
            return std::nullopt;
        }
        // Not compared with the month's length: day 31 falls in the long months only.
        code = EncodeDayOfMonth(day, dayOfMonthMonth_->currentIndex());
    } else if (rbDayOfYear_->isChecked()) {
        // 366, the last day of a leap year, is taken though the arrows stop at 365.
        const int day = dayOfYearDay_->Value();
        if (day < 1 || day > 366) {
            Refuse(tr("Invalid day of year entered "));
            return std::nullopt;
        }
        code = EncodeDayOfYear(day);
    } else if (rbSpecial_->isChecked()) {
        if (specialOccurrance_->currentIndex() < 0 || specialDayOfWeek_->currentIndex() < 0 ||
            specialMonth_->currentIndex() < 0) {
            Refuse(tr("Invalid value entered for Special category"));
            return std::nullopt;
        }
        code = EncodeNthWeekday(specialOccurrance_->currentIndex(),
                                specialDayOfWeek_->currentIndex(), specialMonth_->currentIndex());
    } else {
        return DayOfWeekCode();
    }
    if (code.empty())
        return std::nullopt;
    return code;
}

std::optional<std::string> TDayRuleFrame::DayOfWeekCode() const {
    std::string digits;
    for (std::size_t digit = 0; digit < days_.size(); ++digit)
        if (days_[digit]->isChecked())
            digits += static_cast<char>('0' + digit);
    if (digits.empty()) {
        Refuse(tr("You must select at least one day for this \nreminder to occur on"));
        return std::nullopt;
    }
    return digits;
}

void TDayRuleFrame::Refuse(const QString& message) const {
    messages_.ShowInfo(window(), message);
}

} // namespace nudgery

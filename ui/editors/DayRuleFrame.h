#pragma once
// The day rule of the repeating reminder editor: four framed boxes, one for each kind of
// rule (days of the week, the n-th weekday of a month, a day of the month, a day of the
// year), each with its radio button. The rule travels in and out as a day-spec code.

#include <QFrame>
#include <array>
#include <optional>
#include <string>
#include <string_view>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;

namespace nudgery {

class MessageBoxes;
class TSpinEdit;

class TDayRuleFrame : public QFrame {
    Q_OBJECT
public:
    TDayRuleFrame(MessageBoxes& messages, QWidget* parent);

    // Shows the rule of `code`. A day of the year, a day of the month or an n-th weekday
    // that does not decode changes nothing; any other code is a set of weekday digits.
    void SetEmUp(std::string_view code);
    // The code of the rule shown, or nothing once the user has been told what is wrong.
    std::optional<std::string> DetermineDaysString() const;

private:
    void AddDayOfWeekBox(QRect geometry);
    void AddSpecialBox(QRect geometry);
    void AddDayOfMonthBox(QRect geometry);
    void AddDayOfYearBox(QRect geometry);
    // A framed box with its rule's radio button at the top.
    QFrame* AddRuleBox(QRect geometry, QRadioButton*& radio, const char* name,
                       const QString& caption, const QString& tooltip);

    // Chooses a rule as a click on its radio button does.
    void Choose(QRadioButton* rule);
    // The handlers, by their control.
    void SetRecurType();
    void AllDaysCheckClick();

    std::optional<std::string> DayOfWeekCode() const;
    void Refuse(const QString& message) const;

    MessageBoxes& messages_;
    QButtonGroup* rules_;
    QRadioButton* rbDayOfweek_ = nullptr;
    QRadioButton* rbSpecial_ = nullptr;
    QRadioButton* rbDayOfMonth_ = nullptr;
    QRadioButton* rbDayOfYear_ = nullptr;
    // By weekday digit: 0 Sunday to 6 Saturday.
    std::array<QCheckBox*, 7> days_{};
    QCheckBox* allDaysCheck_ = nullptr;
    QComboBox* specialOccurrance_ = nullptr;
    QComboBox* specialDayOfWeek_ = nullptr;
    QComboBox* specialMonth_ = nullptr;
    TSpinEdit* dayOfMonthDay_ = nullptr;
    QComboBox* dayOfMonthMonth_ = nullptr;
    TSpinEdit* dayOfYearDay_ = nullptr;
};

} // namespace nudgery

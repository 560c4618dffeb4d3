#pragma once
// TEditAlarmRepeating: the dialog in which a repeating reminder is written or changed: its
// message, the days it falls on, its starting time, whether it fires once a day or every so
// many minutes (until an ending time or for the rest of the day), what happens when it
// falls due, and its sound file. It touches no reminder and no list: the caller sets the
// values below, shows it modally, and on Accepted reads them back.

#include "ReminderEditor.h"
#include "core/datetime.h"

#include <cstdint>
#include <optional>
#include <string>

class QButtonGroup;
class QFrame;
class QRadioButton;

namespace nudgery {

class TDayRuleFrame;
class TSpinEdit;
class TTimeEntry;

class TEditAlarmRepeating : public TReminderEditor {
    Q_OBJECT
public:
    static constexpr int HelpTopic = 2986;

    explicit TEditAlarmRepeating(const EditorServices& services, QWidget* parent = nullptr);

    // What the caller sets before showing.
    //
    // The starting and the ending time, shown in the user's format and, left as they are,
    // saved exactly as given; a value no time edit can show (a damaged data file) shows the
    // present time instead.
    void SetFirstTime(TDateTime time);
    void SetUntilTime(TDateTime time);
    // A new reminder starts now and, should it repeat until a time, ends an hour later.
    void SetTimesForNewReminder();
    // The day rule, shown when the dialog opens; Monday to Friday unless set.
    void SetEditorDaySpec(const std::string& code) { editorDaySpec_ = code; }
    // 0 (or less, which fires once a day too): once per day; otherwise repeat every that
    // many minutes, shown as it is even beyond the interval box's range.
    void SetRepeatMinutes(std::int32_t minutes);
    // Whether a repeating reminder stops at the ending time rather than at the day's end.
    void SetHasUntil(bool hasUntil);

    // What the caller reads after a successful Save.
    //
    // The day rule as a day-spec code.
    const std::string& EditorDaySpec() const { return editorDaySpec_; }
    TDateTime EditorFirstTime() const { return editorFirstTime_; }
    // The ending time; 0 unless the reminder repeats until a time.
    TDateTime EditorUntilTime() const { return editorUntilTime_; }
    // 0 for once per day, else the interval in minutes.
    std::int32_t RepeatMinutes() const { return repeatMinutes_; }
    // Whether "Until" was chosen; also read for a reminder that fires once a day.
    bool HasUntil() const { return hasUntil_; }

protected:
    void FormActivate() override;
    void SetAlarmButtonClick() override;

private:
    void AddTimeFrame(QPoint at);
    void AddRepeatUntilPanel(QWidget& frame, QPoint at);
    void AddRepeatChoice(QRadioButton*& radio, QButtonGroup& group, QWidget& parent,
                         const char* name, const QString& caption, const QString& tooltip,
                         QRect geometry);

    // The controls that follow the two repeat choices.
    void ShowRepeatChoices();
    // A click on a repeat choice: the controls follow it, and the starting time is checked.
    void Setbuttons();
    // The day rule controls from the caller's code.
    void SetEmUp();
    // The ending time, which must be later than `startTime`. One that does not parse is
    // reported and left for the user to correct; one that is not later is reported and
    // replaced by the starting time plus an hour.
    std::optional<TDateTime> CheckValidEndTime(TDateTime startTime);
    // Closes with Ok, keeping the repeat choices as they stand.
    void Accept();

    TDayRuleFrame* dayRule_;
    TTimeEntry* timeEntry_ = nullptr;
    QRadioButton* oncePerDayCheck_ = nullptr;
    QRadioButton* repeatEveryCheck_ = nullptr;
    // Once per day or repeat every so many minutes; until the ending time or for the rest
    // of the day.
    QButtonGroup* repeatChoice_ = nullptr;
    QButtonGroup* endChoice_ = nullptr;
    TSpinEdit* repeatEverySpinner_ = nullptr;
    QFrame* repeatUntilPanel_ = nullptr;
    QRadioButton* forRemainderOfDay_ = nullptr;
    QRadioButton* untilTime_ = nullptr;
    TTimeEntry* untilEntry_ = nullptr;

    // Monday to Friday, as the day boxes start.
    std::string editorDaySpec_ = "12345";
    TDateTime editorFirstTime_ = 0;
    TDateTime editorUntilTime_ = 0;
    std::int32_t repeatMinutes_ = 0;
    bool hasUntil_ = false;
};

} // namespace nudgery

#include "reminder.h"

#include "clock.h"
#include "date_formats.h"
#include "dayspec.h"

#include <cmath>
#include <utility>

namespace nudgery {
namespace {

constexpr const char* ClockTimePattern = "h:mmam/pm";
constexpr std::int32_t GraceMinutes = 10;

} // namespace

std::unique_ptr<TReminder> TReminder::Create() {
    return std::make_unique<TReminder>();
}

std::unique_ptr<TReminder> TReminder::CreateNormal(std::uint8_t kind, TDateTime when,
                                                   std::string description, std::string soundFile,
                                                   std::uint8_t eventType) {
    auto reminder = Create();
    reminder->Kind = kind;
    reminder->When = when;
    reminder->Description = std::move(description);
    reminder->SoundFile = std::move(soundFile);
    reminder->EventType = eventType;
    return reminder;
}

std::unique_ptr<TReminder>
TReminder::CreateRepeating(std::uint8_t kind, TDateTime firstTime, bool hasUntil,
                           TDateTime untilTime, std::string daySpec, std::int32_t repeatMinutes,
                           std::string description, std::string soundFile, std::uint8_t eventType) {
    auto reminder = Create();
    reminder->Kind = kind;
    reminder->FirstTime = firstTime;
    reminder->HasUntil = hasUntil;
    reminder->UntilTime = untilTime;
    reminder->DaySpec = std::move(daySpec);
    reminder->RepeatMinutes = repeatMinutes;
    reminder->Description = std::move(description);
    reminder->SoundFile = std::move(soundFile);
    reminder->EventType = eventType;
    return reminder;
}

std::unique_ptr<TReminder> TReminder::Clone() const {
    return std::make_unique<TReminder>(*this);
}

TDateTime TReminder::DatePart() const {
    return DatePartOf(When);
}

TDateTime TReminder::TimePart() const {
    return When - DatePartOf(When);
}

void TReminder::UpdateNormalStatus(const Clock& clock) {
    if (Status == StatusDone)
        return;
    const TDateTime today = clock.Today();
    const TDateTime date = DatePart();
    if (today > date) {
        Status = StatusExpired;
        return;
    }
    if (today < date) {
        Status = StatusNotToday;
        return;
    }
    // AddMinutes clamps the threshold to midnight before 00:10. A When that is not a number
    // fails every comparison and ends here as Expired.
    const TDateTime threshold = AddMinutes(-GraceMinutes, clock.TimeOfDay());
    Status = TimePart() >= threshold ? StatusPending : StatusExpired;
}

void TReminder::ScheduleToday(const Clock& clock) {
    const TDateTime today = clock.Today();
    // Only a damaged file holds a first time outside the day or a non-finite end time; such
    // a reminder has nothing to fire today.
    const bool timesUsable =
        FirstTime >= 0 && FirstTime < 1 && (!HasUntil || std::isfinite(UntilTime));
    if (!DaySpecMatchesDate(DaySpec, today) || !timesUsable) {
        Status = StatusNotToday;
        return;
    }
    // One reading of the time of day serves the whole rule.
    const TDateTime now = clock.TimeOfDay();
    // A negative interval, possible only in a damaged file, counts as once a day.
    if (RepeatMinutes <= 0) {
        if (now > FirstTime) {
            Status = StatusNotToday;
        } else {
            When = today + FirstTime;
            Status = StatusPending;
        }
        return;
    }
    if (HasUntil && now >= UntilTime) {
        Status = StatusNotToday;
        return;
    }
    const TDateTime end = HasUntil ? UntilTime : EncodeTime(23, 59);
    // The first occurrence strictly after the present moment; it may lie past midnight.
    const TDateTime t = FirstStepAfter(FirstTime, RepeatMinutes, now);
    if (AddMinutes(1, end) < t)
        return; // nothing left before the end time; When and Status stay as they were
    When = today + t;
    Status = StatusPending;
}

std::string TReminder::CompactWhenText(const DateFormats& formats) const {
    return formats.Format("yyyymmddhh:nn", When);
}

std::string TReminder::WhenText(const DateFormats& formats, const Clock& clock) const {
    return DueTimeText(When, formats, clock);
}

std::string TReminder::FirstTimeText(const DateFormats& formats) const {
    return formats.Format(ClockTimePattern, FirstTime);
}

std::string TReminder::RepeatText(const DateFormats& formats) const {
    if (RepeatMinutes == 0)
        return {};
    std::string text = IntervalText(RepeatMinutes);
    if (HasUntil)
        text += " until " + formats.Format(ClockTimePattern, UntilTime);
    return text;
}

std::string TReminder::DaySpecText() const {
    return DescribeDaySpec(DaySpec);
}

void TReminder::StatusText(std::string& text) const {
    switch (Status) {
    case StatusPending:
        text = "Pending";
        break;
    case StatusDone:
        text = "Done";
        break;
    case StatusExpired:
        text = "Expired";
        break;
    case StatusNotToday:
        text = "Not Today";
        break;
    default:
        break;
    }
}

std::string DueTimeText(TDateTime when, const DateFormats& formats, const Clock& clock) {
    const TDateTime date = DatePartOf(when);
    if (date == 0 || !std::isfinite(date))
        return {};
    if (date == clock.Today())
        return "Today at " + formats.Format(ClockTimePattern, when);
    return formats.Format("mmm dd, yyyy h:mmam/pm", when);
}

std::string IntervalText(std::int32_t minutes) {
    if (minutes < 60)
        return std::to_string(minutes) + " min";
    if (minutes == 60)
        return "Hour";
    if (minutes % 60 == 0)
        return std::to_string(minutes / 60) + " hrs";
    return std::to_string(minutes / 60) + " hrs " + std::to_string(minutes % 60) + " mins";
}

} // namespace nudgery

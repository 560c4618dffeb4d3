#include "missed_occurrences.h"

#include "date_formats.h"
#include "dayspec.h"
#include "reminder.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace nudgery {
namespace {

// The occurrences of one repeating reminder on one day, numbered from 0 in the order the
// schedule rule steps through them. Counting them by their index, rather than stepping from
// one to the next, keeps a reminder every minute over a long gap as cheap as one a day.
class DayOccurrences {
public:
    DayOccurrences(const TReminder& reminder, TDateTime day)
        : first_(reminder.FirstTime), day_(day),
          // A negative interval, possible only in a damaged file, counts as once a day, as
          // in the schedule rule.
          minutes_(std::max(reminder.RepeatMinutes, 0)), step_(AddMinutes(minutes_, 0)) {
        // The day's end: a minute after the end time still counts, and a step whose date
        // is the next day's never fires.
        const std::int64_t withinDay = CountUpTo(std::nextafter(day_ + 1, 0.0));
        if (minutes_ == 0) {
            count_ = withinDay;
            return;
        }
        const TDateTime end = reminder.HasUntil ? reminder.UntilTime : EncodeTime(23, 59);
        count_ = std::min(withinDay, Index(FirstStepAfter(first_, minutes_, AddMinutes(1, end))));
    }

    // How many occurrences the day has.
    std::int64_t Count() const { return count_; }

    // How many of the day's steps fall at or before `moment`, counted past the day's end too.
    std::int64_t CountUpTo(TDateTime moment) const {
        if (minutes_ == 0)
            return day_ + first_ > moment ? 0 : 1;
        TDateTime t = FirstStepAfter(first_, minutes_, moment - day_);
        // The steps are compared as times of day; their sum with the date may round onto
        // `moment`.
        while (!(day_ + t > moment))
            t = AddMinutes(minutes_, t);
        return Index(t);
    }

    // The date and time of occurrence `k`, exactly as the schedule rule would set it.
    TDateTime At(std::int64_t k) const {
        if (k == 0)
            return day_ + first_;
        // Half a step before it lies between it and the one before, whatever the rounding.
        return day_ +
               FirstStepAfter(first_, minutes_, first_ + (static_cast<double>(k) - 0.5) * step_);
    }

    // The index of the occurrence at `when`, when one falls exactly then.
    std::optional<std::int64_t> IndexOf(TDateTime when) const {
        if (!(when >= day_ && when < day_ + 1))
            return std::nullopt;
        const std::int64_t k = CountUpTo(std::nextafter(when, -1.0));
        if (k < count_ && At(k) == when)
            return k;
        return std::nullopt;
    }

private:
    // The index of a step: the steps are all but evenly spaced, far closer than half a step.
    std::int64_t Index(TDateTime t) const { return std::llround((t - first_) / step_); }

    TDateTime first_;
    TDateTime day_;
    std::int32_t minutes_;
    TDateTime step_;
    std::int64_t count_ = 0;
};

// The times the schedule rule can work with: others come only from a damaged file, and such
// a reminder never falls due.
bool TimesUsable(const TReminder& reminder) {
    return reminder.FirstTime >= 0 && reminder.FirstTime < 1 &&
           (!reminder.HasUntil || std::isfinite(reminder.UntilTime));
}

// The day's missed occurrences of one reminder, if any.
std::optional<MissedOccurrences> MissedOnDay(const TReminder& reminder, std::size_t index,
                                             TDateTime day, TDateTime lastRunning, TDateTime now) {
    const DayOccurrences occurrences(reminder, day);
    std::int64_t from = occurrences.CountUpTo(lastRunning);
    std::int64_t to = std::min(occurrences.CountUpTo(now), occurrences.Count());
    if (from >= to)
        return std::nullopt;
    std::int64_t count = to - from;
    // The occurrence still pending fires at the next check, however late: it is not missed.
    if (reminder.Status == StatusPending) {
        if (const auto pending = occurrences.IndexOf(reminder.When);
            pending && *pending >= from && *pending < to) {
            --count;
            if (*pending == from)
                ++from;
            else if (*pending == to - 1)
                --to;
        }
    }
    if (count <= 0)
        return std::nullopt;
    return MissedOccurrences{index, occurrences.At(from), occurrences.At(to - 1),
                             static_cast<std::int32_t>(count - 1)};
}

} // namespace

std::vector<MissedOccurrences> FindMissedOccurrences(std::span<const TReminder* const> repeating,
                                                     TDateTime lastRunning, TDateTime now) {
    std::vector<MissedOccurrences> missed;
    if (!(lastRunning < now) || !std::isfinite(lastRunning) || !std::isfinite(now))
        return missed;
    const TDateTime today = DatePartOf(now);
    const TDateTime firstDay = std::max(DatePartOf(lastRunning), today - (MissedLookBackDays - 1));
    for (std::size_t i = 0; i < repeating.size(); ++i) {
        const TReminder& reminder = *repeating[i];
        if (reminder.EventType == EventDoNothing || !TimesUsable(reminder))
            continue;
        for (TDateTime day = firstDay; day <= today; ++day)
            if (DaySpecMatchesDate(reminder.DaySpec, day))
                if (auto line = MissedOnDay(reminder, i, day, lastRunning, now))
                    missed.push_back(*line);
    }
    std::stable_sort(
        missed.begin(), missed.end(),
        [](const MissedOccurrences& a, const MissedOccurrences& b) { return a.first < b.first; });
    return missed;
}

std::string MoreOccurrencesText(const MissedOccurrences& line, const DateFormats& formats) {
    if (line.more <= 0)
        return {};
    return "and " + std::to_string(line.more) + " more until " +
           formats.Format("h:mmam/pm", line.last);
}

} // namespace nudgery

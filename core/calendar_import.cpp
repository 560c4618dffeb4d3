#include "calendar_import.h"

#include "calendar_text.h"
#include "date_formats.h"
#include "dayspec.h"
#include "import_memory.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>

namespace nudgery {
namespace {

constexpr std::int64_t SecondsPerDay = 86400;

std::int64_t SecondOfDay(TDateTime value) {
    return std::llround(TimePartOf(value) * SecondsPerDay) % SecondsPerDay;
}

// A local date and time as the memory of imports and the preview name it.
std::string IsoText(TDateTime value, bool seconds) {
    if (!(value >= 0 && value < EncodeDate(10000, 1, 1)))
        return ExactNumberText(value);
    const CalendarDate date = DecodeDate(value);
    const ClockTime time = DecodeTime(value);
    char text[32];
    if (seconds)
        std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", date.year, date.month,
                      date.day, time.hour, time.minute, time.second);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", date.year, date.month,
                      date.day, time.hour, time.minute);
    return text;
}

std::string What(const CalendarItem& item) {
    std::string what = item.title.empty() ? "(no summary)" : item.title;
    if (item.entry.start)
        what += " (" + IsoText(*item.entry.start, false) + ")";
    return what;
}

// Equal but for the status, and for a repeating reminder's next time, which follow from
// the day.
bool SameReminder(const TReminder& a, const TReminder& b, ListKind list) {
    return a.Kind == b.Kind && a.EventType == b.EventType && a.Description == b.Description &&
           a.SoundFile == b.SoundFile && a.DaySpec == b.DaySpec && a.FirstTime == b.FirstTime &&
           a.HasUntil == b.HasUntil && a.UntilTime == b.UntilTime &&
           a.RepeatMinutes == b.RepeatMinutes && a.ReservedFlag == b.ReservedFlag &&
           (list == ListKind::Repeating || a.When == b.When);
}

bool Usable(const CalendarAlarm& alarm) {
    return alarm.action == "DISPLAY" || alarm.action == "AUDIO";
}

// What the alarms ringing at one time ask for together.
struct Ringing {
    bool display = false;
    bool audio = false;
    std::string sound;
    const CalendarAlarm* first = nullptr;
};

class Planner {
public:
    explicit Planner(const ImportContext& context)
        : context_(context), today_(DatePartOf(context.now)) {}

    void Take(const CalendarItem& item) {
        if (const auto list = OwnEntryList(item.entry)) {
            TakeOwn(item, *list);
            return;
        }
        if (!item.refusal.empty()) {
            Refuse(item, item.refusal);
            return;
        }
        if (item.alarms.empty()) {
            Refuse(item, "no alarm");
            return;
        }
        std::vector<const CalendarAlarm*> usable;
        for (const CalendarAlarm& alarm : item.alarms) {
            if (Usable(alarm))
                usable.push_back(&alarm);
            else
                Refuse(item, alarm.action + " alarm");
        }
        if (usable.empty())
            return;
        if (!item.recurs) {
            TakeOneByOne(item, usable);
            return;
        }
        const std::string why = WhyNotRepeating(item, usable);
        if (why.empty()) {
            TakeAsRepeating(item, usable);
            return;
        }
        const std::size_t before = plan_.reminders.size();
        const Occurrences occurrences = TakeOneByOne(item, usable);
        if (plan_.reminders.size() == before)
            return; // nothing of it is added: nothing to say

        std::string note = What(item) + ": " + why + "; its occurrences in the next " +
                           std::to_string(ImportWindowDays) + " days are added one by one";
        if (occurrences.found > occurrences.taken)
            note += ", the first " + std::to_string(occurrences.taken) + " of them";
        plan_.notes.push_back(note);
    }

    ImportPlan Plan() && { return std::move(plan_); }

private:
    // Times an item rings from now on, and how many of them became reminders.
    struct Occurrences {
        std::size_t found = 0;
        std::size_t taken = 0;
    };

    void Refuse(const CalendarItem& item, std::string reason) {
        plan_.refused.push_back({What(item), std::move(reason)});
    }

    void Add(ListKind list, TReminder reminder, std::string key) {
        if (context_.memory.Holds(key)) {
            ++plan_.importedBefore;
            return;
        }
        if (!keysTaken_.insert(key).second)
            return; // the file names it twice
        const auto& existing = list == ListKind::OneTime ? context_.oneTime : context_.repeating;
        if (std::any_of(existing.begin(), existing.end(), [&](const TReminder* other) {
                return SameReminder(*other, reminder, list);
            })) {
            ++plan_.alreadyInLists;
            return;
        }
        plan_.reminders.push_back({list, std::move(reminder), std::move(key)});
    }

    void TakeOwn(const CalendarItem& item, ListKind list) {
        TReminder reminder = ReminderForEntry(item.entry, list);
        const TDateTime time = list == ListKind::OneTime ? reminder.When : reminder.FirstTime;
        std::string key = item.entry.uid + " " + ExactNumberText(time);
        Add(list, std::move(reminder), std::move(key));
    }

    // Why the item's recurring alarms are not one repeating reminder each; empty when they
    // are: the rule has a day rule, nothing changes its days from today on, and each alarm
    // rings at one time of day on exactly the days that day rule selects.
    std::string WhyNotRepeating(const CalendarItem& item,
                                const std::vector<const CalendarAlarm*>& alarms) {
        if (!item.entry.rule || !item.entry.start)
            return "dates given one by one";
        dayRule_ = DaySpecForRule(*item.entry.rule, DatePartOf(*item.entry.start));
        if (dayRule_.code.empty())
            return dayRule_.reason;
        if (!item.ruleException.empty())
            return item.ruleException;
        for (const CalendarAlarm* alarm : alarms) {
            if (alarm->times.empty())
                return "no occurrence in the next " + std::to_string(ImportWindowDays) + " days";
            if (alarm->absolute || alarm->moreTimes || !OnDayRule(*alarm, dayRule_.code))
                return "alarms that do not follow a day rule";
        }
        return {};
    }

    bool OnDayRule(const CalendarAlarm& alarm, const std::string& code) const {
        std::set<TDateTime> days;
        for (const TDateTime time : alarm.times) {
            if (SecondOfDay(time) != SecondOfDay(alarm.times.front()))
                return false;
            days.insert(DatePartOf(time));
        }
        std::set<TDateTime> selected;
        for (int i = 0; i < ImportWindowDays; ++i)
            if (DaySpecMatchesDate(code, today_ + i))
                selected.insert(today_ + i);
        return days == selected;
    }

    // The alarms of one item that ring together, by their time; times before `from` left out.
    static std::map<TDateTime, Ringing>
    RingingTimes(const std::vector<const CalendarAlarm*>& alarms, bool timeOfDay, TDateTime from) {
        std::map<TDateTime, Ringing> ringing;
        for (const CalendarAlarm* alarm : alarms)
            for (const TDateTime time : alarm->times) {
                if (time < from)
                    continue;
                const TDateTime at =
                    timeOfDay ? static_cast<TDateTime>(SecondOfDay(time)) / SecondsPerDay : time;
                Ringing& ring = ringing[at];
                if (!ring.first)
                    ring.first = alarm;
                (alarm->action == "AUDIO" ? ring.audio : ring.display) = true;
                if (ring.sound.empty())
                    ring.sound = alarm->soundFile;
                if (timeOfDay)
                    break; // every time of the alarm has the same time of day
            }
        return ringing;
    }

    std::uint8_t EventTypeOf(const Ringing& ring) const {
        if (!ring.audio)
            return context_.defaults.eventType;
        return ring.display ? EventShowAndPlay : EventPlayOnly;
    }

    std::string SoundOf(const Ringing& ring) const {
        return ring.sound.empty() ? context_.defaults.soundFile : ring.sound;
    }

    void TakeAsRepeating(const CalendarItem& item,
                         const std::vector<const CalendarAlarm*>& alarms) {
        for (const auto& [time, ring] : RingingTimes(alarms, true, 0)) {
            const std::int64_t first = std::llround(time * SecondsPerDay);
            bool hasUntil = false;
            TDateTime until = 0;
            std::int32_t minutes = 0;
            const CalendarAlarm& alarm = *ring.first;
            const std::int64_t last = first + std::int64_t{alarm.repeat} * alarm.repeatMinutes * 60;
            if (alarm.repeat > 0 && alarm.repeatMinutes > 0 && last < SecondsPerDay) {
                hasUntil = true;
                until = EncodeTime(0, 0, static_cast<int>(last));
                minutes = alarm.repeatMinutes;
            }
            auto reminder =
                TReminder::CreateRepeating(KindRepeating, time, hasUntil, until, dayRule_.code,
                                           minutes, item.title, SoundOf(ring), EventTypeOf(ring));
            std::string key = item.entry.uid + " every " + dayRule_.code + " at " +
                              IsoText(time, true).substr(11);
            Add(ListKind::Repeating, std::move(*reminder), std::move(key));
        }
    }

    // Takes each time the item's alarms ring from now on as a one-time reminder, up to the
    // limit; an item with none is refused.
    Occurrences TakeOneByOne(const CalendarItem& item,
                             const std::vector<const CalendarAlarm*>& alarms) {
        const auto ringing = RingingTimes(alarms, false, context_.now);
        bool more = false;
        for (const CalendarAlarm* alarm : alarms)
            more = more || alarm->moreTimes;
        if (ringing.empty()) {
            Refuse(item, item.recurs ? "no occurrence in the next " +
                                           std::to_string(ImportWindowDays) + " days"
                                     : "its alarm time has passed");
            return {};
        }
        Occurrences occurrences{more ? ringing.size() + 1 : ringing.size(), 0};
        for (const auto& [time, ring] : ringing) {
            if (occurrences.taken == MostOccurrencesTaken)
                break;
            ++occurrences.taken;
            auto reminder = TReminder::CreateNormal(KindOneTime, time, item.title, SoundOf(ring),
                                                    EventTypeOf(ring));
            Add(ListKind::OneTime, std::move(*reminder),
                item.entry.uid + " " + IsoText(time, true));
        }
        return occurrences;
    }

    const ImportContext& context_;
    const TDateTime today_;
    ImportPlan plan_;
    std::set<std::string> keysTaken_;
    DaySpecForRuleResult dayRule_;
};

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

ImportPlan PlanImport(std::span<const CalendarItem> items, const ImportContext& context) {
    Planner planner(context);
    for (const CalendarItem& item : items)
        planner.Take(item);
    return std::move(planner).Plan();
}

std::string PlanSummary(const ImportPlan& plan) {
    std::size_t oneTime = 0;
    for (const PlannedReminder& planned : plan.reminders)
        oneTime += planned.list == ListKind::OneTime;
    const std::size_t repeating = plan.reminders.size() - oneTime;
    std::string summary;
    if (plan.reminders.empty())
        summary = "Nothing will be added.";
    else if (repeating == 0)
        summary = Count(oneTime, "one-time reminder", "one-time reminders") + " will be added.";
    else if (oneTime == 0)
        summary = Count(repeating, "repeating reminder", "repeating reminders") + " will be added.";
    else
        summary = Count(oneTime, "one-time reminder", "one-time reminders") + " and " +
                  Count(repeating, "repeating reminder", "repeating reminders") + " will be added.";
    if (!plan.refused.empty())
        summary +=
            " " + Count(plan.refused.size(), "entry cannot", "entries cannot") + " be taken.";
    if (plan.importedBefore > 0)
        summary += " " + Count(plan.importedBefore, "reminder was", "reminders were") +
                   " imported before and " + (plan.importedBefore == 1 ? "is" : "are") +
                   " left out.";
    if (plan.alreadyInLists > 0)
        summary += " " + Count(plan.alreadyInLists, "reminder is", "reminders are") +
                   " in the lists already and left out.";
    return summary;
}

std::string PlannedWhenText(const PlannedReminder& planned, const DateFormats& formats) {
    const TReminder& reminder = planned.reminder;
    if (planned.list == ListKind::OneTime)
        return formats.Format("mmm dd, yyyy h:mmam/pm", reminder.When);
    std::string days = reminder.DaySpecText();
    std::string text =
        (days.empty() ? std::string("No day") : days) + " at " + reminder.FirstTimeText(formats);
    const std::string repeat = reminder.RepeatText(formats);
    if (!repeat.empty())
        text += ", every " + repeat;
    return text;
}

} // namespace nudgery

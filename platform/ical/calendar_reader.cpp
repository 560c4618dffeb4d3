#include "calendar_reader.h"

#include "calendar_parse.h"
#include "calendar_times.h"
#include "core/calendar_text.h"
#include "ical_rules.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace nudgery::ical {
namespace {

constexpr std::int64_t SecondsPerDay = 86400;
// How far an alarm, or an event's end, is taken to lie from its start at most when looking
// for the occurrences whose alarms ring in the window.
constexpr std::int64_t LongestReach = 400 * SecondsPerDay;
// The most steps taken through a rule's occurrences: a daily rule of over a hundred years,
// and a bound on the time a rule of every second can take.
constexpr int MostRecurrenceSteps = 50000;
// The most repetitions of an alarm taken as they stand.
constexpr int MostAlarmRepeats = 10000;
// libical writes no time after the year 3000: a reminder due later could be imported but
// never exported again.
constexpr int LastWritableYear = 3000;

bool Writable(TDateTime time) {
    return DecodeDate(time).year <= LastWritableYear;
}

struct Window {
    TDateTime from = 0;
    TDateTime until = 0;
};

// A time property placed: where it is, and what it was in the file.
struct PlacedTime {
    bool present = false;
    std::optional<Moment> moment;
    std::string problem;
    icaltimetype time{};
    std::string tzid;
};

// When an alarm rings: at a time of its own, or at a distance from the start or the end.
struct AlarmTiming {
    bool absolute = false;
    Moment at;
    bool fromEnd = false;
    std::int64_t offset = 0;
};

std::string Text(const char* text) {
    return text ? text : "";
}

icalproperty* First(icalcomponent* component, icalproperty_kind kind) {
    return icalcomponent_get_first_property(component, kind);
}

// An occurrence changed by a component of its own: the RECURRENCE-ID of that component.
struct ChangedOccurrence {
    icaltimetype time{};
    std::string tzid;
};

class ItemReader {
public:
    ItemReader(const CalendarZones& zones, const Window& window) : zones_(zones), window_(window) {}

    CalendarItem Read(icalcomponent* component, const std::vector<ChangedOccurrence>& changed) {
        component_ = component;
        CalendarItem item;
        item.task = icalcomponent_isa(component) == ICAL_VTODO_COMPONENT;
        item.entry.uid = Uid();
        item.entry.summary = Text(icalcomponent_get_summary(component));
        item.title = Title(item.entry.summary);
        item.entry.properties = OwnProperties();
        item.refusal = StatusRefusal(item.task);
        const bool changesOne = First(component, ICAL_RECURRENCEID_PROPERTY) != nullptr;

        start_ = Place(First(component, ICAL_DTSTART_PROPERTY));
        if (!start_.problem.empty() && item.refusal.empty())
            item.refusal = start_.problem;
        if (start_.moment) {
            item.entry.start = LocalTime(*start_.moment);
            const bool writable = item.entry.start && Writable(*item.entry.start);
            if (!writable && item.refusal.empty())
                item.refusal = "a date out of range";
        }
        end_ = End(item.task);

        icalproperty* rule = changesOne ? nullptr : First(component, ICAL_RRULE_PROPERTY);
        if (rule)
            item.entry.rule = FromIcal(icalproperty_get_rrule(rule));
        // Occurrences hours or minutes apart are no reminders, and may be millions a year.
        if (item.entry.rule && item.entry.rule->frequency < RecurrenceFrequency::Daily &&
            item.refusal.empty())
            item.refusal = "a rule that repeats within the day";
        item.recurs =
            !changesOne && (rule || First(component, ICAL_RDATE_PROPERTY)) && start_.moment;

        std::vector<std::pair<CalendarAlarm, AlarmTiming>> alarms = Alarms();
        if (!alarms.empty()) {
            item.entry.alarmRepeat = alarms.front().first.repeat;
            item.entry.alarmRepeatMinutes = alarms.front().first.repeatMinutes;
        }
        if (!item.refusal.empty()) {
            for (auto& alarm : alarms)
                item.alarms.push_back(std::move(alarm.first));
            return item;
        }
        std::vector<Moment> occurrences;
        if (item.recurs)
            occurrences = Occurrences(alarms, changed, item.ruleException);
        for (auto& [alarm, timing] : alarms) {
            if (!timing.absolute && !Base(timing)) {
                item.refusal = item.task ? "no date for its alarm" : "no start";
                break;
            }
            if (timing.absolute || !item.recurs)
                AddTime(alarm, Ringing(timing, start_.moment.value_or(Moment{})), false);
            else
                for (const Moment& occurrence : occurrences)
                    AddTime(alarm, Ringing(timing, occurrence), true);
            item.alarms.push_back(std::move(alarm));
        }
        return item;
    }

private:
    std::string Uid() const {
        const std::string uid = Text(icalcomponent_get_uid(component_));
        if (!uid.empty())
            return uid;
        const BufferPtr text(icalcomponent_as_ical_string_r(component_));
        return "nudgery-" + HexDigest(text ? text.get() : "");
    }

    // An item without a summary is named by its alarm's text or its description.
    std::string Title(std::string summary) const {
        if (!summary.empty())
            return summary;
        for (icalcomponent* alarm =
                 icalcomponent_get_first_component(component_, ICAL_VALARM_COMPONENT);
             alarm && summary.empty();
             alarm = icalcomponent_get_next_component(component_, ICAL_VALARM_COMPONENT))
            summary = Text(icalcomponent_get_description(alarm));
        return summary.empty() ? Text(icalcomponent_get_description(component_)) : summary;
    }

    std::vector<std::pair<std::string, std::string>> OwnProperties() const {
        std::vector<std::pair<std::string, std::string>> properties;
        for (icalproperty* property = icalcomponent_get_first_property(component_, ICAL_X_PROPERTY);
             property; property = icalcomponent_get_next_property(component_, ICAL_X_PROPERTY)) {
            const std::string name = Text(icalproperty_get_x_name(property));
            if (name.starts_with(OwnPropertyPrefix))
                properties.emplace_back(name, Text(icalproperty_get_x(property)));
        }
        return properties;
    }

    std::string StatusRefusal(bool task) const {
        switch (icalcomponent_get_status(component_)) {
        case ICAL_STATUS_CANCELLED:
            return "cancelled";
        case ICAL_STATUS_COMPLETED:
            return "completed";
        default:
            return task && First(component_, ICAL_COMPLETED_PROPERTY) ? "completed" : "";
        }
    }

    PlacedTime Place(icalproperty* property) const {
        PlacedTime placed;
        if (!property)
            return placed;
        placed.present = true;
        placed.time = icalvalue_get_datetimedate(icalproperty_get_value(property));
        placed.tzid = TzidOf(property);
        const Placed result = zones_.Place(placed.time, placed.tzid);
        placed.moment = result.moment;
        placed.problem = result.problem;
        return placed;
    }

    // The end of an event (DTEND, or the start and DURATION, or a day after a start that is
    // a date) or the due time of a task.
    PlacedTime End(bool task) {
        PlacedTime end = Place(First(component_, task ? ICAL_DUE_PROPERTY : ICAL_DTEND_PROPERTY));
        if (end.moment || !start_.moment)
            return end;
        if (icalproperty* duration = First(component_, ICAL_DURATION_PROPERTY)) {
            const auto seconds = icaldurationtype_as_int(icalproperty_get_duration(duration));
            end.moment =
                start_.moment->Plus(std::clamp<std::int64_t>(seconds, -LongestReach, LongestReach));
        } else if (!task) {
            end.moment = start_.moment->Plus(start_.time.is_date ? SecondsPerDay : 0);
        }
        return end;
    }

    // The moment a relative alarm counts from, for the first occurrence: a task without the
    // one its alarm names counts from the other.
    std::optional<Moment> Base(const AlarmTiming& timing) const {
        const std::optional<Moment>& wanted = timing.fromEnd ? end_.moment : start_.moment;
        return wanted ? wanted : (timing.fromEnd ? start_.moment : end_.moment);
    }

    // Seconds from the start of an occurrence to its end.
    std::int64_t Length() const {
        if (!start_.moment || !end_.moment)
            return 0;
        const auto start = LocalTime(*start_.moment);
        const auto end = LocalTime(*end_.moment);
        if (!start || !end)
            return 0;
        return std::clamp<std::int64_t>(std::llround((*end - *start) * SecondsPerDay),
                                        -LongestReach, LongestReach);
    }

    // When an alarm rings for the occurrence that starts at `start`.
    Moment Ringing(const AlarmTiming& timing, const Moment& start) const {
        if (timing.absolute)
            return timing.at;
        if (!start_.moment)
            return Base(timing)->Plus(timing.offset); // a task without a start
        return start.Plus(timing.offset + (timing.fromEnd ? Length() : 0));
    }

    void AddTime(CalendarAlarm& alarm, const Moment& moment, bool inWindowOnly) const {
        const auto time = LocalTime(moment);
        if (!time || !Writable(*time) ||
            (inWindowOnly && (*time < window_.from || *time >= window_.until)))
            return;
        if (alarm.times.size() == MostAlarmTimes) {
            alarm.moreTimes = true;
            return;
        }
        alarm.times.push_back(*time);
    }

    std::vector<std::pair<CalendarAlarm, AlarmTiming>> Alarms() const {
        std::vector<std::pair<CalendarAlarm, AlarmTiming>> alarms;
        for (icalcomponent* component =
                 icalcomponent_get_first_component(component_, ICAL_VALARM_COMPONENT);
             component;
             component = icalcomponent_get_next_component(component_, ICAL_VALARM_COMPONENT)) {
            icalproperty* trigger = First(component, ICAL_TRIGGER_PROPERTY);
            if (!trigger)
                continue; // an alarm without a time rings nowhere
            CalendarAlarm alarm;
            if (icalproperty* action = First(component, ICAL_ACTION_PROPERTY))
                alarm.action = Text(icalproperty_get_value_as_string(action));
            alarm.soundFile = SoundFile(component);
            AlarmTiming timing;
            const icaltriggertype when = icalproperty_get_trigger(trigger);
            if (!icaltime_is_null_time(when.time)) {
                const Placed placed = zones_.Place(when.time, TzidOf(trigger));
                if (!placed.moment)
                    continue;
                timing.absolute = alarm.absolute = true;
                timing.at = *placed.moment;
            } else {
                timing.offset = icaldurationtype_as_int(when.duration);
                icalparameter* related =
                    icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER);
                timing.fromEnd = related && icalparameter_get_related(related) == ICAL_RELATED_END;
            }
            Repetitions(component, alarm);
            alarms.emplace_back(std::move(alarm), timing);
        }
        return alarms;
    }

    static void Repetitions(icalcomponent* component, CalendarAlarm& alarm) {
        icalproperty* repeat = First(component, ICAL_REPEAT_PROPERTY);
        icalproperty* duration = First(component, ICAL_DURATION_PROPERTY);
        if (!repeat || !duration)
            return;
        const int times = icalproperty_get_repeat(repeat);
        const int seconds = icaldurationtype_as_int(icalproperty_get_duration(duration));
        if (times <= 0 || times > MostAlarmRepeats || seconds <= 0 || seconds % 60 != 0)
            return;
        alarm.repeat = times;
        alarm.repeatMinutes = seconds / 60;
    }

    // A sound file on this machine that an AUDIO alarm names by a file address.
    static std::string SoundFile(icalcomponent* alarm) {
        icalproperty* attach = First(alarm, ICAL_ATTACH_PROPERTY);
        icalattach* attachment = attach ? icalproperty_get_attach(attach) : nullptr;
        if (!attachment || !icalattach_get_is_url(attachment))
            return {};
        const std::string url = Text(icalattach_get_url(attachment));
        for (const std::string_view scheme : {"file://localhost/", "file:///"})
            if (url.starts_with(scheme))
                return PercentDecoded(std::string_view(url).substr(scheme.size() - 1)).value_or("");
        return {};
    }

    // The local times of the occurrences whose alarms may ring in the window, in order, and
    // what makes them differ from the rule's days from today on.
    std::vector<Moment>
    Occurrences(const std::vector<std::pair<CalendarAlarm, AlarmTiming>>& alarms,
                const std::vector<ChangedOccurrence>& changed, std::string& exception) const {
        std::int64_t earliest = 0, latest = 0; // of the alarms, from the start
        for (const auto& [alarm, timing] : alarms) {
            if (timing.absolute)
                continue;
            const std::int64_t reach = timing.offset + (timing.fromEnd ? Length() : 0);
            earliest = std::min(earliest, reach);
            latest = std::max(latest, reach);
        }
        const TDateTime lowest =
            window_.from -
            static_cast<TDateTime>(std::min(latest, LongestReach) / SecondsPerDay + 2);
        const TDateTime highest =
            window_.until +
            static_cast<TDateTime>(std::min(-earliest, LongestReach) / SecondsPerDay + 2);

        std::vector<TDateTime> left;     // exact times left out
        std::vector<TDateTime> leftDays; // whole days left out
        for (icalproperty* date = First(component_, ICAL_EXDATE_PROPERTY); date;
             date = icalcomponent_get_next_property(component_, ICAL_EXDATE_PROPERTY)) {
            const icaltimetype time = icalproperty_get_exdate(date);
            const auto placed = zones_.Place(time, TzidOf(date));
            const auto local = placed.moment ? LocalTime(*placed.moment) : std::nullopt;
            if (!local)
                continue;
            (time.is_date ? leftDays : left).push_back(time.is_date ? DatePartOf(*local) : *local);
            if (*local >= window_.from)
                exception = "days left out of its rule";
        }
        for (const ChangedOccurrence& occurrence : changed) {
            const auto placed = zones_.Place(occurrence.time, occurrence.tzid);
            const auto local = placed.moment ? LocalTime(*placed.moment) : std::nullopt;
            if (!local)
                continue;
            left.push_back(*local);
            if (*local >= window_.from)
                exception = "occurrences changed one by one";
        }
        const auto excluded = [&](TDateTime local) {
            return std::find(left.begin(), left.end(), local) != left.end() ||
                   std::find(leftDays.begin(), leftDays.end(), DatePartOf(local)) != leftDays.end();
        };

        std::vector<std::pair<TDateTime, Moment>> found;
        const auto consider = [&](const Moment& moment) {
            const auto local = LocalTime(moment);
            if (local && *local >= lowest && *local <= highest && !excluded(*local))
                found.emplace_back(*local, moment);
            return local;
        };
        if (icalproperty* rule = First(component_, ICAL_RRULE_PROPERTY)) {
            if (icalcomponent_count_properties(component_, ICAL_RRULE_PROPERTY) > 1)
                exception = "more than one rule";
            const icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
            if (!RuleSelectsNoDay(FromIcal(recurrence)))
                StepThrough(recurrence, lowest, highest, consider);
        } else {
            consider(*start_.moment);
        }
        for (icalproperty* date = First(component_, ICAL_RDATE_PROPERTY); date;
             date = icalcomponent_get_next_property(component_, ICAL_RDATE_PROPERTY)) {
            const icaldatetimeperiodtype value = icalproperty_get_rdate(date);
            const icaltimetype time =
                icaltime_is_null_time(value.time) ? value.period.start : value.time;
            if (const auto placed = zones_.Place(time, TzidOf(date)); placed.moment)
                consider(*placed.moment);
            exception = "dates added to its rule";
        }
        std::sort(found.begin(), found.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        found.erase(std::unique(found.begin(), found.end(),
                                [](const auto& a, const auto& b) { return a.first == b.first; }),
                    found.end());
        std::vector<Moment> moments;
        for (const auto& [local, moment] : found)
            moments.push_back(moment);
        return moments;
    }

    // Steps through the rule's occurrences from the start, beginning near `lowest` when the
    // rule has no COUNT, until they pass `highest`.
    template <typename Consider>
    void StepThrough(const icalrecurrencetype& rule, TDateTime lowest, TDateTime highest,
                     const Consider& consider) const {
        icaltimetype first = start_.time;
        first.zone = nullptr;
        const IteratorPtr iterator(icalrecur_iterator_new(rule, first));
        if (!iterator)
            return;
        const auto startLocal = LocalTime(*start_.moment);
        if (rule.count == 0 && startLocal && *startLocal < lowest - 1) {
            // Skips the years before the window; times of day stay those of the start.
            const CalendarDate from = DecodeDate(lowest - 1);
            icaltimetype skipTo = first;
            skipTo.year = from.year;
            skipTo.month = from.month;
            skipTo.day = from.day;
            icalrecur_iterator_set_start(iterator.get(), skipTo);
        }
        for (int step = 0; step < MostRecurrenceSteps; ++step) {
            const icaltimetype next = icalrecur_iterator_next(iterator.get());
            if (icaltime_is_null_time(next))
                return;
            const Placed placed = zones_.Place(next, start_.tzid);
            if (!placed.moment)
                continue;
            const auto local = consider(*placed.moment);
            if (local && *local > highest)
                return;
        }
    }

    const CalendarZones& zones_;
    const Window window_;
    icalcomponent* component_ = nullptr;
    PlacedTime start_;
    PlacedTime end_;
};

bool IsItem(icalcomponent* component) {
    const icalcomponent_kind kind = icalcomponent_isa(component);
    return kind == ICAL_VEVENT_COMPONENT || kind == ICAL_VTODO_COMPONENT;
}

// The occurrences that components of their own change, by UID.
std::map<std::string, std::vector<ChangedOccurrence>> ChangedOccurrences(icalcomponent* calendar) {
    std::map<std::string, std::vector<ChangedOccurrence>> changed;
    for (icalcomponent* component = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT);
         component; component = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
        icalproperty* id =
            IsItem(component) ? First(component, ICAL_RECURRENCEID_PROPERTY) : nullptr;
        if (id)
            changed[Text(icalcomponent_get_uid(component))].push_back(
                {icalproperty_get_recurrenceid(id), TzidOf(id)});
    }
    return changed;
}

} // namespace

CalendarRead ReadCalendar(std::string_view text, const CalendarReadOptions& options) {
    CalendarRead read;
    if (text.size() > MostCalendarBytes) {
        read.error = "The file is too big for a calendar file: it has more than " +
                     std::to_string(MostCalendarBytes >> 20) + " MB.";
        return read;
    }
    ParsedCalendars parsed = ParseCalendars(text);
    if (!parsed.error.empty()) {
        read.error = std::move(parsed.error);
        return read;
    }
    const TDateTime today = DatePartOf(options.now);
    const Window window{today, today + ImportWindowDays};
    for (const ComponentPtr& calendar : parsed.calendars) {
        const CalendarZones zones(calendar.get(), options.zone);
        const auto changed = ChangedOccurrences(calendar.get());
        ItemReader reader(zones, window);
        static const std::vector<ChangedOccurrence> None;
        for (icalcomponent* component =
                 icalcomponent_get_first_component(calendar.get(), ICAL_ANY_COMPONENT);
             component;
             component = icalcomponent_get_next_component(calendar.get(), ICAL_ANY_COMPONENT)) {
            if (!IsItem(component))
                continue;
            const bool changesOne = First(component, ICAL_RECURRENCEID_PROPERTY) != nullptr;
            const auto own = changed.find(Text(icalcomponent_get_uid(component)));
            read.items.push_back(
                reader.Read(component, changesOne || own == changed.end() ? None : own->second));
        }
    }
    return read;
}

} // namespace nudgery::ical

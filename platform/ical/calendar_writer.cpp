#include "calendar_writer.h"

#include "ical_handles.h"
#include "ical_rules.h"

#include <algorithm>

namespace nudgery::ical {
namespace {

// An alarm's text must not be empty; a reminder without a message rings with this one.
constexpr const char* UntitledAlarmText = "Reminder";

icaltimetype WallTime(TDateTime value) {
    const CalendarDate date = DecodeDate(value);
    const ClockTime time = DecodeTime(value);
    icaltimetype t = icaltime_null_time();
    t.year = date.year;
    t.month = date.month;
    t.day = date.day;
    t.hour = time.hour;
    t.minute = time.minute;
    t.second = time.second;
    return t;
}

// The zone's definition, named by the zone's own name and cut to the years from
// `firstYear` on, as the entries need no older rules.
ComponentPtr ZoneDefinition(icaltimezone* zone, const std::string& name, int firstYear) {
    ComponentPtr definition(icalcomponent_new_clone(icaltimezone_get_component(zone)));
    if (icalproperty* tzid = icalcomponent_get_first_property(definition.get(), ICAL_TZID_PROPERTY))
        icalproperty_set_tzid(tzid, name.c_str());
    icaltimetype from = icaltime_null_time();
    from.year = firstYear;
    from.month = 1;
    from.day = 1;
    from.zone = icaltimezone_get_utc_timezone();
    icaltimezone_truncate_vtimezone(definition.get(), from, icaltime_null_time(), 0);
    return definition;
}

void AddText(icalcomponent* component, icalproperty* property) {
    icalcomponent_add_property(component, property);
}

void AddAlarm(icalcomponent* event, const CalendarEntry& entry) {
    icalcomponent* alarm = icalcomponent_new_valarm();
    AddText(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    AddText(alarm, icalproperty_new_description(entry.summary.empty() ? UntitledAlarmText
                                                                      : entry.summary.c_str()));
    icaltriggertype atStart{};
    atStart.time = icaltime_null_time();
    atStart.duration = icaldurationtype_null_duration();
    AddText(alarm, icalproperty_new_trigger(atStart));
    if (entry.alarmRepeat > 0) {
        AddText(alarm, icalproperty_new_repeat(entry.alarmRepeat));
        AddText(alarm, icalproperty_new_duration(
                           icaldurationtype_from_int(entry.alarmRepeatMinutes * 60)));
    }
    icalcomponent_add_component(event, alarm);
}

// How start times are written: in the named zone, in UTC (the system's zone is UTC), or as
// local times without a zone.
struct StartZone {
    std::string name;
    bool utc = false;
};

icalcomponent* Component(const CalendarEntry& entry, const StartZone& zone,
                         const icaltimetype& stamp) {
    icalcomponent* component = entry.start ? icalcomponent_new_vevent() : icalcomponent_new_vtodo();
    AddText(component, icalproperty_new_uid(entry.uid.c_str()));
    AddText(component, icalproperty_new_dtstamp(stamp));
    if (entry.start) {
        icaltimetype time = WallTime(*entry.start);
        if (zone.utc)
            time.zone = icaltimezone_get_utc_timezone();
        icalproperty* start = icalproperty_new_dtstart(time);
        if (!zone.name.empty())
            icalproperty_add_parameter(start, icalparameter_new_tzid(zone.name.c_str()));
        AddText(component, start);
    }
    if (entry.rule)
        AddText(component, icalproperty_new_rrule(ToIcal(*entry.rule)));
    if (!entry.summary.empty())
        AddText(component, icalproperty_new_summary(entry.summary.c_str()));
    for (const auto& [name, value] : entry.properties) {
        icalproperty* property = icalproperty_new_x(value.c_str());
        icalproperty_set_x_name(property, name.c_str());
        AddText(component, property);
    }
    if (entry.start)
        AddAlarm(component, entry);
    return component;
}

} // namespace

std::string WriteCalendar(std::span<const CalendarEntry> entries,
                          const CalendarWriteOptions& options) {
    ComponentPtr calendar(icalcomponent_new_vcalendar());
    AddText(calendar.get(), icalproperty_new_version("2.0"));
    AddText(calendar.get(), icalproperty_new_prodid(options.product.c_str()));

    std::optional<TDateTime> earliest;
    for (const CalendarEntry& entry : entries)
        if (entry.start)
            earliest = std::min(earliest.value_or(*entry.start), *entry.start);
    icaltimezone* zone =
        options.zone.empty() ? nullptr : icaltimezone_get_builtin_timezone(options.zone.c_str());
    StartZone startZone;
    if (zone && earliest) {
        if (icaltimezone_get_component(zone)) {
            startZone.name = options.zone;
            icalcomponent_add_component(
                calendar.get(),
                ZoneDefinition(zone, options.zone, DecodeDate(*earliest).year - 1).release());
        } else {
            startZone.utc = zone == icaltimezone_get_utc_timezone();
        }
    }

    const icaltimetype stamp = icaltime_from_timet_with_zone(static_cast<time_t>(options.stampUtc),
                                                             0, icaltimezone_get_utc_timezone());
    for (const CalendarEntry& entry : entries)
        icalcomponent_add_component(calendar.get(), Component(entry, startZone, stamp));

    const BufferPtr text(icalcomponent_as_ical_string_r(calendar.get()));
    return text ? std::string(text.get()) : std::string();
}

} // namespace nudgery::ical

#include "calendar_times.h"

#include <ctime>

namespace nudgery::ical {
namespace {

constexpr std::int64_t SecondsPerDay = 86400;
// 1 January 1970 in the program's day count.
constexpr std::int64_t UnixEpochDay = 25569;
// Converting a time in a zone makes libical work out the zone's changes up to that year, so
// only the years a reminder can sensibly have are converted.
constexpr int FirstZonedYear = 1800;
constexpr int LastZonedYear = 2200;
// Bounds on a zone definition, far above any real zone's, so that a damaged file cannot
// make working out its changes endless.
constexpr int MostObservances = 200;
constexpr int MostDatesPerObservance = 200;

bool ValidFields(const icaltimetype& t) {
    if (t.year < 1 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > DaysInMonth(t.year, t.month))
        return false;
    return t.is_date || (t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 &&
                         t.second >= 0 && t.second <= 60);
}

// Seconds from day 0 of the program's day count to the time's wall-clock fields; a leap
// second counts as the second before it.
std::int64_t WallSeconds(const icaltimetype& t) {
    const auto day = static_cast<std::int64_t>(EncodeDate(t.year, t.month, t.day));
    if (t.is_date)
        return day * SecondsPerDay;
    return day * SecondsPerDay + t.hour * 3600 + t.minute * 60 + std::min(t.second, 59);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

bool RuleIsTame(const icalrecurrencetype& rule) {
    const auto count = [](const short* values, std::size_t size) {
        std::size_t n = 0;
        while (n < size && values[n] != ICAL_RECURRENCE_ARRAY_MAX)
            ++n;
        return n;
    };
    return rule.freq == ICAL_YEARLY_RECURRENCE && rule.interval == 1 &&
           count(rule.by_month, ICAL_BY_MONTH_SIZE) <= 1 &&
           count(rule.by_day, ICAL_BY_DAY_SIZE) <= 7 &&
           count(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE) <= 7 &&
           count(rule.by_year_day, ICAL_BY_YEARDAY_SIZE) <= 1 &&
           count(rule.by_set_pos, ICAL_BY_SETPOS_SIZE) == 0 &&
           count(rule.by_week_no, ICAL_BY_WEEKNO_SIZE) == 0 &&
           count(rule.by_hour, ICAL_BY_HOUR_SIZE) == 0 &&
           count(rule.by_minute, ICAL_BY_MINUTE_SIZE) == 0 &&
           count(rule.by_second, ICAL_BY_SECOND_SIZE) == 0 && rule.rscale == nullptr;
}

// Whether a zone definition is one libical can work out in bounded time: a few observances,
// each starting at a valid time and changing yearly at most a few times.
bool DefinitionIsTame(icalcomponent* definition) {
    int observances = 0;
    for (icalcomponent* observance =
             icalcomponent_get_first_component(definition, ICAL_ANY_COMPONENT);
         observance;
         observance = icalcomponent_get_next_component(definition, ICAL_ANY_COMPONENT)) {
        if (++observances > MostObservances)
            return false;
        const icalcomponent_kind kind = icalcomponent_isa(observance);
        if (kind != ICAL_XSTANDARD_COMPONENT && kind != ICAL_XDAYLIGHT_COMPONENT)
            continue;
        icalproperty* start = icalcomponent_get_first_property(observance, ICAL_DTSTART_PROPERTY);
        if (!start || !ValidFields(icalproperty_get_dtstart(start)))
            return false;
        int rules = 0;
        for (icalproperty* rule = icalcomponent_get_first_property(observance, ICAL_RRULE_PROPERTY);
             rule; rule = icalcomponent_get_next_property(observance, ICAL_RRULE_PROPERTY))
            if (++rules > 1 || !RuleIsTame(icalproperty_get_rrule(rule)))
                return false;
        if (icalcomponent_count_properties(observance, ICAL_RDATE_PROPERTY) >
            MostDatesPerObservance)
            return false;
    }
    return true;
}

std::string TzidText(icalproperty* property) {
    const char* text = property ? icalproperty_get_tzid(property) : nullptr;
    return text ? text : "";
}

// The zone's name in the zone database, which libical and others give as X-LIC-LOCATION.
std::string Location(icalcomponent* definition) {
    for (icalproperty* property = icalcomponent_get_first_property(definition, ICAL_X_PROPERTY);
         property; property = icalcomponent_get_next_property(definition, ICAL_X_PROPERTY)) {
        const char* name = icalproperty_get_x_name(property);
        const char* value = icalproperty_get_x(property);
        if (name && value && std::string_view(name) == "X-LIC-LOCATION")
            return value;
    }
    return {};
}

} // namespace

std::optional<TDateTime> LocalTime(const Moment& moment) {
    std::int64_t wall = moment.seconds;
    if (!moment.wall) {
        const auto instant = static_cast<std::time_t>(moment.seconds);
        std::tm fields{};
        if (!localtime_r(&instant, &fields) || fields.tm_year + 1900 < 1 ||
            fields.tm_year + 1900 > 9999)
            return std::nullopt;
        wall = static_cast<std::int64_t>(
                   EncodeDate(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday)) *
                   SecondsPerDay +
               fields.tm_hour * 3600 + fields.tm_min * 60 + std::min(fields.tm_sec, 59);
    }
    const std::int64_t day =
        wall >= 0 ? wall / SecondsPerDay : -((-wall + SecondsPerDay - 1) / SecondsPerDay);
    const TDateTime date = static_cast<TDateTime>(day);
    if (date < EncodeDate(1, 1, 1) || date > EncodeDate(9999, 12, 31))
        return std::nullopt;
    return date + EncodeTime(0, 0, static_cast<int>(wall - day * SecondsPerDay));
}

CalendarZones::CalendarZones(icalcomponent* calendar, std::string localZone)
    : localZone_(std::move(localZone)) {
    for (icalcomponent* definition =
             icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT);
         definition;
         definition = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT)) {
        const std::string tzid =
            TzidText(icalcomponent_get_first_property(definition, ICAL_TZID_PROPERTY));
        if (tzid.empty() || defined_.contains(tzid) || unusable_.contains(tzid))
            continue;
        if (!localZone_.empty() && Location(definition) == localZone_)
            local_.insert(tzid);
        if (!DefinitionIsTame(definition)) {
            unusable_.insert(tzid);
            continue;
        }
        ZonePtr zone(icaltimezone_new());
        icalcomponent* copy = icalcomponent_new_clone(definition);
        if (!icaltimezone_set_component(zone.get(), copy)) {
            icalcomponent_free(copy);
            unusable_.insert(tzid);
            continue;
        }
        defined_.emplace(tzid, std::move(zone));
    }
}

Placed CalendarZones::Place(const icaltimetype& time, const std::string& tzid) const {
    if (!ValidFields(time))
        return {std::nullopt, "a date or time that does not exist"};
    const std::int64_t wall = WallSeconds(time);
    if (time.is_date)
        return {Moment{true, wall}, {}};
    if (icaltime_is_utc(time))
        return {Moment{false, wall - UnixEpochDay * SecondsPerDay}, {}};
    const bool isLocal = tzid.empty() || tzid == localZone_ || local_.contains(tzid) ||
                         (!localZone_.empty() && tzid.ends_with("/" + localZone_));
    if (isLocal)
        return {Moment{true, wall}, {}};
    if (unusable_.contains(tzid))
        return {std::nullopt, "the time zone " + Quoted(tzid) + " cannot be read"};
    icaltimezone* zone = nullptr;
    if (const auto found = defined_.find(tzid); found != defined_.end())
        zone = found->second.get();
    else
        zone = icaltimezone_get_builtin_timezone(tzid.c_str());
    if (!zone)
        zone = icaltimezone_get_builtin_timezone_from_tzid(tzid.c_str());
    if (!zone)
        return {std::nullopt, "the time zone " + Quoted(tzid) + " is not defined"};
    if (time.year < FirstZonedYear || time.year > LastZonedYear)
        return {std::nullopt, "a time too far from today for its time zone"};
    icaltimetype floating = time;
    floating.zone = nullptr;
    return {Moment{false, static_cast<std::int64_t>(icaltime_as_timet_with_zone(floating, zone))},
            {}};
}

std::string TzidOf(icalproperty* property) {
    icalparameter* tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    const char* text = tzid ? icalparameter_get_tzid(tzid) : nullptr;
    return text ? text : "";
}

} // namespace nudgery::ical

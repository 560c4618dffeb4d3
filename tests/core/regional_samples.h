#pragma once
// Two users' regional settings the core tests format and parse under.

#include "core/date_formats.h"

namespace nudgery::test {

// A 12-hour clock with ":" and "AM"/"PM".
inline RegionalSettings TwelveHourSettings() {
    RegionalSettings s;
    s.shortDateFormat = "m/d/yyyy";
    s.longDateFormat = "dddd, mmmm d, yyyy";
    s.shortTimeFormat = "h:nn AMPM";
    return s;
}

// A 24-hour clock with "." between hours and minutes and no AM/PM strings of its own.
inline RegionalSettings TwentyFourHourSettings() {
    RegionalSettings s;
    s.shortDateFormat = "dd.mm.yyyy";
    s.longDateFormat = "dddd, d. mmmm yyyy";
    s.shortTimeFormat = "hh:nn";
    s.dateSeparator = ".";
    s.timeSeparator = ".";
    s.amString = "";
    s.pmString = "";
    s.shortMonthNames = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                         "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
    s.longMonthNames = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                        "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    s.shortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    s.longDayNames = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                      "Donnerstag", "Freitag", "Samstag"};
    return s;
}

} // namespace nudgery::test

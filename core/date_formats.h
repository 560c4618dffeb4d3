#pragma once
// The two sets of date and time conventions, formatting with the program's patterns and
// reading a typed time of day.
//
// The program's fixed set (short date "mm/dd/yyyy", "/", ":", "AM", "PM") is in force at
// all times except around a parse or format of a time that the user types or reads in an
// editor; there the user's saved set is put in force for that one step (UserFormatsScope).
// The long date format, the short time format and the month and weekday names are always
// the user's.
//
// Patterns: "d" "dd" day, "ddd" "dddd" weekday name, "ddddd" short date, "dddddd" long
// date; "m" "mm" month, minutes right after an hour letter; "mmm" "mmmm" month name;
// "yy" "yyyy" year; "h" "hh" hour (12-hour when an am/pm marker is in the pattern); "n"
// "nn" minutes; "s" "ss" seconds; "z" "zzz" milliseconds; "t" short time format; "am/pm"
// lower-case "am"/"pm"; "a/p"; "ampm" the AM or PM string in force; "/" and ":" the
// separators in force; text in quotes is literal; everything else is literal.

#include "datetime.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace nudgery {

struct RegionalSettings {
    std::string shortDateFormat = "mm/dd/yyyy";
    std::string longDateFormat = "dddd, mmmm d, yyyy";
    std::string shortTimeFormat = "h:nn ampm";
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";
    std::string amString = "AM";
    std::string pmString = "PM";
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> longMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> longDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
};

class DateFormats {
public:
    // Starts with the fixed set in force and default user settings.
    DateFormats();

    // Keeps the user's regional settings aside (done once when the main window is made).
    void SaveUserDateFormats(const RegionalSettings& user);
    // Puts the program's fixed set in force.
    void UseInternalDateFormats() noexcept { userInForce_ = false; }
    // Puts the saved user's set in force; pair it with UseInternalDateFormats, or better
    // use UserFormatsScope, which cannot forget the switch back.
    void UseUserDateFormats() noexcept { userInForce_ = true; }

    bool UserFormatsInForce() const { return userInForce_; }
    const RegionalSettings& User() const { return user_; }

    // The value formatted with a pattern under the set in force.
    std::string Format(std::string_view pattern, TDateTime value) const;

    // A typed time of day read under the set in force: the fraction of a day, or nothing
    // when the text is not a time. It is an hour, optionally the time separator and
    // minutes, and the separator and seconds, optionally an AM or PM marker; or anything the
    // user's short time format ("t") writes, such as a marker before the hour. An empty time
    // separator never matches (only a bare hour can then be typed), and an empty AM or PM
    // string is skipped in favour of "AM"/"PM".
    std::optional<TDateTime> ParseTime(std::string_view text) const;
    bool IsValidTime(std::string_view text) const { return ParseTime(text).has_value(); }

    // A date at the start of `text`, written in `pattern` under the set in force: "d" "dd"
    // the day and "m" "mm" the month in one or two digits, "mmm" "mmmm" the month's short or
    // long name, "yyyy" the year in four digits and "yy" in two (2000 to 2099) or four, "ddd"
    // "dddd" a weekday's name (read and passed over), "/" the date separator in force, a blank any
    // run of blanks; letters compare without regard to case. Nothing when the text does not
    // have the pattern's shape; a shape with fields no calendar has (31 April) is not
    // `exists`.
    struct DateScan {
        CalendarDate date;
        std::size_t length = 0; // the characters read
        bool exists = false;
    };
    std::optional<DateScan> ScanDate(std::string_view pattern, std::string_view text) const;

    // The conventions that switch with the set in force.
    struct Conventions {
        std::string shortDateFormat;
        std::string dateSeparator;
        std::string timeSeparator;
        std::string amString;
        std::string pmString;
    };
    const Conventions& InForce() const { return userInForce_ ? userConventions_ : internal_; }

private:
    RegionalSettings user_;
    // Both sets are kept whole, so switching is a flag and cannot fail halfway.
    Conventions internal_;
    Conventions userConventions_;
    bool userInForce_ = false;
};

// Puts the user's set in force for its lifetime and the fixed set back when it ends,
// also when the step in between throws.
class [[nodiscard]] UserFormatsScope {
public:
    explicit UserFormatsScope(DateFormats& formats) : formats_(formats) {
        formats_.UseUserDateFormats();
    }
    ~UserFormatsScope() { formats_.UseInternalDateFormats(); }
    UserFormatsScope(const UserFormatsScope&) = delete;
    UserFormatsScope& operator=(const UserFormatsScope&) = delete;

private:
    DateFormats& formats_;
};

} // namespace nudgery

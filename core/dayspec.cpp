#include "dayspec.h"

#include "clock.h"

#include <array>
#include <charconv>
#include <new>

namespace nudgery {
namespace {

constexpr std::array<const char*, 6> OccurrenceNames{"1st", "2nd", "3rd", "4th", "5th", "Last"};
constexpr std::array<const char*, 8> WeekdayNames{"Sun", "Mon", "Tue", "Wed",
                                                  "Thu", "Fri", "Sat", "Day"};
constexpr std::array<const char*, 13> MonthNames{"Month", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul",   "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::int32_t LastOccurrence = 5;
constexpr std::int32_t AnyWeekday = 7;

// The table's entry, or nothing for an index a damaged file may hold.
template <std::size_t N>
const char* NameAt(const std::array<const char*, N>& table, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        return nullptr;
    return table[static_cast<std::size_t>(index)];
}

std::string LeftJustified(std::int32_t value, std::size_t width) {
    std::string text = std::to_string(value);
    text.resize(width, ' ');
    return text;
}

std::string RightJustified(std::int32_t value, std::size_t width) {
    const std::string text = std::to_string(value);
    if (text.size() >= width)
        return text.substr(0, width);
    return std::string(width - text.size(), ' ') + text;
}

// A field of a code: the characters at 1-based positions first..first+length-1 (fewer when
// the code is shorter), blanks trimmed, read as a whole decimal integer with an optional
// sign. A number beyond 32 bits fails like any other unreadable field.
bool DecodeField(std::string_view code, std::size_t first, std::size_t length,
                 std::int32_t& value) {
    const std::size_t start = first - 1;
    std::string_view field = start < code.size() ? code.substr(start, length) : std::string_view{};
    field = TrimBlanks(field);
    if (!field.empty() && field.front() == '+') {
        field.remove_prefix(1);
        if (!field.empty() && field.front() == '-')
            return false; // one sign only
    }
    std::int32_t parsed = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), parsed);
    if (error != std::errc{} || end != field.data() + field.size())
        return false;
    value = parsed;
    return true;
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return text;
}

std::string EncodeDayOfYear(std::int32_t day) {
    return std::string("#").append(LeftJustified(day, 3));
}

std::string EncodeDayOfMonth(std::int32_t day, std::int32_t month) {
    return std::string("@").append(RightJustified(day, 2)).append(RightJustified(month, 2));
}

std::string EncodeNthWeekday(std::int32_t occurrence, std::int32_t weekday, std::int32_t month) {
    try {
        return std::string("$")
            .append(LeftJustified(occurrence, 2))
            .append(LeftJustified(weekday, 2))
            .append(LeftJustified(month, 2));
    } catch (const std::bad_alloc&) {
        return {}; // the editor takes an empty code as a failed save
    }
}

bool DecodeDayOfYear(std::string_view code, std::int32_t& day) {
    return DecodeField(code, 2, 3, day);
}

bool DecodeDayOfMonth(std::string_view code, std::int32_t& day, std::int32_t& month) {
    return DecodeField(code, 2, 2, day) && DecodeField(code, 4, 2, month);
}

bool DecodeNthWeekday(std::string_view code, std::int32_t& occurrence, std::int32_t& weekday,
                      std::int32_t& month) {
    return DecodeField(code, 2, 2, occurrence) && DecodeField(code, 4, 2, weekday) &&
           DecodeField(code, 6, 2, month);
}

bool MatchesDayOfYear(std::int32_t day, TDateTime date) {
    return day == DayOfYear(DatePartOf(date));
}

bool MatchesDayOfMonth(std::int32_t day, std::int32_t month, TDateTime date) {
    const CalendarDate fields = DecodeDate(DatePartOf(date));
    return day == fields.day && (month == 0 || month == fields.month);
}

bool MatchesNthWeekday(std::int32_t occurrence, std::int32_t weekday, std::int32_t month,
                       TDateTime date) {
    date = DatePartOf(date);
    const CalendarDate fields = DecodeDate(date);
    if (month >= 1 && month != fields.month)
        return false;
    if (weekday == AnyWeekday) {
        if (occurrence == LastOccurrence)
            return date == LastDayOfMonth(date);
        return fields.day == occurrence + 1;
    }
    if (WeekdayOf(date) != weekday)
        return false;
    if (occurrence == (fields.day - 1) / 7)
        return true;
    // Within the last seven days of its month the weekday is also the last one.
    return date + 7 > LastDayOfMonth(date) && occurrence == LastOccurrence;
}

bool DaySpecMatchesDate(std::string_view code, TDateTime date) {
    if (code.empty())
        return false;
    date = DatePartOf(date);
    std::int32_t a = 0, b = 0, c = 0;
    switch (code.front()) {
    case '#':
        return DecodeDayOfYear(code, a) && MatchesDayOfYear(a, date);
    case '$':
        return DecodeNthWeekday(code, a, b, c) && MatchesNthWeekday(a, b, c, date);
    case '@':
        return DecodeDayOfMonth(code, a, b) && MatchesDayOfMonth(a, b, date);
    default:
        return code.find(static_cast<char>('0' + WeekdayOf(date))) != std::string_view::npos;
    }
}

bool DaySpecMatchesToday(std::string_view code, const Clock& clock) {
    return DaySpecMatchesDate(code, clock.Today());
}

std::string OrdinalText(std::int32_t n) {
    static constexpr std::array<const char*, 10> Suffixes{"th", "st", "nd", "rd", "th",
                                                          "th", "th", "th", "th", "th"};
    const int lastDigit = n % 10 < 0 ? -(n % 10) : n % 10;
    const char* suffix =
        (n >= 11 && n <= 19) ? "th" : Suffixes[static_cast<std::size_t>(lastDigit)];
    return std::to_string(n) + suffix;
}

std::string DescribeDaySpec(std::string_view code) {
    if (code.empty())
        return {};
    std::int32_t a = 0, b = 0, c = 0;
    switch (code.front()) {
    case '#':
        if (!DecodeDayOfYear(code, a))
            return {};
        return OrdinalText(a) + " day of year";
    case '$': {
        if (!DecodeNthWeekday(code, a, b, c))
            return {};
        const char* occurrence = NameAt(OccurrenceNames, a);
        const char* weekday = NameAt(WeekdayNames, b);
        const char* month = NameAt(MonthNames, c);
        if (!occurrence || !weekday || !month)
            return {};
        return std::string(occurrence) + " " + weekday + "/" + month;
    }
    case '@': {
        if (!DecodeDayOfMonth(code, a, b))
            return {};
        const char* month = NameAt(MonthNames, b);
        if (!month)
            return {};
        return OrdinalText(a) + " of " + month;
    }
    default:
        break;
    }
    if (code == "0123456")
        return "All Days";
    if (code == "12345")
        return "Weekdays";
    if (code == "06")
        return "Weekends";
    static constexpr char DayLetters[] = "SMTWTFS";
    std::string text = "On Days: ";
    for (int weekday = 0; weekday < 7; ++weekday)
        if (code.find(static_cast<char>('0' + weekday)) != std::string_view::npos)
            text += DayLetters[weekday];
    return text;
}

} // namespace nudgery

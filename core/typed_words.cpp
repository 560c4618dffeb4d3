#include "typed_words.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace nudgery {
namespace {

char LowerAsciiChar(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// English weekday names by weekday, Sunday first.
constexpr std::array<std::initializer_list<const char*>, 7> EnglishWeekdays{{
    {"sun", "sunday"},
    {"mon", "monday"},
    {"tue", "tues", "tuesday"},
    {"wed", "wednesday"},
    {"thu", "thur", "thurs", "thursday"},
    {"fri", "friday"},
    {"sat", "saturday"},
}};

constexpr std::array<std::initializer_list<const char*>, 12> EnglishMonths{{
    {"jan", "january"},
    {"feb", "february"},
    {"mar", "march"},
    {"apr", "april"},
    {"may"},
    {"jun", "june"},
    {"jul", "july"},
    {"aug", "august"},
    {"sep", "sept", "september"},
    {"oct", "october"},
    {"nov", "november"},
    {"dec", "december"},
}};

// The index of the entry that holds the word: among the English names first, then among
// the user's short and long names. Empty names never match.
template <std::size_t N>
std::optional<int>
NameIndex(std::string_view word, const std::array<std::initializer_list<const char*>, N>& english,
          const std::array<std::string, N>& userShort, const std::array<std::string, N>& userLong) {
    if (word.empty())
        return std::nullopt;
    for (std::size_t k = 0; k < N; ++k)
        for (const char* name : english[k])
            if (SameWord(word, name))
                return static_cast<int>(k);
    for (std::size_t k = 0; k < N; ++k)
        if (SameWord(word, userShort[k]) || SameWord(word, userLong[k]))
            return static_cast<int>(k);
    return std::nullopt;
}

enum UnitKind { UnitMinute, UnitHour, UnitDay, UnitWeek, UnitKinds };
constexpr Duration UnitLength[UnitKinds] = {{0, 1}, {0, 60}, {1, 0}, {7, 0}};
struct UnitName {
    const char* name;
    UnitKind kind;
};
constexpr UnitName UnitNames[] = {
    {"m", UnitMinute},       {"min", UnitMinute}, {"mins", UnitMinute}, {"minute", UnitMinute},
    {"minutes", UnitMinute}, {"h", UnitHour},     {"hr", UnitHour},     {"hrs", UnitHour},
    {"hour", UnitHour},      {"hours", UnitHour}, {"d", UnitDay},       {"day", UnitDay},
    {"days", UnitDay},       {"w", UnitWeek},     {"wk", UnitWeek},     {"week", UnitWeek},
    {"weeks", UnitWeek},
};
constexpr std::size_t MostDigits = 6;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string_view StripBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

WordAndRest SplitFirstWord(std::string_view text) {
    text = StripBlanks(text);
    const auto length =
        static_cast<std::size_t>(std::find_if(text.begin(), text.end(), IsBlank) - text.begin());
    return {text.substr(0, length), StripBlanks(text.substr(length))};
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAsciiChar);
    return lower;
}

bool SameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAsciiChar(x) == LowerAsciiChar(y);
           });
}

TypedWords::TypedWords(const RegionalSettings& user) {
    internal_.SaveUserDateFormats(user);
    user_.SaveUserDateFormats(user);
    user_.UseUserDateFormats();
}

std::optional<int> TypedWords::Weekday(std::string_view word) const {
    const RegionalSettings& user = user_.User();
    return NameIndex(word, EnglishWeekdays, user.shortDayNames, user.longDayNames);
}

std::optional<int> TypedWords::Month(std::string_view word) const {
    const RegionalSettings& user = user_.User();
    const std::optional<int> index =
        NameIndex(word, EnglishMonths, user.shortMonthNames, user.longMonthNames);
    if (!index)
        return std::nullopt;
    return *index + 1;
}

std::optional<TDateTime> TypedWords::TimeOfDay(std::string_view text) const {
    if (const std::optional<TDateTime> time = internal_.ParseTime(text))
        return time;
    return user_.ParseTime(text);
}

bool TypedWords::IsMarker(std::string_view word) const {
    const DateFormats::Conventions& user = user_.InForce();
    return SameWord(word, "am") || SameWord(word, "pm") ||
           (!user.amString.empty() && SameWord(word, user.amString)) ||
           (!user.pmString.empty() && SameWord(word, user.pmString));
}

std::optional<Duration> ReadDuration(std::string_view text) {
    std::string packed;
    for (const char c : text)
        if (!IsBlank(c))
            packed += LowerAsciiChar(c);
    if (packed.empty())
        return std::nullopt;
    Duration duration;
    bool used[UnitKinds] = {};
    std::size_t pos = 0;
    while (pos < packed.size()) {
        const std::size_t digitsStart = pos;
        std::int64_t number = 0;
        while (pos < packed.size() && IsDigit(packed[pos])) {
            if (pos - digitsStart == MostDigits)
                return std::nullopt;
            number = number * 10 + (packed[pos] - '0');
            ++pos;
        }
        const std::size_t unitStart = pos;
        while (pos < packed.size() && IsLetter(packed[pos]))
            ++pos;
        if (unitStart == digitsStart || pos == unitStart)
            return std::nullopt;
        const std::string_view unit = std::string_view(packed).substr(unitStart, pos - unitStart);
        const auto found = std::find_if(std::begin(UnitNames), std::end(UnitNames),
                                        [&](const UnitName& u) { return unit == u.name; });
        if (found == std::end(UnitNames) || used[found->kind])
            return std::nullopt;
        used[found->kind] = true;
        duration.days += number * UnitLength[found->kind].days;
        duration.minutes += number * UnitLength[found->kind].minutes;
    }
    return duration;
}

} // namespace nudgery

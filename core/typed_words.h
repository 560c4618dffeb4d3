#pragma once
// The words in which a reminder's time and days are typed: weekday and month names, times of
// day and lengths of time. Names are read in English and in the user's own language; letters
// compare without regard to case.

#include "date_formats.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nudgery {

// A length of time: whole days, counted on the calendar, and minutes.
struct Duration {
    std::int64_t days = 0;
    std::int64_t minutes = 0;

    bool operator==(const Duration&) const = default;
};

class TypedWords {
public:
    explicit TypedWords(const RegionalSettings& user);

    // 0 Sunday .. 6 Saturday: "fri", "friday" ("tues", "thur" and "thurs" too), or the user's
    // short or long name.
    std::optional<int> Weekday(std::string_view word) const;
    // 1 January .. 12 December: "mar", "march", or the user's short or long name.
    std::optional<int> Month(std::string_view word) const;
    // A time of day as the program writes it ("17:00", "5:00pm", "05:00 pm", "05:00:00pm")
    // or in the user's own short time format; seconds are kept.
    std::optional<TDateTime> TimeOfDay(std::string_view text) const;
    // Whether the word is an AM or PM marker, which may stand apart from its time.
    bool IsMarker(std::string_view word) const;
    // The formats with the user's set in force.
    const DateFormats& UserFormats() const { return user_; }

private:
    DateFormats internal_;
    DateFormats user_;
};

// Numbers each followed by its unit, each unit at most once, blanks allowed anywhere: "20m",
// "2h", "3d", "1w", "1h30m", "2 hours", "90 min". Units: m min mins minute minutes; h hr hrs
// hour hours; d day days; w week weeks (seven days). Nothing for any other text; a number
// has at most six digits.
std::optional<Duration> ReadDuration(std::string_view text);

// The text without the blanks (spaces, tabs) at its ends.
std::string_view StripBlanks(std::string_view text);
// The text's first word and what follows it, without the blanks around them.
struct WordAndRest {
    std::string_view word;
    std::string_view rest;
};
WordAndRest SplitFirstWord(std::string_view text);

std::string LowerAscii(std::string_view text);
// Whether two words are equal but for the case of their letters.
bool SameWord(std::string_view a, std::string_view b);

} // namespace nudgery

#include "date_formats.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>

namespace nudgery {
namespace {

// A user's short time format containing "t" would otherwise expand forever.
constexpr int MaxPatternNesting = 2;

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size())
        return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return UpperAscii(a) == UpperAscii(b); });
}

// The number with at least `digits` digits, zeros in front (after the sign), as printf's
// "%0*d" writes it; without printf, which the lists' texts call thousands of times.
void AppendPadded(std::string& out, int value, int digits) {
    char buffer[16];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    const char* number = buffer;
    if (value < 0) {
        out += '-';
        ++number;
        --digits;
    }
    if (end - number < digits)
        out.append(static_cast<std::size_t>(digits - (end - number)), '0');
    out.append(number, end);
}

// Length of the run of the same letter (either case) starting at pos.
std::size_t RunLength(std::string_view pattern, std::size_t pos) {
    const char letter = UpperAscii(pattern[pos]);
    std::size_t end = pos;
    while (end < pattern.size() && UpperAscii(pattern[end]) == letter)
        ++end;
    return end - pos;
}

// The length of the am/pm marker ("am/pm", "a/p" or "ampm", either case) that `rest`
// starts with, or 0.
std::size_t MarkerLength(std::string_view rest) {
    for (const std::string_view marker : {"am/pm", "a/p", "ampm"})
        if (StartsWithNoCase(rest, marker))
            return marker.size();
    return 0;
}

// Whether an am/pm marker occurs outside quoted text: hours are then shown on the 12-hour
// clock.
bool HasAmPmMarker(std::string_view pattern) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '"' || c == '\'') {
            const std::size_t close = pattern.find(c, i + 1);
            if (close == std::string_view::npos)
                return false;
            i = close;
        } else if (UpperAscii(c) == 'A' && MarkerLength(pattern.substr(i)) > 0) {
            return true;
        }
    }
    return false;
}

// Walks a pattern element by element and hands each to `visitor`, which both the writer and
// the reader of times are: so the reader takes back exactly what the writer wrote. Stops
// when a visitor's step returns false, and returns whether it went through.
template <typename Visitor> bool WalkPattern(std::string_view pattern, Visitor& visitor) {
    const bool twelveHour = HasAmPmMarker(pattern);
    char lastLetter = 0;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        const char upper = UpperAscii(c);
        if (c == '"' || c == '\'') {
            const std::size_t close = pattern.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            if (!visitor.Literal(pattern.substr(i + 1, end - i - 1)))
                return false;
            i = end + 1;
            continue;
        }
        if (upper == 'A') {
            if (const std::size_t length = MarkerLength(pattern.substr(i))) {
                if (!visitor.Marker(pattern.substr(i, length)))
                    return false;
                lastLetter = 'A';
                i += length;
                continue;
            }
        }
        if (!IsAsciiLetter(c)) {
            if (!(c == '/' || c == ':' ? visitor.Separator(c)
                                       : visitor.Literal(pattern.substr(i, 1))))
                return false;
            ++i;
            continue;
        }
        const std::size_t run = RunLength(pattern, i);
        if (!visitor.Field(pattern.substr(i, run), lastLetter == 'H', twelveHour))
            return false;
        lastLetter = upper;
        i += run;
    }
    return true;
}

class PatternWriter {
public:
    PatternWriter(const DateFormats& formats, TDateTime value)
        : formats_(formats), date_(DecodeDate(value)), time_(DecodeTime(value)),
          weekday_(WeekdayOf(value)) {}

    void Write(std::string_view pattern) { WalkPattern(pattern, *this); }

    std::string Take() { return std::move(out_); }

    bool Literal(std::string_view text) {
        out_.append(text);
        return true;
    }

    bool Separator(char symbol) {
        out_ += symbol == '/' ? InForce().dateSeparator : InForce().timeSeparator;
        return true;
    }

    bool Marker(std::string_view marker) {
        const bool afternoon = time_.hour >= 12;
        if (marker.size() == 4) // "ampm": the strings in force
            out_ += afternoon ? InForce().pmString : InForce().amString;
        else
            WriteCasedLikePattern(marker.size() == 5 ? (afternoon ? "pm" : "am")
                                                     : (afternoon ? "p" : "a"),
                                  marker[0]);
        return true;
    }

    bool Field(std::string_view letters, bool afterHour, bool twelveHour) {
        const RegionalSettings& user = formats_.User();
        const char letter = UpperAscii(letters[0]);
        const std::size_t run = letters.size();
        switch (letter) {
        case 'D':
            if (run <= 2)
                WriteNumber(date_.day, run);
            else if (run == 3)
                out_ += user.shortDayNames[static_cast<std::size_t>(weekday_)];
            else if (run == 4)
                out_ += user.longDayNames[static_cast<std::size_t>(weekday_)];
            else
                WriteNested(run == 5 ? InForce().shortDateFormat : user.longDateFormat);
            break;
        case 'M':
            if (run <= 2 && afterHour)
                WriteNumber(time_.minute, run);
            else if (run <= 2)
                WriteNumber(date_.month, run);
            else
                out_ += (run == 3 ? user.shortMonthNames
                                  : user.longMonthNames)[static_cast<std::size_t>(date_.month - 1)];
            break;
        case 'Y':
            AppendPadded(out_, run <= 2 ? date_.year % 100 : date_.year, run <= 2 ? 2 : 4);
            break;
        case 'H': {
            int hour = time_.hour;
            if (twelveHour) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            WriteNumber(hour, run);
            break;
        }
        case 'N':
            WriteNumber(time_.minute, run);
            break;
        case 'S':
            WriteNumber(time_.second, run);
            break;
        case 'Z':
            AppendPadded(out_, time_.millisecond, run >= 3 ? 3 : 1);
            break;
        case 'T':
            for (std::size_t k = 0; k < run; ++k)
                WriteNested(user.shortTimeFormat);
            break;
        default:
            out_.append(letters);
            break;
        }
        return true;
    }

private:
    const DateFormats::Conventions& InForce() const { return formats_.InForce(); }

    void WriteCasedLikePattern(std::string_view lower, char patternLetter) {
        for (const char c : lower)
            out_ += patternLetter == 'A' ? UpperAscii(c) : c;
    }

    void WriteNumber(int value, std::size_t run) {
        AppendPadded(out_, value, run >= 2 ? 2 : 1);
    }

    void WriteNested(std::string_view pattern) {
        if (nesting_ == MaxPatternNesting)
            return;
        ++nesting_;
        Write(pattern);
        --nesting_;
    }

    const DateFormats& formats_;
    CalendarDate date_;
    ClockTime time_;
    int weekday_;
    int nesting_ = 0;
    std::string out_;
};

// Reads a time typed by the user; the text is upper-cased before it gets here.
class TimeScanner {
public:
    explicit TimeScanner(std::string_view text) : text_(text) {}

    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
    }

    bool AtEnd() {
        SkipBlanks();
        return pos_ == text_.size();
    }

    // Decimal digits after blanks, read until a non-digit or until the value reaches 1000,
    // which keeps any run of digits from overflowing.
    std::optional<int> Number() {
        SkipBlanks();
        const std::size_t start = pos_;
        int value = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9' && value < 1000) {
            value = value * 10 + (text_[pos_] - '0');
            ++pos_;
        }
        if (pos_ == start)
            return std::nullopt;
        return value;
    }

    // Consumes the given text (after blanks) when it comes next, ignoring case. An empty
    // text never matches: it would be found everywhere.
    bool Accept(std::string_view expected) { return !expected.empty() && Expect(expected); }

    // Consumes a text of a pattern (after blanks), ignoring case; a blank in it stands for
    // any number of blanks, none included. An empty text is there already.
    bool Expect(std::string_view expected) {
        SkipBlanks();
        std::size_t pos = pos_;
        for (const char c : expected) {
            if (c == ' ') {
                while (pos < text_.size() && text_[pos] == ' ')
                    ++pos;
            } else if (pos < text_.size() && UpperAscii(text_[pos]) == UpperAscii(c)) {
                ++pos;
            } else {
                return false;
            }
        }
        pos_ = pos;
        return true;
    }

    // How long a match of `expected` (after blanks, ignoring case) would be; 0 for none.
    std::size_t MatchLength(std::string_view expected) {
        SkipBlanks();
        return !expected.empty() && StartsWithNoCase(text_.substr(pos_), expected) ? expected.size()
                                                                                   : 0;
    }
    void Skip(std::size_t length) { pos_ += length; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Reads a date written in a short date pattern; see DateFormats::ScanDate.
class DateScanner {
public:
    DateScanner(const DateFormats& formats, std::string_view text)
        : formats_(formats), text_(text) {}

    std::optional<DateFormats::DateScan> Read(std::string_view pattern) {
        for (std::size_t i = 0; i < pattern.size();) {
            const char c = pattern[i];
            if (c == '"' || c == '\'') {
                const std::size_t close = pattern.find(c, i + 1);
                const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
                if (!Accept(pattern.substr(i + 1, end - i - 1)))
                    return std::nullopt;
                i = end + 1;
            } else if (c == ' ') {
                while (pos_ < text_.size() && text_[pos_] == ' ')
                    ++pos_;
                ++i;
            } else if (IsAsciiLetter(c)) {
                const std::size_t run = RunLength(pattern, i);
                if (!ReadField(UpperAscii(c), run))
                    return std::nullopt;
                i += run;
            } else {
                if (!Accept(c == '/' ? std::string_view(formats_.InForce().dateSeparator)
                                     : pattern.substr(i, 1)))
                    return std::nullopt;
                ++i;
            }
        }
        if (year_ < 0 || month_ < 0 || day_ < 0)
            return std::nullopt; // not a whole date
        DateFormats::DateScan scan;
        scan.date = {year_, month_, day_};
        scan.length = pos_;
        scan.exists =
            year_ >= 1 && year_ <= 9999 && day_ >= 1 && day_ <= DaysInMonth(year_, month_);
        return scan;
    }

private:
    bool ReadField(char letter, std::size_t run) {
        const RegionalSettings& user = formats_.User();
        switch (letter) {
        case 'D':
            if (run <= 2)
                return Digits(1, 2, day_);
            if (run <= 4) {
                int weekday = 0;
                return Name(user.shortDayNames, user.longDayNames, weekday);
            }
            return false;
        case 'M':
            if (run <= 2)
                return Digits(1, 2, month_);
            if (!Name(user.shortMonthNames, user.longMonthNames, month_))
                return false;
            ++month_; // names are listed from January
            return true;
        case 'Y':
            return Year(run);
        default:
            return false; // no part of a date
        }
    }

    // "yyyy" four digits; "yy" two (2000 to 2099), or four, which a user may write all the
    // same.
    bool Year(std::size_t run) {
        if (run > 2)
            return Digits(4, 4, year_);
        const std::size_t start = pos_;
        if (!Digits(2, 4, year_) || pos_ - start == 3)
            return false;
        if (pos_ - start == 2)
            year_ += 2000;
        return true;
    }

    // From `fewest` to `most` decimal digits.
    bool Digits(std::size_t fewest, std::size_t most, int& value) {
        std::size_t count = 0;
        int read = 0;
        while (count < most && pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            read = read * 10 + (text_[pos_] - '0');
            ++pos_;
            ++count;
        }
        if (count < fewest)
            return false;
        value = read;
        return true;
    }

    // The longest of the names that the text goes on with; its index in its list.
    template <std::size_t N>
    bool Name(const std::array<std::string, N>& shortNames,
              const std::array<std::string, N>& longNames, int& index) {
        std::size_t longest = 0;
        for (const auto* names : {&shortNames, &longNames})
            for (std::size_t k = 0; k < N; ++k) {
                const std::string& name = (*names)[k];
                if (name.size() > longest && StartsWithNoCase(text_.substr(pos_), name)) {
                    longest = name.size();
                    index = static_cast<int>(k);
                }
            }
        pos_ += longest;
        return longest > 0;
    }

    bool Accept(std::string_view expected) {
        if (!StartsWithNoCase(text_.substr(pos_), expected))
            return false;
        pos_ += expected.size();
        return true;
    }

    const DateFormats& formats_;
    std::string_view text_;
    std::size_t pos_ = 0;
    int year_ = -1;
    int month_ = -1;
    int day_ = -1;
};

struct MarkerCandidate {
    std::string_view text;
    int baseHour;
};

// The markers a time may carry: the strings in force, then the English ones, which always
// count.
std::array<MarkerCandidate, 4> MarkerCandidates(const DateFormats::Conventions& conventions) {
    return {{{conventions.amString, 0}, {"AM", 0}, {conventions.pmString, 12}, {"PM", 12}}};
}

// Consumes the candidate marker that comes next and returns its base hour (0 morning, 12
// afternoon), or `none`. The longest match wins, so that a marker which begins like another
// ("am Vormittag", "am Namittag") is told apart; among equals, the first.
template <std::size_t N>
int ReadMarker(TimeScanner& scanner, const std::array<MarkerCandidate, N>& candidates,
               int none = -1) {
    std::size_t longest = 0;
    int baseHour = none;
    for (const MarkerCandidate& candidate : candidates) {
        const std::size_t length = scanner.MatchLength(candidate.text);
        if (length > longest) {
            longest = length;
            baseHour = candidate.baseHour;
        }
    }
    scanner.Skip(longest);
    return baseHour;
}

// The fields of a time as read; `baseHour` is 0 after a morning marker, 12 after an
// afternoon one, and -1 without one.
struct TimeFields {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int baseHour = -1;
};

// With a marker the hour must be 1 to 12, 12 counting as 0; then the hour must be at most
// 23, the minutes and seconds at most 59.
std::optional<TDateTime> TimeOf(TimeFields fields) {
    if (fields.baseHour >= 0) {
        if (fields.hour < 1 || fields.hour > 12)
            return std::nullopt;
        fields.hour = fields.hour % 12 + fields.baseHour;
    }
    if (fields.hour > 23 || fields.minute > 59 || fields.second > 59)
        return std::nullopt;
    return EncodeTime(fields.hour, fields.minute, fields.second);
}

// The reading every user's settings share: an hour, optionally the time separator and
// minutes, optionally the separator again and seconds, optionally an AM or PM marker.
std::optional<TDateTime> ReadPlainTime(std::string_view upperText,
                                       const DateFormats::Conventions& conventions) {
    TimeScanner scanner(upperText);
    TimeFields fields;
    const std::optional<int> hourRead = scanner.Number();
    if (!hourRead)
        return std::nullopt;
    fields.hour = *hourRead;
    if (scanner.Accept(conventions.timeSeparator)) {
        const std::optional<int> minuteRead = scanner.Number();
        if (!minuteRead)
            return std::nullopt;
        fields.minute = *minuteRead;
        if (scanner.Accept(conventions.timeSeparator)) {
            const std::optional<int> secondRead = scanner.Number();
            if (!secondRead)
                return std::nullopt;
            fields.second = *secondRead;
        }
    }
    fields.baseHour = ReadMarker(scanner, MarkerCandidates(conventions));
    if (!scanner.AtEnd())
        return std::nullopt;
    return TimeOf(fields);
}

// Reads a time the way a pattern writes it: the user's short time format may put its
// marker before the hour ("AP h:mm"), or words around or between the numbers ("HH 'h' mm",
// "H:mm 'ch'."), which the plain reading does not take.
class PatternReader {
public:
    PatternReader(const DateFormats& formats, std::string_view upperText)
        : formats_(formats), scanner_(upperText) {}

    std::optional<TDateTime> Read(std::string_view pattern) {
        if (!WalkPattern(pattern, *this) || !scanner_.AtEnd())
            return std::nullopt;
        return TimeOf(fields_);
    }

    bool Literal(std::string_view text) { return scanner_.Expect(text); }

    bool Separator(char symbol) {
        return scanner_.Expect(symbol == '/' ? InForce().dateSeparator : InForce().timeSeparator);
    }

    bool Marker(std::string_view marker) {
        if (marker.size() == 3) // "a/p"
            fields_.baseHour =
                ReadMarker(scanner_, std::array<MarkerCandidate, 2>{{{"A", 0}, {"P", 12}}});
        else if (marker.size() == 5) // "am/pm"
            fields_.baseHour =
                ReadMarker(scanner_, std::array<MarkerCandidate, 2>{{{"AM", 0}, {"PM", 12}}});
        else // "ampm": the strings in force, one of which may have been written as nothing
            fields_.baseHour = ReadMarker(scanner_, MarkerCandidates(InForce()),
                                          InForce().amString.empty()   ? 0
                                          : InForce().pmString.empty() ? 12
                                                                       : -1);
        return fields_.baseHour >= 0;
    }

    bool Field(std::string_view letters, bool afterHour, bool) {
        const std::size_t run = letters.size();
        switch (UpperAscii(letters[0])) {
        case 'H':
            return ReadNumber(fields_.hour);
        case 'N':
            return ReadNumber(fields_.minute);
        case 'M':
            // Minutes right after an hour; a month has no place in a time.
            return afterHour && run <= 2 && ReadNumber(fields_.minute);
        case 'S':
            return ReadNumber(fields_.second);
        case 'Z': {
            int milliseconds = 0;
            return ReadNumber(milliseconds);
        }
        case 'T':
            for (std::size_t k = 0; k < run; ++k)
                if (!ReadNested(formats_.User().shortTimeFormat))
                    return false;
            return true;
        case 'D':
        case 'Y':
            return false;
        default:
            return scanner_.Expect(letters);
        }
    }

private:
    const DateFormats::Conventions& InForce() const { return formats_.InForce(); }

    bool ReadNumber(int& field) {
        const std::optional<int> value = scanner_.Number();
        if (value)
            field = *value;
        return value.has_value();
    }

    // As the writer nests, so that what it leaves out is not looked for.
    bool ReadNested(std::string_view pattern) {
        if (nesting_ == MaxPatternNesting)
            return true;
        ++nesting_;
        const bool read = WalkPattern(pattern, *this);
        --nesting_;
        return read;
    }

    const DateFormats& formats_;
    TimeScanner scanner_;
    TimeFields fields_;
    int nesting_ = 0;
};

} // namespace

DateFormats::DateFormats() : internal_{"mm/dd/yyyy", "/", ":", "AM", "PM"} {
    SaveUserDateFormats(RegionalSettings{});
}

void DateFormats::SaveUserDateFormats(const RegionalSettings& user) {
    user_ = user;
    userConventions_ = {user.shortDateFormat, user.dateSeparator, user.timeSeparator, user.amString,
                        user.pmString};
}

std::string DateFormats::Format(std::string_view pattern, TDateTime value) const {
    PatternWriter writer(*this, value);
    writer.Write(pattern);
    return writer.Take();
}

std::optional<TDateTime> DateFormats::ParseTime(std::string_view text) const {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), UpperAscii);
    if (const std::optional<TDateTime> plain = ReadPlainTime(upper, InForce()))
        return plain;
    // Whatever the user's short time format writes reads back.
    return PatternReader(*this, upper).Read("t");
}

std::optional<DateFormats::DateScan> DateFormats::ScanDate(std::string_view pattern,
                                                           std::string_view text) const {
    return DateScanner(*this, text).Read(pattern);
}

} // namespace nudgery

#include "date_formats.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>

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

std::string Padded(int value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", digits, value);
    return buffer;
}

// Length of the run of the same letter (either case) starting at pos.
std::size_t RunLength(std::string_view pattern, std::size_t pos) {
    const char letter = UpperAscii(pattern[pos]);
    std::size_t end = pos;
    while (end < pattern.size() && UpperAscii(pattern[end]) == letter)
        ++end;
    return end - pos;
}

// Whether an "am/pm", "a/p" or "ampm" marker occurs outside quoted text: hours are then
// shown on the 12-hour clock.
bool HasAmPmMarker(std::string_view pattern) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '"' || c == '\'') {
            const std::size_t close = pattern.find(c, i + 1);
            if (close == std::string_view::npos)
                return false;
            i = close;
        } else if (UpperAscii(c) == 'A') {
            const std::string_view rest = pattern.substr(i);
            if (StartsWithNoCase(rest, "am/pm") || StartsWithNoCase(rest, "a/p") ||
                StartsWithNoCase(rest, "ampm"))
                return true;
        }
    }
    return false;
}

class PatternWriter {
public:
    PatternWriter(const DateFormats& formats, TDateTime value)
        : formats_(formats), date_(DecodeDate(value)), time_(DecodeTime(value)),
          weekday_(WeekdayOf(value)) {}

    void Write(std::string_view pattern, int nesting) {
        const bool twelveHour = HasAmPmMarker(pattern);
        char lastLetter = 0;
        std::size_t i = 0;
        while (i < pattern.size()) {
            const char c = pattern[i];
            const char upper = UpperAscii(c);
            if (c == '"' || c == '\'') {
                const std::size_t close = pattern.find(c, i + 1);
                const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
                out_.append(pattern.substr(i + 1, end - i - 1));
                i = end + 1;
                continue;
            }
            if (upper == 'A' && WriteMarker(pattern.substr(i), i)) {
                lastLetter = 'A';
                continue;
            }
            if (!IsAsciiLetter(c)) {
                WriteSymbol(c);
                ++i;
                continue;
            }
            const std::size_t run = RunLength(pattern, i);
            WriteLetterRun(pattern.substr(i, run), lastLetter == 'H', twelveHour, nesting);
            lastLetter = upper;
            i += run;
        }
    }

    std::string Take() { return std::move(out_); }

private:
    const DateFormats::Conventions& InForce() const { return formats_.InForce(); }

    bool Afternoon() const { return time_.hour >= 12; }

    // Writes an am/pm marker found at the start of rest and moves pos past it.
    bool WriteMarker(std::string_view rest, std::size_t& pos) {
        if (StartsWithNoCase(rest, "am/pm")) {
            WriteCasedLikePattern(Afternoon() ? "pm" : "am", rest[0]);
            pos += 5;
        } else if (StartsWithNoCase(rest, "a/p")) {
            WriteCasedLikePattern(Afternoon() ? "p" : "a", rest[0]);
            pos += 3;
        } else if (StartsWithNoCase(rest, "ampm")) {
            out_ += Afternoon() ? InForce().pmString : InForce().amString;
            pos += 4;
        } else {
            return false;
        }
        return true;
    }

    void WriteCasedLikePattern(std::string_view lower, char patternLetter) {
        for (const char c : lower)
            out_ += patternLetter == 'A' ? UpperAscii(c) : c;
    }

    void WriteSymbol(char c) {
        if (c == '/')
            out_ += InForce().dateSeparator;
        else if (c == ':')
            out_ += InForce().timeSeparator;
        else
            out_ += c;
    }

    void WriteNumber(int value, std::size_t run) {
        out_ += run >= 2 ? Padded(value, 2) : std::to_string(value);
    }

    void WriteLetterRun(std::string_view letters, bool afterHour, bool twelveHour, int nesting) {
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
                WriteNested(run == 5 ? InForce().shortDateFormat : user.longDateFormat, nesting);
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
            out_ += run <= 2 ? Padded(date_.year % 100, 2) : Padded(date_.year, 4);
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
            out_ += run >= 3 ? Padded(time_.millisecond, 3) : std::to_string(time_.millisecond);
            break;
        case 'T':
            for (std::size_t k = 0; k < run; ++k)
                WriteNested(user.shortTimeFormat, nesting);
            break;
        default:
            out_.append(letters);
            break;
        }
    }

    void WriteNested(std::string_view pattern, int nesting) {
        if (nesting < MaxPatternNesting)
            Write(pattern, nesting + 1);
    }

    const DateFormats& formats_;
    CalendarDate date_;
    ClockTime time_;
    int weekday_;
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
    bool Accept(std::string_view expected) {
        if (expected.empty())
            return false;
        SkipBlanks();
        if (!StartsWithNoCase(text_.substr(pos_), expected))
            return false;
        pos_ += expected.size();
        return true;
    }

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
    writer.Write(pattern, 0);
    return writer.Take();
}

std::optional<TDateTime> DateFormats::ParseTime(std::string_view text) const {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), UpperAscii);
    TimeScanner scanner(upper);
    const Conventions& conventions = InForce();

    const std::optional<int> hourRead = scanner.Number();
    if (!hourRead)
        return std::nullopt;
    int hour = *hourRead;
    int minute = 0;
    int second = 0;
    if (scanner.Accept(conventions.timeSeparator)) {
        const std::optional<int> minuteRead = scanner.Number();
        if (!minuteRead)
            return std::nullopt;
        minute = *minuteRead;
        if (scanner.Accept(conventions.timeSeparator)) {
            const std::optional<int> secondRead = scanner.Number();
            if (!secondRead)
                return std::nullopt;
            second = *secondRead;
        }
    }

    int baseHour = -1;
    if (scanner.Accept(conventions.amString) || scanner.Accept("AM"))
        baseHour = 0;
    else if (scanner.Accept(conventions.pmString) || scanner.Accept("PM"))
        baseHour = 12;
    if (baseHour >= 0) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + baseHour;
    }
    if (!scanner.AtEnd() || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return EncodeTime(hour, minute, second);
}

std::optional<DateFormats::DateScan> DateFormats::ScanDate(std::string_view pattern,
                                                           std::string_view text) const {
    return DateScanner(*this, text).Read(pattern);
}

} // namespace nudgery

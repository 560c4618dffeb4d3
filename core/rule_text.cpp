#include "rule_text.h"

#include "dayspec.h"
#include "reminder.h"
#include "typed_words.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <vector>

namespace nudgery {
namespace {

constexpr std::int32_t ShortestInterval = 10;
constexpr std::int32_t LongestInterval = 720;
constexpr std::int32_t LastOccurrence = 5;
constexpr std::int32_t AnyWeekday = 7;
constexpr std::int32_t EveryMonth = 0;
// A leap year, in which every day of a yearly date exists.
constexpr int LeapYear = 2024;

constexpr std::array<const char*, 7> WeekdayWords{"sun", "mon", "tue", "wed", "thu", "fri", "sat"};
constexpr std::array<const char*, 12> MonthWords{"jan", "feb", "mar", "apr", "may", "jun",
                                                 "jul", "aug", "sep", "oct", "nov", "dec"};
constexpr std::array<const char*, 6> OccurrenceWords{"1st", "2nd", "3rd", "4th", "5th", "last"};
constexpr std::array<const char*, 6> OccurrenceLongWords{"first",  "second", "third",
                                                         "fourth", "fifth",  "last"};
constexpr char AllDays[] = "0123456";
constexpr char Weekdays[] = "12345";
constexpr char Weekends[] = "06";

bool StartsWithDigit(std::string_view word) {
    return !word.empty() && word.front() >= '0' && word.front() <= '9';
}

// A whole decimal number of at most four digits.
std::optional<std::int32_t> Number(std::string_view word) {
    std::int32_t value = 0;
    if (word.empty() || word.size() > 4 || !StartsWithDigit(word))
        return std::nullopt;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

// The words of a rule. A list of days or a span of times may have blanks around its commas
// and dashes, and an AM or PM marker may stand apart from its time: such pieces are joined
// into one word.
std::vector<std::string> RuleWords(std::string_view text, const TypedWords& words) {
    std::vector<std::string> joined;
    for (WordAndRest split = SplitFirstWord(text); !split.word.empty();
         split = SplitFirstWord(split.rest)) {
        const std::string_view word = split.word;
        const bool continues =
            !joined.empty() && (joined.back().back() == ',' || joined.back().back() == '-' ||
                                word.front() == ',' || word.front() == '-' || words.IsMarker(word));
        if (!continues)
            joined.emplace_back(word);
        else if (words.IsMarker(word))
            joined.back().append(" ").append(word);
        else
            joined.back().append(word);
    }
    return joined;
}

class RuleReader {
public:
    RuleReader(std::string_view text, const RegionalSettings& user)
        : whole_(StripBlanks(text)), words_(user), list_(RuleWords(whole_, words_)) {}

    // Throws a Refusal for a text it cannot read.
    RepeatRule Read() {
        if (list_.empty())
            throw Refusal{"cannot read an empty rule"};
        while (next_ < list_.size())
            ReadPart();
        if (!firstTime_)
            throw Refusal{"no time of day in " + Quoted(whole_) + " (e.g. 'daily 9:00')"};
        if (!daySpec_)
            throw Refusal{"no days in " + Quoted(whole_) + " (e.g. 'daily 9:00')"};
        RepeatRule rule;
        rule.daySpec = *daySpec_;
        rule.firstTime = *firstTime_;
        if (untilTime_ && !interval_)
            throw Refusal{"an ending time needs an interval in " + Quoted(whole_) +
                          " (e.g. 'every 30m 9:00-17:00')"};
        if (interval_)
            rule.repeatMinutes = *interval_;
        if (untilTime_) {
            if (!(*untilTime_ > *firstTime_))
                throw Refusal{"the ending time " + Quoted(untilText_) + " in " + Quoted(whole_) +
                              " must be later than the starting time"};
            rule.hasUntil = true;
            rule.untilTime = *untilTime_;
        }
        return rule;
    }

private:
    std::string_view Take() { return next_ < list_.size() ? list_[next_++] : std::string_view{}; }
    std::string_view Peek() const {
        return next_ < list_.size() ? list_[next_] : std::string_view{};
    }
    // Refuses a text that ends where `what` should follow `previous`.
    void Need(std::string_view previous, std::string_view what) const {
        if (next_ == list_.size())
            throw Refusal{"no " + std::string(what) + " after " + Quoted(previous) + " in " +
                          Quoted(whole_)};
    }
    std::string_view TakeAfter(std::string_view previous, std::string_view what) {
        Need(previous, what);
        return Take();
    }
    bool TakeIf(std::string_view word) {
        if (!SameWord(Peek(), word))
            return false;
        ++next_;
        return true;
    }

    void ReadPart() {
        const std::string_view word = Take();
        if (SameWord(word, "every")) {
            Need(word, "interval");
            if (TakeIf("day"))
                return SetDays(AllDays, word);
            // "every 30m", "every hour"; otherwise it only leads in the days: "every mon",
            // "every 2nd tue".
            if ((StartsWithDigit(Peek()) && !Occurrence(Peek())) ||
                ReadDuration("1" + std::string(Peek())))
                return ReadInterval();
            return;
        }
        if (SameWord(word, "daily"))
            return SetDays(AllDays, word);
        if (SameWord(word, "weekdays") || SameWord(word, "weekday"))
            return SetDays(Weekdays, word);
        if (SameWord(word, "weekends") || SameWord(word, "weekend"))
            return SetDays(Weekends, word);
        if (SameWord(word, "yearly"))
            return ReadYearlyDate(word);
        if (SameWord(word, "day"))
            return ReadDayNumber(word);
        if (SameWord(word, "until") || SameWord(word, "to"))
            return SetUntil(TakeAfter(word, "ending time"));
        if (SameWord(word, "at") || SameWord(word, "from") || SameWord(word, "on"))
            return; // "daily at 9:00", "every 30m from 9:00 to 17:00 on mon"
        if (const std::optional<std::int32_t> occurrence = Occurrence(word))
            return ReadNthWeekday(*occurrence, word);
        if (StartsWithDigit(word))
            return ReadTimes(word);
        ReadDayList(word);
    }

    void SetDays(std::string code, std::string_view word) {
        if (daySpec_)
            throw Again(word, "the days are given already");
        daySpec_ = std::move(code);
    }

    // "30m", "1h30m", "2 hours", "hour": the longest run of words that reads as one length of
    // time.
    void ReadInterval() {
        std::string text = StartsWithDigit(Peek()) ? "" : "1";
        std::optional<Duration> longest;
        std::size_t end = next_;
        for (std::size_t k = next_; k < list_.size(); ++k) {
            text += list_[k];
            if (const std::optional<Duration> read = ReadDuration(text)) {
                longest = read;
                end = k + 1;
            }
        }
        if (!longest)
            throw CannotRead("interval", Peek(), whole_);
        std::string written;
        for (std::size_t k = next_; k < end; ++k)
            written.append(k == next_ ? "" : " ").append(list_[k]);
        next_ = end;
        if (interval_)
            throw Again(written, "the interval is given already");
        const std::int64_t minutes = longest->days * 24 * 60 + longest->minutes;
        if (minutes < ShortestInterval || minutes > LongestInterval)
            throw Refusal{"the interval " + Quoted(written) + " in " + Quoted(whole_) +
                          " must be from 10 minutes to 12 hours"};
        interval_ = static_cast<std::int32_t>(minutes);
    }

    // "03-14": a month and a day, which must exist in some year.
    void ReadYearlyDate(std::string_view yearly) {
        const std::string_view date = TakeAfter(yearly, "date");
        const std::size_t dash = date.find('-');
        const std::optional<std::int32_t> month = Number(date.substr(0, dash));
        const std::optional<std::int32_t> day =
            dash == std::string_view::npos ? std::nullopt : Number(date.substr(dash + 1));
        if (!month || !day)
            throw CannotRead("date", date, whole_);
        if (*day < 1 || *day > DaysInMonth(LeapYear, *month))
            throw Refusal{"the date " + Quoted(date) + " in " + Quoted(whole_) + " does not exist"};
        SetDays(EncodeDayOfMonth(*day, *month), yearly);
    }

    // "day 15", "day 15 of mar", "day 15 of each month", "day 74 of year".
    void ReadDayNumber(std::string_view dayWord) {
        const std::string_view number = TakeAfter(dayWord, "day");
        const std::optional<std::int32_t> day = Number(number);
        if (!day)
            throw CannotRead("day", number, whole_);
        std::int32_t month = EveryMonth;
        if (TakeIf("of")) {
            TakeIf("the");
            if (TakeIf("year")) {
                if (*day < 1 || *day > 366)
                    throw OutOfRange("day", number, "1 to 366");
                return SetDays(EncodeDayOfYear(*day), dayWord);
            }
            month = Month();
        }
        if (*day < 1 || *day > 31)
            throw OutOfRange("day", number, "1 to 31");
        SetDays(EncodeDayOfMonth(*day, month), dayWord);
    }

    // "2nd tue", "last day", "1st mon of may".
    void ReadNthWeekday(std::int32_t occurrence, std::string_view occurrenceWord) {
        const std::string_view dayWord = TakeAfter(occurrenceWord, "weekday");
        std::int32_t weekday = AnyWeekday;
        if (!SameWord(dayWord, "day")) {
            const std::optional<int> named = words_.Weekday(dayWord);
            if (!named)
                throw CannotRead("weekday", dayWord, whole_);
            weekday = *named;
        }
        const std::int32_t month = TakeIf("of") ? Month() : EveryMonth;
        SetDays(EncodeNthWeekday(occurrence, weekday, month), occurrenceWord);
    }

    // After "of": a month's name, or each month.
    std::int32_t Month() {
        if (!TakeIf("each"))
            TakeIf("every");
        if (TakeIf("month"))
            return EveryMonth;
        const std::string_view name = TakeAfter(list_[next_ - 1], "month");
        const std::optional<int> month = words_.Month(name);
        if (!month)
            throw CannotRead("month", name, whole_);
        return *month;
    }

    std::optional<std::int32_t> Occurrence(std::string_view word) const {
        for (std::size_t k = 0; k < OccurrenceWords.size(); ++k)
            if (SameWord(word, OccurrenceWords[k]) || SameWord(word, OccurrenceLongWords[k]))
                return static_cast<std::int32_t>(k);
        // A number with an ordinal's ending that is not among them.
        const std::size_t digits = word.find_first_not_of("0123456789");
        if (digits != 0 && digits != std::string_view::npos) {
            const std::string ending = LowerAscii(word.substr(digits));
            if (ending == "st" || ending == "nd" || ending == "rd" || ending == "th")
                throw Refusal{"cannot read the occurrence " + Quoted(word) + " in " +
                              Quoted(whole_) + " (1st to 5th, or last)"};
        }
        return std::nullopt;
    }

    // "9:00", "5:00pm", or a span "9:00-17:00".
    void ReadTimes(std::string_view word) {
        const std::size_t dash = word.find('-');
        if (dash == std::string_view::npos)
            return SetFirst(word);
        SetFirst(word.substr(0, dash));
        SetUntil(word.substr(dash + 1));
    }

    TDateTime Time(std::string_view text) const {
        if (const std::optional<TDateTime> time = words_.TimeOfDay(text))
            return *time;
        throw CannotRead("time", text, whole_);
    }

    void SetFirst(std::string_view text) {
        const TDateTime time = Time(text);
        if (firstTime_)
            throw Again(text, "the time is given already");
        firstTime_ = time;
    }

    void SetUntil(std::string_view text) {
        if (text.empty())
            throw Refusal{"no ending time in " + Quoted(whole_)};
        const TDateTime time = Time(text);
        if (untilTime_)
            throw Again(text, "the ending time is given already");
        untilTime_ = time;
        untilText_ = text;
    }

    // "mon,wed,fri", "mon-fri", "fri-mon", "tue"; lists one after the other add up.
    void ReadDayList(std::string_view word) {
        if (daySpec_ && !listed_)
            throw Again(word, "the days are given already");
        std::array<bool, 7> days = listed_.value_or(std::array<bool, 7>{});
        for (std::size_t start = 0; start <= word.size();) {
            const std::size_t comma = std::min(word.find(',', start), word.size());
            const std::string_view item = word.substr(start, comma - start);
            start = comma + 1;
            const std::size_t dash = item.find('-');
            const std::optional<int> from = words_.Weekday(item.substr(0, dash));
            const std::optional<int> to =
                dash == std::string_view::npos ? from : words_.Weekday(item.substr(dash + 1));
            if (!from || !to) {
                // A word without commas or dashes that names no day is no list of days.
                if (item == word && word.find('-') == std::string_view::npos)
                    throw CannotRead("", word, whole_);
                throw CannotRead("day", item, whole_);
            }
            for (int d = *from;; d = (d + 1) % 7) {
                days[d] = true;
                if (d == *to)
                    break;
            }
        }
        listed_ = days;
        daySpec_.emplace();
        for (int d = 0; d < 7; ++d)
            if (days[d])
                *daySpec_ += static_cast<char>('0' + d);
    }

    Refusal Again(std::string_view piece, std::string_view reason) const {
        return {CannotRead("", piece, whole_).message.append(": ").append(reason)};
    }

    Refusal OutOfRange(std::string_view part, std::string_view piece,
                       std::string_view range) const {
        return {"the " + std::string(part) + " " + Quoted(piece) + " in " + Quoted(whole_) +
                " must be from " + std::string(range)};
    }

    std::string_view whole_;
    TypedWords words_;
    std::vector<std::string> list_;
    std::size_t next_ = 0;
    std::optional<std::string> daySpec_;
    // The days of the lists read so far.
    std::optional<std::array<bool, 7>> listed_;
    std::optional<TDateTime> firstTime_;
    std::optional<TDateTime> untilTime_;
    std::string_view untilText_;
    std::optional<std::int32_t> interval_;
};

// "9:00", or "9:00:30" where the time has seconds.
std::string TimeText(TDateTime time) {
    const ClockTime t = DecodeTime(time);
    std::string text =
        std::to_string(t.hour) + ":" + (t.minute < 10 ? "0" : "") + std::to_string(t.minute);
    if (t.second != 0)
        text.append(t.second < 10 ? ":0" : ":").append(std::to_string(t.second));
    return text;
}

// "30m", "1h", "1h30m".
std::string IntervalWords(std::int32_t minutes) {
    std::string text;
    if (minutes >= 60)
        text = std::to_string(minutes / 60) + "h";
    if (minutes % 60 != 0)
        text += std::to_string(minutes % 60) + "m";
    return text;
}

std::string OfMonth(std::int32_t month) {
    return month == EveryMonth ? "" : std::string(" of ") + MonthWords[month - 1];
}

// The days of a code in the reader's words; empty for a code the editor cannot make.
std::string DayWords(std::string_view code) {
    std::int32_t a = 0, b = 0, c = 0;
    const char form = code.empty() ? '\0' : code.front();
    if (form == '#')
        return DecodeDayOfYear(code, a) && a >= 1 && a <= 366
                   ? "day " + std::to_string(a) + " of year"
                   : "";
    if (form == '@')
        return DecodeDayOfMonth(code, a, b) && a >= 1 && a <= 31 && b >= 0 && b <= 12
                   ? "day " + std::to_string(a) + OfMonth(b)
                   : "";
    if (form == '$') {
        if (!DecodeNthWeekday(code, a, b, c) || a < 0 || a > LastOccurrence || b < 0 ||
            b > AnyWeekday || c < 0 || c > 12)
            return "";
        return std::string(OccurrenceWords[a]) + " " + (b == AnyWeekday ? "day" : WeekdayWords[b]) +
               OfMonth(c);
    }
    std::string digits;
    for (int d = 0; d < 7; ++d)
        if (code.find(static_cast<char>('0' + d)) != std::string_view::npos)
            digits += static_cast<char>('0' + d);
    if (digits == AllDays)
        return "daily";
    if (digits == Weekdays)
        return "weekdays";
    if (digits == Weekends)
        return "weekends";
    std::string text;
    for (const char d : digits)
        text.append(text.empty() ? "" : ",").append(WeekdayWords[d - '0']);
    return text;
}

} // namespace

RepeatRule RepeatRuleOf(const TReminder& reminder) {
    RepeatRule rule;
    rule.daySpec = reminder.DaySpec;
    rule.firstTime = reminder.FirstTime;
    if (reminder.RepeatMinutes > 0) {
        rule.repeatMinutes = reminder.RepeatMinutes;
        rule.hasUntil = reminder.HasUntil;
        if (reminder.HasUntil)
            rule.untilTime = reminder.UntilTime;
    }
    return rule;
}

ReadResult<RepeatRule> ReadRule(std::string_view text, const RegionalSettings& user) {
    try {
        return RuleReader(text, user).Read();
    } catch (Refusal& refusal) {
        return refusal;
    }
}

std::string DescribeRule(const RepeatRule& rule) {
    std::string text;
    const auto add = [&text](const std::string& part) {
        if (!part.empty())
            text.append(text.empty() ? "" : " ").append(part);
    };
    if (rule.repeatMinutes > 0) {
        add("every " + IntervalWords(rule.repeatMinutes));
        add(TimeText(rule.firstTime) + (rule.hasUntil ? "-" + TimeText(rule.untilTime) : ""));
        add(DayWords(rule.daySpec));
    } else {
        add(DayWords(rule.daySpec));
        add(TimeText(rule.firstTime));
    }
    return text;
}

} // namespace nudgery

#include "when_text.h"

#include "clock.h"
#include "typed_words.h"

#include <string>

namespace nudgery {
namespace {

constexpr std::int64_t MsPerMinute = 60000;
constexpr char IsoDatePattern[] = "yyyy-mm-dd";
// The date of the one-time list's cells.
constexpr char ListDatePattern[] = "mmm dd, yyyy";

class WhenReader {
public:
    WhenReader(std::string_view text, const Clock& clock, const RegionalSettings& user,
               const UtcOffsetAt& offsetAt)
        : whole_(StripBlanks(text)), words_(user), now_(clock.Now()), today_(DatePartOf(now_)),
          offsetAt_(offsetAt) {
        const ClockTime t = DecodeTime(now_);
        thisMinute_ = EncodeTime(t.hour, t.minute);
    }

    // Throws a Refusal for a text it cannot read.
    TDateTime Read() const {
        const auto [first, rest] = SplitFirstWord(whole_);
        if (first.empty())
            throw Refusal{"cannot read an empty time"};
        if (SameWord(first, "at"))
            return NextTime(rest);
        if (SameWord(first, "in"))
            return InFuture(Delay(rest));
        if (SameWord(first, "today"))
            return NotPassed(today_ + TimeAfterDay(rest));
        if (SameWord(first, "tomorrow"))
            return InFuture(today_ + 1 + TimeAfterDay(rest));
        // A user's short date may begin with a weekday's name.
        if (const std::optional<TDateTime> dated = DateAndTime())
            return NotPassed(*dated);
        if (const std::optional<int> weekday = words_.Weekday(first)) {
            const TDateTime time = TimeAfterDay(rest);
            int ahead = (*weekday - WeekdayOf(today_) + 7) % 7;
            if (ahead == 0 && time < thisMinute_)
                ahead = 7;
            return InFuture(today_ + ahead + time);
        }
        return NextTime(whole_);
    }

private:
    // Today, or tomorrow once the time's minute has passed.
    TDateTime NextTime(std::string_view text) const {
        const TDateTime time = Time(text);
        return InFuture(today_ + (time < thisMinute_ ? 1 : 0) + time);
    }

    TDateTime Time(std::string_view text) const {
        if (text.empty())
            throw Refusal{"no time of day in " + Quoted(whole_)};
        if (const std::optional<TDateTime> time = words_.TimeOfDay(text))
            return *time;
        throw CannotRead("time", text, whole_);
    }

    // The time after a day's name, which "at" may introduce.
    TDateTime TimeAfterDay(std::string_view rest) const {
        const auto [word, afterAt] = SplitFirstWord(rest);
        return Time(SameWord(word, "at") ? afterAt : StripBlanks(rest));
    }

    TDateTime Delay(std::string_view text) const {
        if (text.empty())
            throw Refusal{"no delay after 'in' in " + Quoted(whole_)};
        const std::optional<Duration> delay = ReadDuration(text);
        if (!delay)
            throw CannotRead("delay", text, whole_);
        if (delay->days == 0 && delay->minutes == 0)
            throw Refusal{"the delay " + Quoted(text) + " in " + Quoted(whole_) +
                          " must be a minute or more"};
        const TDateTime afterDays = InFuture(now_ + static_cast<TDateTime>(delay->days));
        if (delay->minutes == 0)
            return afterDays;
        return WallTimeAfter(afterDays, delay->minutes * MsPerMinute, offsetAt_);
    }

    // A date in one of the forms taken, with the time that follows it.
    std::optional<TDateTime> DateAndTime() const {
        const std::string_view text = whole_;
        const DateFormats& user = words_.UserFormats();
        for (const char* pattern :
             {IsoDatePattern, user.User().shortDateFormat.c_str(), ListDatePattern}) {
            const std::optional<DateFormats::DateScan> scan = user.ScanDate(pattern, text);
            if (!scan)
                continue;
            std::string_view rest = text.substr(scan->length);
            const bool isoTime = pattern == IsoDatePattern && !rest.empty() &&
                                 (rest.front() == 'T' || rest.front() == 't');
            if (!rest.empty() && rest.front() != ' ' && rest.front() != '\t' && !isoTime)
                continue; // the date goes on beyond the pattern: another form, or no date
            const std::string_view date = text.substr(0, scan->length);
            if (!scan->exists)
                throw Refusal{"the date " + Quoted(date) + " in " + Quoted(whole_) +
                              " does not exist"};
            if (isoTime)
                rest.remove_prefix(1);
            return EncodeDate(scan->date) + TimeAfterDay(rest);
        }
        return std::nullopt;
    }

    // A day named outright is refused once its time has passed.
    TDateTime NotPassed(TDateTime when) const {
        if (when < today_ + thisMinute_)
            throw Refusal{Quoted(whole_) + " has passed"};
        return InFuture(when);
    }

    TDateTime InFuture(TDateTime when) const {
        if (!(when < EncodeDate(9999, 12, 31) + 1))
            throw Refusal{Quoted(whole_) + " is too far ahead"};
        return when;
    }

    std::string_view whole_;
    TypedWords words_;
    TDateTime now_;
    TDateTime today_;
    TDateTime thisMinute_ = 0;
    const UtcOffsetAt& offsetAt_;
};

} // namespace

ReadResult<TDateTime> ReadWhen(std::string_view text, const Clock& clock,
                               const RegionalSettings& user, const UtcOffsetAt& offsetAt) {
    try {
        return WhenReader(text, clock, user, offsetAt).Read();
    } catch (Refusal& refusal) {
        return refusal;
    }
}

} // namespace nudgery

#include "calendar_entry.h"

#include "calendar_text.h"
#include "dayspec.h"
#include "reminder.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <map>

namespace nudgery {
namespace {

constexpr std::int64_t SecondsPerDay = 86400;
// The furthest a repeating reminder's first day is looked for: the fifth Friday of February
// comes only in a leap year whose 29 February is a Friday, up to 40 years apart.
constexpr int FirstDaySearchDays = 41 * 366;
// An interval of a minute gives at most this many repetitions in a day.
constexpr std::int32_t MostRepetitions = 1440;

constexpr std::array<const char*, 2> ListNames{"ONE-TIME", "REPEATING"};
constexpr std::array<const char*, 4> ActionNames{"SHOW-AND-PLAY", "SHOW", "PLAY", "NOTHING"};
constexpr std::array<const char*, 4> StatusNames{"PENDING", "DONE", "EXPIRED", "NOT-TODAY"};

// The own properties. List, action and status are always written, the sound file when
// there is one; the others only when the common parts do not give the field back.
const std::string ListProperty = "X-NUDGERY-LIST";
const std::string ActionProperty = "X-NUDGERY-ACTION";
const std::string StatusProperty = "X-NUDGERY-STATUS";
const std::string SoundFileProperty = "X-NUDGERY-SOUND-FILE";
const std::string KindProperty = "X-NUDGERY-KIND";
const std::string WhenProperty = "X-NUDGERY-WHEN";
const std::string FirstTimeProperty = "X-NUDGERY-FIRST-TIME";
const std::string UntilTimeProperty = "X-NUDGERY-UNTIL-TIME";
const std::string HasUntilProperty = "X-NUDGERY-HAS-UNTIL";
const std::string MessageProperty = "X-NUDGERY-MESSAGE";
const std::string DaySpecProperty = "X-NUDGERY-DAY-RULE";
const std::string IntervalProperty = "X-NUDGERY-INTERVAL";
const std::string ReservedProperty = "X-NUDGERY-RESERVED";

// The latest day a calendar file holds: 31 December 9999.
const TDateTime LastCalendarDay = EncodeDate(9999, 12, 31);

// The parts every calendar reads.
struct CommonParts {
    std::optional<TDateTime> start;
    std::optional<RecurrenceRule> rule;
    std::string summary;
    std::int32_t alarmRepeat = 0;
    std::int32_t alarmRepeatMinutes = 0;

    bool operator==(const CommonParts&) const = default;
};

CommonParts PartsOf(const CalendarEntry& entry) {
    return {entry.start, entry.rule, entry.summary, entry.alarmRepeat, entry.alarmRepeatMinutes};
}

TDateTime SecondOfDay(std::int64_t seconds) {
    return EncodeTime(0, 0, static_cast<int>(seconds));
}

// A date-time at the nearest whole second, when a calendar file can hold its date.
std::optional<TDateTime> WholeSecond(TDateTime value) {
    if (!(value >= 0 && value < LastCalendarDay + 1))
        return std::nullopt;
    const std::int64_t seconds = std::llround(value * SecondsPerDay);
    const std::int64_t day = seconds / SecondsPerDay;
    if (static_cast<TDateTime>(day) > LastCalendarDay)
        return std::nullopt;
    return static_cast<TDateTime>(day) + SecondOfDay(seconds % SecondsPerDay);
}

// The whole second of the day nearest a time of day; 0 for one outside the day.
std::int64_t SecondsOfTime(TDateTime time) {
    if (!(time >= 0 && time < 1))
        return 0;
    return std::min<std::int64_t>(std::llround(time * SecondsPerDay), SecondsPerDay - 1);
}

std::optional<TDateTime> FirstSelectedDay(std::string_view code, TDateTime from) {
    for (int i = 0; i < FirstDaySearchDays; ++i)
        if (DaySpecMatchesDate(code, from + i))
            return from + i;
    return std::nullopt;
}

// How many times the alarm repeats after the first time: the occurrences after FirstTime up
// to the end time, stepped as the schedule rule steps them.
std::int32_t Repetitions(const TReminder& reminder) {
    if (reminder.RepeatMinutes <= 0 || !std::isfinite(reminder.FirstTime) ||
        (reminder.HasUntil && !std::isfinite(reminder.UntilTime)))
        return 0;
    const TDateTime end = reminder.HasUntil ? reminder.UntilTime : EncodeTime(23, 59);
    const TDateTime last = AddMinutes(1, end);
    std::int32_t count = 0;
    for (TDateTime t = AddMinutes(reminder.RepeatMinutes, reminder.FirstTime);
         t <= last && t > 0 && count < MostRepetitions; t = AddMinutes(reminder.RepeatMinutes, t))
        ++count;
    return count;
}

// What the common parts of a reminder say; a repeating one starts on the first day from
// `from` on that its day rule selects.
CommonParts CommonPartsOf(const TReminder& reminder, ListKind list, TDateTime from) {
    CommonParts parts;
    parts.summary = CalendarShownText(reminder.Description);
    if (list == ListKind::OneTime) {
        parts.start = WholeSecond(reminder.When);
        return parts;
    }
    parts.rule = RuleForDaySpec(reminder.DaySpec);
    const auto day = parts.rule ? FirstSelectedDay(reminder.DaySpec, from) : std::nullopt;
    if (!day) {
        parts.rule.reset();
        return parts;
    }
    parts.start = *day + SecondOfDay(SecondsOfTime(reminder.FirstTime));
    parts.alarmRepeat = Repetitions(reminder);
    if (parts.alarmRepeat > 0)
        parts.alarmRepeatMinutes = reminder.RepeatMinutes;
    return parts;
}

// The reminder the common parts alone give.
TReminder ReminderForParts(const CommonParts& parts, ListKind list) {
    TReminder reminder;
    reminder.Description = parts.summary;
    if (list == ListKind::OneTime) {
        reminder.Kind = KindOneTime;
        reminder.When = parts.start.value_or(0);
        return reminder;
    }
    reminder.Kind = KindRepeating;
    if (!parts.start || !parts.rule)
        return reminder;
    const TDateTime date = DatePartOf(*parts.start);
    const std::int64_t first = std::llround((*parts.start - date) * SecondsPerDay);
    reminder.FirstTime = SecondOfDay(first);
    reminder.DaySpec = DaySpecForRule(*parts.rule, date).code;
    if (parts.alarmRepeat > 0 && parts.alarmRepeatMinutes > 0) {
        reminder.RepeatMinutes = parts.alarmRepeatMinutes;
        const std::int64_t until =
            first + std::int64_t{parts.alarmRepeat} * parts.alarmRepeatMinutes * 60;
        reminder.HasUntil = until < SecondsPerDay;
        if (reminder.HasUntil)
            reminder.UntilTime = SecondOfDay(until);
    }
    return reminder;
}

bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

template <std::size_t N>
std::string NameOrNumber(const std::array<const char*, N>& names, std::uint8_t value) {
    return value < N ? names[value] : std::to_string(value);
}

template <typename Integer> std::optional<Integer> IntegerText(std::string_view text) {
    Integer value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

template <std::size_t N>
std::optional<std::uint8_t> NamedOrNumber(const std::array<const char*, N>& names,
                                          std::string_view text) {
    for (std::size_t i = 0; i < N; ++i)
        if (text == names[i])
            return static_cast<std::uint8_t>(i);
    return IntegerText<std::uint8_t>(text);
}

std::optional<bool> TruthText(std::string_view text) {
    if (text == "TRUE")
        return true;
    if (text == "FALSE")
        return false;
    return std::nullopt;
}

const char* TruthName(bool value) {
    return value ? "TRUE" : "FALSE";
}

// The own properties of a reminder whose common parts give `common`.
std::vector<std::pair<std::string, std::string>>
OwnProperties(const TReminder& reminder, ListKind list, const TReminder& common) {
    std::vector<std::pair<std::string, std::string>> properties;
    const auto add = [&](const std::string& name, std::string value) {
        properties.emplace_back(name, std::move(value));
    };
    add(ListProperty, ListNames[static_cast<std::size_t>(list)]);
    add(ActionProperty, NameOrNumber(ActionNames, reminder.EventType));
    add(StatusProperty, NameOrNumber(StatusNames, reminder.Status));
    if (!reminder.SoundFile.empty())
        add(SoundFileProperty, ExactTextForm(reminder.SoundFile));
    if (reminder.Kind != common.Kind)
        add(KindProperty, std::to_string(reminder.Kind));
    if (!SameBits(reminder.When, common.When))
        add(WhenProperty, ExactNumberText(reminder.When));
    if (!SameBits(reminder.FirstTime, common.FirstTime))
        add(FirstTimeProperty, ExactNumberText(reminder.FirstTime));
    if (!SameBits(reminder.UntilTime, common.UntilTime))
        add(UntilTimeProperty, ExactNumberText(reminder.UntilTime));
    if (reminder.HasUntil != common.HasUntil)
        add(HasUntilProperty, TruthName(reminder.HasUntil));
    if (reminder.Description != common.Description)
        add(MessageProperty, ExactTextForm(reminder.Description));
    if (reminder.DaySpec != common.DaySpec)
        add(DaySpecProperty, ExactTextForm(reminder.DaySpec));
    if (reminder.RepeatMinutes != common.RepeatMinutes)
        add(IntervalProperty, std::to_string(reminder.RepeatMinutes));
    if (reminder.ReservedFlag)
        add(ReservedProperty, TruthName(true));
    return properties;
}

// Applies the own properties that the common parts cannot contradict: the action, status,
// sound file, kind and reserved flag.
void ApplyUncheckedProperties(const CalendarEntry& entry, TReminder& reminder) {
    for (const auto& [name, value] : entry.properties) {
        if (name == ActionProperty) {
            if (const auto action = NamedOrNumber(ActionNames, value))
                reminder.EventType = *action;
        } else if (name == StatusProperty) {
            if (const auto status = NamedOrNumber(StatusNames, value))
                reminder.Status = *status;
        } else if (name == SoundFileProperty) {
            if (const auto sound = FromExactTextForm(value))
                reminder.SoundFile = *sound;
        } else if (name == KindProperty) {
            if (const auto kind = IntegerText<std::uint8_t>(value))
                reminder.Kind = *kind;
        } else if (name == ReservedProperty) {
            if (const auto reserved = TruthText(value))
                reminder.ReservedFlag = *reserved;
        }
    }
}

// Applies the own properties that refine the common parts: exact times, texts and interval.
void ApplyRefiningProperties(const CalendarEntry& entry, TReminder& reminder) {
    for (const auto& [name, value] : entry.properties) {
        if (name == WhenProperty || name == FirstTimeProperty || name == UntilTimeProperty) {
            const auto number = FromExactNumberText(value);
            if (!number)
                continue;
            TDateTime& field = name == WhenProperty        ? reminder.When
                               : name == FirstTimeProperty ? reminder.FirstTime
                                                           : reminder.UntilTime;
            field = *number;
        } else if (name == HasUntilProperty) {
            if (const auto hasUntil = TruthText(value))
                reminder.HasUntil = *hasUntil;
        } else if (name == MessageProperty || name == DaySpecProperty) {
            if (const auto text = FromExactTextForm(value))
                (name == MessageProperty ? reminder.Description : reminder.DaySpec) = *text;
        } else if (name == IntervalProperty) {
            if (const auto minutes = IntegerText<std::int32_t>(value))
                reminder.RepeatMinutes = *minutes;
        }
    }
}

// A digest of the reminder's fields but its status, which changes as it fires.
std::string ContentUid(const TReminder& reminder, ListKind list) {
    std::string fields;
    const auto add = [&](std::string_view bytes) {
        fields += std::to_string(bytes.size());
        fields += ':';
        fields += bytes;
    };
    const auto addNumber = [&](double value) { add(ExactNumberText(value)); };
    add(ListNames[static_cast<std::size_t>(list)]);
    add(std::to_string(reminder.Kind));
    add(std::to_string(reminder.EventType));
    add(reminder.Description);
    add(reminder.SoundFile);
    add(reminder.DaySpec);
    if (list == ListKind::OneTime)
        addNumber(reminder.When);
    addNumber(reminder.FirstTime);
    addNumber(reminder.UntilTime);
    add(TruthName(reminder.HasUntil));
    add(std::to_string(reminder.RepeatMinutes));
    add(TruthName(reminder.ReservedFlag));
    return HexDigest(fields);
}

CalendarEntry EntryForReminder(const TReminder& reminder, ListKind list, TDateTime today) {
    const CommonParts parts = CommonPartsOf(reminder, list, today);
    CalendarEntry entry;
    entry.start = parts.start;
    entry.rule = parts.rule;
    entry.summary = parts.summary;
    entry.alarmRepeat = parts.alarmRepeat;
    entry.alarmRepeatMinutes = parts.alarmRepeatMinutes;
    entry.properties = OwnProperties(reminder, list, ReminderForParts(parts, list));
    return entry;
}

} // namespace

std::vector<CalendarEntry> CalendarEntries(std::span<const TReminder* const> oneTime,
                                           std::span<const TReminder* const> repeating,
                                           TDateTime today) {
    std::vector<CalendarEntry> entries;
    entries.reserve(oneTime.size() + repeating.size());
    std::map<std::string, int> uidsGiven;
    const auto add = [&](const TReminder& reminder, ListKind list) {
        CalendarEntry entry = EntryForReminder(reminder, list, today);
        std::string uid = ContentUid(reminder, list);
        const int seen = ++uidsGiven[uid];
        if (seen > 1)
            uid += "-" + std::to_string(seen);
        entry.uid = uid + "@nudgery";
        entries.push_back(std::move(entry));
    };
    for (const TReminder* reminder : oneTime)
        add(*reminder, ListKind::OneTime);
    for (const TReminder* reminder : repeating)
        add(*reminder, ListKind::Repeating);
    return entries;
}

std::optional<ListKind> OwnEntryList(const CalendarEntry& entry) {
    std::optional<ListKind> list;
    for (const auto& [name, value] : entry.properties)
        if (name == ListProperty) {
            if (value == ListNames[0])
                list = ListKind::OneTime;
            else if (value == ListNames[1])
                list = ListKind::Repeating;
        }
    if (list == ListKind::OneTime && entry.rule)
        return std::nullopt;
    if (list == ListKind::Repeating && entry.start.has_value() != entry.rule.has_value())
        return std::nullopt;
    if (list == ListKind::Repeating && entry.rule &&
        DaySpecForRule(*entry.rule, DatePartOf(*entry.start)).code.empty())
        return std::nullopt;
    return list;
}

TReminder ReminderForEntry(const CalendarEntry& entry, ListKind list) {
    const CommonParts parts = PartsOf(entry);
    const TReminder common = ReminderForParts(parts, list);
    TReminder exact = common;
    ApplyRefiningProperties(entry, exact);
    // The refinements hold only while the common parts still say what they said when the
    // entry was written; a change made in another program wins.
    const TDateTime from = parts.start ? DatePartOf(*parts.start) : 0;
    TReminder reminder = CommonPartsOf(exact, list, from) == parts ? exact : common;
    ApplyUncheckedProperties(entry, reminder);
    return reminder;
}

} // namespace nudgery

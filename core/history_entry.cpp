#include "history_entry.h"

#include <algorithm>
#include <limits>

namespace nudgery {
namespace {

std::string Counted(std::int64_t n, const char* unit) {
    return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

// The notification's result in words.
std::string ResultText(std::int32_t result) {
    if (result < 0)
        return "Snoozed " + SnoozeText(result == std::numeric_limits<std::int32_t>::min()
                                           ? std::numeric_limits<std::int32_t>::max()
                                           : -result);
    switch (result) {
    case 0: // no window, handled as Ok
    case 1:
        return "Ok";
    case 2:
        return "Deleted";
    default:
        return "Nothing done";
    }
}

} // namespace

std::string SnoozeText(std::int32_t minutes) {
    constexpr std::int32_t Week = 7 * 24 * 60;
    if (minutes > 0 && minutes % Week == 0)
        return Counted(minutes / Week, "week");
    if (minutes > 0 && minutes % 60 == 0)
        return Counted(minutes / 60, "hour");
    return Counted(minutes, "minute");
}

std::string AnswerText(const HistoryEntry& entry) {
    switch (entry.outcome) {
    case HistoryOutcome::Open:
        return "Not answered yet";
    case HistoryOutcome::Answered:
        return ResultText(entry.result);
    case HistoryOutcome::TimedOut:
        return "Timed out: " + ResultText(entry.result);
    case HistoryOutcome::Unanswered:
        return "Left unanswered at the end";
    case HistoryOutcome::Missed:
        return entry.result > 0 ? "Missed, and " + std::to_string(entry.result) + " more that day"
                                : "Missed";
    case HistoryOutcome::NoWindow:
        return "No window shown";
    }
    return "Unknown";
}

std::string ListText(ListKind list) {
    return list == ListKind::Repeating ? "Repeating" : "One-time";
}

TDateTime OneYearBefore(TDateTime now) {
    const CalendarDate date = DecodeDate(now);
    const int year = date.year - 1;
    if (year < 1)
        return 0;
    return EncodeDate(year, date.month, std::min(date.day, DaysInMonth(year, date.month))) +
           TimePartOf(now);
}

} // namespace nudgery

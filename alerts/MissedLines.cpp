#include "MissedLines.h"

#include "core/missed_occurrences.h"
#include "core/reminder.h"
#include "core/reminder_list.h"

#include <algorithm>
#include <span>
#include <utility>

namespace nudgery {
namespace {

MissedLine LineOf(const TReminder& reminder, const MissedOccurrences& occurrences) {
    return {ListKind::Repeating, std::string(reminder.Description), occurrences.first,
            occurrences.last, occurrences.more};
}

} // namespace

MissedLine MissedOneTime(const TReminder& reminder) {
    return {ListKind::OneTime, std::string(reminder.Description), reminder.When, reminder.When, 0};
}

std::vector<MissedLine> MissedRepeating(const ReminderList& repeating, TDateTime since,
                                        TDateTime now, const LastFellDue& lastFellDue) {
    std::vector<const TReminder*> reminders;
    for (int index = 0; index < repeating.Count(); ++index)
        if (const TReminder* reminder = repeating.At(index))
            reminders.push_back(reminder);
    std::vector<MissedLine> lines;
    // Only a reminder with something missed is looked up, and then looked at again from the
    // last time it is known to have fallen due.
    std::vector<char> lookedUp(reminders.size(), false);
    for (const MissedOccurrences& found : FindMissedOccurrences(reminders, since, now)) {
        const TReminder& reminder = *reminders[found.reminder];
        if (std::exchange(lookedUp[found.reminder], true))
            continue;
        const std::optional<TDateTime> fell =
            lastFellDue ? lastFellDue(reminder, since) : std::nullopt;
        const TReminder* const one[] = {&reminder};
        for (const MissedOccurrences& day :
             FindMissedOccurrences(one, fell ? std::max(since, *fell) : since, now))
            lines.push_back(LineOf(reminder, day));
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const MissedLine& a, const MissedLine& b) { return a.first < b.first; });
    return lines;
}

std::string MoreText(const MissedLine& line, const DateFormats& formats) {
    return MoreOccurrencesText({0, line.first, line.last, line.more}, formats);
}

} // namespace nudgery

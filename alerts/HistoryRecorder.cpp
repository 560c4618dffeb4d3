#include "HistoryRecorder.h"

#include "core/clock.h"
#include "core/reminder.h"
#include "platform/history_journal.h"

#include <QString>
#include <utility>

namespace nudgery {
namespace {

// The history keeps its texts in UTF-8; a reminder's are in the system's 8-bit encoding.
std::string Utf8(const std::string& local) {
    return QString::fromLocal8Bit(local).toStdString();
}

HistoryOutcome OutcomeOf(AnswerWay way) {
    switch (way) {
    case AnswerWay::NoWindow:
        return HistoryOutcome::NoWindow;
    case AnswerWay::Given:
        return HistoryOutcome::Answered;
    case AnswerWay::TimedOut:
        return HistoryOutcome::TimedOut;
    case AnswerWay::Unanswered:
        return HistoryOutcome::Unanswered;
    }
    return HistoryOutcome::Answered;
}

bool ShowsNotification(const TReminder& reminder) {
    return reminder.EventType == EventShowAndPlay || reminder.EventType == EventShowOnly;
}

} // namespace

HistoryRecorder::HistoryRecorder(HistoryJournal& journal, const Clock& clock,
                                 std::function<void()> recorded)
    : journal_(journal), clock_(clock), recorded_(std::move(recorded)) {}

void HistoryRecorder::FellDue(const TReminder& reminder, ListKind list, TDateTime now) {
    HistoryEntry entry;
    entry.due = reminder.When;
    entry.shown = ShowsNotification(reminder) ? now : 0;
    entry.list = list;
    entry.message = Utf8(std::string(reminder.Description));
    entry.outcome = HistoryOutcome::Open;
    open_ = journal_.Record(entry);
    if (open_ != 0 && recorded_)
        recorded_();
}

void HistoryRecorder::Answered(const TReminder&, ListKind, const NotificationAnswer& answer) {
    const std::int64_t id = std::exchange(open_, 0);
    if (id == 0)
        return;
    if (journal_.Answer(id, OutcomeOf(answer.way), answer.code, clock_.Now()) && recorded_)
        recorded_();
}

void HistoryRecorder::RecordMissed(const std::vector<MissedLine>& lines) {
    bool any = false;
    for (const MissedLine& line : lines) {
        HistoryEntry entry;
        entry.due = line.first;
        entry.list = line.list;
        entry.message = Utf8(line.description);
        entry.outcome = HistoryOutcome::Missed;
        entry.result = line.more;
        if (journal_.LastDue({entry.list, entry.message}, line.first, line.first))
            continue;
        any = journal_.Record(entry) != 0 || any;
    }
    if (any && recorded_)
        recorded_();
}

std::optional<TDateTime> HistoryRecorder::LastFellDue(const TReminder& reminder, TDateTime since) {
    return journal_.LastDue({ListKind::Repeating, Utf8(std::string(reminder.Description))}, since,
                            clock_.Now());
}

void HistoryRecorder::Close() {
    journal_.CloseOpenEntries(clock_.Now());
}

} // namespace nudgery

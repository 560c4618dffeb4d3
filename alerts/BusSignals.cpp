#include "BusSignals.h"

#include "Notifier.h"
#include "core/reminder.h"
#include "core/reminder_words.h"
#include "platform/command_bus.h"

namespace nudgery {
namespace {

QString ListName(ListKind list) {
    return list == ListKind::OneTime ? QStringLiteral("one-time") : QStringLiteral("repeating");
}

QString Message(const TReminder& reminder) {
    const std::string_view text = reminder.Description;
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

// The answer's name; 0 is the answer when no notification was shown.
QString AnswerName(int answer) {
    if (answer < 0)
        return QStringLiteral("snooze");
    switch (answer) {
    case 0:
        return QStringLiteral("none");
    case Notifier::Ok:
        return QStringLiteral("ok");
    case Notifier::Delete:
        return QStringLiteral("delete");
    default:
        return QStringLiteral("unanswered");
    }
}

} // namespace

void BusSignals::FellDue(const TReminder& reminder, ListKind list, TDateTime now) {
    emit bus_.ReminderFellDue(ListName(list), Message(reminder),
                              QString::fromStdString(IsoLocalText(now)));
}

void BusSignals::Answered(const TReminder& reminder, ListKind list,
                          const NotificationAnswer& answer) {
    emit bus_.ReminderAnswered(ListName(list), Message(reminder), AnswerName(answer.code),
                               answer.code < 0 ? -answer.code : 0);
}

} // namespace nudgery

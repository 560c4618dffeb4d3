#include "ReminderListing.h"

#include "core/calendar_import.h"
#include "core/date_formats.h"
#include "core/reminder.h"
#include "core/reminder_words.h"
#include "core/rule_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <string_view>
#include <vector>

namespace nudgery {
namespace {

// Beyond this width a message pushes its own line's columns along rather than every line's.
constexpr qsizetype WidestMessageColumn = 40;

QString Text(std::string_view bytes) {
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A message on one line: line breaks and other control characters show as blanks.
QString OneLine(std::string_view bytes) {
    QString text = Text(bytes);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return text;
}

struct Row {
    QString message, when, status;
};

void AppendList(QString& out, const char* heading, const std::vector<Row>& rows) {
    out += QLatin1String(heading) + QLatin1Char('\n');
    if (rows.empty()) {
        out += QStringLiteral("  (none)\n");
        return;
    }
    qsizetype messageWidth = 0;
    qsizetype whenWidth = 0;
    for (const Row& row : rows) {
        messageWidth = std::max(messageWidth, std::min(row.message.size(), WidestMessageColumn));
        whenWidth = std::max(whenWidth, row.when.size());
    }
    for (const Row& row : rows) {
        QString line = QStringLiteral("  ") + row.message.leftJustified(messageWidth) +
                       QStringLiteral("  ") + row.when.leftJustified(whenWidth) +
                       QStringLiteral("  ") + row.status;
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out += line + QLatin1Char('\n');
    }
}

QString StatusText(const TReminder& reminder) {
    std::string status;
    reminder.StatusText(status);
    return Text(status);
}

QJsonValue TextOrNull(const std::string& text) {
    return text.empty() ? QJsonValue() : QJsonValue(Text(text));
}

QJsonObject Entry(const TReminder& reminder, bool oneTime, int index) {
    const bool due = oneTime || reminder.When != 0;
    return {{"list", oneTime ? "one-time" : "repeating"},
            {"index", index},
            {"message", Text(reminder.Description)},
            {"when", due ? TextOrNull(IsoLocalText(reminder.When)) : QJsonValue()},
            {"status", Text(StatusName(reminder.Status))},
            {"rule", oneTime ? QJsonValue() : Text(DescribeRule(RepeatRuleOf(reminder)))},
            {"sound", Text(reminder.SoundFile)},
            {"action", Text(ActionName(reminder.EventType))}};
}

} // namespace

QString ListingText(std::span<const TReminder* const> oneTime,
                    std::span<const TReminder* const> repeating, const DateFormats& formats,
                    const Clock& clock) {
    std::vector<Row> rows;
    for (const TReminder* reminder : oneTime)
        rows.push_back({OneLine(reminder->Description), Text(reminder->WhenText(formats, clock)),
                        StatusText(*reminder)});
    QString out;
    AppendList(out, "One-time reminders:", rows);
    rows.clear();
    for (const TReminder* reminder : repeating) {
        const std::string next = reminder->WhenText(formats, clock);
        rows.push_back({OneLine(reminder->Description), Text(DescribeRule(RepeatRuleOf(*reminder))),
                        next.empty() ? QStringLiteral("Not today") : Text(next)});
    }
    AppendList(out, "Repeating reminders:", rows);
    return out;
}

QString ListingJson(std::span<const TReminder* const> oneTime,
                    std::span<const TReminder* const> repeating) {
    QJsonArray entries;
    int index = 0;
    for (const TReminder* reminder : oneTime)
        entries.append(Entry(*reminder, true, ++index));
    index = 0;
    for (const TReminder* reminder : repeating)
        entries.append(Entry(*reminder, false, ++index));
    return QString::fromUtf8(QJsonDocument(entries).toJson(QJsonDocument::Indented));
}

QString ImportPlanText(const ImportPlan& plan, const QString& calendarPath,
                       const DateFormats& formats) {
    QString out = calendarPath + QStringLiteral(": ") + Text(PlanSummary(plan)) + QLatin1Char('\n');
    for (const PlannedReminder& planned : plan.reminders)
        out += QStringLiteral("  + %1  (%2)\n")
                   .arg(OneLine(planned.reminder.Description),
                        Text(PlannedWhenText(planned, formats)));
    for (const std::string& note : plan.notes)
        out += QStringLiteral("  %1.\n").arg(Text(note));
    for (const RefusedItem& refused : plan.refused)
        out += QStringLiteral("  - %1: %2\n").arg(OneLine(refused.what), Text(refused.reason));
    return out;
}

} // namespace nudgery

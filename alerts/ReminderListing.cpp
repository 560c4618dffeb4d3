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
#include <array>
#include <string_view>
#include <vector>

namespace nudgery {
namespace {

// Beyond this width a message pushes its own line's columns along rather than every line's.
constexpr std::size_t WidestMessageColumn = 40;

QString Text(std::string_view bytes) {
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

constexpr bool IsControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

// The bytes after which a message may need changing: the controls, and 0xC2, which leads
// UTF-8's C1 controls (0x80 to 0x9F after it).
constexpr std::array<bool, 256> MayChange = [] {
    std::array<bool, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[static_cast<std::size_t>(byte)] =
            IsControl(static_cast<unsigned char>(byte)) || byte == 0xC2;
    return table;
}();

bool IsC1At(std::string_view bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]) == 0xC2 && i + 1 < bytes.size() &&
           (static_cast<unsigned char>(bytes[i + 1]) & 0xE0) == 0x80;
}

// A message on one line: line breaks and the other control characters (C0, DEL and C1)
// show as blanks. On bytes, as the listing is written; most messages hold none.
void AppendOneLine(std::string& out, std::string_view bytes) {
    const auto first = std::find_if(bytes.begin(), bytes.end(), [](char c) {
        return MayChange[static_cast<unsigned char>(c)];
    });
    out.append(bytes.begin(), first);
    for (auto i = static_cast<std::size_t>(first - bytes.begin()); i < bytes.size(); ++i) {
        if (IsC1At(bytes, i)) {
            out += ' ';
            ++i;
        } else {
            out += IsControl(static_cast<unsigned char>(bytes[i])) ? ' ' : bytes[i];
        }
    }
}

QString OneLine(std::string_view bytes) {
    std::string line;
    AppendOneLine(line, bytes);
    return Text(line);
}

// Characters, not bytes: what a column's width counts.
std::size_t Characters(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// A line's three texts, the message as the data holds it, with the characters of the two
// that are padded: a control character shows as one blank, so it counts as one.
struct Row {
    Row(std::string_view message, std::string when, std::string status)
        : message(message), when(std::move(when)), status(std::move(status)),
          messageWidth(Characters(message)), whenWidth(Characters(this->when)) {}
    std::string_view message;
    std::string when, status;
    std::size_t messageWidth, whenWidth;
};

void Pad(std::string& out, std::size_t characters, std::size_t width) {
    if (characters < width)
        out.append(width - characters, ' ');
}

// The lines are written as the data's bytes and made a string once, at the end: a listing of
// a thousand reminders stays well under a millisecond.
void AppendList(std::string& out, std::string_view heading, const std::vector<Row>& rows) {
    out.append(heading).append(1, '\n');
    if (rows.empty()) {
        out += "  (none)\n";
        return;
    }
    std::size_t messageWidth = 0;
    std::size_t whenWidth = 0;
    for (const Row& row : rows) {
        messageWidth = std::max(messageWidth, std::min(row.messageWidth, WidestMessageColumn));
        whenWidth = std::max(whenWidth, row.whenWidth);
    }
    for (const Row& row : rows) {
        out += "  ";
        AppendOneLine(out, row.message);
        Pad(out, row.messageWidth, messageWidth);
        out += "  ";
        out += row.when;
        Pad(out, row.whenWidth, whenWidth);
        out += "  ";
        out += row.status;
        while (out.back() == ' ')
            out.pop_back();
        out += '\n';
    }
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
    rows.reserve(std::max(oneTime.size(), repeating.size()));
    std::string status;
    for (const TReminder* reminder : oneTime) {
        reminder->StatusText(status);
        rows.emplace_back(reminder->Description, reminder->WhenText(formats, clock), status);
    }
    std::string out;
    out.reserve((oneTime.size() + repeating.size()) * 120);
    AppendList(out, "One-time reminders:", rows);
    rows.clear();
    for (const TReminder* reminder : repeating) {
        std::string next = reminder->WhenText(formats, clock);
        rows.emplace_back(reminder->Description, DescribeRule(RepeatRuleOf(*reminder)),
                          next.empty() ? std::string("Not today") : std::move(next));
    }
    AppendList(out, "Repeating reminders:", rows);
    return Text(out);
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

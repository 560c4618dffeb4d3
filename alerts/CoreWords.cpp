#include "CoreWords.h"

#include "core/dayspec.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <vector>

namespace nudgery {

namespace {

// The first phrase that matches the whole text wins: of those with placeholders, the most
// particular comes first.
constexpr const char* CorePhrases[] = {
    // Statuses and day rules.
    QT_TRANSLATE_NOOP("CoreWords", "Pending"),
    QT_TRANSLATE_NOOP("CoreWords", "Done"),
    QT_TRANSLATE_NOOP("CoreWords", "Expired"),
    QT_TRANSLATE_NOOP("CoreWords", "Not Today"),
    QT_TRANSLATE_NOOP("CoreWords", "All Days"),
    QT_TRANSLATE_NOOP("CoreWords", "Weekdays"),
    QT_TRANSLATE_NOOP("CoreWords", "Weekends"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 day of year"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 %2/Month"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 %2/%3"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 of Month"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 of %2"),
    // The words of a day rule: occurrences, weekdays, months.
    QT_TRANSLATE_NOOP("CoreWords", "1st"),
    QT_TRANSLATE_NOOP("CoreWords", "2nd"),
    QT_TRANSLATE_NOOP("CoreWords", "3rd"),
    QT_TRANSLATE_NOOP("CoreWords", "4th"),
    QT_TRANSLATE_NOOP("CoreWords", "5th"),
    QT_TRANSLATE_NOOP("CoreWords", "Last"),
    QT_TRANSLATE_NOOP("CoreWords", "Sun"),
    QT_TRANSLATE_NOOP("CoreWords", "Mon"),
    QT_TRANSLATE_NOOP("CoreWords", "Tue"),
    QT_TRANSLATE_NOOP("CoreWords", "Wed"),
    QT_TRANSLATE_NOOP("CoreWords", "Thu"),
    QT_TRANSLATE_NOOP("CoreWords", "Fri"),
    QT_TRANSLATE_NOOP("CoreWords", "Sat"),
    QT_TRANSLATE_NOOP("CoreWords", "Day"),
    QT_TRANSLATE_NOOP("CoreWords", "Month"),
    QT_TRANSLATE_NOOP("CoreWords", "Jan"),
    QT_TRANSLATE_NOOP("CoreWords", "Feb"),
    QT_TRANSLATE_NOOP("CoreWords", "Mar"),
    QT_TRANSLATE_NOOP("CoreWords", "Apr"),
    QT_TRANSLATE_NOOP("CoreWords", "May"),
    QT_TRANSLATE_NOOP("CoreWords", "Jun"),
    QT_TRANSLATE_NOOP("CoreWords", "Jul"),
    QT_TRANSLATE_NOOP("CoreWords", "Aug"),
    QT_TRANSLATE_NOOP("CoreWords", "Sep"),
    QT_TRANSLATE_NOOP("CoreWords", "Oct"),
    QT_TRANSLATE_NOOP("CoreWords", "Nov"),
    QT_TRANSLATE_NOOP("CoreWords", "Dec"),
    // Ordinal days, as "15th".
    QT_TRANSLATE_NOOP("CoreWords", "%1st"),
    QT_TRANSLATE_NOOP("CoreWords", "%1nd"),
    QT_TRANSLATE_NOOP("CoreWords", "%1rd"),
    QT_TRANSLATE_NOOP("CoreWords", "%1th"),
    // Times and intervals.
    QT_TRANSLATE_NOOP("CoreWords", "Today at %1"),
    QT_TRANSLATE_NOOP("CoreWords", "and %1 more until %2"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 until %2"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 at %2, every %3"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 at %2"),
    QT_TRANSLATE_NOOP("CoreWords", "No day"),
    QT_TRANSLATE_NOOP("CoreWords", "Hour"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 hrs %2 mins"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 hrs"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 min"),
    // The history.
    QT_TRANSLATE_NOOP("CoreWords", "One-time"),
    QT_TRANSLATE_NOOP("CoreWords", "Repeating"),
    QT_TRANSLATE_NOOP("CoreWords", "Ok"),
    QT_TRANSLATE_NOOP("CoreWords", "Deleted"),
    QT_TRANSLATE_NOOP("CoreWords", "Nothing done"),
    QT_TRANSLATE_NOOP("CoreWords", "Not answered yet"),
    QT_TRANSLATE_NOOP("CoreWords", "Left unanswered at the end"),
    QT_TRANSLATE_NOOP("CoreWords", "No window shown"),
    QT_TRANSLATE_NOOP("CoreWords", "Unknown"),
    QT_TRANSLATE_NOOP("CoreWords", "Missed"),
    QT_TRANSLATE_NOOP("CoreWords", "Missed, and %1 more that day"),
    QT_TRANSLATE_NOOP("CoreWords", "Timed out: %1"),
    QT_TRANSLATE_NOOP("CoreWords", "Snoozed %1"),
    QT_TRANSLATE_NOOP("CoreWords", "1 minute"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 minutes"),
    QT_TRANSLATE_NOOP("CoreWords", "1 hour"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 hours"),
    QT_TRANSLATE_NOOP("CoreWords", "1 week"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 weeks"),
    // The summary of a calendar import, sentence by sentence.
    QT_TRANSLATE_NOOP("CoreWords", "Nothing will be added."),
    QT_TRANSLATE_NOOP("CoreWords", "%1 and %2 will be added."),
    QT_TRANSLATE_NOOP("CoreWords", "%1 will be added."),
    QT_TRANSLATE_NOOP("CoreWords", "1 one-time reminder"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 one-time reminders"),
    QT_TRANSLATE_NOOP("CoreWords", "1 repeating reminder"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 repeating reminders"),
    QT_TRANSLATE_NOOP("CoreWords", "1 entry cannot be taken."),
    QT_TRANSLATE_NOOP("CoreWords", "%1 entries cannot be taken."),
    QT_TRANSLATE_NOOP("CoreWords", "1 reminder was imported before and is left out."),
    QT_TRANSLATE_NOOP("CoreWords", "%1 reminders were imported before and are left out."),
    QT_TRANSLATE_NOOP("CoreWords", "1 reminder is in the lists already and left out."),
    QT_TRANSLATE_NOOP("CoreWords", "%1 reminders are in the lists already and left out."),
    // Why an entry of a calendar file is not taken, or not as one repeating reminder.
    QT_TRANSLATE_NOOP("CoreWords",
                      "%1: %2; its occurrences in the next %3 days are added one by one, "
                      "the first %4 of them"),
    QT_TRANSLATE_NOOP("CoreWords",
                      "%1: %2; its occurrences in the next %3 days are added one by one"),
    QT_TRANSLATE_NOOP("CoreWords", "no alarm"),
    QT_TRANSLATE_NOOP("CoreWords", "dates given one by one"),
    QT_TRANSLATE_NOOP("CoreWords", "alarms that do not follow a day rule"),
    QT_TRANSLATE_NOOP("CoreWords", "its alarm time has passed"),
    QT_TRANSLATE_NOOP("CoreWords", "a date out of range"),
    QT_TRANSLATE_NOOP("CoreWords", "a rule that repeats within the day"),
    QT_TRANSLATE_NOOP("CoreWords", "no date for its alarm"),
    QT_TRANSLATE_NOOP("CoreWords", "no start"),
    QT_TRANSLATE_NOOP("CoreWords", "cancelled"),
    QT_TRANSLATE_NOOP("CoreWords", "completed"),
    QT_TRANSLATE_NOOP("CoreWords", "days left out of its rule"),
    QT_TRANSLATE_NOOP("CoreWords", "occurrences changed one by one"),
    QT_TRANSLATE_NOOP("CoreWords", "more than one rule"),
    QT_TRANSLATE_NOOP("CoreWords", "dates added to its rule"),
    QT_TRANSLATE_NOOP("CoreWords", "a rule no day rule matches"),
    QT_TRANSLATE_NOOP("CoreWords", "a rule for times of the day and no day rule for it"),
    QT_TRANSLATE_NOOP("CoreWords", "a rule with UNTIL and no day rule for it"),
    QT_TRANSLATE_NOOP("CoreWords", "a rule with %1 and no day rule for it"),
    QT_TRANSLATE_NOOP("CoreWords", "a date or time that does not exist"),
    QT_TRANSLATE_NOOP("CoreWords", "a time too far from today for its time zone"),
    QT_TRANSLATE_NOOP("CoreWords", "the time zone %1 cannot be read"),
    QT_TRANSLATE_NOOP("CoreWords", "the time zone %1 is not defined"),
    QT_TRANSLATE_NOOP("CoreWords", "no occurrence in the next %1 days"),
    QT_TRANSLATE_NOOP("CoreWords", "%1 alarm"),
};

struct Pattern {
    const char* source;
    QRegularExpression whole;
};

// The phrases without placeholders, looked up by their text; the others as patterns over a
// whole text, their placeholders taking any part. A cell's text is looked up each time the
// cell is drawn, so most of them, the fixed ones, cost a lookup and no expression.
struct Phrasebook {
    QHash<QString, const char*> fixed;
    std::vector<Pattern> patterns;
};

const Phrasebook& Phrases() {
    static const Phrasebook book = [] {
        static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
        Phrasebook made;
        for (const char* phrase : CorePhrases) {
            const QString text = QString::fromLatin1(phrase);
            if (!text.contains(placeholder)) {
                made.fixed.insert(text, phrase);
                continue;
            }
            QString expression = QStringLiteral("^");
            qsizetype at = 0;
            for (auto it = placeholder.globalMatch(text); it.hasNext();) {
                const QRegularExpressionMatch part = it.next();
                expression += QRegularExpression::escape(text.mid(at, part.capturedStart() - at));
                expression += QStringLiteral("(.+?)");
                at = part.capturedEnd();
            }
            expression += QRegularExpression::escape(text.mid(at)) + QStringLiteral("$");
            made.patterns.push_back({phrase, QRegularExpression(expression)});
        }
        return made;
    }();
    return book;
}

QString Translated(const QString& text) {
    const Phrasebook& book = Phrases();
    // The fixed phrases first: "Left unanswered at the end" is no "%1 at %2".
    if (const auto found = book.fixed.constFind(text); found != book.fixed.cend())
        return QCoreApplication::translate("CoreWords", found.value());
    for (const Pattern& pattern : book.patterns) {
        const QRegularExpressionMatch match = pattern.whole.match(text);
        if (!match.hasMatch())
            continue;
        QString shown = QCoreApplication::translate("CoreWords", pattern.source);
        for (int part = 1; part <= match.lastCapturedIndex(); ++part)
            shown = shown.arg(Translated(match.captured(part)));
        return shown;
    }
    return text;
}

} // namespace

QString CoreText(const std::string& english) {
    return Translated(QString::fromLocal8Bit(english));
}

QString CoreSentences(const std::string& english) {
    // Each sentence ends in ". " but the last.
    static const QRegularExpression end(QStringLiteral("(?<=\\.) "));
    QStringList sentences = QString::fromLocal8Bit(english).split(end);
    for (QString& sentence : sentences)
        sentence = Translated(sentence);
    return sentences.join(u' ');
}

QString DaySpecWords(std::string_view code) {
    const std::string english = DescribeDaySpec(code);
    static constexpr std::string_view DaysPrefix = "On Days: ";
    if (!std::string_view(english).starts_with(DaysPrefix))
        return CoreText(english);
    // The initials of Sunday to Saturday; the chosen ones in that order.
    const QString initials = QCoreApplication::translate(
        "CoreWords", "SMTWTFS", "the initials of Sunday to Saturday, in that order");
    QString days;
    for (int weekday = 0; weekday < 7 && weekday < initials.size(); ++weekday)
        if (code.find(static_cast<char>('0' + weekday)) != std::string_view::npos)
            days += initials.at(weekday);
    return QCoreApplication::translate("CoreWords", "On Days: %1").arg(days);
}

} // namespace nudgery

#include "platform/regional_settings.h"

#include <QLocale>

namespace nudgery {

namespace {

std::string Local8Bit(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

bool IsAsciiLetter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// The locale's formats may hold no-break spaces, which an 8-bit encoding may not have.
QString WithPlainSpaces(QString format) {
    format.replace(QChar(0x202F), QLatin1Char(' '));
    format.replace(QChar(0x00A0), QLatin1Char(' '));
    return format;
}

// The first character between fields that is neither a letter nor a blank, outside quotes.
QString FirstSeparator(const QString& qtFormat) {
    bool quoted = false;
    for (const QChar c : qtFormat) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && !c.isLetter() && !c.isSpace())
            return QString(c);
    }
    return {};
}

// The pattern letters of one field of Qt's format, run being its letter repeated.
QString FieldPattern(QChar letter, qsizetype run) {
    const auto capped = [run](qsizetype most) { return std::min(run, most); };
    switch (letter.unicode()) {
    case 'd':
        return QString(capped(4), QLatin1Char('d'));
    case 'M':
        return QString(capped(4), QLatin1Char('m'));
    case 'y':
        return run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
    case 'h':
    case 'H':
        // A 24-hour clock is simply one without an am/pm marker.
        return QString(capped(2), QLatin1Char('h'));
    case 'm':
        return QString(capped(2), QLatin1Char('n'));
    case 's':
        return QString(capped(2), QLatin1Char('s'));
    case 'z':
        return run >= 3 ? QStringLiteral("zzz") : QStringLiteral("z");
    default:
        return {};
    }
}

QString QuotedLiteral(const QString& text) {
    if (text.isEmpty())
        return {};
    const QChar quote = text.contains(QLatin1Char('"')) ? QLatin1Char('\'') : QLatin1Char('"');
    return quote + text + quote;
}

// Qt's format letters in the program's pattern letters. The separator, when given, becomes
// the placeholder that prints the separator in force; every other literal is quoted when
// the program's patterns would read it as a field.
QString TranslateFormat(const QString& qtFormat, QChar separator, QChar placeholder) {
    QString pattern;
    QString literal;
    const auto flushLiteral = [&] {
        pattern += QuotedLiteral(literal);
        literal.clear();
    };
    for (qsizetype i = 0; i < qtFormat.size();) {
        const QChar c = qtFormat[i];
        if (c == QLatin1Char('\'')) {
            // A quoted text, where two quotes stand for one.
            const auto close = qtFormat.indexOf(QLatin1Char('\''), i + 1);
            if (close == i + 1) {
                literal += QLatin1Char('\'');
                i += 2;
                continue;
            }
            const auto end = close < 0 ? qtFormat.size() : close;
            literal +=
                qtFormat.mid(i + 1, end - i - 1).replace(QStringLiteral("''"), QStringLiteral("'"));
            i = end + 1;
            continue;
        }
        if (c.toUpper() == QLatin1Char('A')) {
            // "AP", "ap", "A" and "a" all select the 12-hour clock with the locale's markers.
            flushLiteral();
            pattern += QStringLiteral("ampm");
            i += (i + 1 < qtFormat.size() && qtFormat[i + 1].toUpper() == QLatin1Char('P')) ? 2 : 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < qtFormat.size() && qtFormat[i + run] == c)
            ++run;
        const QString field = FieldPattern(c, run);
        if (!field.isEmpty()) {
            flushLiteral();
            pattern += field;
        } else if (c == QLatin1Char('t')) {
            // The time zone has no pattern letter; it is left out.
        } else if (!separator.isNull() && c == separator) {
            flushLiteral();
            pattern += QString(run, placeholder);
        } else if (IsAsciiLetter(c) || c == QLatin1Char('/') || c == QLatin1Char(':') ||
                   c == QLatin1Char('"')) {
            literal += QString(run, c);
        } else {
            flushLiteral();
            pattern += QString(run, c);
        }
        i += run;
    }
    flushLiteral();
    return pattern.trimmed();
}

} // namespace

RegionalSettings RegionalSettingsFromLocale(const QLocale& locale) {
    const QString shortDate = WithPlainSpaces(locale.dateFormat(QLocale::ShortFormat));
    const QString longDate = WithPlainSpaces(locale.dateFormat(QLocale::LongFormat));
    const QString shortTime = WithPlainSpaces(locale.timeFormat(QLocale::ShortFormat));

    RegionalSettings settings;
    const QString dateSeparator = FirstSeparator(shortDate);
    const QString timeSeparator = FirstSeparator(shortTime);
    if (!dateSeparator.isEmpty())
        settings.dateSeparator = Local8Bit(dateSeparator);
    if (!timeSeparator.isEmpty())
        settings.timeSeparator = Local8Bit(timeSeparator);

    // The short date is used only while the user's separator is in force, so its separator
    // becomes the placeholder. The long date and the short time are also shown while the
    // program's fixed separators are in force, so a separator there becomes the placeholder
    // only when it is the fixed one, and prints the same either way.
    const auto separatorChar = [](const QString& separator) {
        return separator.isEmpty() ? QChar() : separator[0];
    };
    const QChar dateSeparatorChar = separatorChar(dateSeparator);
    const QChar slash = QLatin1Char('/');
    const QChar colon = QLatin1Char(':');
    settings.shortDateFormat = Local8Bit(TranslateFormat(shortDate, dateSeparatorChar, slash));
    settings.longDateFormat =
        Local8Bit(TranslateFormat(longDate, dateSeparatorChar == slash ? slash : QChar(), slash));
    settings.shortTimeFormat = Local8Bit(
        TranslateFormat(shortTime, separatorChar(timeSeparator) == colon ? colon : QChar(), colon));

    settings.amString = Local8Bit(locale.amText());
    settings.pmString = Local8Bit(locale.pmText());
    for (int month = 1; month <= 12; ++month) {
        settings.shortMonthNames[month - 1] =
            Local8Bit(locale.monthName(month, QLocale::ShortFormat));
        settings.longMonthNames[month - 1] =
            Local8Bit(locale.monthName(month, QLocale::LongFormat));
    }
    // Qt counts weekdays from Monday (1) to Sunday (7); the program from Sunday (0).
    for (int day = 0; day < 7; ++day) {
        const int qtDay = day == 0 ? 7 : day;
        settings.shortDayNames[day] = Local8Bit(locale.dayName(qtDay, QLocale::ShortFormat));
        settings.longDayNames[day] = Local8Bit(locale.dayName(qtDay, QLocale::LongFormat));
    }
    return settings;
}

RegionalSettings SystemRegionalSettings() {
    return RegionalSettingsFromLocale(QLocale::system());
}

} // namespace nudgery

#pragma once
// The long options that a --help text lists, read from the options' own column: not the
// descriptions, which name other options ("With --add or --repeat: ..."), nor the examples.

#include <QRegularExpression>
#include <QStringList>

namespace nudgery::testing {

inline QStringList OptionsInHelp(const QString& help) {
    // "  -h, --help   Show..." or "  --sound <FILE>   With...": the names, then two blanks.
    static const QRegularExpression row(QStringLiteral("^  (-[^ ]+(?:,? -[^ ]+)*)"));
    static const QRegularExpression longName(QStringLiteral("--[a-z-]+"));
    QStringList options;
    for (const QString& line : help.split('\n')) {
        const QRegularExpressionMatch names = row.match(line);
        if (!names.hasMatch())
            continue;
        for (auto it = longName.globalMatch(names.captured(1)); it.hasNext();)
            options << it.next().captured();
    }
    options.sort();
    return options;
}

} // namespace nudgery::testing

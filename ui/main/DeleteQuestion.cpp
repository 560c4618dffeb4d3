#include "DeleteQuestion.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace nudgery {

namespace {

const QChar Ellipsis(0x2026);

// Where to cut `text` to at most `length` characters: after the last whole word when that
// keeps at least half of them, else at the last character boundary, which never splits a
// letter from its accents or a surrogate pair.
qsizetype CutAt(const QString& text, qsizetype length) {
    const qsizetype space = text.lastIndexOf(' ', length);
    if (space >= length / 2)
        return space;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    characters.setPosition(length);
    return characters.isAtBoundary() ? length : characters.toPreviousBoundary();
}

} // namespace

QString DeleteQuestion(const QString& message) {
    static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]"));
    QStringList lines = message.split(lineBreak);
    // Blank lines before the first words say nothing about the reminder.
    while (!lines.isEmpty() && lines.front().simplified().isEmpty())
        lines.removeFirst();
    if (lines.isEmpty())
        return QCoreApplication::translate("DeleteQuestion", "Delete this reminder?");
    QString quote = lines.front().simplified();
    bool shortened = false;
    if (quote.size() > DeleteQuestionQuoteLength) {
        quote.truncate(CutAt(quote, DeleteQuestionQuoteLength));
        shortened = true;
    }
    const bool moreLines = std::any_of(lines.begin() + 1, lines.end(), [](const QString& line) {
        return !line.simplified().isEmpty();
    });
    if (shortened || moreLines)
        quote += Ellipsis;
    return QCoreApplication::translate("DeleteQuestion", "Delete '%1'?").arg(quote);
}

} // namespace nudgery

#include "platform/desktop_notice.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace nudgery {

namespace {

const QString kEllipsis = QStringLiteral("\u2026");

struct ActionKey {
    const char* key;
    const char* label;
    NoticeAnswer answer;
};

// "default" is the protocol's name for a click on the notification itself.
constexpr ActionKey kActions[] = {
    {"default", QT_TRANSLATE_NOOP("DesktopNotice", "Show the reminder"), NoticeAnswer::ShowWindow},
    {"ok", QT_TRANSLATE_NOOP("DesktopNotice", "Ok"), NoticeAnswer::Ok},
    {"snooze-5", QT_TRANSLATE_NOOP("DesktopNotice", "Snooze 5 minutes"),
     NoticeAnswer::Snooze5Minutes},
};

// One line of the user's text without the control characters that servers show as boxes
// or that make a markup parser give up; a tab reads as a space.
QString Printable(const QString& line) {
    QString kept;
    kept.reserve(line.size());
    for (const QChar c : line) {
        if (c == u'\t')
            kept += u' ';
        else if (c.category() != QChar::Other_Control)
            kept += c;
    }
    return kept;
}

// The message's lines, however they were broken.
QStringList Lines(const QString& message) {
    QString text = message;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        line = Printable(line);
    return lines;
}

bool Blank(const QString& line) {
    return line.trimmed().isEmpty();
}

// Where a line longer than the summary allows is cut: at the last space in its second half,
// else at the last whole character (a grapheme, so no accent or surrogate pair is split).
struct Cut {
    qsizetype keepUpTo;
    qsizetype restFrom;
};
Cut CutPoint(const QString& line) {
    const qsizetype limit = kNoticeSummaryLength - kEllipsis.size();
    const qsizetype space = line.lastIndexOf(u' ', limit);
    if (space >= limit / 2)
        return {space, space + 1};
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, line);
    graphemes.setPosition(static_cast<int>(limit));
    const qsizetype boundary =
        graphemes.isAtBoundary() ? limit : std::max<qsizetype>(graphemes.toPreviousBoundary(), 0);
    return {boundary, boundary};
}

} // namespace

NoticeCapabilities NoticeCapabilities::FromAnnounced(const QStringList& capabilities) {
    NoticeCapabilities announced;
    announced.bodyMarkup = capabilities.contains(QLatin1String("body-markup"));
    announced.actions = capabilities.contains(QLatin1String("actions"));
    return announced;
}

NoticeText ComposeNoticeText(const QString& message, const QString& dueTime, bool bodyMarkup) {
    QStringList lines = Lines(message);
    while (!lines.isEmpty() && Blank(lines.front()))
        lines.removeFirst();
    while (!lines.isEmpty() && Blank(lines.back()))
        lines.removeLast();

    NoticeText text;
    QStringList body;
    if (lines.isEmpty()) {
        text.summary = QCoreApplication::translate("DesktopNotice", "Reminder");
    } else {
        const QString first = lines.takeFirst().trimmed();
        if (first.size() <= kNoticeSummaryLength) {
            text.summary = first;
        } else {
            const Cut cut = CutPoint(first);
            text.summary = first.left(cut.keepUpTo).trimmed() + kEllipsis;
            body << kEllipsis + first.mid(cut.restFrom);
        }
        // Blank lines between the summary and the rest say nothing on their own.
        while (body.isEmpty() && !lines.isEmpty() && Blank(lines.front()))
            lines.removeFirst();
        body << lines;
    }
    if (!dueTime.isEmpty())
        body << QCoreApplication::translate("DesktopNotice", "Due at %1").arg(Printable(dueTime));
    text.body = body.join(u'\n');
    if (bodyMarkup)
        text.body = text.body.toHtmlEscaped();
    return text;
}

QStringList NoticeActions(const NoticeCapabilities& capabilities) {
    QStringList actions;
    if (capabilities.actions)
        for (const ActionKey& action : kActions)
            actions << QLatin1String(action.key)
                    << QCoreApplication::translate("DesktopNotice", action.label);
    return actions;
}

std::optional<NoticeAnswer> AnswerOfAction(const QString& key) {
    for (const ActionKey& action : kActions)
        if (key == QLatin1String(action.key))
            return action.answer;
    return std::nullopt;
}

} // namespace nudgery

#pragma once
// What a desktop notification of a reminder says and offers, worked out without the bus:
// the summary and body made from the reminder's message, the escaping of the user's text for
// a server that reads markup, and the actions a server that shows buttons gets.

#include <QString>
#include <QStringList>
#include <optional>

namespace nudgery {

// The optional parts of the protocol that a notification server announced.
struct NoticeCapabilities {
    // The body is read as markup, so the user's text has to be escaped.
    bool bodyMarkup = false;
    // The server shows actions and reports the one the user chose.
    bool actions = false;

    static NoticeCapabilities FromAnnounced(const QStringList& capabilities);
};

// What the user answered through a desktop notification.
enum class NoticeAnswer {
    // Bring the program's own notification window forward.
    ShowWindow,
    // The same as the window's "Ok".
    Ok,
    // The same as the window's 5-minute button.
    Snooze5Minutes,
};

struct NoticeText {
    QString summary;
    QString body;
};

// The longest summary, in characters: a summary is one line in every server.
inline constexpr int kNoticeSummaryLength = 64;

// The summary is the message's first line that is not blank, cut to kNoticeSummaryLength at
// a word where one is near (what is cut off opens the body); the body is the rest of the
// message followed by "Due at " and `dueTime`. With `bodyMarkup`, the body's text is escaped
// so that the user's "<", ">" and "&" show as typed; the summary is plain text to every
// server. Control characters that no server shows are left out.
NoticeText ComposeNoticeText(const QString& message, const QString& dueTime, bool bodyMarkup);

// The actions of a notification, key then label for each; none when the server shows none.
QStringList NoticeActions(const NoticeCapabilities& capabilities);
// The answer that the action `key` stands for; nothing for a key the program never sent.
std::optional<NoticeAnswer> AnswerOfAction(const QString& key);

} // namespace nudgery

// What a desktop notification says, worked out without a bus: summary and body from the
// message, the user's text kept literal for a server that reads markup, and the actions.
#include "platform/desktop_notice.h"

#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <set>

namespace nudgery {
namespace {

const QString kEllipsis = QStringLiteral("\u2026");

// The text a markup reader sees in `markup`: an independent reading of the escaping.
QString MarkupText(const QString& markup) {
    QXmlStreamReader reader(QStringLiteral("<markup>") + markup + QStringLiteral("</markup>"));
    QString text;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::Characters)
            text += reader.text();
        else if (reader.isStartElement() && reader.name() != QLatin1String("markup"))
            return QStringLiteral("<element %1>").arg(reader.name());
    }
    return reader.hasError() ? QStringLiteral("<unreadable: %1>").arg(reader.errorString()) : text;
}

struct LinesCase {
    const char* what;
    QString message;
    QString summary;
    QString body;
};

TEST(DesktopNoticeText, SummaryIsTheFirstLineAndTheBodyTheRestThenTheDueTime) {
    const LinesCase cases[] = {
        {"one line", "Call Anna", "Call Anna", "Due at 9:05 AM"},
        {"line feeds", "Call Anna\nabout Friday\nand the keys", "Call Anna",
         "about Friday\nand the keys\nDue at 9:05 AM"},
        {"carriage returns", "Call Anna\rabout Friday", "Call Anna",
         "about Friday\nDue at 9:05 AM"},
        {"both", "Call Anna\r\nabout Friday\r\n", "Call Anna", "about Friday\nDue at 9:05 AM"},
        {"blank lines first", "\r\n  \r\nCall Anna", "Call Anna", "Due at 9:05 AM"},
        {"blank lines between", "Call Anna\n\n\nabout Friday", "Call Anna",
         "about Friday\nDue at 9:05 AM"},
        {"spaces round the first line", "   Call Anna  ", "Call Anna", "Due at 9:05 AM"},
        {"tabs and control characters", "Call\tAnna\x01\x1b\nab\x7fout", "Call Anna",
         "about\nDue at 9:05 AM"},
    };
    for (const LinesCase& c : cases) {
        const NoticeText text = ComposeNoticeText(c.message, QStringLiteral("9:05 AM"), false);
        EXPECT_EQ(text.summary, c.summary) << c.what;
        EXPECT_EQ(text.body, c.body) << c.what;
    }
}

TEST(DesktopNoticeText, AnEmptyMessageStillHasASummary) {
    for (const QString& message : {QString(), QStringLiteral(" \r\n\t\r\n")}) {
        const NoticeText text = ComposeNoticeText(message, QStringLiteral("9:05"), false);
        EXPECT_FALSE(text.summary.trimmed().isEmpty());
        EXPECT_EQ(text.body, QStringLiteral("Due at 9:05"));
    }
    EXPECT_EQ(ComposeNoticeText(QStringLiteral("Call Anna"), QString(), false).body, QString());
}

// A long first line: the summary keeps its beginning, the body opens with the rest, and
// nothing of the line is lost between them.
TEST(DesktopNoticeText, ALongFirstLineIsCutAtAWordAndGoesOnInTheBody) {
    const QString words = QStringLiteral("Take the blue folder with the contracts to the "
                                         "notary in Market Street before the office closes");
    const QString oneWord = QString(100, u'x');
    for (const QString& line : {words, oneWord}) {
        const NoticeText text =
            ComposeNoticeText(line + QStringLiteral("\nsecond"), QStringLiteral("9:05"), false);
        ASSERT_LE(text.summary.size(), kNoticeSummaryLength);
        ASSERT_TRUE(text.summary.endsWith(kEllipsis)) << text.summary.toStdString();
        const QStringList body = text.body.split(u'\n');
        ASSERT_EQ(body.size(), 3);
        ASSERT_TRUE(body[0].startsWith(kEllipsis));
        const QString kept = text.summary.chopped(1);
        const QString rest = body[0].mid(1);
        EXPECT_TRUE(line == kept + u' ' + rest || line == kept + rest)
            << text.summary.toStdString();
        EXPECT_EQ(body[1], QStringLiteral("second"));
    }
    // At a word, when there is one in the second half of the room.
    const NoticeText cut = ComposeNoticeText(words, QString(), false);
    EXPECT_TRUE(words.startsWith(cut.summary.chopped(1) + u' '));
    // Exactly the room: not cut.
    const QString full(kNoticeSummaryLength, u'y');
    EXPECT_EQ(ComposeNoticeText(full, QString(), false).summary, full);
}

TEST(DesktopNoticeText, ACutSplitsNoCharacter) {
    // An accented letter written as a letter and a combining mark, and a character outside
    // the basic plane written as a surrogate pair: both two code units, cut where the room
    // ends mid-character.
    const QString accented = QString(QStringLiteral("e\u0301")).repeated(60);
    const QString faces = QString(QStringLiteral("\U0001F600")).repeated(60);
    for (const QString& line : {accented, faces}) {
        const NoticeText text = ComposeNoticeText(line, QString(), false);
        const QString kept = text.summary.chopped(1);
        EXPECT_EQ(kept.size() % 2, 0) << "half a character kept";
        EXPECT_TRUE(line.startsWith(kept));
        EXPECT_EQ(kept + text.body.mid(1), line);
    }
}

TEST(DesktopNoticeText, MarkupInTheUsersTextArrivesLiterally) {
    const QString message =
        QStringLiteral("Pay <b>Tom</b> & Jerry\nsee <a href=\"http://x.invalid/?a=1&b=2\">this</a>"
                       " & <i>that</i> &amp; 3 < 4 > 2");
    const QString due = QStringLiteral("9:05 <PM>");
    const NoticeText markup = ComposeNoticeText(message, due, true);
    const NoticeText plain = ComposeNoticeText(message, due, false);
    // A markup reader finds the plain text again, and no element.
    EXPECT_EQ(MarkupText(markup.body), plain.body);
    EXPECT_TRUE(plain.body.contains(QStringLiteral("<a href=")));
    // The summary is plain text to every server, with or without markup in the body.
    EXPECT_EQ(markup.summary, QStringLiteral("Pay <b>Tom</b> & Jerry"));
    EXPECT_EQ(markup.summary, plain.summary);
}

TEST(DesktopNoticeActions, OfferedOnlyToAServerThatShowsThem) {
    EXPECT_TRUE(NoticeActions(NoticeCapabilities{true, false}).isEmpty());

    const QStringList actions = NoticeActions(NoticeCapabilities{false, true});
    ASSERT_EQ(actions.size() % 2, 0) << "keys and labels come in pairs";
    std::set<NoticeAnswer> answers;
    QStringList keys;
    for (qsizetype i = 0; i < actions.size(); i += 2) {
        keys << actions[i];
        EXPECT_FALSE(actions[i + 1].isEmpty()) << "no label for " << actions[i].toStdString();
        const auto answer = AnswerOfAction(actions[i]);
        ASSERT_TRUE(answer.has_value()) << actions[i].toStdString();
        answers.insert(*answer);
    }
    // Each answer once; a click on the notification itself shows the window.
    EXPECT_EQ(answers.size(), keys.size());
    EXPECT_EQ(answers,
              (std::set{NoticeAnswer::ShowWindow, NoticeAnswer::Ok, NoticeAnswer::Snooze5Minutes}));
    EXPECT_EQ(AnswerOfAction(QStringLiteral("default")), NoticeAnswer::ShowWindow);
    for (const char* foreign : {"", "OK", "snooze", "default "})
        EXPECT_FALSE(AnswerOfAction(QLatin1String(foreign)).has_value()) << foreign;
}

TEST(DesktopNoticeCapabilities, ReadFromTheServersList) {
    const struct {
        QStringList announced;
        bool markup;
        bool actions;
    } cases[] = {
        {{}, false, false},
        {{"body", "body-markup", "actions"}, true, true},
        {{"body", "body-hyperlinks", "persistence"}, false, false},
        {{"actions", "icon-static"}, false, true},
        {{"Body-Markup", "action"}, false, false},
    };
    for (const auto& c : cases) {
        const NoticeCapabilities read = NoticeCapabilities::FromAnnounced(c.announced);
        EXPECT_EQ(read.bodyMarkup, c.markup) << c.announced.join(' ').toStdString();
        EXPECT_EQ(read.actions, c.actions) << c.announced.join(' ').toStdString();
    }
}

} // namespace
} // namespace nudgery

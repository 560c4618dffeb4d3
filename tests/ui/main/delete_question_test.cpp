// The question before one reminder is deleted: it quotes the reminder's message, whole when
// short, otherwise its first line or its first words, and never a broken character.
#include "ui/main/DeleteQuestion.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

const QChar Ellipsis(0x2026);

// The text between the quotes of a question that names its reminder; empty otherwise.
QString Quoted(const QString& question) {
    static const QRegularExpression form(QStringLiteral("^Delete '(.*)'\\?$"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = form.match(question);
    return match.hasMatch() ? match.captured(1) : QString();
}

struct Named {
    const char* message;
    const char* quoted;
};

// Short messages are quoted as they are, with their blanks tidied; a message of several
// lines by its first line with words, marked as shortened when lines with words follow.
const Named kNamed[] = {
    {"Dentist at nine", "Dentist at nine"},
    {"  Dentist \t at  nine ", "Dentist at nine"},
    {"Dentist at nine\nBring the card", "Dentist at nine\u2026"},
    {"Dentist at nine\r\nBring the card", "Dentist at nine\u2026"},
    {"\n  \nDentist at nine", "Dentist at nine"},
    {"Dentist at nine\n\n  ", "Dentist at nine"},
    {"It's 'quoted' & <b>bold</b>", "It's 'quoted' & <b>bold</b>"},
};

TEST(DeleteQuestion, NamesTheReminderByItsMessage) {
    for (const Named& c : kNamed) {
        SCOPED_TRACE(c.message);
        const QString question = DeleteQuestion(QString::fromUtf8(c.message));
        EXPECT_EQ(Quoted(question), QString::fromUtf8(c.quoted)) << question.toStdString();
    }
}

TEST(DeleteQuestion, AReminderWithoutWordsIsThisReminder) {
    for (const char* message : {"", "   ", "\n\n", "\t \r\n "})
        EXPECT_EQ(DeleteQuestion(QString::fromLatin1(message)), "Delete this reminder?") << message;
}

// Long messages: the quote is the message's beginning, no longer than the limit, followed by
// the ellipsis; with words, it ends where a word ends and keeps most of the room.
TEST(DeleteQuestion, ALongMessageIsCutAtTheEndOfAWord) {
    const QString words = QStringLiteral("Take the car to the garage for its yearly check, and "
                                         "ask them about the noise in the back");
    ASSERT_GT(words.size(), DeleteQuestionQuoteLength);
    const QString quote = Quoted(DeleteQuestion(words));
    ASSERT_TRUE(quote.endsWith(Ellipsis)) << quote.toStdString();
    const QString kept = quote.chopped(1);
    EXPECT_TRUE(words.startsWith(kept));
    EXPECT_LE(kept.size(), DeleteQuestionQuoteLength);
    EXPECT_GE(kept.size(), DeleteQuestionQuoteLength / 2);
    EXPECT_EQ(words.at(kept.size()), ' ') << "cut inside a word: " << kept.toStdString();
}

TEST(DeleteQuestion, OneLongWordIsCutAtTheLimit) {
    const QString word(DeleteQuestionQuoteLength * 2, 'x');
    EXPECT_EQ(Quoted(DeleteQuestion(word)), QString(DeleteQuestionQuoteLength, 'x') + Ellipsis);
}

// A cut never falls between the halves of a character outside the basic plane, nor between
// a letter and its accent.
TEST(DeleteQuestion, ACutKeepsEveryCharacterWhole) {
    for (const QString& tail : {QStringLiteral("\U0001F9B7\U0001F9B7\U0001F9B7"),
                                QStringLiteral("e\u0301e\u0301e\u0301e\u0301")}) {
        for (int lead = DeleteQuestionQuoteLength - 4; lead <= DeleteQuestionQuoteLength; ++lead) {
            const QString message = QString(lead, 'y') + tail + QString(20, 'z');
            const QString kept = Quoted(DeleteQuestion(message)).chopped(1);
            SCOPED_TRACE(lead);
            ASSERT_TRUE(message.startsWith(kept));
            EXPECT_FALSE(kept.back().isHighSurrogate());
            EXPECT_NE(message.at(kept.size()), QChar(0x0301)) << "an accent cut off its letter";
        }
    }
}

} // namespace
} // namespace nudgery

// The help file that ships with the program, read by the real help window: the Help of
// every window opens a page of its own that starts with its heading at the top of the
// window, the contents list links every page, every link in the file leads somewhere, and
// a topic the file lacks shows the contents.
#include "platform/help_viewer.h"
#include "ui/editors/Editex.h"
#include "ui/editors/Editrep.h"
#include "ui/editors/Pref.h"
#include "ui/editors/Settd.h"
#include "ui/main/Main.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

// The topic that each window's Help opens.
constexpr int kTopics[] = {TMainForm::ContentsHelpTopic, TEditAlarmExact::HelpTopic,
                           TEditAlarmRepeating::HelpTopic, TSetTimeDialog::HelpTopic,
                           TPreferences::HelpTopic};

struct BlockInView {
    QTextBlock block;
    // How far below the top of the window's view it starts.
    qreal offset = 0;
};

// The first block that starts within the window's view.
BlockInView FirstBlockInView(const QTextBrowser& window) {
    const qreal top = window.verticalScrollBar()->value();
    const QAbstractTextDocumentLayout* layout = window.document()->documentLayout();
    for (QTextBlock block = window.document()->begin(); block.isValid(); block = block.next()) {
        const qreal y = layout->blockBoundingRect(block).top();
        if (y >= top - 0.5)
            return {block, y - top};
    }
    return {};
}

// The text from `heading` to the next heading of its level or higher.
QString PageText(QTextBlock heading) {
    const int level = heading.blockFormat().headingLevel();
    QString text;
    for (QTextBlock block = heading.next(); block.isValid(); block = block.next()) {
        const int other = block.blockFormat().headingLevel();
        if (other > 0 && other <= level)
            break;
        text += block.text() + '\n';
    }
    return text;
}

struct Links {
    QSet<QString> anchors;
    // Link targets within the file, without their '#'.
    QSet<QString> targets;
};

Links LinksIn(const QTextDocument& document) {
    Links links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
            const QTextCharFormat format = piece.fragment().charFormat();
            for (const QString& name : format.anchorNames())
                links.anchors.insert(name);
            if (format.anchorHref().startsWith('#'))
                links.targets.insert(format.anchorHref().mid(1));
        }
    return links;
}

class ShippedHelpFile : public ::testing::Test {
protected:
    HelpWindowViewer viewer{QStringLiteral(NUDGERY_HELP_FILE)};
};

TEST_F(ShippedHelpFile, EveryTopicOpensOnAPageOfItsOwnUnderItsHeading) {
    QSet<QString> headings;
    for (const int topic : kTopics) {
        SCOPED_TRACE(topic);
        viewer.ShowTopic(topic, nullptr);
        const QTextBrowser& window = *viewer.Window();
        ASSERT_EQ(window.source().fragment(), QString::number(topic));
        const BlockInView first = FirstBlockInView(window);
        ASSERT_TRUE(first.block.isValid());
        EXPECT_EQ(first.block.blockFormat().headingLevel(), 1) << first.block.text().toStdString();
        EXPECT_LT(first.offset, 24);
        headings.insert(first.block.text());
        // A page that says what the window's controls do, not a stub.
        EXPECT_GT(PageText(first.block).size(), 600);
    }
    EXPECT_EQ(headings.size(), static_cast<int>(std::size(kTopics)));
}

TEST_F(ShippedHelpFile, TheContentsLinkEveryTopicAndEveryLinkLeadsSomewhere) {
    viewer.ShowTopic(TMainForm::ContentsHelpTopic, nullptr);
    const Links links = LinksIn(*viewer.Window()->document());
    for (const int topic : kTopics) {
        if (topic != TMainForm::ContentsHelpTopic) {
            EXPECT_TRUE(links.targets.contains(QString::number(topic))) << topic;
        }
    }
    for (const QString& target : links.targets)
        EXPECT_TRUE(links.anchors.contains(target)) << target.toStdString();
}

// Where the first link to `target` is in the window's view.
QPoint LinkInView(const QTextBrowser& window, const QString& target) {
    for (QTextBlock block = window.document()->begin(); block.isValid(); block = block.next())
        for (auto piece = block.begin(); !piece.atEnd(); ++piece)
            if (piece.fragment().charFormat().anchorHref() == '#' + target) {
                QTextCursor cursor(window.document());
                cursor.setPosition(piece.fragment().position() + 1);
                return window.cursorRect(cursor).center();
            }
    return {-1, -1};
}

TEST_F(ShippedHelpFile, AClickOnAnEntryOfTheContentsOpensItsTopic) {
    for (const int topic : kTopics) {
        if (topic == TMainForm::ContentsHelpTopic)
            continue;
        SCOPED_TRACE(topic);
        viewer.ShowTopic(TMainForm::ContentsHelpTopic, nullptr);
        QTextBrowser& window = *viewer.Window();
        const QPoint link = LinkInView(window, QString::number(topic));
        ASSERT_TRUE(window.viewport()->rect().contains(link));
        QTest::mouseClick(window.viewport(), Qt::LeftButton, {}, link);
        EXPECT_EQ(window.source().fragment(), QString::number(topic));
        EXPECT_GT(window.verticalScrollBar()->value(), 0);
    }
}

TEST_F(ShippedHelpFile, ATopicTheFileLacksShowsTheContents) {
    viewer.ShowTopic(TPreferences::HelpTopic, nullptr);
    viewer.ShowTopic(4321, nullptr);
    const QTextBrowser& window = *viewer.Window();
    EXPECT_EQ(window.verticalScrollBar()->value(), 0);
    // The list of topics is in view.
    const QTextBlock contents =
        window.document()
            ->find(QStringLiteral("Contents"), 0,
                   QTextDocument::FindCaseSensitively | QTextDocument::FindWholeWords)
            .block();
    ASSERT_TRUE(contents.isValid());
    EXPECT_GT(contents.blockFormat().headingLevel(), 0);
    const QRectF where = window.document()->documentLayout()->blockBoundingRect(contents);
    EXPECT_LT(where.bottom(), window.viewport()->height());
}

} // namespace
} // namespace nudgery

#include "platform/help_viewer.h"
#include "support/recording_help.h"
#include "support/temp_folder.h"

#include <QAbstractTextDocumentLayout>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

// Two topics far apart, so the window must scroll to reach the second.
std::string TwoTopicHelp() {
    std::string html = "<html><body><h1><a name=\"1009\"></a>Main window</h1>";
    for (int i = 0; i < 200; ++i)
        html += "<p>Line " + std::to_string(i) + "</p>";
    html += "<h1><a name=\"1004\"></a>Editor</h1><p>Editor text</p>";
    for (int i = 0; i < 200; ++i)
        html += "<p>More " + std::to_string(i) + "</p>";
    return html + "</body></html>";
}

// Where the heading that holds `text` starts, in the window's visible area.
qreal HeadingTop(const QTextBrowser& window, const QString& text) {
    const QTextBlock heading = window.document()->find(text).block();
    return window.document()->documentLayout()->blockBoundingRect(heading).top() -
           window.verticalScrollBar()->value();
}

TEST(HelpWindowViewer, OpensAtTheTopicAndReusesOneWindow) {
    TempFolder folder;
    const QString helpFile = folder.Write("NUDGERY.HLP", TwoTopicHelp());
    HelpWindowViewer viewer(helpFile);
    EXPECT_EQ(viewer.Window(), nullptr);

    viewer.ShowTopic(1004, nullptr);
    QTextBrowser* window = viewer.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->source().fragment(), "1004");
    // The topic's heading is at the top, whole, with room above it.
    EXPECT_GT(HeadingTop(*window, "Editor"), 0);
    EXPECT_LT(HeadingTop(*window, "Editor"), 20);

    viewer.ShowTopic(1009, nullptr);
    EXPECT_EQ(viewer.Window(), window);
    EXPECT_EQ(window->source().fragment(), "1009");
    // The first topic opens at the top of the document.
    EXPECT_EQ(window->verticalScrollBar()->value(), 0);
}

TEST(HelpWindowViewer, MissingFileIsReportedInTheWindow) {
    TempFolder folder;
    const QString helpFile = HelpFileName(folder.Folder());
    HelpWindowViewer viewer(helpFile);
    viewer.ShowTopic(1009, nullptr);
    ASSERT_NE(viewer.Window(), nullptr);
    EXPECT_TRUE(viewer.Window()->isVisible());
    const QString text = viewer.Window()->toPlainText();
    EXPECT_TRUE(text.contains("cannot be found")) << text.toStdString();
    EXPECT_TRUE(text.contains(helpFile)) << text.toStdString();

    // Once the file is there the same window shows it.
    folder.Write("NUDGERY.HLP", TwoTopicHelp());
    viewer.ShowTopic(1009, nullptr);
    EXPECT_TRUE(viewer.Window()->toPlainText().contains("Main window"));
}

TEST(HelpWindowViewer, ATopicTheFileLacksShowsTheTopOfTheFile) {
    TempFolder folder;
    HelpWindowViewer viewer(folder.Write("NUDGERY.HLP", TwoTopicHelp()));
    viewer.ShowTopic(1004, nullptr);
    ASSERT_GT(viewer.Window()->verticalScrollBar()->value(), 0);
    viewer.ShowTopic(2987, nullptr);
    EXPECT_EQ(viewer.Window()->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(viewer.Window()->source().fragment().isEmpty());
    EXPECT_FALSE(viewer.Window()->toPlainText().contains("cannot be found"));
}

// A folder of a build, or an installed tree: bin/ and share/nudgery/ under one prefix.
struct HelpPlace {
    const char* name;
    bool besideTheProgram;
    bool inShare;
    // The one in share/nudgery/ is taken; otherwise the one beside the program, also when
    // it is missing, so that the help window names it.
    bool takesShare;
};
void PrintTo(const HelpPlace& place, std::ostream* out) {
    *out << place.name;
}

class HelpFileOfTheProgram : public ::testing::TestWithParam<HelpPlace> {};

TEST_P(HelpFileOfTheProgram, IsFoundBesideItElseInShare) {
    const HelpPlace& place = GetParam();
    TempFolder prefix;
    ASSERT_TRUE(QDir(prefix.Folder()).mkpath("bin"));
    ASSERT_TRUE(QDir(prefix.Folder()).mkpath("share/nudgery"));
    const QString beside = prefix.Path("bin/NUDGERY.HLP");
    const QString inShare = prefix.Path("share/nudgery/NUDGERY.HLP");
    if (place.besideTheProgram)
        prefix.Write("bin/NUDGERY.HLP", "<html></html>");
    if (place.inShare)
        prefix.Write("share/nudgery/NUDGERY.HLP", "<html></html>");
    const QString expected = place.takesShare ? inShare : beside;
    EXPECT_EQ(FindHelpFile(prefix.Path("bin")), expected);
    // The program's folder as the system gives it, with a separator at its end.
    EXPECT_EQ(FindHelpFile(prefix.Path("bin") + '/'), expected);
}

INSTANTIATE_TEST_SUITE_P(, HelpFileOfTheProgram,
                         ::testing::Values(HelpPlace{"Build", true, false, false},
                                           HelpPlace{"Installed", false, true, true},
                                           HelpPlace{"BothPrefersTheOneBeside", true, true, false},
                                           HelpPlace{"NeitherNamesTheOneBeside", false, false,
                                                     false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HelpWindowViewer, TheShippedHelpFileHasTheMainWindowTopic) {
    HelpWindowViewer viewer(QStringLiteral(NUDGERY_HELP_FILE));
    viewer.ShowTopic(1009, nullptr);
    const QString text = viewer.Window()->toPlainText();
    EXPECT_TRUE(text.contains("Repeat Reminders"));
    EXPECT_TRUE(text.contains("NUDGERY.INI"));
    EXPECT_FALSE(text.contains("cannot be found"));
}

TEST(HelpWindowViewer, TheShippedHelpFileHasThePreferencesTopic) {
    QFile file(QStringLiteral(NUDGERY_HELP_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray html = file.readAll();
    EXPECT_TRUE(html.contains("<a name=\"1015\"></a>Preferences"));

    HelpWindowViewer viewer(QStringLiteral(NUDGERY_HELP_FILE));
    viewer.ShowTopic(1015, nullptr);
    EXPECT_TRUE(viewer.Window()->toPlainText().contains("Animate Tray Icon"));
    // The topic is the last one, far down the page.
    EXPECT_TRUE(QTest::qWaitFor([&] { return viewer.Window()->verticalScrollBar()->value() > 0; }));
}

TEST(HelpWindowViewer, OneTitleAndTextClearOfTheEdges) {
    TempFolder folder;
    HelpWindowViewer viewer(folder.Write("NUDGERY.HLP", TwoTopicHelp()));
    viewer.ShowTopic(1009, nullptr);
    QTextBrowser& window = *viewer.Window();
    EXPECT_EQ(window.windowTitle(), "Nudgery! Help");
    // The first heading starts well inside the window, not against its left edge.
    const QTextBlock heading = window.document()->find("Main window").block();
    const QRectF box = window.document()->documentLayout()->blockBoundingRect(heading);
    EXPECT_GE(box.left(), 10);
    window.grab().save(QStringLiteral(QT_TESTCASE_BUILDDIR "/help_window.png")); // to look at
}

TEST(HelpWindowViewer, OpensCentredOnTheWindowAskingAndEscapeClosesIt) {
    TempFolder folder;
    HelpWindowViewer viewer(folder.Write("NUDGERY.HLP", TwoTopicHelp()));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget opener;
    opener.resize(300, 200);
    opener.move(screen.center() - QPoint(150, 100) + QPoint(30, 0));
    opener.show();
    viewer.ShowTopic(1009, &opener);
    QTextBrowser& window = *viewer.Window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // Placed before it is shown, when the frame the desktop adds is not known yet.
    const QPoint frame(window.frameGeometry().width() - window.width(),
                       window.frameGeometry().height() - window.height());
    const QPoint off = window.frameGeometry().center() - opener.frameGeometry().center();
    EXPECT_LE(std::abs(off.x()), 1 + frame.x() / 2) << off.x();
    EXPECT_LE(std::abs(off.y()), 1 + frame.y() / 2) << off.y();

    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());

    // Against the screen's edge it stays whole on the screen, as near the window as it can.
    opener.move(screen.topLeft());
    viewer.ShowTopic(1004, &opener);
    EXPECT_TRUE(screen.contains(window.frameGeometry()));
    EXPECT_EQ(window.frameGeometry().topLeft(), screen.topLeft());
    EXPECT_LE(window.frameGeometry().height(), screen.height());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    window.close();

    // Over a window that stays on top, it stays on top too, not hidden behind that window.
    QWidget topmost(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    topmost.show();
    viewer.ShowTopic(1009, &topmost);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window.isVisible());
    viewer.ShowTopic(1009, &opener);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    window.close();
}

TEST(HelpKey, F1InAWindowShowsItsTopicOverIt) {
    testing::RecordingHelp help;
    QWidget window;
    auto* child = new QLineEdit(&window);
    BindHelpKey(window, help, 2986);
    child->setFocus();
    testing::PressHelpKey(window);
    EXPECT_EQ(help.topics, std::vector<int>{2986});
    EXPECT_EQ(help.openers, std::vector<QWidget*>{&window});
}

TEST(HelpWindowViewer, HelpAskedForFromAModalDialogCanBeUsed) {
    TempFolder folder;
    HelpWindowViewer viewer(folder.Write("NUDGERY.HLP", TwoTopicHelp()));
    QDialog dialog;
    Qt::WindowModality fromDialog = Qt::NonModal;
    QTimer::singleShot(0, &dialog, [&] {
        viewer.ShowTopic(1004, nullptr);
        fromDialog = viewer.Window()->windowModality();
        viewer.Window()->close();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(fromDialog, Qt::ApplicationModal);

    // From the main window the help stays open beside it.
    viewer.ShowTopic(1009, nullptr);
    EXPECT_EQ(viewer.Window()->windowModality(), Qt::NonModal);
    EXPECT_TRUE(viewer.Window()->isVisible());
}

} // namespace
} // namespace nudgery

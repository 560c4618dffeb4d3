// Where the main window and its dialogs go, and the placement kept in the settings file.
#include "main_form_fixture.h"
#include "platform/profile_file.h"

#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace nudgery::testing {
namespace {

using Placement = MainFormTest;

// Whether `inner`'s centre is `outer`'s, give or take the pixel that odd sizes leave over
// and `slack`.
::testing::AssertionResult CentredOn(const QRect& inner, const QRect& outer, QSize slack = {}) {
    const QPoint off = inner.center() - outer.center();
    if (std::abs(off.x()) <= 1 + slack.width() && std::abs(off.y()) <= 1 + slack.height())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "centre off by " << off.x() << ", " << off.y();
}

void WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

TEST_F(Placement, StoredRightBeyondTheScreenMovesTheWindowLeft) {
    screen = FixedScreen(QRect(0, 0, 1024, 768), 96);
    WriteText(Folder() + "NUDGERY.INI",
              "[TMainForm_Placement]\nLeft=800\nTop=100\nRight=1400\nBottom=500\n"
              "Maximized=0\n");
    TMainForm& f = Make();
    f.FormActivate();
    EXPECT_EQ(f.geometry(), QRect(800 - 376, 100, 600, 400));
    EXPECT_FALSE(f.isMaximized());
    // The restored placement is written back at once.
    const ProfileFile ini(Folder() + "NUDGERY.INI");
    EXPECT_EQ(ini.ReadInteger("TMainForm_Placement", "Right", 0), 1024);
    EXPECT_EQ(ini.ReadInteger("TMainForm_Placement", "Left", 0), 424);
}

TEST_F(Placement, StoredBottomBeyondTheScreenMovesTheWindowUp) {
    screen = FixedScreen(QRect(0, 0, 1024, 768), 96);
    WriteText(Folder() + "NUDGERY.INI",
              "[TMainForm_Placement]\nLeft=-20\nTop=600\nRight=580\nBottom=1000\n");
    TMainForm& f = Make();
    f.FormActivate();
    // Left is not clamped; the bottom is.
    EXPECT_EQ(f.geometry(), QRect(-20, 600 - 232, 600, 400));
}

TEST_F(Placement, BottomOfZeroMeansNothingStored) {
    WriteText(Folder() + "NUDGERY.INI",
              "[TMainForm_Placement]\nLeft=5\nTop=6\nRight=700\nBottom=0\n");
    TMainForm& f = Make();
    f.FormActivate();
    // Centred before it is shown, when the frame the desktop adds is not known yet.
    const QSize frame = f.frameGeometry().size() - f.size();
    EXPECT_TRUE(CentredOn(f.frameGeometry(), QRect(0, 0, 1280, 1024), frame / 2));
}

TEST_F(Placement, StoredMaximizedMaximizes) {
    WriteText(Folder() + "NUDGERY.INI",
              "[TMainForm_Placement]\nLeft=10\nTop=20\nRight=710\nBottom=520\nMaximized=1\n");
    TMainForm& f = Make();
    f.FormActivate();
    EXPECT_TRUE(f.isMaximized());
    ASSERT_TRUE(f.close());
    const ProfileFile ini(Folder() + "NUDGERY.INI");
    EXPECT_TRUE(ini.ReadBool("TMainForm_Placement", "Maximized", false));
    // The normal rectangle is kept while maximised.
    EXPECT_EQ(ini.ReadInteger("TMainForm_Placement", "Right", 0), 710);
}

TEST_F(Placement, EachResolutionKeepsItsOwnSection) {
    WriteText(Folder() + "NUDGERY.INI", "; hand-written\n[TMainForm_Placement]\nLeft=1\nTop=2\n"
                                        "Right=603\nBottom=404\nMaximized=0\n");
    screen = FixedScreen(QRect(0, 0, 1280, 1024), 120);
    TMainForm& f = Make();
    f.FormActivate(); // nothing stored at 120: centred
    f.setGeometry(50, 60, 650, 450);
    f.close();
    const ProfileFile ini(Folder() + "NUDGERY.INI");
    EXPECT_EQ(ini.ReadInteger("TMainForm_Placement120", "Left", 0), 50);
    EXPECT_EQ(ini.ReadInteger("TMainForm_Placement120", "Bottom", 0), 510);
    EXPECT_EQ(ini.ReadInteger("TMainForm_Placement", "Left", 0), 1);
    EXPECT_EQ(ini.ReadInteger("TMainForm_Placement", "Bottom", 0), 404);
}

TEST_F(Placement, ClosingSavesThePlacement) {
    TMainForm& f = Make();
    f.FormActivate();
    f.setGeometry(30, 40, 620, 410);
    ASSERT_TRUE(f.close());
    const ProfileFile ini(Folder() + "NUDGERY.INI");
    EXPECT_EQ(ini.ReadInteger("TMainForm_Placement", "Left", 0), 30);
    EXPECT_EQ(ini.ReadInteger("TMainForm_Placement", "Top", 0), 40);
    EXPECT_EQ(ini.ReadInteger("TMainForm_Placement", "Right", 0), 650);
    EXPECT_EQ(ini.ReadInteger("TMainForm_Placement", "Bottom", 0), 450);
}

TEST_F(Placement, DialogsCentreOverTheMainWindowOrTheScreen) {
    TMainForm& f = Make();
    f.FormActivate();
    f.setGeometry(900, 700, 600, 400); // partly off the 1280 x 1024 screen
    QDialog dialog(&f);
    dialog.resize(200, 100);
    f.CenterForm(dialog);
    EXPECT_TRUE(CentredOn(dialog.frameGeometry(), f.frameGeometry()));
    EXPECT_GT(dialog.frameGeometry().right(), 1280) << "follows the window off the screen";

    f.showMaximized();
    ASSERT_TRUE(f.isMaximized());
    f.CenterForm(dialog);
    EXPECT_TRUE(CentredOn(dialog.frameGeometry(), QRect(0, 0, 1280, 1024)));
}

TEST_F(Placement, PopupMenuOpensBelowTheButton) {
    TMainForm& f = Make();
    Append(AlarmGrid(f), OneTime("a", TestNow()));
    f.FormActivate();
    f.move(0, 0); // well inside the real screen, so the menu is not pushed back onto it
    auto& button = Find<QPushButton>(f, "AdjustTimeButton");
    auto& menu = Find<QMenu>(f, "AdjustItemTimeMenu");
    button.click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return menu.isVisible(); }));
    EXPECT_EQ(menu.pos(), button.mapToGlobal(QPoint(0, button.height())));
    menu.hide();
}

} // namespace
} // namespace nudgery::testing

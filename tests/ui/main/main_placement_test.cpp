// Where the main window and its dialogs go, and the placement kept in the settings file.
#include "main_form_fixture.h"
#include "platform/profile_file.h"
#include "ui/main/MainTabSet.h"

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

// Whether the columns of `grid` end 5 pixels short of its right edge, as its first column
// takes up the slack.
::testing::AssertionResult ColumnsReachTheEdge(const TClickableStringGrid& grid) {
    int sum = 0;
    for (int col = 0; col < grid.ColCount(); ++col)
        sum += grid.ColWidth(col);
    if (sum == grid.ClientWidth() - 5)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << grid.objectName().toStdString() << ": columns end at "
                                         << sum << " in " << grid.ClientWidth() << " pixels";
}

TEST_F(Placement, TheListsReachTheirRightEdgeWhateverTheWindowsSize) {
    WriteText(Folder() + "NUDGERY.INI",
              "[TMainForm_Placement]\nLeft=100\nTop=80\nRight=1000\nBottom=600\n");
    TMainForm& f = Make();
    f.FormActivate();
    ASSERT_EQ(f.width(), 900);
    EXPECT_TRUE(ColumnsReachTheEdge(AlarmGrid(f))) << "restored";

    auto& tabs = Find<TTabSet>(f, "TabSet");
    tabs.setCurrentIndex(1);
    EXPECT_TRUE(ColumnsReachTheEdge(RepeatingAlarmGrid(f))) << "page first shown";

    f.showMaximized();
    // The test screen is smaller than the window: maximised, it narrows.
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.width() != 900; }));
    EXPECT_TRUE(ColumnsReachTheEdge(RepeatingAlarmGrid(f))) << "maximised";
    tabs.setCurrentIndex(0);
    EXPECT_TRUE(ColumnsReachTheEdge(AlarmGrid(f))) << "other page after maximising";

    f.showNormal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.width() == 900; }));
    EXPECT_TRUE(ColumnsReachTheEdge(AlarmGrid(f))) << "restored again";
}

TEST_F(Placement, TheWindowCannotBeMadeSmallerThanItsDesignButLarger) {
    TMainForm& f = Make();
    f.FormActivate();
    const QSize design = f.size();
    EXPECT_EQ(design.width(), 599);
    f.resize(300, 200);
    EXPECT_EQ(f.size(), design);
    // Every button stays whole inside the window.
    for (const QPushButton* button : f.findChildren<QPushButton*>())
        EXPECT_TRUE(f.rect().contains(QRect(button->mapTo(&f, QPoint(0, 0)), button->size())))
            << button->objectName().toStdString();
    f.resize(800, 600);
    EXPECT_EQ(f.size(), QSize(800, 600));
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

// Where the desktop places the windows (Wayland): the size is restored and kept, the
// position the program cannot know is never written, and a size the desktop's layout gave
// the window as it showed it is not taken for the user's.
class PlacedByTheDesktop : public MainFormTest {
protected:
    PlacedByTheDesktop() { screen.SetProgramsPlaceWindows(false); }

    // The window shown, its first picture on the screen; `laidOut` stands for the desktop
    // giving it a size of its own before that.
    TMainForm& ShowWindow(std::optional<QSize> laidOut = std::nullopt) {
        desktopNotices.prepared = 0;
        TMainForm& f = Make();
        f.FormActivate();
        if (laidOut)
            f.resize(*laidOut);
        EXPECT_TRUE(QTest::qWaitFor([&] { return desktopNotices.prepared > 0; }))
            << "the window was never on the screen";
        return f;
    }
    QRect Kept() const {
        const ProfileFile ini(Folder() + "NUDGERY.INI");
        const auto key = [&](const char* name) {
            return ini.ReadInteger("TMainForm_Placement", name, -1);
        };
        return QRect(QPoint(key("Left"), key("Top")),
                     QPoint(key("Right"), key("Bottom")) - QPoint(1, 1));
    }
};

TEST_F(PlacedByTheDesktop, TheSizeIsRestoredAndThePositionStoredIsKept) {
    WriteText(Folder() + "NUDGERY.INI",
              "[TMainForm_Placement]\nLeft=100\nTop=50\nRight=800\nBottom=550\n");
    TMainForm& f = ShowWindow();
    EXPECT_EQ(f.size(), QSize(700, 500));
    // Wherever the platform says the window is, and however the user made it larger.
    f.move(0, 0);
    clock.SetTickCount(clock.TickCount() + 60000);
    f.resize(750, 520);
    ASSERT_TRUE(f.close());
    EXPECT_EQ(Kept(), QRect(100, 50, 750, 520));
}

TEST_F(PlacedByTheDesktop, NothingStoredGivesTheCentreOfTheScreenNotAPositionOfZero) {
    TMainForm& f = ShowWindow();
    f.move(0, 0);
    ASSERT_TRUE(f.close());
    const QRect kept = Kept();
    EXPECT_EQ(kept.size(), f.size());
    EXPECT_TRUE(CentredOn(kept, QRect(0, 0, 1280, 1024)));
}

TEST_F(PlacedByTheDesktop, ASizeTheDesktopsLayoutGaveTheWindowIsNotKept) {
    for (const bool stored : {true, false}) {
        SCOPED_TRACE(stored ? "a placement stored" : "nothing stored");
        WriteText(Folder() + "NUDGERY.INI",
                  stored ? "[TMainForm_Placement]\nLeft=100\nTop=50\nRight=800\nBottom=550\n" : "");
        TMainForm& f = ShowWindow(QSize(1020, 741));
        const QSize asked = stored ? QSize(700, 500) : QSize(599, f.minimumHeight());
        ASSERT_TRUE(f.close());
        EXPECT_EQ(Kept().size(), asked);
        form.reset();
    }
}

TEST_F(PlacedByTheDesktop, TheLayoutComesAMomentAfterTheFirstPictureAndTheUserLater) {
    WriteText(Folder() + "NUDGERY.INI",
              "[TMainForm_Placement]\nLeft=100\nTop=50\nRight=800\nBottom=550\n");
    const struct {
        const char* what;
        std::uint32_t afterMs;
        QSize kept;
    } cases[] = {
        {"the desktop's layout as it maps the window", 300, {700, 500}},
        {"the user, seconds later", 5000, {900, 640}},
    };
    for (const auto& c : cases) {
        clock.SetTickCount(1000);
        TMainForm& f = ShowWindow();
        clock.SetTickCount(1000 + c.afterMs);
        f.resize(900, 640);
        ASSERT_TRUE(f.close());
        EXPECT_EQ(Kept().size(), c.kept) << c.what;
        WriteText(Folder() + "NUDGERY.INI",
                  "[TMainForm_Placement]\nLeft=100\nTop=50\nRight=800\nBottom=550\n");
    }
}

TEST_F(PlacedByTheDesktop, WhereProgramsPlaceWindowsAllOfItIsKept) {
    screen.SetProgramsPlaceWindows(true);
    TMainForm& f = ShowWindow(QSize(1020, 741));
    f.setGeometry(30, 40, 1020, 741);
    ASSERT_TRUE(f.close());
    EXPECT_EQ(Kept(), QRect(30, 40, 1020, 741));
}

} // namespace
} // namespace nudgery::testing

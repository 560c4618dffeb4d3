// What a screen reader is told of the controls the program draws itself: the grid's cells,
// headers and marks, and the graphic panel as a label or as a choice.
#include "support/accessible_events.h"
#include "ui/controls/Clicksg.h"
#include "ui/controls/Graphp.h"

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

QString Name(QAccessibleInterface* node) {
    return node ? node->text(QAccessible::Name) : QStringLiteral("(none)");
}

// A grid whose owner gives each cell a text of its own, unlike the stored one, and a mark
// in the last column.
class AccessibleGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetColCount(3);
        grid.SetHeaderStrings({"One", "Two", "Three"});
        for (int row = 1; row <= 2; ++row) {
            grid.AddRow();
            grid.SetObject(row, std::make_unique<TReminder>());
            grid.SetCell(0, row, "stored");
        }
        grid.OnGetCellFormat = [](TClickableStringGrid&, int col, int row, TGridDrawState,
                                  TFormatOptions& options) {
            options.Text = QStringLiteral("shown %1,%2").arg(col).arg(row);
            if (col == 2) {
                // Row 1 is marked; row 2 has words for a mark that is not drawn.
                options.MarkColor = row == 1 ? QColor(Qt::red) : QColor(Qt::white);
                options.MarkText = QStringLiteral("Red mark");
            }
        };
        grid.OnGetHeaderCellFormat = [](TClickableStringGrid&, int col, int, TGridDrawState,
                                        TFormatOptions& options) {
            if (col == 1)
                options.Text = QStringLiteral("Renamed");
        };
        grid.resize(400, 200);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }
    QAccessibleTableInterface& Table() {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&grid);
        EXPECT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::Table);
        return *iface->tableInterface();
    }

    TClickableStringGrid grid;
};

TEST_F(AccessibleGridTest, CellsAreReadAsTheOwnerShowsThemWithTheirMarksInWords) {
    QAccessibleTableInterface& table = Table();
    ASSERT_EQ(table.rowCount(), 2) << "the header is no row of the list";
    ASSERT_EQ(table.columnCount(), 3);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col) {
            SCOPED_TRACE(::testing::Message() << "col " << col << " row " << row);
            QAccessibleInterface* cell = table.cellAt(row, col);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->role(), QAccessible::Cell);
            EXPECT_EQ(Name(cell), QStringLiteral("shown %1,%2").arg(col).arg(row + 1));
            const bool marked = col == 2 && row == 0;
            EXPECT_EQ(cell->text(QAccessible::Description), marked ? "Red mark" : "")
                << "the words of a mark go with a mark that is drawn";
        }
}

TEST_F(AccessibleGridTest, EachColumnIsHeadedByTheHeaderTheGridDraws) {
    QAccessibleTableInterface& table = Table();
    const QStringList expected = {"One", "Renamed", "Three"};
    for (int col = 0; col < 3; ++col) {
        QAccessibleTableCellInterface* cell = table.cellAt(1, col)->tableCellInterface();
        ASSERT_NE(cell, nullptr);
        const QList<QAccessibleInterface*> headers = cell->columnHeaderCells();
        ASSERT_EQ(headers.size(), 1);
        // Handed to Qt's cache, as its AT-SPI bridge does, which then owns it.
        QAccessible::uniqueId(headers[0]);
        EXPECT_EQ(headers[0]->role(), QAccessible::ColumnHeader);
        EXPECT_EQ(Name(headers[0]), expected[col]);
    }
}

TEST_F(AccessibleGridTest, TheSelectedRowIsTheOneReadAsSelectedAndMovingItMovesTheFocus) {
    testing::RecordedAccessibleEvents events;
    grid.setFocus();
    grid.SetRow(2);
    QAccessibleTableInterface& table = Table();
    EXPECT_TRUE(table.cellAt(1, 0)->state().selected);
    EXPECT_FALSE(table.cellAt(0, 0)->state().selected);
    EXPECT_EQ(table.selectedRows(), QList<int>{1});

    grid.SetRow(1);
    const auto focus = events.OfType(QAccessible::Focus);
    ASSERT_FALSE(focus.empty());
    EXPECT_EQ(focus.back().object, &grid);
    EXPECT_EQ(focus.back().name, "shown 0,1") << "the screen reader hears the row moved to";
}

TEST(AccessiblePanelTest, APanelIsReadAsALabelByItsCaptionUnlessNamedOtherwise) {
    TGraphicPanel panel;
    panel.SetCaption("10:15:00am");
    panel.setToolTip("The time of day");
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&panel);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::StaticText);
    EXPECT_EQ(Name(iface), "10:15:00am");
    EXPECT_EQ(iface->text(QAccessible::Description), "The time of day");
    EXPECT_FALSE(iface->state().checkable);
    EXPECT_FALSE(iface->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));

    panel.setAccessibleName("Two in the afternoon");
    EXPECT_EQ(Name(iface), "Two in the afternoon");
}

TEST(AccessiblePanelTest, APickablePanelIsAChoiceCheckedWhilePickedAndPressedLikeAClick) {
    TGraphicPanel panel;
    panel.SetCaption("2");
    panel.SetPickable(true);
    QSignalSpy clicks(&panel, &TGraphicPanel::Click);
    testing::RecordedAccessibleEvents events;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&panel);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::RadioButton);
    EXPECT_TRUE(iface->state().checkable);
    EXPECT_TRUE(iface->state().focusable);
    EXPECT_FALSE(iface->state().checked);

    panel.SetPicked(true);
    EXPECT_TRUE(iface->state().checked);
    const auto changes = events.OfType(QAccessible::StateChanged);
    ASSERT_EQ(changes.size(), 1u) << "the screen reader hears of the pick";
    EXPECT_TRUE(changes[0].changed.checked);
    panel.SetPicked(true);
    EXPECT_EQ(events.OfType(QAccessible::StateChanged).size(), 1u) << "no news, no event";

    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(&panel, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 2) << "Space clicks a pickable panel";
    QTest::keyClick(&panel, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 2) << "Enter is left to the dialog's default button";

    panel.setEnabled(false);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 2) << "a disabled panel is not pressed";
}

TEST(AccessiblePanelTest, AFocusedPanelShowsTheFocusInTheCaptionsColourEvenWhenHighlighted) {
    QWidget window;
    window.resize(100, 60);
    // Takes the focus first, as the window opens.
    auto* before = new QLineEdit(&window);
    before->setGeometry(40, 10, 50, 20);
    auto* panel = new TGraphicPanel(&window);
    panel->setGeometry(10, 10, 24, 19);
    panel->SetPickable(true);
    panel->SetColor(QColor(0, 0, 200));
    panel->SetFont({panel->font(), QColor(255, 255, 0)});
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The caption is empty: every caption-coloured pixel is the focus line's.
    const auto captionColoured = [&] {
        const QImage image = panel->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == QColor(255, 255, 0);
        return count;
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return before->hasFocus(); }));
    EXPECT_EQ(captionColoured(), 0);
    panel->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->hasFocus(); }));
    EXPECT_GT(captionColoured(), 20) << "a dotted line around the caption";
}

} // namespace
} // namespace nudgery

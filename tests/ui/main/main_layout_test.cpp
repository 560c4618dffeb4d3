// The main window's layout follows its size: the bars run along its whole width and its
// bottom edge, the controls at their right end keep to the window's right edge, and the
// lists show every column's texts whole without scrolling sideways.
#include "main_form_fixture.h"
#include "ui/controls/Graphp.h"
#include "ui/main/MainTabSet.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace nudgery::testing {
namespace {

class MainLayout : public MainFormTest {
protected:
    // Where a control lies in the window.
    static QRect InWindow(const TMainForm& f, const QWidget& control) {
        return {control.mapTo(&f, QPoint(0, 0)), control.size()};
    }
    // Shows `f` at the size `resize` gives it and lets it lay itself out.
    static void Size(TMainForm& f, const std::function<void()>& resize) {
        const QSize before = f.size();
        resize();
        ASSERT_TRUE(QTest::qWaitFor([&] { return f.size() != before; }));
        QApplication::processEvents();
    }
    // The texts of `grid` (the header's too) that its columns cut off, once it is drawn.
    static QStringList CutTexts(TClickableStringGrid& grid) {
        grid.grab();
        QApplication::processEvents();
        QStringList cut;
        for (int row = 0; row < grid.RowCount(); ++row)
            for (int col = 0; col < grid.ColCount(); ++col) {
                const QRect cell(0, 0, grid.ColWidth(col) - 1,
                                 TClickableStringGrid::DefaultRowHeight);
                const TCellDrawing d = grid.PlanCell(col, row, cell, {});
                const int right =
                    d.TextRect.left() + QFontMetrics(d.Options.Font.Face).horizontalAdvance(d.Text);
                if (right > cell.right())
                    cut << QStringLiteral("%1 (needs %2, has %3)")
                               .arg(d.Text)
                               .arg(right)
                               .arg(cell.right());
            }
        return cut;
    }
};

TEST_F(MainLayout, TheBarsFollowTheWindowsSize) {
    TMainForm& f = Make();
    f.show();
    const auto& clock = Find<TGraphicPanel>(f, "TimePanel");
    const auto& exit = Find<QPushButton>(f, "Exitbutton");
    const auto& minimize = Find<QPushButton>(f, "Minimizebutton");
    const auto& bottomBar = Find<QWidget>(f, "Panel4");
    const auto& topBar = Find<QWidget>(f, "Panel1");
    // At the size of the design, as the design has them.
    const int clockGap = f.width() - InWindow(f, clock).right();
    const int exitGap = f.width() - InWindow(f, exit).right();
    EXPECT_EQ(InWindow(f, clock).left(), 519);
    EXPECT_EQ(InWindow(f, exit).left(), 511);
    const QPoint minimizeAt = InWindow(f, minimize).topLeft() - QPoint(0, f.height());

    const std::pair<const char*, std::function<void()>> sizes[] = {
        {"larger", [&] { f.resize(900, 640); }},
        {"maximised", [&] { f.showMaximized(); }},
        {"restored", [&] { f.showNormal(); }},
    };
    for (const auto& [name, resize] : sizes) {
        SCOPED_TRACE(name);
        Size(f, resize);
        // Along the whole bottom edge and the whole width.
        EXPECT_EQ(InWindow(f, bottomBar).bottom(), f.height() - 1);
        EXPECT_EQ(InWindow(f, bottomBar).width(), f.width());
        EXPECT_EQ(InWindow(f, topBar).width(), f.width());
        EXPECT_EQ(InWindow(f, topBar).top(), f.menuBar()->height());
        // The clock and Exit at the right edge, Minimize at the bottom left.
        EXPECT_EQ(f.width() - InWindow(f, clock).right(), clockGap);
        EXPECT_EQ(f.width() - InWindow(f, exit).right(), exitGap);
        EXPECT_EQ(InWindow(f, minimize).topLeft() - QPoint(0, f.height()), minimizeAt);
    }
}

TEST_F(MainLayout, NeitherListScrollsSidewaysAtAnySize) {
    TMainForm& f = Make();
    auto& tabs = Find<TTabSet>(f, "TabSet");
    f.show();
    const auto scrollsSideways = [&](TClickableStringGrid& grid) {
        grid.grab();
        QApplication::processEvents();
        return grid.horizontalScrollBar()->isVisible();
    };
    for (const bool filled : {false, true}) {
        if (filled) {
            for (int i = 0; i < 30; ++i) {
                Append(AlarmGrid(f), OneTime("a reminder", TestNow() + i));
                Append(RepeatingAlarmGrid(f), Daily("a repeating reminder", EncodeTime(8, 0), 45));
            }
            MainFormAccess(f).SetButtons();
        }
        for (const int page : {0, 1}) {
            tabs.setCurrentIndex(page);
            TClickableStringGrid& grid = page == 0 ? AlarmGrid(f) : RepeatingAlarmGrid(f);
            SCOPED_TRACE(grid.objectName().toStdString() + (filled ? ", full" : ", empty"));
            EXPECT_FALSE(scrollsSideways(grid)) << "at the design's size";
            Size(f, [&] { f.resize(f.width() + 200, f.height()); });
            EXPECT_FALSE(scrollsSideways(grid)) << "wider";
            Size(f, [&] { f.resize(f.minimumSize()); });
        }
    }
}

TEST_F(MainLayout, EveryColumnShowsItsTextsWhole) {
    TMainForm& f = Make();
    Append(AlarmGrid(f), OneTime("Dentist", EncodeDate(2024, 12, 27) + EncodeTime(10, 0)));
    Append(AlarmGrid(f), OneTime("Call back", TestNow() + EncodeTime(2, 0), StatusNotToday));
    // Every 45 minutes until 8:00pm, due later today; and one not due today.
    Append(RepeatingAlarmGrid(f), Daily("Stretch", EncodeTime(8, 0), 45));
    Append(RepeatingAlarmGrid(f), TReminder::CreateRepeating(KindRepeating, EncodeTime(9, 0), false,
                                                             0, "6", 0, "Bins", "", EventShowOnly));
    for (int row = 1; row < RepeatingAlarmGrid(f).RowCount(); ++row)
        RepeatingAlarmGrid(f).Object(row)->ScheduleTodayAfresh(clock);
    f.FormActivate();
    auto& tabs = Find<TTabSet>(f, "TabSet");
    for (const int page : {0, 1}) {
        tabs.setCurrentIndex(page);
        TClickableStringGrid& grid = page == 0 ? AlarmGrid(f) : RepeatingAlarmGrid(f);
        SCOPED_TRACE(grid.objectName().toStdString());
        // The message column gives up room to the others, which widen once their texts show.
        ASSERT_TRUE(QTest::qWaitFor([&] { return CutTexts(grid).isEmpty(); }))
            << CutTexts(grid).join("; ").toStdString();
        EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());
    }
}

} // namespace
} // namespace nudgery::testing

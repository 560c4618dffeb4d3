// The clickable string grid: its format record, what it draws, its rows and their
// reminders, the auto-adjusting column and header clicks.
#include "support/desktop_face.h"
#include "support/qt_printers.h"
#include "ui/controls/Clicksg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

std::unique_ptr<TReminder> Named(const std::string& description) {
    auto reminder = std::make_unique<TReminder>();
    reminder->Description = description;
    return reminder;
}

// A grid of three columns with the given reminders, shown so that it paints.
class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.SetColCount(3);
        grid.SetHeaderStrings({"One", "Two", "Three"});
        for (int c = 0; c < 3; ++c)
            grid.SetColWidth(c, 100);
        grid.resize(400, 200);
    }
    void Fill(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            grid.AddRow();
            grid.SetObject(grid.RowCount() - 1, Named(name));
        }
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int r = 1; r < grid.RowCount(); ++r)
            names.push_back(grid.Object(r) ? std::string(grid.Object(r)->Description) : "(none)");
        return names;
    }
    QImage Shot() { return grid.grab().toImage(); }
    // The rectangle of a body cell in grab coordinates.
    QRect CellRect(int col, int row) {
        const QRect inViewport = grid.visualRect(grid.model()->index(row - 1, col));
        return inViewport.translated(grid.viewport()->mapTo(&grid, QPoint(0, 0)));
    }

    TClickableStringGrid grid;
};

TEST_F(GridTest, FormatRecordOnEntryFollowsTheRowClass) {
    Fill({"a", "b"});
    grid.SetCell(1, 2, "stored");
    grid.SetRow(1);
    TControlFont selected{QFont("Arial", 11), QColor(1, 2, 3)};
    grid.SetSelectedFont(selected);
    grid.SetSelectedColor(QColor(10, 20, 30));
    grid.SetAlignmentHorz(TAlignment::taRightJustify);
    grid.SetAlignmentVert(TVertAlignment::taMiddle);

    std::vector<std::tuple<int, int, TFormatOptions>> seen;
    grid.OnGetHeaderCellFormat =
        grid.OnGetCellFormat = [&](TClickableStringGrid&, int col, int row, TGridDrawState,
                                   TFormatOptions& o) { seen.emplace_back(col, row, o); };
    grid.PlanCell(2, 0, QRect(0, 0, 100, 19), {});
    grid.PlanCell(0, 1, QRect(0, 0, 100, 19), {});
    grid.PlanCell(1, 2, QRect(0, 0, 100, 19), {});
    ASSERT_EQ(seen.size(), 3u);

    const TFormatOptions& header = std::get<2>(seen[0]);
    EXPECT_EQ(header.Text, "Three");
    EXPECT_EQ(header.BackColor, grid.palette().color(QPalette::Button));
    EXPECT_EQ(header.Font.Face, grid.HeaderFont().Face);
    EXPECT_EQ(header.MarkColor, QColor(Qt::white));

    const TFormatOptions& current = std::get<2>(seen[1]);
    EXPECT_EQ(current.BackColor, QColor(10, 20, 30));
    EXPECT_EQ(current.Font.Face, selected.Face);
    EXPECT_EQ(current.FontColor, QColor(1, 2, 3));
    EXPECT_EQ(current.AlignmentHorz, TAlignment::taRightJustify);
    EXPECT_EQ(current.AlignmentVert, TVertAlignment::taMiddle);

    const TFormatOptions& other = std::get<2>(seen[2]);
    EXPECT_EQ(other.Text, "stored");
    EXPECT_EQ(other.BackColor, grid.palette().color(QPalette::Base));
    EXPECT_FALSE(other.Font.Face.bold());
}

TEST_F(GridTest, HeaderListShorterThanColumnsLeavesTheRestEmpty) {
    grid.SetHeaderStrings({"Only"});
    EXPECT_EQ(grid.PlanCell(0, 0, QRect(0, 0, 100, 19), {}).Text, "Only");
    EXPECT_EQ(grid.PlanCell(1, 0, QRect(0, 0, 100, 19), {}).Text, "");
    EXPECT_EQ(grid.PlanCell(2, 0, QRect(0, 0, 100, 19), {}).Text, "");
}

TEST_F(GridTest, MarkDecisionAndTextIndent) {
    struct Case {
        QColor mark;
        bool hasMark;
        int textLeft;
    };
    const QRect cell(50, 30, 100, 19);
    for (const Case& c :
         {Case{QColor(255, 0, 0), true, 50 + 14}, Case{QColor(Qt::white), false, 50 + 2},
          Case{QColor(128, 128, 128), true, 50 + 14}}) {
        grid.OnGetCellFormat = [&](TClickableStringGrid&, int, int, TGridDrawState,
                                   TFormatOptions& o) { o.MarkColor = c.mark; };
        Fill({"x"});
        const TCellDrawing d = grid.PlanCell(0, 1, cell, {});
        EXPECT_EQ(d.HasMark, c.hasMark) << c.mark.name().toStdString();
        EXPECT_EQ(d.TextRect.left(), c.textLeft);
        EXPECT_EQ(d.TextRect.top(), 32);
        if (c.hasMark) {
            EXPECT_EQ(d.MarkRect, QRect(54, 30 + 5, 6, 6));
        }
    }
}

TEST_F(GridTest, PaintsTheMarkSquareInItsColourAtItsPlace) {
    Fill({"a", "b"});
    grid.OnGetCellFormat = [](TClickableStringGrid&, int col, int, TGridDrawState,
                              TFormatOptions& o) {
        if (col == 2)
            o.MarkColor = QColor(255, 255, 0);
    };
    grid.show();
    const QImage shot = Shot();
    const QRect cell = CellRect(2, 2);
    const int top = cell.top() + (cell.height() - 8) / 2;
    for (QPoint p : {QPoint(cell.left() + 4, top), QPoint(cell.left() + 9, top + 5)})
        EXPECT_EQ(QColor(shot.pixel(p)), QColor(255, 255, 0)) << p.x() << "," << p.y();
    // Just outside the square, and in a column without a mark: no yellow.
    EXPECT_NE(QColor(shot.pixel(cell.left() + 3, top)), QColor(255, 255, 0));
    EXPECT_NE(QColor(shot.pixel(cell.left() + 10, top)), QColor(255, 255, 0));
    const QRect plain = CellRect(1, 2);
    EXPECT_NE(QColor(shot.pixel(plain.left() + 4, top)), QColor(255, 255, 0));
}

// Behind its text a cell shows the back colour its format gives, the rest of the cell the
// list's own colour; with no other back colour, the whole cell has the list's.
TEST_F(GridTest, TextStandsOnTheBackColourOfItsFormat) {
    Fill({"a"});
    grid.SetCell(0, 1, "   wide");
    const QColor base = grid.palette().color(QPalette::Base);
    for (const QColor back : {QColor(0, 200, 0), base}) {
        grid.OnGetCellFormat = [back](TClickableStringGrid&, int, int, TGridDrawState,
                                      TFormatOptions& o) { o.BackColor = back; };
        QImage image(100, 19, QImage::Format_RGB32);
        image.fill(Qt::red);
        QPainter painter(&image);
        grid.DrawCell(painter, 0, 1, image.rect(), {});
        painter.end();
        const TCellDrawing d = grid.PlanCell(0, 1, image.rect(), {});
        // In the leading blanks, and right of the text.
        EXPECT_EQ(QColor(image.pixel(d.TextRect.left() + 1, 9)), back) << back.name().toStdString();
        EXPECT_EQ(QColor(image.pixel(95, 9)), base) << back.name().toStdString();
    }
}

TEST_F(GridTest, AmpersandIsDrawnLiterally) {
    Fill({"a"});
    grid.SetCell(0, 1, "&");
    const TCellDrawing d = grid.PlanCell(0, 1, QRect(0, 0, 100, 19), {});
    EXPECT_EQ(d.Text, "&");
    EXPECT_FALSE(d.Flags & Qt::TextShowMnemonic);
    EXPECT_FALSE(d.Flags & Qt::TextHideMnemonic);
    // A lone "&" taken as a prefix would leave the cell blank: look for ink.
    QImage image(100, 19, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    grid.DrawCell(painter, 0, 1, image.rect(), {});
    painter.end();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 3);
}

TEST_F(GridTest, TextIsOneLineOfAtMost255Characters) {
    Fill({"a"});
    grid.SetCell(0, 1, QString(300, 'x'));
    const TCellDrawing d = grid.PlanCell(0, 1, QRect(0, 0, 100, 19), {});
    EXPECT_EQ(d.Text.size(), 255);
    EXPECT_TRUE(d.Flags & Qt::TextSingleLine);
}

TEST_F(GridTest, AdjustColumnWidthLetsTheColumnsFitTheClientWidth) {
    grid.SetAutoAdjustColumn(1);
    grid.show();
    const int frame = grid.width() - grid.ClientWidth();
    const auto scrolls = [this] {
        QApplication::processEvents();
        return grid.horizontalScrollBar()->isVisible();
    };
    grid.resize(300 + 100 + frame, 200);
    grid.AdjustColumnWidth();
    // Columns end 5 pixels short of the client edge.
    EXPECT_EQ(grid.ColWidth(0) + 200, grid.ClientWidth() - 5);
    EXPECT_EQ(grid.ColWidth(0), 195);
    // Narrower than the columns: the first column gives up room, and nothing scrolls.
    grid.resize(250 + frame, 200);
    grid.AdjustColumnWidth();
    EXPECT_EQ(grid.ColWidth(0), 45);
    EXPECT_FALSE(scrolls());
    // Room again: it grows into it.
    grid.resize(320 + frame, 200);
    grid.AdjustColumnWidth();
    EXPECT_EQ(grid.ColWidth(0), 115);
    // Too narrow for its header: it keeps the header whole, and the list scrolls.
    grid.resize(205 + frame, 200);
    grid.AdjustColumnWidth();
    const int header = QFontMetrics(grid.HeaderFont().Face).horizontalAdvance("One");
    EXPECT_GT(grid.ColWidth(0), header + 2);
    EXPECT_LT(grid.ColWidth(0), 45);
    EXPECT_TRUE(scrolls());
}

// A text wider than its column, once drawn, widens the column; the first column gives up the
// room. A column narrowed by hand stays so until a still wider text is drawn in it.
TEST_F(GridTest, AColumnWidensToTheWidestTextDrawnInIt) {
    grid.SetAutoAdjustColumn(1);
    Fill({"a", "b"});
    QString text = "Every 45 minutes until 5:00pm";
    grid.OnGetCellFormat = [&](TClickableStringGrid&, int col, int row, TGridDrawState,
                               TFormatOptions& options) {
        if (col == 2 && row == 2) {
            options.Text = text;
            options.MarkColor = Qt::red;
        }
    };
    grid.resize(500, 200);
    grid.show();
    grid.AdjustColumnWidth();
    // Wide enough for the text after the mark, which starts it 14 pixels in.
    const auto fits = [&] {
        grid.grab();
        return grid.ColWidth(2) > 14 + QFontMetrics(grid.font()).horizontalAdvance(text);
    };
    ASSERT_FALSE(fits());
    ASSERT_TRUE(QTest::qWaitFor(fits, 5000));
    EXPECT_EQ(grid.ColWidth(1), 100) << "a column whose texts fit keeps its width";
    EXPECT_EQ(grid.ColWidth(0) + grid.ColWidth(1) + grid.ColWidth(2), grid.ClientWidth() - 5);

    grid.SetColWidth(2, 60);
    grid.grab();
    QApplication::processEvents();
    EXPECT_EQ(grid.ColWidth(2), 60);
    text += " and on";
    ASSERT_TRUE(QTest::qWaitFor(fits, 5000));
}

TEST_F(GridTest, AdjustColumnWidthOffWhenNoAdjustColumn) {
    grid.SetAutoAdjustColumn(0);
    grid.show();
    grid.resize(800, 200);
    grid.AdjustColumnWidth();
    EXPECT_EQ(grid.ColWidth(0), 100);
}

TEST_F(GridTest, DeleteRowMovesLaterRowsUp) {
    Fill({"a", "b", "c"});
    grid.DeleteRow(2);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "c"}));
    grid.DeleteRow(2);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a"}));
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_THROW(grid.DeleteRow(0), std::out_of_range);
    EXPECT_THROW(grid.DeleteRow(2), std::out_of_range);
}

TEST_F(GridTest, CellTextsKeepEveryColumnThroughLaterSetsAndFewerColumns) {
    grid.AddRow();
    const QString longText = QString(200, QChar(0x00e9)) + "end"; // two UTF-8 bytes each
    struct Step {
        int col;
        QString text;
    };
    for (const Step& step : {Step{2, "third"}, Step{0, longText}, Step{1, ""}, Step{1, "\u00fcber"},
                             Step{0, "short"}, Step{2, ""}})
        grid.SetCell(step.col, 1, step.text);
    EXPECT_EQ(grid.Cell(0, 1), "short");
    EXPECT_EQ(grid.Cell(1, 1), QString::fromUtf8("\u00fcber"));
    EXPECT_EQ(grid.Cell(2, 1), "");
    EXPECT_EQ(grid.Cell(3, 1), "");
    grid.SetCell(2, 1, longText);
    EXPECT_EQ(grid.Cell(2, 1), longText);
    grid.SetColCount(2);
    EXPECT_EQ(grid.Cell(1, 1), QString::fromUtf8("\u00fcber"));
    EXPECT_EQ(grid.Cell(2, 1), "");
    grid.SetColCount(3);
    EXPECT_EQ(grid.Cell(2, 1), "") << "a column dropped keeps no text to come back with";
}

TEST_F(GridTest, RowsGivenTheSameFirstTextStayApartWhenOneChanges) {
    for (int row = 1; row <= 3; ++row) {
        grid.AddRow();
        grid.SetCellUtf8(0, row, "description");
    }
    grid.SetCell(1, 2, "second row");
    grid.SetCellUtf8(0, 3, "");
    grid.SetCellUtf8(0, 1, "first");
    EXPECT_EQ(grid.Cell(0, 1), "first");
    EXPECT_EQ(grid.Cell(0, 2), "description");
    EXPECT_EQ(grid.Cell(1, 2), "second row");
    EXPECT_EQ(grid.Cell(0, 3), "");
    EXPECT_EQ(grid.Cell(1, 1), "");
}

TEST_F(GridTest, AFirstCellSharingATextKeepsItsValueAndTheOtherColumns) {
    grid.AddRow();
    grid.SetCell(1, 1, "second");
    CompactText description("a description longer than a text held in place");
    grid.SetFirstCell(1, description);
    description = CompactText("changed");
    EXPECT_EQ(grid.Cell(0, 1), "a description longer than a text held in place");
    EXPECT_EQ(grid.Cell(1, 1), "second");
    grid.SetCell(1, 1, "");
    EXPECT_EQ(grid.Cell(0, 1), "a description longer than a text held in place");
}

TEST_F(GridTest, BytesGivenAsUtf8ReadBackAsTheLocaleTextOfThoseBytes) {
    grid.AddRow();
    grid.SetCell(2, 1, "kept");
    for (const std::string& bytes :
         {std::string("plain"),
          std::string("\xc3\xbc"
                      "ber"),
          std::string("cut \xff\xfe short \xe2\x82"), std::string(300, 'x'), std::string()})
        for (const int col : {0, 1}) {
            grid.SetCellUtf8(col, 1, bytes);
            EXPECT_EQ(grid.Cell(col, 1), QString::fromLocal8Bit(bytes)) << col;
        }
    EXPECT_EQ(grid.Cell(2, 1), "kept");
}

TEST_F(GridTest, FreeRowObjectsEmptiesRowsButKeepsTheCount) {
    grid.FreeRowObjects(); // only the header: nothing to free
    EXPECT_EQ(grid.RowCount(), 1);
    Fill({"a", "b"});
    grid.SetCell(0, 0, "header text");
    grid.FreeRowObjects();
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Object(1), nullptr);
    EXPECT_EQ(grid.Object(2), nullptr);
    EXPECT_EQ(grid.Cell(0, 0), "");
    grid.SetFixedRows(1);
    grid.SetRowCount(1);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.FixedRows(), 0);
}

TEST_F(GridTest, MoveRowKeepsTheCurrentIndex) {
    Fill({"a", "b", "c", "d"});
    grid.SetRow(2);
    grid.MoveRow(4, 1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"d", "a", "b", "c"}));
    EXPECT_EQ(grid.Row(), 2);
    grid.MoveRow(1, 3);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "d", "c"}));
    EXPECT_EQ(grid.Row(), 2);
}

TEST_F(GridTest, UpdateBlockKeepsTheCurrentRow) {
    Fill({"a", "b"});
    grid.SetRow(2);
    grid.BeginUpdate();
    Fill({"c"});
    grid.EndUpdate();
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.model()->rowCount(), 3);
}

TEST(GridHeaderClick, ReportedOnlyWithFocusAndNoModifier) {
    QWidget window;
    auto* grid = new TClickableStringGrid(&window);
    auto* other = new QLineEdit(&window);
    grid->setGeometry(0, 30, 400, 200);
    grid->SetColCount(3);
    for (int c = 0; c < 3; ++c)
        grid->SetColWidth(c, 100);
    grid->AddRow();
    grid->SetFixedRows(1);
    std::vector<int> clicked;
    grid->OnClickHeader = [&](TClickableStringGrid&, int col, Qt::MouseButton,
                              Qt::KeyboardModifiers, int, int) { clicked.push_back(col); };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWidget* header = grid->horizontalHeader()->viewport();
    const QPoint second(150, 10);

    // A click gives the grid the focus, unless it cannot take it.
    grid->setFocusPolicy(Qt::NoFocus);
    other->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return other->hasFocus(); }));
    QTest::mouseClick(header, Qt::LeftButton, Qt::NoModifier, second);
    EXPECT_TRUE(clicked.empty()) << "no focus";

    grid->setFocusPolicy(Qt::StrongFocus);
    grid->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->hasFocus(); }));
    QTest::mouseClick(header, Qt::LeftButton, Qt::ShiftModifier, second);
    EXPECT_TRUE(clicked.empty()) << "shift held";
    QTest::mouseClick(header, Qt::LeftButton, Qt::NoModifier, second);
    EXPECT_EQ(clicked, std::vector<int>{1});
    QTest::mouseClick(header, Qt::RightButton, Qt::NoModifier, QPoint(250, 10));
    EXPECT_EQ(clicked, (std::vector<int>{1, 2}));
}

TEST(GridFonts, TheHeaderAndTheSelectedRowWriteInTheDesktopsFaceAtEightPoint) {
    const testing::DesktopFace face;
    const TClickableStringGrid grid;
    for (const TControlFont& font : {grid.HeaderFont(), grid.SelectedFont()}) {
        EXPECT_EQ(font.Face.family(), testing::DesktopFace::Family());
        EXPECT_EQ(font.Face.pointSize(), 8);
    }
}

} // namespace
} // namespace nudgery

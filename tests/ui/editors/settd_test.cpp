// The quick time set dialog: the tiles it highlights, the caption it shows, the time it
// returns, and the tiles' places.
#include "editor_fixture.h"
#include "ui/controls/Graphp.h"
#include "ui/editors/Settd.h"

#include <QPushButton>
#include <QTest>

namespace nudgery {
namespace {

class SetTimeDialogTest : public testing::EditorFixture {
protected:
    TGraphicPanel& Tile(const QString& name) {
        auto* tile = dialog.findChild<TGraphicPanel*>(name);
        if (!tile)
            throw std::runtime_error("no tile " + name.toStdString());
        return *tile;
    }
    TGraphicPanel& Hour(int tag) { return Tile(QStringLiteral("Hour%1").arg(tag)); }
    TGraphicPanel& Minute(int tag) { return Tile(QStringLiteral("Minute%1").arg(tag)); }
    bool Highlighted(TGraphicPanel& tile) {
        return tile.Color() == dialog.palette().color(QPalette::Highlight) &&
               tile.Font().Color == dialog.palette().color(QPalette::HighlightedText);
    }
    // The tags of the highlighted tiles of one kind.
    std::vector<int> HighlightedTags(const char* kind, int count) {
        std::vector<int> tags;
        for (int tag = 0; tag < count; ++tag)
            if (Highlighted(Tile(QStringLiteral("%1%2").arg(kind).arg(tag))))
                tags.push_back(tag);
        return tags;
    }
    QPushButton* Button(const char* name) { return dialog.findChild<QPushButton*>(name); }

    TSetTimeDialog dialog{formats, help};
};

TEST_F(SetTimeDialogTest, OpensOnTheHourAndMinuteOfTheGivenTimeAndDropsItsSeconds) {
    const struct {
        TDateTime time;
        int hourTag, minuteTag;
        const char* hourCaption;
        const char* title;
    } cases[] = {
        {EncodeTime(14, 37, 50), 14, 37, "2", "Set Time As: 02:37 pm"},
        {EncodeTime(0, 5), 0, 5, "12", "Set Time As: 12:05 am"},
        {EncodeTime(12, 0), 12, 0, "12", "Set Time As: 12:00 pm"},
        {EncodeTime(23, 59, 59), 23, 59, "11", "Set Time As: 11:59 pm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        dialog.SetPickedTime(c.time);
        EXPECT_EQ(HighlightedTags("Hour", 24), std::vector<int>{c.hourTag});
        EXPECT_EQ(HighlightedTags("Minute", 60), std::vector<int>{c.minuteTag});
        EXPECT_EQ(Hour(c.hourTag).Caption(), c.hourCaption);
        EXPECT_EQ(dialog.windowTitle(), c.title);
    }
    dialog.SetPickedTime(EncodeTime(14, 37, 50));
    const Outcome ok = Run(dialog, [this] { Button("Okbutton")->click(); });
    EXPECT_EQ(ok.result, QDialog::Accepted);
    EXPECT_EQ(dialog.PickedTime(), EncodeTime(14, 37));
}

TEST_F(SetTimeDialogTest, ClickingTheAfternoon12AndMinute00PicksNoon) {
    dialog.SetPickedTime(EncodeTime(9, 41));
    const Outcome ok = Run(dialog, [this] {
        QTest::mouseClick(&Hour(12), Qt::LeftButton);
        QTest::mouseClick(&Minute(0), Qt::LeftButton);
        EXPECT_EQ(HighlightedTags("Hour", 24), std::vector<int>{12});
        EXPECT_EQ(HighlightedTags("Minute", 60), std::vector<int>{0});
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    EXPECT_EQ(ok.result, QDialog::Accepted) << "Enter is Ok";
    EXPECT_EQ(dialog.PickedTime(), 0.5);
    EXPECT_EQ(dialog.windowTitle(), "Set Time As: 12:00 pm");
}

TEST_F(SetTimeDialogTest, CancelEscAndHelp) {
    EXPECT_EQ(Run(dialog, [this] { Button("CancelButton")->click(); }).result, QDialog::Rejected);
    EXPECT_EQ(Run(dialog, [this] { QTest::keyClick(&dialog, Qt::Key_Escape); }).result,
              QDialog::Rejected);
    const Outcome help = Run(dialog, [this] { Button("Helpbutton")->click(); });
    EXPECT_TRUE(help.stayedOpen);
    EXPECT_TRUE(Run(dialog, [this] { testing::PressHelpKey(dialog); }).stayedOpen) << "F1";
    EXPECT_EQ(this->help.topics, std::vector<int>(2, 2987));
    EXPECT_EQ(this->help.openers, std::vector<QWidget*>(2, &dialog));
}

TEST_F(SetTimeDialogTest, TilesSitInRowsOfTheirSizeWithTheAfternoonBlockBelowAGap) {
    EXPECT_EQ(dialog.size(), QSize(306, 334));
    EXPECT_EQ(Hour(7).geometry().size(), QSize(24, 19));
    for (int hour = 0; hour < 24; ++hour) {
        SCOPED_TRACE(hour);
        const QPoint at = Hour(hour).pos();
        const QPoint rowStart = Hour(hour - hour % 6).pos();
        EXPECT_EQ(at, rowStart + QPoint(24 * (hour % 6), 0));
        EXPECT_EQ(Hour(hour).Caption(), QString::number(hour % 12 == 0 ? 12 : hour % 12));
        EXPECT_EQ(Hour(hour).parentWidget()->objectName(), "HourPanel");
    }
    EXPECT_EQ(Hour(6).y() - Hour(0).y(), 19);
    EXPECT_EQ(Hour(12).y() - Hour(6).y(), 19 + 16);
    EXPECT_EQ(Hour(18).y() - Hour(12).y(), 19);
    for (int minute = 0; minute < 60; ++minute) {
        SCOPED_TRACE(minute);
        EXPECT_EQ(Minute(minute).pos(),
                  Minute(0).pos() + QPoint(24 * (minute % 10), 19 * (minute / 10)));
        EXPECT_EQ(Minute(minute).Caption(),
                  QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0')));
        EXPECT_EQ(Minute(minute).parentWidget()->objectName(), "MinutePanel");
    }
    // Every tile lies inside its panel.
    for (auto* tile : dialog.findChildren<TGraphicPanel*>())
        EXPECT_TRUE(tile->parentWidget()->rect().contains(tile->geometry()))
            << tile->objectName().toStdString();
}

TEST_F(SetTimeDialogTest, ThePictureShowsThePickedHourAndMinuteInTheHighlight) {
    dialog.SetPickedTime(EncodeTime(14, 37));
    dialog.show();
    const QImage picture = dialog.grab().toImage();
    const QColor highlight = dialog.palette().color(QPalette::Highlight);
    // The tiles drawn in the highlight, told by a point inside each, clear of its caption.
    const auto drawnHighlighted = [&](const char* kind, int count) {
        std::vector<int> tags;
        for (int tag = 0; tag < count; ++tag) {
            const TGraphicPanel& tile = Tile(QStringLiteral("%1%2").arg(kind).arg(tag));
            const QPoint inside = tile.mapTo(&dialog, QPoint(tile.width() - 4, tile.height() - 4));
            if (picture.pixelColor(inside) == highlight)
                tags.push_back(tag);
        }
        return tags;
    };
    EXPECT_EQ(drawnHighlighted("Hour", 24), std::vector<int>{14});
    EXPECT_EQ(drawnHighlighted("Minute", 60), std::vector<int>{37});
    dialog.hide();
}

} // namespace
} // namespace nudgery

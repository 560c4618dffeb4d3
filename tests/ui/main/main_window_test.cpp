// The main window's controls, buttons, tabs and simple commands.
#include "main_form_fixture.h"
#include "support/caption_minutes.h"
#include "ui/controls/Graphp.h"
#include "ui/main/MainAbout.h"
#include "ui/main/MainTabSet.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QSysInfo>
#include <QTimer>

namespace nudgery::testing {
namespace {

using MainWindow = MainFormTest;

TEST_F(MainWindow, EveryControlOfABarLiesWithinItAndOverlapsNoOther) {
    TMainForm& f = Make();
    f.show();
    for (const char* bar : {"Panel1", "Panel4"}) {
        const QWidget& panel = Find<QWidget>(f, bar);
        const QList<QWidget*> controls = panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        ASSERT_GE(controls.size(), 2) << bar;
        for (const QWidget* control : controls) {
            const std::string name = control->objectName().toStdString();
            EXPECT_TRUE(panel.rect().contains(control->geometry())) << name;
            for (const QWidget* other : controls) {
                if (other != control) {
                    EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                        << name << " and " << other->objectName().toStdString();
                }
            }
        }
    }
}

TEST_F(MainWindow, TimePanelShowsTheClockTimeFromTheStart) {
    clock.SetNow(EncodeDate(2024, 3, 15) + EncodeTime(15, 4, 9));
    EXPECT_EQ(Find<TGraphicPanel>(Make(), "TimePanel").Caption(), "03:04:09pm");
}

TEST_F(MainWindow, EachTimeShiftTagIsTheSignedMinutesItsCaptionSays) {
    const QMenu& menu = Find<QMenu>(Make(), "AdjustItemTimeMenu");
    std::vector<int> tags;
    for (const QAction* item : menu.actions()) {
        if (item->isSeparator())
            continue;
        const std::string caption = item->text().toStdString();
        EXPECT_EQ(item->property("Tag").toInt(), SignedMinutesIn(caption)) << caption;
        tags.push_back(item->property("Tag").toInt());
    }
    // Nine shifts later, growing, then the same nine earlier.
    ASSERT_EQ(tags.size(), 18u);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_GT(tags[i], i ? tags[i - 1] : 0);
        EXPECT_EQ(tags[i + 9], -tags[i]);
    }
}

TEST_F(MainWindow, SetButtonsFollowsTheShownList) {
    TMainForm& f = Make();
    f.show();
    auto& edit = Find<QPushButton>(f, "EditAlarmButton");
    auto& remove = Find<QPushButton>(f, "DeleteAlarmButton");
    auto& clone = Find<QPushButton>(f, "CloneButton");
    auto& adjust = Find<QPushButton>(f, "AdjustTimeButton");
    auto& tabs = Find<TTabSet>(f, "TabSet");
    const auto enabled = [&] {
        return std::vector<bool>{edit.isEnabled(), remove.isEnabled(), clone.isEnabled(),
                                 adjust.isEnabled()};
    };
    EXPECT_EQ(Find<QStackedWidget>(f, "Notebook").currentIndex(), 0) << "the one-time page";
    MainFormAccess(f).SetButtons();
    EXPECT_EQ(enabled(), std::vector<bool>(4, false)) << "both lists empty";
    EXPECT_TRUE(clone.isVisible());

    Append(AlarmGrid(f), OneTime("a", TestNow()));
    MainFormAccess(f).SetButtons();
    EXPECT_EQ(enabled(), std::vector<bool>(4, true));
    EXPECT_EQ(AlarmGrid(f).FixedRows(), 1);
    EXPECT_EQ(RepeatingAlarmGrid(f).FixedRows(), 0);

    tabs.setCurrentIndex(1); // the repeating list is empty
    EXPECT_EQ(Find<QStackedWidget>(f, "Notebook").currentIndex(), 1);
    EXPECT_FALSE(edit.isEnabled());
    EXPECT_FALSE(remove.isEnabled());
    EXPECT_FALSE(clone.isVisible());
    EXPECT_FALSE(adjust.isVisible());

    Append(RepeatingAlarmGrid(f), OneTime("r", 0));
    MainFormAccess(f).SetButtons();
    EXPECT_TRUE(edit.isEnabled());
    EXPECT_FALSE(clone.isVisible()) << "hidden whatever the lists hold";

    tabs.setCurrentIndex(0);
    EXPECT_TRUE(clone.isVisible());
    EXPECT_TRUE(adjust.isEnabled());
}

// The first column of each list takes up the width the window gains.
class Relaying : public MainFormTest {
protected:
    // Widens the window by `pixels` and tells how much the first column of `grid` grew.
    static int Growth(TMainForm& f, const TClickableStringGrid& grid, int pixels) {
        const int before = grid.ColWidth(0);
        f.resize(f.width() + pixels, f.height());
        return grid.ColWidth(0) - before;
    }
};

TEST_F(Relaying, ResizingRelaysTheShownListExceptWhileClosing) {
    TMainForm& f = Make();
    f.show();
    // Wider than the columns' design widths, so that the first column has room to grow.
    f.resize(f.width() + 300, f.height());
    EXPECT_EQ(Growth(f, AlarmGrid(f), 200), 200);
    Find<TTabSet>(f, "TabSet").setCurrentIndex(1);
    EXPECT_EQ(Growth(f, RepeatingAlarmGrid(f), 150), 150);
    MainFormAccess(f).Closing() = true;
    EXPECT_EQ(Growth(f, RepeatingAlarmGrid(f), 100), 0);
}

TEST_F(Relaying, ARefusedCloseLetsTheListsRelayAgain) {
    TMainForm& f = Make();
    f.FormActivate();
    f.resize(f.width() + 300, f.height());
    // The data file's name taken by a folder: the save fails and the window stays open.
    ASSERT_TRUE(QDir(folder.path()).mkdir("Nudgery.dat"));
    ASSERT_FALSE(f.close());
    EXPECT_EQ(Growth(f, AlarmGrid(f), 150), 150);
}

TEST_F(MainWindow, TabsAreWideEnoughForBoldCaptionsAndDrawnRegular) {
    TMainForm& f = Make();
    auto& tabs = Find<TTabSet>(f, "TabSet");
    f.show();
    QFont bold = tabs.font();
    bold.setBold(true);
    for (int tab = 0; tab < tabs.count(); ++tab)
        EXPECT_GE(tabs.tabRect(tab).width(),
                  QFontMetrics(bold).horizontalAdvance(tabs.tabText(tab)))
            << tab;
    // The selected caption is the regular font: its ink is as wide as the regular text.
    QImage image(200, 22, QImage::Format_RGB32);
    QPainter painter(&image);
    tabs.TabSetDrawTab(painter, 0, image.rect(), true);
    painter.end();
    EXPECT_EQ(QColor(image.pixel(199, 21)), tabs.SelectedColor());
    int right = 0;
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 200; ++x)
            if (qGray(image.pixel(x, y)) < 128)
                right = std::max(right, x);
    QFont regular = tabs.font();
    regular.setBold(false);
    const int regularEnd = 2 + QFontMetrics(regular).horizontalAdvance("Reminders");
    EXPECT_LE(right, regularEnd);
    EXPECT_GE(right, regularEnd - 4);
}

TEST_F(MainWindow, HelpWebAndMinimize) {
    TMainForm& f = Make();
    Find<QAction>(f, "mnuContents").trigger();
    EXPECT_EQ(help.topics, std::vector<int>{1009});
    Find<QAction>(f, "VisitOurInternetWebsite1").trigger();
    EXPECT_EQ(shell.addresses, QStringList{QString::fromLatin1(TMainForm::WebAddress)});
    EXPECT_EQ(messages.infos, QStringList()) << "the browser opened";
    f.show();
    Find<QPushButton>(f, "Minimizebutton").click();
    EXPECT_TRUE(f.isMinimized());
}

TEST_F(MainWindow, AWebsiteThatCannotBeOpenedIsShownForCopying) {
    TMainForm& f = Make();
    f.FormActivate();
    shell.opens = false;
    bool timerRanMeanwhile = true;
    messages.whileInfo = [&] { timerRanMeanwhile = Timer1(f).isActive(); };
    Find<QAction>(f, "VisitOurInternetWebsite1").trigger();
    ASSERT_EQ(messages.infos.size(), 1);
    EXPECT_TRUE(messages.infos.front().contains(QString::fromLatin1(TMainForm::WebAddress)))
        << messages.infos.front().toStdString();
    EXPECT_FALSE(timerRanMeanwhile);
    EXPECT_TRUE(Timer1(f).isActive());
}

TEST_F(MainWindow, AboutBoxStopsTheTimerAndShowsTheBuildsBitness) {
    TMainForm& f = Make();
    f.show();
    Timer1(f).start();
    QString title, bitness;
    bool timerRanMeanwhile = true;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<TAboutBox*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        bitness = Find<QLabel>(*about, "Bitness").text();
        timerRanMeanwhile = Timer1(f).isActive();
        about->grab().save(QStringLiteral(QT_TESTCASE_BUILDDIR "/about_box.png")); // to look at
        Find<QPushButton>(*about, "OkButton").click();
    });
    Find<QAction>(f, "mnuAbout").trigger();
    EXPECT_EQ(title, "About Nudgery!");
    EXPECT_EQ(bitness, QStringLiteral("%1-bit version").arg(QSysInfo::WordSize));
    EXPECT_FALSE(timerRanMeanwhile);
    EXPECT_TRUE(Timer1(f).isActive());
}

TEST_F(MainWindow, EachExitCommandClosesAndSaves) {
    for (const char* command : {"Exitbutton", "Exit1", "Exit2"}) {
        TMainForm& f = Make();
        f.show();
        AlarmGrid(f).SetRowCount(1); // drop what the last round saved
        Append(AlarmGrid(f), OneTime(command, TestNow()));
        if (auto* button = f.findChild<QPushButton*>(command))
            button->click();
        else
            Find<QAction>(f, command).trigger();
        EXPECT_FALSE(f.isVisible()) << command;
        EXPECT_EQ(Descriptions(AlarmGrid(Make())), std::vector<std::string>{command});
    }
}

} // namespace
} // namespace nudgery::testing

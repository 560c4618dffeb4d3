// The main window's controls, menus, buttons, tabs and simple commands.
#include "main_form_fixture.h"
#include "ui/controls/Graphp.h"
#include "ui/main/MainAbout.h"
#include "ui/main/MainTabSet.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

namespace nudgery::testing {
namespace {

using MainWindow = MainFormTest;

template <typename T> T* Find(QObject& form, const char* name) {
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST_F(MainWindow, ButtonsHaveTheirCaptionsHintsAndPlaces) {
    TMainForm& f = Make();
    struct Button {
        const char* name;
        const char* caption;
        const char* hint;
        QRect geometry;
    };
    for (const Button& b : {
             Button{"AddAlarmButton", "&New", "Add a new reminder", {8, 4, 74, 30}},
             Button{"EditAlarmButton", "&Edit", "Edit current reminder", {93, 4, 74, 30}},
             Button{"DeleteAlarmButton", "&Delete", "Delete current reminder", {178, 4, 74, 30}},
             Button{"CloneButton", "&Clone", "Make a copy of \ncurrent reminder", {263, 4, 74, 30}},
             Button{"AdjustTimeButton",
                    "Adjust Time +-",
                    "Adjust the current reminder time \nplus or minus ",
                    {348, 4, 96, 30}},
             Button{"Minimizebutton", "Minimize", "Minimize Nudgery!", {8, 2, 111, 29}},
             Button{"Exitbutton", "E&xit", "Exit Nudgery!", {511, 2, 68, 29}},
         }) {
        auto* button = Find<QPushButton>(f, b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), b.caption) << b.name;
        EXPECT_EQ(button->toolTip(), b.hint) << b.name;
        EXPECT_EQ(button->geometry(), b.geometry) << b.name;
        EXPECT_FALSE(button->icon().isNull()) << b.name;
    }
    EXPECT_EQ(f.windowTitle(), "Nudgery!");
    f.show();
    EXPECT_EQ(f.centralWidget()->size(), QSize(599, 362));
    EXPECT_EQ(Find<TGraphicPanel>(f, "TimePanel")->geometry(), QRect(519, 5, 72, 25));
    EXPECT_EQ(Find<QWidget>(f, "Panel1")->height(), 41);
    EXPECT_EQ(Find<QWidget>(f, "Panel4")->height(), 40);
    EXPECT_EQ(Find<QWidget>(f, "Panel2")->height(), 1);
    EXPECT_EQ(Find<TTabSet>(f, "TabSet")->height(), 24);
}

TEST_F(MainWindow, TimePanelShowsTheClockTime) {
    clock.SetNow(EncodeDate(2024, 3, 15) + EncodeTime(15, 4, 9));
    EXPECT_EQ(Make().TimePanel->Caption(), "03:04:09pm");
}

QStringList Captions(const QMenu& menu) {
    QStringList captions;
    for (const QAction* action : menu.actions())
        captions << (action->isSeparator() ? "-" : action->text());
    return captions;
}

TEST_F(MainWindow, MenusInTheirOrder) {
    TMainForm& f = Make();
    QStringList bar;
    for (const QAction* action : f.menuBar()->actions())
        bar << action->text();
    EXPECT_EQ(bar, QStringList({"&File", "&Help", "Online"}));
    EXPECT_EQ(Captions(*f.File1),
              QStringList({"&Set Preferences", "-", "Delete reminders marked as &Done",
                           "Delete reminders marked as &Expired", "-", "E&xit"}));
    EXPECT_EQ(Captions(*f.mnuHelp), QStringList({"&Contents", "-", "&About"}));
    EXPECT_EQ(f.mnuContents->statusTip(), "Show Windows Help for Nudgery!");
    EXPECT_EQ(f.mnuAbout->statusTip(), "About Nudgery!");
    EXPECT_EQ(Captions(*f.mnuOnLine), QStringList({"Visit Our Internet Website"}));
    EXPECT_TRUE(f.mnuOnLine->menuAction()->isVisible());
    EXPECT_EQ(Captions(*f.TrayMenu), QStringList({"&Show Nudgery", "E&xit"}));
    EXPECT_EQ(Captions(*f.WhatsThisMenu), QStringList({"What's this?"}));
}

TEST_F(MainWindow, AdjustTimeMenuTagsAreSignedMinutes) {
    TMainForm& f = Make();
    QStringList captions;
    std::vector<int> tags;
    for (const QAction* item : f.AdjustItemTimeMenu->actions()) {
        captions << (item->isSeparator() ? "-" : item->text());
        if (!item->isSeparator())
            tags.push_back(item->property("Tag").toInt());
    }
    EXPECT_EQ(captions, QStringList({"+1 Minute", "+5 Minutes", "+20 Minutes", "+1 Hour",
                                     "+2 Hours", "+6 Hours", "+12 Hours", "+1 Day", "+1 Week", "-",
                                     "-1 Minute", "-5 Minutes", "-20 Minutes", "-1 Hour",
                                     "-2 Hours", "-6 Hours", "-12 Hours", "-1 Day", "-1 Week"}));
    EXPECT_EQ(tags, (std::vector<int>{1, 5, 20, 60, 120, 360, 720, 1440, 10080, -1, -5, -20, -60,
                                      -120, -360, -720, -1440, -10080}));
    EXPECT_NE(f.findChild<QAction*>("LessOneWeek"), nullptr);
    EXPECT_NE(f.findChild<QAction*>("N12Hours2"), nullptr);
}

TEST_F(MainWindow, ListsHaveTheirColumnsAndHeaders) {
    TMainForm& f = Make();
    EXPECT_EQ(f.AlarmGrid->HeaderStrings(), QStringList({"Reminder", "When", "Status"}));
    EXPECT_EQ(
        f.RepeatingAlarmGrid->HeaderStrings(),
        QStringList({"Repeat Reminder", "Days", "First Time", "Repeat Every...", "Next Reminder"}));
    EXPECT_EQ(f.AlarmGrid->DesignWidth(), 345);
    EXPECT_EQ(f.RepeatingAlarmGrid->DesignWidth(), 212);
    EXPECT_EQ(f.AlarmGrid->ColWidth(2), 115);
    EXPECT_EQ(f.RepeatingAlarmGrid->ColWidth(4), 110);
    EXPECT_EQ(f.AlarmGrid->AlignmentVert(), TVertAlignment::taMiddle);
    EXPECT_EQ(f.RepeatingAlarmGrid->AlignmentVert(), TVertAlignment::taTopJustify);
    EXPECT_EQ(f.Notebook->currentIndex(), 0);
}

TEST_F(MainWindow, SetButtonsFollowsTheShownList) {
    TMainForm& f = Make();
    f.show();
    const auto enabled = [&] {
        return std::vector<bool>{f.EditAlarmButton->isEnabled(), f.DeleteAlarmButton->isEnabled(),
                                 f.CloneButton->isEnabled(), f.AdjustTimeButton->isEnabled()};
    };
    f.SetButtons();
    EXPECT_EQ(enabled(), std::vector<bool>(4, false)) << "both lists empty";
    EXPECT_TRUE(f.CloneButton->isVisible());

    Append(*f.AlarmGrid, OneTime("a", TestNow()));
    f.SetButtons();
    EXPECT_EQ(enabled(), std::vector<bool>(4, true));
    EXPECT_EQ(f.AlarmGrid->FixedRows(), 1);
    EXPECT_EQ(f.RepeatingAlarmGrid->FixedRows(), 0);

    f.TabSet->setCurrentIndex(1); // the repeating list is empty
    EXPECT_EQ(f.Notebook->currentIndex(), 1);
    EXPECT_FALSE(f.EditAlarmButton->isEnabled());
    EXPECT_FALSE(f.DeleteAlarmButton->isEnabled());
    EXPECT_FALSE(f.CloneButton->isVisible());
    EXPECT_FALSE(f.AdjustTimeButton->isVisible());

    Append(*f.RepeatingAlarmGrid, OneTime("r", 0));
    f.SetButtons();
    EXPECT_TRUE(f.EditAlarmButton->isEnabled());
    EXPECT_FALSE(f.CloneButton->isVisible()) << "hidden whatever the lists hold";

    f.TabSet->setCurrentIndex(0);
    EXPECT_TRUE(f.CloneButton->isVisible());
    EXPECT_TRUE(f.AdjustTimeButton->isEnabled());
}

TEST_F(MainWindow, ResizingRelaysBothListsUntilClosing) {
    TMainForm& f = Make();
    f.show();
    f.resize(f.width() + 200, f.height());
    for (TClickableStringGrid* grid : {f.AlarmGrid, f.RepeatingAlarmGrid}) {
        int others = 0;
        for (int c = 1; c < grid->ColCount(); ++c)
            others += grid->ColWidth(c);
        EXPECT_EQ(grid->ColWidth(0), grid->ClientWidth() - others - 5)
            << grid->objectName().toStdString();
    }
    f.Closing = true;
    const int before = f.AlarmGrid->ColWidth(0);
    f.resize(f.width() + 100, f.height());
    EXPECT_EQ(f.AlarmGrid->ColWidth(0), before);
}

TEST_F(MainWindow, TabsAreSizedForBoldAndDrawnRegular) {
    TMainForm& f = Make();
    QFont bold = f.TabSet->font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance("Repeat Reminders") + 6;
    EXPECT_EQ(f.TabSet->TabSetMeasureTab(1), width);
    f.show();
    EXPECT_EQ(f.TabSet->tabRect(1).width(), width);
    EXPECT_EQ(f.TabSet->tabRect(1).height(), TTabSet::TabHeight);
    // The selected caption is the regular font: its ink is as wide as the regular text.
    QImage image(200, 22, QImage::Format_RGB32);
    QPainter painter(&image);
    f.TabSet->TabSetDrawTab(painter, 0, image.rect(), true);
    painter.end();
    EXPECT_EQ(QColor(image.pixel(199, 21)), f.TabSet->SelectedColor());
    int right = 0;
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 200; ++x)
            if (qGray(image.pixel(x, y)) < 128)
                right = std::max(right, x);
    QFont regular = f.TabSet->font();
    regular.setBold(false);
    const int regularEnd = 2 + QFontMetrics(regular).horizontalAdvance("Reminders");
    EXPECT_LE(right, regularEnd);
    EXPECT_GE(right, regularEnd - 4);
}

TEST_F(MainWindow, HelpWebAndMinimize) {
    TMainForm& f = Make();
    f.mnuContents->trigger();
    EXPECT_EQ(help.topics, std::vector<int>{1009});
    f.VisitOurInternetWebsite1->trigger();
    EXPECT_EQ(shell.addresses, QStringList{QString::fromLatin1(TMainForm::WebAddress)});
    f.show();
    f.Minimizebutton->click();
    EXPECT_TRUE(f.isMinimized());
}

TEST_F(MainWindow, AboutBoxStopsTheTimerAndShowsTheBuildsBitness) {
    TMainForm& f = Make();
    f.show();
    f.Timer1->start();
    QString title, bitness;
    bool timerRanMeanwhile = true;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<TAboutBox*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        bitness = about->Bitness->text();
        timerRanMeanwhile = f.Timer1->isActive();
        about->grab().save(QStringLiteral(QT_TESTCASE_BUILDDIR "/about_box.png")); // to look at
        about->OkButton->click();
    });
    f.mnuAbout->trigger();
    EXPECT_EQ(title, "About Nudgery!");
    EXPECT_EQ(bitness, sizeof(void*) == 8 ? "64-bit version" : "32-bit version");
    EXPECT_FALSE(timerRanMeanwhile);
    EXPECT_TRUE(f.Timer1->isActive());
}

TEST_F(MainWindow, EachExitCommandClosesAndSaves) {
    for (const char* command : {"Exitbutton", "Exit1", "Exit2"}) {
        TMainForm& f = Make();
        f.show();
        f.AlarmGrid->SetRowCount(1); // drop what the last round saved
        Append(*f.AlarmGrid, OneTime(command, TestNow()));
        if (auto* button = f.findChild<QPushButton*>(command))
            button->click();
        else
            f.findChild<QAction*>(command)->trigger();
        EXPECT_FALSE(f.isVisible()) << command;
        EXPECT_TRUE(f.Closing);
        EXPECT_EQ(Descriptions(*Make().AlarmGrid), std::vector<std::string>{command});
    }
}

} // namespace
} // namespace nudgery::testing

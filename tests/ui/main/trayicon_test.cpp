// The tray icon through a fake notification area and a settable tick count: clicks and
// double clicks, the menu, the pointer's arrival and leaving, the still and the animated
// icon, the tooltip, the state rules, minimising into the tray, and the shared timer.
#include "art/ProgramArt.h"
#include "core/clock.h"
#include "support/fake_tray_area.h"
#include "ui/main/Trayicon.h"

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

namespace nudgery {
namespace {

using testing::FakeTrayArea;

QImage Picture(const QIcon& icon) {
    return icon.pixmap(32).toImage();
}

// The shared timer's beats are given by hand, so the tick count decides what fires.
class TrayIconTest : public ::testing::Test {
protected:
    TrayIconTest() {
        auto area = std::make_unique<FakeTrayArea>();
        area_ = area.get();
        tray_ = std::make_unique<TTrayIcon95>(owner_, std::move(area), clock_);
        tray_->SetIcon(ProgramIcon());
    }
    ~TrayIconTest() override { QApplication::processEvents(); }

    // The tick count moves on by `ms` and the shared timer beats once.
    void Beat(std::uint32_t ms) {
        clock_.AdvanceMilliseconds(ms);
        tray_->Timers().ManagerTick();
    }
    // The eleven clock frames, ticking every 600 ms.
    void LoadClockFrames() {
        tray_->Animation().SetOptions(aoIconsInExe);
        tray_->Animation().SetIcons(TrayAnimationFrameNames());
        tray_->Animation().SetInterval(600);
    }
    bool ShowsFrame(int frame) const {
        return Picture(area_->icon) == Picture(ResourceIcon(QStringLiteral("ICON%1").arg(frame)));
    }
    bool ShowsProgramIcon() const { return Picture(area_->icon) == Picture(ProgramIcon()); }
    void RunDeferred() { QApplication::processEvents(); }

    QWidget owner_;
    SettableClock clock_;
    FakeTrayArea* area_;
    std::unique_ptr<TTrayIcon95> tray_;
};

// One report of the notification area.
struct Report {
    enum Kind { Press, Double, Context } kind;
    TrayButton button = TrayButton::Left;
};

struct ClickCase {
    const char* name;
    std::vector<Report> reports;
    bool withDoubleClickHandler;
    bool autoPopup;
    int clicksBeforeWait;
    int clicksAfterWait;
    int doubleClicks;
    bool menuOpens;
};

using B = TrayButton;
// clang-format off
const ClickCase kClickCases[] = {
    // name, reports,                                     double-click handler, auto popup,
    //                                                     clicks before and after the wait,
    //                                                     double clicks, menu open
    {"LeftPressWaitsForADoubleClick",
     {{Report::Press}},                                    true,  true,  0, 1, 0, false},
    {"LeftDoubleClickIsOnlyADoubleClick",
     {{Report::Press}, {Report::Double}},                  true,  true,  0, 0, 1, false},
    {"RightPressOpensTheMenu",
     {{Report::Press, B::Right}},                          true,  true,  0, 0, 0, true},
    {"ContextRequestOpensTheMenu",
     {{Report::Context}},                                  true,  true,  0, 0, 0, true},
    {"RightDoubleClickIsADoubleClick",
     {{Report::Press, B::Right}, {Report::Double, B::Right}}, true, true, 0, 0, 1, true},
    {"RightPressWithoutPopupIsAClick",
     {{Report::Press, B::Right}},                          true,  false, 0, 1, 0, false},
    {"MiddlePressIsAClick",
     {{Report::Press, B::Middle}},                         true,  true,  0, 1, 0, false},
    // Without a double-click handler a press clicks as soon as the event loop runs.
    {"PressWithoutDoubleClickHandler",
     {{Report::Press}},                                    false, true,  1, 1, 0, false},
};
// clang-format on

void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << c.name;
}

class TrayClickTest : public TrayIconTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(TrayClickTest, FiresTheRightHandlerAtTheRightTime) {
    const ClickCase& c = GetParam();
    QMenu menu;
    menu.addAction(QStringLiteral("Show"));
    tray_->SetAutoPopup(c.autoPopup);
    tray_->SetPopupMenu(&menu);
    int clicks = 0;
    int doubleClicks = 0;
    tray_->OnClick = [&] { ++clicks; };
    if (c.withDoubleClickHandler)
        tray_->OnDblClick = [&] { ++doubleClicks; };
    tray_->SetActive(true);

    const QPoint where(300, 200);
    for (const Report& report : c.reports) {
        switch (report.kind) {
        case Report::Press:
            emit area_->Pressed(report.button, where);
            break;
        case Report::Double:
            emit area_->DoubleClicked(report.button, where);
            break;
        case Report::Context:
            emit area_->ContextRequested(where);
            break;
        }
    }
    RunDeferred();
    EXPECT_EQ(clicks, c.clicksBeforeWait);
    Beat(399);
    EXPECT_EQ(clicks, c.clicksBeforeWait) << "fired before the double-click wait was over";
    Beat(1);
    Beat(150);
    EXPECT_EQ(clicks, c.clicksAfterWait);
    EXPECT_EQ(doubleClicks, c.doubleClicks);
    EXPECT_EQ(menu.isVisible(), c.menuOpens);
    if (c.menuOpens) {
        EXPECT_EQ(menu.pos(), where);
    }
    // Nothing is left running on the shared timer.
    EXPECT_FALSE(tray_->Timers().IsTicking());
    menu.close();
}

INSTANTIATE_TEST_SUITE_P(Reports, TrayClickTest, ::testing::ValuesIn(kClickCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrayIconTest, ARightPressOnTheOpenMenuAtTheIconSoonAfterIsADoubleClick) {
    // The open menu takes the pointer, so the second press of a right double click on the
    // icon comes to the menu.
    const struct {
        const char* name;
        std::uint32_t after;
        QPoint offset;
        QEvent::Type type;
        bool isDouble;
    } cases[] = {
        {"a press at once", 100, {}, QEvent::MouseButtonPress, true},
        {"a press counted as a double click", 100, {}, QEvent::MouseButtonDblClick, true},
        {"a press within the wait, the pointer a pixel away",
         400,
         {2, -2},
         QEvent::MouseButtonPress,
         true},
        {"a press after the wait", 401, {}, QEvent::MouseButtonPress, false},
        {"a press off the icon", 100, {3, 0}, QEvent::MouseButtonPress, false},
    };
    QMenu menu;
    menu.addAction(QStringLiteral("Show"));
    tray_->SetAutoPopup(true);
    tray_->SetPopupMenu(&menu);
    int clicks = 0;
    int doubleClicks = 0;
    tray_->OnClick = [&] { ++clicks; };
    tray_->OnDblClick = [&] { ++doubleClicks; };
    tray_->SetActive(true);
    const QPoint icon(300, 200);
    for (const auto& c : cases) {
        clicks = doubleClicks = 0;
        emit area_->ContextRequested(icon);
        ASSERT_TRUE(menu.isVisible()) << c.name;
        clock_.AdvanceMilliseconds(c.after);
        testing::RightPressOnMenu(menu, icon + c.offset, c.type);
        EXPECT_EQ(doubleClicks, c.isDouble ? 1 : 0) << c.name;
        if (c.isDouble) {
            EXPECT_FALSE(menu.isVisible()) << c.name;
        }
        // Only the first press on the menu can be the icon's second.
        testing::RightPressOnMenu(menu, icon, c.type);
        EXPECT_EQ(doubleClicks, c.isDouble ? 1 : 0) << c.name;
        EXPECT_EQ(clicks, 0) << c.name;
        menu.close();
    }
}

TEST_F(TrayIconTest, PointerArrivalMovesAndLeavingAreReported) {
    std::vector<QPoint> entered, moved, left;
    tray_->OnMouseEnter = [&](QPoint p) { entered.push_back(p); };
    tray_->OnMouseMove = [&](QPoint p) { moved.push_back(p); };
    tray_->OnMouseExit = [&](QPoint p) { left.push_back(p); };

    emit area_->PointerMoved(QPoint(100, 100));
    EXPECT_EQ(entered, std::vector<QPoint>{QPoint(100, 100)});
    EXPECT_TRUE(moved.empty()) << "the arrival is not also a move";
    EXPECT_EQ(tray_->Timers().TickInterval(), 70) << "the leave check runs faster than 150 ms";

    emit area_->PointerMoved(QPoint(101, 100));
    EXPECT_EQ(moved, std::vector<QPoint>{QPoint(101, 100)});

    // Within two pixels the pointer is still over the icon.
    area_->pointer = QPoint(103, 102);
    Beat(70);
    EXPECT_TRUE(left.empty());
    area_->pointer = QPoint(101, 104);
    Beat(70);
    EXPECT_EQ(left, std::vector<QPoint>{QPoint(101, 100)});
    EXPECT_FALSE(tray_->Timers().IsTicking());

    // The next move is an arrival again.
    emit area_->PointerMoved(QPoint(50, 50));
    EXPECT_EQ(entered.size(), 2u);
}

TEST_F(TrayIconTest, MovesWithoutEnterOrExitHandlersAreMovesAtOnce) {
    std::vector<QPoint> moved;
    tray_->OnMouseMove = [&](QPoint p) { moved.push_back(p); };
    emit area_->PointerMoved(QPoint(7, 8));
    EXPECT_EQ(moved, std::vector<QPoint>{QPoint(7, 8)});
    EXPECT_FALSE(tray_->Timers().IsTicking());
}

TEST_F(TrayIconTest, TheIconIsInTheAreaExactlyWhileActive) {
    tray_->SetActive(true);
    tray_->SetActive(true);
    EXPECT_TRUE(area_->shown);
    EXPECT_EQ(area_->shows, 1);
    EXPECT_TRUE(ShowsProgramIcon());

    tray_->SetActive(false);
    tray_->SetActive(false);
    EXPECT_FALSE(area_->shown);
    EXPECT_EQ(area_->removals, 1);
}

TEST(TrayIconLifetime, DestructionTakesTheIconOutOfTheArea) {
    QWidget owner;
    SettableClock clock;
    auto area = std::make_unique<FakeTrayArea>();
    bool removed = false;
    // The area dies with the icon, so it reports its last call through a flag.
    area->whenDestroyed = [&](const FakeTrayArea& a) { removed = !a.shown && a.removals == 1; };
    auto tray = std::make_unique<TTrayIcon95>(owner, std::move(area), clock);
    tray->SetActive(true);
    tray.reset();
    EXPECT_TRUE(removed);
}

TEST(TrayIconLifetime, OnlyAWindowCanOwnTheIcon) {
    QWidget window;
    QWidget child(&window);
    SettableClock clock;
    try {
        TTrayIcon95 tray(child, std::make_unique<FakeTrayArea>(), clock);
        FAIL() << "a child widget was taken as owner";
    } catch (const InvalidTrayOperation& error) {
        EXPECT_STREQ(error.what(), "TrayIcons must be owned by a Form !");
    }
}

TEST_F(TrayIconTest, TheTooltipIsTheHintCutTo63Characters) {
    const QString hint = QString(70, QLatin1Char('x'));
    tray_->SetHint(hint);
    tray_->SetActive(true);
    EXPECT_EQ(area_->tooltip, hint.left(63));

    tray_->SetShowHint(false);
    EXPECT_EQ(area_->tooltip, QString());
    tray_->SetHint(QStringLiteral("Nudgery!"));
    EXPECT_EQ(area_->tooltip, QString());
    tray_->SetShowHint(true);
    EXPECT_EQ(area_->tooltip, QStringLiteral("Nudgery!"));

    // A character outside the basic plane is not cut in two.
    const QString wide = QString(62, QLatin1Char('y')) + QString::fromUcs4(U"\U0001F514");
    tray_->SetHint(wide);
    EXPECT_EQ(area_->tooltip, QString(62, QLatin1Char('y')));
}

TEST_F(TrayIconTest, StateCannotBeSetFromTheStateChangingHandler) {
    tray_->SetActive(true);
    tray_->OnStateChanging = [&](TTrayIconState&) { tray_->SetState(tsAnimated); };
    try {
        tray_->SetState(tsDisabled);
        FAIL() << "no error";
    } catch (const InvalidTrayOperation& error) {
        EXPECT_STREQ(error.what(),
                     "You cannot modify the state property in the OnStateChanging event !!!");
    }
    EXPECT_EQ(tray_->State(), tsEnabled);

    // The handler may choose another state; the next change works again.
    tray_->SetDisabledIcon(ResourceIcon(QStringLiteral("ICON6")));
    tray_->OnStateChanging = [](TTrayIconState& next) { next = tsDisabled; };
    tray_->SetState(tsAnimated);
    EXPECT_EQ(tray_->State(), tsDisabled);
    EXPECT_TRUE(ShowsFrame(6));
    EXPECT_FALSE(tray_->Timers().IsTicking());
}

TEST_F(TrayIconTest, AnimationStartsAtTheFirstFrameAndStopsOnTheStillIcon) {
    LoadClockFrames();
    tray_->SetActive(true);
    tray_->SetState(tsAnimated);
    EXPECT_TRUE(ShowsFrame(1));
    EXPECT_EQ(tray_->Timers().TickInterval(), 150);
    for (int frame = 2; frame <= 11; ++frame) {
        Beat(599);
        EXPECT_FALSE(ShowsFrame(frame)) << "frame " << frame << " came early";
        Beat(1);
        EXPECT_TRUE(ShowsFrame(frame)) << "frame " << frame;
    }
    Beat(600);
    EXPECT_TRUE(ShowsFrame(1)) << "after the last frame the first comes again";
    Beat(600);
    EXPECT_TRUE(ShowsFrame(2));

    tray_->SetState(tsEnabled);
    EXPECT_TRUE(ShowsProgramIcon());
    EXPECT_FALSE(tray_->Timers().IsTicking()) << "a still icon needs no timer";

    // Animated again: from the first frame, not from where it stopped.
    tray_->SetState(tsAnimated);
    EXPECT_TRUE(ShowsFrame(1));
}

TEST_F(TrayIconTest, SettingTheIntervalToItsValueDoesNotRestartTheAnimation) {
    LoadClockFrames();
    tray_->SetActive(true);
    tray_->SetState(tsAnimated);
    Beat(600);
    Beat(600);
    ASSERT_TRUE(ShowsFrame(3));

    tray_->Animation().SetInterval(600);
    EXPECT_TRUE(ShowsFrame(3));
    Beat(600);
    EXPECT_TRUE(ShowsFrame(4));

    tray_->Animation().SetInterval(300);
    EXPECT_TRUE(ShowsFrame(1));
    Beat(300);
    EXPECT_TRUE(ShowsFrame(2));
}

TEST_F(TrayIconTest, AnAnimatedStateWaitsUntilTheIconIsInTheArea) {
    LoadClockFrames();
    tray_->SetState(tsAnimated);
    EXPECT_EQ(area_->shows + area_->replacements, 0);
    EXPECT_FALSE(tray_->Timers().IsTicking());

    tray_->SetActive(true);
    EXPECT_TRUE(area_->shown);
    EXPECT_TRUE(ShowsFrame(1));
    Beat(600);
    EXPECT_TRUE(ShowsFrame(2));

    tray_->SetActive(false);
    EXPECT_FALSE(tray_->Timers().IsTicking());
}

TEST_F(TrayIconTest, AMissingFrameShowsAnEmptyIcon) {
    tray_->Animation().SetOptions(aoIconsInExe);
    tray_->Animation().SetIcons({QStringLiteral("icon2"), QStringLiteral("NOSUCHICON")});
    tray_->SetActive(true);
    tray_->SetState(tsAnimated);
    EXPECT_TRUE(ShowsFrame(2)) << "resource names are looked up in upper case";
    Beat(1000);
    EXPECT_TRUE(area_->icon.isNull());

    tray_->Animation().SetOptions(aoIconsAreFiles);
    Beat(1000);
    EXPECT_TRUE(area_->icon.isNull()) << "no file named icon2 in the working folder";
}

TEST_F(TrayIconTest, ALaterDeferredActionReplacesAnEarlierOne) {
    std::vector<int> ran;
    tray_->PostDeferred([&] { ran.push_back(1); });
    tray_->PostDeferred([&] { ran.push_back(2); });
    EXPECT_TRUE(ran.empty()) << "a deferred action runs from the event loop";
    RunDeferred();
    EXPECT_EQ(ran, std::vector<int>{2});

    tray_->PostDeferred([] { throw std::runtime_error("lost"); });
    RunDeferred(); // swallowed
    tray_->PostDeferred([&] { ran.push_back(3); });
    RunDeferred();
    EXPECT_EQ(ran, (std::vector<int>{2, 3}));
}

TEST_F(TrayIconTest, MinimisingHidesTheWindowIntoTheTrayAndAClickBringsItBack) {
    int minimizes = 0;
    int restores = 0;
    tray_->OnAppMinimize = [&] { ++minimizes; };
    tray_->OnAppRestore = [&] { ++restores; };
    tray_->OnClick = [&] { tray_->ShowApplication(); };
    tray_->SetActive(true);
    owner_.show();

    owner_.setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(minimizes, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !owner_.isVisible(); }, 2000));

    emit area_->Pressed(TrayButton::Left, QPoint(1, 1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return owner_.isVisible(); }, 2000));
    EXPECT_FALSE(owner_.isMinimized());
    EXPECT_TRUE(owner_.updatesEnabled());
    EXPECT_EQ(restores, 1);
}

TEST_F(TrayIconTest, TheProgramsOwnMinimiseAndRestoreGoIntoTheTrayAndBack) {
    int minimizes = 0;
    int restores = 0;
    tray_->OnAppMinimize = [&] { ++minimizes; };
    tray_->OnAppRestore = [&] { ++restores; };
    for (const bool inTray : {true, false}) {
        const char* what = inTray ? "into the tray" : "onto the task bar";
        minimizes = restores = 0;
        tray_->SetActive(inTray);
        owner_.showNormal();
        tray_->MinimizeApplication();
        RunDeferred();
        EXPECT_EQ(minimizes, 1) << what;
        // Into the tray the window is only hidden: minimised as well, it could be shown
        // again minimised by the window manager.
        EXPECT_EQ(owner_.isVisible(), !inTray) << what;
        EXPECT_EQ(owner_.isMinimized(), !inTray) << what;

        tray_->RestoreApplication();
        RunDeferred();
        EXPECT_TRUE(owner_.isVisible()) << what;
        EXPECT_FALSE(owner_.isMinimized()) << what;
        EXPECT_EQ(restores, 1) << what;
    }
}

TEST_F(TrayIconTest, AWindowHiddenInTheTrayComesBackAfterTheIconHasGone) {
    tray_->SetActive(true);
    owner_.show();
    tray_->MinimizeApplication();
    RunDeferred();
    ASSERT_FALSE(owner_.isVisible());
    tray_->SetActive(false);
    tray_->RestoreApplication();
    RunDeferred();
    EXPECT_TRUE(owner_.isVisible());
}

TEST_F(TrayIconTest, WithoutTheTrayMinimisingLeavesTheWindowOnTheTaskBar) {
    owner_.show();
    owner_.setWindowState(Qt::WindowMinimized);
    RunDeferred();
    EXPECT_TRUE(owner_.isVisible());
    EXPECT_TRUE(owner_.isMinimized());

    // The tray is active, but minimising into it is not among the options.
    tray_->SetOptions({});
    tray_->SetActive(true);
    owner_.setWindowState(Qt::WindowNoState);
    owner_.setWindowState(Qt::WindowMinimized);
    RunDeferred();
    EXPECT_TRUE(owner_.isVisible());
}

// The shared timer on its own.
class TimerManagerTest : public ::testing::Test {
protected:
    void Beat(std::uint32_t ms) {
        clock_.AdvanceMilliseconds(ms);
        manager_.ManagerTick();
    }
    SettableClock clock_;
    TTimerManager manager_{clock_};
};

TEST_F(TimerManagerTest, RunsAtMostEvery150MsFasterForAShortItemAndNotAtAllWhenIdle) {
    int slow = 0;
    int fast = 0;
    TTimerItem& slowItem = manager_.AddTimer(true, 1000, [&] { ++slow; });
    EXPECT_TRUE(manager_.IsTicking());
    EXPECT_EQ(manager_.TickInterval(), 150);

    TTimerItem& fastItem = manager_.AddTimer(true, 70, [&] { ++fast; });
    EXPECT_EQ(manager_.TickInterval(), 70);
    fastItem.SetEnabled(false);
    EXPECT_EQ(manager_.TickInterval(), 150);

    slowItem.SetEnabled(false);
    EXPECT_FALSE(manager_.IsTicking());
    // An item without a handler does not keep the timer going.
    TTimerItem& silent = manager_.AddTimer(true, 50, nullptr);
    EXPECT_FALSE(manager_.IsTicking());
    silent.SetEnabled(false);
    EXPECT_EQ(slow + fast, 0);
}

TEST_F(TimerManagerTest, AnItemFiresAtTheFirstBeatAfterItsInterval) {
    std::vector<char> fired;
    manager_.AddTimer(true, 400, [&] { fired.push_back('a'); });
    manager_.AddTimer(true, 300, [&] { fired.push_back('b'); });
    Beat(150);
    Beat(150);
    EXPECT_EQ(fired, std::vector<char>{'b'});
    Beat(150);
    EXPECT_EQ(fired, (std::vector<char>{'b', 'a'}));
    Beat(150);
    EXPECT_EQ(fired, (std::vector<char>{'b', 'a', 'b'}));
    Beat(150);
    EXPECT_EQ(fired, (std::vector<char>{'b', 'a', 'b'}));
    // 450 ms after 'a' fired and 300 after 'b': both, in the order they were added.
    Beat(150);
    EXPECT_EQ(fired, (std::vector<char>{'b', 'a', 'b', 'a', 'b'}));
}

TEST_F(TimerManagerTest, ARecalculationRestartsTheCountingOfEveryItem) {
    int fired = 0;
    TTimerItem& item = manager_.AddTimer(true, 400, [&] { ++fired; });
    Beat(300);
    item.SetInterval(400); // unchanged: no restart
    Beat(100);
    EXPECT_EQ(fired, 1);
    Beat(300);
    manager_.AddTimer(true, 1000, [] {});
    Beat(100);
    EXPECT_EQ(fired, 1) << "adding an item restarted the count";
    Beat(300);
    EXPECT_EQ(fired, 2);
}

TEST_F(TimerManagerTest, KeepsFiringWhenTheTickCountWraps) {
    clock_.SetTickCount(0xFFFFFF00u);
    int fired = 0;
    manager_.AddTimer(true, 400, [&] { ++fired; });
    Beat(300); // wraps past zero
    EXPECT_EQ(fired, 0);
    Beat(100);
    EXPECT_EQ(fired, 1);
}

TEST_F(TimerManagerTest, ADisabledManagerFiresNothingAndStopsItsTimer) {
    int fired = 0;
    manager_.AddTimer(true, 100, [&] { ++fired; });
    manager_.SetEnabled(false);
    EXPECT_FALSE(manager_.IsTicking());
    Beat(500);
    EXPECT_EQ(fired, 0);
    manager_.SetEnabled(true);
    EXPECT_TRUE(manager_.IsTicking());
    Beat(100);
    EXPECT_EQ(fired, 1);
}

} // namespace
} // namespace nudgery

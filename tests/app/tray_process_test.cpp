// The built program started minimised with the tray in use, on an X server of the test's
// own with an XEmbed notification area (trayer): only its tray icon shows, its menu opens
// on the right button, a click or a right double click on the icon brings the window back,
// the animated icon ticks, and a notification answered meanwhile does not end the program.
// With a window manager around the windows, the window goes into the tray and comes back
// by the icon and by a second copy, round after round.
#include "core/data_file.h"
#include "core/datetime.h"
#include "core/reminder.h"
#include "platform/data_file_store.h"
#include "platform/system_clock.h"
#include "program_process.h"
#include "support/process_signal.h"
#include "window_manager.h"
#include "x_display.h"

#include <QPainter>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>
#include <csignal>
#include <optional>
#include <utility>

namespace nudgery {
namespace {

using Windows = std::vector<VirtualDisplay::Window>;

class TrayProcess : public ProgramProcess {
protected:
    // With a window manager (openbox) around the windows, as on a desktop, or without one;
    // the notification area at the right of the screen's `trayEdge`, "top" or "bottom".
    explicit TrayProcess(bool withWindowManager = false, const char* trayEdge = "top")
        : withWindowManager_(withWindowManager), trayEdge_(QLatin1String(trayEdge)) {}

    void SetUp() override {
        for (const char* tool : {"Xvfb", "trayer", "xdotool"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        if (withWindowManager_ && QStandardPaths::findExecutable("openbox").isEmpty())
            GTEST_SKIP() << "openbox is not installed";
        ProgramProcess::SetUp();
        QString why;
        ASSERT_TRUE(display_.Start(why)) << why.toStdString();
        if (withWindowManager_) {
            ASSERT_TRUE(manager_.Start(display_.Name(), FolderFile("window-manager-ready"), why))
                << why.toStdString();
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display_.Name());
        trayer_.setProcessEnvironment(env);
        trayer_.setStandardOutputFile(QProcess::nullDevice());
        trayer_.setStandardErrorFile(QProcess::nullDevice());
        trayer_.start("trayer", {"--edge", trayEdge_, "--align", "right", "--widthtype", "request",
                                 "--height", "32", "--SetDockType", "false"});
        ASSERT_TRUE(trayer_.waitForStarted(kWaitMs));
        // The program looks for the notification area once, as it starts.
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return display_.SelectionOwned("_NET_SYSTEM_TRAY_S0"); }, kWaitMs))
            << "trayer did not take the notification area";
    }
    void TearDown() override {
        ProgramProcess::TearDown();
        if (trayer_.state() != QProcess::NotRunning) {
            trayer_.kill();
            trayer_.waitForFinished();
        }
    }

    // The windows on view, top-level ones or those embedded in another window.
    static Windows Viewable(const Windows& windows, bool topLevel) {
        Windows kept;
        std::copy_if(windows.begin(), windows.end(), std::back_inserter(kept),
                     [&](const auto& w) { return w.viewable && w.topLevel == topLevel; });
        return kept;
    }
    // The icons in the notification area: embedded there, and not windows that a window
    // manager has taken into frames of its own.
    static Windows Icons(const Windows& windows) {
        Windows kept = Viewable(windows, false);
        std::erase_if(kept, [](const auto& w) { return w.managed; });
        return kept;
    }
    // Runs xdotool on the virtual display: real pointer and key events, as a user gives.
    bool Xdotool(const QStringList& arguments) {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display_.Name());
        tool.setProcessEnvironment(env);
        tool.start("xdotool", arguments);
        return tool.waitForFinished(kWaitMs) && tool.exitStatus() == QProcess::NormalExit &&
               tool.exitCode() == 0;
    }
    bool Click(QPoint at, int button) {
        return Xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click",
                        QString::number(button)});
    }
    bool DoubleClick(QPoint at, int button) {
        return Xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click",
                        "--repeat", "2", "--delay", "100", QString::number(button)});
    }
    // The whole screen, and `detail` of it four times enlarged, as PNGs in the build folder.
    void SaveScreen(const char* name, const QRect& detail = {}) {
        const QImage screen = display_.Screenshot();
        ASSERT_FALSE(screen.isNull());
        const QString path = QStringLiteral(QT_TESTCASE_BUILDDIR "/%1%2.png");
        screen.save(path.arg(name, QString()));
        if (!detail.isEmpty())
            screen.copy(detail).scaled(detail.size() * 4).save(path.arg(name, "_detail"));
    }
    static int ColoursIn(const QImage& image, const QRect& area) {
        QSet<QRgb> colours;
        if (!image.rect().contains(area))
            return 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                colours.insert(image.pixel(x, y));
        return colours.size();
    }

    void WriteSettings(const QByteArray& settings) {
        QFile file(SettingsFile());
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(settings);
        file.close();
    }
    // Starts the program minimised with `settings` and waits until only its tray icon
    // shows: one window embedded in the notification area, drawn, and none on the screen.
    // Where the icon is; empty when that did not come to pass.
    QRect StartIntoTheTray(const QByteArray& settings) {
        WriteSettings(settings);
        program_ = &StartOnDisplay(display_.Name(), {"--minimized"});
        const qint64 pid = program_->processId();
        Windows icons;
        const bool onlyTheIcon = QTest::qWaitFor(
            [&] {
                const Windows windows = display_.WindowsOf(pid);
                icons = Icons(windows);
                return icons.size() == 1 && Viewable(windows, true).empty();
            },
            kWaitMs);
        EXPECT_TRUE(onlyTheIcon) << "windows on the screen: "
                                 << Viewable(display_.WindowsOf(pid), true).size()
                                 << ", icons in the tray: " << icons.size();
        return onlyTheIcon ? IconAtRest() : QRect();
    }
    // Where the program's one icon has come to rest, drawn: a picture, not a plain square.
    // The notification area grows to take the icon and moves it as it does. Empty when
    // that did not come to pass.
    QRect IconAtRest() {
        QRect icon;
        const bool drawn = QTest::qWaitFor(
            [&] {
                const Windows inTheArea = InTheTray();
                if (inTheArea.size() != 1)
                    return false;
                const QRect before = std::exchange(icon, inTheArea.front().geometry);
                return icon == before && ColoursIn(display_.Screenshot(), icon) > 4;
            },
            kWaitMs);
        EXPECT_TRUE(drawn) << "the icon was not drawn";
        return drawn ? icon : QRect();
    }
    Windows OnScreen() const { return Viewable(display_.WindowsOf(program_->processId()), true); }
    Windows InTheTray() const { return Icons(display_.WindowsOf(program_->processId())); }

    const bool withWindowManager_;
    const QString trayEdge_;
    VirtualDisplay display_;
    testing::WindowManager manager_;
    QProcess trayer_;
    QProcess* program_ = nullptr;
};

TEST_F(TrayProcess, AMinimisedStartShowsOnlyTheTrayIconAndAClickBringsTheWindowBack) {
    const QRect iconArea = StartIntoTheTray("[Tray]\nUse=1\n");
    ASSERT_FALSE(iconArea.isEmpty());
    const QPoint icon = iconArea.center();
    SaveScreen("tray_minimized_start", iconArea.adjusted(-40, 0, 0, 8));

    // The right button opens the icon's menu, a window of its own on the screen.
    ASSERT_TRUE(Click(icon, 3));
    ASSERT_TRUE(QTest::qWaitFor([&] { return OnScreen().size() == 1; }, kWaitMs));
    SaveScreen("tray_menu");
    ASSERT_TRUE(Xdotool({"key", "Escape"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return OnScreen().empty(); }, kWaitMs));

    // A click brings the main window back; the icon stays.
    ASSERT_TRUE(Click(icon, 1));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const Windows shown = OnScreen();
            return shown.size() == 1 && shown.front().name == "Nudgery!" &&
                   shown.front().geometry.width() >= 599;
        },
        kWaitMs));
    EXPECT_EQ(InTheTray().size(), 1u);
    SaveScreen("tray_window_back");

    testing::SendSignal(*program_, SIGTERM);
    ASSERT_TRUE(program_->waitForFinished(kWaitMs));
    EXPECT_EQ(program_->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_->exitCode(), 0);
}

// The same with a window manager around the windows, which minimises and maps them in its
// own time, as on a desktop.
class TrayProcessWithWindowManager : public TrayProcess {
protected:
    TrayProcessWithWindowManager() : TrayProcess(true) {}

    // The main window, on the screen in a frame of the window manager's; none when it is
    // not there.
    std::optional<VirtualDisplay::Window> MainWindow() const {
        for (const auto& window : display_.WindowsOf(program_->processId()))
            if (window.viewable && window.managed && window.name == "Nudgery!")
                return window;
        return std::nullopt;
    }
    // Whether the main window has come back and settled: on the screen, with the keyboard,
    // and where it stays. A window that the window manager is still mapping, placing or
    // activating could take a minimise before that and be activated back on the screen
    // after it, which no user is quick enough to see.
    bool WindowComesBack() {
        std::optional<VirtualDisplay::Window> window;
        return QTest::qWaitFor(
            [&] {
                const std::optional<VirtualDisplay::Window> before =
                    std::exchange(window, MainWindow());
                return window && before && window->geometry == before->geometry &&
                       display_.FocusedWindow() == window->id;
            },
            kWaitMs);
    }
    // Where the Minimize button of `window` is drawn: the one control in the left half of
    // the bar along the window's bottom edge, told apart from the bar by its colours. None
    // while it is not drawn.
    std::optional<QPoint> MinimizeButton(const QRect& window) const {
        constexpr int BarHeight = 40;
        const QImage screen = display_.Screenshot();
        const QRect bar(window.left(), window.bottom() - BarHeight + 1, window.width() / 2,
                        BarHeight);
        if (!screen.rect().contains(bar))
            return std::nullopt;
        const QRgb barColour = screen.pixel(bar.left() + 1, bar.bottom() - 1);
        QRect drawn;
        for (int y = bar.top(); y <= bar.bottom(); ++y)
            for (int x = bar.left(); x <= bar.right(); ++x)
                if (screen.pixel(x, y) != barColour)
                    drawn |= QRect(x, y, 1, 1);
        // A button, not a stray pixel.
        if (drawn.width() < 20 || drawn.height() < 10)
            return std::nullopt;
        return drawn.center();
    }
    // Minimises the main window by its Minimize button or by the window manager, and waits
    // until the window has gone into the tray.
    bool Minimize(bool byWindowManager) {
        const std::optional<VirtualDisplay::Window> window = MainWindow();
        if (!window)
            return false;
        if (byWindowManager) {
            if (!Xdotool({"windowminimize", QString::number(window->id)}))
                return false;
        } else {
            std::optional<QPoint> button;
            if (!QTest::qWaitFor(
                    [&] { return (button = MinimizeButton(window->geometry)).has_value(); },
                    kWaitMs)) {
                ADD_FAILURE() << "the Minimize button was not found";
                return false;
            }
            if (!Click(*button, 1))
                return false;
        }
        return QTest::qWaitFor([&] { return !MainWindow(); }, kWaitMs);
    }
    // Starts a second copy on the display, which asks this one to come forward and ends.
    bool StartASecondCopy() {
        QProcess& second = StartOnDisplay(display_.Name());
        return second.waitForFinished(kWaitMs) && second.exitStatus() == QProcess::NormalExit &&
               second.exitCode() == 0;
    }
};

TEST_F(TrayProcessWithWindowManager, TheWindowComesBackFromTheTrayEveryTime) {
    WriteSettings("[Tray]\nUse=1\n[Misc]\nAnimateIcon=1\nHints=1\n");
    program_ = &StartOnDisplay(display_.Name(), {"--minimized"});
    const QRect icon = IconAtRest();
    ASSERT_FALSE(icon.isEmpty());
    EXPECT_FALSE(MainWindow()) << "started in the tray";

    // The way back by the icon, then by a second copy, time and again: the window manager
    // minimising or mapping a window in its own time must not leave it behind. Minimised by
    // the program's own button, and in every third round by the window manager.
    for (int round = 1; round <= 6; ++round) {
        const bool byWindowManager = round % 3 == 0;
        if (round > 1) {
            ASSERT_TRUE(Minimize(byWindowManager)) << "round " << round;
        }
        ASSERT_TRUE(Click(icon.center(), 1));
        ASSERT_TRUE(WindowComesBack()) << "the icon did not bring it back, round " << round;
        ASSERT_TRUE(Minimize(byWindowManager)) << "round " << round;
        ASSERT_TRUE(StartASecondCopy()) << "round " << round;
        ASSERT_TRUE(WindowComesBack()) << "a second copy did not bring it back, round " << round;
    }
    SaveScreen("tray_window_manager", icon.adjusted(-40, 0, 0, 8));
    testing::SendSignal(*program_, SIGTERM);
    ASSERT_TRUE(program_->waitForFinished(kWaitMs));
    EXPECT_EQ(program_->exitCode(), 0);
}

// The notification area at the bottom of the screen, as on many desktops: the icon's menu
// opens above the pointer, not under it.
class TrayProcessAtTheBottom : public TrayProcess {
protected:
    TrayProcessAtTheBottom() : TrayProcess(false, "bottom") {}
};

TEST_F(TrayProcessAtTheBottom, ARightDoubleClickBringsTheWindowBack) {
    const QRect icon = StartIntoTheTray("[Tray]\nUse=1\n");
    ASSERT_FALSE(icon.isEmpty());
    // The first press opens the menu, which takes the second press away from the icon.
    ASSERT_TRUE(DoubleClick(icon.center(), 3));
    const bool back = QTest::qWaitFor(
        [&] {
            const Windows shown = OnScreen();
            return shown.size() == 1 && shown.front().name == "Nudgery!";
        },
        kWaitMs);
    SaveScreen("tray_right_double_click");
    EXPECT_TRUE(back) << "windows on the screen: " << OnScreen().size();
}

TEST_F(TrayProcess, AStartIntoTheTrayStillShowsTheMissedRemindersAndTheDamagedFile) {
    // A data file cut after its first reminder, which fell due yesterday unseen.
    const auto missed = TReminder::CreateNormal(KindOneTime, SystemClock().Now() - 1,
                                                "Missed while away", "", EventShowOnly);
    const auto cut =
        TReminder::CreateNormal(KindOneTime, SystemClock().Now() + 1, "cut off", "", EventShowOnly);
    const std::vector<const TReminder*> none;
    const std::size_t firstRecordEnds =
        EncodeDataFile(std::vector<const TReminder*>{missed.get()}, none).size() - 3;
    std::vector<std::uint8_t> bytes =
        EncodeDataFile(std::vector<const TReminder*>{missed.get(), cut.get()}, none);
    bytes.resize(firstRecordEnds + 10);
    QFile data(DataFile());
    ASSERT_TRUE(data.open(QIODevice::WriteOnly));
    data.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    data.close();
    QFile settings(SettingsFile());
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Tray]\nUse=1\n");
    settings.close();

    program_ = &StartOnDisplay(display_.Name(), {"--minimized"});
    // Both on the screen, each a window of its own, while the main window is in the tray.
    const auto shown = [this](const QString& name) {
        const Windows windows = OnScreen();
        return std::any_of(windows.begin(), windows.end(),
                           [&](const auto& w) { return w.name == name; });
    };
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return shown("Missed Reminders") && shown("Information") && InTheTray().size() == 1;
        },
        kWaitMs));
    EXPECT_FALSE(shown("Nudgery!"));
    SaveScreen("tray_start_reports");
    testing::SendSignal(*program_, SIGTERM);
    EXPECT_TRUE(program_->waitForFinished(kWaitMs));
}

TEST_F(TrayProcess, TheAnimatedIconTicksInTheNotificationArea) {
    const QRect icon = StartIntoTheTray("[Tray]\nUse=1\n[Misc]\nAnimateIcon=1\n");
    ASSERT_FALSE(icon.isEmpty());
    const QImage first = display_.Screenshot().copy(icon);
    QImage next;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            next = display_.Screenshot().copy(icon);
            return next != first && ColoursIn(next, next.rect()) > 4;
        },
        kWaitMs));
    // Two frames side by side, enlarged, to look at.
    QImage frames(icon.width() * 2, icon.height(), QImage::Format_RGB32);
    QPainter painter(&frames);
    painter.drawImage(0, 0, first);
    painter.drawImage(icon.width(), 0, next);
    painter.end();
    frames.scaled(frames.size() * 4).save(QT_TESTCASE_BUILDDIR "/tray_animation_frames.png");
}

TEST_F(TrayProcess, ANotificationAnsweredWhileInTheTrayLeavesTheProgramRunning) {
    const SystemClock clock;
    // A new day during the test would judge the reminder afresh.
    if (clock.TimeOfDay() > EncodeTime(23, 58))
        GTEST_SKIP() << "too close to midnight";
    // Due now, so it fires at the first check, five seconds after the start.
    const auto due =
        TReminder::CreateNormal(KindOneTime, clock.Now(), "due now", "", EventShowOnly);
    DataFileStore(DataFile()).Save(std::vector<const TReminder*>{due.get()}, {});
    const QRect icon = StartIntoTheTray("[Tray]\nUse=1\n");
    ASSERT_FALSE(icon.isEmpty());

    // The notification is the one window on the screen; Enter gives its default answer.
    ASSERT_TRUE(QTest::qWaitFor([&] { return OnScreen().size() == 1; }, kWaitMs));
    SaveScreen("tray_notification");
    ASSERT_TRUE(Xdotool({"key", "Return"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return OnScreen().empty(); }, kWaitMs));

    // Still there: the icon brings the window back, and the end saves the answer.
    ASSERT_TRUE(Click(icon.center(), 1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return OnScreen().size() == 1; }, kWaitMs))
        << "the program has ended: " << (program_->state() == QProcess::NotRunning);
    testing::SendSignal(*program_, SIGTERM);
    ASSERT_TRUE(program_->waitForFinished(kWaitMs));
    EXPECT_EQ(program_->exitCode(), 0);
    QFile saved(DataFile());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    due->Status = StatusDone;
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()),
              EncodeDataFile(std::vector<const TReminder*>{due.get()}, {}));
}

} // namespace
} // namespace nudgery

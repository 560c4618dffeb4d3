// The built program started minimised with the tray in use, on an X server of the test's
// own with an XEmbed notification area (trayer): only its tray icon shows, its menu opens
// on the right button, and a click on the icon brings the window back.
#include "program_process.h"
#include "x_display.h"

#include <QSet>
#include <QStandardPaths>
#include <algorithm>
#include <csignal>

namespace nudgery {
namespace {

using Windows = std::vector<VirtualDisplay::Window>;

class TrayProcess : public ProgramProcess {
protected:
    void SetUp() override {
        for (const char* tool : {"Xvfb", "trayer", "xdotool"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                GTEST_SKIP() << tool << " is not installed";
        ProgramProcess::SetUp();
        QString why;
        ASSERT_TRUE(display_.Start(why)) << why.toStdString();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display_.Name());
        trayer_.setProcessEnvironment(env);
        trayer_.setStandardOutputFile(QProcess::nullDevice());
        trayer_.setStandardErrorFile(QProcess::nullDevice());
        trayer_.start("trayer", {"--edge", "top", "--align", "right", "--widthtype", "request",
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

    // The program on the virtual display, without a D-Bus session, so that its tray icon
    // goes into the XEmbed notification area.
    QProcess& StartOnDisplay(const QStringList& arguments) {
        QProcessEnvironment env;
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("DISPLAY", display_.Name());
        env.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
        return Start(arguments, env);
    }
    static Windows Where(const Windows& windows, bool topLevel) {
        Windows kept;
        std::copy_if(windows.begin(), windows.end(), std::back_inserter(kept),
                     [&](const auto& w) { return w.viewable && w.topLevel == topLevel; });
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

    VirtualDisplay display_;
    QProcess trayer_;
};

TEST_F(TrayProcess, AMinimisedStartShowsOnlyTheTrayIconAndAClickBringsTheWindowBack) {
    QFile settings(SettingsFile());
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Tray]\nUse=1\n");
    settings.close();
    QProcess& program = StartOnDisplay({"--minimized"});
    const qint64 pid = program.processId();

    // One window of the program embedded in the notification area, and none on the screen.
    Windows icons;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const Windows windows = display_.WindowsOf(pid);
            icons = Where(windows, false);
            return icons.size() == 1 && Where(windows, true).empty();
        },
        kWaitMs))
        << "windows on the screen: " << Where(display_.WindowsOf(pid), true).size()
        << ", icons in the tray: " << icons.size();
    const QRect iconArea = icons.front().geometry;
    const QPoint icon = iconArea.center();
    // The icon is drawn: a picture, not a plain square.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return ColoursIn(display_.Screenshot(), iconArea) > 4; }, kWaitMs));
    SaveScreen("tray_minimized_start", iconArea.adjusted(-40, 0, 0, 8));

    // The right button opens the icon's menu, a window of its own on the screen.
    ASSERT_TRUE(Click(icon, 3));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Where(display_.WindowsOf(pid), true).size() == 1; }, kWaitMs));
    SaveScreen("tray_menu");
    ASSERT_TRUE(Xdotool({"key", "Escape"}));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Where(display_.WindowsOf(pid), true).empty(); }, kWaitMs));

    // A click brings the main window back; the icon stays.
    ASSERT_TRUE(Click(icon, 1));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const Windows shown = Where(display_.WindowsOf(pid), true);
            return shown.size() == 1 && shown.front().name == "Nudgery!" &&
                   shown.front().geometry.width() >= 599;
        },
        kWaitMs));
    EXPECT_EQ(Where(display_.WindowsOf(pid), false).size(), 1u);
    SaveScreen("tray_window_back");

    ::kill(static_cast<pid_t>(pid), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(kWaitMs));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

} // namespace
} // namespace nudgery

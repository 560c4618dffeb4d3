// The titles of the program's windows as the desktop reads them: the X11 title properties
// of its mapped windows on a virtual screen (Xvfb), which must be exactly what the program
// sets, with nothing of the toolkit's added.
#include "core/reminder.h"
#include "platform/data_file_store.h"
#include "platform/system_clock.h"
#include "program_copy.h"
#include "x_display.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace nudgery {
namespace {

constexpr int kWaitMs = 30000;
constexpr int kToolWaitMs = 5000;

// What `tool` prints when run against `display`; empty when it failed or hung.
QString Output(const QString& tool, const QStringList& arguments, const QString& display) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    env.insert("LC_ALL", "C.UTF-8");
    process.setProcessEnvironment(env);
    process.start(tool, arguments);
    if (!process.waitForFinished(kToolWaitMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Both title properties (_NET_WM_NAME and WM_NAME) of every window that process `pid` has
// mapped on `display`. Others may map windows there too: a notification server the desktop
// starts when the program sends its first notification.
QStringList MappedWindowTitles(const QString& display, qint64 pid) {
    static const QRegularExpression windowId(R"(^\s+(0x[0-9a-f]+) )",
                                             QRegularExpression::MultilineOption);
    static const QRegularExpression title(R"re(^(?:_NET_WM_NAME|WM_NAME)\(\w+\) = "(.*)"$)re",
                                          QRegularExpression::MultilineOption);
    QStringList titles;
    const QString windows = Output("xwininfo", {"-root", "-children"}, display);
    for (auto found = windowId.globalMatch(windows); found.hasNext();) {
        const QString id = found.next().captured(1);
        if (!Output("xwininfo", {"-id", id}, display).contains("Map State: IsViewable"))
            continue;
        const QString properties =
            Output("xprop", {"-id", id, "_NET_WM_PID", "_NET_WM_NAME", "WM_NAME"}, display);
        if (!properties.contains(QStringLiteral("_NET_WM_PID(CARDINAL) = %1\n").arg(pid)))
            continue;
        for (auto value = title.globalMatch(properties); value.hasNext();)
            titles << value.next().captured(1);
    }
    return titles;
}

// Waits until a window of `pid` whose title starts with `start` is mapped on `display`;
// `titles` are then all the titles of its windows there.
bool WaitForWindow(const QString& display, qint64 pid, const QString& start, QStringList& titles) {
    return QTest::qWaitFor(
        [&] {
            titles = MappedWindowTitles(display, pid);
            return std::any_of(titles.begin(), titles.end(),
                               [&](const QString& t) { return t.startsWith(start); });
        },
        kWaitMs);
}

TEST(WindowTitles, EveryWindowShowsExactlyTheTitleTheProgramSets) {
    for (const char* tool : {"Xvfb", "xwininfo", "xprop", "xdotool"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            GTEST_SKIP() << tool << " is not installed (scripts/packages.sh installs it): the "
                         << "window titles cannot be read";
    VirtualDisplay display;
    QString why;
    ASSERT_TRUE(display.Start(why)) << why.toStdString();

    testing::ProgramCopy program;
    // Due now: the notification opens at the program's first check.
    auto due =
        TReminder::CreateNormal(KindOneTime, SystemClock().Now(), "Stand up", "", EventShowOnly);
    DataFileStore(program.File("Nudgery.dat"))
        .Save(std::vector<const TReminder*>{due.get()}, std::vector<const TReminder*>{});
    QProcessEnvironment env;
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("DISPLAY", display.Name());
    const qint64 pid = program.Start({}, env).processId();

    QStringList titles;
    ASSERT_TRUE(WaitForWindow(display.Name(), pid, "Reminder Notification", titles))
        << titles.join(" | ").toStdString();
    // F1 in the notification, which has the keyboard, opens the help.
    Output("xdotool", {"key", "F1"}, display.Name());
    ASSERT_TRUE(WaitForWindow(display.Name(), pid, "Nudgery! Help", titles))
        << titles.join(" | ").toStdString();

    std::set<std::string> shown;
    for (const QString& t : titles)
        shown.insert(t.toStdString());
    EXPECT_EQ(shown, (std::set<std::string>{"Nudgery!", "Reminder Notification", "Nudgery! Help"}));
}

} // namespace
} // namespace nudgery

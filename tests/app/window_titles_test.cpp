// The titles of the program's windows as the desktop reads them: the X11 title properties
// of its mapped windows on a virtual screen (Xvfb), which must be exactly what the program
// sets, with nothing of the toolkit's added, in the language the user's LANG chooses.
#include "core/reminder.h"
#include "platform/data_file_store.h"
#include "platform/system_clock.h"
#include "program_copy.h"
#include "x_display.h"

#include <QDir>
#include <QFileInfo>
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
// With `legacyName` false, only _NET_WM_NAME: WM_NAME is a Latin-1 STRING by its type, and
// the toolkit fills it with the title's UTF-8 bytes, so a title beyond ASCII reads right
// only in _NET_WM_NAME, which desktops read first.
QStringList MappedWindowTitles(const QString& display, qint64 pid, bool legacyName = true) {
    static const QRegularExpression windowId(R"(^\s+(0x[0-9a-f]+) )",
                                             QRegularExpression::MultilineOption);
    static const QRegularExpression both(R"re(^(?:_NET_WM_NAME|WM_NAME)\(\w+\) = "(.*)"$)re",
                                         QRegularExpression::MultilineOption);
    static const QRegularExpression modern(R"re(^_NET_WM_NAME\(\w+\) = "(.*)"$)re",
                                           QRegularExpression::MultilineOption);
    const QRegularExpression& title = legacyName ? both : modern;
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

// The titles of the notification and the help window, and of the main window, as the program
// started with `language` as its LANG shows them, its translations beside it; empty (and a
// test failure) when they do not show.
std::set<std::string> TitlesShown(const VirtualDisplay& display, const QString& language,
                                  bool legacyName = true) {
    testing::ProgramCopy program;
    const QDir translations(QStringLiteral(NUDGERY_TRANSLATIONS_DIR));
    QFileInfo(program.Program()).dir().mkdir(QStringLiteral("translations"));
    for (const QString& file : translations.entryList({QStringLiteral("*.qm")}, QDir::Files))
        EXPECT_TRUE(QFile::copy(translations.filePath(file),
                                program.File(QStringLiteral("translations/") + file)));
    // Due now: the notification opens at the program's first check.
    auto due =
        TReminder::CreateNormal(KindOneTime, SystemClock().Now(), "Stand up", "", EventShowOnly);
    DataFileStore(program.File("Nudgery.dat"))
        .Save(std::vector<const TReminder*>{due.get()}, std::vector<const TReminder*>{});
    QProcessEnvironment env;
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("DISPLAY", display.Name());
    // The language comes from LANG alone.
    env.insert("LANGUAGE", "");
    env.insert("LC_ALL", "");
    env.insert("LC_MESSAGES", "");
    env.insert("LANG", language);
    const qint64 pid = program.Start({}, env).processId();

    // The notification is the window that is not the main window; it has the keyboard, and
    // F1 there opens the help.
    QStringList titles;
    const auto notificationShown = [&] {
        titles = MappedWindowTitles(display.Name(), pid, legacyName);
        return std::any_of(titles.begin(), titles.end(),
                           [](const QString& t) { return t != QLatin1String("Nudgery!"); });
    };
    if (!QTest::qWaitFor(notificationShown, kWaitMs)) {
        ADD_FAILURE() << "no notification: " << titles.join(" | ").toStdString();
        return {};
    }
    const int before = static_cast<int>(std::set<QString>(titles.begin(), titles.end()).size());
    Output("xdotool", {"key", "F1"}, display.Name());
    if (!QTest::qWaitFor(
            [&] {
                titles = MappedWindowTitles(display.Name(), pid, legacyName);
                return static_cast<int>(std::set<QString>(titles.begin(), titles.end()).size()) >
                       before;
            },
            kWaitMs)) {
        ADD_FAILURE() << "no help window: " << titles.join(" | ").toStdString();
        return {};
    }
    std::set<std::string> shown;
    for (const QString& t : titles)
        shown.insert(t.toStdString());
    return shown;
}

class WindowTitles : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"Xvfb", "xwininfo", "xprop", "xdotool"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                GTEST_SKIP() << tool << " is not installed (scripts/packages.sh installs it): the "
                             << "window titles cannot be read";
        QString why;
        ASSERT_TRUE(display.Start(why)) << why.toStdString();
    }
    VirtualDisplay display;
};

const std::set<std::string> English = {"Nudgery!", "Reminder Notification", "Nudgery! Help"};

TEST_F(WindowTitles, EveryWindowShowsExactlyTheTitleTheProgramSets) {
    EXPECT_EQ(TitlesShown(display, "en_US.UTF-8"), English);
}

// LANG=C shows the program's own English, though its translations are beside it; German
// shows German.
TEST_F(WindowTitles, TheUsersLanguageChoosesTheTitles) {
    EXPECT_EQ(TitlesShown(display, "C"), English);
    EXPECT_EQ(TitlesShown(display, "de_DE.UTF-8", /*legacyName=*/false),
              (std::set<std::string>{"Nudgery!", "Fällige Erinnerung", "Nudgery! Hilfe"}));
}

} // namespace
} // namespace nudgery

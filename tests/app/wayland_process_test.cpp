// The built program natively on Wayland (Qt's wayland platform) in a headless sway session
// run as an ordinary user: its main window shows, and a reminder due at start brings up
// its notification window with the keyboard. What is on the screen is read from sway's own
// listing of the windows (swaymsg).
#include "core/datetime.h"
#include "core/reminder.h"
#include "platform/data_file_store.h"
#include "platform/system_clock.h"
#include "support/wayland_session.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

namespace nudgery {
namespace {

constexpr int kWaitMs = 20000;

struct Shown {
    QString title;
    bool floating = false;
    bool focused = false;
};

void Collect(const QJsonObject& node, bool floating, std::vector<Shown>& found) {
    if (node.contains(QLatin1String("app_id")) && !node.value("app_id").isNull())
        found.push_back({node.value("name").toString(), floating, node.value("focused").toBool()});
    for (const QJsonValue child : node.value("nodes").toArray())
        Collect(child.toObject(), false, found);
    for (const QJsonValue child : node.value("floating_nodes").toArray())
        Collect(child.toObject(), true, found);
}

// The windows of the session's clients, from sway's tree.
std::vector<Shown> Windows(const testing::WaylandSession& session) {
    QProcessEnvironment environment = session.ClientEnvironment();
    environment.insert(QStringLiteral("SWAYSOCK"), session.IpcSocket());
    const auto tree = testing::RunToEnd(QStringLiteral("swaymsg"),
                                        {QStringLiteral("-t"), QStringLiteral("get_tree")},
                                        environment, session.User());
    std::vector<Shown> found;
    if (tree)
        Collect(QJsonDocument::fromJson(*tree).object(), false, found);
    return found;
}

bool GiveTo(const QString& path, const testing::UserIds& user) {
    return chown(QFile::encodeName(path).constData(), user.uid, user.gid) == 0;
}

TEST(WaylandProcess, UnderSwayTheWindowAndANotificationShow) {
    const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                           QStringLiteral("/platforms/libqwayland-generic.so");
    if (!QFile::exists(plugin))
        GTEST_SKIP() << "Qt's wayland platform plugin (qt6-wayland) is not installed";
    if (!testing::Installed(QStringLiteral("swaymsg")))
        GTEST_SKIP() << "swaymsg (sway) is not installed";
    const SystemClock clock;
    if (clock.TimeOfDay() > EncodeTime(23, 58))
        GTEST_SKIP() << "too close to midnight";
    testing::WaylandSession session;
    QString why;
    if (!session.Start(why))
        GTEST_SKIP() << "no headless sway session: " << why.toStdString();
    const testing::UserIds user = *session.User();

    // The program's folder, with its data file, is the session user's.
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("nudgery"));
    ASSERT_TRUE(QFile::copy(NUDGERY_PATH, program));
    const auto due =
        TReminder::CreateNormal(KindOneTime, clock.Now(), "Call Anna", "", EventShowOnly);
    const QString data = folder.filePath(QStringLiteral("Nudgery.dat"));
    DataFileStore(data).Save(std::vector<const TReminder*>{due.get()}, {});
    for (const QString& path : {folder.path(), program, data})
        ASSERT_TRUE(GiveTo(path, user)) << path.toStdString();

    QProcessEnvironment environment = session.ClientEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    testing::BackgroundProcess nudgery;
    ASSERT_TRUE(nudgery.Start(program, {}, environment, why, user)) << why.toStdString();

    std::vector<Shown> windows;
    const auto titled = [&](const char* title) {
        return std::find_if(windows.begin(), windows.end(),
                            [&](const Shown& w) { return w.title == QLatin1String(title); });
    };
    // The first check, five seconds after the window shows, fires the reminder.
    const bool both = QTest::qWaitFor(
        [&] {
            windows = Windows(session);
            return titled("Nudgery!") != windows.end() &&
                   titled("Reminder Notification") != windows.end();
        },
        kWaitMs);
    ASSERT_TRUE(both) << "windows: " << windows.size()
                      << "; the program's output: " << nudgery.Output().toStdString();
    // A window of its own over the main window, with the keyboard, as a dialog.
    EXPECT_TRUE(titled("Reminder Notification")->floating);
    EXPECT_TRUE(titled("Reminder Notification")->focused);
}

} // namespace
} // namespace nudgery

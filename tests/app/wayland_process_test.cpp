// The built program natively on Wayland (Qt's wayland platform) in a headless sway session
// run as an ordinary user: its main window shows, a reminder due at start brings up its
// notification window with the keyboard, and the placement kept at the end holds neither a
// position the program cannot know nor the size of sway's layout. With a bus of the test's
// own, mako shows the desktop notification of the reminder and an action invoked there is
// the answer in the data file; and the tray icon works through swaybar, a
// StatusNotifierItem host. What is on the screen is read from sway's own listing of the
// windows (swaymsg), what the tray offers from the bus, and the user's clicks on the bar
// are the calls swaybar makes on them.
#include "core/datetime.h"
#include "core/reminder.h"
#include "platform/profile_file.h"
#include "platform/system_clock.h"
#include "support/notification_server.h"
#include "support/session_bus.h"
#include "wayland_program.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <algorithm>
#include <map>

namespace nudgery {
namespace {

using testing::SwayWindow;
using testing::WaylandProgram;
using testing::WaylandSession;

constexpr int kWaitMs = WaylandProgram::WaitMs;

class WaylandProcess : public ::testing::Test {
protected:
    void SetUp() override {
        if (const QString missing = WaylandProgram::Missing(); !missing.isEmpty())
            GTEST_SKIP() << missing.toStdString();
        // A new day during the test would judge the reminders afresh.
        if (SystemClock().TimeOfDay() > EncodeTime(23, 58))
            GTEST_SKIP() << "too close to midnight";
    }
    // Starts the session, with `options`; skips the test when there can be none here.
    void StartSession(const WaylandSession::Options& options = {}) {
        QString why;
        if (!session_.Start(options, why))
            GTEST_SKIP() << "no headless sway session: " << why.toStdString();
        program_ = std::make_unique<WaylandProgram>(session_);
    }
    // Waits until sway lists a window titled `title`; the window as it is then.
    std::optional<SwayWindow> WaitForWindow(const QString& title) {
        std::optional<SwayWindow> found;
        (void)QTest::qWaitFor(
            [&] {
                found = Window(title);
                return found.has_value();
            },
            kWaitMs);
        return found;
    }
    std::optional<SwayWindow> Window(const QString& title) const {
        for (const SwayWindow& window : session_.Windows())
            if (window.title == title)
                return window;
        return std::nullopt;
    }
    std::string Output() { return program_->Process().Output().toStdString(); }
    // A one-time reminder due now, shown by a window without sound, for the first check to
    // fire, five seconds after the start.
    static std::unique_ptr<TReminder> DueNow(const std::string& text) {
        return TReminder::CreateNormal(KindOneTime, SystemClock().Now(), text, "", EventShowOnly);
    }
    static QByteArray FileOf(const TReminder& reminder) {
        const std::vector<std::uint8_t> bytes =
            EncodeDataFile(std::vector<const TReminder*>{&reminder}, {});
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    }

    WaylandSession session_;
    std::unique_ptr<WaylandProgram> program_;
};

TEST_F(WaylandProcess, UnderSwayTheWindowShowsANotificationTakesTheKeyboardAndNoPositionIsKept) {
    StartSession();
    program_->WriteOneTime(*DueNow("Call Anna"));
    QString why;
    ASSERT_TRUE(program_->Start({}, {}, why)) << why.toStdString();

    const std::optional<SwayWindow> main = WaitForWindow(QStringLiteral("Nudgery!"));
    ASSERT_TRUE(main) << Output();
    const std::optional<SwayWindow> notification =
        WaitForWindow(QStringLiteral("Reminder Notification"));
    ASSERT_TRUE(notification) << Output();
    // A window of its own over the main window, with the keyboard, as a dialog.
    EXPECT_TRUE(notification->floating);
    EXPECT_TRUE(notification->focused);

    // Ended unanswered, the reminder left as it was; the main window was laid out by sway
    // over the whole output, a size the program did not choose.
    ASSERT_TRUE(program_->End()) << Output();
    ASSERT_GT(main->rect.width(), 700) << "not laid out over the output";
    const ProfileFile ini(program_->SettingsFile());
    const auto key = [&](const char* name) {
        return ini.ReadInteger("TMainForm_Placement", name, -1);
    };
    EXPECT_EQ(key("Right") - key("Left"), 599) << "the design width, not sway's tile";
    EXPECT_LT(key("Bottom") - key("Top"), main->rect.height() - 100);
    // Centred on the 800 by 600 output: where the program itself puts a window of that size.
    EXPECT_EQ(key("Left"), (800 - 599) / 2);
    EXPECT_GT(key("Top"), 0);
}

TEST_F(WaylandProcess, MakoShowsTheReminderAndAnActionInvokedThereIsTheAnswerSaved) {
    if (!testing::NotificationServer::Installed(testing::NotificationServer::Kind::Mako))
        GTEST_SKIP() << "mako or makoctl is not installed";
    testing::PrivateSessionBus bus;
    QString why;
    if (!bus.Start(why))
        GTEST_SKIP() << why.toStdString();
    testing::BusRecord record;
    ASSERT_TRUE(record.Start(bus, why)) << why.toStdString();
    StartSession();
    testing::NotificationServer mako;
    ASSERT_TRUE(mako.Start(testing::NotificationServer::Kind::Mako, bus,
                           session_.ClientEnvironment(), session_.User(), why))
        << why.toStdString();
    const auto due = DueNow("Pay <b>Tom</b> & Jerry\nat the bank");
    program_->WriteOneTime(*due);
    ASSERT_TRUE(program_->Start({}, bus.Address(), why)) << why.toStdString();

    // What mako shows: the message as written, the user's markup shown as typed.
    QJsonObject listed;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QJsonArray shown = mako.MakoList();
            listed = shown.isEmpty() ? QJsonObject() : shown.at(0).toObject();
            return !listed.isEmpty();
        },
        kWaitMs))
        << Output();
    const auto field = [&](const char* name) {
        return listed.value(name).toObject().value("data");
    };
    EXPECT_EQ(field("app-name").toString(), "Nudgery!");
    EXPECT_EQ(field("summary").toString(), "Pay <b>Tom</b> & Jerry");
    EXPECT_TRUE(field("body").toString().startsWith("at the bank\n"))
        << field("body").toString().toStdString();
    EXPECT_EQ(field("actions").toObject().keys(), QStringList({"default", "ok", "snooze-5"}));
    // Critical, so that it stays until it is answered, as the bus carried it to mako.
    std::vector<QJsonObject> notify;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            notify = record.Messages(QStringLiteral("Notify"));
            return !notify.empty();
        },
        kWaitMs));
    EXPECT_EQ(testing::BusRecord::Hint(notify.front(), 6, QStringLiteral("urgency"))
                  .value("data")
                  .toInt(),
              2);
    ASSERT_TRUE(WaitForWindow(QStringLiteral("Reminder Notification")));

    ASSERT_TRUE(mako.Control({QStringLiteral("invoke"), QStringLiteral("-n"),
                              QString::number(field("id").toInt()), QStringLiteral("ok")}));
    // Answered Ok: saved at once, the window and the desktop notification gone.
    due->Status = StatusDone;
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return program_->Read("Nudgery.dat") == FileOf(*due); }, kWaitMs))
        << Output();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !Window(QStringLiteral("Reminder Notification")).has_value(); }, kWaitMs));
    EXPECT_TRUE(QTest::qWaitFor([&] { return mako.MakoList().isEmpty(); }, kWaitMs));
    EXPECT_TRUE(program_->End()) << Output();
}

// The tray icon in swaybar: what the bar is given, and the bar's calls as the user's clicks.
class WaylandTray : public WaylandProcess {
protected:
    void StartWithBar() {
        QString why;
        if (!bus_.Start(why))
            GTEST_SKIP() << why.toStdString();
        StartSession({bus_.Address(), true});
        if (IsSkipped())
            return;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return bus_.HasOwner(QStringLiteral("org.kde.StatusNotifierWatcher")); },
            kWaitMs))
            << "swaybar took no notification area: " << session_.Log().toStdString();
    }
    // The program's item, as the bar's watcher lists it: its bus name; empty when none.
    QString Item() const {
        const QVariant items = Property(QStringLiteral("org.kde.StatusNotifierWatcher"),
                                        QStringLiteral("/StatusNotifierWatcher"),
                                        QStringLiteral("org.kde.StatusNotifierWatcher"),
                                        QStringLiteral("RegisteredStatusNotifierItems"));
        const QStringList listed = items.toStringList();
        return listed.size() == 1 ? listed.front().section('/', 0, 0) : QString();
    }
    QVariant Property(const QString& service, const QString& path, const QString& interface,
                      const QString& name) const {
        QDBusMessage get = QDBusMessage::createMethodCall(
            service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        get << interface << name;
        const QDBusMessage reply = bus_.Observer().call(get, QDBus::Block, kWaitMs);
        return reply.arguments().isEmpty()
                   ? QVariant()
                   : reply.arguments().front().value<QDBusVariant>().variant();
    }
    // What busctl reads of the item's `property`, as text.
    QByteArray ItemProperty(const QString& item, const char* property) const {
        return testing::RunToEnd(QStringLiteral("busctl"),
                                 {QStringLiteral("--user"), QStringLiteral("get-property"), item,
                                  QStringLiteral("/StatusNotifierItem"),
                                  QStringLiteral("org.kde.StatusNotifierItem"),
                                  QLatin1String(property)},
                                 bus_.Environment())
            .value_or(QByteArray());
    }
    // A click on the icon in the bar, as swaybar passes it on: Activate for the left
    // button, ContextMenu for the right.
    bool Click(const QString& item, const char* method) const {
        QDBusMessage call = QDBusMessage::createMethodCall(
            item, QStringLiteral("/StatusNotifierItem"),
            QStringLiteral("org.kde.StatusNotifierItem"), QLatin1String(method));
        call << 790 << 10;
        return bus_.Observer().call(call, QDBus::Block, kWaitMs).type() ==
               QDBusMessage::ReplyMessage;
    }
    // The menu the item offers to a host that shows menus: label by item id.
    std::map<int, QString> Menu(const QString& item) const {
        const auto layout = testing::RunToEnd(
            QStringLiteral("busctl"),
            {QStringLiteral("--user"), QStringLiteral("--json=short"), QStringLiteral("call"), item,
             QStringLiteral("/MenuBar"), QStringLiteral("com.canonical.dbusmenu"),
             QStringLiteral("GetLayout"), QStringLiteral("iias"), QStringLiteral("0"),
             QStringLiteral("--"), QStringLiteral("-1"), QStringLiteral("0")},
            bus_.Environment());
        std::map<int, QString> labels;
        if (!layout)
            return labels;
        const QJsonArray root =
            QJsonDocument::fromJson(*layout).object().value("data").toArray().at(1).toArray();
        for (const QJsonValue child : root.at(2).toArray()) {
            const QJsonArray entry = child.toObject().value("data").toArray();
            labels[entry.at(0).toInt()] =
                entry.at(1).toObject().value("label").toObject().value("data").toString();
        }
        return labels;
    }
    bool ClickMenuItem(const QString& item, int id) const {
        QDBusMessage event = QDBusMessage::createMethodCall(
            item, QStringLiteral("/MenuBar"), QStringLiteral("com.canonical.dbusmenu"),
            QStringLiteral("Event"));
        event << id << QStringLiteral("clicked") << QVariant::fromValue(QDBusVariant(QString()))
              << 0u;
        return bus_.Observer().call(event, QDBus::Block, kWaitMs).type() ==
               QDBusMessage::ReplyMessage;
    }

    testing::PrivateSessionBus bus_;
};

TEST_F(WaylandTray, ThroughSwaybarTheIconTicksItsMenuShowsAndAClickBringsTheWindowBack) {
    StartWithBar();
    if (IsSkipped())
        return;
    program_->Write(QStringLiteral("NUDGERY.INI"), "[Tray]\nUse=1\n[Misc]\nAnimateIcon=1\n");
    QString why;
    ASSERT_TRUE(program_->Start({QStringLiteral("--minimized")}, bus_.Address(), why))
        << why.toStdString();

    // A minimised start: only the icon, in the bar's notification area.
    QString item;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            item = Item();
            return !item.isEmpty();
        },
        kWaitMs))
        << "the bar lists no icon of the program: " << Output();
    EXPECT_TRUE(session_.Windows().empty()) << "a window shows";
    // The ticking clock: the picture the bar is given changes.
    const QByteArray frame = ItemProperty(item, "IconPixmap");
    ASSERT_FALSE(frame.isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ItemProperty(item, "IconPixmap") != frame; }, 5000));
    // No tooltip of its own: the bar shows the program's name.
    EXPECT_TRUE(ItemProperty(item, "ToolTip").contains("\"\" 0 \"\" \"\""))
        << ItemProperty(item, "ToolTip").toStdString();
    EXPECT_EQ(ItemProperty(item, "Title").trimmed(), "s \"Nudgery\"");

    // The menu, for a host that shows it itself.
    const std::map<int, QString> menu = Menu(item);
    std::vector<QString> labels;
    for (const auto& [id, label] : menu)
        labels.push_back(label);
    std::sort(labels.begin(), labels.end());
    EXPECT_EQ(labels, (std::vector<QString>{"E_xit", "_Show Nudgery"}));

    // A left click brings the window back.
    ASSERT_TRUE(Click(item, "Activate"));
    ASSERT_TRUE(WaitForWindow(QStringLiteral("Nudgery!"))) << Output();
    // A right click in swaybar, which shows no menus itself: the program's own.
    const size_t before = session_.Windows().size();
    ASSERT_TRUE(Click(item, "ContextMenu"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return session_.Windows().size() == before + 1; }, kWaitMs));

    // Exit in the host's menu ends the program the normal way.
    const auto exit = std::find_if(menu.begin(), menu.end(),
                                   [](const auto& entry) { return entry.second == "E_xit"; });
    ASSERT_NE(exit, menu.end());
    ASSERT_TRUE(ClickMenuItem(item, exit->first));
    QProcess& process = program_->Process().Process();
    ASSERT_TRUE(process.waitForFinished(kWaitMs)) << Output();
    EXPECT_EQ(process.exitCode(), 0) << Output();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Item().isEmpty(); }, kWaitMs));
}

} // namespace
} // namespace nudgery

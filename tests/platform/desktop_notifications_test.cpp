// Desktop notifications over D-Bus, against real notification servers on a bus of the
// test's own: dunst and notification-daemon on an X server (Xvfb), mako in a headless sway
// session. What was sent is read from an independent record of the bus (busctl's monitor)
// and from the servers' own listings; answers are given through the servers, as a user
// would. A server that never answers stands in for a slow one.
#include "../app/x_display.h"
#include "platform/desktop_notifications.h"
#include "support/notification_server.h"
#include "support/session_bus.h"
#include "support/shown_markup.h"
#include "support/silent_notification_server.h"
#include "support/wayland_session.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QDir>
#include <QJsonDocument>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace nudgery {
namespace {

using testing::BusRecord;
using testing::NotificationServer;
using testing::ShownText;
using testing::SilentServer;
using Notice = DesktopNotifications::Notice;

constexpr int kWaitMs = 20000;
const QString kDesktopEntry = QStringLiteral("org.example.NudgeryTest");
const QColor kIconColour(0x20, 0x80, 0xc0);
const QString kService = QStringLiteral("org.freedesktop.Notifications");

QIcon PlainIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(kIconColour);
    return QIcon(pixmap);
}

// What the program heard back from the desktop.
struct Heard {
    std::vector<std::pair<Notice, NoticeAnswer>> answers;
    std::vector<std::pair<Notice, NoticeCloseReason>> closes;
};

class DesktopNotificationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString why;
        if (!bus_.Start(why) || !record_.Start(bus_, why))
            GTEST_SKIP() << why.toStdString();
        notices_ =
            std::make_unique<DBusDesktopNotifications>(kDesktopEntry, PlainIcon(), bus_.Address());
        QObject::connect(notices_.get(), &DesktopNotifications::Answered,
                         [this](Notice n, NoticeAnswer a) { heard_.answers.emplace_back(n, a); });
        QObject::connect(
            notices_.get(), &DesktopNotifications::Closed,
            [this](Notice n, NoticeCloseReason r) { heard_.closes.emplace_back(n, r); });
    }
    void TearDown() override {
        notices_.reset();
        server_.Stop();
    }

    void StartDisplay() {
        for (const char* tool : {"Xvfb", "xdotool"})
            if (!testing::Installed(QLatin1String(tool)))
                GTEST_SKIP() << tool << " is not installed";
        QString why;
        ASSERT_TRUE(display_.Start(why)) << why.toStdString();
    }
    QProcessEnvironment DisplayEnvironment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display_.Name());
        return environment;
    }
    // Starts a server of `kind` on the X display (skips when it is not installed).
    void StartServerOnX(NotificationServer::Kind kind) {
        if (!NotificationServer::Installed(kind))
            GTEST_SKIP() << NotificationServer::Program(kind).toStdString() << " is not installed";
        QString why;
        ASSERT_TRUE(server_.Start(kind, bus_, DisplayEnvironment(), std::nullopt, why))
            << why.toStdString();
    }

    std::vector<QJsonObject> Sent(const char* member) {
        return record_.Messages(QLatin1String(member));
    }
    // Waits for the `count`-th call of `member` on the bus.
    bool WaitForSent(const char* member, size_t count = 1) {
        return QTest::qWaitFor([&] { return Sent(member).size() >= count; }, kWaitMs);
    }
    // dunst's number of notifications on the screen now.
    int DunstDisplayed() {
        const auto count = server_.Control({QStringLiteral("count"), QStringLiteral("displayed")});
        return count ? count->trimmed().toInt() : -1;
    }
    bool WaitForDunstDisplayed(int count) {
        return QTest::qWaitFor([&] { return DunstDisplayed() == count; }, kWaitMs);
    }
    bool WaitForAnswers(size_t count) {
        return QTest::qWaitFor([&] { return heard_.answers.size() >= count; }, kWaitMs);
    }

    testing::PrivateSessionBus bus_;
    BusRecord record_;
    VirtualDisplay display_;
    NotificationServer server_;
    std::unique_ptr<DBusDesktopNotifications> notices_;
    Heard heard_;
};

TEST_F(DesktopNotificationsTest, DunstShowsTheReminderAsSentWithItsMarkupLiteral) {
    StartDisplay();
    StartServerOnX(NotificationServer::Kind::Dunst);
    const QString message = QStringLiteral("Pay <b>Tom</b> & Jerry\n<a href=\"x\">Bring</a> & "
                                           "&amp; the <i>keys</i>");
    notices_->Show(message, QStringLiteral("9:05 AM"));
    ASSERT_TRUE(WaitForSent("Notify"));
    ASSERT_TRUE(WaitForDunstDisplayed(1));

    const QJsonObject notify = Sent("Notify").front();
    EXPECT_EQ(notify.value("destination").toString(), kService);
    const QJsonArray arguments = BusRecord::Arguments(notify);
    ASSERT_EQ(arguments.size(), 8) << QJsonDocument(notify).toJson().toStdString();
    EXPECT_EQ(arguments[0].toString(), QStringLiteral("Nudgery!"));
    EXPECT_EQ(arguments[1].toInt(), 0) << "a new notification, replacing none";
    // dunst reads markup in the body: the body's text, read as markup, is the message's.
    EXPECT_EQ(arguments[3].toString(), QStringLiteral("Pay <b>Tom</b> & Jerry"));
    EXPECT_EQ(ShownText(arguments[4].toString()),
              QStringLiteral("<a href=\"x\">Bring</a> & &amp; the <i>keys</i>\nDue at 9:05 AM"));
    QStringList actionKeys;
    const QJsonArray actions = arguments[5].toArray();
    for (qsizetype i = 0; i < actions.size(); i += 2)
        actionKeys << actions[i].toString();
    EXPECT_EQ(actionKeys, QStringList({"default", "ok", "snooze-5"}));
    EXPECT_EQ(arguments[7].toInt(), 0) << "never expires";

    const auto hint = [&](const char* key) {
        return BusRecord::Hint(notify, 6, QLatin1String(key));
    };
    EXPECT_EQ(hint("urgency").value("type").toString(), "y");
    EXPECT_EQ(hint("urgency").value("data").toInt(), 2) << "critical";
    EXPECT_EQ(hint("desktop-entry").value("data").toString(), kDesktopEntry);
    EXPECT_EQ(hint("category").value("data").toString(), "x-nudgery.reminder");
    EXPECT_EQ(hint("suppress-sound").value("type").toString(), "b");
    EXPECT_TRUE(hint("suppress-sound").value("data").toBool());

    // What dunst shows, once the user has closed it: its own markup of the notification,
    // whose text has the user's "<b>" and "&" as typed.
    ASSERT_TRUE(server_.Control({QStringLiteral("close")}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !heard_.closes.empty(); }, kWaitMs));
    EXPECT_EQ(heard_.closes.front().second, NoticeCloseReason::Dismissed);
    EXPECT_TRUE(heard_.answers.empty()) << "closing is no answer";
    const auto history = server_.Control({QStringLiteral("history")});
    ASSERT_TRUE(history);
    const QJsonObject shown = QJsonDocument::fromJson(*history)
                                  .object()
                                  .value("data")
                                  .toArray()
                                  .at(0)
                                  .toArray()
                                  .at(0)
                                  .toObject();
    const QString shownText = ShownText(shown.value("message").toObject().value("data").toString());
    EXPECT_TRUE(shownText.contains(QStringLiteral("Pay <b>Tom</b> & Jerry")))
        << shownText.toStdString();
    EXPECT_TRUE(
        shownText.contains(QStringLiteral("<a href=\"x\">Bring</a> & &amp; the <i>keys</i>")))
        << shownText.toStdString();
    EXPECT_EQ(shown.value("appname").toObject().value("data").toString(), "Nudgery!");
    EXPECT_EQ(shown.value("category").toObject().value("data").toString(), "x-nudgery.reminder");
}

TEST_F(DesktopNotificationsTest, AnActionChosenInDunstReachesTheProgram) {
    StartDisplay();
    StartServerOnX(NotificationServer::Kind::Dunst);
    const struct {
        const char* key;
        NoticeAnswer answer;
    } choices[] = {{"snooze-5", NoticeAnswer::Snooze5Minutes},
                   {"ok", NoticeAnswer::Ok},
                   {"default", NoticeAnswer::ShowWindow}};
    for (const auto& choice : choices) {
        heard_ = {};
        const Notice notice = notices_->Show(QStringLiteral("Water the plants"), "9:05");
        ASSERT_TRUE(WaitForDunstDisplayed(1)) << choice.key;
        server_.PickFromMenu(QLatin1String(choice.key));
        ASSERT_TRUE(server_.Control({QStringLiteral("context")})) << choice.key;
        ASSERT_TRUE(WaitForAnswers(1)) << choice.key;
        EXPECT_EQ(heard_.answers.front().first, notice) << choice.key;
        EXPECT_EQ(heard_.answers.front().second, choice.answer) << choice.key;
        EXPECT_EQ(heard_.answers.size(), 1u) << choice.key;
        // dunst leaves the notification up after the action: the program takes it away.
        notices_->Close(notice);
        ASSERT_TRUE(WaitForDunstDisplayed(0)) << choice.key;
    }
}

TEST_F(DesktopNotificationsTest, ClosedByTheProgramItLeavesTheDesktop) {
    StartDisplay();
    StartServerOnX(NotificationServer::Kind::Dunst);
    const Notice shown = notices_->Show(QStringLiteral("Call Anna"), "9:05");
    ASSERT_TRUE(WaitForDunstDisplayed(1));
    notices_->Close(shown);
    EXPECT_TRUE(WaitForDunstDisplayed(0));
    ASSERT_TRUE(WaitForSent("CloseNotification"));

    // Closed before the server has even said which notification it is: closed as soon as
    // it says.
    const Notice early = notices_->Show(QStringLiteral("Call Bert"), "9:05");
    notices_->Close(early);
    ASSERT_TRUE(WaitForSent("CloseNotification", 2));
    EXPECT_TRUE(WaitForDunstDisplayed(0));
    // Closing again, or a notification never shown, does nothing.
    notices_->Close(early);
    notices_->Close(early + 100);
    EXPECT_TRUE(heard_.answers.empty());
}

TEST_F(DesktopNotificationsTest, NoServerMeansNothingSentAndAServerThatComesLaterIsFound) {
    StartDisplay();
    // No server: the capabilities are asked, the bus says no one is there, and the
    // notifications go nowhere.
    notices_->Show(QStringLiteral("Nobody listens"), "9:05");
    notices_->Show(QStringLiteral("Nobody listens again"), "9:06");
    ASSERT_TRUE(WaitForSent("GetCapabilities"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !record_
                        .Messages(QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"),
                                  QStringLiteral("error_name"))
                        .empty();
        },
        kWaitMs));
    // Nor asked again at the next: the service is watched, so a server that comes is known.
    notices_->Show(QStringLiteral("Still nobody"), "9:06");
    ASSERT_TRUE(record_.Sync(bus_));
    EXPECT_EQ(Sent("GetCapabilities").size(), 1u) << "asked again with no server come";
    EXPECT_TRUE(Sent("Notify").empty());

    // A server comes: it is asked for its capabilities, and the next notification goes to
    // it.
    StartServerOnX(NotificationServer::Kind::Dunst);
    ASSERT_TRUE(WaitForSent("GetCapabilities", 2));
    notices_->Show(QStringLiteral("Now someone listens"), "9:07");
    ASSERT_TRUE(WaitForDunstDisplayed(1));
    // The record keeps the bus's order: a call made before this one would show before it.
    ASSERT_TRUE(WaitForSent("Notify"));
    const std::vector<QJsonObject> notified = Sent("Notify");
    ASSERT_EQ(notified.size(), 1u) << "what was sent before the server came went nowhere";
    EXPECT_EQ(BusRecord::Arguments(notified.front())[3].toString(), "Now someone listens");

    // Another server takes its place: found too, and what it announces is asked anew
    // (notification-daemon reads markup as well; both show actions).
    ASSERT_TRUE(server_.Stop());
    StartServerOnX(NotificationServer::Kind::NotificationDaemon);
    ASSERT_TRUE(WaitForSent("GetCapabilities", 3));
    notices_->Show(QStringLiteral("And another"), "9:08");
    ASSERT_TRUE(WaitForSent("Notify", 2));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (const auto& window : display_.WindowsOf(server_.Pid()))
                if (window.topLevel && window.viewable)
                    return true;
            return false;
        },
        kWaitMs))
        << "notification-daemon shows no notification";
}

TEST_F(DesktopNotificationsTest, AClickOnNotificationDaemonsBubbleAsksForTheWindow) {
    StartDisplay();
    StartServerOnX(NotificationServer::Kind::NotificationDaemon);
    const Notice notice = notices_->Show(QStringLiteral("Feed the cat"), "9:05");
    QRect bubble;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (const auto& window : display_.WindowsOf(server_.Pid()))
                if (window.topLevel && window.viewable && window.geometry.width() > 100)
                    bubble = window.geometry;
            return !bubble.isEmpty();
        },
        kWaitMs));
    display_.Screenshot().save(QStringLiteral(QT_TESTCASE_BUILDDIR "/notification_daemon.png"));
    // On the summary's line, left of the close button: the bubble itself, not a button.
    // The bubble may still be finding its place when it first shows: clicked again where
    // it is now until the click lands.
    const QDeadlineTimer deadline(kWaitMs);
    while (heard_.answers.empty() && !deadline.hasExpired()) {
        for (const auto& window : display_.WindowsOf(server_.Pid()))
            if (window.topLevel && window.viewable && window.geometry.width() > 100)
                bubble = window.geometry;
        const QPoint at = bubble.topLeft() + QPoint(bubble.width() / 3, 20);
        ASSERT_TRUE(testing::RunToEnd(
            QStringLiteral("xdotool"),
            {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"},
            DisplayEnvironment()));
        (void)QTest::qWaitFor([&] { return !heard_.answers.empty(); }, 1000);
    }
    ASSERT_FALSE(heard_.answers.empty());
    EXPECT_EQ(heard_.answers.front(), std::make_pair(notice, NoticeAnswer::ShowWindow));
}

TEST_F(DesktopNotificationsTest, MakoInAHeadlessSwaySessionShowsAndAnswers) {
    if (!NotificationServer::Installed(NotificationServer::Kind::Mako))
        GTEST_SKIP() << "mako or makoctl is not installed";
    testing::WaylandSession session;
    QString why;
    if (!session.Start(why))
        GTEST_SKIP() << "no headless sway session: " << why.toStdString();
    ASSERT_TRUE(server_.Start(NotificationServer::Kind::Mako, bus_, session.ClientEnvironment(),
                              session.User(), why))
        << why.toStdString();

    const Notice notice =
        notices_->Show(QStringLiteral("Pay <b>Tom</b> & Jerry\nat the bank"), "9:05");
    QJsonObject listed;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QJsonArray shown = server_.MakoList();
            listed = shown.isEmpty() ? QJsonObject() : shown.at(0).toObject();
            return !listed.isEmpty();
        },
        kWaitMs));
    const auto field = [&](const char* name) {
        return listed.value(name).toObject().value("data");
    };
    EXPECT_EQ(field("app-name").toString(), "Nudgery!");
    EXPECT_EQ(field("summary").toString(), "Pay <b>Tom</b> & Jerry");
    EXPECT_EQ(ShownText(field("body").toString()), "at the bank\nDue at 9:05");
    EXPECT_EQ(field("category").toString(), "x-nudgery.reminder");
    EXPECT_EQ(field("actions").toObject().keys(), QStringList({"default", "ok", "snooze-5"}));
    ASSERT_TRUE(WaitForSent("Notify"));
    EXPECT_EQ(BusRecord::Hint(Sent("Notify").front(), 6, "urgency").value("data").toInt(), 2);

    ASSERT_TRUE(server_.Control({QStringLiteral("invoke"), QStringLiteral("-n"),
                                 QString::number(field("id").toInt()), QStringLiteral("ok")}));
    ASSERT_TRUE(WaitForAnswers(1));
    EXPECT_EQ(heard_.answers.front(), std::make_pair(notice, NoticeAnswer::Ok));
}

TEST_F(DesktopNotificationsTest, ASlowServerHoldsNothingUp) {
    SilentServer server(bus_.Address());
    ASSERT_TRUE(server.Held("GetCapabilities").empty());
    // The program runs on while the server sits on its questions: Show returns, and the
    // test's own event loop, which delivers the calls to the server, keeps turning.
    const Notice first = notices_->Show(QStringLiteral("Slow"), "9:05");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.Held("GetCapabilities").empty(); }, kWaitMs));
    const Notice second = notices_->Show(QStringLiteral("Slower"), "9:06");
    EXPECT_NE(first, second);
    // Answered meanwhile in the program's window: it must not go out later.
    notices_->Close(first);
    EXPECT_TRUE(server.Held("Notify").empty()) << "sent before the capabilities were known";

    server.Answer(server.Held("GetCapabilities").front(),
                  {QStringList{QStringLiteral("actions"), QStringLiteral("body")}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.Held("Notify").empty(); }, kWaitMs));
    const std::vector<QDBusMessage> notified = server.Held("Notify");
    ASSERT_EQ(notified.size(), 1u);
    EXPECT_EQ(notified.front().arguments().at(3).toString(), "Slower");
    // No body markup announced: the user's text goes as it is.
    notices_->Show(QStringLiteral("A & B\n<i>C</i>"), "9:07");
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.Held("Notify").size() == 2; }, kWaitMs));
    EXPECT_EQ(server.Held("Notify").back().arguments().at(4).toString(), "<i>C</i>\nDue at 9:07");

    // Closed while the server still has not said its id: closed once it does.
    notices_->Close(second);
    EXPECT_TRUE(server.Held("CloseNotification").empty());
    server.Answer(notified.front(), {QVariant::fromValue(uint(41))});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !server.Held("CloseNotification").empty(); }, kWaitMs));
    EXPECT_EQ(server.Held("CloseNotification").front().arguments().at(0).toUInt(), 41u);
}

TEST_F(DesktopNotificationsTest, TheActivationTokenThatComesBeforeAnActionGoesWithIt) {
    SilentServer server(bus_.Address());
    std::vector<QString> tokens;
    QObject::connect(notices_.get(), &DesktopNotifications::Answered,
                     [&](Notice, NoticeAnswer, const QString& token) { tokens.push_back(token); });
    const Notice notice = notices_->Show(QStringLiteral("Take the pills"), "9:05");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.Held("GetCapabilities").empty(); }, kWaitMs));
    server.Answer(server.Held("GetCapabilities").front(), {QStringList{QStringLiteral("actions")}});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.Held("Notify").empty(); }, kWaitMs));
    server.Answer(server.Held("Notify").front(), {QVariant::fromValue(uint(7))});
    ASSERT_TRUE(record_.Sync(bus_));

    // A token for another notification, then this one's, then the click on it.
    server.Signal(QStringLiteral("ActivationToken"),
                  {QVariant::fromValue(uint(8)), QStringLiteral("not-ours")});
    server.Signal(QStringLiteral("ActivationToken"),
                  {QVariant::fromValue(uint(7)), QStringLiteral("kwin-123_TIME0")});
    server.Signal(QStringLiteral("ActionInvoked"),
                  {QVariant::fromValue(uint(7)), QStringLiteral("default")});
    ASSERT_TRUE(WaitForAnswers(1));
    EXPECT_EQ(heard_.answers.front(), std::make_pair(notice, NoticeAnswer::ShowWindow));
    // The next action came without one: the token went with the action it came for.
    server.Signal(QStringLiteral("ActionInvoked"),
                  {QVariant::fromValue(uint(7)), QStringLiteral("ok")});
    ASSERT_TRUE(WaitForAnswers(2));
    EXPECT_EQ(tokens, (std::vector<QString>{"kwin-123_TIME0", ""}));
}

// Points the icon theme's folders at `folder` for its lifetime.
class IconThemeFolders {
public:
    explicit IconThemeFolders(const QString& folder) {
        for (const char* name : kNames) {
            saved_.push_back(qgetenv(name));
            qputenv(name, QFile::encodeName(folder));
        }
    }
    ~IconThemeFolders() {
        for (size_t i = 0; i < std::size(kNames); ++i)
            qputenv(kNames[i], saved_[i]);
    }

private:
    static constexpr const char* kNames[] = {"XDG_DATA_HOME", "XDG_DATA_DIRS"};
    std::vector<QByteArray> saved_;
};

TEST_F(DesktopNotificationsTest, TheIconGoesByItsThemeNameOnceInstalledAndAsAPictureBefore) {
    QTemporaryDir dataDirs;
    const IconThemeFolders folders(dataDirs.path());
    for (const bool installed : {false, true}) {
        if (installed) {
            // As the program's installation puts it.
            const QString apps = dataDirs.filePath(QStringLiteral("icons/hicolor/scalable/apps"));
            ASSERT_TRUE(QDir().mkpath(apps));
            QFile icon(apps + '/' + kDesktopEntry + QStringLiteral(".svg"));
            ASSERT_TRUE(icon.open(QIODevice::WriteOnly));
            icon.write("<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
        }
        SilentServer server(bus_.Address());
        DBusDesktopNotifications notices(kDesktopEntry, PlainIcon(), bus_.Address());
        notices.Show(QStringLiteral("Icon"), "9:05");
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return !server.Held("GetCapabilities").empty(); }, kWaitMs));
        server.Answer(server.Held("GetCapabilities").front(), {QStringList()});
        const size_t before = Sent("Notify").size();
        ASSERT_TRUE(WaitForSent("Notify", before + 1));
        const QJsonObject notify = Sent("Notify").back();
        const QJsonObject image = BusRecord::Hint(notify, 6, QStringLiteral("image-data"));
        if (installed) {
            EXPECT_EQ(BusRecord::Arguments(notify)[2].toString(), kDesktopEntry);
            EXPECT_TRUE(image.isEmpty());
            continue;
        }
        EXPECT_EQ(BusRecord::Arguments(notify)[2].toString(), QString());
        ASSERT_EQ(image.value("type").toString(), "(iiibiiay)");
        const QJsonArray fields = image.value("data").toArray();
        ASSERT_EQ(fields.size(), 7);
        const int width = fields[0].toInt();
        const int height = fields[1].toInt();
        const int stride = fields[2].toInt();
        const QJsonArray pixels = fields[6].toArray();
        EXPECT_TRUE(fields[3].toBool()) << "alpha";
        EXPECT_EQ(fields[4].toInt(), 8);
        EXPECT_EQ(fields[5].toInt(), 4);
        ASSERT_GT(width, 0);
        ASSERT_GE(stride, width * 4);
        ASSERT_EQ(pixels.size(), stride * height);
        // The middle pixel is the icon's colour, red, green, blue, alpha.
        const int middle = height / 2 * stride + width / 2 * 4;
        EXPECT_EQ(pixels[middle].toInt(), kIconColour.red());
        EXPECT_EQ(pixels[middle + 1].toInt(), kIconColour.green());
        EXPECT_EQ(pixels[middle + 2].toInt(), kIconColour.blue());
        EXPECT_EQ(pixels[middle + 3].toInt(), 255);
    }
}

} // namespace
} // namespace nudgery

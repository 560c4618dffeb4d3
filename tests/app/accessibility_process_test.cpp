// The built program read the way a screen reader reads it: on an X server of the test's own,
// with the desktop's accessibility bus (at-spi2-core's bus launcher and registry) on a
// session bus of the test's own, its windows are walked, pressed and typed into over AT-SPI
// with pyatspi (atspi_probe.py). Every control the keyboard reaches says what it is, the
// lists and the calendar read cell by cell, a press through AT-SPI does what a click does,
// and the notification is announced as an alert with its message.
#include "core/date_formats.h"
#include "core/datetime.h"
#include "core/reminder.h"
#include "core/reminder_lists.h"
#include "platform/data_file_store.h"
#include "platform/system_clock.h"
#include "program_process.h"
#include "support/background_process.h"
#include "support/qt_printers.h"
#include "support/session_bus.h"
#include "x_display.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <map>

namespace nudgery {
namespace {

constexpr char kPython[] = "/usr/bin/python3";
constexpr char kBusLauncher[] = "/usr/libexec/at-spi-bus-launcher";

// The desktop a screen reader needs: a session bus, an X server and the accessibility bus.
class ScreenReaderDesktop {
public:
    bool Start(QString& why) {
        if (!bus_.Start(why) || !display_.Start(why))
            return false;
        QProcessEnvironment env = Environment();
        // The launcher keeps its bus's address in a folder of its own.
        env.insert("XDG_RUNTIME_DIR", runtime_.path());
        if (!launcher_.Start(kBusLauncher, {"--launch-immediately"}, env, why))
            return false;
        if (!QTest::qWaitFor([&] { return bus_.HasOwner("org.a11y.Bus"); },
                             testing::BackgroundProcess::StartMs)) {
            why = "at-spi-bus-launcher did not take its name: " +
                  QString::fromLocal8Bit(launcher_.Output());
            return false;
        }
        return true;
    }
    // For the program and the probe: this display and this session bus.
    QProcessEnvironment Environment() const {
        QProcessEnvironment env = bus_.Environment();
        env.insert("DISPLAY", display_.Name());
        return env;
    }

private:
    testing::PrivateSessionBus bus_;
    VirtualDisplay display_;
    QTemporaryDir runtime_;
    testing::BackgroundProcess launcher_;
};

// An object of a window as the probe describes it.
using Node = QJsonObject;

bool Has(const Node& node, const char* state) {
    return node["states"].toArray().contains(QString::fromLatin1(state));
}

// Every object of the tree, parents first.
void Walk(const Node& node, const std::function<void(const Node&)>& visit) {
    visit(node);
    for (const QJsonValue child : node["children"].toArray())
        Walk(child.toObject(), visit);
}

const Node* Find(const std::vector<Node>& nodes, const QString& role, const QString& name) {
    for (const Node& node : nodes)
        if (node["role"].toString() == role && node["name"].toString() == name)
            return &node;
    return nullptr;
}

std::vector<Node> Flatten(const Node& tree) {
    std::vector<Node> nodes;
    Walk(tree, [&](const Node& node) { nodes.push_back(node); });
    return nodes;
}

// The roles that say nothing of what a control is.
bool SaysNothing(const QString& role) {
    return role == "filler" || role == "panel" || role == "unknown" || role == "frame" ||
           role == "invalid";
}

// One line for each showing, focusable object that does not say what it is: no name (or one
// without a word, as a glyph), a role that says nothing, or a list named by its chosen item alone,
// with neither a label nor a description.
QStringList NotSayingWhatTheyAre(const Node& tree) {
    QStringList found;
    Walk(tree, [&](const Node& node) {
        if (!Has(node, "showing") || !Has(node, "focusable"))
            return;
        const QString role = node["role"].toString();
        const QString line = role + " \"" + node["name"].toString() + "\"";
        const QString name = node["name"].toString();
        if (std::none_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); }))
            found << line + ": no name in words";
        if (SaysNothing(role))
            found << line + ": a role that says nothing";
        if (role == "combo box" && node["labelledBy"].toArray().isEmpty() &&
            node["description"].toString().isEmpty())
            found << line + ": named by its chosen item alone";
    });
    return found;
}

class AccessibilityProcess : public ProgramProcess {
protected:
    void SetUp() override {
        if (!QFile::exists(kBusLauncher))
            GTEST_SKIP() << "at-spi2-core is not installed (scripts/packages.sh installs it): "
                            "there is no accessibility bus to read the windows through";
        if (!QFile::exists(kPython) || QProcess::execute(kPython, {"-c", "import pyatspi"}) != 0)
            GTEST_SKIP() << "python3-pyatspi is not installed (scripts/packages.sh installs it)";
        for (const char* tool : {"Xvfb", "dbus-daemon"})
            if (!testing::Installed(QString::fromLatin1(tool)))
                GTEST_SKIP() << tool << " is not installed";
        // A new day during the test would judge the reminders afresh.
        if (SystemClock().TimeOfDay() > EncodeTime(23, 57))
            GTEST_SKIP() << "too close to midnight";
        QString why;
        ASSERT_TRUE(desktop_.Start(why)) << why.toStdString();
    }

    // Starts the program over `oneTime` and `repeating`, with accessibility on as a screen
    // reader turns it on; true once its main window can be read.
    bool StartReadable(std::vector<const TReminder*> oneTime,
                       std::vector<const TReminder*> repeating) {
        DataFileStore(DataFile()).Save(oneTime, repeating);
        QProcessEnvironment env = desktop_.Environment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        pid_ = Start({}, env).processId();
        return WaitForWindow("Nudgery!");
    }

    // The probe's answer to `command` (its name, then its arguments).
    QJsonValue Probe(const QStringList& command) {
        if (probe_.state() == QProcess::NotRunning) {
            probe_.setProcessEnvironment(desktop_.Environment());
            probe_.start(kPython, {NUDGERY_ATSPI_PROBE, QString::number(pid_)});
            if (!probe_.waitForStarted(kWaitMs))
                return {};
        }
        probe_.write(
            QJsonDocument(QJsonArray::fromStringList(command)).toJson(QJsonDocument::Compact) +
            '\n');
        const QDeadlineTimer deadline(kWaitMs);
        while (!probe_.canReadLine() && !deadline.hasExpired() &&
               probe_.state() == QProcess::Running)
            probe_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        const QJsonDocument json = QJsonDocument::fromJson(probe_.readLine());
        return json.isArray() ? QJsonValue(json.array()) : QJsonValue(json.object());
    }
    QStringList Windows() {
        QStringList names;
        for (const QJsonValue name : Probe({"windows"}).toArray())
            names << name.toString();
        return names;
    }
    // Whether a window whose name starts with `start` is showing.
    bool Showing(const QString& start) {
        const QStringList names = Windows();
        return std::any_of(names.begin(), names.end(),
                           [&](const QString& name) { return name.startsWith(start); });
    }
    bool WaitForWindow(const QString& start) {
        return QTest::qWaitFor([&] { return Showing(start); }, kWaitMs);
    }
    bool WaitUntilGone(const QString& start) {
        return QTest::qWaitFor([&] { return !Showing(start); }, kWaitMs);
    }
    Node Tree(const QString& window) { return Probe({"tree", window}).toObject(); }
    // Presses (or opens) the object through its first AT-SPI action.
    void Act(const QString& window, const QString& role, const QString& name) {
        EXPECT_TRUE(Probe({"act", window, role, name}).toObject()["done"].toBool())
            << role.toStdString() << " " << name.toStdString() << " in " << window.toStdString();
    }
    void Type(const QString& window, const QString& role, const QString& name,
              const QString& text) {
        EXPECT_TRUE(Probe({"type", window, role, name, text}).toObject()["done"].toBool())
            << name.toStdString();
    }
    // The one-time reminders in the data file, by message.
    std::map<std::string, TDateTime> OneTimeSaved() {
        ReminderLists lists;
        DataFileStore(DataFile()).Load(lists, SystemClock());
        std::map<std::string, TDateTime> found;
        for (const auto& row : lists.oneTime)
            found[row.reminder->Description] = row.reminder->When;
        return found;
    }

    void TearDown() override {
        if (probe_.state() == QProcess::NotRunning)
            return;
        probe_.closeWriteChannel();
        if (!probe_.waitForFinished(kWaitMs))
            probe_.kill();
    }

    ScreenReaderDesktop desktop_;
    qint64 pid_ = 0;
    // Reads the program's windows for the test; started with the first question.
    QProcess probe_;
};

TEST_F(AccessibilityProcess, EveryWindowReadsAsItShowsAndPressesDoWhatClicksDo) {
    const TDateTime tomorrow = SystemClock().Today() + 1 + EncodeTime(9, 0);
    const auto dentist = TReminder::CreateNormal(KindOneTime, tomorrow, "Dentist", "", 1);
    const auto pills = TReminder::CreateRepeating(KindRepeating, EncodeTime(8, 0), false, 0,
                                                  "0123456", 0, "Pills", "", 1);
    ASSERT_TRUE(StartReadable({dentist.get()}, {pills.get()}));

    // The main window: its controls, its list read cell by cell, its clock.
    const Node main = Tree("Nudgery!");
    EXPECT_EQ(NotSayingWhatTheyAre(main), QStringList{});
    const std::vector<Node> mainNodes = Flatten(main);
    const Node* list = Find(mainNodes, "table", "Reminders");
    ASSERT_NE(list, nullptr);
    const QJsonObject table = (*list)["table"].toObject();
    EXPECT_EQ(table["headers"].toArray(), QJsonArray({"Reminder", "When", "Status"}));
    ASSERT_EQ(table["rows"].toInt(), 1);
    const QJsonArray row = table["cells"].toArray()[0].toArray();
    EXPECT_EQ(row[0].toString(), "Dentist");
    EXPECT_FALSE(row[1].toString().isEmpty());
    EXPECT_FALSE(row[2].toString().isEmpty()) << "the status in words";
    EXPECT_TRUE(table["descriptions"].toArray()[0].toArray()[2].toString().endsWith(" mark"))
        << "the mark's colour in words";
    bool clock = false;
    for (const Node& node : mainNodes)
        clock |= node["role"] == "label" && node["description"] == "The time of day" &&
                 QRegularExpression(R"(^\d\d:\d\d:\d\d[ap]m$)")
                     .match(node["name"].toString())
                     .hasMatch();
    EXPECT_TRUE(clock) << "the clock reads the time";

    // New opens the editor with the focus on the message, which a screen reader can write.
    Act("Nudgery!", "push button", "New");
    ASSERT_TRUE(WaitForWindow("Reminder Description"));
    const Node editor = Tree("Reminder Description");
    EXPECT_EQ(NotSayingWhatTheyAre(editor), QStringList{});
    const Node* calendar = Find(Flatten(editor), "table", "Reminder date");
    ASSERT_NE(calendar, nullptr);
    const QJsonObject month = (*calendar)["table"].toObject();
    EXPECT_EQ(month["rows"].toInt(), 6);
    EXPECT_EQ(month["headers"].toArray().size(), 7);
    QStringList days;
    for (const QJsonValue week : month["cells"].toArray())
        for (const QJsonValue day : week.toArray())
            if (!day.toString().isEmpty())
                days << day.toString();
    ASSERT_GE(days.size(), 28) << "every day of the month reads by its date";
    // The 28th picked as a screen reader picks it: by pressing its cell.
    Act("Reminder Description", "table cell", days[27]);
    EXPECT_EQ(Probe({"focused"}).toObject()["name"].toString(), "Message");
    Type("Reminder Description", "text", "Message", "Call the garage");

    // The quick time set: its tiles are choices, pressed as clicks.
    Act("Reminder Description", "push button", "Quick Time Set");
    ASSERT_TRUE(WaitForWindow("Set Time As"));
    const Node quick = Tree("Set Time As");
    EXPECT_EQ(NotSayingWhatTheyAre(quick), QStringList{});
    int choices = 0;
    Walk(quick, [&](const Node& node) { choices += node["role"] == "radio button" ? 1 : 0; });
    EXPECT_EQ(choices, 24 + 60);
    Act("Set Time As", "radio button", "3 PM");
    Act("Set Time As", "radio button", "45 minutes");
    EXPECT_TRUE(WaitForWindow("Set Time As: 03:45 pm"));
    Act("Set Time As", "push button", "Ok");
    ASSERT_TRUE(WaitUntilGone("Set Time As"));

    // Save, pressed through AT-SPI, adds the reminder to the data file as a click does.
    Act("Reminder Description", "push button", "Save");
    ASSERT_TRUE(WaitUntilGone("Reminder Description"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return OneTimeSaved().size() == 2; }, kWaitMs));
    const std::map<std::string, TDateTime> saved = OneTimeSaved();
    ASSERT_EQ(saved.count("Call the garage"), 1u);
    CalendarDate the28th = DecodeDate(SystemClock().Today());
    the28th.day = 28;
    EXPECT_NEAR(saved.at("Call the garage"), EncodeDate(the28th) + EncodeTime(15, 45), 1e-6)
        << "on the day and at the time picked";

    // The repeating editor and the Preferences, reached as a screen reader user reaches them.
    Act("Nudgery!", "page tab", "Repeat Reminders");
    Act("Nudgery!", "push button", "New");
    ASSERT_TRUE(WaitForWindow("Repeating Reminder Description"));
    EXPECT_EQ(NotSayingWhatTheyAre(Tree("Repeating Reminder Description")), QStringList{});
    Act("Repeating Reminder Description", "push button", "Cancel");
    ASSERT_TRUE(WaitUntilGone("Repeating Reminder Description"));
    Act("Nudgery!", "menu item", "File");
    Act("Nudgery!", "menu item", "Set Preferences");
    ASSERT_TRUE(WaitForWindow("Preferences"));
    EXPECT_EQ(NotSayingWhatTheyAre(Tree("Preferences")), QStringList{});
    Act("Preferences", "push button", "Cancel");
    EXPECT_TRUE(WaitUntilGone("Preferences"));
}

TEST_F(AccessibilityProcess, TheNotificationIsAnnouncedAsAnAlertWithItsMessage) {
    // Due now: it fires at the program's first check.
    const auto due =
        TReminder::CreateNormal(KindOneTime, SystemClock().Now(), "Stand up and stretch", "", 1);
    ASSERT_TRUE(StartReadable({due.get()}, {}));
    testing::BackgroundProcess listener;
    QString why;
    ASSERT_TRUE(listener.Start(kPython,
                               {NUDGERY_ATSPI_PROBE, QString::number(pid_), "events", "30"},
                               desktop_.Environment(), why))
        << why.toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return listener.Output().contains("listening"); }, kWaitMs));

    // What a screen reader hears as the notification comes up: an alert that says its message,
    // and the focus on its Ok button.
    const auto announced = [&] {
        for (const QByteArray& line : listener.Output().split('\n')) {
            const QJsonObject event = QJsonDocument::fromJson(line).object();
            const QJsonObject window = event["window"].toObject();
            if (window["role"] == "alert" && window["description"] == "Stand up and stretch" &&
                event["event"].toString().startsWith("focus") &&
                event["source"].toObject()["name"] == "Ok")
                return true;
        }
        return false;
    };
    EXPECT_TRUE(QTest::qWaitFor(announced, kWaitMs)) << listener.Output().toStdString();

    ASSERT_TRUE(WaitForWindow("Reminder Notification"));
    const Node alert = Tree("Reminder Notification");
    EXPECT_EQ(alert["role"], "alert");
    EXPECT_EQ(NotSayingWhatTheyAre(alert), QStringList{});
    const std::vector<Node> nodes = Flatten(alert);
    EXPECT_NE(Find(nodes, "label", "Stand up and stretch"), nullptr);
    for (const char* answer : {"5 minutes", "1 week", "Delete", "Ok"})
        EXPECT_NE(Find(nodes, "push button", answer), nullptr) << answer;
    Act("Reminder Notification", "push button", "Ok");
    EXPECT_TRUE(WaitUntilGone("Reminder Notification"));
}

} // namespace
} // namespace nudgery

// The program on a session bus of the test's own: it takes the name once, each method gives
// its handler the request the command line would make and answers with its reply or with the
// error a command line turns back into its exit code, a client asks only the copy whose
// process holds the claim, the signals reach a listener, and the interface the bus shows is
// the one installed with the program.
#include "platform/command_bus.h"
#include "platform/command_client.h"
#include "support/session_bus.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QFile>
#include <QTemporaryFile>
#include <QTest>
#include <QXmlStreamReader>
#include <future>
#include <gtest/gtest.h>
#include <set>
#include <unistd.h>

namespace nudgery {
namespace {

using Kind = CommandRequest::Kind;
using Outcome = CopyAnswer::Outcome;

// Records what a signal carried.
class SignalRecord : public QObject {
    Q_OBJECT
public:
    QStringList heard;
public slots:
    void FellDue(const QString& list, const QString& message, const QString& when) {
        heard << list + "|" + message + "|" + when;
    }
    void Answered(const QString& list, const QString& message, const QString& answer, int minutes) {
        heard << list + "|" + message + "|" + answer + "|" + QString::number(minutes);
    }
};

// The methods and signals of the interface in a description, each with its arguments' types
// and directions.
std::set<QString> Members(const QString& xml) {
    std::set<QString> members;
    QXmlStreamReader reader(xml);
    bool inInterface = false;
    QString member;
    while (!reader.atEnd()) {
        reader.readNext();
        const QString name = reader.name().toString();
        if (reader.isStartElement() && name == "interface")
            inInterface = reader.attributes().value("name") == CommandBus::InterfaceName();
        else if (inInterface && reader.isStartElement() && (name == "method" || name == "signal"))
            member = name + " " + reader.attributes().value("name").toString() + "(";
        else if (inInterface && reader.isStartElement() && name == "arg")
            member += reader.attributes().value("direction").toString() + " " +
                      reader.attributes().value("type").toString() + ",";
        else if (inInterface && reader.isEndElement() && (name == "method" || name == "signal"))
            members.insert(member + ")");
        else if (reader.isEndElement() && name == "interface")
            inInterface = false;
    }
    return members;
}

class CommandBusTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString why;
        if (!bus_.Start(why))
            GTEST_SKIP() << why.toStdString();
        service_ = QDBusConnection::connectToBus(bus_.Address(), "program");
        client_ = QDBusConnection::connectToBus(bus_.Address(), "command");
    }
    void TearDown() override {
        QDBusConnection::disconnectFromBus("program");
        QDBusConnection::disconnectFromBus("command");
    }
    // Asks from another thread, as the command line would, while this one serves.
    CopyAnswer Ask(const CommandRequest& request, qint64 pid = QCoreApplication::applicationPid()) {
        std::future<CopyAnswer> answer = std::async(std::launch::async, [=, this] {
            return AskOverBus(request, pid, 5000, bus_.Address());
        });
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
            10000));
        return answer.get();
    }

    testing::PrivateSessionBus bus_;
    QDBusConnection service_{QString()};
    QDBusConnection client_{QString()};
};

TEST_F(CommandBusTest, EachMethodCarriesTheCommandLinesRequestAndItsReply) {
    // A listing's length, far beyond what the bus reads at a time, and not ASCII.
    const auto output = [](Kind kind) {
        return KindName(kind) + " done" +
               (kind == Kind::List ? QString::fromUtf8(" Grüße").repeated(40000) : QString());
    };
    std::vector<CommandRequest> heard;
    CommandBus program([&](const CommandRequest& request) {
        heard.push_back(request);
        if (request.message == "bad")
            return CommandReply::Fail(CommandReply::BadInput, "cannot read the time 'x' in 'x'");
        if (request.message == "fails")
            return CommandReply::Fail(CommandReply::Failed, "Stream write error");
        return CommandReply{0, output(request.kind), {}, 7};
    });
    ASSERT_TRUE(program.Register(service_));
    CommandBus second([](const CommandRequest&) { return CommandReply(); });
    EXPECT_FALSE(second.Register(client_)) << "the name is the first copy's";

    for (const Kind kind : {Kind::AddOneTime, Kind::AddRepeating, Kind::List, Kind::Show,
                            Kind::Quit, Kind::PreviewImport, Kind::Import, Kind::Export}) {
        SCOPED_TRACE(KindName(kind).toStdString());
        CommandRequest request = CommandRequest::Of(kind);
        if (kind == Kind::AddOneTime || kind == Kind::AddRepeating) {
            request.when = "in 20m";
            request.message = QString::fromUtf8("Grüße\nzwei Zeilen");
            request.sound = "/snd/bell.wav";
            request.action = "play";
        }
        request.json = kind == Kind::List;
        if (kind == Kind::PreviewImport || kind == Kind::Import || kind == Kind::Export)
            request.file = "/tmp/cal.ics";
        heard.clear();
        const CopyAnswer answer = Ask(request);
        ASSERT_EQ(answer.outcome, Outcome::Answered);
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_EQ(heard[0], request);
        EXPECT_EQ(answer.reply.exitCode, 0);
        const bool gives = kind != Kind::Show && kind != Kind::Quit;
        EXPECT_EQ(answer.reply.output, gives ? output(kind) : QString());
        EXPECT_EQ(answer.reply.count, kind == Kind::PreviewImport ? 7 : 0);
    }
    for (const auto& [message, exitCode] :
         {std::pair{"bad", CommandReply::BadInput}, std::pair{"fails", CommandReply::Failed}}) {
        CommandRequest request = CommandRequest::Of(Kind::AddOneTime);
        request.message = message;
        const CopyAnswer answer = Ask(request);
        ASSERT_EQ(answer.outcome, Outcome::Answered);
        EXPECT_EQ(answer.reply.exitCode, exitCode);
        EXPECT_FALSE(answer.reply.error.isEmpty());
    }
    // The name is owned by another process than the claim's holder: not the copy to ask.
    EXPECT_EQ(Ask(CommandRequest::Of(Kind::List), QCoreApplication::applicationPid() + 1).outcome,
              Outcome::Unreachable);
}

// The listing goes into a file the caller passes, and only into a regular one: a pipe that no
// one reads would hold the program up.
TEST_F(CommandBusTest, AListingIsWrittenIntoARegularFileAndNeverIntoAPipe) {
    CommandBus program([](const CommandRequest& request) {
        return CommandReply{0, request.json ? "[]" : "One-time reminders:", {}, 0};
    });
    ASSERT_TRUE(program.Register(service_));
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write("longer than the listing, which replaces it all");
    file.flush();
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const auto listInto = [&](int fd) {
        std::future<QDBusMessage> reply = std::async(std::launch::async, [&] {
            QDBusMessage call = QDBusMessage::createMethodCall(
                CommandBus::InterfaceName(), BusPath, CommandBus::InterfaceName(), "ListInto");
            call << QVariant::fromValue(QDBusUnixFileDescriptor(fd)) << false;
            return client_.call(call);
        });
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return reply.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
            10000));
        return reply.get();
    };
    EXPECT_EQ(listInto(file.handle()).type(), QDBusMessage::ReplyMessage);
    file.seek(0);
    EXPECT_EQ(file.readAll(), "One-time reminders:");
    const QDBusMessage refused = listInto(pipe[1]);
    EXPECT_EQ(refused.errorName(), QString::fromLatin1(FailedError));
    ::close(pipe[0]);
    ::close(pipe[1]);
}

TEST_F(CommandBusTest, NoProgramOnTheBusIsUnreachable) {
    EXPECT_EQ(Ask(CommandRequest::Of(Kind::List)).outcome, Outcome::Unreachable);
    EXPECT_EQ(AskOverBus(CommandRequest::Of(Kind::List), QCoreApplication::applicationPid(), 1000,
                         "unix:path=/nonexistent/bus")
                  .outcome,
              Outcome::Unreachable);
}

TEST_F(CommandBusTest, TheSignalsReachAListenerAndTheInterfaceIsTheOneInstalled) {
    CommandBus program([](const CommandRequest&) { return CommandReply(); });
    ASSERT_TRUE(program.Register(service_));
    SignalRecord record;
    const QString name = CommandBus::InterfaceName();
    ASSERT_TRUE(client_.connect(name, BusPath, name, "ReminderFellDue", &record,
                                SLOT(FellDue(QString, QString, QString))));
    ASSERT_TRUE(client_.connect(name, BusPath, name, "ReminderAnswered", &record,
                                SLOT(Answered(QString, QString, QString, int))));
    emit program.ReminderFellDue("one-time", "Tea", "2027-03-14T10:30:00");
    emit program.ReminderAnswered("repeating", "Walk", "snooze", 10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return record.heard.size() == 2; }, 5000));
    EXPECT_EQ(record.heard,
              (QStringList{"one-time|Tea|2027-03-14T10:30:00", "repeating|Walk|snooze|10"}));

    std::future<QDBusMessage> introspection = std::async(std::launch::async, [&] {
        return client_.call(QDBusMessage::createMethodCall(
            name, BusPath, "org.freedesktop.DBus.Introspectable", "Introspect"));
    });
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return introspection.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        },
        10000));
    const QDBusMessage served = introspection.get();
    ASSERT_EQ(served.type(), QDBusMessage::ReplyMessage) << served.errorMessage().toStdString();
    QFile installed(NUDGERY_BUS_INTERFACE_XML);
    ASSERT_TRUE(installed.open(QIODevice::ReadOnly));
    const std::set<QString> members = Members(QString::fromUtf8(installed.readAll()));
    EXPECT_EQ(Members(served.arguments().value(0).toString()), members);
    EXPECT_EQ(members.size(), 11u);
    EXPECT_TRUE(members.contains("method AddOneTime(out s,in s,in s,in s,in s,)"))
        << "the texts of the command line in, what it prints out";
}

} // namespace
} // namespace nudgery

#include "command_bus_test.moc"

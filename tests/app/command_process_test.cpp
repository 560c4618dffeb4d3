// Commands of the built program as real processes: without a copy running they change the
// data file themselves; with one running, that copy carries them out (over the claim's
// channel, or over a session bus of the test's own) and has saved them when the command
// ends; fifty at once give fifty reminders either way; --quit saves and ends the copy; the
// bus tells of a reminder that falls due; a copy that hangs is given up on.
#include "core/reminder_lists.h"
#include "platform/data_file_store.h"
#include "platform/system_clock.h"
#include "program_process.h"
#include "support/process_signal.h"
#include "support/session_bus.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <csignal>
#include <memory>
#include <vector>

namespace nudgery {
namespace {

struct Ending {
    int exitCode = -1;
    QString out, err;
};

// How the commands reach the running copy.
enum class Reach { NoCopy, Channel, Bus };

// The name of each case, in the test's name and its messages.
void PrintTo(Reach reach, std::ostream* out) {
    switch (reach) {
    case Reach::NoCopy:
        *out << "NoCopyRunning";
        return;
    case Reach::Channel:
        *out << "OverTheClaimsChannel";
        return;
    case Reach::Bus:
        *out << "OverTheSessionBus";
        return;
    }
}

const QString BusName = QStringLiteral(NUDGERY_APP_ID);

class CommandProcess : public ProgramProcess, public ::testing::WithParamInterface<Reach> {
protected:
    void SetUp() override {
        // A new day during the test would judge the reminders afresh.
        if (SystemClock().TimeOfDay() > EncodeTime(23, 55))
            GTEST_SKIP() << "too close to midnight";
        if (UsesBus()) {
            QString why;
            if (!bus_.Start(why))
                GTEST_SKIP() << why.toStdString();
        }
    }
    bool UsesBus() const { return GetParam() == Reach::Bus; }
    // The session bus every process of the test sees: the test's own, or none.
    QProcessEnvironment Environment() const {
        QProcessEnvironment env;
        env.insert("DBUS_SESSION_BUS_ADDRESS", UsesBus() ? bus_.Address() : "disabled:");
        return env;
    }
    // The copy the commands go to, once it takes them the way the test asks for.
    QProcess* StartCopy() {
        if (GetParam() == Reach::NoCopy)
            return nullptr;
        QProcess& copy = Start({}, Environment());
        EXPECT_TRUE(WaitUntilHoldingTheClaim());
        if (UsesBus()) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return bus_.HasOwner(BusName); }, kWaitMs));
        }
        return &copy;
    }
    Ending Run(const QStringList& arguments) {
        QProcess& process = Start(arguments, Environment());
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(kWaitMs)) << arguments.join(' ').toStdString();
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }
    ReminderLists OnFile() const {
        ReminderLists lists;
        lists.keepStoredStatus = true;
        DataFileStore(DataFile()).Load(lists, SystemClock());
        return lists;
    }
    static std::vector<std::string> Messages(const std::vector<ReminderLists::Row>& rows) {
        std::vector<std::string> messages;
        for (const auto& row : rows)
            messages.emplace_back(row.reminder->Description);
        return messages;
    }

    testing::PrivateSessionBus bus_;
};

TEST_P(CommandProcess, AnAddIsInTheDataFileAndTheListWhenTheCommandEnds) {
    QProcess* copy = StartCopy();
    std::unique_ptr<testing::BusRecord> record;
    if (UsesBus()) {
        record = std::make_unique<testing::BusRecord>();
        QString why;
        ASSERT_TRUE(record->Start(bus_, why)) << why.toStdString();
    }
    const Ending added = Run({"--add", "in 2h", "Tea"});
    EXPECT_EQ(added.exitCode, 0) << added.err.toStdString();
    EXPECT_TRUE(added.out.contains("Added \"Tea\"")) << added.out.toStdString();
    EXPECT_TRUE(added.err.isEmpty()) << added.err.toStdString();
    EXPECT_EQ(Messages(OnFile().oneTime), std::vector<std::string>{"Tea"}) << "saved at once";
    const Ending repeated = Run({"--repeat", "weekdays 8:30", "Standup", "--action", "show"});
    EXPECT_EQ(repeated.exitCode, 0) << repeated.err.toStdString();
    EXPECT_EQ(Messages(OnFile().repeating), std::vector<std::string>{"Standup"});

    // What the list holds: the running copy's, when there is one.
    const Ending listed = Run({"--list"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_TRUE(listed.out.contains("Tea") && listed.out.contains("weekdays 8:30"))
        << listed.out.toStdString();

    // Bad input: one line on standard error, exit status 2, nothing written.
    const QByteArray before = [&] {
        QFile file(DataFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const Ending refused = Run({"--add", "25:70", "x"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err, "nudgery: cannot read the time '25:70' in '25:70'\n");
    EXPECT_TRUE(refused.out.isEmpty());
    QFile after(DataFile());
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);

    if (record) {
        ASSERT_TRUE(record->Sync(bus_));
        // The copy was asked on the bus, and judged the bad time itself.
        std::vector<QString> whens;
        for (const QJsonObject& call : record->Messages("AddOneTime"))
            whens.push_back(testing::BusRecord::Arguments(call)[0].toString());
        EXPECT_EQ(whens, (std::vector<QString>{"in 2h", "25:70"}));
        EXPECT_EQ(
            record->Messages(QStringLiteral(NUDGERY_APP_ID ".Error.BadInput"), "error_name").size(),
            1u);
        // The listing came back in a file the command passed along.
        EXPECT_EQ(record->Messages("ListInto").size(), 1u);
    }
    if (copy) {
        EXPECT_EQ(Run({"--quit"}).exitCode, 0);
        EXPECT_TRUE(copy->waitForFinished(kWaitMs));
    }
}

TEST_P(CommandProcess, FiftyAddsAtOnceGiveFiftyReminders) {
    QProcess* copy = StartCopy();
    std::vector<QProcess*> adds;
    for (int i = 0; i < 50; ++i)
        adds.push_back(&Start(
            {"--add", QStringLiteral("in %1m").arg(60 + i), QStringLiteral("reminder %1").arg(i)},
            Environment()));
    for (QProcess* add : adds) {
        ASSERT_TRUE(add->waitForFinished(kWaitMs));
        EXPECT_EQ(add->exitCode(), 0) << add->readAllStandardError().toStdString();
    }
    const ReminderLists lists = OnFile();
    ASSERT_EQ(lists.oneTime.size(), 50u);
    std::vector<std::string> expected;
    for (int i = 0; i < 50; ++i)
        expected.push_back("reminder " + std::to_string(i));
    // Each once, in the order of their times.
    EXPECT_EQ(Messages(lists.oneTime), expected);
    if (copy) {
        EXPECT_EQ(Run({"--quit"}).exitCode, 0);
    }
}

TEST_P(CommandProcess, QuitSavesWhatTheCopyJudgedAndEndsIt) {
    if (GetParam() == Reach::NoCopy) {
        const Ending quit = Run({"--quit"});
        EXPECT_EQ(quit.exitCode, 0);
        EXPECT_EQ(quit.out, "Nudgery! is not running.\n");
        return;
    }
    // Pending on file, due long ago: judged Expired at the start, saved by the quit.
    const auto past = TReminder::CreateNormal(KindOneTime, EncodeDate(2001, 1, 1) + 0.5, "past", "",
                                              EventShowOnly);
    DataFileStore(DataFile()).Save(std::vector<const TReminder*>{past.get()}, {});
    QProcess* copy = StartCopy();
    const Ending quit = Run({"--quit"});
    EXPECT_EQ(quit.exitCode, 0) << quit.err.toStdString();
    // Saved by the time the command ends.
    EXPECT_EQ(OnFile().oneTime.at(0).reminder->Status, StatusExpired);
    EXPECT_TRUE(QFile::exists(SettingsFile())) << "the placement too, as closing saves it";
    ASSERT_TRUE(copy->waitForFinished(kWaitMs));
    EXPECT_EQ(copy->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(copy->exitCode(), 0);
}

TEST_P(CommandProcess, AnExportImportedElsewhereGivesTheSameList) {
    QProcess* copy = StartCopy();
    for (const QStringList& add :
         {QStringList{"--add", "tomorrow 9:00", "Dentist"},
          QStringList{"--repeat", "every 30m 9:00-17:00 mon,wed,fri", "Stretch"},
          QStringList{"--repeat", "last fri 16:00", "Timesheet"}})
        ASSERT_EQ(Run(add).exitCode, 0);
    const QString calendar = FolderFile("out.ics");
    const Ending exported = Run({"--export", calendar});
    EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    const Ending listed = Run({"--list", "--json"});
    const QJsonArray entries = QJsonDocument::fromJson(listed.out.toUtf8()).array();
    ASSERT_EQ(entries.size(), 3) << listed.out.toStdString();
    if (copy) {
        ASSERT_EQ(Run({"--quit"}).exitCode, 0);
    }

    // Into a data file of another copy, with none running.
    testing::ProgramCopy other;
    QProcessEnvironment env = Environment();
    const auto run = [&](const QStringList& arguments) {
        QProcess& process = other.Start(arguments, env);
        // Nothing to read on standard input: a question is answered no.
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(kWaitMs));
        return Ending{process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                      QString::fromLocal8Bit(process.readAllStandardError())};
    };
    const Ending asked = run({"--import", calendar});
    EXPECT_EQ(asked.exitCode, 1) << "no answer on standard input: nothing added";
    EXPECT_TRUE(asked.out.contains("Dentist") && asked.out.contains("Stretch"))
        << asked.out.toStdString();
    EXPECT_TRUE(asked.err.contains("Add these 3 reminders?")) << asked.err.toStdString();
    const Ending imported = run({"--import", calendar, "--yes"});
    EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.contains("Added 3 reminders")) << imported.out.toStdString();
    const Ending again = run({"--list", "--json"});
    EXPECT_EQ(QJsonDocument::fromJson(again.out.toUtf8()).array(), entries);
}

INSTANTIATE_TEST_SUITE_P(, CommandProcess,
                         ::testing::Values(Reach::NoCopy, Reach::Channel, Reach::Bus),
                         ::testing::PrintToStringParamName());

class RunningCopy : public CommandProcess {};

TEST_P(RunningCopy, ACopyThatHangsIsGivenUpOnWithAClearError) {
    QProcess* copy = StartCopy();
    // A process id of 0 would stop the test itself.
    ASSERT_GT(copy->processId(), 0);
    testing::SendSignal(*copy, SIGSTOP);
    const Ending hung = Run({"--add", "in 2h", "Tea", "--timeout", "1"});
    testing::SendSignal(*copy, SIGCONT);
    EXPECT_EQ(hung.exitCode, 1);
    EXPECT_TRUE(hung.err.contains("did not answer within 1 seconds")) << hung.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(, RunningCopy, ::testing::Values(Reach::Channel, Reach::Bus),
                         ::testing::PrintToStringParamName());

// The signals are the bus's alone.
class BusCopy : public CommandProcess {};

TEST_P(BusCopy, TellsOfAReminderThatFallsDueAndOfItsAnswer) {
    // Due now and doing nothing: it fires at the first check, five seconds after the start,
    // and is answered at once without a notification.
    const SystemClock clock;
    const auto due =
        TReminder::CreateNormal(KindOneTime, clock.Now(), "Quiet one", "", EventDoNothing);
    DataFileStore(DataFile()).Save(std::vector<const TReminder*>{due.get()}, {});
    testing::BusRecord record;
    QString why;
    ASSERT_TRUE(record.Start(bus_, why)) << why.toStdString();
    StartCopy();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !record.Messages("ReminderAnswered").empty(); }, kWaitMs));
    const std::vector<QJsonObject> fell = record.Messages("ReminderFellDue");
    ASSERT_EQ(fell.size(), 1u);
    const QJsonArray fellArguments = testing::BusRecord::Arguments(fell[0]);
    EXPECT_EQ(fellArguments[0].toString(), "one-time");
    EXPECT_EQ(fellArguments[1].toString(), "Quiet one");
    const QJsonArray answered =
        testing::BusRecord::Arguments(record.Messages("ReminderAnswered")[0]);
    EXPECT_EQ(answered[2].toString(), "none");
}

INSTANTIATE_TEST_SUITE_P(, BusCopy, ::testing::Values(Reach::Bus),
                         ::testing::PrintToStringParamName());

} // namespace
} // namespace nudgery

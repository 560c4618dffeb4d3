// The command line: what each argument asks for, read by the rule alone, and what the built
// program does with it: help and the version on standard output with code 0, anything it
// does not take on standard error with the usage and code 2, before any window or file.
#include "app/command_line.h"
#include "program_process.h"

#include <QDir>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

using Outcome = CommandLineRequest::Outcome;

TEST(CommandLine, EachArgumentAsksForWhatItSays) {
    const struct {
        QStringList arguments;
        Outcome outcome;
        bool minimized;
        // What the printed text names, besides the usage when the line is refused.
        const char* names;
    } cases[] = {
        {{}, Outcome::Run, false, ""},
        {{"--minimized"}, Outcome::Run, true, ""},
        {{"-minimized"}, Outcome::Run, true, ""},
        {{"--minimized", "--minimized"}, Outcome::Run, true, ""},
        {{"--help"}, Outcome::Print, false, "--minimized"},
        {{"-h"}, Outcome::Print, false, "--version"},
        {{"--minimized", "--help"}, Outcome::Print, false, "--help"},
        {{"--version"}, Outcome::Print, false, "Nudgery! 9.1"},
        {{"-v"}, Outcome::Print, false, "Nudgery! 9.1"},
        {{"--bogus"}, Outcome::Refuse, false, "bogus"},
        {{"-x"}, Outcome::Refuse, false, "'x'"},
        {{"reminders.dat"}, Outcome::Refuse, false, "reminders.dat"},
        {{"--minimized", "now"}, Outcome::Refuse, false, "now"},
        {{"--help", "--bogus"}, Outcome::Refuse, false, "bogus"},
        {{"--minimized=yes"}, Outcome::Refuse, false, "minimized"},
        {{"--"}, Outcome::Run, false, ""},
        {{"--", "--help"}, Outcome::Refuse, false, "--help"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandLineRequest request =
            ReadCommandLine(QStringList{"nudgery"} + c.arguments, "9.1");
        EXPECT_EQ(request.outcome, c.outcome);
        EXPECT_EQ(request.options.startMinimized, c.minimized);
        EXPECT_TRUE(request.text.contains(QString::fromUtf8(c.names)))
            << request.text.toStdString();
        EXPECT_EQ(request.exitCode, c.outcome == Outcome::Refuse ? 2 : 0);
        if (c.outcome == Outcome::Refuse) {
            EXPECT_TRUE(request.text.startsWith("nudgery: ")) << "who is speaking";
            EXPECT_TRUE(request.text.contains("Usage:")) << "what to type instead";
        }
        if (c.outcome == Outcome::Run) {
            EXPECT_TRUE(request.text.isEmpty());
        }
    }
}

// The commands: each with what it carries, and each combination the program does not take,
// refused with the usage and words that say what is wrong.
TEST(CommandLine, CommandsCarryTheirTextsAndFullPaths) {
    using Kind = CommandRequest::Kind;
    const QString here = QDir::currentPath();
    const struct {
        QStringList arguments;
        Kind kind;
        QString when, message, sound, action, file;
        bool json = false, agreed = false;
        int timeout = 10;
    } cases[] = {
        {{"--add", "10:30", "Call Mum"}, Kind::AddOneTime, "10:30", "Call Mum", "", "", ""},
        {{"--add=in 20m", "--", "-5 degrees"},
         Kind::AddOneTime,
         "in 20m",
         "-5 degrees",
         "",
         "",
         ""},
        {{"Tea", "--add", "16:00", "--sound", "bell.wav", "--action", "play"},
         Kind::AddOneTime,
         "16:00",
         "Tea",
         here + "/bell.wav",
         "play",
         ""},
        {{"--repeat", "weekdays 8:30", "Standup", "--sound", "/snd/a.wav"},
         Kind::AddRepeating,
         "weekdays 8:30",
         "Standup",
         "/snd/a.wav",
         "",
         ""},
        {{"--repeat", "daily 7:00", ""}, Kind::AddRepeating, "daily 7:00", "", "", "", ""},
        {{"--list"}, Kind::List, "", "", "", "", ""},
        {{"--list", "--json", "--timeout", "3"}, Kind::List, "", "", "", "", "", true, false, 3},
        {{"--show"}, Kind::Show, "", "", "", "", ""},
        {{"--quit", "--timeout=60"}, Kind::Quit, "", "", "", "", "", false, false, 60},
        {{"--import", "cal.ics"}, Kind::Import, "", "", "", "", here + "/cal.ics"},
        {{"--import", "/tmp/cal.ics", "--yes"},
         Kind::Import,
         "",
         "",
         "",
         "",
         "/tmp/cal.ics",
         false,
         true},
        {{"--export", "out.ics"}, Kind::Export, "", "", "", "", here + "/out.ics"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandLineRequest request =
            ReadCommandLine(QStringList{"nudgery"} + c.arguments, "9");
        ASSERT_EQ(request.outcome, CommandLineRequest::Outcome::Run) << request.text.toStdString();
        ASSERT_TRUE(request.options.command.has_value());
        const CommandRequest& command = *request.options.command;
        EXPECT_EQ(command.kind, c.kind);
        EXPECT_EQ(command.when, c.when);
        EXPECT_EQ(command.message, c.message);
        EXPECT_EQ(command.sound, c.sound);
        EXPECT_EQ(command.action, c.action);
        EXPECT_EQ(command.file, c.file);
        EXPECT_EQ(command.json, c.json);
        EXPECT_EQ(request.options.agreed, c.agreed);
        EXPECT_EQ(request.options.timeoutSeconds, c.timeout);
        EXPECT_FALSE(request.options.startMinimized);
    }
    EXPECT_FALSE(ReadCommandLine({"nudgery", "--minimized"}, "9").options.command.has_value());
}

TEST(CommandLine, CommandsThatDoNotGoTogetherAreRefused) {
    const struct {
        QStringList arguments;
        const char* names;
    } cases[] = {
        {{"--add", "10:30"}, "MESSAGE"},
        {{"--repeat", "daily 7:00"}, "MESSAGE"},
        {{"--add", "10:30", "Call", "Mum"}, "'Mum'"},
        {{"--add", "10:30", "a", "--list"}, "--add and --list"},
        {{"--add", "10:30", "a", "--add", "11:00"}, "--add and --add"},
        {{"--list", "--show"}, "--list and --show"},
        {{"--quit", "--import", "a.ics"}, "--quit and --import"},
        {{"--json"}, "--json goes only with a command"},
        {{"--show", "--json"}, "--json does not go with --show"},
        {{"--list", "--sound", "a.wav"}, "--sound does not go with --list"},
        {{"--export", "a.ics", "--action", "show"}, "--action does not go with --export"},
        {{"--add", "9:00", "a", "--yes"}, "--yes does not go with --add"},
        {{"--show", "--minimized"}, "--minimized does not go with --show"},
        {{"--timeout", "5"}, "--timeout goes only with a command"},
        {{"--list", "--timeout", "0"}, "1 to 3600"},
        {{"--list", "--timeout", "soon"}, "1 to 3600"},
        {{"--list", "extra"}, "'extra'"},
        {{"--add"}, "add"},
        {{"--import"}, "import"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandLineRequest request =
            ReadCommandLine(QStringList{"nudgery"} + c.arguments, "9");
        EXPECT_EQ(request.outcome, CommandLineRequest::Outcome::Refuse);
        EXPECT_EQ(request.exitCode, 2);
        EXPECT_TRUE(request.text.contains(QString::fromUtf8(c.names)))
            << request.text.toStdString();
        EXPECT_TRUE(request.text.contains("Usage:"));
    }
}

TEST(CommandLine, OnlyTheToolkitsOwnOptionsWaitForTheWindow) {
    for (const QStringList& arguments :
         {QStringList{"-platform", "offscreen"}, QStringList{"--display=:1"},
          QStringList{"--list", "-style", "fusion"}, QStringList{"-reverse"}})
        EXPECT_TRUE(MayHoldToolkitOptions(QStringList{"nudgery"} + arguments))
            << arguments.join(' ').toStdString();
    for (const QStringList& arguments :
         {QStringList{"--bogus"}, QStringList{"--lsit"}, QStringList{"platform"},
          QStringList{"--add", "9:00", "-display"}.mid(0, 2), QStringList{}})
        EXPECT_FALSE(MayHoldToolkitOptions(QStringList{"nudgery"} + arguments))
            << arguments.join(' ').toStdString();
}

struct Ending {
    int exitCode;
    QString out, err;
};

class CommandLineProcess : public ProgramProcess {
protected:
    Ending Run(const QStringList& arguments) {
        QProcess& process = Start(arguments);
        EXPECT_TRUE(process.waitForFinished(kWaitMs));
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }
};

TEST_F(CommandLineProcess, HelpAndVersionPrintAndAnythingElseIsRefusedWithTheUsage) {
    const Ending help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--minimized")) << help.out.toStdString();
    // Also where there is no desktop to show a window on, as in a terminal over ssh.
    QProcessEnvironment noDesktop;
    noDesktop.insert("QT_QPA_PLATFORM", "xcb");
    noDesktop.insert("DISPLAY", "");
    noDesktop.insert("WAYLAND_DISPLAY", "");
    QProcess& headless = Start({"--version"}, noDesktop);
    EXPECT_TRUE(headless.waitForFinished(kWaitMs));
    EXPECT_EQ(headless.exitCode(), 0) << headless.readAllStandardError().toStdString();
    const Ending version = Run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("Nudgery! ")) << version.out.toStdString();
    for (const char* argument : {"--bogus", "stray"}) {
        const Ending refused = Run({argument});
        EXPECT_EQ(refused.exitCode, 2) << argument;
        EXPECT_TRUE(refused.out.isEmpty());
        EXPECT_TRUE(refused.err.contains(QString(argument).remove('-')))
            << refused.err.toStdString();
        EXPECT_TRUE(refused.err.contains("Usage:")) << refused.err.toStdString();
    }
    // None of them started the program: no data or settings file was made.
    EXPECT_FALSE(QFile::exists(DataFile()));
    EXPECT_FALSE(QFile::exists(SettingsFile()));
}

} // namespace
} // namespace nudgery

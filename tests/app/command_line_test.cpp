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

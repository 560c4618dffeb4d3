#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <functional>
#include <vector>

namespace nudgery {

namespace {

using Kind = CommandRequest::Kind;

// What an option belongs to: a start of the program, a command, or options of some commands.
enum class Belongs { Start, Command, Adding, Listing, Importing, AnyCommand };

// An option of a run, and what it sets.
struct RunOption {
    QCommandLineOption option;
    Belongs belongs;
    std::function<void(RunOptions&, const QString& value)> apply;
};

QCommandLineOption Flag(const char* name, const char* description) {
    return QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(description));
}

QCommandLineOption Valued(const char* name, const char* description, const char* valueName) {
    return QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(description),
                              QString::fromLatin1(valueName));
}

// A command that names no reminder.
std::function<void(RunOptions&, const QString&)> Command(Kind kind) {
    return
        [kind](RunOptions& options, const QString&) { options.command = CommandRequest::Of(kind); };
}

QString FullPath(const QString& path) {
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

const std::vector<RunOption>& RunOptionTable() {
    static const std::vector<RunOption> table = {
        {Flag(MinimizedOption, "Start minimised: with the tray in use, only the tray icon "
                               "shows; otherwise the window starts minimised."),
         Belongs::Start,
         [](RunOptions& options, const QString&) { options.startMinimized = true; }},
        {Valued("add",
                "Add a one-time reminder with the MESSAGE that follows, due at WHEN: "
                "\"10:30\", \"2027-03-14 10:30\", \"tomorrow 9:00\", \"fri 17:00\", \"in 20m\", "
                "\"in 1h30m\".",
                "WHEN"),
         Belongs::Command,
         [](RunOptions& options, const QString& when) {
             options.command = CommandRequest::Of(Kind::AddOneTime);
             options.command->when = when;
         }},
        {Valued("repeat",
                "Add a repeating reminder with the MESSAGE that follows, on the days and at "
                "the times of RULE: \"daily 7:00\", \"weekdays 8:30\", \"mon,wed,fri 18:00\", "
                "\"every 30m 9:00-17:00 weekdays\", \"2nd tue 19:00\", \"last fri 16:00\", "
                "\"day 15 9:00\", \"yearly 03-14 9:00\".",
                "RULE"),
         Belongs::Command,
         [](RunOptions& options, const QString& rule) {
             options.command = CommandRequest::Of(Kind::AddRepeating);
             options.command->when = rule;
         }},
        {Valued("sound", "With --add or --repeat: the sound file the reminder plays.", "FILE"),
         Belongs::Adding,
         [](RunOptions& options, const QString& file) { options.command->sound = FullPath(file); }},
        {Valued("action",
                "With --add or --repeat: what the reminder does when due: show-and-play, "
                "show, play or nothing.",
                "ACTION"),
         Belongs::Adding,
         [](RunOptions& options, const QString& action) { options.command->action = action; }},
        {Flag("list", "Print both lists, one line a reminder."), Belongs::Command,
         Command(Kind::List)},
        {Flag("json", "With --list: print the lists as JSON."), Belongs::Listing,
         [](RunOptions& options, const QString&) { options.command->json = true; }},
        {Flag("show", "Bring the window forward, starting the program if it is not running."),
         Belongs::Command, Command(Kind::Show)},
        {Flag("quit", "Save the reminders and end the running program."), Belongs::Command,
         Command(Kind::Quit)},
        {Valued("import", "Add the reminders of a calendar file, after showing what they are.",
                "FILE"),
         Belongs::Command,
         [](RunOptions& options, const QString& file) {
             options.command = CommandRequest::Of(Kind::Import);
             options.command->file = FullPath(file);
         }},
        {Flag("yes", "With --import: add without asking."), Belongs::Importing,
         [](RunOptions& options, const QString&) { options.agreed = true; }},
        {Valued("export", "Write both lists to a calendar file.", "FILE"), Belongs::Command,
         [](RunOptions& options, const QString& file) {
             options.command = CommandRequest::Of(Kind::Export);
             options.command->file = FullPath(file);
         }},
        {Valued("timeout",
                "With a command: how long to wait for the running program to answer "
                "(default 10).",
                "SECONDS"),
         Belongs::AnyCommand,
         [](RunOptions& options, const QString& seconds) {
             options.timeoutSeconds = seconds.toInt();
         }},
    };
    return table;
}

// Whether an option of these options' kind may go with the command asked for.
bool Fits(Belongs belongs, const std::optional<CommandRequest>& command) {
    switch (belongs) {
    case Belongs::Start:
        return !command;
    case Belongs::Command:
    case Belongs::AnyCommand:
        return command.has_value();
    case Belongs::Adding:
        return command &&
               (command->kind == Kind::AddOneTime || command->kind == Kind::AddRepeating);
    case Belongs::Listing:
        return command && command->kind == Kind::List;
    case Belongs::Importing:
        return command && command->kind == Kind::Import;
    }
    return false;
}

constexpr char Examples[] = "\n"
                            "Examples:\n"
                            "  nudgery --add \"in 20m\" \"Take the tea out\"\n"
                            "  nudgery --repeat \"weekdays 8:30\" \"Stand-up meeting\"\n"
                            "  nudgery --list --json\n";

// The parser's help, its usage line naming the program as it was called, without its
// folder (the parser would name it only once the application object exists).
QString Usage(const QCommandLineParser& parser, const QString& program) {
    const QString help = parser.helpText();
    return QStringLiteral("Usage: %1 [options] [MESSAGE]").arg(program) +
           help.mid(help.indexOf('\n')) + QLatin1String(Examples);
}

} // namespace

CommandLineRequest ReadCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Nudgery! keeps your reminders and tells you when they fall due.\n"
        "Without a command it starts, or brings the running program's window forward.\n"
        "A command is carried out by the running program, or on the data file when the\n"
        "program is not running."));
    // "-minimized" is taken as "--minimized", not as the letters m, i, n...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption showVersion({QStringLiteral("v"), QStringLiteral("version")},
                                         QStringLiteral("Show the program's version and end."));
    parser.addOption(help);
    parser.addOption(showVersion);
    for (const RunOption& row : RunOptionTable())
        parser.addOption(row.option);
    parser.addPositionalArgument(QStringLiteral("MESSAGE"),
                                 QStringLiteral("The message of the reminder that --add or "
                                                "--repeat adds."),
                                 QStringLiteral("[MESSAGE]"));

    const QString program = QFileInfo(arguments.value(0)).fileName();
    const auto refuse = [&](const QString& problem) {
        return CommandLineRequest{CommandLineRequest::Outcome::Refuse,
                                  {},
                                  program + QStringLiteral(": ") + problem + '\n' +
                                      Usage(parser, program),
                                  UsageExitCode};
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help))
        return {CommandLineRequest::Outcome::Print, {}, Usage(parser, program), 0};
    if (parser.isSet(showVersion))
        return {CommandLineRequest::Outcome::Print,
                {},
                QStringLiteral("Nudgery! %1\n").arg(version),
                0};

    CommandLineRequest request;
    RunOptions& options = request.options;
    // The command first: the options that go with it fill it in.
    QString command;
    for (const RunOption& row : RunOptionTable()) {
        if (row.belongs != Belongs::Command || !parser.isSet(row.option))
            continue;
        const QString name = QStringLiteral("--") + row.option.names().constFirst();
        if (!command.isEmpty() || parser.values(row.option).size() > 1)
            return refuse(QStringLiteral("%1 and %2 cannot be given together.")
                              .arg(command.isEmpty() ? name : command, name));
        command = name;
        row.apply(options, parser.value(row.option));
    }
    for (const RunOption& row : RunOptionTable()) {
        if (row.belongs == Belongs::Command || !parser.isSet(row.option))
            continue;
        const QString name = QStringLiteral("--") + row.option.names().constFirst();
        if (!Fits(row.belongs, options.command))
            return refuse(command.isEmpty()
                              ? QStringLiteral("%1 goes only with a command.").arg(name)
                              : QStringLiteral("%1 does not go with %2.").arg(name, command));
        row.apply(options, parser.value(row.option));
    }

    const QStringList positional = parser.positionalArguments();
    const bool adding = options.command && (options.command->kind == Kind::AddOneTime ||
                                            options.command->kind == Kind::AddRepeating);
    if (adding) {
        if (positional.isEmpty())
            return refuse(QStringLiteral("%1 needs the reminder's MESSAGE after it.").arg(command));
        if (positional.size() > 1)
            return refuse(QStringLiteral("Unexpected argument '%1': put the MESSAGE in quotes "
                                         "when it has more than one word.")
                              .arg(positional.at(1)));
        options.command->message = positional.first();
    } else if (!positional.isEmpty()) {
        return refuse(QStringLiteral("Unexpected argument '%1'.").arg(positional.first()));
    }
    if (options.timeoutSeconds < 1 || options.timeoutSeconds > 3600)
        return refuse(QStringLiteral("--timeout takes a number of seconds from 1 to 3600."));
    return request;
}

bool MayHoldToolkitOptions(const QStringList& arguments) {
    // The options that QGuiApplication and QApplication take out of the command line.
    static const QStringList toolkit = {"platform",
                                        "platformpluginpath",
                                        "platformtheme",
                                        "plugin",
                                        "qwindowgeometry",
                                        "qwindowicon",
                                        "qwindowtitle",
                                        "reverse",
                                        "session",
                                        "display",
                                        "geometry",
                                        "style",
                                        "stylesheet",
                                        "widgetcount",
                                        "nograb",
                                        "dograb",
                                        "sync",
                                        "name",
                                        "title",
                                        "visual",
                                        "qmljsdebugger"};
    for (const QString& argument : arguments.mid(1)) {
        if (!argument.startsWith('-'))
            continue;
        QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
        name = name.left(name.indexOf('='));
        if (toolkit.contains(name))
            return true;
    }
    return false;
}

} // namespace nudgery

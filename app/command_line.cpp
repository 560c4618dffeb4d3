#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <functional>
#include <vector>

namespace nudgery {

namespace {

// An option of a run, and what it sets.
struct RunOption {
    QCommandLineOption option;
    std::function<void(RunOptions&, const QCommandLineParser&)> apply;
};

const std::vector<RunOption>& RunOptionTable() {
    static const std::vector<RunOption> table = {
        {QCommandLineOption(QString::fromLatin1(MinimizedOption),
                            QStringLiteral("Start minimised: with the tray in use, only the "
                                           "tray icon shows; otherwise the window starts "
                                           "minimised.")),
         [](RunOptions& options, const QCommandLineParser&) { options.startMinimized = true; }},
    };
    return table;
}

// The parser's help, its usage line naming the program as it was called, without its
// folder (the parser would name it only once the application object exists).
QString Usage(const QCommandLineParser& parser, const QString& program) {
    const QString help = parser.helpText();
    return QStringLiteral("Usage: %1 [options]").arg(program) + help.mid(help.indexOf('\n'));
}

} // namespace

CommandLineRequest ReadCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Nudgery! keeps your reminders and tells you when they fall due."));
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
    if (const QStringList stray = parser.positionalArguments(); !stray.isEmpty())
        return refuse(QStringLiteral("Unexpected argument '%1'.").arg(stray.first()));
    if (parser.isSet(help))
        return {CommandLineRequest::Outcome::Print, {}, Usage(parser, program), 0};
    if (parser.isSet(showVersion))
        return {CommandLineRequest::Outcome::Print,
                {},
                QStringLiteral("Nudgery! %1\n").arg(version),
                0};

    CommandLineRequest request;
    for (const RunOption& row : RunOptionTable())
        if (parser.isSet(row.option))
            row.apply(request.options, parser);
    return request;
}

} // namespace nudgery

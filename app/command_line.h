#pragma once
// The program's command line, read by one rule that a test can run without starting the
// program. Every option of a run is one row of the table in command_line.cpp and one field
// of RunOptions: adding an option is adding both.

#include "platform/command_request.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace nudgery {

// What a run is asked to do besides starting as usual.
struct RunOptions {
    // Start minimised: only the tray icon shows when the tray is in use, otherwise the
    // window starts minimised (the desktop's autostart entry asks for this).
    bool startMinimized = false;
    // A command to carry out instead of starting: --add, --repeat, --list, --show, --quit,
    // --import, --export. Paths in it are full paths.
    std::optional<CommandRequest> command;
    // --yes: an import adds what it found without asking.
    bool agreed = false;
    // --timeout: how long a command waits for the running copy's answer.
    int timeoutSeconds = 10;
};

// The option names as typed after "--".
inline constexpr char MinimizedOption[] = "minimized";

struct CommandLineRequest {
    enum class Outcome {
        // Start with `options`, or carry out its command.
        Run,
        // Print `text` to standard output and end with `exitCode` (0): help, the version.
        Print,
        // Print `text` (what is wrong, then how to use the program) to standard error and
        // end with `exitCode`.
        Refuse,
    };
    Outcome outcome = Outcome::Run;
    RunOptions options;
    QString text;
    int exitCode = 0;
};

// The exit code of a command line the program does not take.
inline constexpr int UsageExitCode = 2;

// `arguments`: the program's name first, then its arguments, the toolkit's own options
// (-platform, -display and the like) already taken out by the application object.
// `version`: what --version prints after the program's name. Relative paths are taken from
// the current folder.
CommandLineRequest ReadCommandLine(const QStringList& arguments, const QString& version);

// Whether the arguments may hold options of the toolkit's own, which only the window's
// application object takes out: a line refused before it exists may be taken after.
bool MayHoldToolkitOptions(const QStringList& arguments);

} // namespace nudgery

#pragma once
// The program's command line, read by one rule that a test can run without starting the
// program. Every option of a run is one row of the table in command_line.cpp and one field
// of RunOptions: adding an option is adding both.

#include <QString>
#include <QStringList>

namespace nudgery {

// What a run is asked to do besides starting as usual.
struct RunOptions {
    // Start minimised: only the tray icon shows when the tray is in use, otherwise the
    // window starts minimised (the desktop's autostart entry asks for this).
    bool startMinimized = false;
};

// The option names as typed after "--".
inline constexpr char MinimizedOption[] = "minimized";

struct CommandLineRequest {
    enum class Outcome {
        // Start with `options`.
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
// `version`: what --version prints after the program's name.
CommandLineRequest ReadCommandLine(const QStringList& arguments, const QString& version);

} // namespace nudgery

// The program's entry. It reads the command line first: help and the version are answered at
// once; a command is carried out with no more than the core of the toolkit; only a start of
// the window loads the window's module, with the widgets, fonts and desktop services.
#include "app/command_line.h"
#include "app/command_run.h"
#include "app/window_main.h"
#include "platform/window_activation.h"

#include <QCoreApplication>
#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <optional>
#include <string>

namespace {

using namespace nudgery;

#ifdef __SANITIZE_ADDRESS__
// Under the sanitizers: Qt's Wayland platform leaves libwayland-client's allocations behind at
// exit, and Qt's D-Bus keeps the descriptions of the interfaces it met (the tray's
// StatusNotifierItem watcher) for good. They are not the program's to free, and they would
// fail every sanitized run on Wayland or with a StatusNotifierItem host.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libwayland-client.so\nleak:libQt6DBus.so\n";
}
#endif

// The window's module, beside the program in a build (and where a test has copied both), in
// ../lib/nudgery/ once installed.
constexpr char WindowModule[] = "libnudgery_window.so";

// Loads the window's module by its full path: a run path would be read from whichever
// library calls dlopen, which under the sanitizers is theirs. Null, with the loader's reason
// in `why`, when it cannot be loaded.
void* LoadWindowModule(std::string& why) {
    std::error_code error;
    const std::filesystem::path folder =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    for (const std::filesystem::path& candidate :
         {folder / WindowModule, folder / ".." / "lib" / "nudgery" / WindowModule}) {
        // Its libraries are loaded now, so that a missing one fails the start here; its
        // functions are bound as they are first called, as a program's are, rather than all
        // thousands of them before the window can show.
        if (void* module = ::dlopen(candidate.c_str(), RTLD_LAZY | RTLD_LOCAL))
            return module;
        why = ::dlerror();
    }
    return nullptr;
}

// Prints what the command line asked for, or why it is refused; the program's exit code.
int Answer(const CommandLineRequest& request) {
    std::fputs(request.text.toLocal8Bit().constData(),
               request.outcome == CommandLineRequest::Outcome::Print ? stdout : stderr);
    return request.exitCode;
}

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int StartWindow(int argc, char** argv) {
    // Kept for the whole run: the window's code lives in it.
    std::string why;
    void* module = LoadWindowModule(why);
    if (!module) {
        std::fprintf(stderr, "%s: cannot load the window: %s\n", argv[0], why.c_str());
        return 1;
    }
    const auto windowMain =
        reinterpret_cast<decltype(&NudgeryWindowMain)>(::dlsym(module, "NudgeryWindowMain"));
    if (!windowMain) {
        std::fprintf(stderr, "%s: cannot start the window: %s\n", argv[0], ::dlerror());
        return 1;
    }
    return windowMain(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
    const CommandLineRequest request =
        ReadCommandLine(ArgumentsOf(argc, argv), QStringLiteral(NUDGERY_VERSION));
    if (request.outcome == CommandLineRequest::Outcome::Print)
        return Answer(request);
    // Refused here, the line may yet hold the toolkit's options, which only the window's
    // application object takes out; refused for good otherwise, without a desktop.
    if (request.outcome == CommandLineRequest::Outcome::Refuse)
        return MayHoldToolkitOptions(ArgumentsOf(argc, argv)) ? StartWindow(argc, argv)
                                                              : Answer(request);

    {
        const QCoreApplication core(argc, argv);
        // A start with a copy running brings that copy forward, as --show does.
        RunOptions options = request.options;
        const bool asked = options.command.has_value();
        if (!asked)
            options.command = CommandRequest::Of(CommandRequest::Kind::Show);
        if (options.command->kind == CommandRequest::Kind::Show)
            options.command->activationToken = StartupActivationToken();
        const CommandOutcome outcome = RunCommand(options, QString::fromLocal8Bit(argv[0]));
        if (!outcome.startWindow)
            return asked ? outcome.exitCode : 0;
    }
    // No copy runs: this one starts, with an application object made for the window.
    return StartWindow(argc, argv);
}

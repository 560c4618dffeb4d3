// Commands from outside the window (the command line, the session bus), carried out by the
// running program on its own lists: the one writer of the data file while it runs.
#include "Justone.h"
#include "Main.h"
#include "MainPrivate.h"
#include "alerts/ListCommands.h"

#include <QTimer>

namespace nudgery {

CommandReply MainPrivate::CarryCommand(const CommandRequest& request, const UtcOffsetAt& offsetAt) {
    using Kind = CommandRequest::Kind;
    if (request.kind == Kind::Show) {
        BringWindowForward(q);
        return {};
    }
    if (request.kind == Kind::Quit)
        return QuitCommand();
    const bool changes = ChangesLists(request.kind);
    // Restoring the backup would take away what the command added.
    if (changes && (askingToRestore_ || listsFile_.DamagedReportAsksToRestore()))
        return CommandReply::Fail(
            CommandReply::Failed,
            QStringLiteral("Nudgery! is asking whether to restore the backup of its data file: "
                           "answer it first."));
    ListCommands commands(oneTime_, repeating_,
                          {services.clock, services.formats, services.userFormats, offsetAt,
                           services.settings, listsFile_.Path(),
                           [this] { listsFile_.SaveOrThrow(); }});
    const CommandReply reply = commands.Carry(request);
    if (changes && reply.exitCode == CommandReply::Done) {
        SelectFirstRows();
        SetButtons();
    }
    return reply;
}

CommandReply MainPrivate::QuitCommand() {
    // Saved before the answer, so that a command told the program has ended finds its lists
    // on disk; a save that fails is told to the command, and the program runs on.
    try {
        listsFile_.SaveOrThrow();
    } catch (const std::exception& error) {
        return CommandReply::Fail(CommandReply::Failed, QString::fromLocal8Bit(error.what()));
    }
    QTimer::singleShot(0, &q, [this] { q.EndSession(); });
    return {};
}

} // namespace nudgery

#include "app/command_run.h"

#include "alerts/DataFileCommands.h"
#include "platform/command_client.h"
#include "platform/instance_claim.h"
#include "platform/program_folder.h"
#include "platform/regional_settings.h"
#include "platform/system_clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>
#include <cstdio>
#include <iostream>
#include <string>

namespace nudgery {
namespace {

using Kind = CommandRequest::Kind;
using Outcome = CopyAnswer::Outcome;

// How long a command waits before it looks again for a claim held by another command, which
// holds it only for the moment it changes the data file.
constexpr unsigned long RetryMs = 10;

// What carrying a request out came to.
struct Carried {
    // How the reply was come by: Answered by the running copy or by this process on the data
    // file; otherwise the reply tells what went wrong on the way.
    Outcome outcome = Outcome::Answered;
    CommandReply reply;
    // Show and Quit found no copy running.
    bool noCopy = false;
};

class CommandRunner {
public:
    CommandRunner(const QString& programPath, int timeoutSeconds)
        : folder_(InstanceClaim::DefaultFolder()),
          lockPath_(InstanceClaim::LockPath(InstanceClaim::NameFor(programPath), folder_)),
          socketPath_(InstanceClaim::SocketPath(InstanceClaim::NameFor(programPath), folder_)),
          timeoutMs_(timeoutSeconds * 1000) {
        clock_.start();
    }

    // Through the running copy when there is one, else on the data file with the claim held.
    Carried Carry(const CommandRequest& request) {
        for (;;) {
            QLockFile claim(lockPath_);
            // Only a holder that no longer runs makes a claim stale, however old it is.
            claim.setStaleLockTime(0);
            // A claim that cannot be made at all leaves this process the only one, as it does
            // the program.
            if (folder_.isEmpty() || claim.tryLock(0) ||
                claim.error() != QLockFile::LockFailedError) {
                if (request.kind == Kind::Show || request.kind == Kind::Quit)
                    return {Outcome::Answered, {}, true};
                return {Outcome::Answered, OnDataFile(request), false};
            }
            qint64 holder = 0;
            QString host, application;
            claim.getLockInfo(&holder, &host, &application);
            // The bus's Show takes no activation token: one that came with this process goes
            // over the claim's channel.
            const bool token = !request.activationToken.isEmpty();
            CopyAnswer answer = token ? AskOverClaimChannel(request, socketPath_, Left())
                                      : AskOverBus(request, holder, Left());
            if (answer.outcome == Outcome::Unreachable)
                answer = token ? AskOverBus(request, holder, Left())
                               : AskOverClaimChannel(request, socketPath_, Left());
            if (answer.outcome != Outcome::Unreachable)
                return {answer.outcome, Explained(answer), false};
            // Another command holds the claim for a moment, or a copy is on its way out.
            if (Left() <= 0)
                return {Outcome::Unreachable,
                        CommandReply::Fail(CommandReply::Failed,
                                           QStringLiteral("Nudgery! is running but cannot be "
                                                          "reached, so the command was not "
                                                          "carried out.")),
                        false};
            QThread::msleep(RetryMs);
        }
    }

    // Waits until no copy runs; false when one still does once the time is up.
    bool WaitUntilEnded() {
        for (;;) {
            QLockFile claim(lockPath_);
            claim.setStaleLockTime(0);
            if (claim.tryLock(0) || claim.error() != QLockFile::LockFailedError)
                return true;
            if (Left() <= 0)
                return false;
            QThread::msleep(RetryMs);
        }
    }

    int Seconds() const { return timeoutMs_ / 1000; }

private:
    int Left() const { return static_cast<int>(timeoutMs_ - clock_.elapsed()); }

    CommandReply Explained(const CopyAnswer& answer) const {
        switch (answer.outcome) {
        case Outcome::Answered:
            return answer.reply;
        case Outcome::NoAnswer:
            return CommandReply::Fail(
                CommandReply::Failed,
                QStringLiteral("Nudgery! is running but did not answer within %1 seconds, so "
                               "the command may not have been carried out.")
                    .arg(Seconds()));
        case Outcome::HungUp:
        case Outcome::Unreachable:
            break;
        }
        return CommandReply::Fail(CommandReply::Failed,
                                  QStringLiteral("Nudgery! ended before it answered, so the "
                                                 "command may not have been carried out."));
    }

    // With the claim held by this process.
    static CommandReply OnDataFile(const CommandRequest& request) {
        // Names the user's data folder, as the program does; only now that the claim is
        // made, which records the process by its own name.
        QCoreApplication::setApplicationName(QStringLiteral("Nudgery"));
        // The zone is read once: the command ends long before it could change.
        const SystemClock clock{QStringList()};
        const RegionalSettings user = SystemRegionalSettings();
        const UtcOffsetAt offsetAt = [&clock](std::int64_t seconds) {
            return clock.UtcOffsetAt(seconds);
        };
        return CarryOnDataFile(request, {clock, user, offsetAt, ProgramFolder()});
    }

    const QString folder_;
    const QString lockPath_;
    const QString socketPath_;
    const int timeoutMs_;
    QElapsedTimer clock_;
};

void Write(const QString& text, std::FILE* stream) {
    if (!text.isEmpty())
        std::fputs(text.toLocal8Bit().constData(), stream);
}

// What was done to standard output, why not to standard error; the exit code.
int Print(const CommandReply& reply, const QString& program) {
    Write(reply.output, stdout);
    if (!reply.error.isEmpty())
        Write(program + QStringLiteral(": ") + reply.error + QLatin1Char('\n'), stderr);
    return reply.exitCode;
}

// Asks on the terminal; anything but yes, and the end of the input, is no.
bool AgreesToAdd(int count) {
    std::fprintf(stderr, "Add %s? [y/N] ",
                 count == 1 ? "this reminder"
                            : ("these " + std::to_string(count) + " reminders").c_str());
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer))
        return false;
    return !answer.empty() && (answer.front() == 'y' || answer.front() == 'Y');
}

int Import(CommandRunner& runner, const CommandRequest& command, bool agreed,
           const QString& program) {
    CommandRequest preview = command;
    preview.kind = Kind::PreviewImport;
    const CommandReply plan = runner.Carry(preview).reply;
    const int shown = Print(plan, program);
    if (plan.exitCode != CommandReply::Done || plan.count == 0)
        return shown;
    if (!agreed && !AgreesToAdd(plan.count)) {
        std::fputs("Nothing was added.\n", stdout);
        return CommandReply::Failed;
    }
    // Planned again as it is added: what the lists hold may have changed meanwhile.
    return Print(runner.Carry(command).reply, program);
}

int Quit(CommandRunner& runner, const QString& program) {
    const Carried carried = runner.Carry(CommandRequest::Of(Kind::Quit));
    if (carried.noCopy) {
        std::fputs("Nudgery! is not running.\n", stdout);
        return CommandReply::Done;
    }
    // Refused (the lists could not be saved), or never reached: the copy runs on.
    if ((carried.outcome == Outcome::Answered && carried.reply.exitCode != CommandReply::Done) ||
        carried.outcome == Outcome::Unreachable)
        return Print(carried.reply, program);
    // Answered, or gone before the answer: done once the copy has ended.
    if (runner.WaitUntilEnded())
        return CommandReply::Done;
    return Print(
        CommandReply::Fail(
            CommandReply::Failed,
            QStringLiteral("Nudgery! did not end within %1 seconds.").arg(runner.Seconds())),
        program);
}

} // namespace

CommandOutcome RunCommand(const RunOptions& options, const QString& programPath) {
    const CommandRequest& command = *options.command;
    const QString program = QFileInfo(programPath).fileName();
    CommandRunner runner(programPath, options.timeoutSeconds);
    switch (command.kind) {
    case Kind::Import:
        return {false, Import(runner, command, options.agreed, program)};
    case Kind::Quit:
        return {false, Quit(runner, program)};
    case Kind::Show: {
        const Carried carried = runner.Carry(command);
        if (carried.noCopy)
            return {true, 0};
        return {false, Print(carried.reply, program)};
    }
    default:
        return {false, Print(runner.Carry(command).reply, program)};
    }
}

} // namespace nudgery

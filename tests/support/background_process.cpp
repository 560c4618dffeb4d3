#include "support/background_process.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <grp.h>
#include <unistd.h>

namespace nudgery::testing {

namespace {

// Drops the test's root rights in the child, before the program runs.
void RunAs(QProcess& process, std::optional<UserIds> user) {
    if (!user)
        return;
    process.setChildProcessModifier([ids = *user] {
        if (setgroups(0, nullptr) != 0 || setgid(ids.gid) != 0 || setuid(ids.uid) != 0)
            _exit(127);
    });
}

} // namespace

bool BackgroundProcess::Start(const QString& program, const QStringList& arguments,
                              const QProcessEnvironment& environment, QString& why,
                              std::optional<UserIds> user, bool keepOutput) {
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    if (!keepOutput)
        process_.setStandardOutputFile(QProcess::nullDevice());
    RunAs(process_, user);
    process_.start(program, arguments);
    if (!process_.waitForStarted(StartMs)) {
        why = program + QStringLiteral(" did not start: ") + process_.errorString();
        return false;
    }
    return true;
}

void BackgroundProcess::Stop() {
    if (!Running())
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished();
    }
}

QByteArray BackgroundProcess::Output() {
    output_ += process_.readAll();
    return output_;
}

std::optional<QByteArray> RunToEnd(const QString& program, const QStringList& arguments,
                                   const QProcessEnvironment& environment,
                                   std::optional<UserIds> user, int timeoutMs) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardErrorFile(QProcess::nullDevice());
    RunAs(process, user);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

bool Installed(const QString& program) {
    if (program.contains(u'/'))
        return QFileInfo(program).isExecutable();
    return !QStandardPaths::findExecutable(program).isEmpty();
}

} // namespace nudgery::testing

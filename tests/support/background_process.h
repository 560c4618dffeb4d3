#pragma once
// A program that a test runs beside itself (a bus, a display server, a notification
// server), optionally as another user, and ends when the test is done with it.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <optional>
#include <sys/types.h>

namespace nudgery::testing {

// An ordinary user of the machine, for what refuses to run as root.
struct UserIds {
    uid_t uid;
    gid_t gid;
};

class BackgroundProcess {
public:
    static constexpr int StartMs = 20000;

    BackgroundProcess() = default;
    ~BackgroundProcess() { Stop(); }
    BackgroundProcess(const BackgroundProcess&) = delete;
    BackgroundProcess& operator=(const BackgroundProcess&) = delete;

    // Starts `program` with `arguments` in `environment` (the whole of it), as `user` when
    // one is given; its output is kept unless `keepOutput` is false. On failure, `why`
    // says what went wrong.
    bool Start(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& environment, QString& why,
               std::optional<UserIds> user = std::nullopt, bool keepOutput = true);
    // Ends it (a termination signal, then a kill) and waits until it has ended.
    void Stop();
    bool Running() const { return process_.state() != QProcess::NotRunning; }
    qint64 Pid() const { return process_.processId(); }
    // Everything it wrote so far, standard output and error together.
    QByteArray Output();
    QProcess& Process() { return process_; }

private:
    QProcess process_;
    QByteArray output_;
};

// Runs `program` to its end (at most `timeoutMs`) in `environment`, as `user` when given:
// its standard output, or nothing when it failed or did not end.
std::optional<QByteArray> RunToEnd(const QString& program, const QStringList& arguments,
                                   const QProcessEnvironment& environment,
                                   std::optional<UserIds> user = std::nullopt,
                                   int timeoutMs = BackgroundProcess::StartMs);

// Whether `program` is on the path (or, given as a path, exists and runs).
bool Installed(const QString& program);

} // namespace nudgery::testing

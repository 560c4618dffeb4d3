#pragma once
// openbox around the windows on a test's X server, started as a desktop session starts it:
// the programs under test start once it has finished starting, since a window mapped while
// it is still starting may be left unmanaged and unmapped. Ended with its owner.

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTest>

namespace nudgery::testing {

class WindowManager {
public:
    static constexpr int WaitMs = 20000;

    WindowManager() = default;
    ~WindowManager() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        if (!process_.waitForFinished(WaitMs)) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

    // Starts openbox on `display` (":N") and waits until it has started; `readyMark` names
    // a file it may create to say so. On failure, `why` says what went wrong.
    bool Start(const QString& display, const QString& readyMark, QString& why) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        process_.setProcessEnvironment(env);
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.setStandardErrorFile(QProcess::nullDevice());
        process_.start("openbox", {"--startup", QStringLiteral("touch '%1'").arg(readyMark)});
        if (!process_.waitForStarted(WaitMs)) {
            why = QStringLiteral("openbox did not start: ") + process_.errorString();
            return false;
        }
        if (!QTest::qWaitFor([&] { return QFile::exists(readyMark); }, WaitMs)) {
            why = QStringLiteral("openbox did not finish starting");
            return false;
        }
        return true;
    }

private:
    QProcess process_;
};

} // namespace nudgery::testing

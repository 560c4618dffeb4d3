// The single-instance guard: one claim per program file name, a later copy's request to come
// forward, claims left by copies that ended, and two real processes.
#include "ui/main/Justone.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

class JustOneTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
    QTemporaryDir folder_;
};

TEST_F(JustOneTest, ClaimIsNamedAfterTheProgramFileName) {
    const struct {
        const char* path;
        const char* name;
    } cases[] = {{"/usr/bin/nudgery", "nudgery"},
                 {"nudgery", "nudgery"},
                 {"/opt/tools/NUDGERY.EXE", "NUDGERY.EXE"},
                 {"", "nudgery"}};
    for (const auto& c : cases)
        EXPECT_EQ(TPreviousInstance::ClaimName(c.path), c.name) << c.path;
}

TEST_F(JustOneTest, SecondCopyFindsTheFirstAndAsksItToComeForward) {
    TPreviousInstance first("/usr/bin/nudgery", folder_.path());
    EXPECT_FALSE(first.Exists());
    QSignalSpy forward(&first, &TPreviousInstance::BringForwardRequested);

    TPreviousInstance second("/home/me/bin/nudgery", folder_.path());
    ASSERT_TRUE(second.Exists());
    EXPECT_EQ(second.RunSecondCopyStep(), 0);
    EXPECT_TRUE(forward.wait(5000));
    EXPECT_EQ(forward.count(), 1);
}

TEST_F(JustOneTest, ACopyOfAnotherNameRunsAlongside) {
    TPreviousInstance first("/usr/bin/nudgery", folder_.path());
    TPreviousInstance other("/usr/bin/nudgery-work", folder_.path());
    EXPECT_FALSE(first.Exists());
    EXPECT_FALSE(other.Exists());
}

TEST_F(JustOneTest, TheNextStartAfterTheFirstCopyEndedBecomesTheHolder) {
    { TPreviousInstance first("nudgery", folder_.path()); }
    TPreviousInstance next("nudgery", folder_.path());
    EXPECT_FALSE(next.Exists());
}

TEST_F(JustOneTest, AClaimLeftByACrashedCopyIsTakenOver) {
    // A process that has ended leaves its id behind in the claim, as a crash would.
    QProcess ended;
    ended.start("true", {});
    ASSERT_TRUE(ended.waitForFinished());
    const qint64 deadPid = ended.processId() ? ended.processId() : 999'999;
    QFile lock(QDir(folder_.path()).filePath("nudgery.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + "\nnudgery\n" + QSysInfo::machineHostName().toUtf8() +
               "\n");
    lock.close();
    QFile socket(QDir(folder_.path()).filePath("nudgery.socket"));
    ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
    socket.close();

    TPreviousInstance next("nudgery", folder_.path());
    EXPECT_FALSE(next.Exists());
    // The new holder listens where the crashed one left its socket behind.
    QSignalSpy forward(&next, &TPreviousInstance::BringForwardRequested);
    TPreviousInstance later("nudgery", folder_.path());
    ASSERT_TRUE(later.Exists());
    later.RunSecondCopyStep();
    EXPECT_TRUE(forward.wait(5000));
}

TEST_F(JustOneTest, AFolderThatCannotHoldTheClaimLeavesThisCopyTheOnlyOne) {
    for (const QString& folder : {QString("/proc/no-such-folder"), QString()}) {
        TPreviousInstance first("nudgery", folder);
        TPreviousInstance second("nudgery", folder);
        EXPECT_FALSE(first.Exists()) << folder.toStdString();
        EXPECT_FALSE(second.Exists()) << folder.toStdString();
    }
}

// Sends `request` to the holder in `folder` as a peer of any kind would, and waits until
// the holder has judged it and hung up.
::testing::AssertionResult SendRequest(const QString& folder, const QByteArray& request) {
    QLocalSocket peer;
    peer.connectToServer(QDir(folder).filePath("nudgery.socket"));
    if (!peer.waitForConnected(5000))
        return ::testing::AssertionFailure() << "no holder to send to";
    peer.write(request);
    if (!QTest::qWaitFor([&] { return peer.state() == QLocalSocket::UnconnectedState; }, 5000))
        return ::testing::AssertionFailure() << "the holder did not hang up";
    return ::testing::AssertionSuccess();
}

TEST_F(JustOneTest, OnlyTheComeForwardRequestIsHeeded) {
    TPreviousInstance first("nudgery", folder_.path());
    QSignalSpy forward(&first, &TPreviousInstance::BringForwardRequested);
    for (const QByteArray& junk :
         {QByteArray("hello there\n"), QByteArray(100'000, 'x'), QByteArray("come-forward \n"),
          QByteArray("come-forward two words\n"), QByteArray("come-forward tab\there\n"),
          QByteArray("come-forwardness\n"), "come-forward " + QByteArray(257, 't') + "\n",
          QByteArray("come-forward ") + QByteArray("\xc3\xa9t\xc3\xa9") + "\n"}) {
        ASSERT_TRUE(SendRequest(folder_.path(), junk)) << junk.left(40).toStdString();
        EXPECT_EQ(forward.count(), 0) << junk.left(40).toStdString();
    }
    TPreviousInstance second("nudgery", folder_.path());
    second.RunSecondCopyStep();
    ASSERT_TRUE(forward.wait(5000));
    EXPECT_EQ(forward.count(), 1);
}

TEST_F(JustOneTest, TheDesktopsActivationTokenGoesToTheFirstCopy) {
    TPreviousInstance first("nudgery", folder_.path());
    QSignalSpy forward(&first, &TPreviousInstance::BringForwardRequested);
    const QByteArray saved = qgetenv("XDG_ACTIVATION_TOKEN");
    const struct {
        QByteArray given;
        QString handedOn;
    } cases[] = {
        {"", ""},
        {"sway/1234_TIME0", "sway/1234_TIME0"},
        {QByteArray(256, 'a'), QString(256, 'a')},
        // What the first copy would refuse is left out; the request still counts.
        {"two words", ""},
        {QByteArray(257, 'a'), ""},
    };
    for (const auto& c : cases) {
        forward.clear();
        qputenv("XDG_ACTIVATION_TOKEN", c.given);
        TPreviousInstance second("nudgery", folder_.path());
        ASSERT_TRUE(second.Exists());
        second.RunSecondCopyStep();
        ASSERT_TRUE(forward.wait(5000)) << c.given.toStdString();
        EXPECT_EQ(forward.front().front().toString(), c.handedOn) << c.given.toStdString();
    }
    qputenv("XDG_ACTIVATION_TOKEN", saved);
    // A peer of its own with a token.
    forward.clear();
    ASSERT_TRUE(SendRequest(folder_.path(), "come-forward 8f1c-x_Y.z:9\n"));
    ASSERT_EQ(forward.count(), 1);
    EXPECT_EQ(forward.front().front().toString(), "8f1c-x_Y.z:9");
}

TEST_F(JustOneTest, BringingForwardRestoresAMinimisedWindow) {
    QWidget window;
    window.showMinimized();
    BringWindowForward(window);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isMinimized());
}

class ProbeProcess {
public:
    explicit ProbeProcess(const QString& folder) { process_.start(JUSTONE_PROBE_PATH, {folder}); }
    ~ProbeProcess() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    bool WaitForLine(const QByteArray& line) {
        while (!output_.contains(line + "\n")) {
            if (!process_.waitForReadyRead(10'000))
                return false;
            output_ += process_.readAllStandardOutput();
        }
        return true;
    }
    QProcess& process() { return process_; }

private:
    QProcess process_;
    QByteArray output_;
};

TEST_F(JustOneTest, TwoRealProcessesSecondEndsWithZeroAndTheFirstComesForward) {
    ProbeProcess first(folder_.path());
    ASSERT_TRUE(first.WaitForLine("first"));

    ProbeProcess second(folder_.path());
    ASSERT_TRUE(second.process().waitForFinished(10'000));
    EXPECT_EQ(second.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.process().exitCode(), 0);
    EXPECT_EQ(second.process().readAllStandardOutput(), "second\n");

    EXPECT_TRUE(first.WaitForLine("forward"));
    ASSERT_TRUE(first.process().waitForFinished(10'000));
    EXPECT_EQ(first.process().exitCode(), 0);
}

TEST_F(JustOneTest, AKilledFirstProcessLeavesAClaimTheNextStartTakesOver) {
    {
        ProbeProcess crashed(folder_.path());
        ASSERT_TRUE(crashed.WaitForLine("first"));
        crashed.process().kill(); // no clean-up runs, as in a crash
        ASSERT_TRUE(crashed.process().waitForFinished());
    }
    ASSERT_TRUE(QFile::exists(QDir(folder_.path()).filePath("justone_probe.lock")));
    ProbeProcess next(folder_.path());
    EXPECT_TRUE(next.WaitForLine("first"));
}

} // namespace
} // namespace nudgery

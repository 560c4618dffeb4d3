// The built program as real processes, each from a copy of the program file in a scratch
// folder (which then holds its data file), with a runtime folder of its own.
#include "core/data_file.h"
#include "core/reminder.h"
#include "platform/data_file_store.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace nudgery {
namespace {

constexpr int kWaitMs = 20000;

class ProgramProcess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(runtime_.isValid());
        // The runtime folder must be the user's alone.
        QFile::setPermissions(runtime_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ASSERT_TRUE(QFile::copy(NUDGERY_PATH, Program()));
    }
    void TearDown() override {
        for (auto& process : processes_)
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
    }

    QString Program() const { return folder_.filePath("nudgery"); }
    QString DataFile() const { return folder_.filePath("Nudgery.dat"); }

    QProcess& Start() {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime_.path());
        env.insert("SDL_AUDIODRIVER", "dummy");
        process->setProcessEnvironment(env);
        process->setProgram(Program());
        process->start();
        EXPECT_TRUE(process->waitForStarted(kWaitMs));
        processes_.push_back(std::move(process));
        return *processes_.back();
    }
    // The first copy listens for later copies once it holds the claim.
    bool WaitUntilHoldingTheClaim() {
        const QString socket = QDir(runtime_.path()).filePath("nudgery.socket");
        return QTest::qWaitFor([&] { return QFile::exists(socket); }, kWaitMs);
    }

    QTemporaryDir folder_;
    QTemporaryDir runtime_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

TEST_F(ProgramProcess, TheSecondCopyEndsWithCodeZeroAndTheFirstRunsOn) {
    QProcess& first = Start();
    ASSERT_TRUE(WaitUntilHoldingTheClaim());
    QProcess& second = Start();
    ASSERT_TRUE(second.waitForFinished(kWaitMs));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    // Neither copy has written its files yet: the second made none.
    EXPECT_FALSE(QFile::exists(DataFile()));
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(ProgramProcess, ATerminationSignalSavesTheListsJudgedAtStart) {
    // Stored as Pending: a reminder of long ago, and one years ahead.
    auto past = TReminder::CreateNormal(KindOneTime, EncodeDate(2001, 1, 1) + 0.5, "past", "",
                                        EventShowOnly);
    auto future = TReminder::CreateNormal(KindOneTime, EncodeDate(2050, 1, 1) + 0.5, "future", "",
                                          EventShowOnly);
    const std::vector<const TReminder*> none;
    DataFileStore(DataFile()).Save(std::vector<const TReminder*>{past.get(), future.get()}, none);

    QProcess& program = Start();
    ASSERT_TRUE(WaitUntilHoldingTheClaim());
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(kWaitMs));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    // Placement and lists were saved, the statuses as the program judged them at start.
    EXPECT_TRUE(QFile::exists(folder_.filePath("NUDGERY.INI")));
    past->Status = StatusExpired;
    future->Status = StatusNotToday;
    const std::vector<std::uint8_t> expected =
        EncodeDataFile(std::vector<const TReminder*>{past.get(), future.get()}, none);
    QFile saved(DataFile());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), expected);
}

} // namespace
} // namespace nudgery

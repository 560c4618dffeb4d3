#pragma once
// A copy of the built program in a scratch folder (which then holds its data file), with a
// runtime folder of its own, started as real processes; every copy still running when this
// ends is killed.

#include "program_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace nudgery::testing {

class ProgramCopy {
public:
    static constexpr int WaitMs = 20000;

    ProgramCopy() {
        EXPECT_TRUE(folder_.isValid());
        EXPECT_TRUE(runtime_.isValid());
        // The runtime folder must be the user's alone.
        QFile::setPermissions(runtime_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(CopyProgramInto(folder_.path()), Program());
    }
    ~ProgramCopy() {
        for (auto& process : processes_)
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
    }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    QString Program() const { return folder_.filePath("nudgery"); }
    QString File(const QString& name) const { return folder_.filePath(name); }

    // Starts a copy with `arguments`, silent and on the offscreen platform unless `env` says
    // otherwise.
    QProcess& Start(const QStringList& arguments = {}, const QProcessEnvironment& env = {}) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment all = QProcessEnvironment::systemEnvironment();
        all.insert("QT_QPA_PLATFORM", "offscreen");
        all.insert("XDG_RUNTIME_DIR", runtime_.path());
        all.insert("SDL_AUDIODRIVER", "dummy");
        all.insert(env);
        process->setProcessEnvironment(all);
        process->setProgram(Program());
        process->setArguments(arguments);
        process->start();
        EXPECT_TRUE(process->waitForStarted(WaitMs));
        processes_.push_back(std::move(process));
        return *processes_.back();
    }
    // The first copy listens for later copies once it holds the claim.
    bool WaitUntilHoldingTheClaim() {
        const QString socket = QDir(runtime_.path()).filePath("nudgery.socket");
        return QTest::qWaitFor([&] { return QFile::exists(socket); }, WaitMs);
    }

private:
    QTemporaryDir folder_;
    QTemporaryDir runtime_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

} // namespace nudgery::testing

#pragma once
// The built program as real processes, each from a copy of the program file in a scratch
// folder (which then holds its data and settings files), with a runtime folder of its own.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace nudgery {

class ProgramProcess : public ::testing::Test {
protected:
    static constexpr int kWaitMs = 20000;

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
    QString SettingsFile() const { return folder_.filePath("NUDGERY.INI"); }

    // Starts a copy with `arguments`, on Qt's offscreen platform unless `environment`
    // says otherwise.
    QProcess& Start(const QStringList& arguments = {},
                    const QProcessEnvironment& environment = {}) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", runtime_.path());
        env.insert("SDL_AUDIODRIVER", "dummy");
        for (const QString& name : environment.keys())
            env.insert(name, environment.value(name));
        process->setProcessEnvironment(env);
        process->setProgram(Program());
        process->setArguments(arguments);
        process->start();
        EXPECT_TRUE(process->waitForStarted(kWaitMs));
        processes_.push_back(std::move(process));
        return *processes_.back();
    }
    // Starts a copy with `arguments` on the X server `display` (":N"), without a D-Bus
    // session, so that a tray icon goes into an XEmbed notification area.
    QProcess& StartOnDisplay(const QString& display, const QStringList& arguments = {}) {
        QProcessEnvironment env;
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("DISPLAY", display);
        env.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
        return Start(arguments, env);
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

} // namespace nudgery

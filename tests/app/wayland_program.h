#pragma once
// A copy of the built program run natively on Wayland in a headless sway session: in a
// folder of the session user's own (which then holds its data and settings files), as that
// user, silent, and on the session bus a test gives it, or none.

#include "core/data_file.h"
#include "core/reminder.h"
#include "program_files.h"
#include "support/background_process.h"
#include "support/process_signal.h"
#include "support/wayland_session.h"

#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

namespace nudgery::testing {

class WaylandProgram {
public:
    static constexpr int WaitMs = 20000;

    // Why the program cannot run on Wayland here; empty when it can.
    static QString Missing() {
        const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                               QStringLiteral("/platforms/libqwayland-generic.so");
        if (!QFile::exists(plugin))
            return QStringLiteral("Qt's wayland platform plugin (qt6-wayland) is not installed");
        if (!Installed(QStringLiteral("swaymsg")))
            return QStringLiteral("swaymsg (sway) is not installed");
        return {};
    }

    explicit WaylandProgram(const WaylandSession& session) : session_(session) {
        EXPECT_EQ(CopyProgramInto(folder_.path()), Program());
        GiveToUser(folder_.path());
        for (const QString& file : QDir(folder_.path()).entryList(QDir::Files))
            GiveToUser(File(file));
    }

    QString File(const QString& name) const { return folder_.filePath(name); }
    QString DataFile() const { return File(QStringLiteral("Nudgery.dat")); }
    QString SettingsFile() const { return File(QStringLiteral("NUDGERY.INI")); }

    // Writes `bytes` to the file `name` of the program's folder, the session user's.
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(File(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        GiveToUser(File(name));
    }
    void WriteOneTime(const TReminder& reminder) const {
        const std::vector<std::uint8_t> bytes =
            EncodeDataFile(std::vector<const TReminder*>{&reminder}, {});
        Write(QStringLiteral("Nudgery.dat"),
              QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
    }
    QByteArray Read(const QString& name) const {
        QFile file(File(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Starts the program with `arguments`, on `busAddress` as its session bus (empty: none).
    bool Start(const QStringList& arguments, const QString& busAddress, QString& why) {
        QProcessEnvironment environment = session_.ClientEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           busAddress.isEmpty() ? QStringLiteral("disabled:") : busAddress);
        return process_.Start(Program(), arguments, environment, why, session_.User());
    }
    BackgroundProcess& Process() { return process_; }
    // Ends the program as the desktop does at log-out; true when it ended on its own with 0.
    bool End() {
        QProcess& process = process_.Process();
        if (process.state() == QProcess::NotRunning)
            return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        testing::SendSignal(process, SIGTERM);
        return process.waitForFinished(WaitMs) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

private:
    QString Program() const { return folder_.filePath(QStringLiteral("nudgery")); }
    void GiveToUser(const QString& path) const {
        EXPECT_EQ(
            chown(QFile::encodeName(path).constData(), session_.User()->uid, session_.User()->gid),
            0)
            << path.toStdString();
    }

    const WaylandSession& session_;
    QTemporaryDir folder_;
    BackgroundProcess process_;
};

} // namespace nudgery::testing

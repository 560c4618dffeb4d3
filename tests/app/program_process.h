#pragma once
// A test with one copy of the built program in a scratch folder of its own (which then
// holds its data and settings files), started as real processes.

#include "program_copy.h"

namespace nudgery {

class ProgramProcess : public ::testing::Test {
protected:
    static constexpr int kWaitMs = testing::ProgramCopy::WaitMs;

    QString Program() const { return program_.Program(); }
    // A file named `name` in the copy's folder.
    QString FolderFile(const QString& name) const { return program_.File(name); }
    QString DataFile() const { return FolderFile("Nudgery.dat"); }
    QString SettingsFile() const { return FolderFile("NUDGERY.INI"); }
    QProcess& Start(const QStringList& arguments = {}, const QProcessEnvironment& env = {}) {
        return program_.Start(arguments, env);
    }
    bool WaitUntilHoldingTheClaim() { return program_.WaitUntilHoldingTheClaim(); }

    // Starts a copy with `arguments` on the X server `display` (":N"), by default without a
    // D-Bus session: a tray icon then goes into an XEmbed notification area, and the D-Bus
    // library leaves no memory behind at exit for the sanitizers to report. `busAddress`
    // gives it a session bus.
    QProcess& StartOnDisplay(const QString& display, const QStringList& arguments = {},
                             const QString& busAddress = QStringLiteral("disabled:")) {
        QProcessEnvironment env;
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("DISPLAY", display);
        env.insert("DBUS_SESSION_BUS_ADDRESS", busAddress);
        return Start(arguments, env);
    }

    testing::ProgramCopy program_;
};

} // namespace nudgery

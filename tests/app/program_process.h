#pragma once
// A test with one copy of the built program in a scratch folder of its own (which then
// holds its data and settings files), started as real processes.

#include "program_copy.h"

namespace nudgery {

class ProgramProcess : public ::testing::Test {
protected:
    static constexpr int kWaitMs = testing::ProgramCopy::WaitMs;

    QString DataFile() const { return program_.File("Nudgery.dat"); }
    QString SettingsFile() const { return program_.File("NUDGERY.INI"); }
    QProcess& Start(const QStringList& arguments = {}, const QProcessEnvironment& env = {}) {
        return program_.Start(arguments, env);
    }
    bool WaitUntilHoldingTheClaim() { return program_.WaitUntilHoldingTheClaim(); }

    testing::ProgramCopy program_;
};

} // namespace nudgery

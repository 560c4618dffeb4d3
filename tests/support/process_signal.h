#pragma once
// Sends a signal to a process a test started, never to a process id of 0 (or less), which
// QProcess gives once the process has ended and which would signal the test's own group.

#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>

namespace nudgery::testing {

inline void SendSignal(const QProcess& process, int signal) {
    const qint64 pid = process.processId();
    ASSERT_GT(pid, 0) << "the process has already ended";
    ::kill(static_cast<pid_t>(pid), signal);
}

} // namespace nudgery::testing

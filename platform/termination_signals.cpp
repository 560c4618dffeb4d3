#include "platform/termination_signals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace nudgery {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The write end for the handler; a plain int is all an async-signal-safe handler may touch.
volatile sig_atomic_t writeFd = -1;

extern "C" void OnTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe already holds a report: dropping this one loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(writeFd, &byte, 1);
    errno = savedErrno;
}

void SetHandler(int signal, void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signal, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (::pipe2(fds_, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error("Cannot create the pipe for termination signals");
    writeFd = fds_[1];
    notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::Drain);
    for (int signal : kSignals)
        SetHandler(signal, OnTerminationSignal);
}

TerminationSignals::~TerminationSignals() {
    for (int signal : kSignals)
        SetHandler(signal, SIG_DFL);
    writeFd = -1;
    notifier_.reset();
    ::close(fds_[0]);
    ::close(fds_[1]);
}

void TerminationSignals::Drain() {
    char buffer[64];
    while (::read(fds_[0], buffer, sizeof buffer) > 0) {
    }
    emit TerminationRequested();
}

} // namespace nudgery

#pragma once
// Turns the signals that ask a program to end (SIGTERM, SIGINT, SIGHUP) into a Qt signal
// delivered by the event loop, so the program can end the normal way and save its work.

#include <QObject>
#include <memory>

class QSocketNotifier;

namespace nudgery {

// Only one instance may exist at a time: the signal handlers are per process. Its
// destruction gives the signals back their default actions.
class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

signals:
    // One of the signals arrived; several arriving together may give one report.
    void TerminationRequested();

private:
    void Drain();

    // The handler may only write to a pipe; the event loop reads the other end.
    int fds_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace nudgery

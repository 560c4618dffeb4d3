#pragma once
// The moment the program was last seen running, kept in a file of its own beside the data file
// (whose format stays as it is), so that at the next start the reminders that fell due in
// between can be told. While the program runs it is written every few minutes, on a timer of
// its own, and once more as the program ends: a crash loses at most those few minutes, which
// then count as running.

#include "core/datetime.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <optional>

namespace nudgery {

class Clock;

class LastRunningFile {
public:
    explicit LastRunningFile(QString path) : path_(std::move(path)) {}

    // The file's name in the folder of the data file.
    static QString BesideDataFile(const QString& dataFile);

    const QString& Path() const { return path_; }

    // The moment kept, or nothing when there is no file or it holds no moment (damaged,
    // hand-edited, unreadable).
    std::optional<TDateTime> Read() const;

    // Replaces the file whole, so that a crash leaves the old moment or the new one. When the
    // new one cannot be written the old one is removed, if it can be: a stale moment would
    // count the time since as not running, and reminders fired meanwhile as missed.
    bool Write(TDateTime moment) const;

private:
    QString path_;
};

// Keeps the file up to date while the program runs.
class LastRunningKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::minutes DefaultInterval{5};

    LastRunningKeeper(LastRunningFile file, const Clock& clock,
                      std::chrono::milliseconds interval = DefaultInterval);
    // Ended without Stop (an exception on the way out), it still writes the moment.
    ~LastRunningKeeper() override;

    // Writes the moment now, then every interval. Read the file before: this replaces it.
    void Start();
    // Writes the moment now and stops writing: the program is ending.
    void Stop();

private:
    void WriteNow();

    LastRunningFile file_;
    const Clock& clock_;
    QTimer timer_;
};

} // namespace nudgery

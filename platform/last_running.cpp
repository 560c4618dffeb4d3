#include "last_running.h"

#include "core/clock.h"
#include "durable_file.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTime>

namespace nudgery {
namespace {

// An ISO 8601 local date and time to the millisecond, as the clock reads it: no zone, since
// the moment is compared with the local times of the reminders.
QByteArray MomentText(TDateTime moment) {
    const CalendarDate date = DecodeDate(moment);
    const ClockTime time = DecodeTime(moment);
    return (QDate(date.year, date.month, date.day).toString(Qt::ISODate) + 'T' +
            QTime(time.hour, time.minute, time.second, time.millisecond)
                .toString(Qt::ISODateWithMs) +
            '\n')
        .toLatin1();
}

std::optional<TDateTime> ParseMoment(const QByteArray& bytes) {
    const QList<QByteArray> parts = bytes.trimmed().split('T');
    if (parts.size() != 2)
        return std::nullopt;
    const QDate date = QDate::fromString(QString::fromLatin1(parts[0]), Qt::ISODate);
    const QTime time = QTime::fromString(QString::fromLatin1(parts[1]), Qt::ISODateWithMs);
    if (!date.isValid() || !time.isValid() || date.year() < 1)
        return std::nullopt;
    return EncodeDate(date.year(), date.month(), date.day()) +
           EncodeTime(time.hour(), time.minute(), time.second(), time.msec());
}

} // namespace

QString LastRunningFile::BesideDataFile(const QString& dataFile) {
    return QFileInfo(dataFile).dir().filePath(QStringLiteral("Nudgery.lastrun"));
}

std::optional<TDateTime> LastRunningFile::Read() const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A moment is a few dozen bytes; anything longer is not one, and is not read whole.
    constexpr qint64 Longest = 64;
    const QByteArray bytes = file.read(Longest + 1);
    if (bytes.size() > Longest)
        return std::nullopt;
    return ParseMoment(bytes);
}

bool LastRunningFile::Write(TDateTime moment) const {
    const QByteArray text = MomentText(moment);
    const QString fresh = path_ + QStringLiteral(".new");
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.constData()),
                                 static_cast<std::size_t>(text.size()));
    if (WriteFileFlushed(fresh, bytes, std::nullopt) == FileWriteOutcome::Written &&
        RenameOver(fresh, path_)) {
        FlushFolderOf(path_);
        return true;
    }
    RemoveFileIfPresent(fresh);
    RemoveFileIfPresent(path_);
    return false;
}

LastRunningKeeper::LastRunningKeeper(LastRunningFile file, const Clock& clock,
                                     std::chrono::milliseconds interval)
    : file_(std::move(file)), clock_(clock) {
    timer_.setInterval(interval);
    // Exactness does not matter; a coarse timer lets the system bundle the wake-up with others.
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &LastRunningKeeper::WriteNow);
}

LastRunningKeeper::~LastRunningKeeper() {
    if (timer_.isActive())
        Stop();
}

void LastRunningKeeper::Start() {
    WriteNow();
    timer_.start();
}

void LastRunningKeeper::Stop() {
    timer_.stop();
    WriteNow();
}

void LastRunningKeeper::WriteNow() {
    file_.Write(clock_.Now());
}

} // namespace nudgery

#include "system_clock.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <ctime>

namespace nudgery {

SystemClock::SystemClock(const QStringList& zoneFiles)
    : zoneFiles_(zoneFiles), watcher_(std::make_unique<QFileSystemWatcher>()) {
    const auto changed = [this] {
        offsets_.ZoneChanged();
        // A file replaced by a new one drops out of the watch; the new one is watched.
        WatchZoneFiles();
    };
    QObject::connect(watcher_.get(), &QFileSystemWatcher::fileChanged, changed);
    QObject::connect(watcher_.get(), &QFileSystemWatcher::directoryChanged, changed);
    WatchZoneFiles();
}

SystemClock::~SystemClock() = default;

void SystemClock::WatchZoneFiles() {
    QStringList paths;
    for (const QString& file : zoneFiles_) {
        // The folder tells of a file made, replaced or removed, the file (a link's target)
        // of a change in place.
        const QFileInfo info(file);
        for (const QString& path : {info.absolutePath(), info.absoluteFilePath()})
            if (QFileInfo::exists(path) && !paths.contains(path))
                paths.append(path);
    }
    const QStringList watched = watcher_->files() + watcher_->directories();
    for (const QString& path : paths)
        if (!watched.contains(path))
            watcher_->addPath(path);
}

TDateTime SystemClock::Now() const {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return offsets_.LocalTime(static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000);
}

std::uint32_t SystemClock::TickCount() const {
    QElapsedTimer timer;
    timer.start();
    // Milliseconds of the monotonic clock, wrapping at 2^32 like the system tick count;
    // its users compare ticks with 32-bit arithmetic.
    return static_cast<std::uint32_t>(timer.msecsSinceReference());
}

} // namespace nudgery

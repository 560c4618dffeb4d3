#pragma once
// The real clock: the local time of the desktop and the monotonic millisecond tick. The time
// zone is read once, and again only when it changes: the zone files are watched, TZ is
// compared at each reading, and a daylight-saving change is found ahead of time.

#include "core/clock.h"
#include "zone_offsets.h"

#include <QStringList>
#include <memory>

class QFileSystemWatcher;

namespace nudgery {

class SystemClock final : public Clock {
public:
    // The system's zone file, which TZ overrides when set.
    static QStringList DefaultZoneFiles() { return {QStringLiteral("/etc/localtime")}; }

    // `zoneFiles`: where the zone is kept; a change to one of them or to its folder makes
    // the clock read the zone again. Watching needs the Qt event loop of this thread.
    explicit SystemClock(const QStringList& zoneFiles = DefaultZoneFiles());
    ~SystemClock() override;

    TDateTime Now() const override;
    std::uint32_t TickCount() const override;

    // Seconds east of UTC at an instant in seconds since 1970 UTC, by the zone Now reads.
    long UtcOffsetAt(std::int64_t utcSeconds) const { return offsets_.OffsetAt(utcSeconds); }

    // How many times the zone has been consulted so far.
    int ZoneLookups() const { return offsets_.Lookups(); }

private:
    void WatchZoneFiles();

    const QStringList zoneFiles_;
    mutable ZoneOffsets offsets_;
    std::unique_ptr<QFileSystemWatcher> watcher_;
};

} // namespace nudgery

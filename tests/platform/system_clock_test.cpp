// The real clock's local time: the zone read once and again only when it changes, and the
// daylight-saving changes of offset found at the second the C library puts them.
#include "platform/system_clock.h"
#include "platform/zone_offsets.h"
#include "support/temp_folder.h"
#include "support/zone_scope.h"

#include <QDateTime>
#include <QFile>
#include <QTest>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>

namespace nudgery {
namespace {

constexpr std::int64_t UnixEpochDay = 25569;

using testing::ZoneScope;

std::int64_t UtcSeconds(int year, int month, int day, int hour, int minute, int second) {
    const auto days = static_cast<std::int64_t>(EncodeDate(year, month, day)) - UnixEpochDay;
    return days * 86400 + hour * 3600 + minute * 60 + second;
}

TDateTime Local(int year, int month, int day, int hour, int minute, int second) {
    return EncodeDate(year, month, day) + EncodeTime(hour, minute, second);
}

// The C library's own answer, asked afresh.
long OffsetByTheCLibrary(std::int64_t utcSeconds) {
    const std::time_t t = static_cast<std::time_t>(utcSeconds);
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_gmtoff;
}

// The local time as the toolkit reads it, encoded the way the program encodes clock fields.
TDateTime ToolkitNow() {
    const QDateTime now = QDateTime::currentDateTime();
    return EncodeDate(now.date().year(), now.date().month(), now.date().day()) +
           EncodeTime(now.time().hour(), now.time().minute(), now.time().second(),
                      now.time().msec());
}

bool WithinTwoSeconds(TDateTime a, TDateTime b) {
    return std::abs(a - b) < 2.0 / 86400;
}

TEST(ZoneOffsets, DaylightSavingTimeBeginsAndEndsAtItsSecond) {
    const ZoneScope berlin("Europe/Berlin");
    ZoneOffsets offsets;
    // 31 March 2024, 01:00 UTC: 02:00 CET becomes 03:00 CEST; 27 October, 01:00 UTC: back.
    const struct {
        std::int64_t utc;
        long offset;
        TDateTime local;
    } cases[] = {
        {UtcSeconds(2024, 3, 31, 0, 59, 59), 3600, Local(2024, 3, 31, 1, 59, 59)},
        {UtcSeconds(2024, 3, 31, 1, 0, 0), 7200, Local(2024, 3, 31, 3, 0, 0)},
        {UtcSeconds(2024, 10, 27, 0, 59, 59), 7200, Local(2024, 10, 27, 2, 59, 59)},
        {UtcSeconds(2024, 10, 27, 1, 0, 0), 3600, Local(2024, 10, 27, 2, 0, 0)},
        // And back before a change already passed, as when the system time is set back.
        {UtcSeconds(2024, 3, 31, 0, 59, 59), 3600, Local(2024, 3, 31, 1, 59, 59)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(offsets.OffsetAt(c.utc), c.offset) << c.utc;
        EXPECT_EQ(offsets.LocalTime(c.utc * 1000), c.local) << c.utc;
    }
}

TEST(ZoneOffsets, AClockTickingThroughTheChangeLooksTheZoneUpOnlyNearIt) {
    const ZoneScope newYork("America/New_York");
    ZoneOffsets offsets;
    // Every second of the two hours around 10 March 2024, 07:00 UTC (02:00 EST to 03:00 EDT).
    const std::int64_t start = UtcSeconds(2024, 3, 10, 6, 0, 0);
    for (std::int64_t t = start; t < start + 7200; ++t)
        ASSERT_EQ(offsets.OffsetAt(t), OffsetByTheCLibrary(t)) << t - start;
    // A lookup and a check an hour ahead per hour, and a search of the hour with the change.
    EXPECT_LT(offsets.Lookups(), 40);
}

TEST(ZoneOffsets, AgreesWithTheCLibraryInZonesOfEveryKind) {
    // Half-hour and 45-minute offsets, a half-hour daylight-saving step, and no change.
    for (const char* zone : {"Europe/Berlin", "America/St_Johns", "Australia/Lord_Howe",
                             "Pacific/Chatham", "Asia/Kolkata", "UTC"}) {
        const ZoneScope setting(zone);
        ZoneOffsets offsets;
        std::mt19937 random(7);
        std::uniform_int_distribution<std::int64_t> step(-3600, 4 * 86400);
        std::int64_t t = UtcSeconds(2023, 1, 1, 0, 0, 0);
        while (t < UtcSeconds(2025, 1, 1, 0, 0, 0)) {
            ASSERT_EQ(offsets.OffsetAt(t), OffsetByTheCLibrary(t)) << zone << " at " << t;
            t += step(random);
        }
    }
}

TEST(ZoneOffsets, ANewTzIsFollowedAtTheNextReading) {
    const ZoneScope berlin("Europe/Berlin");
    ZoneOffsets offsets;
    const std::int64_t winter = UtcSeconds(2024, 1, 15, 12, 0, 0);
    EXPECT_EQ(offsets.OffsetAt(winter), 3600);
    ZoneScope::Set("Asia/Tokyo");
    EXPECT_EQ(offsets.OffsetAt(winter + 1), 9 * 3600);
}

TEST(SystemClock, ReadsTheZoneOnceAndShowsTheToolkitsLocalTime) {
    const ZoneScope berlin("Europe/Berlin");
    const SystemClock clock;
    ASSERT_TRUE(WithinTwoSeconds(clock.Now(), ToolkitNow()));
    const int lookups = clock.ZoneLookups();
    TDateTime last = 0;
    for (int i = 0; i < 1000; ++i) {
        const TDateTime now = clock.Now();
        ASSERT_GE(now, last);
        last = now;
    }
    // Unless this ran across the next hour, when the offset is confirmed once more.
    EXPECT_LE(clock.ZoneLookups() - lookups, 2);
}

TEST(SystemClock, AReplacedZoneFileIsLookedUpAgain) {
    TempFolder folder;
    const QString zone = folder.Path("localtime");
    ASSERT_TRUE(QFile::copy("/usr/share/zoneinfo/Europe/Berlin", zone));
    // A TZ of ":path" names a zone file, as /etc/localtime is one. (With TZ set the C library
    // reads the file only when TZ changes; without TZ, as on a desktop, it reads
    // /etc/localtime again once the clock asks after a change.)
    const ZoneScope fromFile(std::string(":").append(zone.toStdString()));
    const SystemClock clock({zone});
    ASSERT_TRUE(WithinTwoSeconds(clock.Now(), ToolkitNow()));
    const int lookups = clock.ZoneLookups();

    // Replaced the way the system replaces it: a new file renamed over the old one.
    const QString replacement = folder.Path("localtime.new");
    ASSERT_TRUE(QFile::copy("/usr/share/zoneinfo/Asia/Tokyo", replacement));
    ASSERT_EQ(std::rename(QFile::encodeName(replacement), QFile::encodeName(zone)), 0);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            clock.Now();
            return clock.ZoneLookups() > lookups;
        },
        5000));
    EXPECT_TRUE(WithinTwoSeconds(clock.Now(), ToolkitNow()));
}

} // namespace
} // namespace nudgery

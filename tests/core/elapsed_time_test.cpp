// The wall-clock time a delay ends at, across changes to and from summer time, against the C
// library's zones.
#include "core/elapsed_time.h"
#include "local_zone.h"

#include <gtest/gtest.h>
#include <vector>

namespace nudgery {
namespace {

using test::LocalZone;

constexpr std::int64_t MsPerMinute = 60000;

TDateTime At(int year, int month, int day, int hour, int minute) {
    return EncodeDate(year, month, day) + EncodeTime(hour, minute);
}

TEST(WallTimeAfter, AZoneWithoutChangesAddsTheDelay) {
    const UtcOffsetAt fixed = [](std::int64_t) { return 5 * 3600L + 1800; };
    EXPECT_EQ(WallTimeAfter(At(2024, 3, 31, 1, 50), 20 * MsPerMinute, fixed),
              At(2024, 3, 31, 2, 10));
    EXPECT_EQ(WallTimeAfter(At(2024, 12, 31, 23, 30), 45 * MsPerMinute, fixed),
              At(2025, 1, 1, 0, 15));
    EXPECT_EQ(WallTimeAfter(At(2024, 2, 28, 23, 0), 26 * 60 * MsPerMinute, fixed),
              At(2024, 3, 1, 1, 0));
    EXPECT_EQ(WallTimeAfter(At(2024, 5, 1, 10, 0) + EncodeTime(0, 0, 37), MsPerMinute, fixed),
              At(2024, 5, 1, 10, 1) + EncodeTime(0, 0, 37));
}

TEST(WallTimeAfter, KnownChangesToAndFromSummerTime) {
    const struct {
        const char* zone;
        TDateTime from;
        int minutes;
        TDateTime expected;
    } cases[] = {
        // Berlin, 31 March 2024: 02:00 becomes 03:00.
        {"Europe/Berlin", At(2024, 3, 31, 1, 50), 20, At(2024, 3, 31, 3, 10)},
        {"Europe/Berlin", At(2024, 3, 31, 1, 30), 60, At(2024, 3, 31, 3, 30)},
        {"Europe/Berlin", At(2024, 3, 31, 1, 59), 1, At(2024, 3, 31, 3, 0)},
        {"Europe/Berlin", At(2024, 3, 30, 22, 0), 6 * 60, At(2024, 3, 31, 5, 0)},
        {"Europe/Berlin", At(2024, 3, 31, 3, 10), 60, At(2024, 3, 31, 4, 10)},
        // Berlin, 27 October 2024: 03:00 becomes 02:00 again.
        {"Europe/Berlin", At(2024, 10, 27, 0, 30), 120, At(2024, 10, 27, 2, 30)},
        {"Europe/Berlin", At(2024, 10, 27, 1, 50), 20, At(2024, 10, 27, 2, 10)},
        {"Europe/Berlin", At(2024, 10, 26, 23, 0), 6 * 60, At(2024, 10, 27, 4, 0)},
        // The end of the delay shows 02:30 again, in the hour repeated; 02:30 was shown an
        // hour before the delay ends, so the reminder waits for the clock's 03:30 instead.
        {"Europe/Berlin", At(2024, 10, 27, 1, 30), 120, At(2024, 10, 27, 3, 30)},
        // A start in the repeated hour is its later pass.
        {"Europe/Berlin", At(2024, 10, 27, 2, 50), 20, At(2024, 10, 27, 3, 10)},
        {"Europe/Berlin", At(2024, 10, 27, 2, 10), 30, At(2024, 10, 27, 2, 40)},
        // New York, 3 November 2024: 02:00 becomes 01:00 again.
        {"America/New_York", At(2024, 11, 3, 0, 30), 60, At(2024, 11, 3, 1, 30)},
        {"America/New_York", At(2024, 11, 3, 0, 30), 120, At(2024, 11, 3, 2, 30)},
        {"America/New_York", At(2024, 11, 3, 0, 30), 150, At(2024, 11, 3, 2, 0)},
        // Lord Howe Island, 6 October 2024: a step of half an hour, 02:00 becomes 02:30.
        {"Australia/Lord_Howe", At(2024, 10, 6, 1, 45), 30, At(2024, 10, 6, 2, 45)},
    };
    for (const auto& c : cases) {
        const LocalZone zone(c.zone);
        if (!zone.Installed())
            GTEST_SKIP() << "the zone " << c.zone << " is not installed (tzdata)";
        EXPECT_EQ(WallTimeAfter(c.from, c.minutes * MsPerMinute, LocalZone::Offsets()), c.expected)
            << c.zone << " " << c.minutes << " minutes after " << c.from;
    }
}

// Every instant from `start` on at which the zone's offset changes, for a year.
std::vector<std::int64_t> ChangesOfOneYear(std::int64_t start) {
    std::vector<std::int64_t> changes;
    for (std::int64_t t = start; t < start + 366 * 86400; t += 900)
        if (LocalZone::OffsetAt(t + 900) != LocalZone::OffsetAt(t)) {
            std::int64_t s = t; // to the second
            while (LocalZone::OffsetAt(s + 1) == LocalZone::OffsetAt(t))
                ++s;
            changes.push_back(s + 1);
        }
    return changes;
}

// Whether the wall clock shows the instant's time at another instant as well.
bool ShownTwice(std::int64_t t) {
    for (const std::int64_t other : {t - 3600, t - 1800, t + 1800, t + 3600})
        if (LocalZone::Wall(other) == LocalZone::Wall(t))
            return true;
    return false;
}

// The clock is watched minute by minute from the start: a reminder set for the time found
// must not be reached before the delay has passed; it is due exactly when the delay ends
// unless the clock showed that moment's time already (the clocks went back), and then
// within the hour after.
TEST(WallTimeAfter, NeverReachedBeforeTheDelayEndsAndLateOnlyWhereTheClocksWentBack) {
    for (const char* name :
         {"Europe/Berlin", "America/New_York", "Australia/Lord_Howe", "Pacific/Chatham"}) {
        const LocalZone zone(name);
        if (!zone.Installed())
            GTEST_SKIP() << "the zone " << name << " is not installed (tzdata)";
        const std::vector<std::int64_t> changes =
            ChangesOfOneYear(LocalZone::UtcSeconds(2024, 1, 1, 0, 0));
        ASSERT_EQ(changes.size(), 2u) << name;
        for (const std::int64_t change : changes)
            for (std::int64_t start = change - 10 * 3600; start < change + 2 * 3600;
                 start += 25 * 60) {
                if (ShownTwice(start))
                    continue; // which pass of the hour is meant cannot be told
                for (const int minutes : {1, 20, 29, 30, 31, 59, 60, 61, 90, 150, 600}) {
                    const TDateTime from = LocalZone::Wall(start);
                    const TDateTime due =
                        WallTimeAfter(from, minutes * MsPerMinute, LocalZone::Offsets());
                    const std::int64_t end = start + minutes * 60;
                    bool endShownBefore = false;
                    for (std::int64_t t = start; t < end; t += 60) {
                        ASSERT_LT(LocalZone::Wall(t), due)
                            << name << ": due " << minutes << " minutes after " << from
                            << ", reached early";
                        endShownBefore |= LocalZone::Wall(t) >= LocalZone::Wall(end);
                    }
                    if (endShownBefore)
                        ASSERT_GE(LocalZone::Wall(end + 3600), due) << name << " " << from;
                    else
                        ASSERT_EQ(due, LocalZone::Wall(end)) << name << " " << from;
                }
            }
    }
}

} // namespace
} // namespace nudgery

// The next occurrence of a repeating reminder counted instead of stepped: FirstStepAfter
// against stepping with AddMinutes one minute-step at a time, and ScheduleToday against the
// rule as it stepped, with the clock read on every step.
#include "core/clock.h"
#include "core/dayspec.h"
#include "core/reminder.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace nudgery {
namespace {

constexpr double MsPerDay = 86400000;
const TDateTime Today = EncodeDate(2026, 12, 7); // a Monday

// Every value the stepping visits from `start`, until one lies beyond every time of day.
std::vector<TDateTime> Steps(TDateTime start, std::int32_t minutes) {
    std::vector<TDateTime> steps{start};
    while (steps.back() <= 1.01)
        steps.push_back(AddMinutes(minutes, steps.back()));
    return steps;
}

// What `while (after >= t) t = AddMinutes(minutes, t)` ends with.
TDateTime SteppedUntilAfter(const std::vector<TDateTime>& steps, TDateTime after) {
    return *std::upper_bound(steps.begin(), steps.end(), after);
}

// The moments around one step: itself, the doubles next to it, and the millisecond clock
// readings nearest to it, which is where a counted step that drifted by a rounding would
// fall on the wrong side.
std::vector<TDateTime> MomentsAround(TDateTime step) {
    std::vector<TDateTime> moments{step, std::nextafter(step, -1.0), std::nextafter(step, 2.0)};
    const double ms = std::round(step * MsPerDay);
    for (double near : {ms - 1, ms, ms + 1})
        if (near >= 0)
            moments.push_back(near / MsPerDay);
    return moments;
}

std::vector<TDateTime> FirstTimes() {
    std::vector<TDateTime> firsts = {0,
                                     1 / MsPerDay,
                                     0.25,
                                     0.5,
                                     std::nextafter(0.5, 0.0),
                                     std::nextafter(1.0, 0.0),
                                     EncodeTime(23, 59, 59, 999),
                                     EncodeTime(7, 3, 17, 451),
                                     EncodeTime(11, 59, 59, 999),
                                     0.123456789};
    for (int minute = 0; minute < 1440; minute += 37)
        firsts.push_back(EncodeTime(minute / 60, minute % 60));
    return firsts;
}

std::vector<std::int32_t> Intervals() {
    std::vector<std::int32_t> intervals;
    for (std::int32_t minutes = 1; minutes <= 150; ++minutes)
        intervals.push_back(minutes);
    for (std::int32_t minutes = 151; minutes <= 1440; minutes += 17)
        intervals.push_back(minutes);
    for (std::int32_t minutes : {1439, 1440, 1441, 2880, 10080, 99999, 1000000, INT32_MAX})
        intervals.push_back(minutes);
    return intervals;
}

TEST(FirstStepAfter, GivesWhatSteppingGivesOnBothSidesOfEveryStep) {
    for (const TDateTime first : FirstTimes()) {
        for (const std::int32_t minutes : Intervals()) {
            const std::vector<TDateTime> steps = Steps(first, minutes);
            for (std::size_t k = 0; k + 1 < steps.size(); ++k) {
                for (const TDateTime after : MomentsAround(steps[k])) {
                    ASSERT_EQ(FirstStepAfter(first, minutes, after),
                              SteppedUntilAfter(steps, after))
                        << "first " << first << ", every " << minutes << " min, after " << after;
                }
            }
        }
    }
}

TEST(FirstStepAfter, MomentsBeforeTheStartOrNotANumberGiveTheStart) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const TDateTime after : {-1.0, 0.2, nan, -std::numeric_limits<double>::infinity()})
        EXPECT_EQ(FirstStepAfter(0.3, 30, after), 0.3) << after;
}

// The rule as it was: the loop stepped from the first time, reading the clock at each step.
void ScheduleTodayByStepping(TReminder& r, const Clock& clock) {
    const TDateTime today = clock.Today();
    const bool timesUsable =
        r.FirstTime >= 0 && r.FirstTime < 1 && (!r.HasUntil || std::isfinite(r.UntilTime));
    if (!DaySpecMatchesDate(r.DaySpec, today) || !timesUsable) {
        r.Status = StatusNotToday;
        return;
    }
    if (r.RepeatMinutes <= 0) {
        if (clock.TimeOfDay() > r.FirstTime) {
            r.Status = StatusNotToday;
        } else {
            r.When = today + r.FirstTime;
            r.Status = StatusPending;
        }
        return;
    }
    if (r.HasUntil && clock.TimeOfDay() >= r.UntilTime) {
        r.Status = StatusNotToday;
        return;
    }
    const TDateTime end = r.HasUntil ? r.UntilTime : EncodeTime(23, 59);
    TDateTime t = r.FirstTime;
    while (clock.TimeOfDay() >= t)
        t = AddMinutes(r.RepeatMinutes, t);
    if (AddMinutes(1, end) < t)
        return;
    r.When = today + t;
    r.Status = StatusPending;
}

// Random reminders, damaged ones among them, at random moments and at moments on and next
// to their own steps.
class RandomSchedules {
public:
    TReminder Reminder() {
        TReminder r;
        r.DaySpec = Pick<const char*>({"0123456", "1", "2", "", "#abc"});
        r.FirstTime = Pick<double>({Ms(), Ms(), Ms(), Real(), 0, -0.5, 1.0, 1.5, Nan()});
        r.RepeatMinutes =
            Pick<std::int32_t>({Int(1, 1440), Int(1, 120), Int(1, 5), 0, Int(-1440, -1), INT32_MIN,
                                INT32_MAX, Int(1441, 100000)});
        r.HasUntil = Int(0, 1) == 1;
        r.UntilTime = Pick<double>({Ms(), Ms(), Real(), 1.5, -0.5, Nan(), Inf()});
        r.When = Pick<double>({0, Today + Ms(), Today - 1 + Ms()});
        r.Status = static_cast<std::uint8_t>(Int(0, 4));
        return r;
    }
    // A moment of the day as the clock reads it (whole milliseconds), often on one of the
    // reminder's own steps.
    TDateTime Moment(const TReminder& r) {
        if (r.RepeatMinutes > 0 && r.FirstTime >= 0 && r.FirstTime < 1 && Int(0, 1) == 1) {
            const std::vector<TDateTime> steps = Steps(r.FirstTime, r.RepeatMinutes);
            const TDateTime step = steps[static_cast<std::size_t>(
                Int(0, static_cast<int>(std::min<std::size_t>(steps.size(), 1500)) - 1))];
            const double ms = std::round(step * MsPerDay) + Int(-1, 1);
            if (ms >= 0 && ms < MsPerDay)
                return ms / MsPerDay;
        }
        return Ms();
    }

private:
    template <typename T> T Pick(std::initializer_list<T> choices) {
        return choices.begin()[Int(0, static_cast<int>(choices.size()) - 1)];
    }
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    double Ms() { return Int(0, 86399999) / MsPerDay; }
    double Real() { return std::uniform_real_distribution<double>(0, 1)(random_); }
    static double Nan() { return std::numeric_limits<double>::quiet_NaN(); }
    static double Inf() { return std::numeric_limits<double>::infinity(); }

    std::mt19937 random_{20240315};
};

TEST(ScheduleTodayCounted, GivesTheSteppedRulesWhenAndStatus) {
    RandomSchedules random;
    for (int i = 0; i < 200000; ++i) {
        const TReminder start = random.Reminder();
        const SettableClock clock(Today + random.Moment(start));
        TReminder counted = start;
        TReminder stepped = start;
        counted.ScheduleToday(clock);
        ScheduleTodayByStepping(stepped, clock);
        // Bit for bit: When may be not a number only where both kept the same one.
        const bool sameWhen =
            counted.When == stepped.When || (std::isnan(counted.When) && std::isnan(stepped.When));
        ASSERT_TRUE(sameWhen && counted.Status == stepped.Status)
            << "case " << i << ": first " << start.FirstTime << ", every " << start.RepeatMinutes
            << " min, until " << start.HasUntil << " " << start.UntilTime << ", at "
            << clock.TimeOfDay() << ": When " << counted.When << " vs " << stepped.When
            << ", Status " << int(counted.Status) << " vs " << int(stepped.Status);
    }
}

} // namespace
} // namespace nudgery

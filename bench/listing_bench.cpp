// What a running copy does to answer `nudgery --list` and `nudgery --list --json` with 1,000
// reminders of the usual mix: write both lists as text, or as JSON.
#include "alerts/ReminderListing.h"
#include "bench/startup/sample_reminders.h"
#include "core/clock.h"
#include "core/date_formats.h"

#include <benchmark/benchmark.h>

namespace nudgery {
namespace {

constexpr int Reminders = 1000;

struct Listed {
    Listed() : clock(LocalNow()), sample(MakeSampleReminders(Reminders, clock.Now())) {
        formats.SaveUserDateFormats(RegionalSettings{});
    }
    SettableClock clock;
    DateFormats formats;
    SampleReminders sample;
};

void BM_ListingText(benchmark::State& state) {
    const Listed listed;
    for (auto _ : state)
        benchmark::DoNotOptimize(ListingText(listed.sample.oneTime, listed.sample.repeating,
                                             listed.formats, listed.clock));
}
BENCHMARK(BM_ListingText)->Unit(benchmark::kMicrosecond);

void BM_ListingJson(benchmark::State& state) {
    const Listed listed;
    for (auto _ : state)
        benchmark::DoNotOptimize(ListingJson(listed.sample.oneTime, listed.sample.repeating));
}
BENCHMARK(BM_ListingJson)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace nudgery

BENCHMARK_MAIN();

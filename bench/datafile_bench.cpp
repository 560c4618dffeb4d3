// Saving and loading a data file of 100,000 reminders with realistic texts: time per
// whole file, throughput, and the heap that the loaded lists hold against their size.

#include "core/clock.h"
#include "core/reminder_lists.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <random>
#include <string>
#include <unordered_set>

namespace nudgery {
namespace {

constexpr int OneTimeCount = 70000;
constexpr int RepeatingCount = 30000;
const TDateTime Today = EncodeDate(2026, 12, 8);

std::string Sentence(std::mt19937& random, std::size_t minLength, std::size_t maxLength) {
    static const char* const words[] = {
        "call",  "the",     "dentist", "about",   "meeting", "report",  "water", "plants",
        "pay",   "invoice", "Friday",  "project", "review",  "send",    "email", "to",
        "Anna",  "pick",    "up",      "kids",    "school",  "buy",     "milk",  "and",
        "bread", "stretch", "backup",  "server",  "renew",   "passport"};
    const std::size_t length =
        std::uniform_int_distribution<std::size_t>(minLength, maxLength)(random);
    std::string text;
    while (text.size() < length) {
        if (!text.empty()) {
            text += ' ';
        }
        text += words[random() % std::size(words)];
    }
    text.resize(length);
    return text;
}

std::unique_ptr<TReminder> RealisticReminder(std::mt19937& random, bool repeating) {
    const std::string sound = "/home/user/sounds/" + Sentence(random, 18, 18) + ".wav";
    if (!repeating) {
        const TDateTime when = Today + static_cast<double>(random() % 400) - 200 +
                               static_cast<double>(random() % 1440) / 1440.0;
        return TReminder::CreateNormal(KindOneTime, when, Sentence(random, 20, 100), sound,
                                       static_cast<std::uint8_t>(random() % 4));
    }
    static const char* const daySpecs[] = {"12345", "06", "@15", "#342", "$2/2", "0123456"};
    return TReminder::CreateRepeating(KindRepeating, static_cast<double>(random() % 96) / 96.0,
                                      random() % 2 == 0, 0.75, daySpecs[random() % 6],
                                      random() % 3 == 0 ? 30 : 0, Sentence(random, 20, 100), sound,
                                      static_cast<std::uint8_t>(random() % 4));
}

const ReminderLists& SampleLists() {
    static const ReminderLists lists = [] {
        std::mt19937 random(100000);
        ReminderLists made;
        for (int i = 0; i < OneTimeCount; ++i) {
            made.AddOneTime(RealisticReminder(random, false));
        }
        for (int i = 0; i < RepeatingCount; ++i) {
            made.AddRepeating(RealisticReminder(random, true));
        }
        return made;
    }();
    return lists;
}

const std::vector<std::uint8_t>& SampleFile() {
    static const std::vector<std::uint8_t> bytes = EncodeDataFile(
        ReminderLists::View(SampleLists().oneTime), ReminderLists::View(SampleLists().repeating));
    return bytes;
}

// What the reminders themselves need: the records and the blocks of the texts that do not
// fit in the texts' own eight bytes, a shared block counted once.
std::size_t PayloadBytes(const ReminderLists& lists) {
    std::size_t bytes = 0;
    std::unordered_set<const char*> blocks;
    for (const auto* rows : {&lists.oneTime, &lists.repeating}) {
        for (const auto& row : *rows) {
            bytes += sizeof(TReminder);
            for (const CompactText* text :
                 {&row.reminder->Description, &row.reminder->SoundFile, &row.reminder->DaySpec}) {
                if (blocks.insert(text->data()).second) {
                    bytes += CompactText::BlockBytes(text->size());
                }
            }
        }
    }
    return bytes;
}

void BM_SaveDataFile(benchmark::State& state) {
    const auto oneTime = ReminderLists::View(SampleLists().oneTime);
    const auto repeating = ReminderLists::View(SampleLists().repeating);
    std::size_t size = 0;
    for (auto _ : state) {
        const auto bytes = EncodeDataFile(oneTime, repeating);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
}
BENCHMARK(BM_SaveDataFile)->Unit(benchmark::kMillisecond);

void BM_LoadDataFile(benchmark::State& state) {
    const auto& bytes = SampleFile();
    const SettableClock clock(Today + 0.5);
    double heapRatio = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::size_t heapBefore = mallinfo2().uordblks;
        {
            ReminderLists lists;
            state.ResumeTiming();
            DecodeDataFile(bytes, lists, clock);
            state.PauseTiming();
            const std::size_t held = mallinfo2().uordblks - heapBefore;
            heapRatio = static_cast<double>(held) / static_cast<double>(PayloadBytes(lists));
        }
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.counters["heap_per_payload"] = heapRatio;
}
BENCHMARK(BM_LoadDataFile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace nudgery

BENCHMARK_MAIN();

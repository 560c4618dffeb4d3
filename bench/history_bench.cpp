// The history of reminders with 100,000 entries: opening the History window's model (count
// and first page; goal: under 200 ms) and the window itself, recording one firing with its
// answer (goal: under 1 ms), opening the journal at a start, finding by text, looking up when
// a reminder last fell due, and finding what 1,000 repeating reminders missed in a month away.
#include "alerts/HistoryRecorder.h"
#include "alerts/MissedLines.h"
#include "core/clock.h"
#include "core/date_formats.h"
#include "core/reminder.h"
#include "platform/history_journal.h"
#include "tests/alerts/vector_lists.h"
#include "ui/history/HistoryModel.h"
#include "ui/history/HistoryWindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace nudgery {
namespace {

constexpr int Entries = 100000;
const TDateTime Now = EncodeDate(2026, 3, 6) + 0.5;

HistoryEntry Firing(int i) {
    static const char* const Messages[] = {"Stand-up meeting", "Take pills", "Pay the rent",
                                           "Call Mum about Sunday", "Water the plants"};
    HistoryEntry entry;
    // Spread over the last 300 days, so none is old enough to be removed.
    entry.due = Now - 300.0 * i / Entries;
    entry.shown = entry.due;
    entry.list = i % 3 == 0 ? ListKind::Repeating : ListKind::OneTime;
    entry.message = Messages[i % 5];
    entry.outcome = HistoryOutcome::Answered;
    entry.result = i % 2 == 0 ? 1 : -10;
    return entry;
}

// A journal of 100,000 entries, written once for all the benchmarks.
class BigJournal {
public:
    static BigJournal& Get() {
        static BigJournal journal;
        return journal;
    }
    QString Path() const { return folder_.filePath("Nudgery.history"); }
    HistoryJournal& Journal() { return *journal_; }

private:
    BigJournal() : journal_(std::make_unique<HistoryJournal>(Path(), Now, nullptr)) {
        for (int i = Entries - 1; i >= 0; --i)
            journal_->Record(Firing(i));
    }
    QTemporaryDir folder_;
    std::unique_ptr<HistoryJournal> journal_;
};

void BM_OpenHistoryModel(benchmark::State& state) {
    HistoryJournal& journal = BigJournal::Get().Journal();
    const DateFormats formats;
    for (auto _ : state) {
        HistoryModel model(journal, formats);
        model.SetFilter({});
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_OpenHistoryModel)->Unit(benchmark::kMillisecond);

void BM_OpenHistoryWindow(benchmark::State& state) {
    HistoryJournal& journal = BigJournal::Get().Journal();
    const DateFormats formats;
    const SettableClock clock(Now);
    for (auto _ : state) {
        THistoryWindow window(journal, formats, clock);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenHistoryWindow)->Unit(benchmark::kMillisecond);

void BM_FindByText(benchmark::State& state) {
    HistoryJournal& journal = BigJournal::Get().Journal();
    const DateFormats formats;
    HistoryModel model(journal, formats);
    for (auto _ : state) {
        model.SetFilter({"mum", {}, {}});
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_FindByText)->Unit(benchmark::kMillisecond);

// A firing and its answer, as the check cycle records them.
void BM_RecordOneFiringAndAnswer(benchmark::State& state) {
    HistoryJournal& journal = BigJournal::Get().Journal();
    HistoryEntry entry = Firing(0);
    entry.outcome = HistoryOutcome::Open;
    for (auto _ : state) {
        const std::int64_t id = journal.Record(entry);
        journal.Answer(id, HistoryOutcome::Answered, 1, Now);
    }
}
BENCHMARK(BM_RecordOneFiringAndAnswer)->Unit(benchmark::kMicrosecond);

// Opening at a start: removing old entries and closing those left open.
void BM_OpenJournal(benchmark::State& state) {
    const QString path = BigJournal::Get().Path();
    for (auto _ : state)
        HistoryJournal journal(path, Now, nullptr);
}
BENCHMARK(BM_OpenJournal)->Unit(benchmark::kMillisecond);

// The look-up the check cycle makes for each reminder that missed something after a sleep.
void BM_LastDue(benchmark::State& state) {
    HistoryJournal& journal = BigJournal::Get().Journal();
    const HistoryFilter::Reminder reminder{ListKind::Repeating, "Take pills"};
    for (auto _ : state)
        benchmark::DoNotOptimize(journal.LastDue(reminder, Now - 1, Now));
}
BENCHMARK(BM_LastDue)->Unit(benchmark::kMicrosecond);

// A start after a month away: 1,000 repeating reminders, each every 15 minutes all day, every
// one looked up in the history of 100,000 entries.
void BM_MissedAfterAMonth(benchmark::State& state) {
    HistoryJournal& journal = BigJournal::Get().Journal();
    const SettableClock clock(Now);
    HistoryRecorder recorder(journal, clock);
    test::VectorList list;
    for (int i = 0; i < 1000; ++i) {
        list.Put(TReminder::CreateRepeating(KindRepeating, EncodeTime(0, i % 15), false, 0,
                                            "0123456", 15, "Reminder " + std::to_string(i), "",
                                            EventShowOnly));
        list.At(i)->ScheduleTodayAfresh(clock);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(MissedRepeating(
            list, Now - 40, Now, std::bind_front(&HistoryRecorder::LastFellDue, &recorder)));
}
BENCHMARK(BM_MissedAfterAMonth)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace nudgery

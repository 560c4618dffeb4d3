// The main window over a big data file, on the real clock: loading 100,000 reminders into
// the two lists and showing the window (goal: under a second), a repaint of the visible
// rows, which must not grow with the number of rows, and the check pass from 1,000 to
// 100,000 reminders, with nothing due and after a change to a list.
#include "alerts/Settings.h"
#include "alerts/SoundPlayback.h"
#include "core/clock.h"
#include "core/date_formats.h"
#include "core/reminder.h"
#include "platform/beeper.h"
#include "platform/data_file_store.h"
#include "platform/help_viewer.h"
#include "platform/media_player.h"
#include "platform/message_boxes.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/startup_info.h"
#include "platform/system_clock.h"
#include "tests/support/fake_file_chooser.h"
#include "tests/support/fake_tray_area.h"
#include "tests/ui/main/main_form_access.h"
#include "ui/main/Main.h"

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>
#include <utility>
#include <vector>

namespace nudgery {
namespace {

TClickableStringGrid& Grid(TMainForm& form, const char* name) {
    return testing::Find<TClickableStringGrid>(form, name);
}

class SilentMessageBoxes final : public MessageBoxes {
public:
    void ShowError(QWidget*, const QString&) override {}
    void ShowInfo(QWidget*, const QString&) override {}
    bool AskConfirm(QWidget*, const QString&) override { return false; }
    void ShowNotice(QWidget*, const QString&) override {}
};

class NoHelp final : public HelpViewer {
public:
    void ShowTopic(int, QWidget*) override {}
};

class NoShell final : public Shell {
public:
    bool OpenWebAddress(const QString&) override { return true; }
};

class SilentPlayer final : public MediaPlayer {
public:
    SoundId Open(const std::string&) override { return 0; }
    void Play() override {}
    void Close() override {}
    bool IsOpen() const override { return false; }
};

class NoBeeper final : public Beeper {
public:
    void Beep() override {}
};

class ShownStartup final : public StartupInfo {
public:
    bool StartMinimized() const override { return false; }
    bool HasNotificationArea() const override { return false; }
};

// A program folder holding a data file of the given numbers of reminders.
class Setup {
public:
    Setup(int oneTime, int repeating) : screen_(QRect(0, 0, 1280, 1024), 96) {
        const TDateTime now = clock_.Now();
        std::vector<std::unique_ptr<TReminder>> owned;
        std::vector<const TReminder*> once, repeat;
        for (int i = 0; i < oneTime; ++i) {
            owned.push_back(TReminder::CreateNormal(KindOneTime, now + (i - oneTime / 2) * 0.01,
                                                    "One-time reminder number " + std::to_string(i),
                                                    "", EventShowAndPlay));
            once.push_back(owned.back().get());
        }
        for (int i = 0; i < repeating; ++i) {
            owned.push_back(TReminder::CreateRepeating(
                KindRepeating, EncodeTime(i % 24, i % 60), i % 3 == 0, EncodeTime(23, 0),
                i % 2 ? "12345" : "0123456", i % 4 ? 0 : 45,
                "Repeating reminder number " + std::to_string(i), "", EventShowOnly));
            repeat.push_back(owned.back().get());
        }
        DataFileStore(Folder() + "Nudgery.dat").Save(once, repeat);
    }

    QString Folder() const { return dir_.path() + '/'; }
    const Clock& RealClock() const { return clock_; }
    MainFormServices Services() {
        const auto makeTrayArea = [] { return std::make_unique<testing::FakeTrayArea>(); };
        return {
            clock_,  formats_, RegionalSettings{}, Folder(), settings_, messages_, help_, shell_,
            screen_, sound_,   makeTrayArea,       startup_, files_};
    }

private:
    QTemporaryDir dir_;
    SystemClock clock_;
    DateFormats formats_;
    Settings settings_;
    SilentMessageBoxes messages_;
    NoHelp help_;
    NoShell shell_;
    FixedScreen screen_;
    SilentPlayer player_;
    NoBeeper beeper_;
    SoundPlayback sound_{player_, beeper_};
    ShownStartup startup_;
    testing::FakeFileChooser files_;
};

void LoadAndShow(benchmark::State& state) {
    Setup setup(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    int loaded = 0;
    for (auto _ : state) {
        auto form = std::make_unique<TMainForm>(setup.Services());
        form->FormActivate();
        form->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        loaded = Grid(*form, "AlarmGrid").RowCount() - 1 +
                 Grid(*form, "RepeatingAlarmGrid").RowCount() - 1;
        form.reset();
        state.ResumeTiming();
    }
    if (loaded != state.range(0) + state.range(1))
        state.SkipWithError("the lists do not hold every reminder of the file");
    state.counters["loaded"] = loaded;
}
BENCHMARK(LoadAndShow)
    ->Args({50000, 50000})
    ->Args({90000, 10000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void RepaintVisibleRows(benchmark::State& state) {
    Setup setup(static_cast<int>(state.range(0)), 0);
    TMainForm form(setup.Services());
    form.FormActivate();
    TClickableStringGrid& grid = Grid(form, "AlarmGrid");
    grid.SetRow(grid.RowCount() / 2);
    QApplication::processEvents();
    for (auto _ : state) {
        grid.viewport()->repaint();
        grid.horizontalHeader()->viewport()->repaint();
    }
    state.counters["rows"] = static_cast<double>(state.range(0));
}
BENCHMARK(RepaintVisibleRows)
    ->Arg(100)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

// One check of both lists, none of whose reminders is due: each is Pending, later than now,
// so that a plain pass takes every row through the status and date tests and most through
// the time. With a second argument of 1, a reminder of each list is handed out for change
// before each pass, so that the pass cannot skip either list.
void CheckPassNoneDue(benchmark::State& state) {
    Setup setup(0, 0);
    TMainForm form(setup.Services());
    TClickableStringGrid& oneTime = Grid(form, "AlarmGrid");
    TClickableStringGrid& repeating = Grid(form, "RepeatingAlarmGrid");
    const int each = static_cast<int>(state.range(0)) / 2;
    const bool changed = state.range(1) != 0;
    const TDateTime now = setup.RealClock().Now();
    for (int i = 0; i < each; ++i) {
        const TDateTime later = now + 0.001 + i * 1e-7;
        for (TClickableStringGrid* grid : {&oneTime, &repeating}) {
            auto reminder = TReminder::CreateNormal(KindOneTime, later, "Later", "", EventShowOnly);
            reminder->Kind = grid == &oneTime ? KindOneTime : KindRepeating;
            grid->AddRow();
            grid->SetObject(grid->RowCount() - 1, std::move(reminder));
        }
    }
    testing::MainFormAccess access(form);
    for (auto _ : state) {
        if (changed)
            for (TClickableStringGrid* grid : {&oneTime, &repeating})
                grid->Object(each)->EventType = EventShowOnly;
        access.CheckBothLists();
    }
    if (std::as_const(oneTime).Object(1)->Status != StatusPending)
        state.SkipWithError("a reminder fired");
    state.counters["reminders"] = 2.0 * each;
}
BENCHMARK(CheckPassNoneDue)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1}})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

// A new one-time reminder written through the editor into a long list: the editor opened
// and saved with its offered values, the reminder put in its place, the list repainted and
// the whole data file written.
void AddThroughEditor(benchmark::State& state) {
    Setup setup(static_cast<int>(state.range(0)), 0);
    TMainForm form(setup.Services());
    form.FormActivate();
    QApplication::processEvents();
    TClickableStringGrid& grid = Grid(form, "AlarmGrid");
    auto& add = testing::Find<QPushButton>(form, "AddAlarmButton");
    for (auto _ : state) {
        QTimer::singleShot(0, [] {
            if (QWidget* editor = QApplication::activeModalWidget())
                testing::Find<QPushButton>(*editor, "SetAlarmButton").click();
        });
        add.click();
        grid.viewport()->repaint();
    }
    if (grid.RowCount() - 1 != state.range(0) + static_cast<int>(state.iterations()))
        state.SkipWithError("a reminder was not added");
    state.counters["rows"] = static_cast<double>(state.range(0));
}
BENCHMARK(AddThroughEditor)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace nudgery

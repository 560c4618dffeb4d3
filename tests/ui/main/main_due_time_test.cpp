// The check pass that skips a list in which nothing can be due yet fires exactly what a
// plain pass over every row fires, through random runs of clock moves and list changes.
#include "check_cycle_fixture.h"

#include <random>

namespace nudgery::testing {
namespace {

class DueTimeRun : public CheckCycle {
protected:
    // A fresh reminder, each with a sound file of its own so that the sounds opened tell
    // which reminders fired and in what order.
    std::string NextSound() {
        return SoundFile(std::string("s").append(std::to_string(++made)).append(".wav").c_str());
    }

    std::unique_ptr<TReminder> RandomOneTime() {
        const TDateTime day = DatePartOf(clock.Now()) + Pick({-1, 0, 0, 0, 1});
        auto reminder =
            OneTime("one-time", day + Pick(0, 1439) / 1440.0,
                    static_cast<std::uint8_t>(Pick({StatusPending, StatusPending, StatusDone,
                                                    StatusExpired, StatusNotToday})));
        reminder->EventType = EventPlayOnly;
        reminder->SoundFile = NextSound();
        return reminder;
    }
    std::unique_ptr<TReminder> RandomRepeating() {
        auto reminder =
            Daily("repeating", Pick(0, 1200) / 1440.0, Pick({0, 1, 7, 45}), EventPlayOnly);
        reminder->SoundFile = NextSound();
        reminder->ScheduleToday(clock);
        return reminder;
    }

    // The sounds a plain pass over both lists fires now, in its order.
    std::vector<std::string> PlainPass(TMainForm& f) const {
        const TDateTime now = clock.Now();
        const TDateTime today = DatePartOf(now);
        const TDateTime timeOfDay = Clock::TimeOfDayOf(now);
        std::vector<std::string> sounds;
        for (const TClickableStringGrid* grid : {&AlarmGrid(f), &RepeatingAlarmGrid(f)})
            for (int row = 1; row < grid->RowCount(); ++row) {
                const TReminder& r = *grid->Object(row);
                if (r.Status == StatusPending && r.DatePart() == today && r.TimePart() <= timeOfDay)
                    sounds.emplace_back(r.SoundFile);
            }
        return sounds;
    }

    // One random change to the clock or to a list.
    void RandomStep(TMainForm& f) {
        TClickableStringGrid& grid = Pick({0, 1}) == 0 ? AlarmGrid(f) : RepeatingAlarmGrid(f);
        const bool oneTime = &grid == &AlarmGrid(f);
        const int rows = grid.RowCount() - 1;
        switch (Pick(0, 9)) {
        case 0:
        case 1:
        case 2: // time passes, most often a little
            clock.SetNow(clock.Now() + Pick({0, 1, 1, 5, 20, 90}) / 1440.0);
            break;
        case 3: // the clock is set back, or to the next day
            clock.SetNow(clock.Now() + (Pick({0, 1}) ? -30 / 1440.0 : 1.0));
            break;
        case 4:
            Append(grid, oneTime ? RandomOneTime() : RandomRepeating());
            break;
        case 5:
            if (rows > 0)
                grid.DeleteRow(Pick(1, rows));
            break;
        case 6:
            if (rows > 1)
                grid.MoveRow(Pick(1, rows), Pick(1, rows));
            break;
        case 7: // edited in place
            if (rows > 0 && oneTime)
                *grid.Object(Pick(1, rows)) = *RandomOneTime();
            else if (rows > 0)
                grid.Object(Pick(1, rows))->ScheduleTodayAfresh(clock);
            break;
        case 8: // answered, or set back to be shown
            if (rows > 0)
                grid.Object(Pick(1, rows))->Status = Pick({0, 1}) ? StatusDone : StatusPending;
            break;
        default: // replaced
            if (rows > 0)
                grid.SetObject(Pick(1, rows), oneTime ? RandomOneTime() : RandomRepeating());
        }
    }

    int Pick(int low, int high) { return std::uniform_int_distribution(low, high)(random); }
    int Pick(std::initializer_list<int> choices) {
        return *(choices.begin() + Pick(0, static_cast<int>(choices.size()) - 1));
    }

    std::mt19937 random;
    int made = 0;
};

TEST_F(DueTimeRun, FiresWhatAPlainPassFires) {
    int passesWithNothingDue = 0;
    int passesThatFired = 0;
    for (unsigned seed : {1u, 2u, 3u}) {
        random.seed(seed);
        clock.SetNow(On15th(7, 0));
        TMainForm& f = Start();
        for (int i = 0; i < 12; ++i)
            Append(i % 3 ? AlarmGrid(f) : RepeatingAlarmGrid(f),
                   i % 3 ? RandomOneTime() : RandomRepeating());
        for (int step = 0; step < 300; ++step) {
            RandomStep(f);
            const std::vector<std::string> expected = PlainPass(f);
            const std::size_t before = player.opened.size();
            MainFormAccess(f).CheckBothLists();
            const std::vector<std::string> fired(player.opened.begin() + before,
                                                 player.opened.end());
            ASSERT_EQ(fired, expected) << "seed " << seed << ", step " << step;
            ASSERT_TRUE(PlainPass(f).empty()) << "seed " << seed << ", step " << step;
            (expected.empty() ? passesWithNothingDue : passesThatFired) += 1;
        }
    }
    // Both kinds of pass were tried many times.
    EXPECT_GT(passesWithNothingDue, 200);
    EXPECT_GT(passesThatFired, 50);
}

} // namespace
} // namespace nudgery::testing

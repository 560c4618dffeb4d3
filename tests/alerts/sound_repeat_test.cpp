// The repeat of a notification's sound, stepped by hand on a settable tick count: the gap
// counts from the end of the sound, a sound still playing is never cut short, a file that
// cannot be played beeps each time instead, and Stop ends it.
#include "alerts/SoundPlayback.h"
#include "alerts/SoundRepeat.h"
#include "core/clock.h"
#include "platform/beeper.h"
#include "platform/media_player.h"
#include "support/temp_folder.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace nudgery {
namespace {

// Plays nothing; the test ends each sound. A file named "*.bad" does not open.
class HandPlayer final : public MediaPlayer {
public:
    SoundId Open(const std::string& path) override {
        opened.push_back(path);
        open_ = !path.ends_with(".bad");
        return open_ ? ++id_ : 0;
    }
    void Play() override {}
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    // The sound playing comes to its end.
    void End() { emit Finished(id_); }

    std::vector<std::string> opened;

private:
    bool open_ = false;
    SoundId id_ = 0;
};

class CountingBeeper final : public Beeper {
public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

class SoundRepeatTest : public ::testing::Test {
protected:
    // Started as the notifier starts it: the sound first, then its repeat.
    void StartWith(const char* name, int gapSeconds) {
        path = folder.Write(name, "RIFF").toStdString();
        sound.PlaySoundNow(path);
        repeat.Start(path, gapSeconds);
    }
    // Moves the tick count on and lets the repeat look.
    void After(std::uint32_t milliseconds) {
        clock.AdvanceMilliseconds(milliseconds);
        repeat.Poll();
    }
    std::size_t Plays() const { return player.opened.size(); }

    TempFolder folder;
    SettableClock clock;
    HandPlayer player;
    CountingBeeper beeper;
    SoundPlayback sound{player, beeper};
    SoundRepeat repeat{sound, clock};
    std::string path;
};

TEST_F(SoundRepeatTest, PlaysAgainTheGapAfterEachEndAndNeverCutsASoundShort) {
    StartWith("chime.wav", 5);
    ASSERT_TRUE(repeat.Active());
    // A long sound plays on, whatever the time.
    After(60'000);
    EXPECT_EQ(Plays(), 1u);
    for (std::size_t play = 2; play <= 4; ++play) {
        player.End();
        After(4'999);
        EXPECT_EQ(Plays(), play - 1);
        After(1);
        EXPECT_EQ(Plays(), play);
        EXPECT_TRUE(player.IsOpen());
    }
    EXPECT_EQ(beeper.beeps, 0);
}

TEST_F(SoundRepeatTest, AFileThatCannotBePlayedBeepsEachTime) {
    StartWith("chime.bad", 30);
    EXPECT_EQ(beeper.beeps, 1);
    After(29'999);
    EXPECT_EQ(beeper.beeps, 1);
    After(1);
    EXPECT_EQ(beeper.beeps, 2);
    After(30'000);
    EXPECT_EQ(beeper.beeps, 3);
}

TEST_F(SoundRepeatTest, StopEndsTheRepeatsAndLeavesTheSoundToItsCaller) {
    StartWith("chime.wav", 5);
    repeat.Stop();
    EXPECT_FALSE(repeat.Active());
    EXPECT_TRUE(player.IsOpen());
    player.End();
    After(600'000);
    EXPECT_EQ(Plays(), 1u);
}

TEST_F(SoundRepeatTest, AWrapOfTheTickCountDoesNoHarm) {
    clock.SetTickCount(std::numeric_limits<std::uint32_t>::max() - 1'000);
    StartWith("chime.wav", 5);
    player.End();
    After(4'000);
    EXPECT_EQ(Plays(), 1u);
    After(1'000);
    EXPECT_EQ(Plays(), 2u);
}

} // namespace
} // namespace nudgery

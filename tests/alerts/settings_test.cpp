#include "alerts/Settings.h"
#include "platform/profile_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace nudgery {
namespace {

TEST(ReadSettings, NoFileGivesTheDefaults) {
    TempFolder folder;
    const auto settings = ReadSettings(ProfileFile(SettingsFileName(folder.Folder())));
    EXPECT_EQ(settings.DefaultSoundFile, "");
    EXPECT_FALSE(settings.UseTray);
    EXPECT_EQ(settings.TimeoutSeconds, 0);
    EXPECT_EQ(settings.TimeoutAction, 0);
    EXPECT_EQ(settings.DefaultEventType, 0);
    EXPECT_TRUE(settings.ShowHintsOn);
    EXPECT_FALSE(settings.AnimateTrayIcon);
    EXPECT_TRUE(settings.DesktopNotifications);
    EXPECT_FALSE(settings.RepeatSoundOn);
    EXPECT_EQ(settings.RepeatSoundSeconds, 30);
}
TEST(ReadSettings, TheDesktopNotificationIsOnUnlessTheFileTurnsItOff) {
    // A file from before the option, with every key it knew, and hand-edited values.
    const struct {
        const char* file;
        bool on;
    } cases[] = {
        {"[Tray]\nUse=1\n[Misc]\nHints=0\nAnimateIcon=1\n", true},
        {"[Notifications]\nDesktop=0\n", false},
        {"[notifications]\ndesktop=1\n", true},
        {"[Notifications]\nDesktop=off\n", true},
        {"[Notifications]\nDesktop=\n", true},
        {"[Misc]\nDesktop=0\n", true},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        EXPECT_EQ(
            ReadSettings(ProfileFile(folder.Write("NUDGERY.INI", c.file))).DesktopNotifications,
            c.on)
            << c.file;
    }
}

// The seconds between repeats of the sound come into their range whatever the file says.
TEST(ReadSettings, RepeatSecondsOutOfRangeAreBroughtIntoIt) {
    const struct {
        const char* text;
        int seconds;
    } cases[] = {{"45", 45}, {"4", 5}, {"-30", 5}, {"301", 300}, {"0x12C", 300}, {"abc", 30}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TempFolder folder;
        const auto settings = ReadSettings(ProfileFile(folder.Write(
            "NUDGERY.INI", std::string("[RepeatSound]\nOn=1\nSeconds=") + c.text + "\n")));
        EXPECT_TRUE(settings.RepeatSoundOn);
        EXPECT_EQ(settings.RepeatSoundSeconds, c.seconds);
    }
}

TEST(ReadSettings, HandWrittenValuesAndBadNumbers) {
    TempFolder folder;
    const auto settings = ReadSettings(ProfileFile(folder.Write(
        "NUDGERY.INI", "[sounds]\nwavefile=/usr/share/sounds/bell.wav\n[TRAY]\nUSE=-1\n"
                       "[Timeout]\nSeconds=abc\nAction=-$A\n[Events]\nType=0x2\n"
                       "[Misc]\nHints=abc\nAnimateIcon=5\n")));
    EXPECT_EQ(settings.DefaultSoundFile, "/usr/share/sounds/bell.wav");
    EXPECT_TRUE(settings.UseTray);
    EXPECT_EQ(settings.TimeoutSeconds, 0);
    EXPECT_EQ(settings.TimeoutAction, -10);
    // "0x2" is only three characters long, still more than two: hexadecimal.
    EXPECT_EQ(settings.DefaultEventType, 2);
    EXPECT_TRUE(settings.ShowHintsOn);
    EXPECT_TRUE(settings.AnimateTrayIcon);
}

TEST(WriteSettings, FreshFileHoldsTheKeysInTheirOrder) {
    TempFolder folder;
    ProfileFile file(SettingsFileName(folder.Folder()));
    Settings settings;
    settings.DefaultSoundFile = "/home/u/ding.wav";
    settings.UseTray = true;
    settings.TimeoutSeconds = 600;
    settings.TimeoutAction = -30;
    settings.DefaultEventType = 3;
    settings.ShowHintsOn = false;
    settings.AnimateTrayIcon = true;
    settings.DesktopNotifications = false;
    settings.RepeatSoundOn = true;
    settings.RepeatSoundSeconds = 45;
    WriteSettings(settings, file);
    EXPECT_EQ(folder.Read("NUDGERY.INI"), "[Sounds]\nWaveFile=/home/u/ding.wav\n"
                                          "[Tray]\nUse=1\n"
                                          "[Timeout]\nSeconds=600\nAction=-30\n"
                                          "[Events]\nType=3\n"
                                          "[Misc]\nHints=0\nAnimateIcon=1\n"
                                          "[Notifications]\nDesktop=0\n"
                                          "[RepeatSound]\nOn=1\nSeconds=45\n");
    EXPECT_EQ(ReadSettings(file), settings);
}

TEST(WriteSettings, KeepsThePlacementSection) {
    TempFolder folder;
    const std::string placement = "[TMainForm_Placement]\nLeft=1\nTop=2\nRight=3\nBottom=4\n";
    ProfileFile file(folder.Write("NUDGERY.INI", placement));
    WriteSettings(Settings{}, file);
    EXPECT_EQ(folder.Read("NUDGERY.INI").substr(0, placement.size()), placement);
    EXPECT_EQ(ReadSettings(file), Settings{});
}

TEST(WriteSettings, StopsAtTheFirstFailure) {
    TempFolder folder;
    folder.Write("file", "");
    ProfileFile file(folder.Path("file/NUDGERY.INI"));
    EXPECT_THROW(WriteSettings(Settings{}, file), ProfileWriteError);
}

TEST(SettingsFileName, IsInTheProgramFolder) {
    EXPECT_EQ(SettingsFileName("/opt/nudgery/"), "/opt/nudgery/NUDGERY.INI");
}

TEST(PlacementSectionName, CarriesTheResolutionOnlyAbove96) {
    EXPECT_EQ(PlacementSectionName("TMainForm", 96), "TMainForm_Placement");
    EXPECT_EQ(PlacementSectionName("TMainForm", 72), "TMainForm_Placement");
    EXPECT_EQ(PlacementSectionName("TMainForm", 120), "TMainForm_Placement120");
}

TEST(PlacementSectionName, EachResolutionKeepsItsOwnPlacement) {
    TempFolder folder;
    ProfileFile file(SettingsFileName(folder.Folder()));
    file.WriteInteger(PlacementSectionName("TMainForm", 96), "Left", 10);
    file.WriteInteger(PlacementSectionName("TMainForm", 120), "Left", 20);
    EXPECT_EQ(file.ReadInteger("TMainForm_Placement", "Left", 0), 10);
    EXPECT_EQ(file.ReadInteger("TMainForm_Placement120", "Left", 0), 20);
}

} // namespace
} // namespace nudgery

#pragma once
// The preferences kept in the settings file, and the names of that file and of the main
// window's placement section in it.

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace nudgery {

class ProfileFile;

struct Settings {
    // Sound file a new reminder gets; bytes in the system's 8-bit encoding, like the sound
    // file of a reminder.
    std::string DefaultSoundFile;
    bool UseTray = false;
    // 0 or less: the notification waits for ever.
    std::int32_t TimeoutSeconds = 0;
    // The notification's result at the time-out: 1 (OK) or -N (snooze N minutes).
    std::int32_t TimeoutAction = 0;
    std::int32_t DefaultEventType = 0;
    bool ShowHintsOn = true;
    bool AnimateTrayIcon = false;

    // Each reminder that shows the notification window is also sent to the desktop's
    // notification service, where one runs.
    bool DesktopNotifications = true;
    // While a notification waits for its answer, its sound plays again this many seconds
    // after it has ended; off, it plays once.
    static constexpr std::int32_t RepeatSoundSecondsMin = 5;
    static constexpr std::int32_t RepeatSoundSecondsMax = 300;
    bool RepeatSoundOn = false;
    std::int32_t RepeatSoundSeconds = 30;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// All settings, each with its default when the file, section or key is missing or the value
// is not a number; a number of seconds out of its range is brought into it.
Settings ReadSettings(const ProfileFile& file);

// Writes all settings in their fixed order, the seven of old first; throws ProfileWriteError
// at the first one that cannot be written, leaving the rest unwritten.
void WriteSettings(const Settings& settings, ProfileFile& file);

// The settings file in the program's folder (which ends in a path separator).
QString SettingsFileName(const QString& programFolder);

// The section that keeps a window's placement: "<class>_Placement", with the screen's
// pixels per inch appended when above 96, so each resolution keeps its own placement.
std::string PlacementSectionName(std::string_view windowClassName, int pixelsPerInch);

} // namespace nudgery

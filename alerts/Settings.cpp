#include "alerts/Settings.h"

#include "platform/profile_file.h"

#include <algorithm>

namespace nudgery {

namespace {

// Section and key of each setting, shared by reading and writing so they cannot drift.
struct Key {
    std::string_view section;
    std::string_view name;
};

constexpr Key WaveFileKey{"Sounds", "WaveFile"};
constexpr Key UseTrayKey{"Tray", "Use"};
constexpr Key SecondsKey{"Timeout", "Seconds"};
constexpr Key ActionKey{"Timeout", "Action"};
constexpr Key EventTypeKey{"Events", "Type"};
constexpr Key HintsKey{"Misc", "Hints"};
constexpr Key AnimateIconKey{"Misc", "AnimateIcon"};
constexpr Key DesktopNotificationsKey{"Notifications", "Desktop"};
// A section of its own, so that older copies of the program leave it alone.
constexpr Key RepeatSoundKey{"RepeatSound", "On"};
constexpr Key RepeatSecondsKey{"RepeatSound", "Seconds"};

} // namespace

Settings ReadSettings(const ProfileFile& file) {
    const Settings defaults;
    Settings settings;
    settings.DefaultSoundFile =
        file.ReadString(WaveFileKey.section, WaveFileKey.name, defaults.DefaultSoundFile);
    settings.UseTray = file.ReadBool(UseTrayKey.section, UseTrayKey.name, defaults.UseTray);
    settings.TimeoutSeconds =
        file.ReadInteger(SecondsKey.section, SecondsKey.name, defaults.TimeoutSeconds);
    settings.TimeoutAction =
        file.ReadInteger(ActionKey.section, ActionKey.name, defaults.TimeoutAction);
    settings.DefaultEventType =
        file.ReadInteger(EventTypeKey.section, EventTypeKey.name, defaults.DefaultEventType);
    settings.ShowHintsOn = file.ReadBool(HintsKey.section, HintsKey.name, defaults.ShowHintsOn);
    settings.AnimateTrayIcon =
        file.ReadBool(AnimateIconKey.section, AnimateIconKey.name, defaults.AnimateTrayIcon);
    settings.DesktopNotifications =
        file.ReadBool(DesktopNotificationsKey.section, DesktopNotificationsKey.name,
                      defaults.DesktopNotifications);
    settings.RepeatSoundOn =
        file.ReadBool(RepeatSoundKey.section, RepeatSoundKey.name, defaults.RepeatSoundOn);
    settings.RepeatSoundSeconds =
        std::clamp(file.ReadInteger(RepeatSecondsKey.section, RepeatSecondsKey.name,
                                    defaults.RepeatSoundSeconds),
                   Settings::RepeatSoundSecondsMin, Settings::RepeatSoundSecondsMax);
    return settings;
}

void WriteSettings(const Settings& settings, ProfileFile& file) {
    file.WriteString(WaveFileKey.section, WaveFileKey.name, settings.DefaultSoundFile);
    file.WriteBool(UseTrayKey.section, UseTrayKey.name, settings.UseTray);
    file.WriteInteger(SecondsKey.section, SecondsKey.name, settings.TimeoutSeconds);
    file.WriteInteger(ActionKey.section, ActionKey.name, settings.TimeoutAction);
    file.WriteInteger(EventTypeKey.section, EventTypeKey.name, settings.DefaultEventType);
    file.WriteBool(HintsKey.section, HintsKey.name, settings.ShowHintsOn);
    file.WriteBool(AnimateIconKey.section, AnimateIconKey.name, settings.AnimateTrayIcon);
    file.WriteBool(DesktopNotificationsKey.section, DesktopNotificationsKey.name,
                   settings.DesktopNotifications);
    file.WriteBool(RepeatSoundKey.section, RepeatSoundKey.name, settings.RepeatSoundOn);
    file.WriteInteger(RepeatSecondsKey.section, RepeatSecondsKey.name, settings.RepeatSoundSeconds);
}

QString SettingsFileName(const QString& programFolder) {
    return programFolder + QStringLiteral("NUDGERY.INI");
}

std::string PlacementSectionName(std::string_view windowClassName, int pixelsPerInch) {
    std::string name = std::string(windowClassName) + "_Placement";
    if (pixelsPerInch > 96)
        name += std::to_string(pixelsPerInch);
    return name;
}

} // namespace nudgery

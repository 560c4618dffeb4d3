#pragma once
// What the main window needs of the rest of the program.

#include "core/date_formats.h"

#include <QString>
#include <functional>
#include <memory>

namespace nudgery {

class Clock;
class DesktopNotifications;
class FileChooser;
class HelpViewer;
class MessageBoxes;
class Screen;
class Shell;
class SoundPlayback;
class StartupInfo;
class TrayArea;
struct Settings;

// All outlive the window.
struct MainFormServices {
    const Clock& clock;
    DateFormats& formats;
    // The user's own date and time conventions, kept aside when the window is made.
    RegionalSettings userFormats;
    // Where the data file and the settings file live; ends in a path separator.
    QString programFolder;
    Settings& settings;
    MessageBoxes& messages;
    HelpViewer& help;
    Shell& shell;
    const Screen& screen;
    // All sound of the program; the window's dialogs and notifications play through it.
    SoundPlayback& sound;
    // Makes the notification area that the window's tray icon shows itself in.
    std::function<std::unique_ptr<TrayArea>()> trayArea;
    // How the desktop started the program.
    const StartupInfo& startup;
    // The reminder editors ask for sound files through it.
    FileChooser& files;
    // The desktop's notification service, beside the program's own notification window;
    // none: the window alone.
    DesktopNotifications* desktopNotices = nullptr;
};

} // namespace nudgery

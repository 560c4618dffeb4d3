#pragma once
// What the reminder editors and the quick time set dialog need of the rest of the program;
// the main window fills it, and everything it refers to outlives the dialogs.

#include <QString>
#include <functional>

class QWidget;

namespace nudgery {

class Clock;
class DateFormats;
class FileChooser;
class HelpViewer;
class MessageBoxes;
class SoundPlayback;

struct EditorServices {
    const Clock& clock;
    // The program's formats; the editors put the user's own in force around each time
    // they read or show.
    DateFormats& formats;
    MessageBoxes& messages;
    HelpViewer& help;
    // The program's one sound player.
    SoundPlayback& sound;
    FileChooser& files;
    // Where the file-open dialog starts when no sound file is named; ends in a separator.
    QString programFolder;
    // Places a dialog that an editor opens (the main window's CenterForm).
    std::function<void(QWidget&)> placeDialog;
};

} // namespace nudgery

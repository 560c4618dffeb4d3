#pragma once
// The "Choose" button of every window that names a sound file: where the file-open dialog
// starts, and which chosen files are taken.

#include <QString>
#include <optional>

class QWidget;

namespace nudgery {

class FileChooser;

// Where the dialog starts for the sound file now named: the file's own folder when the
// name has one, else the program's folder; the file itself is preselected when it exists.
struct SoundFileDialogStart {
    QString folder;
    QString file;
};
SoundFileDialogStart SoundFileDialogStartFor(const QString& current, const QString& programFolder);

// Whether a chosen path is taken: only names with ".WAV" or ".MID" in them, in any case and
// anywhere in the name (so "bell.mid.txt" is taken and "bell.mp3" is not).
bool IsAcceptedSoundFileName(const QString& path);

// Shows the chooser for `current`; the chosen path, or nothing when the user cancelled or
// chose a name that is not taken.
std::optional<QString> ChooseSoundFile(FileChooser& chooser, QWidget* parent,
                                       const QString& current, const QString& programFolder);

} // namespace nudgery

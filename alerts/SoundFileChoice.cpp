#include "alerts/SoundFileChoice.h"

#include "platform/file_chooser.h"

#include <QFileInfo>

namespace nudgery {

SoundFileDialogStart SoundFileDialogStartFor(const QString& current, const QString& programFolder) {
    SoundFileDialogStart start{programFolder, {}};
    const qsizetype separator = current.lastIndexOf(QLatin1Char('/'));
    if (separator >= 0)
        start.folder = current.left(separator + 1);
    if (!current.isEmpty() && QFileInfo(current).isFile())
        start.file = current;
    return start;
}

bool IsAcceptedSoundFileName(const QString& path) {
    const QString upper = path.toUpper();
    return upper.contains(QLatin1String(".WAV")) || upper.contains(QLatin1String(".MID"));
}

std::optional<QString> ChooseSoundFile(FileChooser& chooser, QWidget* parent,
                                       const QString& current, const QString& programFolder) {
    const SoundFileDialogStart start = SoundFileDialogStartFor(current, programFolder);
    std::optional<QString> chosen = chooser.ChooseSoundFile(parent, start.folder, start.file);
    if (!chosen || !IsAcceptedSoundFileName(*chosen))
        return std::nullopt;
    return chosen;
}

} // namespace nudgery

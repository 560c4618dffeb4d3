#include "platform/file_chooser.h"

#include <QDir>
#include <QFileDialog>

namespace nudgery {

std::optional<QString> DesktopFileChooser::ChooseSoundFile(QWidget* parent,
                                                           const QString& initialFolder,
                                                           const QString& initialFile) {
    QFileDialog dialog(parent, QStringLiteral("Open"), initialFolder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // File names are case-sensitive here, so both spellings of each extension are listed.
    dialog.setNameFilter(QStringLiteral("Sound Files (*.wav *.WAV *.mid *.MID)"));
    if (!initialFile.isEmpty())
        dialog.selectFile(initialFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

} // namespace nudgery

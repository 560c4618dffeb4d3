#include "platform/file_chooser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

namespace nudgery {
namespace {

// Calendar programs name their files .ics; .ical and .ifb are older names of the same format.
const QString CalendarFilter = QCoreApplication::translate(
    "FileChooser", "Calendar Files (*.ics *.ICS *.ical *.ICAL *.ifb *.IFB);;All Files (*)");

std::optional<QString> Chosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

} // namespace

std::optional<QString> DesktopFileChooser::ChooseSoundFile(QWidget* parent,
                                                           const QString& initialFolder,
                                                           const QString& initialFile) {
    QFileDialog dialog(parent, QCoreApplication::translate("FileChooser", "Open"), initialFolder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // File names are case-sensitive here, so both spellings of each extension are listed.
    dialog.setNameFilter(
        QCoreApplication::translate("FileChooser", "Sound Files (*.wav *.WAV *.mid *.MID)"));
    if (!initialFile.isEmpty())
        dialog.selectFile(initialFile);
    return Chosen(dialog);
}

std::optional<QString> DesktopFileChooser::ChooseCalendarFileToOpen(QWidget* parent) {
    QFileDialog dialog(parent, QCoreApplication::translate("FileChooser", "Import Calendar File"),
                       QDir::homePath());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(CalendarFilter);
    return Chosen(dialog);
}

std::optional<QString> DesktopFileChooser::ChooseCalendarFileToSave(QWidget* parent,
                                                                    const QString& suggested) {
    QFileDialog dialog(parent,
                       QCoreApplication::translate("FileChooser", "Export to Calendar File"));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(CalendarFilter);
    dialog.setDefaultSuffix(QStringLiteral("ics"));
    dialog.selectFile(suggested);
    return Chosen(dialog);
}

} // namespace nudgery

#pragma once
// Asking the user for a file, behind one small interface, so that tests can give the answer.

#include <QString>
#include <optional>

class QWidget;

namespace nudgery {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Asks for one existing sound file (.wav or .mid), starting in `initialFolder` with
    // `initialFile` preselected when it is not empty. Nothing when the user cancels.
    virtual std::optional<QString> ChooseSoundFile(QWidget* parent, const QString& initialFolder,
                                                   const QString& initialFile) = 0;
    // Asks for an existing calendar file to import. Nothing when the user cancels.
    virtual std::optional<QString> ChooseCalendarFileToOpen(QWidget* parent) = 0;
    // Asks where to export a calendar file, offering the path `suggested`; a file that is
    // there already is replaced only once the user agrees. Nothing when the user cancels.
    virtual std::optional<QString> ChooseCalendarFileToSave(QWidget* parent,
                                                            const QString& suggested) = 0;
};

// The desktop's file-open dialog.
class DesktopFileChooser final : public FileChooser {
public:
    std::optional<QString> ChooseSoundFile(QWidget* parent, const QString& initialFolder,
                                           const QString& initialFile) override;
    std::optional<QString> ChooseCalendarFileToOpen(QWidget* parent) override;
    std::optional<QString> ChooseCalendarFileToSave(QWidget* parent,
                                                    const QString& suggested) override;
};

} // namespace nudgery

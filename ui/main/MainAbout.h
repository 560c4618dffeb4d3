#pragma once
// The About box of the main window.

#include <QDialog>

class QLabel;
class QPushButton;

namespace nudgery {

class TAboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // "64-bit version" or "32-bit version": the build this program is.
    static QString BitnessText();

private:
    QLabel* ProgramIcon = nullptr;
    QLabel* Version = nullptr;
    QLabel* Bitness = nullptr;
    QPushButton* OkButton = nullptr;
};

} // namespace nudgery

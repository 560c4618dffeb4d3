#include "message_boxes.h"

#include <QMessageBox>

namespace nudgery {

namespace {

// The caption of the error box: the program's own name, as its main window shows it.
constexpr const char* ProgramTitle = "Nudgery!";

} // namespace

void DesktopMessageBoxes::ShowError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QString::fromLatin1(ProgramTitle), text);
}

void DesktopMessageBoxes::ShowInfo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok,
                    parent);
    // What it tells may be worth copying, such as an address to open by hand.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

bool DesktopMessageBoxes::AskConfirm(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QStringLiteral("Confirm"), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace nudgery

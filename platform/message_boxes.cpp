#include "message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace nudgery {

void DesktopMessageBoxes::ShowError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QApplication::applicationDisplayName(), text);
}

void DesktopMessageBoxes::ShowInfo(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("Information"), text);
}

bool DesktopMessageBoxes::AskConfirm(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QStringLiteral("Confirm"), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace nudgery

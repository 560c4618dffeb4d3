#include "message_boxes.h"

#include <QMessageBox>
#include <memory>

namespace nudgery {

namespace {

// The caption of the error box: the program's own name, as its main window shows it.
constexpr const char* ProgramTitle = "Nudgery!";

} // namespace

void DesktopMessageBoxes::ShowError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QString::fromLatin1(ProgramTitle), text);
}

namespace {

QMessageBox* InformationBox(QWidget* parent, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Information"), text,
                                QMessageBox::Ok, parent);
    // What it tells may be worth copying, such as an address to open by hand.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return box;
}

} // namespace

void DesktopMessageBoxes::ShowInfo(QWidget* parent, const QString& text) {
    const std::unique_ptr<QMessageBox> box(InformationBox(parent, text));
    box->exec();
}

void DesktopMessageBoxes::ShowNotice(QWidget* parent, const QString& text) {
    QMessageBox* box = InformationBox(parent, text);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

bool DesktopMessageBoxes::AskConfirm(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QStringLiteral("Confirm"), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace nudgery

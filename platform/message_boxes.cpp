#include "message_boxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <memory>

namespace nudgery {

namespace {

// The caption of the error box: the program's own name, as its main window shows it.
constexpr const char* ProgramTitle = "Nudgery!";

// A box not yet shown. The texts carry the user's own words (a reminder's message, a file's
// name), so they are shown as written, never read as markup.
std::unique_ptr<QMessageBox> NewBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                    const QString& text, QMessageBox::StandardButtons buttons,
                                    bool selectable) {
    auto box = std::make_unique<QMessageBox>(icon, caption, text, buttons, parent);
    box->setTextFormat(Qt::PlainText);
    if (selectable)
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return box;
}

// A modal box; its answer.
QMessageBox::StandardButton Show(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                 const QString& text, QMessageBox::StandardButtons buttons,
                                 bool selectable = false) {
    return static_cast<QMessageBox::StandardButton>(
        NewBox(parent, icon, caption, text, buttons, selectable)->exec());
}

} // namespace

void DesktopMessageBoxes::ShowError(QWidget* parent, const QString& text) {
    Show(parent, QMessageBox::Critical, QString::fromLatin1(ProgramTitle), text, QMessageBox::Ok);
}

void DesktopMessageBoxes::ShowInfo(QWidget* parent, const QString& text) {
    // What it tells may be worth copying, such as an address to open by hand.
    Show(parent, QMessageBox::Information,
         QCoreApplication::translate("MessageBoxes", "Information"), text, QMessageBox::Ok, true);
}

void DesktopMessageBoxes::ShowNotice(QWidget* parent, const QString& text) {
    // Holds up nothing: the box deletes itself once closed.
    QMessageBox* box = NewBox(parent, QMessageBox::Information,
                              QCoreApplication::translate("MessageBoxes", "Information"), text,
                              QMessageBox::Ok, true)
                           .release();
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

bool DesktopMessageBoxes::AskConfirm(QWidget* parent, const QString& text) {
    return Show(parent, QMessageBox::Question,
                QCoreApplication::translate("MessageBoxes", "Confirm"), text,
                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace nudgery

#pragma once
// The program's message boxes behind one small interface, so that tests can answer them.

#include <QString>

class QWidget;

namespace nudgery {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A failure that escaped an operation the user started: the failure's text, an OK
    // button and the error icon.
    virtual void ShowError(QWidget* parent, const QString& text) = 0;
    // Captioned "Information", an OK button and the information icon.
    virtual void ShowInfo(QWidget* parent, const QString& text) = 0;
    // Captioned "Confirm", Yes and No buttons and the question icon; true on Yes.
    virtual bool AskConfirm(QWidget* parent, const QString& text) = 0;
    // As ShowInfo, but the caller goes on at once: for news that must hold up nothing, such
    // as the check cycle.
    virtual void ShowNotice(QWidget* parent, const QString& text) = 0;
};

// Boxes of the desktop; all but the notice modal.
class DesktopMessageBoxes final : public MessageBoxes {
public:
    void ShowError(QWidget* parent, const QString& text) override;
    void ShowInfo(QWidget* parent, const QString& text) override;
    bool AskConfirm(QWidget* parent, const QString& text) override;
    void ShowNotice(QWidget* parent, const QString& text) override;
};

} // namespace nudgery

#pragma once
// The band at the top of both reminder editors where the reminder's message is typed:
// the label "&Message" and the one-line edit `Descript`, which holds at most 100
// characters and starts with a text that prompts for the message.

#include <QWidget>

class QLineEdit;

namespace nudgery {

class TMessageBand : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxMessageLength = 100;

    TMessageBand(int editWidth, int height, QWidget* parent);

    QLineEdit* Descript() const { return descript_; }
    // Gives the edit the focus with its whole text selected, so typing replaces it.
    void FocusMessage();

private:
    QLineEdit* descript_;
};

} // namespace nudgery

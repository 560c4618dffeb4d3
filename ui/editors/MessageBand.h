#pragma once
// The band at the top of both reminder editors where the reminder's message is typed:
// the label "&Message" and the one-line edit `Descript`, which takes at most 100 typed
// characters and starts with a text that prompts for the message.

#include <QWidget>
#include <optional>
#include <string>

class QLineEdit;

namespace nudgery {

class TMessageBand : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxMessageLength = 100;

    TMessageBand(int editWidth, int height, QWidget* parent);

    QLineEdit* Descript() const { return descript_; }
    // The message in the system's 8-bit encoding: what the caller gave, byte for byte and
    // whatever its length, until the user changes it; then what the edit holds.
    std::string Message() const;
    void SetMessage(const std::string& message);
    // Gives the edit the focus with its whole text selected, so typing replaces it.
    void FocusMessage();

private:
    QLineEdit* descript_;
    struct GivenMessage {
        std::string bytes;
        QString shown;
    };
    std::optional<GivenMessage> given_;
};

} // namespace nudgery

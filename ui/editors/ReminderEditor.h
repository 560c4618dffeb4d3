#pragma once
// What the two reminder editors share: the message band at the top, the action and sound
// frame, the Save, Cancel and Help buttons at the bottom, and the values the caller sets
// before showing and reads after Save. Each close, however it happens, stops the sound.
//
// A subclass builds its own controls between the message band and the action frame, then
// calls AddActionFrameAndButtons, so the Tab key visits the controls from top to bottom.

#include "ActionSoundFrame.h"
#include "EditorServices.h"

#include <QDialog>
#include <cstdint>
#include <string>

namespace nudgery {

class TMessageBand;

class TReminderEditor : public QDialog {
    Q_OBJECT
public:
    // The message (`Descript`'s text), in the system's 8-bit encoding; the caller's, whole,
    // until the user changes it.
    std::string Description() const;
    void SetDescription(const std::string& text);
    // The sound file (EditorSoundFile); after Save empty unless the file exists.
    std::string EditorSoundFile() const { return actionFrame_->SoundFile(); }
    void SetEditorSoundFile(const std::string& path) { actionFrame_->SetSoundFile(path); }
    // A new reminder's sound: the default sound file when it exists, else none.
    void OfferDefaultSoundFile(const std::string& defaultSoundFile);
    // The action (EditorEventType), numbered as a reminder's EventType.
    std::uint8_t EditorEventType() const { return actionFrame_->EventType(); }
    void SetEditorEventType(std::uint8_t type) { actionFrame_->SetEventType(type); }

    // Every way of closing ends here: the sound stops.
    void done(int result) override;

protected:
    struct Shape {
        QString caption;
        QSize clientSize;
        int helpTopic;
        int messageEditWidth;
        int messageBandHeight;
    };
    TReminderEditor(const EditorServices& services, const Shape& shape, QWidget* parent);

    // The action and sound frame at `at`, then the button band along the bottom.
    void AddActionFrameAndButtons(QPoint at, const TActionSoundFrame::Shape& frameShape);

    const EditorServices& Services() const { return services_; }
    TActionSoundFrame& ActionFrame() const { return *actionFrame_; }

    // Save (the default button): accepts the dialog only when the editor's checks pass.
    virtual void SetAlarmButtonClick() = 0;
    // Runs once, when the dialog opens: the message edit gets the focus with its whole
    // text selected, so typing replaces it.
    virtual void FormActivate();

    void showEvent(QShowEvent* event) override;

private:
    void AddButtonBand();

    const EditorServices services_;
    const int helpTopic_;
    TMessageBand* messageBand_;
    TActionSoundFrame* actionFrame_ = nullptr;
    bool opened_ = false;
};

} // namespace nudgery

#pragma once
// The frame in both reminder editors that says what happens when the reminder falls due
// and which sound file it plays: the action list, the sound file edit, and the buttons to
// choose a file, play it now and stop it ("Shhhh").

#include "EditorServices.h"

#include <QFrame>
#include <cstdint>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace nudgery {

class TActionSoundFrame : public QFrame {
    Q_OBJECT
public:
    struct Shape {
        QSize size;
        QString soundEditTooltip;
        // Whether the sound file value follows every change of the edit's text; otherwise
        // it changes only through "Choose" and at Save.
        bool soundFileFollowsEdit;
    };

    TActionSoundFrame(const EditorServices& services, const Shape& shape, QWidget* parent);

    // The action, numbered as a reminder's EventType. A value outside 0..3 (a damaged data
    // file, or a newer program's) shows no action and is kept until the user picks one.
    std::uint8_t EventType() const { return eventType_; }
    void SetEventType(std::uint8_t type);

    // The sound file path, in the bytes the file system takes; shown in the edit.
    const std::string& SoundFile() const { return soundFile_; }
    void SetSoundFile(const std::string& path);
    // The first step of Save: the edit's path, or nothing when no such file exists.
    void TakeSoundFileForSave();

    // The handlers, by their control.
    void EventTypeComboClick();
    void SelectWavButtonClick();
    void PlayNowButtonClick();
    void BitBtn1Click();

private:
    QString EditedPath() const;

    const EditorServices services_;
    std::uint8_t eventType_ = 0;
    std::string soundFile_;
    QComboBox* eventTypeCombo_;
    QLineEdit* waveFileEdit_;
    QPushButton* selectWavButton_;
};

} // namespace nudgery

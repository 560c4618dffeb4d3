#pragma once
// TPreferences: the Preferences dialog. Shows the preferences for change; the caller
// fills it from the settings, shows it modally and, on OK, copies its values back:
//
//     TPreferences dialog(services, this);
//     dialog.FillFrom(settings);
//     dialog.SetAnimateIconOffered(startup.HasNotificationArea());
//     if (dialog.exec() == TPreferences::ResultOk)
//         dialog.CopyTo(settings);

#include <QDialog>
#include <QString>
#include <cstdint>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace nudgery {

class FileChooser;
class HelpViewer;
class SoundPlayback;
class TSpinEdit;
struct Settings;

// What the dialog needs of the rest of the program; all outlive the dialog.
struct PreferencesServices {
    // "Play Now" and "Shhhh", and the sound stopped when the dialog closes.
    SoundPlayback& sound;
    FileChooser& chooser;
    HelpViewer& help;
    // Where "Choose" starts when no sound file is named; ends in a path separator.
    QString programFolder;
};

class TPreferences : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpTopic = 1015;
    // Modal results: OK only from the Ok button; Cancel, Esc and the close box give Cancel.
    static constexpr int ResultOk = 1;
    static constexpr int ResultCancel = 2;

    explicit TPreferences(const PreferencesServices& services, QWidget* parent = nullptr);
    ~TPreferences() override;

    // Fills the dialog from `settings`; before it is shown.
    void FillFrom(const Settings& settings);
    // Copies the dialog's values into `settings`; after it ended with ResultOk.
    void CopyTo(Settings& settings) const;
    // Whether "Animate Tray Icon" is offered: only where the desktop has a notification
    // area. Hidden, the box keeps the value it was filled with.
    void SetAnimateIconOffered(bool offered);

    // Every way of closing stops the sound.
    void done(int result) override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateDefaultActionPanel();
    void CreateDefaultSoundPanel();
    void CreateTimeoutPanel();
    void CreateOptionsPanel();
    void CreateRepeatSoundPanel();
    void CreateButtonBand();
    void SetTabOrder();

    void FormActivate();
    void ContinueClick();
    void OkbuttonClick();
    void CancelButtonClick();
    void HelpbuttonClick();
    void SelectWavButtonClick();
    void PlayNowButtonClick();
    void BitBtn1Click();
    void FormCloseQuery();

    PreferencesServices services_;
    std::int32_t TimeoutSeconds = 0;
    std::int32_t TimeoutAction = 0;
    // The minutes the box showed when the dialog opened.
    int shownMinutes_ = 0;
    // Bytes as the file system takes them, like the setting.
    std::string DefaultSoundFile;

    QComboBox* EventTypeCombo;
    QLineEdit* WaveFileEdit;
    QPushButton* SelectWavButton;
    QPushButton* PlayNowButton;
    QPushButton* BitBtn1;
    QRadioButton* Continue;
    QRadioButton* WaitFor;
    TSpinEdit* Minutes;
    QComboBox* Action;
    QCheckBox* ShowHints;
    QCheckBox* MiniMizeToTray;
    QCheckBox* AnimateIcon;
    QCheckBox* DesktopNotification;
    QCheckBox* RepeatSound;
    TSpinEdit* RepeatSeconds;
    QPushButton* Okbutton;
    QPushButton* CancelButton;
    QPushButton* Helpbutton;
};

} // namespace nudgery

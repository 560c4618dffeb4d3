#include "ActionSoundFrame.h"

#include "EditorStyle.h"
#include "alerts/SoundFileChoice.h"
#include "alerts/SoundPlayback.h"
#include "core/reminder.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace nudgery {

namespace {

constexpr int Left = 10;

QLabel* AddLabel(QWidget& parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, &parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}

bool PlaysSound(int eventType) {
    return eventType == EventShowAndPlay || eventType == EventPlayOnly;
}

} // namespace

TActionSoundFrame::TActionSoundFrame(const EditorServices& services, const Shape& shape,
                                     QWidget* parent)
    : QFrame(parent), services_(services) {
    setObjectName(QStringLiteral("ActionSoundFrame"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    resize(shape.size);
    const int inner = shape.size.width() - 2 * Left;

    QLabel* eventTypeLabel = AddLabel(
        *this, "EventTypeLabel", tr("When this reminder is triggered:"), QRect(Left, 4, inner, 16));
    eventTypeCombo_ = DropDownList(*this, "EventTypeCombo", EventTypeItems(),
                                   tr("Select the action to take when a reminder\nis triggered"),
                                   QRect(Left, 20, 230, 22));
    // What names the list for a screen reader, which otherwise hears only its chosen item.
    eventTypeLabel->setBuddy(eventTypeCombo_);
    connect(eventTypeCombo_, &QComboBox::currentIndexChanged, this,
            &TActionSoundFrame::EventTypeComboClick);

    QLabel* soundLabel =
        AddLabel(*this, "SoundFileLabel", tr("Specify &Sound File to play (*.wav or *.mid): "),
                 QRect(Left, 48, inner, 16));
    waveFileEdit_ = new QLineEdit(this);
    waveFileEdit_->setObjectName(QStringLiteral("WaveFileEdit"));
    waveFileEdit_->setToolTip(shape.soundEditTooltip);
    waveFileEdit_->setGeometry(Left, 64, inner, 22);
    soundLabel->setBuddy(waveFileEdit_);
    if (shape.soundFileFollowsEdit)
        connect(waveFileEdit_, &QLineEdit::textChanged, this,
                [this] { soundFile_ = EditedPath().toLocal8Bit().toStdString(); });

    constexpr int buttonsTop = 90;
    selectWavButton_ = AddButton(*this, "SelectWavButton", tr("&Choose"), ChooseSoundTooltip(),
                                 QPoint(Left, buttonsTop));
    connect(selectWavButton_, &QPushButton::clicked, this,
            &TActionSoundFrame::SelectWavButtonClick);
    QPushButton* playNow =
        AddButton(*this, "PlayNowButton", tr("Play &Now"),
                  tr("Play the sound file you have selected"), QPoint(Left + 81, buttonsTop));
    connect(playNow, &QPushButton::clicked, this, &TActionSoundFrame::PlayNowButtonClick);
    QPushButton* shhhh =
        AddButton(*this, "BitBtn1", tr("Shhhh"), tr("Stop a sound file from playing"),
                  QPoint(Left + 162, buttonsTop));
    connect(shhhh, &QPushButton::clicked, this, &TActionSoundFrame::BitBtn1Click);

    EventTypeComboClick();
}

void TActionSoundFrame::SetEventType(std::uint8_t type) {
    eventTypeCombo_->setCurrentIndex(type < eventTypeCombo_->count() ? type : -1);
    eventType_ = type;
    EventTypeComboClick();
}

void TActionSoundFrame::SetSoundFile(const std::string& path) {
    soundFile_ = path;
    waveFileEdit_->setText(QString::fromLocal8Bit(path));
}

QString TActionSoundFrame::EditedPath() const {
    return waveFileEdit_->text();
}

void TActionSoundFrame::TakeSoundFileForSave() {
    const QString path = EditedPath();
    // A reminder keeps no sound file that is not there; it then fires without sound.
    soundFile_ = !path.isEmpty() && QFileInfo(path).isFile() ? path.toLocal8Bit().toStdString()
                                                             : std::string();
}

void TActionSoundFrame::EventTypeComboClick() {
    const int picked = eventTypeCombo_->currentIndex();
    if (picked >= 0)
        eventType_ = static_cast<std::uint8_t>(picked);
    // The path stays whatever the action: it is kept with the reminder.
    const bool sound = PlaysSound(picked);
    waveFileEdit_->setEnabled(sound);
    selectWavButton_->setEnabled(sound);
}

void TActionSoundFrame::SelectWavButtonClick() {
    const std::optional<QString> chosen = ChooseSoundFile(
        services_.files, window(), QString::fromLocal8Bit(soundFile_), services_.programFolder);
    if (!chosen)
        return;
    soundFile_ = chosen->toLocal8Bit().toStdString();
    waveFileEdit_->setText(*chosen);
}

void TActionSoundFrame::PlayNowButtonClick() {
    services_.sound.PlaySoundNow(EditedPath().toLocal8Bit().toStdString());
}

void TActionSoundFrame::BitBtn1Click() {
    services_.sound.Shutup();
}

} // namespace nudgery

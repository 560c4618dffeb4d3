#include "ReminderEditor.h"

#include "EditorStyle.h"
#include "MessageBand.h"
#include "alerts/SoundPlayback.h"
#include "platform/help_viewer.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace nudgery {

namespace {

constexpr int ButtonBandHeight = 46;
constexpr int ButtonMargin = 12;

} // namespace

TReminderEditor::TReminderEditor(const EditorServices& services, const Shape& shape,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      services_(services), helpTopic_(shape.helpTopic) {
    setWindowTitle(shape.caption);
    setFont(DialogFont());
    setFixedSize(shape.clientSize);
    messageBand_ = new TMessageBand(shape.messageEditWidth, shape.messageBandHeight, this);
    BindHelpKey(*this, services_.help, helpTopic_);
}

std::string TReminderEditor::Description() const {
    return messageBand_->Message();
}

void TReminderEditor::SetDescription(const std::string& text) {
    messageBand_->SetMessage(text);
}

void TReminderEditor::OfferDefaultSoundFile(const std::string& defaultSoundFile) {
    const bool exists =
        !defaultSoundFile.empty() && QFileInfo(QString::fromLocal8Bit(defaultSoundFile)).isFile();
    SetEditorSoundFile(exists ? defaultSoundFile : std::string());
}

void TReminderEditor::AddActionFrameAndButtons(QPoint at,
                                               const TActionSoundFrame::Shape& frameShape) {
    actionFrame_ = new TActionSoundFrame(services_, frameShape, this);
    actionFrame_->move(at);
    AddButtonBand();
}

void TReminderEditor::AddButtonBand() {
    const int top =
        height() - ButtonBandHeight + (ButtonBandHeight - EditorButtonSize.height()) / 2;
    QPushButton* save =
        AddButton(*this, "SetAlarmButton", tr("&Save"),
                  tr("Save and Set the reminder as specified"), QPoint(ButtonMargin, top));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, [this] { SetAlarmButtonClick(); });
    QPushButton* cancel =
        AddButton(*this, "CancelButton", tr("&Cancel"), tr("Cancel all changes made"),
                  QPoint(ButtonMargin + EditorButtonSize.width() + 6, top));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    QPushButton* help = AddButton(*this, "Helpbutton", tr("&Help"), HelpButtonTooltip(),
                                  QPoint(width() - ButtonMargin - EditorButtonSize.width(), top));
    connect(help, &QPushButton::clicked, this,
            [this] { services_.help.ShowTopic(helpTopic_, this); });
}

void TReminderEditor::done(int result) {
    services_.sound.Shutup();
    QDialog::done(result);
}

void TReminderEditor::FormActivate() {
    messageBand_->FocusMessage();
}

void TReminderEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!opened_) {
        opened_ = true;
        FormActivate();
    }
}

} // namespace nudgery

#include "MessageBand.h"

#include "EditorStyle.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace nudgery {

TMessageBand::TMessageBand(int editWidth, int height, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MessageBand"));
    constexpr int left = 12;
    auto* label = new QLabel(tr("&Message"), this);
    label->setObjectName(QStringLiteral("MessageLabel"));
    label->setFont(BoldFont(label->font()));
    label->setGeometry(left, 4, 120, 16);

    descript_ = new QLineEdit(tr("[Type reminder message here]"), this);
    descript_->setObjectName(QStringLiteral("Descript"));
    descript_->setFont(EditFont(10));
    descript_->setMaxLength(MaxMessageLength);
    // The edit stops taking characters at the limit without a word, so the tooltip says it.
    descript_->setToolTip(
        tr("Type your reminder message here\n(at most %1 characters)").arg(MaxMessageLength));
    descript_->setGeometry(left, 21, editWidth, 24);
    label->setBuddy(descript_);

    resize(left + editWidth + left, height);
}

std::string TMessageBand::Message() const {
    if (given_ && descript_->text() == given_->shown)
        return given_->bytes;
    return descript_->text().toLocal8Bit().toStdString();
}

void TMessageBand::SetMessage(const std::string& message) {
    const QString shown = QString::fromLocal8Bit(message);
    // A longer message (from a file written elsewhere) is shown and kept whole; only what
    // the user types is held to the limit.
    descript_->setMaxLength(std::max(MaxMessageLength, static_cast<int>(shown.size())));
    descript_->setText(shown);
    given_ = GivenMessage{message, shown};
}

void TMessageBand::FocusMessage() {
    descript_->setFocus();
    descript_->selectAll();
}

} // namespace nudgery

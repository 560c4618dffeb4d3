#include "TimeEntry.h"

#include "EditorStyle.h"
#include "Settd.h"
#include "core/clock.h"
#include "platform/message_boxes.h"
#include "ui/controls/PaintedGlyph.h"

#include <QLineEdit>
#include <QToolButton>
#include <cmath>

namespace nudgery {

namespace {

constexpr QSize ButtonSize(26, 22);

} // namespace

TTimeEntry::TTimeEntry(const EditorServices& services, const Shape& shape, QWidget* parent)
    : QWidget(parent), services_(services) {
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QString::fromLatin1(shape.editName));
    edit_->setToolTip(shape.editTooltip);
    edit_->setAccessibleName(shape.spokenEditName);
    edit_->setFont(EditFont(shape.pointSize));
    edit_->setGeometry(0, 0, shape.editWidth, ButtonSize.height());

    button_ = new QToolButton(this);
    button_->setObjectName(QString::fromLatin1(shape.buttonName));
    button_->setToolTip(tr("Click for Quick Time Set"));
    button_->setAccessibleName(shape.spokenButtonName);
    button_->setIcon(ClockGlyph(palette()));
    button_->setGeometry(QRect(QPoint(shape.editWidth + 2, 0), ButtonSize));
    connect(button_, &QToolButton::clicked, this, &TTimeEntry::QuickSetClick);

    setFixedSize(shape.editWidth + 2 + ButtonSize.width(), ButtonSize.height());
    setFocusProxy(edit_);
    quickSetCheck_ = [this] { CheckValidTime(); };
}

QString TTimeEntry::Text() const {
    return edit_->text();
}

void TTimeEntry::SetText(const QString& text) {
    edit_->setText(text);
}

void TTimeEntry::ShowTime(TDateTime time) {
    SetText(FormatUserTime(services_.formats, time));
}

void TTimeEntry::ShowCurrentTime() {
    ShowTime(services_.clock.Now());
}

void TTimeEntry::ShowGivenTime(TDateTime time) {
    given_.reset();
    if (!CanShowDateTime(time)) {
        ShowCurrentTime();
        return;
    }
    ShowTime(time);
    // The time of day as shown: before 30 December 1899 the fraction counts away from zero.
    given_ = GivenTime{Text(), std::abs(TimePartOf(time))};
}

bool TTimeEntry::ShowsGivenTime() const {
    return given_ && Text() == given_->text;
}

std::optional<TDateTime> TTimeEntry::Time() const {
    if (ShowsGivenTime())
        return given_->time;
    return ParseUserTime(services_.formats, Text());
}

std::optional<TDateTime> TTimeEntry::CheckValidTime(const QString& lead) {
    if (ShowsGivenTime())
        return given_->time;
    const std::optional<TDateTime> typed = Time();
    if (!typed) {
        services_.messages.ShowInfo(window(),
                                    InvalidTimeMessage(services_.formats, services_.clock, lead));
        // Left for the user to correct, rather than replaced by a time the user did not mean.
        edit_->setFocus();
        edit_->selectAll();
        return std::nullopt;
    }
    ShowTime(*typed);
    // The shown text is what counts (no seconds when the user's format shows none); should
    // the user's format not read back, the typed time stands.
    return ParseUserTime(services_.formats, Text()).value_or(*typed);
}

void TTimeEntry::QuickSetClick() {
    quickSetCheck_();
    TSetTimeDialog dialog(services_.formats, services_.help, window());
    dialog.SetPickedTime(Time().value_or(services_.clock.TimeOfDay()));
    if (services_.placeDialog)
        services_.placeDialog(dialog);
    if (dialog.exec() == QDialog::Accepted)
        ShowTime(dialog.PickedTime());
}

} // namespace nudgery

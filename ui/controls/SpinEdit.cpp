#include "SpinEdit.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>

namespace nudgery {

namespace {

// A sign and up to nine digits: every such text is a number that fits an int.
const QRegularExpression& NumberPattern() {
    static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]{0,9}$"));
    return pattern;
}

} // namespace

TSpinEdit::TSpinEdit(int minValue, int maxValue, QWidget* parent)
    : QAbstractSpinBox(parent), minValue_(minValue), maxValue_(maxValue) {
    SetValue(minValue);
}

int TSpinEdit::Value() const {
    bool isNumber = false;
    const int value = text().toInt(&isNumber);
    return isNumber ? value : minValue_;
}

void TSpinEdit::SetValue(int value) {
    lineEdit()->setText(QString::number(Clamped(value)));
}

void TSpinEdit::stepBy(int steps) {
    SetValue(Clamped(static_cast<long long>(Value()) + static_cast<long long>(steps) * step_));
    selectAll();
}

QValidator::State TSpinEdit::validate(QString& input, int&) const {
    if (!NumberPattern().match(input).hasMatch())
        return QValidator::Invalid;
    bool isNumber = false;
    input.toInt(&isNumber);
    return isNumber ? QValidator::Acceptable : QValidator::Intermediate;
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const {
    const int value = Value();
    StepEnabled enabled = StepNone;
    if (value > minValue_)
        enabled |= StepDownEnabled;
    if (value < maxValue_)
        enabled |= StepUpEnabled;
    return enabled;
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusOutEvent(event);
    const int value = Value();
    if (Clamped(value) != value || text() != QString::number(value))
        SetValue(value);
}

int TSpinEdit::Clamped(long long value) const {
    return static_cast<int>(std::clamp<long long>(value, minValue_, maxValue_));
}

} // namespace nudgery

#include "SpinEdit.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <algorithm>

namespace nudgery {

namespace {

// A sign and digits; whether they make a number that fits an int is checked apart.
const QRegularExpression& NumberPattern() {
    static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]*$"));
    return pattern;
}

} // namespace

TSpinEdit::TSpinEdit(int minValue, int maxValue, QWidget* parent)
    : QAbstractSpinBox(parent), minValue_(minValue), maxValue_(maxValue) {
    SetValue(minValue);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { typed_ = true; });
}

int TSpinEdit::Value() const {
    bool isNumber = false;
    const int value = text().toInt(&isNumber);
    return isNumber ? value : minValue_;
}

void TSpinEdit::SetValue(int value) {
    lineEdit()->setText(QString::number(value));
    typed_ = false;
}

void TSpinEdit::stepBy(int steps) {
    SetValue(Clamped(static_cast<long long>(Value()) + static_cast<long long>(steps) * step_));
    selectAll();
}

QValidator::State TSpinEdit::validate(QString& input, int&) const {
    if (!NumberPattern().match(input).hasMatch())
        return QValidator::Invalid;
    if (input.isEmpty() || input == QLatin1String("+") || input == QLatin1String("-"))
        return QValidator::Intermediate;
    bool isNumber = false;
    input.toInt(&isNumber);
    // Digits beyond what an int holds are refused as they are typed.
    return isNumber ? QValidator::Acceptable : QValidator::Invalid;
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
    if (!typed_)
        return;
    const int value = Value();
    if (Clamped(value) != value || text() != QString::number(value))
        SetValue(Clamped(value));
}

int TSpinEdit::Clamped(long long value) const {
    return static_cast<int>(std::clamp<long long>(value, minValue_, maxValue_));
}

} // namespace nudgery

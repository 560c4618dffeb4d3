#pragma once
// TSpinEdit: a number box with up and down arrows. Its value is its text read as a whole
// number, also outside its range while the user is still typing; text that is not a number
// reads as the minimum. The value is pulled into the range when the box loses the focus,
// and the arrows, which move it by the step, never leave the range.

#include <QAbstractSpinBox>

namespace nudgery {

class TSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    TSpinEdit(int minValue, int maxValue, QWidget* parent = nullptr);

    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    // How far one press of an arrow moves the value; 1 unless set.
    void SetStep(int step) { step_ = step; }
    int Value() const;
    // Shows `value` brought into the range.
    void SetValue(int value);

    void stepBy(int steps) override;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int Clamped(long long value) const;

    int minValue_;
    int maxValue_;
    int step_ = 1;
};

} // namespace nudgery

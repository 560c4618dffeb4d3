#pragma once
// TSpinEdit: a number box with up and down arrows. Its value is its text read as a whole
// number, also outside its range; text that is not a number reads as the minimum. A value
// set from outside is shown as it is, so a stored value is kept until the user changes it;
// a number the user types is pulled into the range when the box loses the focus, and the
// arrows, which move the value by the step, never leave the range.

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
    // Shows `value` as it is, also outside the range.
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
    // Whether the user has typed since the value was last set.
    bool typed_ = false;
};

} // namespace nudgery

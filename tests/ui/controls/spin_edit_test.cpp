// The number box: a value set from outside stays as it is, also beyond the range, until the
// user types; what the user types is pulled into the range on leaving the box; the arrows
// never leave the range; and no typed number overflows.
#include "ui/controls/SpinEdit.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

// A box from 10 to 720 with a second control to take the focus from it.
class SpinEditTest : public ::testing::Test {
protected:
    SpinEditTest() {
        auto* layout = new QVBoxLayout(&window);
        box = new TSpinEdit(10, 720, &window);
        box->SetStep(10);
        other = new TSpinEdit(0, 1, &window);
        layout->addWidget(box);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Focus into the box and out again, as Tab does.
    void PassThrough() {
        box->setFocus();
        other->setFocus();
    }
    void Type(const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    QWidget window;
    TSpinEdit* box;
    TSpinEdit* other;
};

TEST_F(SpinEditTest, AValueSetFromOutsideIsKeptUntilTheUserTypes) {
    for (const int value : {5, 9, 10, 720, 800, 100000, -3, 2147483647}) {
        box->SetValue(value);
        PassThrough();
        EXPECT_EQ(box->Value(), value);
        EXPECT_EQ(box->text(), QString::number(value));
    }
}

TEST_F(SpinEditTest, ATypedNumberIsPulledIntoTheRangeOnLeavingTheBox) {
    const struct {
        const char* typed;
        int whileTyping, afterLeaving;
    } cases[] = {
        {"800", 800, 720}, {"9", 9, 10}, {"-4", -4, 10}, {"+50", 50, 50}, {"", 10, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        box->SetValue(60);
        Type(QString::fromLatin1(c.typed));
        EXPECT_EQ(box->Value(), c.whileTyping);
        other->setFocus();
        EXPECT_EQ(box->Value(), c.afterLeaving);
        EXPECT_EQ(box->text(), QString::number(c.afterLeaving));
    }
}

TEST_F(SpinEditTest, TheArrowsStepIntoTheRangeAndStayThere) {
    box->SetValue(800);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(box->Value(), 800) << "no further up";
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->Value(), 720);
    box->SetValue(5);
    box->stepBy(1);
    EXPECT_EQ(box->Value(), 15);
    box->stepBy(-3);
    EXPECT_EQ(box->Value(), 10);
}

TEST_F(SpinEditTest, DigitsBeyondWhatANumberHoldsAreRefused) {
    Type("99999999999");
    EXPECT_EQ(box->text(), "999999999");
    Type("x1");
    EXPECT_EQ(box->text(), "1");
}

} // namespace
} // namespace nudgery

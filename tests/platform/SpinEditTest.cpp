// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "SpinEdit.h"

namespace {

class SpinEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        spin.setRange(1, 6);
        spin.setValue(2);
        spin.show();
    }
    TSpinEdit spin;
};

TEST_F(SpinEditTest, CannotBeTypedInto) {
    spin.findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(&spin, "5");
    EXPECT_EQ(spin.Tekst(), "2");
    EXPECT_EQ(spin.Vrednost(), 2);
}

TEST_F(SpinEditTest, ArrowAndPageKeysMoveOneStepAndStopAtTheEnds) {
    QTest::keyClick(&spin, Qt::Key_PageUp);
    EXPECT_EQ(spin.value(), 3);
    for (int i = 0; i < 5; ++i) QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.value(), 6);
    for (int i = 0; i < 8; ++i) QTest::keyClick(&spin, Qt::Key_Down);
    EXPECT_EQ(spin.value(), 1);
}

TEST_F(SpinEditTest, ValuesSetFromCodeAreClamped) {
    spin.setValue(9);
    EXPECT_EQ(spin.Vrednost(), 6);
    spin.setValue(0);
    EXPECT_EQ(spin.Vrednost(), 1);
}

TEST_F(SpinEditTest, TextThatIsNotAnIntegerReadsAsTheMinimum) {
    spin.setValue(4);
    spin.findChild<QLineEdit*>()->setText("abc");
    EXPECT_EQ(spin.Vrednost(), 1);
}

}  // namespace

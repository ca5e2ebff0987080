// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTest>

#include "Edit.h"

namespace {

class EditTest : public ::testing::Test {
protected:
    void SetUp() override {
        edit.PostaviNajvecuDuzinu(5);
        edit.show();
    }
    TEdit edit;
};

TEST_F(EditTest, TypingStopsAtTheLimit) {
    QTest::keyClicks(&edit, "1234567");
    EXPECT_EQ(edit.text(), "12345");
}

TEST_F(EditTest, TextSetFromCodeIsKeptWholeAndCanBeShortenedByHand) {
    edit.setText("123456789");
    EXPECT_EQ(edit.text(), "123456789");
    edit.setCursorPosition(9);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "12345678");
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(edit.text(), "12345678");
}

TEST_F(EditTest, ARefusedKeyKeepsTheCaretWhereItWas) {
    edit.setText("12345");
    edit.setCursorPosition(2);
    QTest::keyClicks(&edit, "9");
    EXPECT_EQ(edit.text(), "12345");
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClicks(&edit, "9");
    EXPECT_EQ(edit.text(), "12945");
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <QTimer>

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

TEST_F(EditTest, ARefusedKeyLeavesTheUndoHistory) {
    edit.setText("1.0");
    edit.setCursorPosition(3);
    QTest::keyClicks(&edit, "25");
    QTest::keyClicks(&edit, "7");
    EXPECT_EQ(edit.text(), "1.025");
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "1.0");
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(edit.text(), "1.025");
}

TEST_F(EditTest, TypingOverASelectionReplacesItWithinTheLimit) {
    edit.setText("12345");
    edit.setSelection(1, 2);
    QTest::keyClicks(&edit, "9");
    EXPECT_EQ(edit.text(), "1945");
}

struct SlucajLepljenja {
    const char* naziv;
    const char* tekst;  // set from code
    int pocetak;        // the caret, or the selection's start
    int izabrano;       // characters selected from there
    const char* nalepljeno;
    const char* posle;
};

class LepljenjeTest : public EditTest, public ::testing::WithParamInterface<SlucajLepljenja> {};

TEST_P(LepljenjeTest, IsCutToTheRoomTheLimitLeaves) {
    const SlucajLepljenja& s = GetParam();
    edit.setText(s.tekst);
    if (s.izabrano > 0)
        edit.setSelection(s.pocetak, s.izabrano);
    else
        edit.setCursorPosition(s.pocetak);
    QApplication::clipboard()->setText(s.nalepljeno);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), s.posle);
    // The paste is one step back, whatever was cut off.
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), s.tekst);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, LepljenjeTest, ::testing::Values(
    SlucajLepljenja{"IntoAnEmptyEdit",          "",          0, 0, "123456789", "12345"},
    SlucajLepljenja{"AtTheEnd",                 "1.",        2, 0, "2589",      "1.258"},
    SlucajLepljenja{"InTheMiddle",              "19",        1, 0, "2345678",   "12349"},
    SlucajLepljenja{"ThatFits",                 "1",         1, 0, ".25",       "1.25"},
    SlucajLepljenja{"OverASelection",           "206.0",     0, 3, "1234567",   "123.0"},
    SlucajLepljenja{"IntoALongerTextFromCode",  "123456789", 9, 0, "0",         "123456789"},
    SlucajLepljenja{"OverPartOfALongerText",    "123456789", 0, 2, "abcd",      "ab3456789"}),
    [](const auto& info) { return std::string(info.param.naziv); });
// clang-format on

TEST_F(EditTest, TheContextMenusPasteIsCutToo) {
    QApplication::clipboard()->setText("123456789");
    edit.setText("1");
    edit.setCursorPosition(1);
    bool nalepljeno = false;
    QTimer::singleShot(0, &edit, [&] {
        auto* meni = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!meni) return;
        for (QAction* a : meni->actions())
            if (a->text().startsWith(QLineEdit::tr("&Paste"))) {
                a->trigger();
                nalepljeno = true;
            }
        meni->close();
    });
    QContextMenuEvent dogadjaj(QContextMenuEvent::Mouse, QPoint(5, 5),
                               edit.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&edit, &dogadjaj);
    EXPECT_TRUE(nalepljeno);
    EXPECT_EQ(edit.text(), "11234");
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard: where the focus starts, Enter on the form, the menu's
// shortcuts, the report's caret and the about box's OK.
#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "AplikacijaFixture.h"
#include "Edit.h"
#include "GlavniObrazac.h"
#include "OProgramu.h"
#include "PodaciObrazac.h"
#include "RezultatiObrazac.h"
#include "SpinEdit.h"

namespace {

using TastaturaTest = AplikacijaTest;

TEST_F(TastaturaTest, TheFocusStartsInTheFirstForce) {
    aplikacija->Prikazi();
    QApplication::processEvents();
    EXPECT_EQ(GlavniO->Klijent->activeSubWindow(), PodaciO);
    EXPECT_EQ(GlavniO->focusWidget(), PodaciO->txtP[0]);
}

struct SlucajPolja {
    const char* ime;
};

class EnterTest : public AplikacijaTest, public ::testing::WithParamInterface<SlucajPolja> {};

TEST_P(EnterTest, InAFieldPressesTheButton) {
    auto* polje = PodaciO->findChild<QWidget*>(GetParam().ime);
    ASSERT_NE(polje, nullptr);
    QTest::keyClick(polje, Qt::Key_Return);
    EXPECT_TRUE(PodaciO->Zakljucano());
    EXPECT_FALSE(RezultatiO->Linije().isEmpty());
    // The button has the focus once the fields are locked; Enter unlocks.
    QTest::keyClick(PodaciO->btnProracun, Qt::Key_Enter);
    EXPECT_FALSE(PodaciO->Zakljucano());
    EXPECT_TRUE(poruke.Prikazano.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Polja, EnterTest, ::testing::Values(
    SlucajPolja{"txtP1"}, SlucajPolja{"txtP2"}, SlucajPolja{"txtRastojanje1"},
    SlucajPolja{"txtRaspon"}, SlucajPolja{"txtProizvoljnoX"},
    SlucajPolja{"SpinEditBrojSila"}, SlucajPolja{"SpinEditBrojPreseka"}),
    [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

TEST_F(TastaturaTest, EnterWithARefusedTextShowsTheCheckAndStaysUnlocked) {
    PodaciO->txtRaspon->setText("abc");
    QTest::keyClick(PodaciO->txtRaspon, Qt::Key_Enter);
    EXPECT_EQ(PrikazaneGreske().size(), 1u);
    EXPECT_FALSE(PodaciO->Zakljucano());
}

struct SlucajPrecice {
    QAction* TGlavniO::*stavka;
    const char* precica;
};

class PrecicaTest : public AplikacijaTest, public ::testing::WithParamInterface<SlucajPrecice> {};

TEST_P(PrecicaTest, IsOnItsItem) {
    EXPECT_EQ((GlavniO->*GetParam().stavka)->shortcut(), QKeySequence(GetParam().precica));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Stavke, PrecicaTest, ::testing::Values(
    SlucajPrecice{&TGlavniO::Otvori,       "Ctrl+O"},
    SlucajPrecice{&TGlavniO::Snimi,        "Ctrl+S"},
    SlucajPrecice{&TGlavniO::Snimikao,     "Ctrl+Shift+S"},
    SlucajPrecice{&TGlavniO::Snimigrafik1, "Ctrl+P"},
    SlucajPrecice{&TGlavniO::Proracun,     "F9"},
    SlucajPrecice{&TGlavniO::Izlaz,        "Ctrl+Q"}));
// clang-format on

TEST_F(TastaturaTest, ShortcutsRunTheirCommandsFromTheForm) {
    aplikacija->Prikazi();
    GlavniO->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(GlavniO));
    QTest::keyClick(PodaciO->txtP[0], Qt::Key_F9);
    EXPECT_TRUE(PodaciO->Zakljucano());
    EXPECT_EQ(GlavniO->Proracun->text(), "Otkljucaj");

    poruke.OdgovoriNaPotvrde = {false};
    QTest::keyClick(RezultatiO->MemoText, Qt::Key_Q, Qt::ControlModifier);
    ASSERT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_EQ(poruke.Prikazano[0].tekst, "Da li zelte da zatvorite program?");
}

TEST_F(TastaturaTest, TheReportHasAKeyboardCaretAndStaysReadOnly) {
    QPlainTextEdit* memo = RezultatiO->MemoText;
    RezultatiO->PrikaziIzvestaj({"prva", "druga"});
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(memo->textCursor().position(), 10);
    QTest::keyClick(memo, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(memo, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(memo->textCursor().selectedText(), "ga");
    QTest::keyClicks(memo, "x");
    QTest::keyClick(memo, Qt::Key_Delete);
    EXPECT_EQ(RezultatiO->Linije(), (QStringList{"prva", "druga"}));
    QTest::keyClick(memo, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(memo->textCursor().selectedText(),
              QString("prva") + QChar::ParagraphSeparator + "druga");
    EXPECT_TRUE(memo->isReadOnly());
}

TEST_F(TastaturaTest, TheAboutBoxsOkHasTheFocusAndEnterClosesIt) {
    QWidget* fokus = nullptr;
    QTimer::singleShot(0, [&] {
        fokus = OProgramuObrazac->focusWidget();
        QTest::keyClick(OProgramuObrazac, Qt::Key_Return);
    });
    GlavniO->Oprogramu->trigger();
    EXPECT_EQ(fokus, OProgramuObrazac->ButtonOK);
    EXPECT_FALSE(OProgramuObrazac->isVisible());
}

}  // namespace

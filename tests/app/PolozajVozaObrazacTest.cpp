// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "AplikacijaFixture.h"
#include "Edit.h"
#include "GrafikObrazac.h"
#include "MereTeksta.h"
#include "PlatnoSlike.h"
#include "PlatnoZapis.h"
#include "PodaciObrazac.h"
#include "PolozajVozaDijagram.h"
#include "PolozajVozaObrazac.h"
#include "SpinEdit.h"

namespace {

class PolozajVozaObrazacTest : public AplikacijaTest {
protected:
    void Zakljucaj() {
        QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
        ASSERT_TRUE(PodaciO->Zakljucano());
    }

    // The window's picture as the drawing makes it for what it shows.
    static QImage Ocekivano(const TVoz& voz, const TUlazPolozaja& ulaz) {
        QWidget* p = GlavniO->PolozajVozaO->Povrsina;
        TPlatnoSlike platno(p->width(), p->height(), FontProzoraDijagrama(), p->logicalDpiY());
        NacrtajPolozajVoza(platno, p->width(), p->height(), voz, ulaz);
        return platno.Slika().convertToFormat(QImage::Format_RGB32);
    }

    static QImage Slika() {
        return GlavniO->PolozajVozaO->Povrsina->grab().toImage().convertToFormat(
            QImage::Format_RGB32);
    }

    const TVoz podrazumevani{2, {206, 208}, {5}, 9};
};

TEST_F(PolozajVozaObrazacTest, ItsItemsFollowTheExistingOnesAndStartOff) {
    const QList<QAction*> stavke = GlavniO->Proracunlastovar->actions();
    ASSERT_GE(stavke.size(), 4);
    EXPECT_EQ(stavke[2], GlavniO->PolozajVoza);
    EXPECT_EQ(stavke[3], GlavniO->ObaSmeraVoza);
    EXPECT_FALSE(GlavniO->PolozajVoza->isCheckable());
    EXPECT_TRUE(GlavniO->ObaSmeraVoza->isCheckable());
    EXPECT_FALSE(GlavniO->ObaSmeraVoza->isChecked());
    EXPECT_EQ(GlavniO->SmerVoza(), TSmerVoza::Napred);
    EXPECT_EQ(GlavniO->PolozajVozaO, nullptr);
}

// "Polozaj voza..." works only while a calculation stands.
TEST_F(PolozajVozaObrazacTest, TheItemIsEnabledOnlyWhileTheFormIsLocked) {
    EXPECT_FALSE(GlavniO->PolozajVoza->isEnabled());
    GlavniO->PolozajVoza->trigger();
    EXPECT_EQ(GlavniO->PolozajVozaO, nullptr);
    Zakljucaj();
    EXPECT_TRUE(GlavniO->PolozajVoza->isEnabled());
    GlavniO->Proracun->trigger();
    ASSERT_FALSE(PodaciO->Zakljucano());
    EXPECT_FALSE(GlavniO->PolozajVoza->isEnabled());
    // A refused press leaves it as it was.
    PodaciO->txtRaspon->setText(QStringLiteral("abc"));
    GlavniO->Proracun->trigger();
    EXPECT_FALSE(GlavniO->PolozajVoza->isEnabled());
}

// At first the window shows the form's arbitrary section; unlocked, it is
// white and its controls are off, locked again it draws once more.
TEST_F(PolozajVozaObrazacTest, OpensAtTheArbitrarySectionAndFollowsTheLock) {
    Zakljucaj();
    GlavniO->PolozajVoza->trigger();
    ASSERT_NE(GlavniO->PolozajVozaO, nullptr);
    TPolozajVozaO* o = GlavniO->PolozajVozaO;
    EXPECT_EQ(o->windowTitle(), QStringLiteral("Polozaj voza"));
    EXPECT_TRUE(o->isVisible());
    EXPECT_EQ(o->Presek(), 1.25);
    EXPECT_FALSE(o->P1().has_value());
    TUlazPolozaja ulaz;
    ulaz.x = 1.25;
    EXPECT_EQ(Slika(), Ocekivano(podrazumevani, ulaz));

    GlavniO->Proracun->trigger();
    ASSERT_FALSE(PodaciO->Zakljucano());
    EXPECT_EQ(GlavniO->PolozajVozaO, o) << "the window stays, empty";
    EXPECT_FALSE(o->Klizac->isEnabled());
    EXPECT_FALSE(o->Pusti->isEnabled());
    QImage bela(Slika().size(), QImage::Format_RGB32);
    bela.fill(Qt::white);
    EXPECT_EQ(Slika(), bela);

    Zakljucaj();
    EXPECT_TRUE(o->Klizac->isEnabled());
    EXPECT_EQ(Slika(), Ocekivano(podrazumevani, ulaz));
    EXPECT_TRUE(poruke.Prikazano.empty());
}

struct SlucajKlika {
    const char* opis;
    int odX0;  // the column, from x0 when odKraja is false, from x1 otherwise
    bool odKraja;
    std::optional<double> presek;
};

void PrintTo(const SlucajKlika& s, std::ostream* os) { *os << s.opis; }

class KlikNaDijagram : public PolozajVozaObrazacTest,
                       public testing::WithParamInterface<SlucajKlika> {};

// The clicked column maps to its section through the frame the last
// drawing gave back, the span's ends included.
TEST_P(KlikNaDijagram, OpensPolozajVozaAtTheClickedSection) {
    Zakljucaj();
    const TOkvirDijagrama& o = GrafikO->Okvir();
    ASSERT_EQ(o.sadrzaj, TSadrzajCrteza::Dijagrami);
    const int kolona = (GetParam().odKraja ? o.x1 : o.x0) + GetParam().odX0;
    QTest::mouseClick(GrafikO->Povrsina(), Qt::LeftButton, {}, QPoint(kolona, o.y1));
    if (!GetParam().presek) {
        EXPECT_EQ(GlavniO->PolozajVozaO, nullptr);
        return;
    }
    ASSERT_NE(GlavniO->PolozajVozaO, nullptr);
    EXPECT_EQ(GlavniO->PolozajVozaO->Presek(), *GetParam().presek);
    EXPECT_EQ(GlavniO->PolozajVozaO->Presek(), o.Presek(kolona));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kolone, KlikNaDijagram, testing::Values(
    SlucajKlika{"the left support", 0, false, 0.0},
    SlucajKlika{"just left of it", -3, false, 0.0},
    SlucajKlika{"the right support", 0, true, 9.0},
    SlucajKlika{"just right of it", 5, true, 9.0},
    SlucajKlika{"the captions beyond", 30, true, std::nullopt},
    SlucajKlika{"the margin before", -20, false, std::nullopt}
));
// clang-format on

TEST_F(PolozajVozaObrazacTest, AClickWhileUnlockedOpensNothing) {
    QTest::mouseClick(GrafikO->Povrsina(), Qt::LeftButton, {}, QPoint(200, 300));
    EXPECT_EQ(GlavniO->PolozajVozaO, nullptr);
    Zakljucaj();
    GlavniO->Proracun->trigger();
    QTest::mouseClick(GrafikO->Povrsina(), Qt::LeftButton, {}, QPoint(200, 300));
    EXPECT_EQ(GlavniO->PolozajVozaO, nullptr);
}

// The defaults fall short in extM around lambda_1; one force never does.
TEST_F(PolozajVozaObrazacTest, TheStatusLineTellsWhereTheClassicalFallsShort) {
    EXPECT_TRUE(GlavniO->TekstUpozorenja().isEmpty());
    Zakljucaj();
    // Largest at a column just beside lambda_1 = 4.478 m, two columns from
    // the report's 4.5 m: the column's section, in the report's format.
    const QString tekst = GlavniO->TekstUpozorenja();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Klasicni proracun je na strani nesigurnosti: "
                                          "extM manji za 1[01]\\.\\d % tacnog vrha u preseku "
                                          "x = 4\\.4[6-9]\\d+ \\[m\\]$"))
            .match(tekst)
            .hasMatch())
        << tekst.toStdString();
    EXPECT_FALSE(tekst.contains(QStringLiteral("maxT"))) << "0.34 % of its peak is no warning";
    EXPECT_FALSE(GlavniO->ManjkoviUpozorenja[0]->isHidden());
    EXPECT_TRUE(GlavniO->ManjkoviUpozorenja[1]->isHidden());

    QTest::mouseClick(GlavniO->ManjkoviUpozorenja[0], Qt::LeftButton);
    ASSERT_NE(GlavniO->PolozajVozaO, nullptr);
    EXPECT_NEAR(GlavniO->PolozajVozaO->Presek(), 4.48, 0.02);

    GlavniO->Proracun->trigger();
    EXPECT_TRUE(GlavniO->TekstUpozorenja().isEmpty());
    EXPECT_TRUE(GlavniO->ManjkoviUpozorenja[0]->isHidden());

    PodaciO->SpinEditBrojSila->setValue(1);
    Zakljucaj();
    EXPECT_TRUE(GlavniO->TekstUpozorenja().isEmpty());
    EXPECT_TRUE(poruke.Prikazano.empty());
}

// Play runs on the clock it is given: a crossing in eight seconds whatever
// the frames, stopping at the end.
TEST_F(PolozajVozaObrazacTest, PlayMovesTheTrainByTheClockAndStopsAtTheEnd) {
    Zakljucaj();
    GlavniO->PolozajVoza->trigger();
    TPolozajVozaO* o = GlavniO->PolozajVozaO;
    double sada = 100.0;
    o->Sat = [&sada] { return sada; };
    const TOpsegPrelaza opseg = o->Opseg();
    EXPECT_EQ(opseg.Od, -5.0);
    EXPECT_EQ(opseg.Do, 9.0);

    QTest::mouseClick(o->Pusti, Qt::LeftButton);
    EXPECT_TRUE(o->Pusten());
    EXPECT_TRUE(o->Tajmer->isActive());
    EXPECT_EQ(o->Tajmer->interval(), 16);
    EXPECT_EQ(o->Pusti->text(), QStringLiteral("Zaustavi"));
    ASSERT_TRUE(o->P1().has_value());
    EXPECT_EQ(*o->P1(), -5.0);

    sada += 2.0;  // a quarter of the crossing
    o->Korak();
    EXPECT_DOUBLE_EQ(*o->P1(), -5.0 + 14.0 / 4);
    EXPECT_EQ(o->Klizac->value(), TPolozajVozaO::kKoraka / 4);
    TUlazPolozaja ulaz;
    ulaz.x = 1.25;
    ulaz.p1 = *o->P1();
    EXPECT_EQ(Slika(), Ocekivano(podrazumevani, ulaz));

    sada += 100.0;
    o->Korak();
    EXPECT_EQ(*o->P1(), 9.0);
    EXPECT_FALSE(o->Pusten());
    EXPECT_EQ(o->Pusti->text(), QStringLiteral("Pusti"));
    EXPECT_EQ(o->Klizac->value(), TPolozajVozaO::kKoraka);

    // Played again from the end, it starts over.
    QTest::mouseClick(o->Pusti, Qt::LeftButton);
    EXPECT_EQ(*o->P1(), -5.0);
    // A press stops it where it is.
    sada += 4.0;
    o->Korak();
    QTest::mouseClick(o->Pusti, Qt::LeftButton);
    EXPECT_FALSE(o->Pusten());
    EXPECT_DOUBLE_EQ(*o->P1(), 2.0);
}

// The slider and the arrow keys move the train and stop the play; Escape
// and the button go back to the critical positions.
TEST_F(PolozajVozaObrazacTest, TheSliderAndKeysMoveTheTrain) {
    Zakljucaj();
    GlavniO->PolozajVoza->trigger();
    TPolozajVozaO* o = GlavniO->PolozajVozaO;
    o->Klizac->setFocus();
    QTest::keyClick(o->Klizac, Qt::Key_Right);
    ASSERT_TRUE(o->P1().has_value());
    EXPECT_DOUBLE_EQ(*o->P1(), -5.0 + 14.0 * o->Klizac->singleStep() / TPolozajVozaO::kKoraka);

    QTest::mouseClick(o->Pusti, Qt::LeftButton);
    ASSERT_TRUE(o->Pusten());
    QTest::keyClick(o->Klizac, Qt::Key_End);
    EXPECT_FALSE(o->Pusten());
    EXPECT_EQ(*o->P1(), 9.0);

    QTest::keyClick(o->Klizac, Qt::Key_Escape);
    EXPECT_FALSE(o->P1().has_value());
    o->PostaviP1(1.0);
    QTest::mouseClick(o->Kriticni, Qt::LeftButton);
    EXPECT_FALSE(o->P1().has_value());
    TUlazPolozaja ulaz;
    ulaz.x = 1.25;
    EXPECT_EQ(Slika(), Ocekivano(podrazumevani, ulaz));
}

// Both ways, the window considers the reversed train too and says so.
TEST_F(PolozajVozaObrazacTest, BothWaysTurnsTheExactPositions) {
    Zakljucaj();
    GlavniO->PolozajVoza->trigger();
    GlavniO->ObaSmeraVoza->setChecked(true);
    EXPECT_EQ(GlavniO->SmerVoza(), TSmerVoza::Oba);
    TUlazPolozaja ulaz;
    ulaz.x = 1.25;
    ulaz.smer = TSmerVoza::Oba;
    EXPECT_EQ(Slika(), Ocekivano(podrazumevani, ulaz));
    GlavniO->ObaSmeraVoza->setChecked(false);
    ulaz.smer = TSmerVoza::Napred;
    EXPECT_EQ(Slika(), Ocekivano(podrazumevani, ulaz));
}

// A light P1 and P3 about a heavy P2, a metre apart on 10 m: the classical
// maxT and minT both fall short, at the report's sections 1 and 2 m. Each
// quantity of the status line opens its own section, by the pointer or by
// the keyboard from F6 on.
TEST_F(PolozajVozaObrazacTest, EachQuantityOfTheStatusLineOpensItsOwnSection) {
    for (int i = 0; i < 3; ++i) PodaciO->txtP[i]->setText(i == 1 ? "100" : "1");
    PodaciO->txtRastojanje[0]->setText("1");
    PodaciO->txtRastojanje[1]->setText("1");
    PodaciO->txtRaspon->setText("10");
    PodaciO->SpinEditBrojSila->setValue(3);
    Zakljucaj();
    EXPECT_EQ(GlavniO->TekstUpozorenja(),
              "Klasicni proracun je na strani nesigurnosti: maxT manji za 9.1 % tacnog vrha u "
              "preseku x = 1 [m]; minT manji za 9.1 % tacnog vrha u preseku x = 2 [m]");
    QTest::mouseClick(GlavniO->ManjkoviUpozorenja[1], Qt::LeftButton);
    ASSERT_NE(GlavniO->PolozajVozaO, nullptr);
    EXPECT_EQ(GlavniO->PolozajVozaO->Presek(), 2.0);
    QTest::mouseClick(GlavniO->ManjkoviUpozorenja[0], Qt::LeftButton);
    EXPECT_EQ(GlavniO->PolozajVozaO->Presek(), 1.0);

    aplikacija->Prikazi();
    GlavniO->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(GlavniO));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), GlavniO->ManjkoviUpozorenja[0]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), GlavniO->ManjkoviUpozorenja[1]);
    QTest::keyClick(GlavniO->ManjkoviUpozorenja[1], Qt::Key_Space);
    EXPECT_EQ(GlavniO->PolozajVozaO->Presek(), 2.0);
    EXPECT_TRUE(poruke.Prikazano.empty());
}

// A new calculation shows its own case's section, whatever was picked in
// the last one; a pick stands until then.
TEST_F(PolozajVozaObrazacTest, ANewCalculationShowsItsCasesSection) {
    Zakljucaj();
    GlavniO->OtvoriPolozajVoza(6.5);
    TPolozajVozaO* o = GlavniO->PolozajVozaO;
    o->PostaviP1(2.0);
    GlavniO->ObaSmeraVoza->setChecked(true);
    EXPECT_EQ(o->Presek(), 6.5);
    GlavniO->Proracun->trigger();
    PodaciO->txtRaspon->setText("4.01");
    PodaciO->txtRastojanje[0]->setText("3");
    PodaciO->txtProizvoljnoX->setText("3.1667");
    GlavniO->Proracun->trigger();
    ASSERT_TRUE(PodaciO->Zakljucano());
    EXPECT_EQ(o->Presek(), 3.1667);
    EXPECT_FALSE(o->P1().has_value());
    EXPECT_EQ(o->Povrsina->accessibleName(),
              "Polozaj voza za presek x = 3.167 m, voz prelazi u oba smera");
    TUlazPolozaja ulaz;
    ulaz.x = 3.1667;
    ulaz.smer = TSmerVoza::Oba;
    EXPECT_EQ(Slika(), Ocekivano(TVoz(2, {206, 208}, {3}, 4.01), ulaz));
}

// It opens over the whole client area, its letters the input form's; one
// that a larger frame left partly outside comes back into it.
TEST_F(PolozajVozaObrazacTest, OpensFittingTheClientAreaInTheFormsLetters) {
    PostaviKlijenta(QSize(1000, 620));
    Zakljucaj();
    GlavniO->PolozajVoza->trigger();
    TPolozajVozaO* o = GlavniO->PolozajVozaO;
    EXPECT_EQ(o->geometry(), QRect(0, 0, 1000, 620));
    EXPECT_EQ(o->Pusti->font(), PodaciO->Klijent->font());
    EXPECT_EQ(o->Pusti->font().pixelSize(), 13);

    QWidget* p = o->Povrsina;
    TPlatnoZapis platno(FontProzoraDijagrama(), p->logicalDpiY());
    TUlazPolozaja ulaz;
    ulaz.x = 1.25;
    NacrtajPolozajVoza(platno, p->width(), p->height(), podrazumevani, ulaz);
    const int forma = QFontMetrics(PodaciO->Klijent->font()).height();
    EXPECT_EQ(forma, 15);
    for (const TOperacija& op : platno.Operacije()) {
        if (op.vrsta == TOperacija::Vrsta::Tekst) {
            ASSERT_GE(MereTeksta(*op.font, p->logicalDpiY(), op.tekst).visina, forma) << op.tekst;
        }
    }

    o->move(700, 400);
    GlavniO->OtvoriPolozajVoza(2);
    EXPECT_EQ(o->geometry(), QRect(0, 0, 1000, 620));
}

struct SlucajTipke {
    const char* opis;
    Qt::Key tipka;
    int koraci;  // of the slider from the middle; 0 for an end
    int kraj;    // -1 the start, 1 the end
};

void PrintTo(const SlucajTipke& s, std::ostream* os) { *os << s.opis; }

class TipkaPolozaja : public PolozajVozaObrazacTest,
                      public testing::WithParamInterface<SlucajTipke> {};

// The keys move the train from any control of the window, forward down
// the page.
TEST_P(TipkaPolozaja, MovesTheTrainFromAnyControl) {
    Zakljucaj();
    GlavniO->PolozajVoza->trigger();
    TPolozajVozaO* o = GlavniO->PolozajVozaO;
    for (QWidget* w : {static_cast<QWidget*>(o->Pusti), static_cast<QWidget*>(o->Klizac),
                       static_cast<QWidget*>(o->Kriticni)}) {
        o->Klizac->setValue(TPolozajVozaO::kKoraka / 2);
        QTest::keyClick(w, GetParam().tipka);
        const int ocekivano = GetParam().kraj < 0 ? 0
                              : GetParam().kraj > 0
                                  ? TPolozajVozaO::kKoraka
                                  : TPolozajVozaO::kKoraka / 2 + GetParam().koraci;
        EXPECT_EQ(o->Klizac->value(), ocekivano) << w->objectName().toStdString();
        ASSERT_TRUE(o->P1().has_value());
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tipke, TipkaPolozaja, testing::Values(
    SlucajTipke{"right", Qt::Key_Right, TPolozajVozaO::kKoraka / 200, 0},
    SlucajTipke{"left", Qt::Key_Left, -TPolozajVozaO::kKoraka / 200, 0},
    SlucajTipke{"page down", Qt::Key_PageDown, TPolozajVozaO::kKoraka / 20, 0},
    SlucajTipke{"page up", Qt::Key_PageUp, -TPolozajVozaO::kKoraka / 20, 0},
    SlucajTipke{"home", Qt::Key_Home, 0, -1},
    SlucajTipke{"end", Qt::Key_End, 0, 1}
), [](const auto& info) { return std::to_string(info.index); });
// clang-format on

// Tab reaches every control in the order they stand; F9 that unlocks from
// inside the window sends the focus back to the first force.
TEST_F(PolozajVozaObrazacTest, TabReachesEveryControlAndAnUnlockReturnsToTheForm) {
    aplikacija->Prikazi();
    GlavniO->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(GlavniO));
    Zakljucaj();
    GlavniO->PolozajVoza->trigger();
    TPolozajVozaO* o = GlavniO->PolozajVozaO;
    o->Pusti->setFocus();
    QTest::keyClick(o->Pusti, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), o->Klizac);
    QTest::keyClick(o->Klizac, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), o->Kriticni);
    QTest::keyClick(o->Kriticni, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), o->Klizac);
    // Space on a button presses it.
    QTest::keyClick(o->Kriticni, Qt::Key_Tab);
    o->PostaviP1(1);
    QTest::keyClick(o->Kriticni, Qt::Key_Space);
    EXPECT_FALSE(o->P1().has_value());

    QTest::keyClick(o->Klizac, Qt::Key_F9);
    ASSERT_FALSE(PodaciO->Zakljucano());
    EXPECT_EQ(QApplication::focusWidget(), PodaciO->txtP[0]);
    EXPECT_EQ(GlavniO->Klijent->activeSubWindow(), PodaciO);
}

TEST_F(PolozajVozaObrazacTest, ClosingTheWindowForgetsIt) {
    Zakljucaj();
    GlavniO->PolozajVoza->trigger();
    ASSERT_NE(GlavniO->PolozajVozaO, nullptr);
    GlavniO->PolozajVozaO->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(GlavniO->PolozajVozaO, nullptr);
    GlavniO->PolozajVoza->trigger();
    EXPECT_NE(GlavniO->PolozajVozaO, nullptr);
}

// Standing still, the window paints once for each change and then rests.
TEST_F(PolozajVozaObrazacTest, APaintAsksForNoFurtherPaint) {
    TBrojacSlikanja brojac;
    Zakljucaj();
    GlavniO->PolozajVoza->trigger();
    QApplication::processEvents();
    GlavniO->PolozajVozaO->Povrsina->installEventFilter(&brojac);
    GlavniO->PolozajVozaO->PostaviP1(2.0);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    EXPECT_EQ(brojac.slikanja, 1);
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
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
#include "PlatnoSlike.h"
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
    EXPECT_TRUE(GlavniO->Upozorenje->text().isEmpty());
    Zakljucaj();
    // Largest at a column just beside lambda_1 = 4.478 m.
    const QString tekst = GlavniO->Upozorenje->text();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Klasicni proracun je na strani nesigurnosti: "
                                          "extM manji za 1[01]\\.\\d % tacnog vrha u preseku "
                                          "x = 4\\.4[6-9]\\d \\[m\\]$"))
            .match(tekst)
            .hasMatch())
        << tekst.toStdString();
    EXPECT_FALSE(tekst.contains(QStringLiteral("maxT"))) << "0.34 % of its peak is no warning";
    EXPECT_TRUE(GlavniO->Upozorenje->isEnabled());

    QTest::mouseClick(GlavniO->Upozorenje, Qt::LeftButton);
    ASSERT_NE(GlavniO->PolozajVozaO, nullptr);
    EXPECT_NEAR(GlavniO->PolozajVozaO->Presek(), 4.48, 0.02);

    GlavniO->Proracun->trigger();
    EXPECT_TRUE(GlavniO->Upozorenje->text().isEmpty());
    EXPECT_FALSE(GlavniO->Upozorenje->isEnabled());

    PodaciO->SpinEditBrojSila->setValue(1);
    Zakljucaj();
    EXPECT_TRUE(GlavniO->Upozorenje->text().isEmpty());
    EXPECT_FALSE(GlavniO->Upozorenje->isEnabled());
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

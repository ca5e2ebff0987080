// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "AplikacijaFixture.h"
#include "GrafikObrazac.h"
#include "IzvestajLastovar.h"
#include "IzvestajTacneAnvelope.h"
#include "NacrtajDijagrame.h"
#include "PlatnoSlike.h"
#include "PodaciObrazac.h"
#include "TacnaAnvelopaObrazac.h"

namespace {

using TacnaAnvelopaObrazacTest = AplikacijaTest;

// The defaults drawn as the diagram window's canvas draws them after
// `crtanja` earlier drawings, with or without the exact envelopes.
QImage OcekivaniCrtez(int crtanja, bool tacna) {
    const QSize v = GrafikO->Povrsina()->size();
    TPlatnoSlike platno(v.width(), v.height(), FontProzoraDijagrama(),
                        GrafikO->Povrsina()->logicalDpiY());
    TUlazDijagrama ulaz;
    ulaz.tacnaAnvelopa = tacna;
    for (int i = 0; i <= crtanja; ++i)
        NacrtajDijagrame(platno, v.width(), v.height(), kZaProgram, {platno, v.width(), v.height()},
                         ulaz);
    return platno.Slika().convertToFormat(QImage::Format_RGB32);
}

QImage Platno() {
    return dynamic_cast<TPlatnoSlike&>(GrafikO->Platno())
        .Slika()
        .convertToFormat(QImage::Format_RGB32);
}

QImage Prozor() {
    return GrafikO->Povrsina()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QStringList Podrazumevano(const std::vector<std::string>& linije) {
    QStringList l;
    for (const std::string& s : linije) l << QString::fromStdString(s);
    return l;
}

// The window's lines for the defaults: the comparison, then Mgov beside the
// absolute maximum.
QStringList LinijeProzora(TSmerVoza smer) {
    std::vector<std::string> l = IzvestajTacneAnvelope(PodrazumevaniTekstovi('.'), 2, '.', smer);
    for (const std::string& m : LinijeMgov(PodrazumevaniTekstovi('.'), 2, '.', smer))
        l.push_back(m);
    return Podrazumevano(l);
}

TEST_F(TacnaAnvelopaObrazacTest, IsACheckableItemAfterProracunOffAtStart) {
    const QList<QAction*> stavke = GlavniO->Proracunlastovar->actions();
    ASSERT_GE(stavke.size(), 2);
    EXPECT_EQ(stavke[0], GlavniO->Proracun);
    EXPECT_EQ(stavke[1], GlavniO->TacnaAnvelopa);
    EXPECT_EQ(GlavniO->TacnaAnvelopa->text(), QStringLiteral("Tacna anvelopa"));
    EXPECT_TRUE(GlavniO->TacnaAnvelopa->isCheckable());
    EXPECT_FALSE(GlavniO->TacnaAnvelopa->isChecked());
    EXPECT_EQ(GlavniO->TacnaAnvelopaO, nullptr);
}

// Turned on and off again before the calculation: the report and the
// diagram are those of the classical calculation alone.
TEST_F(TacnaAnvelopaObrazacTest, WhileOffTheReportAndDiagramAreUnchanged) {
    GlavniO->TacnaAnvelopa->setChecked(true);
    GlavniO->TacnaAnvelopa->setChecked(false);
    EXPECT_EQ(GlavniO->TacnaAnvelopaO, nullptr);
    QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
    ASSERT_TRUE(PodaciO->Zakljucano());
    EXPECT_EQ(Platno(), OcekivaniCrtez(0, false));
    EXPECT_EQ(RezultatiO->Linije(),
              Podrazumevano(SastaviIzvestaj(PodrazumevaniTekstovi('.'), "2", 2, '.').Linije));
    QApplication::processEvents();
    GrafikO->Povrsina()->repaint();
    EXPECT_EQ(Prozor(), OcekivaniCrtez(1, false));
    EXPECT_TRUE(poruke.Prikazano.empty());
}

TEST_F(TacnaAnvelopaObrazacTest, FilledWhileOnAndLockedClearedOnUnlock) {
    GlavniO->TacnaAnvelopa->setChecked(true);
    ASSERT_NE(GlavniO->TacnaAnvelopaO, nullptr);
    EXPECT_EQ(GlavniO->TacnaAnvelopaO->windowTitle(), QStringLiteral("Tacna anvelopa"));
    EXPECT_TRUE(GlavniO->TacnaAnvelopaO->isVisible());
    EXPECT_TRUE(GlavniO->TacnaAnvelopaO->Linije().isEmpty());

    QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
    ASSERT_TRUE(PodaciO->Zakljucano());
    const QStringList linije = LinijeProzora(TSmerVoza::Napred);
    EXPECT_EQ(GlavniO->TacnaAnvelopaO->Linije(), linije);
    EXPECT_EQ(linije.back(),
              QStringLiteral("Apsolutni maksimum - Mgov = 0 [kNm], Mgov manji za 0 [%]"));
    EXPECT_TRUE(
        linije.contains(QStringLiteral("extM: 11.0042735042735 [%] u preseku x = 4.5 [m]")));
    EXPECT_EQ(Platno(), OcekivaniCrtez(0, true));
    EXPECT_NE(Platno(), OcekivaniCrtez(0, false));

    GlavniO->Proracun->trigger();
    ASSERT_FALSE(PodaciO->Zakljucano());
    EXPECT_TRUE(GlavniO->TacnaAnvelopaO->Linije().isEmpty());
    EXPECT_TRUE(poruke.Prikazano.empty());
}

// Turned on while locked, the window fills at once and the diagram window
// draws the exact envelopes on its next repaint; turned off, both go back.
TEST_F(TacnaAnvelopaObrazacTest, FollowsTheItemWhileLocked) {
    QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
    ASSERT_TRUE(PodaciO->Zakljucano());
    GlavniO->TacnaAnvelopa->setChecked(true);
    ASSERT_NE(GlavniO->TacnaAnvelopaO, nullptr);
    EXPECT_EQ(GlavniO->TacnaAnvelopaO->Linije(), LinijeProzora(TSmerVoza::Napred));
    QApplication::processEvents();
    GrafikO->Povrsina()->repaint();
    EXPECT_EQ(Prozor(), OcekivaniCrtez(1, true));

    GlavniO->TacnaAnvelopa->setChecked(false);
    EXPECT_EQ(GlavniO->TacnaAnvelopaO, nullptr);
    QApplication::processEvents();
    GrafikO->Povrsina()->repaint();
    EXPECT_EQ(Prozor(), OcekivaniCrtez(1, false));
    EXPECT_TRUE(poruke.Prikazano.empty());
}

// "Oba smera voza" turns the train round in the window and the diagram at
// once, and back.
TEST_F(TacnaAnvelopaObrazacTest, FollowsBothWaysOfTheTrain) {
    GlavniO->TacnaAnvelopa->setChecked(true);
    QTest::mouseClick(PodaciO->btnProracun, Qt::LeftButton);
    ASSERT_TRUE(PodaciO->Zakljucano());
    GlavniO->ObaSmeraVoza->setChecked(true);
    EXPECT_EQ(GlavniO->TacnaAnvelopaO->Linije(), LinijeProzora(TSmerVoza::Oba));
    EXPECT_TRUE(
        GlavniO->TacnaAnvelopaO->Linije().contains(QStringLiteral("Voz: P1..P2 ili P2..P1")));
    GlavniO->ObaSmeraVoza->setChecked(false);
    EXPECT_EQ(GlavniO->TacnaAnvelopaO->Linije(), LinijeProzora(TSmerVoza::Napred));
    EXPECT_TRUE(poruke.Prikazano.empty());
}

}  // namespace

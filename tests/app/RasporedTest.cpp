// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QMdiArea>

#include "AplikacijaFixture.h"
#include "GrafikObrazac.h"
#include "PodaciObrazac.h"
#include "Raspored.h"
#include "RezultatiObrazac.h"
#include "TacnaAnvelopaObrazac.h"

namespace {

struct SlucajRasporeda {
    const char* ime;
    QSize klijent;
    bool saTacnom;
    QRect podaci, rezultati, grafik, tacna;
};

class StandardniRasporedTest : public ::testing::TestWithParam<SlucajRasporeda> {};

TEST_P(StandardniRasporedTest, PlacesTheWindows) {
    const SlucajRasporeda& s = GetParam();
    const TRaspored r = StandardniRasporedZa(s.klijent, s.saTacnom);
    EXPECT_EQ(r.Podaci, s.podaci);
    EXPECT_EQ(r.Rezultati, s.rezultati);
    EXPECT_EQ(r.Grafik, s.grafik);
    EXPECT_EQ(r.TacnaAnvelopa, s.tacna);
    // "Tacna anvelopa" shares the column below the form with the results:
    // it covers neither the diagrams nor the form.
    if (s.saTacnom) {
        EXPECT_FALSE(r.TacnaAnvelopa.intersects(r.Grafik));
        EXPECT_FALSE(r.TacnaAnvelopa.intersects(r.Podaci));
        EXPECT_FALSE(r.TacnaAnvelopa.intersects(r.Rezultati));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Klijenti, StandardniRasporedTest, ::testing::Values(
    SlucajRasporeda{"Obican", {1000, 700}, false, {0, 0, 449, 435}, {0, 435, 449, 261}, {449, 0, 547, 696}, {}},
    SlucajRasporeda{"TacnoZaGrafik", {853, 439}, false, {0, 0, 449, 435}, {0, 435, 449, 0}, {449, 0, 400, 435}, {}},
    SlucajRasporeda{"Uzan", {700, 700}, false, {0, 0, 449, 435}, {0, 435, 449, 261}, {449, 0, 400, 696}, {}},
    SlucajRasporeda{"Nizak", {1000, 300}, false, {0, 0, 449, 435}, {0, 435, 449, 0}, {449, 0, 547, 400}, {}},
    SlucajRasporeda{"Prazan", {0, 0}, false, {0, 0, 449, 435}, {0, 435, 449, 0}, {449, 0, 400, 400}, {}},
    SlucajRasporeda{"SaTacnom", {1000, 700}, true, {0, 0, 449, 435}, {0, 435, 449, 130}, {449, 0, 547, 696}, {0, 565, 449, 131}},
    SlucajRasporeda{"SaTacnomVeliki", {1600, 1000}, true, {0, 0, 449, 435}, {0, 435, 449, 280}, {449, 0, 1147, 996}, {0, 715, 449, 281}},
    SlucajRasporeda{"SaTacnomNizak", {1000, 300}, true, {0, 0, 449, 435}, {0, 435, 449, 0}, {449, 0, 547, 400}, {0, 435, 449, 0}}),
    [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

// "Merodavne vrednosti" lies under the diagram window where the column
// holds both, and in its place, in front of it, on a lower screen.
TEST(StandardniRaspored, PlacesMerodavneVrednostiInTheDiagramsColumn) {
    const TRaspored visok = StandardniRasporedZa({1600, 1000}, false, true);
    EXPECT_EQ(visok.Grafik, QRect(449, 0, 1147, 400));
    EXPECT_EQ(visok.Merodavne, QRect(449, 400, 1147, 596));
    const TRaspored nizak = StandardniRasporedZa({1000, 700}, true, true);
    EXPECT_EQ(nizak.Grafik, QRect(449, 0, 547, 696));
    EXPECT_EQ(nizak.Merodavne, nizak.Grafik);
    EXPECT_EQ(nizak.TacnaAnvelopa, QRect(0, 565, 449, 131));
}

using PrimenjenRasporedTest = AplikacijaTest;

TEST_F(PrimenjenRasporedTest, FollowsEverySizeChangeOfTheFrame) {
    EXPECT_EQ(PodaciO->geometry(), QRect(0, 0, 449, 435));
    EXPECT_EQ(RezultatiO->geometry(), QRect(0, 435, 449, 261));
    EXPECT_EQ(GrafikO->geometry(), QRect(449, 0, 547, 696));
    PostaviKlijenta(QSize(1200, 800));
    EXPECT_EQ(RezultatiO->geometry(), QRect(0, 435, 449, 361));
    EXPECT_EQ(GrafikO->geometry(), QRect(449, 0, 747, 796));
}

TEST_F(PrimenjenRasporedTest, NarrowAndLowFramesKeepTheDiagramWindowsMinimum) {
    PostaviKlijenta(QSize(700, 435));
    EXPECT_EQ(GrafikO->geometry(), QRect(449, 0, 400, 431));
    EXPECT_GT(GrafikO->geometry().right(), GlavniO->KlijentskaVelicina().width());
    EXPECT_EQ(RezultatiO->height(), 0);
}

// Turned on, the window "Tacna anvelopa" takes the lower half of the results'
// column; turned off, the results have the column back. The arrangement
// keeps it there.
TEST_F(PrimenjenRasporedTest, PlacesTheWindowTacnaAnvelopaBelowTheResults) {
    GlavniO->TacnaAnvelopa->setChecked(true);
    ASSERT_NE(GlavniO->TacnaAnvelopaO, nullptr);
    EXPECT_EQ(GlavniO->TacnaAnvelopaO->geometry(), QRect(0, 565, 449, 131));
    EXPECT_EQ(RezultatiO->geometry(), QRect(0, 435, 449, 130));
    EXPECT_EQ(GrafikO->geometry(), QRect(449, 0, 547, 696));
    GlavniO->TacnaAnvelopaO->showMinimized();
    PostaviKlijenta(QSize(1600, 1000));
    EXPECT_EQ(GlavniO->TacnaAnvelopaO->geometry(), QRect(0, 715, 449, 281));
    EXPECT_FALSE(GlavniO->TacnaAnvelopaO->isMinimized());
    GlavniO->TacnaAnvelopa->setChecked(false);
    EXPECT_EQ(RezultatiO->geometry(), QRect(0, 435, 449, 561));
}

TEST_F(PrimenjenRasporedTest, BringsBackMinimisedAndMaximisedWindows) {
    RezultatiO->close();
    EXPECT_TRUE(RezultatiO->isMinimized());
    GlavniO->MiximizujDijagramLastovar->trigger();
    EXPECT_TRUE(GrafikO->isMaximized());
    PodaciO->move(200, 150);
    GlavniO->Podesistandardniraspored->trigger();
    // The menu bar gives back the maximised window's buttons, and the
    // client area its height, once the events are handled.
    QApplication::processEvents();
    for (QMdiSubWindow* p :
         {static_cast<QMdiSubWindow*>(PodaciO), static_cast<QMdiSubWindow*>(RezultatiO),
          static_cast<QMdiSubWindow*>(GrafikO)}) {
        EXPECT_FALSE(p->isMinimized() || p->isMaximized()) << p->objectName().toStdString();
        EXPECT_TRUE(p->isVisible());
    }
    EXPECT_EQ(PodaciO->geometry(), QRect(0, 0, 449, 435));
    EXPECT_EQ(RezultatiO->geometry(), QRect(0, 435, 449, 261));
    EXPECT_EQ(GrafikO->geometry(), QRect(449, 0, 547, 696));
}

// Also once the maximised window's buttons have joined the menu bar, which
// may make it taller and the client area lower, with the frame's size
// unchanged.
TEST_F(PrimenjenRasporedTest, TheMaximiseCommandsMaximiseOnlyTheirWindow) {
    GlavniO->MiximizujRezultatiProracuna->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(RezultatiO->isMaximized());
    EXPECT_EQ(RezultatiO->size(), GlavniO->KlijentskaVelicina());
    EXPECT_FALSE(PodaciO->isMaximized());
    GlavniO->MiximizujDijagramLastovar->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(GrafikO->isMaximized());
    EXPECT_EQ(GrafikO->size(), GlavniO->KlijentskaVelicina());
}

}  // namespace

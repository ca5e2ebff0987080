// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NacrtajDijagrame.h"
#include "PlatnoZapis.h"
#include "Zaokruzivanje.h"

namespace {

using Vrsta = TOperacija::Vrsta;

struct SlucajOkvira {
    const char* opis;
    std::string_view cilj;
    int sirina;
    int visina;
    std::vector<std::string> sile;
    std::vector<std::string> razmaci;
    const char* raspon;
};

void PrintTo(const SlucajOkvira& s, std::ostream* os) { *os << s.opis; }

// The drawing in a window of its own size, the frame it gives back and what
// it drew.
struct Crtez {
    TPlatnoZapis platno{FontProzoraDijagrama()};
    TOkvirDijagrama okvir;

    explicit Crtez(const SlucajOkvira& s, std::int32_t brojSila = 0) {
        TUlazDijagrama ulaz;
        for (std::size_t i = 0; i < s.sile.size(); ++i) ulaz.tekstovi.P[i] = s.sile[i];
        for (std::size_t i = 0; i < s.razmaci.size(); ++i)
            ulaz.tekstovi.Rastojanje[i] = s.razmaci[i];
        ulaz.tekstovi.Raspon = s.raspon;
        ulaz.tekstovi.ProizvoljnoX = "0";
        ulaz.brojSila = brojSila != 0 ? brojSila : static_cast<std::int32_t>(s.sile.size());
        okvir = NacrtajDijagrame(platno, s.sirina, s.visina, s.cilj, {platno, s.sirina, s.visina},
                                 ulaz);
    }

    std::vector<TOperacija> Linije(TOlovka olovka) const {
        std::vector<TOperacija> l;
        for (const TOperacija& o : platno.Operacije())
            if (o.vrsta == Vrsta::Linija && o.olovka == olovka) l.push_back(o);
        return l;
    }
};

class OkvirCrteza : public testing::TestWithParam<SlucajOkvira> {};

// The frame is the one drawn: its reference lines and its horizontal scale,
// with the thick ordinates of the supports at the span's two ends.
TEST_P(OkvirCrteza, IsTheFrameTheDiagramsWereDrawnIn) {
    const Crtez c(GetParam());
    const TOkvirDijagrama& o = c.okvir;
    ASSERT_EQ(o.sadrzaj, TSadrzajCrteza::Dijagrami);
    const bool stampa = GetParam().cilj != kZaProgram;
    EXPECT_EQ(o.stampa, stampa);
    const auto osnova = c.Linije({kCrna, stampa ? 8 : 4});
    ASSERT_EQ(osnova.size(), 2u);
    EXPECT_EQ(std::vector<int>({osnova[0].x1, osnova[0].y1, osnova[0].x2, osnova[1].y1}),
              std::vector<int>({o.x0, o.y0, o.x1, o.y1}));
    EXPECT_EQ(o.s, std::stod(GetParam().raspon) / static_cast<double>(o.x1 - o.x0));
    const auto debele = c.Linije({kCrvena, stampa ? 6 : 2});
    ASSERT_EQ(debele.size(), 3u);
    EXPECT_EQ(debele[1].x1, o.Kolona(0));
    EXPECT_EQ(debele[2].x1, o.Kolona(o.L));
}

// Both ends of the span and every column between them: a column maps to the
// section its curves were sampled at, and that section back to the column.
TEST_P(OkvirCrteza, MapsEveryColumnToItsSampleAndBack) {
    const TOkvirDijagrama& o = Crtez(GetParam()).okvir;
    const double L = std::stod(GetParam().raspon);
    EXPECT_EQ(o.L, L);
    EXPECT_EQ(o.Presek(o.x0), 0.0);
    EXPECT_EQ(o.Kolona(0), o.x0);
    EXPECT_EQ(o.Kolona(L), o.x1);
    EXPECT_EQ(o.Presek(o.x1), std::min(static_cast<double>(o.x1 - o.x0) * o.s, L));
    EXPECT_NEAR(o.Presek(o.x1), L, L * 1e-15);
    // beyond the ends: the ends themselves
    EXPECT_EQ(o.Presek(o.x0 - 1), 0.0);
    EXPECT_EQ(o.Presek(-1000000), 0.0);
    EXPECT_EQ(o.Presek(o.x1 + 1), o.Presek(o.x1));
    for (std::int32_t k = o.x0; k <= o.x1; ++k) {
        ASSERT_EQ(o.Presek(k), o.Uzorak(k - o.x0)) << k;
        ASSERT_EQ(o.Kolona(o.Presek(k)), k) << k;
        if (k > o.x0) {
            ASSERT_GT(o.Presek(k), o.Presek(k - 1)) << k;
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, OkvirCrteza, testing::Values(
    SlucajOkvira{"ScreenDefaults", kZaProgram, 800, 600, {"206.0", "208.0"}, {"5.0"}, "9.0"},
    // 561 * (9 / 561) rounds above 9: the last column's sample is held at L
    SlucajOkvira{"ScreenLastSamplePastTheSpan", kZaProgram, 711, 600, {"206.0", "208.0"}, {"5.0"}, "9.0"},
    SlucajOkvira{"PrintA4SixForces", kZaStampac, 2100, 3712, {"60", "80", "100", "40", "70", "90"}, {"1.2", "0.8", "1.5", "1", "2"}, "12"}
), [](const auto& info) { return std::string(info.param.opis); });
// clang-format on

TEST(OkvirDijagrama, ScalesAreThoseOfTheDrawnLabels) {
    // The defaults on A4: Mgov = 487.682 kNm stands 742 dots below y0, and
    // maxT at the left support, 298.444 kN, 0.2 H * 298.444 / 414 above y1.
    const Crtez c({"A4", kZaStampac, 2100, 3712, {"206.0", "208.0"}, {"5.0"}, "9.0"});
    const TOkvirDijagrama& o = c.okvir;
    EXPECT_NEAR(static_cast<double>(o.kM), 0.2 * 3712 / 487.682232957595, 1e-12);
    EXPECT_NEAR(static_cast<double>(o.kT), 0.2 * 3712 / 414, 1e-12);
    const auto debele = c.Linije({kCrvena, 6});
    ASSERT_EQ(debele.size(), 3u);
    EXPECT_EQ(debele[0].y2 - o.y0, 742);
    EXPECT_EQ(debele[1].y2, ZaokruziParno(-298.444444444444444L * o.kT + o.y1));
}

struct SlucajBezDijagrama {
    const char* opis;
    SlucajOkvira slucaj;
    std::int32_t brojSila;
    TSadrzajCrteza sadrzaj;
};

void PrintTo(const SlucajBezDijagrama& s, std::ostream* os) { *os << s.opis; }

class BezDijagrama : public testing::TestWithParam<SlucajBezDijagrama> {};

TEST_P(BezDijagrama, TheFrameSaysSo) {
    const TOkvirDijagrama o = Crtez(GetParam().slucaj, GetParam().brojSila).okvir;
    EXPECT_EQ(o.sadrzaj, GetParam().sadrzaj);
    EXPECT_EQ(o.kM, 0);
    EXPECT_EQ(o.kT, 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, BezDijagrama, testing::Values(
    SlucajBezDijagrama{"MinimisedWindow", {"", kZaProgram, 0, 600, {"206.0", "208.0"}, {"5.0"}, "9.0"}, 2, TSadrzajCrteza::Nista},
    SlucajBezDijagrama{"ForceCountSeven", {"", kZaProgram, 800, 600, {"206.0", "208.0"}, {"5.0"}, "9.0"}, 7, TSadrzajCrteza::Okvir},
    SlucajBezDijagrama{"PrintWithoutRoom", {"", kZaStampac, 400, 3712, {"206.0", "208.0"}, {"5.0"}, "9.0"}, 2, TSadrzajCrteza::Okvir},
    SlucajBezDijagrama{"SpanBelowTheSmallestDoublePerColumn", {"", kZaProgram, 800, 600, {"206.0", "208.0"}, {"1e-323"}, "1e-322"}, 2, TSadrzajCrteza::Okvir}
), [](const auto& info) { return std::string(info.param.opis); });
// clang-format on

}  // namespace

// A click up to 5 columns beside the span is meant for its end; farther off,
// or on a frame without diagrams, it asks for no section.
TEST(OkvirDijagrama, ClickMapsToASectionNearTheSpan) {
    TOkvirDijagrama o(false, 800, 600, 9.0);
    EXPECT_EQ(o.PresekKlika(375), std::nullopt);
    o.sadrzaj = TSadrzajCrteza::Dijagrami;
    for (const auto& [kolona, presek] :
         {std::pair<std::int64_t, std::optional<double>>{44, std::nullopt},
          {45, 0.0},
          {50, 0.0},
          {375, 325 * (9.0 / 650)},
          {705, 9.0},
          {706, std::nullopt}})
        EXPECT_EQ(o.PresekKlika(kolona), presek) << kolona;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "Konverzija.h"
#include "NacrtajDijagrame.h"
#include "PlatnoZapis.h"
#include "Zaokruzivanje.h"

namespace {

using Vrsta = TOperacija::Vrsta;

std::vector<TOperacija> SamoVrste(const std::vector<TOperacija>& ops, Vrsta v) {
    std::vector<TOperacija> izbor;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(izbor),
                 [v](const TOperacija& o) { return o.vrsta == v; });
    return izbor;
}

std::vector<TOperacija> Linije(const std::vector<TOperacija>& ops, TOlovka olovka) {
    std::vector<TOperacija> izbor;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(izbor), [&](const TOperacija& o) {
        return o.vrsta == Vrsta::Linija && o.olovka == olovka;
    });
    return izbor;
}

struct Tacka {
    int x, y;
    std::string tekst;
    friend bool operator==(const Tacka&, const Tacka&) = default;
};

std::ostream& operator<<(std::ostream& os, const Tacka& t) {
    return os << '(' << t.x << ", " << t.y << ") \"" << t.tekst << '"';
}

std::vector<Tacka> Tekstovi(const std::vector<TOperacija>& ops) {
    std::vector<Tacka> t;
    for (const TOperacija& o : SamoVrste(ops, Vrsta::Tekst)) t.push_back({o.x1, o.y1, o.tekst});
    return t;
}

TekstoviUnosa Slucaj(std::vector<std::string> sile, std::vector<std::string> razmaci,
                     std::string raspon) {
    TekstoviUnosa t = PodrazumevaniTekstovi('.');
    for (std::size_t i = 0; i < sile.size(); ++i) t.P[i] = sile[i];
    for (std::size_t i = 0; i < razmaci.size(); ++i) t.Rastojanje[i] = razmaci[i];
    t.Raspon = raspon;
    return t;
}

constexpr TOlovka kOsnova{kCrna, 4};
constexpr TOlovka kKriva{kPlava, 2};
constexpr TOlovka kTanka{kCrvena, 1};
constexpr TOlovka kDebela{kCrvena, 2};

// The diagram window: its canvas carries over pen and font from one drawing
// to the next, as a real window's does.
class Dijagram : public testing::Test {
protected:
    TPlatnoZapis prozor{FontProzoraDijagrama()};
    TUlazDijagrama ulaz;

    std::vector<TOperacija> NaEkranu(int sirina, int visina) {
        const std::size_t pre = prozor.Operacije().size();
        NacrtajDijagrame(prozor, sirina, visina, kZaProgram, {prozor, sirina, visina}, ulaz);
        return {prozor.Operacije().begin() + static_cast<std::ptrdiff_t>(pre),
                prozor.Operacije().end()};
    }
};

TEST_F(Dijagram, PrintsTheDefaultsOnA4WithTheInitialFactors) {
    TPlatnoZapis stampac(FontProzoraDijagrama(), 600);
    NacrtajDijagrame(stampac, 2100, 3712, kZaStampac, {prozor, 800, 600}, ulaz);
    const auto& ops = stampac.Operacije();

    const auto osnova = Linije(ops, {kCrna, 8});
    ASSERT_EQ(osnova.size(), 2u);
    EXPECT_EQ((Tacka{osnova[0].x1, osnova[0].y1, ""}), (Tacka{200, 464, ""}));
    EXPECT_EQ((Tacka{osnova[0].x2, osnova[0].y2, ""}), (Tacka{1900, 464, ""}));
    EXPECT_EQ((Tacka{osnova[1].x1, osnova[1].y1, ""}), (Tacka{200, 2475, ""}));
    EXPECT_EQ((Tacka{osnova[1].x2, osnova[1].y2, ""}), (Tacka{1900, 2475, ""}));

    EXPECT_EQ(Linije(ops, {kPlava, 4}).size(), 3u * 1701);

    const auto tanke = Linije(ops, {kCrvena, 4});
    ASSERT_EQ(tanke.size(), 3u);
    EXPECT_EQ((Tacka{tanke[0].x1, tanke[0].y1, ""}), (Tacka{1046, 464, ""}));
    EXPECT_EQ((Tacka{tanke[1].x1, tanke[1].y1, ""}), (Tacka{956, 2475, ""}));
    EXPECT_EQ((Tacka{tanke[2].x1, tanke[2].y1, ""}), (Tacka{1144, 2475, ""}));
    for (const TOperacija& t : tanke) EXPECT_EQ(t.x1, t.x2);

    const auto debele = Linije(ops, {kCrvena, 6});
    ASSERT_EQ(debele.size(), 3u);
    EXPECT_EQ((Tacka{debele[0].x1, debele[0].y2, ""}), (Tacka{1285, 464 + 742, ""}));
    EXPECT_EQ(debele[1].x1, 200);
    EXPECT_EQ(debele[2].x1, 1900);

    // Labels toff = 96 below and toff - 12 = 84 above their points, the
    // minT jump label ds = 240 to the left; captions in the print font.
    const std::vector<Tacka> ocekivano{{1285, 1302, "487.682"},  {1285, 380, "5.744"},
                                       {200, 1856, "298.444"},   {956, 2186, "114.444"},
                                       {1900, 3108, "299.556"},  {904, 2778, "115.556"},
                                       {1920, 452, "extM[kNm]"}, {1920, 2463, "extT[kN]"},
                                       {1756, 1995, "maxT[kN]"}, {200, 2859, "minT[kN]"}};
    EXPECT_EQ(Tekstovi(ops), ocekivano);
    for (const TOperacija& t : SamoVrste(ops, Vrsta::Tekst)) {
        EXPECT_EQ(t.boja, kCrna) << t.tekst;
        EXPECT_EQ(t.velicina, 12) << t.tekst;
    }

    // The printer's canvas is not cleared; the window is, and only that.
    EXPECT_TRUE(SamoVrste(ops, Vrsta::Popuna).empty());
    ASSERT_EQ(prozor.Operacije().size(), 1u);
    const TOperacija& brisanje = prozor.Operacije()[0];
    EXPECT_EQ(brisanje.vrsta, Vrsta::Popuna);
    EXPECT_EQ((Tacka{brisanje.x2, brisanje.y2, ""}), (Tacka{800, 600, ""}));
}

TEST_F(Dijagram, PrintFontAndTextShiftFactorPlaceTheLabels) {
    ulaz.fontStampe = TFont("Arial", TBoja{0, 128, 0}, false, 10);
    ulaz.faktorPomeranjaTexta = 5;
    TPlatnoZapis stampac(FontProzoraDijagrama(), 600);
    NacrtajDijagrame(stampac, 2100, 3712, kZaStampac, {prozor, 800, 600}, ulaz);
    const auto tekstovi = Tekstovi(stampac.Operacije());
    ASSERT_EQ(tekstovi.size(), 10u);
    EXPECT_EQ(tekstovi[1], (Tacka{1285, 464 - (50 - 10), "5.744"}));
    EXPECT_EQ(tekstovi[5], (Tacka{944, 2732, "115.556"}));  // ds = 200
    EXPECT_EQ(tekstovi[8], (Tacka{1900 - 120, 2475 - 250, "maxT[kN]"}));
    for (const TOperacija& t : SamoVrste(stampac.Operacije(), Vrsta::Tekst)) {
        EXPECT_EQ(t.boja, (TBoja{0, 128, 0}));
        EXPECT_EQ(t.velicina, 10);
    }
    EXPECT_EQ(stampac.Font().Ime, "Arial");
}

TEST_F(Dijagram, ScreenFrameFollowsTheWindowAndKeepsItsLeftMargin) {
    NaEkranu(800, 600);  // leaves the captions' 12 points behind
    const auto ops = NaEkranu(800, 600);
    const auto osnova = Linije(ops, kOsnova);
    ASSERT_EQ(osnova.size(), 2u);
    EXPECT_EQ((Tacka{osnova[0].x1, osnova[0].y1, ""}), (Tacka{50, 75, ""}));
    EXPECT_EQ((Tacka{osnova[1].x2, osnova[1].y2, ""}), (Tacka{700, 400, ""}));
    const auto tekstovi = Tekstovi(ops);
    ASSERT_EQ(tekstovi.size(), 10u);
    const std::vector<Tacka> natpisi(tekstovi.end() - 4, tekstovi.end());
    const std::vector<Tacka> ocekivano{{710, 63, "extM[kNm]"},
                                       {710, 388, "extT[kN]"},
                                       {628, 328, "maxT[kN]"},
                                       {50, 460, "minT[kN]"}};
    EXPECT_EQ(natpisi, ocekivano);
    const auto sviTekstovi = SamoVrste(ops, Vrsta::Tekst);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(sviTekstovi[i].boja, kCrvena);
        EXPECT_EQ(sviTekstovi[i].velicina, -11);
    }
    for (std::size_t i = 6; i < 10; ++i) EXPECT_EQ(sviTekstovi[i].boja, kCrna);
    EXPECT_EQ(prozor.Olovka(), (TOlovka{kCrvena, 2}));
    EXPECT_TRUE(prozor.Font().Podebljan);

    const auto vece = Linije(NaEkranu(1000, 900), kOsnova);
    EXPECT_EQ((Tacka{vece[0].x1, vece[0].y1, ""}), (Tacka{50, 112, ""}));  // 112.5 to even
    EXPECT_EQ((Tacka{vece[1].x2, vece[1].y2, ""}), (Tacka{900, 600, ""}));
}

TEST_F(Dijagram, CurvesTakeOneSampleForEveryDeviceColumn) {
    const auto ops = NaEkranu(800, 600);
    const auto krive = Linije(ops, kKriva);
    ASSERT_EQ(krive.size(), 3u * 651);
    for (std::size_t k = 0; k < 3; ++k) {
        for (int i = 0; i <= 650; ++i) EXPECT_EQ(krive[k * 651 + i].x2, 50 + i);
        EXPECT_EQ(krive[k * 651].x1, 50);
    }
    EXPECT_EQ(krive[0].y1, 75);  // extM from its reference line
    EXPECT_EQ(krive[651].y1, krive[651].y2);
    EXPECT_LT(krive[651].y1, 400);   // maxT from its own first value
    EXPECT_EQ(krive[1302].y1, 400);  // minT from the reference line
    EXPECT_EQ(krive[1302].y2, 400);
}

TEST_F(Dijagram, SingleForceHasTheParabolaVertexAndNoThinOrdinates) {
    ulaz.brojSila = 1;
    ulaz.tekstovi = Slucaj({"100"}, {"0"}, "8");
    NaEkranu(800, 600);
    const auto ops = NaEkranu(800, 600);
    EXPECT_TRUE(Linije(ops, kTanka).empty());
    const auto tekstovi = Tekstovi(ops);
    ASSERT_EQ(tekstovi.size(), 8u);
    // kM = 120 / 200 and kT = 120 / 100 device units per kNm and kN
    EXPECT_EQ(tekstovi[0], (Tacka{375, 75 + 120 + 12, "200.000"}));
    EXPECT_EQ(tekstovi[1], (Tacka{375, 75 - 23, "4.000"}));
    EXPECT_EQ(tekstovi[2], (Tacka{50, 400 - 120 - 23, "100.000"}));
    EXPECT_EQ(tekstovi[3], (Tacka{700, 400 + 120 + 12, "100.000"}));
    const auto krive = Linije(ops, kKriva);
    EXPECT_EQ(krive[325].y2, 195);          // the vertex at L / 2
    EXPECT_EQ(krive[651].y2, 400 - 120);    // maxT begins at -P
    EXPECT_EQ(krive.back().y2, 400 + 120);  // minT ends at +P
}

// Forces near the smallest doubles: 0.2 H over R or over Mgov overflows a
// double, and a moment maximum can round to zero altogether.
struct SlucajMalihSila {
    const char* sila;
    const char* raspon;
    int teme;  // the moment curve at L / 2
};

void PrintTo(const SlucajMalihSila& s, std::ostream* os) {
    *os << s.sila << " kN, L = " << s.raspon;
}

class MaleSile : public Dijagram, public testing::WithParamInterface<SlucajMalihSila> {};

TEST_P(MaleSile, DrawAsAnyOtherForceWithinThe32BitRange) {
    ulaz.brojSila = 1;
    ulaz.tekstovi = Slucaj({GetParam().sila}, {"0"}, GetParam().raspon);
    NaEkranu(800, 600);
    const auto ops = NaEkranu(800, 600);
    for (const TOperacija& o : ops)
        for (const int k : {o.x1, o.y1, o.x2, o.y2}) {
            EXPECT_GT(k, std::numeric_limits<std::int32_t>::min());
            EXPECT_LT(k, std::numeric_limits<std::int32_t>::max());
        }
    const auto krive = Linije(ops, kKriva);
    ASSERT_EQ(krive.size(), 3u * 651);
    EXPECT_EQ(krive[325].y2, GetParam().teme);
    EXPECT_EQ(krive[651].y2, 400 - 120);    // maxT begins at -P
    EXPECT_EQ(krive.back().y2, 400 + 120);  // minT ends at +P
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, MaleSile, testing::Values(
    SlucajMalihSila{"1e-310", "8", 195},
    SlucajMalihSila{"1e-320", "1e-10", 75}));  // P L / 4 rounds to 0: the curve on its line
// clang-format on

TEST_F(Dijagram, ASpanBelowTheSmallestDoublePerColumnDrawsOnlyTheFrame) {
    ulaz.tekstovi = Slucaj({"206.0", "208.0"}, {"1e-323"}, "1e-322");
    ulaz.tekstovi.ProizvoljnoX = "0";
    const auto ops = NaEkranu(800, 600);
    EXPECT_EQ(Linije(ops, kOsnova).size(), 2u);
    EXPECT_TRUE(Linije(ops, kKriva).empty());
    EXPECT_EQ(Tekstovi(ops).size(), 4u);
}

TEST_F(Dijagram, EqualZoneMaximaLabelTheHigherZone) {
    ulaz.tekstovi = Slucaj({"1", "1"}, {"2"}, "8");
    const auto tekstovi = Tekstovi(NaEkranu(800, 600));
    ASSERT_GE(tekstovi.size(), 2u);
    EXPECT_EQ(tekstovi[0].tekst, "3.063");
    EXPECT_EQ(tekstovi[1], (Tacka{416, 75 - 19, "4.500"}));  // zone 1 would be at 3.5
    // equal forces put the thin moment ordinate at L / 2
    EXPECT_EQ(Linije(prozor.Operacije(), kTanka).front().x1, 375);
}

TEST_F(Dijagram, FirstDrawingOfAWindowOffsetsLabelsBy8AndEveryLaterBy12) {
    const auto prvi = Tekstovi(NaEkranu(800, 600));
    const auto drugi = Tekstovi(NaEkranu(800, 600));
    const auto treci = Tekstovi(NaEkranu(800, 600));
    EXPECT_EQ(prvi[0].y, 75 + 120 + 8);
    EXPECT_EQ(prvi[1].y, 75 - (8 + 11));
    EXPECT_EQ(drugi[0].y, 75 + 120 + 12);
    EXPECT_EQ(drugi[1].y, 75 - (12 + 11));
    EXPECT_EQ(treci, drugi);
    EXPECT_EQ(prvi.back(), drugi.back());  // the captions do not move
}

struct SlucajBrojaSila {
    std::int32_t n;
    std::size_t tankih;
    std::size_t natpisa;
};

void PrintTo(const SlucajBrojaSila& s, std::ostream* os) { *os << s.n << " forces"; }

class BrojSilaTest : public Dijagram, public testing::WithParamInterface<SlucajBrojaSila> {};

TEST_P(BrojSilaTest, DrawsTheOrdinatesAndLabelsOfItsForceCount) {
    ulaz.brojSila = GetParam().n;
    ulaz.tekstovi =
        Slucaj({"60", "80", "100", "40", "70", "90"}, {"1.2", "0.8", "1.5", "1", "2"}, "12");
    const auto ops = NaEkranu(1024, 768);
    EXPECT_EQ(Linije(ops, kTanka).size(), GetParam().tankih);
    EXPECT_EQ(Linije(ops, kDebela).size(), 3u);
    EXPECT_EQ(Tekstovi(ops).size(), GetParam().natpisa + 4);
    EXPECT_EQ(Linije(ops, kKriva).size(), 3u * (924 - 50 + 1));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(OneToSix, BrojSilaTest, testing::Values(
    SlucajBrojaSila{1, 0, 4},
    SlucajBrojaSila{2, 3, 6},
    SlucajBrojaSila{3, 6, 8},
    SlucajBrojaSila{4, 9, 10},
    SlucajBrojaSila{5, 12, 12},
    SlucajBrojaSila{6, 15, 14}
));
// clang-format on

TEST_F(Dijagram, SixForcesPlaceTheJumpOrdinatesFromBothSupports) {
    ulaz.brojSila = 6;
    ulaz.tekstovi =
        Slucaj({"60", "80", "100", "40", "70", "90"}, {"1.2", "0.8", "1.5", "1", "2"}, "12");
    // 1007 wide: x0 = 50 and x1 = 907, 857 / 12 device units per metre
    const auto tanke = Linije(NaEkranu(1007, 900), kTanka);
    ASSERT_EQ(tanke.size(), 15u);
    const auto px = [](long double X) { return ZaokruziParno(50 + X * 857 / 12); };
    // maxT from the right support with L1, L1 + L2, ..., the farthest first;
    // minT from the left support with L5, L5 + L4, ...
    const std::vector<long double> maxT{12 - 6.5L, 12 - 4.5L, 12 - 3.5L, 12 - 2.0L, 12 - 1.2L};
    const std::vector<long double> minT{2, 3, 4.5L, 5.3L, 6.5L};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(tanke[5 + i].x1, px(maxT[i])) << i;
        EXPECT_EQ(tanke[10 + i].x1, px(minT[i])) << i;
        EXPECT_EQ(tanke[5 + i].y1, 600);
        EXPECT_LT(tanke[5 + i].y2, 600);
        EXPECT_EQ(tanke[10 + i].y1, 600);
        EXPECT_GT(tanke[10 + i].y2, 600);
        EXPECT_EQ(tanke[i].y1, 112);
        EXPECT_GT(tanke[i].y2, 112);
    }
}

class IzvanOpsegaTest : public Dijagram, public testing::WithParamInterface<std::int32_t> {};

TEST_P(IzvanOpsegaTest, ForceCountOutsideOneToSixDrawsOnlyTheFrame) {
    ulaz.brojSila = GetParam();
    const auto ops = NaEkranu(800, 600);
    EXPECT_EQ(SamoVrste(ops, Vrsta::Linija).size(), 2u);
    EXPECT_EQ(Linije(ops, kOsnova).size(), 2u);
    EXPECT_EQ(Tekstovi(ops).size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Counts, IzvanOpsegaTest, testing::Values(0, 7, -1));

class CiljTest : public Dijagram, public testing::WithParamInterface<const char*> {};

TEST_P(CiljTest, AnyOtherTargetDrawsInThePrintStyle) {
    TPlatnoZapis stampac(FontProzoraDijagrama(), 300);
    NacrtajDijagrame(stampac, 2100, 3712, GetParam(), {prozor, 800, 600}, ulaz);
    const auto osnova = Linije(stampac.Operacije(), {kCrna, 8});
    ASSERT_EQ(osnova.size(), 2u);
    EXPECT_EQ(osnova[0].x1, 200);
}

INSTANTIATE_TEST_SUITE_P(Targets, CiljTest,
                         testing::Values("za stampac", "Za program", "za program ", ""));

TEST_F(Dijagram, LastSampleBeyondTheSpanByRoundingIsTakenAtTheSpan) {
    // 711 wide: x1 - x0 = 561 and 561 * (9 / 561) rounds to just above 9
    ASSERT_GT(561 * (9.0 / 561), 9.0);
    const auto krive = Linije(NaEkranu(711, 600), kKriva);
    const TOperacija& poslednji = krive.back();
    EXPECT_EQ(poslednji.x2, 611);
    // minT at the span: 299.556 kN, kT = 120 / 414
    EXPECT_EQ(poslednji.y2, 400 + 87);
    EXPECT_EQ(krive[561].y2, 75);           // extM at the span
    EXPECT_EQ(krive[2 * 562 - 1].y2, 400);  // maxT at the span
}

TEST_F(Dijagram, EmptyWindowDrawsNothingOnScreen) {
    for (const auto& [sirina, visina] : {std::pair{0, 0}, std::pair{800, 0}, std::pair{0, 600}}) {
        const auto ops = NaEkranu(sirina, visina);
        ASSERT_EQ(ops.size(), 1u);
        EXPECT_EQ(ops[0].vrsta, Vrsta::Popuna);
    }
}

TEST_F(Dijagram, EmptyWindowLeavesThePrintToItsOwnSize) {
    TPlatnoZapis stampac(FontProzoraDijagrama(), 600);
    NacrtajDijagrame(stampac, 2100, 3712, kZaStampac, {prozor, 0, 0}, ulaz);
    const auto osnova = Linije(stampac.Operacije(), {kCrna, 8});
    ASSERT_EQ(osnova.size(), 2u);
    EXPECT_EQ((Tacka{osnova[0].x2, osnova[0].y2, ""}), (Tacka{1900, 464, ""}));
    EXPECT_EQ((Tacka{osnova[1].x2, osnova[1].y2, ""}), (Tacka{1900, 2475, ""}));
    EXPECT_EQ(Tekstovi(stampac.Operacije()).size(), 10u);
}

TEST_F(Dijagram, NarrowPrintWithoutRoomForTheSpanDrawsOnlyTheFrame) {
    TPlatnoZapis stampac(FontProzoraDijagrama(), 600);
    for (const int sirina : {400, 300, -2100}) {
        NacrtajDijagrame(stampac, sirina, 3712, kZaStampac, {prozor, 800, 600}, ulaz);
    }
    EXPECT_EQ(SamoVrste(stampac.Operacije(), Vrsta::Linija).size(), 3u * 2);
    EXPECT_EQ(Tekstovi(stampac.Operacije()).size(), 3u * 4);
}

TEST_F(Dijagram, ReportsProgressAfterEachCurveAndTheLabels) {
    std::vector<int> polozaji;
    ulaz.napredak = [&](int p) { polozaji.push_back(p); };
    NaEkranu(800, 600);
    EXPECT_EQ(polozaji, (std::vector<int>{10, 20, 30, 40}));
}

TEST_F(Dijagram, TextThatDoesNotConvertStopsAfterClearingTheWindow) {
    ulaz.tekstovi.Raspon = "abc";
    EXPECT_THROW(NaEkranu(800, 600), EGreskaKonverzije);
    ASSERT_EQ(prozor.Operacije().size(), 1u);
    EXPECT_EQ(prozor.Operacije()[0].vrsta, Vrsta::Popuna);
}

TEST_F(Dijagram, LabelsUseTheGivenDecimalSeparator) {
    ulaz.decimalniSeparator = ',';
    ulaz.tekstovi = Slucaj({"206,0", "208,0"}, {"5,0", "1,0", "1,0", "1,0", "1,0"}, "9,0");
    ulaz.tekstovi.ProizvoljnoX = "1,25";
    for (std::string& p : ulaz.tekstovi.P)
        if (p == "1.0") p = "1,0";
    const auto tekstovi = Tekstovi(NaEkranu(800, 600));
    EXPECT_EQ(tekstovi[0].tekst, "487,682");
    EXPECT_EQ(tekstovi[1].tekst, "5,744");
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "PlatnoZapis.h"
#include "PolozajVozaDijagram.h"
#include "SkicaVoza.h"
#include "ZlatnaDatoteka.h"

namespace {

using Vrsta = TOperacija::Vrsta;

const TVoz kPodrazumevani(2, {206, 208}, {5}, 9);
const TVoz kSestSila(6, {120, 180, 180, 150, 150, 90}, {2.5, 1.5, 4.0, 1.5, 3.0}, 20);

std::vector<TOperacija> Crtaj(const TVoz& voz, const TUlazPolozaja& ulaz, int W = 1000,
                              int H = 800) {
    TPlatnoZapis platno(FontProzoraDijagrama());
    NacrtajPolozajVoza(platno, W, H, voz, ulaz);
    return platno.Operacije();
}

const TOperacija* Tekst(const std::vector<TOperacija>& ops, const std::string& tekst) {
    const auto t = std::find_if(ops.begin(), ops.end(), [&](const TOperacija& o) {
        return o.vrsta == Vrsta::Tekst && o.tekst == tekst;
    });
    return t == ops.end() ? nullptr : &*t;
}

std::vector<const TOperacija*> Tekstovi(const std::vector<TOperacija>& ops,
                                        const std::string& tekst) {
    std::vector<const TOperacija*> t;
    for (const TOperacija& o : ops)
        if (o.vrsta == Vrsta::Tekst && o.tekst == tekst) t.push_back(&o);
    return t;
}

// The vertical lines of the colour that end at the row of the beam's top:
// the arrows' shafts, left to right.
std::vector<const TOperacija*> Strele(const std::vector<TOperacija>& ops, TBoja boja,
                                      int vrhGrede) {
    std::vector<const TOperacija*> s;
    for (const TOperacija& o : ops)
        if (o.vrsta == Vrsta::Linija && o.olovka.Boja == boja && o.x1 == o.x2 && o.y2 == vrhGrede &&
            o.y1 < o.y2)
            s.push_back(&o);
    return s;
}

// The first beam of the picture: a thick black horizontal line.
const TOperacija* Greda(const std::vector<TOperacija>& ops) {
    const auto g = std::find_if(ops.begin(), ops.end(), [](const TOperacija& o) {
        return o.vrsta == Vrsta::Linija && o.olovka.Boja == kCrna && o.olovka.Sirina > 1 &&
               o.y1 == o.y2;
    });
    return g == ops.end() ? nullptr : &*g;
}

int VrhGrede(const TOperacija& g) { return g.y1 - g.olovka.Sirina / 2 - 1; }

// The defaults at midspan: P2 alone on the section gives 468 kNm with 104 kN
// either side of it, where the classical method puts P2 there with P1
// counted beyond the support and gets 416.5.
TEST(PolozajVoza, ShowsTheCriticalPositionsWithTheirValues) {
    TUlazPolozaja ulaz;
    ulaz.x = 4.5;
    const std::vector<TOperacija> ops = Crtaj(kPodrazumevani, ulaz);
    for (const char* t :
         {"Polozaj voza za presek x = 4.500 m, voz P1..P2",
          "extM tacno = 468.000 kNm: P2 na preseku", "istovremeno T = 104.000 / -104.000 kN",
          "klasicno = 416.500 kNm: P2 na preseku, ceo voz",
          "maxT tacno = 104.000 kN: P2 na preseku", "klasicno = 103.000 kN: P1 na preseku, ceo voz",
          "istovremeno M = 468.000 kNm", "minT tacno = -104.000 kN: P2 na preseku",
          "uticajna linija M(x) [m], ordinate pod silama u polozaju extM"})
        EXPECT_NE(Tekst(ops, t), nullptr) << t;
    const TOperacija* manjak = Tekst(ops, "manjak klasicnog: 11.00 %");
    ASSERT_NE(manjak, nullptr);
    EXPECT_EQ(manjak->boja, kCrvena) << "short by more than half a percent";
    ASSERT_NE(Tekst(ops, "manjak klasicnog: 0.00 %"), nullptr);
    EXPECT_EQ(Tekst(ops, "manjak klasicnog: 0.00 %")->boja, kCrna);
    // The influence line of M(4.5) under P2 on the section: 4.5 * 4.5 / 9.
    EXPECT_NE(Tekst(ops, "2.250"), nullptr);
    // P1 stands beyond the left support in every exact row and in the
    // classical extM and minT rows.
    const std::vector<const TOperacija*> p1 = Tekstovi(ops, "P1=206");
    ASSERT_EQ(p1.size(), 6u);
    EXPECT_EQ(std::count_if(p1.begin(), p1.end(),
                            [](const TOperacija* o) { return o->boja == kBojaVanRaspona; }),
              3);
    EXPECT_EQ(std::count_if(p1.begin(), p1.end(),
                            [](const TOperacija* o) { return o->boja == kBojaKlasicnoVan; }),
              2);
    EXPECT_NE(
        Tekst(ops, "Apsolutni maksimum: M = 487.682 kNm u preseku x = 5.744 m, P1 na 0.744 m"),
        nullptr);
}

// Every force stands where its offset from P1 puts it, on the scale of the
// beam, and the section on the force it names.
TEST(PolozajVoza, DrawsTheTrainToScale) {
    TUlazPolozaja ulaz;
    ulaz.x = 7;
    ulaz.p1 = -3;
    const std::vector<TOperacija> ops = Crtaj(kSestSila, ulaz, 1400, 1000);
    // The beam, from the left support to the right.
    const TOperacija* greda = Greda(ops);
    ASSERT_NE(greda, nullptr);
    const double pxPoMetru = (greda->x2 - greda->x1) / 20.0;
    const int vrhGrede = VrhGrede(*greda);
    const std::vector<const TOperacija*> na = Strele(ops, kCrna, vrhGrede);
    const std::vector<const TOperacija*> van = Strele(ops, kBojaVanRaspona, vrhGrede);
    // P1 at -3 and P2 at -0.5 beyond the support, P3 to P6 at 1, 5, 6.5, 9.5.
    ASSERT_EQ(van.size(), 2u);
    ASSERT_EQ(na.size(), 4u);
    const double mesta[] = {-3, -0.5, 1, 5, 6.5, 9.5};
    for (int i = 0; i < 6; ++i) {
        const TOperacija* s = i < 2 ? van[i] : na[i - 2];
        EXPECT_NEAR(s->x1, greda->x1 + mesta[i] * pxPoMetru, 1.0) << "P" << i + 1;
    }
    EXPECT_NE(Tekst(ops, "P1 na -3.000 m"), nullptr);
    // Statics of that position at x = 7: A = 432 kN.
    EXPECT_NE(Tekst(ops, "M(x) = 1569.000 kNm"), nullptr);
    EXPECT_NE(Tekst(ops, "T(x) = -48.000 / -48.000 kN"), nullptr);
}

// The force on the section stands exactly on the section's dashed line.
TEST(PolozajVoza, PutsTheForceOnTheSectionOnItsLine) {
    TUlazPolozaja ulaz;
    ulaz.x = 4.5;
    const std::vector<TOperacija> ops = Crtaj(kPodrazumevani, ulaz);
    const TOperacija* greda = Greda(ops);
    ASSERT_NE(greda, nullptr);
    std::vector<const TOperacija*> p2 = Strele(ops, kCrna, VrhGrede(*greda));
    // The classical sketch beside it stands on the same row.
    std::erase_if(p2, [&](const TOperacija* o) { return o->x1 > greda->x2; });
    ASSERT_EQ(p2.size(), 1u) << "P2 alone on the span in the extM row";
    EXPECT_NEAR(p2[0]->x1, (greda->x1 + greda->x2) / 2.0, 1.0) << "midspan";
    EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [&](const TOperacija& o) {
        return o.vrsta == Vrsta::Linija && o.olovka.Boja == kCrvena && o.x1 == p2[0]->x1 &&
               o.x2 == p2[0]->x1;
    }));
}

TEST(PolozajVoza, BothWaysNamesTheOrientationThatGoverns) {
    TUlazPolozaja ulaz;
    ulaz.x = 7;
    ulaz.smer = TSmerVoza::Oba;
    const std::vector<TOperacija> ops = Crtaj(kSestSila, ulaz, 1400, 1000);
    EXPECT_NE(Tekst(ops, "Polozaj voza za presek x = 7.000 m, voz prelazi u oba smera"), nullptr);
    EXPECT_NE(Tekst(ops, "extM tacno = 2704.500 kNm: P3 na preseku, voz P1..P6"), nullptr);
    EXPECT_NE(Tekst(ops, "minT tacno = -109.500 kN: P1 na preseku, voz P6..P1"), nullptr);
    EXPECT_NE(Tekst(ops, "manjak klasicnog: 26.71 %"), nullptr);
}

TEST(PolozajVoza, LeavesThePictureWhiteWithoutATrainOrRoom) {
    TUlazPolozaja ulaz;
    for (const auto& [voz, W, H] :
         {std::tuple{TVoz(), 1000, 800}, std::tuple{kPodrazumevani, 150, 800},
          std::tuple{kPodrazumevani, 1000, 100}}) {
        const std::vector<TOperacija> ops = Crtaj(voz, ulaz, W, H);
        ASSERT_EQ(ops.size(), 1u);
        EXPECT_EQ(ops[0].vrsta, Vrsta::Popuna);
    }
}

struct ZlatnaSlika {
    const char* ime;
    const TVoz* voz;
    double x;
    TSmerVoza smer;
    std::optional<double> p1;
    bool obrnut;
    char sep;
    int W, H;
};

void PrintTo(const ZlatnaSlika& z, std::ostream* os) { *os << z.ime; }

class PolozajVozaZapis : public testing::TestWithParam<ZlatnaSlika> {};

TEST_P(PolozajVozaZapis, MatchesItsGoldenTrace) {
    const ZlatnaSlika& z = GetParam();
    TUlazPolozaja ulaz;
    ulaz.x = z.x;
    ulaz.smer = z.smer;
    ulaz.p1 = z.p1;
    ulaz.obrnut = z.obrnut;
    ulaz.decimalniSeparator = z.sep;
    TPlatnoZapis platno(FontProzoraDijagrama());
    NacrtajPolozajVoza(platno, z.W, z.H, *z.voz, ulaz);
    UporediSaReferencom(platno.Zapis(),
                        std::string(LASTOVAR_PODACI_TESTOVA) + "/" + z.ime + ".zapis");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slike, PolozajVozaZapis, testing::Values(
    ZlatnaSlika{"polozaj_podrazumevani", &kPodrazumevani, 4.5, TSmerVoza::Napred, std::nullopt, false, '.', 1000, 800},
    ZlatnaSlika{"polozaj_sest_sila_oba", &kSestSila, 7, TSmerVoza::Oba, std::nullopt, false, ',', 1400, 1000},
    ZlatnaSlika{"polozaj_prelaz_obrnut", &kSestSila, 7, TSmerVoza::Oba, 10.25, true, '.', 1200, 900}
), [](const testing::TestParamInfo<ZlatnaSlika>& i) { return std::string(i.param.ime); });
// clang-format on

}  // namespace

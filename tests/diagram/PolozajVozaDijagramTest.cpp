// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <random>
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

// Every text of the picture joined by blanks, in the order drawn: a
// paragraph's lines stand together whatever its width broke them into.
std::string SviTekstovi(const std::vector<TOperacija>& ops) {
    std::string svi;
    for (const TOperacija& o : ops)
        if (o.vrsta == Vrsta::Tekst) svi += o.tekst + ' ';
    return svi;
}

bool Sadrzi(const std::vector<TOperacija>& ops, const std::string& tekst) {
    return SviTekstovi(ops).find(tekst) != std::string::npos;
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
          "klasicno = 416.500 kNm: P2 na preseku, racuna ceo voz",
          "maxT tacno = 104.000 kN: P2 na preseku",
          "klasicno = 103.000 kN: P1 na preseku, racuna P1", "istovremeno M = 468.000 kNm",
          "minT tacno = -104.000 kN: P2 na preseku",
          "klasicno = -104.000 kN: P2 na preseku, racuna P2",
          "uticajna linija M(x) [m], ordinate pod silama u polozaju extM",
          "Apsolutni maksimum: M = 487.682 kNm u preseku x = 5.744 m, P1 na 0.744 m"})
        EXPECT_TRUE(Sadrzi(ops, t)) << t;
    const TOperacija* manjak = Tekst(ops, "manjak klasicnog: 11.00 %");
    ASSERT_NE(manjak, nullptr);
    EXPECT_EQ(manjak->boja, kCrvena) << "short by more than half a percent";
    ASSERT_NE(Tekst(ops, "manjak klasicnog: 0.00 %"), nullptr);
    EXPECT_EQ(Tekst(ops, "manjak klasicnog: 0.00 %")->boja, kCrna);
    // The influence line of M(4.5) under P2 on the section: 4.5 * 4.5 / 9.
    EXPECT_NE(Tekst(ops, "2.250"), nullptr);
    // P1 stands beyond the left support in every exact row, where nothing
    // counts it, and in the classical extM and minT rows; the classical
    // extM counts it there, minT does not.
    const std::vector<const TOperacija*> p1 = Tekstovi(ops, "P1=206 kN");
    ASSERT_EQ(p1.size(), 6u);
    EXPECT_EQ(std::count_if(p1.begin(), p1.end(),
                            [](const TOperacija* o) { return o->boja == kBojaVanRaspona; }),
              4);
    EXPECT_EQ(std::count_if(p1.begin(), p1.end(),
                            [](const TOperacija* o) { return o->boja == kBojaKlasicnoVan; }),
              1);
    // The areas of the influence lines carry their signs.
    EXPECT_EQ(Tekstovi(ops, "+").size(), 2u);
    EXPECT_EQ(Tekstovi(ops, "-").size(), 1u);
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
    EXPECT_TRUE(Sadrzi(ops, "u preseku: M(x) = 1569.000 kNm, T(x) = -48.000 / -48.000 kN"));
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
    EXPECT_TRUE(Sadrzi(ops, "Polozaj voza za presek x = 7.000 m, voz prelazi u oba smera"));
    EXPECT_TRUE(Sadrzi(ops, "extM tacno = 2704.500 kNm: P3 na preseku, voz P1..P6"));
    EXPECT_TRUE(Sadrzi(ops, "minT tacno = -109.500 kN: P1 na preseku, voz P6..P1"));
    EXPECT_NE(Tekst(ops, "manjak klasicnog: 26.71 %"), nullptr);
}

// The classical value beside a sketch counts exactly the forces drawn black
// (on the span) or orange (beyond it): their terms, each force times its
// ordinate on the influence line carried on past the supports, sum to the
// value printed, and a grey force is one the value leaves out.
TEST(PolozajVoza, TheClassicalSketchesColoursAreTheValuesTerms) {
    std::mt19937_64 gen(1724);
    std::uniform_real_distribution<double> sila(1, 400), razmak(0.3, 5), udeo(0, 1);
    int narandzastih = 0;
    for (int redni = 0; redni < 60; ++redni) {
        const int n = 1 + redni % 6;
        std::array<double, 6> P{};
        std::array<double, 5> Ls{};
        std::array<double, 7> u{};  // u[k]: force k's distance from P1
        for (int i = 0; i < n; ++i) P[i] = std::round(sila(gen));
        for (int i = 0; i < n - 1; ++i)
            u[i + 2] = u[i + 1] + (Ls[i] = std::round(razmak(gen) * 10) / 10);
        const double L = std::max(u[n] * (1 + udeo(gen)), 1.0);
        const double x = std::round(udeo(gen) * L * 1000) / 1000;
        TUlazPolozaja ulaz;
        ulaz.x = x;
        ulaz.smer = redni % 2 ? TSmerVoza::Oba : TSmerVoza::Napred;
        const std::vector<TOperacija> ops = Crtaj(TVoz(n, P, Ls, L), ulaz, 1400, 1000);
        // The rows by their classical headers; the last ends at the
        // influence lines.
        std::vector<const TOperacija*> redovi;
        for (const TOperacija& o : ops)
            if (o.vrsta == Vrsta::Tekst && o.tekst.rfind("klasicno = ", 0) == 0)
                redovi.push_back(&o);
        ASSERT_EQ(redovi.size(), 3u) << redni;
        const int kraj =
            Tekst(ops, "uticajna linija M(x) [m], ordinate pod silama u polozaju extM")->y1;
        for (std::size_t red = 0; red < 3; ++red) {
            const TOperacija& zaglavlje = *redovi[red];
            double vrednost = 0;
            int k = 0;
            ASSERT_EQ(std::sscanf(zaglavlje.tekst.c_str(), "klasicno = %lf %*s P%d", &vrednost, &k),
                      2)
                << zaglavlje.tekst;
            const int dole = red < 2 ? redovi[red + 1]->y1 : kraj;
            const auto eta = [&](double ksi) -> double {
                if (red == 0) return ksi <= x ? ksi * (L - x) / L : x * (L - ksi) / L;
                if (red == 1) return ksi < x ? -ksi / L : (L - ksi) / L;
                return ksi <= x ? -ksi / L : (L - ksi) / L;
            };
            double zbir = 0;
            int sila = 0;
            for (const TOperacija& o : ops) {
                if (o.vrsta != Vrsta::Tekst || o.x1 < zaglavlje.x1 || o.y1 <= zaglavlje.y1 ||
                    o.y1 >= dole || std::sscanf(o.tekst.c_str(), "P%d", &sila) != 1 ||
                    o.tekst.find(" na ") != std::string::npos)
                    continue;
                const double ksi = x + (u[sila] - u[k]);
                const bool naRasponu = ksi >= 0 && ksi <= L;
                if (o.boja == kBojaVanRaspona) {
                    EXPECT_FALSE(naRasponu) << redni << " row " << red << " P" << sila;
                    continue;
                }
                EXPECT_EQ(o.boja, naRasponu ? kCrna : kBojaKlasicnoVan)
                    << redni << " row " << red << " P" << sila;
                narandzastih += o.boja == kBojaKlasicnoVan;
                zbir += P[sila - 1] * eta(ksi);
            }
            EXPECT_NEAR(zbir, vrednost, 6e-4) << redni << ' ' << zaglavlje.tekst;
        }
    }
    EXPECT_GT(narandzastih, 0) << "no case put a counted force beyond a support";
}

// At the left support the influence line of M is zero under every force:
// one label says so. One force is the train "P1".
TEST(PolozajVoza, LabelsEqualOrdinatesOnceAndNamesOneForceAlone) {
    TUlazPolozaja ulaz;
    ulaz.x = 0;
    const std::vector<TOperacija> nula = Crtaj(TVoz(3, {100, 100, 100}, {1, 1}, 9), ulaz);
    EXPECT_EQ(std::count_if(nula.begin(), nula.end(),
                            [](const TOperacija& o) {
                                return o.vrsta == Vrsta::Tekst && o.tekst == "0.000" &&
                                       o.boja == kCrvena;
                            }),
              1);

    const TVoz jedna(1, {250}, {}, 6);
    ulaz.x = 2.5;
    ulaz.smer = TSmerVoza::Oba;
    EXPECT_TRUE(Sadrzi(Crtaj(jedna, ulaz), "extM tacno = 364.583 kNm: P1 na preseku, voz P1 "));
    ulaz.smer = TSmerVoza::Napred;
    EXPECT_TRUE(Sadrzi(Crtaj(jedna, ulaz), "Polozaj voza za presek x = 2.500 m, voz P1 "));
    ulaz.p1 = 1;
    EXPECT_TRUE(Sadrzi(Crtaj(jedna, ulaz), "Prelaz voza P1: P1 na 1.000 m"));
}

// At the end of the crossing the last force stands on the right support and
// the span carries nothing: the train's shear lies on its axis, no stub at
// the support.
TEST(PolozajVoza, TheCrossingEndsClean) {
    TUlazPolozaja ulaz;
    ulaz.x = 4.5;
    ulaz.p1 = 9;
    const std::vector<TOperacija> ops = Crtaj(kPodrazumevani, ulaz);
    EXPECT_TRUE(Sadrzi(ops, "T(x) = 0.000 / 0.000 kN"));
    for (const TOperacija& o : ops) {
        if (o.vrsta == Vrsta::Linija && o.olovka == TOlovka{kCrna, 2}) {
            EXPECT_EQ(o.y1, o.y2) << "a stub from " << o.x1 << ' ' << o.y1 << " to " << o.x2 << ' '
                                  << o.y2;
        }
    }
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
    platno.SaFontovima = true;
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "ManjakKlasicnog.h"
#include "PreseciIzvestaja.h"
#include "RazmeraDijagrama.h"

namespace {

// The screen frame of an 800 x 600 picture for the train, with its scales.
TOkvirDijagrama Okvir(const TVoz& voz) {
    TOkvirDijagrama o(false, 800, 600, voz.Raspon());
    o.kM = RazmeraDijagrama(600, voz.Jednacina(voz.ZonaMaksimuma()).MaxM);
    o.kT = RazmeraDijagrama(600, voz.R());
    o.sadrzaj = TSadrzajCrteza::Dijagrami;
    return o;
}

struct Ocekivano {
    TVelicina velicina;
    double procenat;
    long double x;
};

struct SlucajManjka {
    const char* opis;
    TVoz voz;
    TSmerVoza smer;
    std::vector<Ocekivano> manjkovi;
    /// The report's sections, n.
    std::int32_t brojPreseka = 10;
};

void PrintTo(const SlucajManjka& s, std::ostream* os) { *os << s.opis; }

class ManjakKlasicnog : public testing::TestWithParam<SlucajManjka> {};

TEST_P(ManjakKlasicnog, WarnsOfEachQuantityShortByMoreThanHalfAPercent) {
    const SlucajManjka& s = GetParam();
    const TOkvirDijagrama o = Okvir(s.voz);
    const std::vector<TManjakKlasicnog> m =
        ::ManjakKlasicnog(o, AnvelopaPoKolonama(o, s.voz, s.smer), s.brojPreseka);
    ASSERT_EQ(m.size(), s.manjkovi.size());
    for (std::size_t i = 0; i < m.size(); ++i) {
        EXPECT_EQ(m[i].Velicina, s.manjkovi[i].velicina) << i;
        EXPECT_NEAR(m[i].Procenat, s.manjkovi[i].procenat, 1e-10) << i;
        EXPECT_EQ(m[i].x, s.manjkovi[i].x) << i;
    }
}

const TVoz kPodrazumevani(2, {206, 208}, {5}, 9);
const TVoz kTeskaDruga(2, {1, 100}, {1}, 10);

// The defaults between 4 and 5 m: P2 alone on the section gives the exact
// 208 x (9 - x)/9, and the classical extM dips lowest at lambda_1, where it
// changes equations. The peak, with both forces on the span about P2's
// vertex, is the classical one. Nothing else is short by half a percent of
// its peak.
Ocekivano PodrazumevaniNaLambdi() {
    const TOkvirDijagrama o = Okvir(kPodrazumevani);
    Ocekivano najveci{TVelicina::ExtM, 0, 0};
    double vrh = 0;
    for (std::int64_t i = 0; i <= o.Sirina(); ++i) {
        const double x = o.Uzorak(i);
        if (x > 5 && x < 6.5) vrh = std::max(vrh, kPodrazumevani.ExtM(x));
        if (x <= 4 || x >= 5) continue;
        const double manjak = 208 * x * (9 - x) / 9 - kPodrazumevani.ExtM(x);
        if (manjak > najveci.procenat) najveci = {TVelicina::ExtM, manjak, x};
    }
    najveci.procenat *= 100 / vrh;
    return najveci;
}

// The same where the report has a section in that column (n = 201 puts the
// 100th at 4.4776 m, within half of the column's 0.0138 m): the status line
// names the report's section, not the column's.
Ocekivano PodrazumevaniNaPreseku() {
    Ocekivano o = PodrazumevaniNaLambdi();
    EXPECT_NEAR(static_cast<double>(o.x), 100 * 9.0 / 201, Okvir(kPodrazumevani).s / 2);
    EXPECT_NE(o.x, ApscisaPreseka(KorakPreseka(9, 201), 100));
    o.x = ApscisaPreseka(KorakPreseka(9, 201), 100);
    return o;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, ManjakKlasicnog, testing::Values(
    SlucajManjka{"one force: the classical is exact", TVoz(1, {10}, {}, 4), TSmerVoza::Oba, {}},
    SlucajManjka{"defaults: the report's 4.5 m is two columns away", kPodrazumevani,
                 TSmerVoza::Napred, {PodrazumevaniNaLambdi()}},
    SlucajManjka{"defaults with a section of the report in the column", kPodrazumevani,
                 TSmerVoza::Napred, {PodrazumevaniNaPreseku()}, 201},
    // Crossing reversed, the heavy P2 leads onto the section with P1 a metre
    // behind it: maxT 9.9 kN above the classical wherever both are on the
    // span, from the left support on, where it peaks at 100.9.
    SlucajManjka{"a heavy second force both ways", kTeskaDruga, TSmerVoza::Oba,
                 {{TVelicina::MaxT, 100 * 9.9 / 100.9, 0.0}}}
), [](const auto& info) { return std::to_string(info.index); });
// clang-format on

TEST(ManjakKlasicnog, AFrameWithoutDiagramsWarnsOfNothing) {
    const TOkvirDijagrama prazan;
    EXPECT_TRUE(
        ::ManjakKlasicnog(prazan, AnvelopaPoKolonama(prazan, kPodrazumevani, TSmerVoza::Napred), 10)
            .empty());
}

TEST(TekstUpozorenja, NamesEachQuantityItsShortfallAndSection) {
    EXPECT_EQ(TekstUpozorenja({}, '.'), "");
    EXPECT_EQ(
        TekstUpozorenja({{TVelicina::ExtM, 10.5555, 4.5}}, '.'),
        "Klasicni proracun je na strani nesigurnosti: extM manji za 10.6 % tacnog vrha u preseku "
        "x = 4.5 [m]");
    // The section in the report's format, as its tables print it.
    EXPECT_EQ(TekstUpozorenja({{TVelicina::MaxT, 0.96, 1.25}, {TVelicina::MinT, 2, 7.0 / 3}}, ','),
              "Klasicni proracun je na strani nesigurnosti: maxT manji za 1,0 % tacnog vrha u "
              "preseku x = 1,25 [m]; minT manji za 2,0 % tacnog vrha u preseku x = "
              "2,33333333333333 [m]");
}

}  // namespace

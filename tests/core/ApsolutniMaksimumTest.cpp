// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ApsolutniMaksimum.h"
#include "ProracunskaAnvelopa.h"
#include "ProracunskaStatika.h"
#include "SlucajanVoz.h"

namespace {

// The moment under force k with P1 at p1 and the others at p1 + smer*s_i,
// by plain statics: only forces on [0, L] load the beam.
double MomentPodSilom(const VozTesta& v, double p1, int smer, int k) {
    const double x = p1 + smer * v.s(k);
    if (x < 0 || x > v.L) return 0;
    double A = 0, levih = 0;
    for (int i = 1; i <= v.n; ++i) {
        const double xi = p1 + smer * v.s(i);
        if (xi < 0 || xi > v.L) continue;
        A += v.P[i - 1] * (v.L - xi) / v.L;
        if (xi < x) levih += v.P[i - 1] * (x - xi);
    }
    return A * x - levih;
}

// Every position of the train a step h apart, the moment under each force.
double Korak(const VozTesta& v, int smer, double h) {
    const double duzina = v.s(v.n);
    double najveci = 0;
    for (long k = 0; k * h <= v.L + duzina; ++k) {
        const double levi = -duzina + static_cast<double>(k) * h;
        const double p1 = smer > 0 ? levi : levi + duzina;
        for (int i = 1; i <= v.n; ++i) najveci = std::max(najveci, MomentPodSilom(v, p1, smer, i));
    }
    return najveci;
}

class ApsolutniMaksimumPoBrojuSila : public testing::TestWithParam<int> {};

// Never below a fine sweep of the train's positions, above it by no more
// than a step explains (the moment under a force moves by at most 2R per
// metre the train moves), and reproduced by statics where it says the
// train stands.
TEST_P(ApsolutniMaksimumPoBrojuSila, MatchesAFineSweepAndItsPositionReproducesIt) {
    const int n = GetParam();
    std::mt19937_64 gen(60221 + n);
    for (int redni = 0; redni < 40; ++redni) {
        const VozTesta v = SlucajanVoz(gen, n, redni, 0.15);
        const double R = v.R();
        SCOPED_TRACE(testing::Message() << "train " << redni << " L=" << v.L);
        const double h = (v.L + v.s(v.n)) / 20000;
        for (const auto& [smer, znak] :
             {std::pair{TSmerVoza::Napred, 1}, std::pair{TSmerVoza::Nazad, -1}}) {
            const TApsolutniMaksimum a = ApsolutniMaksimum(v.Model(), smer);
            const double sweep = Korak(v, znak, h);
            EXPECT_GE(a.M, sweep - R * v.L * 1e-13);
            EXPECT_LE(a.M, sweep + 2 * R * h);
            EXPECT_EQ(a.Polozaj.Obrnut, znak < 0);
            ASSERT_GE(a.Polozaj.Sila, 1);
            ASSERT_LE(a.Polozaj.Sila, v.n);
            EXPECT_NEAR(a.Polozaj.PolozajP1 + znak * v.s(a.Polozaj.Sila), a.x, v.L * 1e-14);
            EXPECT_NEAR(MomentPodSilom(v, a.Polozaj.PolozajP1, znak, a.Polozaj.Sila), a.M,
                        std::abs(a.M) * 1e-12);
            EXPECT_GE(a.x, 0.0);
            EXPECT_LE(a.x, v.L);
        }
        // The two crossings mirror each other: one maximum, the forward one's.
        const TApsolutniMaksimum napred = ApsolutniMaksimum(v.Model(), TSmerVoza::Napred),
                                 nazad = ApsolutniMaksimum(v.Model(), TSmerVoza::Nazad),
                                 oba = ApsolutniMaksimum(v.Model(), TSmerVoza::Oba);
        EXPECT_NEAR(napred.M, nazad.M, R * v.L * 1e-13);
        EXPECT_NEAR(napred.x, v.L - nazad.x, v.L * 1e-13);
        EXPECT_EQ(oba.M, napred.M);
        EXPECT_FALSE(oba.Polozaj.Obrnut);
    }
}

INSTANTIATE_TEST_SUITE_P(SveSile, ApsolutniMaksimumPoBrojuSila, testing::Range(1, 7));

struct SlucajMaksimuma {
    const char* opis;
    VozTesta voz;
    TSmerVoza smer;
    double M, x, polozajP1;
    int sila;
};

void PrintTo(const SlucajMaksimuma& s, std::ostream* os) { *os << s.opis; }

class ApsolutniMaksimumSlucaj : public testing::TestWithParam<SlucajMaksimuma> {};

TEST_P(ApsolutniMaksimumSlucaj, IsTheHandComputedOne) {
    const SlucajMaksimuma& s = GetParam();
    const TApsolutniMaksimum a = ApsolutniMaksimum(s.voz.Model(), s.smer);
    EXPECT_NEAR(a.M, s.M, 1e-11);
    EXPECT_NEAR(a.x, s.x, 1e-12);
    EXPECT_NEAR(a.Polozaj.PolozajP1, s.polozajP1, 1e-12);
    EXPECT_EQ(a.Polozaj.Sila, s.sila);
    EXPECT_EQ(a.Polozaj.Obrnut, s.smer == TSmerVoza::Nazad);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, ApsolutniMaksimumSlucaj, testing::Values(
    SlucajMaksimuma{"one force at midspan", VozTesta{1, 4, {10}}, TSmerVoza::Napred, 10, 2, 2, 1},
    // Two equal forces 2 apart: the resultant halfway, each force a quarter
    // spacing from midspan; the first found is kept.
    SlucajMaksimuma{"two close forces", VozTesta{2, 10, {10, 10}, {2}}, TSmerVoza::Napred, 40.5, 4.5, 4.5, 1},
    // 8 apart: both on the span give at most 18, one alone 25.
    SlucajMaksimuma{"two far forces: one alone", VozTesta{2, 10, {10, 10}, {8}}, TSmerVoza::Napred, 25, 5, 5, 1},
    // The defaults: the classical vertex of the second equation, with both
    // forces on the span, is the absolute maximum.
    SlucajMaksimuma{"defaults", VozTesta{2, 9, {206, 208}, {5}}, TSmerVoza::Oba,
                    414 / 9.0 * (9 + 5 - 208 * 5 / 414.0) / 2 * (9 + 5 - 208 * 5 / 414.0) / 2 - 206 * 5,
                    (9 + 5 - 208 * 5 / 414.0) / 2, (9 + 5 - 208 * 5 / 414.0) / 2 - 5, 2},
    // The heavy P2 leads with P1 behind it: nothing left of P2.
    SlucajMaksimuma{"reversed: P1 right of P2", VozTesta{2, 10, {1, 100}, {1}}, TSmerVoza::Nazad,
                    10.1 * (10 - 1 / 101.0) / 2 * (10 - 1 / 101.0) / 2, (10 - 1 / 101.0) / 2,
                    (10 - 1 / 101.0) / 2 + 1, 2}
));
// clang-format on

class ApsolutniMaksimumSaDejstvima : public testing::TestWithParam<int> {};

// With the design actions: never below the design envelope at any of a fine
// row of sections, above it by no more than the row's step explains, and
// reproduced by plain statics at the section and the train's position it
// names, q cut there as it worsens the moment; long trains too.
TEST_P(ApsolutniMaksimumSaDejstvima, MatchesTheDesignEnvelopeOverAFineRowOfSections) {
    const int n = GetParam();
    std::mt19937_64 gen(9000 + n);
    std::uniform_real_distribution<double> q(0.5, 80), c(0, 3), g(0, 50), fi(1, 1.6);
    for (int redni = 0; redni < 12; ++redni) {
        VozTesta v = SlucajanVoz(gen, n, redni, 0.15);
        if (redni % 3 == 1 && n > 1) v.L = v.s(v.n) * 0.4;
        TProracunskaDejstva d;
        d.q = q(gen);
        d.Raspored = redni % 2 ? TRasporedQ::IspredIIzaVoza : TRasporedQ::BiloGde;
        d.c = c(gen);
        d.g = redni % 4 == 0 ? 0.0 : g(gen);
        d.Fi = fi(gen);
        d.FiNaQ = redni % 5 == 0;
        d.GamaG = 1.3;
        d.GamaQ = 1.4;
        SCOPED_TRACE(testing::Message() << "train " << redni << " L=" << v.L << " q=" << d.q);
        const TKoeficijentiDejstava k = Koeficijenti(d);
        const double skala = k.T * v.R() * v.L + (k.Q + k.G) * v.L * v.L;
        const TProracunskaAnvelopa anvelopa(v.Model(), d);
        for (const auto& [smer, obrnut] :
             {std::pair{TSmerVoza::Napred, false}, std::pair{TSmerVoza::Nazad, true}}) {
            const TApsolutniMaksimum a = ApsolutniMaksimum(v.Model(), smer, d);
            double red = 0;
            const int preseka = 4000;
            for (int i = 0; i <= preseka; ++i)
                red = std::max(
                    red, anvelopa.Vrednosti(i == preseka ? v.L : v.L * i / preseka, smer).ExtM);
            EXPECT_GE(a.M, red - 1e-12 * skala);
            EXPECT_LE(a.M, red + skala / v.L * v.L / preseka);
            EXPECT_EQ(a.Polozaj.Obrnut, obrnut);
            const double levi = a.Polozaj.PolozajP1 - (obrnut ? v.s(v.n) : 0.0);
            std::vector<double> xi = statika::Sile(v, levi, obrnut);
            if (a.Polozaj.Sila > 0) xi[std::size_t(a.Polozaj.Sila - 1)] = a.x;
            const double M =
                statika::Proracunska(d, statika::Voz(v, xi, a.x, statika::Velicina::M),
                                     statika::NajgoreQ(v, d, levi, a.x, statika::Velicina::M),
                                     statika::Integral(v.L, a.x, 0, v.L, statika::Velicina::M));
            EXPECT_NEAR(M, a.M, 1e-11 * skala);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SveSile, ApsolutniMaksimumSaDejstvima, testing::Range(1, 7));

// One force with q anywhere and g: both peak at midspan, P L/4 + (q + g) L^2/8
// with their factors; q in front of and behind a force too light to matter
// loads the whole span with the train off it.
TEST(ApsolutniMaksimum, AddsQAndGAsTheirClosedFormsSay) {
    TProracunskaDejstva d;
    d.q = 10;
    d.g = 4;
    d.Fi = 1.2;
    d.GamaG = 1.3;
    d.GamaQ = 1.4;
    const TApsolutniMaksimum a =
        ApsolutniMaksimum(VozTesta{1, 8, {100}}.Model(), TSmerVoza::Napred, d);
    EXPECT_NEAR(a.M, 1.4 * (1.2 * 100 * 8 / 4 + 10 * 64 / 8.0) + 1.3 * 4 * 64 / 8.0, 1e-11);
    EXPECT_NEAR(a.x, 4, 1e-12);
    EXPECT_EQ(a.Polozaj.Sila, 1);

    d.Raspored = TRasporedQ::IspredIIzaVoza;
    d.c = 1;
    const TApsolutniMaksimum b =
        ApsolutniMaksimum(VozTesta{2, 8, {1e-9, 1e-9}, {3}}.Model(), TSmerVoza::Napred, d);
    EXPECT_NEAR(b.M, 1.4 * 10 * 64 / 8.0 + 1.3 * 4 * 64 / 8.0, 1e-7);
    EXPECT_NEAR(b.x, 4, 1e-12);
    EXPECT_EQ(b.Polozaj.Sila, 0);
}

TEST(ApsolutniMaksimum, AnEmptyTrainOrSpanGivesZeros) {
    for (const TVoz& v : {TVoz(), TVoz(7, {1, 1}, {1}, 10), TVoz(2, {1, 1}, {1}, 0)}) {
        const TApsolutniMaksimum a = ApsolutniMaksimum(v, TSmerVoza::Oba);
        EXPECT_EQ(a.M, 0.0);
        EXPECT_EQ(a.Polozaj.Sila, 0);
    }
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "KriticniPolozaji.h"
#include "SlucajanVoz.h"
#include "VozUPolozaju.h"

namespace {

const TVoz kPodrazumevani(2, {206, 208}, {5}, 9);

// The defaults at midspan: the classical extM takes P2's parabola with P1
// counted at -0.5, beyond the support, where P2 alone gives 468; maxT puts
// P1 on the section with P2 off the span, where P2 on it gives 104.
TEST(KriticniPolozaji, SetTheClassicalPositionBesideTheExactOne) {
    const TKriticniPolozaji k =
        KriticniPolozaji(TTacnaAnvelopa(kPodrazumevani), 4.5, TSmerVoza::Napred);
    EXPECT_EQ(k.x, 4.5);
    EXPECT_NEAR(k.ExtM.Klasicno.Vrednost, 416.5, 1e-12);
    EXPECT_EQ(k.ExtM.Klasicno.Sila, 2);
    EXPECT_EQ(k.ExtM.Klasicno.PolozajP1, -0.5);
    EXPECT_NEAR(k.ExtM.Tacno.Vrednost, 468, 1e-12);
    EXPECT_EQ(k.ExtM.Tacno.Polozaj.Sila, 2);
    EXPECT_NEAR(k.ExtM.ManjakProcenat, 100 * (468 - 416.5) / 468, 1e-12);

    EXPECT_NEAR(k.MaxT.Klasicno.Vrednost, 103, 1e-12);
    EXPECT_EQ(k.MaxT.Klasicno.Sila, 1);
    EXPECT_EQ(k.MaxT.Klasicno.PolozajP1, 4.5);
    EXPECT_NEAR(k.MaxT.Tacno.Vrednost, 104, 1e-12);
    EXPECT_NEAR(k.MaxT.ManjakProcenat, 100 / 104.0, 1e-12);

    EXPECT_NEAR(k.MinT.Klasicno.Vrednost, -104, 1e-12);
    EXPECT_EQ(k.MinT.Klasicno.Sila, 2);
    EXPECT_EQ(k.MinT.Klasicno.PolozajP1, -0.5);
    EXPECT_EQ(k.MinT.ManjakProcenat, 0.0) << "the classical minT is exact here";
}

// The classical force is the zone's: P1 up to lambda_1, P2 beyond.
TEST(KriticniPolozaji, TakeTheClassicalForceOfTheSectionsZone) {
    const TTacnaAnvelopa tacna(kPodrazumevani);
    const double lambda1 = kPodrazumevani.Jednacina(1).Lambda;
    EXPECT_EQ(KriticniPolozaji(tacna, lambda1, TSmerVoza::Napred).ExtM.Klasicno.Sila, 1);
    EXPECT_EQ(
        KriticniPolozaji(tacna, std::nextafter(lambda1, 9.0), TSmerVoza::Napred).ExtM.Klasicno.Sila,
        2);
    EXPECT_EQ(KriticniPolozaji(tacna, 0, TSmerVoza::Napred).ExtM.Klasicno.Sila, 1);
    EXPECT_EQ(KriticniPolozaji(tacna, 9, TSmerVoza::Napred).ExtM.Klasicno.Sila, 2);
}

TEST(KriticniPolozaji, TheExactOnesFollowTheOrientationTheClassicalOnesDoNot) {
    const TVoz teskaDruga(2, {1, 100}, {1}, 10);
    const TTacnaAnvelopa tacna(teskaDruga);
    const TKriticniPolozaji napred = KriticniPolozaji(tacna, 5, TSmerVoza::Napred);
    const TKriticniPolozaji oba = KriticniPolozaji(tacna, 5, TSmerVoza::Oba);
    EXPECT_FALSE(napred.MaxT.Tacno.Polozaj.Obrnut);
    EXPECT_TRUE(oba.MaxT.Tacno.Polozaj.Obrnut);
    EXPECT_NEAR(oba.MaxT.Tacno.Vrednost, 50.4, 1e-12);
    EXPECT_EQ(oba.MaxT.Klasicno.Vrednost, napred.MaxT.Klasicno.Vrednost);
    EXPECT_GT(oba.MaxT.ManjakProcenat, napred.MaxT.ManjakProcenat);
}

// The forces a classical value counts are its terms: each counted force
// times its ordinate on the influence line carried on past the supports
// (the straight arms of the span's line) sums to the value, whether the
// force stands on the span or beyond it.
TEST(KriticniPolozaji, TheCountedForcesAreTheClassicalValuesTerms) {
    std::mt19937_64 gen(2406);
    std::uniform_real_distribution<double> udeo(0.0, 1.0);
    for (int redni = 0; redni < 300; ++redni) {
        const VozTesta v = SlucajanVoz(gen, 1 + redni % 6, redni, 0.3);
        const TVoz voz = v.Model();
        const TTacnaAnvelopa tacna(voz);
        const double L = v.L;
        const double x = redni % 7 == 0 ? 0.0 : L * udeo(gen);
        const TKriticniPolozaji k = KriticniPolozaji(tacna, x, TSmerVoza::Napred);
        const auto zbir = [&](const TKlasicniPolozaj& p, auto ordinata) {
            long double suma = 0;
            const TVozUPolozaju polozaj(voz, false, p.Sila, x);
            for (const TSilaUPolozaju& s : polozaj.Sile())
                if (p.Racuna(s.Sila)) suma += s.P * ordinata(s.x);
            return suma;
        };
        const auto M = [&](long double ksi) {
            return ksi <= x ? ksi * (L - x) / L : x * (L - ksi) / L;
        };
        const auto T = [&](long double ksi) { return ksi < x ? -ksi / L : (L - ksi) / L; };
        const auto Tdesno = [&](long double ksi) { return ksi <= x ? -ksi / L : (L - ksi) / L; };
        const double tol = 1e-9 * v.R() * std::max(1.0, L);
        EXPECT_NEAR(zbir(k.ExtM.Klasicno, M), k.ExtM.Klasicno.Vrednost, tol) << redni;
        EXPECT_NEAR(zbir(k.MaxT.Klasicno, T), k.MaxT.Klasicno.Vrednost, tol) << redni;
        EXPECT_NEAR(zbir(k.MinT.Klasicno, Tdesno), k.MinT.Klasicno.Vrednost, tol) << redni;
        EXPECT_EQ(k.ExtM.Klasicno.RacunaOd, 1);
        EXPECT_EQ(k.ExtM.Klasicno.RacunaDo, v.n);
        // Beyond the support shear counts no force: every counted one loads the span.
        for (const TKlasicniPolozaj* p : {&k.MaxT.Klasicno, &k.MinT.Klasicno}) {
            const TVozUPolozaju polozaj(voz, false, p->Sila, x);
            for (const TSilaUPolozaju& s : polozaj.Sile()) {
                if (p->Racuna(s.Sila)) {
                    EXPECT_TRUE(s.NaRasponu) << redni << " P" << s.Sila;
                }
            }
        }
    }
}

// Six equal axles at 1.5 m on 10 m, x = 5: maxT stands P1 on the section
// with P5 and P6 beyond the right support, and counts P1..P4 alone.
TEST(KriticniPolozaji, TheClassicalShearLeavesOutTheForcesBeyondTheSupport) {
    const TVoz sest(6, {100, 100, 100, 100, 100, 100}, {1.5, 1.5, 1.5, 1.5, 1.5}, 10);
    const TKriticniPolozaji k = KriticniPolozaji(TTacnaAnvelopa(sest), 5, TSmerVoza::Napred);
    EXPECT_NEAR(k.MaxT.Klasicno.Vrednost, 110, 1e-12);
    EXPECT_EQ(k.MaxT.Klasicno.RacunaOd, 1);
    EXPECT_EQ(k.MaxT.Klasicno.RacunaDo, 4);
    EXPECT_EQ(k.MinT.Klasicno.RacunaOd, 3);
    EXPECT_EQ(k.MinT.Klasicno.RacunaDo, 6);
}

TEST(KriticniPolozaji, AnEmptyTrainGivesNothing) {
    const TKriticniPolozaji k = KriticniPolozaji(TTacnaAnvelopa(TVoz()), 1, TSmerVoza::Oba);
    EXPECT_EQ(k.ExtM.Klasicno.Sila, 0);
    EXPECT_EQ(k.ExtM.Tacno.Vrednost, 0.0);
}

}  // namespace

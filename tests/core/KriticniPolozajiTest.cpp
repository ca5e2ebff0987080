// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "KriticniPolozaji.h"

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

TEST(KriticniPolozaji, AnEmptyTrainGivesNothing) {
    const TKriticniPolozaji k = KriticniPolozaji(TTacnaAnvelopa(TVoz()), 1, TSmerVoza::Oba);
    EXPECT_EQ(k.ExtM.Klasicno.Sila, 0);
    EXPECT_EQ(k.ExtM.Tacno.Vrednost, 0.0);
}

}  // namespace

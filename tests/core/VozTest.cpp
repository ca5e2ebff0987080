// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Voz.h"

namespace {

TVoz Voz(std::int32_t n, std::array<double, 6> P, std::array<double, 5> Ls, double L) {
    return TVoz(
        TPodaci(P[0], P[1], P[2], P[3], P[4], P[5], 0, Ls[0], Ls[1], Ls[2], Ls[3], Ls[4], L), n);
}

TEST(Voz, DefaultLoadCaseIsGovernedByTheSecondZone) {
    const TVoz v = Voz(2, {206, 208}, {5}, 9);
    EXPECT_EQ(v.R(), 414);
    EXPECT_NEAR(v.Jednacina(1).Lambda, 4.47826086956522, 1e-13);
    EXPECT_NEAR(v.Jednacina(1).MaxM, 484.071121846484, 1e-11);
    EXPECT_NEAR(v.Jednacina(2).MaxM, 487.682232957595, 1e-11);
    EXPECT_EQ(v.ZonaMaksimuma(), 2);
    EXPECT_NEAR(v.Jednacina(2).Teme, 5.743961352657, 1e-12);
}

TEST(Voz, UnusedForcesAndSpacingsTakeNoPart) {
    const TVoz v = Voz(1, {100, 50, 50, 50, 50, 50}, {1, 1, 1, 1, 1}, 8);
    EXPECT_EQ(v.P(), (std::array<double, 6>{100, 0, 0, 0, 0, 0}));
    EXPECT_EQ(v.Ls(), (std::array<double, 5>{}));
    EXPECT_EQ(v.R(), 100);
    EXPECT_EQ(v.ZonaMaksimuma(), 1);
    EXPECT_EQ(v.Jednacina(1).Teme, 4);
    EXPECT_EQ(v.Jednacina(1).MaxM, 200);
    EXPECT_EQ(v.ExtM(4), 200);
}

TEST(Voz, EqualMaximaGoToTheHigherZone) {
    // Two equal forces give two equal maxima, exact in binary here.
    const TVoz v = Voz(2, {1, 1}, {2}, 8);
    ASSERT_EQ(v.Jednacina(1).MaxM, v.Jednacina(2).MaxM);
    EXPECT_EQ(v.ZonaMaksimuma(), 2);
    EXPECT_EQ(v.Jednacina(2).Teme, 4.5);
}

TEST(Voz, StrictlyLargerEarlierZoneGoverns) {
    EXPECT_EQ(Voz(3, {300, 10, 10}, {1, 1}, 10).ZonaMaksimuma(), 1);
}

// The shear jumps of six forces: maxT's from the right support with the
// first spacings, minT's from the left support with the last ones.
TEST(Voz, ShearJumpsCountTheSpacingsFromEachEnd) {
    const TVoz v = Voz(6, {60, 80, 100, 40, 70, 90}, {1.25, 0.75, 1.5, 1, 2}, 12);
    const double J[] = {12 - 1.25, 12 - 2.0, 12 - 3.5, 12 - 4.5, 12 - 6.5};
    const double E[] = {2, 3, 4.5, 5.25, 6.5};
    for (std::int32_t k = 1; k <= 5; ++k) {
        EXPECT_EQ(v.SkokMaxT(k), J[k - 1]) << k;
        EXPECT_EQ(v.SkokMinT(k), E[k - 1]) << k;
    }
    EXPECT_EQ(v.ZbirLambdi(0), 0);
    EXPECT_NEAR(static_cast<double>(v.ZbirLambdi(6)), 12, 1e-14);
    EXPECT_THROW(v.SkokMaxT(6), std::out_of_range);
    EXPECT_THROW(v.Jednacina(7), std::out_of_range);
}

// The mirror image crosses as P3..P1: its quantities are those of the
// reversed train, and turning it again gives the train back bit for bit.
TEST(Voz, MirrorImageReversesForcesAndSpacings) {
    const TVoz v = Voz(3, {30, 20, 10}, {1, 2}, 10);
    const TVoz o = v.Obrnut();
    EXPECT_EQ(o.P(), (std::array<double, 6>{10, 20, 30, 0, 0, 0}));
    EXPECT_EQ(o.Ls(), (std::array<double, 5>{2, 1, 0, 0, 0}));
    EXPECT_EQ(o.R(), v.R());
    EXPECT_EQ(o.Odmak(3), 3);
    EXPECT_EQ(o.Odmak(2), 2);
    EXPECT_DOUBLE_EQ(o.xR(), 3 - v.xR());
    const TVoz nazad = o.Obrnut();
    EXPECT_EQ(nazad.P(), v.P());
    EXPECT_EQ(nazad.Ls(), v.Ls());
    EXPECT_EQ(nazad.Jednacina(3).MaxM, v.Jednacina(3).MaxM);
}

class PrazanVoz : public testing::TestWithParam<std::int32_t> {};

TEST_P(PrazanVoz, ForceCountOutsideOneToSixIsAnEmptyTrain) {
    const TVoz v = Voz(GetParam(), {206, 208, 1, 1, 1, 1}, {5, 1, 1, 1, 1}, 9);
    EXPECT_FALSE(v.Vazi());
    EXPECT_EQ(v.P(), (std::array<double, 6>{}));
    EXPECT_EQ(v.R(), 0);
    EXPECT_EQ(v.ZonaMaksimuma(), 0);
    EXPECT_EQ(v.ExtM(4.5), 0);
    EXPECT_EQ(v.MaxT(4.5), 0);
    EXPECT_EQ(v.Obrnut().BrojSila(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Counts, PrazanVoz, testing::Values(0, 7, -1));

}  // namespace

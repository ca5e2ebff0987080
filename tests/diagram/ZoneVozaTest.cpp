// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ZoneVoza.h"

namespace {

TVozNaGredi Voz(std::int32_t n, std::array<double, 6> P, std::array<double, 5> Ls, double L) {
    TPodaci z(P[0], P[1], P[2], P[3], P[4], P[5], 0, Ls[0], Ls[1], Ls[2], Ls[3], Ls[4], L);
    return TVozNaGredi(z, n);
}

TEST(ZoneVoza, DefaultLoadCaseIsGovernedByTheSecondZone) {
    const TZoneVoza z(Voz(2, {206, 208}, {5}, 9));
    EXPECT_EQ(z.R, 414);
    EXPECT_NEAR(z.lambda[0], 4.47826086956522, 1e-13);
    EXPECT_NEAR(z.maxM[0], 484.071121846484, 1e-11);
    EXPECT_NEAR(z.maxM[1], 487.682232957595, 1e-11);
    EXPECT_EQ(z.g, 2);
    EXPECT_NEAR(z.xgov(), 5.743961352657, 1e-12);
}

TEST(ZoneVoza, UnusedForcesAndSpacingsTakeNoPart) {
    const TZoneVoza z(Voz(1, {100, 50, 50, 50, 50, 50}, {1, 1, 1, 1, 1}, 8));
    EXPECT_EQ(z.R, 100);
    EXPECT_EQ(z.xgov(), 4);
    EXPECT_EQ(z.Mgov(), 200);
}

TEST(ZoneVoza, EqualMaximaGoToTheHigherZone) {
    // Two equal forces give two equal maxima, exact in binary here.
    const TZoneVoza z(Voz(2, {1, 1}, {2}, 8));
    ASSERT_EQ(z.maxM[0], z.maxM[1]);
    EXPECT_EQ(z.g, 2);
    EXPECT_EQ(z.xgov(), 4.5);
}

TEST(ZoneVoza, StrictlyLargerEarlierZoneGoverns) {
    const TZoneVoza z(Voz(3, {300, 10, 10}, {1, 1}, 10));
    EXPECT_EQ(z.g, 1);
}

}  // namespace

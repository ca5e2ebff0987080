// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "JednacineMomenata.h"
#include "SlucajOpterecenja.h"

namespace {

// A train of F equal forces with unequal spacings on a span that holds it.
SlucajOpterecenja Voz(int F) {
    const std::vector<std::string> razmaci{"0.7", "1.1", "0.2", "0.9", "1.3"};
    return SlucajOpterecenja{std::vector<std::string>(F, "1"),
                             std::vector<std::string>(razmaci.begin(), razmaci.begin() + F - 1),
                             "12", "4", "10"};
}

TEST(Jednacine, SingleForceHasOneZoneAndNoBoundaryLines) {
    const std::vector<std::string> l =
        SlucajOpterecenja{{"12"}, {}, "8", "2", "4"}.Izvestaj().Linije;
    const std::vector<std::string> ocekivano{"Sile:",
                                             "P1 = 12 [kN]",
                                             "",
                                             "Raspon grede: L = 8 [m]",
                                             "Proizvoljno rastojanje: x = 2 [m]",
                                             "",
                                             "Zona vazenja: lambda1 = 8 [m]",
                                             "",
                                             "Prva jednacina:",
                                             "M1(x) = 1.5*[8 - (0)]*x - 1.5*x^2 - 0",
                                             "a1 = 0 [m]",
                                             "Mlevo1 = 0 [kNm]",
                                             "nule: x11 = 0 [m]   x12 = 8 [m]",
                                             "teme: x1o = 4 [m]",
                                             "maximum: maxM1 = 24 [kNm]",
                                             "",
                                             "Vrednosti extM u zadatom broju preseka:"};
    ASSERT_GT(l.size(), 2 + ocekivano.size());
    EXPECT_EQ(std::vector<std::string>(l.begin() + 2, l.begin() + 2 + ocekivano.size()), ocekivano);
}

class JednacinePoBrojuSila : public testing::TestWithParam<int> {};

TEST_P(JednacinePoBrojuSila, SecondEquationLabelHasBlanksExceptForTwoForces) {
    const int F = GetParam();
    const std::vector<std::string> l = LinijeSa(Voz(F).Izvestaj().Linije, "M2(x)");
    ASSERT_EQ(l.size(), 1u);
    EXPECT_TRUE(l[0].starts_with(F == 2 ? "M2(x)=" : "M2(x) = ")) << l[0];
}

TEST_P(JednacinePoBrojuSila, LastForceHasZerosMinusAAndL) {
    const int F = GetParam();
    const RezultatiProracuna r = Voz(F).Izvestaj().Rezultati;
    EXPECT_NEAR(r.FNule[F - 1][0], -r.FA[F - 1], 1e-12);
    EXPECT_NEAR(r.FNule[F - 1][1], 12.0, 1e-12);
}

TEST_P(JednacinePoBrojuSila, ZonesCoverTheSpanAndNothingBeyondTheTrainIsStored) {
    const int F = GetParam();
    const RezultatiProracuna r = Voz(F).Izvestaj().Rezultati;
    double zbir = 0;
    for (int k = 0; k < F; ++k) zbir += r.FLambda[k];
    EXPECT_NEAR(zbir, 12.0, 1e-12);
    for (int k = F; k < 6; ++k) {
        EXPECT_EQ(r.FLambda[k], 0.0) << k;
        EXPECT_EQ(r.FA[k], 0.0) << k;
        EXPECT_EQ(r.FMlevo[k], 0.0) << k;
        EXPECT_EQ(r.FTeme[k], 0.0) << k;
        EXPECT_EQ(r.FMaxM[k], 0.0) << k;
        EXPECT_EQ(r.FNule[k], (std::array<double, 2>{})) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Sile, JednacinePoBrojuSila, testing::Range(2, 7));

TEST(Jednacine, SixForcesHaveEveryHeadingAndBoundaryLabel) {
    const std::vector<std::string> l = Voz(6).Izvestaj().Linije;
    EXPECT_EQ(LinijeSa(l, "Prva jednacina:").size(), 1u);
    for (const char* naslov : {"Druga jednacina:", "Treca jednacina:", "Cetvrta jednacina:",
                               "Peta jednacina:", "Sesta jednacina:"})
        EXPECT_EQ(LinijeSa(l, naslov).size(), 1u) << naslov;
    std::vector<std::string> oznake;
    for (const std::string& linija : l)
        if (const auto kraj = linija.find(") = M("); kraj != std::string::npos && linija[1] != '(')
            oznake.push_back(linija.substr(0, kraj + 6));
    // clang-format off
    const std::vector<std::string> ocekivano{
        "M1(lambda1) = M(",
        "M2(lambda1) = M(", "M2(lambda1+lambda2) = M(",
        "M3(lambda1+lambda2) = M(", "M3(lambda1+lambda2+lambda3) = M(",
        "M4(lambda1+lambda2+lambda3) = M(", "M4(lambda1+lambda2+lambda3+lambda4) = M(",
        "M5(lambda1+lambda2+lambda3+lambda4) = M(", "M5(lambda1+lambda2+lambda3+lambda4+lambda5) = M(",
        "M6(lambda1+lambda2+lambda3+lambda4+lambda5) = M("};
    // clang-format on
    EXPECT_EQ(oznake, ocekivano);
    const std::vector<std::string> nule = LinijeSa(l, "nule: x6");
    ASSERT_EQ(nule.size(), 1u);
    EXPECT_NE(nule[0].find(" [m]   x62 = "), std::string::npos) << nule[0];
}

// Both zeros of the last parabola meet at L; cancellation leaves the
// discriminant a little below zero, whose root would print NaN.
TEST(Jednacine, NegativeDiscriminantResidueGivesADoubleZero) {
    const IzvestajLastovar iz =
        SlucajOpterecenja{{"100000", "0.001"}, {"0.007"}, "0.007", "0", "10"}.Izvestaj();
    for (const std::string& linija : iz.Linije)
        EXPECT_EQ(linija.find("NAN"), std::string::npos) << linija;
    const RezultatiProracuna& r = iz.Rezultati;
    EXPECT_EQ(r.FNule[1][0], r.FTeme[1]);
    EXPECT_EQ(r.FNule[1][1], r.FTeme[1]);
    EXPECT_EQ(
        LinijeSa(iz.Linije, "nule: x2"),
        std::vector<std::string>{"nule: x21 = 0.006999999965 [m]   x22 = 0.006999999965 [m]"});
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "IzvestajLastovar.h"
#include "SlucajOpterecenja.h"
#include "ZlatnaDatoteka.h"

namespace {

const SlucajOpterecenja kDveSile{{"10", "10"}, {"2"}, "10", "3", "5"};
const SlucajOpterecenja kPodrazumevano{{"206.0", "208.0"}, {"5.0"}, "9.0", "1.25", "10"};

TEST(Izvestaj, CompleteReportForTwoForces) {
    UporediSaReferencom(kDveSile.Izvestaj().Linije,
                        std::string(LASTOVAR_PODACI_TESTOVA) + "/DveSileRaspon10.txt");
}

TEST(Izvestaj, ResultFieldsOfTwoForces) {
    const RezultatiProracuna r = kDveSile.Izvestaj().Rezultati;
    EXPECT_EQ(r.FR, 20.0);
    EXPECT_EQ(r.FXR, 1.0);
    EXPECT_EQ(r.FLambda, (std::array<double, 6>{5, 5, 0, 0, 0, 0}));
    EXPECT_EQ(r.FA, (std::array<double, 6>{1, -1, 0, 0, 0, 0}));
    EXPECT_EQ(r.FMlevo, (std::array<double, 6>{0, 20, 0, 0, 0, 0}));
    EXPECT_EQ(r.FTeme, (std::array<double, 6>{4.5, 5.5, 0, 0, 0, 0}));
    EXPECT_EQ(r.FMaxM, (std::array<double, 6>{40.5, 40.5, 0, 0, 0, 0}));
    const std::array<double, 2> nula{};
    EXPECT_EQ(r.FNule,
              (std::array<std::array<double, 2>, 6>{{{0, 9}, {1, 10}, nula, nula, nula, nula}}));
    EXPECT_EQ(r.FMProizvoljno, 36.0);
    EXPECT_EQ(r.FMaxTProizvoljno, 12.0);
    EXPECT_EQ(r.FMinTProizvoljno, -4.0);
    EXPECT_EQ(r.FXProizvoljno, 3.0);
    EXPECT_EQ(r.FKorakPreseka, 2.0);
}

TEST(Izvestaj, DefaultLoadCaseHeadAndTail) {
    const std::vector<std::string> l = kPodrazumevano.Izvestaj().Linije;
    const std::vector<std::string> glava{"REZULTATI PRORACUNA",
                                         "",
                                         "Sile:",
                                         "P1 = 206 [kN]",
                                         "P2 = 208 [kN]",
                                         "Rastojanja izmedju sila:",
                                         "L1 = 5 [m]",
                                         "",
                                         "Raspon grede: L = 9 [m]",
                                         "Proizvoljno rastojanje: x = 1.25 [m]"};
    const std::vector<std::string> rep{"",
                                       "Rezultanta: ",
                                       "R = 414 [kN]",
                                       "xR = 2.51207729468599 [m] (u odnosu na  prvu silu)",
                                       "",
                                       "M(proizvoljno x) = M(1.25) = 301.180555555556 [kNm]",
                                       "maxT(proizvoljno x) = maxT(1.25) = 240.944444444444 [kN]",
                                       "minT(proizvoljno x) = minT(1.25) = -28.8888888888889 [kN]"};
    ASSERT_GT(l.size(), glava.size() + rep.size());
    EXPECT_EQ(std::vector<std::string>(l.begin(), l.begin() + glava.size()), glava);
    EXPECT_EQ(std::vector<std::string>(l.end() - rep.size(), l.end()), rep);
}

// The default report's quoted lines, each after the one before it.
TEST(Izvestaj, DefaultLoadCaseMiddleInOrder) {
    const std::vector<std::string> l = kPodrazumevano.Izvestaj().Linije;
    const std::vector<std::string> navedene{
        "Zona vazenja: lambda1 = 4.47826086956522 [m]",
        "Zona vazenja: lambda2 = 4.52173913043478 [m]",
        "Prva jednacina:", "M1(x) = 46*[9 - (2.51207729468599)]*x - 46*x^2 - 0",
        "a1 = 2.51207729468599 [m]", "teme: x1o = 3.243961352657 [m]",
        "maximum: maxM1 = 484.071121846484 [kNm]",
        "M1(lambda1) = M(4.47826086956522) = 413.990338164251 [kNm]",
        "Druga jednacina:", "M2(x)=46*[9 - (-2.48792270531401)]*x - 46*x^2 - 1030",
        "a2 = -2.48792270531401 [m]", "Mlevo2 = 1030 [kNm]", "teme: x2o = 5.743961352657 [m]",
        "maximum: maxM2 = 487.682232957595 [kNm]",
        "M2(lambda1) = M(4.47826086956522) = 413.990338164251 [kNm]", "M1(0.9) = 231.34 [kNm]",
        "M1(3.6) = 478.24 [kNm]", "M2(4.5) = 416.5 [kNm]",
        // extended precision leaves this residue where double gives 0
        "M2(9) = -8.88178419700125E-14 [kNm]", "maxT(0) = 298.444444444444 [kN]",
        "minT(0) = 0 [kN]", "minT(9) = -299.555555555556 [kN]"};
    auto od = l.begin();
    for (const std::string& linija : navedene) {
        const auto nadjena = std::find(od, l.end(), linija);
        ASSERT_NE(nadjena, l.end()) << linija;
        od = nadjena + 1;
    }
}

TEST(Izvestaj, SpelledInputsAreReformattedButTheArbitraryTextIsKept) {
    const std::vector<std::string> l =
        SlucajOpterecenja{{"206.0", "5.50"}, {"1e0"}, "+9", " 1.250", "3"}.Izvestaj().Linije;
    EXPECT_EQ(l[3], "P1 = 206 [kN]");
    EXPECT_EQ(l[4], "P2 = 5.5 [kN]");
    EXPECT_EQ(l[6], "L1 = 1 [m]");
    EXPECT_EQ(l[8], "Raspon grede: L = 9 [m]");
    EXPECT_EQ(l[9], "Proizvoljno rastojanje: x = 1.25 [m]");
    EXPECT_TRUE(l[l.size() - 3].starts_with("M(proizvoljno x) = M( 1.250) = "));
    EXPECT_TRUE(l[l.size() - 2].starts_with("maxT(proizvoljno x) = maxT( 1.250) = "));
    EXPECT_TRUE(l[l.size() - 1].starts_with("minT(proizvoljno x) = minT( 1.250) = "));
}

TEST(Izvestaj, CommaSeparatorReadsAndWritesEveryNumber) {
    TekstoviUnosa t{{"10", "10", "1", "1", "1", "1"}, "2,5", {"2", "1", "1", "1", "1"}, "10", "5"};
    const std::vector<std::string> l = SastaviIzvestaj(t, "2", 2, ',').Linije;
    EXPECT_EQ(l[9], "Proizvoljno rastojanje: x = 2,5 [m]");
    EXPECT_EQ(l[l.size() - 3], "M(proizvoljno x) = M(2,5) = 32,5 [kNm]");
    EXPECT_EQ(l[l.size() - 2], "maxT(proizvoljno x) = maxT(2,5) = 13 [kN]");
    for (const std::string& linija : l) EXPECT_EQ(linija.find('.'), std::string::npos) << linija;
}

TEST(Izvestaj, ProgressMovesTo50Then60Then70) {
    std::vector<int> polozaji;
    SastaviIzvestaj(kDveSile.Tekstovi(), "2", 2, '.', [&](int p) { polozaji.push_back(p); });
    EXPECT_EQ(polozaji, (std::vector<int>{50, 60, 70}));
}

TEST(Izvestaj, ForceCountOutsideTheTrainWritesHeadAndZeroTail) {
    const IzvestajLastovar iz = SastaviIzvestaj(kDveSile.Tekstovi(), "2", 7, '.');
    ASSERT_EQ(iz.Linije.size(), 10u + 8u);
    EXPECT_EQ(iz.Linije[12], "R = 0 [kN]");
    EXPECT_EQ(iz.Linije[15], "M(proizvoljno x) = M(3) = 0 [kNm]");
    EXPECT_EQ(iz.Rezultati.FXProizvoljno, 3.0);
}

TEST(Izvestaj, SectionCountBeyondTheSpinEditIsRefused) {
    for (const char* n : {"0", "-1", "100"}) {
        SlucajOpterecenja s = kDveSile;
        s.preseka = n;
        EXPECT_THROW(s.Izvestaj(), std::out_of_range) << n;
    }
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SlucajOpterecenja.h"
#include "TabelePreseka.h"

namespace {

// The extM table's labels and abscissas ("M2(2.5)"), in order.
std::vector<std::string> TabelaExtM(const std::vector<std::string>& l) {
    std::vector<std::string> tabela;
    auto i = std::find(l.begin(), l.end(), "Vrednosti extM u zadatom broju preseka:");
    for (++i; i != l.end() && !i->empty(); ++i) tabela.push_back(i->substr(0, i->find(") = ") + 1));
    return tabela;
}

struct SlucajGranice {
    const char* opis;
    SlucajOpterecenja slucaj;
    std::vector<std::string> tabela;
};

void PrintTo(const SlucajGranice& s, std::ostream* os) { *os << s.opis; }

class GranicaZone : public testing::TestWithParam<SlucajGranice> {};

TEST_P(GranicaZone, ExtMTableLines) {
    EXPECT_EQ(TabelaExtM(GetParam().slucaj.Izvestaj().Linije), GetParam().tabela);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sections, GranicaZone, testing::Values(
    SlucajGranice{"TwoForcesOnLambda1", {{"10", "10"}, {"2"}, "10", "0", "2"},
                  {"M1(0)", "M1(5)", "M2(10)"}},
    SlucajGranice{"ThreeForcesOnLambda1AndLambda2", {{"1", "1", "1"}, {"1", "1"}, "9", "0", "3"},
                  {"M1(0)", "M1(3)", "M2(6)", "M3(9)"}},
    // four to six forces: a section on lambda1 opens zone 2 as well
    SlucajGranice{"FourForcesOnEveryBoundary", {{"1", "1", "1", "1"}, {"1", "1", "1"}, "10", "0", "4"},
                  {"M1(0)", "M1(2.5)", "M2(2.5)", "M2(5)", "M3(7.5)", "M4(10)"}},
    SlucajGranice{"SixForcesOnLambda1", {{"1", "1", "1", "1", "1", "1"}, {"1", "1", "1", "1", "1"}, "12", "0", "6"},
                  {"M1(0)", "M1(2)", "M2(2)", "M2(4)", "M3(6)", "M4(8)", "M5(10)", "M6(12)"}},
    SlucajGranice{"OneSection", {{"5"}, {}, "2.5", "0", "1"}, {"M1(0)", "M1(2.5)"}}
), [](const auto& info) { return std::string(info.param.opis); });
// clang-format on

TEST(TabelePreseka, OneSectionGivesBothSupportsAndTheSpanAsSpacing) {
    const IzvestajLastovar iz = SlucajOpterecenja{{"5"}, {}, "2.5", "0", "1"}.Izvestaj();
    EXPECT_EQ(iz.Rezultati.FKorakPreseka, 2.5);
    EXPECT_EQ(LinijeSa(iz.Linije, "M1(0)"), std::vector<std::string>{"M1(0) = 0 [kNm]"});
    const std::vector<std::string> smicanje{"maxT(0) = 5 [kN]", "maxT(2.5) = 0 [kN]", "",
                                            "minT(0) = 0 [kN]", "minT(2.5) = -5 [kN]"};
    const auto od = std::find(iz.Linije.begin(), iz.Linije.end(), smicanje.front());
    ASSERT_GE(std::distance(od, iz.Linije.end()), 5);
    EXPECT_EQ(std::vector<std::string>(od, od + 5), smicanje);
}

struct SlucajPrekoracenja {
    const char* opis;
    SlucajOpterecenja slucaj;  // x typed as L
};

void PrintTo(const SlucajPrekoracenja& s, std::ostream* os) { *os << s.opis; }

// The last section n*(L/n) lands a little beyond L; it must still be the
// support: an extM line of the last zone and the shear values of x = L.
class PoslednjiPresek : public testing::TestWithParam<SlucajPrekoracenja> {};

TEST_P(PoslednjiPresek, IsEvaluatedAtTheSupport) {
    const SlucajOpterecenja& s = GetParam().slucaj;
    const IzvestajLastovar iz = s.Izvestaj();
    const RezultatiProracuna& r = iz.Rezultati;
    const int n = std::stoi(s.preseka);
    const double L = std::stod(s.raspon);
    ASSERT_GT(static_cast<double>(static_cast<long double>(n) * r.FKorakPreseka), L)
        << "the case no longer overshoots";

    const std::vector<std::string> extM = TabelaExtM(iz.Linije);
    EXPECT_EQ(extM.size(), static_cast<std::size_t>(n + 1));
    EXPECT_TRUE(extM.back().starts_with("M" + std::to_string(s.sile.size()) + "(")) << extM.back();

    const auto vrednost = [](const std::string& linija) {
        const std::size_t od = linija.rfind(" = ") + 3;
        return linija.substr(od, linija.rfind(' ') - od);
    };
    const std::vector<std::string> maxT = LinijeSa(iz.Linije, "maxT(");
    const std::vector<std::string> minT = LinijeSa(iz.Linije, "minT(");
    ASSERT_EQ(minT.size(), static_cast<std::size_t>(n + 2));
    EXPECT_EQ(vrednost(maxT[n]), vrednost(maxT.back())) << maxT[n];
    EXPECT_EQ(vrednost(minT[n]), vrednost(minT.back())) << minT[n];
    EXPECT_NE(vrednost(minT[n]), "0") << minT[n];
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Overshoot, PoslednjiPresek, testing::Values(
    SlucajPrekoracenja{"OneForce", {{"4"}, {}, "0.9", "0.9", "7"}},
    SlucajPrekoracenja{"TwoForces", {{"10", "10"}, {"0.1"}, "0.3", "0.3", "37"}},
    SlucajPrekoracenja{"ThreeForces", {{"2", "3", "1"}, {"0.5", "1"}, "3.3", "3.3", "25"}},
    SlucajPrekoracenja{"SixForces", {{"1", "2", "3", "1", "2", "3"}, {"0.1", "0.2", "0.3", "0.4", "0.5"}, "2.9", "2.9", "21"}}
), [](const auto& info) { return std::string(info.param.opis); });
// clang-format on

struct SlucajProizvoljnog {
    const char* opis;
    SlucajOpterecenja slucaj;  // x typed on the right end of zone j
    int j;
};

void PrintTo(const SlucajProizvoljnog& s, std::ostream* os) { *os << s.opis; }

// On a zone boundary the two parabolas differ in their last bits in these
// cases, so the stored value shows which one was taken: the left one.
class ProizvoljniNaGranici : public testing::TestWithParam<SlucajProizvoljnog> {};

TEST_P(ProizvoljniNaGranici, TakesTheLeftZone) {
    const SlucajOpterecenja& s = GetParam().slucaj;
    const int j = GetParam().j;
    const IzvestajLastovar iz = s.Izvestaj();
    const RezultatiProracuna& r = iz.Rezultati;
    const TVoz& v = iz.Proracun.Voz;
    ASSERT_EQ(v.ZbirLambdi(j), r.FXProizvoljno);
    const double levo = static_cast<double>(v.Moment(j, r.FXProizvoljno));
    const double desno = static_cast<double>(v.Moment(j + 1, r.FXProizvoljno));
    ASSERT_NE(levo, desno) << "the case no longer tells the zones apart";
    EXPECT_EQ(r.FMProizvoljno, levo);
    EXPECT_EQ(iz.Proracun.Proizvoljni.Zona, j);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boundaries, ProizvoljniNaGranici, testing::Values(
    SlucajProizvoljnog{"TwoForces", {{"3", "3"}, {"0.9"}, "6", "3", "10"}, 1},
    SlucajProizvoljnog{"ThreeForces", {{"1", "1", "1"}, {"0.1", "0.2"}, "3", "2", "10"}, 2},
    SlucajProizvoljnog{"FourForces", {{"1", "1", "1", "1"}, {"0.7", "1.1", "0.2"}, "8", "4", "10"}, 2},
    SlucajProizvoljnog{"FiveForces", {{"1", "1", "1", "1", "1"}, {"0.9", "1.3", "0.1", "0.3"}, "10", "6", "10"}, 3},
    // unlike the table, zone 2 here does not take its left end
    SlucajProizvoljnog{"SixForcesOnLambda1", {{"1", "1", "1", "1", "1", "1"}, {"0.3", "0.7", "1.1", "0.2", "0.9"}, "12", "2", "10"}, 1},
    SlucajProizvoljnog{"SixForcesOnLambda5", {{"1", "1", "1", "1", "1", "1"}, {"1.3", "0.1", "0.3", "0.7", "1.1"}, "12", "10", "10"}, 5}
), [](const auto& info) { return std::string(info.param.opis); });
// clang-format on

}  // namespace

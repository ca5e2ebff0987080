// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IzvestajTacneAnvelope.h"
#include "SlucajOpterecenja.h"

namespace {

// One section as a text prints it: its label and the classical extM, maxT
// and minT, each exactly as written.
struct Presek {
    std::string x, extM, maxT, minT;
    friend bool operator==(const Presek&, const Presek&) = default;
};

std::ostream& operator<<(std::ostream& os, const Presek& p) {
    return os << "x = " << p.x << ": " << p.extM << ", " << p.maxT << ", " << p.minT;
}

// The text between `od` and the next `do` in `linija`.
std::string Izmedju(const std::string& linija, const std::string& od, const std::string& doKraja) {
    const std::size_t pocetak = linija.find(od) + od.size();
    return linija.substr(pocetak, linija.find(doKraja, pocetak) - pocetak);
}

// The report's sections: the tables' labels, the first extM line of each.
std::vector<Presek> PreseciIzvestaja(const std::vector<std::string>& linije) {
    std::vector<Presek> p;
    for (const std::string& l : LinijeSa(linije, "maxT("))
        if (!l.starts_with("maxT(proizvoljno"))
            p.push_back({Izmedju(l, "(", ")"), "", Izmedju(l, ") = ", " [kN]"), ""});
    std::size_t i = 0;
    for (const std::string& l : LinijeSa(linije, "minT("))
        if (!l.starts_with("minT(proizvoljno") && i < p.size())
            p[i++].minT = Izmedju(l, ") = ", " [kN]");
    const auto od =
        std::find(linije.begin(), linije.end(), "Vrednosti extM u zadatom broju preseka:");
    for (auto l = od + 1; l != linije.end() && !l->empty(); ++l)
        for (Presek& s : p)
            if (Izmedju(*l, "(", ")") == s.x && s.extM.empty())
                s.extM = Izmedju(*l, ") = ", " [kNm]");
    return p;
}

// The comparison's sections: its labels and its classical values.
std::vector<Presek> PreseciPoredjenja(const std::vector<std::string>& linije) {
    std::vector<Presek> p;
    for (const std::string& l : linije) {
        if (l.starts_with("x = ")) p.push_back({Izmedju(l, "x = ", " [m]"), "", "", ""});
        if (p.empty() || l.find(": klasicno = ") != 4) continue;
        const std::string klasicno = Izmedju(l, "klasicno = ", " [");
        if (l.starts_with("extM")) p.back().extM = klasicno;
        if (l.starts_with("maxT")) p.back().maxT = klasicno;
        if (l.starts_with("minT")) p.back().minT = klasicno;
    }
    return p;
}

struct SlucajPoredjenja {
    const char* opis;
    SlucajOpterecenja slucaj;
};

void PrintTo(const SlucajPoredjenja& s, std::ostream* os) { *os << s.opis; }

class KlasicnoKaoIzvestaj : public testing::TestWithParam<SlucajPoredjenja> {};

// A user who reads both sees one number for one thing: every section label
// and classical value of the comparison is the report's, character for
// character, in both directions of the train.
TEST_P(KlasicnoKaoIzvestaj, PrintsTheReportsSectionsAndValues) {
    const SlucajOpterecenja& s = GetParam().slucaj;
    const std::vector<Presek> izvestaj = PreseciIzvestaja(s.Izvestaj().Linije);
    ASSERT_EQ(izvestaj.size(), std::stoul(s.preseka) + 1);
    const auto F = static_cast<std::int32_t>(s.sile.size());
    for (const TSmerVoza smer : {TSmerVoza::Napred, TSmerVoza::Oba})
        EXPECT_EQ(PreseciPoredjenja(IzvestajTacneAnvelope(s.Tekstovi(), F, '.', smer)), izvestaj);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, KlasicnoKaoIzvestaj, testing::Values(
    // the report's extended precision leaves -8.88178419700125E-14 at the support
    SlucajPoredjenja{"Defaults", {{"206.0", "208.0"}, {"5.0"}, "9.0", "1.25", "10"}},
    // i*L/n in double and in extended precision print differently
    SlucajPoredjenja{"OneForceSectionLabels", {{"183.628"}, {}, "14.458", "7.23", "33"}},
    SlucajPoredjenja{"ThreeForcesSectionLabels", {{"206", "206", "206"}, {"2", "2"}, "12", "12", "99"}},
    // two extM lines on lambda_1: the first one
    SlucajPoredjenja{"FourForcesOnLambda1", {{"1", "1", "1", "1"}, {"1", "1", "1"}, "10", "0", "4"}},
    // the last section lies past L
    SlucajPoredjenja{"LastSectionPastTheSpan", {{"1", "2", "3", "1", "2", "3"}, {"0.1", "0.2", "0.3", "0.4", "0.5"}, "2.9", "2.9", "21"}}
), [](const auto& info) { return std::string(info.param.opis); });
// clang-format on

// Every quantity line ends with what the section carries in the critical
// position, in the unit of the other quantity, and the text ends with the
// absolute maximum.
TEST_P(KlasicnoKaoIzvestaj, EndsEachQuantityLineWithWhatTheSectionCarries) {
    const SlucajOpterecenja& s = GetParam().slucaj;
    const auto F = static_cast<std::int32_t>(s.sile.size());
    const std::vector<std::string> l = IzvestajTacneAnvelope(s.Tekstovi(), F, '.', TSmerVoza::Oba);
    std::size_t extM = 0, smicanja = 0;
    for (const std::string& linija : l) {
        if (linija.find(": klasicno = ") != 4) continue;
        const bool moment = linija.starts_with("extM");
        const std::size_t tacka = linija.find("; istovremeno ");
        ASSERT_NE(tacka, std::string::npos) << linija;
        EXPECT_NE(linija.find(", voz P", 0), std::string::npos) << linija;
        EXPECT_LT(linija.find(", voz P"), tacka) << "the orientation stays where it was";
        const std::string ostatak = linija.substr(tacka);
        if (moment) {
            ++extM;
            EXPECT_TRUE(ostatak.starts_with("; istovremeno T = ") && ostatak.ends_with(" [kN]") &&
                        ostatak.find(" / ") != std::string::npos)
                << linija;
        } else {
            ++smicanja;
            EXPECT_TRUE(ostatak.starts_with("; istovremeno M = ") && ostatak.ends_with(" [kNm]"))
                << linija;
        }
    }
    EXPECT_EQ(extM, std::stoul(s.preseka) + 1);
    EXPECT_EQ(smicanja, 2 * extM);
    const TVoz voz(ZapisIzTekstova(s.Tekstovi(), '.'), F);
    EXPECT_EQ(l.back(), LinijaApsolutnogMaksimuma(ApsolutniMaksimum(voz, TSmerVoza::Oba), F, '.'));
}

struct SlucajMaksimuma {
    TApsolutniMaksimum maksimum;
    std::int32_t brojSila;
    char separator;
    const char* linija;
};

class LinijaMaksimuma : public testing::TestWithParam<SlucajMaksimuma> {};

TEST_P(LinijaMaksimuma, IsWrittenInTheReportsFormat) {
    const SlucajMaksimuma& s = GetParam();
    EXPECT_EQ(LinijaApsolutnogMaksimuma(s.maksimum, s.brojSila, s.separator), s.linija);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, LinijaMaksimuma, testing::Values(
    SlucajMaksimuma{{40.5, 4.5, {4.5, 1, false}}, 2, '.',
                    "Apsolutni maksimum: M = 40.5 [kNm] u preseku x = 4.5 [m], P1 na 4.5 [m]"},
    SlucajMaksimuma{{1.0 / 3, 0.25, {-1.5, 3, false}}, 3, ',',
                    "Apsolutni maksimum: M = 0,333333333333333 [kNm] u preseku x = 0,25 [m], P1 na -1,5 [m]"},
    SlucajMaksimuma{{252, 4.995, {5.995, 2, true}}, 3, '.',
                    "Apsolutni maksimum: M = 252 [kNm] u preseku x = 4.995 [m], P1 na 5.995 [m], voz P3..P1"}
));
// clang-format on

// The defaults: the diagram's vertex is the absolute maximum. Two equal
// forces as far apart as the span: both classical parabolas peak at 12.5
// kNm, half the 25 kNm of one force alone at midspan.
TEST(LinijeMgov, SetTheDiagramsVertexBesideTheAbsoluteMaximum) {
    const SlucajOpterecenja podrazumevani{{"206.0", "208.0"}, {"5.0"}, "9.0", "1.25", "10"};
    EXPECT_EQ(LinijeMgov(podrazumevani.Tekstovi(), 2, '.', TSmerVoza::Napred),
              (std::vector<std::string>{
                  "Mgov na dijagramu: M = 487.682232957595 [kNm] u preseku x = 5.743961352657 [m]",
                  "Apsolutni maksimum - Mgov = 0 [kNm], Mgov manji za 0 [%]"}));
    const SlucajOpterecenja dugacak{{"10", "10"}, {"10"}, "10", "0", "2"};
    EXPECT_EQ(
        LinijeMgov(dugacak.Tekstovi(), 2, '.', TSmerVoza::Oba),
        (std::vector<std::string>{"Mgov na dijagramu: M = 12.5 [kNm] u preseku x = 7.5 [m]",
                                  "Apsolutni maksimum - Mgov = 12.5 [kNm], Mgov manji za 50 [%]"}));
}

// One force crosses alike both ways: the train is "P1", never "P1..P1".
TEST(IzvestajTacneAnvelope, NamesOneForceP1BothWays) {
    const SlucajOpterecenja jedna{{"250"}, {}, "6", "2.5", "4"};
    const std::vector<std::string> linije =
        IzvestajTacneAnvelope(jedna.Tekstovi(), 1, '.', TSmerVoza::Oba);
    ASSERT_GE(linije.size(), 4u);
    EXPECT_EQ(linije[3], "Voz: P1");
    for (const std::string& l : linije) EXPECT_EQ(l.find("P1..P1"), std::string::npos) << l;
}

}  // namespace

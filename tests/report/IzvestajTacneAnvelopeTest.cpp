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

}  // namespace

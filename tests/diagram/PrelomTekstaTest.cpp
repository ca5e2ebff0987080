// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "PrelomTeksta.h"

namespace {

// The numbers of a text: a sign, digits with a decimal separator, an
// exponent.
std::vector<std::string> Brojevi(const std::string& tekst) {
    static const std::regex broj("-?[0-9]+([.,][0-9]+)?(E-?[0-9]+)?");
    std::vector<std::string> b;
    for (auto i = std::sregex_iterator(tekst.begin(), tekst.end(), broj);
         i != std::sregex_iterator(); ++i)
        b.push_back(i->str());
    return b;
}

struct Linija {
    const char* ime;
    const char* tekst;
    std::size_t znakova;
    std::vector<std::string> delovi;
};

void PrintTo(const Linija& l, std::ostream* os) { *os << l.ime; }

class PrelomLinije : public testing::TestWithParam<Linija> {};

TEST_P(PrelomLinije, BreaksAtABlankOrBeforeAnOperatorNeverInANumber) {
    const Linija& l = GetParam();
    const std::vector<std::string> delovi = PrelomiLinijuIzvestaja(l.tekst, l.znakova, 4);
    EXPECT_EQ(delovi, l.delovi);
    // Every piece within the width, every number of the line whole in one.
    std::string sastavljeno;
    for (std::size_t i = 0; i < delovi.size(); ++i) {
        EXPECT_LE(delovi[i].size(), l.znakova) << delovi[i];
        if (i > 0) {
            EXPECT_TRUE(delovi[i].starts_with("    ")) << delovi[i];
        }
        sastavljeno += delovi[i] + "\n";
    }
    std::vector<std::string> celi;
    for (const std::string& d : delovi)
        for (std::string& b : Brojevi(d)) celi.push_back(std::move(b));
    EXPECT_EQ(celi, Brojevi(l.tekst)) << sastavljeno;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Redovi, PrelomLinije, testing::Values(
    Linija{"Fits", "P1 = 206 [kN]", 20, {"P1 = 206 [kN]"}},
    Linija{"AtTheLastBlankThatFits",
           "M4(lambda1+lambda2+lambda3) = M(12345.6789012345) = -1981.03212345678 [kNm]", 60,
           {"M4(lambda1+lambda2+lambda3) = M(12345.6789012345) =",
            "    -1981.03212345678 [kNm]"}},
    Linija{"BeforeAnOperatorWhereNoBlankIs",
           "M2(x)=46.3333333333333*[123456.789 - (-2.48792270531401)]*x - 46.3333333333333*x^2", 40,
           {"M2(x)=46.3333333333333*[123456.789 -",
            "    (-2.48792270531401)]*x -",
            "    46.3333333333333*x^2"}},
    Linija{"AnExponentsSignIsTheNumbers",
           "xR=1.23456789012345E-14+2.5E-5*0.000123", 24,
           {"xR=1.23456789012345E-14", "    +2.5E-5*0.000123"}},
    Linija{"ARunOfBlanksGoesWithTheBreak",
           "nule: x11 = 0 [m]   x12 = 123456.789 [m]", 20,
           {"nule: x11 = 0 [m]", "    x12 = 123456.789", "    [m]"}},
    Linija{"ADecimalComma",
           "maxT(proizvoljno x) = maxT(1,250) = 240,944444444444 [kN]", 40,
           {"maxT(proizvoljno x) = maxT(1,250) =", "    240,944444444444 [kN]"}},
    Linija{"AWordIsCutANumberIsNot",
           "abcdefghijklmnopqrstuvwxyz=123456789012345", 20,
           {"abcdefghijklmnopqrst", "    uvwxyz", "    =123456789012345"}}
), [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

// A report's longest lines: six forces' boundary labels, long numbers.
TEST(PrelomLinije, TheLongestReportLinesKeepEveryNumberWhole) {
    const std::string linije[] = {
        "M6(lambda1+lambda2+lambda3+lambda4+lambda5) = M(123456.789012345) = "
        "-1.23456789012345E-14 [kNm]",
        "M5(x) = 0.000123456789012345*[123456.789 - (-0.0999999999999996)]*x - "
        "0.000123456789012345*x^2 - 1234567890123.45",
        "extM: klasicno = 416.5 [kNm], tacno = 468.000000000001 [kNm], manjak = 11.0042735042735 "
        "[%], P1 na -0.0999999999999996 [m], P2 na preseku, voz P6..P1; istovremeno T = "
        "104.000000000001 / -104 [kN]"};
    for (const std::string& l : linije)
        for (const std::size_t znakova : {30u, 45u, 72u, 100u}) {
            std::vector<std::string> celi;
            for (const std::string& d : PrelomiLinijuIzvestaja(l, znakova, 4)) {
                EXPECT_LE(d.size(), znakova);
                for (std::string& b : Brojevi(d)) celi.push_back(std::move(b));
            }
            EXPECT_EQ(celi, Brojevi(l)) << l << " / " << znakova;
        }
}

TEST(PrelomPasusa, BreaksAtBlanksWithinTheWidth) {
    const std::string tekst =
        "Tacna anvelopa uzima svaki polozaj voza, i one u kojima je deo voza van raspona.";
    const std::vector<std::string> linije = PrelomiPasus(tekst, TPismoListe::Obicno, 10, 150);
    ASSERT_GT(linije.size(), 1u);
    std::string sastavljeno;
    for (const std::string& l : linije) {
        EXPECT_LE(SirinaTeksta(l, TPismoListe::Obicno, 10), 150);
        sastavljeno += (sastavljeno.empty() ? "" : " ") + l;
    }
    EXPECT_EQ(sastavljeno, tekst);
    // A word wider than a line is cut between characters, not bytes.
    std::string ime = "/";
    for (int i = 0; i < 60; ++i) ime += "\xc5\xa1";
    for (const std::string& l : PrelomiPasus(ime, TPismoListe::Obicno, 10, 100))
        EXPECT_NE(static_cast<unsigned char>(l.front()) & 0xC0, 0x80);
}

}  // namespace

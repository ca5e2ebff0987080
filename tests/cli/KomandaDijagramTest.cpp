// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "PokretanjeCli.h"

namespace {

// Runs `lastovar-cli dijagram ARGUMENTI` under the C locale (a point as the
// decimal separator); the arguments are the tests' own, split at blanks.
Ishod Dijagram(const std::string& argumenti) {
    std::vector<std::string> reci{"dijagram"};
    std::istringstream ulaz(argumenti);
    for (std::string rec; ulaz >> rec;) reci.push_back(rec);
    return Pokreni(reci);
}

std::string Datoteka(std::string P1, std::string raspon) {
    return P1 + "\r\n208.0\r\n1\r\n1\r\n1\r\n1\r\n5.0\r\n1\r\n1\r\n1\r\n1\r\n" + raspon +
           "\r\n1.25\r\n2\r\n10\r\n";
}

TEST(KomandaDijagram, TracesThePrintOfTheDefaultsOnA4) {
    const Ishod i = Dijagram("--zapis --stampa --sirina 2100 --visina 3712");
    ASSERT_EQ(i.kod, 0) << i.greske;
    EXPECT_TRUE(i.izlaz.starts_with(
        "olovka #000000 8\nlinija 200 464 1900 464\nlinija 200 2475 1900 2475\n"));
    EXPECT_NE(i.izlaz.find("\nolovka #FF0000 4\nlinija 1046 464 1046 "), std::string::npos);
    EXPECT_NE(i.izlaz.find("\ntekst 1285 1302 #000000 \"487.682\"\n"), std::string::npos);
    EXPECT_NE(i.izlaz.find("\ntekst 904 2778 #000000 \"115.556\"\n"), std::string::npos);
    EXPECT_TRUE(i.izlaz.ends_with("tekst 200 2859 #000000 \"minT[kN]\"\n"));
}

TEST(KomandaDijagram, DrawsTheScreenAsAfterTheWindowsFirstDrawing) {
    const Ishod i = Dijagram("--zapis");
    ASSERT_EQ(i.kod, 0) << i.greske;
    // 800 x 600: toff = 12 below the point, 12 + 11 above it
    EXPECT_NE(i.izlaz.find("\ntekst 465 207 #FF0000 \"487.682\"\n"), std::string::npos);
    EXPECT_NE(i.izlaz.find("\ntekst 465 52 #FF0000 \"5.744\"\n"), std::string::npos);
    EXPECT_EQ(Dijagram("--sirina 0 --zapis").izlaz, "");
}

TEST(KomandaDijagram, ReadsTheLoadCaseFromAFile) {
    const std::string datoteka = Zapisi("d.Lastovar", Datoteka("206.0", "10"));
    const Ishod i = Dijagram("--zapis " + datoteka);
    std::remove(datoteka.c_str());
    ASSERT_EQ(i.kod, 0) << i.greske;
    // a span of 10: zone 2 governs with its vertex at 6.244
    EXPECT_NE(i.izlaz.find(" #FF0000 \"6.244\"\n"), std::string::npos);
    EXPECT_EQ(i.izlaz.find("\"487.682\""), std::string::npos);
}

// The exact envelopes come after the classical drawing, in a thin green pen,
// and leave every line of it as it was.
TEST(KomandaDijagram, TacnoAddsTheExactEnvelopes) {
    const Ishod bez = Dijagram("--zapis");
    const Ishod sa = Dijagram("--zapis --tacno");
    ASSERT_EQ(sa.kod, 0) << sa.greske;
    const std::size_t pocetak = sa.izlaz.find("olovka #009600 1\n");
    ASSERT_NE(pocetak, std::string::npos) << sa.izlaz;
    EXPECT_EQ(bez.izlaz.find("#009600"), std::string::npos);
    EXPECT_EQ(sa.izlaz.substr(0, pocetak), bez.izlaz.substr(0, pocetak));
    EXPECT_NE(sa.izlaz.find(" #009600 \"tacna anvelopa\"\n"), std::string::npos);
}

TEST(KomandaDijagram, WritesAPngOfTheGivenSize) {
    const std::string slika = Privremena("dijagram.png");
    std::remove(slika.c_str());
    const Ishod i = Dijagram("--izlaz " + slika + " --sirina 640 --visina 480");
    ASSERT_EQ(i.kod, 0) << i.greske;
    const std::string png = Procitaj(slika);
    std::remove(slika.c_str());
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    // the IHDR width and height, big-endian
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x02\x80\0\0\x01\xe0", 8));
}

struct SlucajGreske {
    const char* argumenti;
    int kod;
    const char* poruka;
};

void PrintTo(const SlucajGreske& s, std::ostream* os) { *os << '[' << s.argumenti << ']'; }

class GreskaDijagramaTest : public testing::TestWithParam<SlucajGreske> {};

TEST_P(GreskaDijagramaTest, RefusesWithItsExitCode) {
    std::string argumenti = GetParam().argumenti;
    const auto zameni = [&](const std::string& oznaka, const std::string& datoteka) {
        const std::size_t i = argumenti.find(oznaka);
        if (i != std::string::npos) argumenti.replace(i, oznaka.size(), datoteka);
    };
    const std::string nula = Zapisi("nula.Lastovar", Datoteka("0", "9.0"));
    const std::string slova = Zapisi("slova.Lastovar", Datoteka("206.0", "abc"));
    zameni("NULA", nula);
    zameni("SLOVA", slova);
    const Ishod i = Dijagram(argumenti);
    std::remove(nula.c_str());
    std::remove(slova.c_str());
    EXPECT_EQ(i.kod, GetParam().kod);
    EXPECT_NE(i.greske.find(GetParam().poruka), std::string::npos) << i.greske;
    EXPECT_EQ(i.izlaz, "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, GreskaDijagramaTest, testing::Values(
    SlucajGreske{"--zapis NULA", 2, "Vrednosti podataka nisu korektno unete!!!"},
    SlucajGreske{"--zapis SLOVA", 2, "Greska u unosu tipa podataka za proracun!!!"},
    SlucajGreske{"--zapis /nema/d.Lastovar", 1, "Greska pri pokusaju otvaranju fajla!"},
    SlucajGreske{"--izlaz /nema/d.png", 1, "/nema/d.png"},
    SlucajGreske{"--izlaz d.bmp", 1, "d.bmp"},
    SlucajGreske{"", 64, "--zapis ili --izlaz"},
    SlucajGreske{"--zapis --izlaz d.png", 64, "--zapis ili --izlaz"},
    SlucajGreske{"--zapis --sirina", 64, "--sirina"},
    SlucajGreske{"--zapis --visina 6e2", 64, "6e2"},
    SlucajGreske{"--zapis --sirina -5", 64, "--sirina"},
    SlucajGreske{"--izlaz d.png --sirina 0", 64, "od 1 do 10000"},
    SlucajGreske{"--zapis --boja", 64, "--boja"}
));
// clang-format on

}  // namespace

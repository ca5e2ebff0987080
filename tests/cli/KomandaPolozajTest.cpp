// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "PlatnoZapis.h"
#include "PokretanjeCli.h"
#include "PolozajVozaDijagram.h"

namespace {

// Runs `lastovar-cli polozaj ARGUMENTI`, the arguments split at blanks.
Ishod Polozaj(const std::string& argumenti, const std::string& lokal = "C") {
    std::vector<std::string> reci{"polozaj"};
    std::istringstream ulaz(argumenti);
    for (std::string rec; ulaz >> rec;) reci.push_back(rec);
    return Pokreni(reci, lokal);
}

// The picture the window draws for the form's defaults.
std::string Zapis(const TUlazPolozaja& ulaz, int W = 1000, int H = 800) {
    TPlatnoZapis platno(FontProzoraDijagrama());
    platno.SaFontovima = true;
    NacrtajPolozajVoza(platno, W, H, TVoz(2, {206, 208}, {5}, 9), ulaz);
    return platno.Zapis();
}

// Through the same drawing code as the window, at the load case's
// arbitrary section unless --x says otherwise.
TEST(KomandaPolozaj, DrawsThePictureOfTheWindow) {
    TUlazPolozaja ulaz;
    ulaz.x = 1.25;
    const Ishod podrazumevano = Polozaj("--zapis");
    ASSERT_EQ(podrazumevano.kod, 0) << podrazumevano.greske;
    EXPECT_EQ(podrazumevano.izlaz, Zapis(ulaz));

    ulaz.x = 4.5;
    ulaz.smer = TSmerVoza::Oba;
    const Ishod oba = Polozaj("--x 4.5 --oba-smera --zapis --sirina 1200 --visina 900");
    ASSERT_EQ(oba.kod, 0) << oba.greske;
    EXPECT_EQ(oba.izlaz, Zapis(ulaz, 1200, 900));

    // A frame of the crossing; both ways the defaults' extM at 4.5 stands
    // as P1..P2, so the train does.
    ulaz.p1 = -2.5;
    const Ishod kadar = Polozaj("--x=4.5 --p1 -2.5 --oba-smera --zapis");
    ASSERT_EQ(kadar.kod, 0) << kadar.greske;
    EXPECT_EQ(kadar.izlaz, Zapis(ulaz));
    EXPECT_NE(kadar.izlaz.find("\"Prelaz voza P1..P2: P1 na -2.500 m, presek x = 4.500 m\""),
              std::string::npos);
}

TEST(KomandaPolozaj, ReadsItsNumbersWithTheRegionalSeparator) {
    const std::string zarez = Zapisi("zarez.Lastovar",
                                     "206,0\r\n208,0\r\n1\r\n1\r\n1\r\n1\r\n5,"
                                     "0\r\n1\r\n1\r\n1\r\n1\r\n9,0\r\n1,25\r\n2\r\n10\r\n");
    const Ishod i = Polozaj("--x 4,5 --p1 0,5 --zapis " + zarez, "de_DE.UTF-8");
    ASSERT_EQ(i.kod, 0) << i.greske;
    EXPECT_NE(i.izlaz.find("P1 na 0,500 m, presek x = 4,500 m"), std::string::npos);
    const Ishod tacka = Polozaj("--x 4.5 --zapis " + zarez, "de_DE.UTF-8");
    EXPECT_EQ(tacka.kod, 64);
    EXPECT_EQ(tacka.greske, "lastovar-cli polozaj: --x trazi broj, a ne 4.5\n");
}

TEST(KomandaPolozaj, WritesAPngOfTheGivenSize) {
    const std::string slika = Privremena("polozaj.png");
    std::remove(slika.c_str());
    const Ishod i = Polozaj("--izlaz " + slika + " --sirina 640 --visina 480");
    ASSERT_EQ(i.kod, 0) << i.greske;
    const std::string png = Procitaj(slika);
    std::remove(slika.c_str());
    EXPECT_EQ(VelicinaPng(png), std::pair(640u, 480u));
}

class GreskaPolozaja : public testing::TestWithParam<PogresnaKomanda> {};

TEST_P(GreskaPolozaja, RefusesWithItsExitCode) {
    std::string argumenti = GetParam().argumenti;
    const std::string oznaka = "LOS";
    if (const std::size_t i = argumenti.find(oznaka); i != std::string::npos)
        argumenti.replace(i, oznaka.size(),
                          Zapisi("los.Lastovar",
                                 "206.0\r\n208.0\r\n1\r\n1\r\n1\r\n1\r\n5.0\r\n"
                                 "1\r\n1\r\n1\r\n1\r\n4.0\r\n1.25\r\n2\r\n10\r\n"));
    const Ishod i = Polozaj(argumenti);
    EXPECT_EQ(i.kod, GetParam().kod);
    EXPECT_EQ(i.izlaz, "");
    EXPECT_EQ(i.greske, GetParam().poruka);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, GreskaPolozaja, testing::Values(
    PogresnaKomanda{"--x 4.5", 64, "lastovar-cli polozaj: zadajte --zapis ili --izlaz\n"},
    PogresnaKomanda{"--zapis --x abc", 64, "lastovar-cli polozaj: --x trazi broj, a ne abc\n"},
    PogresnaKomanda{"--zapis --x 9.5", 64, "lastovar-cli polozaj: --x mora biti od 0 do 9\n"},
    PogresnaKomanda{"--zapis --x -0.1", 64, "lastovar-cli polozaj: --x mora biti od 0 do 9\n"},
    PogresnaKomanda{"--zapis --x", 64, "lastovar-cli polozaj: --x trazi apscisu preseka\n"},
    // The defaults cross from P1 at -5 (P2 on the left support) to 9.
    PogresnaKomanda{"--zapis --p1 9.01", 64, "lastovar-cli polozaj: --p1 mora biti od -5 do 9\n"},
    PogresnaKomanda{"--zapis --p1 -5.5", 64, "lastovar-cli polozaj: --p1 mora biti od -5 do 9\n"},
    PogresnaKomanda{"--zapis --p1", 64, "lastovar-cli polozaj: --p1 trazi polozaj prve sile\n"},
    PogresnaKomanda{"--izlaz slika.bmp", 64, "lastovar-cli polozaj: nepoznat format slike (.png, .pdf ili .svg): slika.bmp\n"},
    PogresnaKomanda{"--zapis --sirina -1", 64, "lastovar-cli polozaj: --sirina ne moze biti negativna\n"},
    PogresnaKomanda{"--zapis --tacno", 64, "lastovar-cli polozaj: nepoznata opcija --tacno\n"},
    // A train longer than its span is no load case.
    PogresnaKomanda{"--zapis LOS", 2, "Vrednosti podataka nisu korektno unete!!!\n"}
));
// clang-format on

}  // namespace

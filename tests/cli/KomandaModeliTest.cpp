// SPDX-License-Identifier: GPL-3.0-or-later
// `lastovar-cli modeli`, `raspon` and --model, as a user or a script runs
// them, with the user's models in a folder of the test's own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "PokretanjeCli.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Reci(const std::string& argumenti) {
    std::vector<std::string> reci;
    std::istringstream ulaz(argumenti);
    for (std::string rec; ulaz >> rec;) reci.push_back(rec);
    return reci;
}

class KomandaModeli : public testing::Test {
protected:
    void SetUp() override {
        podaci = Privremena("xdg");
        fs::create_directories(fs::path(podaci) / "lastovar" / "modeli");
        setenv("XDG_DATA_HOME", podaci.c_str(), 1);
    }
    void Upisi(const std::string& ime, const std::string& s) {
        std::ofstream(fs::path(podaci) / "lastovar" / "modeli" / ime, std::ios::binary) << s;
    }
    std::string podaci;
};

TEST_F(KomandaModeli, ListsTheBuiltInModelsThenTheUsersWithTheDamagedOnes) {
    Upisi("moj.model", "naziv=Moj kamion\nsile=100 100\nrazmaci=1.5\n");
    Upisi("los.model", "naziv=Los\nsile=100 100\n");
    const Ishod i = Pokreni({"modeli"});
    ASSERT_EQ(i.kod, 0) << i.greske;
    EXPECT_EQ(i.izlaz,
              "aashto-hl93-kamion: AASHTO HL-93 kamion + traka; AASHTO LRFD 3.6.1.2.2, 3.6.1.2.4, "
              "3.6.2; Strength I\n"
              "aashto-hl93-tandem: AASHTO HL-93 tandem + traka; AASHTO LRFD 3.6.1.2.3, 3.6.1.2.4, "
              "3.6.2; Strength I\n"
              "en1991-2-lm1: EN 1991-2 LM1, traka 1 (TS + UDL); EN 1991-2, 4.3.2 (Load Model 1, "
              "traka 1); EN 1990:2002+A1:2005 (STR/GEO, skup B)\n"
              "en1991-2-lm2: EN 1991-2 LM2 (jedna osovina); EN 1991-2, 4.3.3 (Load Model 2); EN "
              "1990:2002+A1:2005 (STR/GEO, skup B)\n"
              "los: ostecen model (razmaka mora biti 1 (jedan manje od sila))\n"
              "moj: Moj kamion; sopstveni model\n");
}

// --model builds the same load case as a data file with the model's
// figures and the options of its actions.
TEST_F(KomandaModeli, AModelIsTheLoadCaseItsFiguresMake) {
    const std::string datoteka =
        Zapisi("kamion.Lastovar",
               "35\r\n145\r\n145\r\n1\r\n1\r\n1\r\n4.3\r\n4.3\r\n1\r\n1\r\n1\r\n20\r\n"
               "7\r\n3\r\n8\r\n");
    const Ishod model = Pokreni(Reci("merodavno --model aashto-hl93-kamion --raspon 20 --g 10"));
    const Ishod rucno =
        Pokreni(Reci("merodavno " + datoteka + " --q 9.3 --fi 1.33 --gama-q 1.75 --g 10"));
    ASSERT_EQ(model.kod, 0) << model.greske;
    EXPECT_EQ(model.izlaz, rucno.izlaz);

    // The span, x and the section count stay the file's unless given.
    const Ishod izvestaj =
        Pokreni({"izvestaj", "--model", "AASHTO HL-93 kamion + traka", datoteka});
    const Ishod izvestajRucno = Pokreni({"izvestaj", datoteka});
    EXPECT_EQ(izvestaj.izlaz, izvestajRucno.izlaz);
    const Ishod preseci =
        Pokreni(Reci("izvestaj --csv --model en1991-2-lm2 --raspon 8 --x 2 --preseci 4"));
    EXPECT_EQ(preseci.izlaz,
              "x [m],extM [kNm],maxT [kN],minT [kN]\r\n0,0,400,0\r\n2,600,300,-100\r\n4,800,200,"
              "-200\r\n6,600,100,-300\r\n8,0,0,-400\r\n");
}

TEST_F(KomandaModeli, TheSpanTableHasExactlyItsHeaderAndOneRowASpan) {
    const Ishod i = Pokreni(Reci("raspon --model en1991-2-lm2 --od 4 --do 6 --korak 0.5 --csv"));
    ASSERT_EQ(i.kod, 0) << i.greske;
    // One axle: P L / 4 at midspan, the reaction P, gamma_Q 1.35.
    EXPECT_EQ(i.izlaz,
              "raspon,Mk_max,x_Mk,Ak_max,MEd_max,AEd_max,manjak_extM_pct\r\n"
              "4,400,2,400,540,540,0\r\n4.5,450,2.25,400,607.5,540,0\r\n"
              "5,500,2.5,400,675,540,0\r\n5.5,550,2.75,400,742.5,540,0\r\n"
              "6,600,3,400,810,540,0\r\n");
    // A train longer than the span leaves the classical shortfall empty.
    const Ishod dug =
        Pokreni(Reci("raspon --model aashto-hl93-kamion --od 8 --do 9 --korak 1 --csv"));
    ASSERT_EQ(dug.kod, 0) << dug.greske;
    const std::string red8 = dug.izlaz.substr(dug.izlaz.find("\r\n") + 2);
    EXPECT_EQ(red8.substr(0, red8.find("\r\n")).back(), ',');
    EXPECT_NE(dug.izlaz.substr(dug.izlaz.rfind(",", dug.izlaz.size() - 3)), ",\r\n");

    const Ishod tekst =
        Pokreni(Reci("raspon --model en1991-2-lm2 --od 4 --do 4 --korak 1"), "de_DE.UTF-8");
    if (LokalPostoji("de_DE.UTF-8")) {
        EXPECT_EQ(tekst.izlaz,
                  "EN 1991-2 LM2 (jedna osovina)\nL = 4 [m]: Mk = 400 [kNm] u x = 2 [m], Ak = Tk "
                  "= 400 [kN]; MEd = 540 [kNm], AEd = TEd = 540 [kN]; klasicni Mmax manji za 0 "
                  "[%]\n");
    }
}

class PogresanPoziv : public KomandaModeli, public testing::WithParamInterface<PogresnaKomanda> {};

TEST_P(PogresanPoziv, IsRefusedWithItsMessage) {
    Upisi("los.model", "naziv=Los\nsile=-1\n");
    const Ishod i = Pokreni(Reci(GetParam().argumenti));
    EXPECT_EQ(i.kod, GetParam().kod);
    EXPECT_NE(i.greske.find(GetParam().poruka), std::string::npos) << i.greske;
    EXPECT_EQ(i.izlaz, "");
}

INSTANTIATE_TEST_SUITE_P(
    Modeli, PogresanPoziv,
    testing::Values(
        PogresnaKomanda{"raspon --model nema --od 5 --do 6 --korak 1", 64, "nepoznat model nema"},
        PogresnaKomanda{"raspon --od 5 --do 6 --korak 1", 64, "--model je obavezno"},
        PogresnaKomanda{"raspon --model en1991-2-lm2 --do 6 --korak 1", 64, "--od je obavezno"},
        PogresnaKomanda{"raspon --model en1991-2-lm2 --od x --do 6 --korak 1", 64,
                        "--od trazi broj, a ne x"},
        PogresnaKomanda{"raspon --model en1991-2-lm2 --od 0 --do 6 --korak 1", 64,
                        "pocetni raspon mora biti veci od 0"},
        PogresnaKomanda{"raspon --model en1991-2-lm2 --od 7 --do 6 --korak 1", 64,
                        "krajnji raspon ne sme biti manji od pocetnog"},
        PogresnaKomanda{"raspon --model en1991-2-lm2 --od 5 --do 6 --korak -1", 64,
                        "korak mora biti veci od 0"},
        PogresnaKomanda{"raspon --model en1991-2-lm2 --od 1 --do 1000000 --korak 1", 64,
                        "previse raspona"},
        PogresnaKomanda{"raspon --model en1991-2-lm2 --od 5 --do 6 --korak 1 --fi 2", 64, "--fi"},
        PogresnaKomanda{"raspon --model en1991-2-lm2 --od 5 --do 6 --korak 1 --g -1", 2,
                        "Proracunske vrednosti nisu korektno unete!!!"},
        PogresnaKomanda{"raspon --model los --od 5 --do 6 --korak 1", 1,
                        "model los je ostecen: sile=-1 (sile moraju biti pozitivne)"},
        PogresnaKomanda{"modeli x.Lastovar", 64, "komanda ne uzima datoteku"},
        PogresnaKomanda{"merodavno --model nema", 64, "nepoznat model nema"},
        PogresnaKomanda{"tacno --model en1991-2-lm2 --raspon abc", 64,
                        "--raspon trazi broj, a ne abc"},
        PogresnaKomanda{"izvestaj --model en1991-2-lm2 --preseci 0", 64,
                        "--preseci trazi ceo broj od 1 do 99"},
        PogresnaKomanda{"izvestaj --model aashto-hl93-kamion --raspon 5", 2,
                        "Vrednosti podataka nisu korektno unete!!!"}));

}  // namespace

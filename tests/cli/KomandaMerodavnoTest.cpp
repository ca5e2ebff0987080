// SPDX-License-Identifier: GPL-3.0-or-later
// `lastovar-cli merodavno` and the design actions of `tacno`, `polozaj` and
// `list`, as a user or a script runs them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "PlatnoZapis.h"
#include "PokretanjeCli.h"
#include "PolozajVozaDijagram.h"

namespace {

std::vector<std::string> Linije(const std::string& tekst, const std::string& kraj = "\n") {
    std::vector<std::string> l;
    for (std::size_t od = 0; od < tekst.size();) {
        const std::size_t k = tekst.find(kraj, od);
        l.push_back(tekst.substr(od, k - od));
        if (k == std::string::npos) break;
        od = k + kraj.size();
    }
    return l;
}

Ishod Merodavno(const std::string& argumenti, const std::string& lokal = "C") {
    std::vector<std::string> reci{"merodavno"};
    std::istringstream ulaz(argumenti);
    for (std::string rec; ulaz >> rec;) reci.push_back(rec);
    return Pokreni(reci, lokal);
}

const std::string kPodrazumevani =
    "206.0\r\n208.0\r\n1.0\r\n1.0\r\n1.0\r\n1.0\r\n5.0\r\n1.0\r\n1.0\r\n1.0\r\n1.0\r\n9.0\r\n"
    "1.25\r\n2\r\n10\r\n";
// Six axles of 100 kN 1.5 m apart on a span of 5 m: longer than the span.
const std::string kDugVoz =
    "100\r\n100\r\n100\r\n100\r\n100\r\n100\r\n1.5\r\n1.5\r\n1.5\r\n1.5\r\n1.5\r\n5\r\n"
    "2.5\r\n6\r\n10\r\n";

// The defaults at the start values: the characteristic and the design
// blocks alike, the absolute maximum and the reactions of the train.
TEST(KomandaMerodavno, PrintsBothBlocksInExactlyTheirLines) {
    const Ishod i = Merodavno("");
    ASSERT_EQ(i.kod, 0) << i.greske;
    EXPECT_EQ(i.greske, "");
    const std::vector<std::string> blok = {
        "Mmax = 487.682232957595 [kNm] u preseku x = 5.743961352657 [m], P1 na "
        "0.743961352657005 [m], voz P1..P2",
        "Amax = 298.444444444444 [kN], P1 na 0 [m], voz P1..P2",
        "Bmax = 299.555555555556 [kN], P1 na 4 [m], voz P1..P2",
        "Tmax = 298.444444444444 [kN] u preseku x = 0 [m], P1 na 0 [m], voz P1..P2",
        "Tmin = -299.555555555556 [kN] u preseku x = 9 [m], P1 na 4 [m], voz P1..P2"};
    std::vector<std::string> ocekivano{"Karakteristicne vrednosti:"};
    ocekivano.insert(ocekivano.end(), blok.begin(), blok.end());
    ocekivano.emplace_back("Proracunske vrednosti:");
    ocekivano.insert(ocekivano.end(), blok.begin(), blok.end());
    EXPECT_EQ(Linije(i.izlaz), ocekivano);
    EXPECT_TRUE(i.izlaz.ends_with("P1..P2\n"));
}

// The options override the file's actions; q alone on the defaults with
// every factor one: the design block is the characteristic one.
TEST(KomandaMerodavno, OptionsOverrideTheFilesActions) {
    const std::string datoteka =
        Zapisi("dejstva.Lastovar", kPodrazumevani + "[Lastovar dodatak]\r\nq=10\r\ng=5\r\n");
    const Ishod izFajla = Merodavno(datoteka);
    ASSERT_EQ(izFajla.kod, 0) << izFajla.greske;
    const std::vector<std::string> l = Linije(izFajla.izlaz);
    ASSERT_EQ(l.size(), 12u);
    // q anywhere adds q L^2/8 at midspan at least: the moment grows.
    EXPECT_NE(l[1], l[7]);
    EXPECT_EQ(l[7].substr(0, 7), "Mmax = ");

    const Ishod bezG = Merodavno(datoteka + " --g 0");
    ASSERT_EQ(bezG.kod, 0) << bezG.greske;
    const std::vector<std::string> b = Linije(bezG.izlaz);
    EXPECT_EQ(std::vector(b.begin() + 1, b.begin() + 6),
              std::vector(b.begin() + 7, b.begin() + 12));
    EXPECT_NE(b[1], Linije(Merodavno("").izlaz)[1]);
}

// A train longer than the span: merodavno takes it, the classical report
// still refuses it. At midspan an axle on the section and one either side
// give 225 kNm.
TEST(KomandaMerodavno, TakesATrainLongerThanTheSpan) {
    const std::string datoteka = Zapisi("dug.Lastovar", kDugVoz);
    const Ishod i = Merodavno(datoteka + " --csv");
    ASSERT_EQ(i.kod, 0) << i.greske;
    const std::vector<std::string> r = Linije(i.izlaz, "\r\n");
    ASSERT_EQ(r.size(), 12u);  // the header and 11 sections
    EXPECT_EQ(r[0], "x,MEd_max,TEd_max,TEd_min,Mk_max,Tk_max,Tk_min");
    EXPECT_EQ(r[6].substr(0, 8), "2.5,225,");
    EXPECT_EQ(r[1], "0,0,220,0,0,220,0");

    const Ishod izvestaj = Pokreni({"izvestaj", datoteka});
    EXPECT_EQ(izvestaj.kod, 2);
    EXPECT_EQ(izvestaj.greske, "Vrednosti podataka nisu korektno unete!!!\n");
}

TEST(KomandaMerodavno, FollowsTheRegionalSeparator) {
    std::string zarez = kPodrazumevani;
    for (std::size_t p; (p = zarez.find('.')) != std::string::npos;) zarez[p] = ',';
    const std::string datoteka = Zapisi("zarez-dejstva.Lastovar", zarez);
    const Ishod i = Merodavno(datoteka + " --fi 1,25", "de_DE.UTF-8");
    ASSERT_EQ(i.kod, 0) << i.greske;
    // The characteristic block is the train's; phi scales the design one.
    EXPECT_NE(i.izlaz.find("Bmax = 299,555555555556 [kN], P1 na 4 [m], voz P1..P2\n"),
              std::string::npos)
        << i.izlaz;
    EXPECT_NE(i.izlaz.find("Bmax = 374,444444444444 [kN], P1 na 4 [m], voz P1..P2\n"),
              std::string::npos)
        << i.izlaz;
    // The CSV keeps the point: the exact 468 kNm at midspan, and 1.25 of it.
    const Ishod csv = Merodavno(datoteka + " --fi 1,25 --csv", "de_DE.UTF-8");
    ASSERT_EQ(csv.kod, 0) << csv.greske;
    EXPECT_NE(csv.izlaz.find("\r\n4.5,585,"), std::string::npos) << csv.izlaz;
}

class GreskaMerodavnog : public testing::TestWithParam<PogresnaKomanda> {};

TEST_P(GreskaMerodavnog, RefusesWithItsExitCode) {
    const Ishod i = Merodavno(GetParam().argumenti);
    EXPECT_EQ(i.kod, GetParam().kod);
    EXPECT_EQ(i.izlaz, "");
    EXPECT_NE(i.greske.find(GetParam().poruka), std::string::npos) << i.greske;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, GreskaMerodavnog, testing::Values(
    PogresnaKomanda{"--q abc", 64, "lastovar-cli merodavno: --q trazi broj, a ne abc"},
    PogresnaKomanda{"--q-raspored svuda", 64, "--q-raspored trazi bilo-gde ili uz-voz, a ne svuda"},
    PogresnaKomanda{"--g", 64, "--g trazi sopstvenu tezinu u kN/m"},
    PogresnaKomanda{"--q -1", 2, "Proracunske vrednosti nisu korektno unete!!!"},
    PogresnaKomanda{"--gama-q 0", 2, "Proracunske vrednosti nisu korektno unete!!!"},
    PogresnaKomanda{"--q 1e308 --q-raspored uz-voz", 2, "Proracunske vrednosti nisu korektno unete!!!"},
    PogresnaKomanda{"--oba", 64, "nepoznata opcija --oba"}
));
// clang-format on

// A block that cannot be read is refused by every command, whole.
TEST(KomandaMerodavno, ADamagedBlockIsRefusedByEveryCommand) {
    const std::string datoteka =
        Zapisi("ostecen.Lastovar", kPodrazumevani + "[Lastovar dodatak]\r\nfi=x\r\n");
    for (const char* komanda : {"merodavno", "izvestaj", "tacno"}) {
        const Ishod i = Pokreni({komanda, datoteka});
        EXPECT_EQ(i.kod, 1) << komanda;
        EXPECT_EQ(i.greske, "Greska u dodatku datoteke: fi=x (nije broj)\n") << komanda;
    }
}

// tacno adds the design values to each section and the governing values at
// the end, and its CSV the design columns; without actions it is as before.
TEST(KomandaMerodavno, TacnoShowsTheDesignValuesBesideTheExactOnes) {
    const Ishod bez = Pokreni({"tacno"});
    const Ishod sa = Pokreni({"tacno", "--q", "10", "--q-raspored", "uz-voz", "--razmak", "1"});
    ASSERT_EQ(sa.kod, 0) << sa.greske;
    EXPECT_EQ(bez.izlaz.find("Ed"), std::string::npos);
    EXPECT_NE(sa.izlaz.find("\nextM Ed = "), std::string::npos);
    EXPECT_NE(sa.izlaz.find("\nminT Ed = "), std::string::npos);
    EXPECT_NE(sa.izlaz.find("\nProracunske vrednosti:\nMmax = "), std::string::npos);
    // The exact lines stay as they were.
    for (const std::string& l : Linije(bez.izlaz))
        if (!l.empty()) {
            EXPECT_NE(sa.izlaz.find(l), std::string::npos) << l;
        }

    const Ishod csv = Pokreni({"tacno", "--csv", "--q", "10"});
    ASSERT_EQ(csv.kod, 0) << csv.greske;
    const std::string zaglavlje = csv.izlaz.substr(0, csv.izlaz.find("\r\n"));
    EXPECT_NE(zaglavlje.find(",extM Ed [kNm],maxT Ed [kN],minT Ed [kN],extM Ed P1 na [m],"),
              std::string::npos)
        << zaglavlje;
}

// polozaj draws the design positions with q's hatched band.
TEST(KomandaMerodavno, PolozajDrawsTheDesignPositionsWithQsBand) {
    const Ishod i = Pokreni(
        {"polozaj", "--x", "4", "--q", "20", "--q-raspored", "uz-voz", "--razmak", "1", "--zapis"});
    ASSERT_EQ(i.kod, 0) << i.greske;
    TUlazPolozaja ulaz;
    ulaz.x = 4;
    ulaz.dejstva.q = 20;
    ulaz.dejstva.Raspored = TRasporedQ::IspredIIzaVoza;
    ulaz.dejstva.c = 1;
    TPlatnoZapis platno(FontProzoraDijagrama());
    platno.SaFontovima = true;
    NacrtajPolozajVoza(platno, 1000, 800, TVoz(2, {206, 208}, {5}, 9), ulaz);
    EXPECT_EQ(i.izlaz, platno.Zapis());
    EXPECT_NE(i.izlaz.find("olovka #BE008C 1"), std::string::npos);
    EXPECT_NE(i.izlaz.find("\"extM Ed = 533.333 kNm: P2 na preseku\""), std::string::npos);
    EXPECT_NE(i.izlaz.find("\"q od 5.000 do 9.000 m\""), std::string::npos);
}

}  // namespace

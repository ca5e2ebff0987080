// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "DodatakDatoteke.h"

namespace {

const std::string kPodrazumevana = ZapisiDatoteku({PodrazumevaniTekstovi('.'), 2, 10});

TProracunskaDejstva Dejstva() {
    TProracunskaDejstva d;
    d.q = 12.5;
    d.Raspored = TRasporedQ::IspredIIzaVoza;
    d.c = 0.1;
    d.g = 3;
    d.Fi = 1.25;
    d.FiNaQ = true;
    d.GamaG = 1.3;
    d.GamaQ = 1.4;
    return d;
}

// The actions go after the fifteen lines, which read back as they were,
// and come back exactly; keys of later versions stay where they were.
TEST(DodatakDatoteke, ActionsAfterTheFifteenLinesReadBackAndTheLoadCaseStays) {
    TDodatak dodatak;
    dodatak.Postavi("projekat", "Most na Savi, km 1+250");
    UpisiDejstva(dodatak, Dejstva());
    const std::string bajtovi = kPodrazumevana + ZapisiDodatak(dodatak);
    EXPECT_EQ(
        bajtovi.substr(kPodrazumevana.size()),
        "[Lastovar dodatak]\r\nprojekat=Most na Savi, km 1+250\r\nq=12.5\r\nq-raspored=uz-voz\r\n"
        "razmak=0.1\r\ng=3\r\nfi=1.25\r\nfi-q=da\r\ngama-g=1.3\r\ngama-q=1.4\r\n");
    EXPECT_EQ(ZapisiDatoteku(ProcitajDatoteku(bajtovi, '.')), kPodrazumevana);
    const TDodatak procitan = ProcitajDodatak(bajtovi);
    EXPECT_EQ(procitan, dodatak);
    EXPECT_EQ(DejstvaIzDodatka(procitan), Dejstva());

    // Back at the start values the actions leave the file; the other keys stay.
    TDodatak bez = procitan;
    UpisiDejstva(bez, TProracunskaDejstva{});
    EXPECT_EQ(ZapisiDodatak(bez), "[Lastovar dodatak]\r\nprojekat=Most na Savi, km 1+250\r\n");
    UpisiDejstva(bez, TProracunskaDejstva{});
    bez.Ukloni("projekat");
    EXPECT_EQ(ZapisiDodatak(bez), "");
}

TEST(DodatakDatoteke, NoMarkerOnTheSixteenthLineIsNoBlock) {
    for (const std::string& bajtovi :
         {kPodrazumevana, kPodrazumevana + "napomena\r\nq=abc\r\n", std::string("1\n2\n"),
          kPodrazumevana + "\r\n[Lastovar dodatak]\r\nq=5\r\n"}) {
        EXPECT_TRUE(ProcitajDodatak(bajtovi).Kljucevi.empty());
        EXPECT_EQ(DejstvaIzDodatka(ProcitajDodatak(bajtovi)), TProracunskaDejstva{});
    }
}

TEST(DodatakDatoteke, ReadsLfLinesEmptyLinesAndADecimalComma) {
    const TDodatak d = ProcitajDodatak(kPodrazumevana + "[Lastovar dodatak]\n\nq=12,5\ng=2");
    EXPECT_EQ(DejstvaIzDodatka(d).q, 12.5);
    EXPECT_EQ(DejstvaIzDodatka(d).g, 2.0);
}

struct Neispravan {
    const char* opis;
    std::string dodatak;  // the lines after the marker
    const char* poruka;   // a part of the message
};

void PrintTo(const Neispravan& n, std::ostream* os) { *os << n.opis; }

class DodatakNeispravan : public testing::TestWithParam<Neispravan> {};

// Refused whole, with a message that names what is wrong.
TEST_P(DodatakNeispravan, IsRefusedWithAMessageNamingIt) {
    const std::string bajtovi = kPodrazumevana + "[Lastovar dodatak]\r\n" + GetParam().dodatak;
    try {
        DejstvaIzDodatka(ProcitajDodatak(bajtovi));
        FAIL() << "accepted";
    } catch (const EGreskaDodatka& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().poruka), std::string::npos) << e.what();
    }
}

std::string Redovi(int broj) {
    std::string s;
    for (int i = 0; i < broj; ++i) s += "k" + std::to_string(i) + "=1\r\n";
    return s;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, DodatakNeispravan, testing::Values(
    Neispravan{"no equals sign", "q=1\r\nabc\r\n", "linija 18 (nije kljuc=vrednost): abc"},
    Neispravan{"empty key", "=5\r\n", "neispravan kljuc"},
    Neispravan{"capital letters", "Q=5\r\n", "neispravan kljuc"},
    Neispravan{"key twice", "q=1\r\ng=2\r\nq=3\r\n", "linija 19 (kljuc se ponavlja): q=3"},
    Neispravan{"too many lines", Redovi(65), "previse linija"},
    Neispravan{"not a number", "fi=abc\r\n", "fi=abc (nije broj)"},
    Neispravan{"unknown arrangement", "q-raspored=svuda\r\n", "q-raspored=svuda"},
    Neispravan{"neither da nor ne", "fi-q=yes\r\n", "fi-q=yes"},
    Neispravan{"negative q", "q=-1\r\n", "Proracunske vrednosti nisu korektno unete!!!"},
    Neispravan{"zero factor", "gama-q=0\r\n", "Proracunske vrednosti nisu korektno unete!!!"}
));
// clang-format on

TEST(DodatakDatoteke, SixtyFourKeysAreRead) {
    const TDodatak d = ProcitajDodatak(kPodrazumevana + "[Lastovar dodatak]\r\n" + Redovi(64));
    EXPECT_EQ(d.Kljucevi.size(), kNajviseKljuceva);
}

}  // namespace

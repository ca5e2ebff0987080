// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "PokretanjeCli.h"

namespace {

std::string Datoteka(const std::vector<std::string>& linije, const char* kraj = "\r\n") {
    std::string s;
    for (const std::string& l : linije) s += l + kraj;
    return s;
}

const std::vector<std::string> kDveSile{"10", "10", "1", "1",  "1", "1", "2", "1",
                                        "1",  "1",  "1", "10", "3", "2", "5"};

TEST(LastovarCli, ReportOfAFileMatchesTheReference) {
    const Ishod i = Pokreni({"izvestaj", Zapisi("dve.Lastovar", Datoteka(kDveSile))});
    EXPECT_EQ(i.kod, 0) << i.greske;
    EXPECT_EQ(i.greske, "");
    EXPECT_EQ(i.izlaz, Procitaj(std::string(LASTOVAR_PODACI_IZVESTAJA) + "/DveSileRaspon10.txt"));
}

TEST(LastovarCli, CrlfEndsEveryLineWithCrLf) {
    const std::string putanja = Zapisi("dve-lf.Lastovar", Datoteka(kDveSile, "\n"));
    const Ishod lf = Pokreni({"izvestaj", putanja});
    const Ishod crlf = Pokreni({"izvestaj", "--crlf", putanja});
    ASSERT_EQ(crlf.kod, 0) << crlf.greske;
    std::string ocekivano;
    for (const char c : lf.izlaz) ocekivano += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(crlf.izlaz, ocekivano);
    EXPECT_TRUE(crlf.izlaz.starts_with("REZULTATI PRORACUNA\r\n\r\nSile:\r\n"));
}

TEST(LastovarCli, WithoutAFileReportsTheFormDefaults) {
    const Ishod i = Pokreni({"izvestaj"});
    EXPECT_EQ(i.kod, 0) << i.greske;
    EXPECT_TRUE(
        i.izlaz.starts_with("REZULTATI PRORACUNA\n\nSile:\nP1 = 206 [kN]\nP2 = 208 [kN]\n"));
    EXPECT_TRUE(i.izlaz.ends_with("minT(proizvoljno x) = minT(1.25) = -28.8888888888889 [kN]\n"));
}

TEST(LastovarCli, FollowsTheRegionalSeparator) {
    std::vector<std::string> linije = kDveSile;
    for (int k = 0; k < 11; ++k) linije[k] = "1,5";
    linije[12] = "2,5";
    const Ishod i =
        Pokreni({"izvestaj", Zapisi("zarez.Lastovar", Datoteka(linije))}, "de_DE.UTF-8");
    EXPECT_EQ(i.kod, 0) << i.greske;
    EXPECT_NE(i.izlaz.find("P1 = 1,5 [kN]\n"), std::string::npos) << i.izlaz;
    EXPECT_NE(i.izlaz.find("Proizvoljno rastojanje: x = 2,5 [m]\n"), std::string::npos);
    EXPECT_EQ(i.izlaz.find('.'), std::string::npos);
}

struct Lokal {
    const char* ime;
    char separator;
};

void PrintTo(const Lokal& l, std::ostream* os) { *os << l.ime; }

class Lokali : public testing::TestWithParam<Lokal> {};

// In the users' own locales the form's defaults calculate, a data file
// written under either separator opens, and the report is the C locale's
// with the locale's separator in place of the point.
TEST_P(Lokali, DefaultsAndFilesOfEitherSeparatorGiveTheSameReport) {
    const Lokal& l = GetParam();
    ASSERT_TRUE(LokalPostoji(l.ime)) << l.ime << " is missing: bash scripts/lokali.sh makes it";
    const Ishod c = Pokreni({"izvestaj"});
    ASSERT_EQ(c.kod, 0) << c.greske;
    std::string ocekivano = c.izlaz;
    std::replace(ocekivano.begin(), ocekivano.end(), '.', l.separator);

    const Ishod podrazumevano = Pokreni({"izvestaj"}, l.ime);
    EXPECT_EQ(podrazumevano.kod, 0) << podrazumevano.greske;
    EXPECT_EQ(podrazumevano.izlaz, ocekivano);
    for (const char pisac : {'.', ','}) {
        std::vector<std::string> linije{"206.0", "208.0", "1.0", "1.0", "1.0",  "1.0", "5.0", "1.0",
                                        "1.0",   "1.0",   "1.0", "9.0", "1.25", "2",   "10"};
        for (std::string& t : linije) std::replace(t.begin(), t.end(), '.', pisac);
        const std::string ime = std::string(l.ime) + "-" + (pisac == '.' ? "tacka" : "zarez");
        const Ishod i = Pokreni({"izvestaj", Zapisi(ime + ".Lastovar", Datoteka(linije))}, l.ime);
        EXPECT_EQ(i.kod, 0) << pisac << ": " << i.greske;
        EXPECT_EQ(i.izlaz, ocekivano) << pisac;
    }
}

INSTANTIATE_TEST_SUITE_P(Korisnika, Lokali,
                         testing::Values(Lokal{"C.UTF-8", '.'}, Lokal{"sr_RS.UTF-8@latin", ','},
                                         Lokal{"de_DE.UTF-8", ','}),
                         [](const auto& info) {
                             std::string ime = info.param.ime;
                             ime.resize(ime.find('.'));
                             return ime;
                         });

struct SlucajGreske {
    const char* opis;
    std::string bajtovi;  // empty: no file at all
    int kod;
    const char* poruka;
    const char* razlog = nullptr;  // the system's reason, on a second line naming the file
};

// The message, and after a file that cannot be opened the line naming it.
std::string Poruke(const SlucajGreske& s, const std::string& komanda, const std::string& putanja) {
    std::string t = std::string(s.poruka) + "\n";
    if (s.razlog) t += "lastovar-cli " + komanda + ": " + putanja + ": " + s.razlog + "\n";
    return t;
}

void PrintTo(const SlucajGreske& s, std::ostream* os) { *os << s.opis; }

std::vector<std::string> Sa(std::size_t red, const std::string& tekst) {
    std::vector<std::string> l = kDveSile;
    l[red] = tekst;
    return l;
}

class NeispravnaDatoteka : public testing::TestWithParam<SlucajGreske> {};

TEST_P(NeispravnaDatoteka, GivesItsMessageAndExitCode) {
    const SlucajGreske& s = GetParam();
    const std::string putanja = s.bajtovi.empty()
                                    ? Privremena("nema-je.Lastovar")
                                    : Zapisi(std::string(s.opis) + ".Lastovar", s.bajtovi);
    const Ishod i = Pokreni({"izvestaj", putanja});
    EXPECT_EQ(i.kod, s.kod);
    EXPECT_EQ(i.greske, Poruke(s, "izvestaj", putanja));
    EXPECT_EQ(i.izlaz, "");
}

TEST_P(NeispravnaDatoteka, TacnoGivesTheSameMessageAndExitCode) {
    const SlucajGreske& s = GetParam();
    const std::string putanja = s.bajtovi.empty()
                                    ? Privremena("nema-je.Lastovar")
                                    : Zapisi(std::string(s.opis) + "-tacno.Lastovar", s.bajtovi);
    const Ishod i = Pokreni({"tacno", putanja});
    EXPECT_EQ(i.kod, s.kod);
    EXPECT_EQ(i.greske, Poruke(s, "tacno", putanja));
    EXPECT_EQ(i.izlaz, "");
}

const std::vector<std::string> kDvanaestLinija(kDveSile.begin(), kDveSile.begin() + 12);

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, NeispravnaDatoteka, testing::Values(
    SlucajGreske{"Missing", "", 1, "Greska pri pokusaju otvaranju fajla!", "No such file or directory"},
    SlucajGreske{"TwelveLines", Datoteka(kDvanaestLinija), 1, "Greska pri konverziji podataka iz datoteke u polja na formi!"},
    SlucajGreske{"DecimalSectionCount", Datoteka(Sa(14, "5.0")), 1, "Greska pri konverziji podataka iz datoteke u polja na formi!"},
    SlucajGreske{"LettersInP1", Datoteka(Sa(0, "abc")), 2, "Greska u unosu tipa podataka za proracun!!!"},
    SlucajGreske{"LettersInAnUnusedForce", Datoteka(Sa(5, "")), 2, "Greska u unosu tipa podataka za proracun!!!"},
    SlucajGreske{"SectionBeyondTheSpan", Datoteka(Sa(12, "10.5")), 2, "Vrednosti podataka nisu korektno unete!!!"},
    SlucajGreske{"TrainLongerThanTheSpan", Datoteka(Sa(6, "11")), 2, "Vrednosti podataka nisu korektno unete!!!"}
), [](const auto& info) { return std::string(info.param.opis); });
// clang-format on

TEST(LastovarCli, ADirectoryCannotBeRead) {
    const Ishod i = Pokreni({"izvestaj", testing::TempDir()});
    EXPECT_EQ(i.kod, 1);
    EXPECT_EQ(i.greske, "Greska pri pokusaju otvaranju fajla!\nlastovar-cli izvestaj: " +
                            testing::TempDir() + ": nije obicna datoteka nego direktorijum\n");
}

struct SlucajPosebnogUlaza {
    const char* opis;
    std::function<std::string()> napravi;  // the FILE argument
    const char* razlog;
};

void PrintTo(const SlucajPosebnogUlaza& s, std::ostream* os) { *os << s.opis; }

class PosebanUlaz : public testing::TestWithParam<SlucajPosebnogUlaza> {};

// Refused at once and in little memory, with the file and the reason named;
// a FIFO without a writer would otherwise hold the program for ever.
TEST_P(PosebanUlaz, IsRefusedAtOnceNamingTheFile) {
    const std::string putanja = GetParam().napravi();
    const Ishod i = Pokreni({"izvestaj", putanja});
    EXPECT_EQ(i.kod, 1);
    EXPECT_EQ(i.greske, "Greska pri pokusaju otvaranju fajla!\nlastovar-cli izvestaj: " + putanja +
                            ": " + GetParam().razlog + "\n");
    EXPECT_EQ(i.izlaz, "");
}

std::string Fifo() {
    const std::string p = Privremena("cev.Lastovar");
    std::remove(p.c_str());
    EXPECT_EQ(mkfifo(p.c_str(), 0600), 0);
    return p;
}

std::string VezaNaNule() {
    const std::string p = Privremena("nule.Lastovar");
    std::remove(p.c_str());
    EXPECT_EQ(symlink("/dev/zero", p.c_str()), 0);
    return p;
}

std::string Retka() {
    const std::string p = Zapisi("retka.Lastovar", "");
    EXPECT_EQ(truncate(p.c_str(), 2LL << 30), 0);
    return p;
}

std::string DugeLinije() {
    std::vector<std::string> linije = kDveSile;
    linije[0] = linije[1] = std::string(600000, '2');
    return Zapisi("duge.Lastovar", Datoteka(linije));
}

const char* const kPrekoGranice = "prvih 15 linija zauzima vise od 1048576 bajtova";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, PosebanUlaz, testing::Values(
    SlucajPosebnogUlaza{"a FIFO", Fifo, "nije obicna datoteka nego imenovana cev (FIFO)"},
    SlucajPosebnogUlaza{"/dev/zero", [] { return std::string("/dev/zero"); }, "nije obicna datoteka nego uredjaj"},
    SlucajPosebnogUlaza{"a link to /dev/zero", VezaNaNule, "nije obicna datoteka nego uredjaj"},
    SlucajPosebnogUlaza{"a 2 GB sparse file", Retka, kPrekoGranice},
    SlucajPosebnogUlaza{"two lines of 600000 digits", DugeLinije, kPrekoGranice}
));
// clang-format on

struct SlucajDugogBroja {
    const char* opis;
    std::string P1;
    const char* poruka;
};

void PrintTo(const SlucajDugogBroja& s, std::ostream* os) { *os << s.opis; }

class DugBroj : public testing::TestWithParam<SlucajDugogBroja> {};

// A line of a million digits is read; the number's exact value decides.
TEST_P(DugBroj, IsJudgedByItsExactValue) {
    std::vector<std::string> linije = kDveSile;
    linije[0] = GetParam().P1;
    const Ishod i = Pokreni({"izvestaj", Zapisi("dug-broj.Lastovar", Datoteka(linije))});
    EXPECT_EQ(i.kod, 2);
    EXPECT_EQ(i.greske, std::string(GetParam().poruka) + "\n");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, DugBroj, testing::Values(
    SlucajDugogBroja{"about 1e8999999 is out of range", "0." + std::string(1000000, '0') + "1e10000000", "Greska u unosu tipa podataka za proracun!!!"},
    SlucajDugogBroja{"below every subnormal is a zero force", std::string(1000000, '1') + "e-10000000", "Vrednosti podataka nisu korektno unete!!!"}
));
// clang-format on

TEST(LastovarCli, ADashReadsStandardInputWithinTheSameBound) {
    Okolnosti o;
    o.ulaz = Zapisi("ulaz.Lastovar", Datoteka(kDveSile));
    const Ishod i = Pokreni({"izvestaj", "-"}, o);
    EXPECT_EQ(i.kod, 0) << i.greske;
    EXPECT_EQ(i.izlaz, Procitaj(std::string(LASTOVAR_PODACI_IZVESTAJA) + "/DveSileRaspon10.txt"));

    o.ulaz = "/dev/zero";
    const Ishod nule = Pokreni({"tacno", "-"}, o);
    EXPECT_EQ(nule.kod, 1);
    EXPECT_EQ(nule.greske, std::string("Greska pri pokusaju otvaranju fajla!\n") +
                               "lastovar-cli tacno: -: " + kPrekoGranice + "\n");
}

// "--" ends the options: a file may have a name that looks like one.
TEST(LastovarCli, ADoubleDashEndsTheOptions) {
    const Ishod i = Pokreni({"izvestaj", "--", "--crlf"});
    EXPECT_EQ(i.kod, 1);
    EXPECT_EQ(i.greske, "Greska pri pokusaju otvaranju fajla!\nlastovar-cli izvestaj: --crlf: " +
                            std::string(std::strerror(ENOENT)) + "\n");
}

TEST(LastovarCli, VersionComesFromTheBuild) {
    const Ishod v = Pokreni({"--version"});
    EXPECT_EQ(v.kod, 0);
    EXPECT_EQ(v.izlaz, "lastovar-cli " LASTOVAR_VERZIJA "\n");
    EXPECT_EQ(v.greske, "");
    EXPECT_TRUE(Pokreni({"--help"}).izlaz.starts_with("lastovar-cli " LASTOVAR_VERZIJA "\n"));
}

std::vector<std::string> Linije(const std::string& tekst) {
    std::vector<std::string> linije;
    std::istringstream ulaz(tekst);
    for (std::string l; std::getline(ulaz, l);) linije.push_back(l);
    return linije;
}

bool Sadrzi(const std::vector<std::string>& linije, const std::string& linija) {
    return std::find(linije.begin(), linije.end(), linija) != linije.end();
}

// The defaults (206 and 208 kN 5 m apart on 9 m): at midspan P2 alone gives
// 468 kNm where the classical method puts P1 on the section.
TEST(LastovarCliTacno, DefaultsShowTheMidspanShortfall) {
    const Ishod i = Pokreni({"tacno"});
    ASSERT_EQ(i.kod, 0) << i.greske;
    EXPECT_EQ(i.greske, "");
    const std::vector<std::string> l = Linije(i.izlaz);
    // Head, the eleven sections x = 0 .. L of a blank, x and three
    // quantities each, then the tail and the absolute maximum.
    ASSERT_EQ(l.size(), 5u + 11 * 5 + 6);
    EXPECT_EQ(l[0], "TACNA ANVELOPA");
    EXPECT_EQ(l[6], "x = 0 [m]");
    const auto x45 = std::find(l.begin(), l.end(), "x = 4.5 [m]");
    ASSERT_NE(x45, l.end());
    // P2 alone on the span: 104 kN either side of it.
    EXPECT_EQ(x45[1],
              "extM: klasicno = 416.5 [kNm], tacno = 468 [kNm], manjak = 11.0042735042735 [%], "
              "P1 na -0.5 [m], P2 na preseku; istovremeno T = 104 / -104 [kN]");
    EXPECT_EQ(x45[2],
              "maxT: klasicno = 103 [kN], tacno = 104 [kN], manjak = 0.961538461538462 [%], "
              "P1 na -0.5 [m], P2 na preseku; istovremeno M = 468 [kNm]");
    EXPECT_EQ(l[l.size() - 5], "Najveci manjak:");
    EXPECT_EQ(l[l.size() - 4], "extM: 11.0042735042735 [%] u preseku x = 4.5 [m]");
    EXPECT_EQ(l[l.size() - 2], "minT: nema manjka");
    // Both forces on the span, P2 at the vertex of its parabola.
    EXPECT_EQ(l.back(),
              "Apsolutni maksimum: M = 487.682232957595 [kNm] u preseku x = 5.743961352657 [m], "
              "P1 na 0.743961352657005 [m]");
    EXPECT_EQ(i.izlaz.find("voz "), std::string::npos);
}

// A light force ahead of a heavy one: the heavy force leading onto the
// section, as the train P2..P1 brings it, gives shears no position of P1..P2
// reaches.
TEST(LastovarCliTacno, BothDirectionsNameTheOrientation) {
    std::vector<std::string> linije = kDveSile;
    linije[0] = "1";
    linije[1] = "100";
    linije[6] = "4";
    const std::string putanja = Zapisi("oba.Lastovar", Datoteka(linije));
    const Ishod napred = Pokreni({"tacno", putanja});
    const Ishod oba = Pokreni({"tacno", "--oba-smera", putanja});
    ASSERT_EQ(napred.kod, 0) << napred.greske;
    ASSERT_EQ(oba.kod, 0) << oba.greske;
    const std::vector<std::string> a = Linije(napred.izlaz);
    const std::vector<std::string> b = Linije(oba.izlaz);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(b[3], "Voz: P1..P2 ili P2..P1");
    EXPECT_NE(oba.izlaz.find(", voz P2..P1"), std::string::npos) << oba.izlaz;
    // The reversed crossing mirrors the forward one: the same absolute
    // maximum, which stays with P1..P2.
    EXPECT_TRUE(b.back().starts_with("Apsolutni maksimum: M = ")) << b.back();
    EXPECT_EQ(b.back(), a.back());
    // The classical column does not depend on the direction.
    for (std::size_t k = 0; k < a.size(); ++k) {
        const std::size_t kraj = a[k].find(", tacno = ");
        if (kraj != std::string::npos) {
            EXPECT_EQ(b[k].substr(0, kraj), a[k].substr(0, kraj));
        }
    }
}

TEST(LastovarCliTacno, FollowsTheRegionalSeparator) {
    std::vector<std::string> linije = kDveSile;
    linije[6] = "2,5";
    linije[12] = "2,5";
    const Ishod i =
        Pokreni({"tacno", Zapisi("tacno-zarez.Lastovar", Datoteka(linije))}, "de_DE.UTF-8");
    ASSERT_EQ(i.kod, 0) << i.greske;
    const std::vector<std::string> l = Linije(i.izlaz);
    EXPECT_TRUE(Sadrzi(l, "x = 2 [m]")) << i.izlaz;
    EXPECT_TRUE(Sadrzi(l,
                       "maxT: klasicno = 17,5 [kN], tacno = 17,5 [kN], manjak = 0 [%], "
                       "P1 na 0 [m], P1 na preseku; istovremeno M = 0 [kNm]"))
        << i.izlaz;
    EXPECT_TRUE(Sadrzi(l,
                       "extM: klasicno = 27 [kNm], tacno = 27 [kNm], manjak = 0 [%], "
                       "P1 na 2 [m], P1 na preseku; istovremeno T = 13,5 / 3,5 [kN]"))
        << i.izlaz;
    EXPECT_EQ(i.izlaz.find("5."), std::string::npos);
}

TEST(LastovarCli, HelpAndMisuse) {
    const Ishod pomoc = Pokreni({"--help"});
    EXPECT_EQ(pomoc.kod, 0);
    EXPECT_NE(pomoc.izlaz.find("izvestaj [--crlf] [--csv] [DATOTEKA.Lastovar]"), std::string::npos);
    const Ishod pomocKomande = Pokreni({"izvestaj", "--help"});
    EXPECT_EQ(pomocKomande.kod, 0);
    EXPECT_TRUE(pomocKomande.izlaz.starts_with("  izvestaj ")) << pomocKomande.izlaz;

    const Ishod pomocTacno = Pokreni({"tacno", "--help"});
    EXPECT_EQ(pomocTacno.kod, 0);
    EXPECT_TRUE(
        pomocTacno.izlaz.starts_with("  tacno [DATOTEKA.Lastovar] [--oba-smera] [--csv]\n"));

    const Ishod pomocListe = Pokreni({"list", "--help"});
    EXPECT_EQ(pomocListe.kod, 0);
    EXPECT_TRUE(pomocListe.izlaz.starts_with(
        "  list [DATOTEKA.Lastovar] PRORACUN.pdf [--tacno] [--oba-smera]\n"));

    for (const std::vector<std::string>& pogresno : {std::vector<std::string>{},
                                                     {"nepostojeca"},
                                                     {"izvestaj", "--lf"},
                                                     {"izvestaj", "a", "b"},
                                                     {"izvestaj", "--crlf=da"},
                                                     {"izvestaj", "-x"},
                                                     {"izvestaj", "-", "a"},
                                                     {"--vers"},
                                                     {"tacno", "--oba"},
                                                     {"tacno", "a", "b"}}) {
        const Ishod i = Pokreni(pogresno);
        EXPECT_EQ(i.kod, 64) << testing::PrintToString(pogresno);
        EXPECT_EQ(i.izlaz, "");
        EXPECT_NE(i.greske, "");
    }
}

// A name's control bytes reach standard error escaped: they cannot move
// the terminal's cursor, clear it or pass for a line of their own.
TEST(LastovarCli, ControlBytesOfANameAreShownEscaped) {
    const std::string ime = "a\nb\x1b[2J\\c";
    const std::string vidljivo = "a\\nb\\x1b[2J\\\\c";
    const std::string folder = Privremena("nema") + "/";
    const std::pair<std::vector<std::string>, std::string> slucajevi[] = {
        {{"dijagram", "--izlaz", folder + ime + ".png"},
         "Greska pri pokusaju snimanja slike!\nlastovar-cli dijagram: " + folder + vidljivo +
             ".png: No such file or directory\n"},
        {{"izvestaj", folder + ime},
         "Greska pri pokusaju otvaranju fajla!\nlastovar-cli izvestaj: " + folder + vidljivo +
             ": No such file or directory\n"},
        {{"list", ime + ".txt"},
         "lastovar-cli list: ime PDF datoteke mora imati nastavak .pdf: " + vidljivo + ".txt\n"},
        {{"a\x07\x7f"},
         "lastovar-cli: nepoznata komanda a\\a\\x7f (lastovar-cli --help daje spisak)\n"}};
    for (const auto& [argumenti, greske] : slucajevi) {
        const Ishod i = Pokreni(argumenti);
        EXPECT_NE(i.kod, 0);
        EXPECT_EQ(i.greske, greske);
    }
}

// Output that cannot be written (a full disk) ends with 1 and the system's
// reason.
TEST(LastovarCli, AnOutputThatCannotBeWrittenSaysWhy) {
    for (const std::vector<std::string>& argumenti : {std::vector<std::string>{"izvestaj"},
                                                      {"izvestaj", "--csv"},
                                                      {"tacno"},
                                                      {"dijagram", "--zapis"},
                                                      {"polozaj", "--zapis"}}) {
        Okolnosti o;
        o.standardniIzlaz = "/dev/full";
        const Ishod i = Pokreni(argumenti, o);
        EXPECT_EQ(i.kod, 1) << argumenti[0];
        EXPECT_EQ(i.greske, "lastovar-cli " + argumenti[0] +
                                ": greska pri pisanju izlaza: No space left on device\n");
    }
}

}  // namespace

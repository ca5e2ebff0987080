// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation sheet of `lastovar-cli list`, read back with poppler's
// tools as a reader of the PDF would: its pages, text, fonts and picture.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "OgranicenaVelicina.h"
#include "PokretanjeCli.h"
#include "PrivremeniFolder.h"

namespace {

// The standard output of a poppler tool run on the file; the paths are
// the tests' own, without quotes.
std::string Alat(const std::string& komanda, const std::string& pdf,
                 const std::string& posle = "") {
    const std::string ceo = komanda + " '" + pdf + "' " + posle + " 2>/dev/null";
    std::string izlaz;
    if (FILE* f = popen(ceo.c_str(), "r")) {
        char b[4096];
        for (std::size_t n; (n = fread(b, 1, sizeof b, f)) > 0;) izlaz.append(b, n);
        pclose(f);
    }
    return izlaz;
}

std::string Info(const std::string& pdf) { return Alat(LASTOVAR_PDFINFO, pdf); }

// The text of pages od..do (all without them).
std::string Tekst(const std::string& pdf, int od = 0, int do_ = 0) {
    std::string komanda = LASTOVAR_PDFTOTEXT;
    if (od > 0) komanda += " -f " + std::to_string(od) + " -l " + std::to_string(do_);
    return Alat(komanda, pdf, "-");
}

// Runs of white space (a page's form feed among it) as one blank, none at
// either end: how a text extractor gives a line back, whatever it makes of
// the spacing.
std::string Normalno(const std::string& linija) {
    std::string n;
    for (const char c : linija) {
        const bool belina = c == ' ' || c == '\f' || c == '\t' || c == '\r';
        if (!belina)
            n += c;
        else if (!n.empty() && n.back() != ' ')
            n += ' ';
    }
    while (!n.empty() && n.back() == ' ') n.pop_back();
    return n;
}

std::set<std::string> LinijeTeksta(const std::string& tekst) {
    std::set<std::string> linije;
    std::istringstream ulaz(tekst);
    for (std::string l; std::getline(ulaz, l);) linije.insert(Normalno(l));
    return linije;
}

// Every non-empty line of `linije` that the PDF's text lacks.
std::vector<std::string> Nedostaje(const std::string& linije, const std::string& pdfTekst) {
    const std::set<std::string> imaju = LinijeTeksta(pdfTekst);
    std::vector<std::string> nema;
    std::istringstream ulaz(linije);
    for (std::string l; std::getline(ulaz, l);)
        if (!Normalno(l).empty() && !imaju.count(Normalno(l))) nema.push_back(l);
    return nema;
}

int BrojStrana(const std::string& info) {
    std::smatch m;
    const std::regex strane("Pages: +([0-9]+)");
    return std::regex_search(info, m, strane) ? std::stoi(m[1]) : 0;
}

TEST(KomandaList, TheDefaultsMakeAnA4SheetHoldingEveryReportLine) {
    const PrivremeniFolder folder;
    const std::string pdf = folder.Putanja("Proracun.pdf");
    const Ishod i = Pokreni({"list", pdf});
    ASSERT_EQ(i.kod, 0) << i.greske;
    EXPECT_EQ(i.greske, "");
    EXPECT_EQ(i.izlaz, "");

    const std::string info = Info(pdf);
    EXPECT_NE(info.find("Page size:       595 x 842 pts (A4)"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           Proracun extM i extT\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Creator:         Lastovar " LASTOVAR_VERZIJA "\n"), std::string::npos);
    EXPECT_TRUE(std::regex_search(info, std::regex("CreationDate: +[A-Z][a-z]{2} ")));
    const int strana = BrojStrana(info);
    EXPECT_EQ(strana, 3);

    // Every font is embedded.
    std::istringstream fontovi(Alat(LASTOVAR_PDFFONTS, pdf));
    int redova = 0;
    for (std::string l; std::getline(fontovi, l);) {
        if (++redova <= 2) continue;  // the heading and its rule
        EXPECT_TRUE(std::regex_search(l, std::regex(" yes +(yes|no) +yes +[0-9]+ +0$"))) << l;
    }
    EXPECT_GT(redova, 3);

    EXPECT_EQ(Nedostaje(Pokreni({"izvestaj"}).izlaz, Tekst(pdf)), std::vector<std::string>{});
    for (int s = 1; s <= strana; ++s) {
        const std::string naStrani = Tekst(pdf, s, s);
        EXPECT_NE(naStrani.find("strana " + std::to_string(s) + " od " + std::to_string(strana)),
                  std::string::npos)
            << s;
    }

    // Page 1: the inputs as typed, the diagrams' captions and labels, and
    // the sketch as a JPEG picture.
    const std::set<std::string> prva = LinijeTeksta(Tekst(pdf, 1, 1));
    for (const char* l :
         {"Proracun extM i extT", "Datoteka: podaci nisu snimljeni u datoteku", "P1 = 206.0 [kN]",
          "L1 = 5.0 [m]", "Broj preseka: n = 10", "extM[kNm]", "minT[kN]", "487.682", "299.556"})
        EXPECT_TRUE(prva.count(l)) << l;
    EXPECT_TRUE(std::regex_search(Tekst(pdf, 1, 1),
                                  std::regex("Datum: [0-9]{2}\\.[0-9]{2}\\.[0-9]{4}\\.")));
    const std::string slike = Alat(std::string(LASTOVAR_PDFIMAGES) + " -list", pdf);
    EXPECT_TRUE(
        std::regex_search(slike, std::regex("\n +1 +0 image +[0-9]+ +[0-9]+ +rgb +3 +8 +jpeg")))
        << slike;
    EXPECT_EQ(std::count(slike.begin(), slike.end(), '\n'), 3) << slike;
}

const char* const kSestSila =
    "1\r\n2\r\n3\r\n1\r\n2\r\n3\r\n0.1\r\n0.2\r\n0.3\r\n0.4\r\n0.5\r\n2.9\r\n2.9\r\n6\r\n99\r\n";

// Its longest lines, those of the comparison both ways, still fit whole.
TEST(KomandaList, TacnoAddsTheComparisonAndTheExactEnvelopes) {
    const PrivremeniFolder folder;
    const std::string podaci = folder.Zapisi("sest.Lastovar", kSestSila);
    const std::string pdf = folder.Putanja("tacno.pdf");
    const Ishod i = Pokreni({"list", podaci, pdf, "--tacno", "--oba-smera"});
    ASSERT_EQ(i.kod, 0) << i.greske;
    EXPECT_NE(Info(pdf).find("Title:           Proracun extM i extT - sest.Lastovar\n"),
              std::string::npos);
    const std::string tekst = Tekst(pdf);
    EXPECT_EQ(Nedostaje(Pokreni({"izvestaj", podaci}).izlaz, tekst), std::vector<std::string>{});
    // What a section carries at the same time is set on a line of its own.
    const std::string tacno = std::regex_replace(Pokreni({"tacno", "--oba-smera", podaci}).izlaz,
                                                 std::regex("; "), ";\n");
    EXPECT_EQ(Nedostaje(tacno, tekst), std::vector<std::string>{});
    const std::set<std::string> prva = LinijeTeksta(Tekst(pdf, 1, 1));
    EXPECT_TRUE(prva.count("tacna anvelopa"));
    EXPECT_TRUE(prva.count("Datoteka: " + podaci));
    EXPECT_TRUE(prva.count("L5 = 0.5 [m]"));
}

// With design actions the governing values follow the report, each line
// whole, its position on a line of its own.
TEST(KomandaList, DesignActionsAddTheGoverningValues) {
    const PrivremeniFolder folder;
    const std::string podaci = folder.Zapisi("sest.Lastovar", kSestSila);
    const std::string pdf = folder.Putanja("merodavno.pdf");
    const std::vector<std::string> dejstva = {"--q",    "20",       "--q-raspored",
                                              "uz-voz", "--razmak", "1"};
    std::vector<std::string> argumenti = {"list", podaci, pdf};
    argumenti.insert(argumenti.end(), dejstva.begin(), dejstva.end());
    const Ishod i = Pokreni(argumenti);
    ASSERT_EQ(i.kod, 0) << i.greske;
    std::vector<std::string> merodavno = {"merodavno", podaci};
    merodavno.insert(merodavno.end(), dejstva.begin(), dejstva.end());
    const std::string linije =
        std::regex_replace(Pokreni(merodavno).izlaz, std::regex(", P1 na "), ",\nP1 na ");
    const std::string tekst = Tekst(pdf);
    EXPECT_NE(tekst.find("MERODAVNE VREDNOSTI"), std::string::npos);
    EXPECT_EQ(Nedostaje(linije, tekst), std::vector<std::string>{});
}

TEST(KomandaList, StandardInputIsNamedSo) {
    const PrivremeniFolder folder;
    Okolnosti o;
    o.ulaz = folder.Zapisi("ulaz.Lastovar", kSestSila);
    const std::string pdf = folder.Putanja("ulaz.pdf");
    const Ishod i = Pokreni({"list", "-", pdf}, o);
    ASSERT_EQ(i.kod, 0) << i.greske;
    EXPECT_TRUE(LinijeTeksta(Tekst(pdf, 1, 1)).count("Datoteka: standardni ulaz"));
}

struct PogresanPoziv {
    const char* ime;
    std::vector<std::string> argumenti;  // "@" stands for a PDF of the test's folder
    int kod;
    std::string greske;
};

void PrintTo(const PogresanPoziv& p, std::ostream* os) { *os << p.ime; }

class PogresanList : public testing::TestWithParam<PogresanPoziv> {};

// Refused before anything is written: the file where the sheet would go
// stays as it was.
TEST_P(PogresanList, IsRefusedAndWritesNothing) {
    const PrivremeniFolder folder;
    const std::string stari = folder.Zapisi("stari.pdf", "stari");
    std::vector<std::string> argumenti{"list"};
    for (const std::string& a : GetParam().argumenti)
        argumenti.push_back(a == "@" ? stari : a == "nema" ? folder.Putanja("nema.Lastovar") : a);
    const Ishod i = Pokreni(argumenti);
    EXPECT_EQ(i.kod, GetParam().kod);
    std::string greske = GetParam().greske;
    for (std::size_t p; (p = greske.find("NEMA")) != std::string::npos;)
        greske.replace(p, 4, folder.Putanja("nema.Lastovar"));
    EXPECT_EQ(i.greske, greske);
    EXPECT_EQ(Sadrzaj(stari), "stari");
    EXPECT_EQ(folder.Imena(), std::set<std::string>{"stari.pdf"});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, PogresanList, testing::Values(
    PogresanPoziv{"NoSheet", {}, 64, "lastovar-cli list: zadajte ime PDF datoteke\n"},
    // a data file named alone is never taken for the sheet
    PogresanPoziv{"NotAPdf", {"primer.Lastovar"}, 64,
                  "lastovar-cli list: ime PDF datoteke mora imati nastavak .pdf: primer.Lastovar\n"},
    PogresanPoziv{"ThreeWords", {"a.Lastovar", "b.Lastovar", "@"}, 64,
                  "lastovar-cli list: zadaje se najvise datoteka podataka i ime PDF datoteke\n"},
    PogresanPoziv{"BothWaysAlone", {"@", "--oba-smera"}, 64,
                  "lastovar-cli list: --oba-smera vazi samo uz --tacno\n"},
    PogresanPoziv{"UnknownOption", {"@", "--csv"}, 64, "lastovar-cli list: nepoznata opcija --csv\n"},
    PogresanPoziv{"MissingDataFile", {"nema", "@"}, 1,
                  "Greska pri pokusaju otvaranju fajla!\nlastovar-cli list: NEMA: No such file or directory\n"}
), [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

TEST(KomandaList, RefusedDataGiveTheReportsMessageAndExitCode) {
    const PrivremeniFolder folder;
    const std::string stari = folder.Zapisi("stari.pdf", "stari");
    // P1 a word, the other lines numbers
    const std::string slovo = folder.Zapisi(
        "slovo.Lastovar",
        "abc\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n2\r\n10\r\n");
    const Ishod i = Pokreni({"list", slovo, stari});
    EXPECT_EQ(i.kod, 2);
    EXPECT_EQ(i.greske, "Greska u unosu tipa podataka za proracun!!!\n");
    EXPECT_EQ(Sadrzaj(stari), "stari");
}

// Under a file size limit, or over a directory, the sheet fails as a
// whole: exit 1 with the file and the reason, and what was there stays.
TEST(KomandaList, ASheetThatCannotBeWrittenLeavesThePreviousFile) {
    const PrivremeniFolder folder;
    const std::string stari(700, 's');
    const std::string pdf = folder.Zapisi("Proracun.pdf", stari);
    Ishod i;
    {
        const OgranicenaVelicina ogranicenje(1024);
        i = Pokreni({"list", pdf});
    }
    EXPECT_EQ(i.kod, 1);
    EXPECT_EQ(i.greske, "Greska pri pokusaju snimanja PDF datoteke!\nlastovar-cli list: " + pdf +
                            ": File too large\n");
    EXPECT_EQ(Sadrzaj(pdf), stari);
    EXPECT_EQ(folder.Imena(), std::set<std::string>{"Proracun.pdf"});

    const std::string folderPdf = folder.Putanja("folder.pdf");
    ASSERT_EQ(mkdir(folderPdf.c_str(), 0700), 0);
    i = Pokreni({"list", folderPdf});
    EXPECT_EQ(i.kod, 1);
    EXPECT_EQ(i.greske, "Greska pri pokusaju snimanja PDF datoteke!\nlastovar-cli list: " +
                            folderPdf + ": nije obicna datoteka nego direktorijum\n");
}

}  // namespace

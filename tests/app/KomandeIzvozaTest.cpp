// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <cctype>
#include <cstdio>
#include <set>
#include <sstream>

#include "AplikacijaFixture.h"
#include "Edit.h"
#include "IzvestajTacneAnvelope.h"
#include "KomandeIzvoza.h"
#include "PodaciObrazac.h"
#include "RezultatiObrazac.h"
#include "SkiceGrede.h"
#include "SpinEdit.h"
#include "TabeleCsv.h"

namespace {

using Vrsta = TSkriptovanePoruke::Vrsta;
using KomandeIzvozaTest = AplikacijaTest;

struct Izvoz {
    const char* ekstenzija;
    const char* filter;
};

class IzvozRezultata : public AplikacijaTest, public ::testing::WithParamInterface<Izvoz> {
protected:
    QAction* Stavka() const {
        const QString e = QString::fromLatin1(GetParam().ekstenzija);
        return e == "txt" ? GlavniO->txt : e == "doc" ? GlavniO->doc : GlavniO->xls;
    }
};

TEST_P(IzvozRezultata, IsRefusedWithoutACalculation) {
    Stavka()->trigger();
    ASSERT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_EQ(poruke.Prikazano[0].vrsta, Vrsta::Informacija);
    EXPECT_EQ(poruke.Prikazano[0].tekst,
              "Morate prvo sprovesti proracun ako zelite da snimite rezultate!");
    EXPECT_TRUE(dijalozi.Prikazano.empty());
    EXPECT_TRUE(datoteke.Sadrzaj.empty());
}

TEST_P(IzvozRezultata, WritesTheMemosLinesEachEndedByCrLf) {
    PodaciO->btnProracunClick();
    const QString putanja = QStringLiteral("/izvoz/Rezultati proracuna.") + GetParam().ekstenzija;
    dijalozi.Putanje = {putanja};
    Stavka()->trigger();
    ASSERT_EQ(dijalozi.Prikazano.size(), 1u);
    const TDijalogDatoteke& d = dijalozi.Prikazano[0].podesavanja;
    EXPECT_EQ(d.Naslov, "Snimanje rezultata proracuna u datoteku sa nastavkom .txt!");
    EXPECT_EQ(d.PocetnoIme, "Rezultati proracuna");
    EXPECT_EQ(d.PodrazumevanaEkstenzija, QStringLiteral(".") + GetParam().ekstenzija);
    EXPECT_EQ(d.Filter, GetParam().filter);
    EXPECT_TRUE(d.PitajPrePrepisivanja);

    const QStringList linije = RezultatiO->Linije();
    ASSERT_GT(linije.size(), 20);
    QByteArray ocekivano;
    for (const QString& l : linije) ocekivano += l.toLatin1() + "\r\n";
    EXPECT_EQ(datoteke.Sadrzaj[putanja], ocekivano);
    EXPECT_TRUE(poruke.Prikazano.empty());
    EXPECT_TRUE(PodaciO->Zakljucano());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Formati, IzvozRezultata, ::testing::Values(
    Izvoz{"txt", "textualna datoteka|*.txt"},
    Izvoz{"doc", "word datoteka|*.doc"},
    Izvoz{"xls", "excel datoteka|*.xls"}),
    [](const auto& info) { return std::string(info.param.ekstenzija); });
// clang-format on

TEST_F(KomandeIzvozaTest, AFailedExportGoesToTheGeneralErrorReport) {
    PodaciO->btnProracunClick();
    const QString putanja = QStringLiteral("/zakljucano/r.txt");
    datoteke.Greske[putanja] = EGreskaFajla::Vrsta::Pisanje;
    dijalozi.Putanje = {putanja};
    GlavniO->txt->trigger();
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{"scripted failure: " + putanja});
    EXPECT_TRUE(PodaciO->Zakljucano());
    EXPECT_FALSE(RezultatiO->Linije().isEmpty());
}

TEST_F(KomandeIzvozaTest, CancellingTheExportWritesNothing) {
    PodaciO->btnProracunClick();
    dijalozi.Putanje = {std::nullopt};
    GlavniO->doc->trigger();
    EXPECT_TRUE(datoteke.Sadrzaj.empty());
    EXPECT_TRUE(poruke.Prikazano.empty());
}

QByteArray Skica(int brojSila) {
    const std::span<const unsigned char> s = SkicaGrede(brojSila);
    return QByteArray(reinterpret_cast<const char*>(s.data()), qsizetype(s.size()));
}

TEST_F(KomandeIzvozaTest, TheSketchIsSavedByteForByteInBothLockStates) {
    const char* imena[] = {"Skica grede sa jednom silom", "Skica grede sa dve sile",
                           "Skica grede sa tri sile",     "Skica grede sa cetiri sile",
                           "Skica grede sa pet sila",     "Skica grede sa sest sila"};
    for (int n = 1; n <= 6; ++n) {
        PodaciO->SpinEditBrojSila->setValue(n);
        const QString putanja = QStringLiteral("/skice/%1.jpeg").arg(n);
        dijalozi.Putanje = {putanja};
        GlavniO->Snimiskicugrede1->trigger();
        const TDijalogDatoteke& d = dijalozi.Prikazano.back().podesavanja;
        EXPECT_EQ(dijalozi.Prikazano.back().vrsta, TSkriptovaniDijalozi::Vrsta::SnimiSliku);
        EXPECT_EQ(d.PocetnoIme, imena[n - 1]);
        EXPECT_EQ(datoteke.Sadrzaj[putanja], Skica(n)) << n;
    }
    const TDijalogDatoteke& d = dijalozi.Prikazano.back().podesavanja;
    EXPECT_EQ(d.Naslov, "Snimanje skice grede sa silama");
    EXPECT_EQ(d.Filter, "JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg");
    EXPECT_EQ(d.PodrazumevanaEkstenzija, ".jpg");
    EXPECT_TRUE(d.PitajPrePrepisivanja);

    PodaciO->SpinEditBrojSila->setValue(4);
    PodaciO->btnProracunClick();
    ASSERT_TRUE(PodaciO->Zakljucano());
    dijalozi.Putanje = {QStringLiteral("/skice/zakljucano.jpg")};
    GlavniO->Snimiskicugrede1->trigger();
    EXPECT_EQ(datoteke.Sadrzaj[QStringLiteral("/skice/zakljucano.jpg")], Skica(4));
    EXPECT_TRUE(poruke.Prikazano.empty());
}

TEST_F(KomandeIzvozaTest, AFailedSketchSaveShowsItsMessage) {
    const QString putanja = QStringLiteral("/zakljucano/s.jpg");
    datoteke.Greske[putanja] = EGreskaFajla::Vrsta::Otvaranje;
    dijalozi.Putanje = {putanja};
    GlavniO->Snimiskicugrede1->trigger();
    ASSERT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_EQ(poruke.Prikazano[0].vrsta, Vrsta::Greska);
    EXPECT_EQ(poruke.Prikazano[0].tekst, "scripted failure: " + putanja);
}

// The calculation sheet and the tables: two files made from the calculation
// that stands, guarded, asked for and saved alike.
struct Fajl {
    const char* ime;
    QAction* TGlavniO::*stavka;
    const char* poruka;
    const char* naslov;
    const char* pocetnoIme;
    const char* ekstenzija;
    const char* filter;
};

void PrintTo(const Fajl& f, std::ostream* os) { *os << f.ime; }

class FajlProracuna : public AplikacijaTest, public ::testing::WithParamInterface<Fajl> {
protected:
    QAction* Stavka() const { return GlavniO->*GetParam().stavka; }
    QString Putanja() const {
        return QStringLiteral("/izvoz/f") + QString::fromLatin1(GetParam().ekstenzija);
    }
};

TEST_P(FajlProracuna, IsRefusedWithoutACalculation) {
    Stavka()->trigger();
    ASSERT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_EQ(poruke.Prikazano[0].vrsta, Vrsta::Informacija);
    EXPECT_EQ(poruke.Prikazano[0].tekst, GetParam().poruka);
    EXPECT_TRUE(dijalozi.Prikazano.empty());
    EXPECT_TRUE(datoteke.Sadrzaj.empty());
}

TEST_P(FajlProracuna, AsksForTheFileAndWritesIt) {
    PodaciO->btnProracunClick();
    dijalozi.Putanje = {Putanja()};
    Stavka()->trigger();
    ASSERT_EQ(dijalozi.Prikazano.size(), 1u);
    EXPECT_EQ(dijalozi.Prikazano[0].vrsta, TSkriptovaniDijalozi::Vrsta::Snimi);
    const TDijalogDatoteke& d = dijalozi.Prikazano[0].podesavanja;
    EXPECT_EQ(d.Naslov, GetParam().naslov);
    EXPECT_EQ(d.PocetnoIme, GetParam().pocetnoIme);
    EXPECT_EQ(d.PodrazumevanaEkstenzija, GetParam().ekstenzija);
    EXPECT_EQ(d.Filter, GetParam().filter);
    EXPECT_TRUE(d.PitajPrePrepisivanja);
    EXPECT_TRUE(poruke.Prikazano.empty());
    ASSERT_EQ(datoteke.Sadrzaj.count(Putanja()), 1u);
    EXPECT_FALSE(datoteke.Sadrzaj[Putanja()].isEmpty());
    EXPECT_TRUE(PodaciO->Zakljucano());
}

TEST_P(FajlProracuna, AFailedWriteKeepsThePreviousFileAndSaysWhy) {
    PodaciO->btnProracunClick();
    datoteke.Sadrzaj[Putanja()] = "staro";
    datoteke.Greske[Putanja()] = EGreskaFajla::Vrsta::Pisanje;
    dijalozi.Putanje = {Putanja()};
    Stavka()->trigger();
    ASSERT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_EQ(poruke.Prikazano[0].vrsta, Vrsta::Greska);
    EXPECT_EQ(poruke.Prikazano[0].tekst, "scripted failure: " + Putanja());
    EXPECT_EQ(datoteke.Sadrzaj[Putanja()], "staro");
    EXPECT_TRUE(PodaciO->Zakljucano());
}

TEST_P(FajlProracuna, CancellingWritesNothing) {
    PodaciO->btnProracunClick();
    dijalozi.Putanje = {std::nullopt};
    Stavka()->trigger();
    EXPECT_TRUE(datoteke.Sadrzaj.empty());
    EXPECT_TRUE(poruke.Prikazano.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fajlovi, FajlProracuna, ::testing::Values(
    Fajl{"Pdf", &TGlavniO::SnimiproracunkaoPDF1,
         "Morate prvo sprovesti proracun ako zelite da snimite PDF!",
         "Snimanje proracuna u PDF datoteku", "Proracun", ".pdf", "PDF datoteka|*.pdf"},
    Fajl{"Csv", &TGlavniO::SnimitabelekaoCSV1,
         "Morate prvo sprovesti proracun ako zelite da snimite CSV!",
         "Snimanje tabela proracuna u CSV datoteku", "Tabele proracuna", ".csv", "CSV datoteka|*.csv"}
), [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

// Memory running out while any file is made or saved: an error box says
// so, and the file that was there stays.
TEST_F(KomandeIzvozaTest, MemoryRunningOutIsShownAndKeepsThePreviousFile) {
    const std::pair<QAction * TGlavniO::*, const char*> komande[] = {
        {&TGlavniO::txt, "/m/r.txt"},
        {&TGlavniO::Snimiskicugrede1, "/m/s.jpg"},
        {&TGlavniO::SnimiproracunkaoPDF1, "/m/p.pdf"},
        {&TGlavniO::SnimitabelekaoCSV1, "/m/t.csv"},
        {&TGlavniO::Snimikao, "/m/d.Lastovar"}};
    PodaciO->btnProracunClick();
    for (const auto& [stavka, ime] : komande) {
        const QString putanja = QString::fromLatin1(ime);
        poruke.Prikazano.clear();
        datoteke.Sadrzaj[putanja] = "staro";
        datoteke.BezMemorije.insert(putanja);
        dijalozi.Putanje = {putanja};
        (GlavniO->*stavka)->trigger();
        EXPECT_EQ(PrikazaneGreske(),
                  std::vector<QString>{"Komanda nije izvrsena: nema dovoljno memorije."})
            << ime;
        EXPECT_EQ(poruke.Prikazano.size(), 1u) << ime;
        EXPECT_EQ(datoteke.Sadrzaj[putanja], "staro") << ime;
    }
    EXPECT_TRUE(PodaciO->Zakljucano());
    EXPECT_EQ(GlavniO->windowTitle(), "Dijagram extM i extT");
}

// The tables of the calculation that stands, also after the form's texts
// changed under the lock (a data file opened meanwhile changes nothing).
TEST_F(KomandeIzvozaTest, TheTablesAreThoseOfTheLockedCalculation) {
    PodaciO->btnProracunClick();
    const TekstoviUnosa zakljucano = PodaciO->Tekstovi();
    PodaciO->txtRaspon->setText(QStringLiteral("12"));
    dijalozi.Putanje = {QStringLiteral("/t.csv"), QStringLiteral("/tacno.csv")};
    GlavniO->SnimitabelekaoCSV1->trigger();
    EXPECT_EQ(datoteke.Sadrzaj[QStringLiteral("/t.csv")].toStdString(),
              TabeleCsv(zakljucano, 2, '.', std::nullopt));
    GlavniO->TacnaAnvelopa->setChecked(true);
    GlavniO->SnimitabelekaoCSV1->trigger();
    EXPECT_EQ(datoteke.Sadrzaj[QStringLiteral("/tacno.csv")].toStdString(),
              TabeleCsv(zakljucano, 2, '.', TSmerVoza::Napred));
}

// The sheet's text, as poppler's pdftotext gives it back, each line with
// its runs of white space as one blank.
// The PDF's text as pdftotext gives it.
std::string SirovTekstPdf(const QByteArray& pdf) {
    QTemporaryDir folder;
    const QString putanja = folder.filePath(QStringLiteral("list.pdf"));
    QFile f(putanja);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(pdf);
    f.close();
    const std::string komanda =
        std::string(LASTOVAR_PDFTOTEXT) + " '" + putanja.toStdString() + "' - 2>/dev/null";
    std::string tekst;
    if (FILE* izlaz = popen(komanda.c_str(), "r")) {
        char b[4096];
        for (std::size_t n; (n = fread(b, 1, sizeof b, izlaz)) > 0;) tekst.append(b, n);
        pclose(izlaz);
    }
    return tekst;
}

// Its lines, each with its runs of blanks as one.
std::set<std::string> TekstPdf(const QByteArray& pdf) {
    std::set<std::string> linije;
    std::istringstream ulaz(SirovTekstPdf(pdf));
    for (std::string l; std::getline(ulaz, l);) {
        std::istringstream reci(l);
        std::string normalno;
        for (std::string r; reci >> r;) normalno += (normalno.empty() ? "" : " ") + r;
        linije.insert(normalno);
    }
    return linije;
}

std::string Normalno(const QString& linija) {
    std::istringstream reci(linija.toStdString());
    std::string normalno;
    for (std::string r; reci >> r;) normalno += (normalno.empty() ? "" : " ") + r;
    return normalno;
}

// The sheet holds the report as the results window holds it, the data
// file's name and, with "Tacna anvelopa" checked, the comparison.
TEST_F(KomandeIzvozaTest, TheSheetHoldsTheResultsWindowsReport) {
    GlavniO->ImeDatoteke = QStringLiteral("/podaci/Most.Lastovar");
    PodaciO->btnProracunClick();
    dijalozi.Putanje = {QStringLiteral("/list.pdf"), QStringLiteral("/tacno.pdf")};
    GlavniO->SnimiproracunkaoPDF1->trigger();
    const QByteArray pdf = datoteke.Sadrzaj[QStringLiteral("/list.pdf")];
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    const std::set<std::string> tekst = TekstPdf(pdf);
    for (const QString& l : RezultatiO->Linije()) {
        if (!l.isEmpty()) {
            EXPECT_TRUE(tekst.count(Normalno(l))) << l.toStdString();
        }
    }
    EXPECT_TRUE(tekst.count("Datoteka: /podaci/Most.Lastovar"));
    EXPECT_FALSE(tekst.count("TACNA ANVELOPA"));

    GlavniO->TacnaAnvelopa->setChecked(true);
    GlavniO->SnimiproracunkaoPDF1->trigger();
    // The comparison is the second appendix in full precision, each line
    // whole wherever the sheet wrapped it.
    const auto bezBeline = [](std::string t) {
        std::erase_if(t, [](char c) { return std::isspace(static_cast<unsigned char>(c)); });
        return t;
    };
    const std::string tacno =
        bezBeline(SirovTekstPdf(datoteke.Sadrzaj[QStringLiteral("/tacno.pdf")]));
    EXPECT_NE(tacno.find("PrilogB."), std::string::npos);
    for (const std::string& linija :
         IzvestajTacneAnvelope(PodaciO->Tekstovi(), 2, '.', TSmerVoza::Napred))
        EXPECT_NE(tacno.find(bezBeline(linija)), std::string::npos) << linija;
}

// The sheet's diagrams are drawn with the print parameters of the moment.
TEST_F(KomandeIzvozaTest, TheSheetsDiagramsTakeThePrintParameters) {
    PodaciO->btnProracunClick();
    GlavniO->FaktorPomeranjaTexta = 5;
    GlavniO->FontDialog1 = TFontIzbor{QFont(QStringLiteral("DejaVu Serif"), 20), Qt::darkGreen};
    GlavniO->TacnaAnvelopa->setChecked(true);
    const TUlazDijagrama u = PodaciO->UlazDijagrama();
    EXPECT_EQ(u.faktorPomeranjaTexta, 5.0);
    EXPECT_EQ(u.fontStampe.Ime, "DejaVu Serif");
    EXPECT_EQ(u.fontStampe.Velicina(300), 20);
    EXPECT_EQ(u.fontStampe.Boja, (TBoja{0, 128, 0}));
    EXPECT_TRUE(u.tacnaAnvelopa);
    EXPECT_EQ(u.brojSila, 2);
    EXPECT_EQ(u.tekstovi.Raspon, PodaciO->Tekstovi().Raspon);
}

}  // namespace

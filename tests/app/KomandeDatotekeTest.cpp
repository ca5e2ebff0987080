// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/resource.h>
#include <sys/stat.h>

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <csignal>
#include <functional>

#include "AplikacijaFixture.h"
#include "Edit.h"
#include "GrafikObrazac.h"
#include "KomandeDatoteke.h"
#include "OgranicenaVelicina.h"
#include "PodaciObrazac.h"
#include "QtDatoteke.h"
#include "RezultatiObrazac.h"
#include "SpinEdit.h"

namespace {

const QByteArray kPodrazumevani =
    "206.0\r\n208.0\r\n1.0\r\n1.0\r\n1.0\r\n1.0\r\n5.0\r\n1.0\r\n1.0\r\n1.0\r\n1.0\r\n9.0\r\n"
    "1.25\r\n2\r\n10\r\n";
const QString kPutanja = QStringLiteral("/podaci/primer.Lastovar");

using Vrsta = TSkriptovanePoruke::Vrsta;

class KomandeDatotekeTest : public AplikacijaTest {
protected:
    QStringList Polja() const {
        QStringList t;
        for (const TEdit* e : PodaciO->txtP) t << e->text();
        for (const TEdit* e : PodaciO->txtRastojanje) t << e->text();
        t << PodaciO->txtRaspon->text() << PodaciO->txtProizvoljnoX->text()
          << PodaciO->SpinEditBrojSila->text() << PodaciO->SpinEditBrojPreseka->text();
        return t;
    }
    void Otvori(const QByteArray& sadrzaj) {
        datoteke.Sadrzaj[kPutanja] = sadrzaj;
        dijalozi.Putanje = {kPutanja};
        GlavniO->Otvori->trigger();
    }
};

TEST_F(KomandeDatotekeTest, SaveAsWritesTheDefaultsAndOpenReadsThemBack) {
    const QStringList pocetna = Polja();
    dijalozi.Putanje = {kPutanja};
    GlavniO->Snimikao->trigger();
    ASSERT_EQ(dijalozi.Prikazano.size(), 1u);
    const TDijalogDatoteke& snimanje = dijalozi.Prikazano[0].podesavanja;
    EXPECT_EQ(dijalozi.Prikazano[0].vrsta, TSkriptovaniDijalozi::Vrsta::Snimi);
    EXPECT_EQ(snimanje.Naslov, "Snimanje podataka za proracun!");
    EXPECT_EQ(snimanje.Filter, "Lastovar datoteka|*.Lastovar");
    EXPECT_EQ(snimanje.PocetnoIme, "Podaci za proracun");
    EXPECT_TRUE(snimanje.PodrazumevanaEkstenzija.isEmpty());  // the filter's
    EXPECT_TRUE(snimanje.PitajPrePrepisivanja);
    EXPECT_EQ(datoteke.Sadrzaj[kPutanja], kPodrazumevani);
    EXPECT_EQ(GlavniO->windowTitle(), kPutanja);
    EXPECT_EQ(GlavniO->ImeDatoteke, kPutanja);

    PodaciO->txtP[0]->setText(QStringLiteral("7"));
    PodaciO->SpinEditBrojPreseka->setValue(40);
    dijalozi.Putanje = {kPutanja};
    GlavniO->Otvori->trigger();
    ASSERT_EQ(dijalozi.Prikazano.size(), 2u);
    const TDijalogDatoteke& otvaranje = dijalozi.Prikazano[1].podesavanja;
    EXPECT_EQ(dijalozi.Prikazano[1].vrsta, TSkriptovaniDijalozi::Vrsta::Otvori);
    EXPECT_EQ(otvaranje.Naslov, "Ucitavanje podataka za proracun!");
    EXPECT_EQ(otvaranje.Filter, "Lastovar datoteka|*.Lastovar");
    EXPECT_TRUE(otvaranje.PocetnoIme.isEmpty());
    EXPECT_EQ(Polja(), pocetna);
    EXPECT_TRUE(poruke.Prikazano.empty());
    EXPECT_FALSE(PodaciO->Zakljucano());
    EXPECT_TRUE(RezultatiO->Linije().isEmpty());

    // the open dialog proposes the name chosen the previous time
    dijalozi.Putanje = {std::nullopt};
    GlavniO->Otvori->trigger();
    EXPECT_EQ(dijalozi.Prikazano.back().podesavanja.PocetnoIme, kPutanja);
    EXPECT_EQ(GlavniO->windowTitle(), kPutanja);
}

TEST_F(KomandeDatotekeTest, FieldTextsAreStoredAsTypedWhetherEnabledOrNot) {
    PodaciO->txtP[5]->setText(QStringLiteral("x,5 "));
    PodaciO->txtRaspon->clear();
    PodaciO->txtProizvoljnoX->setText(QString::fromLatin1("\xe9"));
    dijalozi.Putanje = {kPutanja};
    GlavniO->Snimikao->trigger();
    EXPECT_EQ(datoteke.Sadrzaj[kPutanja],
              "206.0\r\n208.0\r\n1.0\r\n1.0\r\n1.0\r\nx,5 \r\n5.0\r\n1.0\r\n1.0\r\n1.0\r\n1.0\r\n"
              "\r\n\xe9\r\n2\r\n10\r\n");
    PodaciO->txtP[5]->clear();
    PodaciO->txtProizvoljnoX->clear();
    dijalozi.Putanje = {kPutanja};
    GlavniO->Otvori->trigger();
    EXPECT_EQ(PodaciO->txtP[5]->text(), "x,5 ");
    EXPECT_EQ(PodaciO->txtProizvoljnoX->text(), QString::fromLatin1("\xe9"));
}

TEST_F(KomandeDatotekeTest, ReadTextsAreTakenWholeAndTheForceCountSetsFieldsAndSketch) {
    Otvori("123456789\r\n2\r\n3\r\n4\r\n5\r\n6\r\n1\r\n1\r\n1\r\n1\r\n1\r\n20\r\n3\r\n4\r\n10\r\n");
    EXPECT_EQ(PodaciO->txtP[0]->text(), "123456789");
    EXPECT_EQ(PodaciO->SpinEditBrojSila->value(), 4);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(PodaciO->txtP[i]->isEnabled(), i < 4) << i;
    for (int i = 0; i < 5; ++i) EXPECT_EQ(PodaciO->txtRastojanje[i]->isEnabled(), i < 3) << i;
    EXPECT_TRUE(PodaciO->Image[3]->isVisibleTo(PodaciO));
    EXPECT_FALSE(PodaciO->Image[1]->isVisibleTo(PodaciO));
}

struct Citanje {
    const char* ime;
    std::optional<QByteArray> sadrzaj;  // none: the file does not exist
    const char* poruka;                 // nullptr: read without complaint
    int brojSila;
    int brojPreseka;
    const char* txtP1;
};

class CitanjeDatoteke : public KomandeDatotekeTest, public ::testing::WithParamInterface<Citanje> {
protected:
    // Opens the file by `otvori`, then checks the form, the caption and the
    // messages.
    void Proveri(const std::function<void()>& otvori);
};

TEST_P(CitanjeDatoteke, SetsTheFormOrChangesNothing) {
    Proveri([this] {
        dijalozi.Putanje = {kPutanja};
        GlavniO->Otvori->trigger();
    });
}

// The file named on the command line is opened as "Otvori..." opens the
// one its dialog gives.
TEST_P(CitanjeDatoteke, FromTheCommandLineAsFromTheMenu) {
    Proveri([] { EXPECT_EQ(GlavniO->OtvoriPodatke(kPutanja), GetParam().poruka == nullptr); });
    EXPECT_TRUE(dijalozi.Prikazano.empty());
    dijalozi.Putanje = {std::nullopt};
    GlavniO->Otvori->trigger();
    EXPECT_EQ(dijalozi.Prikazano.back().podesavanja.PocetnoIme, kPutanja);
}

void CitanjeDatoteke::Proveri(const std::function<void()>& otvori) {
    const Citanje& c = GetParam();
    PodaciO->SpinEditBrojSila->setValue(3);
    const QStringList pre = Polja();
    if (c.sadrzaj) datoteke.Sadrzaj[kPutanja] = *c.sadrzaj;
    otvori();

    if (c.poruka) {
        EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{QString::fromLatin1(c.poruka)});
        EXPECT_EQ(Polja(), pre);
        EXPECT_EQ(GlavniO->windowTitle(), "Dijagram extM i extT");
        EXPECT_TRUE(GlavniO->ImeDatoteke.isEmpty());
    } else {
        EXPECT_TRUE(poruke.Prikazano.empty());
        EXPECT_EQ(GlavniO->ImeDatoteke, kPutanja);
    }
    EXPECT_EQ(PodaciO->SpinEditBrojSila->value(), c.brojSila);
    EXPECT_EQ(PodaciO->SpinEditBrojPreseka->value(), c.brojPreseka);
    EXPECT_EQ(PodaciO->txtP[0]->text(), c.txtP1);
    EXPECT_FALSE(PodaciO->Zakljucano());
}

constexpr const char* kKonverzija = "Greska pri konverziji podataka iz datoteke u polja na formi!";
const QByteArray kDvanaest = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, CitanjeDatoteke, ::testing::Values(
    Citanje{"NineForcesGiveSix", kDvanaest + "1\r\n9\r\n10\r\n", nullptr, 6, 10, "1"},
    Citanje{"ZeroForcesGiveOne", kDvanaest + "1\r\n0\r\n10", nullptr, 1, 10, "1"},
    Citanje{"SectionsAbove99Give99", kDvanaest + "1\n2\n150\n", nullptr, 2, 99, "1"},
    Citanje{"LinesAfterTheFifteenthIgnored", kDvanaest + "1\r\n5\r\n7\r\nabc\r\n", nullptr, 5, 7, "1"},
    Citanje{"AbcInLineOneIsReadUnchecked", "abc" + kPodrazumevani.mid(5), nullptr, 2, 10, "abc"},
    Citanje{"TwelveLinesChangeNothing", kDvanaest, kKonverzija, 3, 10, "206.0"},
    Citanje{"ADecimalForceCount", kDvanaest + "1\r\n2.0\r\n10\r\n", kKonverzija, 3, 10, "206.0"},
    Citanje{"ASectionCountThatIsNoInteger", kDvanaest + "1\r\n4\r\nx\r\n", kKonverzija, 3, 10, "206.0"},
    Citanje{"AMissingFile", std::nullopt, "Greska pri pokusaju otvaranju fajla!\n/podaci/primer.Lastovar: No such file or directory", 3, 10, "206.0"}),
    [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

TEST_F(KomandeDatotekeTest, AFailureWhileReadingShowsTheFileLayersMessage) {
    datoteke.Sadrzaj[kPutanja] = kPodrazumevani;
    datoteke.Greske[kPutanja] = EGreskaFajla::Vrsta::Citanje;
    PodaciO->txtP[0]->setText(QStringLiteral("5"));
    dijalozi.Putanje = {kPutanja};
    GlavniO->Otvori->trigger();
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{"scripted failure: " + kPutanja});
    EXPECT_EQ(PodaciO->txtP[0]->text(), "5");
}

TEST_F(KomandeDatotekeTest, AbcReadWhileUnlockedIsRefusedByTheCalculation) {
    Otvori("abc" + kPodrazumevani.mid(5));
    PodaciO->btnProracunClick();
    EXPECT_EQ(PrikazaneGreske(),
              std::vector<QString>{"Greska u unosu tipa podataka za proracun!!!"});
    EXPECT_FALSE(PodaciO->Zakljucano());
}

TEST_F(KomandeDatotekeTest, SnimiWithoutANameShowsTheDialogAndThenWritesWithoutOne) {
    dijalozi.Putanje = {std::nullopt};
    GlavniO->Snimi->trigger();
    ASSERT_EQ(dijalozi.Prikazano.size(), 1u);
    EXPECT_EQ(dijalozi.Prikazano[0].podesavanja.Naslov, "Snimanje podataka za proracun!");
    EXPECT_TRUE(datoteke.Sadrzaj.empty());
    EXPECT_EQ(GlavniO->windowTitle(), "Dijagram extM i extT");

    dijalozi.Putanje = {kPutanja};
    GlavniO->Snimikao->trigger();
    PodaciO->txtRaspon->setText(QStringLiteral("12"));
    GlavniO->Snimi->trigger();
    EXPECT_EQ(dijalozi.Prikazano.size(), 2u);
    EXPECT_TRUE(datoteke.Sadrzaj[kPutanja].contains("\r\n12\r\n"));
    EXPECT_EQ(GlavniO->windowTitle(), kPutanja);
}

TEST_F(KomandeDatotekeTest, AFailedSaveAsKeepsTheCaptionAndTheTarget) {
    dijalozi.Putanje = {kPutanja};
    GlavniO->Snimikao->trigger();
    const QString druga = QStringLiteral("/zakljucano/drugi.Lastovar");
    datoteke.Greske[druga] = EGreskaFajla::Vrsta::Otvaranje;
    dijalozi.Putanje = {druga};
    GlavniO->Snimikao->trigger();
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{"scripted failure: " + druga});
    EXPECT_EQ(GlavniO->windowTitle(), kPutanja);
    EXPECT_EQ(GlavniO->ImeDatoteke, kPutanja);

    PodaciO->txtRaspon->setText(QStringLiteral("12"));
    GlavniO->Snimi->trigger();
    EXPECT_TRUE(datoteke.Sadrzaj[kPutanja].contains("\r\n12\r\n"));
    EXPECT_EQ(datoteke.Sadrzaj.count(druga), 0u);
}

TEST_F(KomandeDatotekeTest, OpenOrCancelWhileLockedPressesTheButtonOnce) {
    PodaciO->btnProracunClick();
    ASSERT_TRUE(PodaciO->Zakljucano());
    dijalozi.Putanje = {std::nullopt};
    GlavniO->Otvori->trigger();
    EXPECT_FALSE(PodaciO->Zakljucano());
    EXPECT_TRUE(RezultatiO->Linije().isEmpty());
    EXPECT_EQ(GlavniO->Proracun->text(), "Proracun");
    EXPECT_EQ(GlavniO->windowTitle(), "Dijagram extM i extT");

    PodaciO->btnProracunClick();
    Otvori("10\r\n20\r\n30\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n12\r\n2\r\n3\r\n10\r\n");
    EXPECT_FALSE(PodaciO->Zakljucano());
    EXPECT_EQ(PodaciO->SpinEditBrojSila->value(), 3);
    EXPECT_TRUE(PodaciO->txtP[2]->isEnabled());
    EXPECT_TRUE(poruke.Prikazano.empty());
}

TEST_F(KomandeDatotekeTest, AFailedOpenWhileLockedLeavesTheCalculationStanding) {
    PodaciO->btnProracunClick();
    const QStringList izvestaj = RezultatiO->Linije();
    Otvori(kDvanaest);
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{kKonverzija});
    EXPECT_TRUE(PodaciO->Zakljucano());
    EXPECT_EQ(RezultatiO->Linije(), izvestaj);
    EXPECT_EQ(PodaciO->txtP[0]->text(), "206.0");
}

struct OdbijenoOtvaranje {
    const char* ime;
    QByteArray sadrzaj;
    int brojSila;
    const char* poruka;
};

void PrintTo(const OdbijenoOtvaranje& o, std::ostream* os) { *os << o.ime; }

class OdbijenoPosleOtvaranja : public KomandeDatotekeTest,
                               public ::testing::WithParamInterface<OdbijenoOtvaranje> {};

// Texts the checks refuse, opened while a calculation stands: the form
// unlocks all the same, with the diagram erased, the report cleared and the
// fields enabled for the file's force count, and only then shows the
// check's message, so that the texts can be mended and calculated.
TEST_P(OdbijenoPosleOtvaranja, UnlocksThenShowsTheChecksMessage) {
    const OdbijenoOtvaranje& o = GetParam();
    PodaciO->btnProracunClick();
    ASSERT_TRUE(PodaciO->Zakljucano());
    std::vector<std::size_t> porukaPriOtkljucavanju;
    QObject::connect(PodaciO, &TPodaciO::ZakljucavanjePromenjeno, PodaciO,
                     [&] { porukaPriOtkljucavanju.push_back(poruke.Prikazano.size()); });
    Otvori(o.sadrzaj);

    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{QString::fromLatin1(o.poruka)});
    EXPECT_EQ(porukaPriOtkljucavanju, std::vector<std::size_t>{0});
    EXPECT_FALSE(PodaciO->Zakljucano());
    EXPECT_EQ(GlavniO->Proracun->text(), "Proracun");
    EXPECT_EQ(GlavniO->windowTitle(), kPutanja);
    EXPECT_TRUE(RezultatiO->Linije().isEmpty());
    EXPECT_EQ(PodaciO->SpinEditBrojSila->value(), o.brojSila);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(PodaciO->txtP[i]->isEnabled(), i < o.brojSila) << i;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(PodaciO->txtRastojanje[i]->isEnabled(), i < o.brojSila - 1) << i;
    for (QWidget* w : {static_cast<QWidget*>(PodaciO->txtRaspon),
                       static_cast<QWidget*>(PodaciO->txtProizvoljnoX),
                       static_cast<QWidget*>(PodaciO->SpinEditBrojSila),
                       static_cast<QWidget*>(PodaciO->SpinEditBrojPreseka)})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    QApplication::processEvents();
    GrafikO->Povrsina()->repaint();
    QImage beli(GrafikO->Povrsina()->size(), QImage::Format_RGB32);
    beli.fill(Qt::white);
    EXPECT_EQ(GrafikO->Povrsina()->grab().toImage().convertToFormat(QImage::Format_RGB32), beli);

    // Mended, the texts calculate.
    PodaciO->txtP[0]->setText(QStringLiteral("100"));
    PodaciO->txtProizvoljnoX->setText(QStringLiteral("1"));
    PodaciO->btnProracunClick();
    EXPECT_TRUE(PodaciO->Zakljucano());
    EXPECT_EQ(PrikazaneGreske().size(), 1u);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, OdbijenoPosleOtvaranja, ::testing::Values(
    OdbijenoOtvaranje{"NotANumber",
        "abc\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n30\r\n2\r\n6\r\n50\r\n", 6,
        "Greska u unosu tipa podataka za proracun!!!"},
    OdbijenoOtvaranje{"SectionBeyondTheSpan",
        "10\r\n20\r\n30\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n12\r\n20\r\n3\r\n10\r\n", 3,
        "Vrednosti podataka nisu korektno unete!!!"}),
    [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

// Real files in a temporary folder.
class KomandeDatotekeNaDiskuTest : public AplikacijaTest {
protected:
    void SetUp() override {
        AplikacijaTest::SetUp();
        aplikacija.reset();
        TUsluge u = Usluge();
        u.Datoteke = &naDisku;
        aplikacija = std::make_unique<TAplikacija>(u);
        GlavniO->show();
        PostaviKlijenta(QSize(1000, 700));
    }
    QByteArray Procitaj(const QString& putanja) const {
        QFile f(putanja);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TQtDatoteke naDisku;
    QTemporaryDir folder;
};

TEST_F(KomandeDatotekeNaDiskuTest, RoundTripThroughAFile) {
    const QString putanja = folder.filePath("Podaci za proracun.Lastovar");
    dijalozi.Putanje = {putanja};
    GlavniO->Snimikao->trigger();
    EXPECT_EQ(Procitaj(putanja), kPodrazumevani);
    PodaciO->txtP[1]->setText(QStringLiteral("1"));
    dijalozi.Putanje = {putanja};
    GlavniO->Otvori->trigger();
    EXPECT_EQ(PodaciO->txtP[1]->text(), "208.0");
    EXPECT_TRUE(poruke.Prikazano.empty());
}

TEST_F(KomandeDatotekeNaDiskuTest, AFailedSaveLeavesThePreviousFileAndSaysWhy) {
    const QString putanja = folder.filePath("stari.Lastovar");
    dijalozi.Putanje = {putanja};
    GlavniO->Snimikao->trigger();
    PodaciO->txtP[0]->setText(QStringLiteral("1e300"));
    {
        const OgranicenaVelicina ogranicenje(20);
        GlavniO->Snimi->trigger();
    }
    EXPECT_EQ(Procitaj(putanja), kPodrazumevani);
    ASSERT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_EQ(poruke.Prikazano[0].vrsta, Vrsta::Greska);
    EXPECT_TRUE(poruke.Prikazano[0].tekst.contains(putanja))
        << poruke.Prikazano[0].tekst.toStdString();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"stari.Lastovar"});
}

// What is no data file (a FIFO with no writer, a device, a folder) is
// refused at once with the open failure's message and the reason, as the
// command line gives them; the form stays as it was.
TEST_F(KomandeDatotekeNaDiskuTest, WhatIsNoDataFileIsRefusedAtOnce) {
    const QString cev = folder.filePath("cev.Lastovar");
    ASSERT_EQ(mkfifo(QFile::encodeName(cev).constData(), 0600), 0);
    const QString veza = folder.filePath("nule.Lastovar");
    ASSERT_TRUE(QFile::link("/dev/zero", veza));
    const std::pair<QString, QString> slucajevi[] = {
        {cev, "nije obicna datoteka nego imenovana cev (FIFO)"},
        {veza, "nije obicna datoteka nego uredjaj"},
        {folder.path(), "nije obicna datoteka nego direktorijum"},
        {QStringLiteral("/dev/zero"), "nije obicna datoteka nego uredjaj"},
        {folder.filePath("nema.Lastovar"), "No such file or directory"}};
    for (const auto& [putanja, razlog] : slucajevi) {
        poruke.Prikazano.clear();
        PodaciO->txtP[0]->setText(QStringLiteral("5"));
        dijalozi.Putanje = {putanja};
        GlavniO->Otvori->trigger();
        ASSERT_EQ(poruke.Prikazano.size(), 1u) << putanja.toStdString();
        EXPECT_EQ(poruke.Prikazano[0].vrsta, Vrsta::Greska);
        EXPECT_EQ(poruke.Prikazano[0].tekst,
                  "Greska pri pokusaju otvaranju fajla!\n" + putanja + ": " + razlog);
        EXPECT_EQ(PodaciO->txtP[0]->text(), "5");
        EXPECT_EQ(GlavniO->windowTitle(), "Dijagram extM i extT");
    }
}

TEST_F(KomandeDatotekeNaDiskuTest, SavingOverAFifoIsRefusedAndLeavesIt) {
    const QString cev = folder.filePath("cev.Lastovar");
    ASSERT_EQ(mkfifo(QFile::encodeName(cev).constData(), 0600), 0);
    dijalozi.Putanje = {cev};
    GlavniO->Snimikao->trigger();
    ASSERT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_EQ(poruke.Prikazano[0].tekst, "Datoteka ne moze da se napravi \"" + cev +
                                             "\": nije obicna datoteka nego imenovana cev (FIFO)");
    EXPECT_TRUE(QFileInfo(cev).exists() && !QFileInfo(cev).isFile());
    EXPECT_EQ(GlavniO->windowTitle(), "Dijagram extM i extT");
}

}  // namespace

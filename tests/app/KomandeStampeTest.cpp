// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <limits>
#include <stdexcept>
#include <variant>

#include "AplikacijaFixture.h"
#include "GrafikObrazac.h"
#include "KomandeStampe.h"
#include "ListPdf.h"
#include "NacrtajDijagrame.h"
#include "PlatnoSlike.h"
#include "PlatnoZapis.h"
#include "PodaciObrazac.h"
#include "QtStampanje.h"
#include "VelicinaCrteza.h"

namespace {

using Vrsta = TSkriptovanePoruke::Vrsta;

using R = TNeupotrebljivFaktor;

struct Velicina {
    const char* ime;
    int sirinaPapira;
    int visinaPapira;
    double faktor;
    std::variant<TVelicinaCrteza, TNeupotrebljivFaktor> ishod;
};

class VelicinaCrtezaTest : public ::testing::TestWithParam<Velicina> {};

TEST_P(VelicinaCrtezaTest, DividesThePaperRoundingHalvesToEvenOrSaysWhyNot) {
    const Velicina& v = GetParam();
    const auto ishod = VelicinaCrteza(v.sirinaPapira, v.visinaPapira, v.faktor);
    ASSERT_EQ(ishod.index(), v.ishod.index());
    if (const auto* crtez = std::get_if<TVelicinaCrteza>(&ishod)) {
        EXPECT_EQ(crtez->Sirina, std::get<TVelicinaCrteza>(v.ishod).Sirina);
        EXPECT_EQ(crtez->Visina, std::get<TVelicinaCrteza>(v.ishod).Visina);
    } else {
        EXPECT_EQ(std::get<R>(ishod), std::get<R>(v.ishod));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, VelicinaCrtezaTest, ::testing::Values(
    Velicina{"A4AtTen", 21000, 29700, 10, TVelicinaCrteza{2100, 3712}},
    Velicina{"A4AtFive", 21000, 29700, 5, TVelicinaCrteza{4200, 7425}},
    Velicina{"HalfWidthToEvenAbove", 21015, 29700, 10, TVelicinaCrteza{2102, 3712}},
    Velicina{"HalfWidthToEvenBelow", 21005, 29700, 10, TVelicinaCrteza{2100, 3712}},
    Velicina{"JustWiderThan400", 21000, 29700, 52.4, TVelicinaCrteza{401, 708}},
    Velicina{"Exactly400", 21000, 29700, 52.5, R::Preveliki},
    Velicina{"InfiniteFactor", 21000, 29700, std::numeric_limits<double>::infinity(), R::Preveliki},
    Velicina{"ZeroFactor", 21000, 29700, 0, R::NijePozitivan},
    Velicina{"NegativeFactor", 21000, 29700, -10, R::NijePozitivan},
    Velicina{"NotANumber", 21000, 29700, std::numeric_limits<double>::quiet_NaN(), R::NijePozitivan},
    Velicina{"BeyondThirtyTwoBits", 21000, 29700, 1e-6, R::Premali},
    Velicina{"NoPaper", 0, 29700, 10, R::Preveliki}),
    [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

TEST(StampajStranuTest, ADrawingThatFailsCancelsTheJob) {
    TSkriptovanoStampanje stampanje;
    EXPECT_THROW(
        StampajStranu(stampanje, [](TPlatno&) { throw std::runtime_error("crtez nije uspeo"); }),
        std::runtime_error);
    EXPECT_EQ(stampanje.Otkazano, 1);
    EXPECT_TRUE(stampanje.Odstampano.empty());
    EXPECT_EQ(stampanje.Platno(), nullptr);
}

class KomandeStampeTest : public AplikacijaTest {
protected:
    std::vector<TSkriptovanePoruke::TPrikaz> Unosi() const {
        std::vector<TSkriptovanePoruke::TPrikaz> u;
        for (const auto& p : poruke.Prikazano)
            if (p.vrsta == Vrsta::Unos) u.push_back(p);
        return u;
    }
    std::vector<QString> Informacije() const {
        std::vector<QString> t;
        for (const auto& p : poruke.Prikazano)
            if (p.vrsta == Vrsta::Informacija) t.push_back(p.tekst);
        return t;
    }
    QImage Prozor() const {
        return GrafikO->Povrsina()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // The window's drawing of the defaults, as any drawing after its first.
    QImage OcekivaniProzor() const {
        const QSize v = GrafikO->Povrsina()->size();
        TPlatnoSlike platno(v.width(), v.height(), FontProzoraDijagrama(),
                            GrafikO->Povrsina()->logicalDpiY());
        for (int i = 0; i < 2; ++i)
            NacrtajDijagrame(platno, v.width(), v.height(), kZaProgram,
                             {platno, v.width(), v.height()}, TUlazDijagrama{});
        return platno.Slika().convertToFormat(QImage::Format_RGB32);
    }
    QImage Beli() const {
        QImage b(GrafikO->Povrsina()->size(), QImage::Format_RGB32);
        b.fill(Qt::white);
        return b;
    }
};

TEST_F(KomandeStampeTest, CancellingEverythingKeepsBothFactors) {
    dijalozi.Strane = {std::nullopt};
    dijalozi.Fontovi = {std::nullopt};
    poruke.OdgovoriNaUnos = {std::nullopt, std::nullopt};
    GlavniO->Podesavanjeparametarastampe1->trigger();
    ASSERT_EQ(dijalozi.Prikazano.size(), 2u);
    EXPECT_EQ(dijalozi.Prikazano[0].vrsta, TSkriptovaniDijalozi::Vrsta::PodesiStranu);
    EXPECT_EQ(dijalozi.Prikazano[1].vrsta, TSkriptovaniDijalozi::Vrsta::Font);
    const auto unosi = Unosi();
    ASSERT_EQ(unosi.size(), 2u);
    EXPECT_EQ(unosi[0].naslov, "Faktor za skaliranje grafika");
    EXPECT_EQ(unosi[0].tekst,
              "Unesite faktor za skaliranje grafika: (10/faktor)*(sirina papira): ");
    EXPECT_EQ(unosi[0].pocetni, "10");
    EXPECT_EQ(unosi[1].naslov, "Faktor za pomeranje texta po visini grafika");
    EXPECT_EQ(unosi[1].tekst,
              "Faktor za pomeranje texta po visini grafika (jedna jedinica = "
              "jedna visina fonta): ");
    EXPECT_EQ(unosi[1].pocetni, "8");
    EXPECT_EQ(poruke.Prikazano.size(), 2u);
    EXPECT_EQ(GlavniO->FaktorSkaliranja, 10.0);
    EXPECT_EQ(GlavniO->FaktorPomeranjaTexta, 8.0);
    EXPECT_TRUE(stampanje.Postavljeno.empty());
}

TEST_F(KomandeStampeTest, ConfirmedChoicesAndFactorsAreKeptInTheRegionalFormat) {
    separator = ',';
    QFont font(QStringLiteral("DejaVu Serif"), 20);
    dijalozi.Strane = {TPodesavanjeStrane{QStringLiteral("Stampac 2"), 29700, 42000}};
    dijalozi.Fontovi = {TFontIzbor{font, Qt::darkGreen}};
    poruke.OdgovoriNaUnos = {QStringLiteral("12,5"), QStringLiteral("-3")};
    GlavniO->Podesavanjeparametarastampe1->trigger();
    EXPECT_EQ(GlavniO->PageSetupDialog1.SirinaPapira, 29700);
    EXPECT_EQ(GlavniO->PageSetupDialog1.VisinaPapira, 42000);
    ASSERT_EQ(stampanje.Postavljeno.size(), 1u);
    EXPECT_EQ(stampanje.Trenutni, "Stampac 2");
    EXPECT_EQ(GlavniO->FontDialog1.Font, font);
    EXPECT_EQ(GlavniO->FontDialog1.Boja, QColor(Qt::darkGreen));
    EXPECT_EQ(GlavniO->FaktorSkaliranja, 12.5);
    EXPECT_EQ(GlavniO->FaktorPomeranjaTexta, -3.0);

    poruke.Prikazano.clear();
    dijalozi.Strane = {std::nullopt};
    dijalozi.Fontovi = {std::nullopt};
    poruke.OdgovoriNaUnos = {std::nullopt, std::nullopt};
    GlavniO->Podesavanjeparametarastampe1->trigger();
    EXPECT_EQ(Unosi()[0].pocetni, "12,5");
    EXPECT_EQ(Unosi()[1].pocetni, "-3");
}

TEST_F(KomandeStampeTest, AnAnswerThatIsNoNumberSkipsTheSecondBox) {
    dijalozi.Strane = {TPodesavanjeStrane{QStringLiteral("Stampac 1"), 21590, 27940}};
    dijalozi.Fontovi = {std::nullopt};
    poruke.OdgovoriNaUnos = {QStringLiteral("abc")};
    GlavniO->Podesavanjeparametarastampe1->trigger();
    EXPECT_EQ(Unosi().size(), 1u);
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{"'abc' nije ispravna vrednost broja"});
    EXPECT_EQ(GlavniO->FaktorSkaliranja, 10.0);
    EXPECT_EQ(GlavniO->FaktorPomeranjaTexta, 8.0);
    EXPECT_EQ(GlavniO->PageSetupDialog1.SirinaPapira, 21590);
}

TEST_F(KomandeStampeTest, APageSetUpWithoutPrinterStopsTheCommand) {
    dijalozi.GreskaStrane = "Nije izabran podrazumevani stampac.";
    GlavniO->Podesavanjeparametarastampe1->trigger();
    EXPECT_EQ(dijalozi.Prikazano.size(), 1u);
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{"Nije izabran podrazumevani stampac."});
    EXPECT_TRUE(Unosi().empty());
}

TEST_F(KomandeStampeTest, PrintingIsRefusedWithoutACalculation) {
    GlavniO->Snimigrafik1->trigger();
    EXPECT_EQ(Informacije(), std::vector<QString>{
                                 "Morate prvo sprovesti proracun ako zelite da stampate grafik!"});
    EXPECT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_TRUE(stampanje.Odstampano.empty());
    QApplication::processEvents();
    EXPECT_EQ(Prozor(), Beli());
}

TEST_F(KomandeStampeTest, PrintAnsweredNoPrintsNothingAndRedrawsTheWindow) {
    PodaciO->btnProracunClick();
    poruke.OdgovoriNaPotvrde = {false};
    GlavniO->Snimigrafik1->trigger();
    ASSERT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_EQ(poruke.Prikazano[0].vrsta, Vrsta::Potvrda);
    EXPECT_EQ(poruke.Prikazano[0].tekst,
              "Da li zelite da stampate pomocu printera Stampac 1 grafik?");
    EXPECT_TRUE(stampanje.Odstampano.empty());
    QApplication::processEvents();
    EXPECT_EQ(Prozor(), OcekivaniProzor());
}

bool Crno(const QImage& s, int x, int y) { return (s.pixel(x, y) & 0xFFFFFF) == 0; }

TEST_F(KomandeStampeTest, APrintDrawsTheFrameOfTheA4PictureAndRedrawsTheWindow) {
    PodaciO->btnProracunClick();
    poruke.OdgovoriNaPotvrde = {true};
    GlavniO->Snimigrafik1->trigger();
    EXPECT_EQ(poruke.Prikazano.size(), 1u);
    ASSERT_EQ(stampanje.Odstampano.size(), 1u);
    const QImage& strana = stampanje.Odstampano[0];
    // x0 = 200, x1 = 1900, y0 = 464, y1 = 2475, a pen 8 wide; curves
    // cross the lines here and there
    for (int y : {464, 2475}) {
        int crnih = 0;
        for (int x = 200; x < 1900; ++x) crnih += Crno(strana, x, y);
        EXPECT_GT(crnih, 1600) << y;
        EXPECT_FALSE(Crno(strana, 190, y)) << y;
        EXPECT_FALSE(Crno(strana, 1910, y)) << y;
    }
    QApplication::processEvents();
    EXPECT_EQ(Prozor(), OcekivaniProzor());
}

TEST_F(KomandeStampeTest, AScalingFactorOfFiveDoublesThePicture) {
    PodaciO->btnProracunClick();
    GlavniO->FaktorSkaliranja = 5;
    poruke.OdgovoriNaPotvrde = {true};
    GlavniO->Snimigrafik1->trigger();
    ASSERT_EQ(stampanje.Odstampano.size(), 1u);
    const QImage& strana = stampanje.Odstampano[0];
    // 4200 x 7425: y0 = 928, y1 = 4950 off this page, x1 = 4000
    EXPECT_TRUE(Crno(strana, 2400, 928));
    EXPECT_FALSE(Crno(strana, 2400, 464));
}

struct Odbijanje {
    const char* ime;
    double faktor;
    QString stampac;
    const char* poruka;
    const char* nastavak;
};

class OdbijenaStampa : public KomandeStampeTest, public ::testing::WithParamInterface<Odbijanje> {};

TEST_P(OdbijenaStampa, StartsNoJobAndRedrawsBeforeTheMessage) {
    PodaciO->btnProracunClick();
    GlavniO->FaktorSkaliranja = GetParam().faktor;
    stampanje.Trenutni = GetParam().stampac;
    GlavniO->Snimigrafik1->trigger();
    EXPECT_EQ(PrikazaneGreske(),
              std::vector<QString>{QString::fromLatin1(GetParam().poruka) + GetParam().nastavak});
    EXPECT_TRUE(stampanje.Odstampano.empty());
    EXPECT_EQ(stampanje.Otkazano, 0);
    EXPECT_EQ(stampanje.Platno(), nullptr);
    QApplication::processEvents();
    EXPECT_EQ(Prozor(), OcekivaniProzor());
}

constexpr const char* kUzaOd400 =
    " ne moze da se upotrebi: crtez mora biti siri od 400 tacaka (sirina papira / faktor). "
    "Unesite manji pozitivan faktor u \"Podesavanje parametara stampe...\".";
constexpr const char* kNijePozitivan =
    " ne moze da se upotrebi: faktor mora biti pozitivan broj. "
    "Unesite pozitivan faktor u \"Podesavanje parametara stampe...\".";
constexpr const char* kPrevelikCrtez =
    " ne moze da se upotrebi: crtez bi bio prevelik za stampu (sirina papira / faktor). "
    "Unesite veci faktor u \"Podesavanje parametara stampe...\".";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, OdbijenaStampa, ::testing::Values(
    Odbijanje{"NoPrinter", 10, QString(), "Nije izabran podrazumevani stampac.", ""},
    Odbijanje{"ZeroFactor", 0, QStringLiteral("Stampac 1"), "Faktor za skaliranje grafika 0", kNijePozitivan},
    Odbijanje{"NegativeFactor", -2.5, QStringLiteral("Stampac 1"), "Faktor za skaliranje grafika -2.5", kNijePozitivan},
    Odbijanje{"FactorAbove52", 60, QStringLiteral("Stampac 1"), "Faktor za skaliranje grafika 60", kUzaOd400},
    Odbijanje{"TinyFactor", 1e-6, QStringLiteral("Stampac 1"), "Faktor za skaliranje grafika 1E-6", kPrevelikCrtez}),
    [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

TEST_F(KomandeStampeTest, AJobThatCannotStartShowsTheServicesMessage) {
    PodaciO->btnProracunClick();
    stampanje.GreskaPocetka = "Stampanje na stampacu Stampac 1 ne moze da pocne.";
    poruke.OdgovoriNaPotvrde = {true};
    GlavniO->Snimigrafik1->trigger();
    EXPECT_EQ(PrikazaneGreske(),
              std::vector<QString>{"Stampanje na stampacu Stampac 1 ne moze da pocne."});
    EXPECT_TRUE(stampanje.Odstampano.empty());
}

TEST_F(KomandeStampeTest, APreviewIsRefusedWithoutACalculation) {
    GlavniO->Pregledstampe1->trigger();
    EXPECT_EQ(Informacije(),
              std::vector<QString>{
                  "Morate prvo sprovesti proracun ako zelite da vidite pregled stampe!"});
    EXPECT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_TRUE(pregled.Prikazano.empty());
    QApplication::processEvents();
    EXPECT_EQ(Prozor(), Beli());
}

struct Parametri {
    const char* ime;
    double faktorSkaliranja;
    double faktorPomeranja;
    bool tacnaAnvelopa;
};

class PregledStampe : public KomandeStampeTest, public ::testing::WithParamInterface<Parametri> {};

// The preview shows exactly the page a print would print, with the print
// parameters of the moment, and asks nothing and prints nothing itself.
TEST_P(PregledStampe, ShowsThePageAPrintWouldPrint) {
    PodaciO->btnProracunClick();
    GlavniO->FaktorSkaliranja = GetParam().faktorSkaliranja;
    GlavniO->FaktorPomeranjaTexta = GetParam().faktorPomeranja;
    GlavniO->TacnaAnvelopa->setChecked(GetParam().tacnaAnvelopa);
    QImage prozorUzPregled;
    // What the window's next paint shows, without a paint of its own first.
    pregled.Otvoren = [&] { prozorUzPregled = Prozor(); };
    GlavniO->Pregledstampe1->trigger();
    EXPECT_TRUE(poruke.Prikazano.empty());
    EXPECT_TRUE(stampanje.Odstampano.empty());
    ASSERT_EQ(pregled.Prikazano.size(), 1u);
    // The window beside the preview shows its drawing of the classical
    // envelopes, not the white the page's drawing cleared it to.
    if (!GetParam().tacnaAnvelopa) {
        EXPECT_EQ(prozorUzPregled, OcekivaniProzor());
    }
    EXPECT_FALSE(prozorUzPregled == Beli());

    poruke.OdgovoriNaPotvrde = {true};
    GlavniO->Snimigrafik1->trigger();
    ASSERT_EQ(stampanje.Odstampano.size(), 1u);
    EXPECT_TRUE(pregled.Prikazano[0] == stampanje.Odstampano[0]);
    EXPECT_FALSE(pregled.Prikazano[0] == QImage(pregled.Prikazano[0].size(), QImage::Format_RGB32));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, PregledStampe, ::testing::Values(
    Parametri{"Initial", 10, 8, false},
    Parametri{"LargerWithLabelsCloser", 8, 4, false},
    Parametri{"ExactEnvelopes", 10, 8, true}),
    [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

struct StampaIzPregleda {
    const char* ime;
    QString stampac;
    bool potvrda;
    std::vector<QString> poruke;
    bool odstampano;
};

class PregledStampa : public KomandeStampeTest,
                      public ::testing::WithParamInterface<StampaIzPregleda> {};

// The preview's print button prints as "Stampaj grafik..." does: the same
// question naming the same printer, or the same message without one.
TEST_P(PregledStampa, PrintsAsThePrintCommandDoes) {
    const StampaIzPregleda& p = GetParam();
    PodaciO->btnProracunClick();
    stampanje.Trenutni = p.stampac;
    poruke.OdgovoriNaPotvrde = {p.potvrda};
    pregled.Stampaj = true;
    GlavniO->Pregledstampe1->trigger();
    std::vector<QString> tekstovi;
    for (const auto& prikaz : poruke.Prikazano) {
        tekstovi.push_back(prikaz.tekst);
        // A failure is an error box, as the print command shows it.
        if (prikaz.vrsta != TSkriptovanePoruke::Vrsta::Potvrda) {
            EXPECT_EQ(prikaz.vrsta, TSkriptovanePoruke::Vrsta::Greska);
        }
    }
    EXPECT_EQ(tekstovi, p.poruke);
    EXPECT_EQ(pregled.Odstampano, std::vector<bool>{p.odstampano});
    ASSERT_EQ(stampanje.Odstampano.size(), p.odstampano ? 1u : 0u);
    if (p.odstampano) {
        EXPECT_TRUE(stampanje.Odstampano[0] == pregled.Prikazano[0]);
    }
    QApplication::processEvents();
    EXPECT_EQ(Prozor(), OcekivaniProzor());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, PregledStampa, ::testing::Values(
    StampaIzPregleda{"Printed", QStringLiteral("Stampac 1"), true,
                     {"Da li zelite da stampate pomocu printera Stampac 1 grafik?"}, true},
    StampaIzPregleda{"AnsweredNo", QStringLiteral("Stampac 1"), false,
                     {"Da li zelite da stampate pomocu printera Stampac 1 grafik?"}, false},
    StampaIzPregleda{"NoPrinter", QString(), true, {"Nije izabran podrazumevani stampac."}, false}),
    [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

// The printed page says whose calculation it is and when it was printed,
// in the print font, above the diagrams.
TEST_F(KomandeStampeTest, ThePageIsHeadedByTheDataFileAndTheDate) {
    PodaciO->btnProracunClick();
    for (const auto& [datoteka, ocekivano] :
         {std::pair{QString(), std::string("Datoteka: podaci nisu snimljeni u datoteku")},
          std::pair{QStringLiteral("/tmp/slucajevi/most 2.Lastovar"),
                    std::string("Datoteka: most 2.Lastovar")}}) {
        GlavniO->ImeDatoteke = datoteka;
        TPlatnoZapis platno(FontProzoraDijagrama(), 300);
        CrtezStampe(*GlavniO, GlavniO->Usluge())(platno);
        std::vector<std::string> vrh;
        for (const TOperacija& o : platno.Operacije())
            if (o.vrsta == TOperacija::Vrsta::Tekst && o.y1 < 200) vrh.push_back(o.tekst);
        EXPECT_EQ(vrh, (std::vector<std::string>{ocekivano, "Datum: " + DanasnjiDatum()}));
        EXPECT_EQ(platno.Operacije().back().font, PodaciO->UlazDijagrama().fontStampe);
    }
    GrafikO->FormPaint();
}

TEST_F(KomandeStampeTest, APreviewWithAFactorThatGivesNoDrawingIsRefused) {
    PodaciO->btnProracunClick();
    GlavniO->FaktorSkaliranja = 60;
    GlavniO->Pregledstampe1->trigger();
    EXPECT_EQ(PrikazaneGreske(),
              std::vector<QString>{QStringLiteral("Faktor za skaliranje grafika 60") + kUzaOd400});
    EXPECT_TRUE(pregled.Prikazano.empty());
}

TEST_F(KomandeStampeTest, ADrawingThatFailsInThePreviewIsShownAfterTheWindowIsRedrawn) {
    PodaciO->btnProracunClick();
    PodaciO->CrtanjeDijagrama = [](TPlatno&, std::int32_t, std::int32_t, std::string_view,
                                   const TProzorDijagrama& prozor,
                                   const TUlazDijagrama&) -> TOkvirDijagrama {
        prozor.platno.PopuniPozadinu(0, 0, prozor.sirina, prozor.visina);
        throw std::runtime_error("crtez nije uspeo");
    };
    GlavniO->Pregledstampe1->trigger();
    EXPECT_EQ(PrikazaneGreske(), std::vector<QString>{"crtez nije uspeo"});
    PodaciO->CrtanjeDijagrama = NacrtajDijagrame;
    GrafikO->FormPaint();
    QApplication::processEvents();
    EXPECT_EQ(Prozor(), OcekivaniProzor());
}

// The real printing service with a PDF file as its printer.
class StampaUPdfTest : public AplikacijaTest {
protected:
    void SetUp() override {
        AplikacijaTest::SetUp();
        aplikacija.reset();
        TUsluge u = Usluge();
        u.Stampanje = &pdf;
        aplikacija = std::make_unique<TAplikacija>(u);
        GlavniO->show();
        PostaviKlijenta(QSize(1000, 700));
    }
    TQtStampanje pdf;
    QTemporaryDir folder;
};

TEST_F(StampaUPdfTest, APrintWithTheDefaultsWritesOnePageHoldingTheDrawing) {
    const QString putanja = folder.filePath("grafik.pdf");
    pdf.Postavi({"PDF:" + putanja, 21000, 29700});
    PodaciO->btnProracunClick();
    poruke.OdgovoriNaPotvrde = {true};
    GlavniO->Snimigrafik1->trigger();
    EXPECT_EQ(poruke.Prikazano.size(), 1u);
    EXPECT_EQ(poruke.Prikazano[0].tekst,
              "Da li zelite da stampate pomocu printera PDF:" + putanja + " grafik?");
    QFile f(putanja);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray sadrzaj = f.readAll();
    EXPECT_TRUE(sadrzaj.startsWith("%PDF"));
    EXPECT_EQ(sadrzaj.count("/Type /Page\n") + sadrzaj.count("/Type /Page "), 1);
    EXPECT_GT(sadrzaj.size(), 4000);
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "KatalogModela.h"
#include "ModelOpterecenja.h"

namespace {

std::string Procitaj(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// The figures each built-in model must hold, as its source gives them.
struct TIzvorniModel {
    const char* datoteka;
    const char* izvor;  // where the figures were read
    std::vector<double> sile, razmaci;
    double q;
    TRasporedQ raspored;
    double c, fi;
    bool fiNaQ;
    double gamaQ;
};

const TIzvorniModel kUgradjeni[] = {
    // Oasys GSA "Eurocode Loading" (2 x 300 kN, 9 kN/m2 on a 3 m lane, no
    // exclusion); Dlubal RF-MOVE LM1-TS-1 (1.2 m); EN 1990 gr1a 1.35.
    {"en1991-2-lm1",
     "EN 1991-2, 4.3.2",
     {300, 300},
     {1.2},
     9.0 * 3.0,
     TRasporedQ::BiloGde,
     0,
     1,
     false,
     1.35},
    // EN 1991-2 4.3.3 (1): 400 kN, dynamic amplification included.
    {"en1991-2-lm2", "EN 1991-2, 4.3.3", {400}, {}, 0, TRasporedQ::BiloGde, 0, 1, false, 1.35},
    // AASHTO LRFD Fig. 3.6.1.2.2-1 and 3.6.1.2.4 (9.3 N/mm, no IM), 3.6.2
    // (IM 33 %), Strength I 1.75.
    {"aashto-hl93-kamion",
     "AASHTO LRFD 3.6.1.2.2",
     {35, 145, 145},
     {4.3, 4.3},
     9.3,
     TRasporedQ::BiloGde,
     0,
     1.33,
     false,
     1.75},
    // AASHTO LRFD 3.6.1.2.3: 2 x 110 kN at 1200 mm.
    {"aashto-hl93-tandem",
     "AASHTO LRFD 3.6.1.2.3",
     {110, 110},
     {1.2},
     9.3,
     TRasporedQ::BiloGde,
     0,
     1.33,
     false,
     1.75},
};

class UgradjeniModel : public testing::TestWithParam<TIzvorniModel> {};

TEST_P(UgradjeniModel, ReadsBackTheFiguresOfItsSource) {
    const TIzvorniModel& o = GetParam();
    const TModelOpterecenja m = ProcitajModel(
        Procitaj(std::filesystem::path(LASTOVAR_MODELI) / (std::string(o.datoteka) + ".model")));
    ASSERT_EQ(m.BrojSila, static_cast<std::int32_t>(o.sile.size()));
    for (std::size_t i = 0; i < o.sile.size(); ++i) EXPECT_EQ(m.P[i], o.sile[i]) << i;
    for (std::size_t i = 0; i < o.razmaci.size(); ++i) EXPECT_EQ(m.Ls[i], o.razmaci[i]) << i;
    EXPECT_EQ(m.q, o.q);
    EXPECT_EQ(m.Raspored, o.raspored);
    EXPECT_EQ(m.c, o.c);
    EXPECT_EQ(m.Fi.Vrsta, TDinamickiFaktor::TVrsta::Broj);
    EXPECT_EQ(m.Fi.Vrednost(20.0), o.fi);
    EXPECT_EQ(m.FiNaQ, o.fiNaQ);
    EXPECT_EQ(m.GamaQ, o.gamaQ);
    EXPECT_NE(m.Izvor.find(o.izvor), std::string::npos) << m.Izvor;
    EXPECT_FALSE(m.Napomena.empty());
}

INSTANTIATE_TEST_SUITE_P(Izvori, UgradjeniModel, testing::ValuesIn(kUgradjeni), [](const auto& p) {
    std::string ime = p.param.datoteka;
    std::erase(ime, '-');
    return ime;
});

TEST(UgradjeniModeli, EveryFileIsOneTheTestChecks) {
    const std::vector<TStavkaKataloga> katalog = UcitajFolder(LASTOVAR_MODELI, false);
    ASSERT_EQ(katalog.size(), std::size(kUgradjeni));
    for (const TStavkaKataloga& s : katalog) {
        EXPECT_TRUE(s.Model) << s.Oznaka << ": " << s.Greska;
        EXPECT_TRUE(std::any_of(std::begin(kUgradjeni), std::end(kUgradjeni), [&](const auto& o) {
            return s.Oznaka == o.datoteka;
        })) << s.Oznaka;
    }
}

// A damaged or hostile file is refused whole, with its reason.
struct TLosModel {
    const char* ime;
    std::string bajtovi;
    const char* razlog;
};

const std::string kIspravan = "naziv=M\nsile=100 100\nrazmaci=1.5\n";

class LosModel : public testing::TestWithParam<TLosModel> {};

TEST_P(LosModel, IsRefusedWithItsReason) {
    try {
        ProcitajModel(GetParam().bajtovi);
        FAIL() << "read";
    } catch (const EGreskaModela& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().razlog), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Razlozi, LosModel,
    testing::Values(
        TLosModel{"Prazan", "", "nema naziva"}, TLosModel{"BezSila", "naziv=M\n", "nema sila"},
        TLosModel{"NepoznatKljuc", kIspravan + "g=5\n", "nepoznat kljuc g"},
        TLosModel{"KljucDvaput", kIspravan + "q=1\nq=2\n", "kljuc q se ponavlja"},
        TLosModel{"BezJednako", kIspravan + "q 1\n", "linija 4: nije kljuc=vrednost"},
        TLosModel{"SedamSila", "naziv=M\nsile=1 1 1 1 1 1 1\nrazmaci=1 1 1 1 1 1\n",
                  "od 1 do 6 sila"},
        TLosModel{"NultaSila", "naziv=M\nsile=100 0\nrazmaci=1\n", "pozitivne"},
        TLosModel{"NegativanRazmak", "naziv=M\nsile=100 100\nrazmaci=-1\n", "pozitivni"},
        TLosModel{"RazmakaManje", "naziv=M\nsile=100 100 100\nrazmaci=1\n", "razmaka mora biti 2"},
        TLosModel{"SlovoUmestoBroja", "naziv=M\nsile=100 abc\nrazmaci=1\n", "abc nije broj"},
        TLosModel{"Beskonacno", "naziv=M\nsile=1e999\n", "nije broj"},
        TLosModel{"ZbirBeskonacan", "naziv=M\nsile=1e308 1e308\nrazmaci=1\n", "prevelike sile"},
        TLosModel{"NegativnoQ", kIspravan + "q=-1\n", "negativan"},
        TLosModel{"NultaGama", kIspravan + "gama-q=0\n", "pozitivan"},
        TLosModel{"Raspored", kIspravan + "q-raspored=svuda\n", "bilo-gde ili uz-voz"},
        TLosModel{"FiNepoznatOblik", kIspravan + "fi=eksp 1 2\n", "nije broj"},
        TLosModel{"FiFaliBroj", kIspravan + "fi=koren 1.44 0.2 0.82 1\n", "koren trazi"},
        TLosModel{"FiGranice", kIspravan + "fi=linearno 1.4 -0.008 1.2 1\n", "MIN <= MAX"},
        TLosModel{"KontrolniZnak", "naziv=M\x1b[2J\nsile=1\n", "kontrolni znak"},
        TLosModel{"NulaUNazivu", std::string("naziv=M\0X\nsile=1\n", 18), "kontrolni znak"},
        TLosModel{"PredugNaziv", "naziv=" + std::string(81, 'x') + "\nsile=1\n", "predugacko"},
        TLosModel{"Prevelik", kIspravan + "#" + std::string(kNajviseBajtovaModela, 'x') + "\n",
                  "veca od"}),
    [](const auto& p) { return std::string(p.param.ime); });

TEST(Model, CommentsBlankLinesCarriageReturnsAndACommaAreRead) {
    const TModelOpterecenja m =
        ProcitajModel("# izvor\r\n\r\nnaziv=M\r\nsile=100  100,5\r\nrazmaci=\t1,25\r\nfi-q=da\r\n");
    EXPECT_EQ(m.BrojSila, 2);
    EXPECT_EQ(m.P[1], 100.5);
    EXPECT_EQ(m.Ls[0], 1.25);
    EXPECT_TRUE(m.FiNaQ);
    EXPECT_EQ(m.Fi.Vrednost(10), 1.0);
}

// The formulas the codes use for a dynamic factor, held within their bounds.
TEST(DinamickiFaktor, FormulasOfTheSpanStayWithinTheirBounds) {
    const TDinamickiFaktor linearno =
        ProcitajModel(kIspravan + "fi=linearno 1.4 -0.008 1 1.4\n").Fi;
    EXPECT_DOUBLE_EQ(linearno.Vrednost(25), 1.2);
    EXPECT_EQ(linearno.Vrednost(0.0), 1.4);
    EXPECT_EQ(linearno.Vrednost(100), 1.0);  // 0.6 held at the lower bound

    const TDinamickiFaktor koren = ProcitajModel(kIspravan + "fi=koren 1.44 0.2 0.82 1 1.67\n").Fi;
    EXPECT_DOUBLE_EQ(koren.Vrednost(16), 1.44 / 3.8 + 0.82);
    EXPECT_EQ(koren.Vrednost(1.0), 1.67);     // 2.62 held at the upper bound
    EXPECT_EQ(koren.Vrednost(0.04), 1.67);    // sqrt(L) = B: no value, the upper bound
    EXPECT_EQ(koren.Vrednost(10000.0), 1.0);  // 0.8345 held at the lower bound
}

TEST(Model, WrittenAndReadBackIsTheSame) {
    TModelOpterecenja m = ProcitajModel(kIspravan +
                                        "izvor=x\nnapomena=y\nq=9.3\nq-raspored=uz-voz\n"
                                        "razmak=0.8\nfi=koren 2.16 0.2 0.73 1 2\n"
                                        "fi-q=da\ngama-q=1.45\n");
    EXPECT_EQ(ProcitajModel(ZapisiModel(m)), m);
    m.Fi = ProcitajModel(kIspravan + "fi=linearno 1 0.1 1 2\n").Fi;
    EXPECT_EQ(ProcitajModel(ZapisiModel(m)), m);
}

TEST(KorisnickiModel, KeepsTheTrafficActionsAndRefusesANameAFileCannotHold) {
    TProracunskaDejstva d;
    d.q = 5;
    d.Raspored = TRasporedQ::IspredIIzaVoza;
    d.c = 1;
    d.g = 20;  // the beam's, not the vehicle's
    d.Fi = 1.2;
    d.GamaQ = 1.5;
    const TModelOpterecenja m =
        KorisnickiModel("Moj kamion", 3, {100, 200, 50, 1, 1, 1}, {1.5, 3, 1, 1, 1}, d);
    EXPECT_EQ(m.BrojSila, 3);
    EXPECT_EQ(m.P[3], 0.0);
    EXPECT_EQ(m.Ls[1], 3.0);
    EXPECT_EQ(m.Ls[2], 0.0);
    TProracunskaDejstva osnova;
    osnova.g = 7;
    const TProracunskaDejstva vracena = m.Dejstva(10.0, osnova);
    EXPECT_EQ(vracena.q, 5);
    EXPECT_EQ(vracena.Raspored, TRasporedQ::IspredIIzaVoza);
    EXPECT_EQ(vracena.Fi, 1.2);
    EXPECT_EQ(vracena.GamaQ, 1.5);
    EXPECT_EQ(vracena.g, 7);

    const std::array<double, 6> p{100, 1, 1, 1, 1, 1};
    const std::array<double, 5> l{1, 1, 1, 1, 1};
    EXPECT_THROW(KorisnickiModel(" ", 1, p, l, {}), EGreskaModela);
    EXPECT_THROW(KorisnickiModel("a\nsile=1", 1, p, l, {}), EGreskaModela);
    EXPECT_THROW(KorisnickiModel(std::string(81, 'a'), 1, p, l, {}), EGreskaModela);
    EXPECT_THROW(KorisnickiModel("M", 2, {100, -1, 1, 1, 1, 1}, l, {}), EGreskaModela);
}

}  // namespace

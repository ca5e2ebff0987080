// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "ListProracuna.h"
#include "PlatnoZapis.h"
#include "SadrzajListeProracuna.h"
#include "SlagacListe.h"

namespace {

// The sheet of the form's defaults, or of `sile` forces and `rastojanja`
// on `raspon`, with the design actions `dejstva`.
TSadrzajListe Sadrzaj(std::vector<std::string> sile = {}, std::vector<std::string> rastojanja = {},
                      std::string raspon = "", TProracunskaDejstva dejstva = {},
                      TSmerVoza smer = TSmerVoza::Napred) {
    TSadrzajListe s;
    s.Izradjeno = "10.12.2026.";
    if (!sile.empty()) {
        s.BrojSila = static_cast<std::int32_t>(sile.size());
        std::copy(sile.begin(), sile.end(), s.Tekstovi.P.begin());
        std::copy(rastojanja.begin(), rastojanja.end(), s.Tekstovi.Rastojanje.begin());
        s.Tekstovi.Raspon = raspon;
        s.Tekstovi.ProizvoljnoX = "0";
    }
    s.Dejstva = dejstva;
    s.Smer = smer;
    PopuniSadrzajListe(s, false);
    return s;
}

std::vector<std::string> Tekstovi(const TStranaListe& s) {
    std::vector<std::string> t;
    for (const TTekstListe& x : s.Tekstovi) t.push_back(x.tekst);
    return t;
}

bool Ima(const std::vector<std::string>& t, const std::string& tekst) {
    return std::find(t.begin(), t.end(), tekst) != t.end();
}

// Every text of a page within it, every fixed width line within the text
// area.
void UStrani(const TStranaListe& p) {
    for (const TTekstListe& t : p.Tekstovi) {
        const double sirina = SirinaTeksta(t.tekst, t.pismo, t.velicina);
        const double levo = t.poravnanje == TPoravnanje::Levo    ? t.x
                            : t.poravnanje == TPoravnanje::Desno ? t.x - sirina
                                                                 : t.x - sirina / 2;
        EXPECT_GE(levo, kMarginaListe - 1e-9) << t.tekst;
        EXPECT_LE(levo + sirina, p.Sirina() - kMarginaListe + 1e-9) << t.tekst;
        EXPECT_GE(t.y, 0);
        EXPECT_LE(t.y + t.velicina, p.Visina());
    }
}

TEST(ListProracuna, PageOneHoldsTheTitleBlockTheLoadCaseAndItsSketch) {
    TSadrzajListe s = Sadrzaj();
    s.Datoteka = "/home/inz/most/Prelaz.Lastovar";
    s.Zaglavlje = {"Most preko Save", "Glavni nosac POS 3", "P. Petrovic", "", "B", "10.12.2026."};
    const TListProracuna l = SastaviList(s);
    EXPECT_EQ(l.Naslov, "Proracun extM i extT - Prelaz.Lastovar");
    const TStranaListe& prva = l.Strane[0];
    const std::vector<std::string> t = Tekstovi(prva);
    for (const char* ocekivano : {"Proracun extM i extT",
                                  "Projekat",
                                  "Most preko Save",
                                  "Objekat / element",
                                  "Glavni nosac POS 3",
                                  "Autor",
                                  "P. Petrovic",
                                  "Kontrolisao",
                                  "Revizija",
                                  "B",
                                  "Datum",
                                  "10.12.2026.",
                                  "Datoteka: /home/inz/most/Prelaz.Lastovar",
                                  "Izradjeno: 10.12.2026.",
                                  "P1 = 206.0 [kN]",
                                  "L1 = 5.0 [m]",
                                  "Raspon grede: L = 9.0 [m]",
                                  "Broj preseka: n = 10",
                                  "3. Merodavne vrednosti",
                                  "Mmax [kNm]",
                                  "487.682",
                                  "4. Metoda i pretpostavke"})
        EXPECT_TRUE(Ima(t, ocekivano)) << ocekivano;
    // An empty field is space to write in, not a text.
    EXPECT_FALSE(Ima(t, ""));
    // The forces beyond the train are not inputs of this one.
    EXPECT_FALSE(Ima(t, "P3 = 1.0 [kN]"));
    ASSERT_FALSE(prva.Slike.empty());
    EXPECT_EQ(prva.Slike[0].vrsta, TVrstaSlike::Skica);
    EXPECT_EQ(prva.Slike[0].tacakaPoIncu, 300);
    EXPECT_NEAR(prva.Slike[0].sirina, prva.Slike[0].okvir.sirina * 300 / 72, 0.5);
    for (const TStranaListe& p : l.Strane) UStrani(p);
}

// Every page: the title block's short form and "strana N od M" in its
// head; without a project or an element, the calculation's name.
TEST(ListProracuna, EveryPageHeadNamesTheProjectTheElementAndThePage) {
    for (const bool zaglavlje : {true, false}) {
        TSadrzajListe s = Sadrzaj();
        if (zaglavlje) s.Zaglavlje = {"Most", "Nosac", "", "", "", ""};
        const TListProracuna l = SastaviList(s);
        ASSERT_GE(l.Strane.size(), 4u);
        const std::string od = " od " + std::to_string(l.Strane.size());
        for (std::size_t i = 0; i < l.Strane.size(); ++i) {
            std::vector<std::string> glava;
            for (const TTekstListe& t : l.Strane[i].Tekstovi)
                if (t.y < kVrhTeksta) glava.push_back(t.tekst);
            EXPECT_EQ(glava,
                      (std::vector<std::string>{zaglavlje ? "Most - Nosac" : "Proracun extM i extT",
                                                "strana " + std::to_string(i + 1) + od}));
        }
    }
}

// The report is the appendix, line for line in the fixed width typeface,
// no smaller than 7 points, within the text area, a page starting with a
// line, not with space.
TEST(ListProracuna, TheReportIsTheAppendixLineForLine) {
    const TSadrzajListe s = Sadrzaj({"1.5", "200.25", "0.000123", "123456.789", "3", "4"},
                                    {"0.5", "1.25", "2", "0.001", "10"}, "123456.789");
    const TListProracuna l = SastaviList(s);
    std::vector<std::string> prilog;
    bool uPrilogu = false;
    for (const TStranaListe& p : l.Strane) {
        UStrani(p);
        bool prvaNaStrani = true;
        for (const TTekstListe& t : p.Tekstovi) {
            if (t.pismo == TPismoListe::Podebljano && t.tekst.starts_with("Prilog A."))
                uPrilogu = true;
            if (!uPrilogu || t.pismo != TPismoListe::Nepromenljivo) continue;
            EXPECT_GE(t.velicina, 7);
            EXPECT_LE(t.velicina, 8.5);
            if (prvaNaStrani && p.Tekstovi.front().pismo == TPismoListe::Nepromenljivo) {
                EXPECT_DOUBLE_EQ(t.y, kVrhTeksta);
            }
            prvaNaStrani = false;
            // A continuation is indented and goes on the line before.
            if (t.tekst.starts_with("    ") && !prilog.empty())
                prilog.back() += " " + t.tekst.substr(4);
            else
                prilog.push_back(t.tekst);
        }
    }
    std::vector<std::string> izvestaj;
    for (const std::string& linija : s.Izvestaj)
        if (!linija.empty()) izvestaj.push_back(linija);
    ASSERT_EQ(prilog.size(), izvestaj.size());
    for (std::size_t i = 0; i < izvestaj.size(); ++i) {
        // A break takes the run of blanks it stands at.
        const std::string linija = std::regex_replace(izvestaj[i], std::regex(" +"), " ");
        EXPECT_EQ(std::regex_replace(prilog[i], std::regex(" +"), " "), linija);
    }
}

// A table of 13 columns of long numbers and 150 rows: on landscape pages,
// its caption and headings on each, no text below 8 points, and the flow
// back on portrait pages after it.
TEST(ListProracuna, AWideTableGoesLandscapeWithItsHeadingsOnEveryPage) {
    TSadrzajListe s = Sadrzaj();
    TTabelaTekstova t;
    t.Naslov = "Siroka tabela";
    t.Kolone = {"x [m]"};
    t.Desno = {true};
    for (const char* g : {"extM [kNm]", "maxT [kN]", "minT [kN]"}) {
        t.Grupe.push_back({g, t.Kolone.size(), 4});
        for (const char* k : {"klasicno", "tacno", "manjak [%]", "P1 na [m]"}) {
            t.Kolone.emplace_back(k);
            t.Desno.push_back(true);
        }
    }
    for (int i = 0; i < 150; ++i) t.Redovi.emplace_back(13, "-12345.678");
    s.Tabele = {t};
    const TListProracuna l = SastaviList(s);
    std::vector<std::size_t> strane;
    for (std::size_t i = 0; i < l.Strane.size(); ++i)
        for (const TTekstListe& x : l.Strane[i].Tekstovi)
            if (x.tekst.starts_with("Tabela ") &&
                x.tekst.find("Siroka tabela") != std::string::npos)
                strane.push_back(i);
    ASSERT_GE(strane.size(), 3u);
    for (std::size_t k = 0; k < strane.size(); ++k) {
        const TStranaListe& p = l.Strane[strane[k]];
        EXPECT_TRUE(p.Polozena);
        UStrani(p);
        const std::vector<std::string> x = Tekstovi(p);
        EXPECT_EQ(Ima(x, "Tabela 2. Siroka tabela (nastavak)"), k > 0);
        for (const char* naslov : {"x [m]", "extM [kNm]", "minT [kN]", "P1 na [m]"})
            EXPECT_TRUE(Ima(x, naslov)) << naslov << " " << k;
        for (const TTekstListe& y : p.Tekstovi) EXPECT_GE(y.velicina, 8) << y.tekst;
    }
    EXPECT_FALSE(l.Strane[strane.back() + 1].Polozena);
}

// Too wide even for a landscape page, a table is set a group of columns at
// a time, each with its key column again.
TEST(ListProracuna, ATableTooWideForLandscapeIsSetAGroupAtATime) {
    TSadrzajListe s = Sadrzaj();
    TTabelaTekstova t;
    t.Naslov = "Ogromni brojevi";
    t.Kolone = {"x [m]"};
    t.Desno = {true};
    for (const char* g : {"extM [kNm]", "maxT [kN]", "minT [kN]"}) {
        t.Grupe.push_back({g, t.Kolone.size(), 4});
        for (int k = 0; k < 4; ++k) {
            t.Kolone.emplace_back("vrednost");
            t.Desno.push_back(true);
        }
    }
    t.Redovi.emplace_back(13, "-123456789012345.678");
    s.Tabele = {t};
    std::vector<std::string> delovi;
    for (const TStranaListe& p : SastaviList(s).Strane) {
        UStrani(p);
        for (const TTekstListe& x : p.Tekstovi)
            if (x.tekst.starts_with("Tabela 2. Ogromni brojevi")) delovi.push_back(x.tekst);
    }
    EXPECT_EQ(delovi, (std::vector<std::string>{"Tabela 2. Ogromni brojevi: extM [kNm]",
                                                "Tabela 2. Ogromni brojevi: maxT [kN]",
                                                "Tabela 2. Ogromni brojevi: minT [kN]"}));
}

// The texts a figure's trace writes, and none outside the picture.
std::vector<std::string> NatpisiSlike(const TSlikaListe& slika) {
    TPlatnoZapis platno(FontProzoraDijagrama(), slika.tacakaPoIncu);
    NacrtajSlikuListe(platno, slika);
    std::vector<std::string> natpisi;
    std::istringstream zapis(platno.Zapis());
    static const std::regex tekst("tekst (-?[0-9]+) (-?[0-9]+) #[0-9A-F]{6} \"(.*)\"");
    for (std::string l; std::getline(zapis, l);) {
        std::smatch m;
        if (!std::regex_match(l, m, tekst)) continue;
        EXPECT_GE(std::stoi(m[1]), 0) << l;
        EXPECT_LT(std::stoi(m[1]), slika.sirina) << l;
        EXPECT_GE(std::stoi(m[2]), 0) << l;
        EXPECT_LT(std::stoi(m[2]), slika.visina) << l;
        natpisi.push_back(m[3]);
    }
    return natpisi;
}

std::vector<TSlikaListe> Slike(const TListProracuna& l) {
    std::vector<TSlikaListe> slike;
    for (const TStranaListe& p : l.Strane)
        slike.insert(slike.end(), p.Slike.begin(), p.Slike.end());
    return slike;
}

// Three axles of 10 m: the figures label the exact extremes with sign,
// unit and section beside the classical ones, with scales and legends;
// the positions are drawn for Mmax, Amax and Bmax.
TEST(ListProracuna, TheFiguresLabelTheExtremesWithSignUnitAndSection) {
    const TSadrzajListe s = Sadrzaj({"120", "200", "90"}, {"1.6", "2.4"}, "10");
    const std::vector<TSlikaListe> slike = Slike(SastaviList(s));
    ASSERT_EQ(slike.size(), 4u);
    const std::vector<std::string> m = NatpisiSlike(slike[1]);
    for (const char* n : {"max M = +821.035 kNm, x = 4.971 m (tacno)",
                          "Mgov = +821.035 kNm, x = 4.971 m (klasicno)", "x [m]", "0", "10",
                          "M [kNm], pozitivan nadole", "klasicni proracun (metoda zona)",
                          "tacna anvelopa (voz)", "manjak klasicnog proracuna"})
        EXPECT_TRUE(Ima(m, n)) << n;
    const std::vector<std::string> t = NatpisiSlike(slike[2]);
    for (const char* n :
         {"max T = +342.000 kN, x = 0 m (tacno)", "maxT(0) = +342.000 kN, x = 0 m (klasicno)",
          "min T = -314.000 kN, x = 10.000 m (tacno)",
          "minT(L) = -314.000 kN, x = 10.000 m (klasicno)"})
        EXPECT_TRUE(Ima(t, n)) << n;
    const std::vector<std::string> p = NatpisiSlike(slike[3]);
    EXPECT_TRUE(Ima(p,
                    "Mmax = 821.035 kNm u preseku x = 4.971 m: P1 na 3.371 m, P2 na preseku, "
                    "voz P1..P3"));
    EXPECT_EQ(std::count_if(p.begin(), p.end(),
                            [](const std::string& x) { return x.starts_with("P2="); }),
              3);
}

// A train longer than the span with the design actions: no classical
// values anywhere, the design ones beside the exact.
TEST(ListProracuna, ATrainLongerThanTheSpanHasNoClassicalValues) {
    TProracunskaDejstva d;
    d.q = 10;
    d.GamaQ = 1.5;
    const TSadrzajListe s = Sadrzaj({"100", "100"}, {"12"}, "10", d);
    EXPECT_FALSE(s.Klasicne.has_value());
    ASSERT_TRUE(s.SaDejstvima.has_value());
    const TListProracuna l = SastaviList(s);
    const std::vector<TSlikaListe> slike = Slike(l);
    const std::vector<std::string> m = NatpisiSlike(slike[1]);
    EXPECT_FALSE(Ima(m, "klasicni proracun (metoda zona)"));
    EXPECT_TRUE(Ima(m, "proracunska anvelopa Ed"));
    bool napomena = false;
    for (const TStranaListe& p : l.Strane)
        for (const TTekstListe& t : p.Tekstovi)
            napomena |= t.tekst.find("voz je duzi od raspona") != std::string::npos;
    EXPECT_TRUE(napomena);
}

}  // namespace

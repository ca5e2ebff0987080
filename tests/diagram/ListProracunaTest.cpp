// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ListProracuna.h"
#include "NacrtajDijagrame.h"
#include "PlatnoZapis.h"

namespace {

// A report of `n` lines of the widths a report has, an empty one among them.
std::vector<std::string> Izvestaj(std::size_t n) {
    std::vector<std::string> l = {"REZULTATI PRORACUNA", ""};
    for (std::size_t i = 2; i < n; ++i)
        l.push_back(i % 10 == 0 ? std::string()
                                : "maxT(" + std::to_string(i) + ".123456789012) = " +
                                      std::to_string(i * 7) + ".44444444444 [kN]");
    return l;
}

TSadrzajListe Podrazumevani() {
    TSadrzajListe s;
    s.Datum = "10.12.2026.";
    s.Izvestaj = Izvestaj(200);
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

// The lines of the fixed width typeface from page `od` on, in order.
std::vector<const TTekstListe*> Linije(const TListProracuna& l, std::size_t od) {
    std::vector<const TTekstListe*> linije;
    for (std::size_t i = od; i < l.Strane.size(); ++i)
        for (const TTekstListe& t : l.Strane[i].Tekstovi)
            if (t.pismo == TPismoListe::Nepromenljivo) linije.push_back(&t);
    return linije;
}

TEST(ListProracuna, PageOneHoldsTitleFileDateInputsSketchAndDiagrams) {
    TSadrzajListe s = Podrazumevani();
    s.Datoteka = "/home/inz/most/Prelaz.Lastovar";
    const TListProracuna l = SastaviList(s);
    EXPECT_EQ(l.Naslov, "Proracun extM i extT - Prelaz.Lastovar");
    ASSERT_GE(l.Strane.size(), 2u);
    const TStranaListe& prva = l.Strane[0];
    const std::vector<std::string> t = Tekstovi(prva);
    EXPECT_EQ(t[0], "Proracun extM i extT");
    EXPECT_EQ(prva.Tekstovi[0].pismo, TPismoListe::Naslov);
    for (const char* ocekivano :
         {"Datoteka: /home/inz/most/Prelaz.Lastovar", "Datum: 10.12.2026.", "Ulazni podaci",
          "Broj sila: 2", "P1 = 206.0 [kN]", "P2 = 208.0 [kN]", "L1 = 5.0 [m]",
          "Raspon grede: L = 9.0 [m]", "Proizvoljno rastojanje: x = 1.25 [m]",
          "Broj preseka: n = 10", "Dijagrami extM i extT"})
        EXPECT_TRUE(Ima(t, ocekivano)) << ocekivano;
    // The forces and spacings beyond the train are not inputs of this one.
    EXPECT_FALSE(Ima(t, "P3 = 1.0 [kN]"));
    EXPECT_FALSE(Ima(t, "L2 = 1.0 [m]"));

    ASSERT_TRUE(prva.Skica.has_value());
    EXPECT_EQ(prva.Skica->brojSila, 2);
    ASSERT_TRUE(prva.Dijagram.has_value());
    const TDijagramListe& d = *prva.Dijagram;
    // Across the text's width, down to the foot, at the printer's resolution.
    EXPECT_DOUBLE_EQ(d.okvir.x, 45);
    EXPECT_DOUBLE_EQ(d.okvir.sirina, 505);
    EXPECT_DOUBLE_EQ(d.okvir.y + d.okvir.visina, 792);
    EXPECT_GE(d.okvir.visina, 300);
    EXPECT_EQ(d.tacakaPoIncu, 300);
    EXPECT_EQ(d.sirina, 2104);
    EXPECT_NEAR(d.visina, d.okvir.visina * 300 / 72, 0.5);
    // Below the inputs and the sketch.
    EXPECT_GT(d.okvir.y, prva.Skica->okvir.y + prva.Skica->okvir.visina);
    for (const TTekstListe& x : prva.Tekstovi) {
        if (x.tekst != "strana 1 od " + std::to_string(l.Strane.size())) {
            EXPECT_LT(x.y, d.okvir.y) << x.tekst;
        }
    }
}

TEST(ListProracuna, DataInNoFileSayItAndTheTitleIsPlain) {
    const TListProracuna l = SastaviList(Podrazumevani());
    EXPECT_EQ(l.Naslov, "Proracun extM i extT");
    EXPECT_TRUE(Ima(Tekstovi(l.Strane[0]), "Datoteka: podaci nisu snimljeni u datoteku"));
}

TEST(ListProracuna, SixForcesListEverySpacing) {
    TSadrzajListe s = Podrazumevani();
    s.Dijagram.brojSila = 6;
    const std::vector<std::string> t = Tekstovi(SastaviList(s).Strane[0]);
    EXPECT_TRUE(Ima(t, "P6 = 1.0 [kN]"));
    EXPECT_TRUE(Ima(t, "L5 = 1.0 [m]"));
    EXPECT_FALSE(Ima(t, "L6 = 1.0 [m]"));
}

// The report follows from page 2, line for line, in one size, each line
// below the one before on its page and within the page's text area.
TEST(ListProracuna, TheReportFollowsLineForLineAndFits) {
    const TSadrzajListe s = Podrazumevani();
    const TListProracuna l = SastaviList(s);
    ASSERT_GE(l.Strane.size(), 4u);  // 200 lines of 9 points: three pages
    const std::vector<const TTekstListe*> linije = Linije(l, 1);
    std::vector<std::string> neprazne;
    std::copy_if(s.Izvestaj.begin(), s.Izvestaj.end(), std::back_inserter(neprazne),
                 [](const std::string& x) { return !x.empty(); });
    ASSERT_EQ(linije.size(), neprazne.size());
    for (std::size_t i = 0; i < linije.size(); ++i) {
        const TTekstListe& t = *linije[i];
        EXPECT_EQ(t.tekst, neprazne[i]);
        EXPECT_DOUBLE_EQ(t.velicina, 9);
        EXPECT_GE(t.x, 45);
        EXPECT_LE(t.x + t.tekst.size() * kSirinaZnaka * t.velicina, 550 + 1e-9) << t.tekst;
        EXPECT_GE(t.y, 45);
        EXPECT_LE(t.y + t.velicina * 1.2, 792 + 1e-9) << t.tekst;
    }
    for (const TStranaListe& strana : l.Strane) {
        for (std::size_t i = 1; i < strana.Tekstovi.size(); ++i) {
            if (strana.Tekstovi[i].poravnanje == TPoravnanje::Levo) {
                EXPECT_GT(strana.Tekstovi[i].y, strana.Tekstovi[i - 1].y);
            }
        }
    }
}

// 69 lines of 9 points fill a page; the empty line after them would open
// the next one with space.
TEST(ListProracuna, APageStartsWithItsFirstLineNotWithSpace) {
    TSadrzajListe s = Podrazumevani();
    s.Izvestaj.assign(69, "M1(0.9) = 231.34 [kNm]");
    s.Izvestaj.insert(s.Izvestaj.end(), {"", "minT(9) = -299.555555555556 [kN]"});
    const TListProracuna l = SastaviList(s);
    ASSERT_EQ(l.Strane.size(), 3u);
    EXPECT_EQ(l.Strane[1].Tekstovi.size(), 69u + 1);
    EXPECT_EQ(l.Strane[2].Tekstovi.front().tekst, "minT(9) = -299.555555555556 [kN]");
    EXPECT_DOUBLE_EQ(l.Strane[2].Tekstovi.front().y, 45);
}

TEST(ListProracuna, EveryPageIsNumberedOfAll) {
    const TListProracuna l = SastaviList(Podrazumevani());
    for (std::size_t i = 0; i < l.Strane.size(); ++i) {
        const TTekstListe& p = l.Strane[i].Tekstovi.back();
        EXPECT_EQ(p.tekst,
                  "strana " + std::to_string(i + 1) + " od " + std::to_string(l.Strane.size()));
        EXPECT_EQ(p.poravnanje, TPoravnanje::Desno);
        EXPECT_DOUBLE_EQ(p.x, 550);
        EXPECT_GT(p.y, 792);
        EXPECT_LT(p.y + p.velicina, 842);
    }
}

struct DugaLinija {
    const char* ime;
    std::size_t znakova;
    double velicina;     // the block's size
    std::size_t delova;  // the pieces the longest line is set in
};

class DugeLinije : public testing::TestWithParam<DugaLinija> {};

// A longer line sets the whole block smaller, down to 5 points; beyond
// that it goes on over more lines, and nothing of it is lost.
TEST_P(DugeLinije, AreSetSmallerThenGoOnNeverCut) {
    TSadrzajListe s = Podrazumevani();
    const std::string duga(GetParam().znakova, 'x');
    s.Izvestaj.insert(s.Izvestaj.begin() + 5, duga);
    const TListProracuna l = SastaviList(s);
    const std::vector<const TTekstListe*> linije = Linije(l, 1);
    std::string sastavljeno;
    std::size_t delova = 0;
    for (const TTekstListe* t : linije) {
        EXPECT_DOUBLE_EQ(t->velicina, GetParam().velicina);
        EXPECT_LE(t->tekst.size() * kSirinaZnaka * t->velicina, 505 + 1e-9);
        if (t->tekst.find_first_not_of('x') == std::string::npos) {
            sastavljeno += t->tekst;
            ++delova;
        }
    }
    EXPECT_EQ(sastavljeno, duga);
    EXPECT_EQ(delova, GetParam().delova);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Slucajevi, DugeLinije, testing::Values(
    // 505 / (0.6 * 9) = 93.5 characters fit at 9 points
    DugaLinija{"FitsAtNine", 93, 9, 1},
    DugaLinija{"SmallerToFit", 120, 505 / (120 * 0.6), 1},
    DugaLinija{"AtTheSmallest", 168, 505 / (168 * 0.6), 1},
    DugaLinija{"GoesOn", 169, 5, 2},
    DugaLinija{"Long", 1000, 5, 6}
), [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

TEST(ListProracuna, ALongFileNameGoesOnWithoutSplittingACharacter) {
    TSadrzajListe s = Podrazumevani();
    std::string ime;
    for (int i = 0; i < 200; ++i) ime += "\xc5\xa1";  // "s" with a caron, two bytes
    s.Datoteka = "/" + ime;
    const TListProracuna l = SastaviList(s);
    std::string datoteka;
    int delova = 0;
    for (const TTekstListe& t : l.Strane[0].Tekstovi)
        if (t.pismo == TPismoListe::Nepromenljivo && t.tekst.find("Datum") == std::string::npos &&
            t.y < l.Strane[0].Skica->okvir.y) {
            datoteka += t.tekst;
            ++delova;
            EXPECT_NE(static_cast<unsigned char>(t.tekst.front()) & 0xC0, 0x80) << t.tekst;
        }
    EXPECT_EQ(datoteka, "Datoteka: /" + ime);
    EXPECT_EQ(delova, 2);
    EXPECT_EQ(l.Naslov, "Proracun extM i extT - " + ime);
}

// Inputs that fill page 1 leave no room for the diagrams there: they go to
// a page of their own rather than shrink.
TEST(ListProracuna, InputsThatFillThePageSendTheDiagramsOn) {
    TSadrzajListe s = Podrazumevani();
    s.Dijagram.tekstovi.P[0] = std::string(12000, '1');
    const TListProracuna l = SastaviList(s);
    ASSERT_GE(l.Strane.size(), 3u);
    EXPECT_FALSE(l.Strane[0].Dijagram.has_value());
    ASSERT_TRUE(l.Strane[1].Dijagram.has_value());
    EXPECT_GE(l.Strane[1].Dijagram->okvir.visina, 300);
    std::string p1;
    for (std::size_t i = 0; i < 2; ++i)
        for (const TTekstListe& t : l.Strane[i].Tekstovi)
            if (t.tekst.starts_with("P1 = ") || t.tekst.starts_with("1")) p1 += t.tekst;
    EXPECT_EQ(p1, "P1 = " + s.Dijagram.tekstovi.P[0] + " [kN]");
}

TEST(ListProracuna, TheComparisonAndTheAbsoluteMaximumFollowTheReport) {
    TSadrzajListe s = Podrazumevani();
    s.Dijagram.tacnaAnvelopa = true;
    s.TacnaAnvelopa = {"TACNA ANVELOPA",
                       "",
                       "x = 0 [m]",
                       "extM: klasicno = 0 [kNm], tacno = 0 [kNm], manjak = 0 [%], P1 na 0 [m], "
                       "P1 na preseku; istovremeno T = 0 / 0 [kN]",
                       "",
                       "Apsolutni maksimum: M = 470 [kNm]"};
    const TListProracuna l = SastaviList(s);
    EXPECT_TRUE(l.Strane[0].Dijagram->ulaz.tacnaAnvelopa);
    // The comparison starts a page of its own after the report's.
    std::size_t strana = 0;
    for (std::size_t i = 1; i < l.Strane.size(); ++i)
        if (Tekstovi(l.Strane[i]).front() == "TACNA ANVELOPA") strana = i;
    ASSERT_GT(strana, 1u);
    const std::vector<std::string> t = Tekstovi(l.Strane[strana]);
    // What the section carries goes on under its quantity.
    EXPECT_EQ(t[2],
              "extM: klasicno = 0 [kNm], tacno = 0 [kNm], manjak = 0 [%], P1 na 0 [m], "
              "P1 na preseku;");
    EXPECT_EQ(t[3], "    istovremeno T = 0 / 0 [kN]");
    EXPECT_EQ(t[4], "Apsolutni maksimum: M = 470 [kNm]");
    EXPECT_EQ(strana + 1, l.Strane.size());
}

TEST(ListProracuna, WithoutTheExactEnvelopeThereIsNoComparison) {
    const TListProracuna l = SastaviList(Podrazumevani());
    EXPECT_FALSE(l.Strane[0].Dijagram->ulaz.tacnaAnvelopa);
    for (const TStranaListe& s : l.Strane) EXPECT_FALSE(Ima(Tekstovi(s), "TACNA ANVELOPA"));
}

// The sheet's diagrams are the printed page's drawing, in the print style,
// at the picture's size.
TEST(ListProracuna, TheDiagramsAreThePrintStyleDrawing) {
    TSadrzajListe s = Podrazumevani();
    s.Dijagram.faktorPomeranjaTexta = 5;
    s.Dijagram.tacnaAnvelopa = true;
    const TDijagramListe d = *SastaviList(s).Strane[0].Dijagram;
    TPlatnoZapis list(FontProzoraDijagrama(), d.tacakaPoIncu);
    const TOkvirDijagrama okvir = NacrtajDijagramListe(list, d);
    EXPECT_TRUE(okvir.stampa);
    EXPECT_EQ(okvir.sadrzaj, TSadrzajCrteza::Dijagrami);
    EXPECT_EQ(okvir.x1, d.sirina - 200);
    EXPECT_DOUBLE_EQ(okvir.toff, 5 * 12);

    TPlatnoZapis stampa(FontProzoraDijagrama(), 300);
    NacrtajDijagrame(stampa, d.sirina, d.visina, kZaStampac, {stampa, d.sirina, d.visina},
                     s.Dijagram);
    EXPECT_EQ(list.Zapis(), stampa.Zapis());
    EXPECT_NE(list.Zapis().find("tacna anvelopa"), std::string::npos);
}

}  // namespace

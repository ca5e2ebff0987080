// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "NacrtajDijagrame.h"
#include "PlatnoZapis.h"
#include "PojasManjka.h"
#include "ProvereUnosa.h"
#include "RazmeraDijagrama.h"
#include "TacnaAnvelopaDijagram.h"
#include "Voz.h"
#include "Zaokruzivanje.h"

namespace {

using Vrsta = TOperacija::Vrsta;

bool OdTacne(const TOperacija& o) {
    return (o.vrsta == Vrsta::Linija && o.olovka.Boja == kBojaTacneAnvelope) ||
           (o.vrsta == Vrsta::Tekst && o.boja == kBojaTacneAnvelope) ||
           (o.vrsta == Vrsta::Poligon && o.boja == kBojaManjka);
}

struct Stil {
    const char* ime;
    std::string_view cilj;
    int sirina;
    int visina;
    int debljina;
};

void PrintTo(const Stil& s, std::ostream* os) { *os << s.ime; }

// The diagram window with its canvas, which carries pen and font from one
// drawing to the next, and the printer's canvas.
class TacnaAnvelopaUDijagramu : public testing::TestWithParam<Stil> {
protected:
    TPlatnoZapis prozor{FontProzoraDijagrama()};

    // Draws on the given window, or in the print style on a fresh printer.
    std::vector<TOperacija> Crtaj(TPlatnoZapis& okno, const TUlazDijagrama& ulaz) {
        const Stil& s = GetParam();
        TPlatnoZapis stampac(FontProzoraDijagrama(), 600);
        TPlatnoZapis& platno = s.cilj == kZaProgram ? okno : stampac;
        const std::size_t pre = platno.Operacije().size();
        NacrtajDijagrame(platno, s.sirina, s.visina, s.cilj, {okno, 800, 600}, ulaz);
        return {platno.Operacije().begin() + static_cast<std::ptrdiff_t>(pre),
                platno.Operacije().end()};
    }

    std::vector<TOperacija> Crtaj(const TUlazDijagrama& ulaz) { return Crtaj(prozor, ulaz); }

    static std::string Zapis(const std::vector<TOperacija>& ops) {
        TPlatnoZapis p(FontProzoraDijagrama());
        for (const TOperacija& o : ops) {
            if (o.vrsta == Vrsta::Linija) {
                p.Olovka() = o.olovka;
                p.PomeriNa(o.x1, o.y1);
                p.LinijaDo(o.x2, o.y2);
            } else if (o.vrsta == Vrsta::Tekst) {
                p.Font().Boja = o.boja;
                p.Tekst(o.x1, o.y1, o.tekst);
            }
        }
        return p.Zapis();
    }
};

// A window's first drawing differs from the later ones, so each way gets a
// window of its own and draws twice.
TEST_P(TacnaAnvelopaUDijagramu, OffDrawsExactlyAsBefore) {
    TUlazDijagrama bez;
    TUlazDijagrama iskljuceno;
    iskljuceno.tacnaAnvelopa = false;
    TPlatnoZapis drugiProzor{FontProzoraDijagrama()};
    for (int crtanje = 0; crtanje < 2; ++crtanje) {
        const std::vector<TOperacija> ops = Crtaj(bez);
        EXPECT_EQ(Zapis(Crtaj(drugiProzor, iskljuceno)), Zapis(ops)) << crtanje;
        EXPECT_TRUE(std::none_of(ops.begin(), ops.end(), OdTacne)) << crtanje;
    }
}

// The overlay adds its own lines and legend and nothing else, and leaves the
// canvas so that the next drawing is as it would have been.
TEST_P(TacnaAnvelopaUDijagramu, OnlyAddsItsOwnCurvesAndLegend) {
    TUlazDijagrama bez;
    const std::vector<TOperacija> prvoBez = Crtaj(bez);
    const std::vector<TOperacija> drugoBez = Crtaj(bez);

    TUlazDijagrama sa;
    sa.tacnaAnvelopa = true;
    const std::vector<TOperacija> ops = Crtaj(sa);
    const std::vector<TOperacija> posle = Crtaj(bez);

    std::vector<TOperacija> ostalo;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(ostalo),
                 [](const TOperacija& o) { return !OdTacne(o); });
    EXPECT_EQ(Zapis(ostalo), Zapis(drugoBez));
    EXPECT_EQ(Zapis(posle), Zapis(drugoBez));
    EXPECT_EQ(prvoBez.size(), drugoBez.size());

    // The band comes first, under everything; with the defaults it fills the
    // classical moment's dip at lambda_1.
    const auto pojas = std::find_if(ops.begin(), ops.end(),
                                    [](const TOperacija& o) { return o.vrsta != Vrsta::Popuna; });
    const auto prvaLinija = std::find_if(
        pojas, ops.end(), [](const TOperacija& o) { return o.vrsta != Vrsta::Poligon; });
    ASSERT_NE(prvaLinija, pojas);
    EXPECT_TRUE(std::all_of(pojas, prvaLinija, OdTacne));
    EXPECT_TRUE(std::none_of(prvaLinija, ops.end(),
                             [](const TOperacija& o) { return o.vrsta == Vrsta::Poligon; }));

    std::vector<TOperacija> tacne;
    std::copy_if(prvaLinija, ops.end(), std::back_inserter(tacne), OdTacne);
    ASSERT_FALSE(tacne.empty());
    EXPECT_EQ(tacne.back().vrsta, Vrsta::Tekst);
    EXPECT_EQ(tacne.back().tekst, "tacna anvelopa");
    // Three curves of one-column segments with gaps between the dashes,
    // and the legend's three horizontal dashes.
    std::size_t segmenata = 0;
    std::size_t crticaLegende = 0;
    for (const TOperacija& o : tacne) {
        if (o.vrsta != Vrsta::Linija) continue;
        EXPECT_EQ(o.olovka.Sirina, GetParam().debljina);
        if (o.x2 - o.x1 == 1) {
            ++segmenata;
        } else {
            EXPECT_EQ(o.y1, o.y2);
            ++crticaLegende;
        }
    }
    EXPECT_EQ(crticaLegende, 3u);
    const std::size_t kolona = static_cast<std::size_t>(GetParam().cilj == kZaProgram ? 650 : 1700);
    EXPECT_GT(segmenata, 3 * kolona / 2);
    EXPECT_LT(segmenata, 3 * kolona);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Styles, TacnaAnvelopaUDijagramu, testing::Values(
    Stil{"Screen", kZaProgram, 800, 600, 1},
    Stil{"PrintA4", kZaStampac, 2100, 3712, 2}
), [](const auto& info) { return std::string(info.param.ime); });
// clang-format on

// With the defaults the classical extM at midspan is 416.5 kNm; the exact
// curve passes through P2 alone on the section, 468 kNm, on the same scale.
TEST(TacnaAnvelopaDijagram, DefaultsReach468AtMidspan) {
    TPlatnoZapis platno(FontProzoraDijagrama());
    TUlazDijagrama ulaz;
    ulaz.tacnaAnvelopa = true;
    NacrtajDijagrame(platno, 800, 600, kZaProgram, {platno, 800, 600}, ulaz);

    const TVoz voz(ZapisIzTekstova(ulaz.tekstovi, '.'), 2);
    const long double kM = RazmeraDijagrama(600, voz.Jednacina(voz.ZonaMaksimuma()).MaxM);
    const int y0 = 75;
    const int sredina = 50 + 325;
    const auto na = [&](TBoja boja) {
        std::vector<int> y;
        for (const TOperacija& o : platno.Operacije())
            if (o.vrsta == Vrsta::Linija && o.olovka.Boja == boja && o.x2 == sredina &&
                o.x1 == sredina - 1)
                y.push_back(o.y2);
        return y;
    };
    const std::vector<int> tacne = na(kBojaTacneAnvelope);
    ASSERT_FALSE(tacne.empty());
    EXPECT_EQ(tacne.front(), ZaokruziParno(468.0L * kM + y0));
    EXPECT_EQ(na(kPlava).front(), ZaokruziParno(416.5L * kM + y0));
}

// The band runs along the classical curve and back along the exact one,
// over the columns where the classical value is short, and nowhere else.
TEST(PojasManjka, LiesBetweenTheClassicalAndTheExactCurveWhereTheClassicalIsShort) {
    const TVoz voz(2, {206, 208}, {5}, 9);
    TOkvirDijagrama okvir(false, 800, 600, 9);
    okvir.kM = RazmeraDijagrama(600, voz.Jednacina(voz.ZonaMaksimuma()).MaxM);
    okvir.kT = RazmeraDijagrama(600, voz.R());
    okvir.sadrzaj = TSadrzajCrteza::Dijagrami;
    const TAnvelopaPoKolonama a = AnvelopaPoKolonama(okvir, voz, TSmerVoza::Napred);
    TPlatnoZapis platno(FontProzoraDijagrama());
    NacrtajPojasManjka(platno, okvir, a);

    std::vector<bool> pokriveno(a[TVelicina::ExtM].Tacno.size());
    std::size_t poligona = 0;
    for (const TOperacija& o : platno.Operacije()) {
        ASSERT_EQ(o.vrsta, Vrsta::Poligon);
        EXPECT_EQ(o.boja, kBojaManjka);
        ASSERT_EQ(o.temena.size() % 2, 0u);
        const std::size_t pola = o.temena.size() / 2;
        // Which quantity: the one whose classical curve the first half follows.
        const auto prati = [&](TVelicina v) {
            for (std::size_t j = 0; j < pola; ++j) {
                const auto i = static_cast<std::size_t>(o.temena[j].x - okvir.x0);
                const auto k =
                    static_cast<std::size_t>(o.temena[o.temena.size() - 1 - j].x - okvir.x0);
                if (i != k || o.temena[j].y != Red(okvir, v, a[v].Klasicno[i]) ||
                    o.temena[o.temena.size() - 1 - j].y != Red(okvir, v, a[v].Tacno[i]))
                    return false;
            }
            return true;
        };
        const auto v = std::find_if(kVelicine.begin(), kVelicine.end(), prati);
        ASSERT_NE(v, kVelicine.end()) << "a polygon off both curves";
        for (std::size_t j = 0; j < pola; ++j) {
            const auto i = static_cast<std::size_t>(o.temena[j].x - okvir.x0);
            EXPECT_TRUE(KlasicnoManje(*v, a[*v].Klasicno[i], a[*v].Tacno[i], a[*v].Skala));
            if (j > 0) {
                EXPECT_EQ(o.temena[j].x, o.temena[j - 1].x + 1) << "one run, column by column";
            }
            if (*v == TVelicina::ExtM) pokriveno[i] = true;
        }
        ++poligona;
    }
    EXPECT_GE(poligona, 1u);
    // Every short column of extM is covered; the dip lies around midspan.
    const TKolonaVelicine& m = a[TVelicina::ExtM];
    for (std::size_t i = 0; i < m.Tacno.size(); ++i)
        EXPECT_EQ(pokriveno[i], KlasicnoManje(TVelicina::ExtM, m.Klasicno[i], m.Tacno[i], m.Skala))
            << i;
    EXPECT_TRUE(pokriveno[325]);
    EXPECT_FALSE(pokriveno[100]);
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NacrtajDijagrame.h"
#include "PlatnoZapis.h"
#include "ZlatnaDatoteka.h"

namespace {

// One drawing whose whole trace is kept in data/<ime>.zapis: both styles and
// every force count, so that any change of a coordinate, a pen or a label
// anywhere in the picture shows.
struct ZlatniZapis {
    const char* ime;
    std::vector<std::string> sile;
    std::vector<std::string> razmaci;
    const char* raspon;
    std::string_view cilj;
    int sirina;
    int visina;
    bool tacno = false;
};

void PrintTo(const ZlatniZapis& z, std::ostream* os) { *os << z.ime; }

// The picture as `lastovar-cli dijagram --zapis` draws it: on a canvas that a
// drawing has already left with its caption font, standing for the window's
// client area of the picture's size.
std::string Zapis(const ZlatniZapis& z) {
    TUlazDijagrama ulaz;
    for (std::size_t i = 0; i < z.sile.size(); ++i) ulaz.tekstovi.P[i] = z.sile[i];
    for (std::size_t i = 0; i < z.razmaci.size(); ++i) ulaz.tekstovi.Rastojanje[i] = z.razmaci[i];
    ulaz.tekstovi.Raspon = z.raspon;
    ulaz.brojSila = static_cast<std::int32_t>(z.sile.size());
    ulaz.tacnaAnvelopa = z.tacno;
    TFont font = FontProzoraDijagrama();
    font.Podebljan = true;
    font.PostaviVelicinu(12);
    TPlatnoZapis platno(font);
    NacrtajDijagrame(platno, z.sirina, z.visina, z.cilj, {platno, z.sirina, z.visina}, ulaz);
    return platno.Zapis();
}

class ZapisDijagrama : public testing::TestWithParam<ZlatniZapis> {};

TEST_P(ZapisDijagrama, MatchesItsGoldenTrace) {
    UporediSaReferencom(Zapis(GetParam()),
                        std::string(LASTOVAR_PODACI_TESTOVA) + "/" + GetParam().ime + ".zapis");
}

// The screen draws the form's defaults with the default texts of the further
// fields, so six forces fill the span exactly; the print (an A4 page at the
// scaling factor 20) draws trains of mixed forces and spacings.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    StiloviIBrojeviSila, ZapisDijagrama,
    testing::Values(
        ZlatniZapis{"ekran_sila1", {"206.0"}, {}, "9.0", kZaProgram, 800, 600},
        ZlatniZapis{"ekran_sila2", {"206.0", "208.0"}, {"5.0"}, "9.0", kZaProgram, 800, 600},
        ZlatniZapis{"ekran_sila3", {"206.0", "208.0", "1.0"}, {"5.0", "1.0"}, "9.0", kZaProgram, 800, 600},
        ZlatniZapis{"ekran_sila4", {"206.0", "208.0", "1.0", "1.0"}, {"5.0", "1.0", "1.0"}, "9.0", kZaProgram, 800, 600},
        ZlatniZapis{"ekran_sila5", {"206.0", "208.0", "1.0", "1.0", "1.0"}, {"5.0", "1.0", "1.0", "1.0"}, "9.0", kZaProgram, 800, 600},
        ZlatniZapis{"ekran_sila6", {"206.0", "208.0", "1.0", "1.0", "1.0", "1.0"}, {"5.0", "1.0", "1.0", "1.0", "1.0"}, "9.0", kZaProgram, 800, 600},
        ZlatniZapis{"stampa_sila1", {"150"}, {}, "7.5", kZaStampac, 1050, 1856},
        ZlatniZapis{"stampa_sila2", {"90", "180"}, {"2.5"}, "11", kZaStampac, 1050, 1856},
        ZlatniZapis{"stampa_sila3", {"120", "200", "90"}, {"1.6", "2.4"}, "12", kZaStampac, 1050, 1856},
        ZlatniZapis{"stampa_sila4", {"60", "60", "145", "145"}, {"3.5", "1.2", "4.3"}, "15", kZaStampac, 1050, 1856},
        ZlatniZapis{"stampa_sila5", {"80", "120", "120", "120", "60"}, {"1.5", "1.5", "1.5", "2"}, "14", kZaStampac, 1050, 1856},
        ZlatniZapis{"stampa_sila6", {"40", "90", "90", "130", "130", "60"}, {"2.1", "1.4", "3.3", "1.4", "2.75"}, "18.5", kZaStampac, 1050, 1856},
        ZlatniZapis{"ekran_sila6_tacno", {"206.0", "208.0", "1.0", "1.0", "1.0", "1.0"}, {"5.0", "1.0", "1.0", "1.0", "1.0"}, "9.0", kZaProgram, 800, 600, true},
        ZlatniZapis{"stampa_sila4_tacno", {"60", "60", "145", "145"}, {"3.5", "1.2", "4.3"}, "15", kZaStampac, 1050, 1856, true}),
    [](const testing::TestParamInfo<ZlatniZapis>& i) { return std::string(i.param.ime); });
// clang-format on

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "CeoPut.h"
#include "DatotekaLastovar.h"

namespace {

namespace fs = std::filesystem;

std::string Procitaj(const fs::path& putanja) {
    std::ifstream ulaz(putanja, std::ios::binary);
    return {std::istreambuf_iterator<char>(ulaz), std::istreambuf_iterator<char>()};
}

// Every committed seed of the whole way's target, and the data file
// reader's seeds drawn to the default picture.
TEST(NistaNekonacno, InTheFuzzCorpus) {
    int prihvacenih = 0;
    for (const char* korpus : {"put", "datoteka"}) {
        for (const fs::directory_entry& e :
             fs::directory_iterator(fs::path(LASTOVAR_KORPUS) / korpus)) {
            const std::string bajtovi = Procitaj(e.path());
            std::string_view datoteka = bajtovi;
            const TSlikaPuta slika =
                korpus == std::string_view("put") ? ZaglavljePuta(datoteka) : TSlikaPuta{};
            const TIshodPuta ishod = ProdjiPut(datoteka, slika);
            prihvacenih += ishod.prihvacen;
            EXPECT_THAT(Prekrsaji(ishod), testing::IsEmpty()) << e.path();
        }
    }
    EXPECT_GE(prihvacenih, 10);
}

// A number text "d.ddde<eksponent>" with a first digit from `najmanja` to
// `najveca`, so that its size is known without converting it.
class Tekstovi {
public:
    explicit Tekstovi(std::uint64_t seme) : gen(seme) {}

    std::string Broj(int eksponent, int najmanja = 1, int najveca = 9) {
        std::string t = std::to_string(Ceo(najmanja, najveca)) + '.';
        for (int i = 0; i < 3; ++i) t += static_cast<char>('0' + Ceo(0, 9));
        return t + 'e' + std::to_string(eksponent);
    }
    // Mostly near the ends of the double range, where overflow and underflow
    // hide, yet with every text derived from it above the least normal
    // double, below which the value check refuses a magnitude.
    int Eksponent() {
        switch (Ceo(0, 2)) {
            case 0:
                return Ceo(-298, -290);
            case 1:
                return Ceo(280, 307);
            default:
                return Ceo(-20, 20);
        }
    }
    int Ceo(int od, int doKraja) { return std::uniform_int_distribution<int>(od, doKraja)(gen); }

private:
    std::mt19937_64 gen;
};

// A valid load case as far as the texts go: positive forces of one order of
// magnitude, spacings of a train no longer than the span (each below a fifth
// of it) and a section on it. Some still fail the value check, as those whose
// resultant times or over the span leaves the double range, or whose
// resultant times the span falls below its normal numbers, should.
SadrzajDatoteke SlucajanSlucaj(Tekstovi& g, char separator) {
    SadrzajDatoteke s{PodrazumevaniTekstovi('.'), g.Ceo(1, 6), g.Ceo(1, 99)};
    TekstoviUnosa& t = s.Tekstovi;
    const int eSila = g.Eksponent();
    for (std::string& p : t.P) p = g.Broj(eSila - g.Ceo(0, 8));
    const int eRaspona = g.Eksponent();
    t.Raspon = g.Broj(eRaspona);
    for (std::string& l : t.Rastojanje) l = g.Broj(eRaspona - 1 - g.Ceo(0, 3), 1, 1);
    switch (g.Ceo(0, 2)) {
        case 0:
            t.ProizvoljnoX = std::string("0");  // a literal trips GCC 12's -Wrestrict at -O2
            break;
        case 1:
            t.ProizvoljnoX = t.Raspon;
            break;
        default:
            t.ProizvoljnoX = g.Broj(eRaspona - g.Ceo(1, 5));
    }
    t.BrojPreseka = std::to_string(s.BrojPreseka);
    if (separator != '.')
        for (std::string* tekst : {&t.P[0], &t.P[1], &t.P[2], &t.P[3], &t.P[4], &t.P[5],
                                   &t.Rastojanje[0], &t.Rastojanje[1], &t.Rastojanje[2],
                                   &t.Rastojanje[3], &t.Rastojanje[4], &t.Raspon, &t.ProizvoljnoX})
            std::replace(tekst->begin(), tekst->end(), '.', separator);
    return s;
}

TEST(NistaNekonacno, InSeededRandomLoadCasesAtTheEndsOfTheDoubleRange) {
    Tekstovi g(20240611);
    constexpr int kSlucajeva = 200;
    int prihvacenih = 0;
    for (int i = 0; i < kSlucajeva; ++i) {
        TSlikaPuta slika{g.Ceo(0, 1) ? ',' : '.', g.Ceo(0, 1023), g.Ceo(0, 4000)};
        const std::string datoteka = ZapisiDatoteku(SlucajanSlucaj(g, slika.separator));
        const TIshodPuta ishod = ProdjiPut(datoteka, slika);
        prihvacenih += ishod.prihvacen;
        EXPECT_THAT(Prekrsaji(ishod), testing::IsEmpty())
            << "case " << i << ", " << slika.sirina << " x " << slika.visina << ":\n"
            << datoteka;
    }
    EXPECT_GE(prihvacenih, kSlucajeva / 2);
}

}  // namespace

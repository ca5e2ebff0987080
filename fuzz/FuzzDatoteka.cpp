// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "DatotekaLastovar.h"
#include "Konverzija.h"

namespace {

std::array<const std::string*, 13> Tekstovi(const SadrzajDatoteke& s) {
    const TekstoviUnosa& t = s.Tekstovi;
    return {&t.P[0],          &t.P[1],          &t.P[2],          &t.P[3],
            &t.P[4],          &t.P[5],          &t.Rastojanje[0], &t.Rastojanje[1],
            &t.Rastojanje[2], &t.Rastojanje[3], &t.Rastojanje[4], &t.Raspon,
            &t.ProizvoljnoX};
}

bool Isti(const SadrzajDatoteke& a, const SadrzajDatoteke& b) {
    const auto x = Tekstovi(a);
    const auto y = Tekstovi(b);
    for (std::size_t i = 0; i < x.size(); ++i)
        if (*x[i] != *y[i]) return false;
    return a.Tekstovi.BrojPreseka == b.Tekstovi.BrojPreseka && a.BrojSila == b.BrojSila &&
           a.BrojPreseka == b.BrojPreseka;
}

bool JeBroj(const std::string& tekst, char sep) {
    try {
        TekstUBroj(tekst, sep);
        return true;
    } catch (const EGreskaKonverzije&) {
        return false;
    }
}

// The load case read with the separator `sep`, with counts in range, that
// writes and reads back unchanged; nothing for the conversion error.
std::optional<SadrzajDatoteke> Procitaj(std::string_view bajtovi, char sep) {
    SadrzajDatoteke s;
    try {
        s = ProcitajDatoteku(bajtovi, sep);
    } catch (const EGreskaDatoteke&) {
        return std::nullopt;
    }
    if (s.BrojSila < 1 || s.BrojSila > 6 || s.BrojPreseka < 1 || s.BrojPreseka > 99)
        __builtin_trap();
    if (s.Tekstovi.BrojPreseka != std::to_string(s.BrojPreseka)) __builtin_trap();
    const std::string zapis = ZapisiDatoteku(s);
    if (zapis.size() > bajtovi.size() + 15 * 2 + 4) __builtin_trap();
    const SadrzajDatoteke nazad = ProcitajDatoteku(zapis, sep);
    if (!Isti(s, nazad) || ZapisiDatoteku(nazad) != zapis) __builtin_trap();
    return s;
}

}  // namespace

// Any bytes either raise the data file's conversion error with both decimal
// separators, or read with each as a sound load case. A text the two
// readers take apart converts with each one's separator to the same number
// (one that is no number escapes as an exception); a text both take alike
// is a number with both separators or with neither.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bajtovi(reinterpret_cast<const char*>(data), size);
    const std::optional<SadrzajDatoteke> tackom = Procitaj(bajtovi, '.');
    const std::optional<SadrzajDatoteke> zarezom = Procitaj(bajtovi, ',');
    if (tackom.has_value() != zarezom.has_value()) __builtin_trap();
    if (!tackom) return 0;
    const auto a = Tekstovi(*tackom);
    const auto b = Tekstovi(*zarezom);
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (*a[i] == *b[i] ? JeBroj(*a[i], '.') != JeBroj(*a[i], ',')
                           : TekstUBroj(*a[i], '.') != TekstUBroj(*b[i], ','))
            __builtin_trap();
    }
    return 0;
}

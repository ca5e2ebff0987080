// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "DatotekaLastovar.h"

namespace {

bool Isti(const SadrzajDatoteke& a, const SadrzajDatoteke& b) {
    const TekstoviUnosa& x = a.Tekstovi;
    const TekstoviUnosa& y = b.Tekstovi;
    return x.P == y.P && x.ProizvoljnoX == y.ProizvoljnoX && x.Rastojanje == y.Rastojanje &&
           x.Raspon == y.Raspon && x.BrojPreseka == y.BrojPreseka && a.BrojSila == b.BrojSila &&
           a.BrojPreseka == b.BrojPreseka;
}

}  // namespace

// Any bytes either read as a load case with counts in range that writes and
// reads back unchanged, or raise the data file's conversion error.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bajtovi(reinterpret_cast<const char*>(data), size);
    SadrzajDatoteke s;
    try {
        s = ProcitajDatoteku(bajtovi);
    } catch (const EGreskaDatoteke&) {
        return 0;
    }
    if (s.BrojSila < 1 || s.BrojSila > 6 || s.BrojPreseka < 1 || s.BrojPreseka > 99)
        __builtin_trap();
    if (s.Tekstovi.BrojPreseka != std::to_string(s.BrojPreseka)) __builtin_trap();
    const std::string zapis = ZapisiDatoteku(s);
    if (zapis.size() > bajtovi.size() + 15 * 2 + 4) __builtin_trap();
    const SadrzajDatoteke nazad = ProcitajDatoteku(zapis);
    if (!Isti(s, nazad) || ZapisiDatoteku(nazad) != zapis) __builtin_trap();
    return 0;
}

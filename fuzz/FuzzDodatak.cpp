// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "DodatakDatoteke.h"

// Any bytes either give a block that writes and reads back unchanged after
// the fifteen lines, or raise the block's error; its design actions either
// raise it too or write and read back exactly.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bajtovi(reinterpret_cast<const char*>(data), size);
    TDodatak d;
    try {
        d = ProcitajDodatak(bajtovi);
    } catch (const EGreskaDodatka&) {
        return 0;
    }
    if (d.Kljucevi.size() > kNajviseKljuceva) __builtin_trap();
    const std::string osnova = ZapisiDatoteku({PodrazumevaniTekstovi('.'), 2, 10});
    if (!(ProcitajDodatak(osnova + ZapisiDodatak(d)) == d)) __builtin_trap();
    TProracunskaDejstva a;
    try {
        a = DejstvaIzDodatka(d);
    } catch (const EGreskaDodatka&) {
        return 0;
    }
    TDodatak upisan = d;
    UpisiDejstva(upisan, a);
    if (!(DejstvaIzDodatka(ProcitajDodatak(osnova + ZapisiDodatak(upisan))) == a)) __builtin_trap();
    return 0;
}

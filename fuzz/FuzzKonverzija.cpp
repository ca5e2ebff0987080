// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FormatBroja.h"
#include "Konverzija.h"

// Any text either converts to a finite double that formats and reads back
// unchanged, or raises the conversion error; nothing else may happen.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char separator = (data[0] & 1) ? ',' : '.';
    const std::string_view tekst(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        const double v = TekstUBroj(tekst, separator);
        if (!std::isfinite(v)) __builtin_trap();
        const std::string ispis = FormatBroja(v, separator);
        const double nazad = TekstUBroj(ispis, separator);
        // 15 significant digits: the text read back lies within half a unit of the 15th digit.
        if (std::fabs(nazad - v) > std::fabs(v) * 1e-14) __builtin_trap();
        FormatFiksno(v, 3, separator);
    } catch (const EGreskaKonverzije&) {
    }
    try {
        TekstUCeoBroj(tekst);
    } catch (const EGreskaKonverzije&) {
    }
    return 0;
}

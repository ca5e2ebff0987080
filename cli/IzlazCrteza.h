// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a drawing command sends its picture: as a trace on standard output
// (--zapis) or rendered into a picture file (--izlaz), of a size given by
// --sirina and --visina. `dijagram` and `polozaj` share the options, their
// checks and the output.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Font.h"
#include "OpcijeKomande.h"
#include "Platno.h"

struct TIzlazCrteza {
    bool zapis = false;
    std::optional<std::string> izlaz;
    std::int32_t sirina;
    std::int32_t visina;
};

/// The options --zapis, --izlaz, --sirina and --visina of the command
/// `komanda`, which set `o`.
std::vector<OpcijaKomande> OpcijeIzlaza(std::string_view komanda, TIzlazCrteza& o);

/// After the options are read: exactly one of --zapis and --izlaz, a known
/// picture format, a size in range (0..100000 for a trace, 1..10000 for a
/// picture). The exit code of a wrong call, whose message it has written.
std::optional<int> ProveriIzlaz(std::string_view komanda, const TIzlazCrteza& o);

/// Draws with `crtaj` on a canvas starting with `font`: the trace on
/// standard output, naming the texts' fonts where `saFontovima`, or the
/// picture saved all or nothing. The exit code.
int IspisiCrtez(std::string_view komanda, const TIzlazCrteza& o, const TFont& font,
                const std::function<void(TPlatno&)>& crtaj, bool saFontovima = false);

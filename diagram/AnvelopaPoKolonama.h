// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "OkvirDijagrama.h"
#include "Prosireno.h"
#include "TacnaAnvelopa.h"
#include "Voz.h"

/// The three quantities of the envelopes.
enum class TVelicina { ExtM, MaxT, MinT };

inline constexpr std::array<TVelicina, 3> kVelicine{TVelicina::ExtM, TVelicina::MaxT,
                                                    TVelicina::MinT};

/// "extM", "maxT" or "minT".
std::string_view ImeVelicine(TVelicina v);

/// One quantity at every device column of a frame, the column's sample
/// X = i s: the classical value (the calculator's, as the diagram draws it)
/// and the exact one, both signed as the report prints them.
struct TKolonaVelicine {
    std::vector<double> Klasicno;
    std::vector<double> Tacno;
    /// The quantity's scale, R L for moments and R for shears, by which
    /// rounding is told from a difference.
    Prosireno Skala = 0;
};

/// The envelopes at a frame's columns, computed once for all that is drawn
/// or compared from them.
struct TAnvelopaPoKolonama {
    std::array<TKolonaVelicine, 3> Velicine;

    const TKolonaVelicine& operator[](TVelicina v) const {
        return Velicine[static_cast<std::size_t>(v)];
    }
};

/// The classical envelope of P1..Pn and the exact one of the train crossing
/// as `smer` says, at the columns x0..x1 of a frame that holds diagrams;
/// empty for any other frame.
TAnvelopaPoKolonama AnvelopaPoKolonama(const TOkvirDijagrama& okvir, const TVoz& voz,
                                       TSmerVoza smer);

/// The device row of a value of the quantity on the frame's scales: moments
/// hang below the upper reference line, maxT stands above the lower one and
/// minT hangs below it. Held within 2^20 units of the picture.
std::int32_t Red(const TOkvirDijagrama& okvir, TVelicina v, double vrednost);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sketch of a train standing on its beam, drawn to scale: the beam with
// its two supports, one arrow a force, the section and P1's position
// dimensioned. "Polozaj voza" draws it in every row and in the crossing.

#include <cstdint>
#include <span>
#include <string>

#include "Boja.h"
#include "CrtezPolozaja.h"
#include "KriticniPolozaji.h"
#include "OpterecenjeQ.h"
#include "Prosireno.h"
#include "VozUPolozaju.h"

/// A force beyond a support that the value beside it does not count: drawn,
/// but grey.
inline constexpr TBoja kBojaVanRaspona{160, 160, 160};
/// A force beyond a support that the classical value beside it counts all
/// the same.
inline constexpr TBoja kBojaKlasicnoVan{215, 110, 0};

/// Metres to device columns, the same for every part of a picture that is
/// drawn to one scale.
struct TRazmeraSkice {
    double levo = 0;          ///< the device column of the abscissa `od`
    double od = 0;            ///< [m]
    Prosireno pxPoMetru = 1;  ///< device units per metre; a tiny span needs the range

    /// The column of the abscissa, held within 2^20 of the picture's
    /// columns so that what is added to it stays in range.
    std::int32_t X(Prosireno ksi) const;
};

/// The scale that fits the abscissae od..doKraja [m] between the device
/// columns levo and desno.
TRazmeraSkice RazmeraSkice(Prosireno od, Prosireno doKraja, int levo, int desno);

/// The scale that fits every position the train takes while it crosses the
/// span: from its length beyond the left support to its length beyond the
/// right one.
TRazmeraSkice RazmeraPrelaza(const TVoz& voz, int levo, int desno);

/// The scale that fits the span and every force of the positions given.
TRazmeraSkice RazmeraPolozaja(std::span<const TVozUPolozaju> polozaji, int levo, int desno);

/// Where and how large the sketch is drawn.
struct TMestoSkice {
    TRazmeraSkice razmera;
    /// The top of the row of force labels.
    std::int32_t vrh = 0;
    /// The longest arrow; the others are as much shorter as their forces
    /// are smaller, down to half of it.
    std::int32_t visina = 0;
    /// The labels stay within these columns, and within the sketch's height.
    std::int32_t levo = 0;
    std::int32_t desno = 0;
    /// Labels with the force's value and unit ("P1=206 kN"), or its name alone.
    bool saVrednostima = true;
};

/// The height the sketch takes from the top of its labels to the bottom of
/// its dimension, for arrows of `visina` and texts of the drawing's height.
std::int32_t VisinaSkice(const TCrtezPolozaja& d, std::int32_t visina);

/// Whether the labels with values fit side by side within the columns.
bool VrednostiStaju(TCrtezPolozaja& d, const TMestoSkice& mesto, const TVozUPolozaju& polozaj);

/// The beam of span L with its pin on the left and its roller on the right,
/// each force of `polozaj` an arrow down onto the beam with its label above
/// it (moved aside along one row where labels would overlap, with a leader
/// to its arrow), the section x as a dashed red line, and P1's abscissa
/// dimensioned from the left support below the beam. A force beyond a
/// support is kBojaVanRaspona, or kBojaKlasicnoVan where `klasicno` counts
/// it. With `q`, the stretches the distributed load takes are a hatched band
/// over the beam under the arrows. Leaves the pen and font changed.
void NacrtajSkicuVoza(TCrtezPolozaja& d, const TMestoSkice& mesto, const TVozUPolozaju& polozaj,
                      double x, const TKlasicniPolozaj* klasicno, const TDeoniceQ* q = nullptr);

/// A dashed line from (x1, y1) to (x2, y2), dashes and gaps of `crtica`.
void IsprekidanaLinija(TPlatno& platno, int x1, int y1, int x2, int y2, int crtica);

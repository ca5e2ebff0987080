// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sketch of a train standing on its beam, drawn to scale: the beam with
// its two supports, one arrow a force, the section and P1's position
// dimensioned. "Polozaj voza" draws it in every row.

#include <cstdint>
#include <span>
#include <string>

#include "Boja.h"
#include "Platno.h"
#include "Prosireno.h"
#include "VozUPolozaju.h"

/// A force beyond a support carries nothing: it is drawn, but grey.
inline constexpr TBoja kBojaVanRaspona{160, 160, 160};
/// A force beyond a support that the classical method counts all the same.
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
    std::int32_t yGrede = 0;  ///< the beam's axis
    std::int32_t visina = 0;  ///< the longest arrow; the supports are a fifth of it
    std::int32_t slova = 10;  ///< the labels' height in pixels
};

/// The beam of span L with its pin on the left and its roller on the right,
/// each force of `polozaj` an arrow down onto the beam with its name and
/// value above it (those beyond a support in kBojaVanRaspona, or in
/// kBojaKlasicnoVan when `klasicno` says the method counts them), the
/// section x as a dashed red line, and P1's abscissa dimensioned from the
/// left support below the beam. Leaves the pen and font changed.
void NacrtajSkicuVoza(TPlatno& platno, const TMestoSkice& mesto, const TVozUPolozaju& polozaj,
                      double x, bool klasicno, char decimalniSeparator);

/// A dashed line from (x1, y1) to (x2, y2), dashes and gaps of `crtica`.
void IsprekidanaLinija(TPlatno& platno, int x1, int y1, int x2, int y2, int crtica);

/// A number with three decimals, as the diagrams label values.
std::string Broj3(Prosireno v, char decimalniSeparator);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Prosireno.h"

// The sheet's figures of the envelopes, drawn for the sheet and apart from
// the diagrams of the windows and the printed page: a chart with a scale in
// metres along the span and one of values, grid lines at the ticks, the
// classical curve beside the exact one (and the design one with the
// actions), the band where the classical falls short, each extreme marked
// and labelled with its sign, unit and "x = ... m", and a legend.

#include <cstdint>

#include "Platno.h"
#include "SadrzajListe.h"

/// A step of a scale over `raspon` with about `podela` steps: 1, 2, 2.5 or
/// 5 times a power of ten.
Prosireno KorakSkale(Prosireno raspon, int podela);

/// Clears the sirina x visina picture and draws the chart of M (`momenti`),
/// positive downward on the side of the stretched fibre, or of maxT above
/// and minT below the axis, for the load case of `sadrzaj`.
void NacrtajGrafikAnvelope(TPlatno& platno, std::int32_t sirina, std::int32_t visina,
                           const TSadrzajListe& sadrzaj, bool momenti);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The influence lines of M(x) and T(x) under the rows of "Polozaj voza",
// each with the ordinates under the forces of a critical position.

#include "CrtezPolozaja.h"
#include "SkicaVoza.h"
#include "VozUPolozaju.h"

/// The influence line of M(x) across the span at the scale of the sketches
/// above, in the box `okvir` (its labels within it too): the axis, the line
/// drawn downward as the moment diagram is, "+" on its area, and under each
/// force of `polozaj` on the span its ordinate with its value; neighbouring
/// ordinates of one value are labelled once.
void NacrtajUticajnuLinijuM(TCrtezPolozaja& d, const TRazmeraSkice& r, const TOkvir& okvir,
                            double x, const TVozUPolozaju& polozaj);

/// The influence line of the shear at x in the box `okvir`, positive
/// upward as maxT stands in the diagram, "-" and "+" on its two areas, with
/// the ordinates under the forces of the maxT position (a force on the
/// section counted right of it) in kBojaMaxT and of the minT position (a
/// force on the section counted left of it) in kBojaMinT.
void NacrtajUticajnuLinijuT(TCrtezPolozaja& d, const TRazmeraSkice& r, const TOkvir& okvir,
                            double x, const TVozUPolozaju& maxT, const TVozUPolozaju& minT);

inline constexpr TBoja kBojaMaxT{0, 0, 255};
inline constexpr TBoja kBojaMinT{170, 0, 170};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One frame of the train's crossing in "Polozaj voza": the train where the
// slider stands, its moment and shear diagrams over the envelopes.

#include "CrtezPolozaja.h"
#include "PolozajVozaDijagram.h"

/// Draws the frame with P1 at *u.p1 within `okvir`: the train to scale,
/// its moment and shear diagrams over the span drawn over the classical and
/// the exact envelopes, M(x) and T(x) at the section, and a legend. With
/// `samoProveri` it draws nothing and tells whether the box holds it at
/// the drawing's letter height.
bool NacrtajPrelaz(TCrtezPolozaja& d, const TOkvir& okvir, const TVoz& voz, const TUlazPolozaja& u,
                   bool samoProveri);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Prosireno.h"

// Influence lines of a simply supported beam of span L: what a unit
// downward force standing at ksi contributes to the moment or the shear at
// the section x, 0 <= x <= L. A force off the span contributes nothing. The
// supports belong to the span: there every ordinate is the limit from
// inside, 0 except the shear of a section the force itself stands on. Every
// static quantity of a train at one position is the sum of its forces times
// these ordinates (TVozUPolozaju), so the ordinates a picture shows and the
// values it prints are the same numbers.

/// Ordinate of the influence line of M(x) at ksi: ksi(L - x)/L left of the
/// section, x(L - ksi)/L right of it [m]; 0 off the span.
Prosireno UticajM(Prosireno L, Prosireno x, Prosireno ksi);

/// Ordinate of the influence line of the shear just left of x, where a
/// force on the section belongs to the part right of it: -ksi/L for
/// ksi < x, (L - ksi)/L for ksi >= x; 0 off the span.
Prosireno UticajTLevo(Prosireno L, Prosireno x, Prosireno ksi);

/// The same just right of x, where a force on the section belongs to the
/// part left of it: -ksi/L for ksi <= x, (L - ksi)/L for ksi > x.
Prosireno UticajTDesno(Prosireno L, Prosireno x, Prosireno ksi);

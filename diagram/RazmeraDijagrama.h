// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <limits>

#include "Prosireno.h"

/// 0.2 H device units per unit of the reference value, rounded to a double as
/// the drawing's scales are. A reference near the smallest doubles would
/// overflow the double, so the quotient then stays extended, where it fits; a
/// reference that rounded to zero stands for values that all did, which lie
/// on their line.
inline Prosireno RazmeraDijagrama(double H, double referenca) {
    if (referenca == 0) return 0;
    const Prosireno k = 0.2_pr * H / referenca;
    if (std::fabs(k) > std::numeric_limits<double>::max()) return k;
    return static_cast<double>(k);
}

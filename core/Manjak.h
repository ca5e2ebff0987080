// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

#include "Prosireno.h"

/// Differences below this share of a quantity's scale (R L for moments, R
/// for shears) are rounding of two different formulas, not a shortfall.
inline constexpr Prosireno kZaokruzivanje = 1e-12_pr;

/// How far the classical value falls short of the exact one, in percent of
/// the exact: 100 (exact - classical)/exact, which is positive for a
/// classical value nearer zero than the exact one of either sign. 0 where
/// the exact value is 0 or the two differ only by rounding of `skala`;
/// negative where the classical is on the safe side.
inline double ManjakProcenat(Prosireno klasicno, double tacno, Prosireno skala) {
    const Prosireno razlika = static_cast<Prosireno>(tacno) - klasicno;
    if (tacno == 0 || !(std::fabs(razlika) > kZaokruzivanje * skala)) return 0.0;
    return static_cast<double>(100 * razlika / tacno);
}

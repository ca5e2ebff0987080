// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TacnaAnvelopa.h"
#include "Voz.h"

/// The largest bending moment anywhere on the beam for any position of the
/// train, with the section it stands under and where the train stands.
struct TApsolutniMaksimum {
    double M = 0.0;  ///< [kNm]
    double x = 0.0;  ///< the section, under the force Polozaj.Sila [m]
    TKriticniPolozaj Polozaj;
};

/// The absolute maximum moment of the train crossing as `smer` says; for
/// TSmerVoza::Oba the larger of the two orientations, P1..Pn where they
/// differ only by rounding (on a symmetric beam the two crossings mirror
/// each other, so they always share the maximum). Exact: at any position the largest moment stands
/// under a force, the forces on the span are a run Pi..Pj of the train, and while the run stays the
/// same the moment under force k is a parabola in the train's position, so each force of each run
/// is taken at its parabola's vertex or, where that puts another run on the span, at the nearest
/// end of its run's positions. A train of no force, or no span, gives zeros.
TApsolutniMaksimum ApsolutniMaksimum(const TVoz& voz, TSmerVoza smer);

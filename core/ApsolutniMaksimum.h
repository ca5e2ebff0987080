// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProracunskaDejstva.h"
#include "TacnaAnvelopa.h"
#include "Voz.h"

/// The largest bending moment anywhere on the beam for any position of the
/// train, with the section it stands under and where the train stands.
struct TApsolutniMaksimum {
    double M = 0.0;  ///< [kNm]
    double x = 0.0;  ///< the section, under the force Polozaj.Sila (0: under none) [m]
    TKriticniPolozaj Polozaj;
};

/// The absolute maximum moment of the train crossing as `smer` says, with
/// the design actions (at their start values: the train's own); for
/// TSmerVoza::Oba the larger of the two orientations, P1..Pn where they
/// differ only by rounding (on a symmetric beam the two crossings mirror
/// each other, so they always share the maximum). A train of no force, or
/// no span, gives zeros.
///
/// Exact: for a section the largest moment over the positions has a force
/// on it, or, with q in front of and behind the train, the train wholly on
/// one side and q beside it covering it, or the train off the span
/// (ProracunskaAnvelopa.h). Along a force's line, section and train moving
/// together, the forces on the span are a run Pi..Pj of the train, and
/// while the run stays the same the moment under force k is a parabola in
/// the train's position (with q anywhere and g too), so each force of each
/// run is taken at its parabola's vertex or, where that puts another run on
/// the span, at the nearest end of its run's positions; with q in front of
/// and behind it the moment is a cubic between the places where q's edges
/// cross a support, taken at its ends and where its derivative vanishes. A
/// regime of q peaks at a position that does not depend on the section, so
/// over the sections it is a parabola, taken at its vertex within its
/// sections.
TApsolutniMaksimum ApsolutniMaksimum(const TVoz& voz, TSmerVoza smer,
                                     const TProracunskaDejstva& dejstva = {});
